#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/MyUtils.h"
#include "tests/core/support/CalcSupport.h"
#include "core/ZunCalc.h"

using namespace orv;

namespace {

// Default element: wall 25 x 100 cm, h 300 cm, ceramic group 1, f_b 10, M5,
// gamma_m 2.2, A = 0.25 m2 -> eta_A 1.125, f_d = 3.65514/(2.2 x 1.125) = 1.47682 MPa.
// Loads 20 x 25 cm at a1 = 20, 50, 70 cm, hN 0.
std::unique_ptr<TCalcInput> DefaultWall()
{
    return orvtest::DefaultInput(3);
}

using orvtest::CaseRun;
constexpr orvtest::CaseCalc<CalcWallConcentrated> Calc;

} // namespace

TEST(WallConcentrated, DefaultLoadTraceWordForWord)
{
    // A_b = 0.05 m2; h_c = 300, spread 0.5 x 300/tan 60 = 86.6 cut to c_L = 10 and c_R = 70:
    // l_eff = 100 cm; A_eff = 0.25, r = 0.2; a_1 = 10:
    // beta = 1.01 x 1.28 = 1.2928 -> 1.25 + 10/600 = 1.26667; N_Rd = 1.26667 x 0.05 x 1476.82 = 93.532
    SetDecimalSeparator(',');
    auto in = DefaultWall();
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.A_b, 0.05, 1e-12);
    EXPECT_NEAR(run.r.l_eff, 100, 1e-9);
    EXPECT_NEAR(run.r.beta, 1.266667, 1e-6);
    EXPECT_NEAR(run.r.N_Rd, 93.532, 1e-3);
    const TTraceLines expected = {
        "ŚCIANA OBCIĄŻONA SIŁĄ SKUPIONĄ:",
        "",
        "Ściana z elementów ceramicznych grupy 1",
        "Znormalizowana wytrzymałość elementu murowego na ściskanie f_b = 10,00 MPa",
        "zaprawa: zwykła klasy M5, przepisana ->  fm = 5,00 MPa",
        "Współczynnik K = 0,45",
        "Wytrzymałość charakterystyczna muru na ściskanie  f_k = 3,66 MPa",
        "",
        "Grubość ściany t = 25,0 cm",
        "Szerokość ściany b = 100,0 cm",
        "Wysokość ściany h = 300,0 cm",
        "Pole przekroju poprzecznego ściany  A = 0,250 m2",
        "",
        "Przyjęto gamma_m = 2,2",
        "Ponieważ A<0,3 m2 -> eta_A = 1,13",
        "Wytrzymałość muru na ściskanie  f_d = f_k/(gamma_m*eta_A) = 1,48 MPa",
        "Pole oddziaływania obciążenia skupionego  A_b = 0,0500 m2",
        "Przyjęto h_c = 300,00 cm",
        "Wyznaczono l_eff = 100,00 cm",
        "Efektywne pole przekroju ściany A_eff = 0,2500 m2",
        " Ab/Aeff = 0,2000",
        "Współczynnik wyrażający wpływ siły skupionej beta = 1,267",
        "Nośność pod obciążeniem skupionym NRd = 93,532 kN",
    };
    EXPECT_EQ(run.lines, expected);
}

TEST(WallConcentrated, SpreadAndBeta)
{
    // far from both ends (l 500, a1 250): l_eff = 20 + 2 x 86.6025 = 193.205; A = 1.25,
    // f_d = 1.66143 MPa; r = 0.05/0.48301 = 0.10352; beta = 1.24 x 1.38613 = 1.7188 -> 1.5
    // (below 1.25 + 240/600 = 1.65); N_Rd = 1.5 x 0.05 x 1661.43 = 124.607
    auto in = DefaultWall();
    in->l = 500;
    in->Sily[0].a1 = 250;
    CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.l_eff, 193.205, 1e-3);
    EXPECT_DOUBLE_EQ(run.r.beta, 1.5);
    EXPECT_NEAR(run.r.N_Rd, 124.607, 1e-3);

    // touching the left end: c_L = 0, a_1 = 0; l_eff = 20 + 0 + 80; beta = 1.28 capped at 1.25
    in = DefaultWall();
    in->Sily[0].a1 = 10;
    run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.l_eff, 100, 1e-9);
    EXPECT_DOUBLE_EQ(run.r.beta, 1.25);

    // A_b/A_eff = 0.15/0.25 = 0.6 -> 0.45: beta = 1.02 x 1.005 = 1.0251; N_Rd = 227.084
    in = DefaultWall();
    in->Sily[0].aL = 60;
    in->Sily[0].a1 = 50;
    SetDecimalSeparator(',');
    run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.beta, 1.0251, 1e-12);
    EXPECT_NEAR(run.r.N_Rd, 227.084, 1e-3);
    EXPECT_EQ(run.lines[run.lines.size() - 3], " Ab/Aeff = 0,6000 > 0,45 -> do dalszych obliczeń przyjeto 0,45");

    // units of group 2: beta 1, N_Rd = A_b f_d, no A_eff line
    in = DefaultWall();
    in->RodzajElementuM = mkCeramic2;
    run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_EQ(run.r.beta, 1.0);
    EXPECT_NEAR(run.r.N_Rd, 0.05 * run.r.f_d / 1000, 1e-12);
    for (const auto& s : run.lines) EXPECT_EQ(s.find("A_eff"), std::string::npos);
}

