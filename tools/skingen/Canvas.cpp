#include "Canvas.h"

#include <algorithm>
#include <cmath>

Colour MixColour(Colour a, Colour b, int nWeight)
{
    nWeight = std::clamp(nWeight, 0, 255);
    auto mix = [nWeight](int x, int y) { return (x * (255 - nWeight) + y * nWeight + 127) / 255; };
    return MakeColour(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

Colour Gradient::At(double t) const
{
    t = std::clamp(t, 0.0, 1.0);
    return MixColour(top, bottom, static_cast<int>(std::lround(t * 255.0)));
}

CCanvas::CCanvas(int nWidth, int nHeight, Colour fill)
    : m_nWidth(std::max(nWidth, 0)), m_nHeight(std::max(nHeight, 0)),
      m_pixels(static_cast<size_t>(m_nWidth) * m_nHeight, fill)
{
}

void CCanvas::Set(int x, int y, Colour c)
{
    if (x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight)
        m_pixels[static_cast<size_t>(y) * m_nWidth + x] = c;
}

void CCanvas::Blend(int x, int y, Colour c, int nCoverage)
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight || nCoverage <= 0)
        return;
    Colour& pixel = m_pixels[static_cast<size_t>(y) * m_nWidth + x];
    pixel = nCoverage >= 255 ? c : MixColour(pixel, c, nCoverage);
}

void CCanvas::FillRect(const PixelRect& rc, Colour c)
{
    for (int y = std::max(rc.nTop, 0); y < std::min(rc.nBottom, m_nHeight); ++y)
        for (int x = std::max(rc.nLeft, 0); x < std::min(rc.nRight, m_nWidth); ++x)
            m_pixels[static_cast<size_t>(y) * m_nWidth + x] = c;
}

void CCanvas::FillGradient(const PixelRect& rc, const Gradient& g)
{
    const double dSpan = std::max(rc.Height() - 1, 1);
    for (int y = std::max(rc.nTop, 0); y < std::min(rc.nBottom, m_nHeight); ++y)
        FillRect({rc.nLeft, y, rc.nRight, y + 1}, g.At((y - rc.nTop) / dSpan));
}

void CCanvas::FillShape(const PixelRect& rcBounds, const Gradient& g,
                        const std::function<bool(double, double)>& pfnInside)
{
    constexpr int kSamples = 4;
    const double dSpan = std::max(rcBounds.Height() - 1, 1);
    for (int y = std::max(rcBounds.nTop, 0); y < std::min(rcBounds.nBottom, m_nHeight); ++y)
    {
        const Colour c = g.At((y - rcBounds.nTop) / dSpan);
        for (int x = std::max(rcBounds.nLeft, 0); x < std::min(rcBounds.nRight, m_nWidth); ++x)
        {
            int nHits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    if (pfnInside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples))
                        ++nHits;
            Blend(x, y, c, (nHits * 255 + kSamples * kSamples / 2) / (kSamples * kSamples));
        }
    }
}

bool IsInsideRoundRect(const PixelRect& rc, double dRadius, double x, double y)
{
    if (x < rc.nLeft || y < rc.nTop || x > rc.nRight || y > rc.nBottom)
        return false;
    dRadius = std::min({dRadius, rc.Width() / 2.0, rc.Height() / 2.0});
    const double cx = std::clamp(x, rc.nLeft + dRadius, rc.nRight - dRadius);
    const double cy = std::clamp(y, rc.nTop + dRadius, rc.nBottom - dRadius);
    const double dx = x - cx;
    const double dy = y - cy;
    return dx * dx + dy * dy <= dRadius * dRadius;
}

void CCanvas::FillRoundRect(const PixelRect& rc, double dRadius, const Gradient& g)
{
    FillShape(rc, g, [&](double x, double y) { return IsInsideRoundRect(rc, dRadius, x, y); });
}

