#include "drawing/DrawPrimitives.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orv {

namespace {
constexpr double kPi = 3.14159265358979323846;
double Rad(double deg) { return deg * kPi / 180.0; }
} // namespace

int LimitCoord(double v, int lo, int hi)
{
    if (std::isnan(v)) v = 0;
    const double r = RoundHalfEven(v);
    if (r <= lo) return lo;
    if (r >= hi) return hi;
    return int(r);
}

TPoint LimitPoint(TPoint p) { return {LimitCoord(p.X), LimitCoord(p.Y)}; }

TRect DrawingLimits(const TRect& area)
{
    const long long w = std::llabs((long long)area.Right - area.Left);
    const long long h = std::llabs((long long)area.Bottom - area.Top);
    const long long m = std::max(w, h);
    auto lim = [](long long v) { return int(std::clamp<long long>(v, -kDrawLimit, kDrawLimit)); };
    return {lim(std::min(area.Left, area.Right) - m), lim(std::min(area.Top, area.Bottom) - m),
            lim(std::max(area.Left, area.Right) + m), lim(std::max(area.Top, area.Bottom) + m)};
}

void StepsWithinLimit(long long from, long long length, int step, long long& first, long long& last)
{
    const long long s = step == 0 ? 1 : step;
    const long long n = length / s;
    // positions from + s i within [-kDrawLimit, kDrawLimit], for either sign of s
    auto floorDiv = [](long long a, long long b) {
        const long long q = a / b;
        return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
    };
    auto ceilDiv = [&](long long a, long long b) { return -floorDiv(-a, b); };
    long long lo, hi;
    if (s > 0) {
        lo = ceilDiv(-kDrawLimit - from, s);
        hi = floorDiv(kDrawLimit - from, s);
    } else {
        lo = ceilDiv(kDrawLimit - from, s);
        hi = floorDiv(-kDrawLimit - from, s);
    }
    first = std::max(0LL, lo);
    last = std::min(n, hi);
}

void DrawLoadBlock(Canvas& canvas, TPoint p1, TPoint p2, double height, bool arrowsWhenReversed)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    auto line = [&canvas](int x1, int y1, int x2, int y2) {
        canvas.moveTo(x1, y1);
        canvas.lineTo(x2, y2);
    };
    const int y = LimitCoord(p1.Y), x1 = LimitCoord(p1.X), x2 = LimitCoord(p2.X);
    const int top = LimitCoord(double(y) - S(height));
    line(x1, y, x1, y - S(3));
    line(x1, y, x2, y);
    line(x2, y, x2, y - S(3));
    canvas.moveTo(x1, y);
    canvas.lineTo(x1, top);
    canvas.lineTo(x2, top);
    canvas.lineTo(x2, y);
    if (p2.X < p1.X && !arrowsWhenReversed) return;

    const int s6 = S(6);
    const long long from = p1.X, length = (long long)p2.X - p1.X;
    const long long n = length / (s6 == 0 ? 1 : s6);
    long long first, last;
    StepsWithinLimit(from, length, s6, first, last);
    auto at = [&](long long i) { return int(from + (long long)s6 * i); };
    for (long long i = first; i <= last; ++i) line(at(i), y, at(i), top);
    for (long long i = first; i <= std::min(last, n - 1); ++i) line(at(i), y - S(2), at(i) + S(1), y - S(4));
    for (long long i = std::max(first, 1LL); i <= last; ++i) line(at(i), y, at(i) - S(1), y - S(4));
}

int SizeUnitFor(int textHeightA, double n) { return RoundToInt(textHeightA * n / 13.0); }

int SizeUnit(Canvas& canvas, double n) { return SizeUnitFor(canvas.unitHeight(), n); }

int DivBySize(int a, int s) { return a / (s == 0 ? 1 : s); }

TPoint RotatePoint(TPoint centre, TPoint p, double angle)
{
    const double dx = p.X - centre.X, dy = p.Y - centre.Y;
    const double c = std::cos(angle), s = std::sin(angle);
    return {RoundToInt(centre.X + c * dx + s * dy), RoundToInt(centre.Y - s * dx + c * dy)};
}

TPoint PointAtDistance(TPoint p, int dist, double angle)
{
    const double a = Rad(angle);
    return {RoundToInt(p.X + std::cos(a) * dist), RoundToInt(p.Y - std::sin(a) * dist)};
}

