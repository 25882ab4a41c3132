// Scheme of the wall under a concentrated load: pocket outline, pad, spread
// of the load, dimensions, frame and bounds.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/drawing/support/LabelChecks.h"
#include "tests/drawing/support/SchemeImage.h"
#include "tests/drawing/support/SchemeTestData.h"
#include "drawing/ZunPaint.h"

using namespace orv;
using namespace orv::test;

namespace {

// t = 25, h = 300, l = 400 in 800 x 420; N = 120 (label "120,00" 42 wide):
// LW = max(45, 25 + 42) = 67; area 760 x 353; d = 9.375; the layout fits
// H = 309.375 into 311 px: s = 1.00525. x0 = 15 + (695 - 420) div 2 + 50 = 202,
// y0 = 7 + max(67, 40 + 9) = 74; depth 9 px.
// TL (202, 74), BL (202, 376), BR (604, 376), TR (604, 74).
// Load at a1 = 100, aL = 20: pocket x 90..110 -> 292..313, floor hN = 10 -> 84.
TCalcInput Wall()
{
    TCalcInput in = SampleInput(ccConcentratedLoad);
    in.t = 25;
    in.h = 300;
    in.l = 400;
    in.LiczbaSilSkup = 1;
    in.Sily[0] = {120, 20, 15, 100, 10};
    return in;
}

TCalcResults Results(u8 error = 0)
{
    TCalcResults r;
    r.Error = error;
    r.l_eff = 80;
    return r;
}

const TDrawingColors kColors = SlotColors();

using Drawn = DrawnWithBounds;

Drawn Draw(const TCalcInput& in, const TCalcResults& r)
{
    Drawn d;
    d.drawn = DrawConcentratedLoadWall(d.c, {800, 420}, in, r, false, kColors, 0, d.bounds);
    return d;
}

// The front outline: the masonry polygon with the wall's lower left corner
// (the lowest, then leftmost masonry point: no face is drawn on the left or
// the bottom edge, so no other polygon has it).
std::vector<TPoint> Outline(const RecordingCanvas& c)
{
    const auto masonry = PolygonsFilled(c, kColors[dcMasonryFill]);
    TPoint bl{0, 0};
    bool any = false;
    for (const DrawOp& op : masonry)
        for (const TPoint& p : op.points)
            if (!any || p.Y > bl.Y || (p.Y == bl.Y && p.X < bl.X)) {
                bl = p;
                any = true;
            }
    std::vector<TPoint> best;
    for (const DrawOp& op : masonry)
        for (const TPoint& p : op.points)
            if (p.X == bl.X && p.Y == bl.Y) best = op.points;
    return best;
}

bool DashStartsAt(const RecordingCanvas& c, TPoint p)
{
    for (const DrawOp& op : c.lines())
        if (op.points[0].X == p.X && op.points[0].Y == p.Y && op.pen.color == kColors[dcMasonryOutline])
            return true;
    return false;
}

} // namespace

TEST(ConcentratedLoadScheme, PocketPadSpreadAndBounds)
{
    const Drawn d = Draw(Wall(), Results());
    ASSERT_TRUE(d.drawn);
    EXPECT_TRUE(SamePoints(Outline(d.c), {{202, 74}, {202, 376}, {604, 376}, {604, 74}, {313, 74},
                                          {313, 84}, {292, 84}, {292, 74}}));
    EXPECT_EQ(PolygonsFilled(d.c, kColors[dcView]).size(), 3u);  // pad faces once
    // spread at 60 degrees from the bearing's ends to half the height below it:
    // r = 145 / tan 60 = 83.7; ends (6.3, 155) -> (208, 230), (193.7, 155) -> (397, 230)
    EXPECT_TRUE(DashStartsAt(d.c, {292, 84}));
    EXPECT_TRUE(DashStartsAt(d.c, {313, 84}));
    EXPECT_TRUE(d.c.hasLine({203, 240}, {402, 240}));  // l_eff 10 below, 5 beyond the ends
    EXPECT_EQ(CountText(d.c, "eff"), 1);  // on a halo over the wall's fill
    EXPECT_EQ(CountText(d.c, "=80,0"), 1);
    // the force on the pad's top: (104.7, 2.3) -> (307, 76), pointing down
    bool arrow = false;
    for (const DrawOp& op : PolygonsFilled(d.c, kColors[dcForce]))
        if (op.points.size() == 7 && op.points[0].X == 307 && op.points[0].Y == 76) arrow = true;
    EXPECT_TRUE(arrow);
    EXPECT_EQ(CountText(d.c, "120,00"), 1);
    EXPECT_EQ(CountText(d.c, "100,0"), 1);  // a1
    EXPECT_EQ(CountText(d.c, "400,0"), 1);
    EXPECT_EQ(CountText(d.c, "300,0"), 1);
    // bounds: width dimension 197..401, height ticks 653 - 5, the load's label
    // up to 50 - 42 - 2 = 6; S(5) on every side; the frame is drawn on them
    EXPECT_EQ(d.bounds.Left, 192);
    EXPECT_EQ(d.bounds.Top, 1);
    EXPECT_EQ(d.bounds.Right, 653);
    EXPECT_EQ(d.bounds.Bottom, 406);
    const auto frames = d.c.of(DrawOp::Rectangle);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].box.Left, 192);
    EXPECT_EQ(frames[0].box.Bottom, 406);
    EXPECT_EQ(frames[0].pen.color, 0x0000AAu);
    EXPECT_EQ(frames[0].brush.style, TBrushStyle::Clear);
    EXPECT_TRUE(AllPointsInside(d.c, d.bounds));
    EXPECT_EQ(d.c.pen.color, 0x0000AAu);
    EXPECT_EQ(d.c.brush.color, 0x00BB00u);
}

