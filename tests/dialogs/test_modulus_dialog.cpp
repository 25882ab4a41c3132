// The elastic-modulus dialog: E of hand-worked units, the mortar lists that
// follow the unit, a unit taken from the catalogue, refused strengths, and
// OK and Cancel handing back the right unit.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <cstring>

#include "core/MasonryCatalogue.h"
#include "core/MyUtils.h"
#include "dialogs/Zun_EkDlg.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

template <typename T = QWidget>
T* Child(const QObject& parent, const char* name)
{
    T* w = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void Choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

// Ceramic group 1, f_b 10 MPa, general mortar M5, by general definition.
TElementMurowy DefaultUnit()
{
    TElementMurowy u;
    std::memset(&u, 0, sizeof u);
    u.RodzajElementu = mkCeramic1;
    u.KlasaZaprawy = 2;
    u.RodzajZaprawy = mtGeneral;
    u.fb = 10;
    u.OgolnaDef = 1;
    u.Nazwa.set("Cegła ceramiczna pełna kl.10");
    return u;
}

class ModulusDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
    }
    void TearDown() override { SetDecimalSeparator(oldSep_); }

    orvtest::MessageRecorder messages;

private:
    char oldSep_ = '.';
};

} // namespace

TEST_F(ModulusDialog, ModulusOfHandWorkedUnits)
{
    TEkDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Moduł sprężystości muru");
    dlg.setData(DefaultUnit());
    // f_k = K f_b^0.7 f_m^0.3 = 0.45 x 10^0.7 x 5^0.3 = 3.6551 MPa; E = 1000 f_k = 3.6551 GPa.
    EXPECT_NEAR(dlg.currentModulus(), 3.65514, 1e-5);
    EXPECT_EQ(dlg.resultText(), "Moduł sprężystości E = 3,7 GPa");
    EXPECT_TRUE(Child<QLabel>(dlg, "PB1")->text().contains("3,7 GPa"));

    // M10: 0.45 x 10^0.7 x 10^0.3 = 4.5 MPa, E = 4.5 GPa.
    Choose(Child<QComboBox>(dlg, "KlasaZaprawy1"), 3);
    EXPECT_NEAR(dlg.currentModulus(), 4.5, 1e-12);
    // M2.5: f_m below 5 MPa, alpha_c 600: 600 x 0.45 x 10^0.7 x 2.5^0.3 MPa = 1.7813 GPa.
    Choose(Child<QComboBox>(dlg, "KlasaZaprawy1"), 1);
    EXPECT_EQ(Child<QComboBox>(dlg, "KlasaZaprawy1")->currentText(), "M2,5");
    EXPECT_NEAR(dlg.currentModulus(), 0.6 * 0.45 * std::pow(10, 0.7) * std::pow(2.5, 0.3), 1e-12);
    EXPECT_NEAR(dlg.currentModulus(), 1.78134, 1e-5);
}

TEST_F(ModulusDialog, MortarListsFollowTheUnit)
{
    TEkDlg dlg;
    TElementMurowy u = DefaultUnit();
    u.RodzajZaprawy = mtLightweight;
    dlg.setData(u);
    auto* type = Child<QComboBox>(dlg, "RodzajZaprawy1");
    auto* cls = Child<QComboBox>(dlg, "KlasaZaprawy1");
    EXPECT_EQ(Items(type), QStringList({"zaprawa zwykła", "zaprawa do cienkich spoin", "zaprawa lekka"}));
    EXPECT_EQ(Items(cls), QStringList({"M1", "M2,5", "M5", "M10"}));

    // Silicate group 1 offers no lightweight mortar: general, six classes.
    auto* kind = Child<QComboBox>(dlg, "RodzajElementuM1");
    EXPECT_EQ(kind->itemText(10), "element z autoklawizowanego betonu komórkowego");
    EXPECT_EQ(kind->itemText(12), "element z kamienia naturalnego");
    Choose(kind, mkSilicate1);
    EXPECT_EQ(Items(type), QStringList({"zaprawa zwykła", "zaprawa do cienkich spoin"}));
    EXPECT_EQ(type->currentText(), "zaprawa zwykła");
    EXPECT_EQ(cls->count(), 6);
    EXPECT_EQ(cls->currentText(), "M5");

    // Thin-layer mortar: no class.
    Choose(type, mtThinLayer);
    EXPECT_TRUE(cls->isHidden());
    EXPECT_TRUE(Child<QLabel>(dlg, "Label19")->isHidden());
    // f_k = 0.55 x 10^0.85 MPa (thin joints), E = 1000 f_k = 3.8983 GPa.
    EXPECT_NEAR(dlg.currentModulus(), 0.55 * std::pow(10, 0.85), 1e-9);
}

