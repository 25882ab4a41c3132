// The small sketches beside the dimension fields of the element editor: a
// wall with its thickness t, height h and width b, and a pier with its two
// sides t, b and height h, drawn in oblique projection into a box.
#pragma once

#include <QRect>

class QPainter;

namespace orv {

void DrawWallDimensionSketch(QPainter& p, const QRect& box);
void DrawColumnDimensionSketch(QPainter& p, const QRect& box);

} // namespace orv
