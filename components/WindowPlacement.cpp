#include "components/WindowPlacement.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMargins>
#include <QMetaObject>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace orv {
namespace {

ScreenAreaSource& Source()
{
    static ScreenAreaSource source;
    return source;
}

TScreenArea ScreenAreaAt(int x, int y)
{
    const QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect a = screen->availableGeometry();
    return {a.x(), a.y(), a.width(), a.height()};
}

// What the window manager's frame adds around the client; none while unknown.
QMargins FrameMargins(const QWidget& w)
{
    const QRect f = w.frameGeometry();
    const QRect g = w.geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

bool FreelyPlaced(const QWidget& w)
{
    return w.isWindow() && !(w.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

// The frame's place as it is now brought onto the screen.
void FitNow(QWidget& w)
{
    if (!FreelyPlaced(w)) return;
    const QMargins m = FrameMargins(w);
    const QRect frame = w.frameGeometry();
    const TScreenArea area = AvailableScreenArea(frame.left(), frame.top());
    QRect fitted = FitFrameOntoArea(w.geometry(), m, area);
    if (fitted.size() != w.size()) w.resize(fitted.size());
    // The widget's minimum size may exceed the area: placed by what it took.
    fitted = FitFrameOntoArea(QRect(fitted.topLeft(), w.size()), m, area);
    const QPoint framePos(fitted.left() - m.left(), fitted.top() - m.top());
    if (framePos != w.pos()) w.move(framePos);
}

// Fits the window once more when its frame first becomes known: the window
// manager adds it only after the window is shown.
class TFrameKeeper : public QObject {
public:
    explicit TFrameKeeper(QWidget& w) : QObject(&w), window_(w)
    {
        setObjectName(QStringLiteral("orvFrameKeeper"));
        w.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type t = event->type();
        if (watched == &window_ && (t == QEvent::Show || t == QEvent::Move || t == QEvent::Resize || t == QEvent::Paint) &&
            window_.isVisible() && !FrameMargins(window_).isNull()) {
            window_.removeEventFilter(this);
            QWidget* w = &window_;
            QMetaObject::invokeMethod(w, [w] { FitNow(*w); }, Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

void KeepFrameOnScreen(QWidget& w)
{
    if (!w.isWindow() || w.findChild<TFrameKeeper*>(QStringLiteral("orvFrameKeeper"), Qt::FindDirectChildrenOnly))
        return;
    // A window whose frame is known already has been fitted with it.
    if (w.isVisible() && !FrameMargins(w).isNull()) return;
    new TFrameKeeper(w);
}

} // namespace

TWindowPlace WindowPlaceOf(const QWidget& widget)
{
    return {widget.x(), widget.y(), widget.width(), widget.height()};
}

ScreenAreaSource SetScreenAreaSource(ScreenAreaSource source)
{
    ScreenAreaSource old = std::move(Source());
    Source() = std::move(source);
    return old;
}

TScreenArea AvailableScreenArea(int x, int y)
{
    return Source() ? Source()(x, y) : ScreenAreaAt(x, y);
}

QRect FitFrameOntoArea(const QRect& client, const QMargins& frame, const TScreenArea& area)
{
    const int across = frame.left() + frame.right();
    const int down = frame.top() + frame.bottom();
    const TWindowPlace f = FitWindowOntoArea(
        {client.left() - frame.left(), client.top() - frame.top(), client.width() + across, client.height() + down}, area);
    return {f.Left + frame.left(), f.Top + frame.top(), std::max(f.Width - across, 0), std::max(f.Height - down, 0)};
}

void FitWindowFrameOnScreen(QWidget& widget)
{
    FitNow(widget);
    KeepFrameOnScreen(widget);
}

int WidthForTitle(const QWidget& widget)
{
    QFont bold = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    bold.setBold(true);
    const QFontMetrics fm(bold);
    const int bar = std::max(widget.style()->pixelMetric(QStyle::PM_TitleBarHeight), fm.height() + 8);
    return fm.horizontalAdvance(widget.windowTitle()) + 7 * bar;
}

void PlaceWindowOnScreen(QWidget& widget, const TWindowPlace& place)
{
    const QMargins m = FrameMargins(widget);
    QSize wanted(place.Width, place.Height);
    if (place.Width <= 0 || place.Height <= 0) wanted = widget.size();
    // The place is the frame's; the client lies inside it.
    const TScreenArea area = AvailableScreenArea(place.Left, place.Top);
    QRect fitted = FitFrameOntoArea(QRect(QPoint(place.Left + m.left(), place.Top + m.top()), wanted), m, area);
    widget.resize(fitted.size());
    // The widget's minimum size may exceed the area: placed by what it took.
    fitted = FitFrameOntoArea(QRect(fitted.topLeft(), widget.size()), m, area);
    widget.move(fitted.left() - m.left(), fitted.top() - m.top());
    KeepFrameOnScreen(widget);
}

void ApplyWindowPlacement(QWidget& widget, const TWindowPlace& place)
{
    const TPlacementPlan plan = PlanWindowPlacement(place, AvailableScreenArea(place.Left, place.Top));
    if (plan.Resize) widget.resize(plan.Width, plan.Height);
    if (plan.Move) PlaceWindowOnScreen(widget, {plan.Left, plan.Top, -1, -1});
}

} // namespace orv
