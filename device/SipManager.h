#pragma once
#include <windows.h>

#include "platform/SipInterfaces.h"

#include <string>
#include <vector>

// The SIP manager: registers the input method's module, finds the input method
// in the registry, creates it and drives it in the platform's order
// (RegisterCallback, Select, GetInfo, Showing or Hiding, ReceiveSipInfo,
// Deselect, the final Release). It runs on the thread that owns the SIP window.
class CSipManager
{
public:
    CSipManager() = default;
    ~CSipManager();
    CSipManager(const CSipManager&) = delete;
    CSipManager& operator=(const CSipManager&) = delete;

    // Registers sModulePath with regsvr32, then creates and selects the input method.
    bool Start(const std::wstring& sModulePath, HWND hwndSip, IIMCallback* pCallback, std::wstring& sError);
    // Takes over an input method already created (its reference) and selects and shows it as Start does.
    void Drive(IInputMethod* pInputMethod, HWND hwndSip, IIMCallback* pCallback);
    void Show();
    void Hide();
    // After the screen turned: places the panel again and asks for the visible desktop.
    void ScreenChanged();
    // Deselects and releases the input method.
    void Stop();

    bool IsStarted() const { return m_pInputMethod != nullptr; }
    IInputMethod* InputMethod() const { return m_pInputMethod; }
    bool IsShowing() const { return m_bShowing; }
    RECT VisibleDesktop() const { return m_rcVisibleDesktop; }
    const IMINFO& Info() const { return m_info; }
    // The calls made on the input method, in order, with their results.
    const std::vector<std::string>& Calls() const { return m_calls; }

private:
    void Record(const char* pszCall, HRESULT hr);
    void AskVisibleDesktop();

    IInputMethod* m_pInputMethod = nullptr;
    HWND m_hwndSip = nullptr;
    bool m_bShowing = false;
    RECT m_rcVisibleDesktop{};
    IMINFO m_info{};
    std::vector<std::string> m_calls;
};

// Runs "regsvr32 /s" (with /u: unregisters) on the module and waits for it; true
// when it reported success.
bool RegisterModule(const std::wstring& sModulePath, std::wstring& sError, bool bUnregister = false);
// The class registered as an SIP input method whose server is sModulePath
// (the first marked class when none names that file); false when none is marked.
bool FindInputMethodClass(const std::wstring& sModulePath, CLSID& clsid);
