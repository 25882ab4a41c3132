#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "core/ZunRtf.h"
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
    const TTraceLines expected = orvtest::JoinedLines({
        {"ŚCIANA OBCIĄŻONA SIŁĄ SKUPIONĄ:", ""},
        orvtest::DefaultStrengthSection(),
        {
            "Pole oddziaływania obciążenia skupionego  A_b = 0,0500 m2",
            "Przyjęto h_c = 300,00 cm",
            "Wyznaczono l_eff = 100,00 cm",
            "Efektywne pole przekroju ściany A_eff = 0,2500 m2",
            " Ab/Aeff = 0,2000",
            "Współczynnik wyrażający wpływ siły skupionej beta = 1,267",
            "Nośność pod obciążeniem skupionym NRd = 93,532 kN",
        },
    });
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
    // second load at 50 cm, h_c,2 = 300 - 250 = 50, spread 0.5 x 50/tan 60 = 14.434 on both
    // sides (30 cm to the right end): l_eff,2 = 48.868; third at 70 cm, h_c,3 = 10: 20 + 2 x 2.887
    SetDecimalSeparator(',');
    auto in = DefaultWall();
    in->LiczbaSilSkup = 3;
    in->Sily[1].hN = 250;
    in->Sily[2].hN = 290;
    CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.l_eff2, 48.868, 1e-3);
    EXPECT_NEAR(run.r.l_eff3, 25.774, 1e-3);
    EXPECT_EQ(run.lines[19], "Przyjęto h_c,2 = 50,00 cm");
    EXPECT_EQ(run.lines[20], "Wyznaczono l_eff,2 = 48,87 cm");
    EXPECT_EQ(run.lines[21], "Przyjęto h_c,3 = 10,00 cm");
    EXPECT_EQ(run.lines[22], "Wyznaczono l_eff,3 = 25,77 cm");
    // the first load's result does not depend on the others
    EXPECT_NEAR(run.r.N_Rd, 93.532, 1e-3);

    // the spread 0.5 x 300/tan 60 = 86.6 is cut by the distances to the ends: 20 + 50 + 30
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

