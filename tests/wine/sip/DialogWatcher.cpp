#include "sip/DialogWatcher.h"

#include "device/DeviceWindows.h"

CDialogWatcher::CDialogWatcher(Handler handler)
    : m_handler(std::move(handler)), m_dwThread(GetCurrentThreadId()), m_thread([this] { Run(); })
{
}

CDialogWatcher::~CDialogWatcher()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_thread.join();
}

std::vector<SeenDialog> CDialogWatcher::Seen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_seen;
}

void CDialogWatcher::Run()
{
    for (;;)
    {
        for (HWND hwnd : FindDialogs(m_dwThread))
        {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (m_bStop || !m_handled.insert(hwnd).second)
                    continue;
            }
            WCHAR szTitle[256] = {};
            GetWindowTextW(hwnd, szTitle, 256);
            const SeenDialog dialog{hwnd, GetWindow(hwnd, GW_OWNER), szTitle, MessageText(hwnd)};
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_seen.push_back(dialog);
            }
            if (m_handler)
                m_handler(dialog);
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_bStop)
                return;
        }
        Sleep(20);
    }
}

void DismissMessageBox(const SeenDialog& dialog)
{
    PostMessageW(dialog.hwnd, WM_COMMAND, IDOK, 0);
}
