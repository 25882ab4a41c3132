// Case 4: section through the basement wall with the slab above, the footing
// and basement floor below, the backfill with the conditions of the
// simplified method, the design forces and the dimensions.
#include <algorithm>
#include <cmath>

#include "drawing/DimensionLines.h"
#include "drawing/DrawPrimitives.h"
#include "drawing/SchemeFit.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLayout.h"
#include "drawing/ZunPaintLoadSymbols.h"

namespace orv {

namespace {

// False when the wall has no positive, finite size: nothing is drawn then.
bool BasementWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                  const TCalcResults& results, const TDrawingColors& colors, int yOffset)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    const double t = input.t, h = input.h, he = input.he;
    // N_Sd, drawn once the check has computed it
    const bool loadComputed = results.reached(cpDesignLoads);
    const double n0d = input.N0_mb, nRef = input.Nsld, nsd = loadComputed ? results.N_2d : 0.0;
    const double p = input.BasementReserved[1];
    double aP = input.BasementReserved[2];
    for (double v : {t, h, he, n0d, nRef, nsd, p, aP})
        if (!std::isfinite(v)) return false;
    if (t <= 0 || h <= 0 || he < 0) return false;

    const TPoint work{size.X - S(35), size.Y - S(30)};
    if (p == 0) aP = 0;
    const double reach = std::max(0.5 * h, 100.0 * aP);
    const double w = reach + 0.333 * h + t;
    const double hm = std::max(h + 2 * t, he + 2 * t);
    double scale = 0;
    int x0 = 0, y0 = 0;
    if (!WallDrawingLayout(canvas, work, 0, w, hm, 0, true, false, false, false, true, false,
                           false, scale, x0, y0))
        return false;
    x0 += RoundToInt(reach * scale) + S(65);
    y0 += S(55);
    if (he > h) y0 += RoundToInt((he - h) * scale);
    // model points beyond the area stay just beyond it
    const TRect lim = DrawingLimits({0, 0, size.X, size.Y});
    auto X = [&](double x) { return LimitCoord(x0 + RoundHalfEven(scale * x), lim.Left, lim.Right); };
    auto Y = [&](double y) {
        return LimitCoord(y0 + RoundHalfEven(scale * y) + double(yOffset), lim.Top, lim.Bottom);
    };
    auto pt = [&](double x, double y) { return TPoint{X(x), Y(y)}; };
    auto line = [&](TPoint a, TPoint b) {
        canvas.moveTo(a.X, a.Y);
        canvas.lineTo(b.X, b.Y);
    };

    const TColor entryPen = canvas.pen.color, entryBrush = canvas.brush.color;
    const double yg = t + h - he;
    const double xr = 0.333 * h + t;  // cut end of the slab and the basement floor
    canvas.pen.width = S(1);

    // wall, slab with its break, footing
    canvas.pen.color = colors[dcMasonryOutline];
    canvas.brush.color = colors[dcMasonryFill];
    canvas.brush.style = TBrushStyle::Solid;
    canvas.polygon({pt(0, t), pt(t, t), pt(t, t + h), pt(0, t + h)});
    canvas.pen.color = clBlack;
    canvas.brush.color = colors[dcSection];
    canvas.polygon({pt(0, 0), pt(0, t), pt(t, t), pt(t, 0.5 * t), pt(xr, 0.5 * t), pt(xr, 0)});
    canvas.pen.color = entryBrush;
    line(pt(xr, 0.5 * t), pt(xr, 0));
    canvas.pen.color = entryPen;
    DrawDashedLine(canvas, {X(xr), Y(0.5 * t) + S(5)}, {X(xr), Y(0) - S(5)});
    canvas.pen.color = clBlack;
    canvas.polygon({pt(-0.5 * t, t + h), pt(-0.5 * t, h + 2 * t), pt(1.5 * t, h + 2 * t),
                    pt(1.5 * t, t + h)});

