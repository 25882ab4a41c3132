// Scheme of a wall loaded vertically, continuous model: the storey section
// with the floor loads of the joints, the spans and the storey heights.
#include <algorithm>
#include <cmath>

#include "drawing/DimensionLines.h"
#include "drawing/SchemeFit.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLayout.h"
#include "drawing/ZunPaintWallSupport.h"

namespace orv {

using namespace wallscheme;

namespace {

void ContinuousWall(Canvas& canvas, const TPoint& size, const TContinuousWallSetup& s,
                    const TCalcResults& results, const TDrawingColors& colorsIn, int topOffset)
{
    const double t = s.t_cm, h = s.h_cm;
    if (!PositiveFinite(t) || !PositiveFinite(h)) return;
    const TDrawingColors colors = colorsIn;
    const SizeOf S{canvas};
    const bool external = s.external;
    // the force at the foot, drawn once the check has computed it
    const bool footForce = results.reached(cpDesignLoads);
    const double nod = Finite(s.Nod), n2d = footForce ? Finite(results.N_2d) : 0.0;
    const double ag = Finite(s.a_wg_cm), ad = Finite(s.a_wd_cm);

    // room for the walls above and below, two floor depths long
    const StoreyFrame frame{.band = S(30), .margin = 2 * t, .depth = h + 6 * t, .below = h + 4 * t,
                            .above = -2 * t, .windTop = -t, .windBottom = h + 3 * t};
    DrawWallScheme(canvas, size, s, frame, topOffset, colors, [&](const ModelMap& m, const EntryColors& entry) {
        // floor loads: g just above the floor, p S(20) higher
        const TColor load = colors[dcDistributedLoad];
        auto floorLoads = [&](Canvas& c, TPoint a, TPoint b, bool left, const char* index, double g, double p) {
            const std::string n(index);
            DrawDistributedLoad(c, a, b, 10, Finite(g), true, left, "g%D" + n + "d%N", load);
            DrawDistributedLoad(c, Shift(a, 0, -S(20)), Shift(b, 0, -S(20)), 10, Finite(p), true, left,
                                "p%D" + n + "d%N", load);
        };
        const double e = t + 0.333 * h, w = -0.333 * h;
        const int py0 = m.Y(0) - S(1), py1 = m.Y(h + t) - S(1);
        auto rightLoads = [&](Canvas& c) {
            floorLoads(c, {m.X(t) + S(1), py0}, {m.X(e), py0}, false, "3", s.g3, s.p3);
            floorLoads(c, {m.X(t) + S(1), py1}, {m.X(e), py1}, false, "6", s.g6, s.p6);
        };
        rightLoads(canvas);
        if (!external) {
            floorLoads(canvas, {m.X(w), py0}, {m.X(0) - S(1), py0}, true, "4", s.g4, s.p4);
            floorLoads(canvas, {m.X(w), py1}, {m.X(0) - S(1), py1}, true, "7", s.g7, s.p7);
        }

        const double maxValue = std::max(std::fabs(nod), std::fabs(n2d));
        const TColor force = colors[dcForce];
        if (nod != 0) DrawForceArrow(canvas, m(t - ag / 2, 0), 0, nod, maxValue, 0, force, true, 2, false);
        // the span below starts at the wall's axis to the right: the value of
        // the force at the bottom goes to the left of its arrow
        if (footForce) DrawForceArrow(canvas, m(t - ad / 2, h + t), 0, n2d, maxValue, 180, force, true, 2, true);

        canvas.brush.style = TBrushStyle::Clear;
        canvas.pen.color = entry.pen;
        TRect b;
        DrawRingBeamWidths(canvas, m, s, 'L', b, entry.brush);
        // the thickness inside the wall on a halo, beside it when it does not fit
        DrawDimensionH(canvas, m(0, t + h / 2), m(t, t + h / 2), FormatFixed(1, t), 'R', b, entry.brush);

        const std::string pad = "       ";
        auto span = [&](double x1, double x2, double y) {
            return std::pair<TPoint, TPoint>{Shift(m(x1, y), 0, S(20)), Shift(m(x2, y), 0, S(20))};
        };
        auto rightSpans = [&](Canvas& c) {
            auto [a3, b3] = span(t / 2, e, t);
            DrawDimensionHArrow(c, a3, b3, pad + "l%D3%N=" + FormatFixed(1, Finite(s.l3)), 'R', 0, false, true,
                                entry.brush);
            auto [a6, b6] = span(t / 2, e, h + 2 * t);
            DrawDimensionHArrow(c, a6, b6, pad + "l%D6%N=" + FormatFixed(1, Finite(s.l6)), 'R', 0, false, true,
                                entry.brush);
        };
        rightSpans(canvas);
        if (!external) {
            auto [a4, b4] = span(w, t / 2, t);
            DrawDimensionHArrow(canvas, a4, b4, "l%D4%N=" + FormatFixed(1, Finite(s.l4)) + pad, 'L',
                                0, true, false);
            auto [a7, b7] = span(w, t / 2, h + 2 * t);
            DrawDimensionHArrow(canvas, a7, b7, "l%D7%N=" + FormatFixed(1, Finite(s.l7)) + pad, 'L',
                                0, true, false);
        }

        // h between the mid-planes of the floors, h2 above and h5 below, to
        // the right of the right floors' loads and spans (its text left of its line)
        InkBoundsCanvas probe(canvas);
        rightLoads(probe);
        rightSpans(probe);
        const int beside = probe.inked() ? probe.bounds().Right + S(5) + canvas.textHeight("A") : 0;
        const int xd = std::max(m.X(t) + S(40), beside);
        DrawDimensionV(canvas, {xd, m.Y(t / 4)}, {xd, m.Y(h + 1.25 * t)}, FormatFixed(1, h), 'A', b);
        DrawDimensionVArrow(canvas, {xd, m.Y(t / 4)}, {xd, m.Y(-2 * t) - S(10)}, "h%D2%N", 'U', false,
                            true);
        DrawDimensionVArrow(canvas, {xd, m.Y(h + 4.25 * t)}, {xd, m.Y(h + 1.25 * t)}, "h%D5%N", 'D',
                            true, false);
    });
}

} // namespace

void DrawContinuousWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                        const TCalcResults& results, bool /*flag*/, const TDrawingColors& colors,
                        int topOffset)
{
    const TContinuousWallSetup s(input);
    DrawFitted(canvas, size, [&](Canvas& c, const TPoint& area) {
        ContinuousWall(c, area, s, results, colors, topOffset);
    });
}

} // namespace orv
