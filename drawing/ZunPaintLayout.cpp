#include "drawing/ZunPaintLayout.h"

#include <algorithm>
#include <cmath>

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

void Path(Canvas& c, std::initializer_list<TPoint> pts)
{
    auto it = pts.begin();
    c.moveTo(it->X, it->Y);
    for (++it; it != pts.end(); ++it) c.lineTo(it->X, it->Y);
}

struct SavedColors {
    explicit SavedColors(Canvas& c)
        : canvas(c), pen(c.pen.color), font(c.font.color), brush(c.brush.color) {}
    void restore()
    {
        canvas.pen.color = pen;
        canvas.font.color = font;
        canvas.brush.color = brush;
    }
    Canvas& canvas;
    TColor pen, font, brush;
};

bool PositiveFinite(double v) { return std::isfinite(v) && v > 0; }

enum class LabelPlace { Left, Right, Tail };

void ForceArrow(Canvas& canvas, TPoint p, int offset, double value, double maxValue,
                double angle, TColor color, bool showLabel, LabelPlace place,
                const std::string& label, bool markup)
{
    const TColor entryPen = canvas.pen.color, entryBrush = canvas.brush.color;
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    canvas.pen.width = S(1);
    p = LimitPoint(p);
    offset = std::clamp(offset, -kDrawLimit, kDrawLimit);
    const int hl = S(12), sw = S(2);
    const TForceArrowShape shape = ForceArrowShape(canvas, p, offset, value, maxValue,
                                                   markup ? std::string() : label);
    const double rad = angle * kPi / 180.0;
    std::vector<TPoint> pts;
    for (const TPoint& q : shape.points) pts.push_back(RotatePoint(p, q, rad));

    canvas.pen.color = canvas.font.color = canvas.brush.color = color;
    canvas.brush.style = TBrushStyle::Solid;
    canvas.polygon(pts);
    canvas.brush.style = TBrushStyle::Clear;

    if (showLabel) {
        // The label reads along the shaft, beside the arrow's widest part
        // (the head) on the chosen side, from S(14) behind the head, or on
        // the shaft's line beyond the tail; worked out on the arrow pointing
        // down and turned with it, then written upright.
        const TPoint p1 = shape.points[1];
        const int hw = S(5), th = canvas.textHeight("Ź");
        const int w = markup ? MarkupTextWidth(canvas, label) : canvas.textWidth(label);
        const int bx = shape.points[0].X;
        double across = bx, along = 0;
        if (place == LabelPlace::Tail) {
            int top = shape.points[0].Y;
            for (const TPoint& q : shape.points) top = std::min(top, q.Y);
            along = top - S(3) - w / 2.0;
        } else {
            across = place == LabelPlace::Right ? bx + hw + S(3) + th / 2.0 : bx - hw - S(3) - th / 2.0;
            // an arrow turned to point up (a reaction at the foot of a
            // scheme) has its value from the tip on, beside the head
            const bool up = std::cos(rad) < 0;
            const int start = value < 0 ? p1.Y + sw + shape.length : up ? shape.points[0].Y : p1.Y - hl - sw;
            along = start - w / 2.0;
        }
        const TPoint c = RotatePoint(p, {RoundToInt(across), RoundToInt(along)}, rad);
        double textAngle = angle + 90;
        while (textAngle > 90) textAngle -= 180;
        while (textAngle <= -90) textAngle += 180;
        if (textAngle < 0) textAngle += 360;
        const double ta = textAngle * kPi / 180.0;
        const TPoint o{RoundToInt(c.X - std::cos(ta) * w / 2.0 - std::sin(ta) * th / 2.0),
                       RoundToInt(c.Y + std::sin(ta) * w / 2.0 - std::cos(ta) * th / 2.0)};
        TRect b;
        WriteOnBox(canvas, entryBrush, color, o, w, th, textAngle, [&] {
            if (markup)
                MarkupTextOutRotated(canvas, o, label, b, ' ', textAngle);
            else
                TextOutRotated(canvas, o, label, b, ' ', textAngle);
        });
    }
    canvas.pen.color = canvas.font.color = entryPen;
    canvas.brush.color = entryBrush;
}

} // namespace

