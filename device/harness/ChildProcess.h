#pragma once
#include <windows.h>

#include <string>

// Runs a command line (the program first, quoted when its path holds spaces) in
// sFolder (the current folder when empty) to its end. Returns the exit code, or
// -1 when it could not be started or did not end within a minute (it is ended
// then). The process identifier goes to *pdwProcessId when asked for.
int RunProgram(std::wstring sCommandLine, const std::wstring& sFolder = {}, DWORD* pdwProcessId = nullptr);
