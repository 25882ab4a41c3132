// Every scheme keeps its ink inside the area it is given, on screen and in
// its recorded picture, with the fonts the tests pin (Liberation Sans in
// place of Arial: the metrics of the real face).
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include <cctype>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "drawing/ZunPaint.h"
#include "drawing/DimensionLines.h"
#include "drawing/DrawPrimitives.h"
#include "drawing/SchemeFit.h"
#include "drawing/ZunPaintLayout.h"
#include "tests/drawing/support/DrawChecks.h"
#include "tests/drawing/support/SchemeImage.h"
#include "tests/drawing/support/SchemeTestData.h"

using namespace orv;
using namespace orv::test;

namespace {

using DrawFn = std::function<void(Canvas&, const TPoint&)>;

struct Scheme {
    std::string name;
    DrawFn draw;
};

TCalcResults Results(double n2d)
{
    TCalcResults r;
    r.N_2d = n2d;
    r.l_eff = 80;
    r.Plates[0].EdgeLeft = r.Plates[0].EdgeRight = r.Plates[0].EdgeBottom = 1;
    return r;
}

// Elements with every part of their scheme drawn, and values long enough to
// make the labels wide.
TCalcInput Hinged(bool external)
{
    TCalcInput in = SampleInput(ccWallVerticalHinged);
    in.t = 25;
    in.h = 300;
    in.ScianaZewnetrzna = external;
    in.def_szer_wiencow = 1;
    in.ag = 15;
    in.ad = 20;
    in.Nod = 1250.5;
    in.Nsld = 320;
    in.Nspd = 210;
    in.wd = external ? -0.5 : 0;
    in.wd2 = external ? 0.8 : 0;
    return in;
}

TCalcInput Continuous(bool external)
{
    TCalcInput in = Hinged(external);
    in.Case = ccWallVerticalContinuous;
    in.g3d = in.g4d = in.g6d = in.g7d = 12.5;
    in.p3d = in.p4d = in.p6d = in.p7d = 4.25;
    in.l3 = in.l4 = in.l6 = in.l7 = 540;
    return in;
}

TCalcInput Horizontal()
{
    TCalcInput in = SampleInput(ccWallHorizontal);
    in.t = 25;
    in.h = 300;
    in.l = 400;
    in.SchematScianyTyp = 2;
    in.SchematPlytySciany = 4;
    in.wd_kNm2 = 0.55;
    return in;
}

TCalcInput Concentrated()
{
    TCalcInput in = SampleInput(ccConcentratedLoad);
    in.t = 25;
    in.h = 300;
    in.l = 400;
    in.LiczbaSilSkup = 1;
    in.Sily[0] = {1250.5, 20, 15, 100, 10};
    return in;
}

TCalcInput Basement()
{
    TCalcInput in = SampleInput(ccBasementWall);
    in.t = 38;
    in.h = 250;
    in.he = 200;
    in.N0_mb = 150.5;
    in.BasementReserved[1] = 0;
    in.BasementReserved[2] = 1.5;
    return in;
}

TCalcInput Column(u32 beams)
{
    TCalcInput in = SampleInput(ccColumn);
    in.t = 25;
    in.t2 = 38;
    in.h = 300;
    in.Sily[0].NSd = 1250.5;
    in.PodpSTyp_x = beams;
    in.PodpSTyp_y = beams;
    in.Msdx = 12.5;
    in.Msdy = -8.25;
    return in;
}

struct Compilation {
    TLoadCompilation loads;
    TCalcInput in;
    explicit Compilation(int storeys)
    {
        std::memset(&loads, 0, sizeof loads);
        InitLoadCompilation(loads);
        loads.StoreyCount = storeys;
        loads.F_dach = 25.5;
        for (int e = 0; e < 10; ++e) {
            loads.gP[e] = 5.25;
            loads.pP[e] = 2;
            loads.gL[e] = 4;
            loads.pL[e] = 1.5;
        }
        InitElementRecord(in);
        in.t = 25;
        in.l3 = 500;
        in.l4 = 500;
    }
};

std::vector<Scheme> AllSchemes()
{
    std::vector<Scheme> s;
    for (bool external : {true, false}) {
        const std::string side = external ? " external" : " internal";
        s.push_back({"case 0" + side, [external](Canvas& c, const TPoint& size) {
                         DrawHingedWall(c, size, Hinged(external), Results(1680.25), false,
                                        DefaultColors(), 0);
                     }});
        s.push_back({"case 1" + side, [external](Canvas& c, const TPoint& size) {
                         DrawContinuousWall(c, size, Continuous(external), Results(1680.25), false,
                                            DefaultColors(), 0);
                     }});
    }
    s.push_back({"case 2", [](Canvas& c, const TPoint& size) {
                     TRect b;
                     DrawHorizontalWall(c, size, Horizontal(), Results(0), false, DefaultColors(), 0, b);
                 }});
    s.push_back({"case 3", [](Canvas& c, const TPoint& size) {
                     TRect b;
                     DrawConcentratedLoadWall(c, size, Concentrated(), Results(0), false,
                                              DefaultColors(), 0, b);
                 }});
    s.push_back({"case 4", [](Canvas& c, const TPoint& size) {
                     DrawBasementWall(c, size, Basement(), Results(180.75), false, DefaultColors(), 0);
                 }});
    for (u32 beams : {0u, 1u}) {
        s.push_back({"case 5 beams " + std::to_string(beams), [beams](Canvas& c, const TPoint& size) {
                         DrawColumn(c, size, Column(beams), Results(0), false, DefaultColors(), 0);
                     }});
    }
    for (bool basement : {false, true}) {
        for (int storeys : {1, 3}) {
            s.push_back({std::string("loads ") + (basement ? "basement " : "wall ") +
                             std::to_string(storeys),
                         [basement, storeys](Canvas& c, const TPoint& size) {
                             const Compilation k(storeys);
                             DrawLoadCollectionScheme(c, size, basement, k.loads, k.in,
                                                      DefaultColors(), 0);
                         }});
        }
    }
    return s;
}

} // namespace

