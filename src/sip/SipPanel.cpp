#include "sip/SipPanel.h"

#include "settings/Settings.h"
#include "sip/SipBarWindow.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"
#include "support/LogFile.h"
#include "support/ModuleInstance.h"

#include <cstdlib>

namespace
{

constexpr wchar_t kCaption[] = L"Brevanto Keyboard";
constexpr wchar_t kUnsupportedResolution[] = L"Device resolution is not supported.";

// The bar bitmap and the loaded skin outlive every object (the next one reuses them);
// they go when the module is unloaded, through the runtime's exit list like the font cache.
bool g_bReleasedAtUnload = false;

void ReleaseModuleBitmaps()
{
    ReleaseSkin();
    if (g_hBarBitmap != nullptr)
        DeleteObject(g_hBarBitmap);
    g_hBarBitmap = nullptr;
}

} // namespace

SipPanel::SipPanel(HINSTANCE hInstance)
    : m_hInstance(nullptr), m_hwnd(nullptr),
      m_pCallback(nullptr), m_aButtons{}, m_nPressed(SIP_ACTION_NONE)
{
    for (int i = 0; i < kBarButtonCount; ++i)
        m_aButtons[i].nAction = i;
    if (!LoadBarBitmaps(hInstance))
        MessageBoxW(GetActiveWindow(), kUnsupportedResolution, kCaption, MB_ICONHAND);
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

bool SipPanel::LoadBarBitmaps(HINSTANCE hInstance)
{
    const ResolutionClass resolution = GetResolutionClass();
    // Unsupported screens carry on with the QVGA-class bitmaps.
    const BarButtonLayout& layout = resolution == ResolutionClass::Vga ? GetVgaBarLayout() : GetQvgaBarLayout();

    // A plain flag, not a guarded static: module state lives on one thread.
    if (!g_bReleasedAtUnload)
        g_bReleasedAtUnload = std::atexit(ReleaseModuleBitmaps) == 0;
    // Every user of the bar bitmap reads the global, so the previous one can go.
    HBITMAP hBar = LoadBitmapW(hInstance, MAKEINTRESOURCEW(layout.nBarBitmapId));
    if (hBar == nullptr)
    {
        // Without it the bar would have no height at all: a plain one keeps the buttons usable.
        LOG_MSG("LoadBitmap failed for the SIP bar; a plain bar stands in");
        hBar = CreatePlainBarBitmap(layout);
    }
    if (g_hBarBitmap != nullptr)
        DeleteObject(g_hBarBitmap);
    g_hBarBitmap = hBar;

    for (int i = 0; i < kBarButtonCount; ++i)
    {
        BarButton& button = m_aButtons[i];
        if (button.hPressed != nullptr)
            DeleteObject(button.hPressed);
        button.hPressed = LoadBitmapW(hInstance, MAKEINTRESOURCEW(layout.aPressedIds[i]));
        button.rc = layout.aRects[i];
    }
    return resolution != ResolutionClass::Unsupported;
}

HWND SipPanel::CreateBarWindow(LPCWSTR pszWindowName, DWORD dwStyle, const RECT& rc, HINSTANCE hInstance,
                               HWND hwndParent)
{
    m_hInstance = hInstance;
    g_hInstance = hInstance;
    if (!g_bClassRegistered)
    {
        if (!RegisterSipBarClass(hInstance))
            return nullptr;
        g_bClassRegistered = TRUE;
    }
    // A second Select without a Deselect between must not leave the first bar
    // behind, still pointing at this panel after Deselect deletes it.
    DestroyBarWindow();
    m_hwnd = CreateWindowExW(0, kSipBarClassName, pszWindowName, dwStyle, rc.left, rc.top,
                             rc.right - rc.left, rc.bottom - rc.top, hwndParent, nullptr, hInstance, nullptr);
    if (m_hwnd == nullptr)
        return nullptr;
    AttachBarClient(m_hwnd, this);
    LoadOptions();
    ShowWindow(m_hwnd, SW_SHOW);
    UpdateWindow(m_hwnd);
    return m_hwnd;
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

void SipPanel::PressAt(int x, int y)
{
    const int nAction = HitTest(x, y);
    const bool bChanged = nAction != SIP_ACTION_NONE && nAction != m_nPressed;
    // Moving off every button forgets the press without repainting: the last
    // pressed image stays until the release redraws the bar.
    m_nPressed = nAction;
    if (bChanged)
        Redraw();
}

void SipPanel::OnButtonDown(int x, int y)
{
    SetCapture(m_hwnd);
    PressAt(x, y);
}

void SipPanel::OnButtonMove(int x, int y)
{
    PressAt(x, y);
}

void SipPanel::Redraw()
{
    InvalidateRect(m_hwnd, nullptr, FALSE);
    UpdateWindow(m_hwnd);
}

void SipPanel::BeginInitializing()
{
    g_bInitializing = TRUE;
    InvalidateRect(m_hwnd, nullptr, TRUE);
    UpdateWindow(m_hwnd);
}

void SipPanel::EndInitializing()
{
    g_bInitializing = FALSE;
}
