#include "tests/drawing/support/SchemeImage.h"

#include <QPainter>

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
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) r |= QRect(x, y, 1, 1);
    return r;
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
    const QRgb bg = background.rgb();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != bg && !area.contains(x, y)) ++n;
    return n;
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
