// Case 2: wall loaded horizontally (plate, beams, strips of a wall with openings, arches).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <memory>

#include "core/MyUtils.h"
#include "tests/core/support/CalcSupport.h"
#include "core/ZunCalcCase2.h"
#include "core/ZunRtf.h"

using namespace orv;

namespace {

// t 25 cm, ceramic group 1, general-purpose M5, category I, designed mortar,
// execution A, w_d 1.0 kN/m2:
// f_xd1 = 0.10/1.7 = 0.0588235, f_xd2 = 0.40/1.7 = 0.235294 MPa, mu 0.25,
// W = 0.25^2/6 = 0.0104167 m3/m, M_Rd1 = 0.612745, M_Rd2 = 2.450980 kNm/m.
constexpr double MRd1 = 0.6127451;
constexpr double MRd2 = 2.4509804;

std::unique_ptr<TCalcInput> Wall(double l, double h, int model, int supportCase,
                                 std::initializer_list<TOpening> openings = {})
{
    auto in = orvtest::DefaultInput(2);
    in->t = 25;
    in->l = l;
    in->h = h;
    in->RodzajElementuM = mkCeramic1;
    in->RodzajZaprawy = mtGeneral;
    in->KlasaZaprawy = 2;
    in->KategoriaWykElementu = 0;
    in->ZaprawaTyp = 1;
    in->KategoriaWykRobot = 0;
    in->sytuacja = 0;
    in->wd_kNm2 = 1.0;
    in->SchematScianyTyp = model;
    in->SchematPlytySciany = supportCase;
    const int k = orvtest::PutOpenings(*in, openings);
    in->LiczbaOkien = k;
    in->ScianaZOtworami = k > 0 ? 1 : 0;
    return in;
}

using orvtest::CaseRun;
constexpr orvtest::CaseCalc<CalcWallHorizontal> Calc;

} // namespace

// Plate, support case 4, 300 x 250 cm. alpha at mu 0.25, h/l 0.8333 lies a
// third of the way from 0.059 (h/l 0.75) to 0.071 (1.0): 0.063.
// M_Sd2 = 0.063 x 1.0 x (1.05 x 3.0)^2 = 0.625118 -> 25.50 %;
// M_Sd1 = mu M_Sd2 = 0.156279 -> 0.156279/0.612745 = 25.50 % as well.
TEST(WallHorizontal, PlateTraceWordForWord)
{
    SetDecimalSeparator(',');
    auto in = Wall(300, 250, 2, 4);
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    const TTraceLines expected = {
        "ŚCIANA OBCIĄŻONA POZIOMO:",
        "",
        "Ściana z elementów ceramicznych grupy 1",
        "zaprawa: zwykła klasy M5, projektowana ->  fm = 5,00 MPa",
        "Wytrzymałość charakterystyczna muru na zginanie w płaszczyźnie równoleglej do spoin wspornych f_xk1 = 0,10 MPa",
        "Wytrzymałość charakterystyczna muru na zginanie w płaszczyźnie prostopadłej do spoin wspornych f_xk2 = 0,40 MPa",
        "",
        "Grubość ściany t = 25,0 cm",
        "Szerokość ściany b = 300,0 cm",
        "Wysokość ściany h = 250,0 cm",
        "Pole przekroju poprzecznego ściany  A = 0,750 m2",
        "",
        "Przyjęto gamma_m = 1,7",
        "Wytrzymałość muru na zginanie  f_xd1 = f_xk1/gamma_m = 0,059 MPa",
        "Wytrzymałość muru na zginanie  f_xd2 = f_xk2/gamma_m = 0,235 MPa",
        "Ortogonalny stosunek wytrzymałości muru na zginanie  mi = 0,250",
        "schemat: płyta -> h/l = 0,833 -> współczynnik alfa = 0,06300",
        "",
        "Wskaźnik wytrzymałości przekroju W = 10416,7 cm3/mb",
        "Nośność obliczeniowa przekroju na zginanie w płaszczyźnie równoleglej do spoin wspornych MRd1 = 0,613 kNm/mb",
        "Nośność obliczeniowa przekroju na zginanie w płaszczyźnie prostopadłej do spoin wspornych MRd2 = 2,451 kNm/mb",
        "Moment w płaszczyźnie prostopadłej do spoin wspornych M_Sd = 0,625 kNm/mb",
        "  wykorzystanie nośności płyty 25,50 %",
        "Moment w płaszczyźnie równoległej do spoin wspornych M_Sd = 0,156 kNm/mb",
        "  wykorzystanie nośności płyty 25,50 %",
    };
    EXPECT_EQ(run.lines, expected);

    const TCalcResults& r = run.r;
    EXPECT_NEAR(r.A, 0.75, 1e-12);
    EXPECT_DOUBLE_EQ(r.gamma_m, 1.7);
    EXPECT_NEAR(r.f_xd1, 0.0588235, 1e-7);
    EXPECT_NEAR(r.f_xd2, 0.2352941, 1e-7);
    EXPECT_NEAR(r.mu, 0.25, 1e-12);
    EXPECT_NEAR(r.alpha, 0.063, 1e-12);
    EXPECT_EQ(r.IsTablePlate, 1);
    EXPECT_NEAR(r.W1, 0.0104167, 1e-7);
    EXPECT_NEAR(r.M_Rd1, MRd1, 1e-6);
    EXPECT_NEAR(r.M_Rd2, MRd2, 1e-6);
    EXPECT_NEAR(r.M_Sd2, 0.625118, 1e-6);
    EXPECT_NEAR(r.M_Sd1, 0.156279, 1e-6);
    EXPECT_NEAR(r.M_Sd1 / r.M_Rd1, r.M_Sd2 / r.M_Rd2, 1e-12);
    EXPECT_EQ(r.PlateCount, 0);
    EXPECT_EQ(r.Arch, 0);
    EXPECT_EQ(r.HLOutOfRange, 0);
    // the edges of the whole wall: support case 4, hinged all round
    EXPECT_EQ(r.Plates[0].EdgeLeft + r.Plates[0].EdgeRight + r.Plates[0].EdgeTop + r.Plates[0].EdgeBottom, 4);
}

