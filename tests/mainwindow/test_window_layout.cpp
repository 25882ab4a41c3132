// What the engineer sees when a window opens: the verdict, the element tab
// and the results from the first paint of the main window and through its
// resizes; every caption, tab and column of the dialogs whole at the size
// they open with, the columns widened by the user, the places remembered.
// Pictures of the windows go to the test's output folder for the eye.
#include <gtest/gtest.h>

#include "tests/common/CaptionFit.h"
#include "tests/common/QtTestApp.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

#include "components/DialogRunner.h"
#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "components/WindowPlacement.h"
#include "core/MyUtils.h"
#include "core/SettingsStore.h"
#include "dialogs/ZunElementsList.h"
#include "dialogs/ZunNewElement.h"
#include "mainwindow/ElementEditor.h"
#include "mainwindow/ZunMain.h"
#include "mainwindow/ZunWelcome.h"
#include "printing/WydrukStart4.h"
#include "tests/common/WhenOpen.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

using orvtest::WhenOpen;

class WindowLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldStore_ = BindSettingsStore(&store);
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        oldResponder_ = BindDialogResponder([this](QDialog& d) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&d, orvtest::kHangMs));
            return play ? play(d) : 0;
        });
    }
    void TearDown() override
    {
        if (window) {
            window->session().setModified(false);
            window.reset();
        }
        BindDialogResponder(oldResponder_);
        SetDecimalSeparator(oldSep_);
        BindSettingsStore(oldStore_);
    }

    // The main window as the program opens it, with the first example.
    void openWindow(bool example = true)
    {
        window = std::make_unique<TVelkor2>();
        window->setProgramFolder(QStringLiteral(ORV_BUILD_DIR));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get(), orvtest::kHangMs));
        if (example) {
            window->N1PrzykladClick(1);
            ASSERT_GT(window->session().count(), 1);
        }
    }

    template <typename W>
    W* find(const char* name)
    {
        W* w = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // The verdict icon, the element tab and the results text are there.
    void expectResultsSide(const char* when)
    {
        SCOPED_TRACE(when);
        QApplication::processEvents();
        auto* verdict = find<QLabel>("PB1b");
        auto* tabs = find<QTabBar>("TabControl1");
        auto* results = find<QTextBrowser>("REdit1");
        ASSERT_TRUE(verdict && tabs && results);
        for (QWidget* w : {static_cast<QWidget*>(verdict), static_cast<QWidget*>(tabs), static_cast<QWidget*>(results)}) {
            EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
            EXPECT_GT(w->width(), 0) << w->objectName().toStdString();
            EXPECT_GT(w->height(), 0) << w->objectName().toStdString();
        }
        EXPECT_FALSE(verdict->pixmap().isNull());
        // The icon, 32 px, drawn 5 px in: the box is at least 37 px high.
        EXPECT_GE(verdict->height(), 37);
        ASSERT_GE(tabs->count(), 1);
        EXPECT_FALSE(tabs->tabRect(0).isEmpty());
        // Space permitting the results show at least 150 px of their text.
        EXPECT_GE(find<QWidget>("Panel111")->height(), 150);
        EXPECT_FALSE(results->toPlainText().isEmpty());
        EXPECT_GT(results->viewport()->height(), 0);
    }

    MemorySettingsStore store;
    orvtest::MessageRecorder messages;
    std::unique_ptr<TVelkor2> window;
    std::function<int(QDialog&)> play;

private:
    ISettingsStore* oldStore_ = nullptr;
    char oldSep_ = '.';
    TDialogResponder oldResponder_;
};

} // namespace

// --- the main window ---------------------------------------------------------------

TEST_F(WindowLayout, ResultsAreThereFromTheFirstPaintAndBehindTheWelcome)
{
    openWindow(false);
    expectResultsSide("after start-up");
    EXPECT_WHOLE(*window);
    orvtest::SaveShot(*window, QStringLiteral("main-window"));

    // The welcome dialog over the window, then "Zamknij".
    TWelcomeDlg welcome(window.get());
    welcome.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&welcome, orvtest::kHangMs));
    expectResultsSide("behind the welcome dialog");
    auto* close = welcome.findChild<QPushButton*>(QStringLiteral("CloseButton"));
    ASSERT_NE(close, nullptr);
    close->click();
    EXPECT_FALSE(welcome.isVisible());
    expectResultsSide("after Zamknij");
}

