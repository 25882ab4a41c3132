#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <sstream>

#include "tests/core/support/ReportDump.h"
#include "tests/core/support/CalcSupport.h"
#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunStrings.h"

using namespace orv;

namespace {

std::vector<std::string> Texts(const TReportSheet& s)
{
    std::vector<std::string> v;
    for (int i = 1; i <= s.Count; ++i) v.push_back(orvtest::Shown(s.Line(i).text()));
    return v;
}

int Find(const TReportSheet& s, const std::string& text)
{
    for (int i = 1; i <= s.Count; ++i)
        if (orvtest::Shown(s.Line(i).text()) == text) return i;
    return 0;
}

// The printed f_k of the input sheet and gamma_m of the assumptions (the text
// after "= ") of an element calculated through the dispatcher.
struct StrengthLines {
    u8 error = 0;
    std::string fk, gm;
    std::vector<std::string> input, results;
};

std::string After(const std::vector<std::string>& lines, const std::string& label)
{
    for (const std::string& l : lines)
        if (const std::size_t p = l.find(label); p != std::string::npos) return l.substr(p + label.size());
    return "(no line)";
}

// The slabs of the continuous model given their moments of inertia.
void WithJoints(TCalcInput& in) { in.J3 = in.J4 = in.J6 = in.J7 = 28125; }

StrengthLines Calculated(const TCalcInput& in)
{
    StrengthLines s;
    TTraceLines trace;
    TCalcResults r;
    s.error = CalcElement(trace, in, r);
    auto sheet = std::make_unique<TReportSheet>();
    BuildInputReport(1, 2, 3, in, r, *sheet);
    s.input = Texts(*sheet);
    s.fk = After(s.input, "f%Dk%N = ");
    DesignSituationLines(1, 2, 3, in, r, *sheet);
    s.gm = After(Texts(*sheet), "%Sg%N%Dm%N = ");
    BuildResultsReport(1, 2, 3, in, r, *sheet);
    s.results = Texts(*sheet);
    return s;
}

} // namespace

// f_b of 5000 MPa is refused before any case runs (error 50): the sheets show
// the entered f_b, and a dash for f_k and gamma_m, which were never computed.
TEST(InputReport, ACheckRefusedBeforeItRanShowsNoStrength)
{
    SetDecimalSeparator(',');
    for (int c = 0; c < CalcCaseCount; ++c) {
        auto in = orvtest::DefaultInput(c);
        in->fb = 5000;
        const StrengthLines s = Calculated(*in);
        EXPECT_EQ(s.error, ceInvalidInput) << c;
        EXPECT_EQ(s.fk, "–") << c;
        EXPECT_EQ(s.gm, "–") << c;
        EXPECT_EQ(After(s.input, "na ściskanie f%Db%N = "), "5000,0 MPa") << c;
        // the results name the entered value at fault and no strength
        EXPECT_EQ(s.results[3], "znormalizowana wytrzymałość elementu f%Db%N = 5000,0 MPa") << c;
        for (const std::string& l : s.results) {
            EXPECT_EQ(l.find("f%Dk"), std::string::npos) << c << l;
            EXPECT_EQ(l.find("f%Dd"), std::string::npos) << c << l;
            EXPECT_EQ(l.find("%Sg%N%Dm"), std::string::npos) << c << l;
        }
    }
}

