// Recorded scheme pictures: physical size, pixel frame, crop and replay.
#include <gtest/gtest.h>

#include "tests/common/PdfPaths.h"
#include "tests/common/QtTestApp.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

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

// A figure of 10 x 8 cm whose picture holds a black box over the middle half
// of each side: 5 x 4 cm from (2.5, 2) cm. The frame is 3780 x 3024 px, the
// box its pixels 945..2834 and 756..2267.
TSchemePicture MiddleBoxFigure()
{
    TSchemePicture pic;
    RecordSchemePicture(pic, 10, 8, [](Canvas& c, const TPoint&) {
        c.brush.color = clBlack;
        c.fillRect({945, 756, 2835, 2268});
    });
    return pic;
}

double PxPerCm(double dpi) { return dpi / 2.54; }

// The figure replayed at its physical size onto an image of the resolution;
// the ink bounds in device pixels.
QRect ReplayedInkAt(int dpi)
{
    const TSchemePicture pic = MiddleBoxFigure();
    const double k = PxPerCm(dpi);
    QImage image = test::WhiteImage(QSize(RoundToInt(12 * k), RoundToInt(10 * k)));
    image.setDotsPerMeterX(RoundToInt(dpi / 0.0254));
    image.setDotsPerMeterY(RoundToInt(dpi / 0.0254));
    QPainter p(&image);
    ReplaySchemePicture(pic, p, QRectF(k, k, 10 * k, 8 * k));  // 1 cm from the corner
    p.end();
    EXPECT_EQ(image.logicalDpiX(), dpi);
    return test::InkBounds(image);
}

// Filled areas of a PDF's page content by fill colour: the bounding box, in
// points of the page, of every path filled in that colour.
std::map<QString, QRectF> PdfFillsByColour(const QByteArray& pdf)
{
    std::map<QString, QRectF> fills;
    orvtest::ForEachPdfPath(pdf, [&](const orvtest::PdfPathEnd& path) {
        if (!path.filled() || !path.hasPath) return;
        auto it = fills.find(path.fill);
        if (it == fills.end()) fills.emplace(path.fill, path.box);
        else it->second = it->second.united(path.box);
    });
    return fills;
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

TEST(SchemePicture, ReplayedAtThePhysicalSizeOnImagesOfAnyResolution)
{
    orvtest::EnsureApp();
    // replayed 1 cm from the corner, the box spans 3.5..8.5 cm across and
    // 3..7 cm down: at 96 dpi (37.795 px/cm) pixels 132.3..321.3 and
    // 113.4..264.6; at 600 dpi (236.22 px/cm) 826.8..2007.9 and 708.7..1653.5
    for (int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        const double k = PxPerCm(dpi);
        const QRect ink = ReplayedInkAt(dpi);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_NEAR(ink.left(), 3.5 * k, 1.5);
        EXPECT_NEAR(ink.top(), 3 * k, 1.5);
        EXPECT_NEAR(ink.right() + 1, 8.5 * k, 1.5);
        EXPECT_NEAR(ink.bottom() + 1, 7 * k, 1.5);
    }
}

TEST(SchemePicture, ReplayedAtThePhysicalSizeOnAPdfPrinter)
{
    orvtest::EnsureApp();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("figure.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setFullPage(true);
    const int dpi = printer.logicalDpiX();
    EXPECT_EQ(dpi, 1200);
    const double k = PxPerCm(dpi);
    {
        QPainter p(&printer);
        // the reference: where the picture's box belongs, drawn straight on the page
        p.fillRect(QRectF(3.5 * k, 3 * k, 5 * k, 4 * k), QColor(0, 255, 0));
        ReplaySchemePicture(MiddleBoxFigure(), p, QRectF(k, k, 10 * k, 8 * k));
    }
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto fills = PdfFillsByColour(f.readAll());
    ASSERT_EQ(fills.count("0 1 0"), 1u);
    ASSERT_EQ(fills.count("0 0 0"), 1u);
    const QRectF reference = fills.at("0 1 0"), box = fills.at("0 0 0");
    // 5 x 4 cm are 141.73 x 113.39 pt
    EXPECT_NEAR(reference.width(), 5 / 2.54 * 72, 0.1);
    EXPECT_NEAR(reference.height(), 4 / 2.54 * 72, 0.1);
    // the box lies on the reference to a tenth of a millimetre (0.28 pt)
    EXPECT_NEAR(box.left(), reference.left(), 0.28);
    EXPECT_NEAR(box.top(), reference.top(), 0.28);
    EXPECT_NEAR(box.right(), reference.right(), 0.28);
    EXPECT_NEAR(box.bottom(), reference.bottom(), 0.28);
}