TEST(SchemeFit, TheTestsDrawInThePinnedFaces)
{
    EnsureGuiApp();
    // "Arial" is Liberation Sans, whose advance widths are Arial's: "0" is
    // 1139 of 2048 units, 8 pt at 96 dpi is 10.67 px, so "00000" is 29.66 px
    const QFont arial("Arial", 8);
    EXPECT_EQ(QFontInfo(arial).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(QFont("Times New Roman", 8)).family(), "Liberation Serif");
    QFont px("Arial");
    px.setPixelSize(2048);
    EXPECT_EQ(QFontMetrics(px).horizontalAdvance("0"), 1139);
}

class EveryScheme : public ::testing::TestWithParam<int> {
protected:
    static const Scheme& scheme()
    {
        static const std::vector<Scheme> all = AllSchemes();
        return all.at(std::size_t(GetParam()));
    }
};

TEST_P(EveryScheme, InkInsideTheAreaOnScreen)
{
    const QSize sizes[] = {{320, 260}, {480, 360}, {640, 420}, {800, 600}, {1100, 700}};
    for (const QSize& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
        const AreaInk ink = DrawInArea(size, 40, false, scheme().draw);
        EXPECT_GT(ink.total, 500);
        EXPECT_EQ(ink.outside, 0) << ink.overrun();
    }
}

TEST_P(EveryScheme, InkInsideThePictureFrame)
{
    // frames at the reference resolution of figures of 10 x 8 and 7 x 6 cm
    const QSize frames[] = {{3780, 3024}, {2646, 2268}};
    for (const QSize& size : frames) {
        SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
        const AreaInk ink = DrawInArea(size, 200, true, scheme().draw);
        EXPECT_GT(ink.total, 5000);
        EXPECT_EQ(ink.outside, 0) << ink.overrun();
    }
}

