// Symbols of the basement wall, column and load-compilation schemes: the
// floor-load block, level marks, the fixed-size named force arrow, the
// outlined limit-load arrow, the soil hatching and the moment arrow of the
// column. Sizes are S(n) of the canvas drawn on; y grows downwards.
#pragma once

#include <string>

#include "drawing/Canvas.h"
#include "drawing/CommonColorUnit.h"
#include "core/MyUtils.h"
#include "core/ZunTypes.h"

namespace orv {

// Block of a distributed load on y = P1.Y from P1.X to P2.X (P2.Y is not
// read), Height in size units; with ShowLabel and a Name "Name= value" (the
// name alone for a zero value) on a leader to the right, or to the left with
// LabelLeft. Pen, font and brush colours are restored.
void DrawFloorLoad(Canvas& canvas, TPoint p1, TPoint p2, double height, double value,
                   bool showLabel, bool labelLeft, const std::string& name, TColor color);
// Level mark at P with the mark-up Text above it (Below: under it). Bounds is
// set to the mark's extent.
void DrawLevelMarkAbove(Canvas& canvas, TPoint p, const std::string& text, TRect& bounds);
void DrawLevelMarkBelow(Canvas& canvas, TPoint p, const std::string& text, TRect& bounds);
// Filled arrow of fixed length with its tip Offset above P, pointing down,
// turned about P by AngleDeg, with the mark-up Name written horizontally
// beside it on a halo of the background colour.
void DrawNamedForceArrow(Canvas& canvas, TPoint p, int offset, const std::string& name,
                         double angleDeg, TColor color, bool showLabel, bool labelRight);
// Outlined downward arrow with its tip at (X, Y) and a mark-up label at its
// upper left, in the force colour.
void DrawOutlinedLoadArrow(Canvas& canvas, int x, int y, const TDrawingColors& colors,
                           const std::string& text);
// Soil symbol hanging below a ground line whose left end is P (S(38) wide).
void DrawSoilHatching(Canvas& canvas, TPoint p);
// Curved moment arrow near P, sheared into the plane of the y axis (InYPlane)
// or of the x axis, mirrored for a negative moment, labelled with Text or
// |M| with two decimals. Ref and Reserved are not read.
void DrawMomentSymbol(Canvas& canvas, TPoint p, TColor color, double m, double ref, int reserved,
                      const std::string& text, bool inYPlane);

// Metres per display unit of the compilation (0 m, 1 cm, 2 mm; others m).
double LoadCompilationUnitFactor(int unit);
// The compilation with b and the lengths of all ten entries (h, t, bs, lo_L,
// lo_P, hw, tw) in metres and their units set to metres; converting a
// converted copy again changes nothing.
TLoadCompilation LoadCompilationInMetres(const TLoadCompilation& loads);

} // namespace orv
