#pragma once
#include <windows.h>

#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

// What a watcher saw of one dialog window.
struct SeenDialog
{
    HWND hwnd;
    HWND hwndOwner;
    std::wstring title;
    std::wstring text;  // a message box's message (its static 0xFFFF), else empty
};

// Watches, from a thread of its own, for dialog windows (class "#32770") of
// this process while a test runs a modal loop, records each one once and hands
// it to a handler on the watcher thread. Messages sent from there reach the
// dialog through its modal loop.
class CDialogWatcher
{
public:
    using Handler = std::function<void(const SeenDialog&)>;

    explicit CDialogWatcher(Handler handler);
    ~CDialogWatcher();
    CDialogWatcher(const CDialogWatcher&) = delete;
    CDialogWatcher& operator=(const CDialogWatcher&) = delete;

    std::vector<SeenDialog> Seen() const;

private:
    void Run();

    Handler m_handler;
    mutable std::mutex m_mutex;
    std::vector<SeenDialog> m_seen;
    std::set<HWND> m_handled;
    bool m_bStop = false;
    std::thread m_thread;
};

// Closes a message box as its OK button would.
void DismissMessageBox(const SeenDialog& dialog);
