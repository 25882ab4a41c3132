// Size unit and geometric primitives shared by all scheme drawings.
// Every size of a symbol is S(n) = Round(TextHeight("A") * n / 13) on the
// canvas drawn on, so one routine draws alike on screen, printer and picture.
// Angles turn counter-clockwise on screen; Round is halves-to-even.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "drawing/Canvas.h"
#include "core/MyUtils.h"

namespace orv {

// Pixel coordinates stay within +-kDrawLimit: beyond any device a scheme is
// drawn on (picture frames are at most 32767 pixels wide), and far enough
// from the limits of int that the offsets added to them cannot overflow.
// Values from the records become coordinates through LimitCoord, before any
// integer arithmetic, and loops that step along a line skip what lies
// beyond the limit, so that a length of 10^9 cm costs no more than a short one.
constexpr int kDrawLimit = 1 << 16;
// Round(v) held within [lo, hi]; NaN counts as 0.
int LimitCoord(double v, int lo = -kDrawLimit, int hi = kDrawLimit);
TPoint LimitPoint(TPoint p);
// The coordinates a drawing into area keeps to: the area and as much again
// beyond each side (what lies there is never seen, it only keeps its place),
// within +-kDrawLimit.
TRect DrawingLimits(const TRect& area);
// The steps i = 0..n of a run from `from` by `step` (n = length div step)
// whose position from + step * i lies within +-kDrawLimit: [first, last],
// empty when first > last.
void StepsWithinLimit(long long from, long long length, int step, long long& first, long long& last);
// The block of a distributed load on the line y = P1.Y from P1.X to P2.X,
// height S(height): ticks S(3) high at both ends, the outline, and an arrow
// every S(6) from the load's true start P1.X, those within the drawing
// limit; the first has only its right head stroke, the last only its left
// one. A span reversed by less than S(6) keeps its arrow at P1.X only with
// arrowsWhenReversed. Drawn in the pen in force.
void DrawLoadBlock(Canvas& canvas, TPoint p1, TPoint p2, double height, bool arrowsWhenReversed);

// S(n) in the canvas's current font.
int SizeUnit(Canvas& canvas, double n);
// S(n) for a given text height of "A" (the pure part of SizeUnit).
int SizeUnitFor(int textHeightA, double n);
// a / s for a size unit s; a unit that rounds to 0 counts as 1.
int DivBySize(int a, int s);

// P turned about Centre by Angle radians.
TPoint RotatePoint(TPoint centre, TPoint p, double angle);
// The point Dist from P in the direction Angle degrees.
TPoint PointAtDistance(TPoint p, int dist, double angle);
// Direction of P1->P2 in radians, y taken as pointing up; 0 for equal points.
double LineAngle(TPoint p1, TPoint p2);

void GrowRectByPoint(TRect& bounds, TPoint p);
void GrowRectByRect(TRect& bounds, const TRect& r);
void GrowRectByPoints(TRect& bounds, const std::vector<TPoint>& points);

// A logical font as the turned text uses it.
struct TLogFont {
    double height = 8;        // the font's size, points
    int width = 0;
    int escapement = 0;       // tenths of a degree
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 1;
    int outPrecision = 0;
    int clipPrecision = 0;
    int quality = 2;          // proof
    TFontPitch pitch = TFontPitch::Default;
    int family = 0;
    std::string faceName;
};

// Fills lf from the canvas font turned by Angle degrees (normal weight, no
// italic or underline; "MS Sans Serif" cannot be turned and becomes "Arial").
void MakeRotatedLogFont(Canvas& canvas, TLogFont& lf, double angle);
// Makes lf the canvas font (keeping its colour); returns the previous font.
TCanvasFont SelectLogFont(Canvas& canvas, const TLogFont& lf);

// Text at Angle degrees. Anchor 'C': middle of the top edge on P; 'O':
// centre of the text box on P; 'R': right end of the top edge on P; any
// other: top-left on P. Bounds is set to the turned text box.
void TextOutRotated(Canvas& canvas, TPoint p, const std::string& text, TRect& bounds,
                    char anchor, double angle);
// Top-left origin of a text w x h turned by angle degrees for the anchor.
TPoint RotatedTextOrigin(TPoint p, int w, int h, char anchor, double angle);
// Angle in degrees of an axis line from P1 to P2 (90 for a vertical line).
double AxisLineAngle(TPoint p1, TPoint p2);
// Writes a text by `write` once in Color over a box in the colour `box` (the
// background): the text's cell `cell`, S(1) longer at either end. The text
// stays readable over the lines and dark fills beneath it and is written
// once. The font colour is left at Color; pen and brush as they were.
void WriteOnBox(Canvas& canvas, TColor box, TColor color, const TRect& cell, const std::function<void()>& write);
// The same for a text turned by Angle degrees whose cell, w long and h high,
// has its top-left corner (before turning) at `origin`; a turned text stands
// beside its symbol, clear of other lines, and its box is S(2) longer at either
// end and S(1) wider on either side.
void WriteOnBox(Canvas& canvas, TColor box, TColor color, TPoint origin, int w, int h, double angle,
                const std::function<void()>& write);
// Dash-dot axis with Name along it beside both ends.
void DrawAxisLine(Canvas& canvas, TPoint p1, TPoint p2, const std::string& name);
// The same with the name at the end P2 only (when the start is hidden behind the drawing).
void DrawAxisLine(Canvas& canvas, TPoint p1, TPoint p2, const std::string& name, bool nameAtStart);
// Dashes as separate strokes (dash S(8), gap S(4) + pen width - 1).
void DrawDashedLine(Canvas& canvas, TPoint p1, TPoint p2);
void DrawDashedPolygon(Canvas& canvas, const std::vector<TPoint>& points);
// Circle in the current pen and brush; Bounds is set to its box.
void DrawCircle(Canvas& canvas, TPoint centre, int r, TRect& bounds);

// Round(X) held inside [-32768, 32766].
int ClampCoord(double x);
// X = cos t * Dist + CentreX, Y = CentreY - sin t * Dist, t in tenths of a degree.
void PolarOffset(int dist, int angle, double& x, double& y, double centreY, double centreX);

// The box, start and end of the arc of radius R from P1 to P2 (counter-
// clockwise); false when there is none (equal points, chord longer than 2R).
struct TArcGeometry {
    TRect box;
    TPoint start;
    TPoint end;
    double centreX = 0;
    double centreY = 0;
};
bool ArcThroughGeometry(TPoint p1, TPoint p2, int r, TArcGeometry& arc);
void DrawArcThrough(Canvas& canvas, TPoint p1, TPoint p2, int r);

} // namespace orv
