#include "components/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orv {

TWindowPlace WindowPlaceOf(const QWidget& widget)
{
    return {widget.x(), widget.y(), widget.width(), widget.height()};
}

TScreenArea AvailableScreenArea(int x, int y)
{
    const QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect a = screen->availableGeometry();
    return {a.x(), a.y(), a.width(), a.height()};
}

void PlaceWindowOnScreen(QWidget& widget, const TWindowPlace& place)
{
    const TScreenArea area = AvailableScreenArea(place.Left, place.Top);
    TWindowPlace wanted = place;
    if (wanted.Width <= 0 || wanted.Height <= 0) {
        wanted.Width = widget.width();
        wanted.Height = widget.height();
    }
    const TWindowPlace fitted = FitWindowOntoArea(wanted, area);
    widget.resize(fitted.Width, fitted.Height);
    // The widget's minimum size may exceed the area: placed by what it took.
    const TWindowPlace taken = FitWindowOntoArea({fitted.Left, fitted.Top, widget.width(), widget.height()}, area);
    widget.move(taken.Left, taken.Top);
}

void ApplyWindowPlacement(QWidget& widget, const TWindowPlace& place)
{
    const TPlacementPlan plan = PlanWindowPlacement(place, AvailableScreenArea(place.Left, place.Top));
    if (plan.Resize) widget.resize(plan.Width, plan.Height);
    if (plan.Move) PlaceWindowOnScreen(widget, {plan.Left, plan.Top, -1, -1});
}

} // namespace orv
