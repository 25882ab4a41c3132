// The storey that the schemes of the walls loaded vertically share: the
// wall with its floors, the walls above and below, the wind bands and the
// widths of the ring beams.
#include "drawing/DimensionLines.h"
#include "drawing/ZunPaintLayout.h"
#include "drawing/ZunPaintWallSupport.h"

namespace orv {

namespace wallscheme {

namespace {

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

} // namespace

void DrawWallScheme(Canvas& canvas, const TPoint& size, const TVerticalWallSetup& s, const StoreyFrame& f,
                    int topOffset, const TDrawingColors& colors, const StoreyDetails& details)
{
    const SizeOf S{canvas};
    const double t = s.t_cm, h = s.h_cm;
    ModelMap m;
    const TPoint area{size.X, size.Y - f.band};
    const double W = s.external ? t + 0.333 * h : t + 0.666 * h;
    if (!WallDrawingLayout(canvas, area, 0, W, f.depth, 0, true, false, false, false, true, false,
                           false, m.scale, m.x0, m.y0))
        return;
    if (!s.external) m.x0 += RoundToInt(0.333 * m.scale * h);
    m.y0 += f.band + RoundToInt(m.scale * f.margin) + topOffset;
    m.limitTo({0, 0, size.X, size.Y});

    const EntryColors entry(canvas);
    DrawStoreySection(canvas, m, t, h, Finite(s.a_wg_cm), Finite(s.a_wd_cm), s.external, colors, entry);

    // a wall stub from the floor at y to its dashed cut end at yEnd
    auto stub = [&](double y, double yEnd) {
        Path(canvas, {m(0, yEnd), m(0, y), m(t, y), m(t, yEnd)});
        DrawDashedLine(canvas, Shift(m(t, yEnd), S(5), 0), Shift(m(0, yEnd), -S(5), 0));
    };
    canvas.pen.color = entry.pen;
    stub(h + 2 * t, f.below);
    if (f.wallAbove) stub(0, f.above);
    canvas.brush.color = entry.brush;

    if (s.external) {
        const double wd = Finite(s.wd), wd2 = Finite(s.wd2);
        const int x = m.X(0);
        const int top = m.Y(f.windTop), bottom = m.Y(f.windBottom);
        if (wd != 0)
            DrawHorizontalLoadBand(canvas, {x - S(10), top}, {x - S(10), bottom}, wd, colors[dcDistributedLoad], "");
        if (wd2 != 0) {
            const int dx = wd != 0 ? S(70) : S(10);
            DrawHorizontalLoadBand(canvas, {x - dx, top}, {x - dx, bottom}, wd2, colors[dcDistributedLoad], "");
        }
    }

    details(m, entry);
    canvas.pen.width = S(1);
    entry.restore(canvas);
}

void DrawRingBeamWidths(Canvas& canvas, const ModelMap& m, const TVerticalWallSetup& s, char place,
                        TRect& bounds, TColor halo)
{
    if (!s.ringBeams) return;
    const SizeOf S{canvas};
    const double t = s.t_cm, h = s.h_cm, ag = Finite(s.a_wg_cm), ad = Finite(s.a_wd_cm);
    DrawDimensionH(canvas, Shift(m(t - ag, t), 0, S(15)), Shift(m(t, t), 0, S(15)), FormatFixed(1, ag), place,
                   bounds, halo);
    DrawDimensionH(canvas, Shift(m(t - ad, h + t), 0, -S(10)), Shift(m(t, h + t), 0, -S(10)),
                   FormatFixed(1, ad), place, bounds, halo);
}

} // namespace wallscheme

} // namespace orv
