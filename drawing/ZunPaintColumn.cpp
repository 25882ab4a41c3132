// Case 5: the pier as a prism in axonometric view with its base plane and
// section axes, the beams on its top, the axial force, the moments about both
// axes and the dimensions of the height and of the section.
#include <algorithm>
#include <cmath>

#include "drawing/DimensionLines.h"
#include "drawing/DrawPrimitives.h"
#include "drawing/MarkupText.h"
#include "drawing/SchemeFit.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLayout.h"
#include "drawing/ZunPaintLoadSymbols.h"
#include "core/ZunCaseSetup.h"

namespace orv {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBeamWidth = 15;   // cm
constexpr double kBeamDepth = 20;   // cm

bool IsBeam(u32 code) { return code == 1 || code == 2; }

void Column(Canvas& canvas, const TPoint& size, const TColumnSetup& s, const TDrawingColors& colors)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    const double t = s.t_cm, b = s.b_cm, h = s.h_cm;
    const double nsd = s.N, mx = s.Msdx, my = s.Msdy;
    const u32 supportY = s.supportX;  // beam along the y axis
    const u32 supportX = s.supportY;  // beam along the x axis
    for (double v : {t, b, h, nsd, mx, my})
        if (!std::isfinite(v)) return;
    if (t <= 0 || b <= 0 || h <= 0) return;

    const double c30 = std::cos(30 * kPi / 180), s30 = std::sin(30 * kPi / 180);
    const double e = IsBeam(supportX) || IsBeam(supportY) ? kBeamDepth : 0;
    const TPoint work{size.X, size.Y - S(15)};
    const double w = c30 * t + c30 * b;
    const double hm = s30 * t + s30 * b + h + e;
    double scale = 0;
    int x0 = 0, y0 = 0;
    if (!ColumnDrawingLayout(canvas, work, 0, w, hm, true, false, false, false, true, false, scale,
                             x0, y0))
        return;
    x0 += RoundToInt(c30 * scale * t);
    y0 += S(50) + RoundToInt(scale * e);
    const double d = S(15) / scale;
    // points beyond the area (the base plane and beams round a tiny pier)
    // stay just beyond it
    const TRect lim = DrawingLimits({0, 0, size.X, size.Y});
    auto limX = [&](double v) { return LimitCoord(v, lim.Left, lim.Right); };
    auto limY = [&](double v) { return LimitCoord(v, lim.Top, lim.Bottom); };
    auto A = [&](double x, double y) {
        return TPoint{limX(x0 + RoundHalfEven(scale * (c30 * x - c30 * y))),
                      limY(y0 + RoundHalfEven(scale * (s30 * x + s30 * y)))};
    };
    auto down = [&](TPoint p, double dz) { return TPoint{p.X, limY(p.Y + RoundHalfEven(scale * dz))}; };
    auto up = [&](TPoint p, double dz) { return TPoint{p.X, limY(p.Y - RoundHalfEven(scale * dz))}; };
    auto line = [&](TPoint a, TPoint q) {
        canvas.moveTo(a.X, a.Y);
        canvas.lineTo(q.X, q.Y);
    };

    const TColor entryPen = canvas.pen.color, entryFont = canvas.font.color,
                 entryBrush = canvas.brush.color;
    canvas.pen.width = S(1);

    // base plane with the section axes
    canvas.pen.color = canvas.brush.color = colors[dcView];
    canvas.brush.style = TBrushStyle::Solid;
    canvas.polygon({down(A(-10, -10), h), down(A(b + 10, -10), h), down(A(b + 10, t + 10), h),
                    down(A(-10, t + 10), h)});
    canvas.brush.style = TBrushStyle::Clear;
    canvas.pen.color = entryPen;
    // the axes' far ends lie behind the pier: named at their near ends only
    DrawAxisLine(canvas, down(A(b / 2, -10 - d), h), down(A(b / 2, t + 10 + d), h), "y", false);
    DrawAxisLine(canvas, down(A(-10 - d, t / 2), h), down(A(b + 10 + d, t / 2), h), "x", false);

    // the three visible faces
    canvas.pen.color = colors[dcMasonryOutline];
    canvas.brush.color = colors[dcMasonryFill];
    canvas.brush.style = TBrushStyle::Solid;
    canvas.polygon({A(0, 0), A(b, 0), A(b, t), A(0, t)});
    canvas.polygon({A(b, t), A(b, 0), down(A(b, 0), h), down(A(b, t), h)});
    canvas.polygon({A(0, t), A(b, t), down(A(b, t), h), down(A(0, t), h)});

