#include "sip/DialogWatcher.h"

namespace
{

std::wstring WindowText(HWND hwnd)
{
    WCHAR szText[512] = {};
    if (hwnd != nullptr)
        GetWindowTextW(hwnd, szText, 512);
    return szText;
}

// The visible dialog windows of this process.
BOOL CALLBACK CollectDialog(HWND hwnd, LPARAM lParam)
{
    DWORD dwProcess = 0;
    GetWindowThreadProcessId(hwnd, &dwProcess);
    WCHAR szClass[16] = {};
    GetClassNameW(hwnd, szClass, 16);
    if (dwProcess == GetCurrentProcessId() && IsWindowVisible(hwnd) && lstrcmpW(szClass, L"#32770") == 0)
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

} // namespace

CDialogWatcher::CDialogWatcher(Handler handler) : m_handler(std::move(handler)), m_thread([this] { Run(); }) {}

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
        std::vector<HWND> found;
        EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&found));
        for (HWND hwnd : found)
        {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (m_bStop || !m_handled.insert(hwnd).second)
                    continue;
            }
            // A message box's message is its static 0xFFFF.
            const SeenDialog dialog{hwnd, GetWindow(hwnd, GW_OWNER), WindowText(hwnd),
                                    WindowText(GetDlgItem(hwnd, 0xFFFF))};
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
