#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <sstream>

#include "tests/core/support/CalcSupport.h"
#include "tests/core/support/RtfCheck.h"
#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunRtf.h"
#include "core/ZunStrings.h"

using namespace orv;

namespace {

struct Expected {
    std::string text;
    TColor color;
    bool heading;
};

void ExpectSheet(const TReportSheet& s, const std::vector<Expected>& lines)
{
    ASSERT_EQ(s.Count, static_cast<int>(lines.size()) + 1);
    EXPECT_EQ(s.Line(1).text(), "");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TReportLine& l = s.Line(static_cast<int>(i) + 2);
        EXPECT_EQ(orvtest::Shown(l.text()), lines[i].text) << "line " << i + 2;
        EXPECT_EQ(l.Color, lines[i].color) << "line " << i + 2;
        EXPECT_EQ(l.X1, lines[i].heading ? 1 : 2) << "line " << i + 2;
    }
}

constexpr TColor D = clBtnText;

// The results sheet of element 1 (storey 2, position 3).
std::unique_ptr<TReportSheet> Report(const TCalcInput& in, const TCalcResults& r)
{
    auto sheet = std::make_unique<TReportSheet>();
    BuildResultsReport(1, 2, 3, in, r, *sheet);
    return sheet;
}

} // namespace

TEST(ResultsReport, CaseZeroEndToEnd)
{
    auto in = orvtest::LoadedDefaultWall();
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, *in, r), 0);
    const auto sheet = Report(*in, r);
    // A = 0.25 < 0.3: eta_A = 1.25 - 0.05/0.1 x 0.25 = 1.125, f_d = 3.655/(2.2 x 1.125)
    // = 1.4768 MPa; N_1d 180 / N_1Rd 298.687 = 60.3 %;
    // N_md 187.425 / N_mRd 262.644 = 71.4 %; N_2d 194.85 / N_2Rd 339.669 = 57.4 %
    const std::string area = "  A = 0,2500 m%I2%N,  f%Dd%N = 1,477 MPa";
    ExpectSheet(*sheet, {
        {"%Sh%N%DA%N = 1,125 (A < 0,3 m%I2%N):  f%Dd%N = f%Dk%N/(%Sg%N%Dm%N·%Sh%N%DA%N) = 3,655 MPa/(2,2·1,125) = "
         "1,477 MPa", D, false},
        {"Warunek nośności pod stropem:", D, true},
        {"%SF%N%D1%N = 0,809" + area, D, false},
        {"N%D1d%N = 180,00 kN  <  N%D1R,d%N = %SF%N%D1%N·A·f%Dd%N = 298,69 kN     (60,3%)", clNavy, false},
        {"Warunek nośności w strefie środkowej:", D, true},
        {"%SF%N%Dm%N = 0,7114" + area, D, false},
        {"N%Dmd%N = 187,43 kN  <  N%DmR,d%N = %SF%N%Dm%N·A·f%Dd%N = 262,64 kN     (71,4%)", clNavy, false},
        {"Warunek nośności nad stropem:", D, true},
        {"%SF%N%D2%N = 0,920" + area, D, false},
        {"N%D2d%N = 194,85 kN  <  N%D2R,d%N = %SF%N%D2%N·A·f%Dd%N = 339,67 kN     (57,4%)", clNavy, false},
    });
    EXPECT_FALSE(IsCapacityExceeded(*in, r));
}

TEST(ResultsReport, FailingWallGivesRedLinesAndTheVerdict)
{
    // N_0d 400 kN: N_1d = 430 > N_1Rd = 0.873535 x 369.206 = 322.514
    auto in = orvtest::DefaultInput();
    in->Nod = 400;
    in->Nsld = 30;
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, *in, r), 0);
    const auto sheet = Report(*in, r);
    EXPECT_EQ(orvtest::Shown(sheet->Line(5).text()),
              "N%D1d%N = 430,00 kN  >  N%D1R,d%N = %SF%N%D1%N·A·f%Dd%N = 322,51 kN     (133,3%)");
    EXPECT_EQ(sheet->Line(5).Color, clRed);
    EXPECT_TRUE(IsCapacityExceeded(*in, r));
}

TEST(ResultsReport, EqualLoadAndResistanceHolds)
{
    auto in = orvtest::DefaultInput();
    TCalcResults r;
    r.N_1d = r.N_1Rd = 250;
    r.N_md = 1;
    r.N_mRd = 2;
    r.N_2d = 1;
    r.N_2Rd = 2;
    in->Case = ccWallVerticalContinuous;
    const auto sheet = Report(*in, r);
    EXPECT_EQ(orvtest::Shown(sheet->Line(4).text()),
              "N%D1d%N = 250,00 kN  =  N%D1R,d%N = %SF%N%D1%N·A·f%Dd%N = 250,00 kN     (100,0%)");
    EXPECT_EQ(sheet->Line(4).Color, clNavy);
    EXPECT_FALSE(IsCapacityExceeded(*in, r));
    // a resistance that is no number must not pass
    r.N_mRd = std::numeric_limits<double>::quiet_NaN();
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(sheet->Line(7).Color, clRed);
    EXPECT_TRUE(IsCapacityExceeded(*in, r));
}

