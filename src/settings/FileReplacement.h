#pragma once
#include <windows.h>

#include "settings/DataFile.h"

// Writing a file anew so that, whenever the power fails, a later start finds either
// the old file or the new one, never a torn one and never none. The new bytes go to
// "NAME.new" and are flushed; the whole file is then renamed "NAME.ready" (a rename
// happens entirely or not at all), and only then is NAME deleted and "NAME.ready"
// renamed to NAME. FinishFileReplacement, run before NAME is read, tells from what
// it finds how far a replacement got.
class CFileReplacement
{
public:
    explicit CFileReplacement(LPCWSTR pszPath);
    // A replacement that was not committed leaves NAME as it was.
    ~CFileReplacement();
    CFileReplacement(const CFileReplacement&) = delete;
    CFileReplacement& operator=(const CFileReplacement&) = delete;

    // Creates "NAME.new" for writing; false when the paths do not fit or it cannot be made.
    bool Begin();
    // Where the new bytes are written between Begin and Commit.
    CDataFile& File() { return m_file; }
    // Puts the written file in NAME's place. Its last-write time is made later than the
    // old file's, so that a check of that time sees the change even when the clock did
    // not move on (or went back). False, with NAME as it was or a next start finishing
    // the change, when a step fails.
    bool Commit();

private:
    WCHAR m_szPath[MAX_PATH] = {};
    WCHAR m_szNew[MAX_PATH] = {};
    WCHAR m_szReady[MAX_PATH] = {};
    bool m_bNamed = false;
    CDataFile m_file;
};

// Finishes or undoes a replacement of pszPath that a power failure cut short: a
// "NAME.new" is deleted (it may be torn); a "NAME.ready" takes NAME's place when NAME
// is gone and is deleted when NAME is still there.
void FinishFileReplacement(LPCWSTR pszPath);

// Whether the file at pszPath is read-only: the user's way of pinning a file of
// settings, which a replacement then leaves as it is.
bool IsPinnedFile(LPCWSTR pszPath);
