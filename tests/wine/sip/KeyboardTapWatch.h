#pragma once
#include <windows.h>

#include "keyboard/KeyboardDriver.h"
#include "sip/DialogWatcher.h"

#include <functional>
#include <string>
#include <vector>

// What a tap on the bar's keyboard button brought up.
struct KeyboardTapSeen
{
    std::vector<SeenDialog> messages;  // message boxes captioned "Brevanto Keyboard", in order
    bool bOpened = false;              // the keyboard dialog came up
    bool bHookWhileOpen = false;       // the arrow-key hook was installed while it was open
};

// Runs tap on this thread (a tap on the bar's keyboard button, which runs the keyboard
// modally when it opens) while a watcher thread dismisses message boxes and, when the
// keyboard comes up, driver works it (CKeyboardDriver::Attend), which then ends it with
// OK; or puts typed into its edit control before the OK.
KeyboardTapSeen AttendKeyboardTap(const std::function<void()>& tap, const std::function<void(CKeyboardDriver&)>& driver);
KeyboardTapSeen AttendKeyboardTap(const std::function<void()>& tap, const std::wstring& typed);
