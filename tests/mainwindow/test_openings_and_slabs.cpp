// The element editor's plate scheme picker, openings grid and buttons, and
// the joint members' slab library, slab dialog and slab moduli, as a user
// works them.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstring>
#include <functional>

#include "components/CrossSectionBox.h"
#include "components/MCoolGrid.h"
#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "dialogs/ZunWindowDefin.h"
#include "mainwindow/ElementEditor.h"
#include "mainwindow/JointSlabs.h"
#include "mainwindow/OpeningsPanel.h"
#include "platform/MakerLibrary.h"
#include "platform/SlabLibrary.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

// Acts on the next modal dialog once it is shown.
void OnNextModal(const std::function<void(QWidget*)>& act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) return;
        timer->stop();
        timer->deleteLater();
        act(w);
    });
    timer->start();
}

bool SameOpening(const TOpening& a, const TOpening& b)
{
    return a.x == b.x && a.y == b.y && a.l == b.l && a.h == b.h;
}

class EditorGroups : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        SetMakerLibraryFolder(QStringLiteral(ORV_WUB_DIR));
        editor_ = std::make_unique<TElementEditor>(session);
        editor_->resize(900, 1400);
        editor_->show();
        editor_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor_.get(), orvtest::kHangMs));
    }
    void TearDown() override
    {
        editor_.reset();
        SetMakerLibraryFolder({});
        SetDecimalSeparator(oldSep_);
    }

    template <typename T>
    T* find(const char* name)
    {
        T* w = editor_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void prepare(const std::function<void(TCalcInput&)>& change)
    {
        session.editCurrent([&](TProjectElement& e) { change(e.Input); });
        session.setModified(false);
        editor_->ShowElementData();
        editor_->pages()->setCurrentIndex(1); // "Geometria"
    }

    // A wall 300 x 250 cm loaded horizontally, with openings.
    void prepareOpenings(std::initializer_list<TOpening> openings, int count = -1)
    {
        prepare([&](TCalcInput& in) {
            in.Case = ccWallHorizontal;
            in.SchematScianyTyp = 2;
            in.l = 300;
            in.h = 250;
            in.ScianaZOtworami = 1;
            int k = 0;
            for (const TOpening& o : openings) in.Okna[k++] = o;
            in.LiczbaOkien = count >= 0 ? count : k;
        });
        grid = find<TMCoolGrid>("OknaGrid1");
        panel = find<TOpeningsPanel>("OpeningsPanel");
    }

    // Types into cell (row, column) of the openings grid, as a user does.
    void typeCell(int row, int column, const QString& text)
    {
        grid->setFocus();
        grid->setCurrentCell(row, column);
        QApplication::processEvents();
        ASSERT_NE(grid->cellEditor(), nullptr);
        auto* le = qobject_cast<QLineEdit*>(grid->cellEditor());
        le->selectAll();
        QTest::keyClick(le, Qt::Key_Backspace);
        QTest::keyClicks(le, text);
    }

    // Clicks the "..." part of a numeric field.
    void clickDots(const char* name) { find<TNumberEdit>(name)->findChild<QToolButton*>("speed")->click(); }

    TCalcInput input() const { return session.current().Input; }

    orvtest::MessageRecorder messages;
    ProjectSession session;
    std::unique_ptr<TElementEditor> editor_;
    TMCoolGrid* grid = nullptr;
    TOpeningsPanel* panel = nullptr;

private:
    char oldSep_ = '.';
};

} // namespace

// --- plate scheme picker ---------------------------------------------------------------

