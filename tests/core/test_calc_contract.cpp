#include <gtest/gtest.h>

#include <memory>

#include "tests/core/support/CalcSupport.h"
#include "core/ZunCalc.h"

using namespace orv;

TEST(ErrorTexts, Table)
{
    EXPECT_EQ(CalcErrorText(1), "Klasa betonu zbyt niska.");
    EXPECT_EQ(CalcErrorText(7), "Przekroczona graniczna szerokość rys prostopadłych");
    EXPECT_EQ(CalcErrorText(17), "Nie zdefiniowano wartości modułu sprężystości dolnego stropu z prawej strony");
    EXPECT_EQ(CalcErrorText(18), "Brak rozwiązania dla przyjętej geometrii ściany.");
    EXPECT_EQ(CalcErrorText(20), "Nie można posługiwać się modelem ciągłym - zbyt małe średnie naprężenie obliczeniowe ściany.");
    EXPECT_EQ(CalcErrorText(21), "Wysokość ściany piwnicy wynosi h>260 cm  %S®%N  nie jest spełniony warunek stosowania Załącznika A.");
    EXPECT_EQ(CalcErrorText(22), "Grubość ściany t<20 cm  %S®%N  nie jest spełniony warunek stosowania Załącznika A.");
    EXPECT_EQ(CalcErrorText(23), "Norma nie podaje współczynników %Sa%N dla ścian o grubości większej od 25 cm.");
    EXPECT_EQ(CalcErrorText(25), "Przekroczona zalecana smukłość ściany.");
    EXPECT_EQ(CalcErrorText(28), "Głębokość zasypania ściany większa od wysokości ściany  %S®%N  nie jest spełniony warunek stosowania Załącznika A.");
    EXPECT_EQ(CalcErrorText(33), "Zbyt mała średnica prętów ściskanych.");
    EXPECT_EQ(CalcErrorText(35), "Stosunek wymiarów płyty muru poza zakresem tablic B.1 normy murowej.");
    EXPECT_EQ(CalcErrorText(50), "Brak rozwiązania (błąd nr 50).");
    EXPECT_EQ(CalcErrorText(34), "Błąd nieopisany (nr 34).");
    EXPECT_EQ(CalcErrorText(0), "Błąd nieopisany (nr 0).");
    EXPECT_EQ(CalcErrorText(49), "Błąd nieopisany (nr 49).");
    EXPECT_EQ(CalcErrorText(255), "Błąd nieopisany (nr 255).");
    // every number has a text; the described ones differ from the fallback
    for (int n = 1; n <= 35; ++n)
        if (n != 34) {
            EXPECT_EQ(CalcErrorText(n).find("Błąd nieopisany"), std::string::npos) << n;
        }
}

TEST(Dispatch, CaseFunctions)
{
    EXPECT_EQ(CaseFunction(ccWallVerticalHinged), &CalcWallVerticalHinged);
    EXPECT_EQ(CaseFunction(ccWallVerticalContinuous), &CalcWallVerticalContinuous);
    EXPECT_EQ(CaseFunction(ccWallHorizontal), &CalcWallHorizontal);
    EXPECT_EQ(CaseFunction(ccConcentratedLoad), &CalcWallConcentrated);
    EXPECT_EQ(CaseFunction(ccBasementWall), &CalcBasementWall);
    EXPECT_EQ(CaseFunction(ccColumn), &CalcColumn);
    EXPECT_EQ(CaseFunction(6), nullptr);
    EXPECT_EQ(CaseFunction(-1), nullptr);
}