void DrawDistributedLoad(Canvas& canvas, TPoint p1, TPoint p2, double height, double value,
                         bool showLabel, bool labelLeft, const std::string& name, TColor color)
{
    if (height < 4.0 && value > 0) height = 4.0;
    SavedColors saved(canvas);
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    canvas.pen.color = canvas.font.color = color;
    canvas.pen.width = S(1);
    const int y = LimitCoord(p1.Y), x1 = LimitCoord(p1.X), x2 = LimitCoord(p2.X);
    DrawLoadBlock(canvas, p1, p2, height, false);

    if (showLabel) {
        const std::string t = value != 0 ? name + "= " + FormatFixed(2, value) : name;
        const int w = MarkupTextWidth(canvas, t);
        TRect b;
        if (!labelLeft) {
            const TPoint a{x2 + S(6), y - S(15)}, bp{x2 + S(8) + w, y - S(15)};
            Path(canvas, {{a.X - S(15), y - S(5)}, a, bp});
            canvas.brush.style = TBrushStyle::Clear;
            MarkupTextOut(canvas, a.X + S(2), MarkupTopAboveLine(canvas, a.Y), t, b);
        } else {
            const TPoint a{x1 - S(6), y - S(15)}, bp{x1 - S(8) - w, y - S(15)};
            Path(canvas, {{a.X + S(15), y - S(5)}, a, bp});
            canvas.brush.style = TBrushStyle::Clear;
            MarkupTextOut(canvas, bp.X + S(2), MarkupTopAboveLine(canvas, a.Y), t, b);
        }
    }
    saved.restore();
}

void DrawHorizontalLoadBand(Canvas& canvas, TPoint p1, TPoint p2, double value, TColor color,
                            const std::string& text)
{
    SavedColors saved(canvas);
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    canvas.pen.width = S(1);
    canvas.pen.color = canvas.font.color = color;
    const int s20 = S(20), s8 = S(8), s3 = S(3);
    // the arrows every S(8) from the band's true top, those within the limit
    long long first, last;
    StepsWithinLimit(p1.Y, (long long)p2.Y - p1.Y, s8, first, last);
    const long long from = p1.Y;
    p1 = LimitPoint(p1);
    p2 = LimitPoint(p2);
    canvas.polygon({p1, p2, {p2.X - s20, p2.Y}, {p1.X - s20, p1.Y}});
    const int x = p1.X, xl = p1.X - s20;
    for (long long i = first; i <= last; ++i) {
        const int y = int(from + (long long)s8 * i);
        if (value > 0) {
            Line(canvas, xl, y, x, y);
            Path(canvas, {{x, y}, {x - s8, y + s3}, {x - s8, y - s3}, {x, y}});
        } else {
            Line(canvas, x, y, xl, y);
            Path(canvas, {{xl, y}, {xl + s8, y + s3}, {xl + s8, y - s3}, {xl, y}});
        }
    }
    if (s20 > 0) {
        if (value > 0) {
            Path(canvas, {p1, {p1.X - s8, p1.Y + s3}, {p1.X - s8, p1.Y}});
            Path(canvas, {p2, {p2.X - s8, p2.Y - s3}, {p2.X - s8, p2.Y}});
        } else {
            Path(canvas, {{xl, p1.Y}, {xl + s8, p1.Y + s3}, {xl + s8, p1.Y}});
            Path(canvas, {{p2.X - s20, p2.Y}, {p2.X - s20 + s8, p2.Y - s3},
                          {p2.X - s20 + s8, p2.Y}});
        }
    }
    canvas.brush.style = TBrushStyle::Clear;
    const std::string label = text.empty() ? FormatFixed(3, value) : text;
    const int w = MarkupTextWidth(canvas, label + " ");
    TRect b;
    MarkupTextOut(canvas, LimitCoord(double(p1.X) - s20 - w - S(1)), (p1.Y + p2.Y) / 2, label, b);
    saved.restore();
}

