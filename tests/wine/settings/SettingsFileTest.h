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

// Options.dat as the settings store writes it: the hand, the name's length in
// units, then the name in UTF-16LE without a terminator.
Bytes OptionsFileBytes(DWORD dwHabit, const std::wstring& skin);

// Options.dat as a test found it, put back on destruction (removed when there was none).
class COptionsFileKeeper
{
public:
    COptionsFileKeeper();
    ~COptionsFileKeeper();
    COptionsFileKeeper(const COptionsFileKeeper&) = delete;
    COptionsFileKeeper& operator=(const COptionsFileKeeper&) = delete;

private:
    Bytes m_saved;
};

// The settings of a freshly loaded module, and the file removed; restored on destruction.
class CFreshSettings
{
public:
    CFreshSettings();
    ~CFreshSettings();
};
