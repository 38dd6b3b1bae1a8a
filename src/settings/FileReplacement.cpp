#include "settings/FileReplacement.h"

#include <cwchar>

namespace {

constexpr WCHAR kNewSuffix[] = L".new";
constexpr WCHAR kReadySuffix[] = L".ready";
// The coarsest clock of a file system a device keeps its files on (FAT: two seconds).
constexpr ULONGLONG kTimeStep = 2ULL * 10 * 1000 * 1000;

// pszPath followed by pszSuffix in szOut; false when that would not fit.
bool WithSuffix(LPCWSTR pszPath, LPCWSTR pszSuffix, WCHAR (&szOut)[MAX_PATH])
{
    const size_t cchPath = std::wcslen(pszPath);
    const size_t cchSuffix = std::wcslen(pszSuffix);
    if (cchPath + cchSuffix >= MAX_PATH)
        return false;
    std::wmemcpy(szOut, pszPath, cchPath);
    std::wmemcpy(szOut + cchPath, pszSuffix, cchSuffix + 1);
    return true;
}

bool Exists(LPCWSTR pszPath)
{
    return GetFileAttributesW(pszPath) != INVALID_FILE_ATTRIBUTES;
}

// The last-write time of the file at pszPath; false when there is none.
bool LastWriteTimeOf(LPCWSTR pszPath, FILETIME* pftTime)
{
    WIN32_FIND_DATAW data{};
    const HANDLE hFind = FindFirstFileW(pszPath, &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    FindClose(hFind);
    *pftTime = data.ftLastWriteTime;
    return true;
}

ULONGLONG AsNumber(const FILETIME& ft)
{
    return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

FILETIME AsFileTime(ULONGLONG n)
{
    return FILETIME{static_cast<DWORD>(n), static_cast<DWORD>(n >> 32)};
}

}  // namespace

CFileReplacement::CFileReplacement(LPCWSTR pszPath)
{
    m_bNamed = pszPath != nullptr && WithSuffix(pszPath, L"", m_szPath) && WithSuffix(pszPath, kNewSuffix, m_szNew) &&
               WithSuffix(pszPath, kReadySuffix, m_szReady);
}

CFileReplacement::~CFileReplacement()
{
    if (m_file.Handle() != INVALID_HANDLE_VALUE)
    {
        m_file.Close();
        DeleteFileW(m_szNew);
    }
}

bool CFileReplacement::Begin()
{
    if (!m_bNamed)
        return false;
    // A whole file left waiting by an earlier replacement must not stand in the new one's way.
    DeleteFileW(m_szReady);
    return m_file.Open(m_szNew, TRUE) != FALSE;
}

bool CFileReplacement::Commit()
{
    if (m_file.Handle() == INVALID_HANDLE_VALUE)
        return false;
    FILETIME ftOld{};
    FILETIME ftNew{};
    if (LastWriteTimeOf(m_szPath, &ftOld) && m_file.GetLastWriteTime(ftNew) &&
        AsNumber(ftNew) <= AsNumber(ftOld))
    {
        const FILETIME ftLater = AsFileTime(AsNumber(ftOld) + kTimeStep);
        SetFileTime(m_file.Handle(), nullptr, nullptr, &ftLater);
    }
    const bool bFlushed = FlushFileBuffers(m_file.Handle()) != FALSE;
    m_file.Close();
    if (!bFlushed || !MoveFileW(m_szNew, m_szReady))
    {
        DeleteFileW(m_szNew);
        return false;
    }
    // From here the new file is whole: a start that finds no NAME takes it.
    if (!DeleteFileW(m_szPath) && GetLastError() != ERROR_FILE_NOT_FOUND)
    {
        DeleteFileW(m_szReady);
        return false;
    }
    return MoveFileW(m_szReady, m_szPath) != FALSE;
}

void FinishFileReplacement(LPCWSTR pszPath)
{
    WCHAR szNew[MAX_PATH];
    WCHAR szReady[MAX_PATH];
    if (pszPath == nullptr || !WithSuffix(pszPath, kNewSuffix, szNew) || !WithSuffix(pszPath, kReadySuffix, szReady))
        return;
    if (Exists(szNew))
        DeleteFileW(szNew);
    if (!Exists(szReady))
        return;
    if (Exists(pszPath))
        DeleteFileW(szReady);
    else
        MoveFileW(szReady, pszPath);
}

bool IsPinnedFile(LPCWSTR pszPath)
{
    const DWORD dwAttributes = GetFileAttributesW(pszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0;
}