TEST(Dispatch, ResetsResultsAndStoresTheError)
{
    auto in = orvtest::LoadedDefaultWall();
    TTraceLines lines;
    TCalcResults r;
    r.beta = 2.0;           // left over from a case-3 element
    r.PlateCount = 3;
    r.SchemeName = "płyta nr 5";
    r.Error = 24;
    ASSERT_EQ(CalcElement(lines, *in, r), 0);
    EXPECT_EQ(r.Error, 0);
    EXPECT_EQ(r.beta, 0);
    EXPECT_EQ(r.PlateCount, 0);
    EXPECT_TRUE(r.SchemeName.empty());
    EXPECT_NEAR(r.N_1Rd, 298.687, 1e-3);
    EXPECT_EQ(lines.front(), "ŚCIANA OBCIĄŻONA PIONOWO (model przegubowy):");

    // an element that stops early shows none of the previous element's numbers
    in->h = 800;
    ASSERT_EQ(CalcElement(lines, *in, r), ceSlenderness);
    EXPECT_EQ(r.Error, ceSlenderness);
    EXPECT_EQ(r.N_1Rd, 0);
    EXPECT_EQ(r.N_1d, 0);
    EXPECT_DOUBLE_EQ(r.h_eff, 8.0);

    // a case byte outside 0..5
    in->h = 300;
    in->Case = 9;
    lines = {"stale"};
    r.A = 1;
    EXPECT_EQ(CalcElement(lines, *in, r), ceUnknownCase);
    EXPECT_EQ(r.Error, ceUnknownCase);
    EXPECT_EQ(r.A, 0);
    EXPECT_EQ(lines, TTraceLines{CalcErrorText(ceUnknownCase) + "!"});

    // every case byte reaches its own function, and the error lands in the results
    for (u8 c = 1; c <= 5; ++c) {
        if (c == 2) continue; // case 2 is calculated
        in->Case = c;
        TTraceLines direct;
        TCalcResults directResults;
        const u8 expected = CaseFunction(c)(direct, *in, directResults);
        EXPECT_EQ(CalcElement(lines, *in, r), expected) << int(c);
        EXPECT_EQ(r.Error, expected);
        EXPECT_EQ(lines, direct);
    }
}

TEST(Dispatch, EmptyResults)
{
    const TCalcResults r{};
    EXPECT_EQ(r.Error, 0);
    EXPECT_EQ(r.N_mRd, 0);
    EXPECT_EQ(r.VerticalBeam, -1);
    EXPECT_EQ(r.HorizontalBeam, -1);
    EXPECT_EQ(r.PlateCount, 0);
    EXPECT_EQ(r.Plates[MaxWallPlates - 1].SupportCase, -1);
    EXPECT_EQ(r.Plates[0].L, 0);
}

TEST(CalcContract, ReusedTraceHoldsOnlyTheLastCalculation)
{
    // a long trace (internal continuous wall), then short ones into the same list
    auto in = orvtest::DefaultInput(ccWallVerticalContinuous);
    in->ScianaZewnetrzna = 0;
    in->Nod = 200;
    in->J3 = in->J4 = in->J6 = in->J7 = 28125;
    in->l3 = in->l4 = in->l6 = in->l7 = 450;
    in->g3d = in->g4d = in->g6d = in->g7d = 10;
    in->p3d = in->p4d = in->p6d = in->p7d = 5;
    in->E2 = in->E5 = 3.655;
    TTraceLines reused;
    TCalcResults r;
    CalcElement(reused, *in, r);
    const std::size_t longCount = reused.size();
    for (u8 c : {u8(0), u8(3), u8(9)}) {
        in->Case = c;
        TTraceLines fresh;
        TCalcResults r1, r2;
        CalcElement(reused, *in, r1);
        CalcElement(fresh, *in, r2);
        EXPECT_EQ(reused, fresh) << int(c);
        EXPECT_LT(reused.size(), longCount);
        EXPECT_EQ(std::vector<std::string>(reused.begin(), reused.end()),
                  std::vector<std::string>(fresh.begin(), fresh.end()));
    }
    reused.clear();
    EXPECT_TRUE(reused.empty());
    reused.push_back("a");
    EXPECT_EQ(reused, TTraceLines{"a"});
}
