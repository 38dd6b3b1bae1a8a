#include "sip/SipHost.h"

#include "sip/DialogWatcher.h"
#include "sip/Zarn.h"

CSipHost::CSipHost()
{
    EnsureTextFont();
    IInputMethod* pInputMethod = nullptr;
    {
        // An unsupported screen brings up its message at construction.
        CDialogWatcher watcher([](const SeenDialog& dialog) { DismissMessageBox(dialog); });
        if (FAILED(Zarn::CreateInstance(nullptr, IID_IInputMethod, reinterpret_cast<void**>(&pInputMethod))))
            return;
    }
    m_manager.Drive(pInputMethod, m_sip.Get(), &m_callback);
    m_hwndBar = FindWindowExW(m_sip.Get(), nullptr, L"IM", L"IM");
    m_pPanel = static_cast<Zarn*>(pInputMethod)->GetSipPanel();
}

void CSipHost::Release()
{
    m_manager.Stop();
    m_hwndBar = nullptr;
    m_pPanel = nullptr;
}
