#pragma once
#include <windows.h>

#include "device/OwnedImCallback.h"

#include <string>
#include <vector>

// One call the SIP manager's callback received, or a pause the delivery made
// between two of them.
struct CallbackCall
{
    enum Kind { VirtualKey, CharEvents, String, Pause };
    Kind kind;
    UINT uKey;          // virtual key
    DWORD dwFlags;      // SendVirtualKey flags or SendCharEvents key-state flags
    UINT uChars;        // SendCharEvents count
    std::vector<UINT> shifts;
    std::vector<UINT> chars;
    std::wstring text;  // SendString: the units up to the given count
    DWORD dwLength;     // SendString count
    bool bTerminated;   // SendString: a NUL follows the counted units
    DWORD dwPauseMs;    // Pause: how long the delivery asked to wait
    double dMs;         // when the call came, in milliseconds

    bool operator==(const CallbackCall& other) const;
};

CallbackCall VirtualKeyCall(UINT uKey, DWORD dwFlags);
CallbackCall CharEventsCall(UINT uKey, DWORD dwFlags, UINT uChar);
CallbackCall StringCall(const std::wstring& text);
CallbackCall PauseCall(DWORD dwMilliseconds);

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
    void Clear() { m_calls.clear(); }

protected:
    void OnMisuse(const char* pszWhat) override;

private:
    std::vector<CallbackCall> m_calls;
};