TEST_F(WindowLayout, ResultsPanelFollowsTheWindow)
{
    // At every size the panel shows its whole text in at least 150 px, or,
    // when the text is longer, takes 65 % of the results side below its
    // caption and scrolls.
    openWindow(false);
    auto* side = find<QWidget>("Panel8");
    auto* caption = find<QWidget>("Panel9");
    auto* panel = find<QWidget>("Panel111");
    auto* results = find<QTextBrowser>("REdit1");
    int scrolled = 0;
    for (const QSize size : {QSize(1200, 900), QSize(520, 420), QSize(1400, 1000), QSize(600, 440)}) {
        SCOPED_TRACE(size.width());
        window->resize(size);
        QApplication::processEvents();
        ASSERT_EQ(window->size(), size);
        const int limit = int((side->height() - caption->height()) * 0.65);
        if (results->verticalScrollBar()->maximum() > 0) {
            ++scrolled;
            EXPECT_EQ(panel->height(), limit);
        } else {
            EXPECT_GE(panel->height(), std::min(150, limit));
            EXPECT_LE(panel->height(), limit);
        }
    }
    // The narrow windows wrap the text beyond their room.
    EXPECT_EQ(scrolled, 2);
    expectResultsSide("after resizing");
}

// The first concentrated load is placed by its centre, the others by their
// left edge: the captions say so, whole and in line with the other rows.
TEST_F(WindowLayout, ConcentratedLoadCaptionsSayWhatTheirDistanceMeasures)
{
    openWindow(false);
    window->session().editCurrent([](TProjectElement& e) {
        e.Input.Case = ccConcentratedLoad;
        e.Input.LiczbaSilSkup = 3;
    });
    window->session().setModified(false);
    window->editor()->ShowElementData();
    window->editor()->pages()->setCurrentIndex(2);
    QApplication::processEvents();
    const char* const captions[3][2] = {
        {"a11Label", "środek a [cm] ="}, {"a12Label", "lewy brzeg a [cm] ="}, {"a13Label", "lewy brzeg a [cm] ="}};
    for (const auto& [name, caption] : captions) {
        auto* label = find<TMathLabel>(name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->caption(), QString::fromUtf8(caption));
        EXPECT_TRUE(label->isVisible()) << name;
    }
    // each edit stands where the bearing length's edit of its load does
    for (const char* n : {"1", "2", "3"}) {
        auto* a = find<TNumberEdit>((std::string("a1") + n).c_str());
        auto* aL = find<TNumberEdit>((std::string("aL") + n).c_str());
        ASSERT_TRUE(a && aL);
        EXPECT_EQ(a->mapTo(window.get(), QPoint()).x(), aL->mapTo(window.get(), QPoint()).x()) << n;
    }
    EXPECT_WHOLE(*window);
    orvtest::SaveShot(*window, QStringLiteral("concentrated-loads"));
}

// --- dialogs ------------------------------------------------------------------------

TEST_F(WindowLayout, MasonryUnitListShowsEveryNameAndTakesTheUsersWidths)
{
    // A desktop wide enough for every column (on a smaller one they scroll).
    struct Desktop {
        ScreenAreaSource previous = SetScreenAreaSource([](int, int) { return TScreenArea{0, 0, 1920, 1050}; });
        ~Desktop() { SetScreenAreaSource(previous); }
    } desktop;
    openWindow(false);
    QSize shown;
    WhenOpen<TElementsListDlg>([&](TElementsListDlg& d) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d, orvtest::kHangMs));
        EXPECT_WHOLE(d);
        orvtest::SaveShot(d, QStringLiteral("masonry-unit-list"));
        // The user widens the name column by hand.
        auto* tree = d.findChild<QTreeWidget*>(QStringLiteral("VirtualStringTree1"));
        QHeaderView* header = tree->header();
        for (int c = 0; c < header->count(); ++c)
            EXPECT_EQ(header->sectionResizeMode(c), QHeaderView::Interactive) << c;
        const int before = header->sectionSize(1);
        header->resizeSection(1, before + 40);
        EXPECT_EQ(header->sectionSize(1), before + 40);

        // The unit editor of a new unit, as "Nowy" opens it.
        d.setEditorRunner([](TNewElementDlg& e) {
            e.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&e, orvtest::kHangMs));
            EXPECT_WHOLE(e);
            orvtest::SaveShot(e, QStringLiteral("masonry-unit-editor"));
            return false;
        });
        d.NewBtn1Click();
        d.resize(700, 500);
        shown = d.size();
        d.reject();
    });
    find<QPushButton>("Button1")->click();

    // The place is stored under its own names, width under " Width".
    EXPECT_EQ(store.readInteger(SettingsKey::Maker, "Parametrs", "MasonryElementsListDlg Width").value_or(-1), shown.width());
    EXPECT_EQ(store.readInteger(SettingsKey::Maker, "Parametrs", "MasonryElementsListDlg Height").value_or(-1), shown.height());
    // ... and the list opens at it again.
    WhenOpen<TElementsListDlg>([&](TElementsListDlg& d) {
        EXPECT_EQ(d.size(), shown);
        d.reject();
    });
    find<QPushButton>("Button1")->click();
}

