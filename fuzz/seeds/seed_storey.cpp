// Seeds of the storey-file reader, written by the storey-file writer: the
// default compilation and one of three loaded storeys.
#include <cstring>

#include "core/ZunFiles.h"
#include "fuzz/SeedData.h"

using namespace orv;
using namespace orvfuzz;

int main(int argc, char** argv)
{
    const std::filesystem::path dir = SeedDir(argc, argv);
    TLoadCompilation l;
    std::memset(&l, 0, sizeof l);
    InitLoadCompilation(l);
    if (!WriteStoreyFile((dir / "default.kond").string(), l)) return 1;
    SeedLoads(l);
    if (!WriteStoreyFile((dir / "three_storeys.kond").string(), l)) return 1;
    return 0;
}
