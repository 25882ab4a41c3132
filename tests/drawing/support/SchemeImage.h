// Schemes drawn onto an offscreen image, for checks of where the ink lies
// and, when ORV_SCHEME_PNG_DIR is set, for a developer to look at them.
#pragma once

#include <QImage>
#include <QRect>

#include <functional>
#include <string>

#include "drawing/Canvas.h"

namespace orv::test {

// An image of the size, all white.
QImage WhiteImage(QSize size);
// Bounding box of every pixel that is not white; empty when there is none.
QRect InkBounds(const QImage& image);

// An image of the size filled with the background, drawn on by draw with a
// canvas whose brush is the background and whose pen is black.
QImage DrawOnImage(QSize size, const std::function<void(Canvas&, const TPoint&)>& draw,
                   QColor background = QColor(240, 240, 240));
// Pixels that differ from the background, and those of them outside area.
int InkPixels(const QImage& image, QColor background = QColor(240, 240, 240));
int InkOutside(const QImage& image, const QRect& area, QColor background = QColor(240, 240, 240));
// Writes image as <ORV_SCHEME_PNG_DIR>/<name>.png when that variable is set.
void SaveSchemePngIfAsked(const QImage& image, const std::string& name);

// The drawing straight onto a white image, as a scheme picture records it
// (reference resolution, Arial of PlatformCode() points, white brush, black pen).
QImage DrawAtPictureResolution(QSize size, const std::function<void(Canvas&, const TPoint&)>& draw);

// Where a scheme drawn into an area leaves ink: the drawing gets the area's
// size but the image is `margin` pixels larger on every side, so that ink
// beyond the area's edges is seen, not clipped. The canvas has the screen
// font (Arial 8 pt) or, with pictureFont, the font of a recorded picture;
// a white brush and a black pen.
struct AreaInk {
    QImage image;
    QRect area;      // the area within image
    int outside = 0; // pixels of ink outside the area
    int total = 0;   // pixels of ink in all
    QRect bounds;    // of all the ink
    // How far the ink runs beyond the area's left, top, right and bottom edges.
    std::string overrun() const;
};
AreaInk DrawInArea(QSize size, int margin, bool pictureFont,
                   const std::function<void(Canvas&, const TPoint&)>& draw);

// Every step-th pixel of every step-th row: those of `direct` that are not
// white, and those where `direct` and `other` differ.
struct SampledPixels {
    int ink = 0;
    int differing = 0;
};
SampledPixels SamplePixels(const QImage& direct, const QImage& other, int step = 5);

} // namespace orv::test
