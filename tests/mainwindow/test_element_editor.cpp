// The element editor as a user works it: typing and leaving fields, steps,
// choices, the case list, number combos, and the values that follow a store.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "components/WrappedItemDelegate.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "mainwindow/ElementEditor.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

class ResultsCounter : public IProjectObserver {
public:
    void resultsChanged() override { ++count; }
    int count = 0;
};

class ElementEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        editor_ = std::make_unique<TElementEditor>(session);
        editor_->resize(900, 1400);
        editor_->show();
        editor_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor_.get(), orvtest::kHangMs));
        session.addObserver(&results);
    }
    void TearDown() override
    {
        session.removeObserver(&results);
        editor_.reset();
        SetDecimalSeparator(oldSep_);
    }

    template <typename T = TNumberEdit>
    T* find(const char* name)
    {
        T* w = editor_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Changes the current element as loading a project would, then shows it.
    void prepare(const std::function<void(TCalcInput&)>& change)
    {
        session.editCurrent([&](TProjectElement& e) { change(e.Input); });
        session.setModified(false);
        editor_->ShowElementData();
        results.count = 0;
    }

    // Types into a field that has the focus, replacing its text.
    void type(QWidget* w, const QString& text)
    {
        w->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->clear();
        if (auto* c = qobject_cast<QComboBox*>(w)) c->lineEdit()->clear();
        QTest::keyClicks(w, text);
    }

    // Clicks a check or radio box on its indicator, as a user does.
    static void click(QWidget* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }

    TCalcInput input() const { return session.current().Input; }

    orvtest::MessageRecorder messages;
    ProjectSession session;
    ResultsCounter results;
    std::unique_ptr<TElementEditor> editor_;

private:
    char oldSep_ = '.';
};

} // namespace

TEST_F(ElementEditor, TypedThicknessIsStoredWithItsTwinsAndSelfWeightAndRecalculated)
{
    ASSERT_FALSE(session.modified());
    const double before = session.results().N_1Rd;
    TNumberEdit* t = find("t1a");
    type(t, "38");
    EXPECT_TRUE(editor_->commitFocused());

    EXPECT_EQ(input().t, 38.0);
    EXPECT_TRUE(session.modified());
    EXPECT_GE(results.count, 1);
    EXPECT_NE(session.results().N_1Rd, before);
    EXPECT_EQ(t->text(), "38,0");
    EXPECT_EQ(find("t1b")->text(), "38,0");
    EXPECT_EQ(find("t1c")->text(), "38,0");
    // Self weight from density: 27 x 1.1 x 300 x 38 x 130 / 10^6 = 44.0154 kN.
    EXPECT_NEAR(input().Gs, 44.0154, 1e-9);
    EXPECT_EQ(find("Gs1")->text(), "44,02");
}

TEST_F(ElementEditor, LeavingAFieldUnchangedStoresNothing)
{
    TNumberEdit* h = find("h1a");
    h->setFocus();
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(results.count, 0);

    // The same value typed anew is no change either.
    type(h, "300");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(results.count, 0);
}

