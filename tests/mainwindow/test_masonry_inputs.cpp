// The masonry unit of the element editor taken from the catalogue, the
// catalogue dialog behind "Lista" and the modulus dialogs behind E2 and E5,
// as a user works them.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <functional>

#include "components/Realedit.h"
#include "core/Cp1250.h"
#include "core/MasonryCatalogue.h"
#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "core/ZunCalc.h"
#include "dialogs/CatalogueFiles.h"
#include "dialogs/ZunElementsList.h"
#include "dialogs/ZunNewElement.h"
#include "dialogs/Zun_EkDlg.h"
#include "mainwindow/ElementEditor.h"
#include "tests/common/WhenOpen.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

using orvtest::WhenOpen;

void Choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

class MasonryInputs : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        // The program's folder offers one unit beyond the built-in ones.
        SetCatalogueFolders(QString::fromStdString(dir.file("uzytkownik")), QString::fromStdString(dir.path().string()));
        orvtest::WriteFileBytes(dir.file("elementy_mur.def"),
                                Utf8ToCp1250("Nazwa\r\nPustak testowy\t0\t2\t12,5\t1\t11,5\r\n"));
        editor_ = std::make_unique<TElementEditor>(session);
        editor_->resize(900, 1400);
        editor_->show();
    }
    void TearDown() override
    {
        editor_.reset();
        SetCatalogueFolders({}, {});
        SetDecimalSeparator(oldSep_);
    }

    template <typename T = QWidget>
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
    }

    const TCalcInput& input() const { return session.current().Input; }

    orvtest::ScratchDir dir;
    orvtest::MessageRecorder messages;
    ProjectSession session;
    std::unique_ptr<TElementEditor> editor_;

private:
    char oldSep_ = '.';
};

} // namespace

TEST_F(MasonryInputs, UnitChosenFromTheCatalogueIsTakenWhole)
{
    auto* units = find<QComboBox>("UserElement1");
    ASSERT_EQ(units->count(), 28);
    EXPECT_FALSE(units->isEditable());
    EXPECT_EQ(units->currentText(), "Cegła ceramiczna pełna kl.10");

    // Switched to the catalogue, the element takes the unit of the list:
    // the new element's 27 kN/m3 become the brick's 18.
    ASSERT_EQ(input().ro_muru, 27);
    find<QRadioButton>("OgolnaDefElementu0")->click();
    EXPECT_EQ(input().OgolnaDefElementu, 0);
    EXPECT_EQ(input().ro_muru, 18);
    EXPECT_TRUE(session.modified());
    EXPECT_TRUE(find<QPushButton>("Button1")->isEnabled());
    EXPECT_FALSE(find<QComboBox>("RodzajElementuM1")->isEnabled());

    // Another unit: kind, f_b, category and unit weight with the self weight.
    session.setModified(false);
    Choose(units, 27);
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(input().UserElement.str(), "Pustak testowy");
    EXPECT_EQ(input().RodzajElementuM, static_cast<u32>(mkCeramic3));
    EXPECT_EQ(input().fb, 12.5);
    EXPECT_EQ(input().KategoriaWykElementu, 1u);
    EXPECT_EQ(input().ro_muru, 11.5);
    // G_s = 11.5 x 1.1 x 3.00 x 0.27 x 1.30 = 13.32045 kN.
    EXPECT_NEAR(input().Gs, 13.32045, 1e-12);
    // The identical walls above and below: 1000 x 0.30 x 12.5^0.7 x 5^0.3 MPa.
    EXPECT_NEAR(input().E2, 0.30 * std::pow(12.5, 0.7) * std::pow(5, 0.3), 1e-9);
    EXPECT_EQ(find<TNumberEdit>("ro_muru1")->text(), "11,50");

    // The same name again changes nothing.
    session.setModified(false);
    Choose(units, 27);
    EXPECT_FALSE(session.modified());
}

