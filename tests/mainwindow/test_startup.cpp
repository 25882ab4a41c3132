// What the program shows of itself at start-up: the splash (later the about
// box), the welcome dialog and the product line of every printed page; and
// the start as a user meets it: the two chained timers, the welcome dialog
// of a fresh start, the window's place kept from one run to the next.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>
#include <optional>

#include "components/DialogRunner.h"
#include "core/MyUtils.h"
#include "core/SettingsStore.h"
#include "mainwindow/OPROGRAM4.h"
#include "mainwindow/ZunMain.h"
#include "mainwindow/ZunStartup.h"
#include "mainwindow/ZunWelcome.h"
#include "printing/PrintSettings.h"
#include "resources/ProgramIcon.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

// One version, the project's own (ORV_PROJECT_VERSION from the build), in
// the splash, the welcome dialog and the page header's product line.
TEST(StartupTexts, OneVersionFromTheBuildEverywhere)
{
    orvtest::EnsureApp<QApplication>();
    const std::string version = GetVersionText(false);
    EXPECT_EQ(version.rfind(ORV_PROJECT_VERSION, 0), 0u) << version;

    TAbout4 about;
    about.show();
    auto* splashVersion = about.findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_NE(splashVersion, nullptr);
    EXPECT_EQ(splashVersion->text().toStdString(), "v." + version);

    TWelcomeDlg welcome;
    auto* product = welcome.findChild<QLabel*>(QStringLiteral("Label10"));
    ASSERT_NE(product, nullptr);
    EXPECT_EQ(product->text().toStdString(), "Orvandel  v." + version);

    EXPECT_EQ(ProductLine(), "Orvandel " + version);
}

// The windows' icon holds the drawing at every size a window manager asks
// for, each pixel as the drawing rendered alone at that size.
TEST(StartupTexts, TheProgramIconHoldsTheDrawingAtEverySize)
{
    orvtest::EnsureApp<QApplication>();
    const QIcon icon = ProgramIcon();
    const QList<QSize> sizes = icon.availableSizes();
    ASSERT_EQ(sizes.size(), 8);
    for (const QSize& size : sizes) {
        SCOPED_TRACE(size.width());
        ASSERT_EQ(size.width(), size.height());
        const QImage alone = RenderProgramIcon(size.width());
        ASSERT_FALSE(alone.isNull());
        const QImage held = icon.pixmap(size).toImage().convertToFormat(alone.format());
        EXPECT_EQ(held, alone);
        EXPECT_EQ(qAlpha(held.pixel(0, 0)), 0);
    }
    EXPECT_EQ(sizes.front(), QSize(16, 16));
    EXPECT_EQ(sizes.back(), QSize(256, 256));
    EXPECT_TRUE(RenderProgramIcon(0).isNull());
}

// The icon draws its sizes only when asked, yet answers every question as an
// icon holding the eight drawings would: pictures at the held sizes and
// between them, in every mode, their sizes, and what it paints.
TEST(StartupTexts, TheProgramIconAnswersAsTheHeldDrawings)
{
    orvtest::EnsureApp<QApplication>();
    QIcon held;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) held.addPixmap(QPixmap::fromImage(RenderProgramIcon(size)));
    const QIcon icon = ProgramIcon();
    EXPECT_FALSE(icon.isNull());
    const QIcon copy = icon; // asked through a copy first
    EXPECT_EQ(copy.actualSize(QSize(40, 40)), held.actualSize(QSize(40, 40)));
    EXPECT_EQ(icon.availableSizes(), held.availableSizes());
    const auto image = [](const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_ARGB32); };
    for (const int size : {16, 20, 48, 100, 300}) {
        SCOPED_TRACE(size);
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Selected}) {
            const QPixmap want = held.pixmap(QSize(size, size), mode);
            const QPixmap got = icon.pixmap(QSize(size, size), mode);
            EXPECT_EQ(got.size(), want.size()) << mode;
            EXPECT_EQ(image(got), image(want)) << mode;
        }
        EXPECT_EQ(icon.actualSize(QSize(size, size)), held.actualSize(QSize(size, size)));
        QImage painted(size, size, QImage::Format_ARGB32), expected = painted;
        painted.fill(Qt::white);
        expected.fill(Qt::white);
        {
            QPainter p(&painted);
            icon.paint(&p, painted.rect());
            QPainter q(&expected);
            held.paint(&q, expected.rect());
        }
        EXPECT_EQ(painted, expected);
    }
    EXPECT_FALSE(icon.isNull());
}

