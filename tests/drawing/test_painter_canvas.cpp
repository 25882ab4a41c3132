#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>

#include <functional>
#include <iterator>
#include <optional>
#include <vector>

#include "drawing/CommonColorUnit.h"
#include "drawing/DimensionLines.h"
#include "drawing/DrawPrimitives.h"
#include "drawing/MarkupText.h"
#include "drawing/ZunPaintLayout.h"
#include "tests/common/QtTestApp.h"
#include "tests/drawing/support/RecordingCanvas.h"
#include "tests/drawing/support/SchemeImage.h"

using namespace orv;
using test::InkBounds;
using test::WhiteImage;

namespace {

void SetFont(Canvas& c)
{
    c.font.name = "DejaVu Sans";
    c.font.size = 9;
}

// A wall scheme of 250 x 300 cm with every kind of symbol, drawn in Size.
void DrawSample(Canvas& c, TPoint size, const TDrawingColors& col)
{
    double scale;
    int x0, y0;
    ASSERT_TRUE(WallDrawingLayout(c, size, 0, 250, 300, 0, true, false, false, true, true, false,
                                  false, scale, x0, y0));
    auto X = [&](double x) { return x0 + RoundToInt(x * scale); };
    auto Y = [&](double y) { return y0 + RoundToInt(y * scale); };
    c.pen.color = col[dcMasonryOutline];
    c.brush.color = col[dcMasonryFill];
    c.brush.style = TBrushStyle::Solid;
    c.rectangle({X(0), Y(0), X(250), Y(300)});
    c.brush.color = col[dcSection];
    c.polygon({{X(0), Y(0)}, {X(250), Y(0)}, {X(250), Y(20)}, {X(0), Y(20)}});
    c.brush.style = TBrushStyle::Clear;
    c.pen.color = col[3];
    c.font.color = col[3];
    TRect b;
    DrawDimensionH(c, {X(0), Y(300) + SizeUnit(c, 20)}, {X(250), Y(300) + SizeUnit(c, 20)},
                   "250,0", 'A', b);
    DrawDimensionV(c, {X(250) + SizeUnit(c, 20), Y(0)}, {X(250) + SizeUnit(c, 20), Y(300)},
                   "300,0", 'A', b);
    DrawDimensionHArrow(c, {X(0), Y(0) - SizeUnit(c, 8)}, {X(250), Y(0) - SizeUnit(c, 8)},
                        "l%Deff%N", 'C', 0, true, false);
    DrawDistributedLoad(c, {X(20), Y(0)}, {X(230), Y(0)}, 6, 12.5, false, false, "q",
                        col[dcDistributedLoad]);
    DrawForceArrow(c, {X(125), Y(100)}, 0, 80, 100, 0, col[dcForce], true, 2, true);
    DrawDashedLine(c, {X(125), Y(0)}, {X(125), Y(300)});
    DrawAxisLine(c, {X(10), Y(150)}, {X(240), Y(150)}, "x");
    DrawArcThrough(c, {X(50), Y(250)}, {X(200), Y(250)}, RoundToInt(100 * scale));
    MarkupTextOut(c, X(10), Y(200), "%Ss%N%Dc%N = 1,5 %SU%N", b);
}

} // namespace

// The size unit is measured once for each font: every change that alters
// the text height gives the unit of a new canvas in that font, the colour
// and the escapement keep it.
TEST(PainterCanvas, TheSizeUnitFollowsEveryChangeOfTheFont)
{
    test::EnsureGuiApp();
    QImage img = WhiteImage(QSize(100, 100));
    QPainter p(&img);
    PainterCanvas c(p);
    SetFont(c);
    auto fresh = [&p](const TCanvasFont& font, int dpi) {
        PainterCanvas other(p);
        other.setFontDpi(dpi);
        other.font = font;
        return SizeUnit(other, 13);
    };
    const int small = SizeUnit(c, 13);
    EXPECT_EQ(small, fresh(c.font, 0));
    c.font.size = 18;
    EXPECT_GT(SizeUnit(c, 13), small);
    EXPECT_EQ(SizeUnit(c, 13), fresh(c.font, 0));
    c.font.style = fsBold | fsItalic;
    EXPECT_EQ(SizeUnit(c, 13), fresh(c.font, 0));
    c.font.name = "Times New Roman";
    EXPECT_EQ(SizeUnit(c, 13), fresh(c.font, 0));
    c.setFontDpi(600);  // fonts in pixels of a printer
    EXPECT_EQ(SizeUnit(c, 13), fresh(c.font, 600));
    EXPECT_GT(SizeUnit(c, 13), 3 * small);
    const int printed = SizeUnit(c, 13);
    c.font.color = clRed;
    c.font.escapement = 900;
    EXPECT_EQ(SizeUnit(c, 13), printed);
    c.setFontDpi(0);
    c.font = TCanvasFont{};
    SetFont(c);
    EXPECT_EQ(SizeUnit(c, 13), small);
}

