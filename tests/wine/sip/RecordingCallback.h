#pragma once
#include <windows.h>

#include "device/OwnedImCallback.h"

#include <string>
#include <vector>

// One call the SIP manager's callback received, or a pause the delivery made
// between two of them, written out in full so that a failure shows it:
// "SendVirtualKey(0x11, 0x4)", "SendCharEvents(0x43, 0x40000080, {0x40000080}, {0x3})",
// "SendString(\"abc\", 3)" (", unterminated" when no NUL follows), "Pause(50)".
using CallbackCall = std::string;

CallbackCall VirtualKeyCall(UINT uKey, DWORD dwFlags);
CallbackCall CharEventsCall(UINT uKey, DWORD dwFlags, UINT uChar);
CallbackCall StringCall(const std::wstring& text);
CallbackCall PauseCall(DWORD dwMilliseconds);

// The calls an editing button of the bar sends, written out key by key: Copy,
// Select All, Cut, Enter, Paste and Backspace by their action numbers 1 to 6.
// Empty for any other action.
std::vector<CallbackCall> EditCommandCalls(int nAction);

// A real COM object standing in for the SIP manager's IIMCallback. It records
// the three calls the input method may make, and when each came; anything else
// (SetImInfo, an unknown interface) fails the current test. It counts its
// references, so a test can check that the input method borrows it.
class CRecordingCallback : public COwnedImCallback
{
public:
    CRecordingCallback() = default;
    virtual ~CRecordingCallback() = default;

    HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO* pimi) override;
    HRESULT STDMETHODCALLTYPE SendVirtualKey(BYTE bVk, DWORD dwFlags) override;
    HRESULT STDMETHODCALLTYPE SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift,
                                             UINT* puChars) override;
    HRESULT STDMETHODCALLTYPE SendString(BSTR ptszStr, DWORD dwChars) override;

    // Puts a pause of the delivery among the calls, where it happened.
    void RecordPause(DWORD dwMilliseconds);

    const std::vector<CallbackCall>& Calls() const { return m_calls; }
    // When each call came, in milliseconds of the performance counter.
    const std::vector<double>& Times() const { return m_times; }
    void Clear()
    {
        m_calls.clear();
        m_times.clear();
    }

protected:
    void OnMisuse(const char* pszWhat) override;

private:
    HRESULT Record(const CallbackCall& call);

    std::vector<CallbackCall> m_calls;
    std::vector<double> m_times;
};
