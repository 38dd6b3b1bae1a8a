#include "ScriptRunner.h"

#include "DeviceWindows.h"
#include "common/TextUtf.h"

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
    const HWND hwndList = GetDlgItem(hwndDialog, kOptionsSkinListId);
    DWORD_PTR dwIndex = static_cast<DWORD_PTR>(CB_ERR);
    SendMessageTimeoutW(hwndList, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(sName.c_str()),
                        SMTO_NORMAL, kStepTimeout, &dwIndex);
    if (static_cast<LRESULT>(dwIndex) == CB_ERR)
    {
        sWhy = "the options dialog does not list " + command.argument;
        return false;
    }
    DWORD_PTR dwResult = 0;
    SendMessageTimeoutW(hwndList, CB_SETCURSEL, dwIndex, 0, SMTO_NORMAL, kStepTimeout, &dwResult);
    return true;
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

bool CScriptRunner::OnOk(const ScriptCommand&, std::string& sWhy)
{
    return CloseOptions(m_dwDeviceThread, kOptionsOkCommand, sWhy);
}

bool CScriptRunner::OnCancel(const ScriptCommand&, std::string& sWhy)
{
    return CloseOptions(m_dwDeviceThread, kOptionsCancelCommand, sWhy);
}