TEST_F(ElementEditor, TextThatIsNoNumberIsRefusedAndNothingStored)
{
    TNumberEdit* t = find("t1a");
    t->setFocus();
    t->setText("2x7"); // as pasted
    t->setModified(true);
    EXPECT_FALSE(editor_->commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(messages.messages[0].text, "Błąd w zapisie! ");
    EXPECT_EQ(input().t, 27.0); // not the minimum 10 the text reads as
    EXPECT_FALSE(session.modified());

    // Focus moving on runs the same check: still nothing stored.
    find("h1a")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(input().t, 27.0);
    EXPECT_FALSE(session.modified());

    // Out of range is refused as well.
    messages.messages.clear();
    type(t, "5");
    EXPECT_FALSE(editor_->commitFocused());
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(input().t, 27.0);
}

TEST_F(ElementEditor, EnterMovesOnAndStores)
{
    TNumberEdit* l = find("l1");
    type(l, "250");
    QTest::keyClick(l, Qt::Key_Return);
    EXPECT_NE(QApplication::focusWidget(), l);
    EXPECT_EQ(input().l, 250.0);
    EXPECT_TRUE(session.modified());
}

TEST_F(ElementEditor, SpinStepStoresAtOnce)
{
    prepare([](TCalcInput& in) { in.wylicz_Gs = 0; in.Gs = 10; });
    TNumberEdit* gs = find("Gs1");
    EXPECT_TRUE(gs->parentWidget()->isEnabled()); // given weight: the field is open
    gs->UpClick();
    EXPECT_EQ(input().Gs, 11.0);
    EXPECT_TRUE(session.modified());
    // G_s per metre follows: 11 kN over b = 130 cm is 11 / 1.3 = 8.4615 kN/m.
    EXPECT_NEAR(input().Gs_mb, 11 / 1.3, 1e-12);
    EXPECT_EQ(find("Gs_mb1")->text(), "8,46");
}

TEST_F(ElementEditor, CaseListSwitchesThePagesAndMarksModified)
{
    QSignalSpy shown(editor_.get(), &TElementEditor::caseShown);
    QComboBox* cases = editor_->caseList();
    EXPECT_EQ(cases->objectName(), "tryb1");
    ASSERT_EQ(cases->count(), 6);
    EXPECT_EQ(cases->itemText(4), " Ściana piwnic - sprawdzenie wg Zał. A");
    cases->setFocus();
    QTest::keyClick(cases, Qt::Key_End);

    EXPECT_EQ(input().Case, ccColumn);
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(find<QStackedWidget>("Notebook3")->currentIndex(), 2);
    EXPECT_EQ(find<QStackedWidget>("Notebook1")->currentIndex(), 3);
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown.at(0).at(0).toInt(), 5);

    QTest::keyClick(cases, Qt::Key_Up); // the basement wall
    EXPECT_EQ(input().Case, ccBasementWall);
    EXPECT_EQ(find<QStackedWidget>("Notebook3")->currentIndex(), 1);
    EXPECT_EQ(find<QStackedWidget>("Notebook1")->currentIndex(), 2);
    EXPECT_FALSE(find<QWidget>("ZalacznikA")->isHidden());

    QTest::keyClick(cases, Qt::Key_Home); // hinged model: axial loads, no case-2 panels
    EXPECT_EQ(input().Case, ccWallVerticalHinged);
    EXPECT_EQ(find<QStackedWidget>("Notebook1")->currentIndex(), 0);
    EXPECT_FALSE(find<QWidget>("Panel5")->isHidden());
    EXPECT_TRUE(find<QWidget>("Panel14a")->isHidden());
    EXPECT_TRUE(find<QWidget>("Panel4")->isHidden());
    EXPECT_TRUE(find<QWidget>("ZalacznikA")->isHidden());

    QTest::keyClick(cases, Qt::Key_Down); // continuous model: joint walls, slab loads instead of N_sl
    EXPECT_EQ(input().Case, ccWallVerticalContinuous);
    EXPECT_FALSE(find<QWidget>("Panel4")->isHidden());
    EXPECT_FALSE(find<QWidget>("Panel13")->isHidden());
    EXPECT_TRUE(find<QWidget>("Nsld1Row")->isHidden());
    EXPECT_TRUE(find<QWidget>("ScianaNajwyzszejKodnygnacji1")->isHidden());
}

TEST_F(ElementEditor, ShowingAnotherElementStoresNothing)
{
    session.addElement("Słup 1", "", ccColumn);
    session.editCurrent([](TProjectElement& e) { e.Input.t = 44; e.Input.Sily[0].NSd = 321.5; });
    session.setCurrent(0);
    editor_->ShowElementData();
    session.setModified(false);

    // A text typed but not left belongs to the element shown before.
    TNumberEdit* t = find("t1a");
    type(t, "99");
    session.setCurrent(1);
    session.setModified(false);
    editor_->ShowElementData();

    EXPECT_FALSE(session.modified());
    EXPECT_EQ(editor_->caseList()->currentIndex(), 5);
    EXPECT_EQ(find("t1c")->text(), "44,0");
    EXPECT_EQ(t->text(), "44,0");
    EXPECT_EQ(find("NSd1b")->text(), "321,50");
    EXPECT_EQ(find<QStackedWidget>("Notebook3")->currentIndex(), 2);
    EXPECT_EQ(session.element(0).Input.t, 27.0);
}

TEST_F(ElementEditor, LoadDepthsFollowEveryHeightField)
{
    prepare([](TCalcInput& in) {
        in.Case = ccConcentratedLoad;
        in.h = 400;
        in.Sily[0].hN = 310;
        in.Sily[1].hN = 100;
    });
    TNumberEdit* hN1 = find("hN1");
    EXPECT_EQ(hN1->maxValue(), 395.0);

    type(find("h1a"), "300");
    EXPECT_TRUE(editor_->commitFocused());
    // Limit h - 5 = 295.
    EXPECT_EQ(input().Sily[0].hN, 295.0);
    EXPECT_EQ(hN1->text(), "295,0");
    EXPECT_EQ(hN1->maxValue(), 295.0);
    EXPECT_EQ(input().Sily[1].hN, 100.0);
    EXPECT_EQ(find("h1b")->text(), "300,0");
    EXPECT_EQ(find("h1c")->text(), "300,0");

    // The column's height field moves the same limit.
    type(find("h1c"), "50");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().Sily[1].hN, 45.0);
    EXPECT_EQ(find("hN2")->maxValue(), 45.0);

    // And never below 0: h = 5 leaves no depth.
    type(find("h1b"), "5");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().Sily[0].hN, 0.0);
    EXPECT_EQ(hN1->maxValue(), 0.0);
    EXPECT_EQ(hN1->text(), "0,0");
}

