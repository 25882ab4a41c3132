// The element name dialog and the element manager: names refused and taken,
// descriptions joined, elements reordered, deleted and renamed, and what OK
// and Cancel leave.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QScreen>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <climits>
#include <cstring>
#include <memory>

#include "components/DialogRunner.h"
#include "components/HelpRouterUnit.h"
#include "components/ListColumns.h"
#include "components/WindowPlacement.h"
#include "core/CommonParamsUnit.h"
#include "core/SettingsStore.h"
#include "dialogs/AddPoz.h"
#include "dialogs/Kolejnosc2.h"
#include "dialogs/StaleDlg.h"
#include "dialogs/ZunElementsList.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

void Press(QWidget& w, const char* name)
{
    auto* b = w.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

// --- the element name dialog -------------------------------------------------------

class NameDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        data.mode = 1;
        data.name = "Element 3";
        data.takenNames = {"Ściana A", "Słup S1"};
        data.cases = {" Ściana obciążona pionowo - model przegubowy", " Słup"};
        owned = std::make_unique<TAddPosDlg>();
        owned->setData(data);
        owned->show();
    }
    QLineEdit* name() { return dlg().findChild<QLineEdit*>("Name1"); }
    QPlainTextEdit* memo() { return dlg().findChild<QPlainTextEdit*>("Memo1"); }
    TAddPosDlg& dlg() { return *owned; }

    orvtest::MessageRecorder messages;
    TElementNameData data;
    std::unique_ptr<TAddPosDlg> owned;
};

TEST_F(NameDialog, RepeatedAndEmptyNamesAreRefusedAndTheDialogStays)
{
    EXPECT_EQ(dlg().windowTitle(), "Nowy element");
    // Another element's name, whatever its letter case.
    name()->setText("słup s1");
    Press(dlg(), "BitBtn7");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wprowadzona nazwa już istnieje!");
    EXPECT_EQ(messages.messages[0].text, "Proszę wprowadzić inna nazwę.");
    EXPECT_TRUE(dlg().isVisible());
    EXPECT_EQ(dlg().result(), 0);
    EXPECT_EQ(name()->text(), "słup s1");
    EXPECT_EQ(dlg().data().name, "Element 3");

    name()->clear();
    Press(dlg(), "BitBtn7");
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].headline, "Nie wprowadzono żadnej nazwy!");
    EXPECT_EQ(messages.messages[1].text, "Proszę wprowadzić jakąś nazwę.");
    EXPECT_EQ(dlg().result(), 0);

    // A new name goes through, with the case chosen.
    name()->setText("Słup S2");
    dlg().findChild<QComboBox*>("tryb1")->setCurrentIndex(1);
    Press(dlg(), "BitBtn7");
    EXPECT_EQ(dlg().result(), QDialog::Accepted);
    EXPECT_EQ(dlg().data().name, "Słup S2");
    EXPECT_EQ(dlg().data().caseIndex, 1);
    EXPECT_EQ(messages.messages.size(), 2u);
}

TEST_F(NameDialog, EmptyDescriptionLinesAfterTheFirstAreDropped)
{
    memo()->setPlainText("oś A\n\nparter");
    Press(dlg(), "BitBtn7");
    EXPECT_EQ(dlg().data().description, "oś A\r\nparter");
    EXPECT_EQ(TAddPosDlg::JoinDescription({"", "x", "", "y"}), "\r\nx\r\ny");
    EXPECT_EQ(TAddPosDlg::JoinDescription({}), "");
}

TEST_F(NameDialog, EditModeShowsTheElementAndCancelChecksNothing)
{
    TElementNameData d = data;
    d.mode = 0;
    d.name = "Ściana A";
    d.description = "oś 1\r\noś 2";
    d.takenNames = {"Słup S1"};
    d.caseIndex = 1;
    d.caseEnabled = false;
    dlg().setData(d);
    EXPECT_EQ(dlg().windowTitle(), "Edytuj istniejący element");
    EXPECT_EQ(memo()->toPlainText(), "oś 1\noś 2");
    EXPECT_FALSE(dlg().findChild<QComboBox*>("tryb1")->isEnabled());
    EXPECT_EQ(dlg().findChild<QComboBox*>("tryb1")->currentIndex(), 1);
    name()->clear();
    Press(dlg(), "BitBtn8");
    EXPECT_EQ(dlg().result(), QDialog::Rejected);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(dlg().data().name, "Ściana A");
}

