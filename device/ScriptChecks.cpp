#include "ScriptRunner.h"

#include "Device.h"
#include "DeviceWindows.h"
#include "device/harness/InputInjector.h"
#include "device/harness/ScreenCapture.h"
#include "device/harness/TextUtf.h"
#include "device/TypingKeys.h"

#include <algorithm>
#include <cstdio>

namespace {

// Line breaks shown as \n, as the script writes them.
std::string Shown(const std::string& text)
{
    std::string shown;
    for (char ch : text)
        shown += ch == '\n' ? std::string("\\n") : std::string(1, ch);
    return shown;
}

// The box around the pixels that differ between two looks at the same place.
KeyRect ChangedBox(const RgbImage& before, const RgbImage& after)
{
    KeyRect box{after.nWidth, after.nHeight, 0, 0};
    for (int y = 0; y < std::min(before.nHeight, after.nHeight); ++y)
        for (int x = 0; x < std::min(before.nWidth, after.nWidth); ++x)
            if (before.Pixel(x, y) != after.Pixel(x, y))
            {
                box.nLeft = std::min(box.nLeft, x);
                box.nTop = std::min(box.nTop, y);
                box.nRight = std::max(box.nRight, x + 1);
                box.nBottom = std::max(box.nBottom, y + 1);
            }
    return box;
}

}  // namespace

bool CScriptRunner::OnExpectText(const ScriptCommand& command, std::string& sWhy)
{
    std::wstring sText;
    DWORD_PTR dwResult = 0;
    if (!SendMessageTimeoutW(m_device.SyncWindow(), WM_DEVICE_NOTES_TEXT, 0, reinterpret_cast<LPARAM>(&sText),
                             SMTO_NORMAL, kStepTimeout, &dwResult))
    {
        sWhy = "the device did not answer";
        return false;
    }
    for (size_t i; (i = sText.find(L"\r\n")) != std::wstring::npos;)
        sText.erase(i, 1);
    const std::string actual = Narrow(sText);
    if (actual == command.argument)
        return true;
    sWhy = "the notes hold \"" + Shown(actual) + "\", expected \"" + Shown(command.argument) + "\"";
    return false;
}

bool CScriptRunner::OnExpectMessage(const ScriptCommand& command, std::string& sWhy)
{
    if (std::find(m_messages.begin(), m_messages.end(), command.argument) != m_messages.end())
        return true;
    sWhy = "no message \"" + command.argument + "\" was shown";
    return false;
}

bool CScriptRunner::OnExpectNoMessage(const ScriptCommand&, std::string& sWhy)
{
    if (m_messages.empty())
        return true;
    sWhy = "a message was shown: " + m_messages.front();
    return false;
}

bool CScriptRunner::OnExpectKeyboard(const ScriptCommand& command, std::string& sWhy)
{
    const bool bWantOpen = command.argument == "open";
    if ((FindKeyboardDialog(m_dwDeviceThread) != nullptr) == bWantOpen)
        return true;
    sWhy = std::string("the keyboard is ") + (bWantOpen ? "closed" : "open");
    return false;
}

