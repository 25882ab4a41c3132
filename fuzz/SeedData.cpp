#include "fuzz/SeedData.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>

#include "core/ZunCalc.h"
#include "core/ZunStrings.h"

namespace orvfuzz {

using namespace orv;

void SeedInput(int caseNo, TCalcInput& in)
{
    std::memset(&in, 0, sizeof in);
    InitElementRecord(in);
    in.Case = static_cast<u8>(caseNo);
    switch (caseNo) {
    case ccWallVerticalHinged:
        in.Nod = 150;
        in.Nsld = 30;
        in.wd = -0.8;
        in.wd2 = 0.6;
        break;
    case ccWallVerticalContinuous:
        in.Nod = 200;
        in.l3 = in.l6 = 450;
        in.g3d = in.g6d = 10;
        in.p3d = in.p6d = 5;
        in.J3 = in.J6 = 28125;
        in.E2 = in.E5 = 3.8;
        in.wd = -0.5;
        break;
    case ccWallHorizontal:
        in.l = 500;
        in.h = 280;
        in.wd_kNm2 = 1.0;
        in.ZaprawaTyp = 1;
        in.SchematScianyTyp = 2;
        in.SchematPlytySciany = 3;
        in.ScianaZOtworami = 1;
        in.LiczbaOkien = 2;
        in.Okna[0] = {60, 90, 120, 150};
        in.Okna[1] = {300, 0, 100, 210};
        break;
    case ccConcentratedLoad:
        in.l = 500;
        in.LiczbaSilSkup = 3;
        in.Sily[0] = {120, 25, 25, 120, 0};
        in.Sily[1] = {60, 20, 25, 300, 120};
        in.Sily[2] = {40, 20, 25, 420, 250};
        break;
    case ccBasementWall:
        in.h = 250;
        in.t = 38;
        in.N0_mb = 50;
        in.he = 180;
        break;
    case ccColumn:
        in.t = 38;
        in.t2 = 51;
        in.Sily[0].NSd = 240;
        in.Msdx = 6;
        in.Msdy = 2.5;
        in.PodpSTyp_y = 1;
        in.spoina_podluzna = 1;
        break;
    default: break;
    }
}

void SeedLoads(TLoadCompilation& l)
{
    std::memset(&l, 0, sizeof l);
    InitLoadCompilation(l);
    l.StoreyCount = 3;
    l.CurrentStorey = 2;
    l.F_dach = 12.5;
    for (int s = 0; s < 3; ++s) {
        l.gL[s] = 4.2;
        l.pL[s] = 2.0;
        l.gP[s] = 4.2;
        l.pP[s] = 1.5;
        l.ro[s] = 18;
        StrToFixedText("Płyta żelbetowa 15 cm", l.gLText[s]);
        StrToFixedText("Użytkowe 2,0 kN/m²", l.pLText[s]);
    }
    l.Unit_h[1] = 1;
    l.Unit_t[2] = 2;
}

std::vector<std::string> SeedReportLines(bool results, int first, int last)
{
    TCalcInput in;
    SeedInput(ccWallVerticalHinged, in);
    TTraceLines trace;
    TCalcResults out;
    CalcElement(trace, in, out);
    auto sheet = std::make_unique<TReportSheet>();
    if (results)
        BuildResultsReport(1, 2, 3, in, out, *sheet);
    else
        BuildInputReport(1, 2, 3, in, out, *sheet);
    std::vector<std::string> lines;
    for (int k = first; k <= sheet->Count && k <= last; ++k) lines.push_back(sheet->Line(k).text());
    return lines;
}

std::filesystem::path SeedDir(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argc > 0 ? argv[0] : "seed");
        std::exit(2);
    }
    std::filesystem::path dir(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "cannot create %s\n", dir.string().c_str());
        std::exit(1);
    }
    return dir;
}

void WriteSeed(const std::filesystem::path& dir, const std::string& name, const std::string& bytes)
{
    std::ofstream f(dir / name, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    f.close();
    if (!f) {
        std::fprintf(stderr, "cannot write %s\n", (dir / name).string().c_str());
        std::exit(1);
    }
}

} // namespace orvfuzz
