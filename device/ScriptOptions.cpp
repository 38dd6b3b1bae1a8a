#include "ScriptRunner.h"

#include "DeviceWindows.h"
#include "device/harness/TextUtf.h"

#include <algorithm>

namespace {

HWND OpenOptionsDialog(DWORD dwThread, std::string& sWhy)
{
    const HWND hwndDialog = FindOptionsDialog(dwThread);
    if (hwndDialog == nullptr)
        sWhy = "the options dialog is not open";
    return hwndDialog;
}

bool CloseOptions(DWORD dwThread, UINT uCommand, std::string& sWhy)
{
    const HWND hwndDialog = OpenOptionsDialog(dwThread, sWhy);
    if (hwndDialog != nullptr)
        PostMessageW(hwndDialog, WM_COMMAND, MAKEWPARAM(uCommand, 0), 0);
    return hwndDialog != nullptr;
}

}  // namespace

bool CScriptRunner::OnSkin(const ScriptCommand& command, std::string& sWhy)
{
    const HWND hwndDialog = OpenOptionsDialog(m_dwDeviceThread, sWhy);
    if (hwndDialog == nullptr)
        return false;
    // The list shows each skin's name without the extension.
    std::wstring sName = Widen(command.argument);
    const size_t nDot = sName.rfind(L'.');
    if (nDot != std::wstring::npos)
        sName.erase(nDot);
    if (SelectListedSkin(hwndDialog, sName))
        return true;
    sWhy = "the options dialog does not list " + command.argument;
    return false;
}

bool CScriptRunner::OnHand(const ScriptCommand& command, std::string& sWhy)
{
    const HWND hwndDialog = OpenOptionsDialog(m_dwDeviceThread, sWhy);
    if (hwndDialog == nullptr)
        return false;
    const HWND hwndButton = GetDlgItem(hwndDialog, command.argument == "left" ? kOptionsLeftId : kOptionsRightId);
    RECT rc;
    if (hwndButton == nullptr || !IsWindowVisible(hwndButton) || !GetWindowRect(hwndButton, &rc))
    {
        sWhy = "the hand cannot be chosen";
        return false;
    }
    // The finger lands on the round button at the left of the caption.
    return TapAt(rc.left + std::min<LONG>(8, (rc.right - rc.left) / 2), (rc.top + rc.bottom) / 2);
}

bool CScriptRunner::OnAccents(const ScriptCommand& command, std::string& sWhy)
{
    const HWND hwndDialog = OpenOptionsDialog(m_dwDeviceThread, sWhy);
    if (hwndDialog == nullptr)
        return false;
    const HWND hwndBox = GetDlgItem(hwndDialog, kOptionsAccentsId);
    RECT rc;
    DWORD_PTR dwState = 0;
    if (hwndBox == nullptr || !IsWindowVisible(hwndBox) || !GetWindowRect(hwndBox, &rc) ||
        !SendMessageTimeoutW(hwndBox, BM_GETCHECK, 0, 0, SMTO_NORMAL, kStepTimeout, &dwState))
    {
        sWhy = "the accents box cannot be reached";
        return false;
    }
    if ((dwState == BST_CHECKED) == (command.argument == "on"))
        return true;
    // Like the hand: the finger lands on the box at the left of the caption.
    return TapAt(rc.left + std::min<LONG>(8, (rc.right - rc.left) / 2), (rc.top + rc.bottom) / 2);
}

bool CScriptRunner::OnOk(const ScriptCommand&, std::string& sWhy)
{
    return CloseOptions(m_dwDeviceThread, kOptionsOkCommand, sWhy);
}

bool CScriptRunner::OnCancel(const ScriptCommand&, std::string& sWhy)
{
    return CloseOptions(m_dwDeviceThread, kOptionsCancelCommand, sWhy);
}
