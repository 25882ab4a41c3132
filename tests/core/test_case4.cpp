#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/MyUtils.h"
#include "tests/core/support/CalcSupport.h"
#include "core/ZunCalc.h"

using namespace orv;

namespace {

// Default element as a basement wall: t 25, h 250, h_e 200, b_e 600 cm, N_0 50 kN/m,
// ceramic group 1, f_b 10, M5: f_k = 3.65514 MPa, gamma_m 2.2; soil 18.5 kN/m3.
std::unique_ptr<TCalcInput> Basement()
{
    auto in = orvtest::DefaultInput(4);
    in->h = 250;
    in->N0_mb = 50;
    return in;
}

using orvtest::CaseRun;
constexpr orvtest::CaseCalc<CalcBasementWall> Calc;

} // namespace

TEST(BasementWall, DefaultTraceWordForWord)
{
    // G_s = 2.5 x 0.25 x 18 x 1.1 = 12.375; N_Sd = 50 + 12.375 x 1.5/2.5 = 57.425
    // N_maxRd = 0.25 x 3655.14/(3 x 2.2) = 138.452; 2h = 5 <= 6: beta_A = 20;
    // N_minRd = 18.5 x 2.5 x 2^2/(20 x 0.25) = 37.00
    SetDecimalSeparator(',');
    auto in = Basement();
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.N_2d, 57.425, 1e-9);
    EXPECT_NEAR(run.r.N_maxRd, 138.452, 1e-3);
    EXPECT_EQ(run.r.beta_A, 20);
    EXPECT_NEAR(run.r.N_minRd, 37.0, 1e-9);
    EXPECT_NEAR(run.r.f_d, run.r.f_k / 2.2, 1e-6);
    EXPECT_EQ(run.r.AnnexFlag, 1);
    const TTraceLines expected = orvtest::JoinedLines({
        {"ŚCIANA PIWNIC:", ""},
        orvtest::DefaultMasonryLines(),
        {
            "Grubość ściany t = 25,0 cm",
            "Wysokość ściany h = 250,0 cm",
            "",
            "Przyjęto gamma_m = 2,2",
            "Wytrzymałość muru na ściskanie  f_d = f_k/gamma_m = 1,66 MPa",
            "",
            "Przyjęto ciężar ściany G_s =12,38 kN/mb",
            "NSd = 57,43 kN/mb",
            "t·f_k/3·gamma_m = 138,45 kN/m",
            "ro_e·h·he^2/20·t = 37,00 kN/m",
        },
    });
    EXPECT_EQ(run.lines, expected);
}

TEST(BasementWall, BetaAAndBackfill)
{
    SetDecimalSeparator(',');
    auto in = Basement();
    // b_e <= h: 40; N_minRd = 185/(40 x 0.25) = 18.5
    in->be = 200;
    CaseRun run = Calc(*in);
    EXPECT_EQ(run.r.beta_A, 40);
    EXPECT_NEAR(run.r.N_minRd, 18.5, 1e-9);
    // between: 40 - 20 x 0.5/2.5 = 36
    in->be = 300;
    run = Calc(*in);
    EXPECT_NEAR(run.r.beta_A, 36, 1e-12);
    EXPECT_EQ(run.lines.back(), "ro_e·h·he^2/36·t = 20,56 kN/m");
    // 40 - 20 x 0.8/2.5 = 33.6, written in its shortest form
    in->be = 330;
    run = Calc(*in);
    EXPECT_EQ(run.lines.back().rfind("ro_e·h·he^2/33,6·t = ", 0), 0u);
    // rounded to two decimals before use: h 2.4, b_e 2.5: 39.1667 -> 39.17;
    // N_minRd = 18.5 x 2.4 x 4/(39.17 x 0.25) = 18.1363
    in->h = 240;
    in->be = 250;
    run = Calc(*in);
    EXPECT_DOUBLE_EQ(run.r.beta_A, 39.17);
    EXPECT_NEAR(run.r.N_minRd, 18.1363, 1e-4);
    EXPECT_EQ(run.lines.back(), "ro_e·h·he^2/39,17·t = 18,14 kN/m");

    // no backfill: N_Sd = N_0 + G_s, N_minRd = 0
    in = Basement();
    in->he = 0;
    run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.N_2d, 62.375, 1e-9);
    EXPECT_EQ(run.r.N_minRd, 0);

    // self weight given per metre
    in = Basement();
    in->wylicz_Gs = 0;
    in->Gs_mb = 10;
    run = Calc(*in);
    EXPECT_NEAR(run.r.N_2d, 56, 1e-9);
}