double LineAngle(TPoint p1, TPoint p2)
{
    const double dx = double(p2.X) - p1.X, up = double(p1.Y) - p2.Y;
    const double d = std::sqrt(dx * dx + up * up);
    if (d == 0) return 0;
    if (std::fabs(dx) >= std::fabs(up)) {
        if (dx >= 0) return std::asin(up / d);
        return std::asin(-up / d) + kPi;
    }
    // near the vertical the arc cosine is the accurate one
    const double c = std::acos(std::clamp(dx / d, -1.0, 1.0));
    if (dx >= 0) return up >= 0 ? c : -c;
    return up >= 0 ? c : 2 * kPi - c;
}

void GrowRectByPoint(TRect& b, TPoint p)
{
    b.Top = std::min(b.Top, p.Y);
    b.Bottom = std::max(b.Bottom, p.Y);
    b.Left = std::min(b.Left, p.X);
    b.Right = std::max(b.Right, p.X);
}

void GrowRectByRect(TRect& b, const TRect& r)
{
    GrowRectByPoint(b, {r.Left, r.Top});
    GrowRectByPoint(b, {r.Right, r.Bottom});
}

void GrowRectByPoints(TRect& b, const std::vector<TPoint>& points)
{
    for (const TPoint& p : points) GrowRectByPoint(b, p);
}

void MakeRotatedLogFont(Canvas& canvas, TLogFont& lf, double angle)
{
    const TCanvasFont& f = canvas.font;
    lf = TLogFont{};
    lf.height = f.size;
    lf.width = 0;
    lf.escapement = RoundToInt(10 * angle);
    lf.orientation = 0;
    lf.weight = 400;
    lf.italic = false;
    lf.underline = false;
    lf.strikeOut = (f.style & fsStrikeOut) != 0;
    lf.charSet = f.charSet;
    lf.outPrecision = 0;
    lf.clipPrecision = 0;
    lf.quality = 2;
    lf.pitch = f.pitch;
    lf.family = 0;
    lf.faceName = f.name == "MS Sans Serif" ? "Arial" : f.name;
}

TCanvasFont SelectLogFont(Canvas& canvas, const TLogFont& lf)
{
    TCanvasFont previous = canvas.font;
    TCanvasFont f = previous;
    f.name = lf.faceName;
    f.size = lf.height;
    f.style = (lf.weight >= 600 ? fsBold : 0u) | (lf.italic ? fsItalic : 0u) |
              (lf.underline ? fsUnderline : 0u) | (lf.strikeOut ? fsStrikeOut : 0u);
    f.charSet = lf.charSet;
    f.pitch = lf.pitch;
    f.escapement = lf.escapement;
    canvas.font = f;
    return previous;
}

TPoint RotatedTextOrigin(TPoint p, int w, int h, char anchor, double angle)
{
    const double a = Rad(angle), c = std::cos(a), s = std::sin(a);
    switch (anchor) {
    case 'C': return {p.X - RoundToInt(c * w / 2), p.Y + RoundToInt(s * w / 2)};
    case 'O':
        return {p.X - RoundToInt(c * w / 2 + s * h / 2), p.Y + RoundToInt(s * w / 2 - c * h / 2)};
    case 'R': return {p.X - RoundToInt(c * w), p.Y + RoundToInt(s * w)};
    default: return p;
    }
}

void TextOutRotated(Canvas& canvas, TPoint p, const std::string& text, TRect& bounds,
                    char anchor, double angle)
{
    p = LimitPoint(p);
    TLogFont lf;
    MakeRotatedLogFont(canvas, lf, angle);
    const TCanvasFont previous = SelectLogFont(canvas, lf);
    const TPoint ext = canvas.textExtent(text);
    const int w = ext.X, h = ext.Y;
    const TPoint o = RotatedTextOrigin(p, w, h, anchor, angle);
    canvas.textOut(o.X, o.Y, text);
    const double a = Rad(angle), c = std::cos(a), s = std::sin(a);
    bounds = {o.X, o.Y, o.X, o.Y};
    GrowRectByPoint(bounds, {o.X + RoundToInt(c * w) + RoundToInt(s * h),
                             o.Y - RoundToInt(s * w) + RoundToInt(c * h)});
    GrowRectByPoint(bounds, {o.X + RoundToInt(c * w), o.Y - RoundToInt(s * w)});
    GrowRectByPoint(bounds, {o.X + RoundToInt(s * h), o.Y + RoundToInt(c * h)});
    canvas.font = previous;
}

