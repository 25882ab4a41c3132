// "Ustaw marginesy strony": the printer's geometry as listed, the lower
// limits the printer's strips set, margins that must fit the paper, the
// paper picture and the hidden test page.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include "components/Realedit.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "printing/CurrentPrinter.h"
#include "printing/MarginUnit.h"
#include "tests/core/support/TestSupport.h"
#include "tests/printing/support/PdfTools.h"

using namespace orv;

namespace {

// An A4 sheet at 600 dpi, 4960 x 7016 px, printable from (100, 150) over
// 4710 x 6766 px: strips left 100, top 150, right 4960 - 4710 - 100 = 150,
// bottom 7016 - 6766 - 150 = 100 px.
const TPageGeometry kA4{600, 600, {4960, 7016}, {4710, 6766}, {100, 150}};
// A 5 x 7 inch card at 600 dpi without strips: 3000 x 4200 px =
// 127.0 x 177.8 mm.
const TPageGeometry kCard{600, 600, {3000, 4200}, {3000, 4200}, {0, 0}};

class MarginDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        separator = DecimalSeparator();
        SetDecimalSeparator('.');
    }
    void TearDown() override { SetDecimalSeparator(separator); }

    static TSpinRealEdit* Edit(const QWidget& dlg, const char* name)
    {
        return dlg.findChild<TSpinRealEdit*>(QString::fromLatin1(name));
    }
    static QWidget* Box(const QWidget& dlg) { return dlg.findChild<QWidget*>(QStringLiteral("PB1")); }
    static void Press(const QWidget& dlg, const char* name)
    {
        QPushButton* b = dlg.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }

    char separator = '.';
};

bool IsGrey(QRgb c) { return (c & 0xFFFFFF) == 0x808080; }
bool IsBlack(QRgb c) { return (c & 0xFFFFFF) == 0; }

// The paper's outline and the dotted frame found on a picture.
struct Found {
    int paperLeft = -1, paperRight = -1, paperTop = -1, paperBottom = -1;
    int frameLeft = -1, frameRight = -1, frameTop = -1, frameBottom = -1;
};

Found Analyse(const QImage& img)
{
    Found f;
    // the outline: black pixels on the middle row and column
    const int my = img.height() / 2, mx = img.width() / 2;
    for (int x = 0; x < img.width(); ++x)
        if (IsBlack(img.pixel(x, my))) {
            if (f.paperLeft < 0) f.paperLeft = x;
            f.paperRight = x;
        }
    for (int y = 0; y < img.height(); ++y)
        if (IsBlack(img.pixel(mx, y))) {
            if (f.paperTop < 0) f.paperTop = y;
            f.paperBottom = y;
        }
    if (f.paperLeft < 0 || f.paperTop < 0) return f;
    // the frame: columns and rows inside the paper with many grey pixels
    const int h = f.paperBottom - f.paperTop, w = f.paperRight - f.paperLeft;
    for (int x = f.paperLeft + 1; x < f.paperRight; ++x) {
        int n = 0;
        for (int y = f.paperTop + 1; y < f.paperBottom; ++y) n += IsGrey(img.pixel(x, y));
        if (n > h / 4) {
            if (f.frameLeft < 0) f.frameLeft = x;
            f.frameRight = x;
        }
    }
    for (int y = f.paperTop + 1; y < f.paperBottom; ++y) {
        int n = 0;
        for (int x = f.paperLeft + 1; x < f.paperRight; ++x) n += IsGrey(img.pixel(x, y));
        if (n > w / 4) {
            if (f.frameTop < 0) f.frameTop = y;
            f.frameBottom = y;
        }
    }
    return f;
}

class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++count;
        return false;
    }
};

} // namespace

