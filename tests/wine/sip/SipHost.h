#pragma once
#include <windows.h>

#include "device/SipManager.h"
#include "sip/RecordingCallback.h"
#include "sip/ServerTestSupport.h"
#include "sip/TestStateGuards.h"

class SipPanel;

// The device's SIP manager around the input method linked into the tests: a
// SIP window, the input method created (with the shared text font of a first
// Select), given a recording callback, selected and shown, with its bar window
// found. Ready() is false when any of that failed. Stopped on destruction.
class CSipHost
{
public:
    CSipHost();
    ~CSipHost() { Release(); }
    CSipHost(const CSipHost&) = delete;
    CSipHost& operator=(const CSipHost&) = delete;

    bool Ready() const { return m_hwndBar != nullptr && m_pPanel != nullptr; }
    HWND Bar() const { return m_hwndBar; }
    SipPanel& Panel() const { return *m_pPanel; }
    CRecordingCallback& Callback() { return m_callback; }
    IInputMethod* InputMethod() const { return m_manager.InputMethod(); }

    // What the SIP manager does after the screen turned.
    void ScreenTurned() { m_manager.ScreenChanged(); }

    // Deselects and releases the input method now (the destructor does it otherwise).
    void Release();

private:
    CFirstSelectDone m_firstSelectDone;
    CRecordingCallback m_callback;
    CTestSipWindow m_sip;
    CSipManager m_manager;
    HWND m_hwndBar = nullptr;
    SipPanel* m_pPanel = nullptr;
};
