#pragma once
#include <windows.h>

#include "device/harness/FileBytes.h"
#include "words/WordSettings.h"

#include <string>

using Bytes = FileBytes;

// Options.dat next to the module under test (the test program here).
std::wstring OptionsPath();

// Removes a file or an empty folder of that name, read-only or not.
void RemovePath(const std::wstring& path);

// The fields after the name as the settings store writes them: the accents (4 bytes)
// and the word settings (a byte each).
Bytes StoredTail(bool bAccents = true, const WordSettings& words = WordSettings());

// "suggest 1, after 2, words 3, space 1, learn 1, list 0": word settings to compare.
std::string WordSettingsText(const WordSettings& words);

// Options.dat as the settings store writes it: the hand, the name's length in
// units, then the name in UTF-16LE without a terminator; then the tail (by
// default the fields after the name at their defaults).
Bytes OptionsFileBytes(DWORD dwHabit, const std::wstring& skin, const Bytes& tail = StoredTail());

// Writes Options.dat with a last-write time after the one the settings recorded,
// as a later save by the options dialog leaves it, however coarse the file clock.
bool WriteNewerOptions(DWORD dwHabit, const std::wstring& skin);

// Moves a file's last-write time by a number of seconds.
bool ShiftWriteTime(const std::wstring& path, LONGLONG nSeconds);

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
