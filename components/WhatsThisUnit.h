// Context help of the controls: F1 shows the text of the focused control
// beside it (below it, where the screen leaves room), Shift+F1 (or the menu item "Co to jest?") enters the
// mode in which a click on a control shows its text, and the right mouse
// button offers "Co to jest?" for a control that has one. The texts are the
// controls' what's-this texts; a control without one shows its nearest
// parent's. One instance serves the whole application.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace orv {

class TWhatsThis : public QObject {
    Q_OBJECT
public:
    explicit TWhatsThis(QObject* parent = nullptr);
    ~TWhatsThis() override;

    static QString popupCaption() { return QStringLiteral("Co to jest?"); }

    // The menu item "Co to jest?" (Shift+F1) entering and leaving the mode.
    QAction* menuAction() const { return action_; }
    // The tool button of the same command: down in the mode, and a click on
    // it in the mode only leaves the mode.
    void setToolbarButton(QWidget* button) { toolbarButton_ = button; }

    // The text shown for a control: its own, else the nearest parent's up
    // to its window; empty when none has one.
    static QString helpTextOf(const QWidget* w);
    // Shows the control's text under the control, clear of it, where the
    // screen leaves room, else at a global point; false when it has none.
    bool showHelpOf(QWidget* w, const QPoint& globalPos);
    // The point a text is shown at for a control (global rectangle) on a
    // screen's available area: the text is centred on the point and starts
    // just below it.
    static QPoint popupPoint(const QRect& control, const QPoint& fallback, const QRect& screen);
    // The right-click menu of a control with a text: a line edit's own
    // items followed by "Co to jest?", otherwise that item alone; null for
    // a control without a text. The caller owns the menu.
    QMenu* contextMenuFor(QWidget* w, const QPoint& globalPos);
    // Appends "Co to jest?" for the control to a menu of its own; nothing
    // for a control without a text.
    void addItemTo(QMenu* menu, QWidget* w, const QPoint& globalPos);

    void enterWhatsThisMode();
    void leaveWhatsThisMode();

signals:
    // A text was shown for a control.
    void helpShown(QWidget* target, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* action_;
    QWidget* toolbarButton_ = nullptr;
};

} // namespace orv
