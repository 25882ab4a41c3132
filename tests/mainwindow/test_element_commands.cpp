// The element commands of the main window with their dialogs played: add,
// copy, rename by a double click on the tab, the element manager, the column
// moments' "..." buttons; the editor's context help; and every road out of a
// field that holds a refused text.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <QTest>
#include <QToolButton>
#include <QWhatsThis>

#include <cstring>
#include <functional>
#include <memory>

#include "components/DialogRunner.h"
#include "components/ElementTabBar.h"
#include "components/HelpRouterUnit.h"
#include "components/MOpenDialog.h"
#include "components/Realedit.h"
#include "components/WhatsThisUnit.h"
#include "core/MyUtils.h"
#include "core/SettingsStore.h"
#include "core/ZunCalc.h"
#include "core/ZunEditor.h"
#include "dialogs/Kolejnosc2.h"
#include "mainwindow/EditorHelp.h"
#include "mainwindow/ElementEditor.h"
#include "mainwindow/ZunMain.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

class ElementCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldStore_ = BindSettingsStore(&store);
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        oldResponder_ = BindDialogResponder([this](QDialog& d) {
            ++shown;
            lastTitle = d.windowTitle();
            return play ? play(d) : 0;
        });
        window = std::make_unique<TVelkor2>();
        window->resize(1200, 900);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get(), orvtest::kHangMs));
    }
    void TearDown() override
    {
        window->session().setModified(false);
        window.reset();
        if (THelpWindow* w = HelpWindow()) delete w;
        BindDialogResponder(oldResponder_);
        SetDecimalSeparator(oldSep_);
        BindSettingsStore(oldStore_);
    }

    ProjectSession& session() { return window->session(); }
    TElementTabBar* tabs() { return window->findChild<TElementTabBar*>("TabControl1"); }
    QStringList tabTexts()
    {
        QStringList out;
        for (int i = 0; i < tabs()->count(); ++i) out << tabs()->tabText(i);
        return out;
    }
    TNumberEdit* field(const char* name) { return window->findChild<TNumberEdit*>(QString::fromLatin1(name)); }

    // Plays the element name dialog: the name (null keeps it), the
    // description lines and the button.
    static std::function<int(QDialog&)> nameDialog(const char* name, const char* description, const char* button,
                                                   std::function<void(QDialog&)> look = {})
    {
        return [=](QDialog& d) {
            if (look) look(d);
            if (name) d.findChild<QLineEdit*>("Name1")->setText(QString::fromUtf8(name));
            if (description) d.findChild<QPlainTextEdit*>("Memo1")->setPlainText(QString::fromUtf8(description));
            d.findChild<QPushButton*>(button)->click();
            return d.result();
        };
    }

    MemorySettingsStore store;
    orvtest::MessageRecorder messages;
    std::unique_ptr<TVelkor2> window;
    std::function<int(QDialog&)> play;
    int shown = 0;
    QString lastTitle;

private:
    ISettingsStore* oldStore_ = nullptr;
    char oldSep_ = '.';
    TDialogResponder oldResponder_;
};

} // namespace

