#include "mainwindow/ProjectFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "components/MOpenDialog.h"
#include "core/CommonParamsUnit.h"
#include "core/MessageService.h"
#include "core/ProjectSession.h"
#include "core/SettingsStore.h"
#include "dialogs/CatalogueFiles.h"

namespace orv {
namespace {

const char* const kRecentFiles = "RecentFiles";
const QString kNewProject = QStringLiteral("Nowy Projekt");
const QString kFilter = QStringLiteral("Pliki programu Orvandel (*.clcm)");

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string S(const QString& s) { return s.toStdString(); }

// The folder a save of a new project is proposed in: the user's documents
// folder, or the home folder while there is none.
QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool HasProjectExtension(const QString& fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("clcm"), Qt::CaseInsensitive) == 0;
}

// A dialog of project files.
void SetUpProjectDialog(TMOpenDialog& dialog, const QString& title)
{
    dialog.title = title;
    dialog.filter = kFilter;
    dialog.defaultExt = QStringLiteral("clcm");
}

void ShowFileResult(const TFileResult& r)
{
    if (!r.ok() && r.status != TFileStatus::Declined) ShowMessageDialog(r.headline, r.message, mdError, mbOK);
}

} // namespace

QString ExtractProjectName(const QString& fileName)
{
    QString name = QFileInfo(fileName).fileName();
    name.chop(4);
    if (HasProjectExtension(fileName)) name.chop(1);
    return name;
}

QString ExampleProjectFile(const QString& programFolder, const QString& fileName)
{
    const QString beside = QDir(programFolder).filePath(fileName);
    if (QFileInfo::exists(beside)) return beside;
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(ORV_DATA_FROM_PROGRAM "/") + fileName));
}

QString RecentFileCaption(int n, const QString& fileName)
{
    QString name = ExtractProjectName(fileName);
    if (name.size() > 30) name = name.left(28) + QStringLiteral("...");
    return QStringLiteral("&%1 %2").arg(n).arg(name);
}

// --- the commands ---------------------------------------------------------------

TProjectFiles::TProjectFiles(ProjectSession& session, QWidget* owner, TView view, const QString& programFolder)
    : session_(session), owner_(owner), view_(std::move(view)), programFolder_(programFolder)
{
    loadRecentFiles();
}

void TProjectFiles::showNewProjectCaption()
{
    SetProjectCaption(kNewProject);
}

void TProjectFiles::SetProjectCaption(const QString& name)
{
    view_.showProjectName(name == kNewProject ? name : ExtractProjectName(name));
}

bool TProjectFiles::runSaveDialog(QString& fileName)
{
    TMSaveDialog dialog;
    SetUpProjectDialog(dialog, QStringLiteral("Zapisz projekt"));
    // A name proposed with its folder opens the dialog there.
    dialog.initialDir = QFileInfo(fileName).isAbsolute() ? QFileInfo(fileName).absolutePath() : saveFolder();
    dialog.fileName = fileName;
    if (!dialog.Execute(owner_)) return false;
    fileName = dialog.fileName;
    // A name given another extension gets ".clcm" added; replacing a file of
    // that name is asked for, as the dialog asks for its own names.
    if (!HasProjectExtension(fileName)) {
        fileName += QStringLiteral(".clcm");
        if (QFileInfo::exists(fileName) &&
            ShowMessageDialog("Plik już istnieje.", "Zastąpić plik " + S(fileName) + " ?", mdConfirmation,
                              mbYes | mbNo) != mrYes)
            return false;
    }
    return true;
}

QString TProjectFiles::saveFolder() const
{
    std::string dir;
    ReadLastUsedDirectory(S(programFolder_), dir);
    const QFileInfo remembered(Q(dir));
    const QFileInfo examples(QFileInfo(ExampleProjectFile(programFolder_, QStringLiteral("Przykład 1.clcm"))).absolutePath());
    const bool inExamples = examples.exists() && remembered.canonicalFilePath() == examples.canonicalFilePath();
    return remembered.isDir() && remembered.isWritable() && !inExamples ? Q(dir) : DocumentsFolder();
}

QString TProjectFiles::proposedSaveName() const
{
    if (!session_.fileName().empty()) return QFileInfo(Q(session_.fileName())).fileName();
    if (!session_.untitledName().empty()) return QDir(DocumentsFolder()).filePath(Q(session_.untitledName()));
    return Q(session_.header().Title.str());
}

bool TProjectFiles::saveTo(const QString& fileName)
{
    const TFileResult r = session_.save(S(fileName));
    ShowFileResult(r);
    return r.ok();
}

bool TProjectFiles::saveAsNamed(const QString& fileName)
{
    if (!saveTo(fileName)) return false;
    addRecentFile(fileName);
    SetProjectCaption(fileName);
    return true;
}

