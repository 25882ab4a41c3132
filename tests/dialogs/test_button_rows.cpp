// The "OK" / "Anuluj" buttons of every dialog come from one button box: the
// same captions, the platform's order, "OK" the default, a focused button
// taking Enter itself; and what each button does, as the user presses it.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <memory>

#include "components/DialogButtons.h"
#include "dialogs/AddPoz.h"
#include "dialogs/Kolejnosc2.h"
#include "dialogs/StaleDlg.h"
#include "dialogs/StellEditor.h"
#include "dialogs/UnitsFullDlg.h"
#include "dialogs/ZunElementsList.h"
#include "dialogs/ZunKonfig.h"
#include "dialogs/ZunNewElement.h"
#include "dialogs/ZunSlabDlg.h"
#include "dialogs/ZunWindowDefin.h"
#include "dialogs/ZunZestObc.h"
#include "dialogs/Zun_EkDlg.h"
#include "dialogs/nomlib/NomDialogs.h"
#include "dialogs/opis.h"
#include "printing/CalcZaawansowane.h"
#include "printing/MarginUnit.h"
#include "printing/PrinterSetup.h"
#include "printing/WydrukStart4.h"
#include "printing/jollib/JolDialogs.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

class ButtonRows : public ::testing::Test {
protected:
    void SetUp() override { orvtest::EnsureApp<QApplication>(); }
    orvtest::MessageRecorder messages;
};

using Factory = std::function<std::unique_ptr<QDialog>()>;

template <typename D>
Factory Make()
{
    return [] { return std::make_unique<D>(); };
}

} // namespace

TEST_F(ButtonRows, EveryDialogTakesItsOkAndCancelFromOneButtonBox)
{
    nom::TTableSpec spec;
    spec.title = QStringLiteral("Ciężar");
    spec.quantityTitle = QStringLiteral("Grubość");
    spec.valueTitle = QStringLiteral("Ciężar");
    const std::pair<const char*, Factory> dialogs[] = {
        {"AddPoz", Make<TAddPosDlg>()},
        {"Kolejnosc2", Make<TTabManeagerDlg>()},
        {"StaleDlg", Make<TSteelDlg>()},
        {"StellEditor", Make<TSteelEditorDlg>()},
        {"UnitsFullDlg", Make<TUnitsFullDlg1>()},
        {"ZunElementsList", Make<TElementsListDlg>()},
        {"ZunKonfig", Make<TMomentDlg>()},
        {"ZunNewElement", Make<TNewElementDlg>()},
        {"ZunSlabDlg", Make<TSlabDlg>()},
        {"ZunWindowDefin", Make<TWindowDlg>()},
        {"ZunZestObc", Make<TZestObcDlg>()},
        {"Zun_EkDlg", Make<TEkDlg>()},
        {"NomDialogs", [&] { return std::make_unique<nom::TLoadTableDlg>(nullptr, spec, std::vector<nom::TLoadRow>{}); }},
        {"opis", Make<TDescription>()},
        {"CalcZaawansowane", Make<TBeginPrintAdv>()},
        {"MarginUnit", Make<TMarginDlg>()},
        {"PrinterSetup", Make<TPrinterSetupDlg>()},
        {"WydrukStart4", Make<TBeginPrint2>()},
        {"JolPrinting", Make<TPrintingSettingsDlg>()},
        {"JolWord", Make<TWordSettingsDlg>()},
        {"JolFont", Make<TFontSettingsDlg>()},
        {"JolColor", Make<TColorEditorDlg>()},
    };
    for (const auto& [name, make] : dialogs) {
        SCOPED_TRACE(name);
        const std::unique_ptr<QDialog> d = make();
        const QList<QDialogButtonBox*> boxes = d->findChildren<QDialogButtonBox*>();
        ASSERT_EQ(boxes.size(), 1);
        QDialogButtonBox* box = boxes.front();
        // "OK" accepts, "Anuluj" rejects; no other button of the dialog reads so.
        int ok = 0, cancel = 0;
        for (QPushButton* b : d->findChildren<QPushButton*>()) {
            if (b->text() == "OK") {
                ++ok;
                EXPECT_EQ(box->buttonRole(b), QDialogButtonBox::AcceptRole);
            } else if (b->text() == "Anuluj") {
                ++cancel;
                EXPECT_EQ(box->buttonRole(b), QDialogButtonBox::RejectRole);
            } else if (b->text() == "Pomoc" && box->buttonRole(b) != QDialogButtonBox::InvalidRole) {
                EXPECT_EQ(box->buttonRole(b), QDialogButtonBox::HelpRole);
            }
        }
        EXPECT_EQ(ok, 1);
        EXPECT_EQ(cancel, 1);
    }
}

