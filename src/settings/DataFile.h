#pragma once
#include <windows.h>

#include <cstdint>

// A file opened for one load, save or check of the settings, exclusively,
// and closed by the end of that operation at the latest.
class CDataFile
{
public:
    CDataFile() = default;
    virtual ~CDataFile();
    CDataFile(const CDataFile&) = delete;
    CDataFile& operator=(const CDataFile&) = delete;

    // Opens for reading an existing file, or creates/truncates it for writing.
    BOOL Open(LPCWSTR pszPath, BOOL bWrite);
    void Close();

    // One ReadFile/WriteFile of cbBytes; the count moved is not looked at, so
    // a read at the end of the file succeeds with nothing read.
    BOOL Read(void* pBuffer, std::uint32_t cbBytes);
    BOOL Write(const void* pBuffer, std::uint32_t cbBytes);

    BOOL ReadDword(DWORD& dwTarget);
    BOOL WriteDword(DWORD dwValue);
    // cbBuffer is the size of pszBuffer in bytes.
    BOOL ReadString(LPWSTR pszBuffer, DWORD cbBuffer);
    BOOL WriteString(LPCWSTR psz);

    BOOL GetLastWriteTime(FILETIME& ftTime);
    static LONG CompareTimes(const FILETIME& ftA, const FILETIME& ftB);

    HANDLE Handle() const { return m_hFile; }

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};
