// Scheme pictures: the recorded form of a scheme for the clipboard, the
// printed report and the RTF export. A picture is recorded at a fixed
// reference resolution with pixel-sized fonts, so that replaying it onto any
// device at any resolution gives the same figure.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPicture>
#include <QSize>

#include <functional>

#include "drawing/Canvas.h"

class QPainter;
class QRectF;

namespace orv {

constexpr int SchemePictureDpi = 96;
// The largest frame a picture is recorded in, in pixels of either side (the
// coordinate range of the picture formats the figures travel in): a figure
// of up to 86.7 cm. A larger figure is not recorded.
constexpr int SchemePictureMaxFrame = 32767;

struct TSchemePicture {
    QPicture picture;  // drawn with the frame's top-left corner at (0, 0)
    QSize pixelSize;   // frame in pixels of the reference resolution
    QSize mmSize;      // physical size in 0.01 mm (10 x 8 cm: 100000 x 80000)
    bool isEmpty() const { return pixelSize.width() <= 0 || pixelSize.height() <= 0; }
};

// Draws a scheme into a canvas of the given size in pixels.
using TSchemeDrawFn = std::function<void(Canvas& canvas, const TPoint& size)>;
// The same, returning the rectangle covered; false when nothing was drawn.
using TSchemeDrawBoundsFn = std::function<bool(Canvas& canvas, const TPoint& size, TRect& bounds)>;

// Physical size Round(W x 10000) x Round(H x 10000) for a figure of W x H cm
// (the picture is ten times the figure), its pixel frame at the reference
// resolution; the canvas gets the font "Arial" of PlatformCode() points, a
// white brush and a black pen; the drawing is handed the frame less
// S(marginUnits) on every side. Non-positive or non-finite sizes, and sizes
// whose frame would exceed SchemePictureMaxFrame, leave the picture empty.
void RecordSchemePicture(TSchemePicture& pic, double widthCm, double heightCm, const TSchemeDrawFn& draw,
                         int marginUnits = 0);
// The margin of the schemes' figures: ink on a frame's edge is cut where the
// figure is replayed clipped to its frame.
constexpr int SchemeFigureMargin = 3;
// S(marginUnits) in pixels of the frame, in the font the pictures are
// recorded with.
int SchemeMarginPixels(int marginUnits);
// As above, then cropped to what the drawing covered: the pixel frame becomes
// the bounds' size, the physical size shrinks in the same ratio. An empty
// picture when nothing was drawn.
void RecordCroppedSchemePicture(TSchemePicture& pic, double widthCm, double heightCm,
                                const TSchemeDrawBoundsFn& draw);

// Replays the picture scaled into target, a rectangle in the painter's
// coordinates, whatever the resolution of the painter's device.
void ReplaySchemePicture(const TSchemePicture& pic, QPainter& painter, const QRectF& target);
// The picture as an image of the given size (white background); the frame's
// size when size is empty.
QImage SchemePictureToImage(const TSchemePicture& pic, QSize size = QSize());
QByteArray SchemePictureToPng(const TSchemePicture& pic, QSize size = QSize());
QByteArray SchemePictureToSvg(const TSchemePicture& pic);

} // namespace orv
