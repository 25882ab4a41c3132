#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/MyUtils.h"
#include "tests/core/support/CalcSupport.h"
#include "core/ZunCalc.h"

using namespace orv;

namespace {

// Strength section of the default unit (ceramic g1, f_b 10, M5 general-purpose,
// prescribed, category I, execution B) over a t x b section, h 3 m.
u8 Section(TTraceLines& lines, TCalcResults& r, double t, double b, int kind = mkCeramic1,
           int mortarType = mtGeneral, double fb = 10, bool joint = false, bool show = true)
{
    return MasonryStrengthSection(lines, kind, 2, mortarType, 0, 0, 0, 1, fb, t, b, 3.0, joint, r, show);
}

} // namespace

TEST(CoefficientK, Table)
{
    EXPECT_DOUBLE_EQ(CoefficientK(mmCeramic, 1, mtGeneral), 0.45);
    EXPECT_DOUBLE_EQ(CoefficientK(mmCeramic, 2, mtThinLayer), 0.60);
    EXPECT_DOUBLE_EQ(CoefficientK(mmCeramic, 4, mtLightweight), 0.20);
    EXPECT_DOUBLE_EQ(CoefficientK(mmSilicate, 1, mtThinLayer), 0.55);
    EXPECT_DOUBLE_EQ(CoefficientK(mmSilicate, 2, mtGeneral), 0.40);
    EXPECT_DOUBLE_EQ(CoefficientK(mmAggregateConcrete, 3, mtThinLayer), 0.30);
    EXPECT_DOUBLE_EQ(CoefficientK(mmAggregateConcrete, 4, mtLightweight), 0.25);
    EXPECT_DOUBLE_EQ(CoefficientK(mmAAC, 1, mtThinLayer), 0.75);
    EXPECT_DOUBLE_EQ(CoefficientK(mmAAC, 1, mtLightweight), 0.40);
    EXPECT_DOUBLE_EQ(CoefficientK(mmNaturalStone, 1, mtThinLayer), 0.45);
    // combinations without K
    EXPECT_EQ(CoefficientK(mmSilicate, 1, mtLightweight), 0);
    EXPECT_EQ(CoefficientK(mmSilicate, 3, mtGeneral), 0);
    EXPECT_EQ(CoefficientK(mmCeramic, 1, 3), 0);
    EXPECT_EQ(CoefficientK(6, 1, mtGeneral), 0);
}

TEST(StrengthSection, CharacteristicStrength)
{
    TTraceLines lines;
    TCalcResults r;
    // 0.45 x 10^0.7 x 5^0.3 = 3.6551 MPa
    ASSERT_EQ(Section(lines, r, 0.25, 1.0), 0);
    EXPECT_NEAR(r.f_k / 1e6, 3.65514, 1e-5);
    // longitudinal joint: 0.8 x 3.65514 = 2.92411
    ASSERT_EQ(Section(lines, r, 0.25, 1.0, mkCeramic1, mtGeneral, 10, true), 0);
    EXPECT_NEAR(r.f_k / 1e6, 2.92411, 1e-5);
    // thin layer: ceramic g2 0.6 x 10^0.7 = 3.00712; ceramic g1 0.5 x 10^0.85 = 3.53973;
    // silicate g1 0.55 x 10^0.85 = 3.89370
    ASSERT_EQ(Section(lines, r, 0.25, 1.0, mkCeramic2, mtThinLayer), 0);
    EXPECT_NEAR(r.f_k / 1e6, 3.00712, 1e-5);
    ASSERT_EQ(Section(lines, r, 0.25, 1.0, mkCeramic1, mtThinLayer), 0);
    EXPECT_NEAR(r.f_k / 1e6, 3.53973, 1e-5);
    ASSERT_EQ(Section(lines, r, 0.25, 1.0, mkSilicate1, mtThinLayer), 0);
    EXPECT_NEAR(r.f_k / 1e6, 3.89370, 1e-5);
    // aerated concrete, thin layer: 0.8 x 0.75 x 2^0.85 = 1.08150; at 2.4 no 0.8: 1.57849
    ASSERT_EQ(Section(lines, r, 0.25, 1.0, mkAAC, mtThinLayer, 2.0), 0);
    EXPECT_NEAR(r.f_k / 1e6, 1.08150, 1e-5);
    ASSERT_EQ(Section(lines, r, 0.25, 1.0, mkAAC, mtThinLayer, 2.4), 0);
    EXPECT_NEAR(r.f_k / 1e6, 1.57849, 1e-5);
}