// Projects of a thousand elements and of a few, opened one after another:
// a tab for every element, in order, the stored element current and shown.
TEST_F(ElementCommands, LargeAndSmallProjectsOpenWithATabForEveryElement)
{
    orvtest::ScratchDir dir;
    auto write = [&](const std::string& file, int count, int current) {
        ProjectSession s;
        for (int i = 1; i < count; ++i) s.addElement("Ściana " + std::to_string(i + 1), "", i % CalcCaseCount);
        s.setCurrent(current);
        ASSERT_TRUE(s.save(dir.file(file)).ok());
    };
    write("duzy.clcm", 1000, 637);
    write("maly.clcm", 3, 2);
    const auto expectTabs = [&](int count, int current) {
        ASSERT_EQ(tabs()->count(), count);
        const QStringList texts = tabTexts();
        EXPECT_EQ(texts.front(), "Element 1");
        for (int i = 1; i < count; ++i) {
            if (texts[i] != QStringLiteral("Ściana %1").arg(i + 1)) {
                ADD_FAILURE() << "tab " << i << ": " << texts[i].toStdString();
                break;
            }
        }
        EXPECT_EQ(tabs()->currentIndex(), current);
        EXPECT_EQ(session().currentIndex(), current);
        for (int i = 0; i < count; ++i) {
            if (!tabs()->isTabVisible(i)) {
                ADD_FAILURE() << "tab " << i << " hidden";
                break;
            }
        }
        // Every tab is measured: the current one and the last have their width.
        QApplication::processEvents();
        EXPECT_GT(tabs()->tabRect(current).width(), 1);
        EXPECT_GT(tabs()->tabRect(count - 1).width(), 1);
        // The current tab is scrolled into view.
        EXPECT_TRUE(tabs()->rect().contains(tabs()->tabRect(current).center()))
            << "tab " << current << " at " << tabs()->tabRect(current).x() << " in a bar " << tabs()->width()
            << " wide";
    };
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(window->OpenProject(QString::fromStdString(dir.file("duzy.clcm"))));
        expectTabs(1000, 637);
        ASSERT_TRUE(window->OpenProject(QString::fromStdString(dir.file("maly.clcm"))));
        expectTabs(3, 2);
    }
    // A click on a tab shows its element, as does a tab chosen further on.
    ASSERT_TRUE(window->OpenProject(QString::fromStdString(dir.file("duzy.clcm"))));
    QApplication::processEvents();
    QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(1).center());
    EXPECT_EQ(session().currentIndex(), 1);
    EXPECT_EQ(session().current().Name.str(), "Ściana 2");
    tabs()->setCurrentIndex(638);
    EXPECT_EQ(session().currentIndex(), 638);
    EXPECT_EQ(session().current().Name.str(), "Ściana 639");
}

TEST_F(ElementCommands, AddAsksForANameAndTheCase)
{
    QAction* add = window->findChild<QAction*>("Dodajnowyelement1");
    ASSERT_TRUE(add->isEnabled());
    play = nameDialog(nullptr, "oś B\nparter", "BitBtn7", [](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("Name1")->text(), "Element 2");
        auto* cases = d.findChild<QComboBox*>("tryb1");
        EXPECT_TRUE(cases->isEnabled());
        EXPECT_EQ(cases->count(), CalcCaseCount);
        EXPECT_EQ(cases->currentIndex(), 0);
        cases->setCurrentIndex(ccColumn);
    });
    add->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(lastTitle, "Nowy element");
    ASSERT_EQ(session().count(), 2);
    EXPECT_EQ(session().currentIndex(), 1);
    EXPECT_EQ(session().current().Name.str(), "Element 2");
    EXPECT_EQ(session().current().Description.str(), "oś B\r\nparter");
    EXPECT_EQ(session().current().Input.Case, ccColumn);
    EXPECT_EQ(tabTexts(), (QStringList{"Element 1", "Element 2"}));
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(window->editor()->caseList()->currentIndex(), ccColumn);
    EXPECT_TRUE(session().modified());

    // The name of an element already there is refused and the dialog stays;
    // Cancel then adds nothing.
    play = [](QDialog& d) {
        d.findChild<QLineEdit*>("Name1")->setText("element 1");
        d.findChild<QPushButton*>("BitBtn7")->click();
        EXPECT_EQ(d.result(), 0);
        d.findChild<QPushButton*>("BitBtn8")->click();
        return d.result();
    };
    add->trigger();
    EXPECT_EQ(messages.messages.back().headline, "Wprowadzona nazwa już istnieje!");
    EXPECT_EQ(session().count(), 2);
    EXPECT_EQ(tabs()->count(), 2);
}

