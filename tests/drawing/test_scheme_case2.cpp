// Scheme of the wall loaded horizontally: supports by model, openings,
// plates, centre symbols, wind arrows, bounds.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/drawing/support/SchemeImage.h"
#include "tests/drawing/support/SchemeTestData.h"
#include "drawing/ZunPaint.h"

using namespace orv;
using namespace orv::test;

namespace {

// t = 20, l = 400, h = 300, w_d = 0.5 in 700 x 386. The label
// "w%Dd%N= 0,500 kN/m%I2%N" is 105 wide; the area shrinks to 555 x 356 and
// the layout (B1, R1, R2) fits W = 414.14, H = 314.14 at
// s = 314 / 314.14 = 0.99955 (height). x0 = 15 + (490 - 414) div 2 + 50 + 105
// = 208, y0 = 7 + 30 = 37; l and h map to 400 and 300 px, d = 7.5 to 7.
// TL (208, 37), BL (208, 337), BR (608, 337), TR (608, 37).
TCalcInput Wall()
{
    TCalcInput in = SampleInput(ccWallHorizontal);
    in.t = 20;
    in.l = 400;
    in.h = 300;
    in.wd_kNm2 = 0.5;
    in.SchematScianyTyp = 2;
    in.SchematPlytySciany = 4;
    in.ScianaZOtworami = 0;
    in.LiczbaOkien = 0;
    return in;
}

TCalcResults Undivided(u8 l, u8 r, u8 t, u8 b)
{
    TCalcResults res;
    res.PlateCount = 0;
    res.Plates[0].EdgeLeft = l;
    res.Plates[0].EdgeRight = r;
    res.Plates[0].EdgeTop = t;
    res.Plates[0].EdgeBottom = b;
    return res;
}

const TDrawingColors kColors = SlotColors();

using Drawn = DrawnWithBounds;

Drawn Draw(const TCalcInput& in, const TCalcResults& r)
{
    Drawn d;
    d.drawn = DrawHorizontalWall(d.c, {700, 386}, in, r, false, kColors, 0, d.bounds);
    return d;
}

// Lines of the supports: black, width 2.
std::vector<DrawOp> SupportLines(const RecordingCanvas& c) { return ThickBlackLines(c); }

bool StartsAt(const std::vector<DrawOp>& ops, TPoint p)
{
    for (const DrawOp& op : ops)
        if (op.points[0].X == p.X && op.points[0].Y == p.Y) return true;
    return false;
}

} // namespace

TEST(HorizontalWallScheme, PlateWithFourHingedEdges)
{
    const Drawn d = Draw(Wall(), Undivided(1, 2, 1, 1));
    ASSERT_TRUE(d.drawn);
    // three faces: top, right, front
    const auto faces = PolygonsFilled(d.c, kColors[dcMasonryFill]);
    ASSERT_EQ(faces.size(), 3u);
    EXPECT_TRUE(SamePoints(faces[0].points, {{215, 30}, {208, 37}, {608, 37}, {615, 30}}));
    EXPECT_TRUE(SamePoints(faces[2].points, {{208, 37}, {208, 337}, {608, 337}, {608, 37}}));
    // four dashed edges from their first ends: right and bottom at BR + (3, 2)
    const auto sup = SupportLines(d.c);
    EXPECT_TRUE(StartsAt(sup, {611, 339}));
    EXPECT_TRUE(StartsAt(sup, {206, 39}));
    EXPECT_TRUE(StartsAt(sup, {211, 35}));
    // span arrows towards every supported edge at the centre (408, 187)
    EXPECT_TRUE(d.c.hasLine({408, 187}, {394, 187}));
    EXPECT_TRUE(d.c.hasLine({408, 187}, {422, 187}));
    EXPECT_TRUE(d.c.hasLine({408, 187}, {408, 173}));
    EXPECT_TRUE(d.c.hasLine({408, 187}, {408, 201}));
    EXPECT_TRUE(d.c.hasLine({394, 187}, {400, 184}));  // open head of the left arrow
    // wind label and dimensions with the locale's separator
    EXPECT_EQ(CountText(d.c, "= 0,500 kN/m²"), 1);
    EXPECT_EQ(CountText(d.c, "400,0"), 1);
    EXPECT_EQ(CountText(d.c, "300,0"), 1);
    // pressure: the first head at Pa = (178, 67) has only its inner half
    EXPECT_TRUE(d.c.hasLine({178, 67}, {170, 75}));
    EXPECT_TRUE(d.c.hasLine({178, 77}, {170, 82}));
    EXPECT_TRUE(d.c.hasLine({178, 77}, {170, 82 + 6}) || d.c.hasLine({170, 82}, {170, 88}));
    // bounds: label left at 47, top face at 30, dimension ticks at 652,
    // arrow feet at 382; S(5) more on every side
    EXPECT_EQ(d.bounds.Left, 42);
    EXPECT_EQ(d.bounds.Top, 25);
    EXPECT_EQ(d.bounds.Right, 657);
    EXPECT_EQ(d.bounds.Bottom, 387);
    EXPECT_TRUE(AllPointsInside(d.c, d.bounds));
    EXPECT_EQ(d.c.pen.color, 0x0000AAu);
    EXPECT_EQ(d.c.brush.color, 0x00BB00u);
}

