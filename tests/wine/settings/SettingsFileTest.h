#pragma once
#include <windows.h>

#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Options.dat next to the module under test (the test program here).
std::wstring OptionsPath();

// The whole content of a file; empty when it cannot be read.
Bytes ReadWholeFile(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, const Bytes& bytes);

// Removes a file or an empty folder of that name, read-only or not.
void RemovePath(const std::wstring& path);

Bytes LeDword(DWORD v);
Bytes Utf16Le(const std::wstring& s);
Bytes Join(std::initializer_list<Bytes> parts);

// The settings of a freshly loaded module, and the file removed; restored on destruction.
class CFreshSettings
{
public:
    CFreshSettings();
    ~CFreshSettings();
};