TEST(StrengthSection, PartialFactorAndDesignStrength)
{
    struct Row { int situation, category, designed, execution; double gamma; };
    const Row rows[] = {
        {0, 0, 1, 0, 1.7}, {0, 0, 1, 1, 2.0}, {1, 0, 0, 0, 2.0}, {0, 0, 0, 1, 2.2},
        {0, 1, 1, 0, 2.2}, {0, 1, 0, 1, 2.5}, {2, 1, 0, 1, 1.3}, {2, 0, 1, 0, 1.3},
    };
    for (const Row& row : rows) {
        TTraceLines lines;
        TCalcResults r;
        ASSERT_EQ(MasonryStrengthSection(lines, mkCeramic1, 2, mtGeneral, row.designed, row.situation,
                                         row.category, row.execution, 10, 0.4, 1.0, 3.0, false, r, true), 0);
        EXPECT_DOUBLE_EQ(r.gamma_m, row.gamma);
        // A = 0.4 m2 >= 0.3: f_d = f_k/gamma_m
        EXPECT_NEAR(r.f_d, r.f_k / row.gamma, 1e-6);
    }
    // 25 x 100 cm: A 0.25, eta_A = 1.25 - 0.5 x 0.25 = 1.125, f_d = 3.65514/(2.2 x 1.125) = 1.47682
    TTraceLines lines;
    TCalcResults r;
    ASSERT_EQ(Section(lines, r, 0.25, 1.0), 0);
    EXPECT_DOUBLE_EQ(r.A, 0.25);
    EXPECT_NEAR(r.f_d / 1e6, 1.47682, 1e-5);
    // A exactly 0.3: no small-area factor
    ASSERT_EQ(Section(lines, r, 0.3, 1.0), 0);
    EXPECT_NEAR(r.f_d, r.f_k / 2.2, 1e-6);
    // The basement wall form shows no section: no factor even for A < 0.3.
    ASSERT_EQ(Section(lines, r, 0.25, 1.0, mkCeramic1, mtGeneral, 10, false, false), 0);
    EXPECT_NEAR(r.f_d, r.f_k / 2.2, 1e-6);
}

TEST(StrengthSection, SmallAreaFactor)
{
    EXPECT_DOUBLE_EQ(SmallAreaFactor(0.3), 1.0);
    EXPECT_DOUBLE_EQ(SmallAreaFactor(1.5), 1.0);
    EXPECT_NEAR(SmallAreaFactor(0.25), 1.125, 1e-12);
    EXPECT_NEAR(SmallAreaFactor(0.2), 1.25, 1e-12);
    EXPECT_NEAR(SmallAreaFactor(0.16), 1.34, 1e-12);   // 1.43 - 0.5 x 0.18
    EXPECT_NEAR(SmallAreaFactor(0.12), 1.43, 1e-12);
    EXPECT_NEAR(SmallAreaFactor(0.10), 1.81, 1e-12);   // 2.0 - 1/3 x 0.57
    EXPECT_DOUBLE_EQ(SmallAreaFactor(0.09), 2.0);
    EXPECT_DOUBLE_EQ(SmallAreaFactor(0.05), 2.0);
}