// A check that stops shows the strength when it reached the strength section
// (f_k = 0.45 x 10^0.7 x 5^0.3 = 3.655 MPa, gamma_m 2.2) and a dash when it
// stopped before it, for every stop of every case.
TEST(InputReport, AStoppedCheckShowsTheStrengthItReached)
{
    SetDecimalSeparator(',');
    struct Row {
        const char* what;
        int calcCase;
        void (*spoil)(TCalcInput&);
        u8 error;
        bool reached;
    };
    const Row rows[] = {
        {"f_b beyond its list", 0, [](TCalcInput& i) { i.fb = 5000; }, ceInvalidInput, false},
        {"slenderness 300/10", 0, [](TCalcInput& i) { i.t = 10; }, ceSlenderness, true},
        {"no joint inertia", 1, [](TCalcInput&) {}, 12, true},
        {"slenderness", 1, [](TCalcInput& i) { WithJoints(i); i.t = 10; }, ceSlenderness, true},
        {"low mean stress", 1, [](TCalcInput& i) { WithJoints(i); i.Nod = 10; }, ceLowMeanStress, true},
        {"plate outside the tables", 2, [](TCalcInput&) {}, 35, true},
        {"table plate over 25 cm", 2, [](TCalcInput& i) { i.l = 300; i.h = 250; i.t = 26; }, 23, true},
        {"no division into strips", 2,
         [](TCalcInput& i) {
             i.l = i.h = 300;
             i.SchematScianyTyp = 0;
             i.SchematPlytySciany = 0;
             i.ScianaZOtworami = 1;
             i.LiczbaOkien = 1;
             i.Okna[0] = {100, 0, 50, 300};
         },
         29, true},
        {"load beyond the wall", 3, [](TCalcInput& i) { i.Sily[0].a1 = 91; }, ceLoadOutsideWall, false},
        {"storey height", 4, [](TCalcInput&) {}, ceAnnexHeight, true},
        {"thickness", 4, [](TCalcInput& i) { i.h = 250; i.t = 19; }, ceAnnexThickness, true},
        {"backfill", 4, [](TCalcInput& i) { i.h = 250; i.he = 251; }, ceAnnexBackfill, true},
        {"slenderness x", 5, [](TCalcInput& i) { i.h = 320; }, ceColumnSlendernessX, true},
        {"slenderness y", 5, [](TCalcInput& i) { i.t = 30; i.t2 = 20; i.PodpSTyp_x = 1; }, ceColumnSlendernessY,
         true},
    };
    for (const Row& row : rows) {
        auto in = orvtest::DefaultInput(row.calcCase);
        row.spoil(*in);
        const StrengthLines s = Calculated(*in);
        EXPECT_EQ(s.error, row.error) << row.what;
        EXPECT_EQ(s.fk, row.reached ? "3,655 MPa" : "–") << row.what;
        EXPECT_EQ(s.gm, row.reached ? "2,2" : "–") << row.what;
    }
}

TEST(InputReport, DefaultWallOfCaseZero)
{
    auto in = orvtest::LoadedDefaultWall();
    TCalcResults r;
    r.f_k = 3.65514e6;
    r.Reached = cpStrength;
    auto sheet = std::make_unique<TReportSheet>();
    BuildInputReport(10, 20, 30, *in, r, *sheet);
    // G_s = 18 x 1.1 x 300 x 25 x 100 / 1e6 = 14.85 kN as stored
    const std::vector<std::string> expected = {
        "%UMateriał:%N",
        "Ściana z elementów ceramicznych grupy 1",
        "Znormalizowana wytrzymałość elementu na ściskanie f%Db%N = 10,0 MPa",
        "Kategoria wykonania elementu  I",
        "Zaprawa murarska: zwykła klasy M5, przepisana  %S®%N   f%Dm%N = 5,0 MPa",
        "%S®%N   Wytrzymałość charakterystyczna muru na ściskanie  f%Dk%N = 3,655 MPa",
        "",
        "%UGeometria:%N",
        "- Ściana zewnętrzna",
        "Grubość ściany @@ t = 25,0 cm",
        "Szerokość ściany @@ b = 100,0 cm",
        "Wysokość ściany @@ h = 300,0 cm",
        "Podparcie ściany: ",
        " - ściana podparta u góry i u dołu",
        "Usztywnienie przestrzenne: ",
        " - konstrukcja usztywniona przestrzennie w sposób eliminujący przesuw poziomy",
        " - stropy z betonu z wieńcami żelbetowymi",
        "",
        "%UObciążenia:%N",
        "Obciążenie z wyższych kondygnacji@@ N%D0d%N = 150,00 kN",
        "Obciążenie obliczeniowe ze stropu@@ N%Dsl,d%N = 30,00 kN",
        "Ciężar objętościowy muru@@ %Sr%N = 18,0 kN/m%I3%N;  %Sg%N%Df%N = 1,10",
        "  %S®%N   ciężar własny ściany@@ G%Ds%N = 14,85 kN",
        "Obciążenie poziome od ssania wiatru@@ w%Dd%N = 0,000 kN/m",
        "Obciążenie poziome od parcia wiatru@@ w%Dd%N = 0,000 kN/m",
    };
    EXPECT_EQ(Texts(*sheet), expected);
    for (int i = 1; i <= MaxReportLines; ++i) {
        const TReportLine& l = sheet->Line(i);
        const bool heading = i == 1 || i == 8 || i == 19;
        EXPECT_EQ(l.X1, heading ? 10 : 20) << i;
        EXPECT_EQ(l.X2, 30);
        EXPECT_EQ(l.Flag, (i == 7 || i == 18) ? 2 : 0) << i;
        EXPECT_EQ(l.Color, clBtnText);
    }
}