// A canvas whose pen and font change back and forth between operations
// draws and measures what a new canvas in each state would.
TEST(PainterCanvas, PenAndFontChangedBetweenOperationsAreTheOnesUsed)
{
    test::EnsureGuiApp();
    struct Step {
        TColor color;
        int width;
        TPenStyle style;
        double size;
        unsigned fontStyle;
    };
    const Step steps[] = {{clRed, 1, TPenStyle::Solid, 9, 0},      {clNavy, 1, TPenStyle::Solid, 9, 0},
                          {clNavy, 3, TPenStyle::Solid, 14, fsBold}, {clNavy, 3, TPenStyle::Dash, 14, 0},
                          {clRed, 1, TPenStyle::Solid, 9, 0},      {clBtnText, 2, TPenStyle::Dot, 9, fsItalic},
                          {clRed, 1, TPenStyle::Solid, 9, fsUnderline}};
    // with one canvas throughout, or with a new one for each step
    auto draw = [&](bool oneCanvas, std::vector<TPoint>& measured) {
        QImage image = WhiteImage(QSize(200, 240));
        QPainter p(&image);
        std::optional<PainterCanvas> one, fresh;
        if (oneCanvas) one.emplace(p);
        for (int i = 0; i < int(std::size(steps)); ++i) {
            if (!oneCanvas) fresh.emplace(p);
            Canvas& c = oneCanvas ? *one : *fresh;
            SetFont(c);
            c.pen.color = c.font.color = steps[i].color;
            c.pen.width = steps[i].width;
            c.pen.style = steps[i].style;
            c.font.size = steps[i].size;
            c.font.style = steps[i].fontStyle;
            c.brush.style = TBrushStyle::Clear;
            c.drawLine({10, 10 + 30 * i}, {190, 20 + 30 * i});
            c.textOut(20, 14 + 30 * i, "Ściana 12");
            measured.push_back(c.textExtent("Ściana 12"));
        }
        return image;
    };
    std::vector<TPoint> byOne, byFresh;
    EXPECT_TRUE(draw(true, byOne) == draw(false, byFresh));
    ASSERT_EQ(byOne.size(), byFresh.size());
    for (std::size_t i = 0; i < byOne.size(); ++i) {
        EXPECT_EQ(byOne[i].X, byFresh[i].X) << i;
        EXPECT_EQ(byOne[i].Y, byFresh[i].Y) << i;
    }
    EXPECT_GT(byOne[2].Y, byOne[1].Y);  // the larger font is taken
}

// Texts in one font, with the painter's font changed by other drawing in
// between, come out in the canvas's font: drawn directly, and recorded in
// a picture and replayed.
TEST(PainterCanvas, TextKeepsItsFontWhateverThePainterWasGivenBetween)
{
    test::EnsureGuiApp();
    auto draw = [](QPainter& p) {
        PainterCanvas c(p);
        SetFont(c);
        c.font.size = 12;
        c.brush.style = TBrushStyle::Clear;
        for (int i = 0; i < 4; ++i) {
            c.textOut(10, 10 + 40 * i, "Mur 25");
            // the second time the painter was given another font, the third time the same again
            if (i == 0) p.setFont(QFont(QStringLiteral("DejaVu Serif"), 30, QFont::Bold));
            if (i == 1) p.setFont(p.font());
        }
    };
    QImage direct = WhiteImage(QSize(160, 170));
    {
        QPainter p(&direct);
        draw(p);
    }
    QPicture picture;
    {
        QPainter p(&picture);
        draw(p);
    }
    QImage replayed = WhiteImage(direct.size());
    {
        QPainter p(&replayed);
        picture.play(&p);
    }
    EXPECT_TRUE(replayed == direct);
    // every line as the first
    const QImage first = direct.copy(0, 0, 160, 40);
    for (int i = 1; i < 4; ++i) EXPECT_TRUE(direct.copy(0, 40 * i, 160, 40) == first) << i;
}

