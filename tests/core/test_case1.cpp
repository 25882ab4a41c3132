#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "core/MyUtils.h"
#include "tests/core/support/CalcSupport.h"
#include "core/ZunCalc.h"

using namespace orv;

namespace {

// External wall 25 x 100 cm, h 300 cm, ceramic group 1, f_b 10, M5 (f_k 3.65514 MPa,
// E = 1000 f_k = 3.655 GPa, A f_d = 369.206 kN), N_0d 200 kN, slabs of 4.5 m with
// g 10 and p 5 kN/m, J3 = J6 = 28,125 cm4, E 29 GPa; walls above and below as this one.
std::unique_ptr<TCalcInput> ExternalWall()
{
    auto in = orvtest::DefaultInput(1);
    in->Nod = 200;
    in->l3 = in->l6 = 450;
    in->g3d = in->g6d = 10;
    in->p3d = in->p6d = 5;
    in->J3 = in->J6 = 28125;
    in->E2 = in->E5 = MasonryModulusE(mkCeramic1, 2, mtGeneral, 10) / 1e9;
    return in;
}

// The same wall inside the building, with equal slabs on both sides.
std::unique_ptr<TCalcInput> InternalWall()
{
    auto in = ExternalWall();
    in->ScianaZewnetrzna = 0;
    in->J4 = in->J7 = 28125;
    in->l4 = in->l7 = 450;
    in->g4d = in->g7d = 10;
    in->p4d = in->p7d = 5;
    return in;
}

using orvtest::CaseRun;
constexpr orvtest::CaseCalc<CalcWallVerticalContinuous> Calc;

std::vector<std::string> Headers(const TTraceLines& lines)
{
    std::vector<std::string> out;
    for (const auto& s : lines)
        if (s.rfind("Kombinacja nr ", 0) == 0) out.emplace_back(s);
    return out;
}

} // namespace

TEST(WallContinuous, ExternalWallDecisiveCombinations)
{
    // S = E J/h = 3.65514 x 130208.3/3 = 158644 = T2 = T5; T3 = T6 = 29 x 28125/4.5 = 181250;
    // k_g = k_d = 158644/(2 x 158644 + 181250) = 0.3182.
    // Slab loaded: M = 15 x 4.5^2/12 = 25.3125, R = 33.75; unloaded M = 16.875, R = 22.5.
    // 1-1 with p3: N = 233.75, M_1 = 0.85 x 0.3182 x 25.3125 = 6.8467, e = 0.02929 + 0.01,
    //   Phi = 0.68567 -> 253.155, u = 92.34 % (the same in 4, 6, 8: the first, 2, decides).
    // m-m in 2: M_md = 0.6 x 6.8467 - 0.4 x 4.5645 = 2.2822, N_md = 241.175, e = 0.01946,
    //   Phi_m = 0.69814 -> 257.756, u = 93.57 %.
    // 2-2 with p3 and p6 (4): N = 248.6, M_2 = -6.8467, e = -0.02754 - 0.01, Phi = 0.69969
    //   -> 258.323, u = 96.24 %.
    auto in = ExternalWall();
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    const TCalcResults& r = run.r;
    EXPECT_NEAR(r.N_1d, 233.75, 1e-9);
    EXPECT_NEAR(r.e_1, 0.039291, 1e-6);
    EXPECT_NEAR(r.Phi_1, 0.68567, 1e-5);
    EXPECT_NEAR(r.N_1Rd, 253.155, 1e-3);
    EXPECT_NEAR(r.N_md, 241.175, 1e-9);
    EXPECT_NEAR(r.e_m, 0.019463, 1e-6);
    EXPECT_NEAR(r.Phi_m, 0.69814, 1e-5);
    EXPECT_NEAR(r.N_mRd, 257.756, 1e-3);
    EXPECT_NEAR(r.N_2d, 248.6, 1e-9);
    EXPECT_NEAR(r.e_2, -0.037541, 1e-6);
    EXPECT_NEAR(r.N_2Rd, 258.323, 1e-3);
    EXPECT_DOUBLE_EQ(r.e_a, 0.01);
    EXPECT_DOUBLE_EQ(r.h_eff, 3.0);

    const std::vector<std::string> headers = {
        "Kombinacja nr 1 (stałe+wiatr (ssanie)):", "Kombinacja nr 2 (stałe+wiatr (ssanie)+p3):",
        "Kombinacja nr 3 (stałe+wiatr (ssanie)+p6):", "Kombinacja nr 4 (stałe+wiatr (ssanie)+p3+p6):",
        "Kombinacja nr 5 (stałe+wiatr (parcie)):", "Kombinacja nr 6 (stałe+wiatr (parcie)+p3):",
        "Kombinacja nr 7 (stałe+wiatr (parcie)+p6):", "Kombinacja nr 8 (stałe+wiatr (parcie)+p3+p6):",
    };
    EXPECT_EQ(Headers(run.lines), headers);
}