TEST_F(MasonryInputs, NameTheCatalogueLacksChangesNothing)
{
    prepare([](TCalcInput& in) {
        in.UserElement.set("Cegła z innego komputera");
        in.RodzajElementuM = mkSilicate2;
        in.fb = 20;
        in.KategoriaWykElementu = 1;
        in.ro_muru = 17;
    });
    const TCalcInput before = input();
    auto* units = find<QComboBox>("UserElement1");
    EXPECT_EQ(units->currentIndex(), -1);
    EXPECT_EQ(units->placeholderText(), "Cegła z innego komputera");

    // The mode switches; the unit's values stay as they were.
    find<QRadioButton>("OgolnaDefElementu0")->click();
    EXPECT_EQ(input().OgolnaDefElementu, 0);
    EXPECT_EQ(input().UserElement.str(), "Cegła z innego komputera");
    EXPECT_EQ(input().RodzajElementuM, before.RodzajElementuM);
    EXPECT_EQ(input().fb, before.fb);
    EXPECT_EQ(input().KategoriaWykElementu, before.KategoriaWykElementu);
    EXPECT_EQ(input().ro_muru, before.ro_muru);
}

TEST_F(MasonryInputs, ListButtonEditsTheCatalogueNotTheElement)
{
    prepare([](TCalcInput& in) { in.OgolnaDefElementu = 0; });
    WhenOpen<TElementsListDlg>([](TElementsListDlg& d) {
        d.setEditorRunner([](TNewElementDlg& e) {
            e.setData(TMasonryUnitRow{"Bloczek nowy", 2, 0, 15, 0, 22});
            e.accept();
            return e.result() == QDialog::Accepted;
        });
        d.NewBtn1Click();
        d.accept();
    });
    find<QPushButton>("Button1")->click();

    auto* units = find<QComboBox>("UserElement1");
    ASSERT_EQ(units->count(), 29);
    EXPECT_EQ(units->itemText(28), "Bloczek nowy");
    EXPECT_EQ(units->currentText(), "Cegła ceramiczna pełna kl.10");
    EXPECT_FALSE(session.modified());
    // Written to the user's folder, with the program folder's unit kept.
    TMasonryCatalogue read;
    read.Initialize(dir.file("uzytkownik/elementy_mur.def"));
    ASSERT_EQ(read.Rows().size(), 29u);
    EXPECT_EQ(read.Rows()[27].Name, "Pustak testowy");
}

TEST_F(MasonryInputs, ModulusDialogSetsOneWallAndCancelNothing)
{
    prepare([](TCalcInput& in) {
        in.Case = ccWallVerticalContinuous;
        in.IdentyczneParametryScian = 0;
        in.E2 = 3;
        in.E5 = 3;
    });
    auto* e5 = find<TNumberEdit>("E5");
    auto* speed = e5->findChild<QToolButton*>(QStringLiteral("speed"));
    ASSERT_NE(speed, nullptr);
    ASSERT_TRUE(speed->isEnabled());

    // Mortar M10: 0.45 x 10^0.7 x 10^0.3 = 4.5 MPa, E = 4.5 GPa.
    WhenOpen<TEkDlg>([](TEkDlg& d) {
        Choose(d.findChild<QComboBox*>(QStringLiteral("KlasaZaprawy1")), 3);
        d.accept();
    });
    speed->click();
    EXPECT_TRUE(session.modified());
    EXPECT_NEAR(input().E5, 4.5, 1e-12);
    EXPECT_EQ(input().ElementE5.KlasaZaprawy, 3);
    EXPECT_EQ(input().E2, 3);
    EXPECT_EQ(input().ElementE2.KlasaZaprawy, 2);
    EXPECT_EQ(e5->text(), "4,5");

    // Cancelled: nothing changes.
    session.setModified(false);
    WhenOpen<TEkDlg>([](TEkDlg& d) {
        Choose(d.findChild<QComboBox*>(QStringLiteral("KlasaZaprawy1")), 0);
        d.reject();
    });
    find<TNumberEdit>("E2")->findChild<QToolButton*>(QStringLiteral("speed"))->click();
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(input().E2, 3);
    EXPECT_EQ(input().ElementE2.KlasaZaprawy, 2);
}