TEST(StrengthSection, TraceLines)
{
    SetDecimalSeparator(',');
    TTraceLines lines;
    TCalcResults r;
    // aerated concrete 2 MPa, thin layer, joint, 40 x 100 cm: A 0.4 >= 0.3
    ASSERT_EQ(MasonryStrengthSection(lines, mkAAC, 2, mtThinLayer, 1, 0, 0, 0, 2.0, 0.4, 1.0, 2.5,
                                     true, r, true), 0);
    // f_k = 0.8 x 0.8 x 0.75 x 2^0.85 = 0.86520 MPa; f_d = 0.86520/1.7 = 0.50894
    const TTraceLines expected = {
        "Ściana z elementów z autoklawizowanego betonu komórkowego",
        "Znormalizowana wytrzymałość elementu murowego na ściskanie f_b = 2,00 MPa",
        "zaprawa: do cienkich spoin, projektowana",
        "Współczynnik K = 0,75",
        "Mur ze spoiną podłużną ->  eta = 0,8",
        "Wytrzymałość charakterystyczna muru na ściskanie  f_k = 0,87 MPa",
        "",
        "Grubość ściany t = 40,0 cm",
        "Szerokość ściany b = 100,0 cm",
        "Wysokość ściany h = 250,0 cm",
        "Pole przekroju poprzecznego ściany  A = 0,400 m2",
        "",
        "Przyjęto gamma_m = 1,7",
        "Wytrzymałość muru na ściskanie  f_d = f_k/gamma_m = 0,51 MPa",
    };
    EXPECT_EQ(lines, expected);

    // Without the section: no width and no area line.
    lines.clear();
    ASSERT_EQ(Section(lines, r, 0.25, 1.0, mkCeramic1, mtGeneral, 10, false, false), 0);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[7], "Wysokość ściany h = 300,0 cm");
    EXPECT_EQ(lines[8], "");
}

TEST(StrengthSection, Errors)
{
    TTraceLines lines;
    TCalcResults r;
    r.f_k = 123;
    // silicate with lightweight mortar has no K: an error, not f_k = 0
    EXPECT_EQ(Section(lines, r, 0.25, 1.0, mkSilicate1, mtLightweight), ceNoCoefficientK);
    EXPECT_EQ(lines.back(), "Błąd nieopisany (nr 36).!");
    EXPECT_EQ(r.f_k, 123);
    EXPECT_EQ(Section(lines, r, 0.25, 1.0, mkSilicate2, 5), ceNoCoefficientK);

    lines.clear();
    EXPECT_EQ(Section(lines, r, 0.0, 1.0), ceGeometry);
    EXPECT_EQ(lines, TTraceLines{"Brak rozwiązania dla przyjętej geometrii ściany.!"});
    EXPECT_EQ(Section(lines, r, 0.25, -1.0), ceGeometry);
    EXPECT_EQ(Section(lines, r, NAN, 1.0), ceGeometry);
    EXPECT_EQ(MasonryStrengthSection(lines, 0, 2, 0, 0, 0, 0, 1, 10, 0.25, 1.0, 0.0, false, r, true), ceGeometry);
    EXPECT_EQ(Section(lines, r, 0.25, 1.0, 13), ceInvalidInput);
    EXPECT_EQ(Section(lines, r, 0.25, 1.0, mkCeramic1, mtGeneral, -5), ceInvalidInput);
    EXPECT_EQ(Section(lines, r, 0.25, 1.0, mkCeramic1, mtGeneral, INFINITY), ceInvalidInput);
    EXPECT_EQ(r.f_k, 123);
}

TEST(ReductionFactors, EndSection)
{
    // 1 - 2 e/t for group 1: e = 0.02, t = 0.25 -> 0.84; e = t/2 -> 0; beyond -> 0, not negative
    EXPECT_NEAR(ReductionFactorEnd(1, mmCeramic, 0.02, 0.25), 0.84, 1e-12);
    EXPECT_NEAR(ReductionFactorEnd(1, mmCeramic, 0.125, 0.25), 0.0, 1e-12);
    EXPECT_EQ(ReductionFactorEnd(1, mmCeramic, 0.2, 0.25), 0.0);
    // groups 3, 4 and aggregate concrete: 1/(1 + 5 e/t); e = t/2 -> 1/3.5
    EXPECT_NEAR(ReductionFactorEnd(3, mmCeramic, 0.125, 0.25), 1 / 3.5, 1e-12);
    EXPECT_NEAR(ReductionFactorEnd(4, mmCeramic, 0.125, 0.25), 1 / 3.5, 1e-12);
    EXPECT_NEAR(ReductionFactorEnd(1, mmAggregateConcrete, 0.025, 0.25), 1 / 1.5, 1e-12);
    EXPECT_EQ(ReductionFactorEnd(1, mmCeramic, 0.02, 0.0), 0.0);
    EXPECT_EQ(ReductionFactorEnd(3, mmCeramic, -0.05, 0.25), 0.0);   // 1 + 5e/t = 0
}

