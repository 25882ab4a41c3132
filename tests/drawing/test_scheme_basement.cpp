// Basement wall scheme (case 4) on the recording canvas (S(n) = n) and as a
// recorded picture. ORV_SCHEME_PNG_DIR=<dir> writes the sample to a PNG file.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <cstdlib>
#include <set>

#include "drawing/ZunPaint.h"
#include "drawing/DrawPrimitives.h"
#include "drawing/SchemeFit.h"
#include "tests/drawing/support/DrawChecks.h"
#include "tests/drawing/support/SchemeImage.h"
#include "tests/drawing/support/RecordingCanvas.h"

using namespace orv;
using test::DrawOp;
using test::DrawAtPictureResolution;
using test::RecordingCanvas;
using test::ExpectInside;
using test::GradedColors;
using test::PolygonStartingAt;
using test::SamplePixels;
using test::TextSet;

namespace {

// t 38, h 250, h_e 200, N_0d 50, N_Sd 60 in an area of 800 x 600.
// Working area 765 x 570; L = 125, W = 246.25, H = 326;
// Scale = min(715 / 246.25, 528 / 326) = 1.61963; X0 = 15 + (715 - 399) div 2 = 173,
// then + Round(125 Scale) + 65 = 440; Y0 = 7 + 0 + 55 = 62.
struct Sample {
    TCalcInput in;
    TCalcResults res;
    Sample()
    {
        InitElementRecord(in);
        in.Case = 4;
        in.t = 38;
        in.h = 250;
        in.he = 200;
        in.N0_mb = 50;
        in.Nsld = 0;
        in.BasementReserved[1] = 0;
        in.BasementReserved[2] = 1.5;
        res.N_2d = 60;
        res.Reached = cpDesignLoads;
    }
};

} // namespace