TEST_F(ButtonRows, OkCancelAndHelpDoWhatTheDialogGivesThem)
{
    QDialog d;
    int checked = 0, helped = 0;
    const TDialogButtons b =
        CreateDialogButtons(d, {"BitBtn1", "BitBtn2", "BitBtn3"}, [&] { ++checked; }, [&] { ++helped; });
    EXPECT_EQ(b.ok->objectName(), "BitBtn1");
    EXPECT_EQ(b.cancel->objectName(), "BitBtn2");
    EXPECT_EQ(b.help->objectName(), "BitBtn3");
    EXPECT_EQ(b.help->text(), "Pomoc");
    d.show();
    // OK with a check of its own leaves closing to it.
    b.ok->click();
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(d.isVisible());
    b.help->click();
    EXPECT_EQ(helped, 1);
    EXPECT_TRUE(d.isVisible());
    b.cancel->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(d.isVisible());

    // Without one OK accepts; no "Pomoc" without its name.
    QDialog plain;
    const TDialogButtons p = CreateDialogButtons(plain);
    EXPECT_EQ(p.ok->objectName(), "OKBtn");
    EXPECT_EQ(p.cancel->objectName(), "CancelBtn");
    EXPECT_EQ(p.help, nullptr);
    EXPECT_EQ(p.box->buttons().size(), 2);
    plain.show();
    p.ok->click();
    EXPECT_EQ(plain.result(), QDialog::Accepted);
}

TEST_F(ButtonRows, EnterPressesTheFocusedButtonElseOk)
{
    QDialog d;
    const TDialogButtons b = CreateDialogButtons(d);
    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d, orvtest::kHangMs));
    EXPECT_TRUE(b.ok->isDefault());
    // A user who tabbed to "Anuluj" and pressed Enter cancels.
    b.cancel->setFocus();
    QTest::keyClick(b.cancel, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(d.isVisible());

    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d, orvtest::kHangMs));
    d.setFocus();
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

// In the dialogs whose Enter moves the focus on, a user who tabbed to
// "Anuluj" and pressed Enter cancels, and Enter on a radio button moves on
// without closing the dialog.
TEST_F(ButtonRows, EnterMovesOnOrPressesTheFocusedButtonWhereItMovesTheFocus)
{
    for (const auto& [name, make] : std::vector<std::pair<const char*, Factory>>{
             {"TEkDlg", Make<TEkDlg>()}, {"TSteelEditorDlg", Make<TSteelEditorDlg>()},
             {"TNewElementDlg", Make<TNewElementDlg>()}}) {
        SCOPED_TRACE(name);
        const std::unique_ptr<QDialog> d = make();
        auto* cancel = d->findChild<QPushButton*>(QStringLiteral("CancelBtn"));
        ASSERT_NE(cancel, nullptr);
        d->show();
        QApplication::setActiveWindow(d.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(d.get(), orvtest::kHangMs));
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_FALSE(d->isVisible());
    }

    TEkDlg ek;
    ek.show();
    QApplication::setActiveWindow(&ek);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ek, orvtest::kHangMs));
    auto* radio = ek.findChild<QRadioButton*>(QStringLiteral("OgolnaDefElementu1"));
    ASSERT_NE(radio, nullptr);
    radio->setFocus();
    QTest::keyClick(radio, Qt::Key_Return);
    EXPECT_TRUE(ek.isVisible());
    EXPECT_NE(QApplication::focusWidget(), radio);
}
