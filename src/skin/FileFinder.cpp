#include "skin/FileFinder.h"

CFileFinder::~CFileFinder()
{
    Close();
}

void CFileFinder::FindFirst(LPCWSTR pszPattern)
{
    Close();
    if (pszPattern == nullptr)
        return;
    m_hFind = FindFirstFileW(pszPattern, &m_data);
    m_bFound = m_hFind != INVALID_HANDLE_VALUE;
}

void CFileFinder::FindNext()
{
    m_bFound = m_hFind != INVALID_HANDLE_VALUE && FindNextFileW(m_hFind, &m_data) != FALSE;
}

void CFileFinder::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE)
    {
        FindClose(m_hFind);
        m_hFind = INVALID_HANDLE_VALUE;
    }
    m_bFound = false;
}