TEST(BasementScheme, SectionForcesAndDimensions)
{
    Sample s;
    const TDrawingColors colors = GradedColors();
    RecordingCanvas c;
    c.pen.color = 0x123456;
    c.brush.color = 0x654321;
    DrawBasementWall(c, {800, 600}, s.in, s.res, false, colors, 0);

    // wall (0, t)..(t, t + h): x 440..502, y 124..528
    const DrawOp* wall = PolygonStartingAt(c, {440, 124});
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(wall->points[2].X, 502);
    EXPECT_EQ(wall->points[2].Y, 528);
    EXPECT_EQ(wall->pen.color, colors[dcMasonryOutline]);
    EXPECT_EQ(wall->brush.color, colors[dcMasonryFill]);
    const DrawOp* slab = PolygonStartingAt(c, {440, 62});
    ASSERT_NE(slab, nullptr);
    EXPECT_EQ(slab->brush.color, colors[dcSection]);
    EXPECT_EQ(slab->pen.color, clBlack);
    // slab end erased in the entry brush colour before its break line
    const int xr = 440 + RoundToInt(1.619632 * 121.25);
    bool erased = false;
    for (const DrawOp& op : c.lines())
        if (op.points[0].X == xr && op.points[1].X == xr && op.pen.color == 0x654321u) erased = true;
    EXPECT_TRUE(erased);

    // ground line at y_g = 88 cm: 62 + Round(142.53) = 205, to x of -0.5 h = 238
    EXPECT_TRUE(c.hasLine({440, 205}, {238, 205}));
    EXPECT_TRUE(c.hasLine({238, 215}, {248, 205}));  // first soil stroke

    // N_0d at (0.5 t, t) = (471, 124), length 5 + Round(50 / 60 x 25) = 26 above the head
    const DrawOp* n0 = PolygonStartingAt(c, {471, 124});
    ASSERT_NE(n0, nullptr);
    EXPECT_EQ(n0->points[3].Y, 124 - 12 - 26);
    EXPECT_EQ(n0->brush.color, colors[dcForce]);
    // N_Sd at (0.5 t, t + h - 0.5 h_e) = (471, 366), full length
    const DrawOp* nsd = PolygonStartingAt(c, {471, 366});
    ASSERT_NE(nsd, nullptr);
    EXPECT_EQ(nsd->points[3].Y, 366 - 42);
    // limit arrow tip at (x of -0.45 h, y_g - 12) = (258, 193)
    const auto outlines = c.of(DrawOp::Polyline);
    bool limit = false;
    for (const DrawOp& op : outlines)
        if (op.points.size() == 8 && op.points[0].X == 258 && op.points[0].Y == 193) limit = true;
    EXPECT_TRUE(limit);

    const auto t = TextSet(c);
    // arrow labels are written once, on a box of the background
    EXPECT_EQ(t.count("50,00"), 1u);
    EXPECT_EQ(t.count("60,00"), 1u);
    for (const char* want : {"≤ 1,5 m", "250,0", "200,0", "P≤15 kN"})
        EXPECT_EQ(t.count(want), 1u) << want;
    EXPECT_EQ(t.count("38,0"), 1u);  // the thickness over the wall's fill, on a box
    EXPECT_EQ(t.count("p"), 1u);  // the surcharge name "p_e ≤ 5 kN/m²" in runs
    EXPECT_EQ(t.count(" ≤ 5 kN/m²"), 1u);
    // no ground force for P = 0: only the two force arrows are filled in the force colour
    int forceArrows = 0;
    for (const DrawOp& op : c.of(DrawOp::Polygon))
        if (op.brush.color == colors[dcForce] && op.points.size() == 7) ++forceArrows;
    EXPECT_EQ(forceArrows, 2);

    // dimensions: wall thickness at y of t + 0.75 h = 427, height right of the wall
    bool thickness = false, height = false, backfill = false;
    for (const DrawOp& op : c.lines()) {
        if (op.points[0].Y == 427 && op.points[1].Y == 427) thickness = true;
        if (op.points[0].X == 542 && op.points[1].X == 542) height = true;
        if (op.points[0].X == 218 && op.points[1].X == 218) backfill = true;
    }
    EXPECT_TRUE(thickness);
    EXPECT_TRUE(height);
    EXPECT_TRUE(backfill);
    ExpectInside(c, {800, 600});
    EXPECT_EQ(c.pen.color, clBlack);
    EXPECT_EQ(c.pen.width, 1);
    EXPECT_EQ(c.brush.style, TBrushStyle::Clear);
}

TEST(BasementScheme, UnlabelledTopLoadHighBackfillAndSurcharge)
{
    const TDrawingColors colors = GradedColors();
    Sample s;
    s.in.N0_mb = 0;
    RecordingCanvas c;
    DrawBasementWall(c, {800, 600}, s.in, s.res, false, colors, 0);
    const auto t = TextSet(c);
    EXPECT_EQ(t.count("N"), 1u);   // "N%D0d%N" in place of a number
    EXPECT_EQ(t.count("0d"), 1u);
    EXPECT_EQ(t.count("0,00"), 0u);

    // backfill above the wall top: the ground line lies above the slab and the
    // wall drawn above the slab reaches h_e - h + t above it
    Sample high;
    high.in.he = 300;
    RecordingCanvas h;
    DrawBasementWall(h, {800, 600}, high.in, high.res, false, colors, 0);
    // H = h_e + 2t = 376; Scale = 528 / 376; Y0 = 7 + 55 + Round(50 Scale) = 132
    const double sc = 528.0 / 376;
    const int y0 = 62 + RoundToInt(50 * sc);
    const int x0 = 15 + (715 - RoundToInt(sc * 246.25)) / 2 + RoundToInt(125 * sc) + 65;
    const int yTop = y0 + RoundToInt(-88 * sc);
    EXPECT_TRUE(h.hasLine({x0, y0}, {x0, yTop}));
    EXPECT_TRUE(h.hasLine({x0, y0 + RoundToInt(-12 * sc)}, {x0 + RoundToInt(-125 * sc), y0 + RoundToInt(-12 * sc)}));
    EXPECT_LT(y0 + RoundToInt(-12 * sc), y0);
    ExpectInside(h, {800, 600});

    // a surcharge P at 2 m widens the picture to the left and gets its own arrow
    Sample p;
    p.in.BasementReserved[1] = 30;
    p.in.BasementReserved[2] = 2;
    RecordingCanvas q;
    DrawBasementWall(q, {800, 600}, p.in, p.res, false, colors, 0);
    EXPECT_EQ(TextSet(q).count("30,00"), 1u);
    ExpectInside(q, {800, 600});
}

