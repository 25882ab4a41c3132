// The rows of a load table: their text round trip within the stored record,
// damaged texts, the sums against hand-worked loads and the band width line.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Cp1250.h"
#include "dialogs/nomlib/NomTables.h"

using namespace orv::nom;

TEST(NomTables, RowsRoundTripThroughTheirText)
{
    const std::vector<TLoadRow> rows = {{"Płytki ceramiczne", 0.01, 21.5, 1.35},
                                        {"Żelbet", 0.2, 25.0, 1.35},
                                        {"Użytkowe", 1.0, 2.0, 1.5},
                                        {"Ssanie", -0.7, 0.45, 1.5}};
    const std::string text = RowsToText(rows);
    EXPECT_EQ(text, "Płytki ceramiczne|0.01|21.5|1.35\nŻelbet|0.2|25|1.35\nUżytkowe|1|2|1.5\n"
                    "Ssanie|-0.7|0.45|1.5");
    const std::vector<TLoadRow> back = TextToRows(text);
    ASSERT_EQ(back.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(back[i].description, rows[i].description);
        EXPECT_EQ(back[i].quantity, rows[i].quantity);
        EXPECT_EQ(back[i].value, rows[i].value);
        EXPECT_EQ(back[i].gammaF, rows[i].gammaF);
    }
    EXPECT_EQ(RowsToText(back), text);
    // Separators typed into a description do not split the row.
    EXPECT_EQ(RowsToText({{"a|b\nc", 1, 2, 3}}), "a b c|1|2|3");
    EXPECT_TRUE(TextToRows("").empty());
}

TEST(NomTables, TextFitsTheStoredRecord)
{
    // 30 rows of 22 bytes ("Warstwa nr NN ąę|1|2|3", the Polish letters one
    // byte each in the record) and a line break between: 22 rows take
    // 22 x 23 - 1 = 505 bytes, a 23rd would need 528 > 512 and is left off.
    std::vector<TLoadRow> rows;
    for (int i = 0; i < 30; ++i)
        rows.push_back({"Warstwa nr " + std::to_string(10 + i) + " ąę", 1, 2, 3});
    const std::string text = RowsToText(rows);
    const std::size_t bytes = orv::Utf8ToCp1250(text).size();
    EXPECT_LE(bytes, 512u);
    EXPECT_EQ(bytes, 505u);
    const std::vector<TLoadRow> back = TextToRows(text);
    ASSERT_EQ(back.size(), 22u);
    EXPECT_EQ(back.back().description, "Warstwa nr 31 ąę");
}

TEST(NomTables, DamagedLinesAreSkipped)
{
    const std::vector<TLoadRow> rows =
        TextToRows("Mur|0.25|18|1.35\n|nan|1|1\nx|1|inf|1\ny|1|2\nz|1|2|3|4\nw|1e7|1|1\n"
                   "v|1|2|-1\nu|1,5|2|1\n\nTynk|0.03|20|1.35");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].description, "Mur");
    EXPECT_EQ(rows[1].description, "Tynk");

    std::string many;
    for (int i = 0; i < 80; ++i) many += "r|1|1|1\n";
    EXPECT_EQ(TextToRows(many).size(), 50u);
}

TEST(NomTables, SumsOfAFloorAndAWall)
{
    // Floor: screed 0.05 m x 23 + slab 0.20 m x 25 + plaster 0.015 m x 20 = 1.15 + 5.0 + 0.3 = 6.45 kN/m2 characteristic;
    // at 1.35: 8.7075 kN/m2.
    const std::vector<TLoadRow> floor = {
        {"Wylewka", 0.05, 23.0, 1.35}, {"Płyta", 0.20, 25.0, 1.35}, {"Tynk", 0.015, 20.0, 1.35}};
    EXPECT_NEAR(CharacteristicSum(floor), 6.45, 1e-12);
    EXPECT_NEAR(DesignSum(floor), 8.7075, 1e-12);

    // Wall: 0.25 m at 18 + 0.03 m at 20 over 0.28 m = 5.1 / 0.28 kN/m3.
    EXPECT_NEAR(MeanValue({{"Mur", 0.25, 18.0, 1}, {"Tynk", 0.03, 20.0, 1}}), 5.1 / 0.28, 1e-12);
    EXPECT_EQ(MeanValue({}), 0.0);
    EXPECT_EQ(MeanValue({{"zero", 0.0, 18.0, 1}}), 0.0);

    // Wind: +0.8 x 0.5 x 1.5 = 0.6 pressure, -0.5 x 0.5 x 1.5 = -0.375 suction.
    const std::vector<TLoadRow> wind = {{"D", 0.8, 0.5, 1.5}, {"E", -0.5, 0.5, 1.5}};
    EXPECT_NEAR(DesignSumOfSign(wind, true), 0.6, 1e-12);
    EXPECT_NEAR(DesignSumOfSign(wind, false), -0.375, 1e-12);
    EXPECT_NEAR(DesignSum(wind), 0.225, 1e-12);
}

TEST(NomTables, BandWidthLine)
{
    EXPECT_EQ(BandWidthText(2.5), "b=2.5");
    EXPECT_EQ(BandWidthFromText("b=2.5", 1.0), 2.5);
    EXPECT_EQ(BandWidthFromText("b=0", 1.0), 0.0);
    EXPECT_EQ(BandWidthFromText("b=-1", 1.0), 1.0);
    EXPECT_EQ(BandWidthFromText("b=nan", 1.0), 1.0);
    EXPECT_EQ(BandWidthFromText("", 1.0), 1.0);
    EXPECT_EQ(BandWidthFromText("Mur|1|2|3", 1.0), 1.0);
}

TEST(NomTables, BuiltInListsAreSane)
{
    for (const TPresetRow& p : kUnitWeights) {
        EXPECT_GT(p.value, 0.0) << p.name;
        EXPECT_LT(p.value, 100.0) << p.name;
        EXPECT_GE(p.gammaF, 1.0) << p.name;
    }
    for (const TPresetRow& p : kImposedLoads) EXPECT_GT(p.value, 0.0) << p.name;
    for (const TPresetRow& p : kWallPressureCoefficients) EXPECT_LE(std::fabs(p.value), 1.5) << p.name;
    const TLoadRow r = PresetToRow(kUnitWeights[1], 0.2);
    EXPECT_EQ(r.description, "Żelbet");
    EXPECT_NEAR(r.quantity * r.value, 5.0, 1e-12);
}
