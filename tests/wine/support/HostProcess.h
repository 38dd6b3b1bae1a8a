#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The folder of the test program, where the host programs are built beside it.
std::wstring TestProgramFolder();

// Runs a host program of that folder to its end; returns its exit code, or -1
// when it could not be started or did not end within a few seconds. The
// process identifier goes to *pdwProcessId when asked for.
int RunHost(const std::wstring& program, const std::wstring& arguments, DWORD* pdwProcessId = nullptr);

// The whole content of a file, shared with writers that still hold it open;
// false when it cannot be opened.
bool ReadSharedFile(const std::wstring& path, std::string& content);

// Runs a host program as its debugger and collects the strings it writes
// with OutputDebugString, in order. False when it could not be run to its end.
bool RunHostCollectingDebugOutput(const std::wstring& program, std::vector<std::string>& output);
