#include "StylusInput.h"

namespace {

// Absolute mouse coordinates run from 0 to 65535 over the screen's first to
// last pixel; rounding up lands on the pixel under either rounding back.
LONG Normalise(LONG n, int nExtent)
{
    return nExtent <= 1 ? 0 : static_cast<LONG>((static_cast<LONGLONG>(n) * 65535 + nExtent - 2) / (nExtent - 1));
}

bool Send(LONG dx, LONG dy, DWORD dwFlags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = dwFlags;
    return SendInput(1, &input, sizeof(input)) == 1;
}

bool IsCursorAt(POINT pt)
{
    POINT now{};
    return GetCursorPos(&now) && now.x == pt.x && now.y == pt.y;
}

}  // namespace

bool StylusMoveTo(POINT ptScreen, HWND hwndReceiver)
{
    const bool bOtherThread =
        hwndReceiver != nullptr && GetWindowThreadProcessId(hwndReceiver, nullptr) != GetCurrentThreadId();
    const LONG dx = Normalise(ptScreen.x, GetSystemMetrics(SM_CXSCREEN));
    const LONG dy = Normalise(ptScreen.y, GetSystemMetrics(SM_CYSCREEN));
    // Sent again every 100 ms for up to 3 s, in case an echo undid it.
    for (int nTry = 0; nTry < 30; ++nTry)
    {
        if (!Send(dx, dy, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE))
            return false;
        for (int nWaited = 0; nWaited < 100 && !IsCursorAt(ptScreen); nWaited += 5)
            Sleep(5);
        if (!IsCursorAt(ptScreen))
            continue;
        // The host screen's own pointer follows the input only when some thread
        // gets round to it; a window that appears or takes the capture meanwhile
        // hears of the pointer where the host still has it, and moves the cursor
        // back there. Setting the position here brings the host's pointer along now.
        SetCursorPos(ptScreen.x, ptScreen.y);
        if (!bOtherThread)
            return true;
        for (int nSync = 0; nSync < 2; ++nSync)
        {
            Sleep(5);
            DWORD_PTR dwResult = 0;
            SendMessageTimeoutW(hwndReceiver, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &dwResult);
        }
        if (IsCursorAt(ptScreen))
            return true;
    }
    return false;
}

bool StylusDown()
{
    return Send(0, 0, MOUSEEVENTF_LEFTDOWN);
}

bool StylusUp()
{
    return Send(0, 0, MOUSEEVENTF_LEFTUP);
}
