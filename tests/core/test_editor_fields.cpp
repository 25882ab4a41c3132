// The element editor's field table and store pattern, without widgets:
// what a user's edit does to the element, checked against hand-worked values.
#include <gtest/gtest.h>

#include <cmath>

#include "core/MyUtils.h"
#include "core/MasonryCatalogue.h"
#include "core/ProjectSession.h"
#include "core/ZunCalc.h"
#include "core/ZunEditor.h"
#include "core/ZunTypes.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

TCalcInput DefaultInput()
{
    TCalcInput in{};
    InitElementRecord(in);
    return in;
}

bool Store(TCalcInput& in, const char* name, double v)
{
    const TNumericField* f = FindNumericField(name);
    EXPECT_NE(f, nullptr) << name;
    return f && StoreNumericField(in, *f, v);
}

} // namespace

TEST(EditorFields, TableAddressesTheStoredRecord)
{
    // Offsets of the project file's element input, as stored by every version-13 file.
    const struct { const char* name; std::size_t offset; } pinned[] = {
        {"t1b", 8}, {"t2", 16}, {"h1c", 24}, {"l1", 32}, {"ag1", 48}, {"Gs1", 64}, {"wd_kNm2", 104},
        {"ro_muru3", 2224}, {"J2", 3832}, {"J7", 3872}, {"h2", 3880}, {"l7", 3920}, {"E2", 3928},
        {"E5", 3952}, {"g3d", 3976}, {"p7d", 4032}, {"wd2", 10272}, {"NSd1b", 10520}, {"aT1", 10536},
        {"hN3", 10632}, {"NSd3", 10600}, {"N0_mb1", 10640}, {"ro_e1", 10672}, {"Gs_s1", 11232},
        {"Msdy1", 11256}, {"l_usztw1", 11272}};
    for (const auto& p : pinned) {
        const TNumericField* f = FindNumericField(p.name);
        ASSERT_NE(f, nullptr) << p.name;
        EXPECT_EQ(f->offset, p.offset) << p.name;
    }
    EXPECT_EQ(FindChoiceField("LiczbaSilSkup1")->offset, 10516u);
    EXPECT_EQ(FindChoiceField("sytuacja1")->offset, 2528u);
    EXPECT_EQ(FindChoiceField("zezwolB251")->offset, 10264u);
    EXPECT_EQ(FindNumericField("nothing"), nullptr);

    // Every default value of a new element lies in the range of its field.
    const TCalcInput in = DefaultInput();
    for (const TNumericField& f : NumericFields()) {
        EXPECT_LT(f.min, f.max) << f.name;
        if (f.offset == offsetof(TCalcInput, Msdx) || f.offset == offsetof(TCalcInput, Msdy)) continue;
        const double v = ReadField(in, f.offset);
        EXPECT_TRUE(std::isfinite(v)) << f.name;
    }
}

TEST(EditorFields, StoreOnlyWhatDiffers)
{
    TCalcInput in = DefaultInput();
    const double t = in.t;
    EXPECT_FALSE(Store(in, "t1a", t));
    EXPECT_TRUE(Store(in, "t1b", t + 5));
    EXPECT_EQ(in.t, t + 5);
    EXPECT_FALSE(Store(in, "t1c", t + 5)); // the twins share one value
}

TEST(EditorFields, SelfWeightsFromDensity)
{
    TCalcInput in = DefaultInput();
    in.wylicz_Gs = 1;
    in.ro_muru = 18;
    in.gf_muru = 1.1;
    in.h = 300;
    in.t = 25;
    in.l = 100;
    in.t2 = 38;
    // 18 x 1.1 x 300 x 25 x 100 / 10^6 = 14.85 kN; per metre 18 x 1.1 x 300 x 25 / 10^4 = 14.85 kN/m;
    // column 18 x 1.1 x 300 x 25 x 38 / 10^6 = 5.643 kN.
    ComputeSelfWeights(in);
    EXPECT_NEAR(in.Gs, 14.85, 1e-12);
    EXPECT_NEAR(in.Gs_mb, 14.85, 1e-12);
    EXPECT_NEAR(in.Gs_s, 5.643, 1e-12);

    // A new height follows through (x 2).
    EXPECT_TRUE(Store(in, "h1a", 600));
    EXPECT_NEAR(in.Gs, 29.70, 1e-12);

    // Given values leave the weights alone; switching back computes them.
    EXPECT_TRUE(SetSelfWeightMode(in, false));
    EXPECT_TRUE(Store(in, "h1b", 300));
    EXPECT_NEAR(in.Gs, 29.70, 1e-12);
    EXPECT_FALSE(SetSelfWeightMode(in, false));
    EXPECT_TRUE(SetSelfWeightMode(in, true));
    EXPECT_NEAR(in.Gs, 14.85, 1e-12);

    // gamma_f: 1.3 gives 18 x 1.3 x 300 x 25 x 100 / 10^6 = 17.55 kN.
    EXPECT_EQ(StoreGammaF(in, "1,30"), TGammaStore::Stored);
    EXPECT_NEAR(in.Gs, 17.55, 1e-12);
    EXPECT_EQ(StoreGammaF(in, "1.3"), TGammaStore::Unchanged);
    EXPECT_EQ(StoreGammaF(in, "x"), TGammaStore::NotANumber);
    EXPECT_EQ(StoreGammaF(in, ""), TGammaStore::NotPositive);
    EXPECT_EQ(StoreGammaF(in, "-1"), TGammaStore::NotPositive);
    EXPECT_EQ(in.gf_muru, 1.3);
}

