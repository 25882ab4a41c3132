#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/MyUtils.h"
#include "tests/core/support/CalcSupport.h"
#include "core/ZunCalc.h"

using namespace orv;

namespace {

// Default pier 25 x 25 cm, h 300 cm, ceramic group 1, f_b 10, M5, gamma_m 2.2:
// A = 0.0625 < 0.09 -> eta_A = 2.0, f_d = 3.65514/(2.2 x 2) = 0.83071 MPa,
// N_0R,d = 0.0625 x 830.71 = 51.9195 kN; G_s = 3 x 0.25 x 0.25 x 18 x 1.1 = 3.7125 kN.
std::unique_ptr<TCalcInput> Pier()
{
    return orvtest::DefaultInput(5);
}

// N_Sd 40 kN, M_x 1 kNm, M_y 0.5 kNm; no support in x (h_eff 6 m), r.c. member in y (3 m).
std::unique_ptr<TCalcInput> LoadedPier()
{
    auto in = Pier();
    in->Sily[0].NSd = 40;
    in->Msdx = 1;
    in->Msdy = 0.5;
    in->PodpSTyp_y = 1;
    return in;
}

using orvtest::CaseRun;
constexpr orvtest::CaseCalc<CalcColumn> Calc;

} // namespace

TEST(Column, DefaultPierStrength)
{
    auto in = Pier();
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.A, 0.0625, 1e-12);
    EXPECT_NEAR(run.r.f_d / 1e6, 0.830713, 1e-6);
    EXPECT_NEAR(run.r.N_0Rd, 51.9195, 1e-4);
    EXPECT_EQ(run.r.SlendernessLimit, 25);
    EXPECT_DOUBLE_EQ(run.r.h_eff, 6.0);
    EXPECT_DOUBLE_EQ(run.r.h_eff_y, 6.0);
    // no force: e_1 = e_a, M_1d = 0; N_md = G_s/2 and M_md = 0.5 x 3.7125 x 0.01, so e_m = 0.01
    EXPECT_EQ(run.r.N_1d, 0);
    EXPECT_NEAR(run.r.N_md, 1.85625, 1e-12);
    EXPECT_NEAR(run.r.Phi_1, 0.92, 1e-12);
    EXPECT_NEAR(run.r.Phi_1y, 0.92, 1e-12);
    // a square pier with equal supports: both directions alike, N_xy = 1/(2/N - 1/N_0)
    EXPECT_DOUBLE_EQ(run.r.N_mRd, run.r.N_mRd_y);
    EXPECT_NEAR(run.r.N_mRd_xy, 1 / (2 / run.r.N_mRd - 1 / run.r.N_0Rd), 1e-9);
    EXPECT_EQ(run.lines[14], "Ponieważ A<" + FormatFixed(1, 0.3) + " m2 -> eta_A = " + FormatFixed(2, 2.0));
}

