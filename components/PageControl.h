// The page tabs of a form: a tab widget whose user may only leave the
// current page when the form allows it. Every road a user takes to another
// page (a click on a tab, the arrow keys on the tabs, the wheel over them,
// Ctrl+Tab and Ctrl+PgUp/PgDn inside the pages) first asks the guard; a
// refusal leaves the current page in front. Pages set by the program are
// not asked about.
#pragma once

#include <QTabBar>
#include <QTabWidget>

#include <functional>

namespace orv {

class TPageTabBar : public QTabBar {
    Q_OBJECT
public:
    using Guard = std::function<bool()>;
    explicit TPageTabBar(QWidget* parent = nullptr);
    void setGuard(Guard guard) { guard_ = std::move(guard); }
    // True when the page may be left (no guard, or the guard allows it).
    bool mayLeave() const { return !guard_ || guard_(); }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
#if QT_CONFIG(wheelevent)
    void wheelEvent(QWheelEvent* e) override;
#endif

private:
    Guard guard_;
    bool refusedPress_ = false;
};

class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);
    // Asked before the user leaves the current page; false keeps it.
    void setLeaveGuard(TPageTabBar::Guard guard);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    TPageTabBar* bar_;
};

} // namespace orv