TEST(EditorFields, GivenWallWeightAndItsValuePerMetre)
{
    TCalcInput in = DefaultInput();
    in.wylicz_Gs = 0;
    in.l = 250;
    EXPECT_TRUE(Store(in, "Gs1", 100));
    EXPECT_DOUBLE_EQ(in.Gs_mb, 40.0); // 100 / 2.5
    EXPECT_TRUE(Store(in, "Gs_mb1", 20));
    EXPECT_DOUBLE_EQ(in.Gs, 50.0);    // 2.5 x 20

    // A wall width of 0 from a file: no division, the value per metre stays.
    in.l = 0;
    EXPECT_TRUE(Store(in, "Gs1", 70));
    EXPECT_DOUBLE_EQ(in.Gs_mb, 20.0);
}

TEST(EditorFields, LimitsFollowThicknessAndHeight)
{
    TCalcInput in = DefaultInput();
    in.t = 25;
    in.Sily[0].aT = 10;
    in.ag = 10;
    EXPECT_TRUE(Store(in, "aT1", 40));
    EXPECT_EQ(in.Sily[0].aT, 25.0);
    EXPECT_TRUE(Store(in, "ag1", 30));
    EXPECT_EQ(in.ag, 25.0);

    // A thinner wall cuts the ring beams already stored.
    in.ad = 25;
    EXPECT_TRUE(Store(in, "t1a", 18));
    EXPECT_EQ(in.ag, 18.0);
    EXPECT_EQ(in.ad, 18.0);
    // and so the bearings of the concentrated loads; one already shallower stays
    in.Sily[1].aT = 25;
    in.Sily[2].aT = 15;
    EXPECT_TRUE(Store(in, "t1b", 12));
    EXPECT_EQ(in.Sily[0].aT, 12.0);
    EXPECT_EQ(in.Sily[1].aT, 12.0);
    EXPECT_EQ(in.Sily[2].aT, 12.0);
    in.Sily[2].aT = 10;
    EXPECT_TRUE(Store(in, "t1c", 14));
    EXPECT_EQ(in.Sily[2].aT, 10.0);
    EXPECT_EQ(in.Sily[0].aT, 12.0);

    // h = 300 with a load 310 below the top: the load rises to 295; every height field does it.
    in.h = 400;
    in.Sily[0].hN = 310;
    EXPECT_TRUE(Store(in, "h1c", 300));
    EXPECT_EQ(in.Sily[0].hN, 295.0);
    EXPECT_EQ(LoadDepthLimit(300), 295.0);
    // A height below 5 from a file leaves a limit of 0, not a negative one.
    EXPECT_EQ(LoadDepthLimit(3), 0.0);
}

TEST(EditorFields, AutomaticColumnMomentsFollowDimensionsAndForces)
{
    TCalcInput in = DefaultInput();
    in.MsdxDef = 7; // e = 0.4 t, own N, automatic
    in.MsdyDef = 0;
    in.Sily[1].NSd = 500;
    in.Msdy = 12;
    EXPECT_TRUE(Store(in, "t1c", 38));
    EXPECT_NEAR(in.Msdx, 76.0, 1e-12); // 500 x 0.4 x 38 / 100
    EXPECT_EQ(in.Msdy, 12.0);

    // The own force changes later: the moment follows (500 -> 600: 600 x 0.152 = 91.2).
    EXPECT_TRUE(Store(in, "NSd2", 600));
    EXPECT_NEAR(in.Msdx, 91.2, 1e-12);

    // Mode 4 (given e, N_Sd of the head, automatic): e_x = 5 cm, N_Sd = 200 -> 10 kNm.
    in.MsdxDef = 4;
    in.ex = 5;
    EXPECT_TRUE(Store(in, "NSd1b", 200));
    EXPECT_NEAR(in.Msdx, 10.0, 1e-12);
}

