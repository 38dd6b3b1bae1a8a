#include "sip/BarStylus.h"

#include "StylusInput.h"
#include "device/DeviceWindows.h"
#include "sip/SipPanel.h"

CBarStylus::CBarStylus(HWND hwndBar, const SipPanel& panel) : m_hwndBar(hwndBar), m_panel(panel) {}

bool CBarStylus::PumpUntil(const std::function<bool()>& done, int nTimeoutMs)
{
    const DWORD dwStart = GetTickCount();
    for (;;)
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done())
            return true;
        if (GetTickCount() - dwStart > static_cast<DWORD>(nTimeoutMs))
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

bool CBarStylus::MoveOnto(int nAction) const
{
    const POINT pt = BarButtonOnScreen(m_hwndBar, nAction);
    return WindowFromPoint(pt) == m_hwndBar && StylusMoveTo(pt);
}

bool CBarStylus::Press(int nAction)
{
    // A pointer that merely passes over the bar presses its buttons too, so
    // the press is known by the capture that only the stylus going down takes.
    return MoveOnto(nAction) && StylusDown() &&
           PumpUntil([&] { return GetCapture() == m_hwndBar && m_panel.m_nPressed == nAction; });
}

bool CBarStylus::SlideTo(int nAction)
{
    return MoveOnto(nAction) && PumpUntil([&] { return m_panel.m_nPressed == nAction; });
}

bool CBarStylus::Lift()
{
    // The bar lets the capture go first thing on the lift and carries out
    // the action in the same message, so a capture gone means the action is done.
    return StylusUp() && PumpUntil([&] { return GetCapture() != m_hwndBar; }, 60000);
}

bool CBarStylus::Tap(int nAction)
{
    return Press(nAction) && Lift();
}
