// The pictures of the built-in masonry units: a unit drawn in oblique view
// (front, top and end faces) with its holes: "ELMUR_A1" a solid brick,
// "ELMUR_A2" a brick with holes along its length (seen on the end face),
// "ELMUR_A3" a perforated brick with vertical holes (seen on the top face),
// "ELMUR_A4" a hollow block with rows of vertical slots.
#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QRect;

namespace orv {

constexpr int MasonryUnitPictureCount = 4;

// "ELMUR_A1" .. "ELMUR_A4" for pictures 0..3; empty otherwise.
QString MasonryUnitPictureName(int picture);
// The picture a name stands for; -1 for any other name.
int MasonryUnitOfPictureName(const QString& name);

// The picture inside r, outlines in ink; nothing for a picture outside 0..3.
void DrawMasonryUnitPicture(QPainter& painter, const QRect& r, int picture, const QColor& ink);

} // namespace orv