TEST(InputReport, CatalogueUnitThinMortarInternalWall)
{
    auto in = orvtest::DefaultInput();
    in->OgolnaDefElementu = 0;
    in->RodzajZaprawy = mtThinLayer;
    in->spoina_podluzna = 1;
    in->ScianaZewnetrzna = 0;
    in->ScianaNajwyzszejKodnygnacji = 1;
    in->wylicz_Gs = 0;
    in->Gs = 12.5;
    in->Nsld = 30;
    in->Nspd = 20;
    in->wd = -1;   // an internal wall lists no wind
    TCalcResults r;
    auto sheet = std::make_unique<TReportSheet>();
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    const auto t = Texts(*sheet);
    EXPECT_EQ(t[1], "Elementy murowe: Cegła ceramiczna pełna kl.10");
    EXPECT_EQ(t[2], " - element ceramiczny grupy 1");
    EXPECT_EQ(t[3], " - znormalizowana wytrzymałość elementu na ściskanie f%Db%N = 10,0 MPa");
    EXPECT_EQ(t[4], " - kategoria wykonania elementu  I");
    EXPECT_EQ(t[5], "Zaprawa murarska: do cienkich spoin, przepisana");
    EXPECT_EQ(t[6], "Mur ze spoiną podłużną");
    EXPECT_EQ(t[7], "%S®%N   Wytrzymałość charakterystyczna muru na ściskanie  f%Dk%N = –"); // not calculated
    EXPECT_EQ(t[10], "- Ściana wewnętrzna najwyższej kondygnacji");
    EXPECT_GT(Find(*sheet, "Obciążenie obliczeniowe ze stropu@@ N%I(P)%Dsl,d%N = 30,00 kN"), 0);
    EXPECT_GT(Find(*sheet, "Obciążenie obliczeniowe ze stropu@@ N%I(L)%Dsl,d%N = 20,00 kN"), 0);
    EXPECT_EQ(t.back(), "Ciężar własny ściany@@ G%Ds%N = 12,50 kN");
}