TEST_F(MarginDialog, ParametersListTheGeometryAndTheStripsSetTheLowerLimits)
{
    TMarginDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Ustaw marginesy strony");
    dlg.setPageGeometry(kA4);
    dlg.show();
    // 4960 x 25.4 / 600 = 209.973; 7016 x 25.4 / 600 = 297.011
    // 4710 x 25.4 / 600 = 199.390; 6766 x 25.4 / 600 = 286.427
    // 100 px = 4.233 mm, 150 px = 6.350 mm
    const QStringList expected{
        "PhysPage x = 4960  y =7016 pixels",    "PhysPage x = 209.97  y =297.01 mm",
        "Printer.Page x = 4710  y =6766 pixels", "Page x = 199.39  y =286.43 mm",
        "PrOrigin x = 100  y =150 pixels",       "PrOrigin x = 4.23  y =6.35 mm",
        "PrEnd x = 150  y =100 pixels",          "PrEnd x = 6.35  y =4.23 mm"};
    EXPECT_EQ(dlg.parameterLines(), expected);

    // the defaults in the fields; a 4.23 mm strip leaves the limit at
    // 5.0, a 6.35 mm strip raises it
    EXPECT_EQ(Edit(dlg, "Left1")->text(), "25.0");
    EXPECT_EQ(Edit(dlg, "Right1")->text(), "10.0");
    EXPECT_EQ(Edit(dlg, "Top1")->text(), "10.0");
    EXPECT_EQ(Edit(dlg, "Bottom1")->text(), "25.0");
    EXPECT_DOUBLE_EQ(Edit(dlg, "Left1")->minValue(), 5.0);
    EXPECT_DOUBLE_EQ(Edit(dlg, "Right1")->minValue(), 6.35);
    EXPECT_DOUBLE_EQ(Edit(dlg, "Top1")->minValue(), 6.35);
    EXPECT_DOUBLE_EQ(Edit(dlg, "Bottom1")->minValue(), 5.0);
    EXPECT_DOUBLE_EQ(Edit(dlg, "Left1")->maxValue(), 100.0);

    // a step down from 7.0 on the right stops at its 6.35 mm strip, shown
    // with one decimal
    Edit(dlg, "Right1")->setValue(7.0);
    Edit(dlg, "Right1")->DownClick();
    EXPECT_EQ(Edit(dlg, "Right1")->text(), "6.4");
    dlg.close();

    // millimetres follow the locale's separator, as the fields do
    SetDecimalSeparator(',');
    dlg.show();
    EXPECT_EQ(dlg.parameterLines()[1], "PhysPage x = 209,97  y =297,01 mm");
}

TEST_F(MarginDialog, MarginsMustFitThePaper)
{
    orvtest::MessageRecorder messages;
    TMarginDlg dlg;
    dlg.setPageGeometry(kCard);
    dlg.show();
    // 60.0 + 67.1 = 127.1 mm on a 127.0 mm card: refused, the dialog stays
    // with what was entered
    Edit(dlg, "Left1")->setText("60.0");
    Edit(dlg, "Right1")->setText("67.1");
    Press(dlg, "OKBtn");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(messages.messages[0].text, "Błąd w definicji marginesów.");
    EXPECT_EQ(messages.messages[0].type, mdError);
    EXPECT_EQ(messages.messages[0].buttons, unsigned(mbOK));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(Edit(dlg, "Right1")->text(), "67.1");
    EXPECT_DOUBLE_EQ(dlg.margins().left, 60.0);
    EXPECT_DOUBLE_EQ(dlg.margins().right, 67.1);

    // top and bottom against the height: 100.0 + 78.0 = 178.0 > 177.8
    Edit(dlg, "Right1")->setText("60.0");
    Edit(dlg, "Top1")->setText("100.0");
    Edit(dlg, "Bottom1")->setText("78.0");
    Press(dlg, "OKBtn");
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_TRUE(dlg.isVisible());

    // 60.0 + 67.0 = 127.0 exactly: accepted
    Edit(dlg, "Right1")->setText("67.0");
    Edit(dlg, "Bottom1")->setText("77.0");
    Press(dlg, "OKBtn");
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    const TPageMargins m = dlg.margins();
    EXPECT_EQ((std::vector<double>{m.left, m.right, m.top, m.bottom}),
              (std::vector<double>{60.0, 67.0, 100.0, 77.0}));
}

