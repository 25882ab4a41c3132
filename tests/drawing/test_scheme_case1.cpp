// Scheme of the continuous model: floor loads, spans, storey heights.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "tests/drawing/support/SchemeImage.h"
#include "tests/drawing/support/SchemeTestData.h"
#include "drawing/ZunPaint.h"

using namespace orv;
using namespace orv::test;

namespace {

// t = 25, h = 300, H = h + 6t = 450 in 600 x 522: the band S(30) leaves
// 492, the layout fits 450 into 492 - 42 at scale 1; y0 = 7 + 30 + 2t = 87.
// External x0 = 15 + (550 - 125) div 2 = 227, internal 15 + 162 + 100 = 277.
TCalcInput Wall(bool external)
{
    TCalcInput in = SampleInput(ccWallVerticalContinuous);
    in.t = 25;
    in.h = 300;
    in.ScianaZewnetrzna = external;
    in.def_szer_wiencow = 0;
    in.Nod = 80;
    in.wd = 0;
    in.wd2 = 0;
    in.g3d = 1.5; in.p3d = 2.5; in.g4d = 0; in.p4d = 3;
    in.g6d = 4; in.p6d = 5; in.g7d = 6; in.p7d = 7;
    in.l3 = 450; in.l4 = 500; in.l6 = 460; in.l7 = 510;
    return in;
}

const TDrawingColors kColors = SlotColors();

RecordingCanvas Draw(const TCalcInput& in, double n2d)
{
    TCalcResults r;
    r.N_2d = n2d;
    r.Reached = cpDesignLoads;
    RecordingCanvas c = PresetCanvas();
    DrawContinuousWall(c, {600, 522}, in, r, false, kColors, 0);
    return c;
}

const DrawOp* ArrowAt(const RecordingCanvas& c, TPoint p)
{
    for (const DrawOp& op : c.ops)  // not of(): the pointer must outlive the loop
        if (op.kind == DrawOp::Polygon && op.points.size() == 7 && op.points[0].X == p.X &&
            op.points[0].Y == p.Y)
            return &op;
    return nullptr;
}

bool HasLineIn(const RecordingCanvas& c, TPoint a, TPoint b, TColor pen)
{
    for (const DrawOp& op : c.lines())
        if (op.pen.color == pen && ((op.points[0].X == a.X && op.points[0].Y == a.Y &&
                                     op.points[1].X == b.X && op.points[1].Y == b.Y) ||
                                    (op.points[0].X == b.X && op.points[0].Y == b.Y &&
                                     op.points[1].X == a.X && op.points[1].Y == a.Y)))
            return true;
    return false;
}

} // namespace

TEST(ContinuousWallScheme, ExternalWall)
{
    TCalcInput in = Wall(true);
    in.ScianaNajwyzszejKodnygnacji = 1;  // no effect here
    in.wd = -0.4;
    const RecordingCanvas c = Draw(in, 120);
    const auto wall = PolygonsFilled(c, kColors[dcMasonryFill]);
    ASSERT_EQ(wall.size(), 1u);
    EXPECT_TRUE(SamePoints(wall[0].points, {{227, 112}, {252, 112}, {252, 412}, {227, 412}}));
    // stubs 2t long above (always) and below
    EXPECT_TRUE(c.hasLine({227, 37}, {227, 87}));
    EXPECT_TRUE(c.hasLine({227, 487}, {227, 437}));
    // g3d just above the upper floor, p3d 20 higher, blocks 10 high
    const TColor load = kColors[dcDistributedLoad];
    EXPECT_TRUE(HasLineIn(c, {253, 86}, {352, 86}, load));
    EXPECT_TRUE(HasLineIn(c, {253, 66}, {352, 66}, load));
    EXPECT_TRUE(HasLineIn(c, {253, 411}, {352, 411}, load));  // g6d at y(h + t) - 1
    EXPECT_EQ(CountText(c, "= 1,50"), 1);
    EXPECT_EQ(CountText(c, "= 2,50"), 1);
    EXPECT_EQ(CountText(c, "3d"), 2);
    EXPECT_EQ(CountText(c, "4d"), 0);    // left floors only inside
    EXPECT_EQ(CountText(c, "= 3,00"), 0);
    // wind along the whole drawn height, y(-t) to y(h + 3t)
    EXPECT_TRUE(HasPolygon(c, {{217, 62}, {217, 462}, {197, 462}, {197, 62}}));
    // spans: l3 from the wall axis (12.5 -> 12) to 124.9 -> 125, 20 below the floor
    EXPECT_TRUE(c.hasLine({352, 132}, {344, 129}));  // open arrow at the far end
    EXPECT_TRUE(c.hasLine({352, 132}, {344, 135}));
    // l3, l6 (105 px) would meet the arrowheads (8 long) at the far ends of
    // their 113 px spans: trimmed and set right of the spans, on halos
    EXPECT_EQ(CountText(c, "       l"), 0);
    EXPECT_EQ(CountText(c, "=450,0"), 1);
    EXPECT_EQ(CountText(c, "=460,0"), 1);
    EXPECT_EQ(CountText(c, "=500,0"), 0);
    // h between the floors' mid-planes, h2 up to y(-2t) - 10, h5 down to y(h + 4.25t)
    EXPECT_EQ(CountText(c, "300,0"), 1);
    // the chain stands right of the floors' load labels: "g3d= 1,50" is
    // 7 + 14 + 42 wide from 352 + 8, its leader ends at 352 + 8 + 63 = 423;
    // the line 5 plus a text height (13) beyond that
    EXPECT_TRUE(c.hasLine({441, 27}, {438, 35}));
    EXPECT_TRUE(c.hasLine({441, 493}, {438, 485}));
    // forces: Nod on the bearing's middle, N2d up from the bottom
    EXPECT_NE(ArrowAt(c, {239, 87}), nullptr);
    EXPECT_NE(ArrowAt(c, {239, 412}), nullptr);
    EXPECT_EQ(CountText(c, "80,00"), 1);
    EXPECT_EQ(CountText(c, "120,00"), 1);
    EXPECT_EQ(c.pen.color, 0x0000AAu);
    EXPECT_EQ(c.brush.color, 0x00BB00u);
    EXPECT_EQ(c.brush.style, TBrushStyle::Clear);
    EXPECT_TRUE(AllPointsInside(c, {0, 0, 600, 522}));
}