TEST(WallHorizontal, InputUntouchedResultsNotCleared)
{
    auto in = Wall(300, 250, 2, 4, {{100, 90, 120, 120}});
    auto before = std::make_unique<TCalcInput>(*in);
    CaseRun run;
    run.r.N_1d = 123;
    run.error = CalcWallHorizontal(run.lines, *in, run.r);
    EXPECT_EQ(std::memcmp(in.get(), before.get(), sizeof *in), 0);
    EXPECT_EQ(run.r.N_1d, 123);
}

// Model 0 (horizontal simply supported beam), l 300: M_Sd2 = (3.15)^2/8 = 1.240313
// -> 1.240313/2.450980 = 50.60 %; no vertical beam, so neither MRd1 nor the parallel moment is shown.
TEST(WallHorizontal, BeamWithoutOpenings)
{
    SetDecimalSeparator(',');
    auto in = Wall(300, 250, 0, 4);
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_EQ(run.r.IsTablePlate, 0);
    EXPECT_EQ(run.r.HorizontalBeam, 0);
    EXPECT_EQ(run.r.VerticalBeam, -1);
    EXPECT_NEAR(run.r.M_Sd2, 1.240313, 1e-6);
    EXPECT_TRUE(run.has("  wykorzystanie nośności płyty 50,60 %"));
    EXPECT_FALSE(run.mentions("MRd1"));
    EXPECT_FALSE(run.mentions("równoległej do spoin wspornych M_Sd"));

    // Vertical cantilever (model 6), h 250: M_Sd1 = (2.625)^2/2 = 3.445313
    auto cant = Wall(300, 250, 6, 0);
    const CaseRun c = Calc(*cant);
    ASSERT_EQ(c.error, 0);
    EXPECT_EQ(c.r.VerticalBeam, 2);
    EXPECT_NEAR(c.r.M_Sd1, 3.445313, 1e-6);
    EXPECT_FALSE(c.mentions("MRd2"));
}

