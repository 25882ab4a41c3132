#include "drawing/DimensionLines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "drawing/DrawPrimitives.h"
#include "drawing/MarkupText.h"

namespace orv {

namespace {

constexpr double kPi = 3.14159265358979323846;

void Line(Canvas& c, TPoint a, TPoint b)
{
    c.moveTo(a.X, a.Y);
    c.lineTo(b.X, b.Y);
}

long long Span(int a, int b) { return std::llabs((long long)a - b); }

int Centred(int x1, int x2, int w)
{
    return LimitCoord(std::min(x1, x2) + double(Span(x1, x2)) / 2.0 - w / 2.0);
}

// The line and the ticks of a horizontal dimension; every end point widens b.
void HorizontalLine(Canvas& canvas, TPoint p1, TPoint p2, TRect* b)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    const int e = p1.X <= p2.X ? S(5) : -S(5);
    auto seg = [&](TPoint a, TPoint z) {
        Line(canvas, a, z);
        if (b) {
            GrowRectByPoint(*b, a);
            GrowRectByPoint(*b, z);
        }
    };
    seg({p1.X - e, p1.Y}, {p2.X + e, p2.Y});
    for (const TPoint& p : {p1, p2}) {
        seg({p.X, p.Y + S(5)}, {p.X, p.Y - S(5)});
        seg({p.X - S(3), p.Y + S(3)}, {p.X + S(4), p.Y - S(4)});
    }
}

// Ordinary end of a horizontal line: cross stroke and slash.
void HorizontalEnd(Canvas& canvas, TPoint p)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    Line(canvas, {p.X, p.Y + S(5)}, {p.X, p.Y - S(5)});
    Line(canvas, {p.X - S(3), p.Y + S(3)}, {p.X + S(4), p.Y - S(4)});
}

void VerticalEnd(Canvas& canvas, TPoint p)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    Line(canvas, {p.X + S(4), p.Y}, {p.X - S(4), p.Y});
    Line(canvas, {p.X - S(3), p.Y - S(3)}, {p.X + S(4), p.Y + S(4)});
}

} // namespace

// The positions below are worked out in 64 bits and held within the drawing
// limit, so that ends far apart cannot overflow.
int DimensionTextLeft(int x1, int x2, int w, char place, int s3, int clearance)
{
    const long long lft = std::min(x1, x2), rgt = std::max(x1, x2);
    if (Span(x1, x2) < (long long)w + clearance) {
        switch (place) {
        case 'L': return LimitCoord(double(lft - w - s3));
        case 'R': return LimitCoord(double(rgt + s3));
        case 'l': return LimitCoord(double(rgt - w - s3));
        case 'r': return LimitCoord(double(lft + s3));
        default: break;
        }
    }
    return Centred(x1, x2, w);
}

int DimensionTextStartY(int y1, int y2, int w, char place, int s3)
{
    if (w > Span(y1, y2)) {
        if (place == 'D') return LimitCoord(double((long long)std::max(y1, y2) + s3 + w));
        if (place == 'U') return LimitCoord(double((long long)std::min(y1, y2) - s3));
    }
    return LimitCoord(std::min(y1, y2) + double(Span(y1, y2)) / 2.0 + w / 2.0);
}

int DimensionMarkupLabelLeft(int x1, int x2, int w, char place, int margin, int s3)
{
    const long long span = Span(x1, x2);
    const long long lft = std::min(x1, x2), rgt = std::max(x1, x2);
    if (place == '1' || place == '2') {
        if ((span - w) / 2 > margin && w <= span) return Centred(x1, x2, w);
        return LimitCoord(double(place == '1' ? lft - w - s3 : rgt + s3));
    }
    if (w > span) {
        if (place == 'L') return LimitCoord(double(lft - w - s3));
        if (place == 'R') return LimitCoord(double(rgt + s3));
    }
    return Centred(x1, x2, w);
}

