#pragma once
#include <windows.h>

// Set when a skin load has failed; while set, every keyboard action begins
// with the failure message. Cleared once a load succeeds or the options
// dialog has run.
extern BOOL g_bSkinLoadFailed;

// The caption of the messages the user can get (each with the stop icon), and the message of a
// skin that cannot be loaded.
constexpr wchar_t kMessageCaption[] = L"Brevanto Keyboard";
constexpr wchar_t kLoadSkinFailedMessage[] =
    L"Load skin failed! Please choose a different skin or reinstall Brevanto Keyboard.";

// The pause between delivered lines, after each Enter.
constexpr DWORD kLinePauseMs = 50;