TEST_F(MarginDialog, PictureShowsThePaperAndTheMarginFrame)
{
    TMarginDlg dlg;
    dlg.setPageGeometry(kA4);
    dlg.setMargins({25.0, 10.0, 10.0, 25.0});
    dlg.resize(500, 400);
    dlg.show();
    QWidget* box = Box(dlg);
    ASSERT_NE(box, nullptr);

    QImage img = box->grab().toImage();
    EXPECT_EQ(img.pixel(0, 0), dlg.palette().color(QPalette::Button).rgb());
    EXPECT_EQ(img.pixel(img.width() / 2, img.height() / 2) & 0xFFFFFF, 0xFFFFFFu);  // paper
    Found f = Analyse(img);
    ASSERT_GE(f.paperLeft, 0);
    ASSERT_GE(f.frameLeft, 0);
    // The frame lies at margin / paper size of the outline's span: left
    // 25 / 209.97, right 10 / 209.97 in from its side, top 10 / 297.01,
    // bottom 25 / 297.01; one pixel for the rounding of the picture.
    const double w = f.paperRight - f.paperLeft, h = f.paperBottom - f.paperTop;
    EXPECT_NEAR(f.frameLeft, f.paperLeft + w * 25 / 209.97, 1.5);
    EXPECT_NEAR(f.frameRight, f.paperRight - w * 10 / 209.97, 1.5);
    EXPECT_NEAR(f.frameTop, f.paperTop + h * 10 / 297.01, 1.5);
    EXPECT_NEAR(f.frameBottom, f.paperBottom - h * 25 / 297.01, 1.5);
    // the frame is dotted: gaps of white along its left side
    int white = 0;
    for (int y = f.frameTop + 2; y < f.frameBottom - 1; ++y) white += (img.pixel(f.frameLeft, y) & 0xFFFFFF) == 0xFFFFFF;
    EXPECT_GT(white, (f.frameBottom - f.frameTop) / 4);

    // a step of the left field moves the frame and repaints the box
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg, orvtest::kHangMs));
    // the showing's events handled and its dirty regions painted now: a later
    // paint of the box comes from the step alone
    QApplication::processEvents();
    dlg.repaint();
    PaintCounter counter;
    box->installEventFilter(&counter);
    Edit(dlg, "Left1")->setValue(40.0);
    Edit(dlg, "Left1")->UpClick();  // 41.0
    EXPECT_DOUBLE_EQ(dlg.margins().left, 41.0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.count > 0; }, orvtest::kHangMs));
    box->removeEventFilter(&counter);
    f = Analyse(box->grab().toImage());
    EXPECT_NEAR(f.frameLeft, f.paperLeft + w * 41 / 209.97, 1.5);

    // a value typed and left is taken as well
    Edit(dlg, "Bottom1")->setText("50.0");
    EXPECT_TRUE(Edit(dlg, "Bottom1")->commit());
    EXPECT_DOUBLE_EQ(dlg.margins().bottom, 50.0);
}

TEST_F(MarginDialog, NoPaperDrawsOnlyTheBackground)
{
    TMarginDlg dlg;
    dlg.setPageGeometry(TPageGeometry());
    dlg.show();
    const QImage img = Box(dlg)->grab().toImage();
    const QRgb face = dlg.palette().color(QPalette::Button).rgb();
    int other = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) other += img.pixel(x, y) != face;
    EXPECT_EQ(other, 0);
    EXPECT_EQ(dlg.parameterLines()[1], "PhysPage x = 0.00  y =0.00 mm");
}

TEST_F(MarginDialog, TestPagePrintsThePrintableRectangle)
{
    ASSERT_TRUE(SetCurrentPrinter(int(PrinterEntries().size()) - 1));
    QPrinter& printer = CurrentPrinter();
    printer.setPageSize(QPageSize(QPageSize::A4));
    orvtest::ScratchDir dir;
    const QString pdf = QString::fromStdString(dir.file("test.pdf"));
    printer.setOutputFileName(pdf);

    TMarginDlg dlg;
    dlg.setMargins({25.0, 10.0, 10.0, 25.0});
    ASSERT_TRUE(dlg.Button1Click());
    ASSERT_TRUE(QFile::exists(pdf));
    // the button for it is there but never shown
    QPushButton* print = dlg.findChild<QPushButton*>(QStringLiteral("Button1"));
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(print->isHidden());

    if (orvtest::PopplerAvailable()) {
        EXPECT_EQ(orvtest::PdfPageCount(pdf), 1);
        // At 100 dpi the rectangle's sides lie at 25 / 25.4 x 100 = 98.4,
        // (210 - 10) / 25.4 x 100 = 787.4 across and 10 / 25.4 x 100 = 39.4,
        // (297 - 25) / 25.4 x 100 = 1070.9 down.
        const QImage page = orvtest::PdfPageImage(pdf, 1, 100);
        ASSERT_FALSE(page.isNull());
        auto darkNear = [&](int x0, int y0, bool vertical) {
            for (int d = -2; d <= 2; ++d) {
                const int x = vertical ? x0 + d : x0, y = vertical ? y0 : y0 + d;
                if (qGray(page.pixel(x, y)) < 160) return true;
            }
            return false;
        };
        const int midX = page.width() / 2, midY = page.height() / 2;
        EXPECT_TRUE(darkNear(98, midY, true));
        EXPECT_TRUE(darkNear(787, midY, true));
        EXPECT_TRUE(darkNear(midX, 39, false));
        EXPECT_TRUE(darkNear(midX, 1071, false));
        EXPECT_FALSE(darkNear(midX, midY, true));
    }

    // a printer that cannot start prints nothing and says so
    const QString nowhere = QString::fromStdString(dir.file("no-such-folder/test.pdf"));
    printer.setOutputFileName(nowhere);
    EXPECT_FALSE(dlg.Button1Click());
    EXPECT_FALSE(QFile::exists(nowhere));
}
