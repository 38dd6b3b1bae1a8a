#pragma once
#include <windows.h>

#include "platform/SipInterfaces.h"

// The COM identity of an IIMCallback that its owner keeps alive (the SIP manager
// holds one for as long as the input method is loaded): references are counted so
// a checker can see that the input method borrows it without AddRef or Release,
// but it is never freed through COM. Misuse (an interface it does not have, more
// releases than references) is reported to OnMisuse.
class COwnedImCallback : public IIMCallback
{
public:
    COwnedImCallback() = default;
    COwnedImCallback(const COwnedImCallback&) = delete;
    COwnedImCallback& operator=(const COwnedImCallback&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IIMCallback))
        {
            *ppv = static_cast<IIMCallback*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        OnMisuse("QueryInterface for an interface the callback does not have");
        return E_NOINTERFACE;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_cRef)); }

    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG cRef = InterlockedDecrement(&m_cRef);
        if (cRef < 1)
            OnMisuse("the callback was released more often than it was referenced");
        return static_cast<ULONG>(cRef);
    }

    LONG References() const { return m_cRef; }

protected:
    ~COwnedImCallback() = default;
    virtual void OnMisuse(const char* /*pszWhat*/) {}

private:
    LONG m_cRef = 1;
};
