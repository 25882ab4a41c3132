// Helpers shared by the wall schemes: the mapping of model centimetres to
// pixels, saved canvas colours, small line helpers and the storey of the
// vertical-load schemes.
#pragma once

#include <cmath>
#include <functional>
#include <initializer_list>
#include <vector>

#include "drawing/Canvas.h"
#include "drawing/CommonColorUnit.h"
#include "drawing/DrawPrimitives.h"
#include "core/MyUtils.h"
#include "core/ZunCaseSetup.h"

namespace orv::wallscheme {

inline bool PositiveFinite(double v) { return std::isfinite(v) && v > 0; }
// A value read from a record, 0 when it is not a finite number.
inline double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

// Model point (x, y) in cm -> pixel (X0 + Round(Scale x), Y0 + Round(Scale y)),
// held within the limits of the drawing (a point far beyond the area, from
// a value the layout did not fit, stays just beyond it).
struct ModelMap {
    double scale = 0;
    int x0 = 0;
    int y0 = 0;
    TRect limits{-kDrawLimit, -kDrawLimit, kDrawLimit, kDrawLimit};
    void limitTo(const TRect& area) { limits = DrawingLimits(area); }
    int X(double x) const { return LimitCoord(x0 + Rounded(scale * x), limits.Left, limits.Right); }
    int Y(double y) const { return LimitCoord(y0 + Rounded(scale * y), limits.Top, limits.Bottom); }
    TPoint operator()(double x, double y) const { return {X(x), Y(y)}; }

private:
    static double Rounded(double v) { return std::isnan(v) ? 0.0 : RoundHalfEven(v); }
};

inline TPoint Shift(TPoint p, int dx, int dy) { return {p.X + dx, p.Y + dy}; }

inline void Line(Canvas& c, TPoint a, TPoint b)
{
    c.moveTo(a.X, a.Y);
    c.lineTo(b.X, b.Y);
}

inline void Path(Canvas& c, std::initializer_list<TPoint> pts)
{
    auto it = pts.begin();
    c.moveTo(it->X, it->Y);
    for (++it; it != pts.end(); ++it) c.lineTo(it->X, it->Y);
}

// The pen, brush and font colours a canvas had when a drawing began.
struct EntryColors {
    explicit EntryColors(Canvas& c) : pen(c.pen.color), brush(c.brush.color), font(c.font.color) {}
    void restore(Canvas& c) const
    {
        c.pen.color = pen;
        c.brush.color = brush;
        c.font.color = font;
    }
    TColor pen, brush, font;
};

// Size unit bound to one canvas.
struct SizeOf {
    Canvas& canvas;
    int operator()(double n) const { return SizeUnit(canvas, n); }
};

// What the schemes of cases 0 and 1 make of the storey, in model cm from the
// top of the upper floor.
struct StoreyFrame {
    int band = 0;           // pixels kept above the layout for the labels of the forces
    double margin = 0;      // room the layout leaves above the upper floor
    double depth = 0;       // height the layout fits
    double below = 0;       // the wall below ends here
    bool wallAbove = true;  // a wall above, ending at `above`
    double above = 0;
    double windTop = 0, windBottom = 0;  // span of the wind bands of an external wall
};

// What a scheme draws over its storey, with the storey's mapping and the
// canvas colours its drawing began with.
using StoreyDetails = std::function<void(const ModelMap& m, const EntryColors& entry)>;

// Lays out the storey of `s` in `size`, moved down by topOffset, and draws
// the wall with its floors (cut off 0.333 h from the wall, with dashed cut
// ends) and the walls above and below in the scheme's colours with pen
// width S(1), and the wind bands of an external wall; then, the brush in
// the entry colour, the details; last the pen width S(1) and the entry
// colours again. Nothing when no scale fits.
void DrawWallScheme(Canvas& canvas, const TPoint& size, const TVerticalWallSetup& s, const StoreyFrame& f,
                    int topOffset, const TDrawingColors& colors, const StoreyDetails& details);

// The widths of the narrower ring beams given for an external wall, as
// entered, below the upper and above the lower floor; their texts on halos.
void DrawRingBeamWidths(Canvas& canvas, const ModelMap& m, const TVerticalWallSetup& s, char place,
                        TRect& bounds, TColor halo);

} // namespace orv::wallscheme
