#include "device/harness/ImCallback.h"

#include "device/harness/InputInjector.h"
#include "device/harness/TextUtf.h"

#include <sstream>

namespace {

// Key-state flags of a character event.
constexpr UINT kKeyStateDown = 0x00000080;
constexpr UINT kKeyShiftNoCharacter = 0x00010000;

void SendKey(WORD wVk, bool bUp)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(wVk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(INPUT));
}

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

std::string CharEvents(UINT uKey, DWORD dwFlags, const UINT* puShift, const UINT* puChars, UINT uChars)
{
    return "SendCharEvents(" + Hex(uKey) + ", " + Hex(dwFlags) + ", " + HexList(puShift, uChars) + ", " +
           HexList(puChars, uChars) + ")";
}

std::string String(const std::wstring& text, bool bTerminated)
{
    return "SendString(\"" + Narrow(text) + "\", " + std::to_string(text.size()) +
           (bTerminated ? ")" : ", unterminated)");
}

}  // namespace

std::string VirtualKeyCall(UINT uKey, DWORD dwFlags)
{
    return "SendVirtualKey(" + Hex(uKey) + ", " + Hex(dwFlags) + ")";
}

std::string CharEventsCall(UINT uKey, DWORD dwFlags, UINT uChar)
{
    const UINT uShift = dwFlags;
    return CharEvents(uKey, dwFlags, &uShift, &uChar, 1);
}

std::string StringCall(const std::wstring& text)
{
    return String(text, true);
}

void CImCallback::Note(const std::string& sLine)
{
    LARGE_INTEGER frequency = {};
    LARGE_INTEGER now = {};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    m_calls.push_back(sLine);
    m_times.push_back(static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart));
}

bool CImCallback::Deliver()
{
    if (m_pTarget != nullptr)
        m_pTarget->BeforeDelivery();
    return m_pTarget != nullptr;
}

HRESULT STDMETHODCALLTYPE CImCallback::SetImInfo(IMINFO* /*pimi*/)
{
    Note("SetImInfo");
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CImCallback::SendVirtualKey(BYTE bVk, DWORD dwFlags)
{
    Note(VirtualKeyCall(bVk, dwFlags));
    // KEYEVENTF_SILENT only keeps a device from clicking; here only the release flag matters.
    if (Deliver())
        SendKey(bVk, (dwFlags & KEYEVENTF_KEYUP) != 0);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CImCallback::SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift,
                                                      UINT* puChars)
{
    if (puShift == nullptr || puChars == nullptr)
    {
        Note("SendCharEvents(" + Hex(uVk) + ", null)");
        return E_POINTER;
    }
    Note(CharEvents(uVk, uKeyFlags, puShift, puChars, uChars));
    if (!Deliver())
        return S_OK;
    for (UINT i = 0; i < uChars; ++i)
    {
        const bool bDown = (puShift[i] & kKeyStateDown) != 0;
        if (uVk != 0)
        {
            // The key itself: with the modifiers already held, the application
            // sees the same keystroke and character as from a keyboard.
            SendKey(static_cast<WORD>(uVk), !bDown);
        }
        else if (bDown && (puShift[i] & kKeyShiftNoCharacter) == 0)
            InputInjector::Character(static_cast<wchar_t>(puChars[i]));
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CImCallback::SendString(BSTR ptszStr, DWORD dwChars)
{
    if (ptszStr == nullptr)
    {
        Note("SendString(null)");
        return E_POINTER;
    }
    Note(String(std::wstring(ptszStr, dwChars), ptszStr[dwChars] == L'\0'));
    if (Deliver())
        for (DWORD i = 0; i < dwChars; ++i)
            InputInjector::Character(ptszStr[i]);
    return S_OK;
}