TEST(WallContinuous, TraceWordForWord)
{
    SetDecimalSeparator(',');
    auto in = ExternalWall();
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    const TTraceLines head = orvtest::JoinedLines({
        {"ŚCIANA OBCIĄŻONA PIONOWO (model ciagły):", ""},
        orvtest::DefaultStrengthSection(),
        {"", ""},
        orvtest::DefaultEffectiveHeightLines(),
        {
            "",
            "Moment bezwładności dla obliczanej ściany J = 130208,3 cm4",
            "Moduł sprężystości dla obliczanej ściany E = 3,7 GPa",
            "Przyjęto ciężar ściany G_s =14,85 kN",
            "Współczynnik rozdziału dla węzła górnego  k_g = 0,318",
            "Współczynnik rozdziału dla węzła dolnego  k_d = 0,318",
            "Przyjęto mimośród ea = 1,0 cm",
            "",
            "Kombinacja nr 1 (stałe+wiatr (ssanie)):",
            "Siła w przekroju 1-1 N_1d = 222,50 kN",
            "Moment w przekroju 1-1 M_1d = 4,56 kNm",
            "Mimośród e_1 = 3,1 cm",
            "Współczynnik redukcyjny nośności FI_1 = 0,756",
            "Nośność pod stropem N_1R,d = 279,077 kN",
            " -> wykorzystanie nośności 79,73%",
            "Siła w przekroju 2-2 N_2d = 237,35 kN",
            "Moment w przekroju 2-2 M_2d = -4,56 kNm",
            "Mimośród e_2 = -2,9 cm",
            "Współczynnik redukcyjny nośności FI_2 = 0,766",
            "Nośność nad stropem N_2R,d = 282,868 kN",
            " -> wykorzystanie nośności 83,91%",
            "Określenie cechy sprężystości muru pod obciążeniem długotrwałym",
            "  - cecha sprężystości muru  alfa_c = 1000,0",
            "  - eta_E = 0,3",
            "  - fi_nieskoczność = 1,5",
            "  -> alfa_c,nieskoczność = 689,7",
            "Moment w przekroju m-m, wynikający z obciążenia ścian stropem, M_md = -0,91 kNm",
            "Siła w przekroju m-m N_md = 229,93 kN",
            "Mimośród w strefie środkowej e_m = -1,4 cm",
            "Współczynnik redukcyjny nośności FI_m = 0,745",
            "Nośność w strefie środkowej N_mR,d = 275,109 kN",
            " -> wykorzystanie nośności 83,58%",
            "",
            "Kombinacja nr 2 (stałe+wiatr (ssanie)+p3):",
            "Siła w przekroju 1-1 N_1d = 233,75 kN",
        },
    });
    ASSERT_GT(run.lines.size(), head.size() + 9);
    EXPECT_EQ(TTraceLines(run.lines.begin(), run.lines.begin() + head.size()), head);
    const TTraceLines tail = {
        "  N_1d = 233,750 kN;   e_1 = 3,9 cm;   FI_1 = 0,686",
        "  N_1R,d = 253,155 kN",
        "Przekrój m-m  (decyduje kombinacja nr 2):",
        "  N_md = 241,175 kN;   e_m = 1,9 cm;   FI_m = 0,698",
        "  N_mR,d = 257,756 kN",
        "",
        "Przekrój 2-2  (decyduje kombinacja nr 4):",
        "  N_2d = 248,600 kN;   e_2 = -3,8 cm;   FI_2 = 0,700",
        "  N_2R,d = 258,323 kN",
    };
    EXPECT_EQ(TTraceLines(run.lines.end() - tail.size(), run.lines.end()), tail);
    // the long-term lines are written once
    int longTerm = 0;
    for (const auto& s : run.lines)
        if (s == "Określenie cechy sprężystości muru pod obciążeniem długotrwałym") ++longTerm;
    EXPECT_EQ(longTerm, 1);
}

