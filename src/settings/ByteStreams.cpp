#include "settings/ByteStreams.h"

#include <cstring>

bool CMemoryByteSource::Read(void* pBuffer, std::uint32_t cbBytes)
{
    const std::size_t cbLeft = m_cbData - m_nPos;
    const std::size_t cbCopy = cbBytes < cbLeft ? cbBytes : cbLeft;
    if (cbCopy > 0)
        std::memcpy(pBuffer, m_pData + m_nPos, cbCopy);
    m_nPos += cbCopy;
    return true;
}

bool CMemoryByteSink::Write(const void* pBuffer, std::uint32_t cbBytes)
{
    if (m_nWrites++ >= m_nFailFrom)
        return false;
    const unsigned char* p = static_cast<const unsigned char*>(pBuffer);
    m_bytes.insert(m_bytes.end(), p, p + cbBytes);
    return true;
}
