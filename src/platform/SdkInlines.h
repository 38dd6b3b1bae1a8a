#pragma once
#include <windows.h>

// Functions that the device's SDK headers provide as macros or inline functions over
// another export, so that no system module of the device exports them by these names
// (the table in README.md says what each stands for there). Here each maps to the
// desktop function of the same meaning; the module calls them through this namespace.
namespace ce {

// Pointer-sized window data: GetWindowLongW and SetWindowLongW on the 32-bit device.
LONG_PTR GetWindowLongPtrW(HWND hwnd, int nIndex);
LONG_PTR SetWindowLongPtrW(HWND hwnd, int nIndex, LONG_PTR lValue);

// A loaded resource's data: the handle itself on the device.
LPVOID LockResource(HGLOBAL hResData);

// Thread-local slots: TlsCall on the device.
DWORD TlsAlloc();
BOOL TlsFree(DWORD dwTlsIndex);

// Read from the kernel's data page on the device.
DWORD GetCurrentThreadId();
DWORD GetCurrentProcessId();

}  // namespace ce
