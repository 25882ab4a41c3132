// The bending moment dialog as the engineer uses it: the moment of the data
// shown, recomputed on every change, handed back on OK only.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QLocale>
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

    // Column 25 x 38 cm, N_Sd = 100 kN, moment about x; the field holds the
    // moment of the choices: 100 x 0.4 x 0.25 = 10 kNm, or 100 x 0.05 = 5 kNm.
    static TMomentData column(int mode)
    {
        TMomentData d;
        d.N = 100;
        d.ownN = 40;
        d.dimension = 25;
        d.e = 5;
        d.mode = mode;
        d.direction = 1;
        d.M = (mode & mmEccentricity04) ? 10 : 5;
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
    EXPECT_EQ(find<QRadioButton>("e04t")->text(), "e = 0,4·b");
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
    find<TNumberEdit>("NSd1")->UpClick();
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

// The 0.4 of the caption is written as every number of the program: with
// the decimal separator the program took from the system's locale.
TEST_F(MomentDialog, TheCaptionOfPointFourTakesTheLocalesSeparator)
{
    const QLocale before;
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Polish, QLocale::Poland)}) {
        SCOPED_TRACE(locale.name().toStdString());
        QLocale::setDefault(locale);
        SetDecimalSeparator(locale.decimalPoint().at(0).toLatin1());
        const QString point = locale.decimalPoint();
        TMomentDlg fresh;
        EXPECT_EQ(fresh.findChild<QRadioButton*>("e04t")->text(), "e = 0" + point + "4·t");
        TMomentData d = column(mmEccentricity04);
        fresh.setData(d);
        EXPECT_EQ(fresh.findChild<QRadioButton*>("e04t")->text(), "e = 0" + point + "4·t");
        d.direction = 0;
        fresh.setData(d);
        EXPECT_EQ(fresh.findChild<QRadioButton*>("e04t")->text(), "e = 0" + point + "4·b");
    }
    QLocale::setDefault(before);
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
    // The own force would give 40 x 0.10 = 4 kNm.
    const auto old = BindDialogResponder([](QDialog& shown) {
        auto& m = static_cast<TMomentDlg&>(shown);
        m.findChild<QRadioButton*>("Obc1")->click();
        EXPECT_DOUBLE_EQ(m.moment(), 4.0);
        m.findChild<QPushButton*>("BitBtn2")->click();
        return shown.result();
    });
    EXPECT_FALSE(ShowMomentDlg(d));
    EXPECT_DOUBLE_EQ(d.M, 10.0);
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

// A moment typed into the field: the dialog starts from it, so that OK
// without a change hands it back as it was.
TEST_F(MomentDialog, OkWithoutAChangeKeepsTheFieldsMoment)
{
    // Mode 0 with e = 0 stored and M_Sd,x = 3 typed: e = 100 x 3 / 100 = 3 cm.
    TMomentData d = column(0);
    d.e = 0;
    d.M = 3;
    dlg->setData(d);
    EXPECT_TRUE(find<QRadioButton>("e2")->isChecked());
    EXPECT_EQ(find<TNumberEdit>("ex1")->text(), "3,0");
    EXPECT_TRUE(dlg->resultText().contains("= 3,00%N kNm"));
    press("BitBtn1");
    EXPECT_EQ(dlg->data().M, 3.0);
    EXPECT_EQ(dlg->data().mode, 0);
    EXPECT_DOUBLE_EQ(dlg->data().e, 3.0);

    // N = 123.45 kN: e = 300 / 123.45 = 2.4301 cm, shown 2,4; the moment stays
    // 3 (not 123.45 x 0.024 = 2.963) and e keeps its full precision.
    d.N = 123.45;
    dlg->setData(d);
    EXPECT_EQ(find<TNumberEdit>("ex1")->text(), "2,4");
    EXPECT_EQ(dlg->moment(), 3.0);
    // Leaving the eccentricity untouched recomputes nothing.
    find<TNumberEdit>("ex1")->setFocus();
    press("BitBtn1");
    EXPECT_EQ(dlg->data().M, 3.0);
    EXPECT_DOUBLE_EQ(dlg->data().e, 300 / 123.45);
    EXPECT_DOUBLE_EQ(dlg->data().ownN, 40.0);

    // A change recomputes from the exact e: own force 200 kN gives
    // 200 x 2.4301 / 100 = 4.8603 kNm; back to N_Sd, the field's 3 again.
    dlg->setData(d);
    find<QRadioButton>("Obc1")->click();
    type("NSd1", "200");
    EXPECT_NEAR(dlg->moment(), 6.0 / 1.2345, 1e-12);
    type("NSd1", "40");
    find<QRadioButton>("Obc0")->click();
    EXPECT_EQ(dlg->moment(), 3.0);
}

TEST_F(MomentDialog, ChoicesThatGiveAnotherMomentBecomeItsEccentricity)
{
    // e = 0.4 t stored, but the field holds 3 kNm instead of 100 x 0.10 = 10:
    // shown as the given e = 3 cm; the automatic bit stays.
    TMomentData d = column(mmEccentricity04 | mmAutomatic);
    d.M = 3;
    dlg->setData(d);
    EXPECT_TRUE(find<QRadioButton>("e2")->isChecked());
    EXPECT_TRUE(find<QWidget>("ex1")->isEnabled());
    EXPECT_EQ(find<TNumberEdit>("ex1")->text(), "3,0");
    press("BitBtn1");
    EXPECT_EQ(dlg->data().M, 3.0);
    EXPECT_EQ(dlg->data().mode, mmAutomatic);

    // The own force 40 kN with e = 0.4 t gives 4 kNm; the field's 4.004 shows
    // as 4,00 too, so the choices stay and the moment is handed back exactly.
    d = column(mmEccentricity04 | mmOwnForce | mmAutomatic);
    d.M = 4.004;
    dlg->setData(d);
    EXPECT_TRUE(find<QRadioButton>("e04t")->isChecked());
    press("BitBtn1");
    EXPECT_EQ(dlg->data().M, 4.004);
    EXPECT_EQ(dlg->data().mode, mmEccentricity04 | mmOwnForce | mmAutomatic);
    EXPECT_DOUBLE_EQ(dlg->data().e, 5.0);

    // No force to divide by, or a negative moment (no eccentricity of the
    // range 0..200000 cm gives it): the choices stay, the moment too.
    d = column(0);
    d.N = 0;
    d.M = 3;
    dlg->setData(d);
    EXPECT_EQ(find<TNumberEdit>("ex1")->text(), "5,0");
    EXPECT_EQ(dlg->moment(), 3.0);
    press("BitBtn1");
    EXPECT_EQ(dlg->data().M, 3.0);
    d = column(0);
    d.M = -3;
    dlg->setData(d);
    EXPECT_TRUE(dlg->resultText().contains("= -3,00%N kNm"));
    press("BitBtn1");
    EXPECT_EQ(dlg->data().M, -3.0);
    EXPECT_DOUBLE_EQ(dlg->data().e, 5.0);
    // Any choice computes: e = 0.4 t gives 10 kNm.
    dlg->setData(d);
    find<QRadioButton>("e04t")->click();
    EXPECT_DOUBLE_EQ(dlg->moment(), 10.0);
}
