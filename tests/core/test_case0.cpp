#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "core/MyUtils.h"
#include "tests/core/support/CalcSupport.h"
#include "core/ZunCalc.h"
#include "core/ZunRtf.h"

using namespace orv;

namespace {

// Default element (25 x 100 cm, h 300 cm, ceramic g1, f_b 10, M5, gamma_m 2.2,
// external wall) with N_0d 150 kN and N_sl,d 30 kN.
// A f_d = 0.25 x 3.65514/(2.2 x 1.125) x 1000 = 369.206 kN.
std::unique_ptr<TCalcInput> LoadedWall()
{
    return orvtest::LoadedDefaultWall();
}

constexpr double Capacity = 369.2056;

using orvtest::CaseRun;
constexpr orvtest::CaseCalc<CalcWallVerticalHinged> Calc;

} // namespace

TEST(WallHinged, DefaultElementResults)
{
    auto in = LoadedWall();
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    const TCalcResults& r = run.r;
    EXPECT_NEAR(r.A, 0.25, 1e-12);
    EXPECT_NEAR(r.f_d / 1e6, 1.476823, 1e-6);
    EXPECT_DOUBLE_EQ(r.h_eff, 3.0);
    EXPECT_EQ(r.SlendernessLimit, 25);
    EXPECT_DOUBLE_EQ(r.e_a, 0.01);
    // N_1d = 180; M_1d = 0.01 x 150 + (0.333 x 0.25 + 0.01) x 30 = 4.2975; e_1 = 0.023875;
    // Phi_1 = 1 - 2 x 0.023875/0.25 = 0.809; N_1Rd = 0.809 x 369.206 = 298.687
    EXPECT_DOUBLE_EQ(r.N_1d, 180);
    EXPECT_NEAR(r.Phi_1, 0.809, 1e-12);
    EXPECT_NEAR(r.N_1Rd, 298.687, 1e-3);
    // G_s = 3 x 1 x 0.25 x 18 x 1.1 = 14.85; N_2d = 194.85; e_2 = e_a; Phi_2 = 0.92 -> 339.669
    EXPECT_NEAR(r.N_2d, 194.85, 1e-9);
    EXPECT_NEAR(r.Phi_2, 0.92, 1e-12);
    EXPECT_NEAR(r.N_2Rd, 339.669, 1e-3);
    // N_md = 187.425; M_m = 0.6 x 4.2975 + 0.4 x 1.9485 = 3.3579; e_m = 0.017916;
    // Phi_m = 0.71138 -> N_mRd = 262.644
    EXPECT_NEAR(r.N_md, 187.425, 1e-9);
    EXPECT_NEAR(r.Phi_m, 0.711376, 1e-6);
    EXPECT_NEAR(r.N_mRd, 262.644, 1e-3);
    // case 0 writes no section eccentricities
    EXPECT_EQ(r.e_1, 0);
    EXPECT_EQ(r.e_m, 0);
}

TEST(WallHinged, TraceWordForWord)
{
    SetDecimalSeparator(',');
    auto in = LoadedWall();
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    const TTraceLines expected = orvtest::JoinedLines({
        {"ŚCIANA OBCIĄŻONA PIONOWO (model przegubowy):", ""},
        orvtest::DefaultStrengthSection(),
        {""},
        orvtest::DefaultEffectiveHeightLines(),
        {
            "",
            "Przyjęto mimośród ea = 1,0 cm",
            "Przyjęto ciężar ściany G_s =14,85 kN",
            "Siła w przekroju 1-1 N_1d = 180,00 kN",
            "Moment w przekroju 1-1 M_1d = 4,30 kNm",
            "Mimośród e_1 = 2,4 cm",
            "Współczynnik redukcyjny nośności FI_1 = 0,809",
            "Nośność pod stropem N_1R,d = 298,687 kN",
            "Siła w przekroju 2-2 N_2d = 194,85 kN",
            "Moment w przekroju 2-2 M_2d = 1,95 kNm",
            "Mimośród e_2 = 1,0 cm",
            "Współczynnik redukcyjny nośności FI_2 = 0,920",
            "Nośność nad stropem N_2R,d = 339,669 kN",
            "Określenie cechy sprężystości muru pod obciążeniem długotrwałym",
            "  - cecha sprężystości muru  alfa_c = 1000,0",
            "  - eta_E = 0,3",
            "  - fi_nieskoczność = 1,5",
            "  -> alfa_c,nieskoczność = 689,7",
            "Moment w przekroju m-m M_md = 3,36 kNm",
            "Mimośród w strefie środkowej e_m = 1,8 cm",
            "Współczynnik redukcyjny nośności FI_m = 0,711",
            "Nośność w strefie środkowej N_mR,d = 262,644 kN",
            "Mimośród w strefie środkowej e_m = 1,8 cm",
            "Współczynnik redukcyjny nośności FI_m = 0,711",
            "Nośność w strefie środkowej N_mR,d = 262,644 kN",
        },
    });
    EXPECT_EQ(run.lines, expected);

    // The trace is rebuilt, not appended to, on the next calculation.
    TTraceLines lines = {"old"};
    TCalcResults r;
    CalcWallVerticalHinged(lines, *in, r);
    EXPECT_EQ(lines, expected);
}

