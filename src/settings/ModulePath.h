#pragma once
#include <windows.h>

// Writes the folder of hModule's file followed by pszSuffix (which begins
// with a backslash, such as L"\\Options.dat") into pszOut, a buffer of
// MAX_PATH (260) units. Returns FALSE and an empty pszOut when the module's
// name cannot be had or the path would not fit: never a cut path.
BOOL BuildModulePath(HMODULE hModule, LPCWSTR pszSuffix, LPWSTR pszOut);
