#include "device/harness/InputInjector.h"

#include <cstdlib>

namespace {

void SendMouse(DWORD dwFlags, LONG dx, LONG dy)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = dwFlags;
    SendInput(1, &input, sizeof(INPUT));
}

LONG Normalise(int nPixel, int nExtent)
{
    // Absolute positions are in 1/65536ths of the screen: the smallest value that lands on the pixel.
    return static_cast<LONG>((static_cast<long long>(nPixel) * 65536 + nExtent - 1) / nExtent);
}

}  // namespace

namespace InputInjector
{

bool MoveTo(int x, int y)
{
    const int nWidth = GetSystemMetrics(SM_CXSCREEN);
    const int nHeight = GetSystemMetrics(SM_CYSCREEN);
    LONG dx = Normalise(x, nWidth), dy = Normalise(y, nHeight);
    POINT ptLast{-1, -1};
    int nSameMiss = 0;
    for (int nTry = 0; nTry < 12; ++nTry)
    {
        SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, dx, dy);
        POINT pt{};
        for (int nWait = 0; nWait < 40; ++nWait)
        {
            GetCursorPos(&pt);
            if (pt.x == x && pt.y == y)
            {
                // It must stay there: the display may still report an older position.
                Sleep(15);
                GetCursorPos(&pt);
                if (pt.x == x && pt.y == y)
                    return true;
            }
            Sleep(5);
        }
        // The same miss again and again is a rounding that differs from ours; a
        // different one is a late report of an earlier position, worth another try.
        nSameMiss = pt.x == ptLast.x && pt.y == ptLast.y ? nSameMiss + 1 : 0;
        ptLast = pt;
        if (nSameMiss >= 2 && std::abs(pt.x - x) <= 1 && std::abs(pt.y - y) <= 1)
        {
            dx += pt.x < x ? 1 : pt.x > x ? -1 : 0;
            dy += pt.y < y ? 1 : pt.y > y ? -1 : 0;
        }
    }
    return false;
}

void Press(int x, int y)
{
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN,
              Normalise(x, GetSystemMetrics(SM_CXSCREEN)), Normalise(y, GetSystemMetrics(SM_CYSCREEN)));
}

void Lift(int x, int y)
{
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP,
              Normalise(x, GetSystemMetrics(SM_CXSCREEN)), Normalise(y, GetSystemMetrics(SM_CYSCREEN)));
}

void Key(WORD wVk)
{
    INPUT aInputs[2]{};
    for (int i = 0; i < 2; ++i)
    {
        aInputs[i].type = INPUT_KEYBOARD;
        aInputs[i].ki.wVk = wVk;
        aInputs[i].ki.wScan = static_cast<WORD>(MapVirtualKeyW(wVk, MAPVK_VK_TO_VSC));
        aInputs[i].ki.dwFlags = i == 1 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(2, aInputs, sizeof(INPUT));
}

void Character(wchar_t ch)
{
    INPUT aInputs[2]{};
    for (int i = 0; i < 2; ++i)
    {
        aInputs[i].type = INPUT_KEYBOARD;
        aInputs[i].ki.wScan = static_cast<WORD>(ch);
        aInputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, aInputs, sizeof(INPUT));
}

}  // namespace InputInjector
