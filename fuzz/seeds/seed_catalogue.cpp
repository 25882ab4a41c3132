// Seeds of the catalogue target (first byte: the separator, then the file):
// catalogues of masonry units and steel grades as the writers save them and
// with the awkward values a user's file may hold, and files at the limits:
// exactly as many rows as a catalogue keeps, alone and followed by a blank
// line or a bad row, and one row more. (A file at the byte limit would make
// every input of the run as long; the unit tests hold that edge.)
#include <string>
#include <vector>

#include "core/Cp1250.h"
#include "core/MasonryCatalogue.h"
#include "core/MyUtils.h"
#include "core/ZELBET_PN99.h"
#include "fuzz/SeedData.h"

using namespace orv;
using namespace orvfuzz;

namespace {

const std::string Comma(1, '\0');
const std::string Point(1, '\1');

std::string MasonryRows(int count)
{
    std::string text = Utf8ToCp1250(MasonryCatalogueHeader) + "\r\n";
    for (int i = 0; i < count; ++i) text += "Element " + std::to_string(i) + "\t0\t0\t10,0\t0\t18,0\r\n";
    return text;
}

std::string SteelRows(int count)
{
    std::string text = std::string(SteelCatalogueHeader) + "\r\n";
    for (int k = 0; k < count; ++k) text += "A-III\tU" + std::to_string(k) + "\t400\t350\t500\r\n";
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path dir = SeedDir(argc, argv);
    int n = 0;
    auto seed = [&](const std::string& bytes) { WriteSeed(dir, "catalogue" + std::to_string(n++), bytes); };

    // As saved: the built-in rows and a few of the user's.
    SetDecimalSeparator(',');
    std::vector<TMasonryUnitRow> units(std::begin(DefaultMasonryUnits), std::end(DefaultMasonryUnits));
    units.push_back({"Pustak Żółty 25 – kl.12,5", 0, 2, 12.5, 1, 11.5});
    units.push_back({"f_b 0,04", 3, 1, 0.04, 0, 13.25});
    seed(Comma + MasonryCatalogueText(units));
    std::vector<TSteelRow> grades(std::begin(BuiltInSteelRows), std::end(BuiltInSteelRows));
    InsertSteelRow(grades, {"A-IIIN", "B500SP", "500", "435", "575"});
    InsertSteelRow(grades, {"A-I", "StżX", "240,5", "210.25", "3,2e2"});
    seed(Comma + SteelCatalogueText(grades));

    // Values a file may hold that one decimal does not keep, and the limits.
    seed(Point + Utf8ToCp1250("Nazwa\n"
                              "f_b 12,34\t0\t1\t12.34\t0\t13,333\n"
                              "f_b 1e-7\t1\t0\t1e-7\t0\t0,30000000000000004\n"
                              "Na granicach\t2\t3\t1000\t1\t30\n"
                              "Tuż pod granicami\t3\t1\t999,99999999999989\t1\t29.999999999999996\n"
                              "Najmniejsze\t4\t0\t4.9406564584124654e-324\t0\t-0\n"
                              "Wykładnik\t5\t1\t1,5E-300\t0\t 1e-5 \n"
                              "Za duże\t0\t0\t1234567.891\t0\t18\n"));
    seed(Comma + "Klasa\r\nA-I\tGranice\t100\t700\t699,99999999999989\r\nA-II\tUlamki\t412,34\t350.04\t"
                 "1234567.891e-4\r\nA-III\tWykladnik\t4e2\t 3,5E2 \t500,0000001\r\n");

    // As many rows as a catalogue keeps, alone, then a blank line, a bad row,
    // one row more.
    seed(Comma + MasonryRows(MaxUserMasonryUnits));
    seed(Comma + MasonryRows(MaxUserMasonryUnits) + "\r\n");
    seed(Comma + MasonryRows(MaxUserMasonryUnits) + "Zły\t0\t0\t0,0\t0\t18,0\r\n");
    seed(Comma + MasonryRows(MaxUserMasonryUnits + 1));
    seed(Point + SteelRows(MaxUserSteelRows));
    seed(Point + SteelRows(MaxUserSteelRows) + "\r\n");
    seed(Point + SteelRows(MaxUserSteelRows) + "A-III\tZly\t40\t350\t500\r\n");
    seed(Point + SteelRows(MaxUserSteelRows + 1));
    return 0;
}
