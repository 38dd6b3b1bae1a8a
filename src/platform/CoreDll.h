#pragma once
#include <windows.h>

// CE's core system module, "coredll.dll", exports the low-level hook
// functions that the system looks up by name. On desktop Win32 the same
// functions live in user32.dll, and GetProcAddress takes a narrow name.

constexpr wchar_t kCoreDllName[] = L"coredll.dll";

// Loads the module that carries CE's core exports under the name CE gives it:
// "coredll.dll" is mapped to the desktop module that exports the same
// functions; any other name is loaded as it is. Free it with FreeLibrary.
HMODULE LoadCoreLibrary(LPCWSTR pszName);

// GetProcAddress with a wide function name, as CE has it; null when the name
// is not ASCII or not exported.
FARPROC GetProcAddressW(HMODULE hModule, LPCWSTR pszProcName);
