// The picture of a sheet of paper with its margin frame, fitted into a box:
// the same construction in the print preview and the margin dialog. Lengths
// of the paper are in millimetres; the box is in pixels of the painter.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

#include "printing/PageGeometry.h"

class QPainter;

namespace orv {

// Millimetres of the paper to pixels of the box.
struct TPaperMap {
    double scale = 0;  // pixels a millimetre
    int x0 = 0;
    int y0 = 0;
    QPoint map(double xMm, double yMm) const;
    // The rectangle between two points of the paper.
    QRect rect(double leftMm, double topMm, double rightMm, double bottomMm) const;
};

// u(v) = round(height of "A" x v / 13) in the painter's font.
int PaperUnit(const QPainter& painter, int v);

// The map that fits a paper of the given size into a box of the given size
// with a border of u(15) and room for the shadow; scale 0 for a paper
// without size.
TPaperMap FitPaper(const QPainter& painter, QSize box, double paperWidthMm, double paperHeightMm);

// The shadow (offset by u(5)), the white paper with a black outline and the
// margin frame, grey and dotted; the brush is clear afterwards. Nothing is
// drawn for a paper without size. Returns the map.
TPaperMap DrawPaperPicture(QPainter& painter, QSize box, double paperWidthMm, double paperHeightMm,
                           const TPageMargins& margins, const QColor& shadow);

} // namespace orv
