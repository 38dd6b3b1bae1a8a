#include "platform/SdkInlines.h"

namespace ce {

LONG_PTR GetWindowLongPtrW(HWND hwnd, int nIndex) { return ::GetWindowLongPtrW(hwnd, nIndex); }

LONG_PTR SetWindowLongPtrW(HWND hwnd, int nIndex, LONG_PTR lValue)
{
    return ::SetWindowLongPtrW(hwnd, nIndex, lValue);
}

LPVOID LockResource(HGLOBAL hResData) { return ::LockResource(hResData); }

DWORD TlsAlloc() { return ::TlsAlloc(); }

BOOL TlsFree(DWORD dwTlsIndex) { return ::TlsFree(dwTlsIndex); }

DWORD GetCurrentThreadId() { return ::GetCurrentThreadId(); }

DWORD GetCurrentProcessId() { return ::GetCurrentProcessId(); }

}  // namespace ce
