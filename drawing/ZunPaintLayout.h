// Load symbols shared by the schemes (distributed load, horizontal load band,
// force arrows) and the layouts that fit a wall or a column into the paint
// area beside its dimension chains. Sizes are S(n) of the canvas drawn on.
#pragma once

#include <string>

#include "drawing/Canvas.h"
#include "core/MyUtils.h"

namespace orv {

// Block of a distributed load standing on y = P1.Y from P1.X to P2.X,
// Height in size units; with ShowLabel "Name= value" on a leader.
void DrawDistributedLoad(Canvas& canvas, TPoint p1, TPoint p2, double height, double value,
                         bool showLabel, bool labelLeft, const std::string& name, TColor color);
// Band of a horizontal load left of the face P1 (top) - P2 (bottom), arrows
// towards the face for a positive value; Text (mark-up) or the value beside it.
void DrawHorizontalLoadBand(Canvas& canvas, TPoint p1, TPoint p2, double value, TColor color,
                            const std::string& text);
// Filled arrow whose tip lies Offset above P (pointing at it for a positive
// value), its length showing Value against MaxValue, turned about P by Angle
// degrees; with ShowLabel |Value| with Digits decimals along it.
void DrawForceArrow(Canvas& canvas, TPoint p, int offset, double value, double maxValue,
                    double angle, TColor color, bool showLabel, int digits, bool labelSide);
// The same with the value on the shaft's line beyond the tail, where
// arrows stand too close for a value beside them.
void DrawForceArrowLabelAtTail(Canvas& canvas, TPoint p, int offset, double value, double maxValue,
                               double angle, TColor color, int digits);
// The same arrow at full length with a mark-up label.
void DrawForceArrowMarkup(Canvas& canvas, TPoint p, int offset, const std::string& text,
                          double angle, TColor color, bool showLabel, bool labelSide);

// The seven corners of a force arrow before it is turned (tip first).
struct TForceArrowShape {
    TPoint points[7];
    int length = 0;    // d: tip-to-tail length of a negative arrow, 0 otherwise
};
TForceArrowShape ForceArrowShape(Canvas& canvas, TPoint p, int offset, double value,
                                 double maxValue, const std::string& label);

// Scale (pixels per model unit) and origin that fit W x H into Size with room
// for up to three dimension chains below (B1..B3) and right (R1..R3) and a
// top chain (Top). False, with Scale 0, when W, H or the resulting scale are
// not positive and finite: nothing is to be drawn then.
bool WallDrawingLayout(Canvas& canvas, TPoint size, int leftOff, double w, double h, int topOff,
                       bool b1, bool b2, bool b3, bool top, bool r1, bool r2, bool r3,
                       double& scale, int& x0, int& y0);
bool ColumnDrawingLayout(Canvas& canvas, TPoint size, int topOff, double w, double h, bool b1,
                         bool b2, bool top, bool r1, bool r2, bool r3, double& scale, int& x0,
                         int& y0);

} // namespace orv
