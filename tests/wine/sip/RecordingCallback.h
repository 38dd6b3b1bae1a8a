#pragma once
#include <windows.h>

#include "device/harness/ImCallback.h"

#include <string>
#include <vector>

// One call the callback received, as the device's callback writes it out, or a
// pause the delivery made between two of them: "Pause(50)".
using CallbackCall = std::string;

CallbackCall PauseCall(DWORD dwMilliseconds);

// The calls an editing button of the bar sends, written out key by key: Copy,
// Select All, Cut, Enter, Paste and Backspace by their action numbers 1 to 6.
// Empty for any other action.
std::vector<CallbackCall> EditCommandCalls(int nAction);

// The device's callback without a target to deliver to: it records the calls
// the input method makes, and when each came; SetImInfo, which the input method
// never calls, and misuse of its COM identity fail the current test.
class CRecordingCallback : public CImCallback
{
public:
    HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO* pimi) override;
    // Puts a pause of the delivery among the calls, where it happened.
    void RecordPause(DWORD dwMilliseconds) { Note(PauseCall(dwMilliseconds)); }

protected:
    void OnMisuse(const char* pszWhat) override;
};
