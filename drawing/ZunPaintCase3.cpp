// Scheme of a wall under concentrated loads: the panel in oblique view with
// the pocket for each bearing, each pad with its force and position, the
// spread of the first load at 60 degrees with l_eff, the dimensions and a
// frame round all of it.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "drawing/DimensionLines.h"
#include "drawing/SchemeFit.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLayout.h"
#include "drawing/ZunPaintWallSupport.h"

#include "core/ZunCalc.h"

namespace orv {

using namespace wallscheme;

namespace {

// A pocket cut into the top of the wall down to a bearing, in model centimetres.
struct TPocket {
    double x1, x2, depth;
};

// Front outline of the wall with its pockets, on pixel points; walks from the
// upper left corner down, along the bottom, up the right edge and back along
// the top through the pockets (where pockets overlap, the deeper one).
std::vector<TPoint> OutlineWithPockets(const ModelMap& m, double l, double h, const std::vector<TPocket>& pockets)
{
    std::vector<double> xs = {0, l};
    for (const TPocket& p : pockets)
        for (double x : {p.x1, p.x2})
            if (x > 0 && x < l) xs.push_back(x);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    // the top's level over each interval between the pockets' sides
    std::vector<double> level(xs.size() - 1, 0.0);
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        const double mid = 0.5 * (xs[i] + xs[i + 1]);
        for (const TPocket& p : pockets)
            if (p.x1 < mid && mid < p.x2) level[i] = std::max(level[i], p.depth);
    }
    std::vector<TPoint> out = {m(0, level.front()), m(0, h), m(l, h)};
    for (std::size_t i = level.size(); i-- > 0;) {
        out.push_back(m(xs[i + 1], level[i]));
        out.push_back(m(xs[i], level[i]));
    }
    // no repeated points and no point inside a straight run
    std::vector<TPoint> pts;
    for (const TPoint& p : out)
        if (pts.empty() || p.X != pts.back().X || p.Y != pts.back().Y) pts.push_back(p);
    while (pts.size() > 1 && pts.back().X == pts.front().X && pts.back().Y == pts.front().Y) pts.pop_back();
    for (std::size_t i = 3; i < pts.size();) {
        const TPoint &a = pts[i - 1], &b = pts[i], &c = pts[(i + 1) % pts.size()];
        if ((a.X == b.X && b.X == c.X) || (a.Y == b.Y && b.Y == c.Y))
            pts.erase(pts.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
    return pts;
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

// One load as the scheme draws it [cm]: the bearing from xa to xb at level hN.
struct TDrawnLoad {
    double nsd, aL, aT, hN, xa, xb, position;  // position: its dimension's length
};

bool ConcentratedLoadWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                          const TCalcResults& results, const TDrawingColors& colorsIn, int topOffset,
                          TRect& bounds, bool frame)
{
    const double t = input.t, h = input.h, l = input.l;
    if (!PositiveFinite(t) || !PositiveFinite(h) || !PositiveFinite(l)) return false;
    const TDrawingColors colors = colorsIn;
    const SizeOf S{canvas};
    // the first load is placed by its axis, the others by their left side
    const int count = ConcentratedLoadCount(input);
    std::vector<TDrawnLoad> loads;
    for (int k = 0; k < count; ++k) {
        const TConcentratedLoad f = input.Sily[k];
        const double aL = Finite(f.aL), a1 = Finite(f.a1);
        const double xa = k == 0 ? a1 - 0.5 * aL : a1;
        loads.push_back({Finite(f.NSd), aL, Finite(f.aT), Finite(f.hN), xa, xa + aL, k == 0 ? xa + 0.5 * aL : xa});
    }
    const TDrawnLoad& first = loads.front();
    const double leff = Finite(results.l_eff);
    const double d = 0.75 * t / std::sqrt(4.0);
    // the position dimensions of several loads stand one above another over the arrows
    const int step = S(18);
    const int dims = count > 1 ? count * step + S(6) : 0;

    int lw = S(45);
    for (const TDrawnLoad& f : loads) lw = std::max(lw, S(25) + canvas.textWidth(FormatFixed(2, f.nsd)));
    const TPoint area{size.X - S(40), size.Y - lw - dims};
    ModelMap m;
    if (!WallDrawingLayout(canvas, area, 0, l + t / std::sqrt(2.0), h + d, 0, true, false, false,
                           false, true, true, false, m.scale, m.x0, m.y0))
        return false;
    m.x0 += S(50);
    m.y0 += std::max(lw, S(40) + RoundToInt(m.scale * d)) + dims + topOffset;
    m.limitTo({0, 0, size.X, size.Y});
    const int depth = RoundToInt(m.scale * d);
    std::vector<TPocket> pockets;
    for (const TDrawnLoad& f : loads)
        if (f.hN > 0.00001 && f.xa < l) pockets.push_back({f.xa, std::min(f.xb, l), f.hN});
    const std::vector<TPoint> outline = OutlineWithPockets(m, l, h, pockets);
    // a wall scaled under a pixel has no faces to draw
    if (outline.size() < 3) return false;

    canvas.pen.width = S(1);
    const EntryColors entry(canvas);
    canvas.brush.color = colors[dcMasonryFill];
    canvas.pen.color = colors[dcMasonryOutline];
    const TPoint wall[4] = {m(0, 0), m(0, h), m(l, h), m(l, 0)};
    bounds = {wall[0].X, wall[0].Y, wall[0].X, wall[0].Y};
    const int ytop = wall[0].Y;

    DrawSideFaces(canvas, ytop, outline, depth);

    // each pad 3 cm thick, its top set back by e to centre it in the thickness
    struct Pad {
        std::vector<TPoint> top, right, front;
    };
    std::vector<Pad> pads;
    for (const TDrawnLoad& f : loads) {
        const double dT = 0.75 * f.aT / std::sqrt(4.0);
        const double e = 0.375 * (t - f.aT) / std::sqrt(4.0);
        const double yt = f.hN - 3 - e, xa = f.xa, xb = f.xb;
        pads.push_back({{m(xa + e, yt), m(xb + e, yt), m(xb + e + dT, yt - dT), m(xa + e + dT, yt - dT)},
                        {m(xb + e, yt), m(xb + e, f.hN - e), m(xb + e + dT, f.hN - e - dT), m(xb + e + dT, yt - dT)},
                        {m(xa + e, f.hN - e), m(xa + e, yt), m(xb + e, yt), m(xb + e, f.hN - e)}});
    }
    auto measured = [&](const std::vector<TPoint>& pts) {
        canvas.polygon(pts);
        GrowRectByPoints(bounds, pts);
    };
    canvas.brush.color = colors[dcView];
    for (const Pad& pad : pads) {
        measured(pad.top);
        measured(pad.right);
        measured(pad.front);
    }

    canvas.brush.color = colors[dcMasonryFill];
    DrawTopFaces(canvas, ytop, outline, depth);
    measured(outline);

    // a pad standing above the wall's top is drawn again over its top face
    canvas.brush.color = colors[dcView];
    bool allInside = true;
    for (std::size_t k = 0; k < loads.size(); ++k) {
        if (loads[k].hN < 3) measured(pads[k].top);
        if (loads[k].hN < 0.01) {
            canvas.polygon(pads[k].right);
            measured(pads[k].front);
        }
        allInside = allInside && loads[k].xb < l;
    }
    if (allInside) {
        canvas.brush.color = colors[dcMasonryFill];
        DrawRightFace(canvas, ytop, outline, depth);
    }

    if (results.Error == 0) {
        // the spread of the first load, whose l_eff the scheme gives
        const double xa = first.xa, xb = first.xb, hN = first.hN;
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
    std::vector<int> padTops;
    int arrowsTop = kDrawLimit;
    for (const TDrawnLoad& f : loads) {
        const TPoint loadPoint = m(f.xa + 0.5 * f.aL + 0.5 * d, f.hN - 3 - 0.5 * d);
        DrawForceArrow(canvas, loadPoint, 0, f.nsd, f.nsd, 0, colors[dcForce], true, 2, true);
        // the load and its value stay inside the frame and the cropped picture
        TRect arrow = {loadPoint.X, loadPoint.Y, loadPoint.X, loadPoint.Y};
        GrowByForceArrow(canvas, arrow, loadPoint, f.nsd, 2);
        GrowRectByRect(bounds, arrow);
        arrowsTop = std::min(arrowsTop, arrow.Top);
        padTops.push_back(m.Y(f.hN - 3 - 0.5 * d));
    }
    canvas.pen.width = S(1);
    entry.restore(canvas);
    canvas.brush.style = TBrushStyle::Clear;

    TRect r;
    for (std::size_t k = 0; k < loads.size(); ++k) {
        // one load: its dimension S(30) above its pad; several: above all arrows,
        // the first lowest
        const int y = count == 1 ? padTops[k] - S(30) : arrowsTop - S(6) - static_cast<int>(k) * step;
        DrawDimensionH(canvas, {m.X(0.5 * d), y}, {m.X(loads[k].position + 0.5 * d), y},
                       FormatFixed(1, loads[k].position), 'L', r);
        GrowRectByRect(bounds, r);
    }
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
