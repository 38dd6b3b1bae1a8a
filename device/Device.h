#pragma once
#include <windows.h>

#include "device/harness/ImCallback.h"
#include "MenuBar.h"
#include "NotesApp.h"
#include "OtherApp.h"
#include "ShellEvents.h"
#include "SipManager.h"
#include "SipWindow.h"
#include "Taskbar.h"

#include <string>

// Messages that the script thread sends to the device's thread; they are
// answered inside modal loops too, because sent messages always are.
enum DeviceMessage : UINT
{
    WM_DEVICE_SYNC = WM_APP + 1,   // returns non-zero while input or paints are pending
    WM_DEVICE_NOTES_TEXT,          // lParam: std::wstring* to fill
    WM_DEVICE_SHOW_NOTES,          // the notes application to the front
    WM_DEVICE_SHOW_OTHER,          // the other application to the front
    WM_DEVICE_RESTORE_FOCUS,       // posted: give the activation back to the foreground application
    WM_DEVICE_FINISH,              // end the session
};

// The emulated device: its screen (taskbar, menu bar, notes application, another
// application), the SIP window and the SIP manager that drives the input method.
class CDevice final : public IShellEvents, public IDeliveryTarget
{
public:
    CDevice() = default;
    CDevice(const CDevice&) = delete;
    CDevice& operator=(const CDevice&) = delete;

    bool CreateScreen(HINSTANCE hInstance);
    // Loads the input method; false with a reason when it cannot be started.
    bool StartInputMethod(const std::wstring& sModulePath, std::wstring& sError);
    // Drives an input method the caller created (its reference is taken over).
    void DriveInputMethod(IInputMethod* pInputMethod);
    void StopInputMethod();

    HWND SyncWindow() const { return m_hwndSync; }
    HWND SipWindow() const { return m_sipWindow.Window(); }
    HWND NotesWindow() const { return m_notes.Window(); }
    HWND MenuBarWindow() const { return m_menuBar.Window(); }
    RECT SipButtonOnScreen() const;
    std::wstring NotesText() const { return m_notes.Text(); }
    const CSipManager& Manager() const { return m_manager; }
    const CImCallback& Callback() const { return m_callback; }

    // IShellEvents
    void OnScreenTurned() override;
    void OnSipButton() override;
    void OnSipWindowActivated() override;
    // IDeliveryTarget
    void BeforeDelivery() override;

private:
    static LRESULT CALLBACK SyncProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    LRESULT OnSync() const;
    void ShowNotes();
    void ShowOther();
    void RestoreFocus();
    void Relayout();

    HINSTANCE m_hInstance = nullptr;
    HWND m_hwndSync = nullptr;
    CTaskbar m_taskbar;
    CMenuBar m_menuBar;
    CNotesApp m_notes;
    COtherApp m_other;
    CSipWindow m_sipWindow;
    CSipManager m_manager;
    CImCallback m_callback{this};
    bool m_bOtherInFront = false;
};
