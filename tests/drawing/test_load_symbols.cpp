#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "drawing/ZunPaintLayout.h"
#include "tests/drawing/support/DrawChecks.h"
#include "tests/drawing/support/RecordingCanvas.h"

using namespace orv;
using test::DrawOp;
using test::RecordingCanvas;
using test::ExpectPoint;

TEST(DistributedLoad, BlockArrowsAndLabel)
{
    RecordingCanvas c;
    c.pen.color = 0x111111;
    c.brush.color = 0x222222;
    // value 0.5 raises height 2 to 4; span 30 div 6 = 5 arrows after the first
    DrawDistributedLoad(c, {100, 200}, {130, 999}, 2, 0.5, true, false, "q", 0x008000);
    EXPECT_TRUE(c.hasLine({100, 200}, {100, 197}));
    EXPECT_TRUE(c.hasLine({130, 200}, {130, 197}));
    EXPECT_TRUE(c.hasLine({100, 196}, {130, 196}));
    for (int i = 0; i <= 5; ++i) EXPECT_TRUE(c.hasLine({100 + 6 * i, 200}, {100 + 6 * i, 196}));
    EXPECT_TRUE(c.hasLine({100, 198}, {101, 196}));   // first arrow: right stroke only
    EXPECT_FALSE(c.hasLine({100, 200}, {99, 196}));
    EXPECT_TRUE(c.hasLine({130, 200}, {129, 196}));   // last arrow: left stroke only
    EXPECT_FALSE(c.hasLine({130, 198}, {131, 196}));
    // label "q= 0,50" (49 wide) on a leader: A = (136, 185), B = (136 + 2 + 49, 185)
    EXPECT_TRUE(c.hasLine({121, 195}, {136, 185}));
    EXPECT_TRUE(c.hasLine({136, 185}, {187, 185}));
    const auto t = c.texts();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].text, "q= 0,50");
    ExpectPoint(t[0].points[0], 138, 169);  // 13 + 13 div 6 + 1 above the leader
    EXPECT_EQ(t[0].font.color, 0x008000u);
    EXPECT_EQ(c.lines()[0].pen.color, 0x008000u);
    EXPECT_EQ(c.pen.color, 0x111111u);  // colours back, pen width S(1), brush clear
    EXPECT_EQ(c.brush.color, 0x222222u);
    EXPECT_EQ(c.brush.style, TBrushStyle::Clear);
}

TEST(DistributedLoad, ZeroValueShortSpanAndLeftLabel)
{
    RecordingCanvas c;
    DrawDistributedLoad(c, {100, 200}, {104, 200}, 2, 0, true, true, "g", 0x008000);
    EXPECT_TRUE(c.hasLine({100, 198}, {104, 198}));  // zero keeps height 2
    EXPECT_TRUE(c.hasLine({100, 200}, {100, 198}));
    EXPECT_FALSE(c.hasLine({100, 198}, {101, 196}));  // no heads: one line at x1
    ASSERT_EQ(c.texts().size(), 1u);
    EXPECT_EQ(c.texts()[0].text, "g");
    // left: A = (94, 185), B = (94 - 2 - 7, 185), text at B.x + 2
    EXPECT_TRUE(c.hasLine({109, 195}, {94, 185}));
    EXPECT_TRUE(c.hasLine({94, 185}, {85, 185}));
    // standing on the leader: 13 + 13 div 6 + 1 above it, so that a
    // subscript or a descender clears it
    ExpectPoint(c.texts()[0].points[0], 87, 169);
}

TEST(HorizontalLoadBand, ArrowsAwayForZeroAndValueLabel)
{
    RecordingCanvas c;
    DrawHorizontalLoadBand(c, {100, 50}, {100, 66}, 0, 0x008000, "");
    const auto poly = c.of(DrawOp::Polygon);
    ASSERT_EQ(poly.size(), 1u);
    ASSERT_EQ(poly[0].points.size(), 4u);
    ExpectPoint(poly[0].points[2], 80, 66);
    for (int y : {50, 58, 66}) {
        EXPECT_TRUE(c.hasLine({100, y}, {80, y}));
        EXPECT_TRUE(c.hasLine({80, y}, {88, y + 3}));
    }
    EXPECT_TRUE(c.hasLine({88, 63}, {88, 66}));  // half head at the bottom
    ASSERT_EQ(c.texts().size(), 1u);
    EXPECT_EQ(c.texts()[0].text, "0,000");
    ExpectPoint(c.texts()[0].points[0], 37, 58);  // 100 - 20 - width("0,000 ") - 1

    c.ops.clear();
    DrawHorizontalLoadBand(c, {100, 50}, {100, 58}, 1.5, 0x008000, "w%Dd%N");
    EXPECT_TRUE(c.hasLine({100, 50}, {92, 53}));  // towards the face
    EXPECT_TRUE(c.hasLine({92, 55}, {92, 61}));
    EXPECT_EQ(c.texts()[0].text, "w");
}

