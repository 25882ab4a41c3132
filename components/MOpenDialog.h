// The open and save dialogs of project and storey files, and the element
// tab bar with its double click. A test binds a responder in place of the
// modal dialog, so that commands which ask for a file can be scripted.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QStyleOptionTab;
class QToolButton;

namespace orv {

enum class TMOpenDialogView { LargeIcon, SmallIcon, List, Report, Thumbnails, Tile };

class TMOpenDialog {
public:
    enum class Mode { Open, Save };
    explicit TMOpenDialog(Mode mode = Mode::Open) : mode_(mode) {}
    virtual ~TMOpenDialog() = default;

    Mode mode() const { return mode_; }
    QString title;
    QString filter;          // Qt form: "Projekty (*.clcm);;Wszystkie pliki (*)"
    QString initialDir;
    QString defaultExt;      // without the dot; added to a name typed without one
    QString fileName;        // in: proposed name; out: the chosen file
    bool showPlacesBar = true;
    TMOpenDialogView defaultView = TMOpenDialogView::List;

    // Runs the dialog; true with fileName set when the user chose a file.
    // An open dialog takes only existing files; a save dialog asks before
    // overwriting, after its default extension has been added.
    bool Execute(QWidget* parent = nullptr);

    // A test's stand-in for the modal dialog (unbound: the real one).
    using Responder = std::function<bool(TMOpenDialog&)>;
    static Responder bindResponder(Responder r);

private:
    Mode mode_;
};

class TMSaveDialog : public TMOpenDialog {
public:
    TMSaveDialog() : TMOpenDialog(Mode::Save) {}
};

// The tab strip of the elements, drawn with the widget's style as a tab bar
// of rounded tabs on top, whole tabs of the style's size, scroll arrows when
// they do not fit. It keeps the tabs' left edges, so that setting the tabs,
// finding the tab under a point and painting the tabs in view do not grow
// with the number of tabs beyond one pass. Double click raises doubleClicked
// once.
class TMTabControl : public QWidget {
    Q_OBJECT
public:
    explicit TMTabControl(QWidget* parent = nullptr);

    int count() const { return int(texts_.size()); }
    QString tabText(int index) const;
    void setTabText(int index, const QString& text);
    int addTab(const QString& text);
    bool isTabVisible(int index) const { return index >= 0 && index < count(); }
    int currentIndex() const { return current_; }
    // The tab's place in the widget, scrolled; null out of range.
    QRect tabRect(int index) const;
    // The tab covering `pos`, or -1.
    int tabAt(const QPoint& pos) const;

    // One tab a text, in order, and the tab at `current` selected; the tabs
    // whose text stays keep their measure. Signals go out as for the single
    // removals and the choice of the tab.
    void setTabs(const QStringList& texts, int current);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setCurrentIndex(int index);

signals:
    void currentChanged(int index);
    void doubleClicked();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    // What every tab's option shares; initTabOption adds the tab's own.
    void initTabBase(QStyleOptionTab& opt) const;
    void initTabOption(QStyleOptionTab& opt, int index) const;
    void measureTabs(int from, int to);
    void ensureLaidOut() const;
    void layoutTabs();
    void refresh();
    void makeVisible(int index);
    QRect scrollRect(int index) const;
    int firstEndingAfter(int x) const;
    void scrollButtonClicked(bool left);
    void grabMnemonic(int index);
    void selectNextTab(int step);

    QStringList texts_;
    std::vector<QSize> sizes_;     // each tab's size hint, measured once
    std::vector<int> left_;        // tab edges in the unscrolled strip, count() + 1
    std::vector<int> shortcuts_;   // the tabs' mnemonic shortcut ids, 0 for none
    int height_ = 0;
    int current_ = -1;
    int pressed_ = -1;
    int scrollOffset_ = 0;
    bool layoutDirty_ = false;
    bool useScrollButtons_ = true;
    Qt::TextElideMode elideMode_ = Qt::ElideNone;
    QPoint wheelDelta_;
    QToolButton* leftButton_ = nullptr;
    QToolButton* rightButton_ = nullptr;
};

} // namespace orv
