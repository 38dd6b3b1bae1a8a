#pragma once
#include <windows.h>
#include <objbase.h>

// COM on the calling thread for the span of one read or write. The device's
// threads live in the multithreaded apartment, as a SIP manager's must; a thread
// that is already in a single-threaded apartment keeps it (the call is refused
// with RPC_E_CHANGED_MODE and nothing is to be undone).
class CComScope
{
public:
    CComScope() : m_hr(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
    ~CComScope()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;

    // COM can be used on this thread.
    bool Usable() const { return SUCCEEDED(m_hr) || m_hr == RPC_E_CHANGED_MODE; }

private:
    HRESULT m_hr;
};