TEST(HorizontalWallScheme, SupportsOfTheModels)
{
    TCalcInput in = Wall();
    in.SchematScianyTyp = 5;  // horizontal cantilever: the hatched left edge only
    Drawn d = Draw(in, Undivided(2, 0, 0, 0));
    auto sup = SupportLines(d.c);
    EXPECT_TRUE(d.c.hasLine({206, 35}, {206, 339}));
    EXPECT_TRUE(d.c.hasLine({206, 35}, {201, 40}));
    EXPECT_EQ(sup.size(), 1u + 61u);  // 304 div 5 = 60: strokes 0..60
    // only the inner arrow towards the fixed edge
    EXPECT_TRUE(d.c.hasLine({408, 187}, {394, 187}));
    EXPECT_FALSE(d.c.hasLine({408, 187}, {422, 187}));

    in.SchematScianyTyp = 6;  // vertical cantilever: the hatched bottom edge
    d = Draw(in, Undivided(0, 0, 0, 2));
    EXPECT_TRUE(d.c.hasLine({611, 339}, {206, 339}));
    EXPECT_TRUE(d.c.hasLine({206, 339}, {201, 344}));
    EXPECT_EQ(SupportLines(d.c).size(), 1u + 82u);  // 405 div 5 = 81

    in.SchematScianyTyp = 0;  // beam: two dashed side edges, plate scheme ignored
    in.SchematPlytySciany = 8;
    d = Draw(in, Undivided(1, 1, 0, 0));
    sup = SupportLines(d.c);
    EXPECT_TRUE(StartsAt(sup, {611, 339}));
    EXPECT_TRUE(StartsAt(sup, {206, 39}));
    EXPECT_FALSE(StartsAt(sup, {211, 35}));

    in.SchematScianyTyp = 2;  // plate scheme 8: four fixed edges
    d = Draw(in, Undivided(2, 2, 2, 2));
    EXPECT_TRUE(d.c.hasLine({205, 35}, {610, 35}));  // top: TL - (3, 2) to TR + (2, -2)
    EXPECT_TRUE(d.c.hasLine({205, 35}, {210, 30}));

    in.SchematPlytySciany = 12;  // no such scheme: no supports
    d = Draw(in, Undivided(2, 2, 2, 2));
    EXPECT_TRUE(SupportLines(d.c).empty());
}

TEST(HorizontalWallScheme, SuctionTurnsTheArrows)
{
    TCalcInput in = Wall();
    in.wd_kNm2 = -0.5;
    const Drawn d = Draw(in, Undivided(1, 1, 1, 1));
    // the label is 7 wider: everything moves 3 right, Pa = (181, 67);
    // the head at its foot G = (166, 82), the first one halved
    EXPECT_TRUE(d.c.hasLine({166, 82}, {174, 74}));
    EXPECT_TRUE(d.c.hasLine({174, 74}, {174, 77}));
    EXPECT_FALSE(d.c.hasLine({181, 67}, {173, 75}));
    EXPECT_EQ(CountText(d.c, "= -0,500 kN/m²"), 1);
}

TEST(HorizontalWallScheme, ArchSymbols)
{
    TCalcInput in = Wall();
    in.SchematScianyTyp = 3;
    TCalcResults r = Undivided(1, 1, 0, 0);
    r.Arch = 1;
    Drawn d = Draw(in, r);
    auto arcs = d.c.of(DrawOp::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].points[0].X, 408 - 16);  // chord across the centre
    EXPECT_EQ(arcs[0].points[0].Y, 187);
    EXPECT_FALSE(d.c.hasLine({408, 187}, {394, 187}));  // no span arrows
    in.SchematScianyTyp = 4;
    d = Draw(in, r);
    arcs = d.c.of(DrawOp::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].points[0].X, 408);
    EXPECT_EQ(arcs[0].points[0].Y, 187 - 16);
}

