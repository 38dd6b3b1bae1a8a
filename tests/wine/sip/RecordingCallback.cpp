#include "sip/RecordingCallback.h"

#include <gtest/gtest.h>

CallbackCall PauseCall(DWORD dwMilliseconds)
{
    return "Pause(" + std::to_string(dwMilliseconds) + ")";
}

std::vector<CallbackCall> EditCommandCalls(int nAction)
{
    constexpr DWORD kPress = 4;          // silent key press
    constexpr DWORD kRelease = 6;        // silent key release
    constexpr DWORD kCtrlDown = 0x40000080;
    constexpr DWORD kCtrlNoChar = 0x40010000;
    constexpr UINT kControl = 0x11;
    // A Ctrl chord sent as character events: Ctrl down, the control character
    // pressed and released, Ctrl up.
    auto chord = [](UINT uKey, UINT uChar) {
        return std::vector<CallbackCall>{VirtualKeyCall(kControl, kPress), CharEventsCall(uKey, kCtrlDown, uChar),
                                         CharEventsCall(uKey, kCtrlNoChar, uChar), VirtualKeyCall(kControl, kRelease)};
    };
    const std::vector<CallbackCall> aCalls[] = {
        chord(0x43, 0x03),  // Copy: Ctrl+C
        // Select All: Ctrl+A as plain key presses
        {VirtualKeyCall(kControl, kPress), VirtualKeyCall(0x41, kPress), VirtualKeyCall(0x41, kRelease),
         VirtualKeyCall(kControl, kRelease)},
        chord(0x58, 0x18),  // Cut: Ctrl+X
        {VirtualKeyCall(0x0D, kPress)},  // Enter: a press, no release
        chord(0x56, 0x16),  // Paste: Ctrl+V
        {VirtualKeyCall(0x08, kPress)},  // Backspace: a press, no release
    };
    return nAction >= 1 && nAction <= 6 ? aCalls[nAction - 1] : std::vector<CallbackCall>{};
}

void CRecordingCallback::OnMisuse(const char* pszWhat)
{
    ADD_FAILURE() << pszWhat;
}

HRESULT CRecordingCallback::SetImInfo(IMINFO* /*pimi*/)
{
    ADD_FAILURE() << "SetImInfo is never called by the input method";
    return E_NOTIMPL;
}