void WriteOnBox(Canvas& canvas, TColor box, TColor color, const TRect& cell, const std::function<void()>& write)
{
    const int s1 = SizeUnit(canvas, 1);
    const TCanvasBrush brush = canvas.brush;
    canvas.brush = {box, TBrushStyle::Solid};
    canvas.fillRect({cell.Left - s1, cell.Top, cell.Right + s1, cell.Bottom});
    canvas.brush = brush;
    canvas.font.color = color;
    write();
}

void WriteOnBox(Canvas& canvas, TColor box, TColor color, TPoint origin, int w, int h, double angle,
                const std::function<void()>& write)
{
    if (angle == 0) {
        WriteOnBox(canvas, box, color, {origin.X, origin.Y, origin.X + w, origin.Y + h}, write);
        return;
    }
    // along the text (c, -s) and down its cell (s, c), counter-clockwise on screen
    const double a = Rad(angle), c = std::cos(a), s = std::sin(a);
    const double s1 = SizeUnit(canvas, 1), s2 = SizeUnit(canvas, 2);
    auto at = [&](double u, double v) {
        return TPoint{RoundToInt(origin.X + c * u + s * v), RoundToInt(origin.Y - s * u + c * v)};
    };
    const TCanvasBrush brush = canvas.brush;
    const TCanvasPen pen = canvas.pen;
    canvas.brush = {box, TBrushStyle::Solid};
    canvas.pen = {box, 1, TPenStyle::Solid, TPenMode::Copy};
    canvas.polygon({at(-s2, -s1), at(w + s2, -s1), at(w + s2, h + s1), at(-s2, h + s1)});
    canvas.brush = brush;
    canvas.pen = pen;
    canvas.font.color = color;
    write();
}

double AxisLineAngle(TPoint p1, TPoint p2)
{
    if (p1.X == p2.X) return 90.0;
    return std::atan(double(p2.Y - p1.Y) / double(p1.X - p2.X)) * 180.0 / kPi;
}

void DrawAxisLine(Canvas& canvas, TPoint p1, TPoint p2, const std::string& name)
{
    DrawAxisLine(canvas, p1, p2, name, true);
}

void DrawAxisLine(Canvas& canvas, TPoint p1, TPoint p2, const std::string& name, bool nameAtStart)
{
    p1 = LimitPoint(p1);
    p2 = LimitPoint(p2);
    const double angle = AxisLineAngle(p1, p2);
    TLogFont lf;
    MakeRotatedLogFont(canvas, lf, angle);
    const TCanvasFont previous = SelectLogFont(canvas, lf);
    const TPoint ext = canvas.textExtent(name);
    // the name stands S(1) clear of the line, so that a descender does not touch it
    const int off = ext.Y + SizeUnit(canvas, 1);
    const TPoint a = PointAtDistance(p1, off, angle + 90);
    if (nameAtStart) canvas.textOut(a.X, a.Y, name);
    const TPoint b = PointAtDistance(PointAtDistance(p2, off, angle + 90), -ext.X, angle);
    canvas.textOut(b.X, b.Y, name);
    canvas.font = previous;

    const TPenStyle style = canvas.pen.style;
    canvas.pen.style = TPenStyle::DashDot;
    canvas.moveTo(p1.X, p1.Y);
    canvas.lineTo(p2.X, p2.Y);
    canvas.pen.style = style;
}

namespace {

// The part [t0, t1] of the distances along a line from p (direction d, of
// length len) that lies within the drawing limit; false when none does.
bool WithinLimitAlong(double p, double d, double len, double& t0, double& t1)
{
    if (d == 0) return p >= -kDrawLimit && p <= kDrawLimit;
    double a = (-kDrawLimit - p) * len / d, b = (kDrawLimit - p) * len / d;
    if (a > b) std::swap(a, b);
    t0 = std::max(t0, a);
    t1 = std::min(t1, b);
    return t0 <= t1;
}

bool InsideLimit(TPoint p)
{
    return p.X >= -kDrawLimit && p.X <= kDrawLimit && p.Y >= -kDrawLimit && p.Y <= kDrawLimit;
}

} // namespace

