#include "drawing/ZunPaintLoadSymbols.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/DrawPrimitives.h"
#include "drawing/MarkupText.h"

namespace orv {

namespace {

constexpr double kPi = 3.14159265358979323846;

void Line(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

} // namespace

void DrawFloorLoad(Canvas& canvas, TPoint p1, TPoint p2, double height, double value,
                   bool showLabel, bool labelLeft, const std::string& name, TColor color)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    const int x1 = LimitCoord(p1.X), x2 = LimitCoord(p2.X), y1 = LimitCoord(p1.Y);
    if (height < 4.0 && value > 0) height = 4.0;
    const TColor entryPen = canvas.pen.color, entryFont = canvas.font.color,
                 entryBrush = canvas.brush.color;
    canvas.pen.color = canvas.font.color = color;
    canvas.pen.width = S(1);

    DrawLoadBlock(canvas, p1, p2, height, true);

    if (showLabel && !name.empty()) {
        const std::string text = value != 0 ? name + "= " + FormatFixed(2, value) : name;
        const int w = MarkupTextWidth(canvas, text);
        TRect b;
        if (!labelLeft) {
            const TPoint k{x1 + S(6) + S(15), y1 - S(15)};
            const TPoint e{x1 + S(8) + w + S(15), y1 - S(15)};
            canvas.polyline({{x1 + S(6), y1 - S(5)}, k, e});
            canvas.brush.style = TBrushStyle::Clear;
            MarkupTextOut(canvas, e.X + S(2) - w, k.Y - canvas.textHeight("0"), text, b);
        } else {
            const TPoint k{x2 - S(6) - S(15), y1 - S(15)};
            const TPoint e{x2 - S(8) - S(15) - w, y1 - S(15)};
            canvas.polyline({{x2 - S(6), y1 - S(5)}, k, e});
            canvas.brush.style = TBrushStyle::Clear;
            MarkupTextOut(canvas, k.X + S(2) - w, e.Y - canvas.textHeight("0"), text, b);
        }
    }
    canvas.pen.color = entryPen;
    canvas.font.color = entryFont;
    canvas.brush.color = entryBrush;
}

namespace {

// dir -1: the mark above P, +1: below it.
void LevelMark(Canvas& canvas, TPoint p, const std::string& text, TRect& bounds, int dir)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    p = LimitPoint(p);
    canvas.brush.style = TBrushStyle::Clear;
    const int w = MarkupTextWidth(canvas, text);
    bounds = {p.X - S(5), p.Y, p.X + S(5), p.Y};
    Line(canvas, p.X - S(5), p.Y, p.X + S(5), p.Y);
    Line(canvas, p.X, p.Y + dir * S(25), p.X, p.Y);
    GrowRectByPoint(bounds, {p.X, p.Y + dir * S(25)});
    const TPoint end{p.X + S(5) + w, p.Y + dir * S(10)};
    canvas.moveTo(p.X, p.Y);
    canvas.lineTo(p.X - S(10), p.Y + dir * S(10));
    canvas.lineTo(end.X, end.Y);
    GrowRectByPoint(bounds, {p.X - S(10), p.Y + dir * S(10)});  // the knee sticks out left
    GrowRectByPoint(bounds, end);
    const int ty = dir < 0 ? p.Y - S(10) - canvas.textHeight(text) : p.Y + S(10);
    TRect tb;
    MarkupTextOut(canvas, p.X + S(2), ty, text, tb);
    GrowRectByRect(bounds, tb);
}

} // namespace

void DrawLevelMarkAbove(Canvas& canvas, TPoint p, const std::string& text, TRect& bounds)
{
    LevelMark(canvas, p, text, bounds, -1);
}

void DrawLevelMarkBelow(Canvas& canvas, TPoint p, const std::string& text, TRect& bounds)
{
    LevelMark(canvas, p, text, bounds, +1);
}

