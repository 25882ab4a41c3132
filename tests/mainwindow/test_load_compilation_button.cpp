// The "..." parts of N_0d and of the basement N_0d: the load compilation
// played, its F taken into the field and the compilation into the element on
// OK, nothing on Cancel.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

#include "components/DialogRunner.h"
#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "core/SettingsStore.h"
#include "dialogs/ZunZestObc.h"
#include "mainwindow/ZunMain.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

class LoadCompilationButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldStore_ = BindSettingsStore(&store);
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        oldResponder_ = BindDialogResponder([this](QDialog& d) {
            ++shown;
            return play ? play(d) : 0;
        });
        window = std::make_unique<TVelkor2>();
        window->resize(1200, 900);
        window->show();
    }
    void TearDown() override
    {
        window->session().setModified(false);
        window.reset();
        BindDialogResponder(oldResponder_);
        SetDecimalSeparator(oldSep_);
        BindSettingsStore(oldStore_);
    }

    ProjectSession& session() { return window->session(); }
    TNumberEdit* field(const char* name) { return window->findChild<TNumberEdit*>(QString::fromLatin1(name)); }
    QToolButton* dots(const char* name) { return field(name)->findChild<QToolButton*>("speed"); }

    // The worked example: one storey of 3 x 0.25 m, 18 kN/m3, ring beam,
    // left floor 6 m with 5 + 2 kN/m2, roof 10 kN/m, band 1.5 m.
    void exampleCompilation()
    {
        session().editCurrent([](TProjectElement& e) {
            TLoadCompilation& l = e.Loads;
            l.TakeFromElement = 0;
            l.F_dach = 10;
            l.b = 1.5;
            l.ro[0] = 18;
            l.gL[0] = 5;
            l.pL[0] = 2;
            l.strop_P[0] = 0;
        });
        session().setModified(false);
    }

    MemorySettingsStore store;
    orvtest::MessageRecorder messages;
    std::unique_ptr<TVelkor2> window;
    std::function<int(QDialog&)> play;
    int shown = 0;

private:
    ISettingsStore* oldStore_ = nullptr;
    char oldSep_ = '.';
    TDialogResponder oldResponder_;
};

} // namespace

TEST_F(LoadCompilationButton, WallFieldTakesTheCompiledLoad)
{
    session().setCase(ccWallVerticalHinged);
    exampleCompilation();
    ASSERT_TRUE(dots("Nod1")->isEnabled());

    // Cancel: nothing changes.
    const TProjectElement before = session().current();
    play = [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Obciążenie obliczeniowe z wyższych kondygnacji");
        d.findChild<QPushButton*>("CancelBtn")->click();
        return d.result();
    };
    dots("Nod1")->click();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(std::memcmp(&session().current(), &before, sizeof before), 0);
    EXPECT_FALSE(session().modified());

    // OK with the roof raised to 12: F = 1.5 x (12 + 1.8 + 16.2 + 21) = 76.5 kN.
    play = [](QDialog& d) {
        auto& dlg = static_cast<TZestObcDlg&>(d);
        EXPECT_NEAR(dlg.upperLoad().value(), 73.5, 1e-9);
        auto* roof = d.findChild<TNumberEdit*>("F_dach1");
        roof->setText("12");
        roof->commit();
        d.findChild<QPushButton*>("OKBtn")->click();
        return d.result();
    };
    dots("Nod1")->click();
    EXPECT_DOUBLE_EQ(session().current().Input.Nod, 76.5);
    EXPECT_EQ(session().current().Loads.F_dach, 12.0);
    EXPECT_EQ(field("Nod1")->text(), "76,50");
    EXPECT_TRUE(session().modified());
}

TEST_F(LoadCompilationButton, BasementFieldOpensTheBasementVariant)
{
    session().setCase(ccBasementWall);
    exampleCompilation();
    // Repeated storeys: the slab over the basement is entry 1 again,
    // 10 + 1.8 + 16.2 + 0.5 x 6 x 5 + 1.8 + 15 = 59.8 kN/m.
    play = [](QDialog& d) {
        EXPECT_EQ(static_cast<TZestObcDlg&>(d).resultLine(),
                  "Obciążenie z wyższych kondygnacji %BF = 59,80%N kN/m");
        d.findChild<QPushButton*>("OKBtn")->click();
        return d.result();
    };
    dots("N0_mb1")->click();
    EXPECT_EQ(shown, 1);
    EXPECT_DOUBLE_EQ(session().current().Input.N0_mb, 59.8);
    EXPECT_EQ(field("N0_mb1")->text(), "59,80");
}

TEST_F(LoadCompilationButton, DamagedCompilationNeverReachesTheField)
{
    session().setCase(ccWallVerticalHinged);
    exampleCompilation();
    // A floor load that is no number, as a damaged project may hold it:
    // without the floor the sum would read 1.5 x (10 + 1.8 + 16.2) = 42.
    session().editCurrent([](TProjectElement& e) { e.Loads.gL[0] = std::nan(""); });
    session().setModified(false);
    const TProjectElement before = session().current();
    play = [this](QDialog& d) {
        d.findChild<QPushButton*>("OKBtn")->click();
        EXPECT_NE(d.result(), int(QDialog::Accepted));
        EXPECT_EQ(messages.messages.size(), 1u);
        d.findChild<QPushButton*>("CancelBtn")->click();
        return d.result();
    };
    dots("Nod1")->click();
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(messages.messages[0].text,
              "Kondygnacja powtarzalna, obciążenie stałe lewego stropu: wartość nie jest liczbą.");
    EXPECT_EQ(std::memcmp(&session().current(), &before, sizeof before), 0);
    EXPECT_FALSE(session().modified());
}
