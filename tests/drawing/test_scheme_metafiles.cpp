// Scheme pictures of the design cases: frame and physical size, crop,
// empty pictures, replay against direct drawing, figure size by case.
#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>
#include <cstring>

#include "tests/drawing/support/SchemeImage.h"
#include "tests/drawing/support/SchemeTestData.h"
#include "drawing/ZunPaint.h"
#include "drawing/DrawPrimitives.h"
#include "drawing/SchemeFit.h"

using namespace orv;
using namespace orv::test;

namespace {

TCalcInput Element(u8 calcCase)
{
    TCalcInput in = SampleInput(calcCase);
    in.t = 25;
    in.h = 300;
    in.l = 400;
    in.Nod = 80;
    in.Nsld = 20;
    in.wd = -0.4;
    in.Sily[0] = {120, 20, 15, 100, 10};
    in.SchematScianyTyp = 2;
    in.SchematPlytySciany = 4;
    in.wd_kNm2 = 0.5;
    return in;
}

TCalcResults Results()
{
    TCalcResults r;
    r.N_2d = 150;
    r.l_eff = 80;
    for (int i = 0; i < 1; ++i) r.Plates[i].EdgeLeft = r.Plates[i].EdgeRight = r.Plates[i].EdgeBottom = 1;
    return r;
}

// Share of sampled pixels that differ.
double Differing(const QImage& a, const QImage& b, int step = 5)
{
    int n = 0, diff = 0;
    for (int y = 0; y < a.height(); y += step)
        for (int x = 0; x < a.width(); x += step, ++n)
            if (a.pixel(x, y) != b.pixel(x, y)) ++diff;
    return n ? double(diff) / n : 1.0;
}

} // namespace

TEST(SchemeMetafiles, UncroppedPicturesOfTheFigureSize)
{
    EnsureGuiApp();
    const TDrawingColors colors = DefaultColors();
    TSchemePicture pic;
    DrawHingedWallMetafile(pic, Element(0), Results(), 10, 8, false, colors);
    EXPECT_EQ(pic.mmSize, QSize(100000, 80000));
    EXPECT_EQ(pic.pixelSize, QSize(3780, 3024));  // 100 x 80 cm at 96 dpi
    EXPECT_FALSE(pic.picture.boundingRect().isEmpty());
    DrawContinuousWallMetafile(pic, Element(1), Results(), 10, 8, false, colors);
    EXPECT_EQ(pic.mmSize, QSize(100000, 80000));

    // replayed, the picture is the direct drawing, S(3) inside the frame's edges
    const QImage replayed = SchemePictureToImage(pic);
    const QImage direct = DrawAtPictureResolution(pic.pixelSize, [&](Canvas& c, const TPoint& size) {
        const int m = SizeUnit(c, SchemeFigureMargin);
        ShiftedCanvas inside(c, {m, m});
        DrawContinuousWall(inside, {size.X - 2 * m, size.Y - 2 * m}, Element(1), Results(), false, colors, 0);
        inside.finish();
    });
    EXPECT_LT(Differing(replayed, direct), 0.01);
    EXPECT_TRUE(SchemePictureToPng(pic, QSize(378, 302)).startsWith("\x89PNG"));
    EXPECT_TRUE(SchemePictureToSvg(pic).contains("<svg"));
}

