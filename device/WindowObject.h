#pragma once
#include <windows.h>

// The object behind one of the device's windows. CreateWindowExW passes it as
// the creation parameter; WM_NCCREATE stores it in the window's user data, and
// every later message finds it there. Null for the messages before WM_NCCREATE.
template <class T>
T* WindowObject(HWND hwnd, UINT uMsg, LPARAM lParam)
{
    if (uMsg == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}