TEST(InputReport, HorizontalWallPlateAndOpenings)
{
    auto in = orvtest::DefaultInput(ccWallHorizontal);
    in->SchematScianyTyp = 2;
    in->SchematPlytySciany = 8;
    in->ScianaZOtworami = 1;
    in->LiczbaOkien = 5;
    for (int i = 0; i < 5; ++i) in->Okna[i] = TOpening{10.0 * i, 20, 90, 120.25};
    in->wd_kNm2 = 0;
    TCalcResults r;
    auto sheet = std::make_unique<TReportSheet>();
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    const int scheme = Find(*sheet, "Schemat podparcia krawędzi ściany@@ płyta:");
    ASSERT_GT(scheme, 0);
    EXPECT_EQ(sheet->Line(scheme + 1).text(), "  - krawędź górna@@ utwierdzona");
    EXPECT_EQ(sheet->Line(scheme + 2).text(), "  - krawędź dolna@@ utwierdzona");
    EXPECT_EQ(sheet->Line(scheme + 4).text(), "  - krawędź pionowa prawa@@ utwierdzona");
    EXPECT_EQ(sheet->Line(scheme + 5).text(), "Otwory w ścianie:");
    EXPECT_EQ(orvtest::Shown(sheet->Line(scheme + 10).text()),
              " - otwór nr 5: x%Dotw%N = 40,0 cm, y%Dotw%N = 20,0 cm, l%Dotw%N = 90,0 cm, h%Dotw%N = 120,3 cm");
    EXPECT_EQ(orvtest::Shown(sheet->Line(sheet->Count).text()), "Obciążenie poziome od parcia wiatru@@ w%Dd%N = 0,000 kN/m%I2%N");

    // no openings flag: no opening lines whatever the count; a count from a file is bounded
    in->ScianaZOtworami = 0;
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(Find(*sheet, "Otwory w ścianie:"), 0);
    in->ScianaZOtworami = 1;
    in->LiczbaOkien = 1000;
    in->SchematScianyTyp = 3;
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    EXPECT_GT(Find(*sheet, " - otwór nr 5: x%Dotw%N = 40,0 cm, y%Dotw%N = 20,0 cm, l%Dotw%N = 90,0 cm, "
                           "h%Dotw%N = 120,3 cm"), 0);
    EXPECT_EQ(Find(*sheet, " - otwór nr 6: x%Dotw%N = 0,0 cm, y%Dotw%N = 0,0 cm, l%Dotw%N = 0,0 cm, "
                           "h%Dotw%N = 0,0 cm"), 0);
    EXPECT_GT(Find(*sheet, "Schemat podparcia krawędzi ściany@@ łuk - kierunek poziomy"), 0);
}

TEST(InputReport, BasementAndColumnLoadHeadings)
{
    auto in = orvtest::DefaultInput();
    TCalcResults r;
    auto sheet = std::make_unique<TReportSheet>();
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    const int loads = Find(*sheet, "%UObciążenia:%N");
    ASSERT_GT(loads, 0);
    // cases 4 and 5 put the design-load heading on the line of the plain one
    in->Case = ccBasementWall;
    in->he = 150;
    in->ro_e = 18.5;
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    const int basement = Find(*sheet, "%UObciążenia obliczeniowe:%N");
    EXPECT_GT(basement, 0);
    EXPECT_EQ(orvtest::Shown(sheet->Line(sheet->Count).text()), "Ciężar objętościowy gruntu@@ %Sr%N%De%N = 18,5 kN/m%I3%N");
    in->be = 600;
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    EXPECT_GT(Find(*sheet, "Odległość między ścianami poprzecznymi lub innymi elementami usztywniającymi  b%De%N = "
                           "600,0 cm"), 0);
    in->Case = ccColumn;
    in->PodpSTyp_x = 2;
    in->Msdx = -1.234;
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    EXPECT_GT(Find(*sheet, "Podparcie góry słupa w kierunku osi y elementem drewnianym"), 0);
    EXPECT_GT(Find(*sheet, "Moment zginający@@ M%DSd,x%N = -1,23 kNm"), 0);
    EXPECT_GT(Find(*sheet, "%UObciążenia obliczeniowe:%N"), 0);
    // a pier's self weight is a force, not a load per metre
    in->wylicz_Gs = 0;
    in->Gs_s = 12.5;
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    EXPECT_GT(Find(*sheet, "Ciężar własny słupa@@ G%Ds%N = 12,50 kN"), 0);
}

