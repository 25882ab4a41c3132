// The design load from the storeys above: sums against hand-worked numbers,
// the basement variant, length units, and the guards against bad numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "core/ZunLoadCompilation.h"

using namespace orv;

namespace {

std::unique_ptr<TLoadCompilation> fresh()
{
    auto l = std::make_unique<TLoadCompilation>();
    std::memset(l.get(), 0, sizeof *l);
    InitLoadCompilation(*l);
    return l;
}

// One storey: b = 1.5 m, roof 10 kN/m; wall 3 x 0.25 m, rho 18, gf 1.2;
// ring beam 0.25 x 0.25 m, rho 24, gf 1.2; left floor 6 m with g 5, p 2;
// no right floor.
std::unique_ptr<TLoadCompilation> oneStorey()
{
    auto l = fresh();
    l->F_dach = 10;
    l->ro[0] = 18;
    l->gL[0] = 5;
    l->pL[0] = 2;
    l->strop_P[0] = 0;
    return l;
}

// Every length of the compilation expressed in `unit`.
void toUnit(TLoadCompilation& l, int unit)
{
    l.b *= LengthUnitFactor(l.bUnit, unit);
    l.bUnit = unit;
    for (int e = 0; e < MaxStoreys; ++e) {
        struct {
            f64* v;
            i32* u;
        } lengths[] = {{l.h, l.Unit_h},       {l.t, l.Unit_t},       {l.bs, l.Unit_bs},
                       {l.lo_L, l.Unit_lo_L}, {l.lo_P, l.Unit_lo_P}, {l.hw, l.Unit_hw},
                       {l.tw, l.Unit_tw}};
        for (auto& x : lengths) {
            StorePacked(x.v + e, LoadPacked(x.v + e) * LengthUnitFactor(LoadPacked(x.u + e), unit));
            StorePacked(x.u + e, i32(unit));
        }
    }
}

// Three storeys, b = 2 m, roof 8 kN/m, no repetition.
std::unique_ptr<TLoadCompilation> threeStoreys()
{
    auto l = fresh();
    l->StoreyCount = 3;
    l->kond_powtrz = 0;
    l->b = 2.0;
    l->F_dach = 8;
    // entry 1: wall 0.30 x 2.8 x 15 x 1.1 = 13.86; right floor 0.5 x 5 x (4 + 1.5) = 13.75
    l->h[0] = 2.8, l->t[0] = 0.30, l->ro[0] = 15, l->gf_muru[0] = 1.1;
    l->wieniec[0] = 0, l->strop_L[0] = 0;
    l->lo_P[0] = 5, l->gP[0] = 4, l->pP[0] = 1.5;
    // entry 2: wall 0.25 x 3 x 18 x 1.2 = 16.2; ring 0.30 x 0.25 x 25 x 1.1 = 2.0625;
    // left floor 0.5 x 4 x (5 + 2) = 14
    l->ro[1] = 18;
    l->hw[1] = 0.30, l->ro_w[1] = 25, l->gf_w[1] = 1.1;
    l->lo_L[1] = 4, l->gL[1] = 5, l->pL[1] = 2;
    l->strop_P[1] = 0;
    // entry 3: given wall 20, ring 3, left floor 11; right 0.5 x 6 x (3 + 2) = 15
    l->GsTyp[2] = 1, l->Gs[2] = 20;
    l->GwTyp[2] = 1, l->Gw[2] = 3;
    l->SlTyp[2] = 1, l->Fl[2] = 11;
    l->lo_P[2] = 6, l->gP[2] = 3, l->pP[2] = 2;
    return l;
}

} // namespace

TEST(UpperLoad, OneStoreyWallVariant)
{
    auto l = oneStorey();
    // per metre 10 + 1.8 + 16.2 + 21 = 49; over b = 1.5 m: 73.5
    const double F = RecalcUpperLoad(*l, false).value();
    EXPECT_NEAR(F, 73.5, 1e-9);
    EXPECT_NEAR(+l->Gs[0], 16.2, 1e-12);
    EXPECT_NEAR(+l->Gw[0], 1.8, 1e-12);
    EXPECT_NEAR(+l->Fl[0], 21.0, 1e-12);
    EXPECT_EQ(UpperLoadLine(F, false), "Obciążenie z wyższych kondygnacji %BF = 73,50%N kN");
}

