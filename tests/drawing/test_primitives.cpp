#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "drawing/DrawPrimitives.h"
#include "tests/drawing/support/DrawChecks.h"
#include "tests/drawing/support/RecordingCanvas.h"

using namespace orv;
using test::DrawOp;
using test::RecordingCanvas;
using test::ExpectPoint;
using test::ExpectRect;

namespace {
constexpr double kPi = 3.14159265358979323846;
} // namespace

TEST(Rounding, TheDrawingRoundsThroughTheOneRoutine)
{
    // a second rounding routine could drift from RoundHalfEven unseen
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ORV_SOURCE_DIR "/drawing")) {
        std::ifstream f(entry.path());
        std::stringstream text;
        text << f.rdbuf();
        EXPECT_EQ(text.str().find("nearbyint"), std::string::npos) << entry.path();
        ++files;
    }
    EXPECT_GT(files, 20);
    // halves to even, as everywhere: 2.5 to 2, -2.5 to -2, 3.5 to 4
    EXPECT_EQ(LimitCoord(2.5), 2);
    EXPECT_EQ(LimitCoord(-2.5), -2);
    EXPECT_EQ(LimitCoord(3.5), 4);
}

TEST(SizeUnit, ThirteenthsOfTheTextHeightRoundedHalvesToEven)
{
    struct Row { int height; double n; int s; } rows[] = {
        {13, 13, 13}, {13, 0, 0}, {13, 0.5, 0}, {13, 1.5, 2}, {13, 2.5, 2}, {13, -2.5, -2},
        {20, 1, 2},     // 20/13 = 1.54
        {20, 13, 20}, {26, 6.5, 13}, {6, 1, 0},  // 6/13 = 0.46
    };
    for (const Row& r : rows) EXPECT_EQ(SizeUnitFor(r.height, r.n), r.s) << r.height << " " << r.n;
    RecordingCanvas c;
    c.cellHeight = 20;
    EXPECT_EQ(SizeUnit(c, 13), 20);
    EXPECT_EQ(DivBySize(30, 0), 30);
    EXPECT_EQ(DivBySize(-30, 7), -4);  // truncates towards zero
}

TEST(Geometry, RotationDistanceAndDirection)
{
    // a quarter turn counter-clockwise on screen takes +x to -y
    ExpectPoint(RotatePoint({0, 0}, {10, 0}, kPi / 2), 0, -10);
    ExpectPoint(RotatePoint({0, 0}, {10, 5}, kPi), -10, -5);
    ExpectPoint(RotatePoint({5, 5}, {5, 5}, 1.0), 5, 5);
    // 10 * cos 30 = 8.66 -> 9, 10 * sin 30 = 5 -> y - 5
    ExpectPoint(RotatePoint({0, 0}, {10, 0}, kPi / 6), 9, -5);

    ExpectPoint(PointAtDistance({0, 0}, 10, 90), 0, -10);
    ExpectPoint(PointAtDistance({5, 5}, 10, 180), -5, 5);
    ExpectPoint(PointAtDistance({0, 0}, 10, 45), 7, -7);
    ExpectPoint(PointAtDistance({0, 0}, -10, 0), -10, 0);

    EXPECT_DOUBLE_EQ(LineAngle({3, 3}, {3, 3}), 0);
    EXPECT_NEAR(LineAngle({0, 0}, {10, 0}), 0, 1e-12);
    EXPECT_NEAR(LineAngle({0, 0}, {0, -10}), kPi / 2, 1e-12);
    EXPECT_NEAR(LineAngle({0, 0}, {-10, 0}), kPi, 1e-12);
    EXPECT_NEAR(LineAngle({0, 0}, {0, 10}), -kPi / 2, 1e-12);
    EXPECT_NEAR(LineAngle({0, 0}, {-10, -10}), 3 * kPi / 4, 1e-12);
    // near the vertical, left and down: arcsin branch gives pi + asin(100/d)
    const double d = std::sqrt(1.0 + 100.0 * 100.0);
    EXPECT_NEAR(LineAngle({0, 0}, {-1, 100}), kPi + std::asin(100 / d), 1e-12);
    EXPECT_NEAR(LineAngle({0, 0}, {1, 100}), std::asin(-100 / d), 1e-12);
}

