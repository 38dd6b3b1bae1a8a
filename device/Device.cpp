#include "Device.h"

#include "DeviceLayout.h"
#include "WindowObject.h"

namespace {
constexpr wchar_t kSyncClass[] = L"BrevantoDeviceSync";
}

bool CDevice::CreateScreen(HINSTANCE hInstance)
{
    m_hInstance = hInstance;
    WNDCLASSW wc{};
    wc.lpfnWndProc = SyncProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = kSyncClass;
    RegisterClassW(&wc);
    m_hwndSync = CreateWindowExW(0, kSyncClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, hInstance, this);
    const DeviceLayout layout = ComputeDeviceLayout();
    const RECT rcApp = ApplicationArea(layout, RECT{});
    return m_hwndSync != nullptr && m_taskbar.Create(hInstance, this, layout.rcTaskbar) &&
           m_menuBar.Create(hInstance, this, layout.rcMenuBar) && m_other.Start(hInstance, rcApp) &&
           m_notes.Create(hInstance, rcApp) && m_sipWindow.Create(hInstance, this);
}

bool CDevice::StartInputMethod(const std::wstring& sModulePath, std::wstring& sError)
{
    const bool bStarted = m_manager.Start(sModulePath, m_sipWindow.Window(), &m_callback, sError);
    Relayout();
    m_notes.Activate();
    return bStarted;
}

void CDevice::DriveInputMethod(IInputMethod* pInputMethod)
{
    m_manager.Drive(pInputMethod, m_sipWindow.Window(), &m_callback);
    Relayout();
    m_notes.Activate();
}

void CDevice::StopInputMethod()
{
    m_manager.Stop();
}

RECT CDevice::SipButtonOnScreen() const
{
    RECT rc = m_menuBar.SipButtonRect();
    MapWindowPoints(m_menuBar.Window(), nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void CDevice::Relayout()
{
    const DeviceLayout layout = ComputeDeviceLayout();
    m_taskbar.Move(layout.rcTaskbar);
    m_menuBar.Move(layout.rcMenuBar);
    const RECT rcApp = ApplicationArea(layout, m_manager.IsStarted() ? m_manager.VisibleDesktop() : RECT{});
    m_notes.Move(rcApp);
    m_other.Move(rcApp);
}

void CDevice::OnScreenTurned()
{
    const DeviceLayout layout = ComputeDeviceLayout();
    m_taskbar.Move(layout.rcTaskbar);
    m_menuBar.Move(layout.rcMenuBar);
    m_manager.ScreenChanged();
    Relayout();
}

void CDevice::OnSipButton()
{
    if (m_manager.IsShowing())
        m_manager.Hide();
    else
        m_manager.Show();
    Relayout();
}

void CDevice::OnSipWindowActivated()
{
    PostMessageW(m_hwndSync, WM_DEVICE_RESTORE_FOCUS, 0, 0);
}

void CDevice::ShowNotes()
{
    m_bOtherInFront = false;
    ShowWindow(m_taskbar.Window(), SW_SHOWNA);
    m_taskbar.ShowTitle(L"Notes");
    m_notes.Activate();
}

void CDevice::ShowOther()
{
    m_bOtherInFront = true;
    ShowWindow(m_taskbar.Window(), SW_SHOWNA);
    m_taskbar.ShowTitle(L"Calendar");
    m_other.BringToFront();
}

void CDevice::RestoreFocus()
{
    // Only when no dialog of the input method holds the activation any more.
    const HWND hwndActive = GetActiveWindow();
    if (hwndActive != nullptr && hwndActive != m_sipWindow.Window())
        return;
    if (m_bOtherInFront)
        ShowOther();
    else
        ShowNotes();
}

void CDevice::BeforeDelivery()
{
    // Keys go to the application in front; when the activation was left on the
    // SIP window or nowhere, the notes application gets it back first.
    if (m_bOtherInFront)
        return;
    const HWND hwndForeground = GetForegroundWindow();
    if (hwndForeground == m_notes.Window() && GetFocus() == m_notes.Edit())
        return;
    if (hwndForeground == nullptr || hwndForeground == m_sipWindow.Window() ||
        GetWindowThreadProcessId(hwndForeground, nullptr) != GetCurrentThreadId() ||
        !IsWindowVisible(hwndForeground) || hwndForeground == m_notes.Window())
        ShowNotes();
}

LRESULT CDevice::OnSync() const
{
    return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_PAINT)) != 0 ? 1 : 0;
}

LRESULT CALLBACK CDevice::SyncProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    auto* pThis = WindowObject<CDevice>(hwnd, uMsg, lParam);
    if (pThis == nullptr)
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    switch (uMsg)
    {
    case WM_DEVICE_SYNC:
        return pThis->OnSync();
    case WM_DEVICE_NOTES_TEXT:
        *reinterpret_cast<std::wstring*>(lParam) = pThis->NotesText();
        return 1;
    case WM_DEVICE_SHOW_NOTES:
        pThis->ShowNotes();
        return 1;
    case WM_DEVICE_SHOW_OTHER:
        pThis->ShowOther();
        return 1;
    case WM_DEVICE_RESTORE_FOCUS:
        pThis->RestoreFocus();
        return 1;
    case WM_DEVICE_FINISH:
        PostQuitMessage(0);
        return 1;
    default:
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    }
}
