// The open and save dialogs of project and storey files, and the element
// tab bar with its double click. A test binds a responder in place of the
// modal dialog, so that commands which ask for a file can be scripted.
#pragma once

#include <QString>
#include <QStringList>
#include <QTabBar>

#include <functional>

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

// The tab bar of the elements: tabs not stretched, taking no focus; a
// double click raises doubleClicked once.
class TElementTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit TElementTabBar(QWidget* parent = nullptr);

    // One tab a text, in order, and the tab at `current` selected, laid out
    // once for all of them: the tabs there are reused, the rest added or
    // removed. Signals go out as for the single changes.
    void setTabs(const QStringList& texts, int current);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    // While setTabs fills the bar the tabs are not measured (every added tab
    // lays all of them out again); shown again they are, once.
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;

private:
    bool filling_ = false;
};

} // namespace orv