TEST(Column, LoadedPierTraceWordForWord)
{
    // x: M_1d = 1 + 40 x 0.01 = 1.4, e_1 = 0.035, Phi_1 = 0.72 -> 37.382;
    //    N_2d = 43.7125, M_2d = 0.437125; M_md = 0.6 x 1.4 + 0.5 x 0.437125 = 1.05856,
    //    N_md = 41.85625, e_m = 0.025290; lambda = 24/sqrt(689.655) = 0.91390,
    //    Phi_m = 0.79768 x exp(-u^2/2), u = 0.85090/0.61163 -> 0.30309 -> 15.736;
    //    Phi_2 = 0.92 -> 47.766
    // y: M_1d = 0.9, e_1 = 0.0225, Phi 0.82 -> 42.574; M_md = 0.75856, e_m = 0.018123,
    //    Phi_m = 0.70960 -> 36.842
    // xy: 1/(1/37.382 + 1/42.574 - 1/51.9195) = 32.280; m-m 14.000; 2-2 44.228
    SetDecimalSeparator(',');
    auto in = LoadedPier();
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.N_1Rd, 37.382, 1e-3);
    EXPECT_NEAR(run.r.Phi_m, 0.303091, 1e-6);
    EXPECT_NEAR(run.r.N_2Rd, 47.766, 1e-3);
    EXPECT_NEAR(run.r.N_1Rd_y, 42.574, 1e-3);
    EXPECT_NEAR(run.r.Phi_my, 0.709604, 1e-6);
    EXPECT_NEAR(run.r.N_1Rd_xy, 32.280, 1e-3);
    EXPECT_NEAR(run.r.N_mRd_xy, 14.000, 1e-3);
    EXPECT_NEAR(run.r.N_2Rd_xy, 44.228, 1e-3);
    EXPECT_NEAR(run.r.N_2d, 43.7125, 1e-12);
    EXPECT_DOUBLE_EQ(run.r.e_a, 0.01);
    const TTraceLines expected = orvtest::JoinedLines({
        {"SŁUP OBCIĄŻONY PIONOWO (model przegubowy):", ""},
        orvtest::DefaultStrengthSection("25,0", "0,063", "2,00", "0,83"),
        {
            "Określenie cechy sprężystości muru pod obciążeniem długotrwałym",
            "  - cecha sprężystości muru  alfa_c = 1000,0",
            "  - eta_E = 0,3",
            "  - fi_nieskoczność = 1,5",
            "  -> alfa_c,nieskoczność = 689,7",
            "",
            "Kierunek x:",
            "Współczynnik zależny od przestrzennego usztywnienia budynku  ro_h = 2,0",
            "Współczynnik zależny od usztywnienia ściany, przyjęto ro_1 = 1,0  ",
            "Wysokość efektywna ściany h_eff,x = ro_h·ro_1·h = 6,000 m",
            "Smukłość h_eff,x/t = 24,000< 25",
            "Przyjęto mimośród ea = 1,0 cm",
            "Przyjęto ciężar słupa G_s =3,71 kN",
            "Siła w przekroju 1-1 N_1d = 40,00 kN",
            "Moment w przekroju 1-1 M_1d = 1,40 kNm",
            "Mimośród e_1 = 3,5 cm",
            "Współczynnik redukcyjny nośności FI_1 = 0,720",
            "Nośność pod stropem N_1R,d,x = 37,382 kN",
            "Moment w przekroju m-m M_md = 1,06 kNm",
            "Mimośród w strefie środkowej e_m = 2,5 cm",
            "Współczynnik redukcyjny nośności FI_m = 0,303",
            "Nośność w strefie środkowej N_mR,d,x = 15,736 kN",
            "Siła w przekroju 2-2 N_2d = 43,71 kN",
            "Moment w przekroju 2-2 M_2d = 0,44 kNm",
            "Mimośród e_2 = 1,0 cm",
            "Współczynnik redukcyjny nośności FI_2 = 0,920",
            "Nośność nad stropem N_2R,d,x = 47,766 kN",
            "",
            "Kierunek y:",
            "Współczynnik zależny od przestrzennego usztywnienia budynku  ro_h = 1,0",
            "Współczynnik zależny od usztywnienia ściany, przyjęto ro_1 = 1,0  ",
            "Wysokość efektywna ściany h_eff,y = ro_h·ro_1·h = 3,000 m",
            "Smukłość h_eff,y/t = 12,000< 25",
            "",
            "Siła w przekroju 1-1 N_1d = 40,00 kN",
            "Moment w przekroju 1-1 M_1d = 0,90 kNm",
            "Mimośród e_1 = 2,3 cm",
            "Współczynnik redukcyjny nośności FI_1 = 0,820",
            "Nośność pod stropem N_1R,d,y = 42,574 kN",
            "Moment w przekroju m-m M_md = 0,76 kNm",
            "Mimośród w strefie środkowej e_m = 1,8 cm",
            "Współczynnik redukcyjny nośności FI_m = 0,710",
            "Nośność w strefie środkowej N_mR,d,y = 36,842 kN",
            "Siła w przekroju 2-2 N_2d = 43,71 kN",
            "Moment w przekroju 2-2 M_2d = 0,44 kNm",
            "Mimośród e_2 = 1,0 cm",
            "Współczynnik redukcyjny nośności FI_2 = 0,920",
            "Nośność nad stropem N_2R,d,y = 47,766 kN",
            "",
            "Uwzględnienie dwukierunkowego mimośrodowego ściskania:",
            "Nośność  N_0R,d = A * f_d = 51,920 kN",
            "Przekrój 1-1:",
            "Nośność pod stropem N_1R,d,xy = 1/[(1/N_1R,d,x)+(1/N_1R,d,y)-(1/N_0R,d)] = 32,280 kN",
            "Przekrój m-m:",
            "Nośność w strefie środkowej N_mR,d,xy = 1/[(1/N_mR,d,x)+(1/N_mR,d,y)-(1/N_0R,d)] = 14,000 kN",
            "Przekrój 2-2:",
            "Nośność nad stropem N_2R,d,xy = 1/[(1/N_2R,d,x)+(1/N_2R,d,y)-(1/N_0R,d)] = 44,228 kN",
        },
    });
    EXPECT_EQ(run.lines, expected);

    // a negative moment acts like the positive one
    in->Msdx = -1;
    in->Msdy = -0.5;
    const CaseRun neg = Calc(*in);
    EXPECT_EQ(neg.lines, expected);
}