// Results that no check of the program leaves (they end in error 50), as a
// caller may still hand them over: the sheet shows no INF or NaN, fails every
// condition that holds one, and keeps the resistance of a line whose load is huge.
TEST(ResultsReport, NumbersThatAreNoNumbers)
{
    SetDecimalSeparator(',');
    auto in = orvtest::DefaultInput();
    TCalcResults r;
    r.A = 0.25;
    r.f_d = 1.5e6;
    r.Phi_1 = 0.8;
    r.N_1d = 1e300;          // 1e300/250 = 4e297 per cent
    r.N_1Rd = 250;
    r.N_md = 100;
    r.N_mRd = std::numeric_limits<double>::infinity();
    r.N_2d = -std::numeric_limits<double>::infinity();
    r.N_2Rd = 300;
    r.Phi_2 = std::numeric_limits<double>::quiet_NaN();
    const auto sheet = Report(*in, r);
    EXPECT_EQ(orvtest::Shown(sheet->Line(4).text()),
              "N%D1d%N = 1,00E+300 kN  >  N%D1R,d%N = %SF%N%D1%N·A·f%Dd%N = 250,00 kN     (4,0E+299%)");
    EXPECT_EQ(sheet->Line(4).Color, clRed);
    // an infinite resistance or load meets nothing
    EXPECT_EQ(orvtest::Shown(sheet->Line(7).text()), "N%Dmd%N = 100,00 kN  <  N%DmR,d%N = %SF%N%Dm%N·A·f%Dd%N = ? kN     (0,0%)");
    EXPECT_EQ(sheet->Line(7).Color, clRed);
    EXPECT_EQ(orvtest::Shown(sheet->Line(9).text()), "%SF%N%D2%N = ?  A = 0,2500 m%I2%N,  f%Dd%N = 1,50 MPa");
    EXPECT_EQ(sheet->Line(10).Color, clRed);
    for (int i = 1; i <= sheet->Count; ++i) {
        const std::string t = orvtest::Shown(sheet->Line(i).text());
        EXPECT_EQ(t.find("INF"), std::string::npos) << t;
        EXPECT_EQ(t.find("NAN"), std::string::npos) << t;
    }
    EXPECT_TRUE(IsCapacityExceeded(*in, r));

    // case 2 with a signed design value and case 4 with the general form of beta_A
    in->Case = ccWallHorizontal;
    in->wd_kNm2 = 1;
    r.Arch = 1;
    r.V_Sd = -1e300;
    r.V_Rd = 5;
    r.q_Rd = std::numeric_limits<double>::quiet_NaN();
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(orvtest::Shown(sheet->Line(3).text()), "V%DSd%N = (-) 1,00E+300 kN/mb  >  V%DRd%N = 5,00 kN/mb     (2,0E+301%)");
    EXPECT_EQ(orvtest::Shown(sheet->Line(5).text()), "w%Dd%N = 1,00 kN/m%I2%N  >  q%DRd%N = ? kN/m%I2%N     (?%)");
    in->Case = ccBasementWall;
    r.N_2d = 50;
    r.N_maxRd = std::numeric_limits<double>::infinity();
    r.N_minRd = 10;
    r.beta_A = std::numeric_limits<double>::quiet_NaN();
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(orvtest::Shown(sheet->Line(5).text()), "N%DSd%N = 50,00 kN/m  >  %Sr%N%De%N·h·h%De%N%I2%N /(?·t) = 10,00 kN/m");
    EXPECT_EQ(sheet->Line(7).text(), "Wniosek: wymagane jest obliczeniowe sprawdzenie ściany.");
    EXPECT_TRUE(IsCapacityExceeded(*in, r));
}

TEST(ResultsReport, ErrorOutcomes)
{
    auto in = orvtest::DefaultInput(ccBasementWall);
    TCalcResults r;
    r.Error = 21;
    const auto sheet = Report(*in, r);
    ExpectSheet(*sheet, {{"Uwaga błąd!", clRed, true}, {CalcErrorText(21), clRed, true}});
    EXPECT_TRUE(IsCapacityExceeded(*in, r));

    // error 35 of case 2: the plate line only for a wall divided into plates
    in->Case = ccWallHorizontal;
    r.Error = 35;
    r.Arch = 1;   // the error is not hidden by the arch model
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    ExpectSheet(*sheet, {{"Uwaga błąd!", clRed, true},
                         {CalcErrorText(35), clRed, true},
                         {"Obliczenia można wykonać przy założeniu innego modelu obliczeniowego ściany.", D, true}});
    in->ScianaZOtworami = 1;
    r.PlateCount = 3;
    r.DecisivePlate = 2;
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(sheet->Line(3).text(), "Decyduje %Bpłyta B%N:");
    EXPECT_EQ(sheet->Count, 5);
    EXPECT_TRUE(IsCapacityExceeded(*in, r));

    // error 35 outside case 2 is an error like any other
    in->Case = ccWallVerticalHinged;
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(sheet->Count, 3);
    EXPECT_EQ(sheet->Line(2).Color, clRed);
}

