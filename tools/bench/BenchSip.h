#pragma once
#include <windows.h>

#include "platform/SipInterfaces.h"
#include "support/ComPointer.h"

#include <string>

class SipPanel;

// The input method as the SIP manager runs it: a SIP window that never takes
// the activation, the Zarn object selected into it and shown. The SIP bar
// window is the window the keyboard action hands the skin loader and from
// which the preview fonts are made.
class CBenchSip
{
public:
    CBenchSip();
    ~CBenchSip();
    CBenchSip(const CBenchSip&) = delete;
    CBenchSip& operator=(const CBenchSip&) = delete;

    // Empty when the input method is up; else what failed.
    const std::string& Failure() const { return m_failure; }
    SipPanel* Panel() const { return m_pPanel; }
    HWND BarWindow() const;

private:
    HWND m_hwndSip = nullptr;
    CComPointer<IInputMethod> m_pInputMethod;
    SipPanel* m_pPanel = nullptr;
    std::string m_failure;
};

// The folder of this program (which stands in for the module) followed by
// pszSuffix, such as L"\\skins\\Silver"; empty when it would not fit.
std::wstring ModuleFolderPath(const wchar_t* pszSuffix);
