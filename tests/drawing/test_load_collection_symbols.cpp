// Symbols of the load-compilation, basement and column schemes, on the
// recording canvas (S(n) = n, characters 7 wide, texts 13 high).
#include <gtest/gtest.h>

#include <cstring>

#include "drawing/ZunPaintLoadSymbols.h"
#include "tests/drawing/support/DrawChecks.h"
#include "tests/drawing/support/RecordingCanvas.h"
#include "tests/drawing/support/SchemeTestData.h"

using namespace orv;
using test::DrawOp;
using test::RecordingCanvas;
using test::ExpectPoint;

TEST(FloorLoad, BlockArrowsAndLeaderToTheRight)
{
    RecordingCanvas c;
    c.pen.color = 0x111111;
    c.font.color = 0x333333;
    c.brush.color = 0x222222;
    DrawFloorLoad(c, {100, 200}, {130, 0}, 10, 2.5, true, false, "g", 0x00AA00);
    EXPECT_TRUE(c.hasLine({100, 200}, {100, 197}));
    EXPECT_TRUE(c.hasLine({130, 200}, {130, 197}));
    EXPECT_TRUE(c.hasLine({100, 190}, {130, 190}));  // P2.Y is not read
    for (int i = 0; i <= 5; ++i) EXPECT_TRUE(c.hasLine({100 + 6 * i, 200}, {100 + 6 * i, 190}));
    EXPECT_TRUE(c.hasLine({100, 198}, {101, 196}));
    EXPECT_FALSE(c.hasLine({100, 200}, {99, 196}));
    EXPECT_TRUE(c.hasLine({130, 200}, {129, 196}));
    EXPECT_FALSE(c.hasLine({130, 198}, {131, 196}));
    // "g= 2,50" is 49 wide: knee (100+6+15, 185), end (100+8+49+15, 185), text at end+2-49
    const auto leader = c.of(DrawOp::Polyline);
    ASSERT_EQ(leader.size(), 1u);
    ASSERT_EQ(leader[0].points.size(), 3u);
    ExpectPoint(leader[0].points[0], 106, 195);
    ExpectPoint(leader[0].points[1], 121, 185);
    ExpectPoint(leader[0].points[2], 172, 185);
    ASSERT_EQ(c.texts().size(), 1u);
    EXPECT_EQ(c.texts()[0].text, "g= 2,50");
    ExpectPoint(c.texts()[0].points[0], 125, 172);
    EXPECT_EQ(c.texts()[0].font.color, 0x00AA00u);
    EXPECT_EQ(c.pen.color, 0x111111u);
    EXPECT_EQ(c.font.color, 0x333333u);
    EXPECT_EQ(c.brush.color, 0x222222u);
}

TEST(FloorLoad, LeftLeaderZeroValueEmptyNameAndReversedSpan)
{
    RecordingCanvas c;
    // zero value: the name alone, 7 wide; knee (130-21, 185), end (130-8-15-7, 185)
    DrawFloorLoad(c, {100, 200}, {130, 200}, 10, 0, true, true, "g", 0x00AA00);
    const auto leader = c.of(DrawOp::Polyline);
    ASSERT_EQ(leader.size(), 1u);
    ExpectPoint(leader[0].points[0], 124, 195);
    ExpectPoint(leader[0].points[1], 109, 185);
    ExpectPoint(leader[0].points[2], 100, 185);
    ASSERT_EQ(c.texts().size(), 1u);
    EXPECT_EQ(c.texts()[0].text, "g");
    ExpectPoint(c.texts()[0].points[0], 104, 172);

    RecordingCanvas e;  // an empty name suppresses the label even when it is asked for
    DrawFloorLoad(e, {100, 200}, {130, 200}, 10, 3, true, false, "", 0);
    EXPECT_TRUE(e.texts().empty());
    EXPECT_TRUE(e.of(DrawOp::Polyline).empty());

    RecordingCanvas n;  // narrower than S(6): one arrow at x1, no heads
    DrawFloorLoad(n, {100, 200}, {95, 200}, 10, 0, false, false, "g", 0);
    EXPECT_EQ(n.lines().size(), 7u);
    EXPECT_TRUE(n.hasLine({100, 200}, {100, 190}));
    RecordingCanvas r;  // x2 S(6) left of x1: outline only
    DrawFloorLoad(r, {100, 200}, {94, 200}, 10, 0, false, false, "g", 0);
    EXPECT_EQ(r.lines().size(), 6u);
}