TEST(ResultsReport, HorizontalWallArch)
{
    auto in = orvtest::DefaultInput(ccWallHorizontal);
    in->wd_kNm2 = -0.8;
    TCalcResults r;
    r.Arch = 1;
    r.IsTablePlate = 1;   // plate fields are not shown for an arch
    r.V_Sd = 12;
    r.V_Rd = 10;
    r.q_Rd = 1.6;
    const auto sheet = Report(*in, r);
    // 12/10 = 120 %; |w| 0.8 / 1.6 = 50 %
    ExpectSheet(*sheet, {
        {"Warunek nośności ściany:", D, true},
        {"V%DSd%N = 12,00 kN/mb  >  V%DRd%N = 10,00 kN/mb     (120,0%)", clRed, false},
        {"Warunek jednostkowego obciążenia poziomego:", D, true},
        {"w%Dd%N = (-) 0,80 kN/m%I2%N  <  q%DRd%N = 1,60 kN/m%I2%N     (50,0%)", clNavy, false},
    });
}

TEST(ResultsReport, HorizontalWallCantileverWithNegativeMoment)
{
    auto in = orvtest::DefaultInput(ccWallHorizontal);
    in->wd_kNm2 = 0.5;
    in->l = 250;
    TCalcResults r;
    r.HorizontalBeam = 2;
    r.VerticalBeam = -1;
    r.M_Sd2 = -3.456;
    r.M_Rd2 = 5.0;
    r.f_xd2 = 0.2;
    r.W2 = 0.0104167;   // t^2/6 for t = 0.25 m
    const auto sheet = Report(*in, r);
    // 3.456/5 = 69.1 %; L = 2.50 m; W = 10416.7 cm3/m
    ExpectSheet(*sheet, {
        {"Warunek nośności w płaszczyźnie prostopadłej do spoin wspornych:", D, true},
        {"M%DSd%N = w%Dd%N·L%I2%N / 2 = 0,500 kN/m%I2%N ·(1,05·2,50 m)%I2%N / 2 = -3,456 kNm/mb", D, false},
        {"M%DRd%N = f%Dxd2%N·W = 0,200 MPa · 10416,70 cm%I3%N/mb = 5,00 kNm/mb", D, false},
        {"M%DSd%N = (-) 3,456 kNm/mb  <  M%DRd%N = 5,00 kNm/mb     (69,1%)", clNavy, false},
    });
}

TEST(ResultsReport, HorizontalWallPlateOfAWallWithOpenings)
{
    auto in = orvtest::DefaultInput(ccWallHorizontal);
    in->ScianaZOtworami = 1;
    in->wd_kNm2 = 0.6;
    in->h = 300;
    TCalcResults r;
    r.IsTablePlate = 1;
    r.PlateCount = 2;
    r.DecisivePlate = 1;
    r.SchemeName = "płyta 4";
    r.Plates[0].a_w = 120;
    r.Plates[0].H = 300;
    r.Plates[0].L = 200;
    r.mu = 0.4;
    r.alpha = 0.035;
    r.M_Sd1 = 0.08;
    r.M_Rd1 = 0.1;
    r.M_Sd2 = 0.3;
    r.M_Rd2 = 0.2;
    const auto sheet = Report(*in, r);
    EXPECT_EQ(sheet->Line(2).text(), "Decyduje %Bpłyta A%N:");
    EXPECT_EQ(sheet->Line(3).text(), "Przyjęty schemat obliczeniowy: %Bpłyta 4%N");
    // horizontal division: the strip's height H enters FV
    EXPECT_EQ(orvtest::Shown(sheet->Line(5).text()), "M%DSd%N = %Sa%N·(a%DW%N/b)·w%Dd%N·L%I2%N = 0,035·(1,20 m /3,00 m )·0,600 "
                                     "kN/m%I2%N ·(1,05·2,00 m)%I2%N = 0,30 kNm/mb");
    EXPECT_EQ(sheet->Line(7).Color, clRed);   // 0.3 > 0.2
    // both planes over the strip's own length (orthogonal-ratio method)
    EXPECT_EQ(orvtest::Shown(sheet->Line(9).text()), "M%DSd%N = %Sm%N·%Sa%N·(a%DW%N/b)·w%Dd%N·L%I2%N = 0,400·(1,20 m /3,00 m )·"
                                     "0,035·0,600 kN/m%I2%N ·(1,05·2,00 m)%I2%N = 0,08 kNm/mb");
    EXPECT_EQ(sheet->Line(11).Color, clNavy);
    EXPECT_EQ(sheet->Count, 11);
    // a decisive plate outside the division shows zero strip values, never another record
    r.DecisivePlate = 40;
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    EXPECT_NE(orvtest::Shown(sheet->Line(5).text()).find("(0,00 m /0,00 m )"), std::string::npos);
}

