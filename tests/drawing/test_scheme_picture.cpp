// Recorded scheme pictures: physical size, pixel frame, crop and replay.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QGuiApplication>
#include <QPainter>

#include <cmath>

#include "drawing/SchemePicture.h"
#include "tests/drawing/support/SchemeImage.h"

using namespace orv;

namespace {

void box(Canvas& c, const TRect& r)
{
    c.pen.color = clBlack;
    c.brush.color = clBlack;
    c.rectangle(r);
}
} // namespace

TEST(SchemePicture, FrameOfAFigure)
{
    orvtest::EnsureApp();
    TSchemePicture pic;
    TPoint seen{};
    double fontSize = 0;
    std::string fontName;
    RecordSchemePicture(pic, 10, 8, [&](Canvas& c, const TPoint& size) {
        seen = size;
        fontSize = c.font.size;
        fontName = c.font.name;
        box(c, {10, 10, 50, 50});
    });
    EXPECT_EQ(pic.mmSize, QSize(100000, 80000));
    // 100 cm at 96 dpi: 1000 / 25.4 x 96 = 3779.5 px
    EXPECT_EQ(pic.pixelSize, QSize(3780, 3024));
    EXPECT_EQ(seen.X, 3780);
    EXPECT_EQ(seen.Y, 3024);
    EXPECT_EQ(fontName, "Arial");
    EXPECT_EQ(fontSize, 65.0);

    for (double bad : {0.0, -3.0, std::nan(""), HUGE_VAL}) {
        bool called = false;
        RecordSchemePicture(pic, bad, 8, [&](Canvas&, const TPoint&) { called = true; });
        EXPECT_TRUE(pic.isEmpty());
        EXPECT_FALSE(called);
    }
}

TEST(SchemePicture, CropKeepsTheRatioOfPixelsToSize)
{
    orvtest::EnsureApp();
    TSchemePicture pic;
    RecordCroppedSchemePicture(pic, 10, 8, [&](Canvas& c, const TPoint&, TRect& bounds) {
        box(c, {40, 30, 540, 430});
        bounds = {40, 30, 540, 430};
        return true;
    });
    EXPECT_EQ(pic.pixelSize, QSize(500, 400));
    EXPECT_NEAR(pic.mmSize.width(), 100000.0 * 500 / 3780, 1);
    EXPECT_NEAR(pic.mmSize.height(), 80000.0 * 400 / 3024, 1);
    // the picture starts at its top-left corner
    const QImage img = SchemePictureToImage(pic);
    ASSERT_EQ(img.size(), QSize(500, 400));
    EXPECT_EQ(img.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(250, 200), QColor(Qt::black));

    RecordCroppedSchemePicture(pic, 10, 8, [&](Canvas&, const TPoint&, TRect&) { return false; });
    EXPECT_TRUE(pic.isEmpty());
    EXPECT_TRUE(SchemePictureToPng(pic).isEmpty());
}

TEST(SchemePicture, ReplayMatchesDirectDrawing)
{
    orvtest::EnsureApp();
    auto draw = [](Canvas& c, const TPoint&) {
        box(c, {100, 100, 1200, 900});
        c.pen.color = clRed;
        c.drawLine({0, 0}, {3779, 3023});
    };
    TSchemePicture pic;
    RecordSchemePicture(pic, 10, 8, draw);
    const QImage replayed = SchemePictureToImage(pic);

    QImage direct = test::WhiteImage(pic.pixelSize);
    {
        QPainter p(&direct);
        PainterCanvas c(p);
        draw(c, {direct.width(), direct.height()});
    }
    const int differing = test::SamplePixels(direct, replayed, 7).differing;
    EXPECT_LT(differing, 20);

    // scaled down to the figure's size on a 300 dpi page: still the same proportions
    const QImage small = SchemePictureToImage(pic, QSize(1181, 945));
    EXPECT_EQ(small.pixelColor(RoundToInt(650 * 1181.0 / 3780), RoundToInt(500 * 945.0 / 3024)), QColor(Qt::black));
    EXPECT_EQ(small.pixelColor(RoundToInt(2000 * 1181.0 / 3780), RoundToInt(500 * 945.0 / 3024)), QColor(Qt::white));

    const QByteArray png = SchemePictureToPng(pic);
    EXPECT_TRUE(png.startsWith("\x89PNG"));
    const QByteArray svg = SchemePictureToSvg(pic);
    EXPECT_TRUE(svg.contains("<svg"));
}