void CCanvas::FrameRoundRect(const PixelRect& rc, double dRadius, double dWidth, Colour c)
{
    const double dInnerLeft = rc.nLeft + dWidth;
    const double dInnerTop = rc.nTop + dWidth;
    const double dInnerRight = rc.nRight - dWidth;
    const double dInnerBottom = rc.nBottom - dWidth;
    const double dInnerRadius = std::max(dRadius - dWidth, 0.0);
    auto isInsideInner = [&](double x, double y) {
        if (x < dInnerLeft || y < dInnerTop || x > dInnerRight || y > dInnerBottom)
            return false;
        const double cx = std::clamp(x, dInnerLeft + dInnerRadius, dInnerRight - dInnerRadius);
        const double cy = std::clamp(y, dInnerTop + dInnerRadius, dInnerBottom - dInnerRadius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= dInnerRadius * dInnerRadius;
    };
    FillShape(rc, {c, c}, [&](double x, double y) {
        return IsInsideRoundRect(rc, dRadius, x, y) && !isInsideInner(x, y);
    });
}

bool IsInsidePolygon(const std::vector<PointF>& points, double x, double y)
{
    int nWinding = 0;
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i)
    {
        const PointF& a = points[i];
        const PointF& b = points[(i + 1) % n];
        const double dCross = (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y);
        if (a.y <= y)
        {
            if (b.y > y && dCross > 0)
                ++nWinding;
        }
        else if (b.y <= y && dCross < 0)
        {
            --nWinding;
        }
    }
    return nWinding != 0;
}

void CCanvas::FillPolygon(const std::vector<PointF>& points, Colour c)
{
    if (points.size() < 3)
        return;
    double dLeft = points[0].x, dRight = points[0].x, dTop = points[0].y, dBottom = points[0].y;
    for (const PointF& p : points)
    {
        dLeft = std::min(dLeft, p.x);
        dRight = std::max(dRight, p.x);
        dTop = std::min(dTop, p.y);
        dBottom = std::max(dBottom, p.y);
    }
    const PixelRect rc{static_cast<int>(std::floor(dLeft)), static_cast<int>(std::floor(dTop)),
                       static_cast<int>(std::ceil(dRight)) + 1, static_cast<int>(std::ceil(dBottom)) + 1};
    FillShape(rc, {c, c}, [&](double x, double y) { return IsInsidePolygon(points, x, y); });
}

void CCanvas::FillEllipse(double cx, double cy, double rx, double ry, Colour c)
{
    const PixelRect rc{static_cast<int>(std::floor(cx - rx)), static_cast<int>(std::floor(cy - ry)),
                       static_cast<int>(std::ceil(cx + rx)) + 1, static_cast<int>(std::ceil(cy + ry)) + 1};
    FillShape(rc, {c, c}, [&](double x, double y) {
        const double dx = (x - cx) / rx;
        const double dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    });
}

void CCanvas::DrawLine(PointF a, PointF b, double dWidth, Colour c)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double dLength = std::sqrt(dx * dx + dy * dy);
    if (dLength <= 0)
        return;
    // Normal and direction scaled to half the width: the stroke is a rectangle.
    const double nx = -dy / dLength * dWidth / 2;
    const double ny = dx / dLength * dWidth / 2;
    const double ex = dx / dLength * dWidth / 2;
    const double ey = dy / dLength * dWidth / 2;
    FillPolygon({{a.x + nx - ex, a.y + ny - ey}, {b.x + nx + ex, b.y + ny + ey},
                 {b.x - nx + ex, b.y - ny + ey}, {a.x - nx - ex, a.y - ny - ey}}, c);
}

CCanvas CCanvas::Crop(const PixelRect& rc) const
{
    CCanvas out(rc.Width(), rc.Height());
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
        {
            const int sx = rc.nLeft + x;
            const int sy = rc.nTop + y;
            if (sx >= 0 && sy >= 0 && sx < m_nWidth && sy < m_nHeight)
                out.Set(x, y, At(sx, sy));
        }
    return out;
}

void CCanvas::Paste(const CCanvas& src, int x, int y)
{
    for (int sy = 0; sy < src.Height(); ++sy)
        for (int sx = 0; sx < src.Width(); ++sx)
            Set(x + sx, y + sy, src.At(sx, sy));
}
