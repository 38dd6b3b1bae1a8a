#pragma once
#include <windows.h>

// One directory search: FindFirst, then FindNext while IsFound; the search is closed by
// Close or at the latest by the destructor.
class CFileFinder
{
public:
    CFileFinder() = default;
    virtual ~CFileFinder();
    CFileFinder(const CFileFinder&) = delete;
    CFileFinder& operator=(const CFileFinder&) = delete;

    // Starts a search for pszPattern, closing any earlier one first.
    void FindFirst(LPCWSTR pszPattern);
    void FindNext();
    bool IsFound() const { return m_bFound; }
    const WIN32_FIND_DATAW& Data() const { return m_data; }
    void Close();

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    bool m_bFound = false;
    WIN32_FIND_DATAW m_data{};
};