// --- the element manager ---------------------------------------------------------------

class Manager : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        previousStore_ = BindSettingsStore(&store);
        for (int i = 0; i < 5; ++i) {
            TProjectElement e;
            std::memset(&e, 0, sizeof e);
            e.Name.set("E" + std::to_string(i + 1));
            e.Description.set("opis " + std::to_string(i + 1));
            e.Input.Case = static_cast<u8>(i % CalcCaseCount);
            e.Input.t = 20.0 + i; // tells the elements apart
            data.elements.push_back(e);
        }
        data.count = 5;
        data.current = 2;
    }
    void TearDown() override
    {
        BindDialogResponder({});
        if (THelpWindow* w = HelpWindow()) delete w;
        BindSettingsStore(previousStore_);
    }

    static QStringList column(const TTabManeagerDlg& d, int c)
    {
        QStringList out;
        for (int i = 0; i < d.list()->topLevelItemCount(); ++i) out << d.list()->topLevelItem(i)->text(c);
        return out;
    }
    static bool enabled(const TTabManeagerDlg& d, const char* name)
    {
        return d.findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled();
    }

    MemorySettingsStore store;
    orvtest::MessageRecorder messages;
    TElementManagerData data;

private:
    ISettingsStore* previousStore_ = nullptr;
};

TEST_F(Manager, MovingTheThirdUpGivesOneThreeTwoFourFive)
{
    TTabManeagerDlg dlg;
    dlg.setData(data);
    dlg.show();
    // The element shown in the window is focused at first.
    EXPECT_EQ(dlg.focusedRow(), 2);
    EXPECT_EQ(column(dlg, 0), (QStringList{"1.", "2.", "3.", "4.", "5."}));
    EXPECT_EQ(column(dlg, 2).value(4), " Ściana piwnic - sprawdzenie wg Zał. A");

    Press(dlg, "SpeedButton9");
    EXPECT_EQ(column(dlg, 0), (QStringList{"1.", "3.", "2.", "4.", "5."}));
    EXPECT_EQ(column(dlg, 3), (QStringList{"opis 1", "opis 3", "opis 2", "opis 4", "opis 5"}));
    EXPECT_EQ(dlg.focusedRow(), 1);
    Press(dlg, "BitBtn2");
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    const TElementManagerData& out = dlg.data();
    ASSERT_EQ(out.count, 5);
    ASSERT_EQ(out.elements.size(), 5u);
    const double order[5] = {20, 22, 21, 23, 24};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(out.elements[i].Input.t, order[i]) << i;
    EXPECT_EQ(out.elements[1].Name.str(), "E3");
    EXPECT_EQ(out.elements[1].Description.str(), "opis 3");
    EXPECT_EQ(out.current, 1);
}

TEST_F(Manager, FirstLastAndTheButtonStates)
{
    TTabManeagerDlg dlg;
    dlg.setData(data);
    dlg.show();
    Press(dlg, "SpeedButton1");
    EXPECT_EQ(column(dlg, 1), (QStringList{"E3", "E1", "E2", "E4", "E5"}));
    EXPECT_FALSE(enabled(dlg, "SpeedButton1"));
    EXPECT_FALSE(enabled(dlg, "SpeedButton9"));
    EXPECT_TRUE(enabled(dlg, "SpeedButton10"));
    Press(dlg, "SpeedButton2");
    EXPECT_EQ(column(dlg, 1), (QStringList{"E1", "E2", "E4", "E5", "E3"}));
    EXPECT_EQ(dlg.focusedRow(), 4);
    EXPECT_FALSE(enabled(dlg, "SpeedButton10"));
    EXPECT_FALSE(enabled(dlg, "SpeedButton2"));
    EXPECT_TRUE(enabled(dlg, "SpeedButton9"));
    // Down from the second row keeps both descriptions with their elements.
    dlg.setFocusedRow(1);
    Press(dlg, "SpeedButton10");
    EXPECT_EQ(column(dlg, 3), (QStringList{"opis 1", "opis 4", "opis 2", "opis 5", "opis 3"}));
    // No focused row: every list button is off.
    dlg.setFocusedRow(-1);
    for (const char* b : {"SpeedButton1", "SpeedButton9", "SpeedButton10", "SpeedButton2", "SpeedButton13",
                          "MMSpeedButton1"})
        EXPECT_FALSE(enabled(dlg, b)) << b;
}

