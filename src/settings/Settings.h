#pragma once
#include <windows.h>

#include "words/WordSettings.h"

// The user's settings, kept in memory for every reader and stored in
// Options.dat next to the module. Only the thread that owns the SIP window
// touches them; nothing is locked.

// Handedness: non-zero = left-handed (writers store 1), 0 = right-handed. Starts at 1.
extern DWORD g_dwHabit;
// File name of the selected skin's index file, such as "Silver.xml"; starts empty.
extern WCHAR g_szSkinFile[MAX_PATH];

// Whether a long press on a letter opens its accented forms. Starts on; a
// settings file without the field says on too.
extern BOOL g_bAccentsOnLongPress;

// Change tracking: the last-write time of Options.dat seen by the last check
// (0 at start), and the screen orientation recorded after the last skin load
// (0xFFFFFFFF at start, which matches no orientation).
extern FILETIME g_ftOptionsTime;
extern DWORD g_nLoadedOrientation;

constexpr DWORD kNoLoadedOrientation = 0xFFFFFFFF;

// Reads Options.dat; a missing or unreadable file is written afresh from the
// values in memory. Never reports a failure.
void LoadOptions();

// Rewrites Options.dat from the values in memory (an empty skin becomes
// "Silver.xml", in memory too). A file that cannot be written is left alone.
void SaveOptions();

// True when the screen turned since the last skin load, when Options.dat was
// rewritten since the last check (the check records the new time, so it
// reports that once), or when the file cannot be opened.
bool IsOptionsChanged();

bool GetAccentsOnLongPress();
void SetAccentsOnLongPress(bool bOn);

// Word completion's settings; the defaults until Options.dat names others, which
// a settings file without them does not. A value out of its range is stored as
// the nearest one in it.
WordSettings GetWordSettings();
void SetWordSettings(const WordSettings& settings);

DWORD GetHabit();
void SetHabit(DWORD dwHabit);

// Copies the skin file name with its terminator into pszOut (MAX_PATH units).
void GetSkinFile(LPWSTR pszOut);
// Takes at most MAX_PATH - 1 units of psz (null = empty).
void SetSkinFile(LPCWSTR psz);

void SetLoadedOrientation(DWORD nOrientation);
DWORD GetLoadedOrientation();
