#include "drawing/SchemePicture.h"

#include <QBuffer>
#include <QPainter>
#include <QRectF>
#include <QSvgGenerator>

#include <cmath>

#include "core/MyUtils.h"
#include "drawing/DrawPrimitives.h"
#include "drawing/SchemeFit.h"

namespace orv {
namespace {

int pixelsOfHundredthsMm(int mm100) { return RoundToInt(mm100 / 100.0 / 25.4 * SchemePictureDpi); }

bool setFrame(TSchemePicture& pic, double widthCm, double heightCm)
{
    pic = TSchemePicture();
    if (!std::isfinite(widthCm) || !std::isfinite(heightCm) || widthCm <= 0 || heightCm <= 0) return false;
    // a frame of 10^6 cm would be 8 * 10^7 pixels: nothing to record it in
    const double frameOfCm = 10000.0 / 100.0 / 25.4 * SchemePictureDpi;
    if (widthCm * frameOfCm > SchemePictureMaxFrame + 0.5 || heightCm * frameOfCm > SchemePictureMaxFrame + 0.5)
        return false;
    pic.mmSize = QSize(RoundToInt(widthCm * 10000.0), RoundToInt(heightCm * 10000.0));
    pic.pixelSize = QSize(pixelsOfHundredthsMm(pic.mmSize.width()), pixelsOfHundredthsMm(pic.mmSize.height()));
    if (pic.isEmpty()) {
        pic = TSchemePicture();
        return false;
    }
    return true;
}

void prepare(PainterCanvas& canvas)
{
    canvas.setFontDpi(SchemePictureDpi);
    canvas.font.name = "Arial";
    canvas.font.size = PlatformCode();
    canvas.brush.color = clWhite;
    canvas.pen.color = clBlack;
}

} // namespace

int SchemeMarginPixels(int marginUnits)
{
    QPicture scratch;
    QPainter painter(&scratch);
    PainterCanvas canvas(painter);
    prepare(canvas);
    return SizeUnit(canvas, marginUnits);
}

void RecordSchemePicture(TSchemePicture& pic, double widthCm, double heightCm, const TSchemeDrawFn& draw,
                         int marginUnits)
{
    if (!setFrame(pic, widthCm, heightCm)) return;
    QPainter painter(&pic.picture);
    PainterCanvas canvas(painter);
    prepare(canvas);
    const int m = SizeUnit(canvas, marginUnits);
    const TPoint size{pic.pixelSize.width() - 2 * m, pic.pixelSize.height() - 2 * m};
    if (size.X > 0 && size.Y > 0) {
        ShiftedCanvas inside(canvas, {m, m});
        draw(inside, size);
        inside.finish();
    }
    painter.end();
}

void RecordCroppedSchemePicture(TSchemePicture& pic, double widthCm, double heightCm,
                                const TSchemeDrawBoundsFn& draw)
{
    TSchemePicture full;
    if (!setFrame(full, widthCm, heightCm)) {
        pic = TSchemePicture();
        return;
    }
    TRect bounds{0, 0, 0, 0};
    QPicture scratch;
    bool drawn = false;
    {
        QPainter painter(&scratch);
        PainterCanvas canvas(painter);
        prepare(canvas);
        drawn = draw(canvas, {full.pixelSize.width(), full.pixelSize.height()}, bounds);
        painter.end();
    }
    pic = TSchemePicture();
    const int w = bounds.Right - bounds.Left;
    const int h = bounds.Bottom - bounds.Top;
    if (!drawn || w <= 0 || h <= 0) return;
    pic.pixelSize = QSize(w, h);
    // same ratio of pixels to physical size as the uncropped frame
    pic.mmSize = QSize(RoundToInt(full.mmSize.width() * double(w) / full.pixelSize.width()),
                       RoundToInt(full.mmSize.height() * double(h) / full.pixelSize.height()));
    QPainter painter(&pic.picture);
    painter.drawPicture(QPoint(-bounds.Left, -bounds.Top), scratch);
    painter.end();
}

void ReplaySchemePicture(const TSchemePicture& pic, QPainter& painter, const QRectF& target)
{
    if (pic.isEmpty() || target.isEmpty()) return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / pic.pixelSize.width(), target.height() / pic.pixelSize.height());
    painter.setClipRect(QRect(QPoint(0, 0), pic.pixelSize));
    // A QPicture plays itself scaled by the device's resolution against its
    // own; the target already gives the size on the device, so that scaling
    // is undone here (else a 600 dpi page would show the figure 6.25 times
    // too large, cut to its first few centimetres).
    if (const QPaintDevice* device = painter.device()) {
        if (device->logicalDpiX() > 0 && device->logicalDpiY() > 0)
            painter.scale(double(pic.picture.logicalDpiX()) / device->logicalDpiX(),
                          double(pic.picture.logicalDpiY()) / device->logicalDpiY());
    }
    painter.drawPicture(QPoint(0, 0), pic.picture);
    painter.restore();
}

QImage SchemePictureToImage(const TSchemePicture& pic, QSize size)
{
    if (pic.isEmpty()) return QImage();
    if (size.isEmpty()) size = pic.pixelSize;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ReplaySchemePicture(pic, painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

QByteArray SchemePictureToPng(const TSchemePicture& pic, QSize size)
{
    const QImage image = SchemePictureToImage(pic, size);
    QByteArray bytes;
    if (image.isNull()) return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray SchemePictureToSvg(const TSchemePicture& pic)
{
    QByteArray bytes;
    if (pic.isEmpty()) return bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(pic.pixelSize);
    svg.setViewBox(QRect(QPoint(0, 0), pic.pixelSize));
    svg.setResolution(SchemePictureDpi);
    QPainter painter(&svg);
    ReplaySchemePicture(pic, painter, QRectF(QPointF(0, 0), QSizeF(pic.pixelSize)));
    painter.end();
    return bytes;
}

} // namespace orv
