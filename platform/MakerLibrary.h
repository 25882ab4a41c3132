// The maker's companion libraries: small shared libraries of our own that
// lie beside the program. Each call loads its library by file name, looks
// the entry point up and frees the library again when the call is done.
#pragma once

#include <QFunctionPointer>
#include <QLibrary>
#include <QString>

#include <functional>
#include <string>

namespace orv {

// The folder the libraries are looked for in: the program's folder unless
// another was set. An empty folder restores the program's.
QString MakerLibraryFolder();
void SetMakerLibraryFolder(const QString& folder);
// The file a library is looked for as: "<folder>/lib<base>.so" on Linux.
QString MakerLibraryFile(const QString& baseName);
// The same in another folder.
QString MakerLibraryFileIn(const QString& folder, const QString& baseName);

// The details of the message of a library or entry point that is missing:
// "Nie znaleziono biblioteki <file>. \rProszę skontaktować się z
// dystrybutorem programu!" (\r a carriage return).
std::string MissingLibraryText(const QString& fileName);
// The warning of a library or entry point that is missing: "Nie można
// uruchomić tej funkcji!" with those details, button OK.
void ShowLibraryNotFound(const QString& fileName);

// One library, loaded for the lifetime of the object and freed with it.
class MakerLibrary {
public:
    explicit MakerLibrary(const QString& baseName);
    // The same from another folder (an empty one: the usual folder).
    MakerLibrary(const QString& baseName, const QString& folder);
    ~MakerLibrary();
    MakerLibrary(const MakerLibrary&) = delete;
    MakerLibrary& operator=(const MakerLibrary&) = delete;

    bool isLoaded() const { return loaded_; }
    const QString& fileName() const { return file_; }
    // The entry point, nullptr when the library or the entry is missing.
    QFunctionPointer resolve(const char* symbol);
    template <typename Fn>
    Fn entry(const char* symbol)
    {
        return reinterpret_cast<Fn>(resolve(symbol));
    }

private:
    QString file_;
    QLibrary library_;
    bool loaded_ = false;
};

// A library that keeps its own copy of the core: for one call it is handed
// the program's settings store and message box through its attach entry
// (void (ISettingsStore*, IMessageService*)) and detached after. A missing
// library or entry gives "Nie można uruchomić tej funkcji!" and false.
bool CallAttached(const QString& baseName, const char* attachEntry, const char* entryName,
                  const std::function<bool(QFunctionPointer entry)>& call);

template <typename Fn, typename Call>
bool CallAttachedEntry(const QString& baseName, const char* attachEntry, const char* entryName, Call&& call)
{
    return CallAttached(baseName, attachEntry, entryName,
                        [&](QFunctionPointer entry) { return call(reinterpret_cast<Fn>(entry)); });
}

} // namespace orv