    // beams on the top: c0 far end low side, c1 near end low side, c2 near end
    // high side, c3 far end high side
    auto beam = [&](u32 code, TPoint c0, TPoint c1, TPoint c2, TPoint c3) {
        canvas.pen.color = code == 1 ? clBlack : colors[dcColumnOutline];
        canvas.brush.color = code == 1 ? colors[dcSection] : colors[dcColumnFill];
        canvas.brush.style = TBrushStyle::Solid;
        canvas.polygon({c2, c1, up(c1, kBeamDepth), up(c2, kBeamDepth)});
        canvas.polygon({c3, c2, up(c2, kBeamDepth), up(c3, kBeamDepth)});
        canvas.polygon({up(c0, kBeamDepth), up(c1, kBeamDepth), up(c2, kBeamDepth),
                        up(c3, kBeamDepth)});
    };
    const double m = std::max(b, t);
    const double yLo = (t - kBeamWidth) / 2, yHi = yLo + kBeamWidth;
    const double xLo = b / 2 - kBeamWidth / 2, xHi = b / 2 + kBeamWidth / 2;
    if (IsBeam(supportX))
        beam(supportX, A(-2 * m, yLo), A(b, yLo), A(b, yHi), A(-2 * m, yHi));
    if (IsBeam(supportY))
        beam(supportY, A(xLo, -2 * m), A(xLo, t), A(xHi, t), A(xHi, -2 * m));
    if (IsBeam(supportX) && IsBeam(supportY))  // the x beam passes in front of the y beam
        beam(supportX, A(xHi, yLo), A(b, yLo), A(b, yHi), A(xHi, yHi));

    // axial force and moments
    canvas.brush.style = TBrushStyle::Clear;
    canvas.brush.color = entryBrush;
    const TPoint centre = A(b / 2, t / 2);
    const int lift = RoundToInt(scale * e);
    DrawForceArrow(canvas, {centre.X, centre.Y - S(5) - lift}, 0, nsd > 0 ? nsd : 0,
                   nsd > 0 ? nsd : 1, 0, colors[dcForce], true, 2, false);
    const double mRef = std::max(std::fabs(mx), std::fabs(my));
    // each moment arrow's halo is the background (the symbol leaves its colour in the brush)
    if (mx != 0) {
        canvas.brush.color = entryBrush;
        const TPoint p = A(b, t / 2);
        DrawMomentSymbol(canvas, {p.X, p.Y - lift - S(2)}, colors[dcMoment], mx, mRef, 0, "", true);
    }
    if (my != 0) {
        canvas.brush.color = entryBrush;
        const TPoint p = A(b / 2, t);
        DrawMomentSymbol(canvas, {p.X, p.Y - lift + S(2)}, colors[dcMoment], my, mRef, 0, "", false);
    }

    // dimensions: height beside the prism, section sizes on the side faces
    canvas.pen.color = entryPen;
    canvas.font.color = entryFont;
    TRect bounds;
    const double zs = 0.75 * h;
    const double e5 = S(5) / scale, e15 = S(15) / scale, e20 = S(20) / scale;
    // the height runs right of the label of t, whose shoulder starts at most
    // S(5) beyond the upper end of its line
    const std::string tText = "  " + FormatFixed(1, t);
    const int tRight = down(A(b + e15, 0), zs).X + S(5) + S(2) + MarkupTextWidth(canvas, tText);
    const int xh = std::max(A(b, 0).X + S(25), tRight + S(8));
    DrawDimensionV(canvas, {xh, centre.Y}, {xh, down(centre, h).Y}, FormatFixed(1, h), 'C', bounds);
    line(down(A(b, t + e5), zs), down(A(b, t + e20), zs));
    line(down(A(0, t + e5), zs), down(A(0, t + e20), zs));
    DrawDimensionSlantMarkup(canvas, down(A(0, t + e15), zs), down(A(b, t + e15), zs), 5,
                             FormatFixed(1, b) + "  ", 'C', 'U', entryBrush);
    line(down(A(b + e5, t), zs), down(A(b + e20, t), zs));
    line(down(A(b + e5, 0), zs), down(A(b + e20, 0), zs));
    DrawDimensionSlantMarkup(canvas, down(A(b + e15, t), zs), down(A(b + e15, 0), zs), 5,
                             tText, 'R', 'U', entryBrush);
    canvas.pen.width = S(1);
    canvas.brush.style = TBrushStyle::Clear;
}

} // namespace

void DrawColumn(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                const TCalcResults& /*results*/, bool /*flag*/, const TDrawingColors& colors,
                int /*reserved*/)
{
    const TColumnSetup s(input);
    DrawFitted(canvas, size, [&](Canvas& c, const TPoint& area) { Column(c, area, s, colors); });
}

} // namespace orv