TEST(WallContinuous, InternalWallSixteenCombinations)
{
    // symmetric joint: k = S/(2S + 2 x 181250) = 0.23337; with both slabs equally loaded the
    // moments cancel, e = 0 + e_a = 0.01 < 0.05 t -> 0.0125
    SetDecimalSeparator(',');
    auto in = InternalWall();
    in->wd = -3;    // no wind inside
    in->def_szer_wiencow = 1;
    in->ag = 10;    // nor narrower ring beams
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    const auto headers = Headers(run.lines);
    ASSERT_EQ(headers.size(), 16u);
    EXPECT_EQ(headers[0], "Kombinacja nr 1 (stałe):");
    EXPECT_EQ(headers[5], "Kombinacja nr 6 (stałe+p3+p4):");
    EXPECT_EQ(headers[15], "Kombinacja nr 16 (stałe+p3+p4+p6+p7):");
    EXPECT_EQ(run.lines[26], "Współczynnik rozdziału dla węzła górnego  k_g = 0,233");
    for (const auto& s : run.lines) EXPECT_EQ(s.find("wiatr"), std::string::npos) << s;
    EXPECT_EQ(run.lines[33], "Mimośród e_1 = 1,0 cm < 0.05·t  -> e_1 =0.05·t =1,3 cm");
    // combination 1, 2-2 and m-m at e_min as well
    EXPECT_EQ(run.lines[39], "Mimośród e_2 = 1,0 cm < 0.05·t  -> e_2 =0.05·t = 1,3 cm");
    EXPECT_EQ(run.lines[50], "Mimośród w strefie środkowej e_m = 1,0 cm < 0.05·t -> e_m =0.05·t1,3 cm");
    // 1-1: p3 alone (combination 2): N = 256.25, M_1 = 0.85 x 0.23337 x 8.4375 = 1.6737,
    // e = 0.016532, Phi = 0.86775 -> 320.38, u = 79.98 %; p3 and p4 (6, first of 6, 8, 14, 16):
    // N = 267.5, e = 0.0125, Phi = 0.9 -> 332.285, u = 80.50 % decides
    EXPECT_NEAR(run.r.N_1d, 267.5, 1e-9);
    EXPECT_NEAR(run.r.e_1, 0.0125, 1e-12);
    EXPECT_NEAR(run.r.N_1Rd, 332.285, 1e-3);
    EXPECT_EQ(run.lines[run.lines.size() - 10], "Przekrój 1-1  (decyduje kombinacja nr 6):");
}

