// The picture picker and the plate pictures: choosing by the panel and the
// arrow keys, the index kept inside the items, the panel's layout, and the
// support symbols each of the twelve pictures shows on each edge.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "components/CrossSectionBox.h"
#include "core/ZunStrings.h"
#include "drawing/PlateSchemePictures.h"

using namespace orv;

namespace {

QStringList PlateNames(int n = PlateSchemePictureCount)
{
    QStringList names;
    for (int k = 0; k < n; ++k) names << PlateSchemePictureName(k);
    return names;
}

class CrossSectionBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        owned_ = std::make_unique<TCrossSectionBox>();
        box = owned_.get();
        box->setItems(PlateNames());
        box->resize(120, box->height());
        box->show();
        box->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(box, orvtest::kHangMs));
        connect();
    }
    void connect()
    {
        QObject::connect(box, &TCrossSectionBox::changed, [this] { log << "changed " + QString::number(box->itemIndex()); });
        QObject::connect(box, &TCrossSectionBox::closedUp, [this] { log << "closed"; });
    }

    std::unique_ptr<TCrossSectionBox> owned_;
    TCrossSectionBox* box = nullptr;
    QStringList log;
};

// Dark pixels of the image inside r.
int Ink(const QImage& img, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qAlpha(img.pixel(x, y)) > 128 && qGray(img.pixel(x, y)) < 100) ++n;
    return n;
}

} // namespace

TEST_F(CrossSectionBox, ClickingAPictureChoosesItThenClosesThePanel)
{
    box->setItemIndex(2);
    box->DropDown();
    ASSERT_TRUE(box->isDropped());
    ASSERT_TRUE(box->panel()->isVisible());
    EXPECT_TRUE(box->panel()->itemButton(2)->isChecked());
    box->panel()->itemButton(7)->click();
    EXPECT_EQ(box->itemIndex(), 7);
    EXPECT_FALSE(box->isDropped());
    EXPECT_FALSE(box->panel()->isVisible());
    EXPECT_EQ(log, QStringList({"changed 7", "closed"}));
}

TEST_F(CrossSectionBox, EscapeClosesThePanelAndKeepsThePicture)
{
    box->setItemIndex(4);
    QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(box->isDropped());
    QTest::keyClick(box->panel(), Qt::Key_Escape);
    EXPECT_FALSE(box->isDropped());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(20, box->height() / 2));
    ASSERT_TRUE(box->isDropped());
    QTest::keyClick(box->panel(), Qt::Key_Escape);
    EXPECT_FALSE(box->isDropped());
    EXPECT_EQ(box->itemIndex(), 4);
    EXPECT_EQ(log, QStringList({"closed", "closed"}));
}

TEST_F(CrossSectionBox, ArrowKeysStepInsideTheItems)
{
    box->setItemIndex(0);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->itemIndex(), 0);
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->itemIndex(), 2);
    box->setItemIndex(11);
    QTest::keyClick(box, Qt::Key_Right);
    EXPECT_EQ(box->itemIndex(), 11);
    EXPECT_EQ(log, QStringList({"changed 1", "changed 2"}));
}

TEST_F(CrossSectionBox, IndexIsBroughtIntoTheItemsAtBothEnds)
{
    box->setItemIndex(-3);
    EXPECT_EQ(box->itemIndex(), 0);
    box->setItemIndex(40);
    EXPECT_EQ(box->itemIndex(), 11);
    box->setItems({});
    box->setItemIndex(5);
    EXPECT_EQ(box->itemIndex(), 0);
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(CrossSectionBox, PanelLaysItemsOutInRowsOfTheColumnCount)
{
    box->setItems(PlateNames(5));
    box->setItemIndex(0);
    box->DropDown();
    TXPDropPanel* panel = box->panel();
    const int f = panel->frameWidth();
    // W = 30 + 10, H = 30 + 2; four columns, two rows.
    EXPECT_EQ(panel->width(), 4 * 40 + 8 + 2 * f);
    EXPECT_EQ(panel->height(), 2 * 32 + 8 + 2 * f);
    EXPECT_EQ(panel->itemButton(3)->geometry(), QRect(f + 4 + 3 * 40, f + 4, 40, 32));
    EXPECT_EQ(panel->itemButton(4)->geometry(), QRect(f + 4, f + 4 + 32, 40, 32));
    EXPECT_FALSE(panel->itemButton(5)->isVisible());
    box->CloseUp(false);
}

TEST(PlatePictures, NamesAndSupportCases)
{
    EXPECT_EQ(PlateSchemePictureName(0), "SCHEMAT_SCIANY_A");
    EXPECT_EQ(PlateSchemePictureName(11), "SCHEMAT_SCIANY_L");
    EXPECT_EQ(PlateSchemePictureName(12), "");
    EXPECT_EQ(PlateSchemeOfPictureName("SCHEMAT_SCIANY_C"), 2);
    EXPECT_EQ(PlateSchemeOfPictureName("SCHEMAT_SCIANY_M"), -1);
    EXPECT_EQ(PlateSchemeOfPictureName("MUR_DIMS_96"), -1);
    EXPECT_TRUE(NamedPicture("MUR_DIMS_96", QSize(30, 30)).isNull());
}

TEST(PlatePictures, EachEdgeShowsItsSupport)
{
    orvtest::EnsureApp<QApplication>();
    // 70 x 70: symbol size 10, the plate from (11, 11) to (57, 57); the
    // bands outside its edges hold the symbols.
    const QRect bands[4] = {QRect(16, 1, 37, 9), QRect(16, 59, 37, 9), QRect(1, 16, 9, 37), QRect(59, 16, 9, 37)};
    QImage pictures[PlateSchemePictureCount];
    for (int sc = 0; sc < PlateSchemePictureCount; ++sc) {
        pictures[sc] = NamedPicture(PlateSchemePictureName(sc), QSize(70, 70));
        ASSERT_FALSE(pictures[sc].isNull());
        for (int edge = 0; edge < 4; ++edge) {
            const int ink = Ink(pictures[sc], bands[edge]);
            if (EdgeSupportKind(sc, edge) == esFree) EXPECT_EQ(ink, 0) << sc << " " << edge;
            else EXPECT_GT(ink, 10) << sc << " " << edge;
        }
    }
    // Hinged and fixed edges look different: E is hinged all round, I fixed.
    EXPECT_NE(pictures[4].copy(bands[0]), pictures[8].copy(bands[0]));
    for (int a = 0; a < PlateSchemePictureCount; ++a)
        for (int b = a + 1; b < PlateSchemePictureCount; ++b) EXPECT_NE(pictures[a], pictures[b]) << a << " " << b;
}