TEST(ResultsReport, ConcentratedLoad)
{
    auto in = orvtest::DefaultInput(ccConcentratedLoad);
    in->Sily[0].NSd = 90;
    TCalcResults r;
    r.beta = 1.25;
    r.A_b = 0.0225;
    r.f_d = 2e6;
    r.N_Rd = 56.25;   // 1.25 x 0.0225 x 2000
    const auto sheet = Report(*in, r);
    ExpectSheet(*sheet, {
        {"Warunek nośności:", D, true},
        {"%Sb%N = 1,250  A%Db%N = 0,0225 m%I2%N,  f%Dd%N = 2,00 MPa", D, false},
        {"N%DSd%N = 90,00 kN  >  N%DRd%N = %Sb%N·A%Db%N·f%Dd%N = 56,25 kN     (160,0%)", clRed, false},
        {"", D, false},
        {"Uwaga: Ścianę należy dodatkowo sprawdzić jako ścianę obciążoną pionowo według modelu przegubowego "
         "lub ciągłego.", D, false},
    });
    EXPECT_EQ(sheet->Line(5).Flag, 2);
}

TEST(ResultsReport, EveryConcentratedLoadHasItsCondition)
{
    auto in = orvtest::DefaultInput(ccConcentratedLoad);
    in->LiczbaSilSkup = 3;
    in->Sily[0].NSd = 50;
    in->Sily[1].NSd = 60;
    in->Sily[2].NSd = 20;
    TCalcResults r;
    r.beta = 1.25;
    r.A_b = 0.0225;
    r.f_d = 2e6;
    r.N_Rd = 56.25;   // 1.25 x 0.0225 x 2000
    r.l_eff = 90;
    r.N_Rd2 = 48;     // 60/48 = 125 %
    r.beta2 = 1.2;
    r.A_b2 = 0.02;
    r.l_eff2 = 70.25;
    r.N_Rd3 = 40;     // 20/40 = 50 %
    r.beta3 = 1;
    r.A_b3 = 0.02;
    r.l_eff3 = 44.5;
    const auto sheet = Report(*in, r);
    ExpectSheet(*sheet, {
        {"Warunek nośności:", D, true},
        {"%Sb%N = 1,250  A%Db%N = 0,0225 m%I2%N,  l%Deff%N = 90,00 cm,  f%Dd%N = 2,00 MPa", D, false},
        {"N%DSd%N = 50,00 kN  <  N%DRd%N = %Sb%N·A%Db%N·f%Dd%N = 56,25 kN     (88,9%)", clNavy, false},
        {"%Sb%N%D2%N = 1,200  A%Db,2%N = 0,0200 m%I2%N,  l%Deff,2%N = 70,25 cm,  f%Dd%N = 2,00 MPa", D, false},
        {"N%DSd,2%N = 60,00 kN  >  N%DRd,2%N = %Sb%N%D2%N·A%Db,2%N·f%Dd%N = 48,00 kN     (125,0%)", clRed, false},
        {"%Sb%N%D3%N = 1,000  A%Db,3%N = 0,0200 m%I2%N,  l%Deff,3%N = 44,50 cm,  f%Dd%N = 2,00 MPa", D, false},
        {"N%DSd,3%N = 20,00 kN  <  N%DRd,3%N = %Sb%N%D3%N·A%Db,3%N·f%Dd%N = 40,00 kN     (50,0%)", clNavy, false},
        {"", D, false},
        {"Uwaga: Ścianę należy dodatkowo sprawdzić jako ścianę obciążoną pionowo według modelu przegubowego "
         "lub ciągłego.", D, false},
    });
    EXPECT_TRUE(IsCapacityExceeded(*in, r));
    // the second load within its resistance: every condition holds
    in->Sily[1].NSd = 48;
    EXPECT_FALSE(IsCapacityExceeded(*in, r));
    // the third load beyond it
    in->Sily[2].NSd = 40.01;
    EXPECT_TRUE(IsCapacityExceeded(*in, r));
    // two loads: the third is not the element's
    in->LiczbaSilSkup = 2;
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(sheet->Count, 8);
    EXPECT_FALSE(IsCapacityExceeded(*in, r));
    // a count no editor writes is one load, as the check takes it, and reads as one load does
    in->LiczbaSilSkup = 7;
    in->Sily[1].NSd = 100;
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(sheet->Count, 6);
    EXPECT_EQ(orvtest::Shown(sheet->Line(3).text()), "%Sb%N = 1,250  A%Db%N = 0,0225 m%I2%N,  f%Dd%N = 2,00 MPa");
}

