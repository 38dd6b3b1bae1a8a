#pragma once
#include <windows.h>

#include <string>

// The folder of the test program, where the host programs are built beside it.
std::wstring TestProgramFolder();

// Runs a host program of that folder (or one given by its full path) to its end;
// returns its exit code, or -1 when it could not be started or did not end
// within a minute. The process identifier goes to *pdwProcessId when asked for.
int RunHost(const std::wstring& program, const std::wstring& arguments, DWORD* pdwProcessId = nullptr);