TEST(WallHorizontal, SmallAreaFactor)
{
    SetDecimalSeparator(',');
    // A = 0.25 x 1.0 = 0.25: eta_A = 1.25 - 0.5 x 0.25 = 1.125;
    // f_xd1 = 0.10/(1.7 x 1.125) = 0.052288 MPa
    auto small = Wall(100, 100, 2, 4);
    const CaseRun run = Calc(*small);
    ASSERT_EQ(run.error, 0);
    EXPECT_NEAR(run.r.f_xd1, 0.0522876, 1e-7);
    EXPECT_TRUE(run.has("Ponieważ A<0,3 m2 -> eta_A = 1,13"));
    EXPECT_TRUE(run.has("Wytrzymałość muru na ściskanie  f_xd2 = f_xk2/(gamma_m*eta_A) = 0,209 MPa"));
    // A exactly 0.3 takes the formulas without eta_A
    auto edge = Wall(120, 100, 2, 4);
    const CaseRun e = Calc(*edge);
    ASSERT_EQ(e.error, 0);
    EXPECT_NEAR(e.r.f_xd1, 0.1 / 1.7, 1e-12);
    EXPECT_FALSE(e.mentions("eta_A"));
}

TEST(WallHorizontal, FlexuralStrengthTable)
{
    double f1, f2;
    CharacteristicFlexuralStrengths(mkSilicate1, mtGeneral, 2.5e6, 10, f1, f2);
    EXPECT_EQ(f1, 0.05);
    EXPECT_EQ(f2, 0.20);
    CharacteristicFlexuralStrengths(mkSilicate2, mtThinLayer, 5e6, 10, f1, f2);
    EXPECT_EQ(f1, 0.15);
    EXPECT_EQ(f2, 0.30);
    CharacteristicFlexuralStrengths(mkAAC, mtThinLayer, 5e6, 4, f1, f2);
    EXPECT_NEAR(f1, 0.14, 1e-12); // 0.035 f_b
    CharacteristicFlexuralStrengths(mkAAC, mtLightweight, 5e6, 4, f1, f2);
    EXPECT_EQ(f2, 0.15);
    CharacteristicFlexuralStrengths(mkConcrete2, mtLightweight, 5e6, 10, f1, f2);
    EXPECT_EQ(f1 + f2, 0.0);
    CharacteristicFlexuralStrengths(mkNaturalStone, mtGeneral, 10e6, 10, f1, f2);
    EXPECT_EQ(f1, 0.10);
    EXPECT_EQ(f2, 0.40);
}

// Model 0, 300 x 300, opening 100 x 100 at 100/100: strips A (0..100) and
// B (200..300), a_w 150, s = 1.5; M = 1.5 x (3.15)^2/8 = 1.860469 -> 75.91 %.
TEST(WallHorizontal, BeamStripsHorizontalDivisionStands)
{
    SetDecimalSeparator(',');
    auto in = Wall(300, 300, 0, 0, {{100, 100, 100, 100}});
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    EXPECT_EQ(run.r.PlateCount, 2);
    EXPECT_EQ(run.r.DecisivePlate, 1); // equal utilisation: A stays
    EXPECT_EQ(run.r.HorizontalBeam, 0);
    EXPECT_EQ(run.r.VerticalBeam, -1);
    EXPECT_EQ(run.r.VerticalDivision, 0);
    EXPECT_EQ(run.r.PlateLetterBase, 0);
    EXPECT_NEAR(run.r.M_Sd2, 1.860469, 1e-6);
    EXPECT_EQ(run.r.M_Sd1, 0);
    EXPECT_EQ(run.r.SchemeName, "belka pozioma wolnopodparta");
    EXPECT_DOUBLE_EQ(run.r.Plates[1].y, 200); // the horizontal plates stand
    EXPECT_TRUE(run.has("Płyta B:"));
    EXPECT_TRUE(run.has("wymiary płyty L = 3,00 m x H = 1,00 m"));
    EXPECT_TRUE(run.has("szerokość pasma obciążenia wiatrem a_w = 1,50 m"));
    EXPECT_TRUE(run.has("schemat: belka pozioma wolnopodparta"));
    EXPECT_TRUE(run.has("Moment w płaszczyźnie prostopadłej do spoin wspornych M_Sd,A = 1,860 kNm/mb"));
    EXPECT_TRUE(run.has("-> wykorzystanie nośności płyty 75,91 %"));
    EXPECT_TRUE(run.has("Nie można podzielić na pasma pionowe"));
    EXPECT_TRUE(run.mentions("MRd1")); // a divided wall shows both resistances
}

