#include "sip/SipActions.h"

#include "settings/OptionsDlg.h"
#include "skin/SkinCatalogue.h"
#include "sip/EditCommands.h"
#include "sip/SipPanel.h"

BOOL g_bSkinLoadFailed = FALSE;

void SipPanel::OnButtonUp()
{
    ReleaseCapture();
    ++m_nActionDepth;
    RunAction(m_nPressed);
    --m_nActionDepth;
    if (m_bRetired && m_nActionDepth == 0)
    {
        delete this;
        return;
    }
    m_nPressed = SIP_ACTION_NONE;
    Redraw();
}

void SipPanel::Retire()
{
    if (m_nActionDepth == 0)
    {
        delete this;
        return;
    }
    m_bRetired = true;
    // The SIP manager may let its callback go with the deselection.
    m_pCallback = nullptr;
}

void SipPanel::RunAction(int nAction)
{
    switch (nAction)
    {
    case SIP_ACTION_KEYBOARD:
        RunKeyboard();
        break;
    case SIP_ACTION_COPY:
        SendCopy(m_pCallback);
        break;
    case SIP_ACTION_SELECT_ALL:
        SendSelectAll(m_pCallback);
        break;
    case SIP_ACTION_CUT:
        SendCut(m_pCallback);
        break;
    case SIP_ACTION_ENTER:
        SendEnter(m_pCallback);
        break;
    case SIP_ACTION_PASTE:
        SendPaste(m_pCallback);
        break;
    case SIP_ACTION_BACKSPACE:
        SendBackspace(m_pCallback);
        break;
    case SIP_ACTION_OPTIONS:
        RunOptions();
        break;
    default:
        break;
    }
}

void SipPanel::RunOptions()
{
    {
        COptionsDlg dialog(EnumerateSkins);
        dialog.DoModal(m_hInstance, m_hwnd, 0);
    }
    // The user has seen the skin list, confirmed or not: the failure is old news.
    g_bSkinLoadFailed = FALSE;
}
