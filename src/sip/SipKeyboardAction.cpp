#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/EditView.h"
#include "settings/Settings.h"
#include "sip/KeyboardHook.h"
#include "sip/SipActions.h"
#include "sip/SipPanel.h"
#include "sip/TextDelivery.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"

namespace
{

// Settings and skin for the screen as it is now; false, after telling the
// user, when the skin cannot be loaded.
bool ReloadSkin(SipPanel& panel)
{
    panel.BeginInitializing();
    LoadOptions();
    ReleaseKeyboardFonts();
    ReleaseSkin();
    if (LoadSkin(panel.m_hInstance, panel.m_hwnd) == 0)
    {
        ReleaseSkin();
        // No skin is loaded for any orientation now, so the next tap loads again
        // even after the options dialog has cleared the failure flag unchanged.
        SetLoadedOrientation(kNoLoadedOrientation);
        MessageBoxW(panel.m_hwnd, kLoadSkinFailedMessage, kMessageCaption, MB_ICONHAND);
        g_bSkinLoadFailed = TRUE;
        panel.EndInitializing();
        return false;
    }
    // Also records the orientation the skin was loaded for.
    CreatePreviewFonts(panel.m_hwnd);
    g_bSkinLoadFailed = FALSE;
    return true;
}

} // namespace

void SipPanel::RunKeyboard()
{
    if (g_bSkinLoadFailed)
        MessageBoxW(GetActiveWindow(), kLoadSkinFailedMessage, kMessageCaption, MB_ICONHAND);
    SetKeyboardDialogContext(m_hInstance, m_hwnd, this);

    // A load that failed last time is retried even when nothing changed since:
    // opening the keyboard without a skin would leave a full-screen dialog with
    // no key to close it.
    if (IsOptionsChanged() || g_bSkinLoadFailed)
    {
        if (!ReloadSkin(*this))
            return;
    }
    EndInitializing();

    InstallKeyboardHook(m_hInstance, ArrowKeyHookProc);
    RunKeyboardDialog(m_hInstance, m_hwnd);
    RemoveKeyboardHook();

    DeliverText(m_pCallback, m_pBuffer);
}

