#include "ImCallback.h"

#include "InputInjector.h"

#include <cstdio>

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

std::string Format(const char* pszFormat, unsigned a, unsigned b, unsigned c = 0)
{
    char sz[96];
    std::snprintf(sz, sizeof sz, pszFormat, a, b, c);
    return sz;
}

}  // namespace

void CImCallback::Prepare()
{
    if (m_pTarget != nullptr)
        m_pTarget->BeforeDelivery();
}

HRESULT STDMETHODCALLTYPE CImCallback::SetImInfo(IMINFO* /*pimi*/)
{
    m_calls.push_back("SetImInfo");
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CImCallback::SendVirtualKey(BYTE bVk, DWORD dwFlags)
{
    m_calls.push_back(Format("SendVirtualKey 0x%02X %u", bVk, static_cast<unsigned>(dwFlags)));
    Prepare();
    // KEYEVENTF_SILENT only keeps a device from clicking; here only the release flag matters.
    SendKey(bVk, (dwFlags & KEYEVENTF_KEYUP) != 0);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CImCallback::SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift,
                                                      UINT* puChars)
{
    m_calls.push_back(Format("SendCharEvents 0x%02X 0x%08X %u", uVk, uKeyFlags, uChars));
    if (uChars > 0 && puChars == nullptr)
        return E_POINTER;
    Prepare();
    for (UINT i = 0; i < uChars; ++i)
    {
        const UINT uState = puShift != nullptr ? puShift[i] : uKeyFlags;
        const bool bDown = (uState & kKeyStateDown) != 0;
        if (uVk != 0)
        {
            // The key itself: with the modifiers already held, the application
            // sees the same keystroke and character as from a keyboard.
            SendKey(static_cast<WORD>(uVk), !bDown);
        }
        else if (bDown && (uState & kKeyShiftNoCharacter) == 0)
            InputInjector::Character(static_cast<wchar_t>(puChars[i]));
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CImCallback::SendString(BSTR ptszStr, DWORD dwChars)
{
    m_calls.push_back(Format("SendString %u", static_cast<unsigned>(dwChars), 0));
    if (dwChars > 0 && ptszStr == nullptr)
        return E_POINTER;
    Prepare();
    for (DWORD i = 0; i < dwChars; ++i)
        InputInjector::Character(ptszStr[i]);
    return S_OK;
}