TEST(LevelMark, AboveAndBelowOverwriteTheBounds)
{
    RecordingCanvas c;
    TRect b{-500, -500, 900, 900};
    DrawLevelMarkAbove(c, {50, 100}, "abc", b);
    EXPECT_TRUE(c.hasLine({45, 100}, {55, 100}));
    EXPECT_TRUE(c.hasLine({50, 75}, {50, 100}));
    EXPECT_TRUE(c.hasLine({50, 100}, {40, 90}));
    EXPECT_TRUE(c.hasLine({40, 90}, {76, 90}));  // 50 + 5 + width 21
    ASSERT_EQ(c.texts().size(), 1u);
    ExpectPoint(c.texts()[0].points[0], 52, 77);
    EXPECT_EQ(c.brush.style, TBrushStyle::Clear);
    EXPECT_LE(b.Left, 40);  // the previous rectangle is gone, the drawn mark inside
    EXPECT_EQ(b.Top, 75);
    EXPECT_GE(b.Right, 76);
    EXPECT_GE(b.Bottom, 100);
    EXPECT_LT(b.Bottom, 110);

    RecordingCanvas d;
    DrawLevelMarkBelow(d, {50, 100}, "abc", b);
    EXPECT_TRUE(d.hasLine({50, 125}, {50, 100}));
    EXPECT_TRUE(d.hasLine({50, 100}, {40, 110}));
    EXPECT_TRUE(d.hasLine({40, 110}, {76, 110}));
    ExpectPoint(d.texts()[0].points[0], 52, 110);
    EXPECT_LE(b.Top, 100);
    EXPECT_GE(b.Bottom, 125);
}

TEST(NamedForceArrow, TurnedRoundWithItsNameOnAHalo)
{
    RecordingCanvas c;
    c.pen.color = 0x111111;
    c.brush.color = 0xEEEEEE;
    DrawNamedForceArrow(c, {100, 100}, 0, "F", 180, 0x0000AA, true, true);
    const auto poly = c.of(DrawOp::Polygon);
    ASSERT_EQ(poly.size(), 1u);
    // the down arrow (95, 88)...(100, 68) turned by 180 degrees about P: body below P
    const TPoint expected[7] = {{100, 100}, {105, 112}, {102, 112}, {102, 132},
                                {98, 132},  {98, 112},  {95, 112}};
    for (int i = 0; i < 7; ++i) ExpectPoint(poly[0].points[i], expected[i].X, expected[i].Y);
    EXPECT_EQ(poly[0].brush.color, 0x0000AAu);
    EXPECT_EQ(poly[0].brush.style, TBrushStyle::Solid);
    // Q = (103, 86) turned to (97, 114); 180 lies in 5..180: O = Q + (-13, 0)
    // written once, on a box of the background: the cell 7 x 13, S(1) longer at either end
    const auto t = c.texts();
    ASSERT_EQ(t.size(), 1u);
    ExpectPoint(t[0].points[0], 84, 114);
    EXPECT_EQ(t[0].font.color, 0x0000AAu);
    const auto box = c.of(DrawOp::FillRect);
    ASSERT_EQ(box.size(), 1u);
    orv::test::ExpectRect(box[0].box, 83, 114, 92, 127);
    EXPECT_EQ(box[0].brush.color, 0xEEEEEEu);
    EXPECT_EQ(c.pen.color, 0x111111u);
    EXPECT_EQ(c.font.color, 0x111111u);
    EXPECT_EQ(c.brush.color, 0xEEEEEEu);

    RecordingCanvas u;  // upright: the name S(12) above Q, no matter how big any value
    DrawNamedForceArrow(u, {100, 100}, 10, "F", 0, 0x0000AA, true, false);
    ExpectPoint(u.of(DrawOp::Polygon)[0].points[0], 100, 90);
    ExpectPoint(u.of(DrawOp::Polygon)[0].points[3], 98, 58);
    // Q = (100 - 2 - 13 - 1, 90 - 14)
    ExpectPoint(u.texts().back().points[0], 84, 64);
}

TEST(OutlinedArrowAndSoil, Geometry)
{
    RecordingCanvas c;
    TDrawingColors colors{};
    colors[dcForce] = 0x0000CC;
    c.pen.color = 0x111111;
    DrawOutlinedLoadArrow(c, 50, 100, colors, "P");
    const auto pl = c.of(DrawOp::Polyline);
    ASSERT_EQ(pl.size(), 1u);
    ASSERT_EQ(pl[0].points.size(), 8u);
    ExpectPoint(pl[0].points[1], 46, 90);
    ExpectPoint(pl[0].points[3], 49, 70);
    ExpectPoint(pl[0].points[7], 50, 100);
    EXPECT_EQ(pl[0].pen.color, 0x0000CCu);
    ExpectPoint(c.texts()[0].points[0], 50 - 4 - 7, 100 - 30 - 2);
    EXPECT_EQ(c.pen.color, 0x111111u);

    RecordingCanvas s;
    DrawSoilHatching(s, {10, 20});
    EXPECT_EQ(s.lines().size(), 11u);
    EXPECT_TRUE(s.hasLine({10, 30}, {20, 20}));
    // halves round to even: S(13.5) = 14, S(3.5) = 4, S(6.5) = 6, S(27.5) = 28
    EXPECT_TRUE(s.hasLine({24, 24}, {30, 30}));
    EXPECT_TRUE(s.hasLine({13, 20}, {16, 24}));
    EXPECT_TRUE(s.hasLine({34, 20}, {38, 24}));
    EXPECT_TRUE(s.hasLine({45, 30}, {48, 27}));
}