TEST_F(ElementCommands, ACopyCarriesTheWholeElementUnderANewName)
{
    // A column with its own values and a load compilation of its own.
    session().setCase(ccColumn);
    session().editCurrent([](TProjectElement& e) {
        e.Input.t2 = 38;
        e.Input.Sily[0].NSd = 420;
        e.Loads.StoreyCount = 3;
        e.Description.set("słup w osi C");
    });
    session().setModified(false);
    play = nameDialog(nullptr, nullptr, "BitBtn7", [](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("Name1")->text(), "Element 1 [kopia]");
        auto* cases = d.findChild<QComboBox*>("tryb1");
        EXPECT_FALSE(cases->isEnabled());
        EXPECT_EQ(cases->currentIndex(), ccColumn);
        // The description is not preset.
        EXPECT_TRUE(d.findChild<QPlainTextEdit*>("Memo1")->toPlainText().isEmpty());
    });
    window->findChild<QAction*>("Skopiujaktywnyelementjakonowy1")->trigger();
    ASSERT_EQ(session().count(), 2);
    EXPECT_EQ(session().currentIndex(), 1);
    const TProjectElement& copy = session().element(1);
    const TProjectElement& original = session().element(0);
    EXPECT_EQ(copy.Name.str(), "Element 1 [kopia]");
    EXPECT_EQ(copy.Description.str(), "");
    const std::size_t from = offsetof(TProjectElement, Reserved1);
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&copy) + from, reinterpret_cast<const char*>(&original) + from,
                          sizeof copy - from), 0);
    EXPECT_EQ(tabTexts(), (QStringList{"Element 1", "Element 1 [kopia]"}));
    EXPECT_EQ(field("t2")->text(), "38,0");
    EXPECT_TRUE(session().modified());
}

TEST_F(ElementCommands, ADoubleClickOnTheTabRenames)
{
    play = nameDialog(nullptr, nullptr, "BitBtn7");
    window->ToolButton10Click();
    ASSERT_EQ(session().count(), 2);
    session().setModified(false);
    const std::string input(reinterpret_cast<const char*>(&session().current().Input), sizeof(TCalcInput));

    play = nameDialog("Ściana zewnętrzna A", "oś A", "BitBtn7", [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edytuj istniejący element");
        EXPECT_EQ(d.findChild<QLineEdit*>("Name1")->text(), "Element 2");
        EXPECT_FALSE(d.findChild<QComboBox*>("tryb1")->isEnabled());
    });
    const QRect tab = tabs()->tabRect(1);
    QTest::mouseDClick(tabs(), Qt::LeftButton, {}, tab.center());
    EXPECT_EQ(session().currentIndex(), 1);
    EXPECT_EQ(session().current().Name.str(), "Ściana zewnętrzna A");
    EXPECT_EQ(session().current().Description.str(), "oś A");
    EXPECT_EQ(tabTexts(), (QStringList{"Element 1", "Ściana zewnętrzna A"}));
    EXPECT_TRUE(session().modified());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&session().current().Input), sizeof(TCalcInput)), input);

    // Keeping its own name is allowed; taking the other element's is not.
    play = nameDialog("element 1", nullptr, "BitBtn7", [](QDialog&) {});
    window->TabControl1DblClick();
    EXPECT_EQ(messages.messages.back().headline, "Wprowadzona nazwa już istnieje!");
    const std::size_t refused = messages.messages.size();
    play = nameDialog(nullptr, "oś A\nściana szczytowa", "BitBtn7");
    window->TabControl1DblClick();
    EXPECT_EQ(messages.messages.size(), refused);
    EXPECT_EQ(session().current().Name.str(), "Ściana zewnętrzna A");
    EXPECT_EQ(session().current().Description.str(), "oś A\r\nściana szczytowa");
}

TEST_F(ElementCommands, TheManagerReordersAndCancelChangesNothing)
{
    for (const char* name : {"B", "C"}) {
        play = nameDialog(name, nullptr, "BitBtn7");
        window->ToolButton10Click();
    }
    TProjectHeader h = session().header();
    h.Title.set("Szkoła");
    session().setHeader(h);
    session().setModified(false);
    ASSERT_EQ(tabTexts(), (QStringList{"Element 1", "B", "C"}));

    // Cancel after moving: nothing changes.
    play = [](QDialog& d) {
        static_cast<TTabManeagerDlg&>(d).SpeedButton1Click();
        d.findChild<QPushButton*>("BitBtn1")->click();
        return d.result();
    };
    window->findChild<QAction*>("Menaderelementw1")->trigger();
    EXPECT_EQ(lastTitle, "Menadżer elementów");
    EXPECT_EQ(tabTexts(), (QStringList{"Element 1", "B", "C"}));
    EXPECT_FALSE(session().modified());

    // "C" (current) first, then OK: the window shows the new order and "C".
    play = [](QDialog& d) {
        auto& m = static_cast<TTabManeagerDlg&>(d);
        EXPECT_EQ(m.focusedRow(), 2);
        m.SpeedButton1Click();
        d.findChild<QPushButton*>("BitBtn2")->click();
        return d.result();
    };
    window->Menaderelementw1Click();
    EXPECT_EQ(tabTexts(), (QStringList{"C", "Element 1", "B"}));
    EXPECT_EQ(session().currentIndex(), 0);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(session().current().Name.str(), "C");
    EXPECT_EQ(session().header().Title.str(), "Szkoła");
    EXPECT_TRUE(session().modified());
    EXPECT_FALSE(window->findChild<QAction*>("Wywietlpoprzednielement1")->isEnabled());
}

