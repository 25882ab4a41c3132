// Column scheme (case 5) on the recording canvas (S(n) = n) and replayed from
// a recorded picture. ORV_SCHEME_PNG_DIR=<dir> writes the sample to a PNG file.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <cstdlib>
#include <set>

#include "drawing/ZunPaint.h"
#include "tests/drawing/support/DrawChecks.h"
#include "tests/drawing/support/SchemeImage.h"
#include "tests/drawing/support/RecordingCanvas.h"
#include "tests/drawing/support/SchemeTestData.h"

using namespace orv;
using test::DrawOp;
using test::DrawAtPictureResolution;
using test::RecordingCanvas;
using test::ExpectInside;
using test::ExpectPoint;
using test::GradedColors;
using test::SamplePixels;
using test::TextSet;

namespace {

// b 38 (x), t 25 (y), h 300 in 600 x 500, no beams: W = cos 30 x 63 = 54.56,
// H = 0.5 x 63 + 300 = 331.5; Scale = min(550 / 54.56, 435 / 331.5) = 1.31222;
// X0 = 15 + (550 - 72) div 2 + Round(cos 30 x 25 Scale) = 254 + 28 = 282, Y0 = 0 + 50.
struct Sample {
    TCalcInput in;
    TCalcResults res;
    Sample()
    {
        InitElementRecord(in);
        in.Case = 5;
        in.t = 25;
        in.t2 = 38;
        in.h = 300;
        in.Sily[0].NSd = 0;
        in.PodpSTyp_x = 0;
        in.PodpSTyp_y = 0;
        in.Msdx = 0;
        in.Msdy = 0;
    }
};

} // namespace

TEST(ColumnScheme, PrismForceAndDimensionsWithoutBeams)
{
    Sample s;
    const TDrawingColors colors = GradedColors();
    RecordingCanvas c;
    c.pen.color = 0x123456;
    c.font.color = 0x123456;
    DrawColumn(c, {600, 500}, s.in, s.res, false, colors, 0);
    const auto poly = c.of(DrawOp::Polygon);
    ASSERT_EQ(poly.size(), 6u);  // base plane, three faces, force arrow, its label's box
    EXPECT_EQ(poly[0].brush.color, colors[dcView]);
    EXPECT_EQ(poly[0].pen.color, colors[dcView]);
    // top face A(0,0), A(b,0), A(b,t), A(0,t)
    ExpectPoint(poly[1].points[0], 282, 50);
    ExpectPoint(poly[1].points[1], 325, 75);
    ExpectPoint(poly[1].points[2], 297, 91);
    ExpectPoint(poly[1].points[3], 254, 66);
    EXPECT_EQ(poly[1].brush.color, colors[dcMasonryFill]);
    EXPECT_EQ(poly[1].pen.color, colors[dcMasonryOutline]);
    // face x = b reaches down by Round(300 Scale) = 394
    ExpectPoint(poly[2].points[2], 325, 469);
    ExpectPoint(poly[2].points[3], 297, 485);
    // N_Sd = 0: the shortest arrow, S(5) above the top-face centre A(19, 12.5) = (289, 71)
    ExpectPoint(poly[4].points[0], 289, 66);
    EXPECT_EQ(poly[4].points[3].Y, 66 - 12 - 5);
    EXPECT_EQ(poly[4].brush.color, colors[dcForce]);

    const auto t = TextSet(c);
    EXPECT_EQ(t.count("0,00"), 1u);
    // the height with one decimal, as b and t
    EXPECT_EQ(t.count("300,0"), 1u);
    EXPECT_EQ(t.count("300"), 0u);
    // two blanks after b, before t; both on the side faces, on a halo
    EXPECT_EQ(t.count("38,0  "), 1u);
    EXPECT_EQ(t.count("  25,0"), 1u);
    // axis names at their near ends; the far ends lie behind the pier
    EXPECT_EQ(t.count("x"), 1u);
    EXPECT_EQ(t.count("y"), 1u);
    // height dimension S(25) right of A(b, 0) = 325, but moved right of the
    // label of t: its shoulder from at most 5 beyond the upper end of its
    // line, A(b + 15, 0) = 338, over 2 + 42 ("  25,0"); the line 8 beyond
    bool height = false;
    for (const DrawOp& op : c.lines())
        if (op.points[0].X == 395 && op.points[1].X == 395) height = true;
    EXPECT_TRUE(height);
    ExpectInside(c, {600, 500});
    EXPECT_EQ(c.pen.color, 0x123456u);
    EXPECT_EQ(c.font.color, 0x123456u);
    EXPECT_EQ(c.pen.width, 1);
    EXPECT_EQ(c.brush.style, TBrushStyle::Clear);
}

