#include "sip/SipPanel.h"

HBITMAP g_hBarBitmap = nullptr;
BOOL g_bInitializing = FALSE;
BOOL g_bClassRegistered = FALSE;

SipPanel::SipPanel(HINSTANCE hInstance)
    : m_hInstance(nullptr), m_hwnd(nullptr), m_pBuffer(nullptr), m_pUnprocStr(nullptr),
      m_pCallback(nullptr), m_aButtons{}, m_nPressed(SIP_ACTION_NONE)
{
    for (int i = 0; i < kBarButtonCount; ++i)
        m_aButtons[i].nAction = i;
    (void)hInstance;
}

SipPanel::~SipPanel()
{
    DestroyBarWindow();
    m_hInstance = nullptr;
    m_pCallback = nullptr;
    delete[] m_pBuffer;
    m_pBuffer = nullptr;
    delete[] m_pUnprocStr;
    m_pUnprocStr = nullptr;
    m_nPressed = SIP_ACTION_NONE;
    for (BarButton& button : m_aButtons)
    {
        if (button.hPressed != nullptr)
            DeleteObject(button.hPressed);
        button.hPressed = nullptr;
    }
}

void SipPanel::MoveBarWindow(int x, int y, int nWidth, int nHeight)
{
    MoveWindow(m_hwnd, x, y, nWidth, nHeight, TRUE);
}

BOOL SipPanel::DestroyBarWindow()
{
    if (m_hwnd == nullptr)
        return FALSE;
    const BOOL bResult = DestroyWindow(m_hwnd);
    m_hwnd = nullptr;
    return bResult;
}

void SipPanel::SetCallback(IIMCallback* pCallback)
{
    m_pCallback = pCallback;
}

int SipPanel::HitTest(int x, int y) const
{
    BarRect aRects[kBarButtonCount];
    for (int i = 0; i < kBarButtonCount; ++i)
        aRects[i] = m_aButtons[i].rc;
    return HitTestBar(aRects, x, y);
}
