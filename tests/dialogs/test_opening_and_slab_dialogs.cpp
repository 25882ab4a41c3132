// The opening dialog and the slab dialog as a user works them: the fields
// a new or an edited opening starts from, dragging the opening by its
// corners and edges, OK checked against the other openings, Cancel; the
// slab's J from its thickness and width.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "core/ZunTypes.h"
#include "dialogs/ZunSlabDlg.h"
#include "dialogs/ZunWindowDefin.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

// A wall 200 cm wide and 150 cm high with one opening at (120, 20), 50 x 60.
TCalcInput Wall()
{
    TCalcInput in{};
    InitElementRecord(in);
    in.Case = ccWallHorizontal;
    in.l = 200;
    in.h = 150;
    in.ScianaZOtworami = 1;
    in.LiczbaOkien = 1;
    in.Okna[0] = {120, 20, 50, 60};
    return in;
}

class OpeningDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        dlg = std::make_unique<TWindowDlg>();
        dlg->resize(700, 420);
    }
    void TearDown() override
    {
        dlg.reset();
        SetDecimalSeparator(oldSep_);
    }

    void showWith(bool newOpening, const TOpening& o)
    {
        dlg->setData(Wall(), newOpening, o);
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get(), orvtest::kHangMs));
        dlg->schemeBox()->repaint();
        // Above 1 px/cm a drag of whole pixels gives whole centimetres.
        ASSERT_GT(dlg->scale(), 1.0);
    }

    TNumberEdit* field(const char* name) { return dlg->findChild<TNumberEdit*>(name); }

    // Drags from a point of the opening's rectangle by (dxCm, dyCm), upwards positive.
    void drag(QPoint from, double dxCm, double dyCm)
    {
        QWidget* box = dlg->schemeBox();
        const QPoint to = from + QPoint(int(std::lround(dxCm * dlg->scale())), -int(std::lround(dyCm * dlg->scale())));
        QTest::mouseMove(box, from);
        QTest::mousePress(box, Qt::LeftButton, {}, from);
        QTest::mouseMove(box, to);
        QTest::mouseRelease(box, Qt::LeftButton, {}, to);
    }

    static bool Same(const TOpening& a, const TOpening& b)
    {
        return a.x == b.x && a.y == b.y && a.l == b.l && a.h == b.h;
    }

    orvtest::MessageRecorder messages;
    std::unique_ptr<TWindowDlg> dlg;

private:
    char oldSep_ = '.';
};

} // namespace

TEST_F(OpeningDialog, NewOpeningStartsAt90By90InTheCornerAnEditedOneAsPassed)
{
    showWith(true, {10, 10, 40, 40});
    EXPECT_EQ(field("x1")->text(), "0,0");
    EXPECT_EQ(field("y1")->text(), "0,0");
    EXPECT_EQ(field("l1")->text(), "90,0");
    EXPECT_EQ(field("h1")->text(), "90,0");
    dlg->setData(Wall(), false, {10, 15, 40, 45});
    EXPECT_TRUE(Same(dlg->fieldValues(), {10, 15, 40, 45}));
    // Width and height keep their lower limit of 30 cm.
    field("l1")->setValue(12);
    EXPECT_EQ(field("l1")->value(), 30.0);
}

TEST_F(OpeningDialog, DraggingACornerKeepsTheDraggedWidthAndHeight)
{
    showWith(false, {10, 20, 60, 40});
    const TRect r = dlg->openingRect();
    // The top-right corner 20 cm right and 10 cm up: l = 60 + 20, h = 40 + 10.
    drag(QPoint(r.Right, r.Top), 20, 10);
    EXPECT_TRUE(Same(dlg->fieldValues(), {10, 20, 80, 50}));

    dlg->schemeBox()->repaint();
    const TRect r2 = dlg->openingRect();
    // The bottom-left corner 5 cm right and 10 cm down: x = 15, l = 75, y = 10, h = 60.
    drag(QPoint(r2.Left, r2.Bottom), 5, -10);
    EXPECT_TRUE(Same(dlg->fieldValues(), {15, 10, 75, 60}));
}

TEST_F(OpeningDialog, DraggingEdgesAndTheWholeOpening)
{
    showWith(false, {10, 20, 60, 60});
    TRect r = dlg->openingRect();
    // The bottom edge up by 15 cm: h 60 - 15, y 20 + 15.
    drag(QPoint((r.Left + r.Right) / 2, r.Bottom), 0, 15);
    EXPECT_TRUE(Same(dlg->fieldValues(), {10, 35, 60, 45}));
    dlg->schemeBox()->repaint();
    r = dlg->openingRect();
    // The right edge 10 cm out.
    drag(QPoint(r.Right, (r.Top + r.Bottom) / 2), 10, 0);
    EXPECT_TRUE(Same(dlg->fieldValues(), {10, 35, 70, 45}));
    dlg->schemeBox()->repaint();
    r = dlg->openingRect();
    // The middle moves the opening: 20 cm right, 5 cm up.
    drag(QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), 20, 5);
    EXPECT_TRUE(Same(dlg->fieldValues(), {30, 40, 70, 45}));
    EXPECT_EQ(dlg->schemeBox()->cursor().shape(), Qt::SizeAllCursor);
}

