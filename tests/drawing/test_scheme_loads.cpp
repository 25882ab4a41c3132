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
#include "tests/drawing/support/LabelChecks.h"
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
// Recording canvas: S(n) = n, characters 7 wide, cells 13 high. The values
// stand in columns: left "g+p= 5,50" / "l=6,00" (63 + gap 6 = 69), right
// "h=3,00  t=0,25  kond. n+1" (159 + the heights' line 8 + gap 6 = 173).
// Wall variant: roof arrow 42 + 1, its value 3 + 13 above: top 4 + 63;
// below the level the collected force 32 + 13: bottom 4 + 45 = 49.
// Scale = min((592 - 69 - 173) / 6.25, (500 - 63 - 49) / 3.5, ...) = 56;
// the axis at 4 + 56 x 3.125 + 69 = 248, X0 = 248 - 7 = 241;
// Y0 = 63 + (500 - 63 - 245) / 2 = 159. Point (x, y) at (241 + 56x, 159 + 56y).
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

// The position of the only text `text`, or (-1, -1).
TPoint TextAt(const RecordingCanvas& c, const std::string& text)
{
    TPoint at{-1, -1};
    int seen = 0;
    for (const DrawOp& op : c.texts())
        if (op.text == text) {
            at = op.points[0];
            ++seen;
        }
    return seen == 1 ? at : TPoint{-1, -1};
}

#define EXPECT_TEXT_AT(c, text, x, y)               \
    do {                                            \
        const TPoint at_ = TextAt(c, text);         \
        EXPECT_EQ(at_.X, x) << text;                \
        EXPECT_EQ(at_.Y, y) << text;                \
    } while (0)

TEST(LoadCollectionScheme, WallVariant)
{
    Sample s;
    const TDrawingColors colors = GradedColors();
    RecordingCanvas c;
    c.brush.color = 0x0F0F0F;  // the dialog's background
    c.pen.color = 0x303030;
    DrawLoadCollectionScheme(c, {600, 500}, false, s.loads, s.in, colors, 0);

    const DrawOp* wall = PolygonStartingAt(c, {241, 173});
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(wall->points[2].X, 255);
    EXPECT_EQ(wall->points[2].Y, 341);
    EXPECT_EQ(wall->brush.color, colors[dcMasonryFill]);
    EXPECT_EQ(wall->pen.color, colors[dcMasonryOutline]);
    // floor slab and ring beam: eight points, floors to half the span (x 73..423)
    const DrawOp* sec = PolygonStartingAt(c, {241, 166});
    ASSERT_NE(sec, nullptr);
    ASSERT_EQ(sec->points.size(), 8u);
    EXPECT_EQ(sec->points[4].X, 423);
    EXPECT_EQ(sec->points[6].X, 73);
    EXPECT_EQ(sec->brush.color, colors[dcSection]);
    EXPECT_EQ(sec->brush.style, TBrushStyle::Solid);
    EXPECT_EQ(sec->pen.color, clBlack);
    // cut end erased in the background colour
    bool erased = false;
    for (const DrawOp& op : c.lines())
        if (op.points[0].X == 423 && op.points[1].X == 423 && op.pen.color == 0x0F0F0Fu) erased = true;
    EXPECT_TRUE(erased);
    // the level element: outline only, the element's floors of 2.5 m each side
    const DrawOp* level = PolygonStartingAt(c, {241, 348});
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->brush.style, TBrushStyle::Clear);
    EXPECT_EQ(level->points[4].X, 395);
    EXPECT_EQ(level->points[6].X, 101);
    // the element's wall below the level, down to yL + t_el + 2 t_el
    EXPECT_TRUE(c.hasLine({241, 383}, {241, 355}));
    EXPECT_TRUE(c.hasLine({255, 355}, {255, 383}));
    // level mark below the level element, S(25) right of the wall face
    EXPECT_TRUE(c.hasLine({280, 380}, {280, 355}));

    // floor blocks on the slab, unlabelled
    EXPECT_TRUE(c.hasLine({256, 158}, {256, 155}));
    EXPECT_TRUE(HasHorizontal(c, 148, 256, 423));
    EXPECT_TRUE(HasHorizontal(c, 148, 73, 240));
    // roof arrow on the wall axis, full length against its own value, the
    // value centred above it
    const DrawOp* roof = PolygonStartingAt(c, {248, 159});
    ASSERT_NE(roof, nullptr);
    EXPECT_EQ(roof->points[3].Y, 159 - 42);
    EXPECT_EQ(roof->brush.color, colors[dcForce]);
    EXPECT_TEXT_AT(c, "10,00", 248 - 17, 159 - 43 - 3 - 13);
    // spans 20 below the ring beam, the heights' line 8 right of the floors
    EXPECT_TRUE(HasHorizontal(c, 193, 255, 423));
    EXPECT_TRUE(HasHorizontal(c, 193, 73, 241));
    bool height = false;
    for (const DrawOp& op : c.lines())
        if (op.points[0].X == 431 && op.points[1].X == 431 && std::min(op.points[0].Y, op.points[1].Y) <= 173 &&
            std::max(op.points[0].Y, op.points[1].Y) >= 341)
            height = true;
    EXPECT_TRUE(height);
    // the storey's values in two rows about the band's middle (250), the
    // right ones from 431 + 6, the left ones ending 6 left of the floor
    EXPECT_TEXT_AT(c, "h=3,00", 437, 236);
    EXPECT_TEXT_AT(c, "t=0,25", 437 + 48, 236);
    EXPECT_TEXT_AT(c, "kond. n+1", 437 + 96, 236);
    EXPECT_TEXT_AT(c, "g+p= 7,00", 437, 251);
    EXPECT_TEXT_AT(c, "g+p= 5,50", 67 - 63, 236);
    const auto t = TextSet(c);
    EXPECT_EQ(t.count("l=6,00"), 2u);
    EXPECT_EQ(t.count("poziom zbierania obciążenia"), 1u);
    // the collected force: tip on the level, body below it, its name left
    // of the element's wall below the level element
    const DrawOp* f = PolygonStartingAt(c, {248, 341});
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->points[3].Y, 341 + 32);
    EXPECT_EQ(f->brush.color, colors[dcReactions]);
    EXPECT_TEXT_AT(c, "F", 241 - 5 - 3 - 7, 341 + 32 - 13);
    ExpectInside(c, {600, 500});
}

