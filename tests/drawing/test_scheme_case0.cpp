// Scheme of the hinged wall: elements per flag, anchors, labels, empty cases.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "tests/drawing/support/SchemeImage.h"
#include "tests/drawing/support/SchemeTestData.h"
#include "drawing/ZunPaint.h"

using namespace orv;
using namespace orv::test;

namespace {

// t = 25, h = 300 in a 600 x 427 area: the band S(35) leaves 392; the
// layout (B1, R1) fits 350 cm into 392 - 7 - 35 = 350 px, scale 1.
// External: W = 25 + 99.9 -> x0 = 15 + (550 - 125) div 2 = 227, y0 = 7 + 35 = 42.
// Internal: W = 25 + 199.8 -> x0 = 15 + (550 - 225) div 2 + 100 = 277.
// The label of Nod = 50 ("50,00", 35 px) stands 12 + 12 + 2 above the arrow's
// tip and has a halo of 2: it reaches 63 above y0, 21 more than the band and
// the top margin hold. Samples with it get an area 21 px taller, and the
// scheme is fitted into 600 x 427 moved 21 down: y0 = 63.
constexpr TPoint kTaller{600, 448};
TCalcInput Wall(bool external)
{
    TCalcInput in = SampleInput(ccWallVerticalHinged);
    in.t = 25;
    in.h = 300;
    in.ScianaZewnetrzna = external;
    in.ScianaNajwyzszejKodnygnacji = 0;
    in.def_szer_wiencow = 0;
    in.Nod = 50;
    in.Nsld = 20;
    in.Nspd = 10;
    in.wd = 0;
    in.wd2 = 0;
    return in;
}

TCalcResults Results(double n2d)
{
    TCalcResults r;
    r.N_2d = n2d;
    r.Reached = cpDesignLoads;
    return r;
}

const TDrawingColors kColors = SlotColors();

RecordingCanvas Draw(const TCalcInput& in, const TCalcResults& r, TPoint size = {600, 427})
{
    RecordingCanvas c = PresetCanvas();
    DrawHingedWall(c, size, in, r, false, kColors, 0);
    return c;
}

// The force arrow whose tip is at p (its first corner).
const DrawOp* ArrowAt(const RecordingCanvas& c, TPoint p)
{
    for (const DrawOp& op : c.ops)  // not of(): the pointer must outlive the loop
        if (op.kind == DrawOp::Polygon && op.points.size() == 7 && op.brush.color == kColors[dcForce] &&
            op.points[0].X == p.X && op.points[0].Y == p.Y)
            return &op;
    return nullptr;
}

} // namespace

TEST(HingedWallScheme, ExternalWallSectionAndAnchors)
{
    const RecordingCanvas c = Draw(Wall(true), Results(100), kTaller);
    // wall 0..25 x 25..325 at (227, 63)
    const auto wall = PolygonsFilled(c, kColors[dcMasonryFill]);
    ASSERT_EQ(wall.size(), 1u);
    EXPECT_TRUE(SamePoints(wall[0].points, {{227, 88}, {252, 88}, {252, 388}, {227, 388}}));
    EXPECT_EQ(wall[0].pen.color, kColors[dcMasonryOutline]);
    // upper floor from the right only, bearing t wide; t + 0.333 h = 124.9 -> 125
    EXPECT_TRUE(HasPolygon(c, {{227, 63}, {227, 88}, {252, 88}, {252, 75}, {352, 75}, {352, 63}}));
    EXPECT_EQ(PolygonsFilled(c, kColors[dcSection]).size(), 2u);
    // cut end erased in the entry brush colour
    bool erased = false;
    for (const DrawOp& op : c.lines())
        if (op.pen.color == 0x00BB00 && op.points[0].X == 352 && op.points[1].X == 352) erased = true;
    EXPECT_TRUE(erased);
    // stubs above and below in the entry pen
    EXPECT_TRUE(c.hasLine({227, 38}, {227, 63}));
    EXPECT_TRUE(c.hasLine({227, 413}, {227, 438}));
    // Nod at t/2 = 12.5 -> 12 (even), Nsld at 12.5 + 8.33 -> 21, N2d up at the bottom
    ASSERT_NE(ArrowAt(c, {239, 63}), nullptr);
    ASSERT_NE(ArrowAt(c, {248, 88}), nullptr);
    ASSERT_NE(ArrowAt(c, {239, 388}), nullptr);
    EXPECT_EQ(CountText(c, "50,00"), 1);   // each label written once
    EXPECT_EQ(CountText(c, "20,00"), 1);
    EXPECT_EQ(CountText(c, "10,00"), 0);   // Nspd is never drawn for an external wall
    EXPECT_EQ(CountText(c, "100,00"), 1);
    // dimensions: thickness (over the wall's fill, on a halo) and height; no ring beams
    EXPECT_EQ(CountText(c, "25,0"), 1);
    EXPECT_EQ(CountText(c, "300,0"), 1);
    // canvas state on return
    EXPECT_EQ(c.pen.color, 0x0000AAu);
    EXPECT_EQ(c.brush.color, 0x00BB00u);
    EXPECT_EQ(c.brush.style, TBrushStyle::Clear);
    EXPECT_EQ(c.pen.width, 1);
    EXPECT_TRUE(AllPointsInside(c, {0, 0, 600, 448}));
}

