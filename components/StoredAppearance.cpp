#include "components/StoredAppearance.h"

#include <QGuiApplication>
#include <QPalette>

#include "core/CommonParamsUnit.h"
#include "drawing/Canvas.h"

namespace orv {

QColor CellBackgroundColor()
{
    const TColor base = QColorToColor(QGuiApplication::palette().color(QPalette::Base));
    return ColorToQColor(TColor(GetCellBackgroundColor(int(base))));
}

QFont StoredFont(const std::string& family, int pointSize)
{
    QFont font(QString::fromStdString(family));
    if (pointSize > 0) font.setPointSize(pointSize);
    return font;
}

} // namespace orv
