#include "drawing/PlateSchemePictures.h"

#include <QPainter>
#include <QPolygon>
#include <QRect>

#include <algorithm>

#include "core/ZunStrings.h"
#include "drawing/MasonryUnitPictures.h"

namespace orv {
namespace {

const QLatin1String kPrefix("SCHEMAT_SCIANY_");

// One edge from a to b; `out` is the unit step away from the plate.
void DrawEdge(QPainter& p, QPoint a, QPoint b, QPoint out, TEdgeSupport kind, int s, const QColor& ink)
{
    if (kind == esFree) {
        p.setPen(QPen(ink, 1));
        p.drawLine(a, b);
        return;
    }
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a, b);
    p.setPen(QPen(ink, 1));
    const QPoint along = b - a;
    const int length = std::max(std::abs(along.x()), std::abs(along.y()));
    const QPoint unit(along.x() / std::max(length, 1), along.y() / std::max(length, 1));
    if (kind == esHinged) {
        // Support triangles, apex on the edge.
        const int n = std::max(2, length / (3 * s));
        p.setBrush(ink);
        for (int i = 0; i < n; ++i) {
            const QPoint apex = a + unit * ((2 * i + 1) * length / (2 * n)) + out;
            const QPoint base = apex + out * s;
            const QPoint half = unit * std::max(1, s / 2);
            p.drawPolygon(QPolygon({apex, base - half, base + half}));
        }
        p.setBrush(Qt::NoBrush);
        return;
    }
    // Fixed: slanted strokes outside the edge.
    const int step = std::max(3, s * 2 / 3);
    for (int d = 0; d <= length; d += step) {
        const QPoint foot = a + unit * d + out;
        p.drawLine(foot, foot + out * s - unit * (s / 2 + 1));
    }
}

} // namespace

QString PlateSchemePictureName(int supportCase)
{
    if (supportCase < 0 || supportCase >= PlateSchemePictureCount) return {};
    return kPrefix + QLatin1Char(char('A' + supportCase));
}

int PlateSchemeOfPictureName(const QString& name)
{
    if (name.size() != kPrefix.size() + 1 || !name.startsWith(kPrefix)) return -1;
    const int k = name.back().unicode() - 'A';
    return k >= 0 && k < PlateSchemePictureCount ? k : -1;
}

void DrawPlateSchemePicture(QPainter& p, const QRect& r, int supportCase, const QColor& ink)
{
    if (supportCase < 0 || supportCase >= PlateSchemePictureCount || r.width() < 8 || r.height() < 8) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // Room for the symbols all round.
    const int s = std::max(3, std::min(r.width(), r.height()) / 7);
    const QRect plate = r.adjusted(s + 1, s + 1, -s - 2, -s - 2);
    p.fillRect(plate, QColor(0xE8, 0xE8, 0xE8));
    const QPoint tl = plate.topLeft(), tr = plate.topRight(), bl = plate.bottomLeft(), br = plate.bottomRight();
    DrawEdge(p, tl, tr, {0, -1}, EdgeSupportKind(supportCase, 0), s, ink);
    DrawEdge(p, bl, br, {0, 1}, EdgeSupportKind(supportCase, 1), s, ink);
    DrawEdge(p, tl, bl, {-1, 0}, EdgeSupportKind(supportCase, 2), s, ink);
    DrawEdge(p, tr, br, {1, 0}, EdgeSupportKind(supportCase, 3), s, ink);
    p.restore();
}

QImage NamedPicture(const QString& name, QSize size, const QColor& ink)
{
    const int k = PlateSchemeOfPictureName(name);
    const int unit = MasonryUnitOfPictureName(name);
    if ((k < 0 && unit < 0) || size.isEmpty()) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    if (k >= 0) DrawPlateSchemePicture(p, image.rect(), k, ink);
    else DrawMasonryUnitPicture(p, image.rect(), unit, ink);
    return image;
}

} // namespace orv
