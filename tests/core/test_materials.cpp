#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunMaterials.h"

using namespace orv;

TEST(MaterialKinds, MaterialAndGroup)
{
    EXPECT_EQ(MaterialOfKind(mkCeramic1), mmCeramic);
    EXPECT_EQ(MaterialGroup(mkCeramic4), 4);
    EXPECT_EQ(MaterialOfKind(mkSilicate2), mmSilicate);
    EXPECT_EQ(MaterialGroup(mkSilicate2), 2);
    EXPECT_EQ(MaterialOfKind(mkConcrete4), mmAggregateConcrete);
    EXPECT_EQ(MaterialGroup(mkConcrete4), 4);
    EXPECT_EQ(MaterialOfKind(mkAAC), mmAAC);
    EXPECT_EQ(MaterialOfKind(mkManufacturedStone), mmManufacturedStone);
    EXPECT_EQ(MaterialOfKind(mkNaturalStone), mmNaturalStone);
    for (int kind = 10; kind <= 12; ++kind) EXPECT_EQ(MaterialGroup(kind), 1);
    // A kind from a damaged file has no material of the six.
    EXPECT_FALSE(IsValidMaterialKind(13));
    EXPECT_FALSE(IsValidMaterialKind(-1));
    EXPECT_EQ(MaterialGroup(200), 1);
    EXPECT_GE(static_cast<int>(MaterialOfKind(13)), MasonryMaterialCount);
}

TEST(MaterialKinds, Texts)
{
    EXPECT_EQ(WallKindText(mkCeramic2), "Ściana z elementów ceramicznych grupy 2");
    EXPECT_EQ(WallKindText(mkSilicate1), "Ściana z elementów silikatowych grupy 1");
    EXPECT_EQ(WallKindText(mkConcrete3), "Ściana z elementów z betonu kruszywowego grupy 3");
    EXPECT_EQ(WallKindText(mkAAC), "Ściana z elementów z autoklawizowanego betonu komórkowego");
    EXPECT_EQ(WallKindText(mkManufacturedStone), "Ściana z elementów z kamienia sztucznego");
    EXPECT_EQ(WallKindText(mkNaturalStone), "Ściana z elementów z kamienia naturalnego");
    EXPECT_EQ(WallMaterialText(9, 1), "Ściana z elementów");
    EXPECT_EQ(ElementMaterialText(mkCeramic1), "element ceramiczny grupy 1");
    EXPECT_EQ(ElementMaterialText(mkSilicate2), "element silikatowy grupy 2");
    EXPECT_EQ(ElementMaterialText(mkConcrete4), "element z betonu kruszywowego grupy 4");
    EXPECT_EQ(ElementMaterialText(mkAAC), "element z autoklawizowanego betonu komórkowego");
    EXPECT_EQ(ElementMaterialText(mkNaturalStone), "element z kamienia naturalnego");

    // The trace writes the same line in place.
    for (int kind = 0; kind < MaterialKindCount; ++kind) {
        TTraceLines lines;
        AddWallMaterialLine(lines, MaterialOfKind(kind), MaterialGroup(kind));
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0], WallKindText(kind)) << kind;
    }
    TTraceLines unknown;
    AddWallMaterialLine(unknown, 9, 1);
    EXPECT_EQ(unknown[0], "Ściana z elementów");
}

TEST(Mortars, StrengthAndTexts)
{
    const double expected[] = {1, 2.5, 5, 10, 15, 20};
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(MortarStrength(i), expected[i] * 1e6);
    EXPECT_DOUBLE_EQ(MortarStrength(6), 1e6);
    EXPECT_DOUBLE_EQ(MortarStrength(-3), 1e6);

    SetDecimalSeparator(',');
    EXPECT_EQ(MortarText(mtGeneral, 1, 0), "zwykła klasy M2,5, przepisana");
    EXPECT_EQ(MortarText(mtGeneral, 5, 1), "zwykła klasy M20, projektowana");
    EXPECT_EQ(MortarText(mtThinLayer, 3, 0), "do cienkich spoin, przepisana");
    EXPECT_EQ(MortarText(mtLightweight, 2, 1), "lekka klasy M5, projektowana");
    SetDecimalSeparator('.');
    EXPECT_EQ(MortarText(mtGeneral, 1, 1), "zwykła klasy M2.5, projektowana");
    SetDecimalSeparator(',');

    std::string s = "x";
    MortarTypeName(mtGeneral, s);
    EXPECT_EQ(s, "zwykła");
    MortarTypeName(mtThinLayer, s);
    EXPECT_EQ(s, "do cienkich spoin");
    MortarTypeName(mtLightweight, s);
    EXPECT_EQ(s, "lekka");
    MortarTypeName(7, s);
    EXPECT_EQ(s, "lekka");
}