TEST_F(EditorGroups, PickerChoosesEachOfTheTwelveSchemesAndStoresIt)
{
    prepare([](TCalcInput& in) {
        in.Case = ccWallHorizontal;
        in.SchematScianyTyp = 2;
        in.SchematPlytySciany = 5;
    });
    auto* picker = find<TCrossSectionBox>("SchematPlytySciany1");
    ASSERT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->itemIndex(), 5);
    EXPECT_EQ(picker->items().size(), 12);
    for (int k : {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 5}) {
        picker->DropDown();
        picker->panel()->itemButton(k)->click();
        EXPECT_EQ(input().SchematPlytySciany, static_cast<u32>(k));
        EXPECT_EQ(picker->itemIndex(), k);
    }
    EXPECT_TRUE(session.modified());
    // "schemat L": top hinged, bottom and left fixed, right free.
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Right);
    QTest::keyClick(picker, Qt::Key_Right);
    QTest::keyClick(picker, Qt::Key_Right);
    EXPECT_EQ(input().SchematPlytySciany, 8u);
    EXPECT_TRUE(picker->toolTip().contains("krawędź prawa: utwierdzona"));
}

// --- openings grid -----------------------------------------------------------------------

// Typing over a selected cell text replaces it, its separator too.
TEST_F(EditorGroups, TypingOverASelectedCellReplacesItsSeparator)
{
    prepareOpenings({{20, 20, 60, 60}});
    typeCell(0, 1, "20.5");
    auto* le = qobject_cast<QLineEdit*>(grid->cellEditor());
    ASSERT_NE(le, nullptr);
    EXPECT_EQ(le->text(), "20,5");
    le->setSelection(2, 2); // ",5"
    QTest::keyClicks(le, ".7");
    EXPECT_EQ(le->text(), "20,7"); // never 207
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_TRUE(SameOpening(input().Okna[0], {20.7, 20, 60, 60}));
    EXPECT_TRUE(messages.messages.empty());
}

// A minus typed into a cell stays and is refused when the cell is left,
// never turned into a positive distance.
TEST_F(EditorGroups, AMinusTypedIntoACellIsRefusedOnLeaving)
{
    prepareOpenings({{20, 20, 60, 60}});
    typeCell(0, 1, "-20");
    auto* le = qobject_cast<QLineEdit*>(grid->cellEditor());
    ASSERT_NE(le, nullptr);
    EXPECT_EQ(le->text(), "-20");
    EXPECT_FALSE(editor_->commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość za mała!");
    EXPECT_EQ(messages.messages[0].text, "Dopuszczalna wartość 0,0");
    EXPECT_TRUE(SameOpening(input().Okna[0], {20, 20, 60, 60}));
}

TEST_F(EditorGroups, TypedOpeningOnAnotherIsRefusedWithTheCheckMessage)
{
    prepareOpenings({{20, 20, 60, 60}, {150, 20, 60, 60}});
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(1, 1)->text(), "150,0");
    // Opening 2 moved onto opening 1 (x 50..110 over 20..80).
    typeCell(1, 1, "50");
    EXPECT_TRUE(grid->selectCell(1, 2)); // within the row: the cell is checked only
    EXPECT_EQ(grid->item(1, 1)->text(), "50,0");
    EXPECT_FALSE(grid->selectCell(0, 2)); // leaving the row
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw definicję otworu!");
    EXPECT_EQ(messages.messages[0].text, "Zdefiniowany otwór koliduje z otworem już istniejącym.");
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(input().Okna[1].x, 150.0);
    EXPECT_FALSE(editor_->commitFocused());
    EXPECT_EQ(messages.messages.size(), 2u);

    // Clear of opening 1: stored when the row is left.
    typeCell(1, 1, "100");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_TRUE(SameOpening(input().Okna[1], {100, 20, 60, 60}));
    EXPECT_EQ(input().LiczbaOkien, 2);
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(messages.messages.size(), 2u);
}

TEST_F(EditorGroups, TypingIntoTheEmptyRowStartsFromZeros)
{
    // No openings, but slot 1 still holds an old one.
    prepareOpenings({{10, 20, 30, 40}}, 0);
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->item(0, 0)->text(), "1.");
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(grid->item(0, c)->text(), "0,00");
    typeCell(0, 1, "12.0");
    EXPECT_EQ(qobject_cast<QLineEdit*>(grid->cellEditor())->text(), "12,0");
    EXPECT_TRUE(session.modified());
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().LiczbaOkien, 1);
    EXPECT_TRUE(SameOpening(input().Okna[0], {12, 0, 0, 0}));
    EXPECT_EQ(grid->item(0, 1)->text(), "12,0");
}

