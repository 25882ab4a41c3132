// Scheme of the load compilation: a section through the storeys above the
// element with their walls, ring beams and floors, the floor and roof loads,
// the dimensions, the storey names and the collected force F at the level of
// the element's wall (or of the slab over the basement).
#include <algorithm>
#include <cmath>
#include <string>

#include "drawing/DimensionLines.h"
#include "drawing/DrawPrimitives.h"
#include "drawing/SchemeFit.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLayout.h"
#include "drawing/ZunPaintLoadSymbols.h"

namespace orv {

namespace {

constexpr int kBasementEntry = 9;
constexpr int kValueMode = 1;  // "wartość": the load is given, not computed

struct Entry {
    double h = 0, t = 0, loL = 0, loP = 0, gL = 0, pL = 0, gP = 0, pP = 0, Fp = 0, Fl = 0;
    double hw = 0, tw = 0;
    bool left = false, right = false, ring = false;
    int wallMode = 0, leftMode = 0, rightMode = 0;

    // Lengths not negative, every number drawn finite.
    bool sound() const
    {
        for (double v : {h, t, loL, loP, gL, pL, gP, pP, Fp, Fl, hw, tw})
            if (!std::isfinite(v)) return false;
        return h >= 0 && t >= 0 && hw >= 0 && tw >= 0 && (!left || loL >= 0) &&
               (!right || loP >= 0);
    }
};

Entry ReadEntry(const TLoadCompilation& l, int e)
{
    Entry s;
    s.h = l.h[e];
    s.t = l.t[e];
    s.loL = l.lo_L[e];
    s.loP = l.lo_P[e];
    s.gL = l.gL[e];
    s.pL = l.pL[e];
    s.gP = l.gP[e];
    s.pP = l.pP[e];
    s.Fp = l.Fp[e];
    s.Fl = l.Fl[e];
    s.hw = l.hw[e];
    s.tw = l.tw[e];
    s.left = l.strop_L[e] != 0;
    s.right = l.strop_P[e] != 0;
    s.ring = l.wieniec[e] != 0;
    s.wallMode = l.GsTyp[e];
    s.leftMode = l.SlTyp[e];
    s.rightMode = l.SpTyp[e];
    return s;
}

bool LoadCollection(Canvas& canvas, const TPoint& size, bool basement, const TLoadCompilation& loads,
                    const TCalcInput& input, const TDrawingColors& colors, int yOffset)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    const TLoadCompilation lc = LoadCompilationInMetres(loads);
    const double tEl = input.t / 100, l3 = input.l3 / 100, l4 = input.l4 / 100;
    const double fRoof = lc.F_dach;
    const int n = std::clamp(int(lc.StoreyCount), 0, kBasementEntry);
    Entry st[kBasementEntry];
    for (int e = 0; e < n; ++e) st[e] = ReadEntry(lc, e);
    const Entry slab = ReadEntry(lc, kBasementEntry);

    for (int e = 0; e < n; ++e)
        if (!st[e].sound()) return false;
    if (!std::isfinite(fRoof) || !std::isfinite(tEl) || tEl < 0) return false;
    if (basement && !slab.sound()) return false;
    if (!basement && (!std::isfinite(l3) || !std::isfinite(l4) || l3 < 0 || l4 < 0)) return false;

    TPoint sz = size;
    sz.Y -= S(35);
    if (basement) sz.Y -= S(10);
    double wMax = 0, leftMax = 0, rightMax = 0, hTot = 0;
    for (int e = 0; e < n; ++e) {
        Entry& s = st[e];
        hTot += s.h + s.hw;
        if (!s.ring) s.tw = s.t;
        wMax = std::max({wMax, s.t, s.tw});
        if (s.left) leftMax = std::max(leftMax, 0.5 * s.loL);
        if (s.right) rightMax = std::max(rightMax, 0.5 * s.loP);
    }
    if (n > 0) hTot += st[0].t;
    const double w = leftMax + wMax + rightMax;
    if (!(w > 0) || !(hTot > 0)) return false;
    double scale = 0;
    int x0 = 0, y0 = 0;
    if (!WallDrawingLayout(canvas, sz, 0, w, hTot, 0, true, false, false, false, true, false, false,
                           scale, x0, y0))
        return false;
    y0 += S(40);
    x0 += RoundToInt(scale * leftMax);
    const TColor background = canvas.brush.color, outline = canvas.pen.color;

