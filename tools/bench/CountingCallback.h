#pragma once
#include <windows.h>

#include "device/harness/OwnedImCallback.h"

// What reached the callback of one or more deliveries.
struct DeliveredCounts
{
    int nStrings = 0;
    int nEnters = 0;
    int nOtherCalls = 0;
    unsigned long nUnits = 0;
    // A running hash of every unit sent, in order, so that a text can be
    // checked to have arrived whole.
    unsigned long nHash = 0;
};

// Stands in for the SIP manager's callback: takes every call as an
// application would take the text, touching each unit sent, and counts what
// came.
class CCountingCallback final : public COwnedImCallback
{
public:
    HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO*) override;
    HRESULT STDMETHODCALLTYPE SendVirtualKey(BYTE bVk, DWORD dwFlags) override;
    HRESULT STDMETHODCALLTYPE SendCharEvents(UINT, UINT, UINT, UINT*, UINT*) override;
    HRESULT STDMETHODCALLTYPE SendString(BSTR ptszStr, DWORD dwChars) override;

    const DeliveredCounts& Counts() const { return m_counts; }
    void Clear() { m_counts = DeliveredCounts(); }

private:
    DeliveredCounts m_counts;
};

// The same hash over units as they would arrive.
unsigned long HashUnits(unsigned long nHash, const wchar_t* pUnits, unsigned long nCount);
