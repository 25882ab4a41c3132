// The bending moment dialog as the engineer uses it: the moment of the data
// shown, recomputed on every change, handed back on OK only.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QTest>

#include "components/DialogRunner.h"
#include "components/HelpRouterUnit.h"
#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "dialogs/ZunKonfig.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

class MomentDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        dlg = std::make_unique<TMomentDlg>();
        dlg->show();
    }
    void TearDown() override
    {
        dlg.reset();
        if (THelpWindow* w = HelpWindow()) delete w;
        SetDecimalSeparator(oldSep_);
    }

    template <typename T>
    T* find(const char* name)
    {
        T* w = dlg->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void press(const char* name) { find<QPushButton>(name)->click(); }
    // Types a number into a field and leaves it, as a user does.
    void type(const char* name, const QString& text)
    {
        TNumberEdit* e = find<TNumberEdit>(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
        e->commit();
    }

    // Column 25 x 38 cm, N_Sd = 100 kN, moment about x.
    static TMomentData column(int mode)
    {
        TMomentData d;
        d.N = 100;
        d.ownN = 40;
        d.dimension = 25;
        d.e = 5;
        d.mode = mode;
        d.direction = 1;
        d.M = 123.45; // left by an earlier use
        return d;
    }

    orvtest::MessageRecorder messages;
    std::unique_ptr<TMomentDlg> dlg;

private:
    char oldSep_ = '.';
};

} // namespace

TEST_F(MomentDialog, OkWithoutAChangeReturnsTheMomentOfTheDataShown)
{
    // N = 100 kN, e = 0.4 x 25 cm = 10 cm: M = 100 x 0.10 = 10.00 kNm.
    dlg->setData(column(mmEccentricity04));
    EXPECT_TRUE(dlg->resultText().contains("= 10,00%N kNm"));
    press("BitBtn1");
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(dlg->data().M, 10.0);
    EXPECT_EQ(dlg->data().mode, mmEccentricity04);

    // Shown again with the given e = 5 cm: M = 100 x 0.05 = 5.00 kNm, not the 10 of before.
    dlg->setData(column(0));
    EXPECT_DOUBLE_EQ(dlg->moment(), 5.0);
    EXPECT_TRUE(dlg->resultText().contains("= 5,00%N kNm"));
    press("BitBtn1");
    EXPECT_DOUBLE_EQ(dlg->data().M, 5.0);
}

TEST_F(MomentDialog, ShownWithModeZero)
{
    dlg->setData(column(0));
    EXPECT_TRUE(find<QRadioButton>("e2")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("Obc0")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("aut1")->isChecked());
    // Only the fields of the choices made take input.
    EXPECT_TRUE(find<QWidget>("ex1")->isEnabled());
    EXPECT_FALSE(find<QWidget>("NSd1")->isEnabled());
    EXPECT_EQ(find<TMathLabel>("MathLabel63")->caption(), "N_Sd,x_ [kN] =");
    press("BitBtn1");
    EXPECT_EQ(dlg->data().mode, 0);
    EXPECT_DOUBLE_EQ(dlg->data().e, 5.0);
    EXPECT_DOUBLE_EQ(dlg->data().ownN, 40.0);
}

TEST_F(MomentDialog, EveryChangeRecomputesAndOkTakesTheChoices)
{
    TMomentData d = column(0);
    d.direction = 0;
    d.dimension = 38;
    dlg->setData(d);
    EXPECT_EQ(find<QRadioButton>("e04t")->text(), "e = 0.4·b");
    EXPECT_EQ(find<TMathLabel>("MathLabel63")->caption(), "N_Sd,y_ [kN] =");
    // 100 x 5 / 100 = 5.00
    EXPECT_DOUBLE_EQ(dlg->moment(), 5.0);

    // e = 0.4 b = 15.2 cm: M = 100 x 0.152 = 15.20 kNm.
    find<QRadioButton>("e04t")->click();
    EXPECT_DOUBLE_EQ(dlg->moment(), 15.2);
    EXPECT_FALSE(find<QWidget>("ex1")->isEnabled());
    EXPECT_TRUE(dlg->resultText().contains("%BM%DSd,y%N%B = 15,20%N kNm"));

    // The own force 40 kN: M = 40 x 0.152 = 6.08 kNm.
    find<QRadioButton>("Obc1")->click();
    EXPECT_NEAR(dlg->moment(), 6.08, 1e-12);
    EXPECT_TRUE(find<QWidget>("NSd1")->isEnabled());
    EXPECT_FALSE(find<QWidget>("N1")->isEnabled());

    // Leaving the own force recomputes: 250 x 0.152 = 38.00 kNm.
    type("NSd1", "250");
    EXPECT_NEAR(dlg->moment(), 38.0, 1e-12);
    // A spin step too: 251 x 0.152 = 38.152.
    find<TNumberEdit>("NSd1")->upClick();
    EXPECT_NEAR(dlg->moment(), 38.152, 1e-12);

    // The given eccentricity again, typed: 251 x 0.08 = 20.08 kNm.
    find<QRadioButton>("e2")->click();
    type("ex1", "8");
    EXPECT_NEAR(dlg->moment(), 20.08, 1e-12);

    find<QCheckBox>("aut1")->setChecked(true);
    press("BitBtn1");
    EXPECT_EQ(dlg->data().mode, mmOwnForce | mmAutomatic);
    EXPECT_DOUBLE_EQ(dlg->data().ownN, 251.0);
    EXPECT_DOUBLE_EQ(dlg->data().e, 8.0);
    EXPECT_NEAR(dlg->data().M, 20.08, 1e-12);
}

TEST_F(MomentDialog, ANumberStillBeingTypedIsTakenByOk)
{
    dlg->setData(column(0));
    TNumberEdit* e = find<TNumberEdit>("ex1");
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, "20");
    press("BitBtn1");
    // 100 x 0.20 = 20.00 kNm.
    EXPECT_DOUBLE_EQ(dlg->data().M, 20.0);
    // "Pomoc" opens the dialog's page.
    press("BitBtn3");
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->currentTopic(), "Momenty_zginajace");
}

TEST_F(MomentDialog, CancelHandsNothingBack)
{
    TMomentData d = column(mmEccentricity04);
    const auto old = BindDialogResponder([](QDialog& shown) {
        auto& m = static_cast<TMomentDlg&>(shown);
        m.findChild<QRadioButton*>("Obc1")->click();
        m.findChild<QPushButton*>("BitBtn2")->click();
        return shown.result();
    });
    EXPECT_FALSE(ShowMomentDlg(d));
    EXPECT_DOUBLE_EQ(d.M, 123.45);
    EXPECT_EQ(d.mode, mmEccentricity04);

    // OK through the same routine hands the data back.
    BindDialogResponder([](QDialog& shown) {
        shown.findChild<QPushButton*>("BitBtn1")->click();
        return shown.result();
    });
    EXPECT_TRUE(ShowMomentDlg(d));
    EXPECT_DOUBLE_EQ(d.M, 10.0);
    BindDialogResponder(old);
}