TEST(WallHinged, Wind)
{
    SetDecimalSeparator(',');
    auto in = LoadedWall();
    // suction 1 kN/m: M_wd = 9 x (-1)/8 = -1.125; e_m = (3.3579 + 1.125)/187.425 = 0.023918,
    // Phi 0.65999 -> 243.675; pressure 1 kN/m: e_m = 0.011914, Phi 0.76273 -> 281.604
    in->wd = -1;
    in->wd2 = 1;
    CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.N_mRd, 243.675, 1e-3);
    EXPECT_NEAR(run.r.Phi_m, 0.659998, 1e-6);
    const std::size_t n = run.lines.size();
    ASSERT_GE(n, 8u);
    EXPECT_EQ(run.lines[n - 8], "Moment zginający w środku ścian od wiatru (ssanie) M_wd = -1,13 kNm");
    EXPECT_EQ(run.lines[n - 7], "Mimośród w strefie środkowej e_m = 2,4 cm");
    EXPECT_EQ(run.lines[n - 5], "Nośność w strefie środkowej N_mR,d = 243,675 kN");
    EXPECT_EQ(run.lines[n - 4], "Moment zginający w środku ścian od wiatru (parcie) M_wd = 1,13 kNm");
    EXPECT_EQ(run.lines[n - 3], "Mimośród w strefie środkowej e_m = 1,2 cm");
    EXPECT_EQ(run.lines[n - 1], "Nośność w strefie środkowej N_mR,d = 281,604 kN");

    // strong pressure alone: e_m = (3.3579 - 9)/187.425 = -0.030103, |e_m| governs:
    // Phi 0.60707 -> 224.134, below the windless 262.644, so the second check stands
    in->wd = 0;
    in->wd2 = 8;
    run = Calc(*in);
    EXPECT_NEAR(run.r.N_mRd, 224.134, 1e-3);
    EXPECT_NEAR(run.r.Phi_m, 0.607072, 1e-6);
    EXPECT_EQ(run.lines[run.lines.size() - 3], "Mimośród w strefie środkowej e_m = -3,0 cm");
    // only the pressure line is written
    int windLines = 0;
    for (const auto& s : run.lines)
        if (s.rfind("Moment zginający", 0) == 0) ++windLines;
    EXPECT_EQ(windLines, 1);

    // more suction, lower capacity
    double prev = 1e9;
    for (double w = 0; w >= -6; w -= 1) {
        in->wd = w;
        in->wd2 = 0;
        run = Calc(*in);
        EXPECT_LT(run.r.N_mRd, prev);
        prev = run.r.N_mRd;
    }
}

