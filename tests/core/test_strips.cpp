// Division of a case-2 wall with openings into horizontal and vertical strips.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "tests/core/support/CalcSupport.h"
#include "core/ZunStrips.h"

using namespace orv;

namespace {

std::unique_ptr<TCalcInput> Wall(double l, double h, int model, int supportCase,
                                 std::initializer_list<TOpening> openings)
{
    auto in = orvtest::DefaultInput(2);
    in->l = l;
    in->h = h;
    in->SchematScianyTyp = model;
    in->SchematPlytySciany = supportCase;
    in->ScianaZOtworami = 1;
    const int k = orvtest::PutOpenings(*in, openings);
    in->LiczbaOkien = k;
    return in;
}

void ExpectPlate(const TWallPlate& p, double x, double y, double L, double H, double a_w)
{
    EXPECT_DOUBLE_EQ(p.x, x);
    EXPECT_DOUBLE_EQ(p.y, y);
    EXPECT_DOUBLE_EQ(p.L, L);
    EXPECT_DOUBLE_EQ(p.H, H);
    EXPECT_DOUBLE_EQ(p.a_w, a_w);
}

void ExpectEdges(const TWallPlate& p, int left, int right, int top, int bottom)
{
    EXPECT_EQ(p.EdgeLeft, left);
    EXPECT_EQ(p.EdgeRight, right);
    EXPECT_EQ(p.EdgeTop, top);
    EXPECT_EQ(p.EdgeBottom, bottom);
}

} // namespace

// 300 x 250 wall, window 120 x 120 at x 100, y 90.
TEST(Strips, OneWindowBothDivisions)
{
    auto in = Wall(300, 250, 2, 4, {{100, 90, 120, 120}});
    TCalcResults r;
    DivideHorizontalStrips(*in, r);
    ASSERT_EQ(r.PlateCount, 2);
    // a_w: 90 + 120/2 = 150; 40 + 120/2 = 100
    ExpectPlate(r.Plates[0], 0, 0, 300, 90, 150);
    ExpectPlate(r.Plates[1], 0, 210, 300, 40, 100);
    // support case 4 (hinged all round): the edge at the opening band is free
    ExpectEdges(r.Plates[0], 1, 1, 0, 1);
    ExpectEdges(r.Plates[1], 1, 1, 1, 0);
    EXPECT_EQ(r.Plates[0].SupportCase, 0); // k - 4
    EXPECT_EQ(r.Plates[1].SupportCase, 0);

    DivideVerticalStrips(*in, r);
    ASSERT_EQ(r.PlateCount, 2);
    // a_w: 100 + 120/2 = 160; 80 + 120/2 = 140
    ExpectPlate(r.Plates[0], 0, 0, 100, 250, 160);
    ExpectPlate(r.Plates[1], 220, 0, 80, 250, 140);
    ExpectEdges(r.Plates[0], 1, 0, 1, 1);
    ExpectEdges(r.Plates[1], 0, 1, 1, 1);
    EXPECT_EQ(r.Plates[0].SupportCase, 9);
    EXPECT_EQ(r.Plates[1].SupportCase, 9);
}

TEST(Strips, EndBandsAndDoors)
{
    TCalcResults r;
    // Door from the floor: one strip above it, a_w = 100 + 150/2 = 175.
    auto door = Wall(300, 250, 0, 0, {{100, 0, 100, 150}});
    DivideHorizontalStrips(*door, r);
    ASSERT_EQ(r.PlateCount, 1);
    ExpectPlate(r.Plates[0], 0, 150, 300, 100, 175);
    ExpectEdges(r.Plates[0], 1, 1, 0, 0);
    EXPECT_EQ(r.Plates[0].SupportCase, -1); // beam models take no table

    // Opening on the left end: the end band goes whole to the outer strip.
    // Right strip x 50..300 with a_w 250 + 50.
    auto left = Wall(300, 250, 1, 0, {{0, 50, 50, 100}});
    DivideVerticalStrips(*left, r);
    ASSERT_EQ(r.PlateCount, 1);
    ExpectPlate(r.Plates[0], 50, 0, 250, 250, 300);
    ExpectEdges(r.Plates[0], 0, 0, 1, 1);

    // Full-height opening: no horizontal strip; two vertical ones.
    auto full = Wall(300, 250, 2, 4, {{100, 0, 50, 250}});
    DivideHorizontalStrips(*full, r);
    EXPECT_EQ(r.PlateCount, -1);
    DivideVerticalStrips(*full, r);
    EXPECT_EQ(r.PlateCount, 2);
}

