#include "drawing/LoadDimensionPicture.h"

#include <algorithm>
#include <numbers>
#include <string>
#include <vector>

#include "drawing/DimensionLines.h"
#include "drawing/DrawPrimitives.h"
#include "drawing/MarkupText.h"

namespace orv {

namespace {

// The lengths of the picture, in units of its own (no data are drawn to
// scale): the band, the wall's width, height and thickness, the ring beam's
// height and thickness. The ring beam is flush with the wall's front face.
constexpr double kBand = 100, kWallWidth = 54, kHeight = 56, kThickness = 34;
constexpr double kRingHeight = 18, kRingThickness = 26;
constexpr double kWallLeft = (kBand - kWallWidth) / 2, kWallRight = kWallLeft + kWallWidth;
// A depth runs back at 45 degrees, drawn at half its length on each axis.
constexpr double kDepth = 0.5;
constexpr double kModelWidth = kBand + kDepth * kRingThickness;
constexpr double kModelHeight = kHeight + kRingHeight + kDepth * kRingThickness;

const TColor kWallFront = RGBColor(190, 90, 70), kWallSide = RGBColor(150, 70, 55);
const TColor kRingFront = RGBColor(175, 175, 175), kRingTop = RGBColor(215, 215, 215),
             kRingEnd = RGBColor(140, 140, 140);
const TColor kDimensions = clNavy;

// Model point (x along the wall, y up, z back from the front face) on the canvas.
struct Oblique {
    double x0, y0, k;
    TPoint at(double x, double y, double z = 0) const
    {
        return {LimitCoord(x0 + k * (x + kDepth * z)), LimitCoord(y0 - k * (y + kDepth * z))};
    }
};

void Line(Canvas& c, TPoint a, TPoint b)
{
    c.moveTo(a.X, a.Y);
    c.lineTo(b.X, b.Y);
}

void Face(Canvas& c, TColor fill, std::vector<TPoint> corners)
{
    c.brush.color = fill;
    c.polygon(corners);
}

} // namespace

void DrawLoadDimensionPicture(Canvas& canvas, const TPoint& size, bool basement)
{
    auto S = [&canvas](double n) { return SizeUnit(canvas, n); };
    const TCanvasPen entryPen = canvas.pen;
    const TCanvasBrush entryBrush = canvas.brush;
    const TColor entryFontColor = canvas.font.color;

    const std::string band = basement ? "1 m" : "b";
    const int cell = canvas.textHeight("Ź");
    const int wLeft = std::max(MarkupTextWidth(canvas, "h"), MarkupTextWidth(canvas, "h%Dw%N"));
    const int wRight = std::max(MarkupTextWidth(canvas, "t"), MarkupTextWidth(canvas, "t%Dw%N"));
    // room for the height chain left, the thicknesses' shoulders right, the
    // band above and the wall's width below
    const int left = S(19) + wLeft, right = S(18) + wRight;
    const int top = S(13) + cell, bottom = S(10) + cell;
    const double k = std::min(double(size.X - left - right) / kModelWidth,
                              double(size.Y - top - bottom) / kModelHeight);
    if (!(k > 0)) return;
    const Oblique m{left + (size.X - left - right - k * kModelWidth) / 2,
                    top + k * kModelHeight + (size.Y - top - bottom - k * kModelHeight) / 2, k};

    // the wall, then the ring beam in front of what it hides
    canvas.pen = {clBlack, std::max(1, S(1)), TPenStyle::Solid, TPenMode::Copy};
    canvas.brush.style = TBrushStyle::Solid;
    const double H = kHeight, T = kThickness, top0 = kHeight + kRingHeight, Tw = kRingThickness;
    Face(canvas, kWallFront, {m.at(kWallLeft, 0), m.at(kWallRight, 0), m.at(kWallRight, H), m.at(kWallLeft, H)});
    Face(canvas, kWallSide,
         {m.at(kWallRight, 0), m.at(kWallRight, 0, T), m.at(kWallRight, H, T), m.at(kWallRight, H)});
    Face(canvas, kRingFront, {m.at(0, H), m.at(kBand, H), m.at(kBand, top0), m.at(0, top0)});
    Face(canvas, kRingTop, {m.at(0, top0), m.at(kBand, top0), m.at(kBand, top0, Tw), m.at(0, top0, Tw)});
    Face(canvas, kRingEnd, {m.at(kBand, H), m.at(kBand, H, Tw), m.at(kBand, top0, Tw), m.at(kBand, top0)});

    canvas.pen = {kDimensions, 1, TPenStyle::Solid, TPenMode::Copy};
    canvas.font.color = kDimensions;
    canvas.brush.style = TBrushStyle::Clear;
    const int gap = S(2), over = S(3);

    // b over the ring beam's back edge, b_s under the wall
    const TPoint bandL = m.at(0, top0, Tw), bandR = m.at(kBand, top0, Tw);
    const int yBand = bandL.Y - S(10);
    for (const TPoint& p : {bandL, bandR}) Line(canvas, {p.X, p.Y - gap}, {p.X, yBand - over});
    DrawDimensionHMarkup(canvas, {bandL.X, yBand}, {bandR.X, yBand}, band, 'A', 0);
    const TPoint wallL = m.at(kWallLeft, 0), wallR = m.at(kWallRight, 0);
    const int yWidth = wallL.Y + cell + S(4);
    for (const TPoint& p : {wallL, wallR}) Line(canvas, {p.X, p.Y + gap}, {p.X, yWidth + over});
    DrawDimensionHMarkup(canvas, {wallL.X, yWidth}, {wallR.X, yWidth}, "b%Ds%N", 'A', 0);

    // h and h_w in one chain left of the ring beam, their labels level beside it
    const int xChain = m.at(0, 0).X - S(10);
    const TPoint levels[] = {wallL, m.at(0, H), m.at(0, top0)};
    for (const TPoint& p : levels) Line(canvas, {p.X - gap, p.Y}, {xChain - over, p.Y});
    TRect bounds;
    const char* heights[] = {"h", "h%Dw%N"};
    for (int i = 0; i < 2; ++i) {
        const TPoint lo{xChain, levels[i].Y}, hi{xChain, levels[i + 1].Y};
        DrawDimensionV(canvas, lo, hi, "", 'A', bounds);
        const int w = MarkupTextWidth(canvas, heights[i]);
        MarkupTextOut(canvas, xChain - S(6) - w, (lo.Y + hi.Y - cell) / 2, heights[i], bounds);
    }

    // t along the foot of the wall's end, t_w along the foot of the ring
    // beam's end, each S(8) to the right with its label on a shoulder from
    // the upper end, set so high that a subscript clears the shoulder
    auto thickness = [&](TPoint front, TPoint back, const char* label) {
        const int dx = S(8);
        for (const TPoint& p : {front, back}) Line(canvas, {p.X + gap, p.Y}, {p.X + dx + over, p.Y});
        const TPoint hi{back.X + dx, back.Y}, lo{front.X + dx, front.Y};
        DrawDimensionSlantMarkup(canvas, hi, lo, 6, "", 'R', 'U');
        const TPoint q = PointAtDistance(hi, S(6), LineAngle(hi, lo) * 180 / std::numbers::pi + 180);
        Line(canvas, q, {q.X + S(2) + MarkupTextWidth(canvas, label), q.Y});
        MarkupTextOut(canvas, q.X + S(1), MarkupTopAboveLine(canvas, q.Y), label, bounds);
    };
    thickness(wallR, m.at(kWallRight, 0, T), "t");
    thickness(m.at(kBand, H), m.at(kBand, H, Tw), "t%Dw%N");

    canvas.pen = entryPen;
    canvas.brush = entryBrush;
    canvas.font.color = entryFontColor;
}

} // namespace orv