TEST(EditorFields, WindEditsMarkTheirTableRows)
{
    TCalcInput in = DefaultInput();
    in.WindTableFlag = 0;
    in.WindFlags[1] = 0;
    EXPECT_TRUE(Store(in, "wd1", -0.5));
    EXPECT_EQ(in.WindTableFlag, 1);
    EXPECT_TRUE(Store(in, "wd2", 0.7));
    EXPECT_EQ(in.WindFlags[1], 1);
}

TEST(EditorFields, ChoicesStoreTheirIndex)
{
    TCalcInput in = DefaultInput();
    const TChoiceField& loads = *FindChoiceField("LiczbaSilSkup1");
    in.LiczbaSilSkup = 1;
    EXPECT_EQ(ReadChoice(in, loads), 0);
    EXPECT_TRUE(StoreChoice(in, loads, 2));
    EXPECT_EQ(in.LiczbaSilSkup, 3);
    EXPECT_FALSE(StoreChoice(in, loads, 2));
    EXPECT_FALSE(StoreChoice(in, loads, 3)); // no fourth load

    const TChoiceField& outer = *FindChoiceField("ScianaZewnetrzna1");
    in.ScianaZewnetrzna = 1;
    EXPECT_TRUE(StoreChoice(in, outer, 0));
    EXPECT_EQ(in.ScianaZewnetrzna, 0);

    const TChoiceField& top = *FindChoiceField("PodpSTyp_x");
    EXPECT_TRUE(StoreChoice(in, top, 1));
    EXPECT_EQ(in.PodpSTyp_x, 1u);
    EXPECT_TRUE(StoreChoice(in, top, 0));
    EXPECT_EQ(in.PodpSTyp_x, 0u);
}

TEST(EditorFields, CaseListTextsAndWallSchemes)
{
    EXPECT_EQ(GetCaseIndex(" Słup"), 5);
    EXPECT_EQ(GetCaseIndex(" Ściana piwnic - sprawdzenie wg Zał. A"), 4);
    EXPECT_EQ(GetCaseIndex(CalcCaseListTexts[3]), 3);
    // Without its leading blank a text names no case: the hinged model.
    EXPECT_EQ(GetCaseIndex("Słup"), 0);
    EXPECT_EQ(GetCaseIndex(""), 0);
    // A stored case byte outside the list shows the hinged model.
    EXPECT_EQ(CheckCaseNumber(ccColumn), ccColumn);
    EXPECT_EQ(CheckCaseNumber(CalcCaseCount), 0);
    EXPECT_EQ(CheckCaseNumber(255), 0);
    EXPECT_EQ(CheckCaseNumber(-1), 0);

    // The list shows the plate first: list index 0 stores scheme 2.
    TCalcInput in = DefaultInput();
    in.SchematScianyTyp = 0;
    EXPECT_TRUE(StoreWallScheme(in, 0));
    EXPECT_EQ(in.SchematScianyTyp, 2u);
    EXPECT_FALSE(StoreWallScheme(in, 0));
    EXPECT_TRUE(StoreWallScheme(in, 3));
    EXPECT_EQ(in.SchematScianyTyp, 7u);
    EXPECT_FALSE(StoreWallScheme(in, 9));
    for (int i = 0; i < WallSchemeCount; ++i) EXPECT_EQ(ListIndexOfWallScheme(WallSchemeOfListIndex(i)), i);
    EXPECT_EQ(ListIndexOfWallScheme(9), -1);
}

