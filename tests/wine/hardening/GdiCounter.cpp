#include "GdiCounter.h"

#include "faults/ImportRedirect.h"

#include <iterator>
#include <unordered_set>

namespace {

using Handles = std::unordered_set<void*>;
Handles g_objects;  // GDI objects and window DCs
Handles g_menus;

// The real function of each redirect, taken from the import table before it is patched:
// calling it by name from here would come back to the wrapper.
template <int N>
void* g_pfnReal = nullptr;

// A wrapper: calls the real function, then remembers the handle it made or, when it gives
// back the handle in its last argument, forgets that handle once given back.
template <Handles& handles, bool bGivesBack, int N, typename R, typename... A>
R WINAPI Counted(A... a)
{
    const R result = reinterpret_cast<R(WINAPI*)(A...)>(g_pfnReal<N>)(a...);
    if constexpr (bGivesBack)
    {
        void* h = nullptr;
        ((h = reinterpret_cast<void*>(a)), ...);
        if (result)
            handles.erase(h);
    }
    else if (result != nullptr)
        handles.insert(reinterpret_cast<void*>(result));
    return result;
}

template <int N, Handles& handles, bool bGivesBack = false, typename R, typename... A>
ImportRedirect Count(const char* pszName, R(WINAPI*)(A...))
{
    return {pszName, reinterpret_cast<void*>(&Counted<handles, bGivesBack, N, R, A...>), &g_pfnReal<N>};
}

// A bitmap loaded from the resources is a GDI object of the caller's, deleted with DeleteObject.
const ImportRedirect g_redirects[] = {
    Count<0, g_objects>("CreateCompatibleDC", &CreateCompatibleDC),
    Count<1, g_objects>("CreateCompatibleBitmap", &CreateCompatibleBitmap),
    Count<2, g_objects>("CreateDIBSection", &CreateDIBSection),
    Count<3, g_objects>("CreateBitmap", &CreateBitmap),
    Count<4, g_objects>("CreateFontIndirectW", &CreateFontIndirectW),
    Count<5, g_objects>("CreateFontW", &CreateFontW),
    Count<6, g_objects>("LoadBitmapW", &LoadBitmapW),
    Count<7, g_objects>("CreatePen", &CreatePen),
    Count<8, g_objects>("CreateSolidBrush", &CreateSolidBrush),
    Count<9, g_objects>("CreateRectRgn", &CreateRectRgn),
    Count<10, g_objects>("GetDC", &GetDC),
    Count<11, g_objects>("GetWindowDC", &GetWindowDC),
    Count<12, g_objects, true>("DeleteObject", &DeleteObject),
    Count<13, g_objects, true>("DeleteDC", &DeleteDC),
    Count<14, g_objects, true>("ReleaseDC", &ReleaseDC),
    Count<15, g_menus>("LoadMenuW", &LoadMenuW),
    Count<16, g_menus, true>("DestroyMenu", &DestroyMenu),
};

}  // namespace

bool CGdiCounter::Install()
{
    static const bool s_bInstalled =
        RedirectImports(GetModuleHandleW(nullptr), g_redirects, std::size(g_redirects)) > 0;
    return s_bInstalled;
}

long CGdiCounter::Live()
{
    return static_cast<long>(g_objects.size());
}

long CGdiCounter::LiveMenus()
{
    return static_cast<long>(g_menus.size());
}

std::vector<void*> CGdiCounter::LiveObjects()
{
    return std::vector<void*>(g_objects.begin(), g_objects.end());
}
