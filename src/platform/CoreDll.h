#pragma once
#include <windows.h>

// CE's core system module, "coredll.dll", exports the low-level hook
// functions that the system looks up by name. On desktop Win32 the same
// functions live in user32.dll, GetProcAddress takes a narrow name, and the
// low-level keyboard hook has another number (13 there, 20 on CE).

constexpr wchar_t kCoreDllName[] = L"coredll.dll";

// CE's number of the low-level keyboard hook.
constexpr int kCeKeyboardLowLevelHook = 20;

namespace ce {

// LoadLibraryW as the device answers it: "coredll.dll" is mapped to the desktop
// module that exports the same functions; any other name is loaded as it is.
// Free it with FreeLibrary.
HMODULE LoadLibraryW(LPCWSTR pszName);

}  // namespace ce

// GetProcAddress with a wide function name, as CE has it; null when the name
// is not ASCII or not exported. From the core module, "SetWindowsHookExW"
// answers with CE's hook numbers.
FARPROC GetProcAddressW(HMODULE hModule, LPCWSTR pszProcName);
