// Every scheme draws every finite record without reading outside its data:
// each dimension of each case, of its openings and of the load compilation
// set in turn to huge, tiny, zero and negative values, drawn as the scheme
// box, an image and the recorded picture draw it. The drawing may be empty;
// what is drawn stays near its area and shows no non-finite number. (The
// drawing tests are also built with AddressSanitizer, which reports any
// read past a buffer these drawings make.)
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/ZunCalc.h"
#include "core/ZunEditor.h"
#include "drawing/ZunPaint.h"
#include "drawing/ZunPaintLoadSymbols.h"
#include "fuzz/SeedData.h"
#include "tests/drawing/support/RecordingCanvas.h"
#include "tests/drawing/support/SchemeTestData.h"

using namespace orv;
using namespace orv::test;

namespace {

const double kExtremes[] = {1e9, 1e6, 1e-9, 0.0, -1.0, -1e9};

// An element of the case with the loads a user gives it (the fuzz seeds').
TCalcInput Element(int calcCase)
{
    TCalcInput in;
    orvfuzz::SeedInput(calcCase, in);
    return in;
}

// The offsets of every length of an element: the editor's fields in cm
// and the openings' corners and sizes.
std::vector<std::size_t> Dimensions()
{
    std::vector<std::size_t> out;
    for (const TNumericField& f : NumericFields())
        if (std::string(f.unit) == "cm") out.push_back(f.offset);
    for (std::size_t w = 0; w < 2; ++w)
        for (std::size_t k = 0; k < 4; ++k)
            out.push_back(offsetof(TCalcInput, Okna) + w * sizeof(TOpening) + k * sizeof(double));
    return out;
}

// Nothing drawn lies far beyond the area (the drawing limits reach the
// area's size beyond it, symbols at a limited point a little more), and no
// text shows a non-finite number.
void ExpectSound(const RecordingCanvas& c, TPoint size)
{
    const int mx = 2 * std::max(size.X, size.Y);
    for (const DrawOp& op : c.ops) {
        for (const TPoint& p : op.points) {
            EXPECT_GE(p.X, -mx);
            EXPECT_GE(p.Y, -mx);
            EXPECT_LE(p.X, size.X + mx);
            EXPECT_LE(p.Y, size.Y + mx);
        }
        if (op.kind == DrawOp::Text) {
            EXPECT_EQ(op.text.find("NAN"), std::string::npos) << op.text;
            EXPECT_EQ(op.text.find("INF"), std::string::npos) << op.text;
        }
    }
}

void DrawEveryWay(const TCalcInput& in)
{
    const TCalcResults r = Calculated(in);
    const TDrawingColors colors = DefaultColors();
    const TPoint size{480, 360};
    RecordingCanvas c = PresetCanvas();
    DrawCaseScheme(c, size, in, r, colors);
    ExpectSound(c, size);

    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterCanvas pc(painter);
        DrawCaseScheme(pc, {image.width(), image.height()}, in, r, colors);
    }

    TProjectHeader header{};
    InitProjectHeader("", header);
    TSchemePicture pic;
    DrawCaseSchemeMetafile(pic, in, r, header, colors);
}

class EveryCase : public ::testing::TestWithParam<int> {};

TEST_P(EveryCase, DrawsEveryDimensionAtItsExtremes)
{
    EnsureGuiApp();
    const TCalcInput base = Element(GetParam());
    for (const std::size_t offset : Dimensions())
        for (const double v : kExtremes) {
            SCOPED_TRACE("offset " + std::to_string(offset) + " = " + std::to_string(v));
            TCalcInput in = base;
            WriteField(in, offset, v);
            DrawEveryWay(in);
        }
}

TEST_P(EveryCase, DrawsAllItsDimensionsHugeOrTinyAtOnce)
{
    EnsureGuiApp();
    for (const double v : kExtremes) {
        SCOPED_TRACE(std::to_string(v));
        TCalcInput in = Element(GetParam());
        for (const std::size_t offset : Dimensions()) WriteField(in, offset, v);
        DrawEveryWay(in);
    }
}

