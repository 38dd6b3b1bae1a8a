#pragma once
#include <windows.h>

#include "sip/RecordingCallback.h"
#include "sip/ServerTestSupport.h"
#include "sip/TestStateGuards.h"
#include "support/ComPointer.h"

class SipPanel;

// The SIP manager's part around the input method, for tests that use it the
// way a device does: a SIP window, the input method created (with the shared
// text font of a first Select), given a recording callback, selected and
// shown, with its bar window found. Ready() is false when any of that failed.
// Deselected and released on destruction.
class CSipHost
{
public:
    CSipHost();
    ~CSipHost();
    CSipHost(const CSipHost&) = delete;
    CSipHost& operator=(const CSipHost&) = delete;

    bool Ready() const { return m_hwndBar != nullptr && m_pPanel != nullptr; }
    HWND SipWindow() const { return m_sip.Get(); }
    HWND Bar() const { return m_hwndBar; }
    SipPanel& Panel() const { return *m_pPanel; }
    CRecordingCallback& Callback() { return m_callback; }
    IInputMethod* InputMethod() const { return m_pInputMethod.Get(); }

    // What the SIP manager does after the screen turned: shows the panel again
    // and asks for the visible desktop.
    void ScreenTurned();

    // Deselects and releases the input method now (the destructor does it otherwise).
    void Release();

private:
    CFirstSelectDone m_firstSelectDone;
    CRecordingCallback m_callback;
    CSipWindow m_sip;
    CComPointer<IInputMethod> m_pInputMethod;
    HWND m_hwndBar = nullptr;
    SipPanel* m_pPanel = nullptr;
};
