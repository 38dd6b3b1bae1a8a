#include "TextPainter.h"

#include "support/DibSection.h"

#include <cmath>
#include <cwchar>

namespace {

// Samples per pixel each way. 1 keeps the hinting that GDI fits to the real pixel
// grid, which small labels need; higher values trade it for smoother curves.
constexpr int kOversample = 1;

CUniqueFont MakeFont(int nEm, bool bBold, bool bCondensed)
{
    return CUniqueFont(CreateFontW(-nEm * kOversample, 0, 0, 0, bBold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                   DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                   DEFAULT_PITCH, bCondensed ? kCondensedFace : kLabelFace));
}

}  // namespace

CTextPainter::CTextPainter() : m_dc(CreateCompatibleDC(nullptr))
{
    if (!m_dc)
        return;
    bool bAll = true;
    for (const wchar_t* pszFace : {kLabelFace, kCondensedFace})
    {
        CUniqueFont font = MakeFont(12, false, pszFace == kCondensedFace);
        CSelectObject select(m_dc.Get(), font.Get());
        wchar_t szFace[LF_FACESIZE] = {};
        GetTextFaceW(m_dc.Get(), LF_FACESIZE, szFace);
        if (wcscmp(szFace, pszFace) != 0)
            bAll = false;
    }
    m_bReady = bAll;
}

CTextPainter::Mask CTextPainter::Render(const std::wstring& text, int nEm, bool bBold, bool bCondensed)
{
    Mask mask;
    CUniqueFont font = MakeFont(nEm, bBold, bCondensed);
    CSelectObject selectFont(m_dc.Get(), font.Get());
    SIZE size{};
    GetTextExtentPoint32W(m_dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    const int nPad = (nEm / 4 + 2) * kOversample;  // room for bold overhangs
    mask.nWidth = size.cx + 2 * nPad;
    mask.nHeight = size.cy + 2 * nPad;

    void* pBits = nullptr;
    CUniqueBitmap bitmap(CreateDib32(m_dc.Get(), mask.nWidth, mask.nHeight, true, &pBits));
    if (!bitmap)
        return Mask{};
    CSelectObject selectBitmap(m_dc.Get(), bitmap.Get());
    std::fill_n(static_cast<std::uint32_t*>(pBits), static_cast<size_t>(mask.nWidth) * mask.nHeight, 0u);
    SetBkMode(m_dc.Get(), TRANSPARENT);
    SetTextColor(m_dc.Get(), RGB(255, 255, 255));
    SetTextAlign(m_dc.Get(), TA_LEFT | TA_TOP);
    TextOutW(m_dc.Get(), nPad, nPad, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();

    const auto* pPixels = static_cast<const std::uint32_t*>(pBits);
    mask.coverage.resize(static_cast<size_t>(mask.nWidth) * mask.nHeight);
    mask.nInkLeft = mask.nWidth;
    mask.nInkTop = mask.nHeight;
    for (int y = 0; y < mask.nHeight; ++y)
        for (int x = 0; x < mask.nWidth; ++x)
        {
            const unsigned char value = static_cast<unsigned char>((pPixels[y * mask.nWidth + x] >> 8) & 0xFF);
            mask.coverage[static_cast<size_t>(y) * mask.nWidth + x] = value;
            if (value != 0)
            {
                mask.nInkLeft = std::min(mask.nInkLeft, x);
                mask.nInkTop = std::min(mask.nInkTop, y);
                mask.nInkRight = std::max(mask.nInkRight, x + 1);
                mask.nInkBottom = std::max(mask.nInkBottom, y + 1);
            }
        }
    if (!mask.HasInk())
        mask.nInkLeft = mask.nInkTop = 0;
    return mask;
}

void CTextPainter::Measure(const std::wstring& text, int nEm, bool bBold, bool bCondensed, double& dWidth,
                           double& dHeight)
{
    const Mask mask = Render(text, nEm, bBold, bCondensed);
    dWidth = static_cast<double>(mask.nInkRight - mask.nInkLeft) / kOversample;
    dHeight = static_cast<double>(mask.nInkBottom - mask.nInkTop) / kOversample;
}

int CTextPainter::FitHeight(const std::wstring& text, int nEm, bool bBold, bool bCondensed, double dMaxWidth)
{
    for (; nEm > 4; --nEm)
    {
        double dWidth = 0, dHeight = 0;
        Measure(text, nEm, bBold, bCondensed, dWidth, dHeight);
        if (dWidth <= dMaxWidth)
            break;
    }
    return nEm;
}

double CTextPainter::DrawCentred(CCanvas& canvas, const std::wstring& text, double cx, double cy, int nEm,
                                 bool bBold, Colour colour, bool bCondensed)
{
    const Mask mask = Render(text, nEm, bBold, bCondensed);
    if (!mask.HasInk())
        return 0;
    // Mask sample (mx, my) lands on canvas sample (mx + nShiftX, my + nShiftY), in
    // thirds of a pixel, so that the middle of the ink falls on (cx, cy).
    // Across, the ink is centred; down, the band of a capital letter is, so that signs
    // keep their height above the baseline ("-" in the middle, "_" at the bottom).
    const Mask capital = Render(L"H", nEm, bBold, bCondensed);
    const double dInkMidX = (mask.nInkLeft + mask.nInkRight) / 2.0;
    const double dInkMidY = capital.HasInk() ? (capital.nInkTop + capital.nInkBottom) / 2.0
                                             : (mask.nInkTop + mask.nInkBottom) / 2.0;
    const int nShiftX = static_cast<int>(std::lround(cx * kOversample - dInkMidX));
    const int nShiftY = static_cast<int>(std::lround(cy * kOversample - dInkMidY));
    auto floorDiv = [](int a) { return a >= 0 ? a / kOversample : -((-a + kOversample - 1) / kOversample); };
    const int nLeft = floorDiv(mask.nInkLeft + nShiftX);
    const int nTop = floorDiv(mask.nInkTop + nShiftY);
    const int nRight = floorDiv(mask.nInkRight - 1 + nShiftX) + 1;
    const int nBottom = floorDiv(mask.nInkBottom - 1 + nShiftY) + 1;
    for (int py = nTop; py < nBottom; ++py)
        for (int px = nLeft; px < nRight; ++px)
        {
            int nSum = 0;
            for (int sy = 0; sy < kOversample; ++sy)
                for (int sx = 0; sx < kOversample; ++sx)
                {
                    const int mx = px * kOversample + sx - nShiftX;
                    const int my = py * kOversample + sy - nShiftY;
                    if (mx >= 0 && my >= 0 && mx < mask.nWidth && my < mask.nHeight)
                        nSum += mask.coverage[static_cast<size_t>(my) * mask.nWidth + mx];
                }
            canvas.Blend(px, py, colour, (nSum + kOversample * kOversample / 2) / (kOversample * kOversample));
        }
    return static_cast<double>(mask.nInkRight - mask.nInkLeft) / kOversample;
}
