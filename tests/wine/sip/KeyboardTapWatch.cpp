#include "sip/KeyboardTapWatch.h"

#include "sip/KeyboardHook.h"
#include "sip/SipActions.h"

KeyboardTapSeen AttendKeyboardTap(const std::function<void()>& tap, const std::function<void(CKeyboardDriver&)>& driver)
{
    KeyboardTapSeen seen;
    std::vector<SeenDialog> dialogs;
    {
        CDialogWatcher watcher([](const SeenDialog& dialog) {
            if (dialog.title == kMessageCaption)
                DismissMessageBox(dialog);
        });
        seen.bOpened = CKeyboardDriver::Attend(tap, [&](CKeyboardDriver& keyboard) {
            seen.bHookWhileOpen = GetKeyboardHook() != nullptr;
            driver(keyboard);
        });
        dialogs = watcher.Seen();
    }
    for (const SeenDialog& dialog : dialogs)
    {
        if (dialog.title == kMessageCaption)
            seen.messages.push_back(dialog);
    }
    return seen;
}

KeyboardTapSeen AttendKeyboardTap(const std::function<void()>& tap, const std::wstring& typed)
{
    return AttendKeyboardTap(tap, [&](CKeyboardDriver& keyboard) { keyboard.SetText(typed.c_str()); });
}