TEST_F(EditorGroups, CellValuesOutsideTheRangeAreRefused)
{
    prepareOpenings({{20, 20, 60, 60}});
    typeCell(0, 3, "250000");
    EXPECT_FALSE(grid->selectCell(0, 4));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość za duża!");
    EXPECT_EQ(messages.messages[0].text, "Dopuszczalna wartość 200000,0");
    EXPECT_EQ(grid->currentColumn(), 3);
    EXPECT_EQ(input().Okna[0].l, 60.0);

    // Enter goes along the row, from the last column back to the first.
    typeCell(0, 3, "80");
    QTest::keyClick(grid->cellEditor(), Qt::Key_Return);
    EXPECT_EQ(grid->currentColumn(), 4);
    QApplication::processEvents();
    QTest::keyClick(grid->cellEditor() ? grid->cellEditor() : static_cast<QWidget*>(grid), Qt::Key_Return);
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().Okna[0].l, 80.0);
}

TEST_F(EditorGroups, AddEditAndDeleteThroughTheButtons)
{
    prepareOpenings({{20, 20, 60, 60}, {120, 20, 60, 60}, {220, 20, 40, 60}});
    TCalcInput wallSeen{};
    bool newSeen = false;
    TOpening answer{100, 120, 50, 50};
    panel->setOpeningDialog([&](const TCalcInput& wall, bool newOpening, TOpening& o) {
        wallSeen = wall;
        newSeen = newOpening;
        o = answer;
        return true;
    });
    find<QPushButton>("DodajBtn1")->click();
    EXPECT_TRUE(newSeen);
    EXPECT_EQ(wallSeen.LiczbaOkien, 3);
    EXPECT_EQ(input().LiczbaOkien, 4);
    EXPECT_TRUE(SameOpening(input().Okna[3], answer));
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->currentRow(), 3);

    // Editing passes the wall without the opening edited.
    grid->setCurrentCell(1, 1);
    answer = {120, 30, 60, 60};
    find<QPushButton>("EdytujBtn1")->click();
    EXPECT_FALSE(newSeen);
    EXPECT_EQ(wallSeen.LiczbaOkien, 3);
    EXPECT_TRUE(SameOpening(wallSeen.Okna[1], {220, 20, 40, 60}));
    EXPECT_TRUE(SameOpening(input().Okna[1], answer));

    // Deleting opening 2 of 4 moves the later ones up.
    find<QPushButton>("UsunBtn1")->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Usunać otwór nr 2?");
    EXPECT_EQ(messages.messages[0].text, "Czy na pewno usunąć otwór o wymiarach 60,0x60,0cm ?");
    EXPECT_EQ(input().LiczbaOkien, 3);
    EXPECT_TRUE(SameOpening(input().Okna[1], {220, 20, 40, 60}));
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->item(1, 1)->text(), "220,0");

    // "No" keeps it.
    messages.answer = mrNo;
    find<QPushButton>("UsunBtn1")->click();
    EXPECT_EQ(input().LiczbaOkien, 3);
}

TEST_F(EditorGroups, ASixthOpeningIsRefusedAndACancelledDialogChangesNothing)
{
    prepareOpenings({{0, 0, 40, 40}, {50, 0, 40, 40}, {100, 0, 40, 40}, {150, 0, 40, 40}, {200, 0, 40, 40}});
    int calls = 0;
    panel->setOpeningDialog([&](const TCalcInput&, bool, TOpening&) { return ++calls, false; });
    find<QPushButton>("DodajBtn1")->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Nie można dodać więcej otworów.");
    EXPECT_EQ(messages.messages[0].text, "Maksymalna dopuszczalna liczba otworów wynosi 5.");
    EXPECT_EQ(calls, 0);
    find<QPushButton>("EdytujBtn1")->click();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(input().LiczbaOkien, 5);
    EXPECT_FALSE(session.modified());
}

