#include "Glyphs.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<PointF> Placed(std::initializer_list<PointF> points, double cx, double cy, double dUnit)
{
    std::vector<PointF> out;
    for (const PointF& p : points)
        out.push_back({cx + p.x * dUnit, cy + p.y * dUnit});
    return out;
}

// An up arrow 14 units wide and 15 high around its centre.
std::vector<PointF> ArrowOutline(double cx, double cy, double dUnit, double dInset)
{
    const double i = dInset;
    return Placed({{0, -7.5 + i * 1.4}, {7 - i * 1.4, -0.5 - i * 0.4}, {3 - i, -0.5 - i * 0.4},
                   {3 - i, 7.5 - i}, {-3 + i, 7.5 - i}, {-3 + i, -0.5 - i * 0.4},
                   {-7 + i * 1.4, -0.5 - i * 0.4}},
                  cx, cy, dUnit);
}

}  // namespace

void DrawShiftGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour c)
{
    const std::vector<PointF> outer = ArrowOutline(cx, cy, dUnit, 0);
    const std::vector<PointF> inner = ArrowOutline(cx, cy, dUnit, 1.5);
    const PixelRect rc{static_cast<int>(cx - 8 * dUnit), static_cast<int>(cy - 9 * dUnit),
                       static_cast<int>(cx + 8 * dUnit) + 1, static_cast<int>(cy + 9 * dUnit) + 1};
    canvas.FillShape(rc, {c, c}, [&](double x, double y) {
        return IsInsidePolygon(outer, x, y) && !IsInsidePolygon(inner, x, y);
    });
}

void DrawCapsGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour c)
{
    canvas.FillPolygon(ArrowOutline(cx, cy - 2 * dUnit, dUnit, 0), c);
    canvas.FillPolygon(Placed({{-3, 7.5}, {3, 7.5}, {3, 9.5}, {-3, 9.5}}, cx, cy, dUnit), c);
}

void DrawUpArrowGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour c)
{
    canvas.FillPolygon(ArrowOutline(cx, cy, dUnit, 0), c);
}

void DrawEnterGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour c)
{
    // A stem down from the top right, a bar to the left, and a head pointing left.
    canvas.FillPolygon(Placed({{6, -7}, {8, -7}, {8, 3}, {-3, 3}, {-3, 1}, {6, 1}}, cx, cy, dUnit), c);
    canvas.FillPolygon(Placed({{-9, 2}, {-3, -3.5}, {-3, 7.5}}, cx, cy, dUnit), c);
}

void DrawBackspaceGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour c)
{
    const std::vector<PointF> outer = Placed({{-10, 0}, {-4, -7}, {10, -7}, {10, 7}, {-4, 7}}, cx, cy, dUnit);
    const std::vector<PointF> inner =
        Placed({{-8, 0}, {-3.2, -5.5}, {8.5, -5.5}, {8.5, 5.5}, {-3.2, 5.5}}, cx, cy, dUnit);
    const PixelRect rc{static_cast<int>(cx - 11 * dUnit), static_cast<int>(cy - 8 * dUnit),
                       static_cast<int>(cx + 11 * dUnit) + 1, static_cast<int>(cy + 8 * dUnit) + 1};
    canvas.FillShape(rc, {c, c}, [&](double x, double y) {
        return IsInsidePolygon(outer, x, y) && !IsInsidePolygon(inner, x, y);
    });
    canvas.DrawLine({cx - 0.5 * dUnit, cy - 3 * dUnit}, {cx + 5.5 * dUnit, cy + 3 * dUnit}, 1.6 * dUnit, c);
    canvas.DrawLine({cx - 0.5 * dUnit, cy + 3 * dUnit}, {cx + 5.5 * dUnit, cy - 3 * dUnit}, 1.6 * dUnit, c);
}

void DrawSpaceGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour c)
{
    canvas.FillPolygon(Placed({{-14, -3}, {-12.5, -3}, {-12.5, 2}, {12.5, 2}, {12.5, -3}, {14, -3},
                               {14, 3.5}, {-14, 3.5}},
                              cx, cy, dUnit),
                       c);
}