TEST(StrengthList, ByKindAndMortar)
{
    SetDecimalSeparator(',');
    std::vector<std::string> list{"stale"};
    FillStrengthList(list, mkCeramic1, mtThinLayer);
    ASSERT_EQ(list.size(), 11u);
    EXPECT_EQ(list[1], "7,5");
    EXPECT_EQ(list.back(), "50");
    FillStrengthList(list, mkSilicate1, mtGeneral);
    ASSERT_EQ(list.size(), 13u);
    EXPECT_EQ(list[11], "60");
    EXPECT_EQ(list.back(), "75");
    FillStrengthList(list, mkConcrete2, mtLightweight);
    EXPECT_EQ(list, (std::vector<std::string>{"5", "7,5", "10", "15", "20", "25", "30", "35"}));
    FillStrengthList(list, mkCeramic4, mtGeneral);
    EXPECT_EQ(list, (std::vector<std::string>{"5", "7,5", "10", "15"}));
    FillStrengthList(list, mkAAC, mtThinLayer);
    EXPECT_EQ(list, (std::vector<std::string>{"1,5", "2", "2,5", "3", "3,5", "4", "4,5", "5", "6", "7"}));
    FillStrengthList(list, mkManufacturedStone, mtGeneral);
    EXPECT_TRUE(list.empty());
    list.push_back("stale");
    FillStrengthList(list, mkNaturalStone, mtGeneral);
    EXPECT_TRUE(list.empty());
}

// The strength formula holds up to the largest f_b of the list; the stone
// kinds, without a list, and unknown kinds up to 75 MPa (50 thin-layer).
TEST(StrengthList, LimitIsTheLargestOfTheList)
{
    EXPECT_EQ(StrengthLimit(mkSilicate1, mtLightweight), 75.0);
    EXPECT_EQ(StrengthLimit(mkConcrete1, mtThinLayer), 50.0);
    EXPECT_EQ(StrengthLimit(mkCeramic2, mtThinLayer), 35.0);
    EXPECT_EQ(StrengthLimit(mkNaturalStone, mtGeneral), 75.0);
    EXPECT_EQ(StrengthLimit(mkManufacturedStone, mtThinLayer), 50.0);
    EXPECT_EQ(StrengthLimit(13, mtGeneral), 75.0);
}

TEST(ConcreteClasses, NamesAndProperties)
{
    // "B37" is the fifth B name: f_ck 30 MPa, E_cm 32 GPa.
    int found = -1;
    for (int i = 0; i < ConcreteNamedCount && found < 0; ++i)
        if (std::string(ConcreteClassNamesB[i]) == "B37") found = i;
    ASSERT_EQ(found, 4);
    EXPECT_STREQ(ConcreteClassNamesC[4], "C30/37");
    TConcreteProps p;
    ASSERT_TRUE(GetConcreteClassProps(found, p));
    EXPECT_DOUBLE_EQ(p.f_ck, 30e6);
    EXPECT_DOUBLE_EQ(p.E_cm, 32e9);

    // Class 1: f_cd = 16/1.5 = 10.667 MPa (not the tabulated 10.6), f_ctd = 1.3/1.5.
    ASSERT_TRUE(GetConcreteClassProps(1, p));
    EXPECT_NEAR(p.f_cd, 10.6667e6, 50);
    EXPECT_NEAR(p.f_ctd, 0.86667e6, 5);
    EXPECT_DOUBLE_EQ(p.f_ctm, 1.9e6);
    EXPECT_DOUBLE_EQ(p.Value6, 8.9e6);
    EXPECT_DOUBLE_EQ(p.Value7, 0.22e6);

    // Long-term, accidental: 0.85 x 60/1.3 = 39.231 MPa for index 10.
    TConcreteQuery q;
    q.ClassIndex = 10;
    q.LongTerm = 1;
    q.Situation = 2;
    ASSERT_TRUE(ConcreteClassProps(q, p));
    EXPECT_NEAR(p.f_cd, 39.2308e6, 50);
    EXPECT_NEAR(p.f_ctd, 0.85 * 3.2e6 / 1.3, 1e-6);
    EXPECT_DOUBLE_EQ(p.E_cm, 39e9);

    EXPECT_FALSE(GetConcreteClassProps(11, p));
    EXPECT_EQ(p.E_cm, 0);
    EXPECT_FALSE(GetConcreteClassProps(-1, p));
}

TEST(ConcreteClasses, EveryClassAnElementMayHoldIsNamedAndTabulated)
{
    // The main window offers nine classes, "B15" .. "B60" or "C12/15" .. "C50/60".
    ASSERT_EQ(ConcreteClassCount, 9);
    for (int i = 0; i < ConcreteClassCount; ++i) {
        TConcreteProps p;
        ASSERT_TRUE(GetConcreteClassProps(i, p)) << i;
        EXPECT_GT(p.E_cm, 0) << i;
        EXPECT_NE(std::string(ConcreteClassNamesB[i]), "") << i;
        EXPECT_NE(std::string(ConcreteClassNamesC[i]), "") << i;
    }
    // The last one: B60 = C50/60, f_ck 50 MPa, E_cm 37 GPa.
    EXPECT_STREQ(ConcreteClassNamesB[8], "B60");
    EXPECT_STREQ(ConcreteClassNamesC[8], "C50/60");
    TConcreteProps p;
    ASSERT_TRUE(GetConcreteClassProps(8, p));
    EXPECT_DOUBLE_EQ(p.f_ck, 50e6);
    EXPECT_DOUBLE_EQ(p.E_cm, 37e9);
    EXPECT_NEAR(p.f_cd, 33.333e6, 1e3); // 50 / 1.5
}