TEST(Geometry, BoundsGrow)
{
    TRect r{10, 10, 20, 20};
    GrowRectByPoint(r, {5, 25});
    ExpectRect(r, 5, 10, 20, 25);
    GrowRectByRect(r, {0, 0, 30, 12});
    ExpectRect(r, 0, 0, 30, 25);
    GrowRectByPoints(r, {{-1, 3}, {3, 40}});
    ExpectRect(r, -1, 0, 30, 40);
}

TEST(Geometry, ClampAndPolarOffset)
{
    EXPECT_EQ(ClampCoord(40000), 32766);
    EXPECT_EQ(ClampCoord(32766.4), 32766);
    EXPECT_EQ(ClampCoord(-40000), -32768);
    EXPECT_EQ(ClampCoord(-32767), -32767);
    EXPECT_EQ(ClampCoord(2.5), 2);
    EXPECT_EQ(ClampCoord(3.5), 4);
    EXPECT_EQ(ClampCoord(std::nan("")), 0);
    double x, y;
    PolarOffset(10, 900, x, y, 50, 20);
    EXPECT_NEAR(x, 20, 1e-9);
    EXPECT_NEAR(y, 40, 1e-9);
    PolarOffset(10, 1800, x, y, 50, 20);
    EXPECT_NEAR(x, 10, 1e-9);
    EXPECT_NEAR(y, 50, 1e-9);
}

TEST(Geometry, ArcCentreOnEitherSideOfTheChord)
{
    // chord 10, R 13: half chord 5, centre 12 from the middle
    struct Row { TPoint p1, p2; int r; double cx, cy; } rows[] = {
        {{0, 0}, {10, 0}, 13, 5, -12},    // horizontal, left to right: centre above
        {{10, 0}, {0, 0}, 13, 5, 12},     // right to left: below
        {{0, 0}, {10, 0}, -13, 5, 12},    // negative radius: other side
        {{0, 0}, {0, 10}, 13, 12, 5},     // vertical, downwards: centre right
        {{0, 10}, {0, 0}, 13, -12, 5},    // upwards: left
        {{0, 10}, {0, 0}, -13, 12, 5},
    };
    for (const Row& r : rows) {
        TArcGeometry a;
        ASSERT_TRUE(ArcThroughGeometry(r.p1, r.p2, r.r, a));
        EXPECT_NEAR(a.centreX, r.cx, 1e-9);
        EXPECT_NEAR(a.centreY, r.cy, 1e-9);
        ExpectPoint(a.start, r.p1.X, r.p1.Y);
        ExpectPoint(a.end, r.p2.X, r.p2.Y);
    }
    TArcGeometry a;
    ASSERT_TRUE(ArcThroughGeometry({0, 0}, {10, 0}, 13, a));
    ExpectRect(a.box, -8, -25, 19, 2);  // (5 - 13, -12 - 13, 5 + 13 + 1, -12 + 13 + 1)
    // diagonal chord, R 10: h = Round(sqrt(100 - 50)) = 7 along 45 degrees from (5, 5)
    ASSERT_TRUE(ArcThroughGeometry({0, 0}, {10, 10}, 10, a));
    EXPECT_NEAR(a.centreX, 5 + 7 * std::cos(kPi / 4), 1e-9);
    EXPECT_NEAR(a.centreY, 5 - 7 * std::sin(kPi / 4), 1e-9);

    EXPECT_FALSE(ArcThroughGeometry({0, 0}, {30, 0}, 13, a));  // longer than the diameter
    EXPECT_FALSE(ArcThroughGeometry({4, 4}, {4, 4}, 13, a));
    RecordingCanvas c;
    DrawArcThrough(c, {0, 0}, {30, 0}, 13);
    EXPECT_TRUE(c.ops.empty());
    DrawArcThrough(c, {0, 0}, {10, 0}, 13);
    ASSERT_EQ(c.of(DrawOp::Arc).size(), 1u);
}