// Plate model, support case 5 (left hinged, right fixed, top and bottom
// hinged), wall 400 x 250 cm, openings touching the left or the right end.
TEST(Strips, OpeningsAtTheEndsOfTheWall)
{
    TCalcResults r;
    // Opening x 0..60, y 50..150 at the left end. One vertical strip x 60..400:
    // a_w = 340 + the whole end band 60 = 400; no left edge (it borders the
    // opening), the fixed right edge of the wall; table 10 (k 5 at the right end).
    auto left = Wall(400, 250, 2, 5, {{0, 50, 60, 100}});
    DivideVerticalStrips(*left, r);
    ASSERT_EQ(r.PlateCount, 1);
    ExpectPlate(r.Plates[0], 60, 0, 340, 250, 400);
    ExpectEdges(r.Plates[0], 0, 2, 1, 1);
    EXPECT_EQ(r.Plates[0].SupportCase, 10);
    // Horizontal: y 0..50 (a_w 50 + 100/2 = 100) and y 150..250 (100 + 50 = 150), both k - 4 = 1.
    DivideHorizontalStrips(*left, r);
    ASSERT_EQ(r.PlateCount, 2);
    ExpectPlate(r.Plates[0], 0, 0, 400, 50, 100);
    ExpectPlate(r.Plates[1], 0, 150, 400, 100, 150);
    ExpectEdges(r.Plates[0], 1, 2, 0, 1);
    ExpectEdges(r.Plates[1], 1, 2, 1, 0);
    EXPECT_EQ(r.Plates[0].SupportCase, 1);
    EXPECT_EQ(r.Plates[1].SupportCase, 1);

    // Opening x 340, width 100, y 80..200 at the right end: cut to 340..400.
    // Vertical strip x 0..340: a_w = 340 + 60 = 400; the hinged left edge of
    // the wall, no right edge; table 9 (k 5 at the left end).
    auto right = Wall(400, 250, 2, 5, {{340, 80, 100, 120}});
    DivideVerticalStrips(*right, r);
    ASSERT_EQ(r.PlateCount, 1);
    ExpectPlate(r.Plates[0], 0, 0, 340, 250, 400);
    ExpectEdges(r.Plates[0], 1, 0, 1, 1);
    EXPECT_EQ(r.Plates[0].SupportCase, 9);
    // Horizontal: y 0..80 (80 + 60) and y 200..250 (50 + 60).
    DivideHorizontalStrips(*right, r);
    ASSERT_EQ(r.PlateCount, 2);
    ExpectPlate(r.Plates[0], 0, 0, 400, 80, 140);
    ExpectPlate(r.Plates[1], 0, 200, 400, 50, 110);

    // Both: the strip x 60..340 between them takes both end bands whole,
    // a_w = 280 + 60 + 60 = 400; free at both sides, so no table.
    auto both = Wall(400, 250, 2, 5, {{0, 50, 60, 100}, {340, 80, 100, 120}});
    DivideVerticalStrips(*both, r);
    ASSERT_EQ(r.PlateCount, 1);
    ExpectPlate(r.Plates[0], 60, 0, 280, 250, 400);
    ExpectEdges(r.Plates[0], 0, 0, 1, 1);
    EXPECT_EQ(r.Plates[0].SupportCase, -1);
    // Horizontal: the openings cover y 50..200: strips 0..50 and 200..250, a_w 50 + 150/2 = 125.
    DivideHorizontalStrips(*both, r);
    ASSERT_EQ(r.PlateCount, 2);
    ExpectPlate(r.Plates[0], 0, 0, 400, 50, 125);
    ExpectPlate(r.Plates[1], 0, 200, 400, 50, 125);
}

TEST(Strips, TwoWindowsInOneBand)
{
    auto in = Wall(400, 250, 2, 8, {{50, 90, 100, 120}, {250, 90, 100, 120}});
    TCalcResults r;
    DivideHorizontalStrips(*in, r);
    ASSERT_EQ(r.PlateCount, 2);
    ExpectPlate(r.Plates[0], 0, 0, 400, 90, 150);
    ExpectPlate(r.Plates[1], 0, 210, 400, 40, 100);
    EXPECT_EQ(r.Plates[0].SupportCase, 3);
    EXPECT_EQ(r.Plates[1].SupportCase, 3);

    DivideVerticalStrips(*in, r);
    ASSERT_EQ(r.PlateCount, 3);
    // 50 + 100/2; 100 + 100/2 + 100/2; 50 + 100/2
    ExpectPlate(r.Plates[0], 0, 0, 50, 250, 100);
    ExpectPlate(r.Plates[1], 150, 0, 100, 250, 200);
    ExpectPlate(r.Plates[2], 350, 0, 50, 250, 100);
    ExpectEdges(r.Plates[1], 0, 0, 2, 2);
    EXPECT_EQ(r.Plates[0].SupportCase, 10);
    EXPECT_EQ(r.Plates[1].SupportCase, -1); // between two openings
    EXPECT_EQ(r.Plates[2].SupportCase, -1); // k 8 maps only the left-end strip
}

