#include "GdiCounter.h"

#include <cstring>
#include <unordered_set>

namespace {

std::unordered_set<void*>& Objects()
{
    static std::unordered_set<void*> s_objects;
    return s_objects;
}

std::unordered_set<void*>& Menus()
{
    static std::unordered_set<void*> s_menus;
    return s_menus;
}

template <typename T>
T Remember(T h)
{
    if (h != nullptr)
        Objects().insert(reinterpret_cast<void*>(h));
    return h;
}

HMENU RememberMenu(HMENU h)
{
    if (h != nullptr)
        Menus().insert(h);
    return h;
}

// The real functions, taken from the import table before it is patched: calling them by
// name from here would come back to the wrappers.
decltype(&CreateCompatibleDC) g_pfnCreateCompatibleDC;
decltype(&CreateCompatibleBitmap) g_pfnCreateCompatibleBitmap;
decltype(&CreateDIBSection) g_pfnCreateDIBSection;
decltype(&CreateBitmap) g_pfnCreateBitmap;
decltype(&CreateFontIndirectW) g_pfnCreateFontIndirectW;
decltype(&CreateFontW) g_pfnCreateFontW;
decltype(&LoadBitmapW) g_pfnLoadBitmapW;
decltype(&LoadMenuW) g_pfnLoadMenuW;
decltype(&DestroyMenu) g_pfnDestroyMenu;
decltype(&CreatePen) g_pfnCreatePen;
decltype(&CreateSolidBrush) g_pfnCreateSolidBrush;
decltype(&CreateRectRgn) g_pfnCreateRectRgn;
decltype(&DeleteObject) g_pfnDeleteObject;
decltype(&DeleteDC) g_pfnDeleteDC;
decltype(&GetDC) g_pfnGetDC;
decltype(&GetWindowDC) g_pfnGetWindowDC;
decltype(&ReleaseDC) g_pfnReleaseDC;

HDC WINAPI CountedCreateCompatibleDC(HDC hdc) { return Remember(g_pfnCreateCompatibleDC(hdc)); }
HBITMAP WINAPI CountedCreateCompatibleBitmap(HDC hdc, int cx, int cy)
{
    return Remember(g_pfnCreateCompatibleBitmap(hdc, cx, cy));
}
HBITMAP WINAPI CountedCreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage, void** ppvBits, HANDLE hSection,
                                       DWORD offset)
{
    return Remember(g_pfnCreateDIBSection(hdc, pbmi, usage, ppvBits, hSection, offset));
}
HBITMAP WINAPI CountedCreateBitmap(int cx, int cy, UINT planes, UINT bitCount, const void* pBits)
{
    return Remember(g_pfnCreateBitmap(cx, cy, planes, bitCount, pBits));
}
HFONT WINAPI CountedCreateFontIndirectW(const LOGFONTW* plf) { return Remember(g_pfnCreateFontIndirectW(plf)); }
HFONT WINAPI CountedCreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                                DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                                DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily,
                                LPCWSTR pszFaceName)
{
    return Remember(g_pfnCreateFontW(cHeight, cWidth, cEscapement, cOrientation, cWeight, bItalic, bUnderline,
                                     bStrikeOut, iCharSet, iOutPrecision, iClipPrecision, iQuality, iPitchAndFamily,
                                     pszFaceName));
}
// A bitmap loaded from the resources is a GDI object of the caller's, deleted with DeleteObject.
HBITMAP WINAPI CountedLoadBitmapW(HINSTANCE hInstance, LPCWSTR pszName)
{
    return Remember(g_pfnLoadBitmapW(hInstance, pszName));
}
HMENU WINAPI CountedLoadMenuW(HINSTANCE hInstance, LPCWSTR pszName)
{
    return RememberMenu(g_pfnLoadMenuW(hInstance, pszName));
}
BOOL WINAPI CountedDestroyMenu(HMENU hMenu)
{
    const BOOL bDestroyed = g_pfnDestroyMenu(hMenu);
    if (bDestroyed)
        Menus().erase(hMenu);
    return bDestroyed;
}
HPEN WINAPI CountedCreatePen(int style, int width, COLORREF colour)
{
    return Remember(g_pfnCreatePen(style, width, colour));
}
HBRUSH WINAPI CountedCreateSolidBrush(COLORREF colour) { return Remember(g_pfnCreateSolidBrush(colour)); }
HRGN WINAPI CountedCreateRectRgn(int l, int t, int r, int b) { return Remember(g_pfnCreateRectRgn(l, t, r, b)); }
BOOL WINAPI CountedDeleteObject(HGDIOBJ h)
{
    const BOOL bDeleted = g_pfnDeleteObject(h);
    if (bDeleted)
        Objects().erase(h);
    return bDeleted;
}
BOOL WINAPI CountedDeleteDC(HDC hdc)
{
    const BOOL bDeleted = g_pfnDeleteDC(hdc);
    if (bDeleted)
        Objects().erase(hdc);
    return bDeleted;
}
HDC WINAPI CountedGetDC(HWND hwnd) { return Remember(g_pfnGetDC(hwnd)); }
HDC WINAPI CountedGetWindowDC(HWND hwnd) { return Remember(g_pfnGetWindowDC(hwnd)); }
int WINAPI CountedReleaseDC(HWND hwnd, HDC hdc)
{
    const int nReleased = g_pfnReleaseDC(hwnd, hdc);
    if (nReleased)
        Objects().erase(hdc);
    return nReleased;
}

