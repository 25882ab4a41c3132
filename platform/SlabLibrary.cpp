#include "platform/SlabLibrary.h"

#include <QFileInfo>

#include "platform/MakerLibrary.h"

namespace orv {
namespace {

using ShowWub3Fn = unsigned char (*)(void* owner, int mode, double b, double* A, double* J, double* block,
                                     unsigned char* flag);
using StartValuesFn = void (*)(double* block);

const QString kBaseName = QStringLiteral("wub");

// Loads the library, resolves `name` and runs `call` with it; false when
// either is missing. The library is freed in every case.
template <typename Fn, typename Call>
bool WithExport(const char* name, Call call)
{
    MakerLibrary library(kBaseName);
    const auto fn = library.entry<Fn>(name);
    if (fn) call(fn);
    return fn != nullptr;
}

} // namespace

QString SlabLibraryFileName() { return QFileInfo(MakerLibraryFile(kBaseName)).fileName(); }

QString SlabLibraryPath() { return MakerLibraryFile(kBaseName); }

std::string SlabLibraryMissingDetails() { return MissingLibraryText(SlabLibraryPath()); }

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
