// Calls a Pocket PC does not have, one of each kind the device check must name: a
// desktop-only Win32 import, a name the device's SDK has only as a macro, and a C
// library function the device lacks. Compiled, never linked or run.
#include <windows.h>

#include <cstdlib>

int CallsDesktopOnly(HWND hwnd, HDC hdc, HBITMAP hBitmap)
{
    BITMAPINFO info{};
    GetDIBits(hdc, hBitmap, 0, 1, nullptr, &info, DIB_RGB_COLORS);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return std::getenv("PATH") != nullptr;
}