TEST(HingedWallScheme, ArrowsScaledByTheLargestMagnitude)
{
    TCalcInput in = Wall(true);
    in.Nsld = -200;
    const RecordingCanvas c = Draw(in, Results(100), kTaller);
    // reference 200: Nod 50 has a variable shaft Round(50/200 * 25) = 6,
    // its tail at 63 - 12 - 5 - 6 = 40
    const DrawOp* nod = ArrowAt(c, {239, 63});
    ASSERT_NE(nod, nullptr);
    EXPECT_EQ(nod->points[3].Y, 40);
    EXPECT_EQ(CountText(c, "200,00"), 1);
    // a zero force is not drawn but the bottom force always is
    in.Nod = 0;
    in.Nsld = 0;
    const RecordingCanvas z = Draw(in, Results(0));
    EXPECT_EQ(ArrowAt(z, {239, 42}), nullptr);
    EXPECT_NE(ArrowAt(z, {239, 367}), nullptr);
}

TEST(HingedWallScheme, RingBeamsTopStoreyAndWind)
{
    TCalcInput in = Wall(true);
    in.def_szer_wiencow = 1;
    in.ag = 15;
    in.ad = 20;
    in.ScianaNajwyzszejKodnygnacji = 1;
    in.wd = -0.5;
    in.wd2 = 0.8;
    const RecordingCanvas c = Draw(in, Results(100), kTaller);
    // the bearings are ag and ad wide
    EXPECT_TRUE(HasPolygon(c, {{237, 63}, {237, 88}, {252, 88}, {252, 75}, {352, 75}, {352, 63}}));
    EXPECT_TRUE(HasPolygon(c, {{232, 388}, {232, 413}, {252, 413}, {252, 401}, {352, 401}, {352, 388}}));
    // Nod at 25 - 7.5 = 17.5 -> 18; top storey: Nsld at 17.5 + 6 = 23.5 -> 24; N2d at 15
    EXPECT_NE(ArrowAt(c, {245, 63}), nullptr);
    EXPECT_NE(ArrowAt(c, {251, 88}), nullptr);
    EXPECT_NE(ArrowAt(c, {242, 388}), nullptr);
    EXPECT_EQ(CountText(c, "15,0"), 1);  // on halos: they stand on the wall's fill
    EXPECT_EQ(CountText(c, "20,0"), 1);
    // no wall above the top storey
    EXPECT_FALSE(c.hasLine({227, 38}, {227, 63}));
    // two wind bands: suction at the face - 10, pressure 70 left of it
    EXPECT_EQ(CountText(c, "-0,500"), 1);
    EXPECT_EQ(CountText(c, "0,800"), 1);
    EXPECT_TRUE(HasPolygon(c, {{217, 88}, {217, 388}, {197, 388}, {197, 88}}));
    EXPECT_TRUE(HasPolygon(c, {{157, 88}, {157, 388}, {137, 388}, {137, 88}}));
    // only the pressure: at the face - 10
    in.wd = 0;
    const RecordingCanvas p = Draw(in, Results(100), kTaller);
    EXPECT_TRUE(HasPolygon(p, {{217, 88}, {217, 388}, {197, 388}, {197, 88}}));
    EXPECT_EQ(CountText(p, "-0,500"), 0);
}