TEST(ConcentratedLoadScheme, PocketAtTheEdges)
{
    TCalcInput in = Wall();
    in.Sily[0].a1 = 395;  // 385..405: open to the right
    Drawn d = Draw(in, Results());
    EXPECT_TRUE(SamePoints(Outline(d.c), {{202, 74}, {202, 376}, {604, 376}, {604, 84}, {589, 84},
                                          {589, 74}}));
    in.Sily[0].a1 = 5;  // -5..15: open to the left
    d = Draw(in, Results());
    EXPECT_TRUE(SamePoints(Outline(d.c), {{202, 84}, {202, 376}, {604, 376}, {604, 74}, {217, 74},
                                          {217, 84}}));
    // over the whole width the top is lowered to the bearing, nothing crosses
    in.Sily[0].a1 = 200;
    in.Sily[0].aL = 400;
    d = Draw(in, Results());
    EXPECT_TRUE(SamePoints(Outline(d.c), {{202, 84}, {202, 376}, {604, 376}, {604, 84}}));
    // a bearing wholly right of the wall: no pocket
    in.Sily[0].a1 = 450;
    in.Sily[0].aL = 20;
    d = Draw(in, Results());
    EXPECT_EQ(Outline(d.c).size(), 4u);
}

TEST(ConcentratedLoadScheme, PadLevels)
{
    TCalcInput in = Wall();
    in.Sily[0].hN = 0;  // no pocket; all three pad faces again over the top face
    Drawn d = Draw(in, Results());
    EXPECT_EQ(Outline(d.c).size(), 4u);
    EXPECT_EQ(PolygonsFilled(d.c, kColors[dcView]).size(), 6u);
    in.Sily[0].hN = 2;  // shallow pocket: the top face only
    d = Draw(in, Results());
    EXPECT_EQ(Outline(d.c).size(), 8u);
    EXPECT_EQ(PolygonsFilled(d.c, kColors[dcView]).size(), 4u);
}

TEST(ConcentratedLoadScheme, ErrorNearTheEdgeAndFurtherLoads)
{
    Drawn d = Draw(Wall(), Results(18));  // after an error: no spread, no l_eff
    EXPECT_FALSE(DashStartsAt(d.c, {292, 84}));
    EXPECT_EQ(CountText(d.c, "eff"), 0);
    EXPECT_EQ(CountText(d.c, "120,00"), 1);

    TCalcInput in = Wall();
    in.Sily[0].a1 = 30;  // xa = 20 < r: the left spread ends on the left edge
    d = Draw(in, Results());
    // at (0, 10 + 20 tan 60 = 44.6) -> (202, 119); the right end (123.7, 155) ->
    // (326, 230), so l_eff runs from the wall's edge 10 below the lower end
    EXPECT_TRUE(d.c.hasLine({197, 240}, {331, 240}));

}

// Force arrows: the filled seven-point polygons in the force colour.
std::vector<DrawOp> Arrows(const RecordingCanvas& c)
{
    std::vector<DrawOp> out;
    for (const DrawOp& op : PolygonsFilled(c, kColors[dcForce]))
        if (op.points.size() == 7) out.push_back(op);
    return out;
}

