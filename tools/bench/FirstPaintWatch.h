#pragma once
#include <windows.h>

// Watches the messages this thread takes from its queue for the end of the
// first complete paint of one window. A paint ends when the loop that
// dispatched its WM_PAINT comes back for the next message (a WM_NULL posted
// to make sure there is one) and the window has nothing left to paint.
// One watch at a time per process; it unhooks on destruction.
class CFirstPaintWatch
{
public:
    // Which window to watch, asked at every message: it may not exist yet.
    using WindowFinder = HWND (*)();
    // What to do once it has painted, such as ending the dialog.
    using PaintedAction = void (*)(HWND hwnd);

    CFirstPaintWatch(WindowFinder pfnFind, PaintedAction pfnPainted);
    ~CFirstPaintWatch();
    CFirstPaintWatch(const CFirstPaintWatch&) = delete;
    CFirstPaintWatch& operator=(const CFirstPaintWatch&) = delete;

    bool IsWatching() const { return m_hHook != nullptr; }
    // NowMs at the end of the first complete paint; 0 until then.
    double PaintedAt() const { return m_dPaintedAt; }

private:
    static LRESULT CALLBACK OnGetMessage(int nCode, WPARAM wParam, LPARAM lParam);
    void OnMessageTaken(const MSG& msg);

    WindowFinder m_pfnFind;
    PaintedAction m_pfnPainted;
    HHOOK m_hHook = nullptr;
    bool m_bPaintTaken = false;
    double m_dPaintedAt = 0;
};
