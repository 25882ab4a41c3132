// The "..." buttons of the load fields as a user presses them: the load
// table opens with the element's rows and settings, a confirmed table
// stores the load, texts and settings, a cancelled one stores nothing, a
// band width of zero never reaches a field, and without the library every
// field can still be typed.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <cstring>
#include <memory>

#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "dialogs/ZunNewElement.h"
#include "mainwindow/ElementEditor.h"
#include "mainwindow/LoadTableButtons.h"
#include "platform/MakerLibrary.h"
#include "tests/core/support/TestSupport.h"
#include "tests/platform/support/LoadTableDriver.h"

using namespace orv;
using orvtest::DriveNextLoadTable;
using orvtest::LoadTableSession;

namespace {

class LoadTableButtons : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        SetMakerLibraryFolder(QStringLiteral(ORV_BUILD_DIR));
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
        BindCompilationDialog({});
    }

    void prepare(const std::function<void(TCalcInput&)>& change)
    {
        session.editCurrent([&](TProjectElement& e) { change(e.Input); });
        session.setModified(false);
        editor_->ShowElementData();
    }

    // Presses the field's "..." part.
    void press(const char* field)
    {
        auto* e = editor_->findChild<TNumberEdit*>(QString::fromLatin1(field));
        ASSERT_NE(e, nullptr) << field;
        auto* speed = e->findChild<QToolButton*>(QStringLiteral("speed"));
        ASSERT_NE(speed, nullptr) << field;
        ASSERT_TRUE(speed->isEnabled()) << field;
        speed->click();
    }

    QString shown(const char* field) const
    {
        return editor_->findChild<TNumberEdit*>(QString::fromLatin1(field))->text();
    }

    TCalcInput input() const { return session.current().Input; }

    orvtest::MessageRecorder messages;
    ProjectSession session;
    std::unique_ptr<TElementEditor> editor_;

private:
    char oldSep_ = '.';
};

} // namespace

TEST_F(LoadTableButtons, FloorLoadOverTheWallWidthIsStoredForItsFloorOnly)
{
    prepare([](TCalcInput& in) {
        in.l = 250;
        in.WindFlags[3] = 1;
        in.g3d = 1.0;
        in.g6d = 2.0;
        in.g7d = 3.0;
        in.WindTableWidth = 1.0;
    });

    // Cancelled first: the band-width flag and the settings stay as they were.
    LoadTableSession cancelled;
    cancelled.rows = {{"x", 0.2, 25.0, 1.35}};
    cancelled.width = 7.0;
    cancelled.confirm = false;
    DriveNextLoadTable(cancelled);
    press("g4d");
    ASSERT_TRUE(cancelled.shown);
    EXPECT_DOUBLE_EQ(cancelled.openedWidth, 2.5); // b = 250 cm -> 2.5 m
    EXPECT_EQ(input().WindFlags[3], 1);
    EXPECT_EQ(input().WindTableWidth, 1.0);
    EXPECT_EQ(input().WindTableInt[2], 0);
    EXPECT_FALSE(session.modified());

    // 0.20 m slab at 25 kN/m3, gamma_f 1.35: 6.75 kN/m2; x 2.5 m = 16.875 kN/m.
    LoadTableSession user;
    user.rows = {{"Płyta", 0.2, 25.0, 1.35}};
    DriveNextLoadTable(user);
    press("g4d");
    EXPECT_NEAR(input().g4d, 16.88, 1e-9);
    EXPECT_EQ(shown("g4d"), "16,88");
    EXPECT_EQ(input().g3d, 1.0);
    EXPECT_EQ(input().g6d, 2.0);
    EXPECT_EQ(input().g7d, 3.0);
    EXPECT_EQ(input().WindFlags[3], 0);
    EXPECT_EQ(input().WindTableWidth, 2.5);
    EXPECT_NE(FixedTextToStr(input().gText[1]).find("Płyta"), std::string::npos);
    EXPECT_EQ(FixedTextToStr(input().SlabLoadText[1]), "b=2.5");
    EXPECT_TRUE(session.modified());

    // The variable load of the same floor shares its band text; it opens
    // with its own (empty) rows.
    LoadTableSession live;
    live.rows = {{"Użytkowe", 1.0, 2.0, 1.5}};
    DriveNextLoadTable(live);
    press("p4d");
    EXPECT_EQ(live.openedRows, 0);
    EXPECT_DOUBLE_EQ(live.openedWidth, 2.5);
    EXPECT_NEAR(input().p4d, 7.5, 1e-9); // 2.0 x 1.5 x 2.5
    EXPECT_NEAR(input().g4d, 16.88, 1e-9);

    // The next call of g4d opens with its row.
    LoadTableSession reopen;
    reopen.confirm = false;
    DriveNextLoadTable(reopen);
    press("g4d");
    EXPECT_EQ(reopen.openedRows, 1);
}

