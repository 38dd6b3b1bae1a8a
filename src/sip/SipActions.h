#pragma once
#include <windows.h>

#include "support/MessageCaption.h"

// Set when a skin load has failed; while set, every keyboard action begins
// with the failure message. Cleared once a load succeeds or the options
// dialog has run.
extern BOOL g_bSkinLoadFailed;

// The message of a skin that cannot be loaded (with the stop icon).
constexpr wchar_t kLoadSkinFailedMessage[] =
    L"Load skin failed! Please choose a different skin or reinstall Brevanto Keyboard.";

// The pause between delivered lines, after each Enter.
constexpr DWORD kLinePauseMs = 50;