TEST(WallContinuous, WindAndRingBeams)
{
    SetDecimalSeparator(',');
    // W = h^2 w/16 = 9 x (-1)/16 = -0.5625 in the middle, +0.5625 at the supports
    auto in = ExternalWall();
    in->wd = -1;
    in->wd2 = 2;
    CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_EQ(run.lines[29], "Moment zginający od wiatru (ssania) środku ściany M_wd = -0,56 kNm");
    EXPECT_EQ(run.lines[30], "Moment zginający od wiatru (ssania) na podporach ściany  M_wd = 0,56 kNm");
    EXPECT_EQ(run.lines[31], "Moment zginający od wiatru (parcia) środku ściany M_wd = 1,13 kNm");
    EXPECT_EQ(run.lines[32], "Moment zginający od wiatru (parcia) na podporach ściany  M_wd = -1,13 kNm");
    // combination 1 with suction: M_1d = 4.5645 - 0.5625 = 4.0020
    EXPECT_EQ(run.lines[36], "Moment w przekroju 1-1 M_1d = 4,00 kNm");
    // pressure 2 kN/m in combination 6: M_1d = 6.8467 + 1.125 = 7.9717, e = 0.034104 + 0.01,
    // Phi = 0.64717 -> 238.94, u = 97.83 %: decisive at 1-1
    EXPECT_NEAR(run.r.N_1Rd, 238.94, 1e-2);
    EXPECT_EQ(run.lines[run.lines.size() - 10], "Przekrój 1-1  (decyduje kombinacja nr 6):");

    // ring beam of 15 cm at the top: 0.5 (t - a_w) N_0d = 0.05 x 200 = 10 kNm more at 1-1
    in = ExternalWall();
    in->def_szer_wiencow = 1;
    in->ag = 15;
    in->ad = 25;
    run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_EQ(run.lines[32], "Moment w przekroju 1-1 M_1d = 14,56 kNm");
}

// Ring beams wider than the wall (a project file may hold them) bear as the
// wall itself: the terms 0.5 (t - a_w) N vanish as without ring beams.
TEST(WallContinuous, RingBeamWiderThanTheWall)
{
    auto in = ExternalWall();
    const CaseRun ref = Calc(*in);
    in->def_szer_wiencow = 1;
    in->ag = 80;
    in->ad = 40;
    const CaseRun wide = Calc(*in);
    ASSERT_EQ(ref.error, 0);
    ASSERT_EQ(wide.error, 0);
    EXPECT_EQ(wide.lines, ref.lines);
    for (auto f : {&TCalcResults::e_1, &TCalcResults::e_2, &TCalcResults::e_m, &TCalcResults::N_1Rd,
                   &TCalcResults::N_2Rd, &TCalcResults::N_mRd})
        EXPECT_EQ(wide.r.*f, ref.r.*f);
}

TEST(WallContinuous, JointDataErrors)
{
    TCalcResults start;
    start.N_1d = -7;
    start.h_eff = -7;
    struct Bad { const char* what; bool internal; void (*spoil)(TCalcInput&); u8 error; };
    const Bad cases[] = {
        {"J3", true, [](TCalcInput& i) { i.J3 = 0; }, 12},
        {"E3", true, [](TCalcInput& i) { i.E3 = 0; }, 13},
        {"J4", true, [](TCalcInput& i) { i.J4 = 0; }, 10},
        {"E4", true, [](TCalcInput& i) { i.E4 = 0; }, 11},
        {"J6", false, [](TCalcInput& i) { i.J6 = 0; }, 16},
        {"E6", false, [](TCalcInput& i) { i.E6 = 0; }, 17},
        {"J7", true, [](TCalcInput& i) { i.J7 = 0; }, 14},
        {"E7", true, [](TCalcInput& i) { i.E7 = 0; }, 15},
        // the last failing test is reported
        {"J3 and J7", true, [](TCalcInput& i) { i.J3 = 0; i.J7 = 0; }, 12},
        {"J6 and E4", true, [](TCalcInput& i) { i.J6 = 0; i.E4 = 0; }, 11},
        {"E7 and J7", true, [](TCalcInput& i) { i.E7 = 0; i.J7 = 0; }, 14},
    };
    for (const Bad& bad : cases) {
        auto in = bad.internal ? InternalWall() : ExternalWall();
        bad.spoil(*in);
        const CaseRun run = Calc(*in, start);
        EXPECT_EQ(run.error, bad.error) << bad.what;
        EXPECT_EQ(run.lines.back(), CalcErrorText(bad.error) + "!") << bad.what;
        EXPECT_EQ(run.lines[run.lines.size() - 2], "") << bad.what;
        EXPECT_GT(run.r.f_d, 0) << bad.what;
        EXPECT_EQ(run.r.h_eff, -7) << bad.what;
    }
    // an external wall does not test members 4 and 7
    auto in = ExternalWall();
    in->J7 = 0;
    in->E4 = 0;
    EXPECT_EQ(Calc(*in).error, 0);
}