void DrawKeyboardGlyph(CCanvas& canvas, double cx, double cy, double dUnit, Colour body, Colour keys,
                       Colour hand, Colour handEdge)
{
    // The keyboard: a rounded slab with three rows of keys and a space bar.
    const PixelRect rcBody{static_cast<int>(cx - 20 * dUnit), static_cast<int>(cy - 6 * dUnit),
                           static_cast<int>(cx + 20 * dUnit), static_cast<int>(cy + 16 * dUnit)};
    canvas.FillRoundRect(rcBody, 3 * dUnit, {body, body});
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 8 - (row == 2 ? 2 : 0); ++col)
        {
            const double x = cx - 17.5 * dUnit + col * 4.5 * dUnit + (row == 2 ? 4.5 * dUnit : 0) + row * 1.0 * dUnit;
            const double y = cy - 3.5 * dUnit + row * 4.5 * dUnit;
            canvas.FillRoundRect({static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + 3.5 * dUnit),
                                  static_cast<int>(y + 3.5 * dUnit)},
                                 0.8 * dUnit, {keys, keys});
        }
    canvas.FillRoundRect({static_cast<int>(cx - 9 * dUnit), static_cast<int>(cy + 10 * dUnit),
                          static_cast<int>(cx + 9 * dUnit), static_cast<int>(cy + 13.5 * dUnit)},
                         0.8 * dUnit, {keys, keys});

    // A hand from the top right, its index finger pressing a key: shapes in glyph units,
    // outlined by drawing them a little larger in the edge colour first.
    const auto toUnits = [&](double x, double y) { return PointF{(x - cx) / dUnit, (y - cy) / dUnit}; };
    const auto capsule = [](PointF p, PointF a, PointF b, double r) {
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        const double ex = p.x - (a.x + t * dx), ey = p.y - (a.y + t * dy);
        return ex * ex + ey * ey <= r * r;
    };
    const auto roundBox = [](PointF p, double l, double t, double r, double b, double radius) {
        const double qx = std::clamp(p.x, l + radius, r - radius), qy = std::clamp(p.y, t + radius, b - radius);
        return p.x >= l && p.x <= r && p.y >= t && p.y <= b &&
               (p.x - qx) * (p.x - qx) + (p.y - qy) * (p.y - qy) <= radius * radius;
    };
    const auto isHand = [&](PointF p, double e) {
        return capsule(p, {0, 0.2}, {0, -11}, 2.0 + e) ||                       // index finger
               roundBox(p, -2.2 - e, -18 - e, 12.5 + e, -5.5 + e, 3.5 + e) ||   // back of the hand
               capsule(p, {3.8, -5.8}, {3.8, -4.6}, 1.9 + e) ||                 // curled fingers
               capsule(p, {7.4, -5.8}, {7.4, -4.8}, 1.9 + e) ||
               capsule(p, {10.8, -6.2}, {10.8, -5.4}, 1.8 + e) ||
               capsule(p, {-2.2, -14}, {-4.4, -9.5}, 1.7 + e);                  // thumb
    };
    const auto isCuff = [&](PointF p, double e) { return roundBox(p, 1.5 - e, -24 - e, 14.5 + e, -17.5 + e, 1.5 + e); };
    const PixelRect rcHand{static_cast<int>(cx - 8 * dUnit), static_cast<int>(cy - 26 * dUnit),
                           static_cast<int>(cx + 17 * dUnit), static_cast<int>(cy + 4 * dUnit)};
    canvas.FillShape(rcHand, {handEdge, handEdge}, [&](double x, double y) {
        const PointF p = toUnits(x, y);
        return isHand(p, 0.9) || isCuff(p, 0.9);
    });
    canvas.FillShape(rcHand, {hand, hand}, [&](double x, double y) { return isHand(toUnits(x, y), 0); });
    canvas.FillShape(rcHand, {0x4D86C9, 0x2D5F9E}, [&](double x, double y) { return isCuff(toUnits(x, y), 0); });
}
