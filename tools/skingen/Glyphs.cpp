#include "Glyphs.h"

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

    // A pointing hand coming from the top right: index finger down onto a key.
    const std::vector<PointF> handShape =
        Placed({{-1, 2}, {-3.2, 1}, {-3.2, -10}, {-1.4, -12}, {0.6, -10.5}, {0.8, -14.5}, {5, -19}, {15, -19},
                {15, -7}, {10, -3}, {1.5, -3}, {1.5, 1}},
               cx, cy, dUnit);
    const std::vector<PointF> handInner =
        Placed({{-1.2, 0.6}, {-2.1, 0.1}, {-2.1, -9.6}, {-1.4, -10.6}, {-0.4, -9.9}, {-0.2, -14}, {5.4, -18},
                {14, -18}, {14, -7.4}, {9.6, -4}, {0.5, -4}, {0.5, 0.4}},
               cx, cy, dUnit);
    canvas.FillPolygon(handShape, handEdge);
    canvas.FillPolygon(handInner, hand);
    // Knuckle lines of the folded fingers.
    for (int i = 0; i < 3; ++i)
        canvas.DrawLine({cx + (4.5 + i * 3) * dUnit, cy - 9.5 * dUnit}, {cx + (4.5 + i * 3) * dUnit, cy - 5 * dUnit},
                        0.7 * dUnit, handEdge);
}