TEST(WallHinged, InternalWall)
{
    auto in = LoadedWall();
    in->ScianaZewnetrzna = 0;
    in->Nspd = 20;
    in->wd = -5;     // an internal wall has no wind
    in->wd2 = 5;
    in->def_szer_wiencow = 1;   // nor narrower ring beams
    in->ag = 10;
    // N_1d = 200; M_1d = 1.5 + 0.09325 x 30 - 0.07325 x 20 = 2.8325; e_1 = 0.0141625;
    // Phi_1 = 0.8867 -> 327.375. N_2d = 214.85, e_2 = e_a.
    // N_md = 207.425; M_m = 0.6 x 2.8325 + 0.4 x 2.1485 = 2.5589; e_m = 0.0123365;
    // Phi_m = 0.759112 -> 280.269
    CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_DOUBLE_EQ(run.r.N_1d, 200);
    EXPECT_NEAR(run.r.Phi_1, 0.8867, 1e-12);
    EXPECT_NEAR(run.r.N_1Rd, 327.375, 1e-3);
    EXPECT_NEAR(run.r.N_2d, 214.85, 1e-9);
    EXPECT_NEAR(run.r.Phi_2, 0.92, 1e-12);
    EXPECT_NEAR(run.r.N_md, 207.425, 1e-9);
    EXPECT_NEAR(run.r.Phi_m, 0.759112, 1e-6);
    EXPECT_NEAR(run.r.N_mRd, 280.269, 1e-3);
    EXPECT_EQ(run.lines.back(), "Nośność w strefie środkowej N_mR,d = 280,269 kN");
    EXPECT_EQ(run.lines[run.lines.size() - 4], "Moment w przekroju m-m M_md = 2,56 kNm");

    // slabs exchanged: the same moment by the second formula
    in->Nsld = 20;
    in->Nspd = 30;
    run = Calc(*in);
    EXPECT_NEAR(run.r.Phi_1, 0.8867, 1e-12);
    // equal reactions: M_1d = (150 + 2 x 30) x 0.01 = 2.1; e_1 = 2.1/210 = 0.01
    in->Nsld = 30;
    run = Calc(*in);
    EXPECT_NEAR(run.r.Phi_1, 1 - 2 * 0.01 / 0.25, 1e-12);
}

TEST(WallHinged, TopStoreyAndRingBeams)
{
    // top storey, k = 0.4: M_1d = 1.5 + 0.11 x 30 = 4.8; e_1 = 0.026667; Phi_1 = 0.786667 -> 290.442
    auto in = LoadedWall();
    in->ScianaNajwyzszejKodnygnacji = 1;
    CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.Phi_1, 0.786667, 1e-6);
    EXPECT_NEAR(run.r.N_1Rd, 290.442, 1e-3);

    // ring beams 15 and 20 cm: M_1d = 0.06 x 150 + (0.333 x 0.15 + 0.06) x 30 = 12.2985;
    // e_1 = 0.068325, Phi_1 = 0.4534; e_2 = 0.025 + 0.01, Phi_2 = 0.72 -> 265.828;
    // M_m = 0.6 x 12.2985 + 0.4 x 6.81975 = 10.107; e_m = 0.053926, Phi_m = 0.404651 -> 149.399
    in = LoadedWall();
    in->def_szer_wiencow = 1;
    in->ag = 15;
    in->ad = 20;
    run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.Phi_1, 0.4534, 1e-12);
    EXPECT_NEAR(run.r.Phi_2, 0.72, 1e-12);
    EXPECT_NEAR(run.r.N_2Rd, 265.828, 1e-3);
    EXPECT_NEAR(run.r.Phi_m, 0.404651, 1e-6);
    EXPECT_NEAR(run.r.N_mRd, 149.399, 1e-3);

    // narrower ring beam, larger eccentricity, lower capacity
    double prev = 1e9;
    for (double ag = 25; ag >= 5; ag -= 2.5) {
        in->ag = ag;
        run = Calc(*in);
        EXPECT_LT(run.r.N_1Rd, prev) << ag;
        prev = run.r.N_1Rd;
    }
}

