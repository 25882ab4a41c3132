#include "printing/PaperPicture.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "core/MyUtils.h"

namespace orv {

namespace {

int RoundInt(double v) { return int(RoundHalfEven(v)); }

} // namespace

QPoint TPaperMap::map(double xMm, double yMm) const
{
    return {RoundInt(xMm * scale) + x0, RoundInt(yMm * scale) + y0};
}

QRect TPaperMap::rect(double leftMm, double topMm, double rightMm, double bottomMm) const
{
    const QPoint a = map(leftMm, topMm);
    const QPoint b = map(rightMm, bottomMm);
    return QRect(a, QSize(b.x() - a.x(), b.y() - a.y()));
}

int PaperUnit(const QPainter& painter, int v)
{
    return RoundInt(QFontMetrics(painter.font()).height() * double(v) / 13.0);
}

TPaperMap FitPaper(const QPainter& painter, QSize box, double paperWidthMm, double paperHeightMm)
{
    TPaperMap m;
    if (!(paperWidthMm > 0) || !(paperHeightMm > 0)) return m;
    const int u35 = PaperUnit(painter, 35);
    const int u15 = PaperUnit(painter, 15);
    const int w = box.width() - u35;
    const int h = box.height() - u35;
    m.scale = std::max(0.0, std::min(w / paperWidthMm, h / paperHeightMm));
    m.x0 = (w - RoundInt(paperWidthMm * m.scale)) / 2 + u15;
    m.y0 = (h - RoundInt(paperHeightMm * m.scale)) / 2 + u15;
    return m;
}

TPaperMap DrawPaperPicture(QPainter& painter, QSize box, double paperWidthMm, double paperHeightMm,
                           const TPageMargins& margins, const QColor& shadow)
{
    const TPaperMap m = FitPaper(painter, box, paperWidthMm, paperHeightMm);
    if (m.scale <= 0) return m;
    const QRect paper = m.rect(0, 0, paperWidthMm, paperHeightMm);
    const int u5 = PaperUnit(painter, 5);

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawRect(paper.translated(u5, u5));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(paper);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DotLine));
    painter.drawRect(m.rect(margins.left, margins.top, paperWidthMm - margins.right, paperHeightMm - margins.bottom));
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    return m;
}

} // namespace orv
