// Load-compilation scheme on the recording canvas (S(n) = n) and as a picture.
// ORV_SCHEME_PNG_DIR=<dir> writes both variants to PNG files.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>

#include "drawing/ZunPaint.h"
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

// One storey of the defaults (h 3, t 0.25, spans 6, ring beam 0.25 x 0.25, both
// floors); the element's wall 25 cm with floors of 5 m; area 600 x 500.
// Wall variant: area height 465; W = 3 + 0.25 + 3, Htot = 3.25 + 0.25;
// Scale = min(550 / 6.25, 423 / 3.5) = 88; X0 = 15 + Round(88 x 3) = 279;
// Y0 = 7 + (423 - 308) div 2 + 40 = 104. Point (x, y) at (279 + 88x, 104 + 88y).
struct Sample {
    TLoadCompilation loads;
    TCalcInput in;
    Sample()
    {
        std::memset(&loads, 0, sizeof loads);
        InitLoadCompilation(loads);
        loads.F_dach = 10;
        loads.gP[0] = 5;
        loads.pP[0] = 2;
        loads.gL[0] = 4;
        loads.pL[0] = 1.5;
        loads.gP[9] = 6;
        loads.gL[9] = 3;
        InitElementRecord(in);
        in.t = 25;
        in.l3 = 500;
        in.l4 = 500;
    }
};

bool HasHorizontal(const RecordingCanvas& c, int y, int x1, int x2)
{
    for (const DrawOp& op : c.lines())
        if (op.points[0].Y == y && op.points[1].Y == y &&
            std::min(op.points[0].X, op.points[1].X) <= x1 && std::max(op.points[0].X, op.points[1].X) >= x2)
            return true;
    return false;
}

} // namespace

TEST(LoadCollectionScheme, WallVariant)
{
    Sample s;
    const TDrawingColors colors = GradedColors();
    RecordingCanvas c;
    c.brush.color = 0x0F0F0F;  // the dialog's background
    c.pen.color = 0x303030;
    DrawLoadCollectionScheme(c, {600, 500}, false, s.loads, s.in, colors, 0);

    const DrawOp* wall = PolygonStartingAt(c, {279, 126});
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(wall->points[2].X, 301);
    EXPECT_EQ(wall->points[2].Y, 390);
    EXPECT_EQ(wall->brush.color, colors[dcMasonryFill]);
    EXPECT_EQ(wall->pen.color, colors[dcMasonryOutline]);
    // floor slab and ring beam: eight points, floors to half the span (x 15..565)
    const DrawOp* sec = PolygonStartingAt(c, {279, 115});
    ASSERT_NE(sec, nullptr);
    ASSERT_EQ(sec->points.size(), 8u);
    EXPECT_EQ(sec->points[4].X, 565);
    EXPECT_EQ(sec->points[6].X, 15);
    EXPECT_EQ(sec->brush.color, colors[dcSection]);
    EXPECT_EQ(sec->brush.style, TBrushStyle::Solid);
    EXPECT_EQ(sec->pen.color, clBlack);
    // cut end erased in the background colour
    bool erased = false;
    for (const DrawOp& op : c.lines())
        if (op.points[0].X == 565 && op.points[1].X == 565 && op.pen.color == 0x0F0F0Fu) erased = true;
    EXPECT_TRUE(erased);
    // the level element: outline only, the element's floors of 2.5 m each side
    const DrawOp* level = PolygonStartingAt(c, {279, 401});
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->brush.style, TBrushStyle::Clear);
    EXPECT_EQ(level->points[4].X, 521);
    EXPECT_EQ(level->points[6].X, 59);
    // the element's wall below the level, down to yL + t_el + 2 t_el
    EXPECT_TRUE(c.hasLine({279, 456}, {279, 412}));
    EXPECT_TRUE(c.hasLine({301, 412}, {301, 456}));
    // level mark above, S(25) right of the wall face
    EXPECT_TRUE(c.hasLine({326, 365}, {326, 390}));

    // floor blocks on the slab, labels "g+p" with the sum
    EXPECT_TRUE(c.hasLine({302, 103}, {302, 100}));
    EXPECT_TRUE(HasHorizontal(c, 93, 302, 565));
    EXPECT_TRUE(HasHorizontal(c, 93, 15, 278));
    const auto t = TextSet(c);
    EXPECT_EQ(t.count("g+p= 7,00"), 1u);
    EXPECT_EQ(t.count("g+p= 5,50"), 1u);
    // roof arrow on the wall axis, full length against its own value
    const DrawOp* roof = PolygonStartingAt(c, {290, 104});
    ASSERT_NE(roof, nullptr);
    EXPECT_EQ(roof->points[3].Y, 104 - 42);
    EXPECT_EQ(roof->brush.color, colors[dcForce]);
    EXPECT_EQ(t.count("10,00"), 1u);
    // spans 20 below the ring beam, wall height right of the widest wall
    EXPECT_TRUE(HasHorizontal(c, 146, 301, 565));
    EXPECT_TRUE(HasHorizontal(c, 146, 15, 279));
    EXPECT_EQ(t.count("       l=6,00"), 1u);
    EXPECT_EQ(t.count("l=6,00       "), 1u);
    bool height = false;
    for (const DrawOp& op : c.lines())
        if (op.points[0].X == 351 && op.points[1].X == 351) height = true;
    EXPECT_TRUE(height);
    EXPECT_EQ(t.count("3,00"), 1u);
    EXPECT_EQ(t.count("0,25"), 1u);
    EXPECT_EQ(t.count("kond. n+1"), 1u);
    EXPECT_EQ(t.count("poziom zbierania obciążenia"), 1u);
    // the collected force: tip on the level, body below it
    const DrawOp* f = PolygonStartingAt(c, {290, 390});
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->points[3].Y, 390 + 32);
    EXPECT_EQ(f->brush.color, colors[dcReactions]);
    EXPECT_EQ(t.count("F"), 1u);
    ExpectInside(c, {600, 500});
}

