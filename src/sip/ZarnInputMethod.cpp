#include "sip/Zarn.h"

#include "sip/SipPanel.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"
#include "support/GdiHandles.h"
#include "support/ModuleInstance.h"

#include <cstring>

BOOL g_bFirstSelect = TRUE;

namespace
{

// Height of the device's menu bar at 96 DPI; the SIP panel sits right above it.
constexpr int kMenuBarHeight96 = 26;
// Height of the normal text font at 96 DPI.
constexpr int kTextFontHeight96 = 16;
// The shared text font's slot in the font cache.
constexpr int kTextFontSlot = 1;

int ScreenWidth()
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int ScreenHeight()
{
    return GetSystemMetrics(SM_CYSCREEN);
}

} // namespace

void Zarn::CreateSharedFonts()
{
    InitDisplayMetrics();
    {
        CWindowDc dc(m_hwndSip);
        if (dc)
            GetTextFaceW(dc.Get(), kFaceNameUnits, g_szFaceName);
    }
    CFontHelper::Instance().CreateFontInSlot(kTextFontSlot, ScaleByDpi(kTextFontHeight96), FW_NORMAL,
                                             g_szFaceName, 0, 0, 0);
}

HRESULT Zarn::Select(HWND hwndSip)
{
    m_hwndSip = hwndSip;
    if (g_bFirstSelect)
    {
        CreateSharedFonts();
        g_bFirstSelect = FALSE;
    }
    if (m_pSipPanel == nullptr)
        return S_OK;
    const RECT rcEmpty = {0, 0, 0, 0};
    m_pSipPanel->CreateBarWindow(L"IM", WS_CHILD | WS_VISIBLE, rcEmpty, g_hInstance, hwndSip);
    return S_OK;
}

HRESULT Zarn::Deselect()
{
    m_hwndSip = nullptr;
    if (m_pSipPanel != nullptr)
        m_pSipPanel->Retire();
    m_pSipPanel = nullptr;
    return S_OK;
}

HRESULT Zarn::Showing()
{
    m_bShowing = TRUE;
    const int nBarHeight = GetBitmapHeight(g_hBarBitmap);
    const int nMenuBarHeight = ScaleByDpi(kMenuBarHeight96);
    const int nWidth = ScreenWidth();
    const int nHeight = ScreenHeight();
    // One pixel wider than the screen, directly above the menu bar.
    MoveWindow(m_hwndSip, 0, nHeight - nBarHeight - nMenuBarHeight, nWidth + 1, nBarHeight, TRUE);
    if (m_pSipPanel != nullptr)
    {
        RECT rcClient = {};
        GetClientRect(m_hwndSip, &rcClient);
        m_pSipPanel->MoveBarWindow(0, 0, rcClient.right - rcClient.left, rcClient.bottom - rcClient.top);
    }
    return S_OK;
}

HRESULT Zarn::Hiding()
{
    m_bShowing = FALSE;
    return S_OK;
}

HRESULT Zarn::GetInfo(IMINFO* pimi)
{
    if (pimi == nullptr)
        return E_POINTER;
    const HIMAGELIST himl = GetResolutionClass() == ResolutionClass::Vga ? m_himlLarge : m_himlSmall;
    pimi->hImageNarrow = himl;
    pimi->hImageWide = himl;
    pimi->iNarrow = 0;
    pimi->iWide = 0;
    return S_OK;
}

HRESULT Zarn::ReceiveSipInfo(SIPINFO* psi)
{
    // The SIP manager always passes a structure; a null one is refused rather
    // than written through.
    if (psi == nullptr)
        return E_POINTER;
    std::memset(psi, 0, sizeof(*psi));
    const int nBarHeight = GetBitmapHeight(g_hBarBitmap);
    const int nMenuBarHeight = ScaleByDpi(kMenuBarHeight96);
    const int nHeight = ScreenHeight();
    m_rcVisibleDesktop.right = ScreenWidth();
    m_rcVisibleDesktop.bottom = m_bShowing ? nHeight - nBarHeight - nMenuBarHeight : nHeight - nMenuBarHeight;
    psi->cbSize = sizeof(SIPINFO);
    psi->fdwFlags = m_bShowing ? SIPF_ON : 0;
    psi->rcVisibleDesktop = m_rcVisibleDesktop;
    return S_OK;
}

HRESULT Zarn::RegisterCallback(IIMCallback* pIMCallback)
{
    m_pCallback = pIMCallback;
    if (m_pSipPanel != nullptr && pIMCallback != nullptr)
        m_pSipPanel->SetCallback(pIMCallback);
    return S_OK;
}

HRESULT Zarn::GetImData(DWORD /*dwSize*/, void* pvImData)
{
    return pvImData != nullptr ? S_OK : E_POINTER;
}

HRESULT Zarn::SetImData(DWORD /*dwSize*/, void* /*pvImData*/)
{
    return S_OK;
}

HRESULT Zarn::UserOptionsDlg(HWND /*hwndParent*/)
{
    // The options are reached from the bar's own button.
    return E_POINTER;
}
