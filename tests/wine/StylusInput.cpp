#include "StylusInput.h"

namespace {

// Absolute mouse coordinates run from 0 to 65535 over the screen's first to
// last pixel; rounding up lands on the pixel under either rounding back.
LONG Normalise(LONG n, int nExtent)
{
    if (nExtent <= 1)
        return 0;
    return static_cast<LONG>((static_cast<LONGLONG>(n) * 65535 + nExtent - 2) / (nExtent - 1));
}

bool SendButton(DWORD dwFlags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = dwFlags;
    return SendInput(1, &input, sizeof(input)) == 1;
}

}  // namespace

bool StylusMoveTo(POINT ptScreen)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalise(ptScreen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalise(ptScreen.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    if (SendInput(1, &input, sizeof(input)) != 1)
        return false;
    for (int nWaited = 0; nWaited <= 3000; nWaited += 5)
    {
        POINT now{};
        if (GetCursorPos(&now) && now.x == ptScreen.x && now.y == ptScreen.y)
            return true;
        Sleep(5);
    }
    return false;
}

bool StylusDown()
{
    return SendButton(MOUSEEVENTF_LEFTDOWN);
}

bool StylusUp()
{
    return SendButton(MOUSEEVENTF_LEFTUP);
}