struct Redirect
{
    const char* pszName;
    void* pWrapper;
    void** ppOriginal;
};

const Redirect g_redirects[] = {
    {"CreateCompatibleDC", reinterpret_cast<void*>(&CountedCreateCompatibleDC), reinterpret_cast<void**>(&g_pfnCreateCompatibleDC)},
    {"CreateCompatibleBitmap", reinterpret_cast<void*>(&CountedCreateCompatibleBitmap), reinterpret_cast<void**>(&g_pfnCreateCompatibleBitmap)},
    {"CreateDIBSection", reinterpret_cast<void*>(&CountedCreateDIBSection), reinterpret_cast<void**>(&g_pfnCreateDIBSection)},
    {"CreateBitmap", reinterpret_cast<void*>(&CountedCreateBitmap), reinterpret_cast<void**>(&g_pfnCreateBitmap)},
    {"CreateFontIndirectW", reinterpret_cast<void*>(&CountedCreateFontIndirectW), reinterpret_cast<void**>(&g_pfnCreateFontIndirectW)},
    {"CreateFontW", reinterpret_cast<void*>(&CountedCreateFontW), reinterpret_cast<void**>(&g_pfnCreateFontW)},
    {"LoadBitmapW", reinterpret_cast<void*>(&CountedLoadBitmapW), reinterpret_cast<void**>(&g_pfnLoadBitmapW)},
    {"LoadMenuW", reinterpret_cast<void*>(&CountedLoadMenuW), reinterpret_cast<void**>(&g_pfnLoadMenuW)},
    {"DestroyMenu", reinterpret_cast<void*>(&CountedDestroyMenu), reinterpret_cast<void**>(&g_pfnDestroyMenu)},
    {"CreatePen", reinterpret_cast<void*>(&CountedCreatePen), reinterpret_cast<void**>(&g_pfnCreatePen)},
    {"CreateSolidBrush", reinterpret_cast<void*>(&CountedCreateSolidBrush), reinterpret_cast<void**>(&g_pfnCreateSolidBrush)},
    {"CreateRectRgn", reinterpret_cast<void*>(&CountedCreateRectRgn), reinterpret_cast<void**>(&g_pfnCreateRectRgn)},
    {"DeleteObject", reinterpret_cast<void*>(&CountedDeleteObject), reinterpret_cast<void**>(&g_pfnDeleteObject)},
    {"DeleteDC", reinterpret_cast<void*>(&CountedDeleteDC), reinterpret_cast<void**>(&g_pfnDeleteDC)},
    {"GetDC", reinterpret_cast<void*>(&CountedGetDC), reinterpret_cast<void**>(&g_pfnGetDC)},
    {"GetWindowDC", reinterpret_cast<void*>(&CountedGetWindowDC), reinterpret_cast<void**>(&g_pfnGetWindowDC)},
    {"ReleaseDC", reinterpret_cast<void*>(&CountedReleaseDC), reinterpret_cast<void**>(&g_pfnReleaseDC)},
};

