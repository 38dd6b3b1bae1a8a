#include "sip/KeyboardTapWatch.h"

#include "sip/KeyboardHook.h"
#include "sip/SipActions.h"

#include <atomic>

namespace
{

constexpr int kKeyboardEditId = 201;

} // namespace

KeyboardTapSeen AttendKeyboardTap(const std::function<void()>& tap, const std::wstring& typed)
{
    KeyboardTapSeen seen;
    std::atomic<bool> bOpened{false};
    std::atomic<bool> bHookWhileOpen{false};
    std::vector<SeenDialog> dialogs;
    {
        CDialogWatcher watcher([&](const SeenDialog& dialog) {
            if (dialog.title == kMessageCaption)
            {
                DismissMessageBox(dialog);
                return;
            }
            HWND hEdit = GetDlgItem(dialog.hwnd, kKeyboardEditId);
            if (hEdit == nullptr)
                return;
            bOpened = true;
            bHookWhileOpen = GetKeyboardHook() != nullptr;
            SetWindowTextW(hEdit, typed.c_str());
            PostMessageW(dialog.hwnd, WM_COMMAND, IDOK, 0);
        });
        tap();
        dialogs = watcher.Seen();
    }
    for (const SeenDialog& dialog : dialogs)
    {
        if (dialog.title == kMessageCaption)
            seen.messages.push_back(dialog);
    }
    seen.bOpened = bOpened;
    seen.bHookWhileOpen = bHookWhileOpen;
    return seen;
}
