#include "components/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orv {

TWindowPlace WindowPlaceOf(const QWidget& widget)
{
    return {widget.x(), widget.y(), widget.width(), widget.height()};
}

void ApplyWindowPlacement(QWidget& widget, const TWindowPlace& place)
{
    QSize screen(0, 0);
    if (const QScreen* s = QGuiApplication::primaryScreen()) screen = s->size();
    const TPlacementPlan plan = PlanWindowPlacement(place, screen.width(), screen.height());
    if (plan.Move) widget.move(plan.Left, plan.Top);
    if (plan.Resize) widget.resize(plan.Width, plan.Height);
}

} // namespace orv
