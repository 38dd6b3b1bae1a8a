#pragma once
#include <windows.h>

#include "platform/SipInterfaces.h"

#include <string>
#include <vector>

// One call the SIP manager's callback received.
struct CallbackCall
{
    enum Kind { VirtualKey, CharEvents, String };
    Kind kind;
    UINT uKey;          // virtual key
    DWORD dwFlags;      // SendVirtualKey flags or SendCharEvents key-state flags
    UINT uChars;        // SendCharEvents count
    std::vector<UINT> shifts;
    std::vector<UINT> chars;
    std::wstring text;  // SendString: the units up to the given count
    DWORD dwLength;     // SendString count
    bool bTerminated;   // SendString: a NUL follows the counted units
    double dMs;         // when the call came, in milliseconds

    bool operator==(const CallbackCall& other) const;
};

CallbackCall VirtualKeyCall(UINT uKey, DWORD dwFlags);
CallbackCall CharEventsCall(UINT uKey, DWORD dwFlags, UINT uChar);
CallbackCall StringCall(const std::wstring& text);

// The calls an editing button of the bar sends, written out key by key: Copy,
// Select All, Cut, Enter, Paste and Backspace by their action numbers 1 to 6.
// Empty for any other action.
std::vector<CallbackCall> EditCommandCalls(int nAction);

// Prints a call the way a failure message shows it.
void PrintTo(const CallbackCall& call, std::ostream* pOut);

// A real COM object standing in for the SIP manager's IIMCallback. It records
// the three calls the input method may make; anything else (SetImInfo, an
// unknown interface) fails the current test. It counts its references, so a
// test can check that the input method borrows it without AddRef or Release.
class CRecordingCallback : public IIMCallback
{
public:
    CRecordingCallback() = default;
    virtual ~CRecordingCallback() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO* pimi) override;
    HRESULT STDMETHODCALLTYPE SendVirtualKey(BYTE bVk, DWORD dwFlags) override;
    HRESULT STDMETHODCALLTYPE SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift,
                                             UINT* puChars) override;
    HRESULT STDMETHODCALLTYPE SendString(BSTR ptszStr, DWORD dwChars) override;

    const std::vector<CallbackCall>& Calls() const { return m_calls; }
    void Clear() { m_calls.clear(); }
    LONG References() const { return m_cRef; }

private:
    LONG m_cRef = 1;
    std::vector<CallbackCall> m_calls;
};
