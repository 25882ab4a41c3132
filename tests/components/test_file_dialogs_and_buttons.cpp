// The file dialogs' stand-in for tests and their language, the element tab
// strip and the grouped picture buttons.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "components/ElementTabBar.h"
#include "components/MOpenDialog.h"
#include "components/MSpeedBtn.h"
#include "components/QtTranslations.h"

using namespace orv;

TEST(FileDialogs, ABoundResponderAnswersInPlaceOfTheDialog)
{
    TMSaveDialog save;
    save.defaultExt = "clcm";
    save.fileName = "Projekt";
    auto old = TMOpenDialog::bindResponder([](TMOpenDialog& d) {
        EXPECT_EQ(d.mode(), TMOpenDialog::Mode::Save);
        EXPECT_EQ(d.fileName, "Projekt");
        d.fileName = "/tmp/Projekt.clcm";
        return true;
    });
    EXPECT_TRUE(save.Execute());
    EXPECT_EQ(save.fileName, "/tmp/Projekt.clcm");
    TMOpenDialog::bindResponder([](TMOpenDialog&) { return false; });
    TMOpenDialog open;
    EXPECT_FALSE(open.Execute());
    TMOpenDialog::bindResponder(old);
}

TEST(TabControl, DoubleClickRaisedOnce)
{
    orvtest::EnsureApp<QApplication>();
    TElementTabBar tabs;
    tabs.addTab("Element 1");
    tabs.addTab("Element 2");
    tabs.show();
    QSignalSpy spy(&tabs, &TElementTabBar::doubleClicked);
    QTest::mouseDClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
    EXPECT_EQ(spy.count(), 1);
}

TEST(TabControl, SetTabsReusesAddsAndRemovesTabsAndLaysThemOut)
{
    orvtest::EnsureApp<QApplication>();
    QWidget window;
    auto* tabs = new TElementTabBar(&window);
    auto* hidden = new TElementTabBar(&window);
    hidden->hide();
    tabs->addTab("A");
    tabs->addTab("B");
    tabs->addTab("C");
    window.resize(800, 100);
    window.show();
    QSignalSpy changed(tabs, &TElementTabBar::currentChanged);

    tabs->setTabs({"A", "Ściana zewnętrzna osi A", "C", "D"}, 3);
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(1), "Ściana zewnętrzna osi A");
    EXPECT_EQ(tabs->tabText(3), "D");
    EXPECT_EQ(tabs->currentIndex(), 3);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(tabs->isVisible());
    // the tabs stand laid out for their new texts: the long name is wider
    // than a letter and the tabs follow one another
    EXPECT_GT(tabs->tabRect(1).width(), 2 * tabs->tabRect(0).width());
    EXPECT_GE(tabs->tabRect(2).left(), tabs->tabRect(1).right());
    EXPECT_GE(tabs->tabRect(3).left(), tabs->tabRect(2).right());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(tabs->currentIndex(), 1);

    tabs->setTabs({"X"}, 0);
    ASSERT_EQ(tabs->count(), 1);
    EXPECT_EQ(tabs->tabText(0), "X");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_GT(tabs->tabRect(0).width(), 0);

    // a tab bar hidden on purpose stays hidden
    hidden->setTabs({"A", "B"}, 1);
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_EQ(hidden->count(), 2);
    EXPECT_EQ(hidden->currentIndex(), 1);
}

// A bar filled from nothing, grown and grown again shows every tab, in
// order and laid out, with the tab asked for selected.
TEST(TabControl, SetTabsGrowingFromNothingShowsEveryTab)
{
    orvtest::EnsureApp<QApplication>();
    QWidget window;
    auto* tabs = new TElementTabBar(&window);
    window.resize(900, 100);
    window.show();
    auto expectShown = [&](int count, int current) {
        ASSERT_EQ(tabs->count(), count);
        EXPECT_EQ(tabs->currentIndex(), current);
        for (int i = 0; i < count; ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(tabs->isTabVisible(i));
            EXPECT_EQ(tabs->tabText(i), QStringLiteral("Element %1").arg(i + 1));
            EXPECT_GT(tabs->tabRect(i).width(), 0);
            if (i > 0) {
                EXPECT_GE(tabs->tabRect(i).left(), tabs->tabRect(i - 1).right());
            }
        }
    };
    auto names = [](int count) {
        QStringList list;
        for (int i = 0; i < count; ++i) list << QStringLiteral("Element %1").arg(i + 1);
        return list;
    };
    QSignalSpy changed(tabs, &TElementTabBar::currentChanged);
    tabs->setTabs(names(3), 2);
    expectShown(3, 2);
    tabs->setTabs(names(40), 0);
    expectShown(40, 0);
    tabs->setTabs(names(1), 0);
    expectShown(1, 0);
    tabs->setTabs(names(25), 24);
    expectShown(25, 24);
    // one signal a filling that leaves another tab current: 2, 0, 24
    EXPECT_EQ(changed.count(), 3);
    // a click on a tab added last selects it
    tabs->setTabs(names(4), 0);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    EXPECT_EQ(tabs->currentIndex(), 3);
}

TEST(SpeedButtons, OneDownPerGroupAndTheLastOneStaysDown)
{
    orvtest::EnsureApp<QApplication>();
    QWidget panel;
    auto* a = new TMMSpeedButton(&panel);
    auto* b = new TMMSpeedButton(&panel);
    auto* plain = new TMMSpeedButton(&panel);
    a->setGroupIndex(1);
    b->setGroupIndex(1);
    a->click();
    EXPECT_TRUE(a->isDownState());
    b->click();
    EXPECT_TRUE(b->isDownState());
    EXPECT_FALSE(a->isDownState());
    b->click(); // the only down button of the group cannot be released
    EXPECT_TRUE(b->isDownState());
    b->setAllowAllUp(true);
    b->click();
    EXPECT_FALSE(b->isDownState());
    plain->setDownState(true); // group 0 never stays down
    EXPECT_FALSE(plain->isDownState());
}

// The standard dialogs speak Polish under any locale once Qt's catalogues are
// installed: the open dialog's buttons and its "file not found" message.
TEST(FileDialogs, StandardDialogsArePolishUnderAnyLocale)
{
    orvtest::EnsureApp<QApplication>();
    const QLocale old;
    QLocale::setDefault(QLocale::c());
    ASSERT_TRUE(InstallQtTranslations(*QCoreApplication::instance()));
    QFileDialog dialog(nullptr, QString(), QDir::tempPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    auto* box = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Anuluj"));
    EXPECT_EQ(box->button(QDialogButtonBox::Open)->text().remove(QLatin1Char('&')), QStringLiteral("Otwórz"));
    const QString notFound = QCoreApplication::translate("QFileDialog", "%1\nFile not found.\nPlease verify the "
                                                                        "correct file name was given.");
    EXPECT_FALSE(notFound.contains(QStringLiteral("File not found"))) << notFound.toStdString();
    QLocale::setDefault(old);
}
