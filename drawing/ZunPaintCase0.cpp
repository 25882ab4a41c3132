// Scheme of a wall loaded vertically, hinged model: a section through one
// storey with the floors, the wall stubs, the forces, the wind and the
// dimensions.
#include <algorithm>
#include <cmath>

#include "drawing/DimensionLines.h"
#include "drawing/SchemeFit.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLayout.h"
#include "drawing/ZunPaintWallSupport.h"

namespace orv {

namespace wallscheme {

void DrawStoreySection(Canvas& canvas, const ModelMap& m, double t, double h, double ag, double ad,
                       bool external, const TDrawingColors& colors, const EntryColors& entry)
{
    const SizeOf S{canvas};
    canvas.pen.width = S(1);
    const double e = t + 0.333 * h;   // cut end of the right floors
    const double w = -0.333 * h;      // cut end of the left floors

    canvas.brush.color = colors[dcMasonryFill];
    canvas.pen.color = colors[dcMasonryOutline];
    canvas.polygon({m(0, t), m(t, t), m(t, h + t), m(0, h + t)});

    // the cut end of a floor plate between y1 and y2 at x: erased, then dashed
    auto cutEnd = [&](double x, double y1, double y2) {
        canvas.pen.color = entry.brush;
        Line(canvas, m(x, y2), m(x, y1));
        canvas.pen.color = entry.pen;
        DrawDashedLine(canvas, Shift(m(x, y1), 0, -S(5)), Shift(m(x, y2), 0, S(5)));
    };

    canvas.brush.color = colors[dcSection];
    canvas.pen.color = clBlack;
    if (external)
        canvas.polygon({m(t - ag, 0), m(t - ag, t), m(t, t), m(t, t / 2), m(e, t / 2), m(e, 0)});
    else
        canvas.polygon({m(0, t / 2), m(0, t), m(t, t), m(t, t / 2), m(e, t / 2), m(e, 0), m(w, 0),
                        m(w, t / 2)});
    cutEnd(e, 0, t / 2);
    if (!external) cutEnd(w, 0, t / 2);

    canvas.brush.color = colors[dcSection];
    canvas.pen.color = clBlack;
    const double yb = h + t;
    if (external)
        canvas.polygon({m(t - ad, yb), m(t - ad, yb + t), m(t, yb + t), m(t, yb + t / 2),
                        m(e, yb + t / 2), m(e, yb)});
    else
        canvas.polygon({m(0, yb + t / 2), m(0, yb + t), m(t, yb + t), m(t, yb + t / 2),
                        m(e, yb + t / 2), m(e, yb), m(w, yb), m(w, yb + t / 2)});
    cutEnd(e, yb, yb + t / 2);
    if (!external) cutEnd(w, yb, yb + t / 2);
}

} // namespace wallscheme

using namespace wallscheme;

namespace {

void HingedWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                const TCalcResults& results, const TDrawingColors& colorsIn, int topOffset)
{
    const double t = input.t, h = input.h;
    if (!PositiveFinite(t) || !PositiveFinite(h)) return;
    const TDrawingColors colors = colorsIn;
    const SizeOf S{canvas};
    const bool external = input.ScianaZewnetrzna != 0;
    const bool topStorey = input.ScianaNajwyzszejKodnygnacji != 0;
    const bool ringBeams = external && input.def_szer_wiencow != 0;
    const double nod = Finite(input.Nod), nsld = Finite(input.Nsld), nspd = Finite(input.Nspd);
    const double n2d = Finite(results.N_2d);
    const double wd = Finite(input.wd), wd2 = Finite(input.wd2);
    double ag = Finite(input.ag), ad = Finite(input.ad);
    if (!ringBeams) ag = ad = t;

    int band = S(35);
    if (nod > 100.0) band += canvas.textWidth("00");
    const TPoint area{size.X, size.Y - band};
    const double W = external ? t + 0.333 * h : t + 0.666 * h;
    ModelMap m;
    if (!WallDrawingLayout(canvas, area, 0, W, h + 2 * t, 0, true, false, false, false, true, false,
                           false, m.scale, m.x0, m.y0))
        return;
    if (!external) m.x0 += RoundToInt(0.333 * m.scale * h);
    m.y0 += band + topOffset;
    m.limitTo({0, 0, size.X, size.Y});

    const EntryColors entry(canvas);
    DrawStoreySection(canvas, m, t, h, ag, ad, external, colors, entry);

    // the wall below, and above unless this is the top storey
    canvas.pen.color = entry.pen;
    Path(canvas, {m(0, h + 3 * t), m(0, h + 2 * t), m(t, h + 2 * t), m(t, h + 3 * t)});
    DrawDashedLine(canvas, Shift(m(t, h + 3 * t), S(5), 0), Shift(m(0, h + 3 * t), -S(5), 0));
    if (!topStorey) {
        Path(canvas, {m(0, -t), m(0, 0), m(t, 0), m(t, -t)});
        DrawDashedLine(canvas, Shift(m(t, -t), S(5), 0), Shift(m(0, -t), -S(5), 0));
    }
    canvas.brush.color = entry.brush;

    if (external) {
        const int x = m.X(0);
        if (wd != 0)
            DrawHorizontalLoadBand(canvas, {x - S(10), m.Y(t)}, {x - S(10), m.Y(h + t)}, wd,
                                   colors[dcDistributedLoad], "");
        if (wd2 != 0) {
            const int dx = wd != 0 ? S(70) : S(10);
            DrawHorizontalLoadBand(canvas, {x - dx, m.Y(t)}, {x - dx, m.Y(h + t)}, wd2,
                                   colors[dcDistributedLoad], "");
        }
    }

    // arrows to one scale: the largest magnitude gets the standard length
    double maxValue = std::max({std::fabs(nod), std::fabs(nsld), std::fabs(n2d)});
    if (!external) maxValue = std::max(maxValue, std::fabs(nspd));
    const TColor force = colors[dcForce];
    // an internal wall's slab forces stand close on both sides of the load
    // from above: its value goes above the arrow
    if (nod != 0) {
        if (external)
            DrawForceArrow(canvas, m(t - ag / 2, 0), 0, nod, maxValue, 0, force, true, 2, false);
        else
            DrawForceArrowLabelAtTail(canvas, m(t - ag / 2, 0), 0, nod, maxValue, 0, force, 2);
    }
    if (nsld != 0) {
        const double x = t - ag / 2 + (topStorey ? 0.4 * ag : ag / 3);
        DrawForceArrow(canvas, m(x, t), 0, nsld, maxValue, 0, force, true, 2, true);
    }
    if (!external && nspd != 0) {
        const double x = t / 2 - (topStorey ? 0.4 * t : t / 3);
        DrawForceArrow(canvas, m(x, t), 0, nspd, maxValue, 0, force, true, 2, false);
    }
    DrawForceArrow(canvas, m(t - ad / 2, h + t), 0, n2d, maxValue, 180, force, true, 2, false);

    canvas.brush.style = TBrushStyle::Clear;
    canvas.pen.color = entry.pen;
    TRect b;
    // the thickness inside the wall on a halo, beside it when it does not fit
    DrawDimensionH(canvas, m(0, t + h / 2), m(t, t + h / 2), FormatFixed(1, t), 'R', b, entry.brush);
    if (ringBeams) {
        DrawDimensionH(canvas, Shift(m(t - ag, t), 0, S(15)), Shift(m(t, t), 0, S(15)),
                       FormatFixed(1, ag), 'R', b, entry.brush);
        DrawDimensionH(canvas, Shift(m(t - ad, h + t), 0, -S(10)), Shift(m(t, h + t), 0, -S(10)),
                       FormatFixed(1, ad), 'R', b, entry.brush);
    }
    DrawDimensionV(canvas, Shift(m(t, t), S(40), 0), Shift(m(t, h + t), S(40), 0), FormatFixed(1, h),
                   'A', b);
    canvas.pen.width = S(1);
    entry.restore(canvas);
}

} // namespace

void DrawHingedWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                    const TCalcResults& results, bool /*flag*/, const TDrawingColors& colors,
                    int topOffset)
{
    DrawFitted(canvas, size, [&](Canvas& c, const TPoint& area) {
        HingedWall(c, area, input, results, colors, topOffset);
    });
}

} // namespace orv