TEST(HorizontalWallScheme, OpeningsAndPlates)
{
    TCalcInput in = Wall();
    in.ScianaZOtworami = 1;
    in.LiczbaOkien = 2;
    in.Okna[0] = {50, 100, 100, 120};
    in.Okna[1] = {250, 0, 100, 400};  // reaches above the wall: cut to 300
    TCalcResults r;
    r.PlateCount = 3;
    r.PlateLetterBase = 2;
    r.Plates[0] = {50, 300, 0, 0};
    r.Plates[1] = {200, 300, 50, 0};
    r.Plates[2] = {150, 300, 250, 0};
    r.Plates[0].EdgeLeft = 1;
    r.Error = 35;
    Drawn d = Draw(in, r);
    // hole of the first opening: sill at y = 300 - 100 = 200 -> 237, top 80 -> 117
    const DrawOp* hole = nullptr;
    for (const DrawOp& op : d.c.ops)  // pointers into the canvas's list, which outlives them
        if (op.kind == DrawOp::Polygon && SamePoints(op.points, {{258, 237}, {358, 237}, {358, 117}, {258, 117}}))
            hole = &op;
    ASSERT_NE(hole, nullptr);
    EXPECT_EQ(hole->brush.color, 0x00BB00u);
    EXPECT_EQ(hole->pen.color, 0x0000AAu);  // the first hole keeps the entry pen
    // second opening cut to the wall's height
    const DrawOp* second = nullptr;
    for (const DrawOp& op : d.c.ops)
        if (op.kind == DrawOp::Polygon && op.brush.color == 0x00BB00u && op.points.size() == 4 &&
            op.points[0].X == 458)
            second = &op;
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->points[2].Y, 37);
    EXPECT_EQ(second->pen.color, kColors[dcMasonryOutline]);
    // plates lettered from the base: C, D, E, each with its circle
    EXPECT_EQ(CountText(d.c, "C"), 1);  // on halos: they stand on the wall's fill
    EXPECT_EQ(CountText(d.c, "E"), 1);
    EXPECT_EQ(d.c.of(DrawOp::Ellipse).size(), 3u);

    r.Error = 18;  // any other error: neither plates nor the centre symbol
    d = Draw(in, r);
    EXPECT_TRUE(d.c.of(DrawOp::Ellipse).empty());
    r.Error = 0;
    r.PlateCount = 1000;  // clamped to the plates held
    d = Draw(in, r);
    EXPECT_EQ(d.c.of(DrawOp::Ellipse).size(), size_t(MaxWallPlates));
    // openings that a file claims beyond the array are not read
    in.LiczbaOkien = 77;
    r.PlateCount = -1;
    d = Draw(in, r);
    EXPECT_TRUE(d.drawn);
    EXPECT_TRUE(d.c.of(DrawOp::Ellipse).empty());
}

TEST(HorizontalWallScheme, DegenerateWallDrawsNothing)
{
    for (double bad : {0.0, -5.0, std::nan(""), HUGE_VAL}) {
        for (int field = 0; field < 3; ++field) {
            TCalcInput in = Wall();
            if (field == 0) in.t = bad;
            if (field == 1) in.l = bad;
            if (field == 2) in.h = bad;
            const Drawn d = Draw(in, TCalcResults());
            EXPECT_FALSE(d.drawn);
            EXPECT_TRUE(d.c.ops.empty());
            EXPECT_EQ(d.bounds.Left, -1);  // not written
        }
    }
}

TEST(HorizontalWallScheme, InkInsideTheBounds)
{
    TCalcInput in = Wall();
    in.ScianaZOtworami = 1;
    in.LiczbaOkien = 1;
    in.Okna[0] = {150, 80, 100, 140};
    TCalcResults r;
    r.PlateCount = 3;
    r.Plates[0] = {150, 300, 0, 0};
    r.Plates[1] = {100, 80, 150, 0};
    r.Plates[2] = {150, 300, 250, 0};
    for (int i = 0; i < 3; ++i) r.Plates[i].EdgeBottom = 1;
    r.Plates[0].EdgeLeft = 2;
    r.Plates[2].EdgeRight = 2;
    TRect b{};
    const QImage img = DrawOnImage({640, 420}, [&](Canvas& c, const TPoint& size) {
        EXPECT_TRUE(DrawHorizontalWall(c, size, in, r, false, DefaultColors(), 0, b));
    });
    EXPECT_GT(InkPixels(img), 1000);
    EXPECT_EQ(InkOutside(img, QRect(b.Left, b.Top, b.Right - b.Left, b.Bottom - b.Top)), 0);
    EXPECT_EQ(InkOutside(img, QRect(0, 0, 640, 420).adjusted(1, 1, -1, -1)), 0);
    SaveSchemePngIfAsked(img, "case2_plates");
    TCalcInput plain = Wall();
    plain.SchematScianyTyp = 7;
    SaveSchemePngIfAsked(DrawOnImage({640, 420}, [&](Canvas& c, const TPoint& size) {
                             DrawHorizontalWall(c, size, plain, Undivided(2, 2, 0, 0), false,
                                                DefaultColors(), 0, b);
                         }),
                         "case2_fixed_beam");
}
