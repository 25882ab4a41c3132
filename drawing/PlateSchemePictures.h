// The pictures of the plate support cases A..L: the wall plate as a
// rectangle whose four edges are drawn free (a plain line), hinged (a thick
// line on small support triangles) or fixed (a thick line hatched on the
// outside), as the support cases of the plate tables hold them.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;
class QRect;

namespace orv {

constexpr int PlateSchemePictureCount = 12;

// "SCHEMAT_SCIANY_A" .. "SCHEMAT_SCIANY_L" for support cases 0..11; empty otherwise.
QString PlateSchemePictureName(int supportCase);
// The support case a picture name stands for; -1 for any other name.
int PlateSchemeOfPictureName(const QString& name);

// The picture of a support case inside r, lines in ink; nothing for a case
// outside 0..11.
void DrawPlateSchemePicture(QPainter& painter, const QRect& r, int supportCase, const QColor& ink);

// A named picture of the program (a plate scheme or a masonry unit,
// drawing/MasonryUnitPictures.h) at the given size on a transparent ground;
// a null image for a name the program has no picture of.
QImage NamedPicture(const QString& name, QSize size, const QColor& ink = Qt::black);

} // namespace orv
