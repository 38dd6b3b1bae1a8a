#include "settings/DataFile.h"

#include "settings/OptionsFormat.h"

CDataFile::~CDataFile()
{
    Close();
}

BOOL CDataFile::Open(LPCWSTR pszPath, BOOL bWrite)
{
    Close();
    if (pszPath == nullptr)
        return FALSE;
    // A read-only settings file is the user's way of pinning the settings. The
    // device refuses to replace it; some hosts (a desktop run as an
    // administrator) would not, so the refusal is made here for all of them.
    if (bWrite)
    {
        const DWORD dwAttributes = GetFileAttributesW(pszPath);
        if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0)
        {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
    }
    m_hFile = CreateFileW(pszPath, bWrite ? GENERIC_WRITE : GENERIC_READ, 0, nullptr,
                          bWrite ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hFile != INVALID_HANDLE_VALUE;
}

void CDataFile::Close()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
    {
        CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }
}

BOOL CDataFile::Read(void* pBuffer, std::uint32_t cbBytes)
{
    DWORD cbRead = 0;
    return ReadFile(m_hFile, pBuffer, cbBytes, &cbRead, nullptr);
}

BOOL CDataFile::Write(const void* pBuffer, std::uint32_t cbBytes)
{
    DWORD cbWritten = 0;
    return WriteFile(m_hFile, pBuffer, cbBytes, &cbWritten, nullptr);
}

BOOL CDataFile::ReadDword(DWORD& dwTarget)
{
    std::uint32_t dwValue = 0;
    if (!ReadDwordFrom(*this, dwValue))
        return FALSE;
    dwTarget = dwValue;
    return TRUE;
}

BOOL CDataFile::WriteDword(DWORD dwValue)
{
    return WriteDwordTo(*this, dwValue) ? TRUE : FALSE;
}

BOOL CDataFile::ReadString(LPWSTR pszBuffer, DWORD cbBuffer)
{
    return ReadStringFrom(*this, pszBuffer, cbBuffer) ? TRUE : FALSE;
}

BOOL CDataFile::WriteString(LPCWSTR psz)
{
    if (psz == nullptr)
        return FALSE;
    return WriteStringTo(*this, psz) ? TRUE : FALSE;
}

BOOL CDataFile::GetLastWriteTime(FILETIME& ftTime)
{
    return GetFileTime(m_hFile, nullptr, nullptr, &ftTime);
}

LONG CDataFile::CompareTimes(const FILETIME& ftA, const FILETIME& ftB)
{
    return CompareFileTime(&ftA, &ftB);
}