void DrawNamedForceArrow(Canvas& canvas, TPoint p, int offset, const std::string& name,
                         double angleDeg, TColor color, bool showLabel, bool labelRight)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    canvas.pen.width = S(1);
    p = LimitPoint(p);
    const TPoint t0{p.X, LimitCoord(double(p.Y) - offset)};
    const int hl = S(12), hw = S(5), sw = S(2), shaft = S(5) + S(15);
    const double rad = angleDeg * kPi / 180.0;
    const TPoint shape[7] = {t0,
                             {t0.X - hw, t0.Y - hl},
                             {t0.X - sw, t0.Y - hl},
                             {t0.X - sw, t0.Y - hl - shaft},
                             {t0.X + sw, t0.Y - hl - shaft},
                             {t0.X + sw, t0.Y - hl},
                             {t0.X + hw, t0.Y - hl}};
    std::vector<TPoint> pts;
    for (const TPoint& q : shape) pts.push_back(RotatePoint(p, q, rad));

    const TColor entryPen = canvas.pen.color, entryBrush = canvas.brush.color;
    canvas.pen.color = canvas.font.color = canvas.brush.color = color;
    canvas.brush.style = TBrushStyle::Solid;
    canvas.polygon(pts);
    canvas.brush.style = TBrushStyle::Clear;

    if (showLabel) {
        const int qx = labelRight ? t0.X + S(2) + S(1) : t0.X - S(2) - canvas.textHeight("Ź") - S(1);
        const TPoint q = RotatePoint(p, {qx, t0.Y - S(12) - S(2)}, rad);
        TPoint o;
        if (angleDeg > 180 || angleDeg < 5)
            o = {q.X, q.Y - S(12)};
        else
            o = RotatePoint(q, {q.X + canvas.unitHeight(), q.Y}, rad);
        TRect b;
        // a box in the background colour keeps the name readable over lines
        WriteOnBox(canvas, entryBrush, color,
                   {o.X, o.Y, o.X + MarkupTextWidth(canvas, name), o.Y + canvas.textHeight("Ź")},
                   [&] { MarkupTextOut(canvas, o.X, o.Y, name, b); });
    }
    canvas.pen.color = canvas.font.color = entryPen;
    canvas.brush.color = entryBrush;
}

void DrawOutlinedLoadArrow(Canvas& canvas, int x, int y, const TDrawingColors& colors,
                           const std::string& text)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    x = LimitCoord(x);
    y = LimitCoord(y);
    const TColor entryPen = canvas.pen.color, entryFont = canvas.font.color,
                 entryBrush = canvas.brush.color;
    canvas.pen.color = canvas.font.color = colors[dcForce];
    const int top = y - S(10) - S(20);
    canvas.polyline({{x, y},
                     {x - S(4), y - S(10)},
                     {x - S(1), y - S(10)},
                     {x - S(1), top},
                     {x + S(1), top},
                     {x + S(1), y - S(10)},
                     {x + S(4), y - S(10)},
                     {x, y}});
    TRect b;
    MarkupTextOut(canvas, x - S(4) - MarkupTextWidth(canvas, text), top - S(2), text, b);
    canvas.pen.color = entryPen;
    canvas.font.color = entryFont;
    canvas.brush.color = entryBrush;
}

void DrawSoilHatching(Canvas& canvas, TPoint p)
{
    struct Stroke { double x1, y1, x2, y2; };
    static constexpr Stroke strokes[11] = {
        {0, 10, 10, 0},     {0, 4, 3, 7},       {3, 0, 6.5, 3.5}, {7, 10, 17, 0},
        {14, 10, 17, 7},    {13.5, 3.5, 20, 10}, {17, 0, 24, 7},  {24, 0, 27.5, 3.5},
        {21, 10, 31, 0},    {28, 10, 38, 0},    {35, 10, 38, 7}};
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    p = LimitPoint(p);
    for (const Stroke& s : strokes)
        Line(canvas, p.X + S(s.x1), p.Y + S(s.y1), p.X + S(s.x2), p.Y + S(s.y2));
}

