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

QString MakerLibraryFile(const QString& baseName)
{
    return QDir(MakerLibraryFolder()).filePath(QStringLiteral(ORV_LIBRARY_PREFIX) + baseName +
                                               QStringLiteral(ORV_LIBRARY_SUFFIX));
}

std::string MissingLibraryText(const QString& fileName)
{
    return "Nie znaleziono biblioteki " + fileName.toStdString() +
           ". \rProszę skontaktować się z dystrybutorem programu!";
}

MakerLibrary::MakerLibrary(const QString& baseName) : file_(MakerLibraryFile(baseName))
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