TEST(Column, SupportsAndZeroForce)
{
    auto in = LoadedPier();
    in->PodpSTyp_x = 2;   // other member: 1.25
    CaseRun run = Calc(*in);
    EXPECT_DOUBLE_EQ(run.r.h_eff, 3.75);
    EXPECT_DOUBLE_EQ(run.r.h_eff_y, 3.0);

    // no force and no self weight: N_md = 0 gives e_m = 0, every number finite
    in = Pier();
    in->wylicz_Gs = 0;
    in->Gs_s = 0;
    in->Msdx = 2;
    run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_EQ(run.r.N_md, 0);
    // e_1 = e_a although M_1d = 2
    EXPECT_NEAR(run.r.Phi_1, 0.92, 1e-12);
    for (double v : {run.r.Phi_m, run.r.N_mRd, run.r.Phi_my, run.r.N_mRd_y, run.r.N_mRd_xy})
        EXPECT_TRUE(std::isfinite(v));
    EXPECT_GT(run.r.Phi_m, 0);

    // a moment so large that Phi_1 = 0 makes the biaxial capacity of that section 0
    in = LoadedPier();
    in->Msdx = 10;
    run = Calc(*in);
    EXPECT_EQ(run.r.Phi_1, 0);
    EXPECT_EQ(run.r.N_1Rd_xy, 0);
}

TEST(Column, BiaxialCapacity)
{
    // 1/(1/40 + 1/50 - 1/100) = 1/0.035
    EXPECT_NEAR(BiaxialCapacity(40, 50, 100), 28.5714, 1e-4);
    EXPECT_EQ(BiaxialCapacity(0, 50, 100), 0);
    EXPECT_EQ(BiaxialCapacity(40, -1, 100), 0);
    EXPECT_EQ(BiaxialCapacity(40, 50, 0), 0);
    EXPECT_EQ(BiaxialCapacity(NAN, 50, 100), 0);
    // capacities above N_0 that leave no positive sum give 0, not a negative or infinite value
    EXPECT_EQ(BiaxialCapacity(10, 10, 5), 0);
}

TEST(Column, Errors)
{
    TCalcResults start;
    start.N_1Rd = -7;
    start.N_1Rd_y = -7;
    start.N_1d = -7;

    // slenderness equal to the limit passes: h 312.5 without support, 6.25/0.25 = 25
    auto in = LoadedPier();
    in->h = 312.5;
    EXPECT_EQ(Calc(*in).error, 0);

    // direction x: 6.4/0.25 = 25.6
    in->h = 320;
    CaseRun run = Calc(*in, start);
    EXPECT_EQ(run.error, ceColumnSlendernessX);
    EXPECT_EQ(run.lines.back(), "Przekroczona zalecana smukłość słupa w kierunku x.!");
    EXPECT_DOUBLE_EQ(run.r.h_eff, 6.4);
    EXPECT_EQ(run.r.N_1d, -7);
    EXPECT_EQ(run.r.N_1Rd, -7);

    // direction y against the width: 30 x 20 cm, y without support: 6/0.2 = 30
    in = LoadedPier();
    in->t = 30;
    in->t2 = 20;
    in->PodpSTyp_x = 1;
    in->PodpSTyp_y = 0;
    SetDecimalSeparator(',');
    run = Calc(*in, start);
    EXPECT_EQ(run.error, ceColumnSlendernessY);
    EXPECT_EQ(run.lines[run.lines.size() - 2], "Smukłość h_eff,y/t = 30,000> 25");
    EXPECT_EQ(run.lines.back(), "Przekroczona zalecana smukłość słupa w kierunku y.!");
    EXPECT_DOUBLE_EQ(run.r.h_eff_y, 6.0);
    EXPECT_EQ(run.r.N_1d, 40);
    EXPECT_GT(run.r.N_1Rd, 0);
    EXPECT_EQ(run.r.N_1Rd_y, -7);

    struct Bad { const char* what; void (*spoil)(TCalcInput&); u8 error; };
    const Bad cases[] = {
        {"width 0", [](TCalcInput& i) { i.t2 = 0; }, ceGeometry},
        {"height 0", [](TCalcInput& i) { i.h = 0; }, ceGeometry},
        {"force NaN", [](TCalcInput& i) { i.Sily[0].NSd = NAN; }, ceInvalidInput},
        {"moment inf", [](TCalcInput& i) { i.Msdy = INFINITY; }, ceInvalidInput},
        {"support code", [](TCalcInput& i) { i.PodpSTyp_y = 3; }, ceInvalidInput},
        {"f_b 0", [](TCalcInput& i) { i.fb = 0; }, ceInvalidInput},
    };
    for (const Bad& bad : cases) {
        in = LoadedPier();
        bad.spoil(*in);
        run = Calc(*in, start);
        EXPECT_EQ(run.error, bad.error) << bad.what;
        EXPECT_EQ(run.lines.back(), CalcErrorText(bad.error) + "!") << bad.what;
        EXPECT_EQ(run.r.N_1Rd, -7) << bad.what;
    }
}
