#include "skin/SkinCatalogue.h"

#include "skin/KeyTable.h"
#include "settings/ModulePath.h"
#include "settings/Settings.h"
#include "skin/FileFinder.h"
#include "skin/LayoutLoader.h"
#include "support/RecordList.h"
#include "skin/SkinNumbers.h"
#include "skin/SkinPaths.h"
#include "skin/SkinRecord.h"
#include "skin/SystemCodePage.h"
#include "skin/XmlDocument.h"
#include "support/DisplayMetrics.h"
#include "support/ModuleInstance.h"

#include <cwchar>
#include <memory>
#include <new>

namespace {

constexpr WCHAR kDefaultSkinFile[] = L"Silver.xml";

// False when memory ran out for the entry: a table without it could pick a layout made
// for another screen.
bool ReadResolutionEntry(IXMLDOMNode* pNode)
{
    ResolutionEntry entry{};
    const long nCount = VisitXmlAttributes(pNode, [&entry](LPCWSTR pszName, BSTR bstrText) {
        return StoreResolutionAttribute(entry, pszName, bstrText, SysStringLen(bstrText), GetSystemCodePage());
    });
    if (nCount == kXmlVisitStopped)
        return false;
    if (nCount >= 0 && !g_skin.language.bNamed)
        g_skin.language = entry.Language;
    return nCount < 0 || g_skin.pResolutionList == nullptr || g_skin.pResolutionList->Add(&entry, sizeof entry) != 0;
}

// Views from the key table; a key's own alternates and the place of the offered words
// belong to the skin that gave them.
void ResetSkinOwnEntries()
{
    g_skin.rcWordView = RECT{};
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        g_skin.keys[i].nView = GetDefaultKeyView(i);
        g_skin.keys[i].szAlternates[0] = L'\0';
    }
}

// The entry of the resolution list that suits a screen with this shorter side.
bool ChooseResolutionEntry(int nShortSide, ResolutionEntry* pOut)
{
    const CRecordList* pList = g_skin.pResolutionList;
    const int nCount = pList != nullptr ? pList->Count() : 0;
    if (nCount <= 0)
        return false;
    std::unique_ptr<int[]> pHeights(new (std::nothrow) int[static_cast<size_t>(nCount)]);
    if (!pHeights)
        return false;
    for (int i = 0; i < nCount; ++i)
    {
        ResolutionEntry entry{};
        pHeights[i] = pList->Get(i, &entry, sizeof entry) ? entry.Height : 0;
    }
    const int nChosen = MatchResolution(pHeights.get(), static_cast<size_t>(nCount), nShortSide);
    return nChosen >= 0 && pList->Get(nChosen, pOut, sizeof *pOut) != 0;
}

}  // namespace

int ReadResolutionTable(LPCWSTR pszPath)
{
    g_skin.language = SkinLanguage{};
    return ReadXmlDocument(
        pszPath,
        [] {
            // The list belongs to the skin record; one left by an unreleased load is freed
            // here rather than lost.
            delete g_skin.pResolutionList;
            g_skin.pResolutionList = new (std::nothrow) CRecordList();
        },
        ReadResolutionEntry);
}

int LoadSkin(HINSTANCE hInstance, HWND hwnd)
{
    return LoadSkinForShortSide(hInstance, hwnd, GetScreenShortSide());
}

int LoadSkinForShortSide(HINSTANCE hInstance, HWND hwnd, int nShortSide)
{
    g_hInstance = hInstance;
    GetScreenOrientation();
    ResetSkinOwnEntries();

    WCHAR szSkinsFolder[MAX_PATH];
    if (!BuildModulePath(hInstance, L"\\skins", szSkinsFolder))
        return 0;
    if (g_szSkinFile[0] == L'\0')
        SetSkinFile(kDefaultSkinFile);

    WCHAR szIndexPath[MAX_PATH];
    if (!JoinSkinPath(szIndexPath, MAX_PATH, szSkinsFolder, g_szSkinFile))
        return 0;
    if (!ReadResolutionTable(szIndexPath))
        return 0;

    ResolutionEntry entry{};
    if (!ChooseResolutionEntry(nShortSide, &entry))
        return 0;

    WCHAR szSkinName[MAX_PATH];
    if (!CopySkinName(szSkinName, MAX_PATH, g_szSkinFile) ||
        !JoinSkinPath(g_skin.szSkinPath, MAX_PATH, szSkinsFolder, szSkinName))
        return 0;

    WCHAR szLayoutPath[MAX_PATH];
    if (entry.LayoutFileName[0] == L'\0' ||
        !JoinSkinPath(szLayoutPath, MAX_PATH, g_skin.szSkinPath, entry.LayoutFileName))
        return 0;
    return LoadLayoutFile(szLayoutPath, hInstance, hwnd);
}

WordLanguage ChooseWordLanguage(const WordSettings& settings)
{
    return PickWordLanguage(ClampWordSettings(settings).list, g_skin.language, GetUserDefaultUILanguage());
}

void EnumerateSkins(CRecordList* pList, HINSTANCE hInstance)
{
    if (pList == nullptr)
        return;
    WCHAR szPattern[MAX_PATH];
    if (!BuildModulePath(hInstance, L"\\skins\\*.xml", szPattern))
        return;
    CFileFinder finder;
    for (finder.FindFirst(szPattern); finder.IsFound(); finder.FindNext())
    {
        const WIN32_FIND_DATAW& data = finder.Data();
        // Any folder is skipped, whatever other attribute bits it carries.
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            continue;
        SkinListEntry entry{};
        if (!CopySkinName(entry.szDisplayName, MAX_PATH, data.cFileName))
            continue;
        std::wcsncpy(entry.szFileName, data.cFileName, MAX_PATH - 1);
        pList->Add(&entry, sizeof entry);
    }
    finder.Close();
}