TEST_F(ElementCommands, TheMomentButtonStoresTheDialogsMoment)
{
    session().setCase(ccColumn);
    session().editCurrent([](TProjectElement& e) {
        e.Input.t = 25;
        e.Input.t2 = 38;
        e.Input.Sily[0].NSd = 100;
        e.Input.MsdxDef = 0;
        e.Input.ex = 0;
    });
    session().setModified(false);
    QToolButton* dots = field("Msdx1")->findChild<QToolButton*>("speed");
    ASSERT_TRUE(dots->isEnabled());

    // e = 0.4 t: M_Sd,x = 100 kN x 0.10 m = 10.00 kNm.
    play = [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Moment zginający");
        EXPECT_EQ(d.findChild<QRadioButton*>("e04t")->text(), "e = 0,4·t");
        d.findChild<QRadioButton*>("e04t")->click();
        d.findChild<QPushButton*>("BitBtn1")->click();
        return d.result();
    };
    dots->click();
    EXPECT_EQ(shown, 1);
    EXPECT_DOUBLE_EQ(session().current().Input.Msdx, 10.0);
    EXPECT_EQ(session().current().Input.MsdxDef, 1);
    EXPECT_EQ(field("Msdx1")->text(), "10,00");
    EXPECT_TRUE(session().modified());

    // About y with its own force 50 kN and e = 0.4 b: 50 x 0.152 = 7.60 kNm.
    play = [](QDialog& d) {
        EXPECT_EQ(d.findChild<QRadioButton*>("e04t")->text(), "e = 0,4·b");
        d.findChild<QRadioButton*>("e04t")->click();
        d.findChild<QRadioButton*>("Obc1")->click();
        auto* own = d.findChild<TNumberEdit*>("NSd1");
        own->setValue(50);
        own->commit();
        d.findChild<QPushButton*>("BitBtn1")->click();
        return d.result();
    };
    window->editor()->Msdy1ButtonClick();
    EXPECT_DOUBLE_EQ(session().current().Input.Msdy, 7.6);
    EXPECT_EQ(session().current().Input.MsdyDef, 3);
    EXPECT_EQ(session().current().Input.Sily[2].NSd, 50.0);
    EXPECT_DOUBLE_EQ(session().current().Input.Msdx, 10.0);

    // A moment typed since: OK at once keeps it, shown as the given
    // eccentricity e = 100 x 99 / 100 = 99 cm.
    session().editCurrent([](TProjectElement& e) { e.Input.Msdx = 99; });
    play = [](QDialog& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>("e2")->isChecked());
        EXPECT_EQ(d.findChild<TNumberEdit*>("ex1")->text(), "99,0");
        d.findChild<QPushButton*>("BitBtn1")->click();
        return d.result();
    };
    window->editor()->Msdx1ButtonClick();
    EXPECT_DOUBLE_EQ(session().current().Input.Msdx, 99.0);
    EXPECT_EQ(session().current().Input.MsdxDef, 0);
    EXPECT_DOUBLE_EQ(session().current().Input.ex, 99.0);

    // Cancel leaves the element.
    session().setModified(false);
    play = [](QDialog& d) {
        d.findChild<QRadioButton*>("e04t")->click();
        d.findChild<QPushButton*>("BitBtn2")->click();
        return d.result();
    };
    window->editor()->Msdx1ButtonClick();
    EXPECT_EQ(session().current().Input.MsdxDef, 0);
    EXPECT_DOUBLE_EQ(session().current().Input.Msdx, 99.0);
    EXPECT_FALSE(session().modified());
}

