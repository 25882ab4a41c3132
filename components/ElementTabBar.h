// The tab bar of the elements: one tab per element, named by it.
#pragma once

#include <QStringList>
#include <QTabBar>

namespace orv {

// Tabs not stretched, taking no focus; a double click raises doubleClicked
// once.
class TElementTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit TElementTabBar(QWidget* parent = nullptr);

    // One tab a text, in order, and the tab at `current` selected: the tabs
    // there are reused, the rest added or removed, and all of them measured
    // together once and laid out in view of the current one. currentChanged
    // goes out once, after that, when the current tab is another than before.
    void setTabs(const QStringList& texts, int current);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

} // namespace orv