void DrawMomentSymbol(Canvas& canvas, TPoint p, TColor color, double m, double /*ref*/,
                      int /*reserved*/, const std::string& text, bool inYPlane)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    p = LimitPoint(p);
    const TPoint c{p.X, p.Y - S(1)};
    const int r = S(17), R = S(19);
    const TColor entryPen = canvas.pen.color, entryFont = canvas.font.color,
                 halo = canvas.brush.color;
    canvas.pen.color = canvas.font.color = canvas.brush.color = color;
    canvas.brush.style = TBrushStyle::Clear;

    const int d = inYPlane ? (m >= 0 ? 1 : -1) : (m >= 0 ? -1 : 1);
    const double ratio = R + r > 0 ? double(S(12)) / (R + r) : 0.0;
    const double hd = 2.0 * std::asin(std::min(1.0, ratio)) * 180.0 / kPi;
    const double shear = std::tan(30.0 * kPi / 180.0);
    auto sheared = [&](TPoint q) {
        const int dy = RoundToInt(shear * (c.X - q.X));
        return TPoint{q.X, inYPlane ? q.Y + dy : q.Y - dy};
    };
    auto at = [&](double deg, double radius) {
        const double a = deg * kPi / 180.0;
        return sheared({c.X - RoundToInt(std::cos(a) * radius * d),
                        c.Y - RoundToInt(std::sin(a) * radius)});
    };

    const std::vector<TPoint> head = {at(180, RoundToInt((r + R) * 0.5)),
                                      at(180 - hd, S(4) + R), at(180 - hd, r - S(6))};
    std::vector<TPoint> arc;
    for (int k = 0; k <= 5; ++k) arc.push_back(at(22 + k * (180 - hd - 22) / 5, r));
    // a halo in the background colour keeps the arrow visible on a fill of its own colour
    canvas.pen.color = halo;
    canvas.pen.width = S(4);
    canvas.polygon(head);
    canvas.pen.width = S(9);
    canvas.polyline(arc);
    canvas.pen.color = color;
    canvas.pen.width = S(1);
    canvas.brush.style = TBrushStyle::Solid;
    canvas.polygon(head);
    canvas.brush.style = TBrushStyle::Clear;
    canvas.polygon(head);

    canvas.pen.width = S(5);
    canvas.polyline(arc);

    const std::string label = text.empty() ? FormatFixed(2, std::fabs(m)) : text;
    const int ly = c.Y + S(3) - R - canvas.textHeight(label);
    TPoint lp;
    if (inYPlane) {
        lp = sheared({c.X + S(5), ly});
        lp.Y -= S(4);
    } else {
        lp = sheared({c.X - S(5) - canvas.textWidth(label), ly});
        lp.Y += S(6);
    }
    // the value stands clear above the arc and the head (the stroke is S(5) wide)
    const int lw = canvas.textWidth(label), lh = canvas.textHeight(label);
    int clear = lp.Y + lh;
    auto keepAbove = [&](TPoint a, TPoint z) {
        for (int k = 0; k <= 8; ++k) {
            const int x = a.X + (z.X - a.X) * k / 8, y = a.Y + (z.Y - a.Y) * k / 8;
            if (x >= lp.X - S(3) && x <= lp.X + lw + S(3)) clear = std::min(clear, y - S(4));
        }
    };
    for (std::size_t k = 1; k < arc.size(); ++k) keepAbove(arc[k - 1], arc[k]);
    for (std::size_t k = 0; k < head.size(); ++k) keepAbove(head[k], head[(k + 1) % head.size()]);
    lp.Y = std::min(lp.Y, clear - lh);
    TRect b;
    WriteOnBox(canvas, halo, color, {lp.X, lp.Y, lp.X + MarkupTextWidth(canvas, label), lp.Y + lh},
               [&] { MarkupTextOut(canvas, lp.X, lp.Y, label, b); });
    canvas.pen.color = entryPen;
    canvas.font.color = entryFont;
    canvas.pen.width = S(1);
}

double LoadCompilationUnitFactor(int unit)
{
    switch (unit) {
    case 1: return 0.01;
    case 2: return 0.001;
    default: return 1.0;
    }
}

TLoadCompilation LoadCompilationInMetres(const TLoadCompilation& loads)
{
    TLoadCompilation l = loads;
    l.b = l.b * LoadCompilationUnitFactor(l.bUnit);
    l.bUnit = 0;
    for (int e = 0; e < 10; ++e) {
        l.h[e] = l.h[e] * LoadCompilationUnitFactor(l.Unit_h[e]);
        l.t[e] = l.t[e] * LoadCompilationUnitFactor(l.Unit_t[e]);
        l.bs[e] = l.bs[e] * LoadCompilationUnitFactor(l.Unit_bs[e]);
        l.lo_L[e] = l.lo_L[e] * LoadCompilationUnitFactor(l.Unit_lo_L[e]);
        l.lo_P[e] = l.lo_P[e] * LoadCompilationUnitFactor(l.Unit_lo_P[e]);
        l.hw[e] = l.hw[e] * LoadCompilationUnitFactor(l.Unit_hw[e]);
        l.tw[e] = l.tw[e] * LoadCompilationUnitFactor(l.Unit_tw[e]);
        l.Unit_h[e] = l.Unit_t[e] = l.Unit_bs[e] = l.Unit_lo_L[e] = l.Unit_lo_P[e] = 0;
        l.Unit_hw[e] = l.Unit_tw[e] = 0;
    }
    return l;
}

} // namespace orv