TEST_F(LoadTableButtons, SuctionOnOneSideLeavesThePressureAlone)
{
    // c_pe -0.6 at 0.5 kN/m2, gamma_f 1.5 over 2 m: A1 = -0.9 kN/m, A3 = 1:
    // w_d = -0.9 kN/m, w_d of the plate = -0.9 / 2 = -0.45 kN/m2.
    prepare([](TCalcInput& in) {
        in.wd2 = 0.7;
        in.WindFlags[0] = 0;
        in.WindFlags[2] = 0;
        in.WindTableFlag = 1;
    });
    LoadTableSession user;
    user.rows = {{"Strefa E", -0.6, 0.5, 1.5}};
    user.width = 2.0;
    DriveNextLoadTable(user);
    press("wd1");
    EXPECT_NEAR(input().wd, -0.9, 1e-9);
    EXPECT_NEAR(input().wd_kNm2, -0.45, 1e-9);
    EXPECT_EQ(input().wd2, 0.7);
    EXPECT_EQ(input().WindTableFlag, 0);
    EXPECT_NE(FixedTextToStr(input().WindText[0]).find("Strefa E"), std::string::npos);
    EXPECT_EQ(FixedTextToStr(input().WindText[3]), "b=2");
}

TEST_F(LoadTableButtons, ZeroBandWidthNeverReachesTheWindFields)
{
    prepare([](TCalcInput& in) {
        in.wd_kNm2 = 0.4;
        in.WindFlags[0] = 1; // both sides
        in.WindFlags[2] = 0;
    });
    // Both sides with a band of 0 m: pressure 0.6 and suction -0.375 kN/m2,
    // w_d of the plate would be 0.6 / 0 = inf.
    LoadTableSession both;
    both.rows = {{"D", 0.8, 0.5, 1.5}, {"E", -0.5, 0.5, 1.5}};
    both.width = 0.0;
    DriveNextLoadTable(both);
    press("wd1");
    ASSERT_TRUE(both.shown);
    EXPECT_EQ(input().wd_kNm2, 0.4);
    EXPECT_TRUE(std::isfinite(input().wd));
    EXPECT_TRUE(std::isfinite(input().wd2));
    EXPECT_EQ(shown("wd_kNm2"), "0,400");

    // One side with a band of 0 m: A1 = 0, and 0 / 0 would be NaN.
    prepare([](TCalcInput& in) { in.WindFlags[0] = 0; });
    LoadTableSession one;
    one.clearFirst = true;
    one.rows = {{"E", -0.6, 0.5, 1.5}};
    one.width = 0.0;
    one.both = 0;
    DriveNextLoadTable(one);
    press("wd2");
    EXPECT_EQ(input().wd_kNm2, 0.4);
    EXPECT_EQ(shown("wd_kNm2"), "0,400");
}

TEST_F(LoadTableButtons, CancelledWindTableKeepsTheElement)
{
    prepare([](TCalcInput& in) {
        in.WindTableInt[0] = 3;
        in.WindTableValue[0] = 1.5;
        in.WindTableWidth = 1.2;
        in.wd_kNm2 = -0.3;
    });
    const TCalcInput before = input();
    LoadTableSession user;
    user.rows = {{"A", -1.2, 0.5, 1.5}};
    user.width = 4.0;
    user.confirm = false;
    DriveNextLoadTable(user);
    press("wd_kNm2");
    ASSERT_TRUE(user.shown);
    EXPECT_EQ(std::memcmp(&before, &session.current().Input, sizeof before), 0);
    EXPECT_FALSE(session.modified());
}

