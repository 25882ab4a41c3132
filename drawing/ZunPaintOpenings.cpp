// Elevation of a wall with its openings and the opening being defined (its
// outline and diagonals over the wall as it is), with the dimensions that place it, in the length unit the dialog shows.
#include <cmath>

#include "drawing/DimensionLines.h"
#include "core/ZunOpenings.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLayout.h"
#include "drawing/ZunPaintWallSupport.h"

namespace orv {

using namespace wallscheme;

namespace {

bool InList(u32 value, std::initializer_list<u32> list)
{
    for (u32 v : list)
        if (v == value) return true;
    return false;
}

} // namespace

void DrawOpeningsScheme(Canvas& canvas, const TRect& clientRect, const TCalcInput& inputIn,
                        TRect& openingRect, double& scale, const TDrawingColors& colorsIn, int unit,
                        double X, double Y, double L, double H)
{
    const TCalcInput input = inputIn;
    const TDrawingColors colors = colorsIn;
    const double h = input.h, l = input.l;
    if (!PositiveFinite(h) || !PositiveFinite(l)) return;
    if (!std::isfinite(X) || !std::isfinite(Y) || !std::isfinite(L) || !std::isfinite(H)) return;
    const SizeOf S{canvas};
    const TPoint size{clientRect.Right - clientRect.Left - S(30), clientRect.Bottom - clientRect.Top};
    ModelMap m;
    if (!WallDrawingLayout(canvas, size, 0, l, h, 0, true, false, false, false, true, false, false,
                           m.scale, m.x0, m.y0))
        return;
    m.x0 += S(50) + clientRect.Left;
    m.y0 += clientRect.Top;
    m.limitTo(clientRect);
    scale = m.scale;

    canvas.pen.width = S(1);
    const EntryColors entry(canvas);
    canvas.brush.color = colors[dcMasonryFill];
    canvas.pen.color = colors[dcMasonryOutline];
    const TPoint tl = m(0, 0), bl = m(0, h), br = m(l, h), tr = m(l, 0);
    canvas.polygon({tl, bl, br, tr});

    // the hinged edges of the plate scheme; fixed edges have no symbol here
    canvas.pen.color = clBlack;
    canvas.pen.width = S(2);
    const u32 scheme = input.SchematPlytySciany;
    const int s2 = S(2), s3 = S(3);
    if (InList(scheme, {0, 4})) DrawDashedLine(canvas, Shift(br, s3, s2), Shift(tr, s3, -s2));
    if (InList(scheme, {0, 1, 4, 5, 9})) DrawDashedLine(canvas, Shift(tl, -s2, s2), Shift(bl, -s2, -s2));
    if (InList(scheme, {0, 1, 2, 4, 5, 6, 9, 10}))
        DrawDashedLine(canvas, Shift(br, s3, s2), Shift(bl, -s2, s2));
    if (InList(scheme, {4, 5, 6, 7, 9, 10, 11}))
        DrawDashedLine(canvas, Shift(tl, s3, -s2), Shift(tr, -s2, -s2));

    canvas.pen.width = S(1);
    entry.restore(canvas);
    const int count = OpeningCount(input);
    for (int k = 0; k < count; ++k) {
        const TOpening o = input.Okna[k];
        canvas.polygon({m(o.x, h - o.y), m(o.x + o.l, h - o.y), m(o.x + o.l, h - o.y - o.h),
                        m(o.x, h - o.y - o.h)});
    }

    // the edited opening: outlined in mask mode, so its white fill leaves
    // the picture below as it is
    const TPenMode mode = canvas.pen.mode;
    canvas.pen.width = S(2);
    canvas.brush.color = clWhite;
    canvas.brush.style = TBrushStyle::Solid;
    canvas.pen.mode = TPenMode::Mask;
    const TPoint p0 = m(X, h - Y), p1 = m(X + L, h - Y), p2 = m(X + L, h - Y - H), p3 = m(X, h - Y - H);
    openingRect = {p3.X, p3.Y, p1.X, p1.Y};
    canvas.polygon({p0, p1, p2, p3});
    canvas.pen.width = S(1);
    DrawDashedLine(canvas, p0, p2);
    DrawDashedLine(canvas, p1, p3);
    canvas.pen.mode = mode;
    canvas.brush.style = TBrushStyle::Clear;

    std::string text;
    auto length = [&](double v) {
        if (unit == 0) text = FormatFixed(2, v / 100);
        if (unit == 1) text = FormatFixed(1, v);
        if (unit == 2) text = FormatFixed(0, v * 10);
        return text;  // any other unit repeats the previous text
    };
    TRect b;
    const int s15 = S(15), s20 = S(20), s30 = S(30);
    if (X > 0) DrawDimensionH(canvas, Shift(m(0, h), 0, s15), Shift(m(X, h), 0, s15), length(X), 'L', b);
    DrawDimensionH(canvas, Shift(m(X, h), 0, s15), Shift(m(X + L, h), 0, s15), length(L), 'R', b);
    DrawDimensionH(canvas, Shift(m(0, h), 0, s30), Shift(m(l, h), 0, s30), length(l), 'A', b);
    DrawDimensionV(canvas, Shift(m(l, 0), s20, 0), Shift(m(l, h), s20, 0), length(h), 'A', b);
    if (Y > 0) DrawDimensionV(canvas, Shift(m(0, h - Y), -s20, 0), Shift(m(0, h), -s20, 0), length(Y), 'A', b);
    if (H > 0)
        DrawDimensionV(canvas, Shift(m(0, h - Y), -s20, 0), Shift(m(0, h - Y - H), -s20, 0), length(H),
                       'U', b);
    entry.restore(canvas);
}

} // namespace orv
