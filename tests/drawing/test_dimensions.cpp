#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "drawing/DimensionLines.h"
#include "tests/drawing/support/DrawChecks.h"
#include "tests/drawing/support/RecordingCanvas.h"

using namespace orv;
using test::DrawOp;
using test::RecordingCanvas;
using test::ExpectPoint;
using test::ExpectRect;

namespace {
// The lines drawn, each with its ends in order, sorted: a drawing's shape
// whatever the direction of its strokes.
std::vector<std::string> Shape(const RecordingCanvas& c)
{
    std::vector<std::string> out;
    for (const DrawOp& op : c.lines()) {
        TPoint a = op.points[0], b = op.points[1];
        if (std::make_pair(a.X, a.Y) > std::make_pair(b.X, b.Y)) std::swap(a, b);
        out.push_back(std::to_string(a.X) + "," + std::to_string(a.Y) + "-" + std::to_string(b.X) +
                      "," + std::to_string(b.Y));
    }
    std::sort(out.begin(), out.end());
    return out;
}
} // namespace

TEST(DimensionPlacement, TextWiderThanTheSpan)
{
    // span 100..120 (20), text 42 wide; S(3) = 3
    struct Row { char place; int x; } h[] = {{'L', 55}, {'R', 123}, {'l', 75}, {'r', 103}, {'A', 89}};
    for (const Row& r : h) {
        EXPECT_EQ(DimensionTextLeft(100, 120, 42, r.place, 3), r.x) << r.place;
        EXPECT_EQ(DimensionTextLeft(120, 100, 42, r.place, 3), r.x) << r.place;
    }
    for (char place : {'L', 'R', 'l', 'r'}) EXPECT_EQ(DimensionTextLeft(100, 200, 28, place, 3), 136);
    struct RowV { char place; int y; } v[] = {{'D', 165}, {'U', 97}, {'C', 131}};
    for (const RowV& r : v) EXPECT_EQ(DimensionTextStartY(100, 120, 42, r.place, 3), r.y) << r.place;
    EXPECT_EQ(DimensionTextStartY(200, 100, 28, 'D', 3), 164);  // fits: centred
    // '1' / '2': free space (100 - 28) div 2 = 36 against the margin
    EXPECT_EQ(DimensionMarkupLabelLeft(100, 200, 28, '1', 30, 3), 136);
    EXPECT_EQ(DimensionMarkupLabelLeft(100, 200, 28, '1', 40, 3), 69);
    EXPECT_EQ(DimensionMarkupLabelLeft(100, 200, 28, '2', 36, 3), 203);
    EXPECT_EQ(DimensionMarkupLabelLeft(100, 120, 42, 'L', 0, 3), 55);
    EXPECT_EQ(DimensionMarkupLabelLeft(100, 120, 42, 'x', 0, 3), 89);
    // arrow dimension with MinGap 0: two pixels narrower is centred, one is not
    EXPECT_EQ(ArrowDimensionLabelLeft(100, 200, 98, 98, '1', 0, 2), 101);
    EXPECT_EQ(ArrowDimensionLabelLeft(100, 200, 99, 99, '1', 0, 2), -1);
    EXPECT_EQ(ArrowDimensionLabelLeft(100, 200, 100, 100, '2', 0, 2), 202);
    EXPECT_EQ(ArrowDimensionLabelLeft(100, 200, 101, 101, '2', 0, 2), 202);
    EXPECT_EQ(TrimBlanks("  \tl=5 \r"), "l=5");
}