TEST_F(ElementEditor, RingBeamsAreCutToTheNewThickness)
{
    prepare([](TCalcInput& in) {
        in.ScianaZewnetrzna = 1;
        in.def_szer_wiencow = 1;
        in.ag = 25;
        in.ad = 12;
    });
    EXPECT_TRUE(find("ag1")->isEnabled());
    type(find("t1a"), "20");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().ag, 20.0);
    EXPECT_EQ(input().ad, 12.0);
    EXPECT_EQ(find("ag1")->text(), "20,0");

    // A width above t typed into the field becomes t in the field and the element.
    type(find("ad1"), "40");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().ad, 20.0);
    EXPECT_EQ(find("ad1")->text(), "20,0");
}

TEST_F(ElementEditor, BearingDepthsAreCutToTheNewThickness)
{
    prepare([](TCalcInput& in) {
        in.Case = ccConcentratedLoad;
        in.t = 25;
        in.l = 300;
        in.LiczbaSilSkup = 3;
        for (TConcentratedLoad& load : in.Sily) load.aT = 25;
        in.Sily[0].a1 = 150;
        in.Sily[1].a1 = 200;
        in.Sily[2].aT = 10;
    });
    type(find("t1a"), "12");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().Sily[0].aT, 12.0);
    EXPECT_EQ(input().Sily[1].aT, 12.0);
    EXPECT_EQ(input().Sily[2].aT, 10.0);
    EXPECT_EQ(find("aT1")->text(), "12,0");
    EXPECT_EQ(find("aT2")->text(), "12,0");
    EXPECT_EQ(find("aT3")->text(), "10,0");
    // t 12, l 300, the load 20 cm long at 150: A_b = 12 x 20/10000 = 0.024, beta 1.48333,
    // f_d 1661.43 kPa: N_Rd = 59.147 kN (with the old 25 cm it would be 119.58)
    EXPECT_NEAR(session.results().N_Rd, 59.147, 1e-3);
    EXPECT_NEAR(session.results().A_b, 0.024, 1e-12);
}

TEST_F(ElementEditor, AutomaticColumnMomentsFollowTheAxialForce)
{
    prepare([](TCalcInput& in) {
        in.Case = ccColumn;
        in.t = 25;
        in.t2 = 38;
        in.MsdxDef = 4 | 1; // automatic, e = 0.4 t, N_Sd of the head
        in.MsdyDef = 0;     // given
        in.Msdy = 7;
    });
    type(find("NSd1b"), "500");
    EXPECT_TRUE(editor_->commitFocused());
    // M_Sd,x = 500 kN x 0.4 x 25 cm / 100 = 50 kNm; M_Sd,y stays as given.
    EXPECT_DOUBLE_EQ(input().Msdx, 50.0);
    EXPECT_EQ(find("Msdx1")->text(), "50,00");
    EXPECT_EQ(input().Msdy, 7.0);
    // Its "..." part opens the moment dialog.
    EXPECT_TRUE(find<QWidget>("Msdx1")->findChild<QWidget*>("speed")->isEnabled());
}

