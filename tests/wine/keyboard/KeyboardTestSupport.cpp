#include "KeyboardTestSupport.h"

#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardSkin.h"
#include "support/DisplayMetrics.h"
#include "support/ModuleInstance.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

CModelessKeyboard::CModelessKeyboard()
{
    m_hDlg = CreateDialogIndirectParamW(g_hInstance, LoadKeyboardTemplate(g_hInstance), nullptr, KeyboardDialogProc, 0);
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


CPixelCanvas::CPixelCanvas(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight)
{
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), nWidth, -nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    m_hBitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    m_pBits = static_cast<const std::uint32_t*>(pBits);
    m_hdc = CreateCompatibleDC(nullptr);
    if (m_hdc != nullptr && m_hBitmap != nullptr)
        m_hOld = SelectObject(m_hdc, m_hBitmap);
}

CPixelCanvas::~CPixelCanvas()
{
    if (m_hOld != nullptr)
        SelectObject(m_hdc, m_hOld);
    if (m_hdc != nullptr)
        DeleteDC(m_hdc);
    if (m_hBitmap != nullptr)
        DeleteObject(m_hBitmap);
}

std::uint32_t CPixelCanvas::At(int x, int y) const
{
    if (m_pBits == nullptr || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return 0xFFFFFFFF;
    GdiFlush();
    return m_pBits[y * m_nWidth + x] & 0xFFFFFF;
}

std::vector<std::uint32_t> CPixelCanvas::Snapshot() const
{
    if (m_pBits == nullptr)
        return std::vector<std::uint32_t>(static_cast<size_t>(m_nWidth) * m_nHeight, 0xFFFFFFFF);
    GdiFlush();
    std::vector<std::uint32_t> pixels(m_pBits, m_pBits + static_cast<size_t>(m_nWidth) * m_nHeight);
    for (std::uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}


PixelChange ComparePixels(const std::vector<std::uint32_t>& before, const CPixelCanvas& after)
{
    PixelChange change;
    change.box = RECT{after.Width(), after.Height(), 0, 0};
    for (int y = 0; y < after.Height(); ++y)
        for (int x = 0; x < after.Width(); ++x)
        {
            if (before[static_cast<size_t>(y) * after.Width() + x] == after.At(x, y))
                continue;
            ++change.nCount;
            change.box = RECT{std::min<LONG>(change.box.left, x), std::min<LONG>(change.box.top, y),
                              std::max<LONG>(change.box.right, x + 1), std::max<LONG>(change.box.bottom, y + 1)};
        }
    return change;
}

bool IsInside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
