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

using namespace wallscheme;

namespace {

void HingedWall(Canvas& canvas, const TPoint& size, const TVerticalWallSetup& s, const TCalcResults& results,
                const TDrawingColors& colorsIn, int topOffset)
{
    const double t = s.t_cm, h = s.h_cm;
    if (!PositiveFinite(t) || !PositiveFinite(h)) return;
    const TDrawingColors colors = colorsIn;
    const SizeOf S{canvas};
    const bool external = s.external;
    const bool topStorey = s.topStorey;
    const double nod = Finite(s.Nod), nsld = Finite(s.Nsld), nspd = Finite(s.Nspd);
    // the force at the foot, drawn once the check has computed it
    const bool footForce = results.reached(cpDesignLoads);
    const double n2d = footForce ? Finite(results.N_2d) : 0.0;
    const double ag = Finite(s.a_wg_cm), ad = Finite(s.a_wd_cm);

    int band = S(35);
    if (nod > 100.0) band += canvas.textWidth("00");
    const StoreyFrame frame{.band = band, .depth = h + 2 * t, .below = h + 3 * t, .wallAbove = !topStorey,
                            .above = -t, .windTop = t, .windBottom = h + t};
    DrawWallScheme(canvas, size, s, frame, topOffset, colors, [&](const ModelMap& m, const EntryColors& entry) {
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
        if (footForce) DrawForceArrow(canvas, m(t - ad / 2, h + t), 0, n2d, maxValue, 180, force, true, 2, false);

        canvas.brush.style = TBrushStyle::Clear;
        canvas.pen.color = entry.pen;
        TRect b;
        // the thickness inside the wall on a halo, beside it when it does not fit
        DrawDimensionH(canvas, m(0, t + h / 2), m(t, t + h / 2), FormatFixed(1, t), 'R', b, entry.brush);
        DrawRingBeamWidths(canvas, m, s, 'R', b, entry.brush);
        DrawDimensionV(canvas, Shift(m(t, t), S(40), 0), Shift(m(t, h + t), S(40), 0), FormatFixed(1, h),
                       'A', b);
    });
}

} // namespace

void DrawHingedWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                    const TCalcResults& results, bool /*flag*/, const TDrawingColors& colors,
                    int topOffset)
{
    const TVerticalWallSetup s(input);
    DrawFitted(canvas, size,
               [&](Canvas& c, const TPoint& area) { HingedWall(c, area, s, results, colors, topOffset); });
}

} // namespace orv