TEST(LoadCollectionScheme, BasementVariantDrawsTheSlabOverTheBasement)
{
    // area height 455: Scale 88 still, Y0 = 7 + (413 - 308) div 2 + 40 = 99; level at 385
    Sample s;
    const TDrawingColors colors = GradedColors();
    RecordingCanvas c;
    DrawLoadCollectionScheme(c, {600, 500}, true, s.loads, s.in, colors, 0);
    const DrawOp* slab = PolygonStartingAt(c, {279, 385 + 11});
    ASSERT_NE(slab, nullptr);
    EXPECT_EQ(slab->brush.style, TBrushStyle::Solid);
    EXPECT_EQ(slab->points[4].X, 565);
    EXPECT_TRUE(c.hasLine({279, 451}, {279, 407}));
    EXPECT_TRUE(c.hasLine({326, 432}, {326, 407}));  // level mark below the slab
    const auto t = TextSet(c);
    // permanent loads only, named "g", the slab over the basement included
    EXPECT_EQ(t.count("g= 5,00"), 1u);
    EXPECT_EQ(t.count("g= 4,00"), 1u);
    EXPECT_EQ(t.count("g= 6,00"), 1u);
    EXPECT_EQ(t.count("g= 3,00"), 1u);
    EXPECT_TRUE(HasHorizontal(c, 407 + 35, 301, 565));  // its spans 35 lower
    EXPECT_EQ(t.count("       l=6,00"), 2u);
    EXPECT_NE(PolygonStartingAt(c, {290, 407}), nullptr);  // F under the slab
    ExpectInside(c, {600, 500});

    // the slab entry in its own units gives the same drawing
    Sample cm = s;
    cm.loads.hw[9] = 25;
    cm.loads.Unit_hw[9] = 1;
    cm.loads.lo_P[9] = 6000;
    cm.loads.Unit_lo_P[9] = 2;
    RecordingCanvas d;
    DrawLoadCollectionScheme(d, {600, 500}, true, cm.loads, cm.in, colors, 0);
    const DrawOp* slab2 = PolygonStartingAt(d, {279, 385 + 11});
    ASSERT_NE(slab2, nullptr);
    EXPECT_EQ(slab2->points[4].X, 565);
    EXPECT_EQ(d.ops.size(), c.ops.size());
}

TEST(LoadCollectionScheme, GivenLoadsDrawArrowsAgainstTheLargestMagnitude)
{
    Sample s;
    s.loads.F_dach = 0;
    s.loads.SpTyp[0] = 1;
    s.loads.Fp[0] = 20;
    s.loads.SlTyp[0] = 1;
    s.loads.Fl[0] = -30;
    s.loads.GsTyp[0] = 1;
    RecordingCanvas c;
    DrawLoadCollectionScheme(c, {600, 500}, false, s.loads, s.in, GradedColors(), 0);
    // reference 30: the right arrow 5 + Round(20 / 30 x 25) = 22 above its head
    const DrawOp* right = PolygonStartingAt(c, {302, 103});
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->points[3].Y, 103 - 12 - 22);
    // the negative left arrow is reversed, as long as its label plus the head (47)
    const DrawOp* left = PolygonStartingAt(c, {278, 103 - 47});
    ASSERT_NE(left, nullptr);
    const auto t = TextSet(c);
    EXPECT_EQ(t.count("20,00"), 1u);
    EXPECT_EQ(t.count("30,00"), 1u);
    // unlabelled blocks, no span, height or thickness dimensions, no roof arrow
    EXPECT_TRUE(HasHorizontal(c, 93, 302, 565));
    for (const std::string& text : t) {
        EXPECT_EQ(text.find("g+p"), std::string::npos) << text;
        EXPECT_EQ(text.find("l="), std::string::npos) << text;
    }
    EXPECT_EQ(t.count("3,00"), 0u);
    EXPECT_EQ(t.count("10,00"), 0u);
    ExpectInside(c, {600, 500});
}