TEST_F(OpeningDialog, OkRefusesAnOpeningOnAnotherAndKeepsTheDialogOpen)
{
    const TOpening passed{10, 10, 40, 40};
    showWith(false, passed);
    // Onto the opening at (120, 20).
    field("x1")->setValue(100);
    field("l1")->setValue(60);
    dlg->findChild<QPushButton*>("OKBtn")->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw definicję otworu!");
    EXPECT_EQ(messages.messages[0].text, "Zdefiniowany otwór koliduje z otworem już istniejącym.");
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), 0);
    EXPECT_TRUE(Same(dlg->data(), passed));
    EXPECT_EQ(field("x1")->value(), 100.0);

    // Beside it, 10 cm clear: accepted.
    field("l1")->setValue(30);
    field("x1")->setValue(80);
    dlg->findChild<QPushButton*>("OKBtn")->click();
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_TRUE(Same(dlg->data(), {80, 10, 30, 40}));
}

TEST_F(OpeningDialog, CancelHandsBackNothing)
{
    const TOpening passed{10, 10, 40, 40};
    showWith(false, passed);
    field("x1")->setValue(55);
    dlg->findChild<QPushButton*>("CancelBtn")->click();
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_TRUE(Same(dlg->data(), passed));
    EXPECT_TRUE(messages.messages.empty());
}

// The new opening is drawn as an outline with its diagonals over the wall,
// which shows through it: no dark wedge fills its upper left corner.
TEST_F(OpeningDialog, PreviewShowsTheWallThroughTheNewOpening)
{
    showWith(true, {});
    const QImage image = dlg->schemeBox()->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    const TRect r = dlg->openingRect();
    ASSERT_GT(r.Right - r.Left, 60);
    ASSERT_GT(r.Bottom - r.Top, 60);
    // inside the outline (2 px wide): only the dashed diagonals are black
    int inside = 0, black = 0;
    for (int y = r.Top + 3; y < r.Bottom - 3; ++y)
        for (int x = r.Left + 3; x < r.Right - 3; ++x) {
            ++inside;
            black += (image.pixel(QPoint(int(x * dpr), int(y * dpr))) & 0xFFFFFF) == 0;
        }
    EXPECT_LT(black, inside / 20) << black << " black pixels of " << inside;
    // in the upper left corner, off the diagonals, the wall's colour
    const QColor corner = image.pixelColor(int((r.Left + 12) * dpr), int((r.Top + 4) * dpr));
    const QColor wall = image.pixelColor(int((r.Right + 20) * dpr), int((r.Top + 4) * dpr));
    EXPECT_EQ(corner, wall);
}

TEST(SlabDialog, JOfASolidSlabAndOkCancel)
{
    orvtest::EnsureApp<QApplication>();
    const char old = DecimalSeparator();
    SetDecimalSeparator(',');
    TSlabRecord record{};
    record.Data[5] = 15;
    record.Width = 100;
    record.J = 28125;
    record.Nazwa.set("Płyta żelbetowa gr.15 cm");

    TSlabDlg dlg;
    dlg.setData(record, 4);
    dlg.show();
    auto* d = dlg.findChild<TNumberEdit*>("d");
    d->setFocus();
    d->clear();
    QTest::keyClicks(d, "20");
    dlg.findChild<QPushButton*>("CancelBtn")->click();
    EXPECT_EQ(dlg.data().J, 28125.0);
    EXPECT_EQ(dlg.data().Data[5], 15.0);

    dlg.setData(record, 4);
    dlg.show();
    d->setFocus();
    d->clear();
    QTest::keyClicks(d, "20");
    dlg.findChild<QPushButton*>("OKBtn")->click();
    // J = 100 x 20^3 / 12 = 66 666,67 cm4.
    EXPECT_NEAR(dlg.data().J, 66666.6667, 1e-3);
    EXPECT_EQ(dlg.data().Data[5], 20.0);
    EXPECT_EQ(dlg.data().Width, 100.0);
    EXPECT_EQ(dlg.data().Nazwa.str(), "Płyta żelbetowa gr.15 cm");
    EXPECT_EQ(dlg.findChild<QLabel*>("J")->text(), "66666,7");
    SetDecimalSeparator(old);
}