TEST(SchemeMetafiles, CroppedPicturesOfCases2And3)
{
    EnsureGuiApp();
    const TDrawingColors colors = DefaultColors();
    for (u8 c : {u8(2), u8(3)}) {
        SCOPED_TRACE(int(c));
        TSchemePicture pic;
        if (c == 2)
            DrawHorizontalWallMetafile(pic, Element(c), Results(), 10, 8, false, colors);
        else
            DrawConcentratedLoadWallMetafile(pic, Element(c), Results(), 10, 8, false, colors);
        ASSERT_FALSE(pic.isEmpty());
        // the frame is the covered rectangle of the direct drawing
        TRect b{};
        const QImage direct = DrawAtPictureResolution({3780, 3024}, [&](Canvas& cv, const TPoint& size) {
            if (c == 2)
                DrawHorizontalWall(cv, size, Element(c), Results(), false, colors, 0, b);
            else
                DrawConcentratedLoadWall(cv, size, Element(c), Results(), false, colors, 0, b);
        });
        EXPECT_EQ(pic.pixelSize, QSize(b.Right - b.Left, b.Bottom - b.Top));
        EXPECT_LT(pic.pixelSize.width(), 3780);
        // same ratio of pixels to physical size as the whole figure
        EXPECT_NEAR(pic.mmSize.width(), 100000.0 * pic.pixelSize.width() / 3780, 1);
        EXPECT_NEAR(pic.mmSize.height(), 80000.0 * pic.pixelSize.height() / 3024, 1);
        // the picture starts at the covered rectangle's corner
        const QImage replayed = SchemePictureToImage(pic);
        const QImage crop = direct.copy(b.Left, b.Top, pic.pixelSize.width(), pic.pixelSize.height());
        EXPECT_LT(Differing(replayed, crop), 0.01);
    }
}

TEST(SchemeMetafiles, DegenerateElementsGiveEmptyPictures)
{
    EnsureGuiApp();
    const TDrawingColors colors = DefaultColors();
    TSchemePicture pic;
    TCalcInput in = Element(0);
    in.h = 0;
    DrawHingedWallMetafile(pic, in, Results(), 10, 8, false, colors);
    EXPECT_TRUE(pic.isEmpty());
    in.Case = 1;
    DrawContinuousWallMetafile(pic, in, Results(), 10, 8, false, colors);
    EXPECT_TRUE(pic.isEmpty());
    in = Element(2);
    in.l = std::nan("");
    DrawHorizontalWallMetafile(pic, in, Results(), 10, 8, false, colors);
    EXPECT_TRUE(pic.isEmpty());
    in.Case = 3;
    DrawConcentratedLoadWallMetafile(pic, in, Results(), 10, 8, false, colors);
    EXPECT_TRUE(pic.isEmpty());
    EXPECT_TRUE(SchemePictureToPng(pic).isEmpty());
    // a figure of no size
    DrawHingedWallMetafile(pic, Element(0), Results(), 0, 8, false, colors);
    EXPECT_TRUE(pic.isEmpty());
}

TEST(SchemeMetafiles, FigureSizeByCaseAndRecordsUntouched)
{
    EnsureGuiApp();
    const TDrawingColors colors = DefaultColors();
    TProjectHeader header{};
    const double sizes[10] = {10, 8, 12, 9, 14, 11, 7, 6, 5, 4};
    for (int i = 0; i < 10; ++i) header.FigureSize[i] = sizes[i];
    TSchemePicture pic;
    for (u8 c : {u8(0), u8(1)}) {
        DrawCaseSchemeMetafile(pic, Element(c), Results(), header, colors);
        EXPECT_EQ(pic.mmSize, QSize(100000, 80000));
    }
    // case 2 of 12 x 9 cm: a frame of 4535 x 3402 px, cropped in that ratio
    DrawCaseSchemeMetafile(pic, Element(2), Results(), header, colors);
    ASSERT_FALSE(pic.isEmpty());
    EXPECT_NEAR(pic.mmSize.width(), 120000.0 * pic.pixelSize.width() / 4535, 1);
    EXPECT_NEAR(pic.mmSize.height(), 90000.0 * pic.pixelSize.height() / 3402, 1);
    // case 3 of 14 x 11 cm: 5291 x 4157 px
    DrawCaseSchemeMetafile(pic, Element(3), Results(), header, colors);
    ASSERT_FALSE(pic.isEmpty());
    EXPECT_NEAR(pic.mmSize.width(), 140000.0 * pic.pixelSize.width() / 5291, 1);
    EXPECT_NEAR(pic.mmSize.height(), 110000.0 * pic.pixelSize.height() / 4157, 1);
    // cases 4 and 5 take groups 4 (7 x 6 cm) and 5 (5 x 4 cm), uncropped, and draw ink
    for (u8 c : {u8(4), u8(5)}) {
        DrawCaseSchemeMetafile(pic, Element(c), Results(), header, colors);
        ASSERT_FALSE(pic.isEmpty()) << int(c);
        EXPECT_EQ(pic.mmSize, c == 4 ? QSize(70000, 60000) : QSize(50000, 40000));
        const QImage img = SchemePictureToImage(pic, QSize(400, 320));
        bool ink = false;
        for (int y = 0; y < img.height() && !ink; y += 2)
            for (int x = 0; x < img.width() && !ink; x += 2) ink = img.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_TRUE(ink) << int(c);
    }
    // a case byte outside 0..5
    TCalcInput bad = Element(0);
    bad.Case = 9;
    DrawCaseSchemeMetafile(pic, bad, Results(), header, colors);
    EXPECT_TRUE(pic.isEmpty());
    RecordingCanvas rc;
    DrawCaseScheme(rc, {600, 400}, bad, Results(), colors);
    EXPECT_TRUE(rc.ops.empty());

    // the schemes work on copies: the caller's records are left as they were
    TCalcInput in = Element(2);
    in.ScianaZOtworami = 1;
    in.LiczbaOkien = 2;
    in.Okna[0] = {300, 0, 200, 100};  // reaches beyond the wall: cut on a copy only
    in.Okna[1] = {0, 0, 0, 0};        // empty: removed on a copy only
    const TCalcInput before = in;
    DrawCaseSchemeMetafile(pic, in, Results(), header, colors);
    DrawCaseScheme(rc, {600, 400}, in, Results(), colors);
    EXPECT_EQ(std::memcmp(&before, &in, sizeof in), 0);
}

