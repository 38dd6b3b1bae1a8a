#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

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

// A 32-bit top-down DIB section selected into a memory DC, to paint the keyboard into and
// read its pixels (0xRRGGBB) back.
class CPixelCanvas
{
public:
    CPixelCanvas(int nWidth, int nHeight);
    ~CPixelCanvas();
    CPixelCanvas(const CPixelCanvas&) = delete;
    CPixelCanvas& operator=(const CPixelCanvas&) = delete;

    HDC Dc() const { return m_hdc; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    std::uint32_t At(int x, int y) const;
    std::vector<std::uint32_t> Snapshot() const;

private:
    int m_nWidth;
    int m_nHeight;
    HDC m_hdc = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    const std::uint32_t* m_pBits = nullptr;
};

// The box around the pixels of the canvas that differ from before (a snapshot of it), and
// how many they are.
struct PixelChange
{
    int nCount = 0;
    RECT box{};
};
PixelChange ComparePixels(const std::vector<std::uint32_t>& before, const CPixelCanvas& after);
bool IsInside(const RECT& inner, const RECT& outer);