// A scheme on a canvas as new is laid out once, in the fitting pass, and
// drawn from what that pass recorded; on any other canvas it is laid out
// again at the placement found. Both give the same operations in the same
// fonts, pens and brushes, and leave the canvas alike.
TEST_P(EveryScheme, DrawnFromItsFittingPassAsWhenLaidOutAgain)
{
    auto sameFont = [](const TCanvasFont& a, const TCanvasFont& b) {
        return a.name == b.name && a.size == b.size && a.style == b.style && a.charSet == b.charSet &&
               a.pitch == b.pitch && a.color == b.color && a.escapement == b.escapement;
    };
    auto sameLook = [&](const TCanvasFont& f, const TCanvasPen& p, const TCanvasBrush& b, const TCanvasFont& g,
                        const TCanvasPen& q, const TCanvasBrush& c) {
        return sameFont(f, g) && p.color == q.color && p.width == q.width && p.style == q.style &&
               p.mode == q.mode && b.color == c.color && b.style == c.style;
    };
    // small areas make the labels stick out, so that the drawing moves in
    for (const TPoint size : {TPoint{160, 130}, TPoint{320, 260}, TPoint{800, 600}}) {
        SCOPED_TRACE(std::to_string(size.X) + " x " + std::to_string(size.Y));
        RecordingCanvas once;
        scheme().draw(once, size);
        RecordingCanvas again;
        again.moveTo(-1, -1);  // not as a new canvas
        scheme().draw(again, size);
        ASSERT_EQ(once.ops.size(), again.ops.size());
        if (size.X >= 320) {
            EXPECT_FALSE(once.ops.empty());
        }
        for (std::size_t i = 0; i < once.ops.size(); ++i) {
            const DrawOp &a = once.ops[i], &b = again.ops[i];
            SCOPED_TRACE("operation " + std::to_string(i) + " " + a.text);
            EXPECT_EQ(a.kind, b.kind);
            EXPECT_EQ(a.points.size(), b.points.size());
            for (std::size_t k = 0; k < std::min(a.points.size(), b.points.size()); ++k) {
                EXPECT_EQ(a.points[k].X, b.points[k].X);
                EXPECT_EQ(a.points[k].Y, b.points[k].Y);
            }
            EXPECT_TRUE(a.box.Left == b.box.Left && a.box.Top == b.box.Top && a.box.Right == b.box.Right &&
                        a.box.Bottom == b.box.Bottom);
            EXPECT_EQ(a.text, b.text);
            EXPECT_TRUE(sameLook(a.font, a.pen, a.brush, b.font, b.pen, b.brush));
        }
        EXPECT_TRUE(sameLook(once.font, once.pen, once.brush, again.font, again.pen, again.brush));
    }
}