bool PatchImports()
{
    auto* pBase = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase);
    const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0)
        return false;
    int nPatched = 0;
    for (auto* pImport = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(pBase + directory.VirtualAddress);
         pImport->Name != 0; ++pImport)
    {
        const char* pszDll = reinterpret_cast<const char*>(pBase + pImport->Name);
        if (_stricmp(pszDll, "gdi32.dll") != 0 && _stricmp(pszDll, "user32.dll") != 0)
            continue;
        auto* pNames = reinterpret_cast<const IMAGE_THUNK_DATA*>(pBase + pImport->OriginalFirstThunk);
        auto* pAddresses = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->FirstThunk);
        for (; pNames->u1.AddressOfData != 0; ++pNames, ++pAddresses)
        {
            if (IMAGE_SNAP_BY_ORDINAL(pNames->u1.Ordinal))
                continue;
            const auto* pByName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(pBase + pNames->u1.AddressOfData);
            for (const Redirect& redirect : g_redirects)
            {
                if (std::strcmp(reinterpret_cast<const char*>(pByName->Name), redirect.pszName) != 0)
                    continue;
                *redirect.ppOriginal = reinterpret_cast<void*>(pAddresses->u1.Function);
                DWORD dwOld = 0;
                if (!VirtualProtect(&pAddresses->u1.Function, sizeof(void*), PAGE_READWRITE, &dwOld))
                    return false;
                pAddresses->u1.Function = reinterpret_cast<ULONG_PTR>(redirect.pWrapper);
                VirtualProtect(&pAddresses->u1.Function, sizeof(void*), dwOld, &dwOld);
                ++nPatched;
            }
        }
    }
    return nPatched > 0;
}

}  // namespace

bool CGdiCounter::Install()
{
    static const bool s_bInstalled = PatchImports();
    return s_bInstalled;
}

long CGdiCounter::Live()
{
    return static_cast<long>(Objects().size());
}

std::vector<void*> CGdiCounter::LiveObjects()
{
    return std::vector<void*>(Objects().begin(), Objects().end());
}

std::string CGdiCounter::Describe(void* hObject)
{
    const auto hGdi = static_cast<HGDIOBJ>(hObject);
    switch (GetObjectType(hGdi))
    {
    case OBJ_BITMAP:
    {
        BITMAP bm{};
        GetObjectW(hGdi, sizeof bm, &bm);
        return "bitmap " + std::to_string(bm.bmWidth) + "x" + std::to_string(bm.bmHeight);
    }
    case OBJ_FONT:
    {
        LOGFONTW lf{};
        GetObjectW(hGdi, sizeof lf, &lf);
        const std::wstring face = lf.lfFaceName;
        return "font " + std::to_string(lf.lfHeight) + " escapement " + std::to_string(lf.lfEscapement) + " " +
               std::string(face.begin(), face.end());
    }
    case OBJ_PEN:
        return "pen";
    case OBJ_BRUSH:
        return "brush";
    case OBJ_REGION:
        return "region";
    case OBJ_DC:
        return "window DC";
    case OBJ_MEMDC:
        return "memory DC";
    default:
        return "object of kind " + std::to_string(GetObjectType(hGdi));
    }
}

long CGdiCounter::LiveMenus()
{
    return static_cast<long>(Menus().size());
}
