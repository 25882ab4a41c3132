// The sizes windows first open at on a desktop with a window manager
// (run_under_wm.sh starts Xvfb and openbox): the frame the manager adds and
// the order in which it tells the program about it must leave every window
// the room it has without one. Fresh settings, as on a first start.
#include <gtest/gtest.h>

#include "tests/common/CaptionFit.h"
#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

#include "components/DialogRunner.h"
#include "core/MyUtils.h"
#include "core/SettingsStore.h"
#include "dialogs/ZunElementsList.h"
#include "mainwindow/ZunMain.h"
#include "printing/PrinterSetup.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

class FirstSizes : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        oldStore_ = BindSettingsStore(&store);
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
    }
    void TearDown() override
    {
        if (window) {
            window->session().setModified(false);
            window.reset();
        }
        SetDecimalSeparator(oldSep_);
        BindSettingsStore(oldStore_);
    }

    // Waits until the window manager has framed the shown window and the
    // program has had its say on the frame (what it does then runs queued);
    // true when the toolkit knows the frame by then.
    static bool waitFramed(QWidget& w)
    {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w)) << w.objectName().toStdString();
        const bool framed = QTest::qWaitFor([&] { return w.geometry().top() > w.frameGeometry().top(); }, 15000);
        QTest::qWait(200);
        return framed;
    }

    // The window's frame lies wholly on the available screen.
    static void expectOnScreen(const QWidget& w)
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(area.contains(w.frameGeometry())) << w.objectName().toStdString() << ": frame "
                                                       << w.frameGeometry().x() << "," << w.frameGeometry().y() << " "
                                                       << w.frameGeometry().width() << "x"
                                                       << w.frameGeometry().height();
    }

    // The main window as the program opens it.
    void openWindow()
    {
        window = std::make_unique<TVelkor2>();
        window->setProgramFolder(QStringLiteral(ORV_BUILD_DIR));
        window->show();
        EXPECT_TRUE(waitFramed(*window)) << "no title bar";
    }

    // Runs `act` on the modal dialog that `open` shows, once it is framed.
    void onDialog(const std::function<void()>& open, const std::function<void(QDialog&)>& act)
    {
        bool seen = false;
        QTimer::singleShot(0, [&, this] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            seen = true;
            framed = waitFramed(*d);
            act(*d);
            d->reject();
        });
        open();
        EXPECT_TRUE(seen);
    }

    void expectManagerOfExample(const QString& shot);

    MemorySettingsStore store;
    orvtest::MessageRecorder messages;
    std::unique_ptr<TVelkor2> window;
    bool framed = false; // the last dialog's frame was known

private:
    ISettingsStore* oldStore_ = nullptr;
    char oldSep_ = '.';
};

} // namespace

TEST_F(FirstSizes, TheMainWindowTakesTheScreenLessItsMarginWithItsFrameOnIt)
{
    openWindow();
    expectOnScreen(*window);
    // First start: the screen less 40 px each way, the frame included.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_GE(window->frameGeometry().width(), area.width() - 40);
    EXPECT_GE(window->frameGeometry().height(), area.height() - 40);
    EXPECT_WHOLE(*window);
}

// Example 1 with a description longer than the column is to show, and its
// manager: on the screen, whole, with room for about 60 letters of it.
void FirstSizes::expectManagerOfExample(const QString& shot)
{
    window->N1PrzykladClick(1);
    ASSERT_GT(window->session().count(), 1);
    window->session().editCurrent([](TProjectElement& e) { e.Description.set(std::string(100, 'n')); });
    onDialog([&] { window->Menaderelementw1Click(); },
             [&](QDialog& d) {
                 expectOnScreen(d);
                 EXPECT_WHOLE(d);
                 auto* tree = d.findChild<QTreeWidget*>(QStringLiteral("VirtualStringTree1"));
                 ASSERT_NE(tree, nullptr);
                 EXPECT_GE(tree->header()->sectionSize(3), 58 * tree->fontMetrics().averageCharWidth())
                     << "manager " << d.width() << " px wide";
                 orvtest::SaveShot(d, shot);
             });
}

TEST_F(FirstSizes, TheElementManagerShowsSixtyLettersOfADescription)
{
    openWindow();
    expectManagerOfExample(QStringLiteral("wm-element-manager"));
}

TEST_F(FirstSizes, TheElementManagerShowsSixtyLettersAfterAProjectOfShortDescriptions)
{
    // The manager of a new project first (one element, no description),
    // closed with Anuluj, which keeps its place.
    openWindow();
    onDialog([&] { window->Menaderelementw1Click(); }, [](QDialog&) {});
    expectManagerOfExample(QStringLiteral("wm-element-manager-again"));
}

TEST_F(FirstSizes, TheMasonryUnitListShowsEveryColumnWhole)
{
    openWindow();
    onDialog([&] { ShowElementsListDlg(window.get()); },
             [&](QDialog& d) {
                 expectOnScreen(d);
                 EXPECT_WHOLE(d);
                 orvtest::SaveShot(d, QStringLiteral("wm-masonry-unit-list"));
             });
}

TEST_F(FirstSizes, ThePrinterSetUpShowsItsWholeTitle)
{
    openWindow();
    onDialog([&] { TPrinterSetupDlg(window.get()).exec(); },
             [&](QDialog& d) {
                 expectOnScreen(d);
                 EXPECT_WHOLE(d);
                 // The title bar holds the title in a bold face beside the
                 // window's icon, three buttons and the bar's padding, each
                 // about as wide as the bar is high.
                 QFont bold = QApplication::font();
                 bold.setBold(true);
                 ASSERT_TRUE(framed) << "no title bar";
                 const int bar = d.geometry().top() - d.frameGeometry().top();
                 const int title = QFontMetrics(bold).horizontalAdvance(d.windowTitle());
                 EXPECT_GE(d.frameGeometry().width(), title + 6 * bar)
                     << "title " << title << " px, bar " << bar << " px high, frame " << d.frameGeometry().width()
                     << " px wide";
                 QGuiApplication::primaryScreen()->grabWindow(0, d.frameGeometry().x(), d.frameGeometry().y(),
                                                              d.frameGeometry().width(), d.frameGeometry().height())
                     .save(QStringLiteral(ORV_SHOT_DIR "/wm-printer-setup.png"));
             });
}
