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
    const double F = RecalcUpperLoad(*l, false);
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
    EXPECT_NEAR(RecalcUpperLoad(*l, false), 233.745, 1e-9);
    EXPECT_NEAR(+l->Fp[2], 15.0, 1e-12);
    EXPECT_EQ(+l->Gs[2], 20.0); // given values stay
    EXPECT_EQ(+l->Fl[2], 11.0);

    // Every switch off: the roof and the three walls remain,
    // (8 + 13.86 + 16.2 + 20) x 2 = 116.12
    for (int e = 0; e < 3; ++e) l->strop_L[e] = l->strop_P[e] = l->wieniec[e] = 0;
    EXPECT_NEAR(RecalcUpperLoad(*l, false), 116.12, 1e-9);
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
    const double F = RecalcUpperLoad(*l, true);
    EXPECT_NEAR(F, 65.0, 1e-9);
    EXPECT_EQ(UpperLoadLine(F, true), "Obciążenie z wyższych kondygnacji %BF = 65,00%N kN/m");

    // Repeated storeys: the slab entry becomes entry 1, so its ring beam
    // and left floor count once more: 43 + 1.8 + 15 = 59.8
    auto r = oneStorey();
    EXPECT_EQ(r->kond_powtrz, 1);
    EXPECT_NEAR(RecalcUpperLoad(*r, true), 59.8, 1e-9);
}

TEST(UpperLoad, UnitsDoNotChangeTheLoad)
{
    for (bool basement : {false, true}) {
        auto m = threeStoreys();
        m->bs_ind[1] = 1, m->bs[1] = 1.2;
        const double inMetres = RecalcUpperLoad(*m, basement);
        for (int unit : {1, 2}) {
            auto c = threeStoreys();
            c->bs_ind[1] = 1, c->bs[1] = 1.2;
            toUnit(*c, unit);
            EXPECT_NEAR(RecalcUpperLoad(*c, basement), inMetres, 1e-9) << unit << basement;
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
    EXPECT_NEAR(RecalcUpperLoad(*l, false), 63.78, 1e-9);
    EXPECT_NEAR(+l->Gs[0], 14.58 / 1.5, 1e-12);

    // A band of width 0 used to divide by zero: the wall load is 0, not inf.
    l->b = 0;
    const double F = RecalcUpperLoad(*l, false);
    EXPECT_EQ(F, 0.0);
    EXPECT_EQ(+l->Gs[0], 0.0);
    EXPECT_EQ(UpperLoadLine(F, false), "Obciążenie z wyższych kondygnacji %BF = 0,00%N kN");
    EXPECT_EQ(UpperLoadLine(std::nan(""), false).find("NAN"), std::string::npos);
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
    EXPECT_EQ(LoadCompilationValuesFault(*l), "");
    l->h[2] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(LoadCompilationValuesFault(*l), "Plik zawiera niepoprawne dane: h (kondygnacja 3) nie jest liczbą.");
    l = fresh();
    l->t[BasementSlabEntry - 1] = -0.25;
    EXPECT_EQ(LoadCompilationValuesFault(*l), "Plik zawiera niepoprawne dane: ujemna długość t (strop nad piwnicą).");
    l = fresh();
    l->gL[0] = std::numeric_limits<double>::infinity();
    EXPECT_NE(LoadCompilationValuesFault(*l), "");
    l = fresh();
    l->b = -1;
    EXPECT_NE(LoadCompilationValuesFault(*l), "");
    l = fresh();
    l->F_dach = -std::numeric_limits<double>::infinity();
    EXPECT_NE(LoadCompilationValuesFault(*l), "");
    l = fresh();
    l->gL[0] = -3; // a negative load is a number, not a fault of the file
    EXPECT_EQ(LoadCompilationValuesFault(*l), "");
}