TEST(HingedWallScheme, InternalWall)
{
    TCalcInput in = Wall(false);
    in.def_szer_wiencow = 1;  // ignored inside
    in.ag = 15;
    in.wd = -0.5;             // no wind inside
    // the value of Nod stands above its arrow, clear of the slab forces
    // beside it: the arrow (50 of 100) is 12 + 5 + 12 long, its label 35
    // from 3 beyond the tail, with its halo 29 + 3 + 35 + 2 = 69 above the
    // tip, 6 more than a label beside the arrow: an area 6 taller, the
    // scheme moved 6 further down
    const RecordingCanvas c = Draw(in, Results(100), {600, 454});
    EXPECT_TRUE(HasPolygon(c, {{277, 81}, {277, 94}, {302, 94}, {302, 81}, {402, 81}, {402, 69},
                               {177, 69}, {177, 81}}));
    // Nspd at 12.5 - 8.33 = 4.17 -> 4, label on the left
    EXPECT_NE(ArrowAt(c, {281, 94}), nullptr);
    const DrawOp* nod = ArrowAt(c, {289, 69});
    ASSERT_NE(nod, nullptr);
    for (const DrawOp& t : c.texts())
        if (t.text == "50,00") {
            EXPECT_EQ(t.font.escapement, 900);
            EXPECT_LT(t.points[0].Y, nod->points[3].Y);  // the label ends beyond the tail
        }
    EXPECT_EQ(CountText(c, "10,00"), 1);
    EXPECT_EQ(CountText(c, "15,0"), 0);
    EXPECT_EQ(CountText(c, "-0,500"), 0);
    EXPECT_TRUE(c.hasLine({177, 69}, {177, 81}));  // the left cut end is erased too
}

TEST(HingedWallScheme, TopBandAndSeparator)
{
    TCalcInput in = Wall(true);
    in.Nod = 100.01;  // the band grows by the width of "00": 14
    // the label "100,01" (42 px) reaches 70 above the tip, 14 beyond the band
    // of 49 and the margin: drawn into 600 x 441 moved 14 down
    const RecordingCanvas c = Draw(in, Results(100), {600, 455});
    const auto wall = PolygonsFilled(c, kColors[dcMasonryFill]);
    ASSERT_EQ(wall.size(), 1u);
    EXPECT_EQ(wall[0].points[0].Y, 81 + 14);
    // "100,00" reaches 70 as well, 28 beyond the band of 35 and the margin
    in.Nod = 100.0;
    const RecordingCanvas d = Draw(in, Results(100), {600, 455});
    EXPECT_EQ(PolygonsFilled(d, kColors[dcMasonryFill])[0].points[0].Y, 67 + 28);

    SetDecimalSeparator('.');
    const RecordingCanvas e = Draw(Wall(true), Results(100));
    SetDecimalSeparator(',');
    EXPECT_EQ(CountText(e, "300.0"), 1);
    EXPECT_EQ(CountText(e, "50.00"), 1);
}

TEST(HingedWallScheme, DegenerateWallDrawsNothing)
{
    for (double bad : {0.0, -10.0, std::nan(""), HUGE_VAL}) {
        TCalcInput in = Wall(true);
        in.t = bad;
        EXPECT_TRUE(Draw(in, Results(100)).ops.empty());
        in = Wall(true);
        in.h = bad;
        EXPECT_TRUE(Draw(in, Results(100)).ops.empty());
    }
    // an area too small for any scale
    EXPECT_TRUE(Draw(Wall(true), Results(100), {30, 30}).ops.empty());
    // forces that are not numbers are left out
    TCalcInput in = Wall(true);
    in.Nod = std::nan("");
    const RecordingCanvas c = Draw(in, Results(100));
    EXPECT_EQ(ArrowAt(c, {239, 42}), nullptr);
    EXPECT_TRUE(AllPointsInside(c, {0, 0, 600, 427}));
}

TEST(HingedWallScheme, InkStaysInsideTheArea)
{
    TCalcInput in = Wall(true);
    in.wd = -0.5;
    in.wd2 = 0.8;
    in.def_szer_wiencow = 1;
    in.ag = 15;
    in.ad = 20;
    const QImage img = DrawOnImage({500, 420}, [&](Canvas& c, const TPoint& size) {
        DrawHingedWall(c, size, in, Results(180), false, DefaultColors(), 0);
    });
    EXPECT_GT(InkPixels(img), 1000);
    // nothing leaves the area, the label of the upper force neither
    EXPECT_EQ(InkOutside(img, QRect(1, 0, 498, 419)), 0);
    SaveSchemePngIfAsked(img, "case0_external");
    const QImage inner = DrawOnImage({500, 420}, [&](Canvas& c, const TPoint& size) {
        DrawHingedWall(c, size, Wall(false), Results(180), false, DefaultColors(), 0);
    });
    EXPECT_EQ(InkOutside(inner, QRect(1, 0, 498, 419)), 0);
    SaveSchemePngIfAsked(inner, "case0_internal");
}

