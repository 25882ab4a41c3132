#include "dialogs/CatalogueFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/MessageService.h"
#include "core/MyUtils.h"

namespace orv {
namespace {

QString g_userFolder;
QString g_programFolder;

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// What the last read of a catalogue cut, and which state of which file was
// last told of, so that a file read again and again is told once.
struct TCutRead {
    bool cut = false;
    QString toldFile;
    qint64 toldSize = -1;
    QDateTime toldTime;
};
TCutRead g_masonryCut;
TCutRead g_steelCut;

const char* const CutHeadline = "Katalog wczytany częściowo";

void noteRead(TCutRead& state, const QString& path, const std::string& notice)
{
    state.cut = !notice.empty();
    if (!state.cut) return;
    const QFileInfo info(path);
    if (state.toldFile == path && state.toldSize == info.size() && state.toldTime == info.lastModified()) return;
    state.toldFile = path;
    state.toldSize = info.size();
    state.toldTime = info.lastModified();
    ShowMessageDialog(CutHeadline, notice, mdWarning, mbOK);
}

// Whether the rows may go to the file: always, unless the catalogue was cut
// on reading and the user says No.
bool mayWrite(TCutRead& state, const std::string& fileName)
{
    if (!state.cut) return true;
    const std::string text = "Katalog został przy odczycie wczytany tylko częściowo. Zapisanie go w pliku " +
                             ExtractFileName(fileName) +
                             " usunie z niego pozycje, których program nie wczytał.\n\nCzy mimo to zapisać katalog?";
    return ShowMessageDialog(CutHeadline, text, mdWarning, mbYes | mbNo) == mrYes;
}

template <typename Save>
TFileResult saveAfterAsking(TCutRead& state, const std::string& fileName, Save save)
{
    if (!mayWrite(state, fileName)) return TFileResult{TFileStatus::Declined, {}, {}, {}};
    TFileResult r = save();
    if (r.ok()) state.cut = false;
    return r;
}

} // namespace

void SetCatalogueFolders(const QString& userFolder, const QString& programFolder)
{
    g_userFolder = userFolder;
    g_programFolder = programFolder;
}

QString UserCatalogueFolder()
{
    if (!g_userFolder.isEmpty()) return g_userFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString ProgramCatalogueFolder()
{
    if (!g_programFolder.isEmpty()) return g_programFolder;
    return QCoreApplication::applicationDirPath();
}

QString CatalogueReadPath(const char* fileName)
{
    const QString name = QString::fromLatin1(fileName);
    const QString user = QDir(UserCatalogueFolder()).filePath(name);
    if (QFileInfo(user).isFile()) return user;
    return QDir(ProgramCatalogueFolder()).filePath(name);
}

QString CatalogueWritePath(const char* fileName)
{
    const QString folder = UserCatalogueFolder();
    // A folder that cannot be made shows as a failed write.
    QDir().mkpath(folder);
    return QDir(folder).filePath(QString::fromLatin1(fileName));
}

TMasonryCatalogue LoadMasonryCatalogue()
{
    TMasonryCatalogue catalogue;
    const QString path = CatalogueReadPath(MasonryCatalogueFileName);
    catalogue.Initialize(LocalPath(path));
    noteRead(g_masonryCut, path, catalogue.CutNotice());
    return catalogue;
}

void LoadSteelCatalogue(TSteelCatalogue& catalogue)
{
    const QString path = CatalogueReadPath(SteelCatalogueFileName);
    catalogue.Initialize(LocalPath(path));
    noteRead(g_steelCut, path, catalogue.CutNotice());
}

TFileResult SaveMasonryCatalogueFile(const std::string& fileName, const std::vector<TMasonryUnitRow>& rows)
{
    return saveAfterAsking(g_masonryCut, fileName, [&] { return SaveMasonryCatalogue(fileName, rows); });
}

TFileResult SaveSteelCatalogueFile(const std::string& fileName, const std::vector<TSteelRow>& rows)
{
    return saveAfterAsking(g_steelCut, fileName, [&] { return SaveSteelCatalogue(fileName, rows); });
}

} // namespace orv
