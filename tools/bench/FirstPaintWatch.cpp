#include "FirstPaintWatch.h"

#include "BenchTimer.h"

namespace {

CFirstPaintWatch* g_pActiveWatch = nullptr;

}  // namespace

CFirstPaintWatch::CFirstPaintWatch(WindowFinder pfnFind, PaintedAction pfnPainted)
    : m_pfnFind(pfnFind), m_pfnPainted(pfnPainted)
{
    if (g_pActiveWatch != nullptr)
        return;
    m_hHook = SetWindowsHookExW(WH_GETMESSAGE, OnGetMessage, nullptr, GetCurrentThreadId());
    if (m_hHook != nullptr)
        g_pActiveWatch = this;
}

CFirstPaintWatch::~CFirstPaintWatch()
{
    if (m_hHook == nullptr)
        return;
    UnhookWindowsHookEx(m_hHook);
    g_pActiveWatch = nullptr;
}

LRESULT CALLBACK CFirstPaintWatch::OnGetMessage(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg != nullptr && g_pActiveWatch != nullptr)
        g_pActiveWatch->OnMessageTaken(*pMsg);
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CFirstPaintWatch::OnMessageTaken(const MSG& msg)
{
    if (m_dPaintedAt != 0)
        return;
    const HWND hwnd = m_pfnFind();
    if (hwnd == nullptr)
        return;
    if (m_bPaintTaken)
    {
        // The loop is back: the paint taken last time has been dispatched.
        m_bPaintTaken = false;
        if (!GetUpdateRect(hwnd, nullptr, FALSE))
        {
            m_dPaintedAt = NowMs();
            m_pfnPainted(hwnd);
            return;
        }
    }
    if (msg.message == WM_PAINT && msg.hwnd == hwnd)
    {
        m_bPaintTaken = true;
        PostMessageW(hwnd, WM_NULL, 0, 0);
    }
}
