// The file and recent-file commands of the main window, over the open
// project's session: a new project, open (from the dialog, an example or
// the recent files), save and save as, and the question about unsaved
// changes. The window gives what they need of it through the view.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace orv {

class ProjectSession;

// "Dom" of "/a/Dom.clcm": the file name less its extension of four
// characters (".clcm" one more).
QString ExtractProjectName(const QString& fileName);
// An example project's file: beside the program (a build folder), else in
// the installed data folder (<prefix>/share/orvandel beside <prefix>/lib/orvandel).
QString ExampleProjectFile(const QString& programFolder, const QString& fileName);
// A recent-file caption: "&n name", names over 30 characters cut to 28 + "...".
QString RecentFileCaption(int n, const QString& fileName);

class TProjectFiles {
public:
    static constexpr int kMaxRecentFiles = 9;

    struct TView {
        // The edited field's check before a command acts; false stops it.
        std::function<bool()> storeFocusedField;
        // The project's name in the window's caption.
        std::function<void(const QString& shown)> showProjectName;
        // Recalculation on after another project came in.
        std::function<void()> recalculationOn;
        // A new project shows its data from the second page.
        std::function<void()> newProjectShown;
        std::function<void()> recentFilesChanged;
    };

    // Reads the recent files; `owner` is the dialogs' parent.
    TProjectFiles(ProjectSession& session, QWidget* owner, TView view, const QString& programFolder);

    // The program's folder, where the example projects are looked for first.
    QString programFolder() const { return programFolder_; }
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }
    // No project was opened yet.
    bool freshStart() const { return freshStart_; }
    QStringList recentFiles() const { return recentFiles_; }

    // The commands of TVelkor2 of the same names.
    bool OpenProject(const QString& fileName);
    void ToolButton5Click();
    void N1PrzykladClick(int example);
    void plik1Click(int n);
    void Nowy1Click();
    // The question about unsaved changes; false when the command must stop.
    bool askSaveChanges();
    bool Zapisz1Click();
    bool FileSaveAsClick();
    // The caption of a project named after a file, or of a new project.
    void SetProjectCaption(const QString& name);
    void showNewProjectCaption();

private:
    bool saveTo(const QString& fileName);
    // A save under a name given: the recent files and the caption follow.
    bool saveAsNamed(const QString& fileName);
    // The save dialog's proposal: the file's name, an untitled project's
    // name in the documents folder, or the project's title.
    QString proposedSaveName() const;
    // The folder a save dialog opens in: the remembered one, the user's
    // documents folder for the examples' folder (installed, read-only) or
    // one that cannot be written.
    QString saveFolder() const;
    bool runSaveDialog(QString& fileName);
    void addRecentFile(const QString& fileName);
    void loadRecentFiles();
    void saveRecentFiles() const;

    ProjectSession& session_;
    QWidget* owner_;
    TView view_;
    QString programFolder_;
    QStringList recentFiles_; // most recent first
    bool freshStart_ = true;
};

} // namespace orv