TEST(LoadCollectionScheme, StoreysRingBeamsAndCounts)
{
    Sample s;
    s.loads.StoreyCount = 3;
    s.loads.wieniec[1] = 0;
    s.loads.tw[1] = 0.5;  // without a ring beam the section is the wall's width
    RecordingCanvas c;
    DrawLoadCollectionScheme(c, {600, 1000}, false, s.loads, s.in, GradedColors(), 0);
    const auto t = TextSet(c);
    EXPECT_EQ(t.count("kond. n+3"), 1u);
    EXPECT_EQ(t.count("kond. n+2"), 1u);
    EXPECT_EQ(t.count("kond. n+1"), 1u);
    EXPECT_EQ(t.count("0,25"), 3u);
    ExpectInside(c, {600, 1000});

    Sample many;  // a count from a file beyond the nine storeys is held to them
    many.loads.StoreyCount = 50;
    RecordingCanvas m;
    DrawLoadCollectionScheme(m, {600, 2000}, false, many.loads, many.in, GradedColors(), 0);
    EXPECT_EQ(TextSet(m).count("kond. n+9"), 1u);
    EXPECT_EQ(TextSet(m).count("kond. n+10"), 0u);
}

TEST(LoadCollectionScheme, NothingToDraw)
{
    test::EnsureGuiApp();
    const TDrawingColors colors = GradedColors();
    auto nothing = [&](auto change) {
        Sample s;
        change(s);
        RecordingCanvas c;
        DrawLoadCollectionScheme(c, {600, 500}, false, s.loads, s.in, colors, 0);
        TSchemePicture pic;
        DrawLoadCollectionSchemeMetafile(pic, false, s.loads, 10, 10, s.in, colors);
        return c.ops.empty() && pic.isEmpty();
    };
    EXPECT_TRUE(nothing([](Sample& s) { s.loads.StoreyCount = 0; }));
    EXPECT_TRUE(nothing([](Sample& s) { s.loads.StoreyCount = -4; }));
    EXPECT_TRUE(nothing([](Sample& s) {
        s.loads.t[0] = s.loads.tw[0] = 0;
        s.loads.strop_L[0] = s.loads.strop_P[0] = 0;
    }));
    EXPECT_TRUE(nothing([](Sample& s) { s.loads.h[0] = std::nan(""); }));
    EXPECT_TRUE(nothing([](Sample& s) { s.loads.h[0] = -3; }));
    EXPECT_TRUE(nothing([](Sample& s) { s.loads.F_dach = HUGE_VAL; }));
    EXPECT_TRUE(nothing([](Sample& s) { s.in.t = std::nan(""); }));
}

TEST(LoadCollectionScheme, PictureForTheClipboard)
{
    test::EnsureGuiApp();
    const TDrawingColors colors = GradedColors();
    for (bool basement : {false, true}) {
        Sample s;
        s.loads.StoreyCount = 2;
        s.loads.SpTyp[1] = 1;
        s.loads.Fp[1] = 12;
        TSchemePicture pic;
        DrawLoadCollectionSchemeMetafile(pic, basement, s.loads, 10, 10, s.in, colors);
        ASSERT_FALSE(pic.isEmpty());
        EXPECT_EQ(pic.mmSize, QSize(100000, 100000));
        EXPECT_EQ(pic.pixelSize, QSize(3780, 3780));
        const QImage replayed = SchemePictureToImage(pic);
        const QImage direct = DrawAtPictureResolution(pic.pixelSize, [&](Canvas& canvas, const TPoint& size) {
            DrawLoadCollectionScheme(canvas, size, basement, s.loads, s.in, colors, 0);
        });
        const auto [ink, differing] = SamplePixels(direct, replayed);
        EXPECT_GT(ink, 1000);
        EXPECT_LT(differing, ink / 50);
        EXPECT_TRUE(SchemePictureToPng(pic).startsWith("\x89PNG"));
        if (const char* dir = std::getenv("ORV_SCHEME_PNG_DIR"))
            SchemePictureToImage(pic, QSize(800, 800))
                .save(QString(dir) + (basement ? "/scheme_loads_basement.png" : "/scheme_loads_wall.png"));
    }
}