TEST(UpperLoad, SeveralStoreysAgainstHandSums)
{
    auto l = threeStoreys();
    // 8 + 13.86 + 13.75 + 16.2 + 2.0625 + 14 + 20 + 3 + 11 + 15 = 116.8725 kN/m; x 2 m
    EXPECT_NEAR(RecalcUpperLoad(*l, false).value(), 233.745, 1e-9);
    EXPECT_NEAR(+l->Fp[2], 15.0, 1e-12);
    EXPECT_EQ(+l->Gs[2], 20.0); // given values stay
    EXPECT_EQ(+l->Fl[2], 11.0);

    // Every switch off: the roof and the three walls remain,
    // (8 + 13.86 + 16.2 + 20) x 2 = 116.12
    for (int e = 0; e < 3; ++e) l->strop_L[e] = l->strop_P[e] = l->wieniec[e] = 0;
    EXPECT_NEAR(RecalcUpperLoad(*l, false).value(), 116.12, 1e-9);
}

TEST(UpperLoad, BasementVariant)
{
    auto l = oneStorey();
    l->kond_powtrz = 0;
    // slab over the basement: no ring beam, left 0.5 x 4 x 6 = 12, right
    // 0.5 x 5 x 4 = 10 (the variable loads do not count)
    const int s = BasementSlabEntry - 1;
    l->wieniec[s] = 0;
    l->lo_L[s] = 4, l->gL[s] = 6, l->pL[s] = 9;
    l->lo_P[s] = 5, l->gP[s] = 4, l->pP[s] = 3;
    l->strop_L[s] = l->strop_P[s] = 1;
    // B = 1 m: 10 + 1.8 + 16.2 + 0.5 x 6 x 5 = 43, plus 12 + 10 = 65 kN/m
    const double F = RecalcUpperLoad(*l, true).value();
    EXPECT_NEAR(F, 65.0, 1e-9);
    EXPECT_EQ(UpperLoadLine(F, true), "Obciążenie z wyższych kondygnacji %BF = 65,00%N kN/m");

    // Repeated storeys: the slab entry becomes entry 1, so its ring beam
    // and left floor count once more: 43 + 1.8 + 15 = 59.8
    auto r = oneStorey();
    EXPECT_EQ(r->kond_powtrz, 1);
    EXPECT_NEAR(RecalcUpperLoad(*r, true).value(), 59.8, 1e-9);
}

TEST(UpperLoad, UnitsDoNotChangeTheLoad)
{
    for (bool basement : {false, true}) {
        auto m = threeStoreys();
        m->bs_ind[1] = 1, m->bs[1] = 1.2;
        const double inMetres = RecalcUpperLoad(*m, basement).value();
        for (int unit : {1, 2}) {
            auto c = threeStoreys();
            c->bs_ind[1] = 1, c->bs[1] = 1.2;
            toUnit(*c, unit);
            EXPECT_NEAR(RecalcUpperLoad(*c, basement).value(), inMetres, 1e-9) << unit << basement;
        }
    }
    EXPECT_EQ(LengthUnitFactor(0, 1), 100.0);
    EXPECT_EQ(LengthUnitFactor(2, 1), 0.1);
    EXPECT_EQ(LengthUnitFactor(7, 2), 1000.0); // unknown reads metres
    EXPECT_STREQ(LengthUnitText(2), "mm");
    EXPECT_STREQ(LengthUnitText(-1), "m");
    EXPECT_EQ(LengthUnitDecimals(1), 1);
    EXPECT_EQ(LengthUnitDecimals(9), 3);
}

