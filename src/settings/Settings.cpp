#include "settings/Settings.h"

#include "settings/DataFile.h"
#include "settings/FileReplacement.h"
#include "settings/ModulePath.h"
#include "settings/OptionsFormat.h"
#include "support/DisplayMetrics.h"
#include "support/ModuleInstance.h"

#include <cwchar>

DWORD g_dwHabit = 1;
BOOL g_bAccentsOnLongPress = TRUE;
WCHAR g_szSkinFile[MAX_PATH] = {};
FILETIME g_ftOptionsTime = {0, 0};
DWORD g_nLoadedOrientation = kNoLoadedOrientation;

static_assert(MAX_PATH == kSkinFileUnits, "the skin name buffer is one path long");

namespace {

const WCHAR kOptionsSuffix[] = L"\\Options.dat";

// Word completion's settings in memory, read and changed through their functions only.
WordSettings g_wordSettings;

bool BuildOptionsPath(WCHAR (&szPath)[MAX_PATH])
{
    return BuildModulePath(g_hInstance, kOptionsSuffix, szPath) != FALSE;
}

// Writes the values in memory into a file that replaces the settings file whole: a
// write that fails half-way (a full store) or a power failure at any moment leaves the
// old file or the new one. A read-only settings file stays (IsPinnedFile).
void WriteOptions(const WCHAR (&szPath)[MAX_PATH])
{
    if (IsPinnedFile(szPath))
        return;
    CFileReplacement replacement(szPath);
    if (!replacement.Begin())
        return;
    // The name in memory takes the default the file gets only once the file is in place.
    WCHAR szSkin[MAX_PATH];
    std::wmemcpy(szSkin, g_szSkinFile, MAX_PATH);
    if (!WriteOptionsTo(replacement.File(), g_dwHabit, szSkin, GetAccentsOnLongPress(), g_wordSettings) ||
        !replacement.Commit())
        return;
    std::wmemcpy(g_szSkinFile, szSkin, MAX_PATH);
}

}  // namespace

void LoadOptions()
{
    WCHAR szPath[MAX_PATH];
    if (!BuildOptionsPath(szPath))
        return;
    FinishFileReplacement(szPath);
    CDataFile file;
    if (file.Open(szPath, FALSE))
    {
        std::uint32_t dwHabit = g_dwHabit;
        bool bAccents = GetAccentsOnLongPress();
        ReadOptionsFrom(file, dwHabit, g_szSkinFile, bAccents, g_wordSettings);
        g_dwHabit = dwHabit;
        SetAccentsOnLongPress(bAccents);
        file.Close();
        return;
    }
    WriteOptions(szPath);
}

void SaveOptions()
{
    WCHAR szPath[MAX_PATH];
    if (!BuildOptionsPath(szPath))
        return;
    WriteOptions(szPath);
}

bool IsOptionsChanged()
{
    bool bChanged = static_cast<DWORD>(GetScreenOrientation()) != g_nLoadedOrientation;
    WCHAR szPath[MAX_PATH];
    CDataFile file;
    if (!BuildOptionsPath(szPath) || !file.Open(szPath, FALSE))
        return true;
    FILETIME ftWrite = {0, 0};
    // A time that cannot be read may hide a rewrite: the settings are read again.
    if (!file.GetLastWriteTime(ftWrite))
        bChanged = true;
    else if (CDataFile::CompareTimes(g_ftOptionsTime, ftWrite) < 0)
    {
        g_ftOptionsTime = ftWrite;
        bChanged = true;
    }
    file.Close();
    return bChanged;
}

bool GetAccentsOnLongPress()
{
    return g_bAccentsOnLongPress != FALSE;
}

void SetAccentsOnLongPress(bool bOn)
{
    g_bAccentsOnLongPress = bOn ? TRUE : FALSE;
}

WordSettings GetWordSettings()
{
    return g_wordSettings;
}

void SetWordSettings(const WordSettings& settings)
{
    g_wordSettings = ClampWordSettings(settings);
}

DWORD GetHabit()
{
    return g_dwHabit;
}

void SetHabit(DWORD dwHabit)
{
    g_dwHabit = dwHabit;
}

void GetSkinFile(LPWSTR pszOut)
{
    if (pszOut != nullptr)
        std::wmemcpy(pszOut, g_szSkinFile, MAX_PATH);
}

void SetSkinFile(LPCWSTR psz)
{
    size_t i = 0;
    if (psz != nullptr)
        for (; i < MAX_PATH - 1 && psz[i] != L'\0'; ++i)
            g_szSkinFile[i] = psz[i];
    g_szSkinFile[i] = L'\0';
}

void SetLoadedOrientation(DWORD nOrientation)
{
    g_nLoadedOrientation = nOrientation;
}

DWORD GetLoadedOrientation()
{
    return g_nLoadedOrientation;
}
