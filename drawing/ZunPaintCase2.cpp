// Scheme of a wall loaded horizontally: the panel in oblique view with its
// edge supports, openings, plates (or the arch / span symbol), the wind as a
// plane of slanting arrows and the dimensions.
#include <algorithm>
#include <cmath>

#include "drawing/DimensionLines.h"
#include "drawing/MarkupText.h"
#include "drawing/SchemeFit.h"
#include "core/ZunOpenings.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLayout.h"
#include "drawing/ZunPaintWallSupport.h"

namespace orv {

using namespace wallscheme;

namespace {

constexpr u8 ceTableRange = 35;  // plate ratio outside the tables: plates still shown

enum EdgeKind : char { ekFree = '-', ekHinged = 'H', ekFixed = 'F' };
struct EdgeKinds {
    char left = ekFree, right = ekFree, top = ekFree, bottom = ekFree;
};

EdgeKinds EdgesOf(u32 model, u32 plateScheme)
{
    switch (model) {
    case 0: case 3: return {ekHinged, ekHinged, ekFree, ekFree};
    case 1: case 4: return {ekFree, ekFree, ekHinged, ekHinged};
    case 5: return {ekFixed, ekFree, ekFree, ekFree};
    case 6: return {ekFree, ekFree, ekFree, ekFixed};
    case 7: return {ekFixed, ekFixed, ekFree, ekFree};
    case 8: return {ekFree, ekFree, ekFixed, ekFixed};
    case 2: break;
    default: return {};
    }
    static const char* const plates[12] = {"HH-H", "HF-H", "FF-H", "FF-F", "HHHH", "HFHH",
                                           "FFHH", "FFHF", "FFFF", "H-HH", "F-HH", "F-HF"};
    if (plateScheme >= 12) return {};
    const char* k = plates[plateScheme];
    return {k[0], k[1], k[2], k[3]};
}

void DrawSupports(Canvas& canvas, const EdgeKinds& k, TPoint tl, TPoint bl, TPoint br, TPoint tr)
{
    const SizeOf S{canvas};
    const int s2 = S(2), s3 = S(3), s5 = S(5);
    auto hatchedV = [&](TPoint a, TPoint b, int dx) {   // vertical edge, strokes to dx
        Line(canvas, a, b);
        const int top = std::min(a.Y, b.Y);
        const int n = DivBySize(std::abs(b.Y - a.Y), s5);
        for (int i = 0; i <= n; ++i) {
            const int y = top + s5 * i;
            Line(canvas, {a.X, y}, {a.X + dx, y + (dx > 0 ? -s5 : s5)});
        }
    };
    auto hatchedH = [&](TPoint a, TPoint b, int dy) {   // horizontal edge, strokes to dy
        Line(canvas, a, b);
        const int left = std::min(a.X, b.X);
        const int n = DivBySize(std::abs(b.X - a.X), s5);
        for (int i = 0; i <= n; ++i) {
            const int x = left + s5 * i;
            Line(canvas, {x, a.Y}, {x + (dy > 0 ? -s5 : s5), a.Y + dy});
        }
    };
    if (k.right == ekHinged) DrawDashedLine(canvas, Shift(br, s3, s2), Shift(tr, s3, -s2));
    if (k.right == ekFixed) hatchedV(Shift(br, s3, s2), Shift(tr, s3, -s2), s5);
    if (k.left == ekHinged) DrawDashedLine(canvas, Shift(tl, -s2, s2), Shift(bl, -s2, -s2));
    if (k.left == ekFixed) hatchedV(Shift(tl, -s2, -s2), Shift(bl, -s2, s2), -s5);
    if (k.bottom == ekHinged) DrawDashedLine(canvas, Shift(br, s3, s2), Shift(bl, -s2, s2));
    if (k.bottom == ekFixed) hatchedH(Shift(br, s3, s2), Shift(bl, -s2, s2), s5);
    if (k.top == ekHinged) DrawDashedLine(canvas, Shift(tl, s3, -s2), Shift(tr, -s2, -s2));
    if (k.top == ekFixed) hatchedH(Shift(tl, -s3, -s2), Shift(tr, s2, -s2), -s5);
}

// Slanting load arrows along a run; horizontal or vertical. R is set to the
// strip's extent.
void DrawObliqueArrows(Canvas& canvas, TPoint p1, TPoint p2, double value, bool vertical, TRect& r)
{
    const SizeOf S{canvas};
    const int s3 = S(3), s8 = S(8), s10 = S(10), s15 = S(15);
    auto foot = [&](TPoint p) { return TPoint{p.X - s15, p.Y + s15}; };
    r = {p1.X, p1.Y, p1.X, p1.Y};
    GrowRectByPoints(r, {p2, foot(p1), foot(p2)});
    Line(canvas, p2, p1);
    Line(canvas, foot(p1), foot(p2));
    canvas.pen.width = S(1);
    const int n = DivBySize(vertical ? p2.Y - p1.Y : p2.X - p1.X, s10);
    for (int i = 0; i <= n; ++i) {
        const TPoint k = vertical ? TPoint{p1.X, p1.Y + s10 * i} : TPoint{p1.X + s10 * i, p1.Y};
        const TPoint g = foot(k);
        if (value >= 0) {
            Line(canvas, g, k);
            // the head at the wall; the first has only its half towards the run
            TPoint a, b;
            if (vertical) {
                a = i == 0 ? TPoint{k.X - s8, k.Y + s8} : TPoint{k.X - s8, k.Y + s8 - s3};
                b = {k.X - s8, k.Y + s8 + s3};
            } else {
                a = i == 0 ? TPoint{k.X - s8, k.Y + s8} : TPoint{k.X - s8 - s3, k.Y + s8};
                b = {k.X - s8 + s3, k.Y + s8};
            }
            Path(canvas, {k, a, b, k});
        } else {
            Line(canvas, k, g);
            TPoint a, b;
            if (vertical) {
                a = i == 0 ? TPoint{g.X + s8, g.Y - s8} : TPoint{g.X + s8, g.Y - s8 - s3};
                b = {g.X + s8, g.Y - s8 + s3};
            } else {
                a = i == 0 ? TPoint{g.X + s8, g.Y - s8} : TPoint{g.X + s8 - s3, g.Y - s8};
                b = {g.X + s8 + s3, g.Y - s8};
            }
            Path(canvas, {g, a, b, g});
        }
    }
}

void DrawSpanArrows(Canvas& canvas, TPoint p, bool left, bool right, bool up, bool down)
{
    const SizeOf S{canvas};
    const int l = S(14), back = S(6), side = S(3);
    if (left) {
        const TPoint t{p.X - l, p.Y};
        Line(canvas, p, t);
        Line(canvas, t, {t.X + back, t.Y - side});
        Line(canvas, t, {t.X + back, t.Y + side});
    }
    if (right) {
        const TPoint t{p.X + l, p.Y};
        Line(canvas, p, t);
        Line(canvas, t, {t.X - back, t.Y - side});
        Line(canvas, t, {t.X - back, t.Y + side});
    }
    if (up) {
        const TPoint t{p.X, p.Y - l};
        Line(canvas, p, t);
        Line(canvas, t, {t.X - side, t.Y + back});
        Line(canvas, t, {t.X + side, t.Y + back});
    }
    if (down) {
        const TPoint t{p.X, p.Y + l};
        Line(canvas, p, t);
        Line(canvas, t, {t.X - side, t.Y - back});
        Line(canvas, t, {t.X + side, t.Y - back});
    }
}

void DrawArchSymbolH(Canvas& canvas, TPoint p)
{
    const SizeOf S{canvas};
    const TPoint a{p.X - S(16), p.Y}, b{p.X + S(16), p.Y};
    DrawArcThrough(canvas, a, b, S(28));
    Line(canvas, a, {a.X + S(6), p.Y - S(3)});
    Line(canvas, a, {a.X + S(4), p.Y + S(8)});
    Line(canvas, b, {b.X - S(6), p.Y - S(3)});
    Line(canvas, b, {b.X - S(4), p.Y + S(8)});
}

void DrawArchSymbolV(Canvas& canvas, TPoint p)
{
    const SizeOf S{canvas};
    const TPoint a{p.X, p.Y - S(16)}, b{p.X, p.Y + S(16)};
    DrawArcThrough(canvas, a, b, S(28));
    Line(canvas, a, {p.X - S(8), a.Y + S(6)});
    Line(canvas, a, {p.X + S(3), a.Y + S(4)});
    Line(canvas, b, {p.X - S(8), b.Y - S(6)});
    Line(canvas, b, {p.X + S(3), b.Y - S(4)});
}

bool Supported(u8 code) { return code == 1 || code == 2; }

void DrawPlate(Canvas& canvas, const std::vector<TPoint>& pts, int number, const TWallPlate& plate,
               TColor halo)
{
    const SizeOf S{canvas};
    const EntryColors saved(canvas);
    canvas.font.color = canvas.pen.color;
    DrawDashedPolygon(canvas, pts);
    TPoint mx{0, 0};
    long long sx = 0, sy = 0;
    for (const TPoint& p : pts) {
        mx.X = std::max(mx.X, p.X);
        mx.Y = std::max(mx.Y, p.Y);
        sx += p.X;
        sy += p.Y;
    }
    const TPoint c{mx.X - S(10), mx.Y - S(10)};
    canvas.brush.style = TBrushStyle::Clear;
    TRect b;
    DrawCircle(canvas, c, S(8), b);
    const int code = 64 + number;
    if (code > 32 && code < 127) {
        const std::string letter(1, char(code));
        const TPoint e = canvas.textExtent(letter);
        // the letter stands on the wall's fill: on a box
        const TPoint at{c.X - e.X / 2, c.Y - e.Y / 2};
        WriteOnBox(canvas, halo, canvas.font.color, {at.X, at.Y, at.X + e.X, at.Y + e.Y},
                   [&] { canvas.textOut(at.X, at.Y, letter); });
    }
    const int n = int(pts.size());
    const TPoint centre{int(sx / n), int(sy / n)};
    DrawSpanArrows(canvas, centre, Supported(plate.EdgeLeft), Supported(plate.EdgeRight),
                   Supported(plate.EdgeTop), Supported(plate.EdgeBottom));
    saved.restore(canvas);
}

bool HorizontalWall(Canvas& canvas, const TPoint& size, const TCalcInput& inputIn,
                    const TCalcResults& resultsIn, const TDrawingColors& colorsIn, int topOffset,
                    TRect& bounds)
{
    const double t = inputIn.t, h = inputIn.h, l = inputIn.l;
    if (!PositiveFinite(t) || !PositiveFinite(h) || !PositiveFinite(l)) return false;
    TCalcInput input;
    PruneOpenings(inputIn, input);
    const TCalcResults& results = resultsIn;
    const TDrawingColors colors = colorsIn;
    const SizeOf S{canvas};
    const u32 model = input.SchematScianyTyp;
    const EdgeKinds kinds = EdgesOf(model, model == 2 ? input.SchematPlytySciany : 99u);
    const double wind = Finite(input.wd_kNm2);

    const std::string label = "w%Dd%N= " + FormatFixed(3, wind) + " kN/m²";
    const int lw = MarkupTextWidth(canvas, label);
    // A figure too narrow for the wind's label beside the wall still gives
    // the wall half its width; a printed figure is fitted into its frame whole.
    const TPoint area{std::max(size.X - S(40) - lw, size.X / 2), size.Y - S(30)};
    const double rt2 = std::sqrt(2.0);
    ModelMap m;
    if (!WallDrawingLayout(canvas, area, 0, l + t / rt2, h + t / rt2, 0, true, false, false, false,
                           true, true, false, m.scale, m.x0, m.y0))
        return false;
    m.x0 += S(50) + lw;
    m.y0 += S(30) + topOffset;
    m.limitTo({0, 0, size.X, size.Y});
    const double d = 0.75 * t / std::sqrt(4.0);

    const EntryColors entry(canvas);
    canvas.pen.width = S(1);
    canvas.pen.color = colors[dcMasonryOutline];
    canvas.brush.color = colors[dcMasonryFill];
    const TPoint origin = m(0, 0);
    bounds = {origin.X, origin.Y, origin.X, origin.Y};
    auto face = [&](const std::vector<TPoint>& pts) {
        canvas.polygon(pts);
        GrowRectByPoints(bounds, pts);
    };
    face({m(d, -d), m(0, 0), m(l, 0), m(l + d, -d)});
    face({m(l, 0), m(l + d, -d), m(l + d, h - d), m(l, h)});
    face({m(0, 0), m(0, h), m(l, h), m(l, 0)});
    const TPoint tl = m(0, 0), bl = m(0, h), br = m(l, h), tr = m(l, 0);

    canvas.pen.color = clBlack;
    canvas.pen.width = S(2);
    DrawSupports(canvas, kinds, tl, bl, br, tr);
    canvas.pen.width = S(1);
    entry.restore(canvas);

    const int openings = OpeningCount(input);
    if (input.ScianaZOtworami != 0 && openings > 0) {
        for (int k = 0; k < openings; ++k) {
            const TOpening o = input.Okna[k];
            const double x = o.x, y = o.y, w = o.l, hh = o.h;
            canvas.brush.color = entry.brush;
            face({m(x, h - y), m(x + w, h - y), m(x + w, h - y - hh), m(x, h - y - hh)});
            canvas.brush.color = colors[dcMasonryFill];
            canvas.pen.color = colors[dcMasonryOutline];
            face({m(x, h - y), m(x, h - y - hh), m(x + d, h - y - hh), m(x + d, h - y - d)});
            face({m(x, h - y), m(x + w, h - y), m(x + w, h - y - d), m(x + d, h - y - d)});
        }
    }

    const int plateCount = std::min<int>(results.PlateCount, MaxWallPlates);
    if (input.ScianaZOtworami != 0 && plateCount > 0) {
        if (results.Error == 0 || results.Error == ceTableRange) {
            for (int i = 1; i <= plateCount; ++i) {
                const TWallPlate& p = results.Plates[i - 1];
                DrawPlate(canvas,
                          {m(p.x, h - p.y), m(p.x + p.L, h - p.y), m(p.x + p.L, h - p.y - p.H),
                           m(p.x, h - p.y - p.H)},
                          results.PlateLetterBase + i, p, entry.brush);
            }
        }
    } else {
        canvas.pen.color = colors[dcMasonryOutline];
        const TPoint c = m(0.5 * l, 0.5 * h);
        if (results.Arch != 0) {
            if (model == 3)
                DrawArchSymbolH(canvas, c);
            else
                DrawArchSymbolV(canvas, c);
        } else {
            const TWallPlate& p = results.Plates[0];
            DrawSpanArrows(canvas, c, Supported(p.EdgeLeft), Supported(p.EdgeRight),
                           Supported(p.EdgeTop), Supported(p.EdgeBottom));
        }
    }

    // the wind: a plane of arrows in front of the wall
    canvas.pen.color = canvas.font.color = colors[dcDistributedLoad];
    auto ahead = [&](TPoint p) { return TPoint{p.X - S(30), p.Y + S(30)}; };
    const TPoint pa = ahead(tl), pb = ahead(bl), pc = ahead(br), pd = ahead(tr);
    DrawDashedLine(canvas, tl, pa);
    DrawDashedLine(canvas, bl, pb);
    DrawDashedLine(canvas, br, pc);
    DrawDashedLine(canvas, tr, pd);
    TRect r;
    DrawObliqueArrows(canvas, pa, pb, wind, true, r);
    GrowRectByRect(bounds, r);
    DrawObliqueArrows(canvas, pa, pd, wind, false, r);
    GrowRectByRect(bounds, r);
    DrawObliqueArrows(canvas, pb, pc, wind, false, r);
    GrowRectByRect(bounds, r);
    DrawObliqueArrows(canvas, pd, pc, wind, true, r);
    GrowRectByRect(bounds, r);

    const TPoint q{pa.X - S(20), (pa.Y + pb.Y) / 2};
    const TPoint e{q.X - S(6), q.Y - S(15)}, f{q.X - S(8) - lw, q.Y - S(15)};
    Path(canvas, {{e.X + S(15), e.Y + S(10)}, e, f});
    canvas.brush.style = TBrushStyle::Clear;
    MarkupTextOut(canvas, f.X + S(2), MarkupTopAboveLine(canvas, e.Y), label, r);
    GrowRectByRect(bounds, r);

    entry.restore(canvas);
    canvas.brush.style = TBrushStyle::Clear;
    DrawDimensionH(canvas, Shift(bl, 0, S(20)), Shift(br, 0, S(20)), FormatFixed(1, l), 'A', r);
    GrowRectByRect(bounds, r);
    DrawDimensionV(canvas, Shift(tr, S(40), 0), Shift(br, S(40), 0), FormatFixed(1, h), 'A', r);
    GrowRectByRect(bounds, r);
    const int s5 = S(5);
    bounds = {bounds.Left - s5, bounds.Top - s5, bounds.Right + s5, bounds.Bottom + s5};
    return true;
}

} // namespace

bool DrawHorizontalWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                        const TCalcResults& results, bool /*flag*/, const TDrawingColors& colors,
                        int topOffset, TRect& bounds)
{
    bool drawn = false;
    TRect b{};
    const TFitPlacement at = DrawFitted(canvas, size, [&](Canvas& c, const TPoint& area) {
        drawn = HorizontalWall(c, area, input, results, colors, topOffset, b);
    });
    if (drawn)
        bounds = {b.Left + at.offset.X, b.Top + at.offset.Y, b.Right + at.offset.X, b.Bottom + at.offset.Y};
    return drawn;
}

} // namespace orv