void DrawDashedLine(Canvas& canvas, TPoint p1, TPoint p2)
{
    const int dash = SizeUnit(canvas, 8);
    const int gap = SizeUnit(canvas, 4) + canvas.pen.width - 1;
    const int step = dash + gap;
    const long long s = step == 0 ? 1 : step;
    const double dx = double(p2.X) - p1.X, dy = double(p2.Y) - p1.Y;
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len <= 0) return;
    const long long n = (long long)RoundHalfEven(len) / s;
    // only the dashes within the drawing limit, when the line runs beyond it
    long long first = 0, last = n;
    if (!InsideLimit(p1) || !InsideLimit(p2)) {
        double t0 = 0, t1 = len;
        if (!WithinLimitAlong(p1.X, dx, len, t0, t1) || !WithinLimitAlong(p1.Y, dy, len, t0, t1)) return;
        first = std::max(0LL, (long long)std::ceil((t0 - dash) / double(s)));
        last = std::min(n, (long long)std::floor(t1 / double(s)));
    }
    const double idx = RoundHalfEven(dx), idy = RoundHalfEven(dy);
    for (long long i = first; i <= last; ++i) {
        const double from = double(step) * double(i);
        double ex = RoundHalfEven(dx / len * (from + dash));
        double ey = RoundHalfEven(dy / len * (from + dash));
        if (std::fabs(ex) > std::fabs(idx)) ex = idx;
        if (std::fabs(ey) > std::fabs(idy)) ey = idy;
        canvas.moveTo(LimitCoord(p1.X + RoundHalfEven(dx / len * from)),
                      LimitCoord(p1.Y + RoundHalfEven(dy / len * from)));
        canvas.lineTo(LimitCoord(p1.X + ex), LimitCoord(p1.Y + ey));
    }
}

void DrawDashedPolygon(Canvas& canvas, const std::vector<TPoint>& points)
{
    for (std::size_t i = 0; i < points.size(); ++i)
        DrawDashedLine(canvas, points[i], points[(i + 1) % points.size()]);
}

void DrawCircle(Canvas& canvas, TPoint centre, int r, TRect& bounds)
{
    centre = LimitPoint(centre);
    r = std::clamp(r, -kDrawLimit, kDrawLimit);
    bounds = {centre.X - r, centre.Y - r, centre.X + r, centre.Y + r};
    canvas.ellipse(bounds);
}

int ClampCoord(double x)
{
    if (x > 32766) return 32766;
    if (x < -32767) return -32768;
    return RoundToInt(x);
}

void PolarOffset(int dist, int angle, double& x, double& y, double centreY, double centreX)
{
    const double t = angle * kPi / 1800.0;
    x = std::cos(t) * dist + centreX;
    y = centreY - std::sin(t) * dist;
}

bool ArcThroughGeometry(TPoint p1, TPoint p2, int r, TArcGeometry& arc)
{
    if (p1.X == p2.X && p1.Y == p2.Y) return false;
    const double mx = (double(p1.X) + p2.X) / 2, my = (double(p1.Y) + p2.Y) / 2;
    const double cdx = double(p1.X) - p2.X, cdy = double(p1.Y) - p2.Y;
    const double q = double(r) * r - (cdx * cdx + cdy * cdy) / 4;
    if (q < 0) return false;
    int h = ClampCoord(std::sqrt(q));
    int t;
    if (p1.Y != p2.Y)
        t = ClampCoord(std::atan(cdx / cdy) / (kPi / 1800));
    else
        t = p1.X > p2.X ? -900 : 900;
    if (p1.Y > p2.Y) h = -h;
    if (r < 0) h = -h;
    PolarOffset(h, t, arc.centreX, arc.centreY, my, mx);
    arc.box = {ClampCoord(arc.centreX - r), ClampCoord(arc.centreY - r),
               ClampCoord(arc.centreX + r + 1), ClampCoord(arc.centreY + r + 1)};
    arc.start = p1;
    arc.end = p2;
    return true;
}

void DrawArcThrough(Canvas& canvas, TPoint p1, TPoint p2, int r)
{
    TArcGeometry arc;
    if (ArcThroughGeometry(p1, p2, r, arc)) canvas.arc(arc.box, arc.start, arc.end);
}

} // namespace orv