// Model 2, case 8, 400 x 300, opening 100 x 60 at 150/120.
// Horizontal: A and B, H 120 (h/l 0.3), case 3, alpha 0.025, s = 150/120:
//   M2 = 0.025 x 1.25 x (4.2)^2 = 0.55125 -> u 0.2249.
// Vertical: C (x 0..150, h/l 2.0, case 10, alpha 0.217, s = 200/150):
//   M2 = 0.217 x 1.3333 x (1.575)^2 = 0.717728, M1 = 0.179432 -> u 0.2928;
//   D (x 250..400, beam fixed at both ends): M1 = 1.3333 x (3.15)^2/16 = 0.826875 -> u 1.3495.
TEST(WallHorizontal, VerticalDivisionStands)
{
    SetDecimalSeparator(',');
    auto in = Wall(400, 300, 2, 8, {{150, 120, 100, 60}});
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    const TCalcResults& r = run.r;
    EXPECT_EQ(r.VerticalDivision, 1);
    EXPECT_EQ(r.PlateLetterBase, 2);
    EXPECT_EQ(r.PlateCount, 2);
    EXPECT_EQ(r.DecisivePlate, 2);
    EXPECT_EQ(r.IsTablePlate, 0);
    EXPECT_EQ(r.VerticalBeam, 1);
    EXPECT_EQ(r.HorizontalBeam, -1);
    EXPECT_NEAR(r.M_Sd1, 0.826875, 1e-6);
    EXPECT_EQ(r.M_Sd2, 0);
    EXPECT_EQ(r.SchemeName, "belka pionowa obustronie utwierdzona");
    EXPECT_TRUE(run.has("Moment w płaszczyźnie równoległej do spoin wspornych M_Sd,A = 0,138 kNm/mb"));
    EXPECT_TRUE(run.has("Moment w płaszczyźnie prostopadłej do spoin wspornych M_Sd,A = 0,551 kNm/mb"));
    EXPECT_TRUE(run.has("-> wykorzystanie nośności płyty 22,49 %"));
    EXPECT_TRUE(run.has("schemat: płyta -> h/l = 2,000, schemat 11 -> współczynnik alfa = 0,21700"));
    EXPECT_TRUE(run.has("Moment w płaszczyźnie prostopadłej do spoin wspornych M_Sd,C = 0,718 kNm/mb"));
    EXPECT_TRUE(run.has("Moment w płaszczyźnie równoległej do spoin wspornych M_Sd,D = 0,827 kNm/mb"));
    EXPECT_TRUE(run.has("-> wykorzystanie nośności płyty 134,95 %"));
    EXPECT_FALSE(run.mentions("bardziej niekorzystny"));
    // the beam strip spans vertically: its side edges are free
    EXPECT_EQ(r.Plates[1].EdgeLeft + r.Plates[1].EdgeRight, 0);
    EXPECT_EQ(r.Plates[1].EdgeTop + r.Plates[1].EdgeBottom, 4);
}

// Model 2, case 10 (right edge free), 400 x 250, window 120 x 120 at 130/90.
// Horizontal strips are cantilevers: B (H 40, s = 100/40 = 2.5):
//   M2 = 2.5 x (4.2)^2/2 = 22.05 -> u 8.996 (A: 14.70, u 5.998).
// Vertical: C table 10 (h/l 1.923, alpha 0.210538, s = 190/130):
//   u = 0.57333/2.45098 = 0.234; D simply supported vertical beam (s = 1.4):
//   M1 = 1.4 x (2.625)^2/8 = 1.205859 -> u 1.968. The horizontal division is worse.
TEST(WallHorizontal, HorizontalDivisionMoreUnfavourable)
{
    SetDecimalSeparator(',');
    auto in = Wall(400, 250, 2, 10, {{130, 90, 120, 120}});
    const CaseRun run = Calc(*in);
    ASSERT_EQ(run.error, 0);
    const TCalcResults& r = run.r;
    EXPECT_TRUE(run.has("Podział na części składowe poziome jest bardziej niekorzystny"));
    EXPECT_TRUE(run.has("Moment w płaszczyźnie równoległej do spoin wspornych M_Sd,D = 1,206 kNm/mb"));
    EXPECT_TRUE(run.has("-> wykorzystanie nośności płyty 196,80 %"));
    EXPECT_EQ(r.VerticalDivision, 0);
    EXPECT_EQ(r.PlateLetterBase, 0);
    EXPECT_EQ(r.PlateCount, 2);
    EXPECT_EQ(r.DecisivePlate, 2);
    EXPECT_EQ(r.HorizontalBeam, 2);
    EXPECT_EQ(r.VerticalBeam, -1);
    EXPECT_NEAR(r.M_Sd2, 22.05, 1e-9);
    EXPECT_EQ(r.SchemeName, "belka pozioma wspornikowa");
    EXPECT_DOUBLE_EQ(r.Plates[1].y, 210);
}