TEST(ForceArrow, LengthFollowsTheValue)
{
    RecordingCanvas c;
    DrawForceArrow(c, {100, 100}, 0, 10, 10, 0, 0xA00000, false, 2, true);
    auto poly = c.of(DrawOp::Polygon);
    ASSERT_EQ(poly.size(), 1u);
    // head 12, fixed shaft 5, variable 25: tail at 100 - 42
    const TPoint full[7] = {{100, 100}, {95, 88}, {98, 88}, {98, 58}, {102, 58}, {102, 88}, {105, 88}};
    for (int i = 0; i < 7; ++i) ExpectPoint(poly[0].points[i], full[i].X, full[i].Y);
    EXPECT_EQ(poly[0].brush.style, TBrushStyle::Solid);
    EXPECT_EQ(poly[0].brush.color, 0xA00000u);
    EXPECT_EQ(c.brush.style, TBrushStyle::Clear);

    // half the reference: 5 + Round(12.5) = 5 + 12; a reference of 0 counts as 1
    EXPECT_EQ(ForceArrowShape(c, {100, 100}, 0, 5, 10, "").points[3].Y, 71);
    EXPECT_EQ(ForceArrowShape(c, {100, 100}, 0, 0.5, 0, "").points[3].Y, 71);
    EXPECT_EQ(ForceArrowShape(c, {100, 100}, 10, 0, 0, "").points[0].Y, 90);

    // negative with a long label: d = max(42, 35 + 12) = 47, head away from B
    const TForceArrowShape neg = ForceArrowShape(c, {100, 100}, 0, -10, 10, "10,00");
    EXPECT_EQ(neg.length, 47);
    ExpectPoint(neg.points[0], 100, 53);
    ExpectPoint(neg.points[3], 98, 95);
}

TEST(ForceArrow, LabelHaloAndAngles)
{
    RecordingCanvas c;
    c.pen.color = 0x000001;
    c.brush.color = 0xFFFFFF;
    DrawForceArrow(c, {100, 100}, 0, 10, 10, 0, 0xA00000, true, 2, true);
    auto t = c.texts();
    ASSERT_EQ(t.size(), 1u);  // written once
    // the label (35 x 13) stands clear of the head (x 95..105), S(3) to its
    // right: its box is centred on (105 + 3 + 6.5, 88 - 12 - 2 - 17.5) =
    // (114, 56) after rounding, and at angle 0 it is turned to 90, reading
    // upwards from (114 - 6.5, 56 + 17.5) = (108, 74)
    ExpectPoint(t[0].points[0], 108, 74);
    EXPECT_EQ(t[0].text, "10,00");
    EXPECT_EQ(t[0].font.color, 0xA00000u);
    EXPECT_EQ(t[0].font.escapement, 900);
    // on a box in the background colour, turned with it: the cell 108..121
    // across, 74 up to 39, S(2) longer at either end and S(1) wider
    const auto boxes = c.of(DrawOp::Polygon);
    ASSERT_EQ(boxes.size(), 2u);
    ASSERT_EQ(boxes[1].points.size(), 4u);
    const TPoint corners[4] = {{107, 76}, {107, 37}, {122, 37}, {122, 76}};
    for (int i = 0; i < 4; ++i) ExpectPoint(boxes[1].points[i], corners[i].X, corners[i].Y);
    EXPECT_EQ(boxes[1].brush.color, 0xFFFFFFu);
    EXPECT_EQ(boxes[1].brush.style, TBrushStyle::Solid);
    EXPECT_EQ(boxes[1].pen.color, 0xFFFFFFu);
    EXPECT_EQ(c.pen.color, 0x000001u);
    EXPECT_EQ(c.font.color, 0x000001u);  // the font takes the entry pen colour
    EXPECT_EQ(c.brush.color, 0xFFFFFFu);

    // angle 90: the box's centre turned to (100 - 44, 100 - 14) = (56, 86),
    // above the arrow; written at 0 degrees from (56 - 17.5, 86 - 6.5)
    c.ops.clear();
    DrawForceArrow(c, {100, 100}, 0, 10, 10, 90, 0xA00000, true, 2, true);
    t = c.texts();
    ASSERT_EQ(t.size(), 1u);
    ExpectPoint(t[0].points[0], 38, 80);
    EXPECT_EQ(t[0].font.escapement, 0);
    const auto box = c.of(DrawOp::FillRect);  // upright: a plain box of the cell
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].box.Left, 37);
    EXPECT_EQ(box[0].box.Top, 80);
    EXPECT_EQ(box[0].box.Right, 74);
    EXPECT_EQ(box[0].box.Bottom, 93);
    ExpectPoint(c.of(DrawOp::Polygon)[0].points[3], 58, 102);  // the tail turned to the left

    c.ops.clear();
    DrawForceArrow(c, {100, 100}, 0, 10, 10, 200, 0xA00000, true, 2, true);
    EXPECT_EQ(c.texts()[0].font.escapement, 2900);

    // left of the arrow: centred on 95 - 3 - 6.5, from 85.5 - 6.5 (rounded to even)
    c.ops.clear();
    DrawForceArrow(c, {100, 100}, 0, 10, 10, 0, 0xA00000, true, 2, false);
    ASSERT_EQ(c.texts().size(), 1u);
    ExpectPoint(c.texts()[0].points[0], 80, 74);
    // no label crosses its arrow: the head spans x 95..105
    for (const DrawOp& op : c.texts()) EXPECT_LE(op.points[0].X + 13, 95 - 1);
}