bool TProjectFiles::askSaveChanges()
{
    if (!session_.modified()) return true;
    const int answer = AskSaveProject(session_.fileName().empty() ? session_.untitledName()
                                                                  : S(ExtractProjectName(Q(session_.fileName()))));
    if (answer == mrCancel) return false;
    if (answer == mrNo) return true;
    // Yes: a failed or cancelled save stops the command, the changes kept.
    QString name = Q(session_.fileName());
    if (name.isEmpty()) {
        name = proposedSaveName();
        if (!runSaveDialog(name)) return false;
    }
    return saveAsNamed(name);
}

void TProjectFiles::Nowy1Click()
{
    if (!view_.storeFocusedField() || !askSaveChanges()) return;
    session_.newProject();
    session_.setModified(false);
    SetProjectCaption(kNewProject);
    view_.recalculationOn();
    view_.newProjectShown();
}

void TProjectFiles::ToolButton5Click()
{
    if (!view_.storeFocusedField()) return;
    TMOpenDialog dialog;
    SetUpProjectDialog(dialog, QStringLiteral("Otwórz projekt"));
    std::string dir;
    PrepareOpenDialogDir(S(programFolder_), dir);
    dialog.initialDir = Q(dir);
    // The reader checks the file's version text, so a project kept under
    // another extension opens too, and any other file is refused with a message.
    if (dialog.Execute(owner_)) OpenProject(dialog.fileName);
}

bool TProjectFiles::OpenProject(const QString& fileName)
{
    freshStart_ = false;
    if (!view_.storeFocusedField() || !askSaveChanges()) return false;
    const TFileResult r = session_.open(S(fileName));
    if (!r.ok()) {
        ShowFileResult(r);
        return false;
    }
    RememberDirectory(S(QFileInfo(fileName).absolutePath()));
    SetProjectCaption(fileName);
    addRecentFile(fileName);
    view_.recalculationOn();
    return true;
}

void TProjectFiles::N1PrzykladClick(int example)
{
    const QString name = example == 2 ? QStringLiteral("Przykład 2") : QStringLiteral("Przykład 1");
    const QString path = ExampleProjectFile(programFolder_, name + QStringLiteral(".clcm"));
    if (!QFileInfo::exists(path)) {
        ShowMessageDialog("Brak pliku.", S(path), mdError, mbOK);
        return;
    }
    // The shipped file stays as it is: the example becomes a new project
    // under its name, saved only under a name the user gives.
    freshStart_ = false;
    if (!view_.storeFocusedField() || !askSaveChanges()) return;
    const TFileResult r = session_.openAsUntitled(S(path), S(name));
    if (!r.ok()) {
        ShowFileResult(r);
        return;
    }
    view_.showProjectName(name);
    view_.recalculationOn();
}

void TProjectFiles::plik1Click(int n)
{
    if (n < 1 || n > recentFiles_.size()) return;
    const QString entry = recentFiles_.at(n - 1);
    if (QFileInfo::exists(entry)) {
        OpenProject(entry);
        return;
    }
    ShowMessageDialog("Brak pliku.", S(entry), mdError, mbOK);
    recentFiles_.removeAt(n - 1);
    saveRecentFiles();
    view_.recentFilesChanged();
}

bool TProjectFiles::Zapisz1Click()
{
    if (!view_.storeFocusedField()) return false;
    if (session_.fileName().empty()) return FileSaveAsClick();
    return saveTo(Q(session_.fileName()));
}

bool TProjectFiles::FileSaveAsClick()
{
    if (!view_.storeFocusedField()) return false;
    QString name = proposedSaveName();
    return runSaveDialog(name) && saveAsNamed(name);
}

// --- recent files -----------------------------------------------------------------------

void TProjectFiles::loadRecentFiles()
{
    recentFiles_.clear();
    for (int n = 1; n <= kMaxRecentFiles; ++n) {
        const auto v = Settings().readString(SettingsKey::Program, kRecentFiles, "File" + std::to_string(n));
        if (v && !v->empty()) recentFiles_ << Q(*v);
    }
}

void TProjectFiles::saveRecentFiles() const
{
    for (int n = 1; n <= kMaxRecentFiles; ++n)
        Settings().writeString(SettingsKey::Program, kRecentFiles, "File" + std::to_string(n),
                               n <= recentFiles_.size() ? S(recentFiles_.at(n - 1)) : std::string());
}

void TProjectFiles::addRecentFile(const QString& fileName)
{
    const QString full = QFileInfo(fileName).absoluteFilePath();
    recentFiles_.removeAll(full);
    recentFiles_.prepend(full);
    while (recentFiles_.size() > kMaxRecentFiles) recentFiles_.removeLast();
    saveRecentFiles();
    view_.recentFilesChanged();
}

} // namespace orv