TEST_F(WindowLayout, ElementManagerShowsEveryNameWhole)
{
    openWindow();
    // Names and cases as long as an engineer gives them.
    window->session().editCurrent([](TProjectElement& e) {
        e.Name.set("Ściana obciążona pionowo, oś A, parter - filar między oknami");
    });
    play = [](QDialog& d) {
        EXPECT_WHOLE(d);
        orvtest::SaveShot(d, QStringLiteral("element-manager"));
        auto* tree = d.findChild<QTreeWidget*>(QStringLiteral("VirtualStringTree1"));
        QHeaderView* header = tree->header();
        const int before = header->sectionSize(1);
        header->resizeSection(1, before + 30);
        EXPECT_EQ(header->sectionSize(1), before + 30);
        return int(QDialog::Rejected);
    };
    window->Menaderelementw1Click();
}

TEST_F(WindowLayout, ElementManagerGivesDescriptionsTheirRoomAfterAProjectOfShortOnes)
{
    // The user looks at the manager of a new project first (one element,
    // no description), then opens the first example and the manager again.
    struct Desktop {
        TScreenArea area{0, 0, 1920, 1050};
        ScreenAreaSource previous = SetScreenAreaSource([this](int, int) { return area; });
        ~Desktop() { SetScreenAreaSource(previous); }
    } desktop;
    openWindow(false);
    // Anuluj, which keeps the window's place.
    auto cancel = [](QDialog& d) {
        d.reject();
        return int(QDialog::Rejected);
    };
    play = cancel;
    window->Menaderelementw1Click();
    window->N1PrzykladClick(1);
    ASSERT_GT(window->session().count(), 1);
    window->session().editCurrent([](TProjectElement& e) { e.Description.set(std::string(100, 'n')); });

    // The columns beside the description, and what the list leaves it.
    struct Shown {
        int others = 0, description = 0, viewport = 0, letter = 0, width = 0;
    };
    auto measure = [](QDialog& d) {
        auto* tree = d.findChild<QTreeWidget*>(QStringLiteral("VirtualStringTree1"));
        Shown s;
        for (int c = 0; c < 3; ++c) s.others += tree->header()->sectionSize(c);
        s.description = tree->header()->sectionSize(3);
        s.viewport = tree->viewport()->width();
        s.letter = tree->fontMetrics().averageCharWidth();
        s.width = d.frameGeometry().width();
        return s;
    };
    Shown wide, narrow;
    play = [&](QDialog& d) {
        wide = measure(d);
        EXPECT_WHOLE(d);
        return cancel(d);
    };
    window->Menaderelementw1Click();
    EXPECT_GE(wide.description, 58 * wide.letter);

    // A narrower desktop than the list wants: the manager takes its width
    // and the description the room the other columns leave.
    desktop.area = {0, 0, 800, 570};
    play = [&](QDialog& d) {
        narrow = measure(d);
        return cancel(d);
    };
    window->Menaderelementw1Click();
    EXPECT_EQ(narrow.width, 800);
    EXPECT_LT(narrow.description, 58 * narrow.letter);
    EXPECT_EQ(narrow.description, narrow.viewport - narrow.others);
}

TEST_F(WindowLayout, LoadCompilationShowsEveryCaptionWhole)
{
    openWindow(false);
    int shown = 0;
    play = [&](QDialog& d) {
        ++shown;
        EXPECT_EQ(d.objectName(), "ZestObcDlg");
        EXPECT_WHOLE(d);
        orvtest::SaveShot(d, QStringLiteral("load-compilation"));
        return int(QDialog::Rejected);
    };
    auto* nod = find<TNumberEdit>("Nod1");
    ASSERT_NE(nod, nullptr);
    auto* dots = nod->findChild<QToolButton*>(QStringLiteral("speed"));
    ASSERT_NE(dots, nullptr);
    dots->click();
    EXPECT_EQ(shown, 1);
}

TEST_F(WindowLayout, PrintSetupShowsItsTabsWholeAtOneSize)
{
    openWindow();
    QList<QSize> sizes;
    play = [&](QDialog& d) {
        EXPECT_EQ(d.objectName(), "BeginPrint2");
        auto* pages = d.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        EXPECT_WHOLE(d);
        // The header page too, with its fields wide enough for a title of
        // 40 average letters.
        pages->setCurrentIndex(0);
        QApplication::processEvents();
        EXPECT_WHOLE(d);
        for (const char* name : {"autor1", "tytul1", "obiekt1", "nr_projektu1"}) {
            auto* e = d.findChild<QLineEdit*>(QString::fromLatin1(name));
            EXPECT_GE(e->width(), 40 * e->fontMetrics().averageCharWidth()) << name;
        }
        if (sizes.isEmpty()) orvtest::SaveShot(d, QStringLiteral("print-setup"));
        sizes << d.size();
        // The user drags it larger before closing.
        d.resize(d.width() + 120, d.height() + 80);
        return int(QDialog::Rejected);
    };
    auto* print = find<QAction>("Wdrukuj1");
    ASSERT_NE(print, nullptr);
    print->trigger();
    print->trigger();
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_EQ(sizes[0], sizes[1]);
}
