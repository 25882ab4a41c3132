// Bitmap and window helpers of the general utilities.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class QWindow;

namespace orv {

// Height := round(height x factor), then width := round(width x factor)
// (halves to even, as everywhere in the drawings).
QSize ScaledGraphicSize(const QSize& size, double factor);
void ScaleGraphic(QImage& image, double factor);

// Pixels of `transparentColor` become `backColor`; the rest is kept.
void MakeBitmapTransparent(QImage& bitmap, const QColor& transparentColor, const QColor& backColor);

// Whole-window transparency, alpha 0 (invisible) .. 255 (opaque); nothing
// happens where the window system cannot do it.
void SetLayeredAlpha(QWindow* window, unsigned char alpha);

} // namespace orv
