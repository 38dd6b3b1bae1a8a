#include "keyboard/KeyImagePainter.h"

#include "support/DisplayMetrics.h"

#include <utility>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Sets a DC's text and background colours for the life of the object.
class CColours
{
public:
    CColours(HDC hdc, COLORREF crText, COLORREF crBack)
        : m_hdc(hdc), m_crText(SetTextColor(hdc, crText)), m_crBack(SetBkColor(hdc, crBack)) {}
    ~CColours()
    {
        SetTextColor(m_hdc, m_crText);
        SetBkColor(m_hdc, m_crBack);
    }
    CColours(const CColours&) = delete;
    CColours& operator=(const CColours&) = delete;

private:
    HDC m_hdc;
    COLORREF m_crText;
    COLORREF m_crBack;
};

}  // namespace

bool CKeyImagePainter::MakeDcs(HDC hdc)
{
    if (!m_imageDc)
        m_imageDc.Reset(CreateCompatibleDC(hdc));
    if (!m_maskDc)
        m_maskDc.Reset(CreateCompatibleDC(hdc));
    return m_imageDc && m_maskDc;
}

void CKeyImagePainter::Reset()
{
    m_masks.clear();
    m_maskDc.Reset();
    m_imageDc.Reset();
}

void CKeyImagePainter::CopyRects(HDC hdc, HBITMAP hBitmap, const RECT* pRects, int nRects)
{
    if (hBitmap == nullptr || !MakeDcs(hdc))
        return;
    CSelectObject select(m_imageDc.Get(), hBitmap);
    if (!select.Succeeded())
        return;
    for (int i = 0; i < nRects; ++i)
    {
        const RECT& rc = pRects[i];
        BitBlt(hdc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, m_imageDc.Get(), rc.left, rc.top,
               SRCCOPY);
    }
}

HBITMAP CKeyImagePainter::MaskOf(HBITMAP hImage, int nWidth, int nHeight)
{
    for (const Mask& mask : m_masks)
    {
        if (mask.hImage == hImage)
            return mask.mask.Get();
    }
    CUniqueBitmap mask(CreateBitmap(nWidth, nHeight, 1, 1, nullptr));
    CSelectObject selectMask(m_maskDc.Get(), mask.Get());
    if (!selectMask.Succeeded())
        return nullptr;
    // A colour source onto a 1-bit one: pixels of the source's background colour become 1.
    CColours colours(m_imageDc.Get(), kBlack, kMagenta);
    if (!BitBlt(m_maskDc.Get(), 0, 0, nWidth, nHeight, m_imageDc.Get(), 0, 0, SRCCOPY))
        return nullptr;
    m_masks.push_back(Mask{hImage, std::move(mask)});
    return m_masks.back().mask.Get();
}

void CKeyImagePainter::DrawKeyImage(HDC hdc, int x, int y, HBITMAP hImage)
{
    const int nWidth = GetBitmapWidth(hImage) - 1;
    const int nHeight = GetBitmapHeight(hImage) - 1;
    if (nWidth <= 0 || nHeight <= 0 || !MakeDcs(hdc))
        return;
    CSelectObject selectImage(m_imageDc.Get(), hImage);
    if (!selectImage.Succeeded())
        return;
    const HBITMAP hMask = MaskOf(hImage, nWidth, nHeight);
    CSelectObject selectMask(m_maskDc.Get(), hMask);
    if (hMask == nullptr || !selectMask.Succeeded())
        return;
    // (D xor S) and M, xor S: the image where the mask is 0, what was there where it is 1.
    // A 1-bit source is drawn in hdc's text colour for 0 and its background colour for 1.
    CColours colours(hdc, kBlack, kWhite);
    BitBlt(hdc, x, y, nWidth, nHeight, m_imageDc.Get(), 0, 0, SRCINVERT);
    BitBlt(hdc, x, y, nWidth, nHeight, m_maskDc.Get(), 0, 0, SRCAND);
    BitBlt(hdc, x, y, nWidth, nHeight, m_imageDc.Get(), 0, 0, SRCINVERT);
}
