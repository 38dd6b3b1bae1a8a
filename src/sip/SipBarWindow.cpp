#include "sip/SipBarWindow.h"

#include "platform/SdkInlines.h"
#include "sip/BarLayout.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"
#include "support/GdiHandles.h"

HBITMAP g_hBarBitmap = nullptr;
BOOL g_bInitializing = FALSE;
BOOL g_bClassRegistered = FALSE;

namespace
{

ISipBarClient* ClientOf(HWND hwnd)
{
    return reinterpret_cast<ISipBarClient*>(ce::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// Where the bar bitmap's left edge sits in this window right now.
int CurrentBarLeft(HWND hwnd)
{
    RECT rc = {};
    GetClientRect(hwnd, &rc);
    return BarLeft(rc.left, rc.right, GetBitmapWidth(g_hBarBitmap));
}

BarPoint BarPointOf(HWND hwnd, LPARAM lParam)
{
    return TranslateBarPoint(static_cast<std::uint32_t>(lParam), CurrentBarLeft(hwnd));
}

LRESULT OnPaint(HWND hwnd)
{
    CPaintDc dc(hwnd);
    RECT rc = {};
    GetClientRect(hwnd, &rc);
    if (g_bInitializing)
        PaintInitializingNotice(dc.Get(), rc);
    else if (const ISipBarClient* pClient = ClientOf(hwnd))
        pClient->Paint(dc.Get(), rc);
    return 1;
}

LRESULT OnLButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (ISipBarClient* pClient = ClientOf(hwnd))
    {
        const BarPoint pt = BarPointOf(hwnd, lParam);
        pClient->OnButtonDown(pt.x, pt.y);
    }
    return DefWindowProcW(hwnd, WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT OnMouseMove(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (ISipBarClient* pClient = ClientOf(hwnd))
    {
        const BarPoint pt = BarPointOf(hwnd, lParam);
        pClient->OnButtonMove(pt.x, pt.y);
    }
    return DefWindowProcW(hwnd, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnLButtonUp(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    // The action is the button pressed last, wherever the finger is lifted.
    if (ISipBarClient* pClient = ClientOf(hwnd))
        pClient->OnButtonUp();
    return DefWindowProcW(hwnd, WM_LBUTTONUP, wParam, lParam);
}

// The keyboard makes its enlarged key label from the font the bar reports,
// turned with the skin; a bar that reported none would leave the label small
// and upright. The bar's font is the shared text font, in the SIP window's face.
LRESULT OnGetFont()
{
    return reinterpret_cast<LRESULT>(CFontHelper::Instance().GetFont(CFontHelper::kTextFontSlot));
}

LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == kRepaintCommandId && lParam == kRepaintCommandParam)
    {
        InvalidateRect(hwnd, nullptr, TRUE);
        UpdateWindow(hwnd);
    }
    return 1;
}

} // namespace

void AttachBarClient(HWND hwnd, ISipBarClient* pClient)
{
    ce::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pClient));
}

bool RegisterSipBarClass(HINSTANCE hInstance)
{
    WNDCLASSW wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = SipBarWindowProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kSipBarClassName;
    if (RegisterClassW(&wc) != 0)
        return true;
    // Another panel of this process got there first.
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

LRESULT CALLBACK SipBarWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_PAINT:
        return OnPaint(hwnd);
    case WM_LBUTTONDOWN:
        return OnLButtonDown(hwnd, wParam, lParam);
    case WM_MOUSEMOVE:
        return OnMouseMove(hwnd, wParam, lParam);
    case WM_LBUTTONUP:
        return OnLButtonUp(hwnd, wParam, lParam);
    case WM_COMMAND:
        return OnCommand(hwnd, wParam, lParam);
    case WM_GETFONT:
        return OnGetFont();
    default:
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    }
}
