#include "drawing/DimensionSketches.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace orv {
namespace {

// A box of width w, height h and depth d seen obliquely (depth at 45° and
// half length), its front lower-left corner at o.
struct Prism {
    QPointF o;
    double w, h, d;
    QPointF front(double x, double y) const { return {o.x() + x, o.y() - y}; }
    QPointF back(double x, double y) const { return front(x, y) + QPointF(d * 0.5, -d * 0.5); }
};

void DrawPrism(QPainter& p, const Prism& s, const QColor& face)
{
    const QPolygonF front{s.front(0, 0), s.front(s.w, 0), s.front(s.w, s.h), s.front(0, s.h)};
    const QPolygonF top{s.front(0, s.h), s.front(s.w, s.h), s.back(s.w, s.h), s.back(0, s.h)};
    const QPolygonF side{s.front(s.w, 0), s.back(s.w, 0), s.back(s.w, s.h), s.front(s.w, s.h)};
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(face);
    p.drawPolygon(front);
    p.setBrush(face.lighter(130));
    p.drawPolygon(top);
    p.setBrush(face.darker(120));
    p.drawPolygon(side);
}

// A dimension line from a to b with ticks and its name beside the middle.
void Dimension(QPainter& p, QPointF a, QPointF b, QPointF labelOffset, const QString& name)
{
    p.setPen(QPen(Qt::darkBlue, 1));
    p.drawLine(a, b);
    const QPointF tick(3, -3);
    p.drawLine(a - tick, a + tick);
    p.drawLine(b - tick, b + tick);
    QFont f = p.font();
    f.setItalic(true);
    p.setFont(f);
    const QPointF mid = (a + b) / 2 + labelOffset;
    p.drawText(QRectF(mid.x() - 10, mid.y() - 8, 20, 16), Qt::AlignCenter, name);
}

} // namespace

void DrawWallDimensionSketch(QPainter& p, const QRect& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const double m = 22; // room for the names of the dimensions
    const double d = box.width() * 0.18;
    const Prism wall{QPointF(box.left() + m, box.bottom() - m), box.width() - 2 * m - d * 0.5,
                     box.height() - 2 * m - d * 0.5, d};
    DrawPrism(p, wall, QColor(190, 90, 70));
    Dimension(p, wall.front(0, -6), wall.front(wall.w, -6), QPointF(0, 9), QStringLiteral("b"));
    Dimension(p, wall.front(-6, 0), wall.front(-6, wall.h), QPointF(-9, 0), QStringLiteral("h"));
    Dimension(p, wall.front(wall.w + 6, wall.h), wall.back(wall.w + 6, wall.h), QPointF(10, 4), QStringLiteral("t"));
    p.restore();
}

void DrawColumnDimensionSketch(QPainter& p, const QRect& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const double m = 16;
    const double w = box.width() * 0.3;
    const double d = box.width() * 0.3;
    const Prism pier{QPointF(box.center().x() - (w + d * 0.5) / 2, box.bottom() - m), w,
                     box.height() - 2 * m - d * 0.5, d};
    DrawPrism(p, pier, QColor(190, 90, 70));
    Dimension(p, pier.front(0, -6), pier.front(pier.w, -6), QPointF(0, 9), QStringLiteral("t"));
    Dimension(p, pier.front(pier.w + 6, 0), pier.back(pier.w + 6, 0), QPointF(10, 4), QStringLiteral("b"));
    Dimension(p, pier.front(-6, 0), pier.front(-6, pier.h), QPointF(-9, 0), QStringLiteral("h"));
    p.restore();
}

} // namespace orv
