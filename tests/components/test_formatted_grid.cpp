// The formatted grid: the kinds of value a cell takes (the filter of the
// keys and the conversion of the text), the form's say over every move to
// another cell, and the pick-list and ellipsis cell editors.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "components/MCoolGrid.h"
#include "core/MyUtils.h"

using namespace orv;

namespace {

class FormattedGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        grid = std::make_unique<TMCoolGrid>(3, 4);
        grid->resize(400, 200);
        grid->show();
        grid->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(grid.get(), orvtest::kHangMs));
    }
    void TearDown() override
    {
        grid.reset();
        SetDecimalSeparator(oldSep_);
    }

    // Makes (row, column) current and types into its editor.
    QLineEdit* typeInto(int row, int column, const QString& text)
    {
        grid->setFocus();
        grid->setCurrentCell(row, column);
        QApplication::processEvents();
        auto* le = qobject_cast<QLineEdit*>(grid->cellEditor());
        if (!le) le = grid->cellEditor() ? qobject_cast<QComboBox*>(grid->cellEditor())->lineEdit() : nullptr;
        EXPECT_NE(le, nullptr);
        if (!le) return nullptr;
        le->clear();
        QTest::keyClicks(grid->cellEditor(), text);
        return le;
    }

    std::unique_ptr<TMCoolGrid> grid;

private:
    char oldSep_ = '.';
};

} // namespace

TEST(CellFormats, TextTakenByKind)
{
    const char old = DecimalSeparator();
    SetDecimalSeparator(',');
    EXPECT_EQ(FormatCellText(TFormatKind::Real2, "1,5"), "1,50");
    EXPECT_EQ(FormatCellText(TFormatKind::Real2, "2,34567"), "2,35");
    // rounded once, at the second decimal: a value below the half stays below
    EXPECT_EQ(FormatCellText(TFormatKind::Real2, "2,00499999"), "2,00");
    EXPECT_EQ(FormatCellText(TFormatKind::Real2, "-0,004999"), "0,00");
    EXPECT_EQ(FormatCellText(TFormatKind::Real2, "2,005"), "2,01");
    EXPECT_EQ(FormatCellText(TFormatKind::Real2, "abc"), "0,00");
    EXPECT_EQ(FormatCellText(TFormatKind::Real, "abc"), "0,00");
    EXPECT_EQ(FormatCellText(TFormatKind::Real, "2,5"), "2,5");
    EXPECT_EQ(FormatCellText(TFormatKind::Integer, "12"), "12");
    EXPECT_EQ(FormatCellText(TFormatKind::Integer, "1x"), "0");
    EXPECT_EQ(FormatCellText(TFormatKind::Text, "1x"), "1x");
    EXPECT_EQ(FormatCellText(TFormatKind::Date, "01/02/2020"), "01/02/2020");
    EXPECT_EQ(FormatCellText(TFormatKind::Date, "31/02/2020"), QDate::currentDate().toString("dd/MM/yyyy"));
    SetDecimalSeparator(old);
}

TEST(CellFormats, KeysByKind)
{
    const char old = DecimalSeparator();
    SetDecimalSeparator(',');
    // Two decimals at most after the caret has passed the separator.
    EXPECT_TRUE(FormatKeyAccepted(TFormatKind::Real2, "12,5", 4, '0'));
    EXPECT_FALSE(FormatKeyAccepted(TFormatKind::Real2, "12,50", 5, '1'));
    EXPECT_TRUE(FormatKeyAccepted(TFormatKind::Real2, "12,50", 1, '3'));
    EXPECT_FALSE(FormatKeyAccepted(TFormatKind::Real2, "12,50", 5, ','));
    EXPECT_TRUE(FormatKeyAccepted(TFormatKind::Real, "12,505", 6, '7'));
    EXPECT_TRUE(FormatKeyAccepted(TFormatKind::Real, "12", 2, '.')); // either separator
    EXPECT_FALSE(FormatKeyAccepted(TFormatKind::Real, "12,5", 4, '.'));
    EXPECT_FALSE(FormatKeyAccepted(TFormatKind::Integer, "12", 2, ','));
    EXPECT_FALSE(FormatKeyAccepted(TFormatKind::Integer, "12", 2, '-'));
    EXPECT_TRUE(FormatKeyAccepted(TFormatKind::Integer, "12", 2, QChar(8)));
    EXPECT_TRUE(FormatKeyAccepted(TFormatKind::Text, "", 0, 'x'));
    SetDecimalSeparator(old);
}

