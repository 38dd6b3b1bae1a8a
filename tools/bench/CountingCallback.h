#pragma once
#include <windows.h>

#include "platform/SipInterfaces.h"

// Stands in for the SIP manager's callback: takes every call as an
// application would take the text, touching each unit sent, and counts what
// came. Lives on the stack; references are not counted.
class CCountingCallback : public IIMCallback
{
public:
    CCountingCallback() = default;
    virtual ~CCountingCallback() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SendVirtualKey(BYTE bVk, DWORD dwFlags) override;
    HRESULT STDMETHODCALLTYPE SendCharEvents(UINT, UINT, UINT, UINT*, UINT*) override;
    HRESULT STDMETHODCALLTYPE SendString(BSTR ptszStr, DWORD dwChars) override;

    void Clear() { *this = CCountingCallback(); }

    int m_nStrings = 0;
    int m_nEnters = 0;
    int m_nOtherCalls = 0;
    unsigned long m_nUnits = 0;
    // A running hash of every unit sent, in order, so that a text can be
    // checked to have arrived whole.
    unsigned long m_nHash = 0;
};

// The same hash over units as they would arrive.
unsigned long HashUnits(unsigned long nHash, const wchar_t* pUnits, unsigned long nCount);