TEST(EditorFields, MortarFollowsTheUnitKind)
{
    TCalcInput in = DefaultInput();
    in.IdentyczneParametryScian = 0;
    in.RodzajElementuM = mkCeramic1;
    in.RodzajZaprawy = mtThinLayer;
    in.KlasaZaprawy = 5;
    // Aggregate concrete offers only general mortar; the class list keeps M20.
    EXPECT_TRUE(StoreUnitKind(in, mkConcrete1));
    EXPECT_EQ(in.RodzajZaprawy, static_cast<u32>(mtGeneral));
    EXPECT_EQ(in.KlasaZaprawy, 5u);
    EXPECT_FALSE(StoreUnitKind(in, mkConcrete1));
    EXPECT_FALSE(StoreUnitKind(in, 13));
    EXPECT_FALSE(StoreMortarType(in, mtThinLayer)); // not offered for aggregate concrete

    // Lightweight mortar with M20 falls back to M1.
    EXPECT_TRUE(StoreUnitKind(in, mkCeramic2));
    EXPECT_TRUE(StoreMortarType(in, mtLightweight));
    EXPECT_EQ(in.KlasaZaprawy, 0u);
    EXPECT_FALSE(StoreMortarClass(in, 4)); // M15 is no lightweight class
    EXPECT_TRUE(StoreMortarClass(in, 3));
    EXPECT_EQ(in.KlasaZaprawy, 3u);

    EXPECT_EQ(OfferedMortarTypeCount(mkSilicate2), 2);
    EXPECT_EQ(OfferedMortarTypeCount(mkAAC), 3);
    EXPECT_EQ(OfferedMortarTypeCount(mkNaturalStone), 1);
    EXPECT_EQ(MortarTypeListText(mtThinLayer), "zaprawa do cienkich spoin");
    EXPECT_EQ(UnitKindListText(mkConcrete4), "element z betonu kruszywowego, grupy 4");
    EXPECT_EQ(UnitKindListText(13), "");
    EXPECT_EQ(MortarClassListText(5), "M20");
}

TEST(EditorFields, StrengthRefusesNoNumberAndNonPositive)
{
    TCalcInput in = DefaultInput();
    in.fb = 10;
    EXPECT_EQ(StoreStrength(in, "abc"), TGammaStore::NotANumber);
    EXPECT_EQ(StoreStrength(in, "0"), TGammaStore::NotPositive);
    EXPECT_EQ(StoreStrength(in, "-3"), TGammaStore::NotPositive);
    EXPECT_EQ(StoreStrength(in, ""), TGammaStore::NotPositive);
    EXPECT_EQ(in.fb, 10.0);
    EXPECT_EQ(StoreStrength(in, "10"), TGammaStore::Unchanged);
    EXPECT_EQ(StoreStrength(in, "12,5"), TGammaStore::Stored);
    EXPECT_EQ(in.fb, 12.5);
}

// Above the largest f_b of its list the value is refused and the element
// keeps its own; the limit follows the unit kind and the mortar type.
TEST(EditorFields, StrengthAboveItsListIsRefused)
{
    TCalcInput in = DefaultInput();  // ceramic group 1, general mortar: up to 75 MPa
    in.fb = 10;
    in.IdentyczneParametryScian = 1;
    for (const char* text : {"5000", "1e6", "99999999", "75,01"})
        EXPECT_EQ(StoreStrength(in, text), TGammaStore::AboveLimit) << text;
    EXPECT_EQ(in.fb, 10.0);
    EXPECT_NE(in.ElementE2.fb, 5000.0);
    EXPECT_EQ(StoreStrength(in, "75"), TGammaStore::Stored);

    // Natural stone, no list: 75 MPa still, 50 with thin-layer mortar.
    EXPECT_TRUE(StoreUnitKind(in, mkNaturalStone));
    EXPECT_EQ(StoreStrength(in, "75,1"), TGammaStore::AboveLimit);
    in.RodzajZaprawy = mtThinLayer;
    EXPECT_EQ(UnitStrengthLimit(in), 50.0);
}

TEST(EditorFields, IdenticalJointWallsTakeTheWallsSectionAndMasonry)
{
    TCalcInput in = DefaultInput();
    in.IdentyczneParametryScian = 0;
    in.t = 25;
    in.l = 100;
    in.J2 = in.J5 = 1;
    in.E2 = in.E5 = 1;
    in.RodzajElementuM = mkSilicate1;
    in.KlasaZaprawy = 3; // M10
    in.RodzajZaprawy = mtGeneral;
    in.fb = 20;

    EXPECT_TRUE(SetIdenticalJointWalls(in, true));
    // J = t^3 b / 12 = 25^3 x 100 / 12 = 130208.33 cm4.
    EXPECT_NEAR(in.J2, 130208.333333, 1e-5);
    EXPECT_EQ(in.J5, in.J2);
    EXPECT_EQ(in.SlabData[0][5], 25.0);
    EXPECT_EQ(in.SlabData[3][3], 100.0);
    const double E = MasonryModulusE(mkSilicate1, 3, mtGeneral, 20) / 1e9;
    EXPECT_GT(E, 0);
    EXPECT_DOUBLE_EQ(in.E2, E);
    EXPECT_DOUBLE_EQ(in.E5, E);
    EXPECT_EQ(in.ElementE2.RodzajElementu, mkSilicate1);
    EXPECT_EQ(in.ElementE5.KlasaZaprawy, 3);
    EXPECT_EQ(in.ElementE5.fb, 20.0);
    EXPECT_FALSE(SetIdenticalJointWalls(in, true));

    // A later change of the mortar class reaches both walls: M1 is below
    // 5 MPa, so alpha_c drops from 1000 to 600 (and f_k with f_m).
    EXPECT_TRUE(StoreMortarClass(in, 0));
    EXPECT_DOUBLE_EQ(in.E2, MasonryModulusE(mkSilicate1, 0, mtGeneral, 20) / 1e9);
    EXPECT_LT(in.E2, E * 0.6 + 1e-12);
    EXPECT_EQ(in.E5, in.E2);
    EXPECT_EQ(in.ElementE5.KlasaZaprawy, 0);

    // Switched off, the walls keep their values and no longer follow.
    EXPECT_TRUE(SetIdenticalJointWalls(in, false));
    const double kept = in.E2;
    EXPECT_EQ(StoreStrength(in, "30"), TGammaStore::Stored);
    EXPECT_EQ(in.E2, kept);
}

