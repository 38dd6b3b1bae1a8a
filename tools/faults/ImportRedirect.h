#pragma once
#include <windows.h>

#include <cstddef>

// One function of a module's import table sent elsewhere: calls through the table go
// to pWrapper, and *ppReal receives the function the table held, for the wrapper to
// call (calling it by name would come back to the wrapper).
struct ImportRedirect
{
    const char* pszName;
    void* pWrapper;
    void** ppReal;
};

// Redirects every import by name of hModule that one of the n redirects names. The
// number of imports redirected; 0 when one could not be.
int RedirectImports(HMODULE hModule, const ImportRedirect* pRedirects, std::size_t nRedirects);
