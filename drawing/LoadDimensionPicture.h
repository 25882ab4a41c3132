// The picture of the lengths the load compilation asks of a storey: its wall
// with the ring beam on top in oblique view, and a dimension line for each:
// the band b over the ring beam (1 m in the basement variant, where the load
// is summed per metre), the wall's own width b_s, height h and thickness t,
// the ring beam's height h_w and thickness t_w.
#pragma once

#include "drawing/Canvas.h"

namespace orv {

// Fills (0, 0)..size with the brush and draws the picture in it, in the
// canvas font; pen, brush and font are left as they came.
void DrawLoadDimensionPicture(Canvas& canvas, const TPoint& size, bool basement);

} // namespace orv