TEST_F(FormattedGrid, TypedRealWithTwoDecimalsIsFilteredAndWrittenOnLeaving)
{
    grid->onGetFormatKind = [](int column, int) { return column == 1 ? TFormatKind::Real2 : TFormatKind::Text; };
    QLineEdit* le = typeInto(0, 1, "12,567x");
    ASSERT_NE(le, nullptr);
    EXPECT_EQ(le->text(), "12,56");
    QTest::keyClick(grid->cellEditor(), Qt::Key_Tab);
    EXPECT_EQ(grid->item(0, 1)->text(), "12,56");
    EXPECT_EQ(grid->currentColumn(), 2);

    typeInto(1, 1, "1,5");
    QTest::keyClick(grid->cellEditor(), Qt::Key_Tab);
    EXPECT_EQ(grid->item(1, 1)->text(), "1,50");
}

TEST_F(FormattedGrid, TheFormDecidesEveryMoveAndTheCellLeftHoldsItsText)
{
    QStringList asked;
    bool allow = false;
    grid->onSelectCell = [&](int column, int row) {
        asked << QStringLiteral("%1,%2 %3").arg(column).arg(row).arg(grid->currentItem() ? grid->currentItem()->text() : "");
        return allow;
    };
    typeInto(1, 2, "7");
    QTest::keyClick(grid->cellEditor(), Qt::Key_Tab);
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 2);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    const QRect other = grid->visualRect(grid->model()->index(0, 3));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, other.center());
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 2);
    EXPECT_EQ(asked, QStringList({"3,1 7", "2,2 7", "3,0 7"}));

    // The caption column is never entered, whatever the form says.
    allow = true;
    const QRect caption = grid->visualRect(grid->model()->index(0, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, caption.center());
    EXPECT_EQ(grid->currentColumn(), 2);
    EXPECT_TRUE(grid->selectCell(2, 3));
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_FALSE(grid->selectCell(2, 0));
}

TEST_F(FormattedGrid, PickListShowsAtMostDropDownCountLines)
{
    grid->onGetEditStyle = [](int column, int, TEditStyle& style, bool&) {
        if (column == 2) style = TEditStyle::PickList;
        if (column == 3) style = TEditStyle::PickList;
    };
    grid->onGetDropDownList = [](int column, int, QStringList& items) {
        if (column == 2)
            for (int k = 0; k < 25; ++k) items << QStringLiteral("pozycja %1").arg(k);
    };
    QSignalSpy dropped(grid.get(), &TMCoolGrid::dropDown);
    grid->setFocus();
    grid->setCurrentCell(0, 2);
    auto* list = qobject_cast<QComboBox*>(grid->cellEditor());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 25);
    EXPECT_EQ(list->maxVisibleItems(), 10);
    list->showPopup();
    EXPECT_EQ(dropped.count(), 1);
    list->hidePopup();

    grid->setCurrentCell(0, 3);
    auto* empty = qobject_cast<QComboBox*>(grid->cellEditor());
    ASSERT_NE(empty, nullptr);
    empty->showPopup();
    EXPECT_EQ(dropped.count(), 1);
}

TEST_F(FormattedGrid, EllipsisCellRaisesItsButtonClick)
{
    grid->onGetEditStyle = [](int column, int, TEditStyle& style, bool& readOnly) {
        if (column == 1) {
            style = TEditStyle::Ellipsis;
            readOnly = true;
        }
    };
    QSignalSpy clicked(grid.get(), &TMCoolGrid::editButtonClicked);
    grid->setFocus();
    grid->setCurrentCell(1, 1);
    auto* le = qobject_cast<QLineEdit*>(grid->cellEditor());
    ASSERT_NE(le, nullptr);
    EXPECT_TRUE(le->isReadOnly());
    auto* button = le->findChild<QToolButton*>("ellipsis");
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_EQ(clicked.count(), 1);
}