TEST(SchemeMetafiles, DispatchOnScreen)
{
    const TDrawingColors colors = SlotColors();
    for (u8 c = 0; c < 4; ++c) {
        RecordingCanvas direct, dispatched;
        TRect b;
        const TCalcInput in = Element(c);
        switch (c) {
        case 0: DrawHingedWall(direct, {600, 400}, in, Results(), false, colors, 0); break;
        case 1: DrawContinuousWall(direct, {600, 400}, in, Results(), false, colors, 0); break;
        case 2: DrawHorizontalWall(direct, {600, 400}, in, Results(), false, colors, 0, b); break;
        case 3: DrawConcentratedLoadWall(direct, {600, 400}, in, Results(), false, colors, 0, b); break;
        }
        DrawCaseScheme(dispatched, {600, 400}, in, Results(), colors);
        EXPECT_FALSE(direct.ops.empty());
        EXPECT_EQ(TextsOf(direct), TextsOf(dispatched));
        // the scheme box shows case 3 without the frame its picture carries
        const std::size_t frames = c == 3 ? 1 : 0;
        EXPECT_EQ(direct.of(DrawOp::Rectangle).size(), frames);
        EXPECT_TRUE(dispatched.of(DrawOp::Rectangle).empty());
        EXPECT_EQ(direct.ops.size(), dispatched.ops.size() + frames);
    }
}

// With ORV_SCHEME_PNG_DIR set, the pictures of a sample element of each
// case are written there for a developer to look at.
TEST(SchemeMetafiles, SamplePicturesForALook)
{
    EnsureGuiApp();
    TProjectHeader header{};
    for (int i = 0; i < 10; i += 2) {
        header.FigureSize[i] = 10;
        header.FigureSize[i + 1] = 8;
    }
    for (u8 c = 0; c < CalcCaseCount; ++c) {
        TSchemePicture pic;
        DrawCaseSchemeMetafile(pic, Element(c), Results(), header, DefaultColors());
        if (pic.isEmpty()) continue;
        // at the figure's size on a 150 dpi page
        const QSize page(RoundToInt(pic.mmSize.width() / 10.0 / 100 / 2.54 * 150),
                         RoundToInt(pic.mmSize.height() / 10.0 / 100 / 2.54 * 150));
        SaveSchemePngIfAsked(SchemePictureToImage(pic, page), "picture_case" + std::to_string(c));
    }
}