// Every load is checked with the first load's rules: bearing A_b,k = a_t,k a_l,k,
// spread 0.5 h_c,k/tan 60 on each side cut by the clear distances to the wall's
// ends, beta_k from a_1,k = the nearer distance, N_Rd,k = beta_k A_b,k f_d.
TEST(WallConcentrated, EveryLoadHasItsOwnResistance)
{
    SetDecimalSeparator(',');
    // Two loads on the default wall (f_d = 1476.82 kPa), the second at a1 = 50 (left side):
    // A_b,2 = 25 x 20/10000 = 0.05; h_c,2 = 300; spread 86.60 cut to c_L = 50 and
    // c_R = 100 - 50 - 20 = 30: l_eff,2 = 100; A_eff,2 = 0.25, r = 0.2; a_1,2 = 30:
    // beta = 1.03 x 1.28 = 1.3184 -> 1.25 + 30/600 = 1.30; N_Rd,2 = 1.3 x 0.05 x 1476.82 = 95.993
    auto in = DefaultWall();
    in->LiczbaSilSkup = 2;
    CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.N_Rd, 93.532, 1e-3);   // the first load as before
    EXPECT_NEAR(run.r.A_b2, 0.05, 1e-12);
    EXPECT_NEAR(run.r.l_eff2, 100, 1e-9);
    EXPECT_NEAR(run.r.beta2, 1.30, 1e-12);
    EXPECT_NEAR(run.r.N_Rd2, 95.993, 1e-3);
    const TTraceLines second = {
        "Pole oddziaływania obciążenia skupionego  A_b,2 = 0,0500 m2",
        "Efektywne pole przekroju ściany A_eff,2 = 0,2500 m2",
        " Ab,2/Aeff,2 = 0,2000",
        "Współczynnik wyrażający wpływ siły skupionej beta,2 = 1,300",
        "Nośność pod obciążeniem skupionym NRd,2 = 95,993 kN",
    };
    ASSERT_GE(run.lines.size(), second.size());
    EXPECT_EQ(TTraceLines(run.lines.end() - 5, run.lines.end()), second);

    // Three loads, the second 250 cm and the third 290 cm below the top, the third 12 cm deep:
    // load 2: h_c,2 = 50, spread 0.5 x 50/tan 60 = 14.434 (inside 50 and 30): l_eff,2 = 48.868;
    //   A_eff,2 = 0.48868 x 0.25 = 0.122169, r = 0.05/0.122169 = 0.40927; a_1,2 = 30:
    //   beta = (1 + 0.3 x 30/50) x (1.5 - 1.1 x 0.40927) = 1.18 x 1.04980 = 1.23877
    //   (below 1.5 and 1.25 + 30/100); N_Rd,2 = 1.23877 x 0.05 x 1476.82 = 91.472
    // load 3 at a1 = 70: c_L = 70, c_R = 10; h_c,3 = 10, spread 2.887: l_eff,3 = 25.774;
    //   A_b,3 = 12 x 20/10000 = 0.024; A_eff,3 = 0.064434, r = 0.37248; a_1,3 = 10:
    //   beta = 1.3 x (1.5 - 0.40973) = 1.41736 (below 1.5 and 1.75); N_Rd,3 = 1.41736 x 0.024 x 1476.82 = 50.237
    in->LiczbaSilSkup = 3;
    in->Sily[1].hN = 250;
    in->Sily[2].hN = 290;
    in->Sily[2].aT = 12;
    run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.N_Rd, 93.532, 1e-3);
    EXPECT_NEAR(run.r.l_eff2, 48.868, 1e-3);
    EXPECT_NEAR(run.r.A_b2, 0.05, 1e-12);
    EXPECT_NEAR(run.r.beta2, 1.23877, 1e-5);
    EXPECT_NEAR(run.r.N_Rd2, 91.472, 1e-3);
    EXPECT_NEAR(run.r.l_eff3, 25.774, 1e-3);
    EXPECT_NEAR(run.r.A_b3, 0.024, 1e-12);
    EXPECT_NEAR(run.r.beta3, 1.41736, 1e-5);
    EXPECT_NEAR(run.r.N_Rd3, 50.237, 1e-3);
    EXPECT_TRUE(run.has("Nośność pod obciążeniem skupionym NRd,3 = 50,237 kN"));

    // A third load 1 cm deep with A_b,3/A_eff,3 = 0.06/0.0644 = 0.93 -> 0.45:
    // beta = 1.3 x 1.005 = 1.3065; N_Rd,3 = 1.3065 x 0.05 x 1476.82 = 96.473
    in->Sily[2].aT = 25;
    run = Calc(*in);
    EXPECT_NEAR(run.r.beta3, 1.3065, 1e-12);
    EXPECT_NEAR(run.r.N_Rd3, 96.473, 1e-3);
    EXPECT_TRUE(run.has(" Ab,3/Aeff,3 = 0,7760 > 0,45 -> do dalszych obliczeń przyjeto 0,45"));

    // units of group 2: beta 1 for every load
    in->RodzajElementuM = mkCeramic2;
    run = Calc(*in);
    EXPECT_EQ(run.r.beta2, 1.0);
    EXPECT_EQ(run.r.beta3, 1.0);
    EXPECT_NEAR(run.r.N_Rd3, 0.05 * run.r.f_d / 1000, 1e-12);

    // a single load leaves the other loads' results as they were
    TCalcResults start;
    start.N_Rd2 = -7;
    start.beta3 = -7;
    in->LiczbaSilSkup = 1;
    run = Calc(*in, start);
    EXPECT_EQ(run.r.N_Rd2, -7);
    EXPECT_EQ(run.r.beta3, -7);
}

TEST(WallConcentrated, EveryBearingLiesInTheWall)
{
    // a second or third bearing at or below the foot of the wall has no wall to spread into
    struct Bad { const char* what; void (*spoil)(TCalcInput&); };
    const Bad cases[] = {
        {"second at the foot", [](TCalcInput& i) { i.LiczbaSilSkup = 2; i.Sily[1].hN = 300; }},
        {"second below the foot", [](TCalcInput& i) { i.LiczbaSilSkup = 3; i.Sily[1].hN = 400; }},
        {"third at the foot", [](TCalcInput& i) { i.LiczbaSilSkup = 3; i.Sily[2].hN = 300; }},
    };
    for (const Bad& bad : cases) {
        auto in = DefaultWall();
        bad.spoil(*in);
        const CaseRun run = Calc(*in);
        EXPECT_EQ(run.error, ceLoadOutsideWall) << bad.what;
        EXPECT_EQ(run.lines.size(), 3u) << bad.what;
    }
    // a third load at the foot is not read when only two are described
    auto in = DefaultWall();
    in->LiczbaSilSkup = 2;
    in->Sily[2].hN = 300;
    EXPECT_EQ(Calc(*in).error, 0);
}