TEST(ReductionFactors, NeverAboveOne)
{
    // A negative eccentricity (a ring beam wider than the wall) must not lift
    // the capacity above A f_d: 1 - 2 (-0.02)/0.25 = 1.16 and 1/(1 - 0.4) = 1.67 become 1.
    EXPECT_EQ(ReductionFactorEnd(1, mmCeramic, -0.02, 0.25), 1.0);
    EXPECT_EQ(ReductionFactorEnd(3, mmCeramic, -0.02, 0.25), 1.0);
    EXPECT_EQ(ReductionFactorEnd(1, mmAggregateConcrete, -0.02, 0.25), 1.0);
    EXPECT_EQ(ReductionFactorEnd(1, mmCeramic, 0.0, 0.25), 1.0);
    // short wall, e_m = -0.01: (1 + 0.08) exp(-u^2/2) with u = 0.0131/0.7768: 1.0798 -> 1
    const double aci = 1000 / 1.45;
    EXPECT_EQ(ReductionFactorMid(1, 0.5, 0.25, -0.01, aci), 1.0);
    for (double e = -0.1; e <= 0.2; e += 0.01) {
        EXPECT_LE(ReductionFactorEnd(1, mmCeramic, e, 0.25), 1.0) << e;
        EXPECT_LE(ReductionFactorEnd(4, mmCeramic, e, 0.25), 1.0) << e;
        EXPECT_LE(ReductionFactorMid(1, 0.5, 0.25, e, aci), 1.0) << e;
    }
}

TEST(ReductionFactors, MiddleZone)
{
    const double aci = 1000 / 1.45;  // 689.655
    // lambda = sqrt(1/689.655) x 12 = 0.45695; u = 0.39395/(0.73 - 0.0468) = 0.57663;
    // Phi_m = 0.92 x exp(-0.16625) = 0.77909
    EXPECT_NEAR(ReductionFactorMid(1, 3.0, 0.25, 0.01, aci), 0.77909, 1e-5);
    // group 3: (1 - 0.4) exp(..) = 0.43769 is below 1/(1 + 1) = 0.5
    EXPECT_NEAR(ReductionFactorMid(3, 3.0, 0.25, 0.05, aci), 0.43769, 1e-5);
    // a short wall in group 3: the hyperbola 1/(1 + 5 x 0.2) = 0.5 governs
    EXPECT_NEAR(ReductionFactorMid(3, 0.5, 0.25, 0.05, aci), 0.5, 1e-12);
    // e_m >= t/2 gives 0, also where 0.73 - 1.17 e_m/t vanishes (e_m/t = 0.624)
    EXPECT_EQ(ReductionFactorMid(1, 3.0, 0.25, 0.125, aci), 0.0);
    EXPECT_EQ(ReductionFactorMid(1, 3.0, 0.25, 0.624 * 0.25, aci), 0.0);
    EXPECT_EQ(ReductionFactorMid(1, 3.0, 0.0, 0.01, aci), 0.0);
    EXPECT_EQ(ReductionFactorMid(1, 3.0, 0.25, 0.01, 0.0), 0.0);

    // capacity falls as the eccentricity or the height rises
    double prev = 2;
    for (double e = 0; e < 0.125; e += 0.005) {
        const double phi = ReductionFactorMid(1, 3.0, 0.25, e, aci);
        EXPECT_LT(phi, prev);
        EXPECT_GE(phi, 0);
        prev = phi;
    }
    prev = 2;
    for (double heff = 1.0; heff <= 6.25; heff += 0.25) {
        const double phi = ReductionFactorMid(2, heff, 0.25, 0.02, aci);
        EXPECT_LT(phi, prev);
        prev = phi;
    }
}