TEST_F(LoadTableButtons, SoilAndWholeTableFields)
{
    // (1.2 x 19 + 0.8 x 20) / 2.0 = 19.4 kN/m3.
    LoadTableSession soil;
    soil.rows = {{"Piasek", 1.2, 19.0, 1.35}, {"Żwir", 0.8, 20.0, 1.35}};
    DriveNextLoadTable(soil);
    press("ro_e1");
    EXPECT_NEAR(input().ro_e, 19.4, 1e-9);
    EXPECT_NE(FixedTextToStr(input().ro_e_text).find("Żwir"), std::string::npos);

    // 10 kN/m at 1.35 + 4 kN/m at 1.5 = 19.5 kN/m design, 14 characteristic.
    LoadTableSession table;
    table.rows = {{"Stałe", 1.0, 10.0, 1.35}, {"Zmienne", 1.0, 4.0, 1.5}};
    DriveNextLoadTable(table);
    press("Nsld1");
    EXPECT_NEAR(input().Nsld, 19.5, 1e-9);
    EXPECT_NEAR(input().ForceGammaF[1], 19.5 / 14.0, 1e-12);
    EXPECT_NE(FixedTextToStr(input().ForceText[1]).find("Zmienne"), std::string::npos);
}

TEST_F(LoadTableButtons, UpperStoreyLoadGoesToTheCompilationUntilATableIsKept)
{
    int calls = 0;
    bool basement = false;
    BindCompilationDialog([&](QObject*, TProjectElement& e, bool below) {
        ++calls;
        basement = below;
        (below ? e.Input.N0_mb : e.Input.Nod) = 123.0;
        return true;
    });
    press("N0_mb1");
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(basement);
    EXPECT_EQ(input().N0_mb, 123.0);

    // With a kept table text N_0d opens the table instead.
    prepare([](TCalcInput& in) { StrToFixedText("Strop|1|50|1.35", in.ForceText[0]); });
    LoadTableSession table;
    DriveNextLoadTable(table);
    press("Nod1");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(table.openedRows, 1);
    EXPECT_NEAR(input().Nod, 67.5, 1e-9); // 50 x 1.35
}

TEST_F(LoadTableButtons, WithoutTheLibraryTheMessageAndTheFieldsStillTyped)
{
    orvtest::ScratchDir empty;
    SetMakerLibraryFolder(QString::fromStdString(empty.path().string()));
    const TCalcInput before = input();
    for (const char* field : {"wd1", "wd2", "wd_kNm2", "g3d", "p7d", "ro_e1", "Nsd1a", "NSd1b", "ro_muru2"})
        press(field);
    ASSERT_EQ(messages.messages.size(), 9u);
    EXPECT_EQ(messages.messages[0].headline, "Nie można uruchomić tej funkcji!");
    EXPECT_EQ(std::memcmp(&before, &session.current().Input, sizeof before), 0);
    EXPECT_FALSE(session.modified());

    // The load typed by hand on the loads page.
    editor_->pages()->setCurrentIndex(2);
    auto* nsl = editor_->findChild<TNumberEdit*>(QStringLiteral("Nsld1"));
    ASSERT_TRUE(nsl->isVisible());
    nsl->setFocus();
    nsl->clear();
    QTest::keyClicks(nsl, "45,5");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().Nsld, 45.5);
}

