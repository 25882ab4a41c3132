// Seeds of the scheme target: the calculation input of an element of every
// design case followed by a load compilation, as the records hold them,
// and the picture size (two bytes: 480 x 360, then a small one).
#include <string>

#include "fuzz/SeedData.h"

using namespace orv;
using namespace orvfuzz;

int main(int argc, char** argv)
{
    const std::filesystem::path dir = SeedDir(argc, argv);
    TCalcInput in;
    TLoadCompilation l;
    SeedLoads(l);
    const std::string loads(reinterpret_cast<const char*>(&l), sizeof l);
    for (int c = 0; c < CalcCaseCount; ++c) {
        SeedInput(c, in);
        const std::string input(reinterpret_cast<const char*>(&in), sizeof in);
        WriteSeed(dir, "case" + std::to_string(c), input + loads + "\x74\x74");
        WriteSeed(dir, "case" + std::to_string(c) + "_small", input + loads + "\x04\x02");
    }
    return 0;
}