// One load reads as it always has; of several, each has its lines, the later
// ones placed by the left side of their bearing.
TEST(InputReport, EveryConcentratedLoadInUseHasItsLines)
{
    SetDecimalSeparator(',');
    auto in = orvtest::DefaultInput(ccConcentratedLoad);
    in->Sily[0] = {80, 20, 25, 20, 0};
    in->Sily[1] = {600, 30, 25, 50, 250};
    in->Sily[2] = {45, 20, 12, 75.5, 290};
    TCalcResults r;
    auto sheet = std::make_unique<TReportSheet>();
    auto loadLines = [&] {
        BuildInputReport(1, 2, 3, *in, r, *sheet);
        const int at = Find(*sheet, "%UObciążenia:%N");
        EXPECT_GT(at, 0);
        const std::vector<std::string> all = Texts(*sheet);
        return std::vector<std::string>(all.begin() + at, all.end());
    };
    in->LiczbaSilSkup = 1;
    EXPECT_EQ(loadLines(), (std::vector<std::string>{
                               "Obciążenie skupione@@ N%DSd%N = 80,00 kN",
                               "Pole oddziaływania obciążenia skupionego@@ a%Dl%N × a%Dt%N = 20,0 cm × 25,0 cm",
                               "Odległość obciążenia od lewej krawędzi ściany@@ 20,0 cm",
                               "Poziom obciążenia skupionego poniżej górnej powierzchni ściany@@ 0,0 cm",
                           }));
    in->LiczbaSilSkup = 3;
    EXPECT_EQ(loadLines(),
              (std::vector<std::string>{
                  "Obciążenie skupione nr 1@@ N%DSd%N = 80,00 kN",
                  "Pole oddziaływania obciążenia skupionego nr 1@@ a%Dl%N × a%Dt%N = 20,0 cm × 25,0 cm",
                  "Odległość obciążenia nr 1 od lewej krawędzi ściany@@ 20,0 cm",
                  "Poziom obciążenia skupionego nr 1 poniżej wierzchu ściany@@ 0,0 cm",
                  "Obciążenie skupione nr 2@@ N%DSd,2%N = 600,00 kN",
                  "Pole oddziaływania obciążenia skupionego nr 2@@ a%Dl,2%N × a%Dt,2%N = 30,0 cm × 25,0 cm",
                  "Lewy brzeg obciążenia nr 2 od lewej krawędzi ściany@@ 50,0 cm",
                  "Poziom obciążenia skupionego nr 2 poniżej wierzchu ściany@@ 250,0 cm",
                  "Obciążenie skupione nr 3@@ N%DSd,3%N = 45,00 kN",
                  "Pole oddziaływania obciążenia skupionego nr 3@@ a%Dl,3%N × a%Dt,3%N = 20,0 cm × 12,0 cm",
                  "Lewy brzeg obciążenia nr 3 od lewej krawędzi ściany@@ 75,5 cm",
                  "Poziom obciążenia skupionego nr 3 poniżej wierzchu ściany@@ 290,0 cm",
              }));
    // two loads: the third is not the element's
    in->LiczbaSilSkup = 2;
    EXPECT_EQ(loadLines().size(), 8u);
}

// A wall of case 2 that is no arch: the masonry's own f_k, as the strength
// section takes it: 0.45 x 10^0.7 x 5^0.3 = 3.655 MPa; x 0.8 with a
// longitudinal joint = 2.924 MPa.
TEST(InputReport, HorizontalWallShowsTheMasonryStrength)
{
    SetDecimalSeparator(',');
    auto in = orvtest::DefaultInput(ccWallHorizontal);
    in->l = 300;
    in->h = 250;
    in->SchematPlytySciany = 4;
    auto sheet = std::make_unique<TReportSheet>();
    const std::string line = "%S®%N   Wytrzymałość charakterystyczna muru na ściskanie  f%Dk%N = ";
    for (u32 model : {0u, 1u, 2u, 5u, 8u}) {
        in->SchematScianyTyp = model;
        for (u8 joint : {u8(0), u8(1)}) {
            in->spoina_podluzna = joint;
            TTraceLines trace;
            TCalcResults r;
            ASSERT_EQ(CalcElement(trace, *in, r), 0) << model;
            BuildInputReport(1, 2, 3, *in, r, *sheet);
            EXPECT_GT(Find(*sheet, line + (joint ? "2,924 MPa" : "3,655 MPa")), 0) << model << " " << int(joint);
        }
    }
    // also when the plate falls outside the tables (error 35)
    in->SchematScianyTyp = 2;
    in->spoina_podluzna = 0;
    in->h = 60;
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, *in, r), 35);
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    EXPECT_GT(Find(*sheet, line + "3,655 MPa"), 0);
}

