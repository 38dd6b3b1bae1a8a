#include "BenchSip.h"

#include "sip/SipPanel.h"
#include "sip/Zarn.h"
#include "settings/ModulePath.h"
#include "support/ModuleInstance.h"

CBenchSip::CBenchSip()
{
    m_hwndSip = CreateWindowExW(WS_EX_NOACTIVATE, L"Static", L"SIP", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (m_hwndSip == nullptr)
    {
        m_failure = "no window (is there a display?)";
        return;
    }
    ShowWindow(m_hwndSip, SW_SHOWNOACTIVATE);
    if (FAILED(Zarn::CreateInstance(nullptr, IID_IInputMethod, m_pInputMethod.PutVoid())) ||
        FAILED(m_pInputMethod->Select(m_hwndSip)) || FAILED(m_pInputMethod->Showing()))
    {
        m_failure = "the input method could not be selected";
        return;
    }
    m_pPanel = static_cast<Zarn*>(m_pInputMethod.Get())->GetSipPanel();
    if (m_pPanel == nullptr || m_pPanel->m_hwnd == nullptr)
        m_failure = "the input method made no SIP bar";
}

CBenchSip::~CBenchSip()
{
    if (m_pInputMethod)
        m_pInputMethod->Deselect();
    m_pInputMethod.Reset();
    if (m_hwndSip != nullptr)
        DestroyWindow(m_hwndSip);
}

HWND CBenchSip::BarWindow() const
{
    return m_pPanel != nullptr ? m_pPanel->m_hwnd : nullptr;
}

std::wstring ModuleFolderPath(const wchar_t* pszSuffix)
{
    WCHAR szPath[MAX_PATH];
    return BuildModulePath(g_hInstance, pszSuffix, szPath) ? std::wstring(szPath) : std::wstring();
}
