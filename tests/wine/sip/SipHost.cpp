#include "sip/SipHost.h"

#include "sip/DialogWatcher.h"
#include "sip/Zarn.h"

CSipHost::CSipHost()
{
    EnsureTextFont();
    // A pointer resting where the bar appears would press the button under it as it
    // moves (a stylus has no such hover): it is parked in the screen's top-left
    // corner, far from the bar above the menu bar, before the bar is made.
    SetCursorPos(0, 0);
    {
        // An unsupported screen brings up its message at construction.
        CDialogWatcher watcher([](const SeenDialog& dialog) { DismissMessageBox(dialog); });
        if (FAILED(Zarn::CreateInstance(nullptr, IID_IInputMethod, m_pInputMethod.PutVoid())))
            return;
    }
    if (FAILED(m_pInputMethod->RegisterCallback(&m_callback)) || FAILED(m_pInputMethod->Select(m_sip.Get())) ||
        FAILED(m_pInputMethod->Showing()))
        return;
    m_hwndBar = FindWindowExW(m_sip.Get(), nullptr, L"IM", L"IM");
    m_pPanel = static_cast<Zarn*>(m_pInputMethod.Get())->GetSipPanel();
}

CSipHost::~CSipHost()
{
    Release();
}

void CSipHost::Release()
{
    if (m_pInputMethod)
        m_pInputMethod->Deselect();
    m_pInputMethod.Reset();
    m_hwndBar = nullptr;
    m_pPanel = nullptr;
}

void CSipHost::ScreenTurned()
{
    if (!m_pInputMethod)
        return;
    m_pInputMethod->Showing();
    SIPINFO info{};
    info.cbSize = sizeof(info);
    m_pInputMethod->ReceiveSipInfo(&info);
}
