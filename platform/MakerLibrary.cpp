#include "platform/MakerLibrary.h"

#include "core/SettingsStore.h"

#include "core/MessageService.h"

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

void ShowLibraryNotFound(const QString& fileName)
{
    ShowMessageDialog("Nie można uruchomić tej funkcji!", MissingLibraryText(fileName), mdWarning, mbOK, 0);
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

namespace {

// The library's message boxes go to whatever message box the program has bound.
class HostMessages : public IMessageService {
public:
    int showMessageDialog(const std::string& headline, const std::string& text,
                          unsigned char dlgType, unsigned buttons, int helpContext) override
    {
        return ShowMessageDialog(headline, text, dlgType, buttons, helpContext);
    }
    int messageDlg3(const std::string& msg, unsigned char dlgType, unsigned buttons,
                    int helpContext) override
    {
        return MessageDlg3(msg, dlgType, buttons, helpContext);
    }
    bool isWindowsVistaOrLater() const override { return IsWindowsVistaOrLater(); }
};

using AttachHostFn = void (*)(ISettingsStore* settings, IMessageService* messages);

} // namespace

bool CallAttached(const QString& baseName, const char* attachEntry, const char* entryName,
                  const std::function<bool(QFunctionPointer entry)>& call)
{
    MakerLibrary library(baseName);
    const auto attach = library.entry<AttachHostFn>(attachEntry);
    const QFunctionPointer fn = library.resolve(entryName);
    if (!attach || !fn) {
        ShowLibraryNotFound(library.fileName());
        return false;
    }
    HostMessages messages;
    attach(&Settings(), &messages);
    const bool result = call(fn);
    attach(nullptr, nullptr);
    return result;
}

} // namespace orv
