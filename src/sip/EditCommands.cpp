#include "sip/EditCommands.h"

namespace
{

constexpr DWORD kSilentPress = KEYEVENTF_SILENT;
constexpr DWORD kSilentRelease = KEYEVENTF_KEYUP | KEYEVENTF_SILENT;

// Key-state flags of a character event typed with Ctrl held.
constexpr UINT kCtrlKeyDown = 0x40000080;   // Ctrl down, key down
constexpr UINT kCtrlNoChar = 0x40010000;    // Ctrl down, no character (the release)

// Ctrl+key as the application expects it: Ctrl down, the key's control
// character pressed and released, Ctrl up.
void SendControlChord(IIMCallback* pCallback, UINT uVk, UINT uControlChar)
{
    if (pCallback == nullptr)
        return;
    pCallback->SendVirtualKey(VK_CONTROL, kSilentPress);
    UINT uShift = kCtrlKeyDown;
    UINT uChar = uControlChar;
    pCallback->SendCharEvents(uVk, kCtrlKeyDown, 1, &uShift, &uChar);
    uShift = kCtrlNoChar;
    uChar = uControlChar;
    pCallback->SendCharEvents(uVk, kCtrlNoChar, 1, &uShift, &uChar);
    pCallback->SendVirtualKey(VK_CONTROL, kSilentRelease);
}

void SendPressOnly(IIMCallback* pCallback, BYTE bVk)
{
    if (pCallback != nullptr)
        pCallback->SendVirtualKey(bVk, kSilentPress);
}

} // namespace

void SendCopy(IIMCallback* pCallback)
{
    SendControlChord(pCallback, 'C', 0x0003);
}

void SendSelectAll(IIMCallback* pCallback)
{
    if (pCallback == nullptr)
        return;
    pCallback->SendVirtualKey(VK_CONTROL, kSilentPress);
    pCallback->SendVirtualKey('A', kSilentPress);
    pCallback->SendVirtualKey('A', kSilentRelease);
    pCallback->SendVirtualKey(VK_CONTROL, kSilentRelease);
}

void SendCut(IIMCallback* pCallback)
{
    SendControlChord(pCallback, 'X', 0x0018);
}

void SendEnter(IIMCallback* pCallback)
{
    SendPressOnly(pCallback, VK_RETURN);
}

void SendPaste(IIMCallback* pCallback)
{
    SendControlChord(pCallback, 'V', 0x0016);
}

void SendBackspace(IIMCallback* pCallback)
{
    SendPressOnly(pCallback, VK_BACK);
}
