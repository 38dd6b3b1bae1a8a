#pragma once
#include <windows.h>

#include <functional>

class SipPanel;

// Real stylus input on the SIP bar window, from the thread that owns the bar, on
// a button where the device's user sees it: each event goes through the
// platform's input path (SendInput), and this thread's messages are pumped until
// the bar has handled it. A lift on the keyboard or options button returns after
// the dialog it runs has ended.
class CBarStylus
{
public:
    CBarStylus(HWND hwndBar, const SipPanel& panel);

    // False when the event was not handled within the timeout, or when the
    // point is not on the bar (another window covers it).
    bool Press(int nAction);
    bool SlideTo(int nAction);
    bool Lift();
    bool Tap(int nAction);

    // Dispatches this thread's messages until done() is true; false after nTimeoutMs.
    static bool PumpUntil(const std::function<bool()>& done, int nTimeoutMs = 5000);

private:
    bool MoveOnto(int nAction) const;

    HWND m_hwndBar;
    const SipPanel& m_panel;
};