// The pier's moment typed into its field, then "..." and OK without a change:
// the moment and so every result of the check stay as they were.
TEST_F(ElementCommands, MomentDialogLeftWithoutAChangeKeepsATypedMoment)
{
    session().setCase(ccColumn);
    session().editCurrent([](TProjectElement& e) {
        e.Input.t = 25;
        e.Input.t2 = 38;
        e.Input.Sily[0].NSd = 150;
        e.Input.MsdxDef = 0;
        e.Input.ex = 0;
    });
    TNumberEdit* m = field("Msdx1");
    m->setFocus();
    m->selectAll();
    QTest::keyClicks(m, "3,00");
    ASSERT_TRUE(m->commit());
    ASSERT_EQ(session().current().Input.Msdx, 3.0);
    const TCalcResults before = session().results();
    session().setTraceRead(true); // as with the trace window open
    const TTraceLines trace = session().trace();
    ASSERT_FALSE(trace.empty());

    // The moment matters: without it the capacity of the middle section differs.
    TCalcInput unbent = session().current().Input;
    unbent.Msdx = 0;
    TTraceLines lines;
    TCalcResults r0;
    ASSERT_EQ(CalcElement(lines, unbent, r0), 0);
    EXPECT_NE(r0.N_mRd_xy, before.N_mRd_xy);

    // e = 100 x 3 kNm / 150 kN = 2 cm.
    play = [](QDialog& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>("e2")->isChecked());
        EXPECT_EQ(d.findChild<TNumberEdit*>("ex1")->text(), "2,0");
        d.findChild<QPushButton*>("BitBtn1")->click();
        return d.result();
    };
    m->findChild<QToolButton*>("speed")->click();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(session().current().Input.Msdx, 3.0);
    EXPECT_EQ(field("Msdx1")->text(), "3,00");
    EXPECT_EQ(session().results().N_1Rd_xy, before.N_1Rd_xy);
    EXPECT_EQ(session().results().N_mRd_xy, before.N_mRd_xy);
    EXPECT_EQ(session().results().N_2Rd_xy, before.N_2Rd_xy);
    EXPECT_EQ(session().trace(), trace);
    EXPECT_DOUBLE_EQ(session().current().Input.ex, 2.0);

    // An automatic moment with more decimals than the field shows,
    // 123.45 x 0.4 x 0.25 = 12.345 kNm, stays as computed.
    m->clearFocus();
    session().editCurrent([](TProjectElement& e) {
        e.Input.Sily[0].NSd = 123.45;
        e.Input.MsdxDef = 4 | 1;
        UpdateColumnMoments(e.Input);
    });
    window->editor()->ShowElementData();
    const double automatic = session().current().Input.Msdx;
    ASSERT_NEAR(automatic, 12.345, 1e-12);
    play = [](QDialog& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>("e04t")->isChecked());
        d.findChild<QPushButton*>("BitBtn1")->click();
        return d.result();
    };
    window->editor()->Msdx1ButtonClick();
    EXPECT_EQ(session().current().Input.Msdx, automatic);
    EXPECT_EQ(session().current().Input.MsdxDef, 5);
}

