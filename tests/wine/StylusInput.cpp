#include "StylusInput.h"

#include "device/harness/InputInjector.h"

namespace {

bool SendButton(DWORD dwFlags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = dwFlags;
    return SendInput(1, &input, sizeof(input)) == 1;
}

}  // namespace

bool StylusMoveTo(POINT ptScreen, HWND hwndReceiver)
{
    const bool bOtherThread =
        hwndReceiver != nullptr && GetWindowThreadProcessId(hwndReceiver, nullptr) != GetCurrentThreadId();
    for (int nTry = 0; nTry < 3; ++nTry)
    {
        if (!InputInjector::MoveTo(ptScreen.x, ptScreen.y))
            return false;
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
        POINT now{};
        if (GetCursorPos(&now) && now.x == ptScreen.x && now.y == ptScreen.y)
            return true;
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