TEST(ForceArrow, MarkupLabelAtFullLength)
{
    RecordingCanvas c;
    DrawForceArrowMarkup(c, {100, 100}, 0, "N%D0d%N", 0, 0xA00000, true, true);
    ExpectPoint(c.of(DrawOp::Polygon)[0].points[3], 98, 58);
    const auto t = c.texts();
    ASSERT_EQ(t.size(), 3u);  // one writing of three runs
    // a label 21 long centred on (114, 74 - 10.5), from (114 - 6.5, 64 + 10.5)
    EXPECT_EQ(t[0].text, "N");
    ExpectPoint(t[0].points[0], 108, 74);
    EXPECT_EQ(t[1].text, "0d");
    ExpectPoint(t[1].points[0], 108, 67);  // same base line, turned to 90
}

TEST(Layout, WallMarginsAndCentring)
{
    RecordingCanvas c;
    double scale;
    int x0, y0;
    // all flags off, the width limits: margins S(15) left, S(20) right
    ASSERT_TRUE(WallDrawingLayout(c, {400, 300}, 0, 365, 10, 0, false, false, false, false, false,
                                  false, false, scale, x0, y0));
    EXPECT_DOUBLE_EQ(scale, 1.0);
    EXPECT_EQ(x0, 15);
    EXPECT_EQ(y0, 7 + (300 - 27 - 10) / 2);
    // the height limits: Scale = 273 / 100, top S(7), bottom S(20)
    ASSERT_TRUE(WallDrawingLayout(c, {400, 300}, 0, 100, 100, 0, false, false, false, false, false,
                                  false, false, scale, x0, y0));
    EXPECT_DOUBLE_EQ(scale, 2.73);
    EXPECT_EQ(x0, 15 + (400 - 35 - 273) / 2);
    EXPECT_EQ(y0, 7);
    // every chain and offsets: MR = MB = 65, MT = 27; Scale = min(310/200, 203/100)
    ASSERT_TRUE(WallDrawingLayout(c, {400, 300}, 10, 200, 100, 5, true, true, true, true, true,
                                  true, true, scale, x0, y0));
    EXPECT_DOUBLE_EQ(scale, 1.55);
    EXPECT_EQ(x0, 25);
    EXPECT_EQ(y0, 5 + 27 + (300 - 92 - 5 - 155) / 2);
    // a size unit of 2 pixels doubles the margins
    c.cellHeight = 26;
    ASSERT_TRUE(WallDrawingLayout(c, {400, 300}, 0, 100, 100, 0, false, false, false, false, false,
                                  false, false, scale, x0, y0));
    EXPECT_DOUBLE_EQ(scale, 2.46);
    EXPECT_EQ(x0, 30 + (400 - 70 - 246) / 2);
    EXPECT_EQ(y0, 14);
}

TEST(Layout, ColumnOrigin)
{
    RecordingCanvas c;
    double scale;
    int x0, y0;
    // the column scheme's chains: MR = 35, MB = 35, no top room
    ASSERT_TRUE(ColumnDrawingLayout(c, {400, 300}, 0, 40, 250, true, false, false, false, true,
                                    false, scale, x0, y0));
    EXPECT_DOUBLE_EQ(scale, 1.0);
    EXPECT_EQ(x0, 15 + (400 - 50 - 40) / 2);
    EXPECT_EQ(y0, 0);
    // top room: Scale = 235 / 250, Y0 = 15 + (300 - 50 - 235) div 2
    ASSERT_TRUE(ColumnDrawingLayout(c, {400, 300}, 0, 40, 250, true, false, true, false, true,
                                    false, scale, x0, y0));
    EXPECT_DOUBLE_EQ(scale, 0.94);
    EXPECT_EQ(x0, 15 + (350 - 38) / 2);
    EXPECT_EQ(y0, 15 + 7);
}

TEST(Layout, NothingToDrawForBadSizes)
{
    RecordingCanvas c;
    double scale = 5;
    int x0, y0;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row { TPoint size; double w, h; } rows[] = {
        {{400, 300}, 0, 100}, {{400, 300}, 100, -1}, {{400, 300}, nan, 100},
        {{400, 300}, 100, inf}, {{20, 20}, 100, 100},  // no room left beside the margins
    };
    for (const Row& r : rows) {
        scale = 5;
        EXPECT_FALSE(WallDrawingLayout(c, r.size, 0, r.w, r.h, 0, false, false, false, false,
                                       false, false, false, scale, x0, y0));
        EXPECT_EQ(scale, 0);
        scale = 5;
        EXPECT_FALSE(ColumnDrawingLayout(c, r.size, 0, r.w, r.h, false, false, false, false,
                                         false, false, scale, x0, y0));
        EXPECT_EQ(scale, 0);
    }
}
