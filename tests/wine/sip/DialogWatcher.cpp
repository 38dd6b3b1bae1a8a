#include "sip/DialogWatcher.h"

namespace
{

constexpr int kMessageBoxTextId = 0xFFFF;

std::wstring WindowText(HWND hwnd)
{
    if (hwnd == nullptr)
        return std::wstring();
    const int cch = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(cch) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), cch + 1);
    text.resize(static_cast<size_t>(cch));
    return text;
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

BOOL CALLBACK CDialogWatcher::OnWindow(HWND hwnd, LPARAM lParam)
{
    auto* pFound = reinterpret_cast<std::vector<HWND>*>(lParam);
    DWORD dwProcess = 0;
    GetWindowThreadProcessId(hwnd, &dwProcess);
    if (dwProcess != GetCurrentProcessId() || !IsWindowVisible(hwnd))
        return TRUE;
    WCHAR szClass[16] = {};
    GetClassNameW(hwnd, szClass, 16);
    if (lstrcmpW(szClass, L"#32770") == 0)
        pFound->push_back(hwnd);
    return TRUE;
}

void CDialogWatcher::Run()
{
    for (;;)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_bStop)
                return;
        }
        std::vector<HWND> found;
        EnumWindows(OnWindow, reinterpret_cast<LPARAM>(&found));
        for (HWND hwnd : found)
        {
            SeenDialog dialog = {};
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (!m_handled.insert(hwnd).second)
                    continue;
            }
            dialog.hwnd = hwnd;
            dialog.hwndOwner = GetWindow(hwnd, GW_OWNER);
            dialog.title = WindowText(hwnd);
            dialog.text = WindowText(GetDlgItem(hwnd, kMessageBoxTextId));
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_seen.push_back(dialog);
            }
            if (m_handler)
                m_handler(dialog);
        }
        Sleep(20);
    }
}

void DismissMessageBox(const SeenDialog& dialog)
{
    PostMessageW(dialog.hwnd, WM_COMMAND, IDOK, 0);
}
