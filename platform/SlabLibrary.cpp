#include "platform/SlabLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace orv {
namespace {

using ShowWub3Fn = unsigned char (*)(void* owner, int mode, double b, double* A, double* J, double* block,
                                     unsigned char* flag);
using StartValuesFn = void (*)(double* block);

QString& FolderSetting()
{
    static QString folder;
    return folder;
}

// Loads the library, resolves `name` and runs `call` with it; false when
// either is missing. The library is freed in every case.
template <typename Fn, typename Call>
bool WithExport(const char* name, Call call)
{
    QLibrary library(SlabLibraryPath());
    if (!library.load()) return false;
    auto fn = reinterpret_cast<Fn>(library.resolve(name));
    if (fn) call(fn);
    library.unload();
    return fn != nullptr;
}

} // namespace

QString SlabLibraryFileName()
{
    // As the build names its module.
#if defined(Q_OS_WIN)
    return QStringLiteral("libwub.dll");
#else
    return QStringLiteral("libwub.so");
#endif
}

QString SlabLibraryFolder()
{
    const QString& folder = FolderSetting();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void SetSlabLibraryFolder(const QString& folder) { FolderSetting() = folder; }

QString SlabLibraryPath() { return QDir(SlabLibraryFolder()).filePath(SlabLibraryFileName()); }

std::string SlabLibraryMissingDetails()
{
    return "Nie znaleziono biblioteki " + QDir::toNativeSeparators(SlabLibraryPath()).toStdString() +
           "\rProszę skontaktować się z dystrybutorem programu!";
}

TSlabLibraryResult ShowSlabLibraryDialog(void* owner, TSlabLibraryCall& call)
{
    unsigned char confirmed = 0;
    const bool found = WithExport<ShowWub3Fn>("ShowWub3", [&](ShowWub3Fn fn) {
        confirmed = fn(owner, 1, call.b, &call.A, &call.J, call.block.data(), &call.flag);
    });
    if (!found) return TSlabLibraryResult::Missing;
    return confirmed ? TSlabLibraryResult::Confirmed : TSlabLibraryResult::Cancelled;
}

bool SlabLibraryStartValues(std::array<double, 20>& block)
{
    std::array<double, 20> values = block;
    const bool found = WithExport<StartValuesFn>("GetStartValuesOfData", [&](StartValuesFn fn) { fn(values.data()); });
    if (found) block = values;
    return found;
}

ProjectSession::SlabStartHook SlabStartValuesHook()
{
    return [](std::array<double, 20>& block) { return SlabLibraryStartValues(block); };
}

} // namespace orv
