#include "tests/drawing/support/SchemeImage.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

#include "core/MyUtils.h"
#include "tests/drawing/support/RecordingCanvas.h"
#include "drawing/SchemePicture.h"

namespace orv::test {

QImage WhiteImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QRect InkBounds(const QImage& image)
{
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image
                                                               : image.convertToFormat(QImage::Format_RGB32);
    int left = rgb.width(), right = -1, top = -1, bottom = -1;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == 0xFFFFFF) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            if (top < 0) top = y;
            bottom = y;
        }
    }
    if (right < 0) return QRect();
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage DrawOnImage(QSize size, const std::function<void(Canvas&, const TPoint&)>& draw,
                   QColor background)
{
    EnsureGuiApp();
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.brush.color = QColorToColor(background);
    canvas.pen.color = clBlack;
    canvas.font.name = "Arial";
    canvas.font.size = 8;
    draw(canvas, {size.width(), size.height()});
    painter.end();
    return image;
}

int InkPixels(const QImage& image, QColor background)
{
    return InkOutside(image, QRect(), background);
}

int InkOutside(const QImage& image, const QRect& area, QColor background)
{
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image
                                                               : image.convertToFormat(QImage::Format_RGB32);
    const QRgb bg = background.rgb() & 0xFFFFFF;
    int n = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const bool rowInside = y >= area.top() && y <= area.bottom();
        for (int x = 0; x < rgb.width(); ++x)
            if ((row[x] & 0xFFFFFF) != bg && !(rowInside && x >= area.left() && x <= area.right())) ++n;
    }
    return n;
}

AreaInk DrawInArea(QSize size, int margin, bool pictureFont,
                   const std::function<void(Canvas&, const TPoint&)>& draw)
{
    EnsureGuiApp();
    AreaInk ink;
    ink.image = WhiteImage(size + QSize(2 * margin, 2 * margin));
    ink.area = QRect(QPoint(margin, margin), size);
    QPainter painter(&ink.image);
    painter.translate(margin, margin);
    PainterCanvas c(painter);
    c.font.name = "Arial";
    if (pictureFont) {
        c.setFontDpi(SchemePictureDpi);
        c.font.size = PlatformCode();
    } else {
        c.font.size = 8;
    }
    c.brush.color = clWhite;
    c.pen.color = clBlack;
    draw(c, {size.width(), size.height()});
    painter.end();
    int left = ink.image.width(), right = -1, top = -1, bottom = -1;
    for (int y = 0; y < ink.image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(ink.image.constScanLine(y));
        const bool rowInside = y >= ink.area.top() && y <= ink.area.bottom();
        for (int x = 0; x < ink.image.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == 0xFFFFFF) continue;
            ++ink.total;
            if (!rowInside || x < ink.area.left() || x > ink.area.right()) ++ink.outside;
            left = std::min(left, x);
            right = std::max(right, x);
            if (top < 0) top = y;
            bottom = y;
        }
    }
    if (right >= 0) ink.bounds = QRect(QPoint(left, top), QPoint(right, bottom));
    return ink;
}

std::string AreaInk::overrun() const
{
    if (bounds.isEmpty()) return "no ink";
    return "left " + std::to_string(area.left() - bounds.left()) + ", top " +
           std::to_string(area.top() - bounds.top()) + ", right " +
           std::to_string(bounds.right() - area.right()) + ", bottom " +
           std::to_string(bounds.bottom() - area.bottom());
}

void SaveSchemePngIfAsked(const QImage& image, const std::string& name)
{
    const char* dir = std::getenv("ORV_SCHEME_PNG_DIR");
    if (!dir || !*dir) return;
    image.save(QString::fromStdString(std::string(dir) + "/" + name + ".png"), "PNG");
}

QImage DrawAtPictureResolution(QSize size, const std::function<void(Canvas&, const TPoint&)>& draw)
{
    EnsureGuiApp();
    QImage image = WhiteImage(size);
    QPainter painter(&image);
    PainterCanvas c(painter);
    c.setFontDpi(SchemePictureDpi);
    c.font.name = "Arial";
    c.font.size = PlatformCode();
    c.brush.color = clWhite;
    c.pen.color = clBlack;
    draw(c, {size.width(), size.height()});
    painter.end();
    return image;
}

SampledPixels SamplePixels(const QImage& direct, const QImage& other, int step)
{
    SampledPixels s;
    for (int y = 0; y < direct.height(); y += step)
        for (int x = 0; x < direct.width(); x += step) {
            if (direct.pixel(x, y) != qRgb(255, 255, 255)) ++s.ink;
            if (direct.pixel(x, y) != other.pixel(x, y)) ++s.differing;
        }
    return s;
}

} // namespace orv::test