// A project file may hold ring beams wider than the wall (the editor would
// cut them to t). They bear as the wall itself. N_0d 0, N_sl,d 250 kN:
// M_1d = (0.333 x 0.25 + 0.01) x 250 = 23.3125, e_1 = 0.09325,
// Phi_1 = 1 - 2 x 0.09325/0.25 = 0.254, N_1Rd = 0.254 x 369.206 = 93.778 < 250:
// the wall fails. Taken as given, 80 and 27 cm would make e_1 = 0.0014 and
// e_2 = 0 and let every section pass.
TEST(WallHinged, RingBeamWiderThanTheWall)
{
    auto in = LoadedWall();
    in->Nod = 0;
    in->Nsld = 250;
    auto plain = std::make_unique<TCalcInput>(*in);
    in->def_szer_wiencow = 1;
    in->ag = 80;
    in->ad = 27;
    const CaseRun wide = Calc(*in);
    const CaseRun ref = Calc(*plain);
    ASSERT_EQ(wide.error, 0);
    EXPECT_NEAR(wide.r.Phi_1, 0.254, 1e-12);
    EXPECT_NEAR(wide.r.N_1Rd, 0.254 * Capacity, 1e-3);
    EXPECT_EQ(wide.r.N_1Rd, ref.r.N_1Rd);
    EXPECT_EQ(wide.r.N_2Rd, ref.r.N_2Rd);
    EXPECT_EQ(wide.r.N_mRd, ref.r.N_mRd);
    EXPECT_EQ(wide.lines, ref.lines);

    // slightly wider than the wall: e_2 = -0.025 + 0.01 once gave Phi_2 = 1.12
    in->ag = in->ad = 30;
    const CaseRun near = Calc(*in);
    EXPECT_NEAR(near.r.Phi_2, 0.92, 1e-12);
    for (const CaseRun* run : {&wide, &near}) {
        for (double phi : {run->r.Phi_1, run->r.Phi_2, run->r.Phi_m}) EXPECT_LE(phi, 1.0);
        for (double N_R : {run->r.N_1Rd, run->r.N_2Rd, run->r.N_mRd})
            EXPECT_LE(N_R, run->r.A * run->r.f_d / 1000);
    }

    // the verdict of the element
    in->ag = 80;
    TTraceLines lines;
    TCalcResults r;
    ASSERT_EQ(CalcElement(lines, *in, r), 0);
    EXPECT_TRUE(IsCapacityExceeded(*in, r));
}

TEST(WallHinged, SelfWeightAndZeroLoads)
{
    // self weight given: N_2d = 180 + 20
    auto in = LoadedWall();
    in->wylicz_Gs = 0;
    in->Gs = 20;
    CaseRun run = Calc(*in);
    EXPECT_DOUBLE_EQ(run.r.N_2d, 200);
    EXPECT_DOUBLE_EQ(run.r.N_md, 190);
    EXPECT_EQ(run.lines[23], "Przyjęto ciężar ściany G_s =20,00 kN");

    // no load at all: e_1 = k t + e_a = 0.09325, Phi_1 = 0.254; N_md = 0 gives e_m = 0,
    // Phi_m = 0.86449 (lambda 0.45695), all finite
    in->Gs = 0;
    in->Nod = 0;
    in->Nsld = 0;
    run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.Phi_1, 0.254, 1e-12);
    EXPECT_EQ(run.r.N_md, 0);
    EXPECT_NEAR(run.r.Phi_m, 0.864493, 1e-6);
    in->ScianaZewnetrzna = 0;
    run = Calc(*in);
    EXPECT_NEAR(run.r.Phi_m, 0.864493, 1e-6);
    for (double v : {run.r.Phi_1, run.r.Phi_2, run.r.Phi_m, run.r.N_1Rd, run.r.N_2Rd, run.r.N_mRd})
        EXPECT_TRUE(std::isfinite(v));
}

TEST(WallHinged, HeightLowersCapacity)
{
    auto in = LoadedWall();
    in->wylicz_Gs = 0;
    in->Gs = 15;
    double prev = 1e9;
    for (double h = 200; h <= 620; h += 30) {
        in->h = h;
        const CaseRun run = Calc(*in);
        ASSERT_EQ(run.error, 0) << h;
        EXPECT_LT(run.r.N_mRd, prev) << h;
        prev = run.r.N_mRd;
    }
}

