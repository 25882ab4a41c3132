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

QImage RenderProgramIcon(int size)
{
    static const bool done = (InitIconResource(), true);
    (void)done;
    QSvgRenderer svg(QStringLiteral(":/icons/orvandel.svg"));
    if (!svg.isValid() || size <= 0) return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(RenderProgramIcon(size)));
    return icon;
}

} // namespace orv
