#include "KeyboardTestSupport.h"

#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardSkin.h"
#include "support/DisplayMetrics.h"
#include "support/ModuleInstance.h"

#include <cstdlib>
#include <vector>

LPCDLGTEMPLATEW KeyboardTemplate()
{
    return LoadKeyboardTemplate(g_hInstance);
}

CModelessKeyboard::CModelessKeyboard()
{
    m_hDlg = CreateDialogIndirectParamW(g_hInstance, KeyboardTemplate(), nullptr, KeyboardDialogProc, 0);
}

CModelessKeyboard::~CModelessKeyboard()
{
    if (m_hDlg != nullptr)
    {
        g_bClosing = 1;   // not a switch to another application
        DestroyWindow(m_hDlg);
    }
}

CFontSource::CFontSource()
{
    m_hwnd = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, g_hInstance, nullptr);
    m_hFont = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma");
    if (m_hwnd != nullptr)
        SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
}

CFontSource::~CFontSource()
{
    if (m_hwnd != nullptr)
        DestroyWindow(m_hwnd);
    if (m_hFont != nullptr)
        DeleteObject(m_hFont);
}

std::wstring WindowText(HWND hwnd)
{
    const int nLength = GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> text(nLength + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), nLength + 1);
    return std::wstring(text.data());
}

SIZE KeyboardSize()
{
    const HBITMAP hBackground = GetViewBackground(VIEW_CHAR);
    return SIZE{GetBitmapWidth(hBackground), GetBitmapHeight(hBackground)};
}

std::wstring PicturePath(const std::wstring& name)
{
    const wchar_t* pszFolder = _wgetenv(L"BREVANTO_PICTURES");
    if (pszFolder == nullptr || *pszFolder == L'\0')
        return std::wstring();
    return std::wstring(pszFolder) + L"\\" + name;
}
