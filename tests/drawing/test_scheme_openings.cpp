// Elevation of the wall with its openings for the opening dialog.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/drawing/support/SchemeImage.h"
#include "tests/drawing/support/SchemeTestData.h"
#include "drawing/ZunPaint.h"

using namespace orv;
using namespace orv::test;

namespace {

// l = 400, h = 300 in a client of 530 x 400: the width loses S(30), the
// layout (B1, R1) gives s = min(450 / 400, 358 / 300) = 1.125,
// x0 = 15 + 0 + 50 = 65, y0 = 7 + (358 - 338) div 2 = 17.
// The edited opening x 80, sill 60, 120 x 160: P0 (155, 287), P1 (290, 287),
// P2 (290, 107), P3 (155, 107).
TCalcInput Wall()
{
    TCalcInput in = SampleInput(ccWallHorizontal);
    in.l = 400;
    in.h = 300;
    in.SchematPlytySciany = 4;
    in.ScianaZOtworami = 0;  // not consulted
    in.LiczbaOkien = 1;
    in.Okna[0] = {240, 80, 80, 80};
    return in;
}

const TDrawingColors kColors = SlotColors();

struct Drawn {
    RecordingCanvas c = PresetCanvas();
    TRect rect{-1, -1, -1, -1};
    double scale = -1;
};

Drawn Draw(const TCalcInput& in, int unit, double x = 80, double y = 60, double l = 120, double h = 160,
           TRect client = {0, 0, 530, 400})
{
    Drawn d;
    DrawOpeningsScheme(d.c, client, in, d.rect, d.scale, kColors, unit, x, y, l, h);
    return d;
}

} // namespace

TEST(OpeningsScheme, WallOpeningsAndTheEditedOpening)
{
    const Drawn d = Draw(Wall(), 1);
    EXPECT_DOUBLE_EQ(d.scale, 1.125);
    EXPECT_EQ(d.rect.Left, 155);
    EXPECT_EQ(d.rect.Top, 107);
    EXPECT_EQ(d.rect.Right, 290);
    EXPECT_EQ(d.rect.Bottom, 287);
    // the wall face: (0, 0) .. (400, 300) -> (65, 17) .. (515, 355)
    EXPECT_TRUE(HasPolygon(d.c, {{65, 17}, {65, 355}, {515, 355}, {515, 17}}));
    // the stored opening in the entry colours: x 240..320, sill 80 -> y 220..140
    bool stored = false;
    for (const DrawOp& op : d.c.of(DrawOp::Polygon))
        if (SamePoints(op.points, {{335, 265}, {425, 265}, {425, 175}, {335, 175}}) &&
            op.pen.color == 0x0000AAu && op.brush.color == 0x00BB00u)
            stored = true;
    EXPECT_TRUE(stored);
    // the edited one in mask mode with a white fill, and nothing filled dark over it
    const DrawOp* outline = nullptr;
    for (const DrawOp& op : d.c.ops) {  // pointers into the canvas's list, which outlives them
        if (op.kind != DrawOp::Polygon) continue;
        if (SamePoints(op.points, {{155, 287}, {290, 287}, {290, 107}, {155, 107}})) outline = &op;
        if (op.brush.style == TBrushStyle::Solid) {
            EXPECT_NE(op.brush.color, clBlack);
        }
    }
    ASSERT_NE(outline, nullptr);
    EXPECT_EQ(outline->pen.mode, TPenMode::Mask);
    EXPECT_EQ(outline->brush.color, clWhite);
    EXPECT_EQ(outline->pen.width, 2);
    // plate scheme 4: four hinged edges
    const auto sup = ThickBlackLines(d.c);
    auto startsAt = [&](TPoint p) {
        for (const DrawOp& op : sup)
            if (op.points[0].X == p.X && op.points[0].Y == p.Y) return true;
        return false;
    };
    EXPECT_TRUE(startsAt({518, 357}));  // right and bottom from BR + (3, 2)
    EXPECT_TRUE(startsAt({63, 19}));    // left from TL + (-2, 2)
    EXPECT_TRUE(startsAt({68, 15}));    // top from TL + (3, -2)
    // dimensions in cm
    for (const char* t : {"80,0", "120,0", "400,0", "300,0", "60,0", "160,0"})
        EXPECT_EQ(CountText(d.c, t), 1) << t;
    EXPECT_EQ(d.c.pen.mode, TPenMode::Copy);
    EXPECT_EQ(d.c.pen.color, 0x0000AAu);
    EXPECT_EQ(d.c.brush.color, 0x00BB00u);
    EXPECT_EQ(d.c.brush.style, TBrushStyle::Clear);
}