// Ring beams are listed as the check takes them: never wider than the wall.
TEST(InputReport, RingBeamWiderThanTheWall)
{
    SetDecimalSeparator(',');
    auto in = orvtest::LoadedDefaultWall();
    in->def_szer_wiencow = 1;
    in->ag = 80;
    in->ad = 15;
    TCalcResults r;
    auto sheet = std::make_unique<TReportSheet>();
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    EXPECT_GT(Find(*sheet, "Szerokość wieńca górnego @@ a%Dw,g%N = 25,0 cm"), 0);
    EXPECT_GT(Find(*sheet, "Szerokość wieńca dolnego @@ a%Dw,d%N = 15,0 cm"), 0);
}

// Values of a damaged file: no INF or NaN, and a huge number does not push
// the rest of its line past 255 characters.
TEST(InputReport, NumbersThatAreNoNumbers)
{
    SetDecimalSeparator(',');
    auto in = orvtest::LoadedDefaultWall();
    in->Nod = 1e300;
    in->Nsld = std::numeric_limits<double>::quiet_NaN();
    in->wd2 = -std::numeric_limits<double>::infinity();
    TCalcResults r;
    r.f_k = std::numeric_limits<double>::infinity();
    r.Reached = cpStrength;
    auto sheet = std::make_unique<TReportSheet>();
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    EXPECT_GT(Find(*sheet, "Obciążenie z wyższych kondygnacji@@ N%D0d%N = 1,00E+300 kN"), 0);
    EXPECT_GT(Find(*sheet, "Obciążenie obliczeniowe ze stropu@@ N%Dsl,d%N = ? kN"), 0);
    EXPECT_GT(Find(*sheet, "Obciążenie poziome od ssania wiatru@@ w%Dd%N = ? kN/m"), 0);
    EXPECT_GT(Find(*sheet, "%S®%N   Wytrzymałość charakterystyczna muru na ściskanie  f%Dk%N = ? MPa"), 0);
    for (int i = 1; i <= sheet->Count; ++i) {
        const std::string t = orvtest::Shown(sheet->Line(i).text());
        EXPECT_EQ(t.find("INF"), std::string::npos) << t;
        EXPECT_EQ(t.find("NAN"), std::string::npos) << t;
    }
}

TEST(InputReport, LongCatalogueNameIsCut)
{
    auto in = orvtest::DefaultInput();
    in->OgolnaDefElementu = 0;
    in->UserElement.set(std::string(255, 'x'));
    TCalcResults r;
    auto sheet = std::make_unique<TReportSheet>();
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    EXPECT_EQ(sheet->Line(2).text(), "Elementy murowe: " + std::string(255 - 17, 'x'));
}

TEST(ReportDump, ElementOfCaseZero)
{
    TElementList elements(1);
    std::memset(&elements[0], 0, sizeof elements[0]);
    InitElementRecord(elements[0].Input);
    elements[0].Name.set("Ściana A");
    elements[0].Input.Nod = 150;
    elements[0].Input.Nsld = 30;
    std::ostringstream os;
    orvtest::DumpProject(elements, os);
    const std::string s = orvtest::Shown(os.str());
    EXPECT_EQ(s.rfind("element 1: Ściana A\ncase 0\nerror 0\nverdict satisfied\ninput\n", 0), 0u) << s;
    EXPECT_NE(s.find(" 10 -    B Grubość ściany  |  t = 25,0 cm\n"), std::string::npos) << s;
    EXPECT_NE(s.find("results\n  1 -    B \n  2 -    B hA = 1,125 (A < 0,3 m2):  fd = fk/(gm·hA) = 3,655 MPa/(2,2·1,125) = "
                     "1,477 MPa\n  3 -    H Warunek nośności pod stropem:\n"),
              std::string::npos) << s;
    EXPECT_NE(s.find("  5 navy B N1d = 180,00 kN  <  N1R,d = F1·A·fd = 298,69 kN     (60,3%)\n"),
              std::string::npos) << s;
}
