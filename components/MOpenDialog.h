// The open and save dialogs of project and storey files. A test binds a
// responder in place of the modal dialog, so that commands which ask for a
// file can be scripted.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

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

} // namespace orv
