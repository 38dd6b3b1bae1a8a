#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Byte sources and sinks in memory with the semantics of a file handle, for
// the readers and writers of OptionsFormat.h.

class CMemoryByteSource
{
public:
    CMemoryByteSource(const void* pData, std::size_t cbData)
        : m_pData(static_cast<const unsigned char*>(pData)), m_cbData(pData != nullptr ? cbData : 0) {}

    // Like ReadFile: copies what is left, up to cbBytes, and succeeds even at
    // the end of the data; the rest of the buffer is left as it was.
    bool Read(void* pBuffer, std::uint32_t cbBytes);

    std::size_t Position() const { return m_nPos; }

private:
    const unsigned char* m_pData;
    std::size_t m_cbData;
    std::size_t m_nPos = 0;
};

class CMemoryByteSink
{
public:
    bool Write(const void* pBuffer, std::uint32_t cbBytes);

    // Makes every later write fail, as a full disk would.
    void FailFrom(std::size_t nWrite) { m_nFailFrom = nWrite; }

    const std::vector<unsigned char>& Bytes() const { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
    std::size_t m_nWrites = 0;
    std::size_t m_nFailFrom = SIZE_MAX;
};
