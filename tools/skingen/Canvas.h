#pragma once
#include <cstdint>
#include <functional>
#include <vector>

// A 24-bit picture in memory, 0xRRGGBB per pixel, rows top-down. The skin and the
// resource artwork are painted here with anti-aliased shapes, so that every output
// is computed (never taken from the display) and comes out the same on every run.

using Colour = std::uint32_t;

constexpr Colour MakeColour(int r, int g, int b)
{
    return (static_cast<Colour>(r & 0xFF) << 16) | (static_cast<Colour>(g & 0xFF) << 8) |
           static_cast<Colour>(b & 0xFF);
}
constexpr int RedOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>(c & 0xFF); }

// The colour that the keyboard and the image lists treat as transparent.
constexpr Colour COLOUR_KEY = 0xFF00FF;

// a mixed toward b by nWeight / 255 (0 gives a, 255 gives b).
Colour MixColour(Colour a, Colour b, int nWeight);

struct PixelRect
{
    int nLeft;
    int nTop;
    int nRight;   // exclusive
    int nBottom;  // exclusive
    int Width() const { return nRight - nLeft; }
    int Height() const { return nBottom - nTop; }
};

// Point in pixel units, (0, 0) is the top-left corner of the top-left pixel.
struct PointF { double x; double y; };

// A colour as a function of the vertical position inside a shape (0 top, 1 bottom).
struct Gradient
{
    Colour top;
    Colour bottom;
    Colour At(double t) const;
};

class CCanvas
{
public:
    CCanvas(int nWidth, int nHeight, Colour fill = 0);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    Colour At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_nWidth + x]; }
    void Set(int x, int y, Colour c);
    // Mixes c into the pixel by nCoverage / 255; pixels outside are ignored.
    void Blend(int x, int y, Colour c, int nCoverage);

    void FillRect(const PixelRect& rc, Colour c);
    void FillGradient(const PixelRect& rc, const Gradient& g);

    // Anti-aliased fill of the area where pfnInside holds, sampled 4 x 4 per pixel,
    // limited to rcBounds; the colour follows the gradient over rcBounds' height.
    void FillShape(const PixelRect& rcBounds, const Gradient& g,
                   const std::function<bool(double, double)>& pfnInside);

    void FillRoundRect(const PixelRect& rc, double dRadius, const Gradient& g);
    // A ring of the given width along the inside of a rounded rectangle.
    void FrameRoundRect(const PixelRect& rc, double dRadius, double dWidth, Colour c);
    void FillPolygon(const std::vector<PointF>& points, Colour c);
    void FillEllipse(double cx, double cy, double rx, double ry, Colour c);
    // A thick straight stroke with square ends.
    void DrawLine(PointF a, PointF b, double dWidth, Colour c);

    // Copies a part of this canvas.
    CCanvas Crop(const PixelRect& rc) const;
    void Paste(const CCanvas& src, int x, int y);

    const std::vector<Colour>& Pixels() const { return m_pixels; }

private:
    int m_nWidth;
    int m_nHeight;
    std::vector<Colour> m_pixels;
};

// True when (x, y) lies inside the rounded rectangle.
bool IsInsideRoundRect(const PixelRect& rc, double dRadius, double x, double y);
// Non-zero winding test.
bool IsInsidePolygon(const std::vector<PointF>& points, double x, double y);