TEST(WallConcentrated, SecondAndThirdLoads)
{
    // second load at 50 cm, h_c,2 = 300 - 250 = 50, spread 50/tan 60 = 28.868 on both sides
    // (30 cm to the right end): l_eff,2 = 77.735; third at 70 cm, h_c,3 = 10: 20 + 2 x 5.7735
    SetDecimalSeparator(',');
    auto in = DefaultWall();
    in->LiczbaSilSkup = 3;
    in->Sily[1].hN = 250;
    in->Sily[2].hN = 290;
    CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.l_eff2, 77.735, 1e-3);
    EXPECT_NEAR(run.r.l_eff3, 31.547, 1e-3);
    EXPECT_EQ(run.lines[19], "Przyjęto h_c,2 = 50,00 cm");
    EXPECT_EQ(run.lines[20], "Wyznaczono l_eff,2 = 77,74 cm");
    EXPECT_EQ(run.lines[21], "Przyjęto h_c,3 = 10,00 cm");
    EXPECT_EQ(run.lines[22], "Wyznaczono l_eff,3 = 31,55 cm");
    // the first load's result does not depend on the others
    EXPECT_NEAR(run.r.N_Rd, 93.532, 1e-3);

    // the whole h_c,2 spreads, cut by the distances to the ends: 20 + 50 + 30
    in->Sily[1].hN = 0;
    run = Calc(*in);
    EXPECT_NEAR(run.r.l_eff2, 100, 1e-9);

    // a single load leaves l_eff2 and l_eff3 as they were
    TCalcResults start;
    start.l_eff2 = -7;
    start.l_eff3 = -7;
    in->LiczbaSilSkup = 1;
    run = Calc(*in, start);
    EXPECT_EQ(run.r.l_eff2, -7);
    EXPECT_EQ(run.r.l_eff3, -7);
    in->LiczbaSilSkup = 2;
    run = Calc(*in, start);
    EXPECT_NEAR(run.r.l_eff2, 100, 1e-9);
    EXPECT_EQ(run.r.l_eff3, -7);
}

TEST(WallConcentrated, Errors)
{
    TCalcResults start;
    start.A = -7;
    start.N_Rd = -7;
    start.beta = -7;

    // a second load ending exactly at the right end passes, one centimetre more does not
    auto in = DefaultWall();
    in->LiczbaSilSkup = 2;
    in->Sily[1].a1 = 80;
    EXPECT_EQ(Calc(*in).error, 0);
    in->Sily[1].a1 = -30;   // a negative position is not checked
    EXPECT_EQ(Calc(*in).error, 0);

    struct Bad { const char* what; void (*spoil)(TCalcInput&); u8 error; };
    const Bad cases[] = {
        {"first beyond the right end", [](TCalcInput& i) { i.Sily[0].a1 = 91; }, ceLoadOutsideWall},
        {"first beyond the left end", [](TCalcInput& i) { i.Sily[0].a1 = 9; }, ceLoadOutsideWall},
        {"second beyond", [](TCalcInput& i) { i.LiczbaSilSkup = 2; i.Sily[1].a1 = 81; }, ceLoadOutsideWall},
        {"third beyond", [](TCalcInput& i) { i.LiczbaSilSkup = 3; i.Sily[2].a1 = 81; }, ceLoadOutsideWall},
        {"first at the foot (h_c 0)", [](TCalcInput& i) { i.Sily[0].hN = 300; }, ceLoadOutsideWall},
        {"first below the foot", [](TCalcInput& i) { i.Sily[0].hN = 350; }, ceLoadOutsideWall},
        {"height 0", [](TCalcInput& i) { i.h = 0; }, ceGeometry},
        {"thickness 0", [](TCalcInput& i) { i.t = 0; }, ceGeometry},
        {"negative bearing", [](TCalcInput& i) { i.Sily[0].aL = -20; }, ceInvalidInput},
        {"position NaN", [](TCalcInput& i) { i.Sily[0].a1 = NAN; }, ceInvalidInput},
        {"f_b 0", [](TCalcInput& i) { i.fb = 0; }, ceInvalidInput},
    };
    for (const Bad& bad : cases) {
        in = DefaultWall();
        bad.spoil(*in);
        const CaseRun run = Calc(*in, start);
        EXPECT_EQ(run.error, bad.error) << bad.what;
        EXPECT_EQ(run.lines.back(), CalcErrorText(bad.error) + "!") << bad.what;
        EXPECT_EQ(run.r.N_Rd, -7) << bad.what;
        EXPECT_EQ(run.r.beta, -7) << bad.what;
        if (bad.error == ceLoadOutsideWall) {
            EXPECT_EQ(run.lines.size(), 3u) << bad.what;
            EXPECT_EQ(run.r.A, -7) << bad.what;
        }
    }
    // a third load is not checked when only two are described
    in = DefaultWall();
    in->LiczbaSilSkup = 2;
    in->Sily[2].a1 = 500;
    in->Sily[2].hN = NAN;
    EXPECT_EQ(Calc(*in).error, 0);
}
