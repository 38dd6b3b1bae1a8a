#include "ScriptRunner.h"

#include "Device.h"
#include "device/harness/InputInjector.h"
#include "platform/SipInterfaces.h"

#include <utility>

namespace {

bool AskDevice(HWND hwndSync, UINT uMessage, DWORD dwTimeout, std::string& sWhy)
{
    DWORD_PTR dwResult = 0;
    if (SendMessageTimeoutW(hwndSync, uMessage, 0, 0, SMTO_NORMAL, dwTimeout, &dwResult) != 0)
        return true;
    sWhy = "the device did not answer";
    return false;
}

std::string ListedModes()
{
    std::string modes;
    DEVMODEW listed{};
    listed.dmSize = sizeof(listed);
    for (DWORD i = 0; i < 64 && EnumDisplaySettingsW(nullptr, i, &listed); ++i)
        modes += " " + std::to_string(listed.dmPelsWidth) + "x" + std::to_string(listed.dmPelsHeight);
    return modes;
}

}  // namespace

bool CScriptRunner::OnRotate(const ScriptCommand&, std::string& sWhy)
{
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode))
    {
        sWhy = "the display mode cannot be read";
        return false;
    }
    std::swap(mode.dmPelsWidth, mode.dmPelsHeight);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    // The finger leaves the screen where the turned screen still has it; a
    // pointer left outside the new shape cannot be brought back in.
    InputInjector::MoveTo(0, 0);
    const LONG lResult = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
    if (lResult != DISP_CHANGE_SUCCESSFUL)
    {
        sWhy = "the screen cannot turn to " + std::to_string(mode.dmPelsWidth) + "x" + std::to_string(mode.dmPelsHeight) +
               " (" + std::to_string(lResult) + "); modes:" + ListedModes();
        return false;
    }
    Sync();
    // As the device's shell does after a rotation.
    DWORD_PTR dwResult = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SETTINGCHANGE_RESET, 0, SMTO_NORMAL, kStepTimeout, &dwResult);
    return true;
}

bool CScriptRunner::OnSwitch(const ScriptCommand&, std::string& sWhy)
{
    return AskDevice(m_device.SyncWindow(), WM_DEVICE_SHOW_OTHER, kStepTimeout, sWhy);
}

bool CScriptRunner::OnNotes(const ScriptCommand&, std::string& sWhy)
{
    return AskDevice(m_device.SyncWindow(), WM_DEVICE_SHOW_NOTES, kStepTimeout, sWhy);
}