// Three loads on the default wall 25 x 100 x 300 cm (f_d = 1,47682 MPa), bearings
// 20 x 25 cm at a1 = 20 (axis), 50 and 70 cm (left sides); the second 250 cm and the
// third 290 cm below the top, the third 12 cm deep. Worked by hand:
//   load 1: A_b = 0,20 x 0,25 = 0,05 m2; h_c = 300, spread 86,6 cut to 10 and 70:
//     l_eff = 100 cm; A_eff = 0,25, r = 0,2, a_1 = 10: beta = 1,01 x 1,28 = 1,2928
//     -> 1,25 + 10/600 = 1,2667; N_Rd = 1,2667 x 0,05 x 1476,82 = 93,53 kN
//   load 2: A_b,2 = 0,05 m2; h_c = 50, spread 14,434: l_eff,2 = 48,87 cm; r = 0,05/0,12217
//     = 0,40927, a_1 = 30: beta_2 = 1,18 x 1,04980 = 1,2388; N_Rd,2 = 91,47 kN
//   load 3: A_b,3 = 0,20 x 0,12 = 0,024 m2; h_c = 10, spread 2,887: l_eff,3 = 25,77 cm;
//     r = 0,024/0,064434 = 0,37248, a_1 = 10: beta_3 = 1,3 x 1,09027 = 1,4174; N_Rd,3 = 50,24 kN
TEST(ResultsReport, ThreeConcentratedLoadsCalculatedEachWithItsFactorAndArea)
{
    SetDecimalSeparator(',');
    auto in = orvtest::DefaultInput(ccConcentratedLoad);
    in->LiczbaSilSkup = 3;
    in->Sily[0].NSd = 80;
    in->Sily[1].NSd = 600;
    in->Sily[1].hN = 250;
    in->Sily[2].NSd = 45;
    in->Sily[2].hN = 290;
    in->Sily[2].aT = 12;
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcWallConcentrated(trace, *in, r), 0);
    const auto sheet = Report(*in, r);
    ExpectSheet(*sheet, {
        {"%Sh%N%DA%N = 1,125 (A < 0,3 m%I2%N):  f%Dd%N = f%Dk%N/(%Sg%N%Dm%N·%Sh%N%DA%N) = 3,655 MPa/(2,2·1,125) = "
         "1,477 MPa", D, false},
        {"Warunek nośności:", D, true},
        {"%Sb%N = 1,267  A%Db%N = 0,0500 m%I2%N,  l%Deff%N = 100,00 cm,  f%Dd%N = 1,477 MPa", D, false},
        {"N%DSd%N = 80,00 kN  <  N%DRd%N = %Sb%N·A%Db%N·f%Dd%N = 93,53 kN     (85,5%)", clNavy, false},
        {"%Sb%N%D2%N = 1,239  A%Db,2%N = 0,0500 m%I2%N,  l%Deff,2%N = 48,87 cm,  f%Dd%N = 1,477 MPa", D, false},
        {"N%DSd,2%N = 600,00 kN  >  N%DRd,2%N = %Sb%N%D2%N·A%Db,2%N·f%Dd%N = 91,47 kN     (655,9%)", clRed,
         false},
        {"%Sb%N%D3%N = 1,417  A%Db,3%N = 0,0240 m%I2%N,  l%Deff,3%N = 25,77 cm,  f%Dd%N = 1,477 MPa", D, false},
        {"N%DSd,3%N = 45,00 kN  <  N%DRd,3%N = %Sb%N%D3%N·A%Db,3%N·f%Dd%N = 50,24 kN     (89,6%)", clNavy, false},
        {"", D, false},
        {"Uwaga: Ścianę należy dodatkowo sprawdzić jako ścianę obciążoną pionowo według modelu przegubowego "
         "lub ciągłego.", D, false},
    });
}

TEST(ResultsReport, BasementWallAnnexBounds)
{
    auto in = orvtest::DefaultInput(ccBasementWall);
    TCalcResults r;
    r.N_2d = 50;
    r.N_maxRd = 120;
    r.N_minRd = 20;
    r.beta_A = 20;
    const auto sheet = Report(*in, r);
    ExpectSheet(*sheet, {
        {"Sprawdzenie wg Zał.A normy:", D, true},
        {"Obliczeniowe obciążenie pionowe w połowie wysokości zasypania gruntem   N%DSd%N = 50,00 kN/m", D, false},
        {"N%DSd%N = 50,00 kN/m  <  t·f%Dk%N /(3·%Sg%N%Dm%N) = 120,00 kN/m", clNavy, false},
        {"N%DSd%N = 50,00 kN/m  >  %Sr%N%De%N·h·h%De%N%I2%N /(20·t) = 20,00 kN/m", clNavy, false},
        {"", D, false},
        {"Wniosek: nie jest wymagane obliczeniowe sprawdzenie ściany.", D, false},
    });
    EXPECT_FALSE(IsCapacityExceeded(*in, r));
    r.N_2d = 130;
    r.beta_A = 7.5;
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(sheet->Line(4).Color, clRed);
    EXPECT_EQ(orvtest::Shown(sheet->Line(5).text()), "N%DSd%N = 130,00 kN/m  >  %Sr%N%De%N·h·h%De%N%I2%N /(7,5·t) = 20,00 kN/m");
    EXPECT_EQ(sheet->Line(7).text(), "Wniosek: wymagane jest obliczeniowe sprawdzenie ściany.");
    EXPECT_EQ(sheet->Line(7).Color, clRed);
    EXPECT_TRUE(IsCapacityExceeded(*in, r));
    // a load below the lower bound
    r.N_2d = 10;
    EXPECT_TRUE(IsCapacityExceeded(*in, r));
    // a load that is no number never lies between the bounds
    r.N_2d = std::numeric_limits<double>::quiet_NaN();
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(sheet->Line(7).text(), "Wniosek: wymagane jest obliczeniowe sprawdzenie ściany.");
}

