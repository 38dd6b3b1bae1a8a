#include "BannerArt.h"

#include "Glyphs.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const wchar_t* kProductName = L"Brevanto Keyboard";
constexpr const wchar_t* kVersion = L"Version 1.0";
constexpr const wchar_t* kTagline = L"Finger-sized typing";

// The mark: a raised key cap bearing the initial, as if just pressed.
void PaintMark(CCanvas& canvas, double cx, double cy, double dSize, CTextPainter& text)
{
    const double h = dSize / 2;
    const PixelRect rc{static_cast<int>(std::lround(cx - h)), static_cast<int>(std::lround(cy - h)),
                       static_cast<int>(std::lround(cx + h)), static_cast<int>(std::lround(cy + h))};
    const int nDrop = std::max(static_cast<int>(std::lround(dSize * 0.06)), 1);
    canvas.FillRoundRect({rc.nLeft, rc.nTop + nDrop, rc.nRight, rc.nBottom + nDrop}, dSize * 0.22, {0x0B1A2E, 0x0B1A2E});
    canvas.FillRoundRect(rc, dSize * 0.22, {0xFFFFFF, 0xDCE3EC});
    const int nInset = std::max(static_cast<int>(std::lround(dSize * 0.1)), 2);
    canvas.FillRoundRect({rc.nLeft + nInset, rc.nTop + nInset, rc.nRight - nInset, rc.nBottom - nInset},
                         dSize * 0.14, {0x6BB2FF, 0x2D6CC9});
    text.DrawCentred(canvas, L"B", cx, cy, static_cast<int>(dSize * 0.62), true, 0xFFFFFF);
}

}  // namespace

CCanvas PaintBanner(int nWidth, int nHeight, int nSafeWidth, CTextPainter& text)
{
    CCanvas canvas(nWidth, nHeight);
    canvas.FillGradient({0, 0, nWidth, nHeight}, {0x2B5388, 0x0F2442});
    // A soft light band across the top and a thin accent line at the bottom.
    canvas.FillGradient({0, 0, nWidth, nHeight / 2}, {0x3A679F, 0x24497A});
    canvas.FillRect({0, nHeight - std::max(nHeight / 30, 2), nWidth, nHeight}, 0xF5A623);

    const double dMark = nHeight * 0.66;
    const int nNameEm = static_cast<int>(nHeight * 0.36);
    const int nSmallEm = static_cast<int>(nHeight * 0.2);
    double dNameWidth = 0, dNameHeight = 0;
    text.Measure(kProductName, nNameEm, true, false, dNameWidth, dNameHeight);
    const double dGap = nHeight * 0.2;
    // Mark and name side by side, centred in the safe area; shrink the name if needed.
    int nEm = nNameEm;
    double dTotal = dMark + dGap + dNameWidth;
    if (dTotal > nSafeWidth * 0.94)
    {
        nEm = text.FitHeight(kProductName, nNameEm, true, false, nSafeWidth * 0.94 - dMark - dGap);
        text.Measure(kProductName, nEm, true, false, dNameWidth, dNameHeight);
        dTotal = dMark + dGap + dNameWidth;
    }
    const double dLeft = (nWidth - dTotal) / 2;
    PaintMark(canvas, dLeft + dMark / 2, nHeight * 0.47, dMark, text);
    const double dTextCentre = dLeft + dMark + dGap + dNameWidth / 2;
    text.DrawCentred(canvas, kProductName, dTextCentre, nHeight * 0.36, nEm, true, 0xFFFFFF);
    text.DrawCentred(canvas, std::wstring(kVersion) + L"  \u00B7  " + kTagline, dTextCentre, nHeight * 0.72,
                     std::min(nSmallEm, nEm * 6 / 10), false, 0xC9D8EC);
    return canvas;
}
