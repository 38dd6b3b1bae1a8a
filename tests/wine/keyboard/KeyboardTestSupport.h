#pragma once
#include <windows.h>

#include <string>

// Dialog template 204 from the test program's resources.
LPCDLGTEMPLATEW KeyboardTemplate();

// The keyboard dialog opened modeless and hidden, for tests that draw it
// without running its modal loop. Destroyed with the object.
class CModelessKeyboard
{
public:
    CModelessKeyboard();
    ~CModelessKeyboard();
    CModelessKeyboard(const CModelessKeyboard&) = delete;
    CModelessKeyboard& operator=(const CModelessKeyboard&) = delete;

    HWND Dialog() const { return m_hDlg; }

private:
    HWND m_hDlg = nullptr;
};

// A hidden window that reports a font for WM_GETFONT, as the SIP bar does.
class CFontSource
{
public:
    CFontSource();
    ~CFontSource();
    CFontSource(const CFontSource&) = delete;
    CFontSource& operator=(const CFontSource&) = delete;

    HWND Window() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
    HFONT m_hFont = nullptr;
};

std::wstring WindowText(HWND hwnd);

// The size of the keyboard control as the skin places it on this screen.
SIZE KeyboardSize();

// Where test pictures go: the folder named by BREVANTO_PICTURES, or none.
std::wstring PicturePath(const std::wstring& name);