TEST(ResultsReport, ColumnBiaxial)
{
    auto in = orvtest::DefaultInput(ccColumn);
    TCalcResults r;
    r.A = 0.0625;
    r.f_d = 1.5e6;
    r.Phi_1 = 0.8;
    r.Phi_1y = 0.7;
    r.N_0Rd = 93.75;                          // 0.0625 x 1500
    r.N_1Rd = 75;                             // 0.8 x 93.75
    r.N_1Rd_y = 65.625;                       // 0.7 x 93.75
    r.N_1Rd_xy = 1 / (1 / 75.0 + 1 / 65.625 - 1 / 93.75);   // 1/0.0179048 = 55.851
    r.N_1d = 50;
    r.N_md = r.N_2d = 1;
    r.N_mRd_xy = r.N_2Rd_xy = 2;
    const auto sheet = Report(*in, r);
    ASSERT_EQ(sheet->Count, 13);
    EXPECT_EQ(sheet->Line(2).text(), "Warunek nośności pod stropem:");
    EXPECT_EQ(orvtest::Shown(sheet->Line(3).text()), "A = 0,0625 m%I2%N,  f%Dd%N = 1,50 MPa,  %SF%N%D1,x%N = 0,800,  %SF%N%D1,y%N = 0,700");
    EXPECT_EQ(orvtest::Shown(sheet->Line(4).text()), "N%D1R,d,x%N = 75,00 kN,  N%D1R,d,y%N = 65,63 kN,  N%D0R,d%N = A·f%Dd%N = 93,75 kN");
    // 50 / 55.851 = 89.5 %
    EXPECT_EQ(orvtest::Shown(sheet->Line(5).text()), "N%D1d%N = 50,00 kN  <  N%D1R,d,xy%N = 1/[(1/N%D1R,d,x%N)+(1/N%D1R,d,y%N)-"
                                     "(1/N%D0R,d%N)] = 55,85 kN     (89,5%)");
    EXPECT_EQ(sheet->Line(5).Color, clNavy);
    // Every section sets its reduction factors apart from the unit alike.
    EXPECT_EQ(orvtest::Shown(sheet->Line(7).text()).rfind("A = 0,0625 m%I2%N,  f%Dd%N = 1,50 MPa,  %SF%N%Dm,x%N = ", 0), 0u);
    EXPECT_EQ(orvtest::Shown(sheet->Line(11).text()).rfind("A = 0,0625 m%I2%N,  f%Dd%N = 1,50 MPa,  %SF%N%D2,x%N = ", 0), 0u);
    EXPECT_FALSE(IsCapacityExceeded(*in, r));
}

