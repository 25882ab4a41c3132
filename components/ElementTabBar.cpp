#include "components/ElementTabBar.h"

#include <algorithm>

namespace orv {

TElementTabBar::TElementTabBar(QWidget* parent) : QTabBar(parent)
{
    setExpanding(false);
    setFocusPolicy(Qt::NoFocus);
}

// A shown tab bar lays all its tabs out at every change. Every added tab,
// shown bar or hidden, has the tabs laid out and searched for the mouse: a
// walk over all of them, hidden ones too, of which only the shown ones are
// measured. So the bar is hidden while it is filled (its other changes are
// then laid out once, when it is shown again), the current tab is one that
// stays (removing a current tab makes another current, with a layout), and
// while tabs are added only the current one is shown. Adding n tabs still
// walks the tabs n times, inside the toolkit.
void TElementTabBar::setTabs(const QStringList& texts, int current)
{
    const int wanted = static_cast<int>(texts.size());
    const int kept = std::min(count(), wanted);
    const bool shown = isVisible();
    if (shown) hide();
    const int before = currentIndex();
    const bool wasBlocked = blockSignals(true);

    const int staying = kept > 0 ? std::clamp(current, 0, kept - 1) : 0;
    if (count() > wanted && currentIndex() >= std::max(kept, 1)) setCurrentIndex(staying);
    while (count() > wanted) removeTab(count() - 1);
    for (int i = 0; i < kept; ++i) {
        if (tabText(i) != texts[i]) setTabText(i, texts[i]);
    }
    if (wanted > kept) {
        for (int i = 0; i < kept; ++i) {
            if (i != currentIndex()) setTabVisible(i, false);
        }
        for (int i = kept; i < wanted; ++i) {
            addTab(texts[i]);
            if (i != currentIndex()) setTabVisible(i, false);
        }
        for (int i = 0; i < wanted; ++i) setTabVisible(i, true);
    }
    setCurrentIndex(current);
    blockSignals(wasBlocked);

    if (shown) show();
    // a hidden bar does not tell the layout it sits in that its tabs changed
    updateGeometry();
    if (currentIndex() != before) emit currentChanged(currentIndex());
}

void TElementTabBar::mouseDoubleClickEvent(QMouseEvent* e)
{
    QTabBar::mouseDoubleClickEvent(e);
    emit doubleClicked();
}

} // namespace orv