TEST(LoadCollectionScheme, BasementVariantDrawsTheSlabOverTheBasement)
{
    // "g= 4,00" left (49 + 6 = 55); the slab's two rows below the caption:
    // bottom 4 + 25 + 3 + 13 + 2 + 13 = 60. Scale = (592 - 55 - 173) / 6.25
    // = 58.24; the axis at 4 + 182 + 55 = 241, X0 = 234;
    // Y0 = 63 + (500 - 63 - 264) div 2 = 149; the slab's bottom at 353.
    Sample s;
    const TDrawingColors colors = GradedColors();
    RecordingCanvas c;
    DrawLoadCollectionScheme(c, {600, 500}, true, s.loads, s.in, colors, 0);
    const DrawOp* slab = PolygonStartingAt(c, {234, 346});
    ASSERT_NE(slab, nullptr);
    EXPECT_EQ(slab->brush.style, TBrushStyle::Solid);
    EXPECT_EQ(slab->points[4].X, 423);
    EXPECT_TRUE(c.hasLine({234, 382}, {234, 353}));
    EXPECT_TRUE(c.hasLine({274, 378}, {274, 353}));  // level mark below the slab
    const auto t = TextSet(c);
    // permanent loads only, named "g", the slab over the basement included
    EXPECT_EQ(t.count("g= 5,00"), 1u);
    EXPECT_EQ(t.count("g= 4,00"), 1u);
    EXPECT_EQ(t.count("l=6,00"), 4u);
    EXPECT_TRUE(HasHorizontal(c, 353 + 35, 249, 423));  // its spans 35 lower
    // the slab's values below the caption, in the storeys' columns
    EXPECT_TEXT_AT(c, "g= 6,00", 423 + 14, 381);
    EXPECT_TEXT_AT(c, "g= 3,00", 59 - 6 - 49, 381);
    EXPECT_NE(PolygonStartingAt(c, {241, 353}), nullptr);  // F under the slab
    ExpectInside(c, {600, 500});

    // the slab entry in its own units gives the same drawing
    Sample cm = s;
    cm.loads.hw[9] = 25;
    cm.loads.Unit_hw[9] = 1;
    cm.loads.lo_P[9] = 6000;
    cm.loads.Unit_lo_P[9] = 2;
    RecordingCanvas d;
    DrawLoadCollectionScheme(d, {600, 500}, true, cm.loads, cm.in, colors, 0);
    const DrawOp* slab2 = PolygonStartingAt(d, {234, 346});
    ASSERT_NE(slab2, nullptr);
    EXPECT_EQ(slab2->points[4].X, 423);
    EXPECT_EQ(d.ops.size(), c.ops.size());
}

