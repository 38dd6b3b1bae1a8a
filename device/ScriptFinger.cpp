#include "ScriptRunner.h"

#include "Device.h"
#include "DeviceWindows.h"
#include "device/harness/InputInjector.h"
#include "device/harness/TextUtf.h"

#include <cstdio>
#include <utility>

namespace {

WORD VirtualKeyByName(const std::string& name)
{
    static const std::pair<const char*, WORD> s_aKeys[] = {
        {"end", VK_END}, {"home", VK_HOME}, {"left", VK_LEFT}, {"right", VK_RIGHT}, {"up", VK_UP},
        {"down", VK_DOWN}, {"enter", VK_RETURN}, {"backspace", VK_BACK}, {"delete", VK_DELETE}, {"escape", VK_ESCAPE}};
    for (const auto& key : s_aKeys)
        if (name == key.first)
            return key.second;
    return 0;
}

}  // namespace

// The display reports a moved pointer back a little later; let that settle
// before the finger goes down, so that the press is where the finger is.
bool CScriptRunner::PressAt(int x, int y)
{
    bool bReached = InputInjector::MoveTo(x, y);
    if (bReached)
    {
        Sleep(20);
        Sync();
        bReached = InputInjector::MoveTo(x, y);
    }
    if (!bReached)
    {
        POINT pt{};
        GetCursorPos(&pt);
        char sz[96];
        std::snprintf(sz, sizeof sz, "note: the pointer stays at (%ld, %ld) instead of (%d, %d)", pt.x, pt.y, x, y);
        m_report.push_back(sz);
        return false;
    }
    InputInjector::Press(x, y);
    Sync();
    return true;
}

bool CScriptRunner::TapAt(int x, int y)
{
    if (!PressAt(x, y))
        return false;
    InputInjector::Lift(x, y);
    return true;
}

bool CScriptRunner::OnTap(const ScriptCommand& command, std::string& sWhy)
{
    sWhy = "the SIP bar is not on the screen, or the pointer did not reach it";
    const int nButton = BarButtonByName(command.argument);
    const HWND hwndSip = m_device.SipWindow();
    const HWND hwndBar = FindWindowExW(hwndSip, nullptr, L"IM", nullptr);
    if (nButton < 0 || nButton > 7 || hwndBar == nullptr || !IsWindowVisible(hwndSip))
        return false;
    const POINT pt = BarButtonOnScreen(hwndBar, nButton);
    return TapAt(pt.x, pt.y);
}

bool CScriptRunner::OnSip(const ScriptCommand&, std::string& sWhy)
{
    sWhy = "the input panel button cannot be tapped";
    const RECT rc = m_device.SipButtonOnScreen();
    return TapAt((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

bool CScriptRunner::OnPress(const ScriptCommand& command, std::string& sWhy)
{
    const WORD wVk = VirtualKeyByName(command.argument);
    if (wVk == 0)
    {
        sWhy = "unknown hardware key " + command.argument;
        return false;
    }
    InputInjector::Key(wVk);
    return true;
}

bool CScriptRunner::OnWrite(const ScriptCommand& command, std::string&)
{
    for (char16_t ch : Utf8ToUtf16(command.argument))
    {
        if (ch == u'\n')
            InputInjector::Key(VK_RETURN);
        else
            InputInjector::Character(static_cast<wchar_t>(ch));
    }
    return true;
}
