#include "sip/RecordingCallback.h"

#include <gtest/gtest.h>

#include <ostream>

namespace
{

// Milliseconds from the performance counter, finer than the tick count.
double NowMs()
{
    LARGE_INTEGER frequency = {};
    LARGE_INTEGER now = {};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

} // namespace

bool CallbackCall::operator==(const CallbackCall& other) const
{
    if (kind != other.kind)
        return false;
    switch (kind)
    {
    case VirtualKey:
        return uKey == other.uKey && dwFlags == other.dwFlags;
    case CharEvents:
        return uKey == other.uKey && dwFlags == other.dwFlags && uChars == other.uChars &&
               shifts == other.shifts && chars == other.chars;
    case String:
        return text == other.text && dwLength == other.dwLength && bTerminated == other.bTerminated;
    case Pause:
        return dwPauseMs == other.dwPauseMs;
    }
    return false;
}

CallbackCall VirtualKeyCall(UINT uKey, DWORD dwFlags)
{
    CallbackCall call = {};
    call.kind = CallbackCall::VirtualKey;
    call.uKey = uKey;
    call.dwFlags = dwFlags;
    return call;
}

CallbackCall CharEventsCall(UINT uKey, DWORD dwFlags, UINT uChar)
{
    CallbackCall call = {};
    call.kind = CallbackCall::CharEvents;
    call.uKey = uKey;
    call.dwFlags = dwFlags;
    call.uChars = 1;
    call.shifts = {static_cast<UINT>(dwFlags)};
    call.chars = {uChar};
    return call;
}

CallbackCall StringCall(const std::wstring& text)
{
    CallbackCall call = {};
    call.kind = CallbackCall::String;
    call.text = text;
    call.dwLength = static_cast<DWORD>(text.size());
    call.bTerminated = true;
    return call;
}

CallbackCall PauseCall(DWORD dwMilliseconds)
{
    CallbackCall call = {};
    call.kind = CallbackCall::Pause;
    call.dwPauseMs = dwMilliseconds;
    return call;
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

void PrintTo(const CallbackCall& call, std::ostream* pOut)
{
    std::ostream& out = *pOut;
    out << std::hex << std::showbase;
    switch (call.kind)
    {
    case CallbackCall::VirtualKey:
        out << "SendVirtualKey(" << call.uKey << ", " << call.dwFlags << ")";
        break;
    case CallbackCall::CharEvents:
        out << "SendCharEvents(" << call.uKey << ", " << call.dwFlags << ", " << call.uChars << ", {";
        for (UINT u : call.shifts)
            out << u << " ";
        out << "}, {";
        for (UINT u : call.chars)
            out << u << " ";
        out << "})";
        break;
    case CallbackCall::String:
        out << "SendString(\"";
        for (wchar_t ch : call.text)
        {
            if (ch >= 0x20 && ch < 0x7F)
                out << static_cast<char>(ch);
            else
                out << "\\u" << static_cast<unsigned>(ch);
        }
        out << "\", " << std::dec << call.dwLength << (call.bTerminated ? "" : ", unterminated") << ")";
        break;
    case CallbackCall::Pause:
        out << "pause of " << std::dec << call.dwPauseMs << " ms";
        break;
    }
    out << std::dec << std::noshowbase;
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

HRESULT CRecordingCallback::SendVirtualKey(BYTE bVk, DWORD dwFlags)
{
    CallbackCall call = VirtualKeyCall(bVk, dwFlags);
    call.dMs = NowMs();
    m_calls.push_back(call);
    return S_OK;
}

HRESULT CRecordingCallback::SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift, UINT* puChars)
{
    CallbackCall call = {};
    call.kind = CallbackCall::CharEvents;
    call.uKey = uVk;
    call.dwFlags = uKeyFlags;
    call.uChars = uChars;
    if (puShift == nullptr || puChars == nullptr)
        ADD_FAILURE() << "SendCharEvents without its arrays";
    else
    {
        call.shifts.assign(puShift, puShift + uChars);
        call.chars.assign(puChars, puChars + uChars);
    }
    call.dMs = NowMs();
    m_calls.push_back(call);
    return S_OK;
}

void CRecordingCallback::RecordPause(DWORD dwMilliseconds)
{
    CallbackCall call = PauseCall(dwMilliseconds);
    call.dMs = NowMs();
    m_calls.push_back(call);
}

HRESULT CRecordingCallback::SendString(BSTR ptszStr, DWORD dwChars)
{
    CallbackCall call = {};
    call.kind = CallbackCall::String;
    call.dwLength = dwChars;
    if (ptszStr == nullptr)
        ADD_FAILURE() << "SendString with a null string";
    else
    {
        call.text.assign(ptszStr, ptszStr + dwChars);
        call.bTerminated = ptszStr[dwChars] == L'\0';
    }
    call.dMs = NowMs();
    m_calls.push_back(call);
    return S_OK;
}
