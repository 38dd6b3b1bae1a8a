#include "sip/RecordingCallback.h"

#include "common/TextUtf.h"

#include <gtest/gtest.h>

#include <sstream>

namespace
{

std::string Hex(unsigned long v)
{
    std::ostringstream out;
    out << "0x" << std::hex << v;
    return out.str();
}

std::string HexList(const UINT* p, UINT n)
{
    std::string out = "{";
    for (UINT i = 0; i < n; ++i)
        out += (i == 0 ? "" : ", ") + Hex(p[i]);
    return out + "}";
}

CallbackCall CharEvents(UINT uKey, DWORD dwFlags, const UINT* puShift, const UINT* puChars, UINT uChars)
{
    return "SendCharEvents(" + Hex(uKey) + ", " + Hex(dwFlags) + ", " + HexList(puShift, uChars) + ", " +
           HexList(puChars, uChars) + ")";
}

CallbackCall String(const std::wstring& text, bool bTerminated)
{
    return "SendString(\"" + Narrow(text) + "\", " + std::to_string(text.size()) +
           (bTerminated ? ")" : ", unterminated)");
}

} // namespace

CallbackCall VirtualKeyCall(UINT uKey, DWORD dwFlags)
{
    return "SendVirtualKey(" + Hex(uKey) + ", " + Hex(dwFlags) + ")";
}

CallbackCall CharEventsCall(UINT uKey, DWORD dwFlags, UINT uChar)
{
    const UINT uShift = dwFlags;
    return CharEvents(uKey, dwFlags, &uShift, &uChar, 1);
}

CallbackCall StringCall(const std::wstring& text)
{
    return String(text, true);
}

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
    switch (nAction)
    {
    case 1:  // Copy: Ctrl+C
        return chord(0x43, 0x03);
    case 2:  // Select All: Ctrl+A as plain key presses
        return {VirtualKeyCall(kControl, kPress), VirtualKeyCall(0x41, kPress), VirtualKeyCall(0x41, kRelease),
                VirtualKeyCall(kControl, kRelease)};
    case 3:  // Cut: Ctrl+X
        return chord(0x58, 0x18);
    case 4:  // Enter: a press, no release
        return {VirtualKeyCall(0x0D, kPress)};
    case 5:  // Paste: Ctrl+V
        return chord(0x56, 0x16);
    case 6:  // Backspace: a press, no release
        return {VirtualKeyCall(0x08, kPress)};
    default:
        return {};
    }
}

void CRecordingCallback::OnMisuse(const char* pszWhat)
{
    ADD_FAILURE() << pszWhat;
}

HRESULT CRecordingCallback::Record(const CallbackCall& call)
{
    LARGE_INTEGER frequency = {};
    LARGE_INTEGER now = {};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    m_calls.push_back(call);
    m_times.push_back(static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart));
    return S_OK;
}

HRESULT CRecordingCallback::SetImInfo(IMINFO* /*pimi*/)
{
    ADD_FAILURE() << "SetImInfo is never called by the input method";
    return E_NOTIMPL;
}

HRESULT CRecordingCallback::SendVirtualKey(BYTE bVk, DWORD dwFlags)
{
    return Record(VirtualKeyCall(bVk, dwFlags));
}

HRESULT CRecordingCallback::SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift, UINT* puChars)
{
    if (puShift == nullptr || puChars == nullptr)
        ADD_FAILURE() << "SendCharEvents without its arrays";
    return Record(puShift && puChars ? CharEvents(uVk, uKeyFlags, puShift, puChars, uChars)
                                     : "SendCharEvents(" + Hex(uVk) + ", null)");
}

HRESULT CRecordingCallback::SendString(BSTR ptszStr, DWORD dwChars)
{
    if (ptszStr == nullptr)
        ADD_FAILURE() << "SendString with a null string";
    return Record(ptszStr ? String(std::wstring(ptszStr, dwChars), ptszStr[dwChars] == L'\0') : "SendString(null)");
}

void CRecordingCallback::RecordPause(DWORD dwMilliseconds)
{
    Record(PauseCall(dwMilliseconds));
}
