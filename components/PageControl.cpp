#include "components/PageControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace orv {

TPageTabBar::TPageTabBar(QWidget* parent) : QTabBar(parent) {}

void TPageTabBar::mousePressEvent(QMouseEvent* e)
{
    refusedPress_ = false;
    const int index = tabAt(e->position().toPoint());
    const bool other = e->button() == Qt::LeftButton && index >= 0 && index != currentIndex() && isTabEnabled(index);
    if (other && !mayLeave()) {
        // The press and its release are the tab bar's no more.
        refusedPress_ = true;
        e->accept();
        return;
    }
    QTabBar::mousePressEvent(e);
}

void TPageTabBar::mouseReleaseEvent(QMouseEvent* e)
{
    if (refusedPress_) {
        refusedPress_ = false;
        e->accept();
        return;
    }
    QTabBar::mouseReleaseEvent(e);
}

void TPageTabBar::keyPressEvent(QKeyEvent* e)
{
    const bool moves = e->key() == Qt::Key_Left || e->key() == Qt::Key_Right;
    if (moves && count() > 1 && !mayLeave()) {
        e->accept();
        return;
    }
    QTabBar::keyPressEvent(e);
}

#if QT_CONFIG(wheelevent)
void TPageTabBar::wheelEvent(QWheelEvent* e)
{
    if (count() > 1 && !mayLeave()) {
        e->accept();
        return;
    }
    QTabBar::wheelEvent(e);
}
#endif

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent), bar_(new TPageTabBar)
{
    setTabBar(bar_);
}

void TPageControl::setLeaveGuard(TPageTabBar::Guard guard)
{
    bar_->setGuard(std::move(guard));
}

void TPageControl::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    const bool switches = (e->modifiers() & Qt::ControlModifier) &&
                          (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_PageUp ||
                           key == Qt::Key_PageDown);
    if (switches && count() > 1 && !bar_->mayLeave()) {
        e->accept();
        return;
    }
    QTabWidget::keyPressEvent(e);
}

} // namespace orv