TEST(RotatedFont, NormalWeightAndTurnableFace)
{
    RecordingCanvas c;
    c.font.name = "MS Sans Serif";
    c.font.size = 10;
    c.font.style = fsBold | fsUnderline | fsStrikeOut | fsItalic;
    TLogFont lf;
    MakeRotatedLogFont(c, lf, 12.35);
    EXPECT_EQ(lf.faceName, "Arial");
    EXPECT_EQ(lf.escapement, 124);  // Round(123.5), halves to even
    EXPECT_EQ(lf.weight, 400);
    EXPECT_FALSE(lf.italic);
    EXPECT_FALSE(lf.underline);
    EXPECT_TRUE(lf.strikeOut);
    EXPECT_EQ(lf.quality, 2);
    EXPECT_DOUBLE_EQ(lf.height, 10);
    c.font.name = "Tahoma";
    MakeRotatedLogFont(c, lf, 90);
    EXPECT_EQ(lf.faceName, "Tahoma");
    const TCanvasFont prev = SelectLogFont(c, lf);
    EXPECT_EQ(c.font.escapement, 900);
    EXPECT_EQ(c.font.style, unsigned(fsStrikeOut));
    EXPECT_EQ(prev.style, unsigned(fsBold | fsUnderline | fsStrikeOut | fsItalic));
}

TEST(RotatedText, AnchorsAndBounds)
{
    RecordingCanvas c;
    TRect b;
    // "ABCD": w = 28, h = 14. Anchor 'O' at 90 degrees: O = (100 - 7, 100 + 14)
    c.cellHeight = 14;
    TextOutRotated(c, {100, 100}, "ABCD", b, 'O', 90);
    ASSERT_EQ(c.texts().size(), 1u);
    DrawOp t = c.texts()[0];
    ExpectPoint(t.points[0], 93, 114);
    EXPECT_EQ(t.font.escapement, 900);
    EXPECT_EQ(c.font.escapement, 0);  // the previous font is back
    ExpectRect(b, 93, 86, 107, 114);  // the turned box: 14 wide, 28 high, centre on P
    c.cellHeight = 13;
    c.ops.clear();
    TextOutRotated(c, {100, 100}, "ABCD", b, 'C', 0);
    ExpectPoint(c.texts()[0].points[0], 86, 100);
    ExpectRect(b, 86, 100, 114, 113);
    c.ops.clear();
    TextOutRotated(c, {100, 100}, "ABCD", b, 'R', 0);
    ExpectPoint(c.texts()[0].points[0], 72, 100);
    c.ops.clear();
    TextOutRotated(c, {100, 100}, "ABCD", b, 'x', 30);
    ExpectPoint(c.texts()[0].points[0], 100, 100);
    EXPECT_EQ(c.texts()[0].font.escapement, 300);
}

TEST(AxisLine, NameAtBothEndsAndDashDot)
{
    EXPECT_NEAR(AxisLineAngle({0, 0}, {10, -10}), 45, 1e-12);
    EXPECT_NEAR(AxisLineAngle({0, 0}, {10, 0}), 0, 1e-12);
    EXPECT_DOUBLE_EQ(AxisLineAngle({5, 0}, {5, 80}), 90);  // vertical, no division by 0
    RecordingCanvas c;
    DrawAxisLine(c, {50, 100}, {50, 0}, "x");
    const auto texts = c.texts();
    ASSERT_EQ(texts.size(), 2u);
    // h = 13 and S(1) beside the line; the second copy ends at P2 (w = 7 along the line)
    ExpectPoint(texts[0].points[0], 36, 100);
    ExpectPoint(texts[1].points[0], 36, 7);
    EXPECT_EQ(texts[0].font.escapement, 900);
    ASSERT_EQ(c.lines().size(), 1u);
    EXPECT_EQ(c.lines()[0].pen.style, TPenStyle::DashDot);
    EXPECT_EQ(c.pen.style, TPenStyle::Solid);
    EXPECT_EQ(c.font.escapement, 0);
}