namespace {

// A timer interval no run of a test reaches.
constexpr int kNeverMs = 24 * 60 * 60 * 1000;

// One run of the program's start after another, on one settings store. The
// welcome dialog is played by `user` (by default it presses "Zamknij").
class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldStore_ = BindSettingsStore(&store);
        oldResponder_ = BindDialogResponder([this](QDialog& d) {
            auto* welcome = qobject_cast<TWelcomeDlg*>(&d);
            if (!welcome) return int(QDialog::Rejected);
            ++welcomesShown;
            welcomeTicked = welcome->dontShowAgain()->isChecked();
            if (user) user(*welcome);
            else welcome->findChild<QPushButton*>("CloseButton")->click();
            return welcome->result();
        });
    }
    void TearDown() override
    {
        startup.reset();
        BindDialogResponder(oldResponder_);
        BindSettingsStore(oldStore_);
    }

    // A start whose timers the test fires itself, or at once with 0 ms.
    TStartup& start(int timer1Ms = 1000, int timer2Ms = 1000)
    {
        startup = std::make_unique<TStartup>(timer1Ms, timer2Ms);
        startup->window().setProgramFolder(QStringLiteral(ORV_BUILD_DIR));
        startup->window().show();
        return *startup;
    }
    // Closes the window as the user does and ends the run.
    void closeProgram()
    {
        ASSERT_TRUE(startup->window().close());
        startup.reset();
    }
    void runTimers()
    {
        startup->Timer1Timer();
        startup->Timer2Timer();
    }
    std::optional<int> stored(const char* name) { return store.readInteger(SettingsKey::Program, "FormState", name); }
    std::optional<bool> storedBool(const char* name) { return store.readBool(SettingsKey::Program, "FormState", name); }
    QAction* aboutCommand() { return startup->window().findChild<QAction*>("Oprogramie1"); }

    MemorySettingsStore store;
    orvtest::MessageRecorder messages;
    std::unique_ptr<TStartup> startup;
    std::function<void(TWelcomeDlg&)> user;
    int welcomesShown = 0;
    bool welcomeTicked = false;

private:
    ISettingsStore* oldStore_ = nullptr;
    TDialogResponder oldResponder_;
};

} // namespace

TEST_F(Startup, TheSecondTimerStartsWhenTheFirstFiresAndEndsTheSplash)
{
    TStartup& s = start();
    EXPECT_EQ(s.timer1().interval(), 1000);
    EXPECT_EQ(s.timer2().interval(), 1000);
    EXPECT_TRUE(s.timer1().isActive());
    EXPECT_FALSE(s.timer2().isActive());
    EXPECT_TRUE(s.about().isVisible());
    EXPECT_TRUE(s.about().splash());
    EXPECT_TRUE(s.about().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(aboutCommand()->isEnabled());

    s.Timer1Timer();
    EXPECT_FALSE(s.timer1().isActive());
    EXPECT_TRUE(s.timer2().isActive());
    EXPECT_TRUE(s.about().isVisible());
    EXPECT_EQ(welcomesShown, 0);

    s.Timer2Timer();
    EXPECT_FALSE(s.timer2().isActive());
    EXPECT_FALSE(s.about().isVisible());
    EXPECT_FALSE(s.about().splash());
    EXPECT_FALSE(s.about().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(s.about().closable());
    EXPECT_TRUE(aboutCommand()->isEnabled());
    EXPECT_EQ(welcomesShown, 1);
}

// The splash is on the screen, painted, before the main window is made, so
// that it is seen while the forms are made, not only once they are.
TEST_F(Startup, TheSplashIsPaintedBeforeTheMainWindowIsMade)
{
    struct Order : QObject {
        bool splashPainted = false;
        bool windowMadeBefore = false;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() != QEvent::Paint || splashPainted || !qobject_cast<TAbout4*>(o)) return false;
            splashPainted = true;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<TVelkor2*>(w)) windowMadeBefore = true;
            return false;
        }
    } order;
    qApp->installEventFilter(&order);
    TStartup& s = start();
    qApp->removeEventFilter(&order);
    EXPECT_TRUE(order.splashPainted);
    EXPECT_FALSE(order.windowMadeBefore);
    EXPECT_TRUE(s.about().isVisible());
}

TEST_F(Startup, WithNoDelayTheStartRunsThroughOnTheEventLoop)
{
    TStartup& s = start(0, 0);
    EXPECT_EQ(welcomesShown, 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return welcomesShown > 0; }, orvtest::kHangMs));
    EXPECT_EQ(welcomesShown, 1);
    EXPECT_TRUE(s.about().closable());
    // Each timer fires once: a 0 ms timer left running would fire again as
    // soon as events are handled.
    QApplication::processEvents();
    EXPECT_EQ(welcomesShown, 1);
    EXPECT_FALSE(s.timer1().isActive());
    EXPECT_FALSE(s.timer2().isActive());
}

TEST_F(Startup, WelcomeComesUpOnAFreshStartAndNotAfterItsBoxIsTicked)
{
    // First run: no "FormState" at all, the dialog with its box clear.
    user = [](TWelcomeDlg& w) {
        QTest::mouseClick(w.findChild<QCheckBox*>("CheckBox1"), Qt::LeftButton);
        w.findChild<QPushButton*>("CloseButton")->click();
    };
    start();
    runTimers();
    EXPECT_EQ(welcomesShown, 1);
    EXPECT_FALSE(welcomeTicked);
    closeProgram();
    EXPECT_EQ(storedBool("WelcomeForm"), false);

    // Next run: no dialog; the box shows the choice, so closing keeps it.
    user = nullptr;
    TStartup& s = start();
    runTimers();
    EXPECT_EQ(welcomesShown, 1);
    EXPECT_TRUE(s.welcome().dontShowAgain()->isChecked());
    closeProgram();
    EXPECT_EQ(storedBool("WelcomeForm"), false);
}