TEST(SharedFormulas, SlendernessModulusBits)
{
    EXPECT_EQ(LimitSlenderness(mkConcrete4, 5), 18);
    EXPECT_EQ(LimitSlenderness(mkCeramic1, 1), 18);
    EXPECT_EQ(LimitSlenderness(mkCeramic1, 2), 25);
    EXPECT_EQ(LimitSlenderness(mkAAC, 9), 18);  // unknown class: 1 MPa

    // 1000 x 3.65514 MPa; with M2.5: 600 x 0.45 x 10^0.7 x 2.5^0.3 = 1781.34 MPa;
    // aerated concrete always 600: 600 x 0.45 x 5^0.7 x 10^0.3 = 1662.04 MPa
    EXPECT_NEAR(MasonryModulusE(mkCeramic1, 2, mtGeneral, 10) / 1e6, 3655.14, 0.01);
    EXPECT_NEAR(MasonryModulusE(mkCeramic1, 1, mtGeneral, 10) / 1e6, 1781.34, 0.01);
    EXPECT_NEAR(MasonryModulusE(mkAAC, 3, mtGeneral, 5) / 1e6, 1662.04, 0.01);
    EXPECT_EQ(MasonryModulusE(mkSilicate1, 2, mtLightweight, 10), 0);
    EXPECT_EQ(MasonryModulusE(mkCeramic1, 2, mtGeneral, -1), 0);
    EXPECT_EQ(MasonryModulusE(20, 2, mtGeneral, 10), 0);

    EXPECT_TRUE(IsBitSet(5, 0));
    EXPECT_FALSE(IsBitSet(5, 1));
    EXPECT_TRUE(IsBitSet(5, 2));
    EXPECT_TRUE(IsBitSet(-1, 31));
    EXPECT_FALSE(IsBitSet(-1, 32));
    EXPECT_FALSE(IsBitSet(1, -1));
}