INSTANTIATE_TEST_SUITE_P(Schemes, EveryCase, ::testing::Range(0, int(CalcCaseCount)));

TEST(ConcentratedLoadScheme, WallThickerThanTheDrawingIsScaledToNothing)
{
    // t = 1e9 cm: the front outline shrinks under a pixel; nothing to draw
    EnsureGuiApp();
    for (const double t : {1e9, 1e6}) {
        TCalcInput in = Element(ccConcentratedLoad);
        in.t = t;
        DrawnWithBounds d;
        d.drawn = DrawConcentratedLoadWall(d.c, {480, 360}, in, Calculated(in), false, DefaultColors(), 0, d.bounds);
        ExpectSound(d.c, {480, 360});
        for (const DrawOp& op : d.c.of(DrawOp::Polygon)) EXPECT_GE(op.points.size(), 3u);
        TSchemePicture pic;
        DrawConcentratedLoadWallMetafile(pic, in, Calculated(in), 10, 8, false, DefaultColors());
    }
}

TEST(OpeningsScheme, DrawsEveryLengthAtItsExtremes)
{
    // the wall's and the openings' dimensions, and the opening being defined
    EnsureGuiApp();
    const TCalcInput base = Element(ccWallHorizontal);
    std::vector<std::size_t> offsets = {offsetof(TCalcInput, l), offsetof(TCalcInput, h)};
    for (std::size_t k = 0; k < 4; ++k) offsets.push_back(offsetof(TCalcInput, Okna) + k * sizeof(double));
    for (const double v : kExtremes) {
        for (const std::size_t offset : offsets) {
            TCalcInput in = base;
            WriteField(in, offset, v);
            RecordingCanvas c = PresetCanvas();
            TRect r;
            double scale = 0;
            DrawOpeningsScheme(c, {0, 0, 600, 400}, in, r, scale, DefaultColors(), 1, 80, 60, 120, 160);
            ExpectSound(c, {600, 400});
        }
        for (int arg = 0; arg < 4; ++arg) {
            double a[4] = {80, 60, 120, 160};
            a[arg] = v;
            RecordingCanvas c = PresetCanvas();
            TRect r;
            double scale = 0;
            DrawOpeningsScheme(c, {0, 0, 600, 400}, base, r, scale, DefaultColors(), 1, a[0], a[1], a[2], a[3]);
            ExpectSound(c, {600, 400});
        }
    }
}

TEST(LoadCollectionScheme, DrawsEveryLengthAtItsExtremes)
{
    EnsureGuiApp();
    auto loads = std::make_unique<TLoadCompilation>();
    std::memset(loads.get(), 0, sizeof *loads);
    InitLoadCompilation(*loads);
    loads->StoreyCount = 3;
    for (int e = 0; e < 3; ++e) {
        loads->strop_L[e] = loads->strop_P[e] = loads->wieniec[e] = 1;
        loads->gL[e] = loads->gP[e] = 4.2;
    }
    loads->strop_L[9] = loads->strop_P[9] = 1;
    const TCalcInput input = Element(ccBasementWall);
    for (const double v : kExtremes)
        for (const bool basement : {false, true})
            for (int field = 0; field < 7; ++field) {
                SCOPED_TRACE(std::to_string(field) + " = " + std::to_string(v));
                auto l = std::make_unique<TLoadCompilation>(*loads);
                for (int e : {0, 1, 2, 9}) {
                    double* arrays[] = {l->h, l->t, l->lo_L, l->lo_P, l->hw, l->tw};
                    if (field < 6) arrays[field][e] = v;
                }
                if (field == 6) l->F_dach = v;
                RecordingCanvas c = PresetCanvas();
                DrawLoadCollectionScheme(c, {360, 420}, basement, LoadCompilationInMetres(*l), input,
                                         DefaultColors(), 0);
                ExpectSound(c, {360, 420});
                TSchemePicture pic;
                DrawLoadCollectionSchemeMetafile(pic, basement, LoadCompilationInMetres(*l), 10, 10, input,
                                                 DefaultColors());
            }
}

} // namespace
