#include "StoredAppearance.h"

#include <QGuiApplication>
#include <QPalette>

namespace orv {

QColor ColorFromBgr(int bgr)
{
    const unsigned v = static_cast<unsigned>(bgr);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

int BgrFromColor(const QColor& color)
{
    const QColor c = color.toRgb();
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

QColor CellBackgroundColor()
{
    return ColorFromBgr(GetCellBackgroundColor(BgrFromColor(QGuiApplication::palette().color(QPalette::Base))));
}

QFont StoredFont(const std::string& family, int pointSize)
{
    QFont font(QString::fromStdString(family));
    if (pointSize > 0) font.setPointSize(pointSize);
    return font;
}

} // namespace orv