TEST(DesignSituation, ThreeLines)
{
    auto in = orvtest::DefaultInput();
    in->sytuacja = 1;
    in->KategoriaWykRobot = 0;
    TCalcResults r;
    r.gamma_m = 2.2;
    r.Reached = cpPartialFactor;
    auto sheet = std::make_unique<TReportSheet>();
    DesignSituationLines(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(sheet->Count, 4);
    EXPECT_EQ(sheet->Line(1).text(), "Sytuacja obliczeniowa: @@przejściowa");
    EXPECT_EQ(sheet->Line(2).text(), "Kategoria wykonania robót: @@A");
    EXPECT_EQ(sheet->Line(3).text(), "%S®%N   Częściowy współczynnik bezpieczeństwa dla muru @@%Sg%N%Dm%N = 2,2");
    EXPECT_EQ(sheet->Line(4).text(), "");
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(sheet->Line(i).X1, 2);
    in->sytuacja = 7;
    DesignSituationLines(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(sheet->Line(1).text(), "Sytuacja obliczeniowa: @@");
}

// Error 50 of the range check names the first value outside its editor
// range, its value and the limit it passed, in the editor's decimals and unit.
TEST(ResultsReport, ErrorFiftyNamesItsValueAndLimit)
{
    SetDecimalSeparator(',');
    auto sheet = std::make_unique<TReportSheet>();
    const auto errorLines = [&](const TCalcInput& in) {
        TTraceLines trace;
        TCalcResults r;
        EXPECT_EQ(CalcElement(trace, in, r), ceInvalidInput);
        BuildResultsReport(1, 2, 3, in, r, *sheet);
        std::vector<std::string> out;
        for (int n = 2; n <= sheet->Count; ++n) {
            EXPECT_EQ(sheet->Line(n).Color, clRed) << n;
            EXPECT_EQ(sheet->Line(n).X1, 1) << n;
            out.push_back(orvtest::Shown(sheet->Line(n).text()));
        }
        return out;
    };
    using Lines = std::vector<std::string>;
    const std::string head = "Brak rozwiązania (błąd nr 50).";

    // an autoclaved aerated concrete unit with f_b = 10: its list ends at 7 MPa
    auto in = orvtest::LoadedDefaultWall();
    in->RodzajElementuM = mkAAC;
    EXPECT_EQ(errorLines(*in), (Lines{"Uwaga błąd!", head, "znormalizowana wytrzymałość elementu f%Db%N = 10,0 MPa",
                                      "Wartość maksymalna: 7,0 MPa"}));
    // no strength at all
    in->RodzajElementuM = mkCeramic1;
    in->fb = 0;
    EXPECT_EQ(errorLines(*in), (Lines{"Uwaga błąd!", head, "znormalizowana wytrzymałość elementu f%Db%N = 0,0 MPa",
                                      "Wartość musi być większa od 0."}));
    // an editor field above and below its range; the first one read is named
    in->fb = 10;
    in->wylicz_Gs = 0;
    in->Gs = 400000;
    in->t = 5;
    EXPECT_EQ(errorLines(*in), (Lines{"Uwaga błąd!", head, "grubość ściany t = 5,0 cm", "Wartość minimalna: 10,0 cm"}));
    in->t = 25;
    EXPECT_EQ(errorLines(*in), (Lines{"Uwaga błąd!", head, "ciężar własny ściany G%Ds%N = 400000,00 kN",
                                      "Wartość maksymalna: 200000,00 kN"}));
    // symbols and units of the editor's names in the report mark-up
    auto wall = orvtest::DefaultInput(ccWallHorizontal);
    wall->wd_kNm2 = 12.5;
    EXPECT_EQ(errorLines(*wall), (Lines{"Uwaga błąd!", head, "obciążenie poziome w%Dd%N = 12,500 kN/m%I2%N",
                                        "Wartość maksymalna: 10,000 kN/m%I2%N"}));
    auto basement = orvtest::DefaultInput(ccBasementWall);
    basement->ro_e = 45;
    EXPECT_EQ(errorLines(*basement), (Lines{"Uwaga błąd!", head, "ciężar objętościowy gruntu %Sr%N%De%N = 45,00 kN/m%I3%N",
                                            "Wartość maksymalna: 30,00 kN/m%I3%N"}));
    // a value that is no number (from a file) has no limit to name
    basement->ro_e = std::nan("");
    EXPECT_EQ(errorLines(*basement), (Lines{"Uwaga błąd!", head, "ciężar objętościowy gruntu %Sr%N%De%N = ?"}));
    auto continuous = orvtest::DefaultInput(ccWallVerticalContinuous);
    continuous->E3 = std::numeric_limits<double>::infinity();
    const Lines infinite = errorLines(*continuous);
    ASSERT_EQ(infinite.size(), 3u);
    EXPECT_NE(infinite[2].find(" = ?"), std::string::npos) << infinite[2];

    // the results view shows the same lines
    in->RodzajElementuM = mkAAC;
    in->Gs = 10;
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, *in, r), ceInvalidInput);
    std::ostringstream os;
    FillResultsRtf(true, *in, r, "Arial", 20, true, false, os);
    const auto doc = orvtest::ParseRtf(os.str());
    ASSERT_TRUE(doc.ok) << doc.error;
    EXPECT_NE(orvtest::Shown(doc.text).find("znormalizowana wytrzymałość elementu fb = 10,0 MPa\nWartość maksymalna: 7,0 MPa"),
              std::string::npos)
        << doc.text;
}

namespace {

// The lines under "Uwaga błąd!" of an element calculated as the program does,
// each checked red and at the heading position, and the results view's text.
struct ErrorReport {
    u8 error = 255;
    std::vector<std::string> lines;
    std::string view;
};

ErrorReport CalculatedErrorReport(const TCalcInput& in)
{
    ErrorReport out;
    TTraceLines trace;
    TCalcResults r;
    out.error = CalcElement(trace, in, r);
    const auto sheet = Report(in, r);
    for (int n = 3; n <= sheet->Count; ++n) {
        EXPECT_EQ(sheet->Line(n).Color, clRed) << n;
        EXPECT_EQ(sheet->Line(n).X1, 1) << n;
        out.lines.push_back(orvtest::Shown(sheet->Line(n).text()));
    }
    EXPECT_EQ(sheet->Line(2).text(), "Uwaga błąd!");
    EXPECT_TRUE(IsCapacityExceeded(in, r));
    std::ostringstream os;
    FillResultsRtf(true, in, r, "Arial", 20, true, false, os);
    const auto doc = orvtest::ParseRtf(os.str());
    EXPECT_TRUE(doc.ok) << doc.error;
    out.view = orvtest::Shown(doc.text);
    return out;
}

} // namespace