    // model points beyond the area (the element's wall and floors at the
    // level are not part of the layout) stay just beyond it
    const TRect lim = DrawingLimits({0, 0, size.X, size.Y});
    auto SP = [&](double x, double y) {
        return TPoint{LimitCoord(x0 + RoundHalfEven(scale * x), lim.Left, lim.Right),
                      LimitCoord(double(y0) + yOffset + RoundHalfEven(scale * y), lim.Top, lim.Bottom)};
    };
    auto moved = [](TPoint p, int dx, int dy) { return TPoint{p.X + dx, p.Y + dy}; };
    auto line = [&](TPoint a, TPoint b) {
        canvas.moveTo(a.X, a.Y);
        canvas.lineTo(b.X, b.Y);
    };
    // a brush colour set makes the brush solid
    auto setBrush = [&](TColor c) {
        canvas.brush.color = c;
        canvas.brush.style = TBrushStyle::Solid;
    };
    const double a = wMax / 2;
    double yTop[kBasementEntry + 1] = {};
    for (int e = 0; e < n; ++e) yTop[e + 1] = yTop[e] + st[e].hw + st[e].h;
    const double yL = yTop[n];

    // slab over the band top with the ring beam below it, cut ends of the floors
    auto section = [&](double y, double hs, double ws, bool right, double r, bool left, double l) {
        if (!right) r = 0;
        if (!left) l = 0;
        const double xr = a + ws / 2 + r / 2, xl = a - ws / 2 - l / 2;
        canvas.polygon({SP(a - ws / 2, y + hs / 2), SP(a - ws / 2, y + hs), SP(a + ws / 2, y + hs),
                        SP(a + ws / 2, y + hs / 2), SP(xr, y + hs / 2), SP(xr, y), SP(xl, y),
                        SP(xl, y + hs / 2)});
        if (right) {
            canvas.pen.color = background;
            line(SP(xr, y + hs / 2), SP(xr, y));
            canvas.pen.color = outline;
            DrawDashedLine(canvas, moved(SP(xr, y + hs / 2), 0, S(5)), moved(SP(xr, y), 0, -S(5)));
        }
        if (left) {
            canvas.pen.color = background;
            line(SP(xl, y), SP(xl, y + hs / 2));
            canvas.pen.color = outline;
            DrawDashedLine(canvas, moved(SP(xl, y), 0, -S(5)), moved(SP(xl, y + hs / 2), 0, S(5)));
        }
    };

    // walls and floors, top to bottom
    for (int e = 0; e < n; ++e) {
        const Entry& s = st[e];
        const double y = yTop[e];
        canvas.pen.width = S(1);
        canvas.pen.color = colors[dcMasonryOutline];
        setBrush(colors[dcMasonryFill]);
        canvas.polygon({SP(a - s.t / 2, y + s.hw), SP(a + s.t / 2, y + s.hw),
                        SP(a + s.t / 2, y + s.hw + s.h), SP(a - s.t / 2, y + s.hw + s.h)});
        setBrush(colors[dcSection]);
        canvas.pen.color = clBlack;
        section(y, s.hw, s.tw, s.right, s.loP, s.left, s.loL);
    }

