#include "resources/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resource initialiser is declared at global scope; from inside a
// namespace it would name another function.
static void InitIconResource()
{
    Q_INIT_RESOURCE(icons);
}

namespace orv {

namespace {

QString IconFile()
{
    static const bool done = (InitIconResource(), true);
    (void)done;
    return QStringLiteral(":/icons/orvandel.svg");
}

QImage Render(QSvgRenderer& svg, int size)
{
    if (!svg.isValid() || size <= 0) return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

} // namespace

QImage RenderProgramIcon(int size)
{
    QSvgRenderer svg(IconFile());
    return Render(svg, size);
}

QIcon ProgramIcon()
{
    // One reading of the drawing for all the sizes; each image becomes its
    // pixmap without a copy.
    QSvgRenderer svg(IconFile());
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(Render(svg, size)));
    return icon;
}

} // namespace orv