TEST(PainterCanvas, MetricsFollowTheFont)
{
    test::EnsureGuiApp();
    QImage img = WhiteImage(QSize(100, 100));
    QPainter p(&img);
    PainterCanvas c(p);
    SetFont(c);
    const int h = c.textHeight("A");
    EXPECT_GT(h, 5);
    EXPECT_EQ(c.textHeight("a"), h);  // the cell height, whatever the string
    EXPECT_EQ(c.textHeight("ŹŹ"), h);
    EXPECT_EQ(SizeUnit(c, 13), h);
    EXPECT_GT(c.textWidth("MM"), c.textWidth("M"));
    c.font.size = 18;
    EXPECT_GT(c.textHeight("A"), h);  // S(n) follows the current font
    EXPECT_FALSE(p.testRenderHint(QPainter::Antialiasing));
    // Measures are remembered per font: bold, another face or the old size
    // again each measure as a fresh canvas does.
    const int wide = c.textWidth("MMMM");
    c.font.style = fsBold;
    QImage img2 = WhiteImage(QSize(100, 100));
    QPainter p2(&img2);
    PainterCanvas fresh(p2);
    fresh.font = c.font;
    EXPECT_EQ(c.textWidth("MMMM"), fresh.textWidth("MMMM"));
    EXPECT_GE(c.textWidth("MMMM"), wide);
    c.font.style = 0;
    c.font.size = 18;
    EXPECT_EQ(c.textWidth("MMMM"), wide);
    SetFont(c);
    EXPECT_EQ(c.textHeight("A"), h);
}

TEST(PainterCanvas, TextFromTopLeftTurnedCounterClockwise)
{
    test::EnsureGuiApp();
    QImage img = WhiteImage(QSize(300, 300));
    int w, h;
    {
        QPainter p(&img);
        PainterCanvas c(p);
        SetFont(c);
        c.brush.style = TBrushStyle::Clear;
        w = c.textWidth("MMMM");
        h = c.textHeight("MMMM");
        TRect b;
        TextOutRotated(c, {100, 200}, "MMMM", b, ' ', 90);  // reads upwards from (100, 200)
    }
    const QRect ink = InkBounds(img);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 99);
    EXPECT_LE(ink.right(), 100 + h + 1);
    EXPECT_GE(ink.top(), 200 - w - 1);
    EXPECT_LE(ink.bottom(), 201);
    EXPECT_GT(ink.height(), ink.width());  // turned, not lying
}

TEST(PainterCanvas, SolidBrushPaintsBehindTextClearDoesNot)
{
    test::EnsureGuiApp();
    auto greenPixels = [](bool solid) {
        QImage img = WhiteImage(QSize(100, 40));
        {
            QPainter p(&img);
            PainterCanvas c(p);
            SetFont(c);
            c.brush.color = 0x00FF00;
            c.brush.style = solid ? TBrushStyle::Solid : TBrushStyle::Clear;
            c.font.color = 0x0000FF;  // red text, independent of the pen
            c.pen.color = clBlack;
            c.textOut(5, 5, "Ab");
        }
        int green = 0, red = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                if (img.pixel(x, y) == qRgb(0, 255, 0)) ++green;
                if (img.pixel(x, y) == qRgb(255, 0, 0)) ++red;
            }
        EXPECT_GT(red, 0);
        return green;
    };
    EXPECT_GT(greenPixels(true), 0);
    EXPECT_EQ(greenPixels(false), 0);
}

TEST(PainterCanvas, SchemeInkStaysInsideTheArea)
{
    test::EnsureGuiApp();
    QImage img = WhiteImage(QSize(600, 500));
    TDrawingColors col;
    ReadDrawingColors(col);
    {
        QPainter p(&img);
        PainterCanvas c(p);
        SetFont(c);
        DrawSample(c, {400, 300}, col);
    }
    const QRect ink = InkBounds(img);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 0);
    EXPECT_GE(ink.top(), 0);
    EXPECT_LT(ink.right(), 400);
    EXPECT_LT(ink.bottom(), 300);
}

TEST(PainterCanvas, BlackAndWhiteSetLeavesOnlyBlackAndWhite)
{
    test::EnsureGuiApp();
    QImage img = WhiteImage(QSize(400, 300));
    TDrawingColors col;
    SetMonochromeColors(col);
    {
        QPainter p(&img);
        PainterCanvas c(p);
        SetFont(c);
        DrawSample(c, {400, 300}, col);
    }
    int black = 0, other = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = img.pixel(x, y);
            if (px == qRgb(0, 0, 0))
                ++black;
            else if (px != qRgb(255, 255, 255))
                ++other;
        }
    EXPECT_GT(black, 500);
    EXPECT_EQ(other, 0);
}

namespace {

// The page streams of a PDF, inflated.
std::vector<QByteArray> PdfPageStreams(const QByteArray& pdf)
{
    std::vector<QByteArray> pages;
    for (qsizetype pos = 0; (pos = pdf.indexOf("stream\n", pos)) >= 0;) {
        pos += 7;
        const qsizetype end = pdf.indexOf("endstream", pos);
        if (end < 0) break;
        QByteArray sized(4, 0);
        sized[1] = char(0x10);  // a first guess of 1 MB; grows as needed
        const QByteArray content = qUncompress(sized + pdf.mid(pos, end - pos));
        if (content.startsWith("/GSa gs")) pages.push_back(content);
        pos = end + 9;
    }
    return pages;
}

// Two A4 pages at 1200 dpi drawn by `draw`, as a PDF.
QByteArray PdfOf(const std::function<void(QPainter&)>& draw)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(1200);
    QPainter painter(&writer);
    draw(painter);
    writer.newPage();
    draw(painter);
    painter.end();
    return pdf;
}