TEST_F(Startup, AnOpeningBeforeTheSecondTimerSuppressesTheWelcome)
{
    TStartup& s = start();
    s.Timer1Timer();
    s.window().N1PrzykladClick(2);
    ASSERT_TRUE(messages.messages.empty());
    ASSERT_TRUE(s.window().windowTitle().startsWith("Orvandel - Przykład 2"));
    s.Timer2Timer();
    EXPECT_EQ(welcomesShown, 0);
    // The splash is still turned into the about box.
    EXPECT_TRUE(s.about().closable());
    EXPECT_TRUE(aboutCommand()->isEnabled());

    // An opening that fails counts as an opening too.
    start();
    startup->window().OpenProject(QStringLiteral("/nonexistent/brak.clcm"));
    runTimers();
    EXPECT_EQ(welcomesShown, 0);
}

TEST_F(Startup, WelcomeChoicesActOnTheWindow)
{
    user = [](TWelcomeDlg& w) { w.findChild<QToolButton*>("SpeedButton1")->click(); };
    TStartup& s = start();
    runTimers();
    ASSERT_EQ(welcomesShown, 1);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(s.window().windowTitle().startsWith("Orvandel - Przykład 1"));
    EXPECT_GT(s.window().session().count(), 1);
    EXPECT_FALSE(s.welcome().isVisible());
}

TEST_F(Startup, FormStateIsWrittenOnCloseAndRestoredOnTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize screen = QGuiApplication::primaryScreen()->size();

    // First run: the screen less 40 pixels each way at (20, 20), as far as
    // the available area allows.
    {
        TStartup& s = start();
        const QRect first = QRect(20, 20, screen.width() - 40, screen.height() - 40).intersected(area);
        EXPECT_EQ(QRect(s.window().pos(), s.window().size()), first);
        EXPECT_FALSE(s.window().isMaximized());
        s.window().move(area.left() + 30, area.top() + 40);
        s.window().resize(600, 450);
        runTimers();
        closeProgram();
    }
    EXPECT_EQ(stored("Left"), area.left() + 30);
    EXPECT_EQ(stored("Top"), area.top() + 40);
    EXPECT_EQ(stored("Width"), 600);
    EXPECT_EQ(stored("Height"), 450);
    EXPECT_EQ(storedBool("Maximized"), false);
    EXPECT_EQ(storedBool("WelcomeForm"), true);

    // Next run: the same place; maximised there, only the flag is written.
    {
        TStartup& s = start();
        EXPECT_EQ(s.window().pos(), QPoint(area.left() + 30, area.top() + 40));
        EXPECT_EQ(s.window().size(), QSize(600, 450));
        s.window().showMaximized();
        closeProgram();
    }
    EXPECT_EQ(storedBool("Maximized"), true);
    EXPECT_EQ(stored("Width"), 600);
    EXPECT_EQ(stored("Left"), area.left() + 30);
    {
        TStartup& s = start();
        EXPECT_TRUE(s.window().windowState() & Qt::WindowMaximized);
        closeProgram();
    }

    // A place from a larger desktop comes up wholly on this screen, and that
    // is the place the next close writes.
    store.writeBool(SettingsKey::Program, "FormState", "Maximized", false);
    store.writeInteger(SettingsKey::Program, "FormState", "Left", area.right() + 2000);
    store.writeInteger(SettingsKey::Program, "FormState", "Top", area.bottom() + 1000);
    {
        TStartup& s = start();
        const QRect shown(s.window().pos(), s.window().size());
        EXPECT_TRUE(area.contains(shown));
        EXPECT_EQ(shown.size(), QSize(600, 450));
        closeProgram();
        EXPECT_EQ(stored("Left"), shown.left());
        EXPECT_EQ(stored("Top"), shown.top());
    }
}

TEST_F(Startup, TheSplashIgnoresEscapeAndClicksUntilItIsTheAboutBox)
{
    // Timers that never fire while the test runs: it fires them itself.
    TStartup& s = start(kNeverMs, kNeverMs);
    TAbout4& about = s.about();
    ASSERT_TRUE(about.isVisible());
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_TRUE(about.isVisible());
    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(about.isVisible());
    // The main window takes the focus from it.
    s.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &s.window(); }, orvtest::kHangMs));
    EXPECT_TRUE(about.isVisible());

    s.Timer1Timer();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_TRUE(about.isVisible());

    // The second timer closes it; shown again it is the about box.
    s.Timer2Timer();
    EXPECT_FALSE(about.isVisible());
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
    about.show();
    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_FALSE(about.isVisible());
}
