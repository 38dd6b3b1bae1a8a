#pragma once
#include <windows.h>
#include <oaidl.h>

// Loads the CORVELLLib type library embedded in the module as TYPELIB 1; when
// the module file carries none, a file of the same path ending in ".tlb".
// pszLoadedFrom (MAX_PATH units, may be null) receives the path that worked.
HRESULT LoadModuleTypeLib(HINSTANCE hModule, ITypeLib** ppTypeLib, LPWSTR pszLoadedFrom);

// The type information of IZarn from that library.
HRESULT LoadZarnTypeInfo(HINSTANCE hModule, ITypeInfo** ppTypeInfo);
