#include "GdiCounter.h"

#include <cstring>
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

struct Redirect
{
    const char* pszName;
    void* pWrapper;
    void** ppReal;
};

template <int N, Handles& handles, bool bGivesBack = false, typename R, typename... A>
Redirect Count(const char* pszName, R(WINAPI*)(A...))
{
    return {pszName, reinterpret_cast<void*>(&Counted<handles, bGivesBack, N, R, A...>), &g_pfnReal<N>};
}

// A bitmap loaded from the resources is a GDI object of the caller's, deleted with DeleteObject.
const Redirect g_redirects[] = {
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

bool Patch(IMAGE_THUNK_DATA* pAddress, const Redirect& redirect)
{
    *redirect.ppReal = reinterpret_cast<void*>(pAddress->u1.Function);
    DWORD dwOld = 0;
    if (!VirtualProtect(&pAddress->u1.Function, sizeof(void*), PAGE_READWRITE, &dwOld))
        return false;
    pAddress->u1.Function = reinterpret_cast<ULONG_PTR>(redirect.pWrapper);
    VirtualProtect(&pAddress->u1.Function, sizeof(void*), dwOld, &dwOld);
    return true;
}

// The number of imports redirected; 0 when one could not be.
int PatchImports()
{
    auto* pBase = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        pBase + reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    int nPatched = 0;
    for (auto* pImport = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(pBase + directory.VirtualAddress);
         directory.VirtualAddress != 0 && pImport->Name != 0; ++pImport)
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
                if (!Patch(pAddresses, redirect))
                    return 0;
                ++nPatched;
            }
        }
    }
    return nPatched;
}

}  // namespace

bool CGdiCounter::Install()
{
    static const bool s_bInstalled = PatchImports() > 0;
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