// A file may hold ring beams wider than the wall; the check bears the slabs on
// the wall's thickness, and the scheme draws and labels what the check uses.
TEST(HingedWallScheme, RingBeamsWiderThanTheWallAreDrawnAsTheCheckBearsThem)
{
    const auto geometry = [](const RecordingCanvas& c) {
        std::vector<std::pair<std::vector<std::pair<int, int>>, std::string>> g;
        for (const DrawOp& op : c.ops) {
            std::vector<std::pair<int, int>> points;
            for (const TPoint& p : op.points) points.emplace_back(p.X, p.Y);
            g.emplace_back(points, op.text);
        }
        return g;
    };
    TCalcInput wide = Wall(true);
    wide.def_szer_wiencow = 1;
    wide.ag = 80;
    wide.ad = 60;
    TCalcInput whole = wide;
    whole.ag = 25;
    whole.ad = 25;
    const RecordingCanvas c = Draw(wide, Results(100), kTaller);
    EXPECT_EQ(CountText(c, "80,0"), 0);
    EXPECT_EQ(CountText(c, "60,0"), 0);
    EXPECT_GT(CountText(c, "25,0"), 0);
    EXPECT_EQ(geometry(c), geometry(Draw(whole, Results(100), kTaller)));
    // the slab from above bears at the middle of the wall: 12.5 -> tip at 227 + 12.5
    EXPECT_NE(ArrowAt(c, {239, 63}), nullptr);

    TCalcResults r;
    TCalcInput continuous = wide;
    continuous.Case = ccWallVerticalContinuous;
    TCalcInput continuousWhole = whole;
    continuousWhole.Case = ccWallVerticalContinuous;
    RecordingCanvas a = PresetCanvas(), b = PresetCanvas();
    DrawContinuousWall(a, {600, 427}, continuous, r, false, kColors, 0);
    DrawContinuousWall(b, {600, 427}, continuousWhole, r, false, kColors, 0);
    EXPECT_EQ(CountText(a, "80,0"), 0);
    EXPECT_EQ(geometry(a), geometry(b));
}

// The force at the foot is a value the check computes: a wall whose check
// stopped before the loads (slenderness 700/25 = 28 > 25, error 25) draws no
// foot arrow and no 0,00 in its place; the continuous model stopped by a slab
// without inertia (error 12) neither. Computed, N_2d = 50 + 20 + G_s shows.
TEST(HingedWallScheme, NoFootForceWhereTheCheckStoppedBeforeIt)
{
    const auto forceArrows = [](const RecordingCanvas& c) {
        int n = 0;
        for (const DrawOp& op : c.ops)
            if (op.kind == DrawOp::Polygon && op.points.size() == 7 && op.brush.color == kColors[dcForce]) ++n;
        return n;
    };
    TCalcInput in = Wall(true);
    TCalcResults r = Calculated(in);
    ASSERT_EQ(r.Error, 0);
    EXPECT_EQ(forceArrows(Draw(in, r, kTaller)), 3);
    EXPECT_EQ(CountText(Draw(in, r, kTaller), FormatFixed(2, r.N_2d)), 1);

    in.h = 700;
    r = Calculated(in);
    ASSERT_EQ(r.Error, ceSlenderness);
    const RecordingCanvas stopped = Draw(in, r, kTaller);
    EXPECT_EQ(forceArrows(stopped), 2);  // N_0d and N_sl,d as entered
    EXPECT_EQ(CountText(stopped, "50,00"), 1);
    EXPECT_EQ(CountText(stopped, "0,00"), 0);

    TCalcInput continuous = Wall(true);
    continuous.Case = ccWallVerticalContinuous;
    r = Calculated(continuous);
    ASSERT_EQ(r.Error, 12);
    RecordingCanvas c = PresetCanvas();
    DrawContinuousWall(c, {600, 522}, continuous, r, false, kColors, 0);
    EXPECT_EQ(forceArrows(c), 1);  // N_0d alone
    EXPECT_EQ(CountText(c, "0,00"), 0);
}