// Overlapping openings y 100..200 and 50..150 in a wall of height 300: the
// free bands are 0..50 and 200..300 whatever the stored order.
TEST(Strips, IndependentOfOpeningOrder)
{
    for (bool swapped : {false, true}) {
        auto in = swapped ? Wall(300, 300, 0, 0, {{10, 50, 40, 100}, {100, 100, 40, 100}})
                          : Wall(300, 300, 0, 0, {{100, 100, 40, 100}, {10, 50, 40, 100}});
        TCalcResults r;
        DivideHorizontalStrips(*in, r);
        ASSERT_EQ(r.PlateCount, 2) << swapped;
        // 50 + 150/2 = 125; 100 + 150/2 = 175
        ExpectPlate(r.Plates[0], 0, 0, 300, 50, 125);
        ExpectPlate(r.Plates[1], 0, 200, 300, 100, 175);
    }
}

TEST(Strips, SupportCaseMapping)
{
    // Horizontal: bottom strip k / k - 4 / 3 / none; top strip k - 4, 5 for 7, 3 for 8.
    const int bottom[12] = {0, 1, 2, 3, 0, 1, 2, 3, 3, -1, -1, -1};
    const int top[12] = {-1, -1, -1, -1, 0, 1, 2, 5, 3, -1, -1, -1};
    const int left[12] = {9, -1, -1, -1, 9, 9, 10, 11, 10, 9, 10, 11};
    const int right[12] = {-1, -1, -1, -1, 9, 10, 10, 11, -1, -1, -1, -1};
    for (int k = 0; k < 12; ++k) {
        auto in = Wall(300, 250, 2, k, {{100, 90, 120, 120}});
        TCalcResults r;
        DivideHorizontalStrips(*in, r);
        EXPECT_EQ(r.Plates[0].SupportCase, bottom[k]) << k;
        EXPECT_EQ(r.Plates[1].SupportCase, top[k]) << k;
        DivideVerticalStrips(*in, r);
        EXPECT_EQ(r.Plates[0].SupportCase, left[k]) << k;
        EXPECT_EQ(r.Plates[1].SupportCase, right[k]) << k;
    }
}

TEST(Strips, EdgeCodesOfTheModels)
{
    const int codes[9][4] = {{1, 1, 0, 0}, {0, 0, 1, 1}, {2, 2, 1, 2}, {1, 1, 0, 0}, {0, 0, 1, 1},
                             {2, 0, 0, 0}, {0, 0, 0, 2}, {2, 2, 0, 0}, {0, 0, 2, 2}};
    for (int model = 0; model < 9; ++model) {
        const TSupportEdges e = WallModelEdges(model, 7);
        EXPECT_EQ(e.Left, codes[model][0]) << model;
        EXPECT_EQ(e.Right, codes[model][1]) << model;
        EXPECT_EQ(e.Top, codes[model][2]) << model;
        EXPECT_EQ(e.Bottom, codes[model][3]) << model;
    }
    const TSupportEdges bad = WallModelEdges(2, 12);
    EXPECT_EQ(bad.Left + bad.Right + bad.Top + bad.Bottom, 0);
}

TEST(Strips, NoDivision)
{
    TCalcResults r;
    r.PlateCount = 5;
    auto off = Wall(300, 250, 2, 4, {{100, 90, 120, 120}});
    off->ScianaZOtworami = 0;
    DivideHorizontalStrips(*off, r);
    EXPECT_EQ(r.PlateCount, 0);
    // Openings wholly outside the wall are dropped before the division.
    auto outside = Wall(300, 250, 2, 4, {{300, 90, 120, 120}, {10, 250, 20, 20}});
    DivideVerticalStrips(*outside, r);
    EXPECT_EQ(r.PlateCount, 0);
    // A damaged count is brought into 0..5.
    auto damaged = Wall(300, 250, 2, 4, {{100, 90, 120, 120}});
    damaged->LiczbaOkien = 1000;
    DivideHorizontalStrips(*damaged, r);
    EXPECT_GE(r.PlateCount, -1);
    EXPECT_LE(r.PlateCount, 6);
}