int ArrowDimensionLabelLeft(int x1, int x2, int w, int wPlaced, char place, int minGap, int s2)
{
    const long long span = Span(x1, x2);
    const long long lft = std::min(x1, x2), rgt = std::max(x1, x2);
    if (place == '1' || place == '2') {
        if ((span - w) / 2 > minGap && w <= span) return Centred(x1, x2, w);
        return LimitCoord(double(place == '1' ? lft - w - s2 : rgt + s2));
    }
    if (w > span) {
        if (place == 'L') return LimitCoord(double(lft - wPlaced - s2));
        if (place == 'R') return LimitCoord(double(rgt + s2));
        return Centred(x1, x2, wPlaced);
    }
    return Centred(x1, x2, w);
}

std::string TrimBlanks(const std::string& text)
{
    std::size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
    return text.substr(b, e - b);
}

namespace {

// Writes a dimension's text whose cell is `cell`, on a box of the halo colour
// when one is given.
void WriteText(Canvas& canvas, const std::optional<TColor>& halo, const TRect& cell,
               const std::function<void()>& write)
{
    if (halo)
        WriteOnBox(canvas, *halo, canvas.font.color, cell, write);
    else
        write();
}

void DimensionH(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place,
                TRect& bounds, const std::optional<TColor>& halo)
{
    p1 = LimitPoint(p1);
    p2 = LimitPoint(p2);
    bounds = {p1.X, p1.Y, p1.X, p1.Y};
    GrowRectByPoint(bounds, p2);
    HorizontalLine(canvas, p1, p2, &bounds);
    const TPoint ext = canvas.textExtent(text);
    // a text fits between the ends when it clears the slash at the left end,
    // which reaches S(4) into the span, and the tick at the right end; one
    // set just after an end clears that end's slash
    const int s5 = SizeUnit(canvas, 5);
    int x = DimensionTextLeft(p1.X, p2.X, ext.X, place, SizeUnit(canvas, 3), 2 * s5);
    if (Span(p1.X, p2.X) < (long long)ext.X + 2 * s5 && (place == 'R' || place == 'r'))
        x += SizeUnit(canvas, 3);
    const int y = p2.Y - ext.Y;
    WriteText(canvas, halo, {x, y, x + ext.X, y + ext.Y}, [&] { canvas.textOut(x, y, text); });
    GrowRectByPoint(bounds, {x, y});
    GrowRectByPoint(bounds, {x + ext.X, y});
}

void DimensionHMarkup(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place,
                      int margin, const std::optional<TColor>& halo)
{
    p1 = LimitPoint(p1);
    p2 = LimitPoint(p2);
    HorizontalLine(canvas, p1, p2, nullptr);
    const int w = MarkupTextWidth(canvas, text);
    const int h = canvas.textHeight("Ź");
    const int x = DimensionMarkupLabelLeft(p1.X, p2.X, w, place, margin, SizeUnit(canvas, 3));
    const int y = p2.Y - h - SizeUnit(canvas, 1);
    TRect b;
    WriteText(canvas, halo, {x, y, x + w, y + h}, [&] { MarkupTextOut(canvas, x, y, text, b); });
}

} // namespace

void DrawDimensionH(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place,
                    TRect& bounds)
{
    DimensionH(canvas, p1, p2, text, place, bounds, std::nullopt);
}

void DrawDimensionH(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place,
                    TRect& bounds, TColor halo)
{
    DimensionH(canvas, p1, p2, text, place, bounds, halo);
}