// The keyboard control against the skin's own bitmap of the current view,
// turned the way the user's hand and the screen want it. The typed text, the
// enlarged label and latched keys are drawn over it, so those places are left out.
bool CScriptRunner::OnExpectBackground(const ScriptCommand&, std::string& sWhy)
{
    RgbImage expected;
    if (!PrepareKeyboard(sWhy) || !ReadViewBackground(m_skin, m_keyboardState.nView, expected, sWhy))
        return false;
    const HWND hwndControl = GetDlgItem(m_hwndKeyboard, kKeyboardControlId);
    RECT rc{};
    if (hwndControl == nullptr || !GetClientRect(hwndControl, &rc))
    {
        sWhy = "the keyboard control is missing";
        return false;
    }
    MapWindowPoints(hwndControl, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    if (rc.right - rc.left != expected.nWidth || rc.bottom - rc.top != expected.nHeight)
    {
        sWhy = "the keyboard is " + std::to_string(rc.right - rc.left) + "x" + std::to_string(rc.bottom - rc.top) +
               ", its background " + std::to_string(expected.nWidth) + "x" + std::to_string(expected.nHeight);
        return false;
    }
    std::vector<KeyRect> excluded = {m_skin.geometry.rcEditView, m_skin.geometry.rcCharView,
                                     m_skin.geometry.rcWordView};
    if (m_keyboardState.bCapsLock)
        excluded.push_back(m_skin.geometry.aKeys[TYPING_KEY_CAPS]);
    if (m_keyboardState.bShift)
        excluded.push_back(m_skin.geometry.aKeys[TYPING_KEY_SHIFT]);
    // Like an eye that waits a moment for the screen to settle (the caret's
    // blink repaints the keyboard twice a second).
    double dShare = 0.0;
    for (int nLook = 0; nLook < 4; ++nLook)
    {
        if (nLook > 0)
        {
            Sleep(400);
            Sync();
        }
        dShare = MatchShare(CaptureScreen(rc), expected, excluded, 3);
        if (dShare >= 0.9)
            return true;
    }
    char sz[96];
    std::snprintf(sz, sizeof sz, "the keyboard shows its background in only %.0f%% of the places", dShare * 100);
    sWhy = sz;
    return false;
}

// A held key's label is drawn in the character view in a font made from the
// bar's, 80 % as high as the view is across its reading direction, and turned
// with the skin: a letter wider than high lies along the view.
bool CScriptRunner::OnExpectPreview(const ScriptCommand& command, std::string& sWhy)
{
    const int nKey = FindTypingKey(command.argument);
    POINT ptKey{};
    if (nKey < 0)
        sWhy = "no key is called " + command.argument;
    if (nKey < 0 || !PrepareKeyboard(sWhy) || !KeyOnScreen(nKey, ptKey, sWhy))
        return false;
    const HWND hwndBar = FindWindowExW(m_device.SipWindow(), nullptr, L"IM", nullptr);
    DWORD_PTR dwFont = 0;
    LOGFONTW font{};
    if (hwndBar == nullptr ||
        !SendMessageTimeoutW(hwndBar, WM_GETFONT, 0, 0, SMTO_NORMAL, kStepTimeout, &dwFont) ||
        GetObjectW(reinterpret_cast<HFONT>(dwFont), sizeof font, &font) != sizeof font)
    {
        sWhy = "the SIP bar reports no font for the label";
        return false;
    }
    const KeyRect& view = m_skin.geometry.rcCharView;
    RECT rc{view.nLeft, view.nTop, view.nRight, view.nBottom};
    MapWindowPoints(GetDlgItem(m_hwndKeyboard, kKeyboardControlId), nullptr, reinterpret_cast<POINT*>(&rc), 2);
    const RgbImage idle = CaptureScreen(rc);
    if (!PressAt(ptKey.x, ptKey.y))
    {
        sWhy = "the pointer did not reach the key";
        return false;
    }
    const RgbImage held = CaptureScreen(rc);
    InputInjector::Lift(ptKey.x, ptKey.y);
    ApplyKey(m_keyboardState, nKey);
    Sync();
    const KeyRect box = ChangedBox(idle, held);
    if (box.IsEmpty())
    {
        sWhy = "nothing was drawn in the character view";
        return false;
    }
    const bool bTurned = IsTurned(m_skin.geometry.nOrientation,
                                  ShapeOf(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    const int nWide = box.nRight - box.nLeft, nHigh = box.nBottom - box.nTop;
    const int nAcross = bTurned ? nWide : nHigh, nAlong = bTurned ? nHigh : nWide;
    const int nViewAcross = bTurned ? view.nRight - view.nLeft : view.nBottom - view.nTop;
    if (nAcross * 10 > nViewAcross * 4 && nAlong > nAcross)
        return true;
    char sz[128];
    std::snprintf(sz, sizeof sz, "the label is %d of %d pixels across the view and %d along it (%s)", nAcross,
                  nViewAcross, nAlong, bTurned ? "turned" : "not turned");
    sWhy = sz;
    return false;
}
