#include "platform/MakerLibrary.h"

#include <QCoreApplication>
#include <QDir>

#ifndef ORV_LIBRARY_PREFIX
#define ORV_LIBRARY_PREFIX "lib"
#endif
#ifndef ORV_LIBRARY_SUFFIX
#define ORV_LIBRARY_SUFFIX ".so"
#endif

namespace orv {
namespace {

QString& FolderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

QString MakerLibraryFolder()
{
    if (!FolderOverride().isEmpty()) return FolderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetMakerLibraryFolder(const QString& folder) { FolderOverride() = folder; }

QString MakerLibraryFileIn(const QString& folder, const QString& baseName)
{
    return QDir(folder).absoluteFilePath(QStringLiteral(ORV_LIBRARY_PREFIX) + baseName +
                                         QStringLiteral(ORV_LIBRARY_SUFFIX));
}

QString MakerLibraryFile(const QString& baseName) { return MakerLibraryFileIn(MakerLibraryFolder(), baseName); }

std::string MissingLibraryText(const QString& fileName)
{
    return "Nie znaleziono biblioteki " + fileName.toStdString() +
           ". \rProszę skontaktować się z dystrybutorem programu!";
}

MakerLibrary::MakerLibrary(const QString& baseName) : MakerLibrary(baseName, QString()) {}

MakerLibrary::MakerLibrary(const QString& baseName, const QString& folder)
    : file_(folder.isEmpty() ? MakerLibraryFile(baseName) : MakerLibraryFileIn(folder, baseName))
{
    // The exact file: no search path, no other name tried.
    library_.setFileName(file_);
    loaded_ = library_.load();
}

MakerLibrary::~MakerLibrary()
{
    if (loaded_) library_.unload();
}

QFunctionPointer MakerLibrary::resolve(const char* symbol)
{
    return loaded_ ? library_.resolve(symbol) : nullptr;
}

} // namespace orv