TEST_F(ModulusDialog, UnitFromTheCatalogue)
{
    TEkDlg dlg;
    TMasonryCatalogue cat;
    std::vector<TMasonryUnitRow> rows = cat.Rows();
    rows.push_back({"Bloczek 700", 3, 0, 7, 0, 7});
    cat.SetRows(rows);
    dlg.setCatalogue(cat);
    dlg.setData(DefaultUnit());
    auto* list = Child<QComboBox>(dlg, "UserElement1");
    ASSERT_EQ(list->count(), 28);
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(list->currentText(), "Cegła ceramiczna pełna kl.10");
    EXPECT_FALSE(list->isEnabled());

    // "z listy... " with the unit of the list, then the aerated concrete block.
    Child<QRadioButton>(dlg, "OgolnaDefElementu0")->click();
    EXPECT_TRUE(list->isEnabled());
    EXPECT_FALSE(Child<QComboBox>(dlg, "RodzajElementuM1")->isEnabled());
    Choose(list, 27);
    EXPECT_EQ(Child<QComboBox>(dlg, "RodzajElementuM1")->currentIndex(), mkAAC);
    EXPECT_EQ(Child<QComboBox>(dlg, "fb1")->currentText(), "7,0");
    // AAC: alpha_c 600; 600 x 0.45 x 7^0.7 x 5^0.3 MPa = 1.7163 GPa.
    EXPECT_NEAR(dlg.currentModulus(), 0.6 * 0.45 * std::pow(7, 0.7) * std::pow(5, 0.3), 1e-12);

    Child<QPushButton>(dlg, "OKBtn")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.data().OgolnaDef, 0);
    EXPECT_EQ(dlg.data().Nazwa.str(), "Bloczek 700");
    EXPECT_EQ(dlg.data().RodzajElementu, mkAAC);
    EXPECT_EQ(dlg.data().fb, 7);
    EXPECT_EQ(dlg.modulus(), dlg.currentModulus());
}

TEST_F(ModulusDialog, NameTheCatalogueLacksChangesNothing)
{
    TEkDlg dlg;
    TElementMurowy u = DefaultUnit();
    u.RodzajElementu = mkConcrete2;
    u.fb = 20;
    u.Nazwa.set("Z innego komputera");
    dlg.setData(u);
    auto* list = Child<QComboBox>(dlg, "UserElement1");
    EXPECT_EQ(list->currentIndex(), -1);
    Child<QRadioButton>(dlg, "OgolnaDefElementu0")->click();
    Child<QPushButton>(dlg, "OKBtn")->click();
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.data().OgolnaDef, 0);
    EXPECT_EQ(dlg.data().Nazwa.str(), "Z innego komputera");
    EXPECT_EQ(dlg.data().RodzajElementu, mkConcrete2);
    EXPECT_EQ(dlg.data().fb, 20);
}

// The dialog's f_b is bounded by the largest of its list, which follows the
// unit kind and mortar chosen in the dialog.
TEST_F(ModulusDialog, StrengthAboveItsListIsRefused)
{
    TEkDlg dlg;
    dlg.setData(DefaultUnit());
    auto* fb = Child<QComboBox>(dlg, "fb1");
    fb->setEditText("100");
    Child<QPushButton>(dlg, "OKBtn")->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.");
    EXPECT_EQ(messages.messages[0].text, "Wartość maksymalna: 75,0");
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_NEAR(dlg.currentModulus(), 3.65514, 1e-5); // f_b 10 kept

    // Ceramic group 3: the list ends at 15.
    Choose(Child<QComboBox>(dlg, "RodzajElementuM1"), mkCeramic3);
    fb->setEditText("20");
    Child<QPushButton>(dlg, "OKBtn")->click();
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, "Wartość maksymalna: 15,0");
    fb->setEditText("15");
    Child<QPushButton>(dlg, "OKBtn")->click();
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.data().fb, 15);
}

TEST_F(ModulusDialog, AStrengthOfMoreDigitsThanShownStaysUntilRetyped)
{
    TElementMurowy u = DefaultUnit();
    u.fb = 12.34;
    TEkDlg dlg;
    dlg.setData(u);
    auto* fb = Child<QComboBox>(dlg, "fb1");
    EXPECT_EQ(fb->currentText(), "12,3");
    Child<QPushButton>(dlg, "OKBtn")->click();
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.data().fb, 12.34);
    EXPECT_TRUE(messages.messages.empty());

    TEkDlg typed;
    typed.setData(u);
    Child<QComboBox>(typed, "fb1")->setEditText("12,5");
    Child<QPushButton>(typed, "OKBtn")->click();
    ASSERT_EQ(typed.result(), QDialog::Accepted);
    EXPECT_EQ(typed.data().fb, 12.5);
}

TEST_F(ModulusDialog, StrengthIsCheckedAndCancelHandsNothingBack)
{
    TEkDlg dlg;
    dlg.setData(DefaultUnit());
    const double before = dlg.modulus();
    auto* fb = Child<QComboBox>(dlg, "fb1");

    fb->setEditText("0");
    Child<QPushButton>(dlg, "OKBtn")->click();
    fb->setEditText("abc");
    Child<QPushButton>(dlg, "OKBtn")->click();
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(messages.messages[0].text, "Wartość musi być większa od 0.");
    EXPECT_EQ(messages.messages[1].text, "Błąd w zapisie! ");
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_NEAR(dlg.currentModulus(), 3.65514, 1e-5); // f_b 10 kept

    // An item of the list is taken at once: f_b 15 MPa.
    const int i = fb->findText("15");
    ASSERT_GE(i, 0);
    Choose(fb, i);
    EXPECT_EQ(fb->currentText(), "15,0");
    EXPECT_NEAR(dlg.currentModulus(), 0.45 * std::pow(15, 0.7) * std::pow(5, 0.3), 1e-12);
    Child<QPushButton>(dlg, "CancelBtn")->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.data().fb, 10);
    EXPECT_EQ(dlg.modulus(), before);
}