// Two concentrated loads whose bearings share the wall: the error names both
// loads and the spans of their bearings, in the locale's numbers.
TEST(ResultsReport, SharedBearingsNameBothLoadsAndTheirSpans)
{
    using Lines = std::vector<std::string>;
    const std::string head = "Pola oddziaływania obciążeń skupionych nachodzą na siebie.";
    // loads 2 (a 80, a_l 30) and 3 (a 70, a_l 25) of 220 kN on a wall 200 cm wide
    auto in = orvtest::DefaultInput(ccConcentratedLoad);
    in->l = 200;
    in->LiczbaSilSkup = 3;
    in->Sily[1] = {220, 30, 25, 80, 0};
    in->Sily[2] = {220, 25, 25, 70, 0};
    SetDecimalSeparator(',');
    ErrorReport report = CalculatedErrorReport(*in);
    EXPECT_EQ(report.error, ceBearingsOverlap);
    EXPECT_EQ(report.lines, (Lines{head, "Obciążenie skupione nr 2: od 80,0 cm do 110,0 cm od lewej krawędzi ściany",
                                   "Obciążenie skupione nr 3: od 70,0 cm do 95,0 cm od lewej krawędzi ściany"}));
    EXPECT_NE(report.view.find(head + "\nObciążenie skupione nr 2: od 80,0 cm do 110,0 cm"), std::string::npos)
        << report.view;

    // the first load, placed by its centre 22.5 (bearing 12.5..32.5), over the third at 25
    in->Sily[1] = {50, 20, 25, 50, 0};
    in->Sily[2] = {50, 20, 25, 25, 120};
    in->Sily[0].a1 = 22.5;
    SetDecimalSeparator('.');
    report = CalculatedErrorReport(*in);
    EXPECT_EQ(report.error, ceBearingsOverlap);
    EXPECT_EQ(report.lines, (Lines{head, "Obciążenie skupione nr 1: od 12.5 cm do 32.5 cm od lewej krawędzi ściany",
                                   "Obciążenie skupione nr 3: od 25.0 cm do 45.0 cm od lewej krawędzi ściany"}));

    // loads of a file sharing 0.004 cm: the spans show it, not bearings that touch
    in->Sily[0].a1 = 10;
    in->Sily[1] = {50, 30, 25, 80.04, 0};
    in->Sily[2] = {50, 30.004, 25, 50.04, 0};
    SetDecimalSeparator(',');
    report = CalculatedErrorReport(*in);
    EXPECT_EQ(report.error, ceBearingsOverlap);
    EXPECT_EQ(report.lines, (Lines{head, "Obciążenie skupione nr 2: od 80,040 cm do 110,040 cm od lewej krawędzi ściany",
                                   "Obciążenie skupione nr 3: od 50,040 cm do 80,044 cm od lewej krawędzi ściany"}));
}

// Error 20 of the continuous model names the mean stress and its limit.
TEST(ResultsReport, LowMeanStressNamesTheStressAndItsLimit)
{
    // N_0d 1 kN, slabs without load: N_1d = 1 kN, sigma_cd = 1/(0.25 x 1.0) = 4 kN/m2
    auto in = orvtest::DefaultInput(ccWallVerticalContinuous);
    in->ScianaZewnetrzna = 1;
    in->J3 = in->J6 = 28125;
    in->Nod = 1;
    const std::string head =
        "Nie można posługiwać się modelem ciągłym - zbyt małe średnie naprężenie obliczeniowe ściany.";
    SetDecimalSeparator(',');
    ErrorReport report = CalculatedErrorReport(*in);
    EXPECT_EQ(report.error, ceLowMeanStress);
    EXPECT_EQ(report.lines, (std::vector<std::string>{head, "%Ss%N%Dcd%N = 0,004 MPa  <  0,25 MPa"}));
    // the view writes sigma and cd as a subscript
    EXPECT_NE(report.view.find(head + "\nσcd = 0,004 MPa  <  0,25 MPa"), std::string::npos) << report.view;

    // 61 kN on 0.25 m2: 0.244 MPa
    in->Nod = 61;
    SetDecimalSeparator('.');
    report = CalculatedErrorReport(*in);
    EXPECT_EQ(report.error, ceLowMeanStress);
    EXPECT_EQ(report.lines, (std::vector<std::string>{head, "%Ss%N%Dcd%N = 0.244 MPa  <  0.25 MPa"}));

    // 62.49 kN: 0.24996 MPa, printed to the decimal that shows it below the limit
    in->Nod = 62.49;
    report = CalculatedErrorReport(*in);
    EXPECT_EQ(report.error, ceLowMeanStress);
    EXPECT_EQ(report.lines, (std::vector<std::string>{head, "%Ss%N%Dcd%N = 0.24996 MPa  <  0.25 MPa"}));
    SetDecimalSeparator(',');
}
