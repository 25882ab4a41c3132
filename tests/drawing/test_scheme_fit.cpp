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
#include "drawing/SchemeFit.h"
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