TEST(LoadCollectionScheme, GivenLoadsDrawArrowsAgainstTheLargestMagnitude)
{
    // Values "30,00" left (35 + 6), "kond. n+1" right (63 + 14); the reversed
    // left arrow reaches 47 above the floor: top 4 + 48. Scale = (592 - 41 -
    // 77) / 6.25 = 75.84, X0 = 282 - 9 = 273, Y0 = 52 + 67 = 119.
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
    const DrawOp* right = PolygonStartingAt(c, {293, 118});
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->points[3].Y, 118 - 12 - 22);
    // the negative left arrow is reversed, as long as its value plus the head (47)
    const DrawOp* left = PolygonStartingAt(c, {272, 118 - 47});
    ASSERT_NE(left, nullptr);
    const auto t = TextSet(c);
    EXPECT_EQ(t.count("20,00"), 1u);
    EXPECT_EQ(t.count("30,00"), 1u);
    // unlabelled blocks, no span, height or thickness values, no roof arrow
    EXPECT_TRUE(HasHorizontal(c, 108, 293, 519));
    for (const std::string& text : t) {
        EXPECT_EQ(text.find("g+p"), std::string::npos) << text;
        EXPECT_EQ(text.find("l="), std::string::npos) << text;
        EXPECT_EQ(text.find("h="), std::string::npos) << text;
    }
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
    EXPECT_EQ(t.count("t=0,25"), 3u);
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

// At the dialog's smallest paint box and the one it opens with, every storey
// count, both variants, floors on either side, on both or on none, given as
// loads or as forces, thin and thick walls, in the screen's font and in one
// too large for nine storeys' rows (the scheme takes a smaller one and hands
// the caller's back): each label whole, clear of the others (turned ones
// too) and of every line, halo or not.
TEST(LoadCollectionScheme, LabelsStandClearAtEveryStoreyCount)
{
    test::EnsureGuiApp();
    const char oldSep = DecimalSeparator();
    SetDecimalSeparator(',');
    const TDrawingColors colors = GradedColors();
    auto joined = [](const test::Findings& f) {
        std::string out;
        for (const std::string& s : f) out += "\n  " + s;
        return out;
    };
    struct Floors {
        const char* name;
        bool left, right, forces;
    };
    static constexpr Floors kFloors[] = {{"both floors", true, true, false},
                                         {"right floor", false, true, false},
                                         {"left floor", true, false, false},
                                         {"no floor", false, false, false},
                                         {"forces", true, true, true}};
    int drawn = 0;
    for (const double points : {8.0, 12.0})
    for (const QSize size : {QSize(360, 420), QSize(360, 522)})
        for (bool basement : {false, true})
            for (const Floors& fl : kFloors)
                for (double t : {0.12, 0.27, 0.51})
                    for (int n = 1; n <= 10; ++n) {
                        SCOPED_TRACE(std::string(basement ? "basement, " : "wall, ") + fl.name + ", t " +
                                     std::to_string(t) + ", " + std::to_string(n) + " storeys, height " +
                                     std::to_string(size.height()) + ", " + std::to_string(points) + " pt");
                        Sample s;
                        s.loads.StoreyCount = n;
                        for (int e = 0; e < 10; ++e) {
                            s.loads.t[e] = t;
                            s.loads.strop_L[e] = fl.left;
                            s.loads.strop_P[e] = fl.right;
                            s.loads.SlTyp[e] = s.loads.SpTyp[e] = fl.forces ? 1 : 0;
                            s.loads.Fl[e] = 12.5;
                            s.loads.Fp[e] = 20.25;
                            s.loads.gP[e] = 5;
                            s.loads.pP[e] = 2.2;
                            s.loads.gL[e] = 4;
                            s.loads.pL[e] = 1.5;
                        }
                        s.in.t = t * 100;
                        test::TracingCanvas c(size, false, clWhite);
                        c.font.size = points;
                        DrawLoadCollectionScheme(c, c.size(), basement, s.loads, s.in, colors, 0);
                        EXPECT_EQ(c.font.size, points);
                        const test::LabelFindings f = test::CheckLabels(c, true, false);
                        EXPECT_GE(c.texts.size(), std::size_t(2 * std::min(n, 9)));
                        EXPECT_TRUE(f.cut.empty()) << joined(f.cut);
                        EXPECT_TRUE(f.overlaps.empty()) << joined(f.overlaps);
                        EXPECT_TRUE(f.crossings.empty()) << joined(f.crossings);
                        EXPECT_TRUE(f.doubled.empty()) << joined(f.doubled);
                        ++drawn;
                        if (const char* dir = std::getenv("ORV_SCHEME_PNG_DIR"))
                            c.image().save(QString(dir) + "/scheme_loads_" + (basement ? "b" : "w") +
                                           QString::number(n) + "_" + QString::number(&fl - kFloors) + "_" +
                                           QString::number(int(t * 100)) + "_" + QString::number(size.height()) +
                                           "_" + QString::number(points) + ".png");
                    }
    EXPECT_EQ(drawn, 1200);
    SetDecimalSeparator(oldSep);
}
