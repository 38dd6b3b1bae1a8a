#include "ImportRedirect.h"

#include <cstring>

namespace {

bool Patch(IMAGE_THUNK_DATA* pAddress, const ImportRedirect& redirect)
{
    *redirect.ppReal = reinterpret_cast<void*>(pAddress->u1.Function);
    DWORD dwOld = 0;
    if (!VirtualProtect(&pAddress->u1.Function, sizeof(void*), PAGE_READWRITE, &dwOld))
        return false;
    pAddress->u1.Function = reinterpret_cast<ULONG_PTR>(redirect.pWrapper);
    VirtualProtect(&pAddress->u1.Function, sizeof(void*), dwOld, &dwOld);
    return true;
}

}  // namespace

int RedirectImports(HMODULE hModule, const ImportRedirect* pRedirects, std::size_t nRedirects)
{
    auto* pBase = reinterpret_cast<BYTE*>(hModule);
    const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        pBase + reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    int nPatched = 0;
    for (auto* pImport = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(pBase + directory.VirtualAddress);
         directory.VirtualAddress != 0 && pImport->Name != 0; ++pImport)
    {
        auto* pNames = reinterpret_cast<const IMAGE_THUNK_DATA*>(pBase + pImport->OriginalFirstThunk);
        auto* pAddresses = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->FirstThunk);
        for (; pNames->u1.AddressOfData != 0; ++pNames, ++pAddresses)
        {
            if (IMAGE_SNAP_BY_ORDINAL(pNames->u1.Ordinal))
                continue;
            const auto* pByName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(pBase + pNames->u1.AddressOfData);
            for (std::size_t i = 0; i < nRedirects; ++i)
            {
                if (std::strcmp(reinterpret_cast<const char*>(pByName->Name), pRedirects[i].pszName) != 0)
                    continue;
                if (!Patch(pAddresses, pRedirects[i]))
                    return 0;
                ++nPatched;
            }
        }
    }
    return nPatched;
}