TEST(WallContinuous, OtherErrors)
{
    SetDecimalSeparator(',');
    TCalcResults start;
    start.N_1d = -7;
    start.e_a = -7;
    // slenderness: h 700 cm -> 28 > 25
    auto in = ExternalWall();
    in->h = 700;
    CaseRun run = Calc(*in, start);
    EXPECT_EQ(run.error, ceSlenderness);
    EXPECT_DOUBLE_EQ(run.r.h_eff, 7.0);
    EXPECT_EQ(run.r.e_a, -7);

    // sigma_cd = 62.5/0.25 = 250 kN/m2 passes, a little less does not
    in = ExternalWall();
    in->Nod = 62.5;
    in->g3d = 0;
    in->p3d = 0;
    EXPECT_EQ(Calc(*in).error, 0);
    in->Nod = 62;
    run = Calc(*in, start);
    EXPECT_EQ(run.error, ceLowMeanStress);
    EXPECT_EQ(run.lines[run.lines.size() - 2], "sigma_cd = 0,248 MPa < 0.25 MPa");
    EXPECT_EQ(run.lines.back(), CalcErrorText(ceLowMeanStress) + "!");
    EXPECT_DOUBLE_EQ(run.r.e_a, 0.01);
    EXPECT_EQ(run.r.N_1d, -7);
    // a variable load that raises sigma only in later combinations still fails in the first
    in->p3d = 100;
    run = Calc(*in, start);
    EXPECT_EQ(run.error, ceLowMeanStress);
    EXPECT_EQ(Headers(run.lines).size(), 1u);

    struct Bad { const char* what; void (*spoil)(TCalcInput&); u8 error; };
    const Bad cases[] = {
        {"height 0", [](TCalcInput& i) { i.h = 0; }, ceGeometry},
        {"load NaN", [](TCalcInput& i) { i.Nod = NAN; }, ceInvalidInput},
        {"span inf", [](TCalcInput& i) { i.l6 = INFINITY; }, ceInvalidInput},
        {"building code", [](TCalcInput& i) { i.RodzajKonstrSciany = 5; }, ceInvalidInput},
    };
    for (const Bad& bad : cases) {
        in = ExternalWall();
        bad.spoil(*in);
        run = Calc(*in, start);
        EXPECT_EQ(run.error, bad.error) << bad.what;
        EXPECT_EQ(run.r.N_1d, -7) << bad.what;
    }
}

TEST(WallContinuous, ZeroSpansAndInputUntouched)
{
    // spans and heights of 0 carry no stiffness and no load: with h2 = l3 = 0, k_g = S/(S + T5... )
    // of the upper joint is S/S = 1; the slab gives no moment and no reaction
    auto in = ExternalWall();
    in->h2 = 0;
    in->l3 = 0;
    in->h5 = 0;
    in->l6 = 0;
    auto copy = std::make_unique<TCalcInput>(*in);
    SetDecimalSeparator(',');
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_EQ(run.lines[26], "Współczynnik rozdziału dla węzła górnego  k_g = 1,000");
    EXPECT_NEAR(run.r.N_1d, 200, 1e-12);
    for (double v : {run.r.e_1, run.r.Phi_1, run.r.N_1Rd, run.r.e_m, run.r.Phi_m, run.r.N_mRd,
                     run.r.e_2, run.r.Phi_2, run.r.N_2Rd})
        EXPECT_TRUE(std::isfinite(v));
    EXPECT_EQ(std::memcmp(in.get(), copy.get(), sizeof *in), 0);
}