TEST(DimensionH, CentredTextBoundsAndEitherDirection)
{
    RecordingCanvas c;
    TRect b;
    DrawDimensionH(c, {100, 200}, {200, 200}, "5,00", 'L', b);
    EXPECT_TRUE(c.hasLine({95, 200}, {205, 200}));
    EXPECT_TRUE(c.hasLine({100, 205}, {100, 195}));
    EXPECT_TRUE(c.hasLine({197, 203}, {204, 196}));
    ASSERT_EQ(c.texts().size(), 1u);
    ExpectPoint(c.texts()[0].points[0], 136, 187);  // standing on the line
    ExpectRect(b, 95, 187, 205, 205);               // the text's top is inside
    const auto forward = Shape(c);

    RecordingCanvas r;
    TRect rb;
    DrawDimensionH(r, {200, 200}, {100, 200}, "5,00", 'L', rb);
    EXPECT_EQ(Shape(r), forward);
    ExpectPoint(r.texts()[0].points[0], 136, 187);
    ExpectRect(rb, 95, 187, 205, 205);

    c.ops.clear();
    DrawDimensionH(c, {100, 200}, {120, 200}, "123456", 'L', b);
    ExpectPoint(c.texts()[0].points[0], 55, 187);  // ends S(3) left of the left point
    EXPECT_EQ(b.Left, 55);
}

TEST(DimensionV, TurnedTextOutsideTheBounds)
{
    RecordingCanvas c;
    TRect b;
    DrawDimensionV(c, {100, 100}, {100, 200}, "5,00", 'A', b);
    EXPECT_TRUE(c.hasLine({100, 96}, {100, 204}));
    EXPECT_TRUE(c.hasLine({104, 100}, {96, 100}));
    EXPECT_TRUE(c.hasLine({97, 197}, {104, 204}));
    ASSERT_EQ(c.texts().size(), 1u);
    ExpectPoint(c.texts()[0].points[0], 87, 164);  // left of the line, centred, reading up
    EXPECT_EQ(c.texts()[0].font.escapement, 900);
    EXPECT_EQ(c.font.escapement, 0);
    ExpectRect(b, 96, 96, 104, 204);
    c.ops.clear();
    DrawDimensionV(c, {100, 120}, {100, 100}, "123456", 'D', b);
    ExpectPoint(c.texts()[0].points[0], 87, 165);
}

TEST(DimensionHMarkup, MarginMovesTheLabelOutside)
{
    RecordingCanvas c;
    DrawDimensionHMarkup(c, {100, 200}, {200, 200}, "l%Deff%N", '1', 40);
    EXPECT_TRUE(c.hasLine({95, 200}, {205, 200}));
    auto t = c.texts();
    ASSERT_EQ(t.size(), 3u);
    ExpectPoint(t[0].points[0], 69, 186);  // 100 - 28 - 3, S(1) above the line
    ExpectPoint(t[1].points[0], 76, 188);  // the subscript
    c.ops.clear();
    DrawDimensionHMarkup(c, {100, 200}, {200, 200}, "l%Deff%N", '1', 30);
    ExpectPoint(c.texts()[0].points[0], 136, 186);
}

TEST(DimensionSlant, ShoulderAtEitherEnd)
{
    RecordingCanvas c;
    // given lower point first: ordered so that the upper one is P1
    DrawDimensionSlantMarkup(c, {100, 200}, {100, 100}, 5, "ab", 'R', 'U');
    EXPECT_TRUE(c.hasLine({100, 205}, {100, 95}));
    EXPECT_TRUE(c.hasLine({100, 95}, {116, 95}));  // S(2) + 14
    ExpectPoint(c.texts()[0].points[0], 101, 82);
    EXPECT_TRUE(c.hasLine({100, 95}, {100, 105}));  // vertical ticks at both points
    EXPECT_TRUE(c.hasLine({100, 195}, {100, 205}));
    c.ops.clear();
    DrawDimensionSlantMarkup(c, {100, 100}, {100, 200}, 5, "ab", 'C', 'U');
    EXPECT_TRUE(c.hasLine({100, 95}, {84, 95}));
    ExpectPoint(c.texts()[0].points[0], 85, 82);
    c.ops.clear();
    DrawDimensionSlantMarkup(c, {100, 100}, {100, 200}, 5, "ab", 'R', 'D');
    EXPECT_TRUE(c.hasLine({100, 205}, {116, 205}));
    ExpectPoint(c.texts()[0].points[0], 101, 192);
    c.ops.clear();
    DrawDimensionSlantMarkup(c, {100, 100}, {100, 200}, 5, "ab", 'L', 'D');
    EXPECT_TRUE(c.hasLine({100, 205}, {82, 205}));
    ExpectPoint(c.texts()[0].points[0], 82, 192);
    // at 45 degrees the ticks stay vertical
    c.ops.clear();
    DrawDimensionSlantMarkup(c, {0, 0}, {30, 30}, 10, "ab", 'R', 'U');
    EXPECT_TRUE(c.hasLine({30, 25}, {30, 35}));
    EXPECT_TRUE(c.hasLine({34, 34}, {-7, -7}));  // S(5) beyond P2, S(10) beyond P1
}