TEST(UpperLoad, OwnWallWidthAndZeroBand)
{
    auto l = oneStorey();
    l->bs_ind[0] = 1;
    l->bs[0] = 0.9;
    // the wall brings 0.25 x 3 x 0.9 x 18 x 1.2 = 14.58 kN whatever b is:
    // 1.5 x (10 + 1.8 + 21) + 14.58 = 63.78
    EXPECT_NEAR(RecalcUpperLoad(*l, false).value(), 63.78, 1e-9);
    EXPECT_NEAR(+l->Gs[0], 14.58 / 1.5, 1e-12);
    // Basement variant: the line load 14.58 / 1.5 = 9.72 over 1 m;
    // 10 + 1.8 + 9.72 + 0.5 x 6 x 5 = 36.52, and the slab repeats entry 1's
    // ring beam and left floor: + 1.8 + 15 = 53.32 kN/m
    EXPECT_NEAR(RecalcUpperLoad(*l, true).value(), 53.32, 1e-9);

    // A band of width 0: every line load counts over 0 m, the wall still
    // brings its 14.58 kN; its line load over no band is shown as 0.
    l->b = 0;
    const double F = RecalcUpperLoad(*l, false).value();
    EXPECT_NEAR(F, 14.58, 1e-9);
    EXPECT_EQ(+l->Gs[0], 0.0);
    EXPECT_EQ(UpperLoadLine(F, false), "Obciążenie z wyższych kondygnacji %BF = 14,58%N kN");
    EXPECT_EQ(UpperLoadLine(std::nan(""), false).find("NAN"), std::string::npos);
    // The basement variant cannot spread the own width over no band.
    EXPECT_FALSE(RecalcUpperLoad(*l, true));
    EXPECT_EQ(UpperLoadFault(*l, true),
              "Kondygnacja powtarzalna, szerokość ściany: wymaga szerokości pasma obciążenia większej od 0.");
    // Without an own width the band does not matter there: 43 + 1.8 + 15 = 59.8
    l->bs_ind[0] = 0;
    EXPECT_NEAR(RecalcUpperLoad(*l, true).value(), 59.8, 1e-9);
}

TEST(UpperLoad, CopyStoreyTakesEverything)
{
    auto l = threeStoreys();
    StrToFixedText("beton 24", l->ro_wText[1]);
    l->Block[1].Rows[2][3] = 7.5;
    l->Unit_h[1] = 1, l->h[1] = 300;
    CopyStorey(*l, 3, 2);
    EXPECT_EQ(std::memcmp(&l->Block[2], &l->Block[1], sizeof l->Block[1]), 0);
    EXPECT_EQ(FixedTextToStr(l->ro_wText[2]), "beton 24");
    EXPECT_EQ(+l->h[2], 300.0);
    EXPECT_EQ(+l->Unit_h[2], 1);
    EXPECT_EQ(+l->GsTyp[2], 0);
    EXPECT_EQ(+l->strop_P[2], 0);
    CopyStorey(*l, 11, 1); // out of range: nothing
    CopyStorey(*l, 0, 1);
}

TEST(UpperLoad, FaultyValuesFromAFileAreNamed)
{
    auto l = fresh();
    EXPECT_EQ(UpperLoadFault(*l, false), "");
    l->StoreyCount = 3;
    l->kond_powtrz = 0;
    l->h[2] = std::numeric_limits<double>::quiet_NaN();
    // entry 3 of three storeys is listed as n+1
    EXPECT_EQ(UpperLoadFault(*l, false), "Kondygnacja n+1, wysokość ściany: wartość nie jest liczbą.");
    l = fresh();
    l->kond_powtrz = 0;
    l->hw[BasementSlabEntry - 1] = -0.25;
    EXPECT_EQ(UpperLoadFault(*l, true), "Strop nad piwnicą, wysokość wieńca: wartość ujemna.");
    l = fresh();
    l->gL[0] = std::numeric_limits<double>::infinity();
    EXPECT_EQ(UpperLoadFault(*l, false),
              "Kondygnacja powtarzalna, obciążenie stałe lewego stropu: wartość nie jest liczbą.");
    l = fresh();
    l->b = -1;
    EXPECT_EQ(UpperLoadFault(*l, false), "Szerokość pasma obciążenia: wartość ujemna.");
    l = fresh();
    l->F_dach = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(UpperLoadFault(*l, false), "Obciążenie z dachu: wartość nie jest liczbą.");
    l = fresh();
    l->gL[0] = -3; // no load the dialog can hold is negative
    EXPECT_EQ(UpperLoadFault(*l, false), "Kondygnacja powtarzalna, obciążenie stałe lewego stropu: wartość ujemna.");
}