TEST_F(Manager, DeletingAsksAndTheLastElementStays)
{
    data.count = 2;
    data.current = 0;
    TTabManeagerDlg dlg;
    dlg.setData(data);
    dlg.show();
    // "No" keeps the element.
    messages.answer = mrNo;
    Press(dlg, "SpeedButton13");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Usunąć?");
    EXPECT_EQ(messages.messages[0].text, "Czy na pewno usunąć zaznaczony element?");
    EXPECT_EQ(dlg.list()->topLevelItemCount(), 2);
    messages.answer = mrYes;
    Press(dlg, "SpeedButton13");
    EXPECT_EQ(column(dlg, 1), (QStringList{"E2"}));
    EXPECT_FALSE(enabled(dlg, "SpeedButton13"));
    Press(dlg, "SpeedButton13");
    EXPECT_EQ(dlg.list()->topLevelItemCount(), 1);
    Press(dlg, "BitBtn2");
    EXPECT_EQ(dlg.data().count, 1);
    ASSERT_EQ(dlg.data().elements.size(), 1u);
    EXPECT_EQ(dlg.data().elements[0].Input.t, 21.0);
    EXPECT_EQ(dlg.data().current, 0);
}

TEST_F(Manager, EditingRefusesAnotherElementsNameAndKeepsItsOwn)
{
    // The name dialog is played: first another element's name, then the own
    // name with a new description.
    int shown = 0;
    BindDialogResponder([&](QDialog& d) {
        ++shown;
        auto* name = d.findChild<QLineEdit*>("Name1");
        EXPECT_EQ(name->text(), "E2");
        EXPECT_FALSE(d.findChild<QComboBox*>("tryb1")->isEnabled());
        EXPECT_EQ(d.findChild<QComboBox*>("tryb1")->currentText(), " Ściana obciążona pionowo - model ciągły");
        name->setText("e4");
        d.findChild<QPushButton*>("BitBtn7")->click();
        EXPECT_EQ(d.result(), 0);
        name->setText("E2");
        d.findChild<QPlainTextEdit*>("Memo1")->setPlainText("strop nad parterem\nosie 1-4");
        d.findChild<QPushButton*>("BitBtn7")->click();
        return d.result();
    });
    TTabManeagerDlg dlg;
    dlg.setData(data);
    dlg.show();
    dlg.setFocusedRow(1);
    Press(dlg, "MMSpeedButton1");
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wprowadzona nazwa już istnieje!");
    // A description of several lines shows its first line and "...".
    EXPECT_EQ(column(dlg, 3).value(1), "strop nad parterem...");
    Press(dlg, "BitBtn2");
    EXPECT_EQ(dlg.data().elements[1].Description.str(), "strop nad parterem\r\nosie 1-4");
    EXPECT_EQ(dlg.data().elements[1].Name.str(), "E2");
}

