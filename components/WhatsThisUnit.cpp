#include "components/WhatsThisUnit.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QWhatsThis>
#include <QWidget>

#include "components/Realedit.h"

namespace orv {

TWhatsThis::TWhatsThis(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("WhatsThis1"));
    action_ = new QAction(popupCaption(), this);
    action_->setObjectName(QStringLiteral("Cotojest1"));
    action_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    action_->setCheckable(true);
    connect(action_, &QAction::triggered, this, [this] {
        if (QWhatsThis::inWhatsThisMode()) leaveWhatsThisMode();
        else enterWhatsThisMode();
    });
    qApp->installEventFilter(this);
}

TWhatsThis::~TWhatsThis()
{
    if (qApp) qApp->removeEventFilter(this);
}

QString TWhatsThis::helpTextOf(const QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (!w->whatsThis().isEmpty()) return w->whatsThis();
        if (w->isWindow()) break;
    }
    return {};
}

QPoint TWhatsThis::popupPoint(const QRect& control, const QPoint& fallback, const QRect& screen)
{
    // Room for a few lines of text under the control.
    constexpr int kRoom = 90;
    constexpr int kGap = 4;
    if (control.isValid() && control.bottom() + kGap + kRoom <= screen.bottom())
        return {control.center().x(), control.bottom() + kGap};
    return fallback;
}

bool TWhatsThis::showHelpOf(QWidget* w, const QPoint& globalPos)
{
    const QString text = helpTextOf(w);
    if (text.isEmpty()) return false;
    const QRect control(w->mapToGlobal(QPoint(0, 0)), w->size());
    const QScreen* screen = w->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    QWhatsThis::showText(popupPoint(control, globalPos, area), text, w);
    emit helpShown(w, text);
    return true;
}

QMenu* TWhatsThis::contextMenuFor(QWidget* w, const QPoint& globalPos)
{
    if (helpTextOf(w).isEmpty()) return nullptr;
    QMenu* menu = nullptr;
    if (auto* number = qobject_cast<TNumberEdit*>(w)) {
        menu = number->createContextMenu();
        menu->addSeparator();
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        menu = edit->createStandardContextMenu();
        menu->addSeparator();
    } else {
        menu = new QMenu;
    }
    addItemTo(menu, w, globalPos);
    return menu;
}

void TWhatsThis::addItemTo(QMenu* menu, QWidget* w, const QPoint& globalPos)
{
    if (!menu || helpTextOf(w).isEmpty()) return;
    QAction* item = menu->addAction(popupCaption());
    item->setObjectName(QStringLiteral("WhatsThisItem"));
    QPointer<QWidget> target(w);
    connect(item, &QAction::triggered, this, [this, target, globalPos] {
        if (target) showHelpOf(target, globalPos);
    });
}

void TWhatsThis::enterWhatsThisMode()
{
    if (!QWhatsThis::inWhatsThisMode()) QWhatsThis::enterWhatsThisMode();
    // The mode's own filter would take F1 for any key that ends the mode;
    // this one is asked first.
    qApp->installEventFilter(this);
    action_->setChecked(true);
}

void TWhatsThis::leaveWhatsThisMode()
{
    if (QWhatsThis::inWhatsThisMode()) QWhatsThis::leaveWhatsThisMode();
    action_->setChecked(false);
}

bool TWhatsThis::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::LeaveWhatsThisMode:
        action_->setChecked(false);
        break;
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        if (k->key() != Qt::Key_F1 || k->isAutoRepeat() || !w) break;
        if (QWhatsThis::inWhatsThisMode()) leaveWhatsThisMode();
        if (k->modifiers() & Qt::ShiftModifier) {
            enterWhatsThisMode();
            return true;
        }
        QWidget* focused = QApplication::focusWidget();
        if (!focused) focused = w;
        return showHelpOf(focused, focused->mapToGlobal(QPoint(0, 0)));
    }
    case QEvent::WhatsThis: {
        // A click in the mode: the text goes beside the control, not over it.
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || qobject_cast<QMenu*>(w) || helpTextOf(w).isEmpty()) break;
        showHelpOf(w, static_cast<QHelpEvent*>(event)->globalPos());
        event->accept();
        return true;
    }
    case QEvent::MouseButtonPress:
        if (toolbarButton_ && watched == toolbarButton_ && QWhatsThis::inWhatsThisMode()) {
            leaveWhatsThisMode();
            return true;
        }
        break;
    case QEvent::ContextMenu: {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || qobject_cast<QMenu*>(w) || QWhatsThis::inWhatsThisMode()) break;
        // A control with a menu of its own offers the item in that menu.
        const QWidget* owner = w;
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w->parentWidget()); area && area->viewport() == w)
            owner = area;
        if (owner->contextMenuPolicy() == Qt::CustomContextMenu) break;
        auto* e = static_cast<QContextMenuEvent*>(event);
        QMenu* menu = contextMenuFor(w, e->globalPos());
        if (!menu) break;
        menu->exec(e->globalPos());
        delete menu;
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orv
