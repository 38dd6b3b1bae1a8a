#include "keyboard/KeyboardCanvas.h"

#include "keyboard/KeyImagePainter.h"
#include "keyboard/KeyboardLayers.h"
#include "keyboard/KeyboardPaint.h"
#include "keyboard/WordCompletion.h"
#include "support/GdiHandles.h"

#include <utility>
#include <vector>

namespace {

// The memory DC and bitmap of the control's size, and the frame they hold.
// Making and freeing them in every paint was a fifth of a paint; keeping them
// also keeps the pixels that the next paint does not change.
class CKeyboardCanvas
{
public:
    // The memory DC with a bitmap of nWidth x nHeight for hdc's format selected; null on failure.
    // A new canvas shows nothing known.
    HDC For(HWND hwnd, HDC hdc, int nWidth, int nHeight)
    {
        if (Holds(hwnd, nWidth, nHeight))
            return m_dc.Get();
        Release();
        m_dc.Reset(CreateCompatibleDC(hdc));
        m_bitmap.Reset(CreateCompatibleBitmap(hdc, nWidth, nHeight));
        m_hOldBitmap = m_dc && m_bitmap ? SelectObject(m_dc.Get(), m_bitmap.Get()) : nullptr;
        if (m_hOldBitmap == nullptr || m_hOldBitmap == HGDI_ERROR)
        {
            m_hOldBitmap = nullptr;
            Release();
            return nullptr;
        }
        m_hwnd = hwnd;
        m_nWidth = nWidth;
        m_nHeight = nHeight;
        return m_dc.Get();
    }
    void Release()
    {
        if (m_hOldBitmap != nullptr)
            SelectObject(m_dc.Get(), m_hOldBitmap);
        m_hOldBitmap = nullptr;
        m_dc.Reset();
        m_bitmap.Reset();
        m_hwnd = nullptr;
        m_shown = KeyboardFrame{};
        m_painter.Reset();
    }
    // What the control shows, as far as this canvas knows.
    const KeyboardFrame& Shown(HWND hwnd, int nWidth, int nHeight) const
    {
        static const KeyboardFrame s_unknown{};
        return Holds(hwnd, nWidth, nHeight) ? m_shown : s_unknown;
    }
    void Show(const KeyboardFrame& frame) { m_shown = frame; }
    CKeyImagePainter& Painter() { return m_painter; }
    // The state that the paint about to run shows, compared with what is shown
    // already; a paint without one finds out itself.
    void Expect(const KeyboardFrame* pNext) { m_pExpected = pNext; }
    const KeyboardFrame* TakeExpected() { return std::exchange(m_pExpected, nullptr); }

private:
    bool Holds(HWND hwnd, int nWidth, int nHeight) const
    {
        return m_dc && m_hwnd == hwnd && m_nWidth == nWidth && m_nHeight == nHeight;
    }

    HWND m_hwnd = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    CMemoryDc m_dc;
    CUniqueBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
    KeyboardFrame m_shown{};
    const KeyboardFrame* m_pExpected = nullptr;
    CKeyImagePainter m_painter;
};

CKeyboardCanvas g_canvas;

SIZE ClientSize(HWND hwnd)
{
    RECT rc{};
    GetClientRect(hwnd, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

// The update region of a window about to be painted, with its rectangles: a
// copy clipped to a region of far-apart pieces costs as much as one of the box
// round them, so each piece is copied on its own.
class CUpdateArea
{
public:
    explicit CUpdateArea(HWND hwnd) : m_region(CreateRectRgn(0, 0, 0, 0))
    {
        if (!m_region || GetUpdateRgn(hwnd, m_region.Get(), FALSE) == ERROR)
            return;
        const DWORD cbData = GetRegionData(m_region.Get(), 0, nullptr);
        if (cbData < sizeof(RGNDATAHEADER))
            return;
        m_data.resize((cbData + sizeof(RECT) - 1) / sizeof(RECT));
        auto* pData = reinterpret_cast<RGNDATA*>(m_data.data());
        if (GetRegionData(m_region.Get(), cbData, pData) != cbData)
            return;
        m_pRects = reinterpret_cast<const RECT*>(pData->Buffer);
        m_nRects = static_cast<int>(pData->rdh.nCount);
    }

    bool IsKnown() const { return m_pRects != nullptr; }
    PaintArea Area() const { return PaintArea{m_region.Get(), m_pRects, m_nRects}; }

private:
    CUniqueRegion m_region;
    std::vector<RECT> m_data;   // the region's data, aligned for its rectangles
    const RECT* m_pRects = nullptr;
    int m_nRects = 0;
};

// Invalidates what differs between the canvas and the state; returns the state's frame.
KeyboardFrame InvalidateChanges(HWND hwnd, const SIZE& size, bool* pbAny)
{
    // Whatever changed the text or moved the caret, the offered words follow it here.
    RefreshWordStrip();
    const KeyboardFrame next = CurrentKeyboardFrame(size.cx, size.cy);
    const KeyboardChanges changes = FindKeyboardChanges(g_canvas.Shown(hwnd, size.cx, size.cy), next);
    if (changes.bAll)
        InvalidateRect(hwnd, nullptr, FALSE);
    for (int i = 0; i < changes.nCount; ++i)
    {
        const ViewRect& rc = changes.aRects[i];
        const RECT rcChanged{rc.left, rc.top, rc.right, rc.bottom};
        InvalidateRect(hwnd, &rcChanged, FALSE);
    }
    *pbAny = changes.bAll || changes.nCount > 0;
    return next;
}

}  // namespace

void RepaintKeyboardChanges(HWND hwnd)
{
    bool bAny = false;
    const KeyboardFrame next = InvalidateChanges(hwnd, ClientSize(hwnd), &bAny);
    if (!bAny)
        return;
    // Nothing changes the state while the control paints.
    g_canvas.Expect(&next);
    UpdateWindow(hwnd);
    g_canvas.Expect(nullptr);
}

void PaintKeyboardControl(HWND hwnd)
{
    const SIZE size = ClientSize(hwnd);
    bool bAny = false;
    const KeyboardFrame* pExpected = g_canvas.TakeExpected();
    // Whatever asked for this paint, everything that changed is in it.
    const KeyboardFrame next = pExpected != nullptr ? *pExpected : InvalidateChanges(hwnd, size, &bAny);
    const bool bKnown = g_canvas.Shown(hwnd, size.cx, size.cy).bKnown;
    CUpdateArea update(hwnd);
    CPaintDc dc(hwnd);
    const HDC hdcCanvas = g_canvas.For(hwnd, dc.Get(), size.cx, size.cy);
    if (hdcCanvas == nullptr)
        return;
    // A canvas that holds nothing known is composed whole and copied whole.
    const RECT rcAll{0, 0, size.cx, size.cy};
    const PaintArea area = bKnown && update.IsKnown() ? update.Area() : PaintArea{nullptr, &rcAll, 1};
    ComposeKeyboard(hdcCanvas, size.cx, size.cy, next, area.hrgn != nullptr ? &area : nullptr, g_canvas.Painter());
    for (int i = 0; i < area.nRects; ++i)
    {
        const RECT& rc = area.pRects[i];
        BitBlt(dc.Get(), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hdcCanvas, rc.left, rc.top, SRCCOPY);
    }
    g_canvas.Show(next);
}

void ReleaseKeyboardCanvas()
{
    g_canvas.Release();
}
