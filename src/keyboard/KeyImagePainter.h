#pragma once
#include <windows.h>

#include "support/GdiHandles.h"

#include <vector>

// Copies skin bitmaps onto the keyboard's canvas: the view background piece by
// piece, and pressed images with their magenta left transparent. A colour-keyed
// copy makes two DCs, a work bitmap and a mask anew every time; this keeps two
// DCs and a 1-bit mask of each image it has drawn, and draws an image with three
// plain blits. Masks are kept by bitmap handle, so an object lives no longer
// than the skin whose images it drew (the keyboard control, or one picture).
class CKeyImagePainter
{
public:
    CKeyImagePainter() = default;
    CKeyImagePainter(const CKeyImagePainter&) = delete;
    CKeyImagePainter& operator=(const CKeyImagePainter&) = delete;

    // Copies the rectangles of hBitmap onto the same places of hdc.
    void CopyRects(HDC hdc, HBITMAP hBitmap, const RECT* pRects, int nRects);
    // Draws hImage at (x, y) without its last row and column, leaving hdc's
    // pixels where the image is magenta.
    void DrawKeyImage(HDC hdc, int x, int y, HBITMAP hImage);
    // Forgets the masks and frees the DCs: the skin may go.
    void Reset();

private:
    bool MakeDcs(HDC hdc);
    HBITMAP MaskOf(HBITMAP hImage, int nWidth, int nHeight);

    struct Mask
    {
        HBITMAP hImage;
        CUniqueBitmap mask;   // 1 where the image is magenta
    };
    CMemoryDc m_imageDc;
    CMemoryDc m_maskDc;
    std::vector<Mask> m_masks;
};
