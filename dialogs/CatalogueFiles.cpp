#include "dialogs/CatalogueFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace orv {
namespace {

QString g_userFolder;
QString g_programFolder;

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

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
    catalogue.Initialize(LocalPath(CatalogueReadPath(MasonryCatalogueFileName)));
    return catalogue;
}

void LoadSteelCatalogue(TSteelCatalogue& catalogue)
{
    catalogue.Initialize(LocalPath(CatalogueReadPath(SteelCatalogueFileName)));
}

} // namespace orv