TEST(OpeningsScheme, UnitsAndOmittedDimensions)
{
    Drawn d = Draw(Wall(), 0);
    for (const char* t : {"0,80", "1,20", "4,00", "3,00", "0,60", "1,60"}) EXPECT_EQ(CountText(d.c, t), 1) << t;
    d = Draw(Wall(), 2);
    for (const char* t : {"800", "1200", "4000", "3000", "600", "1600"}) EXPECT_EQ(CountText(d.c, t), 1) << t;
    d = Draw(Wall(), 9);  // unknown unit: the previous text, empty from the start
    EXPECT_EQ(CountText(d.c, ""), 6);
    // at the left edge and on the bottom: neither the left distance nor the sill
    d = Draw(Wall(), 1, 0, 0, 120, 160);
    EXPECT_EQ(CountText(d.c, "0,0"), 0);
    EXPECT_EQ(CountText(d.c, "120,0"), 1);
    EXPECT_EQ(CountText(d.c, "160,0"), 1);
    SetDecimalSeparator('.');
    d = Draw(Wall(), 0);
    SetDecimalSeparator(',');
    EXPECT_EQ(CountText(d.c, "1.20"), 1);
}

TEST(OpeningsScheme, SupportsCountsAndPlacement)
{
    TCalcInput in = Wall();
    in.SchematPlytySciany = 8;  // all fixed: no symbols in this view
    EXPECT_TRUE(ThickBlackLines(Draw(in, 1).c).empty());
    in.SchematPlytySciany = 3;
    EXPECT_TRUE(ThickBlackLines(Draw(in, 1).c).empty());
    // a count read from a file is held to the five openings stored
    in.LiczbaOkien = 99;
    const Drawn d = Draw(in, 1);
    EXPECT_EQ(d.c.of(DrawOp::Polygon).size(), 1u + 5u + 1u);  // wall, openings, the edited one
    // a client rectangle away from the origin moves everything with it
    const Drawn moved = Draw(Wall(), 1, 80, 60, 120, 160, {10, 20, 540, 420});
    EXPECT_EQ(moved.rect.Left, 165);
    EXPECT_EQ(moved.rect.Top, 127);
}

TEST(OpeningsScheme, DegenerateWallKeepsScaleAndRect)
{
    for (double bad : {0.0, -1.0, std::nan("")}) {
        TCalcInput in = Wall();
        in.h = bad;
        Drawn d = Draw(in, 1);
        EXPECT_TRUE(d.c.ops.empty());
        EXPECT_EQ(d.scale, -1);
        EXPECT_EQ(d.rect.Left, -1);
        in = Wall();
        in.l = bad;
        d = Draw(in, 1);
        EXPECT_TRUE(d.c.ops.empty());
    }
    const Drawn d = Draw(Wall(), 1, std::nan(""), 0, 10, 10);
    EXPECT_TRUE(d.c.ops.empty());
}

TEST(OpeningsScheme, InkAndMask)
{
    // a client whose height limits the scale (a width-limited one puts the
    // height dimension S(5) past the right edge, as the layout is made)
    const QImage img = DrawOnImage({600, 400}, [&](Canvas& c, const TPoint& size) {
        TRect r;
        double s = 0;
        DrawOpeningsScheme(c, {0, 0, size.X, size.Y}, Wall(), r, s, DefaultColors(), 1, 80, 60, 120, 160);
    });
    EXPECT_GT(InkPixels(img), 1000);
    EXPECT_EQ(InkOutside(img, QRect(1, 1, 598, 399)), 0);  // wall-width ticks reach the last row
    // the white fill in mask mode leaves the wall's colour inside the opening
    // (x0 = 86, s = 1.193: the opening spans x 181..324, y 105..320)
    const QColor inside = img.pixelColor(280, 200);
    const QColor wall = img.pixelColor(120, 60);
    EXPECT_EQ(inside, wall);
    SaveSchemePngIfAsked(img, "openings");
}