TEST_F(ElementCommands, EditorFieldsCarryTheirTextsAndTheAnnexOpensItsPage)
{
    // Every control the table names stands in the editor.
    TElementEditor* editor = window->editor();
    for (const TFieldHelp& h : EditorFieldHelp())
        EXPECT_NE(editor->findChild<QWidget*>(QString::fromLatin1(h.name)), nullptr) << h.name;
    // ... and carries its own text: the control of that name findChild gives.
    for (const TFieldHelp& h : EditorFieldHelp()) {
        if (QWidget* w = editor->findChild<QWidget*>(QString::fromLatin1(h.name))) {
            EXPECT_EQ(w->whatsThis().toStdString(), h.text) << h.name;
        }
    }
    // Every numeric field of the editor has a text.
    for (TNumberEdit* e : editor->findChildren<TNumberEdit*>())
        EXPECT_FALSE(e->whatsThis().isEmpty()) << e->objectName().toStdString();

    // F1 on a field shows its text.
    auto* help = window->findChild<TWhatsThis*>();
    ASSERT_NE(help, nullptr);
    QSignalSpy spy(help, &TWhatsThis::helpShown);
    window->editor()->pages()->setCurrentIndex(1);
    TNumberEdit* t = field("t1a");
    t->setFocus();
    QTest::keyClick(t, Qt::Key_F1);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][1].toString(), "Grubość ściany t [cm].");
    // "Co to jest?" stands in the help menu.
    EXPECT_EQ(help->menuAction()->text(), "Co to jest?");
    EXPECT_FALSE(help->menuAction()->associatedObjects().isEmpty());

    // The annex label of the basement wall opens the annex's page.
    session().setCase(ccBasementWall);
    window->editor()->ShowElementData();
    window->editor()->pages()->setCurrentIndex(3);
    auto* annex = editor->findChild<QLabel*>("ZalacznikA");
    ASSERT_TRUE(annex->isVisible());
    QTest::mouseClick(annex, Qt::LeftButton);
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->currentTopic(), "zalacznik_A");
}

TEST_F(ElementCommands, HelpAndWhatsThisToolButtonsAndTheTextsOfTheWindow)
{
    auto* bar = window->findChild<QToolBar*>("ToolBar1");
    ASSERT_NE(bar, nullptr);
    auto* help = bar->findChild<QToolButton*>("ToolButton16");
    auto* what = bar->findChild<QToolButton*>("btnWhatsThis");
    ASSERT_NE(help, nullptr);
    ASSERT_NE(what, nullptr);
    EXPECT_EQ(help->text(), "Pomoc");
    EXPECT_EQ(what->text(), "Co to jest?");

    // "Pomoc" opens the contents of the help.
    help->click();
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->currentTopic(), HelpContentsTopic);

    // The what's-this button enters the mode and stays down; a click on it
    // in the mode only leaves the mode.
    auto* whatsThis = window->findChild<TWhatsThis*>();
    QSignalSpy spy(whatsThis, &TWhatsThis::helpShown);
    QTest::mouseClick(what, Qt::LeftButton);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    EXPECT_TRUE(what->isChecked());
    QTest::mouseClick(what, Qt::LeftButton);
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    EXPECT_FALSE(what->isChecked());
    EXPECT_EQ(spy.count(), 0);

    // Every tool button, the element tabs and the results side have a text.
    for (QToolButton* b : bar->findChildren<QToolButton*>()) {
        if (!b->defaultAction()) continue; // the bar's own extension button
        EXPECT_FALSE(b->whatsThis().isEmpty()) << b->objectName().toStdString();
    }
    for (const char* name : {"TabControl1", "Panel8", "Panel9", "PB1b", "REdit1"}) {
        auto* w = window->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_FALSE(TWhatsThis::helpTextOf(w).isEmpty()) << name;
    }
    EXPECT_NE(TWhatsThis::helpTextOf(window->findChild<QWidget*>("REdit1")),
              TWhatsThis::helpTextOf(window->findChild<QWidget*>("Panel8")));

    // F1 on the element tabs shows their own text.
    tabs()->setFocus();
    QTest::keyClick(tabs(), Qt::Key_F1);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].value<QWidget*>(), tabs());
    EXPECT_TRUE(spy[0][1].toString().startsWith("Zakładki elementów projektu"));
}

TEST_F(ElementCommands, MenuItemOpensTheMasonryUnitCatalogue)
{
    auto* item = window->findChild<QAction*>("Listaelementwmurowych1");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Lista elementów murowych");
    auto* options = window->findChild<QMenu*>("Opcje1");
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(options->actions().contains(item));

    QString title;
    QTimer::singleShot(0, [&title] {
        QWidget* d = QApplication::activeModalWidget();
        ASSERT_NE(d, nullptr);
        title = d->windowTitle();
        EXPECT_EQ(d->objectName(), "ElementsListDlg");
        static_cast<QDialog*>(d)->reject();
    });
    item->trigger();
    EXPECT_EQ(title, "Lista elementów murowych");
    EXPECT_FALSE(session().modified());
}