TEST_F(EditorGroups, AddedInTheOpeningDialogAndCheckedThere)
{
    prepareOpenings({{20, 20, 60, 60}});
    OnNextModal([](QWidget* w) {
        auto* dlg = qobject_cast<TWindowDlg*>(w);
        ASSERT_NE(dlg, nullptr);
        // The new opening at 0, 0, 90 x 90 lies on opening 1: refused, the dialog stays.
        dlg->findChild<QPushButton*>("OKBtn")->click();
        EXPECT_TRUE(dlg->isVisible());
        dlg->findChild<TNumberEdit*>("x1")->setValue(150);
        dlg->findChild<QPushButton*>("OKBtn")->click();
    });
    find<QPushButton>("DodajBtn1")->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw definicję otworu!");
    EXPECT_EQ(input().LiczbaOkien, 2);
    EXPECT_TRUE(SameOpening(input().Okna[1], {150, 0, 90, 90}));
}

TEST_F(EditorGroups, TheOpeningDialogStoresNothingTheGridWouldRefuse)
{
    prepareOpenings({});
    OnNextModal([](QWidget* w) {
        auto* dlg = qobject_cast<TWindowDlg*>(w);
        ASSERT_NE(dlg, nullptr);
        for (const char* name : {"x1", "y1", "l1", "h1"})
            EXPECT_EQ(dlg->findChild<TNumberEdit*>(name)->maxValue(), 200000.0) << name;
        // Dragged or typed beyond, a field holds the grid's largest value.
        dlg->findChild<TNumberEdit*>("x1")->setValue(300000);
        dlg->findChild<QPushButton*>("OKBtn")->click();
    });
    find<QPushButton>("DodajBtn1")->click();
    ASSERT_EQ(input().LiczbaOkien, 1);
    EXPECT_TRUE(SameOpening(input().Okna[0], {200000, 0, 90, 90}));
    EXPECT_EQ(grid->item(0, 1)->text(), "200000,0");
    EXPECT_NE(session.results().Error, ceInvalidInput);
}

// --- joint members ------------------------------------------------------------------------

class JointMembers : public EditorGroups {
protected:
    void SetUp() override
    {
        EditorGroups::SetUp();
        prepare([](TCalcInput& in) {
            in.Case = ccWallVerticalContinuous;
            in.IdentyczneParametryScian = 0;
            in.l = 100;
            in.SlabData[0][5] = 15;
            in.J2 = 1000;
        });
    }
};

TEST_F(JointMembers, SlabLibraryGivesJOfTheSolidSlab)
{
    OnNextModal([](QWidget* dlg) {
        dlg->findChild<QDoubleSpinBox*>("d")->setValue(20);
        dlg->findChild<QPushButton*>("OK")->click();
    });
    clickDots("J2");
    // J = b d^3 / 12 = 100 x 20^3 / 12 = 66 666,7 cm4.
    EXPECT_NEAR(input().J2, 66666.6667, 1e-3);
    EXPECT_EQ(find<TNumberEdit>("J2")->text(), "66666,7");
    EXPECT_EQ(input().SlabData[0][5], 20.0);
    EXPECT_TRUE(session.modified());
    EXPECT_TRUE(messages.messages.empty());
    // The dialog's settings are kept for the next call.
    EXPECT_EQ(editor_->findChild<TJointSlabs*>()->rememberedSetting(1), 20.0);
}

TEST_F(JointMembers, ACancelledSlabLibraryChangesNothing)
{
    const TCalcInput before = input();
    OnNextModal([](QWidget* dlg) {
        dlg->findChild<QDoubleSpinBox*>("d")->setValue(30);
        dlg->findChild<QPushButton*>("Cancel")->click();
    });
    clickDots("J5");
    EXPECT_EQ(std::memcmp(&before, &session.current().Input, sizeof before), 0);
    EXPECT_FALSE(session.modified());
}