TEST(WallHinged, Errors)
{
    auto in = LoadedWall();
    TCalcResults sentinel;
    sentinel.N_1d = -7;
    sentinel.e_a = -7;
    sentinel.N_mRd = -7;

    // slenderness: h 700 cm, t 25 cm: 28 > 25. h_eff and the limit are written, the rest kept.
    in->h = 700;
    TTraceLines lines;
    TCalcResults r = sentinel;
    EXPECT_EQ(CalcWallVerticalHinged(lines, *in, r), ceSlenderness);
    EXPECT_EQ(lines.back(), "Przekroczona zalecana smukłość ściany.!");
    EXPECT_EQ(lines[lines.size() - 2], "Smukłość h_eff/t = 28,000> 25");
    EXPECT_DOUBLE_EQ(r.h_eff, 7.0);
    EXPECT_EQ(r.SlendernessLimit, 25);
    EXPECT_GT(r.f_d, 0);
    EXPECT_EQ(r.N_1d, -7);
    EXPECT_EQ(r.e_a, -7);
    EXPECT_EQ(r.N_mRd, -7);
    // M2.5 lowers the limit to 18: h 500 cm (20) fails too
    in->h = 500;
    in->KlasaZaprawy = 1;
    EXPECT_EQ(CalcWallVerticalHinged(lines, *in, r), ceSlenderness);
    in->KlasaZaprawy = 2;
    EXPECT_EQ(CalcWallVerticalHinged(lines, *in, r), 0);

    struct Bad { const char* what; void (*spoil)(TCalcInput&); u8 error; };
    const Bad cases[] = {
        {"t 0", [](TCalcInput& i) { i.t = 0; }, ceGeometry},
        {"t < 0", [](TCalcInput& i) { i.t = -25; }, ceGeometry},
        {"width 0", [](TCalcInput& i) { i.l = 0; }, ceGeometry},
        {"height 0", [](TCalcInput& i) { i.h = 0; }, ceGeometry},
        {"stiffening distance 0", [](TCalcInput& i) { i.UsztywnienieSciany = 1; i.l_usztw = 0; }, ceGeometry},
        {"no K", [](TCalcInput& i) { i.RodzajElementuM = mkSilicate1; i.RodzajZaprawy = mtLightweight; }, ceNoCoefficientK},
        {"kind 13", [](TCalcInput& i) { i.RodzajElementuM = 13; }, ceInvalidInput},
        {"f_b 0", [](TCalcInput& i) { i.fb = 0; }, ceInvalidInput},
        {"load NaN", [](TCalcInput& i) { i.Nod = NAN; }, ceInvalidInput},
        {"wind inf", [](TCalcInput& i) { i.wd2 = INFINITY; }, ceInvalidInput},
        {"density NaN", [](TCalcInput& i) { i.ro_muru = NAN; }, ceInvalidInput},
        {"building code", [](TCalcInput& i) { i.RodzajKonstrSciany = 9; }, ceInvalidInput},
    };
    for (const Bad& bad : cases) {
        auto spoilt = LoadedWall();
        bad.spoil(*spoilt);
        r = sentinel;
        lines.clear();
        EXPECT_EQ(CalcWallVerticalHinged(lines, *spoilt, r), bad.error) << bad.what;
        EXPECT_EQ(lines.back(), CalcErrorText(bad.error) + "!") << bad.what;
        EXPECT_EQ(r.N_mRd, -7) << bad.what;
    }

    // values that the wall does not use are not checked: Nspd of an external wall
    in = LoadedWall();
    in->Nspd = NAN;
    in->Gs = NAN;   // computed from the density
    EXPECT_EQ(CalcWallVerticalHinged(lines, *in, r), 0);
}

TEST(WallHinged, InputUntouchedResultsKept)
{
    auto in = LoadedWall();
    auto copy = std::make_unique<TCalcInput>(*in);
    TTraceLines lines;
    TCalcResults r;
    r.beta = 3.5;
    r.e_1 = 0.5;
    r.PlateCount = 4;
    ASSERT_EQ(CalcWallVerticalHinged(lines, *in, r), 0);
    EXPECT_EQ(std::memcmp(in.get(), copy.get(), sizeof *in), 0);
    EXPECT_EQ(r.beta, 3.5);
    EXPECT_EQ(r.e_1, 0.5);
    EXPECT_EQ(r.PlateCount, 4);
}