TEST_F(ElementCommands, AMomentAboveItsFieldsRangeIsRefused)
{
    session().setCase(ccColumn);
    session().editCurrent([](TProjectElement& e) {
        e.Input.t = 10000;
        e.Input.Sily[0].NSd = 100000;
        e.Input.MsdxDef = 0;
        e.Input.ex = 0;
        e.Input.Msdx = 5;
    });
    session().setModified(false);
    // e = 0.4 t: M_Sd,x = 100 000 kN x 40 m = 4 000 000 kNm, above 200 000.
    play = [](QDialog& d) {
        d.findChild<QRadioButton*>("e04t")->click();
        d.findChild<QPushButton*>("BitBtn1")->click();
        return d.result();
    };
    const std::size_t before = messages.messages.size();
    window->editor()->Msdx1ButtonClick();
    ASSERT_EQ(messages.messages.size(), before + 1);
    EXPECT_EQ(messages.messages.back().headline, "Wartość spoza zakresu.");
    EXPECT_EQ(messages.messages.back().text, "moment zginający M_Sd,x = 4000000,00 kNm\rWartość maksymalna: 200000,00 kNm");
    // Neither the moment (not cut to 200 000) nor the dialog's choices are kept.
    EXPECT_EQ(session().current().Input.Msdx, 5.0);
    EXPECT_EQ(session().current().Input.MsdxDef, 0);
    EXPECT_EQ(field("Msdx1")->text(), "5,00");
    EXPECT_FALSE(session().modified());
}

// --- a refused text holds its field on every road out of it ---------------------------

namespace {

// A road out of a field, and what it would have done had it been taken.
struct Road {
    const char* name;
    std::function<void()> take;
    std::function<void()> checkNothingHappened;
};

} // namespace