TEST(BasementWall, AnnexConditions)
{
    TCalcResults start;
    start.N_maxRd = -7;
    start.N_minRd = -7;
    start.beta_A = -7;

    // the limits themselves pass
    auto in = Basement();
    in->h = 260;
    EXPECT_EQ(Calc(*in).error, 0);
    in = Basement();
    in->t = 20;
    EXPECT_EQ(Calc(*in).error, 0);
    in = Basement();
    in->he = 250;
    EXPECT_EQ(Calc(*in).error, 0);

    struct Bad { const char* what; void (*spoil)(TCalcInput&); u8 error; };
    const Bad cases[] = {
        {"h 261", [](TCalcInput& i) { i.h = 261; }, ceAnnexHeight},
        {"t 19", [](TCalcInput& i) { i.t = 19; }, ceAnnexThickness},
        {"backfill 251", [](TCalcInput& i) { i.he = 251; }, ceAnnexBackfill},
        {"height first", [](TCalcInput& i) { i.h = 300; i.t = 19; }, ceAnnexHeight},
        {"thickness before backfill", [](TCalcInput& i) { i.t = 19; i.he = 300; }, ceAnnexThickness},
    };
    for (const Bad& bad : cases) {
        in = Basement();
        bad.spoil(*in);
        const CaseRun run = Calc(*in, start);
        EXPECT_EQ(run.error, bad.error) << bad.what;
        // the line carries no mark-up codes
        EXPECT_EQ(run.lines.back(), StripMarkup(CalcErrorText(bad.error) + "!")) << bad.what;
        EXPECT_EQ(run.lines.back().find('%'), std::string::npos) << bad.what;
        EXPECT_EQ(run.r.N_maxRd, -7) << bad.what;
        EXPECT_EQ(run.r.N_minRd, -7) << bad.what;
        EXPECT_EQ(run.r.beta_A, -7) << bad.what;
        EXPECT_GT(run.r.N_2d, 50) << bad.what;   // N_Sd is written before the conditions
        EXPECT_EQ(run.r.AnnexFlag, 1) << bad.what;
    }
}

TEST(BasementWall, BadInput)
{
    TCalcResults start;
    start.N_2d = -7;
    start.N_minRd = -7;
    struct Bad { const char* what; void (*spoil)(TCalcInput&); u8 error; };
    const Bad cases[] = {
        // a zero height would divide N_Sd and beta_A by zero
        {"h 0", [](TCalcInput& i) { i.h = 0; }, ceGeometry},
        {"t 0", [](TCalcInput& i) { i.t = 0; }, ceGeometry},
        {"width 0", [](TCalcInput& i) { i.l = 0; }, ceGeometry},
        {"soil NaN", [](TCalcInput& i) { i.ro_e = NAN; }, ceInvalidInput},
        {"load inf", [](TCalcInput& i) { i.N0_mb = INFINITY; }, ceInvalidInput},
        {"no K", [](TCalcInput& i) { i.RodzajElementuM = mkSilicate1; i.RodzajZaprawy = mtLightweight; }, ceNoCoefficientK},
    };
    for (const Bad& bad : cases) {
        auto in = Basement();
        bad.spoil(*in);
        const CaseRun run = Calc(*in, start);
        EXPECT_EQ(run.error, bad.error) << bad.what;
        EXPECT_EQ(run.lines.back(), CalcErrorText(bad.error) + "!") << bad.what;
        EXPECT_EQ(run.r.N_2d, -7) << bad.what;
        EXPECT_EQ(run.r.N_minRd, -7) << bad.what;
    }
}