TEST(ColumnScheme, MomentsInTheirPlanes)
{
    Sample s;
    s.in.Sily[0].NSd = 10;  // a label short enough to stay inside the area
    s.in.Msdx = 5;
    s.in.Msdy = -3;
    const TDrawingColors colors = GradedColors();
    RecordingCanvas c;
    DrawColumn(c, {600, 500}, s.in, s.res, false, colors, 0);
    const auto poly = c.of(DrawOp::Polygon);
    // arrow at full length and its label's box; then each moment: its head's
    // halo, filled head, outlined head
    ASSERT_EQ(poly.size(), 12u);
    EXPECT_EQ(poly[4].points[3].Y, 66 - 42);
    // M_x at A(b, t/2) = (311, 83) moved up S(2): head tip (311 + 18, 80 - 10)
    ExpectPoint(poly[7].points[0], 329, 70);
    EXPECT_EQ(poly[7].brush.color, colors[dcMoment]);
    // the halo in the background, not in the moment colour of the fill
    EXPECT_TRUE(orv::test::SamePoints(poly[6].points, poly[7].points));
    EXPECT_EQ(poly[6].pen.color, clWhite);
    EXPECT_EQ(poly[9].pen.color, clWhite);
    // M_y < 0 at A(b/2, t) = (275, 79) moved down S(2): mirrored, sheared the other way
    ExpectPoint(poly[10].points[0], 293, 90);
    const auto t = TextSet(c);
    EXPECT_EQ(t.count("10,00"), 1u);
    EXPECT_EQ(t.count("5,00"), 1u);  // the moments' values on halos too
    EXPECT_EQ(t.count("3,00"), 1u);
    ExpectInside(c, {600, 500});
}

TEST(ColumnScheme, BeamsOnTheTop)
{
    Sample s;
    s.in.PodpSTyp_y = 1;  // beam along x: reinforced concrete
    s.in.PodpSTyp_x = 2;  // beam along y: timber
    const TDrawingColors colors = GradedColors();
    RecordingCanvas c;
    DrawColumn(c, {600, 500}, s.in, s.res, false, colors, 0);
    const auto poly = c.of(DrawOp::Polygon);
    ASSERT_EQ(poly.size(), 15u);  // base, 3 faces, 3 + 3 beam faces, 3 crossing faces, arrow, label box
    for (int i = 4; i < 7; ++i) {
        EXPECT_EQ(poly[i].brush.color, colors[dcSection]);
        EXPECT_EQ(poly[i].pen.color, clBlack);
    }
    for (int i = 7; i < 10; ++i) {
        EXPECT_EQ(poly[i].brush.color, colors[dcColumnFill]);
        EXPECT_EQ(poly[i].pen.color, colors[dcColumnOutline]);
    }
    for (int i = 10; i < 13; ++i) EXPECT_EQ(poly[i].brush.color, colors[dcSection]);
    // the crossing piece ends at the near end of the x beam: same end face
    ASSERT_EQ(poly[10].points.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(poly[10].points[k].X, poly[4].points[k].X);
        EXPECT_EQ(poly[10].points[k].Y, poly[4].points[k].Y);
    }
    // with E = 20 the arrow starts S(5) + Round(20 Scale) above the top centre
    const double sc = 435.0 / 351.5;
    const TPoint top = poly[1].points[0];  // A(0, 0)
    const int cy = top.Y + RoundToInt(sc * 0.5 * 31.5);
    EXPECT_EQ(poly[13].points[0].Y, cy - 5 - RoundToInt(20 * sc));
    // beam is 20 cm deep: the x beam's end face rises by Round(20 Scale)
    EXPECT_EQ(poly[4].points[1].Y - poly[4].points[2].Y, RoundToInt(20 * sc));
    ExpectInside(c, {600, 500});

    Sample none;  // codes other than 1 and 2 are no support
    none.in.PodpSTyp_x = 3;
    none.in.PodpSTyp_y = 0;
    RecordingCanvas n;
    DrawColumn(n, {600, 500}, none.in, none.res, false, colors, 0);
    EXPECT_EQ(n.of(DrawOp::Polygon).size(), 6u);  // as without beams: base, three faces, the arrow and its label's box
}

TEST(ColumnScheme, NoSectionDrawsNothing)
{
    const TDrawingColors colors = GradedColors();
    for (int k = 0; k < 5; ++k) {
        Sample s;
        if (k == 0) s.in.t2 = 0;
        if (k == 1) s.in.t = -25;
        if (k == 2) s.in.h = std::nan("");
        if (k == 3) s.in.Msdx = HUGE_VAL;
        if (k == 4) s.in.h = 0;
        RecordingCanvas c;
        DrawColumn(c, {600, 500}, s.in, s.res, false, colors, 0);
        EXPECT_TRUE(c.ops.empty()) << k;
    }
}

TEST(ColumnScheme, ReplayedPictureMatchesDirectDrawing)
{
    test::EnsureGuiApp();
    Sample s;
    s.in.Sily[0].NSd = 120;
    s.in.Msdx = 4;
    s.in.Msdy = 2.5;
    s.in.PodpSTyp_x = 1;
    s.in.PodpSTyp_y = 2;
    const TDrawingColors colors = GradedColors();
    auto draw = [&](Canvas& canvas, const TPoint& size) {
        DrawColumn(canvas, size, s.in, s.res, false, colors, 0);
    };
    TSchemePicture pic;
    RecordSchemePicture(pic, 10, 8, draw);
    ASSERT_FALSE(pic.isEmpty());
    const QImage replayed = SchemePictureToImage(pic);
    const QImage direct = DrawAtPictureResolution(pic.pixelSize, draw);
    const auto [ink, differing] = SamplePixels(direct, replayed);
    EXPECT_GT(ink, 1000);
    EXPECT_LT(differing, ink / 50);
    if (const char* dir = std::getenv("ORV_SCHEME_PNG_DIR"))
        SchemePictureToImage(pic, QSize(945, 756)).save(QString(dir) + "/scheme_column.png");
}