// f_b above its list and a thickness above its field's range, typed and then
// left by every road a user takes: each time the range message, the field
// and its page in front with the focus and the typed text, the element as it
// was, and the road's own work not done.
TEST_F(ElementCommands, ARefusedTextHoldsItsFieldAndPageOnEveryRoad)
{
    session().addElement("Element 2", "", ccWallVerticalHinged);
    session().setCurrent(0);
    session().setModified(false);
    TElementEditor* editor = window->editor();
    QTabWidget* pages = editor->pages();
    auto* bar = window->findChild<QToolBar*>("ToolBar1");
    auto toolButton = [&](const char* action) {
        return bar->widgetForAction(window->findChild<QAction*>(action));
    };
    auto clickPageTab = [&](int page) {
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(page).center());
    };

    const auto sameElement = [&] {
        EXPECT_EQ(session().count(), 2);
        EXPECT_EQ(session().currentIndex(), 0);
        EXPECT_EQ(tabs()->currentIndex(), 0);
        EXPECT_EQ(shown, 0); // no dialog of any road opened
    };
    const Road roads[] = {
        {"another page tab", [&] { clickPageTab(2); }, [] {}},
        // as it reaches the pages from a field that has no use for it
        {"Ctrl+PgDown", [&] { QTest::keyClick(pages, Qt::Key_PageDown, Qt::ControlModifier); }, [] {}},
        {"another element's tab", [&] { QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(1).center()); },
         [] {}},
        {"the next-element button", [&] { QTest::mouseClick(toolButton("Wywietlnastpnyelement1"), Qt::LeftButton); },
         [] {}},
        {"the add-element button", [&] { QTest::mouseClick(toolButton("Dodajnowyelement1"), Qt::LeftButton); },
         [] {}},
        {"the recalculation button", [&] { QTest::mouseClick(toolButton("Calculate11"), Qt::LeftButton); },
         [&] {
             EXPECT_TRUE(session().recalculation());
             EXPECT_TRUE(window->findChild<QAction*>("Calculate11")->isChecked());
         }},
        {"the menu's project description", [&] { window->findChild<QAction*>("Opisprojektu1")->trigger(); }, [] {}},
        {"the element manager's tree", [&] { window->findChild<QAction*>("Menaderelementw1")->trigger(); }, [] {}},
        {"the case list", [&] {
             QComboBox* cases = editor->caseList();
             cases->setFocus(Qt::MouseFocusReason);
             cases->setCurrentIndex(ccColumn);
             emit cases->activated(ccColumn);
         },
         [&] {
             EXPECT_EQ(session().current().Input.Case, ccWallVerticalHinged);
             EXPECT_EQ(editor->caseList()->currentIndex(), ccWallVerticalHinged);
         }},
        {"closing the window", [&] { window->close(); }, [&] { EXPECT_TRUE(window->isVisible()); }},
        {"printing", [&] { window->findChild<QAction*>("Wdrukuj1")->trigger(); }, [] {}},
        {"the print preview", [&] { window->findChild<QAction*>("Podgldwydruku1")->trigger(); }, [] {}},
    };

    struct Field {
        const char* name;
        int page;
        const char* typed;
        const char* message;
    };
    const Field fields[] = {
        {"fb1", 0, "5000", "Wartość maksymalna: 75,0"},
        {"t1a", 1, "20000", "Wartość maksymalna: 10000,0"},
    };
    for (const Field& f : fields) {
        session().setModified(false);
        const double fb = session().current().Input.fb, t = session().current().Input.t;
        for (const Road& road : roads) {
            SCOPED_TRACE(std::string(f.name) + " left by " + road.name);
            pages->setCurrentIndex(f.page);
            auto* w = window->findChild<QWidget*>(QString::fromLatin1(f.name));
            ASSERT_NE(w, nullptr);
            w->setFocus();
            QLineEdit* text = qobject_cast<QLineEdit*>(w);
            if (auto* combo = qobject_cast<QComboBox*>(w)) text = combo->lineEdit();
            text->clear();
            QTest::keyClicks(text, QString::fromLatin1(f.typed));
            messages.messages.clear();
            shown = 0;

            road.take();
            QApplication::processEvents();

            ASSERT_EQ(messages.messages.size(), 1u);
            const orvtest::RecordedMessage& m = messages.messages[0];
            EXPECT_NE((m.headline + "\r" + m.text).find(f.message), std::string::npos) << m.headline << m.text;
            EXPECT_EQ(pages->currentIndex(), f.page);
            QWidget* focus = QApplication::focusWidget();
            EXPECT_TRUE(focus == w || w->isAncestorOf(focus)) << (focus ? focus->objectName().toStdString() : "none");
            EXPECT_EQ(text->text(), QString::fromLatin1(f.typed));
            EXPECT_EQ(session().current().Input.fb, fb);
            EXPECT_EQ(session().current().Input.t, t);
            EXPECT_FALSE(session().modified());
            sameElement();
            road.checkNothingHappened();
        }
        // Corrected, the field is left by the page tab as by any road.
        auto* w = window->findChild<QWidget*>(QString::fromLatin1(f.name));
        QLineEdit* text = qobject_cast<QLineEdit*>(w);
        if (auto* combo = qobject_cast<QComboBox*>(w)) text = combo->lineEdit();
        text->clear();
        QTest::keyClicks(text, QStringLiteral("15"));
        messages.messages.clear();
        clickPageTab(3);
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(pages->currentIndex(), 3);
    }
    EXPECT_EQ(session().current().Input.fb, 15.0);
    EXPECT_EQ(session().current().Input.t, 15.0);
}

// A text refused when its field was left by a click on a box of the same
// page holds the box too: the box's choice is not stored.
TEST_F(ElementCommands, AChoiceWaitsForTheRefusedField)
{
    TElementEditor* editor = window->editor();
    editor->pages()->setCurrentIndex(1);
    session().setModified(false);
    TNumberEdit* t = field("t1a");
    t->setFocus();
    t->clear();
    QTest::keyClicks(t, "20000");
    auto* narrow = window->findChild<QCheckBox*>("def_szer_wiencow1");
    ASSERT_TRUE(narrow->isVisible());
    const bool before = narrow->isChecked();
    QTest::mouseClick(narrow, Qt::LeftButton, {}, QPoint(8, narrow->height() / 2));
    QApplication::processEvents();
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(narrow->isChecked(), before);
    EXPECT_EQ(session().current().Input.def_szer_wiencow, before ? 1 : 0);
    EXPECT_FALSE(session().modified());
    EXPECT_TRUE(t->hasFocus());
    EXPECT_EQ(t->text(), "20000");
}