// A bearing deeper than the wall bears on the wall's thickness only.
TEST(WallConcentrated, BearingDepthIsTheWallsAtMost)
{
    // t 12, l 300, load 1 at 150: A = 0.36 -> eta_A 1, f_d = 3.65514/2.2 = 1661.43 kPa;
    // A_b = 12 x 20/10000 = 0.024 (not 25 x 20); l_eff = 20 + 2 x 86.603 = 193.205;
    // A_eff = 0.231846, r = 0.10352; a_1 = 140: beta = 1.14 x 1.38613 = 1.580 -> 1.5
    // -> 1.25 + 140/600 = 1.48333; N_Rd = 1.48333 x 0.024 x 1661.43 = 59.147 (25 cm: 119.58)
    auto in = DefaultWall();
    in->t = 12;
    in->l = 300;
    in->Sily[0].a1 = 150;
    in->LiczbaSilSkup = 2;
    in->Sily[1].a1 = 160;
    in->Sily[1].aT = 40;
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.A_b, 0.024, 1e-12);
    EXPECT_NEAR(run.r.N_Rd, 59.147, 1e-3);
    // the second load the same, its a1 = 160 the left side of the bearing, next to the
    // first: a_1 = 300 - 180 = 120: beta = 1.12 x 1.38613 = 1.5525 -> 1.5 -> 1.25 + 120/600
    // = 1.45; N_Rd,2 = 1.45 x 0.024 x 1661.43 = 57.818
    EXPECT_NEAR(run.r.A_b2, 0.024, 1e-12);
    EXPECT_NEAR(run.r.N_Rd2, 57.818, 1e-3);
}

// The wall under two bearings that share a length of it carries both loads:
// such an element has no verdict of its own loads, whatever their depths.
TEST(WallConcentrated, BearingsThatShareTheWallAreAnError)
{
    const auto spans = [](const TCalcResults& r) {
        return std::vector<double>{double(r.Overlap[0].load), r.Overlap[0].from, r.Overlap[0].to,
                                   double(r.Overlap[1].load), r.Overlap[1].from, r.Overlap[1].to};
    };
    TCalcResults start;
    start.A = -7;
    start.N_Rd = -7;

    // loads 2 (80..110 cm) and 3 (70..95 cm) share 15 cm of a wall 200 cm wide
    auto in = DefaultWall();
    in->l = 200;
    in->LiczbaSilSkup = 3;
    in->Sily[1].a1 = 80;
    in->Sily[1].aL = 30;
    in->Sily[2].a1 = 70;
    in->Sily[2].aL = 25;
    CaseRun run = Calc(*in, start);
    EXPECT_EQ(run.error, ceBearingsOverlap);
    EXPECT_EQ(run.lines, (TTraceLines{"ŚCIANA OBCIĄŻONA SIŁĄ SKUPIONĄ:", "",
                                      "Pola oddziaływania obciążeń skupionych nachodzą na siebie.!"}));
    EXPECT_EQ(spans(run.r), (std::vector<double>{2, 80, 110, 3, 70, 95}));
    EXPECT_EQ(run.r.A, -7);   // nothing computed
    EXPECT_EQ(run.r.N_Rd, -7);

    // the third load 55..80 only touches the second: calculated as before
    in->Sily[2].a1 = 55;
    run = Calc(*in);
    EXPECT_EQ(run.error, 0);

    // load 1 (centre 100: 90..110) over load 2 (100..120) lying 150 cm deeper
    in = DefaultWall();
    in->l = 200;
    in->LiczbaSilSkup = 2;
    in->Sily[0].a1 = 100;
    in->Sily[1].a1 = 100;
    in->Sily[1].hN = 150;
    run = Calc(*in);
    EXPECT_EQ(run.error, ceBearingsOverlap);
    EXPECT_EQ(spans(run.r), (std::vector<double>{1, 90, 110, 2, 100, 120}));
    // the second load's left edge on the first's right edge
    in->Sily[1].a1 = 110;
    EXPECT_EQ(Calc(*in).error, 0);

    // three loads, the first (10..30) and the third (25..45) share 5 cm
    in = DefaultWall();
    in->LiczbaSilSkup = 3;
    in->Sily[2].a1 = 25;
    run = Calc(*in);
    EXPECT_EQ(run.error, ceBearingsOverlap);
    EXPECT_EQ(spans(run.r), (std::vector<double>{1, 10, 30, 3, 25, 45}));
    // a third load over the second is not the element's when only two are described
    in->LiczbaSilSkup = 2;
    in->Sily[2].a1 = 55;
    EXPECT_EQ(Calc(*in).error, 0);
}