TEST_F(ElementEditor, GammaFRefusesNoNumberAndNonPositiveValues)
{
    QComboBox* gf = find<QComboBox>("gf_muru1");
    ASSERT_EQ(gf->count(), 4);
    EXPECT_EQ(gf->itemText(3), "1,30");
    EXPECT_EQ(gf->currentText(), "1,10");

    type(gf, "0");
    EXPECT_FALSE(editor_->commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(messages.messages[0].text, "Wartość musi być większa od 0.");
    EXPECT_EQ(messages.messages[0].type, mdError);
    EXPECT_EQ(input().gf_muru, 1.1);
    EXPECT_FALSE(session.modified());

    messages.messages.clear();
    gf->setEditText("1,2,"); // as pasted
    EXPECT_FALSE(editor_->commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Błąd w zapisie! ");

    // Letters are dropped, "." becomes the separator and only one is taken.
    messages.messages.clear();
    type(gf, "1a.2.5");
    EXPECT_EQ(gf->currentText(), "1,25");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(input().gf_muru, 1.25);
    EXPECT_EQ(find<QComboBox>("gf_muru3")->currentText(), "1,25");
    // 27 x 1.25 x 300 x 27 x 130 / 10^6 = 35.53875 kN.
    EXPECT_NEAR(input().Gs, 35.53875, 1e-9);
}

TEST_F(ElementEditor, StrengthComboOffersTheAllowedValues)
{
    QComboBox* fb = find<QComboBox>("fb1");
    EXPECT_EQ(fb->currentText(), "10,0");
    ASSERT_GT(fb->count(), 0);
    EXPECT_EQ(fb->itemText(0), "5");
    type(fb, "-3");
    EXPECT_EQ(fb->currentText(), "3"); // no minus in a strength
    type(fb, "0");
    EXPECT_FALSE(editor_->commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Wartość musi być większa od 0.");
    type(fb, "12.5");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().fb, 12.5);
    EXPECT_EQ(fb->currentText(), "12,5");
}

// An f_b above the largest value its list offers is refused with the limit
// named; the element keeps its f_b and the focus stays in the box.
TEST_F(ElementEditor, StrengthAboveItsListIsRefused)
{
    QComboBox* fb = find<QComboBox>("fb1");
    // Typed and left: refused with the one message naming the limit.
    auto refused = [&](const char* text, const char* limit) {
        messages.messages.clear();
        type(fb, text);
        EXPECT_FALSE(editor_->commitFocused()) << text;
        ASSERT_EQ(messages.messages.size(), 1u) << text;
        EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.");
        EXPECT_EQ(messages.messages[0].text, std::string("Wartość maksymalna: ") + limit);
    };
    const int before = results.count;
    for (const char* text : {"5000", "99999999", "75,1"}) {
        refused(text, "75,0");
        EXPECT_EQ(input().fb, 10.0);
    }
    EXPECT_EQ(results.count, before);
    EXPECT_FALSE(session.modified());

    // With thin-layer mortar the list ends at 50; 50 itself is taken.
    prepare([](TCalcInput& in) { in.RodzajZaprawy = mtThinLayer; });
    refused("60", "50,0");
    type(fb, "50");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().fb, 50.0);

    // Autoclaved aerated concrete: up to 7 MPa.
    prepare([](TCalcInput& in) { in.RodzajElementuM = mkAAC; in.RodzajZaprawy = mtGeneral; in.fb = 5; });
    refused("7.5", "7,0");
    EXPECT_EQ(input().fb, 5.0);
}

TEST_F(ElementEditor, ChoicesStoreOnTheUsersClickOnly)
{
    prepare([](TCalcInput& in) { in.Case = ccColumn; in.PodpSTyp_x = 0; });
    editor_->pages()->setCurrentIndex(1);
    auto* support = find<QRadioButton>("PodpSTyp_x1");
    click(support);
    EXPECT_EQ(input().PodpSTyp_x, 1u);
    EXPECT_TRUE(session.modified());
    click(find<QRadioButton>("PodpSTyp_x0"));
    EXPECT_EQ(input().PodpSTyp_x, 0u);

    // The self-weight mode chosen on one page shows on all three.
    editor_->pages()->setCurrentIndex(2);
    prepare([](TCalcInput& in) { in.Case = ccBasementWall; });
    click(find<QRadioButton>("wylicz_Gs0b"));
    EXPECT_EQ(input().wylicz_Gs, 0);
    EXPECT_TRUE(find<QRadioButton>("wylicz_Gs0a")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("wylicz_Gs0c")->isChecked());
    EXPECT_TRUE(find("Gs_s1")->parentWidget()->isEnabled());
    EXPECT_FALSE(find("ro_muru3")->parentWidget()->isEnabled());

    // Showing an element sets the boxes without storing.
    session.setModified(false);
    session.editCurrent([](TProjectElement& e) { e.Input.PodpSTyp_x = 2; e.Input.ScianaZOtworami = 1; });
    session.setModified(false);
    editor_->ShowElementData();
    EXPECT_TRUE(find<QRadioButton>("PodpSTyp_x2")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("ScianaZOtworami1")->isChecked());
    EXPECT_FALSE(session.modified());
}

TEST_F(ElementEditor, UnitKindNarrowsTheMortarList)
{
    prepare([](TCalcInput& in) { in.RodzajZaprawy = mtThinLayer; });
    QComboBox* mortar = find<QComboBox>("RodzajZaprawy1");
    EXPECT_EQ(mortar->count(), 3);
    EXPECT_TRUE(find<QWidget>("KlasaZaprawy1")->parentWidget()->isHidden());

    QComboBox* kind = find<QComboBox>("RodzajElementuM1");
    kind->setFocus();
    // Down from ceramic group 1 six times: aggregate concrete, group 1.
    for (int i = 0; i < 6; ++i) QTest::keyClick(kind, Qt::Key_Down);
    EXPECT_EQ(input().RodzajElementuM, static_cast<u32>(mkConcrete1));
    EXPECT_EQ(input().RodzajZaprawy, static_cast<u32>(mtGeneral));
    ASSERT_EQ(mortar->count(), 1);
    EXPECT_EQ(mortar->itemText(0), "zaprawa zwykła");
    EXPECT_FALSE(find<QWidget>("KlasaZaprawy1")->parentWidget()->isHidden());
}

TEST_F(ElementEditor, MortarKindDecidesTheClassesOffered)
{
    prepare([](TCalcInput& in) { in.RodzajZaprawy = mtGeneral; in.KlasaZaprawy = 5; }); // M20
    QComboBox* mortar = find<QComboBox>("RodzajZaprawy1");
    QComboBox* classes = find<QComboBox>("KlasaZaprawy1");
    ASSERT_EQ(classes->count(), 6);
    EXPECT_EQ(classes->currentIndex(), 5);

    mortar->setFocus();
    QTest::keyClick(mortar, Qt::Key_End); // lightweight mortar
    EXPECT_EQ(input().RodzajZaprawy, static_cast<u32>(mtLightweight));
    // Lightweight mortar goes up to M10; M20 falls back to M1.
    ASSERT_EQ(classes->count(), 4);
    EXPECT_EQ(classes->itemText(3), "M10");
    EXPECT_EQ(input().KlasaZaprawy, 0u);
    EXPECT_EQ(classes->currentIndex(), 0);
    EXPECT_FALSE(classes->parentWidget()->isHidden());

    QTest::keyClick(mortar, Qt::Key_Up); // thin-layer mortar has no class
    EXPECT_EQ(input().RodzajZaprawy, static_cast<u32>(mtThinLayer));
    EXPECT_TRUE(classes->parentWidget()->isHidden());
}

TEST_F(ElementEditor, WallTypeDecidesTheFarSideTheRingBeamsAndTheWind)
{
    prepare([](TCalcInput& in) {
        in.Case = ccWallVerticalHinged;
        in.ScianaZewnetrzna = 0;
        in.def_szer_wiencow = 0;
    });
    // An internal wall carries floors from both sides and takes no wind.
    QWidget* farFloor = find<TNumberEdit>("Nspd1")->parentWidget();
    EXPECT_FALSE(farFloor->isHidden());
    EXPECT_EQ(find<TMathLabel>("Nsld1Label")->caption(), "N(P)_sl,d_ [kN] =");
    EXPECT_TRUE(find<QWidget>("Panel7")->isHidden());
    EXPECT_TRUE(find<QWidget>("Panel1")->isHidden());

    editor_->pages()->setCurrentIndex(3);
    click(find<QRadioButton>("ScianaZewnetrzna1"));
    EXPECT_EQ(input().ScianaZewnetrzna, 1);
    EXPECT_TRUE(farFloor->isHidden());
    EXPECT_EQ(find<TMathLabel>("Nsld1Label")->caption(), "N_sl,d_ [kN] =");
    EXPECT_FALSE(find<QWidget>("Panel7")->isHidden());
    EXPECT_TRUE(find<QWidget>("Panel7")->isEnabled());

    // Ring beams narrower than the wall: their depths are asked for once ticked.
    EXPECT_FALSE(find<QWidget>("Panel1")->isHidden());
    EXPECT_FALSE(find<TNumberEdit>("ag1")->isVisibleTo(find<QWidget>("Panel1")));
    editor_->pages()->setCurrentIndex(1);
    click(find<QCheckBox>("def_szer_wiencow1"));
    EXPECT_EQ(input().def_szer_wiencow, 1);
    EXPECT_TRUE(find<TNumberEdit>("ag1")->isVisibleTo(find<QWidget>("Panel1")));
    EXPECT_TRUE(find<TNumberEdit>("ad1")->isEnabled());
}

TEST_F(ElementEditor, StiffeningCaptionsAndThePlatePanel)
{
    editor_->pages()->setCurrentIndex(1);
    QCheckBox* stiff = find<QCheckBox>("UsztywnienieSciany1");
    QWidget* distance = find<QWidget>("Panel23");
    EXPECT_TRUE(distance->isHidden());
    click(stiff);
    EXPECT_EQ(input().UsztywnienieSciany, 1u);
    EXPECT_FALSE(distance->isHidden());
    EXPECT_EQ(find<QLabel>("l_usztw1Caption")->text(), "odległość krawędzi swobodnej od osi ściany usztywniającej");
    QComboBox* edges = find<QComboBox>("UsztywnienieScianyBox12");
    edges->setFocus();
    QTest::keyClick(edges, Qt::Key_Down);
    EXPECT_EQ(input().UsztywnienieSciany, 2u);
    EXPECT_EQ(find<QLabel>("l_usztw1Caption")->text(), "odległość osi ścian usztywniających");
    click(stiff);
    EXPECT_EQ(input().UsztywnienieSciany, 0u);
    EXPECT_TRUE(distance->isHidden());

    // Case 2: the plate's edge panel only for the scheme "płyta".
    prepare([](TCalcInput& in) { in.Case = ccWallHorizontal; in.SchematScianyTyp = 2; });
    EXPECT_FALSE(find<QWidget>("Panel14b")->isHidden());
    QComboBox* scheme = find<QComboBox>("SchematScianyTyp1");
    EXPECT_EQ(scheme->currentText(), "płyta");
    scheme->setFocus();
    QTest::keyClick(scheme, Qt::Key_Down);
    EXPECT_EQ(input().SchematScianyTyp, 0u); // "belka swobodnie podparta - kierunek poziomy"
    EXPECT_TRUE(find<QWidget>("Panel14b")->isHidden());
}

// --- values that follow a store stay within their fields' ranges --------------------

TEST_F(ElementEditor, AStoreWhoseFollowingValueLeavesItsRangeIsRefusedWhole)
{
    prepare([](TCalcInput& in) {
        in.IdentyczneParametryScian = 0;
        in.wylicz_Gs = 1;
        in.ro_muru = 20;
        in.gf_muru = 1.0;
        in.h = 2000;
        in.t = 1000;
        in.l = 100;
    });
    // G_s = 20 x 1.0 x 2000 x 1000 x 10000 / 10^6 = 400 000 kN, above 200 000.
    TNumberEdit* l = find("l1");
    type(l, "10000");
    EXPECT_FALSE(editor_->commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.\rciężar własny ściany G_s = 400000,00 kN\r"
                                             "Wartość maksymalna: 200000,00 kN");
    EXPECT_EQ(input().l, 100.0);
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(results.count, 0);
    EXPECT_EQ(l->text(), "10000"); // as typed, the focus back in the field
    QApplication::processEvents();
    EXPECT_TRUE(l->hasFocus());

    // 4000 cm: G_s = 20 x 2000 x 1000 x 4000 / 10^6 = 160 000 kN is taken.
    type(l, "4000");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().l, 4000.0);
    EXPECT_DOUBLE_EQ(input().Gs, 160000.0);
    EXPECT_EQ(find("Gs1")->text(), "160000,00");

    // The weight given: G_s per metre = 30 000 / (10 cm / 100) = 300 000 kN/m.
    prepare([](TCalcInput& in) { in.wylicz_Gs = 0; in.l = 10; in.Gs = 1; in.Gs_mb = 10; });
    messages.messages.clear();
    type(find("Gs1"), "30000");
    EXPECT_FALSE(editor_->commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(input().Gs, 1.0);
    EXPECT_EQ(input().Gs_mb, 10.0);
    // 20 000 / 0.1 = 200 000 kN/m, the top of the range.
    type(find("Gs1"), "20000");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_DOUBLE_EQ(input().Gs_mb, 200000.0);

    // Switching to the computed weight recomputes it: refused the same way.
    prepare([](TCalcInput& in) {
        in.wylicz_Gs = 0;
        in.ro_muru = 20;
        in.gf_muru = 1.0;
        in.h = 2000;
        in.t = 1000;
        in.l = 10000;
    });
    messages.messages.clear();
    click(find<QRadioButton>("wylicz_Gs1"));
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(input().wylicz_Gs, 0);
    EXPECT_FALSE(find<QRadioButton>("wylicz_Gs1")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("wylicz_Gs0a")->isChecked());
    EXPECT_FALSE(session.modified());
}

TEST_F(ElementEditor, AutomaticColumnMomentAboveItsRangeRefusesTheForce)
{
    prepare([](TCalcInput& in) {
        in.Case = ccColumn;
        in.t = 10000;
        in.MsdxDef = 4 | 1; // automatic, e = 0.4 t, N_Sd of the head
        in.Msdx = 3;
        in.Sily[0].NSd = 100;
    });
    // M_Sd,x = 10 000 kN x 0.4 x 10 000 cm / 100 = 400 000 kNm, above 200 000.
    type(find("NSd1b"), "10000");
    EXPECT_FALSE(editor_->commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu."); // the message of M_Sd,x
    EXPECT_EQ(messages.messages[0].text, "moment zginający M_Sd,x = 400000,00 kNm\rWartość maksymalna: 200000,00 kNm");
    EXPECT_EQ(input().Sily[0].NSd, 100.0);
    EXPECT_EQ(input().Msdx, 3.0);
    EXPECT_EQ(find("Msdx1")->text(), "3,00");
    // 4000 kN x 40 m = 160 000 kNm is taken.
    type(find("NSd1b"), "4000");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_DOUBLE_EQ(input().Msdx, 160000.0);
}

TEST_F(ElementEditor, IdenticalJointWallsFollowTheWallsSection)
{
    // A new element's walls above and below are identical to it:
    // J = 27^3 x 130 / 12 = 19 683 x 130 / 12 = 213 232.5 cm4.
    EXPECT_EQ(input().IdentyczneParametryScian, 1);
    EXPECT_DOUBLE_EQ(input().J2, 213232.5);
    EXPECT_DOUBLE_EQ(input().J5, 213232.5);

    prepare([](TCalcInput& in) { in.Case = ccWallVerticalContinuous; });
    TNumberEdit* J2 = find("J2");
    TNumberEdit* J5 = find("J5");
    EXPECT_FALSE(J2->isEnabled());
    type(find("t1a"), "30");
    EXPECT_TRUE(editor_->commitFocused());
    // 30^3 x 130 / 12 = 27 000 x 130 / 12 = 292 500 cm4, in the element and the greyed fields.
    EXPECT_DOUBLE_EQ(input().J2, 292500.0);
    EXPECT_DOUBLE_EQ(input().J5, 292500.0);
    EXPECT_EQ(J2->text(), "292500,0");
    EXPECT_EQ(J5->text(), "292500,0");
    EXPECT_EQ(input().SlabData[0][5], 30.0);
    EXPECT_EQ(input().SlabData[3][5], 30.0);
    type(find("l1"), "100");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_DOUBLE_EQ(input().J2, 225000.0); // 27 000 x 100 / 12
    EXPECT_EQ(input().SlabData[3][3], 100.0);

    // The walls' J follows whatever t and b the fields allow: 100^3 x 10 000 / 12
    // = 8.3 x 10^8 cm4, above what a typed J may be, is taken without a word.
    type(find("l1"), "10000");
    EXPECT_TRUE(editor_->commitFocused());
    messages.messages.clear();
    type(find("t1a"), "100");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(input().t, 100.0);
    EXPECT_NEAR(input().J2, 833333333.333, 1e-3);
    EXPECT_EQ(J5->text(), "833333333,3");

    // Walls of their own keep their J.
    type(find("t1a"), "30");
    EXPECT_TRUE(editor_->commitFocused());
    editor_->pages()->setCurrentIndex(1);
    click(find<QCheckBox>("IdentyczneParametryScian1"));
    EXPECT_EQ(input().IdentyczneParametryScian, 0);
    type(find("t1a"), "25");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_DOUBLE_EQ(input().J2, 22500000.0);
}

// Real walls whose J = t^3 b / 12 passes the J field's 10^8 cm4: the
// thickness typed within its own range is taken and the element calculated;
// switched to walls of their own, a J typed above 10^8 is refused by its field.
TEST_F(ElementEditor, IdenticalWallsOfAnySectionAreTaken)
{
    prepare([](TCalcInput& in) {
        in.Case = ccWallVerticalContinuous;
        in.IdentyczneParametryScian = 0;
        in.t = 77;
        in.l = 2700;
        in.J2 = in.J5 = 5000;
    });
    editor_->pages()->setCurrentIndex(1);
    QCheckBox* identical = find<QCheckBox>("IdentyczneParametryScian1");
    // 77^3 x 2700 / 12 = 456 533 x 2700 / 12 = 102 719 925 cm4, above 10^8.
    click(identical);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(input().IdentyczneParametryScian, 1);
    EXPECT_DOUBLE_EQ(input().J2, 77.0 * 77 * 77 * 2700 / 12);

    // N_0d of 0.5 MPa over each section, above the continuous model's 0.25 MPa.
    const struct {
        const char *b, *t, *N;
    } walls[] = {{"1000", "110", "5500"}, {"500", "135", "3375"}, {"130", "210", "1365"}};
    for (const auto& w : walls) {
        type(find("Nod1"), w.N);
        EXPECT_TRUE(editor_->commitFocused()) << w.N;
        type(find("l1"), w.b);
        EXPECT_TRUE(editor_->commitFocused()) << w.b;
        type(find("t1a"), w.t);
        EXPECT_TRUE(editor_->commitFocused()) << w.t;
        EXPECT_EQ(find("t1a")->text(), QString::fromLatin1(w.t) + ",0");
        EXPECT_EQ(session.results().Error, 0) << w.t;
    }
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_DOUBLE_EQ(input().J5, 210.0 * 210 * 210 * 130 / 12);

    // Walls of their own: J is typed again, within its field's range.
    click(identical);
    EXPECT_EQ(input().IdentyczneParametryScian, 0);
    type(find("J2"), "150000000");
    EXPECT_FALSE(editor_->commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.\rWartość maksymalna: 100000000,0");
    EXPECT_DOUBLE_EQ(input().J2, 210.0 * 210 * 210 * 130 / 12);
    type(find("J2"), "5000");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_EQ(input().J2, 5000.0);
}

TEST_F(ElementEditor, ABasementWallThinnerThanARingBeamKeepsTheBeamInItsRange)
{
    prepare([](TCalcInput& in) {
        in.Case = ccBasementWall;
        in.ScianaZewnetrzna = 1;
        in.def_szer_wiencow = 1;
        in.ag = 25;
        in.ad = 12;
    });
    // t = 7 cm is a basement wall's own; the ring beams go no narrower than 10 cm.
    type(find("t1b"), "7");
    EXPECT_TRUE(editor_->commitFocused());
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(input().t, 7.0);
    EXPECT_EQ(input().ag, 10.0);
    EXPECT_EQ(input().ad, 10.0);
}

TEST_F(ElementEditor, SpinArrowsCheckTheTextAsLeavingDoes)
{
    TNumberEdit* t = find("t1a");
    const auto up = [](TNumberEdit* e) { e->findChild<QToolButton*>("up")->click(); };
    for (const char* text : {"abc", "5-3", ""}) {
        messages.messages.clear();
        t->setFocus();
        t->setText(QString::fromUtf8(text)); // as pasted
        t->setModified(true);
        up(t);
        ASSERT_EQ(messages.messages.size(), 1u) << text;
        EXPECT_EQ(messages.messages[0].headline, "Popraw!");
        EXPECT_EQ(messages.messages[0].text, "Błąd w zapisie! ");
        EXPECT_EQ(input().t, 27.0) << text; // not the minimum 10 plus a step
        EXPECT_EQ(t->text(), QString::fromUtf8(text));
        EXPECT_FALSE(session.modified());
        EXPECT_EQ(results.count, 0);
    }

    // "5-3" in M_Sd,x and the down arrow: never -200 000 + ... kNm.
    prepare([](TCalcInput& in) { in.Case = ccColumn; in.Msdx = 12; });
    messages.messages.clear();
    TNumberEdit* m = find("Msdx1");
    m->setFocus();
    m->setText("5-3");
    m->setModified(true);
    QTest::keyClick(m, Qt::Key_Down);
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(input().Msdx, 12.0);
    EXPECT_FALSE(session.modified());

    // A number steps from itself and is stored at once.
    m->setText("20");
    QTest::keyClick(m, Qt::Key_Down);
    EXPECT_EQ(input().Msdx, 19.0);
    EXPECT_EQ(m->text(), "19,00");
}

// The building-stiffening list: long items wrapped whole, not cut.
TEST_F(ElementEditor, StiffeningItemsAreWrappedWholeInTheirList)
{
    auto* combo = find<QComboBox>("RodzajKonstrSciany1");
    ASSERT_NE(combo, nullptr);
    editor_->pages()->setCurrentIndex(3); // "Założenia"
    for (int c = 0; c < CalcCaseCount && !combo->isVisible(); ++c) {
        session.setCase(static_cast<TCalcCase>(c));
        editor_->ShowElementData();
        editor_->pages()->setCurrentIndex(3);
    }
    ASSERT_TRUE(combo->isVisible());
    combo->setCurrentIndex(1);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window(), orvtest::kHangMs));
    auto* wrap = qobject_cast<TWrappedItemDelegate*>(view->itemDelegate());
    ASSERT_NE(wrap, nullptr);

    const QFontMetrics fm(view->font());
    // The list is as wide as the combo; the texts wrap in it.
    EXPECT_LE(view->window()->width(), combo->width() + 2);
    const QImage shot = view->viewport()->grab().toImage();
    const QColor base = view->palette().color(QPalette::Base);
    const QColor highlight = view->palette().color(QPalette::Highlight);
    for (int row = 0; row < combo->count(); ++row) {
        const QModelIndex index = combo->model()->index(row, 0);
        const QRect r = view->visualRect(index);
        EXPECT_GE(r.height(), 68) << row;
        // Up to three lines at the combo's width: never much taller than that.
        EXPECT_LE(r.height(), std::max(68, 3 * fm.lineSpacing() + 8)) << row;
        // The whole wrapped text fits the item, at the list's width.
        QStyleOptionViewItem option;
        option.initFrom(view);
        EXPECT_LE(wrap->textHeight(option, index, r.width() - 1), r.height()) << row;
        // A text wider than the list takes more than one line of ink.
        int top = r.bottom(), bottom = r.top();
        const QColor ground = row == 1 ? highlight : base;
        for (int y = r.top(); y <= r.bottom() && y < shot.height(); ++y)
            for (int x = r.left() + 2; x < r.right() && x < shot.width(); ++x)
                if (shot.pixelColor(x, y) != ground) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        ASSERT_LT(top, bottom) << "no text in item " << row;
        if (fm.horizontalAdvance(combo->itemText(row)) > r.width()) {
            EXPECT_GT(bottom - top, fm.height() * 3 / 2) << row;
        }
        // The selected item on the highlight, the others on the window colour,
        // under the text too: no long run of another colour.
        EXPECT_EQ(shot.pixelColor(r.left() + 1, r.top() + 1), ground) << row;
        int longest = 0;
        for (int y = r.top(); y <= r.bottom() && y < shot.height(); ++y)
            for (int x = r.left(), run = 0; x < r.right() && x < shot.width(); ++x) {
                run = shot.pixelColor(x, y) != ground ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        EXPECT_LT(longest, 3 * fm.height()) << row;
    }
    combo->hidePopup();
}
