#pragma once
#include "Canvas.h"
#include "support/GdiHandles.h"

#include <string>

// Draws anti-aliased text onto a canvas with GDI. The text is rendered white on
// black into a DIB section with the font's own hinting (crisp at key-label sizes);
// its brightness is the coverage with which the colour is blended onto the
// canvas: smooth edges in any colour over any background.
class CTextPainter
{
public:
    CTextPainter();

    // False when the face is not installed (the artwork would silently change).
    bool IsReady() const { return m_bReady; }

    // Draws the text centred on (cx, cy): across by its ink, down by the band of a
    // capital letter, so signs keep their place above the baseline. nEm is the character
    // height in pixels. Returns the width of the ink in pixels (0 for no ink).
    double DrawCentred(CCanvas& canvas, const std::wstring& text, double cx, double cy, int nEm,
                       bool bBold, Colour colour, bool bCondensed = false);

    // The ink width and height the text would have.
    void Measure(const std::wstring& text, int nEm, bool bBold, bool bCondensed, double& dWidth,
                 double& dHeight);

    // The largest character height, at most nEm, at which the text's ink fits dMaxWidth.
    int FitHeight(const std::wstring& text, int nEm, bool bBold, bool bCondensed, double dMaxWidth);

private:
    struct Mask
    {
        int nWidth = 0;
        int nHeight = 0;
        std::basic_string<unsigned char> coverage;  // kOversample samples a pixel each way
        int nInkLeft = 0, nInkTop = 0, nInkRight = 0, nInkBottom = 0;  // exclusive right/bottom
        bool HasInk() const { return nInkRight > nInkLeft; }
    };
    Mask Render(const std::wstring& text, int nEm, bool bBold, bool bCondensed);

    CMemoryDc m_dc;
    bool m_bReady = false;
};

// The face every label is drawn in, found through fontconfig under Wine.
constexpr const wchar_t* kLabelFace = L"DejaVu Sans";
constexpr const wchar_t* kCondensedFace = L"DejaVu Sans Condensed";