TEST_F(JointMembers, WithoutTheLibraryTheMessageNamesTheFileAndJIsTyped)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    SetMakerLibraryFolder(empty.path());
    const TCalcInput before = input();
    clickDots("J2");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Nie można uruchomić tej funkcji!");
    EXPECT_EQ(messages.messages[0].text, SlabLibraryMissingDetails());
    EXPECT_NE(messages.messages[0].text.find(SlabLibraryPath().toStdString()), std::string::npos);
    EXPECT_EQ(messages.messages[0].type, mdWarning);
    EXPECT_EQ(std::memcmp(&before, &session.current().Input, sizeof before), 0);
    EXPECT_FALSE(session.modified());

    auto* J2 = find<TNumberEdit>("J2");
    J2->setFocus();
    J2->clear();
    QTest::keyClicks(J2, "1234");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().J2, 1234.0);
}

TEST_F(JointMembers, SlabDialogOfJ3EditsItsRecordOnOkOnly)
{
    auto* slabs = editor_->findChild<TJointSlabs*>();
    ASSERT_NE(slabs, nullptr);
    int slabSeen = 0;
    bool ok = false;
    slabs->setSlabDialog([&](TSlabRecord& r, int slab) {
        slabSeen = slab;
        r.Data[5] = 12;
        r.J = 5000;
        return ok;
    });
    const TCalcInput before = input();
    clickDots("J6");
    EXPECT_EQ(slabSeen, 6);
    EXPECT_EQ(std::memcmp(&before, &session.current().Input, sizeof before), 0);
    ok = true;
    clickDots("J6");
    EXPECT_EQ(input().J6, 5000.0);
    EXPECT_EQ(input().Stropy[2].Data[5], 12.0);
    EXPECT_EQ(input().Stropy[2].J, 5000.0);
    EXPECT_EQ(input().Stropy[0].J, before.Stropy[0].J);
    EXPECT_EQ(find<TNumberEdit>("J6")->text(), "5000,0");
}

TEST_F(JointMembers, ASlabsJAboveItsRangeIsRefused)
{
    prepare([](TCalcInput& in) { in.l = 200; });
    const TCalcInput before = input();
    auto* slabs = editor_->findChild<TJointSlabs*>();
    const double remembered = slabs->rememberedSetting(1);
    // A 2 m wide, 200 cm deep slab: 200 x 200^3 / 12 = 133 333 333 cm4, above 10^8.
    OnNextModal([](QWidget* dlg) {
        dlg->findChild<QDoubleSpinBox*>("d")->setValue(200);
        dlg->findChild<QPushButton*>("OK")->click();
    });
    clickDots("J5");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.\rmoment bezwładności ściany dolnej J_5 = "
                                             "133333333,3 cm⁴\rWartość maksymalna: 100000000,0 cm⁴");
    EXPECT_EQ(std::memcmp(&before, &session.current().Input, sizeof before), 0);
    EXPECT_EQ(slabs->rememberedSetting(1), remembered);
    EXPECT_FALSE(session.modified());

    slabs->setSlabDialog([](TSlabRecord& r, int) {
        r.J = 2e8;
        return true;
    });
    clickDots("J3");
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(std::memcmp(&before, &session.current().Input, sizeof before), 0);
    EXPECT_EQ(find<TNumberEdit>("J3")->text(), QString::fromStdString(FormatFixed(1, before.J3)));
    EXPECT_FALSE(session.modified());
}

TEST_F(JointMembers, SlabModulusTypedOrChosenAsAConcreteClass)
{
    auto* E3 = find<QComboBox>("E3");
    ASSERT_TRUE(E3->isEnabled());
    E3->setFocus();
    E3->lineEdit()->clear();
    QTest::keyClicks(E3, "25.5B,x");
    EXPECT_EQ(E3->currentText(), "25,5");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().E3, 25.5);

    // Stored as shown, with one decimal.
    E3->lineEdit()->clear();
    QTest::keyClicks(E3, "31.27");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(E3->currentText(), "31,3");
    EXPECT_EQ(input().E3, 31.3);

    // B25 (C20/25) has E_cm = 30 GPa.
    auto* E6 = find<QComboBox>("E6");
    E6->setFocus();
    E6->setCurrentIndex(2);
    emit E6->activated(2);
    EXPECT_EQ(E6->currentText(), "30,0");
    EXPECT_EQ(input().E6, 30.0);
}
