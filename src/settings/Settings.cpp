#include "settings/Settings.h"

#include "settings/DataFile.h"
#include "settings/ModulePath.h"
#include "settings/OptionsFormat.h"
#include "support/DisplayMetrics.h"
#include "support/ModuleInstance.h"

#include <cwchar>

DWORD g_dwHabit = 1;
WCHAR g_szSkinFile[MAX_PATH] = {};
FILETIME g_ftOptionsTime = {0, 0};
DWORD g_nLoadedOrientation = kNoLoadedOrientation;

static_assert(MAX_PATH == kSkinFileUnits, "the skin name buffer is one path long");

namespace {

const WCHAR kOptionsSuffix[] = L"\\Options.dat";

bool BuildOptionsPath(WCHAR (&szPath)[MAX_PATH])
{
    return BuildModulePath(g_hInstance, kOptionsSuffix, szPath) != FALSE;
}

// Writes the values in memory into a file opened for writing.
void WriteOptions(CDataFile& file)
{
    WriteOptionsTo(file, g_dwHabit, g_szSkinFile);
    file.Close();
}

}  // namespace

void LoadOptions()
{
    WCHAR szPath[MAX_PATH];
    if (!BuildOptionsPath(szPath))
        return;
    CDataFile file;
    if (file.Open(szPath, FALSE))
    {
        std::uint32_t dwHabit = g_dwHabit;
        ReadOptionsFrom(file, dwHabit, g_szSkinFile);
        g_dwHabit = dwHabit;
        file.Close();
        return;
    }
    if (file.Open(szPath, TRUE))
        WriteOptions(file);
}

void SaveOptions()
{
    WCHAR szPath[MAX_PATH];
    if (!BuildOptionsPath(szPath))
        return;
    CDataFile file;
    if (file.Open(szPath, TRUE))
        WriteOptions(file);
}

bool IsOptionsChanged()
{
    bool bChanged = static_cast<DWORD>(GetScreenOrientation()) != g_nLoadedOrientation;
    WCHAR szPath[MAX_PATH];
    CDataFile file;
    if (!BuildOptionsPath(szPath) || !file.Open(szPath, FALSE))
        return true;
    FILETIME ftWrite = {0, 0};
    if (!file.GetLastWriteTime(ftWrite))
        ftWrite = FILETIME{0, 0};
    if (CDataFile::CompareTimes(g_ftOptionsTime, ftWrite) < 0)
    {
        g_ftOptionsTime = ftWrite;
        bChanged = true;
    }
    file.Close();
    return bChanged;
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