TEST(BasementScheme, NegativeForcesStayInTheDrawing)
{
    // all forces negative: the reference is the largest magnitude (80), so the
    // reversed arrows are S(5) + Round(|N| / 80 x 25) + S(12) long at most
    Sample s;
    s.in.N0_mb = -50;
    s.res.N_2d = -80;
    RecordingCanvas c;
    DrawBasementWall(c, {800, 600}, s.in, s.res, false, GradedColors(), 0);
    ExpectInside(c, {800, 600});
    EXPECT_EQ(TextSet(c).count("80,00"), 1u);
    EXPECT_EQ(TextSet(c).count("50,00"), 1u);
}

TEST(BasementScheme, NoSizeDrawsNothing)
{
    test::EnsureGuiApp();
    const TDrawingColors colors = GradedColors();
    auto nothing = [&](auto change) {
        Sample s;
        change(s);
        RecordingCanvas c;
        c.pen.color = 0x123456;
        DrawBasementWall(c, {800, 600}, s.in, s.res, false, colors, 0);
        TSchemePicture pic;
        DrawBasementWallMetafile(pic, s.in, s.res, 10, 8, false, colors);
        return c.ops.empty() && c.pen.color == 0x123456u && pic.isEmpty();
    };
    EXPECT_TRUE(nothing([](Sample& s) { s.in.h = 0; }));
    EXPECT_TRUE(nothing([](Sample& s) { s.in.t = 0; }));
    EXPECT_TRUE(nothing([](Sample& s) { s.in.t = -38; }));
    EXPECT_TRUE(nothing([](Sample& s) { s.in.he = -1; }));
    EXPECT_TRUE(nothing([](Sample& s) { s.in.he = std::nan(""); }));
    EXPECT_TRUE(nothing([](Sample& s) { s.res.N_2d = HUGE_VAL; }));
    RecordingCanvas tiny;  // an area too small for the margins
    Sample s;
    DrawBasementWall(tiny, {40, 40}, s.in, s.res, false, colors, 0);
    EXPECT_TRUE(tiny.ops.empty());
}

TEST(BasementScheme, PictureOfTheFigure)
{
    test::EnsureGuiApp();
    Sample s;
    const TDrawingColors colors = GradedColors();
    TSchemePicture pic;
    DrawBasementWallMetafile(pic, s.in, s.res, 10, 8, false, colors);
    ASSERT_FALSE(pic.isEmpty());
    EXPECT_EQ(pic.mmSize, QSize(100000, 80000));
    EXPECT_EQ(pic.pixelSize, QSize(3780, 3024));

    // the replayed picture is the direct drawing at the reference resolution,
    // S(3) inside the frame's edges
    const QImage replayed = SchemePictureToImage(pic);
    const QImage direct = DrawAtPictureResolution(pic.pixelSize, [&](Canvas& canvas, const TPoint& size) {
        const int m = SizeUnit(canvas, SchemeFigureMargin);
        ShiftedCanvas inside(canvas, {m, m});
        DrawBasementWall(inside, {size.X - 2 * m, size.Y - 2 * m}, s.in, s.res, false, colors, 0);
        inside.finish();
    });
    const auto [ink, differing] = SamplePixels(direct, replayed);
    EXPECT_GT(ink, 1000);
    EXPECT_LT(differing, ink / 50);
    if (const char* dir = std::getenv("ORV_SCHEME_PNG_DIR"))
        SchemePictureToImage(pic, QSize(945, 756)).save(QString(dir) + "/scheme_basement.png");
}