TEST(DimensionHArrow, EndsBlanksAndOverhang)
{
    RecordingCanvas c;
    EXPECT_EQ(DrawDimensionHArrow(c, {100, 200}, {200, 200}, "       l=5", 'L', 0, true, true), 0);
    EXPECT_TRUE(c.hasLine({100, 200}, {200, 200}));  // open ends: exactly P1 to P2
    EXPECT_TRUE(c.hasLine({100, 200}, {108, 197}));
    EXPECT_TRUE(c.hasLine({100, 200}, {108, 203}));
    EXPECT_TRUE(c.hasLine({200, 200}, {192, 197}));
    // fits: centred with its blanks, so shifted right of the middle
    ASSERT_EQ(c.texts().size(), 1u);
    EXPECT_EQ(c.texts()[0].text, "       l=5");
    ExpectPoint(c.texts()[0].points[0], 115, 186);

    c.ops.clear();
    EXPECT_EQ(DrawDimensionHArrow(c, {100, 200}, {140, 200}, "       l=5", 'L', 0, false, true), 15);
    EXPECT_TRUE(c.hasLine({95, 200}, {140, 200}));
    EXPECT_TRUE(c.hasLine({100, 205}, {100, 195}));
    EXPECT_EQ(c.texts()[0].text, "l=5");  // trimmed and outside
    ExpectPoint(c.texts()[0].points[0], 77, 186);
    c.ops.clear();
    DrawDimensionHArrow(c, {100, 200}, {140, 200}, "l=5       ", 'R', 0, false, false);
    EXPECT_TRUE(c.hasLine({95, 200}, {145, 200}));
    ExpectPoint(c.texts()[0].points[0], 142, 186);
    // '1' never trims; a gap of 6 is not more than MinGap 10
    c.ops.clear();
    DrawDimensionHArrow(c, {100, 200}, {140, 200}, "  ab", '1', 10, false, false);
    EXPECT_EQ(c.texts()[0].text, "  ab");
    ExpectPoint(c.texts()[0].points[0], 100 - 28 - 2, 186);
}

TEST(DimensionVArrow, EndsAndTurnedLabel)
{
    RecordingCanvas c;
    DrawDimensionVArrow(c, {100, 100}, {100, 200}, "ab", 'D', true, true);
    EXPECT_TRUE(c.hasLine({100, 100}, {100, 200}));
    EXPECT_TRUE(c.hasLine({100, 100}, {97, 92}));
    EXPECT_TRUE(c.hasLine({100, 100}, {103, 92}));
    EXPECT_TRUE(c.hasLine({100, 200}, {103, 208}));
    ExpectPoint(c.texts()[0].points[0], 84, 192);  // begins S(8) above the lower end
    EXPECT_EQ(c.texts()[0].font.escapement, 900);
    c.ops.clear();
    DrawDimensionVArrow(c, {100, 100}, {100, 200}, "ab", 'U', false, false);
    EXPECT_TRUE(c.hasLine({100, 96}, {100, 204}));
    EXPECT_TRUE(c.hasLine({104, 200}, {96, 200}));
    EXPECT_TRUE(c.hasLine({97, 97}, {104, 104}));
    ExpectPoint(c.texts()[0].points[0], 84, 122);  // ends S(8) below the upper end
    c.ops.clear();
    DrawDimensionVArrow(c, {100, 100}, {100, 200}, "ab", 'x', false, false);
    ExpectPoint(c.texts()[0].points[0], 87, 157);  // centred on the middle
}
