#include "NotesApp.h"

#include "WindowObject.h"

#include <vector>

namespace {
constexpr wchar_t kNotesClass[] = L"BrevantoNotes";
constexpr int kEditId = 100;
}

bool CNotesApp::Create(HINSTANCE hInstance, const RECT& rc)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kNotesClass;
    RegisterClassW(&wc);
    m_hwnd = CreateWindowExW(0, kNotesClass, L"Notes", WS_POPUP | WS_CLIPCHILDREN, rc.left, rc.top, rc.right - rc.left,
                             rc.bottom - rc.top, nullptr, nullptr, hInstance, this);
    if (m_hwnd == nullptr)
        return false;
    m_hwndEdit = CreateWindowExW(0, L"EDIT", L"",
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN |
                                     ES_NOHIDESEL,
                                 0, 0, rc.right - rc.left, rc.bottom - rc.top, m_hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), hInstance, nullptr);
    if (m_hwndEdit == nullptr)
        return false;
    m_hFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(m_hwndEdit, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), TRUE);
    SetWindowLongPtrW(m_hwndEdit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pfnEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_hwndEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
    ShowWindow(m_hwnd, SW_SHOW);
    Activate();
    return true;
}

void CNotesApp::Move(const RECT& rc)
{
    MoveWindow(m_hwnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
}

void CNotesApp::Activate()
{
    SetForegroundWindow(m_hwnd);
    SetActiveWindow(m_hwnd);
    SetFocus(m_hwndEdit);
}

std::wstring CNotesApp::Text() const
{
    const int nLength = GetWindowTextLengthW(m_hwndEdit);
    std::vector<wchar_t> buffer(static_cast<size_t>(nLength) + 1);
    const int nCopied = GetWindowTextW(m_hwndEdit, buffer.data(), nLength + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(nCopied));
}

LRESULT CALLBACK CNotesApp::WndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    auto* pThis = WindowObject<CNotesApp>(hwnd, uMsg, lParam);
    if (pThis == nullptr)
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    switch (uMsg)
    {
    case WM_SIZE:
        pThis->OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ACTIVATE:
        pThis->OnActivate(LOWORD(wParam));
        return 0;
    case WM_SETFOCUS:
        SetFocus(pThis->m_hwndEdit);
        return 0;
    default:
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    }
}

// The edit control of the notes application selects everything on Ctrl+A, as
// the device's edit controls do.
LRESULT CALLBACK CNotesApp::EditProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    auto* pThis = reinterpret_cast<CNotesApp*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (uMsg == WM_CHAR && wParam == 0x01)
    {
        SendMessageW(hwnd, EM_SETSEL, 0, -1);
        return 0;
    }
    return CallWindowProcW(pThis->m_pfnEditProc, hwnd, uMsg, wParam, lParam);
}

void CNotesApp::OnSize(int nWidth, int nHeight)
{
    MoveWindow(m_hwndEdit, 0, 0, nWidth, nHeight, TRUE);
}

void CNotesApp::OnActivate(WORD wState)
{
    if (wState != WA_INACTIVE)
        SetFocus(m_hwndEdit);
}
