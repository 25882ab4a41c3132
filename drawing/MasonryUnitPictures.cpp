#include "drawing/MasonryUnitPictures.h"

#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QRect>

#include <algorithm>

namespace orv {
namespace {

const QLatin1String kPrefix("ELMUR_A");

// Length, height and depth of a unit [mm]: the brick 250 x 65 x 120, the
// hollow block 288 x 220 x 188.
struct TUnitShape {
    double length, height, depth;
};
constexpr TUnitShape kBrick{250, 65, 120};
constexpr TUnitShape kBlock{288, 220, 188};

const QColor kFront(0xC8, 0x6A, 0x45);
const QColor kTop(0xE0, 0x8E, 0x6A);
const QColor kEnd(0xA8, 0x55, 0x36);
const QColor kHole(0x4A, 0x2A, 0x1E);

// A face as the parallelogram origin + u a + v b, u and v in 0..1.
struct TFace {
    QPointF origin, a, b;
    QPointF at(double u, double v) const { return origin + u * a + v * b; }
    QPolygonF part(double u0, double v0, double u1, double v1) const
    {
        return QPolygonF({at(u0, v0), at(u1, v0), at(u1, v1), at(u0, v1)});
    }
};

// A grid of rows x columns holes, each `fill` of its cell, on the face.
void Holes(QPainter& p, const TFace& face, int columns, int rows, double fillU, double fillV, double margin)
{
    // Sharp edges: a hole is a few pixels across.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(kHole);
    const double cu = (1 - 2 * margin) / columns, cv = (1 - 2 * margin) / rows;
    for (int i = 0; i < columns; ++i)
        for (int j = 0; j < rows; ++j) {
            const double u0 = margin + i * cu + cu * (1 - fillU) / 2;
            const double v0 = margin + j * cv + cv * (1 - fillV) / 2;
            p.drawPolygon(face.part(u0, v0, u0 + cu * fillU, v0 + cv * fillV));
        }
    p.restore();
}

} // namespace

QString MasonryUnitPictureName(int picture)
{
    if (picture < 0 || picture >= MasonryUnitPictureCount) return {};
    return kPrefix + QString::number(picture + 1);
}

int MasonryUnitOfPictureName(const QString& name)
{
    if (name.size() != kPrefix.size() + 1 || !name.startsWith(kPrefix)) return -1;
    const int k = name.back().unicode() - '1';
    return k >= 0 && k < MasonryUnitPictureCount ? k : -1;
}

void DrawMasonryUnitPicture(QPainter& p, const QRect& r, int picture, const QColor& ink)
{
    if (picture < 0 || picture >= MasonryUnitPictureCount || r.width() < 8 || r.height() < 8) return;
    const TUnitShape shape = picture == 3 ? kBlock : kBrick;
    // Oblique view: the depth drawn at half its length, up and to the right.
    const double depthX = shape.depth * 0.5 * 0.8, depthY = shape.depth * 0.5 * 0.6;
    const double width = shape.length + depthX, height = shape.height + depthY;
    const double scale = std::min((r.width() - 4) / width, (r.height() - 4) / height);
    const double L = shape.length * scale, H = shape.height * scale, dx = depthX * scale, dy = depthY * scale;
    const QPointF base(r.center().x() - (L + dx) / 2, r.center().y() + (H + dy) / 2); // front bottom left

    const TFace front{base + QPointF(0, -H), {L, 0}, {0, H}};
    const TFace top{base + QPointF(dx, -H - dy), {L, 0}, {-dx, dy}};
    const TFace end{base + QPointF(L, -H), {dx, -dy}, {0, H}};

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(ink, 1));
    p.setBrush(kFront);
    p.drawPolygon(front.part(0, 0, 1, 1));
    p.setBrush(kTop);
    p.drawPolygon(top.part(0, 0, 1, 1));
    p.setBrush(kEnd);
    p.drawPolygon(end.part(0, 0, 1, 1));
    switch (picture) {
    case 1: Holes(p, end, 2, 2, 0.6, 0.6, 0.12); break;  // holes along the length
    case 2: Holes(p, top, 7, 3, 0.55, 0.6, 0.08); break; // vertical perforation
    case 3: Holes(p, top, 4, 3, 0.8, 0.6, 0.06); break;   // slots of a hollow block
    default: break;                                      // solid
    }
    p.restore();
}

} // namespace orv
