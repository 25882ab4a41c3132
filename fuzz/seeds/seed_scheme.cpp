// Seeds of the scheme target: the calculation input of an element of every
// design case followed by a load compilation, as the records hold them,
// and the picture size (two bytes: 480 x 360, then a small one); then the
// same elements with one dimension huge, tiny, zero or negative, and load
// compilations with such storeys.
#include <cstddef>
#include <cstring>
#include <string>

#include "fuzz/SeedData.h"

using namespace orv;
using namespace orvfuzz;

namespace {

template <typename Record>
std::string Bytes(const Record& r)
{
    return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}

struct Dimension {
    const char* name;
    std::size_t offset;  // of an f64 in TCalcInput
    int calcCase;        // the case whose scheme draws it; -1: every case
};

const Dimension kDimensions[] = {
    {"t", offsetof(TCalcInput, t), -1},
    {"h", offsetof(TCalcInput, h), -1},
    {"l", offsetof(TCalcInput, l), -1},
    {"t2", offsetof(TCalcInput, t2), ccColumn},
    {"aL", offsetof(TCalcInput, Sily) + offsetof(TConcentratedLoad, aL), ccConcentratedLoad},
    {"a1", offsetof(TCalcInput, Sily) + offsetof(TConcentratedLoad, a1), ccConcentratedLoad},
    {"hN", offsetof(TCalcInput, Sily) + offsetof(TConcentratedLoad, hN), ccConcentratedLoad},
    {"okno_l", offsetof(TCalcInput, Okna) + offsetof(TOpening, l), ccWallHorizontal},
    {"okno_x", offsetof(TCalcInput, Okna) + offsetof(TOpening, x), ccWallHorizontal},
};

const struct {
    const char* name;
    double value;
} kExtremes[] = {{"1e9", 1e9}, {"1e6", 1e6}, {"1e-9", 1e-9}, {"0", 0.0}, {"-1e9", -1e9}};

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path dir = SeedDir(argc, argv);
    TCalcInput in;
    TLoadCompilation l;
    SeedLoads(l);
    const std::string loads = Bytes(l);
    for (int c = 0; c < CalcCaseCount; ++c) {
        SeedInput(c, in);
        const std::string input = Bytes(in);
        WriteSeed(dir, "case" + std::to_string(c), input + loads + "\x74\x74");
        WriteSeed(dir, "case" + std::to_string(c) + "_small", input + loads + "\x04\x02");
        for (const Dimension& d : kDimensions)
            for (const auto& v : kExtremes) {
                if (d.calcCase >= 0 && d.calcCase != c) continue;
                SeedInput(c, in);
                std::memcpy(reinterpret_cast<char*>(&in) + d.offset, &v.value, sizeof v.value);
                WriteSeed(dir, "case" + std::to_string(c) + "_" + d.name + "_" + v.name, Bytes(in) + loads + "\x74\x74");
            }
    }
    // storeys of every height and thickness at the extremes, in both variants
    for (const auto& v : kExtremes)
        for (int basement = 0; basement < 2; ++basement) {
            SeedInput(basement ? ccBasementWall : ccWallVerticalHinged, in);
            SeedLoads(l);
            for (int e : {0, 1, 2, MaxStoreys - 1}) l.h[e] = l.t[e] = l.lo_L[e] = l.lo_P[e] = v.value;
            WriteSeed(dir, std::string("loads_") + (basement ? "basement_" : "wall_") + v.name,
                      Bytes(in) + Bytes(l) + "\x74\x74");
        }
    return 0;
}