TEST(ContinuousWallScheme, InternalWallHasFourFloors)
{
    TCalcInput in = Wall(false);
    in.wd = -0.4;  // no wind inside
    const RecordingCanvas c = Draw(in, 120);
    const TColor load = kColors[dcDistributedLoad];
    // left floors from x(-0.333 h) = 177 to x(0) - 1 = 276; g4d = 0 still drawn
    EXPECT_TRUE(HasLineIn(c, {177, 86}, {276, 86}, load));
    EXPECT_TRUE(HasLineIn(c, {177, 411}, {276, 411}, load));
    EXPECT_EQ(CountText(c, "4d"), 2);
    EXPECT_EQ(CountText(c, "= 3,00"), 1);
    EXPECT_EQ(CountText(c, "= 7,00"), 1);
    EXPECT_EQ(CountText(c, "= 0,00"), 0);  // zero: the name alone
    // l4, l7 (105 px) would meet the arrowheads at the far ends of their
    // 112 px spans: trimmed and set left of the spans
    EXPECT_EQ(CountText(c, "=500,0       "), 0);
    EXPECT_EQ(CountText(c, "=500,0"), 1);
    EXPECT_EQ(CountText(c, "=510,0"), 1);
    // arrow at the far (left) end of l4: 20 below y(t)
    EXPECT_TRUE(c.hasLine({177, 132}, {185, 129}));
    EXPECT_EQ(CountText(c, "-0,400"), 0);
}

TEST(ContinuousWallScheme, RingBeamsAndForces)
{
    TCalcInput in = Wall(true);
    in.def_szer_wiencow = 1;
    in.ag = 15;
    in.ad = 20;
    in.Nod = 0;
    const RecordingCanvas c = Draw(in, -60);
    EXPECT_EQ(CountText(c, "15,0"), 1);  // on halos: they stand on the wall's fill
    EXPECT_EQ(CountText(c, "20,0"), 1);
    // only the bottom force, at t - ad/2 = 15; alone it is the reference
    EXPECT_EQ(ArrowAt(c, {245, 87}), nullptr);
    const DrawOp* n2 = ArrowAt(c, {242, 412});
    EXPECT_EQ(n2, nullptr);  // negative: the tip points away, tail at the section
    EXPECT_EQ(CountText(c, "60,00"), 1);
}

TEST(ContinuousWallScheme, DegenerateWallDrawsNothing)
{
    for (double bad : {0.0, -1.0, std::nan("")}) {
        TCalcInput in = Wall(true);
        in.t = bad;
        EXPECT_TRUE(Draw(in, 10).ops.empty());
        in = Wall(false);
        in.h = bad;
        EXPECT_TRUE(Draw(in, 10).ops.empty());
    }
}

TEST(ContinuousWallScheme, InkStaysInsideTheArea)
{
    TCalcInput in = Wall(false);
    TCalcResults r;
    r.N_2d = 200;
    const QImage img = DrawOnImage({560, 480}, [&](Canvas& c, const TPoint& size) {
        DrawContinuousWall(c, size, in, r, false, DefaultColors(), 0);
    });
    EXPECT_GT(InkPixels(img), 1000);
    EXPECT_EQ(InkOutside(img, QRect(1, 0, 558, 479)), 0);
    SaveSchemePngIfAsked(img, "case1_internal");
    TCalcInput ex = Wall(true);
    ex.wd = -0.4;
    ex.wd2 = 0.6;
    SaveSchemePngIfAsked(DrawOnImage({560, 480}, [&](Canvas& c, const TPoint& size) {
                             DrawContinuousWall(c, size, ex, r, false, DefaultColors(), 0);
                         }),
                         "case1_external");
}