// Model 2, case 4, 300 x 300, opening 100 x 100 at 100/100: the horizontal
// strips are table plates (case 0, h/l 0.333, alpha = 0.050 + 0.021/6 = 0.0535,
// M2 = 0.0535 x 1.5 x 9.9225 = 0.796281, M1 = 0.199070, both 32.49 %); the
// first vertical strip (h/l 3.0) is outside the tables.
TEST(WallHorizontal, StripOutsideTablesStops)
{
    SetDecimalSeparator(',');
    auto in = Wall(300, 300, 2, 4, {{100, 100, 100, 100}});
    const CaseRun run = Calc(*in);
    EXPECT_EQ(run.error, 35);
    EXPECT_TRUE(run.has("Moment w płaszczyźnie równoległej do spoin wspornych M_Sd,A = 0,199 kNm/mb"));
    EXPECT_TRUE(run.has("  wykorzystanie nośności płyty 32,49 %"));
    EXPECT_TRUE(run.has("Moment w płaszczyźnie prostopadłej do spoin wspornych M_Sd,B = 0,796 kNm/mb"));
    EXPECT_TRUE(run.has("Płyta C:"));
    EXPECT_EQ(run.lines.back(), "stosunek wymiarów płyty muru (h/l = 3,000) poza zakresem tablic B.1 normy murowej");
    // the report names plate C: the first vertical strip
    EXPECT_EQ(run.r.DecisivePlate, 1);
    EXPECT_EQ(run.r.VerticalDivision, 1);
    EXPECT_EQ(run.r.PlateLetterBase, 2);
}

// Same materials, arch over l 400 (l/t 16): f_k = 0.45 x 10^0.7 x 5^0.3 = 3.655136,
// f_d = 3.655136/1.7 = 2.150080 MPa; q_Rd = 2150.080 x (0.25/4)^2 = 8.398750 kN/m2; V_Sd = 16/(8 x 0.8 x 0.25) = 10;
// V_Rd = 1.5 x 2150.080 x 0.025 = 80.628 kN/m.
TEST(WallHorizontal, Arches)
{
    SetDecimalSeparator(',');
    auto in = Wall(400, 300, 3, 0);
    CaseRun run;
    run.lines = {"stale"};
    run.error = CalcWallHorizontal(run.lines, *in, run.r);
    ASSERT_EQ(run.error, 0);
    EXPECT_EQ(run.lines.front(), "Ściana rozpięta łukowo między podporami poziomymi:");
    EXPECT_EQ(run.r.Arch, 1);
    EXPECT_NEAR(run.r.f_d / 1e6, 2.150080, 1e-6);
    EXPECT_NEAR(run.r.q_Rd, 8.398750, 1e-5);
    EXPECT_NEAR(run.r.V_Sd, 10.0, 1e-12);
    EXPECT_NEAR(run.r.V_Rd, 80.628, 1e-3);
    EXPECT_TRUE(run.has("wartość rozporu jednostkowgo V_Sd = 10,00 kN/mb"));
    EXPECT_TRUE(run.has("jednostkowa nośność łuku na obciążenie poziome q_Rd = 8,40 kN/m2"));

    // Vertical arch over h 300: V_Sd = 9/1.6 = 5.625; q_Rd = 2150.080/144 = 14.93111
    auto v = Wall(400, 300, 4, 0);
    const CaseRun rv = Calc(*v);
    ASSERT_EQ(rv.error, 0);
    EXPECT_EQ(rv.lines.front(), "Ściana rozpięta łukowo między podporami pionowymi:");
    EXPECT_NEAR(rv.r.V_Sd, 5.625, 1e-12);
    EXPECT_NEAR(rv.r.q_Rd, 14.93111, 1e-5);
}