TEST(EditorFields, StiffeningOfTheVerticalEdges)
{
    TCalcInput in = DefaultInput();
    in.UsztywnienieSciany = 0;
    EXPECT_TRUE(SetWallStiffened(in, true, 1));
    EXPECT_EQ(in.UsztywnienieSciany, 2u);
    EXPECT_FALSE(SetWallStiffened(in, true, 0));
    EXPECT_TRUE(StoreStiffenedEdges(in, 0));
    EXPECT_EQ(in.UsztywnienieSciany, 1u);
    EXPECT_FALSE(StoreStiffenedEdges(in, 2));
    EXPECT_TRUE(SetWallStiffened(in, false, 0));
    EXPECT_EQ(in.UsztywnienieSciany, 0u);
    // A value from a file outside 0..2 counts as not stiffened.
    in.UsztywnienieSciany = 7;
    EXPECT_TRUE(SetWallStiffened(in, true, 0));
    EXPECT_EQ(in.UsztywnienieSciany, 1u);
}

// Choosing a unit or mortar whose strength list ends below the stored f_b
// is taken, and the user is told at once which value now lies outside its
// range and what its new limit is; the results name it as well.
TEST(EditorFields, AChoiceThatMovesALimitPastTheStrengthSaysSoAtOnce)
{
    SetDecimalSeparator(',');
    orvtest::MessageRecorder messages;
    ProjectSession s;
    ASSERT_EQ(s.storeEdit([](TProjectElement& e) { StoreStrength(e.Input, "10"); }), ProjectSession::TStore::Unchanged);
    // ceramic group 2 allows 10 MPa: nothing to say
    ASSERT_EQ(s.storeEdit([](TProjectElement& e) { StoreUnitKind(e.Input, mkCeramic2); }),
              ProjectSession::TStore::Stored);
    EXPECT_TRUE(messages.messages.empty());
    // autoclaved aerated concrete ends at 7 MPa
    ASSERT_EQ(s.storeEdit([](TProjectElement& e) { StoreUnitKind(e.Input, mkAAC); }), ProjectSession::TStore::Stored);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.");
    EXPECT_EQ(messages.messages[0].text,
              "znormalizowana wytrzymałość elementu f_b = 10,0 MPa\rWartość maksymalna: 7,0 MPa");
    EXPECT_EQ(s.current().Input.RodzajElementuM, u32(mkAAC));
    EXPECT_EQ(s.results().Error, ceInvalidInput);
    EXPECT_STREQ(s.results().Fault.quantity, StrengthQuantity);
    // a further choice that leaves it outside is not said again
    ASSERT_EQ(s.storeEdit([](TProjectElement& e) { StoreMortarType(e.Input, mtThinLayer); }),
              ProjectSession::TStore::Stored);
    EXPECT_EQ(messages.messages.size(), 1u);
    // a strength within the new list clears the error
    ASSERT_EQ(s.storeEdit([](TProjectElement& e) { StoreStrength(e.Input, "5"); }), ProjectSession::TStore::Stored);
    EXPECT_EQ(s.results().Error, 0);
    EXPECT_EQ(messages.messages.size(), 1u);
    // a user's catalogue unit brings a kind and an f_b past that kind's list at once
    TMasonryUnitInfo unit;
    unit.Kind = mkAAC;
    unit.fb = 10;
    unit.Density = 6;
    ASSERT_EQ(s.storeEdit([&](TProjectElement& e) { ShowMasonryUnit(e.Input, "Gazobeton 10", unit); }),
              ProjectSession::TStore::Stored);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text,
              "znormalizowana wytrzymałość elementu f_b = 10,0 MPa\rWartość maksymalna: 7,0 MPa");
    EXPECT_EQ(s.results().Error, ceInvalidInput);
}