namespace {

void DimensionV(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place, TRect& bounds,
                const std::optional<TColor>& halo)
{
    p1 = LimitPoint(p1);
    p2 = LimitPoint(p2);
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    bounds = {p1.X, p1.Y, p1.X, p1.Y};
    GrowRectByPoint(bounds, p2);
    auto seg = [&](TPoint a, TPoint z) {
        Line(canvas, a, z);
        GrowRectByPoint(bounds, a);
        GrowRectByPoint(bounds, z);
    };
    auto lines = [&] {
        const int e = p1.Y <= p2.Y ? S(4) : -S(4);
        seg({p1.X, p1.Y - e}, {p2.X, p2.Y + e});
        for (const TPoint& p : {p1, p2}) {
            seg({p.X + S(4), p.Y}, {p.X - S(4), p.Y});
            seg({p.X - S(3), p.Y - S(3)}, {p.X + S(4), p.Y + S(4)});
        }
    };
    // a text on a box goes first, so that the line beside it stays whole
    if (!halo) lines();
    const int s3 = S(3);
    TLogFont lf;
    MakeRotatedLogFont(canvas, lf, 90);
    const TCanvasFont previous = SelectLogFont(canvas, lf);
    const TPoint ext = canvas.textExtent(text);
    const int y = DimensionTextStartY(p1.Y, p2.Y, ext.X, place, s3);
    const TPoint at{p2.X - ext.Y, y};
    if (halo)
        WriteOnBox(canvas, *halo, canvas.font.color, at, ext.X, ext.Y, 90, [&] { canvas.textOut(at.X, at.Y, text); });
    else
        canvas.textOut(at.X, at.Y, text);
    canvas.font = previous;
    if (halo) lines();
}

} // namespace

void DrawDimensionV(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place,
                    TRect& bounds)
{
    DimensionV(canvas, p1, p2, text, place, bounds, std::nullopt);
}

void DrawDimensionV(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place,
                    TRect& bounds, TColor halo)
{
    DimensionV(canvas, p1, p2, text, place, bounds, halo);
}

void DrawDimensionHMarkup(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text,
                          char place, int margin)
{
    DimensionHMarkup(canvas, p1, p2, text, place, margin, std::nullopt);
}

void DrawDimensionHMarkup(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text,
                          char place, int margin, TColor halo)
{
    DimensionHMarkup(canvas, p1, p2, text, place, margin, halo);
}

void DrawDimensionSlantMarkup(Canvas& canvas, TPoint p1, TPoint p2, int dist,
                              const std::string& text, char side, char end)
{
    DrawDimensionSlantMarkup(canvas, p1, p2, dist, text, side, end, std::nullopt);
}

void DrawDimensionSlantMarkup(Canvas& canvas, TPoint p1, TPoint p2, int dist,
                              const std::string& text, char side, char end,
                              const std::optional<TColor>& halo)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    p1 = LimitPoint(p1);
    p2 = LimitPoint(p2);
    dist = std::clamp(dist, -kDrawLimit, kDrawLimit);
    if (p1.Y > p2.Y) std::swap(p1, p2);
    const double a = LineAngle(p1, p2) * 180.0 / kPi;
    const int w = S(2) + MarkupTextWidth(canvas, text);
    const int th = canvas.textHeight(text);
    TPoint q, label;
    if (end == 'U') {
        q = PointAtDistance(p1, S(dist), a + 180);
        Line(canvas, PointAtDistance(p2, S(5), a), q);
        if (side == 'R') {
            Line(canvas, q, {q.X + w, q.Y});
            label = {q.X + S(1), q.Y - th};
        } else {
            Line(canvas, q, {q.X - w, q.Y});
            label = {q.X - w + S(1), q.Y - th};
        }
    } else {
        q = PointAtDistance(p2, S(dist), a);
        Line(canvas, PointAtDistance(p1, S(5), a + 180), q);
        if (side == 'R') {
            Line(canvas, q, {q.X + w, q.Y});
            label = {q.X + S(1), q.Y - th};
        } else {
            Line(canvas, q, {q.X - w - S(2), q.Y});
            label = {q.X - w - S(2), q.Y - th};
        }
    }
    TRect b;
    WriteText(canvas, halo, {label.X, label.Y, label.X + w - S(2), label.Y + th},
              [&] { MarkupTextOut(canvas, label.X, label.Y, text, b); });
    for (const TPoint& p : {p1, p2})
        Line(canvas, PointAtDistance(p, S(5), 90), PointAtDistance(p, S(5), -90));
}