    // the level element and the element's wall below it
    setBrush(colors[dcSection]);
    if (!basement) canvas.brush.style = TBrushStyle::Clear;
    canvas.pen.color = clBlack;
    const double hb = basement ? slab.hw : tEl;
    if (basement)
        section(yL, slab.hw, slab.tw, slab.right, slab.loP, slab.left, slab.loL);
    else
        section(yL, tEl, tEl, true, l3, true, l4);
    const double yb = yL + hb + 2 * tEl;
    canvas.moveTo(SP(a - tEl / 2, yb).X, SP(a - tEl / 2, yb).Y);
    canvas.lineTo(SP(a - tEl / 2, yL + hb).X, SP(a - tEl / 2, yL + hb).Y);
    canvas.lineTo(SP(a + tEl / 2, yL + hb).X, SP(a + tEl / 2, yL + hb).Y);
    canvas.lineTo(SP(a + tEl / 2, yb).X, SP(a + tEl / 2, yb).Y);
    DrawDashedLine(canvas, moved(SP(a - tEl / 2, yb), -S(5), 0), moved(SP(a + tEl / 2, yb), S(5), 0));

    setBrush(clBlack);
    TRect bounds;
    const std::string levelText = "poziom zbierania obciążenia";
    if (!basement) {
        const TPoint p = SP(a + tEl / 2, yL);
        DrawLevelMarkAbove(canvas, {p.X + S(25), p.Y}, levelText, bounds);
    } else {
        const TPoint p = SP(a + tEl / 2, yL + hb);
        DrawLevelMarkBelow(canvas, {p.X + S(25), p.Y}, levelText, bounds);
    }

    // floor and roof loads; the force arrows share the largest magnitude as reference
    double maxF = std::fabs(fRoof);
    for (int e = 0; e < n; ++e) {
        if (st[e].right && st[e].rightMode == kValueMode) maxF = std::max(maxF, std::fabs(st[e].Fp));
        if (st[e].left && st[e].leftMode == kValueMode) maxF = std::max(maxF, std::fabs(st[e].Fl));
    }
    setBrush(background);
    auto floorLoads = [&](const Entry& s, double y) {
        if (s.right) {
            const TPoint pa = moved(SP(a + s.t / 2, y), S(1), -S(1));
            const TPoint pb = moved(SP(a + s.t / 2 + s.loP / 2, y), 0, -S(1));
            if (s.rightMode != kValueMode) {
                DrawFloorLoad(canvas, pa, pb, 10, basement ? s.gP : s.gP + s.pP, true, false,
                              basement ? "g" : "g+p", colors[dcDistributedLoad]);
            } else {
                DrawForceArrow(canvas, pa, 0, s.Fp, maxF, 0, colors[dcForce], true, 2, true);
                DrawFloorLoad(canvas, pa, pb, 10, 0, true, false, "", colors[dcDistributedLoad]);
            }
        }
        if (s.left) {
            const TPoint pa = moved(SP(a - s.t / 2 - s.loL / 2, y), 0, -S(1));
            const TPoint pb = moved(SP(a - s.t / 2, y), -S(1), -S(1));
            if (s.leftMode != kValueMode) {
                DrawFloorLoad(canvas, pa, pb, 10, basement ? s.gL : s.gL + s.pL, true, true,
                              basement ? "g" : "g+p", colors[dcDistributedLoad]);
            } else {
                DrawForceArrow(canvas, pb, 0, s.Fl, maxF, 0, colors[dcForce], true, 2, false);
                DrawFloorLoad(canvas, pa, pb, 10, 0, true, true, "", colors[dcDistributedLoad]);
            }
        }
    };
    for (int e = 0; e < n; ++e) floorLoads(st[e], yTop[e]);
    if (basement) floorLoads(slab, yL);
    if (fRoof != 0) DrawForceArrow(canvas, SP(a, 0), 0, fRoof, maxF, 0, colors[dcForce], true, 2, false);

