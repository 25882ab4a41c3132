// Engineering dimension lines: a line between two measured points with
// extension ticks and slashes (or open arrowheads) and the value beside it.
// Sizes are S(n) of the canvas drawn on; lines use its pen, texts its font.
#pragma once

#include <optional>
#include <string>

#include "drawing/Canvas.h"
#include "core/MyUtils.h"

namespace orv {

// Horizontal, plain text standing on the line; a text wider than the span
// goes to Place 'L', 'R' (outside) or 'l', 'r' (inside from the far end).
// Bounds is set to everything drawn.
void DrawDimensionH(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place,
                    TRect& bounds);
// The same with the text on a halo of the given colour, for a dimension
// drawn over a fill.
void DrawDimensionH(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place,
                    TRect& bounds, TColor halo);
// Vertical, text turned by 90 degrees left of the line; a text longer than
// the span goes below ('D') or above ('U'). The text does not widen Bounds.
void DrawDimensionV(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place,
                    TRect& bounds);
// The same with the text on a box of the given colour, for a dimension drawn
// over other symbols.
void DrawDimensionV(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place,
                    TRect& bounds, TColor halo);
// Horizontal with a mark-up label; Place '1'/'2' also move a label outside
// when the free space beside it is not more than Margin.
void DrawDimensionHMarkup(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text,
                          char place, int margin);
void DrawDimensionHMarkup(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text,
                          char place, int margin, TColor halo);
// Line at any angle with a mark-up label on a horizontal shoulder at the
// upper end (End 'U') or the lower one, to the right (Side 'R') or left.
void DrawDimensionSlantMarkup(Canvas& canvas, TPoint p1, TPoint p2, int dist,
                              const std::string& text, char side, char end);
void DrawDimensionSlantMarkup(Canvas& canvas, TPoint p1, TPoint p2, int dist,
                              const std::string& text, char side, char end,
                              const std::optional<TColor>& halo);
// Horizontal with an open arrowhead at P1 / P2 when Arrow1 / Arrow2. Returns
// how far the untrimmed label overhangs each end of the span (0 when it fits).
// A label that does not clear the arrowheads goes outside as one wider than
// the span; with a halo colour it is written on a halo.
int DrawDimensionHArrow(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text, char place,
                        int minGap, bool arrow1, bool arrow2,
                        const std::optional<TColor>& halo = std::nullopt);
// Vertical twin, label turned by 90 degrees: 'D' from S(8) above the lower
// end, 'U' ending S(8) below the upper end, else centred.
void DrawDimensionVArrow(Canvas& canvas, TPoint p1, TPoint p2, const std::string& text,
                         char place, bool arrow1, bool arrow2);

// --- label placement (pure): left x or start y of a label of width w
// A text narrower than the span by less than `clearance` counts as wider.
int DimensionTextLeft(int x1, int x2, int w, char place, int s3, int clearance = 0);
int DimensionTextStartY(int y1, int y2, int w, char place, int s3);
int DimensionMarkupLabelLeft(int x1, int x2, int w, char place, int margin, int s3);
// w decides whether the label fits; wPlaced (the trimmed width when it does
// not, for places other than '1'/'2') places it.
int ArrowDimensionLabelLeft(int x1, int x2, int w, int wPlaced, char place, int minGap, int s2);
// Leading and trailing blanks and control characters removed.
std::string TrimBlanks(const std::string& text);

} // namespace orv