TEST(WallHorizontal, ArchTurnsIntoBeam)
{
    SetDecimalSeparator(',');
    // l/t exactly 20 keeps the arch; 20.01 is a horizontal beam.
    EXPECT_EQ(Calc(*Wall(500, 300, 3, 0)).r.Arch, 1);
    const CaseRun slender = Calc(*Wall(500.25, 300, 3, 0));
    ASSERT_EQ(slender.error, 0);
    EXPECT_EQ(slender.r.Arch, 0);
    EXPECT_EQ(slender.r.HorizontalBeam, 0);
    EXPECT_TRUE(slender.has("Smukłość ściany l/t = 20,01 > 20. Ściana rozpięta łukowo będzie obliczana jak belka w kierunku poziomym."));
    const CaseRun tall = Calc(*Wall(300, 500.25, 4, 0));
    EXPECT_EQ(tall.r.VerticalBeam, 0);
    EXPECT_TRUE(tall.mentions("Smukłość ściany h/t = 20,01 > 20."));

    // Openings that leave a horizontal strip: divided as a beam, not an arch.
    const CaseRun opened = Calc(*Wall(300, 300, 3, 0, {{100, 100, 100, 100}}));
    ASSERT_EQ(opened.error, 0);
    EXPECT_EQ(opened.r.Arch, 0);
    EXPECT_EQ(opened.r.PlateCount, 2);
    EXPECT_TRUE(opened.has("Zdefiniowano otwory w ścianie rozpiętej łukowo -> będzie obliczana jak belka w kierunku poziomym."));
    // A full-height opening leaves no horizontal strip: the arch stands.
    const CaseRun full = Calc(*Wall(300, 300, 3, 0, {{100, 0, 50, 300}}));
    EXPECT_EQ(full.error, 0);
    EXPECT_EQ(full.r.Arch, 1);
}

TEST(WallHorizontal, ErrorNumbers)
{
    // 18: no geometry
    auto flat = Wall(300, 250, 2, 4);
    flat->t = 0;
    EXPECT_EQ(Calc(*flat).error, 18);
    // 23: a table plate thicker than 25 cm; 25 cm itself passes; beams are not limited
    auto thick = Wall(300, 250, 2, 4);
    thick->t = 25.01;
    const CaseRun t23 = Calc(*thick);
    EXPECT_EQ(t23.error, 23);
    EXPECT_EQ(t23.lines.back(), CalcErrorText(23) + "!");
    thick->zezwolB25 = 1;
    EXPECT_EQ(Calc(*thick).error, 0);
    thick->SchematScianyTyp = 0;
    thick->zezwolB25 = 0;
    EXPECT_EQ(Calc(*thick).error, 0);
    // 23 in a strip names that strip
    auto thickStrips = Wall(300, 300, 2, 4, {{100, 100, 100, 100}});
    thickStrips->t = 26;
    const CaseRun s23 = Calc(*thickStrips);
    EXPECT_EQ(s23.error, 23);
    EXPECT_EQ(s23.r.DecisivePlate, 1);
    // 29: neither division usable (full-height opening, beam spanning horizontally)
    const CaseRun n29 = Calc(*Wall(300, 300, 0, 0, {{100, 0, 50, 300}}));
    EXPECT_EQ(n29.error, 29);
    EXPECT_TRUE(n29.has("Nie można podzielić na pasma poziome"));
    EXPECT_TRUE(n29.has("Nie można podzielić na pasma pionowe"));
    // 35: plate h/l 0.29 without openings; no resistance lines
    const CaseRun o35 = Calc(*Wall(300, 87, 2, 4));
    EXPECT_EQ(o35.error, 35);
    EXPECT_EQ(o35.r.HLOutOfRange, 1);
    EXPECT_FALSE(o35.mentions("MRd"));
    EXPECT_EQ(Calc(*Wall(300, 90, 2, 4)).error, 0);  // h/l 0.3 is in the tables
    EXPECT_EQ(Calc(*Wall(300, 600, 2, 4)).error, 0); // and 2.0
    // 50: damaged input
    auto nan = Wall(300, 250, 2, 4);
    nan->wd_kNm2 = std::nan("");
    EXPECT_EQ(Calc(*nan).error, ceInvalidInput);
    auto badCase = Wall(300, 250, 2, 12);
    EXPECT_EQ(Calc(*badCase).error, ceInvalidInput);
    auto badModel = Wall(300, 250, 9, 0);
    EXPECT_EQ(Calc(*badModel).error, ceInvalidInput);
    auto badKind = Wall(300, 250, 2, 4);
    badKind->RodzajElementuM = 13;
    EXPECT_EQ(Calc(*badKind).error, ceInvalidInput);
    // a unit and mortar without flexural strengths: no division by f_xd2 = 0
    auto dash = Wall(300, 250, 2, 4);
    dash->RodzajElementuM = mkConcrete1;
    dash->RodzajZaprawy = mtThinLayer;
    const CaseRun d = Calc(*dash);
    EXPECT_EQ(d.error, ceInvalidInput);
    EXPECT_TRUE(std::isfinite(d.r.mu));
}

