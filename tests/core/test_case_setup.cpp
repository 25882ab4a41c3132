// The set-ups of the case families: units, ring beams, the loads a wall's
// side admits and the self weight, as the checks, schemes and report read them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "core/ZunCalc.h"
#include "core/ZunCaseSetup.h"
#include "tests/core/support/CalcSupport.h"

using namespace orv;

namespace {
using Values = std::vector<double>;
}

TEST(CaseSetup, WallRingBeamsAndUnits)
{
    auto in = orvtest::LoadedDefaultWall();  // external, 25 x 100 x 300 cm
    in->l_usztw = 450;
    in->def_szer_wiencow = 1;
    in->ag = 15;
    in->ad = 40;  // wider than the wall
    TVerticalWallSetup s(*in);
    EXPECT_TRUE(s.ringBeams);
    EXPECT_EQ((Values{s.t, s.b, s.h, s.l}), (Values{0.25, 1.0, 3.0, 4.5}));
    // the scheme draws the widths as entered; the check bears on at most t
    EXPECT_EQ((Values{s.ag_cm, s.ad_cm, s.a_wg_cm, s.a_wd_cm}), (Values{15, 40, 15, 25}));
    EXPECT_EQ((Values{s.a_wg, s.a_wd}), (Values{0.15, 0.25}));

    // no widths given, or an internal wall: as wide as the wall
    in->def_szer_wiencow = 0;
    s.Reset(*in);
    EXPECT_FALSE(s.ringBeams);
    EXPECT_EQ(s.ag_cm, 25);
    EXPECT_EQ(s.a_wd, s.t);
    in->def_szer_wiencow = 1;
    in->ScianaZewnetrzna = 0;
    s.Reset(*in);
    EXPECT_FALSE(s.ringBeams);
    EXPECT_EQ(s.ad_cm, 25);
    EXPECT_EQ(s.a_wg, s.t);

    // a width that is no number stays one, so that the check refuses it
    in->ScianaZewnetrzna = 1;
    in->ag = std::numeric_limits<double>::quiet_NaN();
    in->ad = std::numeric_limits<double>::infinity();
    s.Reset(*in);
    EXPECT_TRUE(std::isnan(s.ag_cm) && std::isnan(s.a_wg));
    EXPECT_TRUE(std::isinf(s.ad_cm));
}

// Cut in centimetres and then divided, the bearing width is the very number
// that cutting the metres gives: traces keep their last digits.
TEST(CaseSetup, RingBeamCutInCentimetresEqualsCutInMetres)
{
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> width(0.0, 120.0);
    auto in = orvtest::LoadedDefaultWall();
    in->def_szer_wiencow = 1;
    auto same = [&](double a, double t) {
        in->ag = a;
        in->t = t;
        const TVerticalWallSetup s(*in);
        return s.a_wg == RingBeamWidth(a / 100, t / 100);
    };
    for (int i = 0; i < 20000; ++i) {
        const double a = width(rng), t = width(rng);
        ASSERT_TRUE(same(a, t)) << a << " " << t;
        ASSERT_TRUE(same(a, std::nextafter(a, 0.0))) << a;
        ASSERT_TRUE(same(std::nextafter(a, 200.0), a)) << a;
    }
    for (double t : {0.1, 12.0, 25.0, 29.9, 38.0})
        for (double a : {t, std::nextafter(t, 0.0), std::nextafter(t, 100.0), 0.0, -0.0})
            EXPECT_TRUE(same(a, t)) << a << " " << t;
}

TEST(CaseSetup, LoadsBySideOfTheWall)
{
    auto in = orvtest::LoadedDefaultWall();
    in->Nspd = 12;
    in->wd = -0.5;
    in->wd2 = 0.8;
    TVerticalWallSetup s(*in);
    // external: no second slab, the wind
    EXPECT_EQ(s.Nod, 150);
    EXPECT_EQ(s.Nsld, 30);
    EXPECT_EQ(s.Nspd, 0);
    EXPECT_EQ(s.wd, -0.5);
    EXPECT_EQ(s.wd2, 0.8);
    in->ScianaZewnetrzna = 0;
    s.Reset(*in);
    EXPECT_EQ(s.Nspd, 12);
    EXPECT_EQ(s.wd, 0);
    EXPECT_EQ(s.wd2, 0);

    // the left slabs 4 and 7 of the continuous model only inside
    in->J4 = in->J7 = 28125;
    in->E4 = in->E7 = 29;
    in->l4 = in->l7 = 450;
    in->g4d = in->g7d = 10;
    in->p4d = in->p7d = 5;
    in->l3 = 420;
    TContinuousWallSetup c(*in);
    EXPECT_EQ(c.J4 + c.J7, 56250);
    EXPECT_EQ(c.E4 + c.E7, 58);
    EXPECT_EQ(c.l4 + c.l7, 900);
    EXPECT_EQ(c.g4 + c.p4 + c.g7 + c.p7, 30);
    EXPECT_EQ(c.l3, 420);
    in->ScianaZewnetrzna = 1;
    c.Reset(*in);
    EXPECT_EQ(c.J4 + c.J7 + c.E4 + c.E7 + c.l4 + c.l7 + c.g4 + c.p4 + c.g7 + c.p7, 0);
    EXPECT_EQ(c.l3, 420);
    EXPECT_EQ(c.wd, -0.5);  // the wall's own part is reset with it
}

TEST(CaseSetup, SelfWeight)
{
    // computed: 3 x 1 x 0.25 x 18 x 1.1 = 14.85 kN; a given G_s is not read
    auto in = orvtest::LoadedDefaultWall();
    in->Gs = std::numeric_limits<double>::quiet_NaN();
    TVerticalWallSetup s(*in);
    EXPECT_TRUE(s.weight.computed);
    EXPECT_NEAR(s.weight.Gs, 14.85, 1e-12);
    EXPECT_EQ(s.weight.given, 0);
    // given: density and gamma_f are not read
    in->wylicz_Gs = 0;
    in->Gs = 20;
    in->ro_muru = std::numeric_limits<double>::quiet_NaN();
    s.Reset(*in);
    EXPECT_EQ(s.weight.Gs, 20);
    EXPECT_EQ(s.weight.ro, 0);
    EXPECT_EQ(s.weight.gf, 0);

    // a pier takes its own field and its width t2: 3 x 0.25 x 0.4 x 18 x 1.1 = 5.94 kN
    auto pier = orvtest::DefaultInput(5);
    pier->t2 = 40;
    pier->Gs_s = 7;
    TColumnSetup c(*pier);
    EXPECT_NEAR(c.weight.Gs, 5.94, 1e-12);
    pier->wylicz_Gs = 0;
    c.Reset(*pier);
    EXPECT_EQ(c.weight.Gs, 7);
}

TEST(CaseSetup, Column)
{
    auto in = orvtest::DefaultInput(5);
    in->t = 25;
    in->t2 = 38;
    in->h = 280;
    in->Sily[0].NSd = 40;
    in->Msdx = -1;
    in->Msdy = 0.5;
    in->PodpSTyp_x = 2;
    in->PodpSTyp_y = 1;
    const TColumnSetup s(*in);
    EXPECT_EQ((Values{s.t_cm, s.b_cm, s.h_cm, s.t, s.b, s.h}), (Values{25, 38, 280, 0.25, 0.38, 2.8}));
    EXPECT_EQ((Values{s.N, s.Msdx, s.Msdy}), (Values{40, -1, 0.5}));
    // direction x is held at the top by the timber beam, direction y by the r.c. one
    EXPECT_EQ(s.supportX, 2u);
    EXPECT_EQ(s.supportY, 1u);
}