TEST_F(LoadTableButtons, ALoadAboveItsFieldsRangeIsRefusedWhole)
{
    prepare([](TCalcInput& in) {
        in.l = 250;
        in.WindFlags[3] = 1;
        in.g3d = 1.0;
        in.WindTableWidth = 1.0;
    });
    // 0.5 m slab at 25 kN/m3, gamma_f 1.35: 16.875 kN/m2; x 2.5 m = 42.19 kN/m, above 30.
    LoadTableSession heavy;
    heavy.rows = {{"Płyta", 0.5, 25.0, 1.35}};
    DriveNextLoadTable(heavy);
    press("g3d");
    ASSERT_TRUE(heavy.shown);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.");
    EXPECT_EQ(messages.messages[0].text, "obciążenie stałe stropu górnego g_d = 42,19 kN/m\rWartość maksymalna: 30,00 kN/m");
    // Nothing of the table is kept: load, rows, band width and its flag.
    EXPECT_EQ(input().g3d, 1.0);
    EXPECT_EQ(shown("g3d"), "1,00");
    EXPECT_EQ(FixedTextToStr(input().gText[0]), "");
    EXPECT_EQ(input().WindFlags[3], 1);
    EXPECT_EQ(input().WindTableWidth, 1.0);
    EXPECT_FALSE(session.modified());

    // 0.2 m: 6.75 kN/m2 x 2.5 m = 16.875, shown and stored as 16.88 kN/m.
    LoadTableSession slab;
    slab.rows = {{"Płyta", 0.2, 25.0, 1.35}};
    DriveNextLoadTable(slab);
    press("g3d");
    EXPECT_EQ(input().g3d, 16.88);
    EXPECT_EQ(shown("g3d"), "16,88");
    EXPECT_TRUE(session.modified());
}

// The "..." button of the unit weight in the masonry-unit editor: the wall
// unit-weight table, its rows kept for the next use of the editor.
TEST_F(LoadTableButtons, UnitEditorTakesTheUnitWeightOfTheWallTable)
{
    auto pressUnitWeight = [](TNewElementDlg& dlg) {
        auto* ro = dlg.findChild<TNumberEdit*>(QStringLiteral("ro1"));
        ASSERT_NE(ro, nullptr);
        auto* speed = ro->findChild<QToolButton*>(QStringLiteral("speed"));
        ASSERT_NE(speed, nullptr);
        ASSERT_TRUE(speed->isVisible());
        speed->click();
    };
    {
        TNewElementDlg dlg;
        dlg.setData(TMasonryUnitRow{"Pustak", 0, 1, 10, 0, 12});
        dlg.show();
        // Cancelled: the weight stays.
        LoadTableSession cancelled;
        cancelled.rows = {{"Mur", 0.25, 18.0, 1.1}};
        cancelled.confirm = false;
        DriveNextLoadTable(cancelled);
        pressUnitWeight(dlg);
        ASSERT_TRUE(cancelled.shown);
        EXPECT_EQ(dlg.findChild<TNumberEdit*>("ro1")->text(), "12,00");

        // Mean over the thickness: (0.25 x 18 + 0.05 x 21) / 0.30 = 5.55 / 0.30 = 18.5 kN/m3.
        LoadTableSession user;
        user.rows = {{"Mur", 0.25, 18.0, 1.1}, {"Tynk", 0.05, 21.0, 1.3}};
        DriveNextLoadTable(user);
        pressUnitWeight(dlg);
        EXPECT_EQ(user.openedRows, 0);
        EXPECT_EQ(dlg.findChild<TNumberEdit*>("ro1")->text(), "18,50");
        dlg.findChild<QLineEdit*>("Nazwa1")->setText("Pustak nowy");
        dlg.accept();
        EXPECT_EQ(dlg.data().Density, 18.5);
        EXPECT_TRUE(messages.messages.empty());
    }
    // The next editor opens the table with the rows left there; a weight
    // above the field's 30 kN/m3 is refused as a typed one would be.
    TNewElementDlg dlg;
    dlg.setData(TMasonryUnitRow{"Blok", 2, 0, 10, 0, 20});
    dlg.show();
    LoadTableSession heavy;
    heavy.clearFirst = true;
    heavy.rows = {{"Stal", 0.1, 78.5, 1.0}};
    DriveNextLoadTable(heavy);
    pressUnitWeight(dlg);
    EXPECT_EQ(heavy.openedRows, 2);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.");
    dlg.findChild<QLineEdit*>("Nazwa1")->setText("Blok");
    dlg.accept();
    EXPECT_EQ(dlg.data().Density, 20);
}