    // basement floor, wall above the slab, ground line
    line(pt(1.5 * t, t + h), pt(xr, t + h));
    line(pt(1.5 * t, h + 1.5 * t), pt(xr, h + 1.5 * t));
    DrawDashedLine(canvas, {X(xr), Y(t + h) - S(5)}, {X(xr), Y(h + 1.5 * t) + S(5)});
    const double yTop = -(std::max(0.0, he - h) + t);
    line(pt(0, 0), pt(0, yTop));
    line(pt(t, 0), pt(t, yTop));
    DrawDashedLine(canvas, {X(0) - S(5), Y(yTop)}, {X(t) + S(5), Y(yTop)});
    line(pt(0, yg), pt(-0.5 * h, yg));

    // forces share one reference, so that their lengths compare
    const double nMax =
        std::max({std::fabs(nsd), std::fabs(nRef), std::fabs(n0d), p > 0 ? p : 0.0});
    const TColor force = colors[dcForce];
    canvas.brush.color = entryBrush;  // the background of the labels' halos
    if (n0d != 0)
        DrawForceArrow(canvas, pt(0.5 * t, t), 0, n0d, nMax, 0, force, true, 2, false);
    else
        DrawForceArrowMarkup(canvas, pt(0.5 * t, t), 0, "N%D0d%N", 0, force, true, false);
    if (loadComputed) DrawForceArrow(canvas, pt(0.5 * t, t + h - 0.5 * he), 0, nsd, nMax, 0, force, true, 2, true);
    if (p > 0) DrawForceArrow(canvas, pt(-100.0 * aP, yg), 0, p, nMax, 0, force, true, 2, false);

    // backfill: soil, surcharge and the limit load of the simplified method
    const TPoint groundEnd = pt(-0.5 * h, yg);
    DrawSoilHatching(canvas, groundEnd);
    DrawDistributedLoad(canvas, {groundEnd.X + S(1), groundEnd.Y - S(1)}, {X(0), groundEnd.Y - S(1)},
                        10, 0, true, true, "p%De%N ≤ 5 kN/m²", colors[dcDistributedLoad]);
    DrawOutlinedLoadArrow(canvas, X(-0.45 * h), Y(yg) - S(12), colors, "P≤15 kN");

    canvas.brush.style = TBrushStyle::Clear;
    canvas.pen.color = clBlack;
    TRect b;
    DrawDimensionH(canvas, {X(-0.45 * h), Y(yg) - S(55)}, {X(0), Y(yg) - S(55)},
                   "≤ " + FormatFixed(1, 1.5) + " m", 'A', b);
    // the thickness inside the wall on a halo, beside it when it does not fit
    DrawDimensionH(canvas, pt(0, t + 0.75 * h), pt(t, t + 0.75 * h), FormatFixed(1, t), 'R', b, entryBrush);
    DrawDimensionV(canvas, {X(t) + S(40), Y(t)}, {X(t) + S(40), Y(t + h)}, FormatFixed(1, h), 'A', b);
    DrawDimensionV(canvas, {X(-0.5 * h) - S(20), Y(yg)}, {X(-0.5 * h) - S(20), Y(t + h)},
                   FormatFixed(1, he), 'A', b);
    canvas.pen.width = S(1);
    return true;
}

// The scheme kept inside its area; false when nothing was drawn.
bool FittedBasementWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                        const TCalcResults& results, const TDrawingColors& colors, int yOffset)
{
    bool drawn = false;
    DrawFitted(canvas, size, [&](Canvas& c, const TPoint& area) {
        drawn = BasementWall(c, area, input, results, colors, yOffset);
    });
    return drawn;
}

} // namespace

void DrawBasementWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                      const TCalcResults& results, bool /*flag*/, const TDrawingColors& colors,
                      int yOffset)
{
    FittedBasementWall(canvas, size, input, results, colors, yOffset);
}

void DrawBasementWallMetafile(TSchemePicture& pic, const TCalcInput& input,
                              const TCalcResults& results, double w, double h, bool /*flag*/,
                              const TDrawingColors& colors)
{
    bool drawn = false;
    RecordSchemePicture(
        pic, w, h,
        [&](Canvas& canvas, const TPoint& size) { drawn = FittedBasementWall(canvas, size, input, results, colors, 0); },
        SchemeFigureMargin);
    if (!drawn) pic = TSchemePicture();  // callers skip an empty figure
}

} // namespace orv
