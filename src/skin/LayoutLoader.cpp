#include "skin/LayoutLoader.h"

#include "platform/AygShell.h"
#include "settings/ModulePath.h"
#include "settings/Settings.h"
#include "skin/BitmapTurning.h"
#include "skin/KeyTable.h"
#include "skin/LayoutEntryReader.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinPaths.h"
#include "skin/SkinRecord.h"
#include "skin/SkinScreen.h"
#include "skin/SystemCodePage.h"
#include "skin/XmlDocument.h"
#include "support/GdiHandles.h"

#include <cwchar>

namespace {

// The skin folder of a load that did not set one: the default skin's folder.
void EnsureSkinPath(HINSTANCE hInstance)
{
    if (g_skin.szSkinPath[0] == L'\0')
        BuildModulePath(hInstance, L"\\skins\\Silver", g_skin.szSkinPath);
}

// The bitmap an entry names, inside the skin folder; empty when there is none or the
// whole path would not fit, so no bitmap is loaded rather than a wrong one.
void BuildBitmapPath(const LayoutValues& values, HINSTANCE hInstance, WCHAR (&szPath)[MAX_PATH])
{
    szPath[0] = L'\0';
    if (!values.bBitmapNamed)
        return;
    EnsureSkinPath(hInstance);
    if (g_skin.szSkinPath[0] != L'\0' && values.szBitmapName[0] != L'\0')
        JoinSkinPath(szPath, MAX_PATH, g_skin.szSkinPath, values.szBitmapName);
}

// Loads the entry's bitmap and prepares it into a field of the skin record, releasing
// what an earlier entry left there.
void LoadBitmapInto(LPCWSTR pszPath, HBITMAP* phField, HWND hwnd)
{
    if (*phField != nullptr)
    {
        DeleteObject(*phField);
        *phField = nullptr;
    }
    HBITMAP hLoaded = pszPath[0] != L'\0' ? SHLoadDIBitmap(pszPath) : nullptr;
    PrepareSkinBitmap(hLoaded, phField, hwnd);
}

RECT MapEntryRect(const LayoutValues& values)
{
    return ComputeKeyRect(values.nLeft, values.nTop, values.nWidth, values.nHeight, g_skin.nOrientation,
                          g_skin.nBackgroundWidth, g_skin.nBackgroundHeight);
}

void ApplyLayoutEntry(const LayoutEntryTarget& target, const LayoutValues& values, LPCWSTR pszBitmap,
                      HWND hwnd)
{
    switch (target.kind)
    {
    case LayoutEntryKind::DefaultBackground:
        g_skin.nBackgroundWidth = values.nBackgroundWidth;
        g_skin.nBackgroundHeight = values.nBackgroundHeight;
        g_nCurrentView = VIEW_CHAR;
        break;
    case LayoutEntryKind::Orientation:
        g_skin.nOrientation = values.nOrientationValue;
        break;
    case LayoutEntryKind::CharBackground:
        LoadBitmapInto(pszBitmap, &g_skin.hCharBackground, hwnd);
        break;
    case LayoutEntryKind::SymbolBackground:
        LoadBitmapInto(pszBitmap, &g_skin.hSymbolBackground, hwnd);
        break;
    case LayoutEntryKind::NumberBackground:
        LoadBitmapInto(pszBitmap, &g_skin.hNumberBackground, hwnd);
        break;
    case LayoutEntryKind::EditView:
        g_skin.rcEditView = MapEntryRect(values);
        break;
    case LayoutEntryKind::CharView:
        g_skin.rcCharView = MapEntryRect(values);
        break;
    case LayoutEntryKind::WordView:
        g_skin.rcWordView = MapEntryRect(values);
        break;
    case LayoutEntryKind::Key:
    {
        KeyRecord& key = g_skin.keys[target.nKey];
        key.rcKey = MapEntryRect(values);
        std::wmemcpy(key.szAlternates, values.szAlternates, kMaxAlternates + 1);
        LoadBitmapInto(pszBitmap, &key.hPressedImage, hwnd);
        break;
    }
    case LayoutEntryKind::Ignored:
        break;
    }
}

}  // namespace

RECT ComputeKeyRect(int nLeft, int nTop, int nWidth, int nHeight, int nOrientation,
                    int nBackgroundWidth, int nBackgroundHeight)
{
    const SkinTurn turn = ChooseSkinTurn(GetSkinScreenOrientation(), nOrientation, g_dwHabit != 0);
    const SkinRect r = MapDesignRect(turn, nLeft, nTop, nWidth, nHeight, nBackgroundWidth, nBackgroundHeight);
    return RECT{r.nLeft, r.nTop, r.nRight, r.nBottom};
}

bool ReadLayoutEntry(IXMLDOMNode* pNode, HINSTANCE hInstance, HWND hwnd)
{
    if (pNode == nullptr)
        return true;
    CBstr bstrEntry;
    if (FAILED(pNode->get_text(bstrEntry.Put())) || bstrEntry.Length() == 0)
        return true;
    LayoutValues values{};
    const long nCount = VisitXmlAttributes(pNode, [&values](LPCWSTR pszName, BSTR bstrText) {
        return StoreLayoutAttribute(values, pszName, bstrText, SysStringLen(bstrText), GetSystemCodePage());
    });
    if (nCount == kXmlVisitStopped)
        return false;
    if (nCount <= 0)
        return true;
    WCHAR szBitmap[MAX_PATH];
    BuildBitmapPath(values, hInstance, szBitmap);
    ApplyLayoutEntry(ClassifyLayoutEntry(bstrEntry.Get()), values, szBitmap, hwnd);
    return true;
}

int LoadLayoutFile(LPCWSTR pszPath, HINSTANCE hInstance, HWND hwnd)
{
    const CSkinLoadScreen pinScreen;
    const CBitmapTurningSession turningSession;
    // Two handles are small enough for std::function to hold without allocating: a load
    // must not fail for the reader itself.
    return ReadXmlDocument(pszPath, nullptr, [hInstance, hwnd](IXMLDOMNode* pNode) {
        return ReadLayoutEntry(pNode, hInstance, hwnd);
    });
}