// What the engineer sees: the element's verdict follows every load.
TEST(WallConcentrated, AFailingFurtherLoadFailsTheElement)
{
    ProjectSession s;
    ASSERT_TRUE(s.setCase(ccConcentratedLoad));
    // the default wall with the loads at a1 = 20, 50 (left side), 70: N_Rd = 93.532,
    // N_Rd,2 = 95.993 (hand-worked above)
    s.editCurrent([](TProjectElement& e) {
        e.Input.t = 25;
        e.Input.l = 100;
        e.Input.LiczbaSilSkup = 2;
        e.Input.Sily[0].NSd = 90;
        e.Input.Sily[1].NSd = 95;
    });
    EXPECT_NEAR(s.results().N_Rd2, 95.993, 1e-3);
    EXPECT_EQ(s.verdict(), TVerdict::Satisfied);
    s.editCurrent([](TProjectElement& e) { e.Input.Sily[1].NSd = 96; });
    EXPECT_EQ(s.verdict(), TVerdict::ExceededOrNotCalculated);
    EXPECT_TRUE(IsCapacityExceeded(s.current().Input, s.results()));

    // the third load: the bearing 12 cm deep 290 cm down at 70 gives N_Rd,3 = 50.237
    s.editCurrent([](TProjectElement& e) {
        e.Input.Sily[1].NSd = 95;
        e.Input.LiczbaSilSkup = 3;
        e.Input.Sily[2].aT = 12;
        e.Input.Sily[2].hN = 290;
        e.Input.Sily[2].NSd = 50;
    });
    EXPECT_EQ(s.verdict(), TVerdict::Satisfied);
    s.editCurrent([](TProjectElement& e) { e.Input.Sily[2].NSd = 50.5; });
    EXPECT_EQ(s.verdict(), TVerdict::ExceededOrNotCalculated);
    // back to two loads: the third is not part of the element
    s.editCurrent([](TProjectElement& e) { e.Input.LiczbaSilSkup = 2; });
    EXPECT_EQ(s.verdict(), TVerdict::Satisfied);

    // a further load's value outside the editor's range is no verdict
    s.editCurrent([](TProjectElement& e) { e.Input.Sily[1].NSd = -1; });
    EXPECT_EQ(s.verdict(), TVerdict::Error);
    EXPECT_EQ(s.results().Error, ceInvalidInput);
}

// What the engineer sees: two loads that pass alone but share their wall give
// the error verdict, not a pass.
TEST(WallConcentrated, SharedBearingIsNoPass)
{
    // Wall 25 x 200 cm: A = 0.5 -> f_d = 3.65514/2.2 = 1661.43 kPa; bearings 30 x 25 cm
    // at 80 (load 2) and 25 x 25 cm at 55 (load 3, touching it), h_c 300, spread 86.60:
    // load 2: A_b,2 = 0.075; c_L 80, c_R 90: l_eff,2 = 196.60, r = 0.075/0.49151 = 0.15259;
    //   beta = 1.08 x 1.33215 = 1.4387 -> 1.25 + 80/600 = 1.38333; N_Rd,2 = 172.373
    // load 3: A_b,3 = 0.0625; c_L 55, c_R 120: l_eff,3 = 166.60, r = 0.0625/0.41651 = 0.15006;
    //   beta = 1.055 x 1.33494 = 1.4084 -> 1.25 + 55/600 = 1.34167; N_Rd,3 = 139.318
    ProjectSession s;
    ASSERT_TRUE(s.setCase(ccConcentratedLoad));
    s.editCurrent([](TProjectElement& e) {
        e.Input.l = 200;
        e.Input.LiczbaSilSkup = 3;
        e.Input.Sily[0].NSd = 50;
        e.Input.Sily[1] = {130, 30, 25, 80, 0};
        e.Input.Sily[2] = {130, 25, 25, 55, 0};
    });
    ASSERT_EQ(s.results().Error, 0);
    EXPECT_NEAR(s.results().N_Rd2, 172.373, 1e-3);
    EXPECT_NEAR(s.results().N_Rd3, 139.318, 1e-3);
    EXPECT_EQ(s.verdict(), TVerdict::Satisfied);

    // load 3 moved to 70: its bearing 70..95 shares 15 cm with load 2's 80..110
    s.editCurrent([](TProjectElement& e) { e.Input.Sily[2].a1 = 70; });
    EXPECT_EQ(s.results().Error, ceBearingsOverlap);
    EXPECT_EQ(s.verdict(), TVerdict::Error);
    EXPECT_TRUE(IsCapacityExceeded(s.current().Input, s.results()));
}