INSTANTIATE_TEST_SUITE_P(Schemes, EveryScheme, ::testing::Range(0, int(AllSchemes().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string name = AllSchemes().at(std::size_t(info.param)).name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(SchemeFit, WhatSticksOutMovesInTheRestShrinks)
{
    // a "model" line across the area 20 px from its top and a label of 13 px
    // whose cell starts 6 px above the area
    auto draw = [](Canvas& c, const TPoint& size) {
        c.drawLine({0, 20}, {size.X - 1, 20});
        c.drawLine({0, size.Y - 1}, {size.X - 1, size.Y - 1});
        c.textOut(5, -6, "abc");
    };
    RecordingCanvas c;
    const TFitPlacement at = DrawFitted(c, {200, 100}, draw);
    // drawn into 200 x 94, 6 px lower: the label's cell starts on the first row
    EXPECT_EQ(at.size.X, 200);
    EXPECT_EQ(at.size.Y, 94);
    EXPECT_EQ(at.offset.Y, 6);
    ASSERT_EQ(c.texts().size(), 1u);
    EXPECT_EQ(c.texts()[0].points[0].Y, 0);
    EXPECT_TRUE(c.hasLine({0, 26}, {199, 26}));
    EXPECT_TRUE(c.hasLine({0, 99}, {199, 99}));

    // a drawing that fits is drawn as it is, with one pass more of measuring
    RecordingCanvas d;
    const TFitPlacement same = DrawFitted(d, {200, 100}, [](Canvas& cv, const TPoint&) {
        cv.drawLine({0, 0}, {199, 99});
    });
    EXPECT_EQ(same.offset.X, 0);
    EXPECT_EQ(same.offset.Y, 0);
    EXPECT_EQ(d.ops.size(), 1u);

    // geometry far beyond the area cannot be taken in: the area stays
    RecordingCanvas e;
    const TFitPlacement beyond = DrawFitted(e, {200, 100}, [](Canvas& cv, const TPoint& size) {
        cv.drawLine({-5000, 10}, {size.X / 2, 10});
    });
    EXPECT_EQ(beyond.size.X, 200);
    EXPECT_EQ(beyond.offset.X, 0);
}

TEST(SchemeFit, InkOfTurnedTextAndWidePens)
{
    RecordingCanvas metrics;  // 7 px a character, 13 high
    InkBoundsCanvas probe(metrics);
    EXPECT_FALSE(probe.inked());
    // "abcd" turned by 90 degrees reads upwards from its origin, its cell
    // height lying to the right: x 100..112, y 72..99
    probe.font.escapement = 900;
    probe.textOut(100, 100, "abcd");
    ASSERT_TRUE(probe.inked());
    ExpectRect(probe.bounds(), 100, 72, 112, 99);
    // a pen of width 5 reaches 2 beyond the ends; a clear pen leaves no ink
    InkBoundsCanvas lines(metrics);
    lines.pen.width = 5;
    lines.drawLine({10, 10}, {20, 10});
    ExpectRect(lines.bounds(), 8, 8, 22, 12);
    lines.pen.style = TPenStyle::Clear;
    lines.drawLine({0, 0}, {100, 100});
    ExpectRect(lines.bounds(), 8, 8, 22, 12);
    // a GDI box leaves out its right and bottom edges
    lines.pen.style = TPenStyle::Solid;
    lines.pen.width = 1;
    lines.rectangle({30, 30, 40, 50});
    ExpectRect(lines.bounds(), 8, 8, 39, 49);
}

// --- extreme values: every drawing steps only over what lies near its area
// (no freeze) and keeps its coordinates there (nothing saturated, no integer
// overflow)

namespace {

// A drawing steps along each of its runs only within the region it keeps to,
// so it records fewer operations than the region has pixels round its edge.
// The old loops stepped over the whole saturated run, 10^8 times; the
// recording canvas stops them at this budget.
std::size_t OpBudget(const TRect& near)
{
    return 2 * (std::size_t(near.Right - near.Left) + std::size_t(near.Bottom - near.Top));
}

// Draws on a recording canvas held to the budget of `near`, then onto an
// image of the area (the same steps at the screen font's size); whether the
// recording kept within the budget, and every recorded point and box within `near`.
struct ExtremeRun {
    bool withinBudget = true;
    bool near = true;
    std::size_t ops = 0;
};

ExtremeRun RunExtreme(TPoint size, const TRect& near, const DrawFn& draw)
{
    ExtremeRun run;
    RecordingCanvas c;
    c.opBudget = OpBudget(near);
    try {
        draw(c, size);
    } catch (const TooManyOps&) {
        run.withinBudget = false;
        return run;
    }
    run.near = AllPointsInside(c, near);
    for (std::size_t i = 0; i < c.ops.size(); ++i) {
        const DrawOp& op = c.ops[i];
        const TRect& b = op.box;
        // a label's box is as long as its text, which may be long
        const bool labelBox =
            op.kind == DrawOp::FillRect && i + 1 < c.ops.size() && c.ops[i + 1].kind == DrawOp::Text;
        if (op.kind == DrawOp::Rectangle || op.kind == DrawOp::Ellipse || op.kind == DrawOp::Arc ||
            (op.kind == DrawOp::FillRect && !labelBox))
            run.near = run.near && b.Left >= near.Left && b.Right <= near.Right && b.Top >= near.Top &&
                       b.Bottom <= near.Bottom;
    }
    run.ops = c.ops.size();
    DrawInArea(QSize(size.X, size.Y), 0, false, draw);
    return run;
}

// A scheme keeps its points within its area and as much again on each side
// (plus the symbols drawn at a point there): nothing saturated reaches the canvas.
void ExpectBoundedAndNear(TPoint size, const DrawFn& draw)
{
    const int m = 2 * std::max(size.X, size.Y);
    const ExtremeRun run = RunExtreme(size, {-m, -m, size.X + m, size.Y + m}, draw);
    EXPECT_TRUE(run.withinBudget);
    EXPECT_TRUE(run.near);
    EXPECT_GT(run.ops, 0u);
}

constexpr double kHuge = 1e9;    // cm: ten thousand kilometres
constexpr double kVast = 1e15;   // beyond any 32-bit pixel coordinate

} // namespace

TEST(ExtremeValues, OpeningOfAThousandKilometres)
{
    const TCalcInput in = Horizontal();
    for (double v : {kHuge, kVast, -kVast}) {
        SCOPED_TRACE(v);
        ExpectBoundedAndNear({600, 400}, [&](Canvas& c, const TPoint& size) {
            TRect opening;
            double scale = 0;
            DrawOpeningsScheme(c, {0, 0, size.X, size.Y}, in, opening, scale, DefaultColors(), 1, v, 0, v, 100);
            DrawOpeningsScheme(c, {0, 0, size.X, size.Y}, in, opening, scale, DefaultColors(), 1, 50, v, 100, v);
        });
    }
}

TEST(ExtremeValues, LoadSchemeWithAHugeWallAndSpans)
{
    for (double v : {kHuge, kVast}) {
        SCOPED_TRACE(v);
        for (bool basement : {false, true}) {
            Compilation k(2);
            k.in.t = v;   // the element's wall below the level, in cm
            k.in.l3 = v;
            k.in.l4 = v;
            k.loads.lo_P[9] = v / 100;  // the slab over the basement, in m
            k.loads.hw[9] = v / 100;
            k.loads.tw[9] = v / 100;
            ExpectBoundedAndNear({600, 500}, [&](Canvas& c, const TPoint& size) {
                DrawLoadCollectionScheme(c, size, basement, k.loads, k.in, DefaultColors(), 0);
            });
        }
        Compilation tall(1);
        tall.loads.h[0] = v;  // a storey of that height: the stack is scaled down
        tall.loads.lo_L[0] = v;
        ExpectBoundedAndNear({600, 500}, [&](Canvas& c, const TPoint& size) {
            DrawLoadCollectionScheme(c, size, false, tall.loads, tall.in, DefaultColors(), 0);
        });
    }
}

TEST(ExtremeValues, WallSchemesWithValuesBeyondTheirLayout)
{
    for (double v : {kHuge, kVast}) {
        SCOPED_TRACE(v);
        TCalcInput c0 = Hinged(true);
        c0.ag = v;
        c0.ad = -v;
        c0.Nod = v;
        ExpectBoundedAndNear({640, 420}, [&](Canvas& c, const TPoint& size) {
            DrawHingedWall(c, size, c0, Results(-v), false, DefaultColors(), 0);
        });
        TCalcInput c1 = Continuous(true);
        c1.ag = v;
        c1.l3 = v;
        c1.g3d = v;
        ExpectBoundedAndNear({640, 420}, [&](Canvas& c, const TPoint& size) {
            DrawContinuousWall(c, size, c1, Results(v), false, DefaultColors(), 0);
        });
        TCalcInput c2 = Horizontal();
        c2.ScianaZOtworami = 1;
        TCalcResults r2 = Results(0);
        r2.PlateCount = 1;
        r2.Plates[0] = {v, v, -v, v, 1, 2, 2, 2, 2, 0};
        ExpectBoundedAndNear({640, 420}, [&](Canvas& c, const TPoint& size) {
            TRect b;
            DrawHorizontalWall(c, size, c2, r2, false, DefaultColors(), 0, b);
        });
        for (int field = 0; field < 4; ++field) {
            TCalcInput c3 = Concentrated();
            if (field == 0) c3.Sily[0].a1 = v;
            if (field == 1) c3.Sily[0].aL = v;
            if (field == 2) c3.Sily[0].hN = v;
            if (field == 3) c3.Sily[0].aT = -v;
            TCalcResults r3 = Results(0);
            r3.l_eff = v;
            ExpectBoundedAndNear({640, 420}, [&](Canvas& c, const TPoint& size) {
                TRect b;
                DrawConcentratedLoadWall(c, size, c3, r3, false, DefaultColors(), 0, b);
            });
        }
        TCalcInput c4 = Basement();
        c4.BasementReserved[1] = v;  // a surcharge at 10^9 m
        c4.BasementReserved[2] = v;
        ExpectBoundedAndNear({800, 600}, [&](Canvas& c, const TPoint& size) {
            DrawBasementWall(c, size, c4, Results(v), false, DefaultColors(), 0);
        });
    }
}

TEST(ExtremeValues, PierOfAMicrometre)
{
    // a pier of 10^-6 cm is laid out at 10^8 px/cm, its base plane (10 cm
    // round the section) and its beams (20 cm) far beyond the area
    for (double v : {1e-6, 1e-12}) {
        SCOPED_TRACE(v);
        TCalcInput in = Column(1);
        in.t = in.t2 = in.h = v;
        in.PodpSTyp_x = in.PodpSTyp_y = 0;  // no beams: the layout fits the pier alone
        in.Msdx = 1e300;
        ExpectBoundedAndNear({600, 500}, [&](Canvas& c, const TPoint& size) {
            DrawColumn(c, size, in, Results(0), false, DefaultColors(), 0);
        });
    }
}

TEST(ExtremeValues, FigureOfTenKilometres)
{
    EnsureGuiApp();
    TProjectHeader header{};
    for (int i = 0; i < 10; ++i) header.FigureSize[i] = 1e6;
    for (u8 c = 0; c < CalcCaseCount; ++c) {
        TCalcInput in = c == 0 ? Hinged(true) : c == 1 ? Continuous(true) : c == 2 ? Horizontal()
                      : c == 3 ? Concentrated() : c == 4 ? Basement() : Column(1);
        TSchemePicture pic;
        DrawCaseSchemeMetafile(pic, in, Results(100), header, DefaultColors());
        // a frame of 8 * 10^7 px cannot be recorded: the figure is left out
        EXPECT_TRUE(pic.isEmpty()) << int(c);
    }
    TSchemePicture pic;
    const Compilation k(2);
    DrawLoadCollectionSchemeMetafile(pic, false, k.loads, 1e6, 1e6, k.in, DefaultColors());
    EXPECT_TRUE(pic.isEmpty());
    // the largest figure that can: 86 cm, a frame of 32500 px
    DrawHingedWallMetafile(pic, Hinged(true), Results(100), 86, 86, false, DefaultColors());
    EXPECT_EQ(pic.pixelSize, QSize(32504, 32504));
}

TEST(ExtremeValues, SymbolsAndDimensionsOverHugeRuns)
{
    // ends at +-2 * 10^9 px: the symbols keep to the drawing limit and step
    // only over the part of their run within it
    const int big = 2000000000, lim = kDrawLimit + 1000;
    const ExtremeRun run = RunExtreme({600, 400}, {-lim, -lim, lim, lim}, [&](Canvas& c, const TPoint&) {
        DrawDashedLine(c, {-big, 10}, {big, 300});
        DrawDistributedLoad(c, {-big, 200}, {big, 200}, 10, 5, true, false, "q", clRed);
        DrawHorizontalLoadBand(c, {300, -big}, {300, big}, 0.5, clRed, "");
        TRect b;
        DrawDimensionH(c, {-big, 100}, {big, 100}, "4000000000", 'L', b);
        DrawDimensionV(c, {100, -big}, {100, big}, "4000000000", 'U', b);
        DrawDimensionHMarkup(c, {-big, 150}, {big, 150}, "l%Deff%N", '1', 0);
        DrawDimensionHArrow(c, {-big, 250}, {big, 250}, "l=", 'R', 0, true, true);
    });
    EXPECT_TRUE(run.withinBudget);
    EXPECT_TRUE(run.near);
}

TEST(ExtremeValues, DashesOfAClippedLineKeepTheirPlace)
{
    // dash 8, gap 4 on the recording canvas: dashes start every 12 px from
    // the line's start, which lies 10^9 px to the left (a multiple of 12)
    // only those within the drawing limit: about 65536 / 12 of them
    RecordingCanvas c;
    c.opBudget = 5600;
    ASSERT_NO_THROW(DrawDashedLine(c, {-1000000008, 5}, {100, 5}));
    const auto dashes = c.lines();
    ASSERT_GT(dashes.size(), 5000u);
    // the first is cut at the limit, the others start on their places
    EXPECT_EQ(dashes.front().points[0].X, -kDrawLimit);
    for (std::size_t i = 1; i < dashes.size(); ++i) {
        EXPECT_EQ(((dashes[i].points[0].X % 12) + 12) % 12, 0);
        EXPECT_EQ(dashes[i].points[1].X - dashes[i].points[0].X, i + 1 < dashes.size() ? 8 : 4);
    }
    // the last one stops at the end point, as on any dashed line
    EXPECT_EQ(dashes.back().points[0].X, 96);
    EXPECT_EQ(dashes.back().points[1].X, 100);
}
