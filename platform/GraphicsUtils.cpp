#include "platform/GraphicsUtils.h"

#include <QPainter>
#include <QWindow>

#include "core/MyUtils.h"

namespace orv {

QSize ScaledGraphicSize(const QSize& size, double factor)
{
    const int h = RoundToInt(size.height() * factor);
    const int w = RoundToInt(size.width() * factor);
    return QSize(w, h);
}

void ScaleGraphic(QImage& image, double factor)
{
    if (image.isNull()) return;
    const QSize s = ScaledGraphicSize(image.size(), factor);
    if (s.width() <= 0 || s.height() <= 0) {
        image = QImage();
        return;
    }
    image = image.scaled(s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void MakeBitmapTransparent(QImage& bitmap, const QColor& transparentColor, const QColor& backColor)
{
    if (bitmap.isNull()) return;
    QImage out(bitmap.size(), QImage::Format_ARGB32);
    out.fill(backColor);
    QImage src = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparentColor.rgb() | 0xFF000000u;
    for (int y = 0; y < src.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(src.scanLine(y));
        for (int x = 0; x < src.width(); ++x)
            if ((line[x] | 0xFF000000u) == key) line[x] = 0;
    }
    QPainter p(&out);
    p.drawImage(0, 0, src);
    p.end();
    bitmap = out;
}

void SetLayeredAlpha(QWindow* window, unsigned char alpha)
{
    if (window) window->setOpacity(alpha / 255.0);
}

} // namespace orv
