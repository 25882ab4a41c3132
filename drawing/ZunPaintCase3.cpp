// Scheme of a wall under a concentrated load: the panel in oblique view with
// the pocket for the bearing, the pad and its force, the spread of the load
// at 60 degrees with l_eff, the dimensions and a frame round all of it.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/DimensionLines.h"
#include "drawing/SchemeFit.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLayout.h"
#include "drawing/ZunPaintWallSupport.h"

namespace orv {

using namespace wallscheme;

namespace {

// Front outline of the wall with the pocket, on pixel points; walks from
// the upper left corner down, along the bottom, up the right edge and back
// along the top through the pocket.
std::vector<TPoint> OutlineWithNotch(const TPoint wall[4], const TPoint notch[4], bool notchPresent)
{
    std::vector<TPoint> out(wall, wall + 4);
    const TPoint &w0 = wall[0], &w3 = wall[3];
    const TPoint &n0 = notch[0], &n1 = notch[1], &n2 = notch[2], &n3 = notch[3];
    if (!notchPresent || n1.Y <= w0.Y || w3.X <= n1.X) return out;
    const bool toRight = w3.X <= n3.X;
    const bool toLeft = w0.X >= n0.X;
    if (toRight && toLeft) {
        // the pocket spans the whole width: the top is simply lowered
        out[0].Y = n1.Y;
        out[3].Y = n2.Y;
    } else if (toRight) {
        out[3].Y = n2.Y;
        out.push_back(n1);
        out.push_back(n0);
    } else if (toLeft) {
        out[0].Y = n1.Y;
        out.push_back(n3);
        out.push_back(n2);
    } else {
        out.insert(out.end(), {n3, n2, n1, n0});
    }
    return out;
}

// Face of edge j (pts[j] to the next point) drawn back by the depth D.
void EdgeFace(Canvas& canvas, const std::vector<TPoint>& pts, std::size_t j, int depth)
{
    const TPoint a = pts[j], b = pts[(j + 1) % pts.size()];
    canvas.polygon({b, a, Shift(a, depth, -depth), Shift(b, depth, -depth)});
}

bool OnTop(const std::vector<TPoint>& pts, std::size_t j, int ytop)
{
    return pts[j].Y == ytop && pts[(j + 1) % pts.size()].Y == ytop;
}

void DrawSideFaces(Canvas& canvas, int ytop, const std::vector<TPoint>& pts, int depth)
{
    for (std::size_t j = pts.size() - 1; j >= 2; --j)
        if (!OnTop(pts, j, ytop)) EdgeFace(canvas, pts, j, depth);
}

void DrawTopFaces(Canvas& canvas, int ytop, const std::vector<TPoint>& pts, int depth)
{
    for (std::size_t j = pts.size() - 1; j >= 2; --j)
        if (OnTop(pts, j, ytop)) EdgeFace(canvas, pts, j, depth);
}

void DrawRightFace(Canvas& canvas, int ytop, const std::vector<TPoint>& pts, int depth)
{
    if (!OnTop(pts, 2, ytop)) EdgeFace(canvas, pts, 2, depth);
}

// What an upright force arrow (angle 0) with its label on the right covers,
// the label's halo included.
void GrowByForceArrow(Canvas& canvas, TRect& bounds, TPoint p, double value, int digits)
{
    const SizeOf S{canvas};
    const std::string label = FormatFixed(digits, std::fabs(value));
    const TForceArrowShape shape = ForceArrowShape(canvas, p, 0, value, value, label);
    for (const TPoint& q : shape.points) GrowRectByPoint(bounds, q);
    const TPoint p1 = shape.points[1];
    const int sw = S(2), hl = S(12);
    const TPoint q{p1.X + sw + S(1), value < 0 ? p1.Y + sw + shape.length : p1.Y - hl - sw};
    const TPoint e = canvas.textExtent(label);  // turned by 90: reads upwards from q
    GrowRectByPoint(bounds, {q.X - S(1), q.Y + S(2)});
    GrowRectByPoint(bounds, {q.X + e.Y + S(1), q.Y - e.X - S(2)});
}

bool ConcentratedLoadWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                          const TCalcResults& results, const TDrawingColors& colorsIn, int topOffset,
                          TRect& bounds, bool frame)
{
    const double t = input.t, h = input.h, l = input.l;
    if (!PositiveFinite(t) || !PositiveFinite(h) || !PositiveFinite(l)) return false;
    const TDrawingColors colors = colorsIn;
    const SizeOf S{canvas};
    const TConcentratedLoad load = input.Sily[0];  // only the first load is drawn
    const double nsd = Finite(load.NSd), aL = Finite(load.aL), aT = Finite(load.aT);
    const double a1 = Finite(load.a1), hN = Finite(load.hN);
    const double leff = Finite(results.l_eff);
    const double xa = a1 - 0.5 * aL, xb = xa + aL;
    const double d = 0.75 * t / std::sqrt(4.0);
    const double dT = 0.75 * aT / std::sqrt(4.0);
    const double e = 0.375 * (t - aT) / std::sqrt(4.0);

    const int lw = std::max(S(45), S(25) + canvas.textWidth(FormatFixed(2, nsd)));
    const TPoint area{size.X - S(40), size.Y - lw};
    ModelMap m;
    if (!WallDrawingLayout(canvas, area, 0, l + t / std::sqrt(2.0), h + d, 0, true, false, false,
                           false, true, true, false, m.scale, m.x0, m.y0))
        return false;
    m.x0 += S(50);
    m.y0 += std::max(lw, S(40) + RoundToInt(m.scale * d)) + topOffset;
    m.limitTo({0, 0, size.X, size.Y});
    const int depth = RoundToInt(m.scale * d);

    canvas.pen.width = S(1);
    const EntryColors entry(canvas);
    canvas.brush.color = colors[dcMasonryFill];
    canvas.pen.color = colors[dcMasonryOutline];
    const TPoint wall[4] = {m(0, 0), m(0, h), m(l, h), m(l, 0)};
    bounds = {wall[0].X, wall[0].Y, wall[0].X, wall[0].Y};
    const int ytop = wall[0].Y;
    const bool notchPresent = hN > 0.00001 && xa < l;
    const double xr = std::min(xb, l);
    const TPoint notch[4] = {m(xa, 0), m(xa, hN), m(xr, hN), m(xr, 0)};
    const std::vector<TPoint> outline = OutlineWithNotch(wall, notch, notchPresent);

    DrawSideFaces(canvas, ytop, outline, depth);

    const double yt = hN - 3 - e;  // top of the pad, set back by e
    const std::vector<TPoint> padTop = {m(xa + e, yt), m(xb + e, yt), m(xb + e + dT, yt - dT),
                                        m(xa + e + dT, yt - dT)};
    const std::vector<TPoint> padRight = {m(xb + e, yt), m(xb + e, hN - e),
                                          m(xb + e + dT, hN - e - dT), m(xb + e + dT, yt - dT)};
    const std::vector<TPoint> padFront = {m(xa + e, hN - e), m(xa + e, yt), m(xb + e, yt),
                                          m(xb + e, hN - e)};
    auto measured = [&](const std::vector<TPoint>& pts) {
        canvas.polygon(pts);
        GrowRectByPoints(bounds, pts);
    };
    canvas.brush.color = colors[dcView];
    measured(padTop);
    measured(padRight);
    measured(padFront);

    canvas.brush.color = colors[dcMasonryFill];
    DrawTopFaces(canvas, ytop, outline, depth);
    measured(outline);

    // a pad standing above the wall's top is drawn again over its top face
    canvas.brush.color = colors[dcView];
    if (hN < 3) measured(padTop);
    if (hN < 0.01) {
        canvas.polygon(padRight);
        measured(padFront);
    }
    if (xb < l) {
        canvas.brush.color = colors[dcMasonryFill];
        DrawRightFace(canvas, ytop, outline, depth);
    }

    if (results.Error == 0) {
        const double tan60 = std::tan(std::numbers::pi / 3);
        const double r = 0.5 * (h - hN) / tan60;
        const double yMid = hN + 0.5 * (h - hN);
        const TPoint left = r > xa ? m(0, hN + xa * tan60) : m(xa - r, yMid);
        const TPoint right = l - xb < r ? m(l, hN + (l - xb) * tan60) : m(xb + r, yMid);
        DrawDashedLine(canvas, m(xa, hN), left);
        DrawDashedLine(canvas, m(xb, hN), right);
        canvas.brush.style = TBrushStyle::Clear;
        const int yd = std::max(left.Y, right.Y) + S(10);
        DrawDimensionHMarkup(canvas, {left.X, yd}, {right.X, yd}, "l%Deff%N=" + FormatFixed(1, leff),
                             'C', 0, entry.brush);
    }

    canvas.brush.color = entry.brush;
    const TPoint loadPoint = m(xa + 0.5 * aL + 0.5 * d, hN - 3 - 0.5 * d);
    DrawForceArrow(canvas, loadPoint, 0, nsd, nsd, 0, colors[dcForce], true, 2, true);
    // the load and its value stay inside the frame and the cropped picture
    GrowByForceArrow(canvas, bounds, loadPoint, nsd, 2);
    canvas.pen.width = S(1);
    entry.restore(canvas);
    canvas.brush.style = TBrushStyle::Clear;

    TRect r;
    const double yp = hN - 3 - 0.5 * d;
    DrawDimensionH(canvas, Shift(m(0.5 * d, yp), 0, -S(30)), Shift(m(xa + 0.5 * aL + 0.5 * d, yp), 0, -S(30)),
                   FormatFixed(1, xa + 0.5 * aL), 'L', r);
    GrowRectByRect(bounds, r);
    DrawDimensionH(canvas, Shift(wall[1], 0, S(20)), Shift(wall[2], 0, S(20)), FormatFixed(1, l), 'A', r);
    GrowRectByRect(bounds, r);
    DrawDimensionV(canvas, Shift(wall[3], S(40), 0), Shift(wall[2], S(40), 0), FormatFixed(1, h), 'A', r);
    GrowRectByRect(bounds, r);
    const int s5 = S(5);
    bounds = {bounds.Left - s5, bounds.Top - s5, bounds.Right + s5, bounds.Bottom + s5};
    canvas.brush.style = TBrushStyle::Clear;
    if (frame) canvas.rectangle(bounds);
    return true;
}

bool FittedConcentratedLoadWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                                const TCalcResults& results, const TDrawingColors& colors, int topOffset,
                                TRect& bounds, bool frame)
{
    bool drawn = false;
    TRect b{};
    // the frame keeps a pixel clear of the area's edge, so that it does not
    // merge with the border of the box it is shown in
    const TFitPlacement at = DrawFitted(
        canvas, size,
        [&](Canvas& c, const TPoint& area) {
            drawn = ConcentratedLoadWall(c, area, input, results, colors, topOffset, b, frame);
        },
        1);
    if (drawn)
        bounds = {b.Left + at.offset.X, b.Top + at.offset.Y, b.Right + at.offset.X, b.Bottom + at.offset.Y};
    return drawn;
}

} // namespace

bool DrawConcentratedLoadWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                              const TCalcResults& results, bool /*flag*/,
                              const TDrawingColors& colors, int topOffset, TRect& bounds)
{
    return FittedConcentratedLoadWall(canvas, size, input, results, colors, topOffset, bounds, true);
}

bool DrawConcentratedLoadWallUnframed(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                                      const TCalcResults& results, const TDrawingColors& colors,
                                      TRect& bounds)
{
    return FittedConcentratedLoadWall(canvas, size, input, results, colors, 0, bounds, false);
}

} // namespace orv
