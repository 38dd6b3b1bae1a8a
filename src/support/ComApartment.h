#pragma once
#include <windows.h>
#include <objbase.h>

// COM on the calling thread in the multithreaded apartment for the span of one
// piece of work; a successful CoInitializeEx is balanced on scope exit.
class CComApartment
{
public:
    CComApartment() : m_hr(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
    ~CComApartment()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

    // The thread is now in the multithreaded apartment.
    bool Succeeded() const { return SUCCEEDED(m_hr); }

    // COM can be used on this thread at all: also when the thread was already in a
    // single-threaded apartment (refused with RPC_E_CHANGED_MODE; nothing to undo).
    bool Usable() const { return Succeeded() || m_hr == RPC_E_CHANGED_MODE; }

private:
    HRESULT m_hr;
};