    // span, height and thickness dimensions
    canvas.brush.style = TBrushStyle::Clear;
    auto spans = [&](const Entry& s, double y, int down) {
        if (s.right && s.rightMode != kValueMode)
            DrawDimensionHArrow(canvas, moved(SP(a + s.t / 2, y), 0, down),
                                moved(SP(a + s.t / 2 + s.loP / 2, y), 0, down),
                                "       l=" + FormatFixed(2, s.loP), 'R', 0, false, true);
        if (s.left && s.leftMode != kValueMode)
            DrawDimensionHArrow(canvas, moved(SP(a - s.t / 2 - s.loL / 2, y), 0, down),
                                moved(SP(a - s.t / 2, y), 0, down),
                                "l=" + FormatFixed(2, s.loL) + "       ", 'L', 0, true, false);
    };
    for (int e = 0; e < n; ++e) {
        const Entry& s = st[e];
        const double y = yTop[e];
        spans(s, y + s.hw, S(20));
        if (s.wallMode != kValueMode) {
            // on boxes: the height over the floor's load, the thickness over the wall
            DrawDimensionV(canvas, moved(SP(wMax, y + s.hw), S(50), 0),
                           moved(SP(wMax, y + s.hw + s.h), S(50), 0), FormatFixed(2, s.h), 'A', bounds,
                           background);
            DrawDimensionH(canvas, SP(a - s.t / 2, y + s.hw + s.h / 2),
                           SP(a + s.t / 2, y + s.hw + s.h / 2), FormatFixed(2, s.t), 'A', bounds, background);
        }
    }
    if (basement) spans(slab, yL + slab.hw, S(35));

    // storey names, the top one bears the number n: turned along the left of
    // each storey while every storey is tall enough for its name, else
    // upright, each beside the middle of its storey right of the heights
    auto storeyName = [&](int i) { return "kond. n+" + std::to_string(n - i + 1); };
    bool turned = true;
    for (int i = 1; i <= n; ++i) {
        const Entry& s = st[i - 1];
        const int height = SP(0, yTop[i - 1] + s.h + s.hw).Y - SP(0, yTop[i - 1]).Y;
        turned = turned && canvas.textWidth(storeyName(i)) + S(6) <= height;
    }
    for (int i = 1; i <= n; ++i) {
        const Entry& s = st[i - 1];
        const TPoint p1 = SP(-leftMax, yTop[i - 1]), p2 = SP(-leftMax, yTop[i - 1] + s.h + s.hw);
        if (turned) {
            TextOutRotated(canvas, {(p1.X + p2.X) / 2 - S(15), (p1.Y + p2.Y) / 2}, storeyName(i), bounds, 'C', 90);
        } else {
            const int x = SP(wMax, 0).X + S(50) + S(8);
            const int y = (p1.Y + p2.Y) / 2 - canvas.textHeight("Ź") / 2;
            canvas.textOut(x, y, storeyName(i));
        }
    }

    // the collected force, its tip on the level
    const TPoint pf = basement ? SP(a, yL + slab.hw) : SP(a, yL);
    setBrush(background);
    DrawNamedForceArrow(canvas, pf, 0, "F", 180, colors[dcReactions], true, true);
    return true;
}

// The scheme kept inside its area; false when nothing was drawn.
bool FittedLoadCollection(Canvas& canvas, const TPoint& size, bool basement,
                          const TLoadCompilation& loads, const TCalcInput& input,
                          const TDrawingColors& colors, int yOffset)
{
    bool drawn = false;
    DrawFitted(canvas, size, [&](Canvas& c, const TPoint& area) {
        drawn = LoadCollection(c, area, basement, loads, input, colors, yOffset);
    });
    return drawn;
}

} // namespace

void DrawLoadCollectionScheme(Canvas& canvas, const TPoint& size, bool basementVariant,
                              const TLoadCompilation& loads, const TCalcInput& input,
                              const TDrawingColors& colors, int yOffset)
{
    FittedLoadCollection(canvas, size, basementVariant, loads, input, colors, yOffset);
}

void DrawLoadCollectionSchemeMetafile(TSchemePicture& pic, bool basementVariant,
                                      const TLoadCompilation& loads, double w, double h,
                                      const TCalcInput& input, const TDrawingColors& colors)
{
    bool drawn = false;
    RecordSchemePicture(pic, w, h, [&](Canvas& canvas, const TPoint& size) {
        drawn = FittedLoadCollection(canvas, size, basementVariant, loads, input, colors, 0);
    });
    if (!drawn) pic = TSchemePicture();  // nothing to copy
}

} // namespace orv