TEST(ConcentratedLoadScheme, EveryLoadInUseIsDrawn)
{
    // a one-load count draws one load, whatever the other entries hold
    TCalcInput in = Wall();
    in.Sily[1] = {500, 30, 10, 310, 20};
    in.Sily[2] = {700, 30, 10, 40, 0};
    const Drawn one = Draw(in, Results());
    EXPECT_EQ(Arrows(one.c).size(), 1u);
    EXPECT_EQ(PolygonsFilled(one.c, kColors[dcView]).size(), 3u);
    EXPECT_EQ(CountText(one.c, "500,00"), 0);

    in.LiczbaSilSkup = 3;
    const Drawn three = Draw(in, Results());
    ASSERT_TRUE(three.drawn);
    const auto arrows = Arrows(three.c);
    ASSERT_EQ(arrows.size(), 3u);
    // each arrow's tip on its pad's top, over the middle of its bearing: loads 2
    // and 3 are placed by their left sides, 310..340 and 40..70
    std::vector<int> tips;
    for (const DrawOp& op : arrows) tips.push_back(op.points[0].X);
    const int x1 = tips[0], x2 = tips[1], x3 = tips[2];
    EXPECT_LT(x3, x1);
    EXPECT_LT(x1, x2);
    // centres 100, 325 and 55 cm from the left: 225 and 45 cm apart at the
    // scale of the 400 cm wide front face
    const auto outline = Outline(three.c);
    ASSERT_EQ(outline.size(), 12u);  // the pockets of loads 1 and 2; load 3 at the top
    const double scale = (outline[2].X - outline[1].X) / 400.0;
    EXPECT_NEAR(x2 - x1, 225 * scale, 2);
    EXPECT_NEAR(x1 - x3, 45 * scale, 2);
    // three pads (three faces each, the one on the top again), the values and
    // the positions, each written once
    EXPECT_EQ(PolygonsFilled(three.c, kColors[dcView]).size(), 3u * 3 + 3);
    for (const char* t : {"120,00", "500,00", "700,00", "100,0", "310,0", "40,0"})
        EXPECT_EQ(CountText(three.c, t), 1) << t;
    EXPECT_TRUE(AllPointsInside(three.c, three.bounds));
}

TEST(ConcentratedLoadScheme, DegenerateWallDrawsNothing)
{
    for (double bad : {0.0, -5.0, std::nan("")}) {
        for (int field = 0; field < 3; ++field) {
            TCalcInput in = Wall();
            if (field == 0) in.t = bad;
            if (field == 1) in.l = bad;
            if (field == 2) in.h = bad;
            const Drawn d = Draw(in, Results());
            EXPECT_FALSE(d.drawn);
            EXPECT_TRUE(d.c.ops.empty());
            EXPECT_EQ(d.bounds.Left, -1);
        }
    }
}

TEST(ConcentratedLoadScheme, InkInsideTheFrame)
{
    TRect b{};
    const QImage img = DrawOnImage({640, 420}, [&](Canvas& c, const TPoint& size) {
        EXPECT_TRUE(DrawConcentratedLoadWall(c, size, Wall(), Results(), false, DefaultColors(), 0, b));
    });
    EXPECT_GT(InkPixels(img), 1000);
    EXPECT_EQ(InkOutside(img, QRect(b.Left, b.Top, b.Right - b.Left + 1, b.Bottom - b.Top + 1)), 0);
    EXPECT_EQ(InkOutside(img, QRect(0, 0, 640, 420).adjusted(1, 1, -1, -1)), 0);
    SaveSchemePngIfAsked(img, "case3");
}

TEST(ConcentratedLoadScheme, EffectiveLengthGlyphsApartOnScreen)
{
    // "l", the lowered "eff" and "=…" of the l_eff label: a blank column
    // at least between one run's glyphs and the next one's, at the scheme
    // box's sizes (554 x 744 in the main window on a 1280 x 1024 screen) in
    // the screen's font
    for (const QSize& size : {QSize(420, 330), QSize(554, 744), QSize(640, 480), QSize(1000, 900)}) {
        TracingCanvas c(size, false, clWhite);
        DrawCaseScheme(c, c.size(), Wall(), Results(), DefaultColors());
        std::size_t at = 0;
        while (at < c.texts.size() && c.texts[at].text != "eff") ++at;
        ASSERT_TRUE(at > 0 && at + 1 < c.texts.size());
        for (std::size_t i = at - 1; i < at + 1; ++i)
            EXPECT_GE(BlankColumnsBetween(c, c.texts[i], c.texts[i + 1]), 1)
                << size.width() << ": " << c.texts[i].text << " runs into " << c.texts[i + 1].text;
    }
}