TEST(DashedLine, StrokesGapsAndEnd)
{
    RecordingCanvas c;
    // dash 8, gap 4, step 12; 30 div 12 = 2: strokes at 0, 12, 24, the last cut at 30
    DrawDashedLine(c, {0, 0}, {30, 0});
    ASSERT_EQ(c.lines().size(), 3u);
    EXPECT_TRUE(c.hasLine({0, 0}, {8, 0}));
    EXPECT_TRUE(c.hasLine({12, 0}, {20, 0}));
    EXPECT_TRUE(c.hasLine({24, 0}, {30, 0}));
    // pen width 3: gap 6, two pixels longer
    c.ops.clear();
    c.pen.width = 3;
    DrawDashedLine(c, {0, 0}, {30, 0});
    EXPECT_TRUE(c.hasLine({14, 0}, {22, 0}));
    EXPECT_TRUE(c.hasLine({28, 0}, {30, 0}));
    c.pen.width = 1;
    // shorter than a dash: one stroke ending at P2; backwards and vertical alike
    c.ops.clear();
    DrawDashedLine(c, {10, 10}, {5, 10});
    ASSERT_EQ(c.lines().size(), 1u);
    EXPECT_TRUE(c.hasLine({10, 10}, {5, 10}));
    c.ops.clear();
    DrawDashedLine(c, {0, 0}, {0, -20});
    EXPECT_TRUE(c.hasLine({0, -12}, {0, -20}));
    c.ops.clear();
    DrawDashedLine(c, {3, 3}, {3, 3});
    EXPECT_TRUE(c.ops.empty());
    // a font too small for a size unit: the step counts as 1, no division by 0
    c.cellHeight = 0;
    DrawDashedLine(c, {0, 0}, {5, 0});
    EXPECT_EQ(c.lines().size(), 6u);
}

TEST(DashedLine, PolygonIsClosedAndCircleSetsBounds)
{
    RecordingCanvas c;
    DrawDashedPolygon(c, {{0, 0}, {5, 0}, {5, 5}});
    EXPECT_TRUE(c.hasLine({0, 0}, {5, 0}));
    EXPECT_TRUE(c.hasLine({5, 0}, {5, 5}));
    EXPECT_TRUE(c.hasLine({5, 5}, {0, 0}));
    TRect b{-100, -100, 100, 100};
    DrawCircle(c, {10, 20}, 5, b);
    ExpectRect(b, 5, 15, 15, 25);
    ExpectRect(c.of(DrawOp::Ellipse)[0].box, 5, 15, 15, 25);
}

TEST(LoadBlock, TicksOutlineAndArrowsEverySixUnits)
{
    // 100..113 on y = 200, height 10: n = 13 div 6 = 2, arrows at 100, 106, 112
    RecordingCanvas c;
    DrawLoadBlock(c, {100, 200}, {113, -50}, 10, false);
    const auto lines = c.lines();
    ASSERT_EQ(lines.size(), 6u + 3u + 2u + 2u);
    EXPECT_TRUE(c.hasLine({100, 200}, {100, 197}));
    EXPECT_TRUE(c.hasLine({113, 200}, {113, 197}));
    EXPECT_TRUE(c.hasLine({100, 190}, {113, 190}));  // P2.Y is not read
    for (int x : {100, 106, 112}) EXPECT_TRUE(c.hasLine({x, 200}, {x, 190})) << x;
    // right strokes on the first two, left strokes on the last two
    EXPECT_TRUE(c.hasLine({100, 198}, {101, 196}));
    EXPECT_TRUE(c.hasLine({106, 198}, {107, 196}));
    EXPECT_FALSE(c.hasLine({112, 198}, {113, 196}));
    EXPECT_TRUE(c.hasLine({106, 200}, {105, 196}));
    EXPECT_TRUE(c.hasLine({112, 200}, {111, 196}));
    EXPECT_FALSE(c.hasLine({100, 200}, {99, 196}));

    // reversed by less than S(6): the arrow at P1.X only when asked for
    RecordingCanvas kept, dropped;
    DrawLoadBlock(kept, {100, 200}, {95, 200}, 10, true);
    DrawLoadBlock(dropped, {100, 200}, {95, 200}, 10, false);
    EXPECT_EQ(kept.lines().size(), 7u);
    EXPECT_TRUE(kept.hasLine({100, 200}, {100, 190}));
    EXPECT_EQ(dropped.lines().size(), 6u);

    // a block from far beyond the limit draws only the arrows within it
    RecordingCanvas far;
    DrawLoadBlock(far, {-1000000000, 200}, {60, 200}, 10, false);
    EXPECT_LT(far.lines().size(), 6u + 3u * (2u * kDrawLimit / 6u + 12u));
}
