#include "OtherApp.h"

#include "support/GdiHandles.h"

namespace {
constexpr wchar_t kOtherClass[] = L"BrevantoCalendar";
}

COtherApp::~COtherApp()
{
    if (m_hThread != nullptr)
    {
        PostThreadMessageW(m_dwThreadId, WM_QUIT, 0, 0);
        WaitForSingleObject(m_hThread, 5000);
        CloseHandle(m_hThread);
    }
    if (m_hReady != nullptr)
        CloseHandle(m_hReady);
}

bool COtherApp::Start(HINSTANCE hInstance, const RECT& rc)
{
    m_hInstance = hInstance;
    m_rcStart = rc;
    m_hReady = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_hReady == nullptr)
        return false;
    m_hThread = CreateThread(nullptr, 0, ThreadProc, this, 0, &m_dwThreadId);
    if (m_hThread == nullptr)
        return false;
    WaitForSingleObject(m_hReady, 10000);
    return m_hwnd != nullptr;
}

void COtherApp::Move(const RECT& rc)
{
    SetWindowPos(m_hwnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
}

void COtherApp::BringToFront()
{
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
}

DWORD WINAPI COtherApp::ThreadProc(void* pParameter)
{
    auto* pThis = static_cast<COtherApp*>(pParameter);
    WNDCLASSW wc{};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = pThis->m_hInstance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kOtherClass;
    RegisterClassW(&wc);
    const RECT& rc = pThis->m_rcStart;
    pThis->m_hwnd = CreateWindowExW(0, kOtherClass, L"Calendar", WS_POPUP, rc.left, rc.top, rc.right - rc.left,
                                    rc.bottom - rc.top, nullptr, nullptr, pThis->m_hInstance, nullptr);
    SetEvent(pThis->m_hReady);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (pThis->m_hwnd != nullptr)
        DestroyWindow(pThis->m_hwnd);
    return 0;
}

LRESULT CALLBACK COtherApp::WndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    default:
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    }
}

void COtherApp::OnPaint(HWND hwnd)
{
    CPaintDc dc(hwnd);
    RECT rc;
    GetClientRect(hwnd, &rc);
    CUniqueBrush header(CreateSolidBrush(RGB(0xD8, 0xE4, 0xF8)));
    RECT rcHeader{rc.left, rc.top, rc.right, rc.top + 24};
    FillRect(dc.Get(), &rcHeader, header.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    CSelectObject font(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc.Get(), L"Calendar", -1, &rcHeader, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