TEST(MomentSymbol, PlaneDirectionAndLabel)
{
    // head tip at 180 deg, radius 18, round P' = (100, 99); shear tan 30 x 18 = 10.4
    RecordingCanvas c;
    c.pen.color = 0x111111;
    c.brush.color = 0xEEEEEE;  // the background
    DrawMomentSymbol(c, {100, 100}, 0x00CC00, 5, 0, 0, "", true);
    // head and arc are first drawn wider in the background colour, a halo
    // that keeps them visible on a fill of the moment's own colour
    const auto poly = c.of(DrawOp::Polygon);
    ASSERT_EQ(poly.size(), 3u);
    EXPECT_EQ(poly[0].pen.color, 0xEEEEEEu);
    EXPECT_EQ(poly[0].brush.style, TBrushStyle::Clear);
    EXPECT_TRUE(orv::test::SamePoints(poly[0].points, poly[1].points));
    ExpectPoint(poly[1].points[0], 118, 89);
    EXPECT_EQ(poly[1].brush.style, TBrushStyle::Solid);
    EXPECT_EQ(poly[1].pen.color, 0x00CC00u);
    EXPECT_EQ(poly[2].brush.style, TBrushStyle::Clear);
    const auto arc = c.of(DrawOp::Polyline);
    ASSERT_EQ(arc.size(), 2u);
    EXPECT_EQ(arc[0].pen.color, 0xEEEEEEu);
    EXPECT_GT(arc[0].pen.width, 5);
    EXPECT_TRUE(orv::test::SamePoints(arc[0].points, arc[1].points));
    EXPECT_EQ(arc[1].points.size(), 6u);
    EXPECT_EQ(arc[1].pen.width, 5);
    EXPECT_EQ(arc[1].pen.color, 0x00CC00u);
    // label "5,00" before shearing (105, 99 + 3 - 19 - 13), sheared by -3,
    // then 4 higher: (105, 63); its bottom 76 would lie on the arc (5 wide)
    // and the head, whose highest point beneath it is at y 75: raised to
    // 75 - 4 - 13 = 58
    // written once on a box in the background
    ASSERT_EQ(c.texts().size(), 1u);
    EXPECT_EQ(c.texts()[0].text, "5,00");
    ExpectPoint(c.texts()[0].points[0], 105, 58);
    ASSERT_EQ(c.of(DrawOp::FillRect).size(), 1u);
    orv::test::ExpectRect(c.of(DrawOp::FillRect)[0].box, 104, 58, 134, 71);
    EXPECT_EQ(c.of(DrawOp::FillRect)[0].brush.color, 0xEEEEEEu);
    EXPECT_EQ(c.pen.width, 1);
    EXPECT_EQ(c.pen.color, 0x111111u);
    EXPECT_EQ(c.brush.color, 0x00CC00u);

    RecordingCanvas m;  // negative moment: mirrored
    DrawMomentSymbol(m, {100, 100}, 0x00CC00, -5, 0, 0, "", true);
    ExpectPoint(m.of(DrawOp::Polygon)[1].points[0], 82, 109);
    EXPECT_EQ(m.texts()[0].text, "5,00");

    RecordingCanvas x;  // plane of x: mirrored for a positive moment, label to the left
    DrawMomentSymbol(x, {100, 100}, 0x00CC00, 5, 0, 0, "M", false);
    ExpectPoint(x.of(DrawOp::Polygon)[1].points[0], 82, 89);
    // (100 - 5 - 7, 70), sheared by -Round(tan 30 x 12) = -7, then 6 lower
    ASSERT_EQ(x.texts().size(), 1u);
    EXPECT_EQ(x.texts()[0].text, "M");
    ExpectPoint(x.texts()[0].points[0], 88, 62);  // raised clear of the arc as well
}

TEST(LoadCompilationUnits, EveryEntryToMetresOnce)
{
    TLoadCompilation l;
    std::memset(&l, 0, sizeof l);
    l.b = 150;
    l.bUnit = 1;
    l.h[0] = 300;
    l.Unit_h[0] = 1;
    l.tw[9] = 250;
    l.Unit_tw[9] = 2;
    l.lo_P[9] = 6;
    l.Unit_lo_P[9] = 7;  // unknown unit: metres
    const TLoadCompilation m = LoadCompilationInMetres(l);
    EXPECT_DOUBLE_EQ(+m.b, 1.5);
    EXPECT_DOUBLE_EQ(+m.h[0], 3.0);
    EXPECT_DOUBLE_EQ(+m.tw[9], 0.25);
    EXPECT_DOUBLE_EQ(+m.lo_P[9], 6.0);
    const TLoadCompilation again = LoadCompilationInMetres(m);
    EXPECT_DOUBLE_EQ(+again.h[0], 3.0);
    EXPECT_DOUBLE_EQ(+again.tw[9], 0.25);
    EXPECT_DOUBLE_EQ(+l.h[0], 300.0);  // the original is untouched
}