TForceArrowShape ForceArrowShape(Canvas& canvas, TPoint p, int offset, double value,
                                 double maxValue, const std::string& label)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    double m = std::fabs(maxValue);
    if (m == 0) m = 1.0;
    const int hw = S(5), hl = S(12), sf = S(5), sv = S(25), sw = S(2);
    const TPoint b{LimitCoord(p.X), LimitCoord(double(p.Y) - offset)};
    TForceArrowShape s;
    if (value >= 0) {
        const int l = LimitCoord(value / m * sv, 0, kDrawLimit);
        const TPoint pts[7] = {b,
                               {b.X - hw, b.Y - hl},
                               {b.X - sw, b.Y - hl},
                               {b.X - sw, b.Y - hl - sf - l},
                               {b.X + sw, b.Y - hl - sf - l},
                               {b.X + sw, b.Y - hl},
                               {b.X + hw, b.Y - hl}};
        std::copy(pts, pts + 7, s.points);
    } else {
        const int l = LimitCoord(-value / m * sv, 0, kDrawLimit);
        // the arrow is at least as long as its label
        const int d = std::max(l + sf + hl, canvas.textWidth(label) + hl);
        const TPoint pts[7] = {{b.X, b.Y - d},
                               {b.X - hw, b.Y + hl - d},
                               {b.X - sw, b.Y + hl - d},
                               {b.X - sw, b.Y + l + sf + hl - d},
                               {b.X + sw, b.Y + l + sf + hl - d},
                               {b.X + sw, b.Y + hl - d},
                               {b.X + hw, b.Y + hl - d}};
        std::copy(pts, pts + 7, s.points);
        s.length = d;
    }
    return s;
}

void DrawForceArrow(Canvas& canvas, TPoint p, int offset, double value, double maxValue,
                    double angle, TColor color, bool showLabel, int digits, bool labelSide)
{
    ForceArrow(canvas, p, offset, value, maxValue, angle, color, showLabel,
               labelSide ? LabelPlace::Right : LabelPlace::Left, FormatFixed(digits, std::fabs(value)), false);
}

void DrawForceArrowLabelAtTail(Canvas& canvas, TPoint p, int offset, double value, double maxValue,
                               double angle, TColor color, int digits)
{
    ForceArrow(canvas, p, offset, value, maxValue, angle, color, true, LabelPlace::Tail,
               FormatFixed(digits, std::fabs(value)), false);
}

void DrawForceArrowMarkup(Canvas& canvas, TPoint p, int offset, const std::string& text,
                          double angle, TColor color, bool showLabel, bool labelSide)
{
    ForceArrow(canvas, p, offset, 1.0, 1.0, angle, color, showLabel,
               labelSide ? LabelPlace::Right : LabelPlace::Left, text, true);
}

bool WallDrawingLayout(Canvas& canvas, TPoint size, int leftOff, double w, double h, int topOff,
                       bool b1, bool b2, bool b3, bool top, bool r1, bool r2, bool r3,
                       double& scale, int& x0, int& y0)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    const int mr = 20 + 15 * (int(r1) + int(r2) + int(r3));
    const int mb = 20 + 15 * (int(b1) + int(b2) + int(b3));
    const int mt = top ? 27 : 7;
    scale = 0;
    x0 = leftOff + S(15);
    y0 = topOff + S(mt);
    if (!PositiveFinite(w) || !PositiveFinite(h)) return false;
    const double s = std::min((size.X - S(mr + 15) - leftOff) / w,
                              (size.Y - S(mb + mt) - topOff) / h);
    if (!PositiveFinite(s)) return false;
    scale = s;
    x0 = leftOff + S(15) + (size.X - S(mr + 15) - leftOff - RoundToInt(s * w)) / 2;
    y0 = topOff + S(mt) + (size.Y - S(mt + mb) - topOff - RoundToInt(s * h)) / 2;
    return true;
}

bool ColumnDrawingLayout(Canvas& canvas, TPoint size, int topOff, double w, double h, bool b1,
                         bool b2, bool top, bool r1, bool r2, bool r3, double& scale, int& x0,
                         int& y0)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    const int mr = 20 + 15 * (int(r1) + int(r2) + int(r3));
    const int mb = 20 + 15 * (int(b1) + int(b2));
    const int mt = top ? 15 : 0;
    scale = 0;
    x0 = S(15);
    y0 = topOff + S(mt);
    if (!PositiveFinite(w) || !PositiveFinite(h)) return false;
    const double s = std::min((size.X - S(mr + 15)) / w, (size.Y - S(mb + 15 + mt) - topOff) / h);
    if (!PositiveFinite(s)) return false;
    scale = s;
    x0 = S(15) + (size.X - S(15 + mr) - RoundToInt(s * w)) / 2;
    y0 = topOff + S(mt) + (size.Y - S(15 + mb) - RoundToInt(s * h)) / 2;
    return true;
}

} // namespace orv