TEST_F(Manager, CancelLeavesTheProjectAfterMovesAndDeletions)
{
    const TElementManagerData before = data;
    BindDialogResponder([](QDialog& d) {
        auto& m = static_cast<TTabManeagerDlg&>(d);
        m.SpeedButton1Click();
        m.SpeedButton13Click();
        m.findChild<QPushButton*>("BitBtn1")->click();
        return d.result();
    });
    EXPECT_FALSE(ShowTabManeagerDlg(data));
    ASSERT_EQ(data.count, 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(std::memcmp(&data.elements[i], &before.elements[i], sizeof(TProjectElement)), 0) << i;
    EXPECT_EQ(data.current, 2);
    // The window's place is kept for the next time.
    TWindowPlace place;
    LoadWindowPlacement("DefaultElementsManagerDlg", place);
    EXPECT_GT(place.Width, 0);
}

TEST_F(Manager, StoredPlacesOfTheDialogsAreBroughtOntoTheScreen)
{
    // Places stored on a larger desktop, or edited by hand: each of the three
    // dialogs that remember their place opens wholly on the available screen.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const TWindowPlace places[] = {
        {area.right() - 10, area.bottom() - 10, 50000, 50000},
        {area.right() - 10, area.top() + 20, 400, 300},
        {area.left() + 20, area.top() + 20, INT_MAX, INT_MAX},
    };
    auto check = [&](const QWidget& w) {
        EXPECT_TRUE(area.contains(QRect(w.pos(), w.size())))
            << w.objectName().toStdString() << " " << w.x() << "," << w.y() << " " << w.width() << "x" << w.height();
    };
    for (const TWindowPlace& place : places) {
        SCOPED_TRACE(place.Left);
        SaveWindowPlacement("DefaultElementsManagerDlg", place);
        SaveWindowPlacement("MasonryElementsListDlg", place);
        SaveWindowPlacement("Steel03264", place);
        check(TTabManeagerDlg());
        check(TElementsListDlg());
        check(TSteelDlg());
    }
}

TEST_F(Manager, FirstSizesOfTheListsFitASmallScreen)
{
    // A 1024 x 768 desktop less a task bar: the unit list, whose columns
    // want more, opens within it and its columns scroll.
    const TScreenArea small{0, 0, 1024, 738};
    const ScreenAreaSource previous = SetScreenAreaSource([small](int, int) { return small; });
    const QRect area(small.Left, small.Top, small.Width, small.Height);
    {
        TElementsListDlg units;
        units.show();
        const QTreeWidget* list = units.findChild<QTreeWidget*>("VirtualStringTree1");
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(area.contains(units.frameGeometry())) << units.width() << "x" << units.height();
        EXPECT_GT(WidthForColumns(*list), list->viewport()->width());  // more than the room: they scroll
    }
    {
        TTabManeagerDlg manager;
        data.elements[0].Description.set(std::string(200, 'w'));
        manager.setData(data);
        manager.show();
        EXPECT_TRUE(area.contains(manager.frameGeometry())) << manager.width() << "x" << manager.height();
    }
    SetScreenAreaSource(previous);
}

TEST_F(Manager, DescriptionsShowUpToSixtyCharactersAndTheWholeTextAsATip)
{
    // 120 characters, of words as descriptions have them.
    std::string longText;
    while (longText.size() < 120) longText += "ściana zewnętrzna ";
    longText.resize(120);
    data.elements[1].Description.set(longText);
    data.elements[3].Description.set("krótki opis\r\ndruga linia");
    TTabManeagerDlg dlg;
    dlg.setData(data);
    dlg.show();
    const QTreeWidget* list = dlg.list();
    const QFontMetrics fm(list->font());
    // The column gives about 60 characters their room...
    EXPECT_GE(list->header()->sectionSize(3), fm.averageCharWidth() * 60);
    EXPECT_GE(list->header()->sectionSize(3), fm.horizontalAdvance(QString::fromStdString(longText.substr(0, 55))));
    // ...elides the rest and shows the whole text as the tip.
    EXPECT_LT(list->header()->sectionSize(3), fm.horizontalAdvance(QString::fromStdString(longText)));
    EXPECT_EQ(list->textElideMode(), Qt::ElideRight);
    EXPECT_EQ(list->topLevelItem(1)->toolTip(3).toStdString(), longText);
    EXPECT_EQ(list->topLevelItem(3)->text(3), "krótki opis...");
    EXPECT_EQ(list->topLevelItem(3)->toolTip(3), "krótki opis\ndruga linia");
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(dlg.frameGeometry()));
}

TEST_F(Manager, HelpOpensItsPage)
{
    TTabManeagerDlg dlg;
    dlg.setData(data);
    dlg.show();
    Press(dlg, "Button1");
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->currentTopic(), "elementy");
    EXPECT_EQ(DescriptionListText("a\r\nb\r\nc"), "a...");
    EXPECT_EQ(DescriptionListText("a"), "a");
}

} // namespace