int DrawDimensionHArrow(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place,
                        int minGap, bool arrow1, bool arrow2, const std::optional<TColor>& halo)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    p1 = LimitPoint(p1);
    p2 = LimitPoint(p2);
    const int d = p1.X <= p2.X ? S(5) : -S(5);
    Line(canvas, arrow1 ? p1 : TPoint{p1.X - d, p1.Y}, arrow2 ? p2 : TPoint{p2.X + d, p2.Y});
    if (arrow1) {
        Line(canvas, p1, {p1.X + S(8), p1.Y - S(3)});
        Line(canvas, p1, {p1.X + S(8), p1.Y + S(3)});
    } else {
        HorizontalEnd(canvas, p1);
    }
    if (arrow2) {
        Line(canvas, p2, {p2.X - S(8), p2.Y - S(3)});
        Line(canvas, p2, {p2.X - S(8), p2.Y + S(3)});
    } else {
        HorizontalEnd(canvas, p2);
    }
    const int w = MarkupTextWidth(canvas, text);
    const int th = canvas.textHeight("Ź");
    const int span = std::abs(p1.X - p2.X);
    const int overhang = std::max(0, (w - span) / 2);
    std::string label = text;
    int wPlaced = w, wFit = w;
    // a label fits when it also clears the open arrowheads (S(8) long) on either side
    const int heads = arrow1 || arrow2 ? 2 * S(9) : 0;  // each side of a centred label
    if (place != '1' && place != '2' && w + heads > span) {
        label = TrimBlanks(text);
        wPlaced = MarkupTextWidth(canvas, label);
        wFit = std::max(w, span + 1);
    }
    const int x = ArrowDimensionLabelLeft(p1.X, p2.X, wFit, wPlaced, place, minGap, S(2));
    const int y = p2.Y - th - S(1);
    TRect b;
    WriteText(canvas, halo, {x, y, x + wPlaced, y + th}, [&] { MarkupTextOut(canvas, x, y, label, b); });
    return overhang;
}

void DrawDimensionVArrow(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text,
                         char place, bool arrow1, bool arrow2)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    p1 = LimitPoint(p1);
    p2 = LimitPoint(p2);
    const int d = p1.Y <= p2.Y ? S(4) : -S(4);
    Line(canvas, arrow1 ? p1 : TPoint{p1.X, p1.Y - d}, arrow2 ? p2 : TPoint{p2.X, p2.Y + d});
    if (arrow1) {
        Line(canvas, p1, {p1.X - S(3), p1.Y - S(8)});
        Line(canvas, p1, {p1.X + S(3), p1.Y - S(8)});
    } else {
        VerticalEnd(canvas, p1);
    }
    if (arrow2) {
        Line(canvas, p2, {p2.X - S(3), p2.Y + S(8)});
        Line(canvas, p2, {p2.X + S(3), p2.Y + S(8)});
    } else {
        VerticalEnd(canvas, p2);
    }
    const int w = MarkupTextWidth(canvas, text);
    const int th = canvas.unitHeight();
    TRect b;
    if (place == 'D')
        MarkupTextOutRotated(canvas, {p2.X - th - S(3), std::max(p1.Y, p2.Y) - S(8)}, text, b, 'D', 90);
    else if (place == 'U')
        MarkupTextOutRotated(canvas, {p2.X - th - S(3), std::min(p1.Y, p2.Y) + w + S(8)}, text, b,
                             'U', 90);
    else
        MarkupTextOutRotated(canvas, {p2.X - th, (p1.Y + p2.Y) / 2}, text, b, 'C', 90);
}

} // namespace orv