// Model 0, 300 x 300 cm, opening 100 x 100 at x 100, y 100, w_d 1.5 kN/m2:
// the strips beside it carry 1.5 x 1.860 = 2.790 kNm/mb (113.9 %), the wall
// without the opening only 1.5 x (1.05 x 3.0)^2/8 = 1.860 (75.9 %).
// A damaged opening must stop the check, not vanish and let the wall pass.
TEST(WallHorizontal, DamagedOpeningIsRefusedNotDropped)
{
    auto sound = Wall(300, 300, 0, 0, {{100, 100, 100, 100}});
    sound->wd_kNm2 = 1.5;
    TTraceLines lines;
    TCalcResults r;
    ASSERT_EQ(CalcElement(lines, *sound, r), 0);
    EXPECT_NEAR(r.M_Sd2, 2.790, 1e-3);
    EXPECT_TRUE(IsCapacityExceeded(*sound, r));

    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {std::nan(""), inf, -inf}) {
        for (int field = 0; field < 4; ++field) {
            auto damaged = std::make_unique<TCalcInput>(*sound);
            const TOpening o = damaged->Okna[0];
            double v[4] = {o.x, o.y, o.l, o.h};
            v[field] = bad;
            damaged->Okna[0] = TOpening{v[0], v[1], v[2], v[3]};
            const CaseRun run = Calc(*damaged);
            EXPECT_EQ(run.error, ceInvalidInput) << field << " " << bad;
            EXPECT_EQ(run.lines.back(), CalcErrorText(ceInvalidInput) + "!");
            EXPECT_EQ(CalcElement(lines, *damaged, r), ceInvalidInput);
            EXPECT_TRUE(IsCapacityExceeded(*damaged, r));
        }
    }
    // a slot beyond the count is not an opening
    auto spare = std::make_unique<TCalcInput>(*sound);
    spare->Okna[1] = TOpening{std::nan(""), 0, 0, 0};
    EXPECT_EQ(Calc(*spare).error, 0);
}

TEST(WallHorizontal, OpeningsOutsideTheEditorsRangesAreRefused)
{
    // The grid and the opening dialog store positions and sizes of 0..200 000 cm.
    auto sound = Wall(300, 300, 0, 0, {{100, 100, 100, 100}});
    sound->wd_kNm2 = 1.5;
    TTraceLines lines;
    TCalcResults r;
    for (int field = 0; field < 4; ++field) {
        for (double bad : {-0.1, 200000.1}) {
            auto damaged = std::make_unique<TCalcInput>(*sound);
            const TOpening o = damaged->Okna[0];
            double v[4] = {o.x, o.y, o.l, o.h};
            v[field] = bad;
            damaged->Okna[0] = TOpening{v[0], v[1], v[2], v[3]};
            EXPECT_EQ(CalcElement(lines, *damaged, r), ceInvalidInput) << field << " " << bad;
            EXPECT_TRUE(IsCapacityExceeded(*damaged, r));
        }
    }
    // The ends of the range are the grid's own: an empty opening typed from
    // zeros and one far beyond the wall are fitted to the wall, not refused.
    auto empty = std::make_unique<TCalcInput>(*sound);
    empty->Okna[0] = TOpening{0, 0, 0, 0};
    EXPECT_EQ(CalcElement(lines, *empty, r), 0);
    auto far = std::make_unique<TCalcInput>(*sound);
    far->Okna[0] = TOpening{200000, 200000, 200000, 200000};
    EXPECT_EQ(CalcElement(lines, *far, r), 0);
    // An opening of a wall without openings is not looked at.
    auto off = std::make_unique<TCalcInput>(*sound);
    off->ScianaZOtworami = 0;
    off->Okna[0].x = -5;
    EXPECT_EQ(CalcElement(lines, *off, r), 0);
}

TEST(WallHorizontal, DispatchedAsCase2)
{
    auto in = Wall(300, 250, 2, 4);
    TTraceLines lines;
    TCalcResults r;
    EXPECT_EQ(CalcElement(lines, *in, r), 0);
    EXPECT_NEAR(r.M_Sd2, 0.625118, 1e-6);
}
