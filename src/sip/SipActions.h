#pragma once
#include <windows.h>

// Set when a skin load has failed; while set, every keyboard action begins
// with the failure message. Cleared once a load succeeds or the options
// dialog has run.
extern BOOL g_bSkinLoadFailed;

// The two messages the user can get, captioned "Brevanto Keyboard" with the stop icon.
constexpr wchar_t kMessageCaption[] = L"Brevanto Keyboard";
constexpr wchar_t kLoadSkinFailedMessage[] =
    L"Load skin failed! Please choose a different skin or reinstall Brevanto Keyboard.";

// The pause between delivered lines, after each Enter.
constexpr DWORD kLinePauseMs = 50;
