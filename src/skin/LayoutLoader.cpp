#include "skin/LayoutLoader.h"

#include "keyboard/KeyModel.h"
#include "keyboard/KeyTable.h"
#include "platform/AygShell.h"
#include "settings/ModulePath.h"
#include "settings/Settings.h"
#include "skin/BitmapTurning.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinPaths.h"
#include "skin/SkinRecord.h"
#include "skin/SkinScreen.h"
#include "skin/XmlDocument.h"
#include "support/GdiHandles.h"

#include <cwchar>

namespace {

// The attributes one layout entry may carry; absent ones stay 0.
struct LayoutValues
{
    int nDefaultBackgroundValue;
    int nBackgroundWidth;
    int nBackgroundHeight;
    int nValidateWidth;
    int nValidateHeight;
    int nOrientationValue;
    int nLeft;
    int nTop;
    int nWidth;
    int nHeight;
    WCHAR szBitmapPath[MAX_PATH];  // skin folder + "\" + DefaultPath; empty when unusable
};

struct NumberAttribute
{
    LPCWSTR pszName;
    int LayoutValues::*pField;
};

const NumberAttribute g_numberAttributes[] = {
    {L"DefaultBackgroundValue", &LayoutValues::nDefaultBackgroundValue},
    {L"BackgroundWidth", &LayoutValues::nBackgroundWidth},
    {L"BackgroundHeight", &LayoutValues::nBackgroundHeight},
    {L"ValidateWidth", &LayoutValues::nValidateWidth},
    {L"ValidateHeight", &LayoutValues::nValidateHeight},
    {L"OrientationValue", &LayoutValues::nOrientationValue},
    {L"Left", &LayoutValues::nLeft},
    {L"Top", &LayoutValues::nTop},
    {L"Width", &LayoutValues::nWidth},
    {L"Height", &LayoutValues::nHeight},
};

// The skin folder of a load that did not set one: the default skin's folder.
void EnsureSkinPath(HINSTANCE hInstance)
{
    if (g_skin.szSkinPath[0] == L'\0')
        BuildModulePath(hInstance, L"\\skins\\Silver", g_skin.szSkinPath);
}

// Builds the bitmap path from a DefaultPath value. A name that cannot make a whole path
// leaves the path empty, so no bitmap is loaded rather than a wrong one.
bool StoreBitmapPath(LayoutValues& values, BSTR bstrText, HINSTANCE hInstance)
{
    values.szBitmapPath[0] = L'\0';
    WCHAR szName[MAX_PATH];
    if (!RoundTripAnsi(bstrText, szName, MAX_PATH))
    {
        // A name too long for a path only costs the image; a conversion that fails on a
        // name that fits means memory ran out, which ends the entry.
        return SysStringLen(bstrText) >= MAX_PATH;
    }
    EnsureSkinPath(hInstance);
    if (g_skin.szSkinPath[0] != L'\0' && szName[0] != L'\0')
        JoinSkinPath(values.szBitmapPath, MAX_PATH, g_skin.szSkinPath, szName);
    return true;
}

bool StoreLayoutAttribute(LayoutValues& values, LPCWSTR pszName, BSTR bstrText, HINSTANCE hInstance)
{
    for (const NumberAttribute& attribute : g_numberAttributes)
    {
        if (std::wcscmp(pszName, attribute.pszName) == 0)
            return ParseXmlNumber(bstrText, &(values.*attribute.pField));
    }
    if (std::wcscmp(pszName, L"DefaultPath") == 0)
        return StoreBitmapPath(values, bstrText, hInstance);
    return true;
}

// Loads the entry's bitmap and prepares it into a field of the skin record, releasing
// what an earlier entry left there.
void LoadBitmapInto(const LayoutValues& values, HBITMAP* phField, HWND hwnd)
{
    if (*phField != nullptr)
    {
        DeleteObject(*phField);
        *phField = nullptr;
    }
    HBITMAP hLoaded = values.szBitmapPath[0] != L'\0' ? SHLoadDIBitmap(values.szBitmapPath) : nullptr;
    PrepareSkinBitmap(hLoaded, phField, hwnd);
}

RECT MapEntryRect(const LayoutValues& values)
{
    return ComputeKeyRect(values.nLeft, values.nTop, values.nWidth, values.nHeight, g_skin.nOrientation,
                          g_skin.nBackgroundWidth, g_skin.nBackgroundHeight);
}

void ApplyLayoutEntry(LPCWSTR pszEntry, const LayoutValues& values, HWND hwnd)
{
    if (std::wcscmp(pszEntry, L"DefaultBackground") == 0)
    {
        g_skin.nDefaultBackgroundValue = values.nDefaultBackgroundValue;
        g_skin.nBackgroundWidth = values.nBackgroundWidth;
        g_skin.nBackgroundHeight = values.nBackgroundHeight;
        g_skin.nValidateWidth = values.nValidateWidth;
        g_skin.nValidateHeight = values.nValidateHeight;
        g_nCurrentView = VIEW_CHAR;
    }
    else if (std::wcscmp(pszEntry, L"Orientation") == 0)
        g_skin.nOrientation = values.nOrientationValue;
    else if (std::wcscmp(pszEntry, L"CharBackground") == 0)
        LoadBitmapInto(values, &g_skin.hCharBackground, hwnd);
    else if (std::wcscmp(pszEntry, L"SymbolBackground") == 0)
        LoadBitmapInto(values, &g_skin.hSymbolBackground, hwnd);
    else if (std::wcscmp(pszEntry, L"NumberBackground") == 0)
        LoadBitmapInto(values, &g_skin.hNumberBackground, hwnd);
    else if (std::wcscmp(pszEntry, L"char_editview") == 0)
        g_skin.rcEditView = MapEntryRect(values);
    else if (std::wcscmp(pszEntry, L"char_charview") == 0)
        g_skin.rcCharView = MapEntryRect(values);
    else
    {
        const int nKey = FindKeyByEntry(pszEntry);
        if (nKey == KEY_NONE)
            return;
        KeyRecord& key = g_skin.keys[nKey];
        key.rcKey = MapEntryRect(values);
        LoadBitmapInto(values, &key.hPressedImage, hwnd);
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

void ReadLayoutEntry(IXMLDOMNode* pNode, HINSTANCE hInstance, HWND hwnd)
{
    if (pNode == nullptr)
        return;
    CBstr bstrEntry;
    if (FAILED(pNode->get_text(bstrEntry.Put())) || bstrEntry.Length() == 0)
        return;
    LayoutValues values{};
    const long nCount = VisitXmlAttributes(pNode, [&values, hInstance](LPCWSTR pszName, BSTR bstrText) {
        return StoreLayoutAttribute(values, pszName, bstrText, hInstance);
    });
    if (nCount <= 0)
        return;
    ApplyLayoutEntry(bstrEntry.Get(), values, hwnd);
}

int LoadLayoutFile(LPCWSTR pszPath, HINSTANCE hInstance, HWND hwnd)
{
    const CSkinLoadScreen pinScreen;
    const CBitmapTurningSession turningSession;
    return ReadXmlDocument(pszPath, nullptr, [hInstance, hwnd](IXMLDOMNode* pNode) {
        ReadLayoutEntry(pNode, hInstance, hwnd);
    });
}