struct TextAt {
    int x, y;
    unsigned style;
    int pixels;
    TColor color;
    const char* text;
};

// Texts as a report writes them: labels and units over and over, the same
// text in another size or style, trailing spaces, Polish letters.
const TextAt kTexts[] = {
    {100, 100, 0, 150, clBlack, "f"},
    {150, 100, 0, 112, clBlack, "k"},
    {200, 100, 0, 150, clBlack, " = 2,50 MPa"},
    {100, 300, fsBold, 150, clBlack, "ZAŁOŻENIA:"},
    {100, 500, 0, 150, clRed, "f"},
    {150, 500, 0, 112, clBlack, "k"},
    {200, 500, 0, 150, clBlack, " = 3,75 MPa"},
    {100, 700, fsUnderline, 150, clNavy, "ściana  "},
    {900, 700, 0, 150, clBlack, "ściana  "},
    {100, 900, fsBold, 150, clBlack, " = 2,50 MPa"},
    {100, 1100, 0, 150, clBlack, " = 2,50 MPa"},
};

// Draws the texts with the canvas's font set as applyFont makes it, or,
// when `canvas` is null, with the painter's own drawText.
void DrawTexts(QPainter& painter, PainterCanvas* canvas, const std::vector<TextAt>& texts)
{
    for (const TextAt& t : texts) {
        if (canvas) {
            canvas->font.style = t.style;
            canvas->font.size = t.pixels * 72.0 / 1200;
            canvas->font.color = t.color;
            canvas->textOut(t.x, t.y, t.text);
            continue;
        }
        QFont f(QStringLiteral("Liberation Serif"));
        f.setPixelSize(t.pixels);
        f.setBold(t.style & fsBold);
        f.setItalic(false);
        f.setUnderline(t.style & fsUnderline);
        f.setStrikeOut(false);
        f.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(f);
        const QFontMetrics fm = painter.fontMetrics();
        const QPainter::CompositionMode mode = painter.compositionMode();
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        const QPen pen = painter.pen();
        painter.setPen(ColorToQColor(t.color));
        painter.drawText(t.x, t.y + fm.ascent(), QString::fromUtf8(t.text));
        painter.setPen(pen);
        painter.setCompositionMode(mode);
    }
}

// The same texts on a PDF drawn by the canvas and by the painter alone.
void ExpectCanvasPdfAsPainters(const std::vector<TextAt>& texts)
{
    const QByteArray shaped = PdfOf([&](QPainter& painter) {
        PainterCanvas canvas(painter);
        canvas.setFontDpi(1200);
        canvas.brush.style = TBrushStyle::Clear;
        canvas.font.name = "Liberation Serif";
        DrawTexts(painter, &canvas, texts);
    });
    const QByteArray direct = PdfOf([&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        DrawTexts(painter, nullptr, texts);
    });
    const std::vector<QByteArray> pages = PdfPageStreams(shaped);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_GE(pages[0].count("Tj"), qsizetype(texts.size()));
    EXPECT_TRUE(pages == PdfPageStreams(direct));
}

} // namespace

// On a PDF page a text is shaped once and written again wherever it
// recurs: every page's stream is the one Qt writes for the painter's own
// drawText at the base line, fonts, colours, underlines and spaces alike.
TEST(PainterCanvas, TextOnAPdfPageIsWrittenAsThePaintersOwnText)
{
    orvtest::EnsureApp();
    std::vector<TextAt> texts(std::begin(kTexts), std::end(kTexts));
    for (const TextAt& t : kTexts) texts.push_back({t.x, t.y + 1500, t.style, t.pixels, t.color, t.text});
    ExpectCanvasPdfAsPainters(texts);
}

// A long report's texts are let go once they are many, and shaped again.
TEST(PainterCanvas, TextsShapedAgainAfterManyOthersAreWrittenAlike)
{
    orvtest::EnsureApp();
    std::vector<std::string> numbers;
    for (int i = 0; i < 4200; ++i) numbers.push_back(std::to_string(i * 7) + ",5");
    std::vector<TextAt> texts;
    for (int i = 0; i < 4200; ++i)
        texts.push_back({100 + i % 20 * 400, 100 + i / 20 * 60, 0, 50, clBlack, numbers[i].c_str()});
    for (const TextAt& t : kTexts) texts.push_back({t.x, t.y + 12000, t.style, t.pixels, t.color, t.text});
    for (int i = 0; i < 40; ++i)
        texts.push_back({100 + i % 20 * 400, 12500 + i / 20 * 60, 0, 50, clBlack, numbers[i].c_str()});
    ExpectCanvasPdfAsPainters(texts);
}