TEST(EffectiveHeight, StiffeningAndSlenderness)
{
    SetDecimalSeparator(',');
    auto in = orvtest::DefaultInput();
    TTraceLines lines;
    TCalcResults r;

    // no stiffening: h_eff = h
    ASSERT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 3.0, 1.0, r), 0);
    EXPECT_DOUBLE_EQ(r.h_eff, 3.0);
    EXPECT_EQ(r.SlendernessLimit, 25);
    EXPECT_EQ(lines, (TTraceLines{
        "Współczynnik zależny od przestrzennego usztywnienia budynku  ro_h = 1,0",
        "Współczynnik zależny od usztywnienia ściany ro_2 = 1,000",
        "Wysokość efektywna ściany h_eff = ro_h·ro_2·h = 3,000 m",
        "Smukłość h_eff/t = 12,000< 25"}));

    // one edge, l 1 m, h 3 m: 1/(1 + (3/3)^2) = 0.5
    in->UsztywnienieSciany = 1;
    lines.clear();
    ASSERT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 3.0, 1.0, r), 0);
    EXPECT_NEAR(r.h_eff, 1.5, 1e-12);
    EXPECT_EQ(lines[1], "Współczynnik zależny od usztywnienia ściany ro_2 = 1,000 ro_3 = 0,500");
    EXPECT_EQ(lines[2], "Wysokość efektywna ściany h_eff = ro_h·ro_3·h = 1,500 m");
    // h 4 m > 3.5 l: 1.5 l/h = 0.375, not below 0.3
    ASSERT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 4.0, 1.0, r), 0);
    EXPECT_NEAR(r.h_eff, 4.0 * 0.375, 1e-12);
    // h 6 m: 1.5/6 = 0.25 -> 0.3
    ASSERT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 6.0, 1.0, r), 0);
    EXPECT_NEAR(r.h_eff, 6.0 * 0.3, 1e-12);
    // l >= 15 t: held at top and bottom only
    lines.clear();
    ASSERT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 3.0, 3.75, r), 0);
    EXPECT_DOUBLE_EQ(r.h_eff, 3.0);
    EXPECT_EQ(lines[1], "Ponieważ l>=15·t, przyjęto że ściana jest uszytwniona tylko z dołu i z góry");
    EXPECT_EQ(lines[2], "Współczynnik zależny od usztywnienia ściany ro_2 = 1,000");

    // both edges: h > l gives 0.5 l/h = 1/6; h 0.8 <= l gives 1/(1 + 0.64)
    in->UsztywnienieSciany = 2;
    lines.clear();
    ASSERT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 3.0, 1.0, r), 0);
    EXPECT_NEAR(r.h_eff, 0.5, 1e-12);
    EXPECT_EQ(lines[1], "Współczynnik zależny od usztywnienia ściany ro_2 = 1,000 ro_4 = 0,167");
    EXPECT_EQ(lines[2], "Wysokość efektywna ściany h_eff = ro_h·ro_4·h = 0,500 m");
    ASSERT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 0.8, 1.0, r), 0);
    EXPECT_NEAR(r.h_eff, 0.8 / 1.64, 1e-12);
    lines.clear();
    ASSERT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 3.0, 7.5, r), 0);
    EXPECT_EQ(lines[1], "Ponieważ l>=30·t, przyjęto że ściana jest uszytwniona tylko z dołu i z góry");
    // a stiffening wall at distance 0 is no geometry
    EXPECT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 3.0, 0.0, r), ceGeometry);

    // building stiffening row 2, other slabs: rho_h 2.0; h_eff 6 m, t 0.25: 24 passes
    in->UsztywnienieSciany = 0;
    in->RodzajKonstrSciany = 2;
    in->RodzajStropow = 1;
    ASSERT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 3.0, 1.0, r), 0);
    EXPECT_DOUBLE_EQ(r.h_eff, 6.0);
    // t 0.2: 30 > 25
    lines.clear();
    EXPECT_EQ(EffectiveHeightCheck(lines, *in, 0.2, 3.0, 1.0, r), ceSlenderness);
    EXPECT_EQ(lines[0], "Współczynnik zależny od przestrzennego usztywnienia budynku  ro_h = 2,0");
    EXPECT_EQ(lines[3], "Smukłość h_eff/t = 30,000> 25");
    EXPECT_EQ(lines[4], "Przekroczona zalecana smukłość ściany.!");
    EXPECT_EQ(lines.size(), 5u);
    // row 1 with concrete slabs: 1.25
    in->RodzajKonstrSciany = 1;
    in->RodzajStropow = 0;
    ASSERT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 3.0, 1.0, r), 0);
    EXPECT_DOUBLE_EQ(r.h_eff, 3.75);
    // codes out of range from a damaged file
    in->RodzajKonstrSciany = 3;
    EXPECT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 3.0, 1.0, r), ceInvalidInput);
    in->RodzajKonstrSciany = 0;
    in->UsztywnienieSciany = 7;
    EXPECT_EQ(EffectiveHeightCheck(lines, *in, 0.25, 3.0, 1.0, r), ceInvalidInput);
}

TEST(SharedFormulas, EccentricityAndLongTermCharacteristic)
{
    SetDecimalSeparator(',');
    TTraceLines lines;
    TCalcResults r;
    EXPECT_DOUBLE_EQ(AccidentalEccentricity(lines, 2.7, r), 0.01);
    EXPECT_DOUBLE_EQ(AccidentalEccentricity(lines, 4.5, r), 0.015);
    EXPECT_DOUBLE_EQ(r.e_a, 0.015);
    EXPECT_EQ(lines.back(), "Przyjęto mimośród ea = 1,5 cm");

    lines.clear();
    // 1000/(1 + 1.5 x 0.3) = 689.655
    EXPECT_NEAR(LongTermElasticCharacteristic(lines, 2, mmCeramic), 689.655, 1e-3);
    EXPECT_EQ(lines, (TTraceLines{
        "Określenie cechy sprężystości muru pod obciążeniem długotrwałym",
        "  - cecha sprężystości muru  alfa_c = 1000,0",
        "  - eta_E = 0,3",
        "  - fi_nieskoczność = 1,5",
        "  -> alfa_c,nieskoczność = 689,7"}));
    // M2.5 or aerated concrete: 600/1.45 = 413.793
    EXPECT_NEAR(LongTermElasticCharacteristic(lines, 1, mmCeramic), 413.793, 1e-3);
    EXPECT_NEAR(LongTermElasticCharacteristic(lines, 5, mmAAC), 413.793, 1e-3);
}