TEST(UpperLoad, DamagedValuesGiveNoLoad)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        void (*damage)(TLoadCompilation&);
        const char* fault;
    };
    const Case cases[] = {
        {"floor load no number", [](TLoadCompilation& l) { l.gL[0] = std::numeric_limits<double>::quiet_NaN(); },
         "Kondygnacja n+1, obciążenie stałe lewego stropu: wartość nie jest liczbą."},
        {"roof infinite", [](TLoadCompilation& l) { l.F_dach = std::numeric_limits<double>::infinity(); },
         "Obciążenie z dachu: wartość nie jest liczbą."},
        // 0.5 x 6 x (1e308 + 2) = 3e308 is beyond the largest double
        {"floor term overflows", [](TLoadCompilation& l) { l.gL[0] = 1e308; },
         "Kondygnacja n+1, obciążenie stałe lewego stropu: wartość zbyt duża."},
        // a given wall load 1.5e308 x 1.5 = 2.25e308 overflows
        {"given wall load", [](TLoadCompilation& l) { l.GsTyp[0] = 1, l.Gs[0] = 1.5e308; },
         "Kondygnacja n+1, obciążenie liniowe od ciężaru ściany: wartość zbyt duża."},
        {"negative given floor", [](TLoadCompilation& l) { l.SlTyp[0] = 1, l.Fl[0] = -21; },
         "Kondygnacja n+1, obciążenie liniowe z lewego stropu: wartość ujemna."},
        {"ring beam unit weight", [](TLoadCompilation& l) { l.ro_w[0] = -24; },
         "Kondygnacja n+1, ciężar własny wieńca: wartość ujemna."},
        {"wall gamma", [](TLoadCompilation& l) { l.gf_muru[0] = std::numeric_limits<double>::quiet_NaN(); },
         "Kondygnacja n+1, współczynnik obciążenia ściany: wartość nie jest liczbą."},
    };
    for (const Case& c : cases) {
        auto l = oneStorey();
        l->kond_powtrz = 0;
        c.damage(*l);
        EXPECT_FALSE(RecalcUpperLoad(*l, false)) << c.what;
        EXPECT_EQ(UpperLoadFault(*l, false), c.fault) << c.what;
    }

    // Each term finite, their sum not: b = 1 m, two given walls of 1e308;
    // the second storey walked, listed as n+1, tips it over.
    auto two = oneStorey();
    two->kond_powtrz = 0;
    two->StoreyCount = 2;
    two->b = 1;
    two->GsTyp[0] = two->GsTyp[1] = 1;
    two->Gs[0] = two->Gs[1] = 1e308;
    EXPECT_FALSE(RecalcUpperLoad(*two, false));
    EXPECT_EQ(UpperLoadFault(*two, false), "Kondygnacja n+1, obciążenie liniowe od ciężaru ściany: wartość zbyt duża.");

    // What the sum does not read is no fault: a right floor switched off,
    // a storey beyond the count, the slab entry of the wall variant.
    auto l = oneStorey();
    l->kond_powtrz = 0;
    l->gP[0] = nan;
    l->h[4] = inf;
    l->lo_P[BasementSlabEntry - 1] = nan;
    EXPECT_NEAR(RecalcUpperLoad(*l, false).value(), 73.5, 1e-9);
    EXPECT_EQ(+l->Fp[0], 0.0); // its computed line load shows no NaN
    // The basement variant reads the slab and its right floor.
    EXPECT_FALSE(RecalcUpperLoad(*l, true));
    EXPECT_EQ(UpperLoadFault(*l, true), "Strop nad piwnicą, rozpiętość prawego stropu: wartość nie jest liczbą.");
}
