// The sizes windows first open at on a desktop with a window manager
// (run_under_wm.sh starts Xvfb and openbox): the frame the manager adds and
// the order in which it tells the program about it must leave every window
// the room it has without one. Fresh settings, as on a first start. A frame
// is taken from the X server (xwininfo and xprop of x11-utils), whatever the
// toolkit has learnt of it.
#include <gtest/gtest.h>

#include "tests/common/CaptionFit.h"
#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <string>

#include "components/DialogRunner.h"
#include "core/MyUtils.h"
#include "core/SettingsStore.h"
#include "dialogs/ZunElementsList.h"
#include "mainwindow/ZunMain.h"
#include "printing/PrinterSetup.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

// A top-level window as the X server has it. The window manager puts the
// window in a frame of its own and then sets the frame's extents on it
// (_NET_FRAME_EXTENTS); until both are done, `framed` is false.
struct TServerWindow {
    bool framed = false;
    QRect client;      // on the screen
    QMargins extents;  // the frame around the client; the top is the title bar
    QRect frame() const { return client.marginsAdded(extents); }
};

// What the tool prints; empty where it fails (a window that is gone).
QString ToolOutput(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The word after "label:" in xwininfo's report.
QString InfoField(const QString& info, const QString& label)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QRegularExpression::escape(label) + QStringLiteral(":\\s*(\\S+)")).match(info);
    return m.captured(1);
}

TServerWindow ServerWindowOf(QWidget& w)
{
    const QString id = QStringLiteral("0x") + QString::number(w.winId(), 16);
    const QString info = ToolOutput(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id, QStringLiteral("-children"),
                                                                 QStringLiteral("-stats")});
    const QString prop = ToolOutput(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("-notype"),
                                                              QStringLiteral("_NET_FRAME_EXTENTS")});
    const auto field = [&](const char* label) { return InfoField(info, QString::fromLatin1(label)); };
    TServerWindow s;
    s.client = QRect(field("Absolute upper-left X").toInt(), field("Absolute upper-left Y").toInt(),
                     field("Width").toInt(), field("Height").toInt());
    // Left, right, top, bottom.
    const QRegularExpressionMatch e =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(prop);
    const auto extent = [&](int i) { return e.captured(i).toInt(); };
    if (e.hasMatch()) s.extents = QMargins(extent(1), extent(3), extent(2), extent(4));
    const bool inFrame = !info.isEmpty() && field("Parent window id") != field("Root window id");
    s.framed = inFrame && field("Map State") == QStringLiteral("IsViewable") && e.hasMatch();
    return s;
}

std::string Describe(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

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
    // program has had its say on it: the toolkit has the window where the
    // server has it, with what the program did about the frame (run queued)
    // carried out. The bound only ends a run that hangs.
    static TServerWindow waitFramed(QWidget& w)
    {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w)) << w.objectName().toStdString();
        TServerWindow s;
        const bool settled = QTest::qWaitFor(
            [&] {
                QCoreApplication::sendPostedEvents();
                s = ServerWindowOf(w);
                return s.framed && s.client == w.geometry();
            },
            60000);
        EXPECT_TRUE(settled) << w.objectName().toStdString() << (s.framed ? ": at " : ": not framed, at ")
                             << Describe(s.client) << " on the server, " << Describe(w.geometry())
                             << " for the toolkit";
        return s;
    }

    // The window's frame lies wholly on the available screen.
    static void expectOnScreen(const QWidget& w, const TServerWindow& s)
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(area.contains(s.frame())) << w.objectName().toStdString() << ": frame " << Describe(s.frame());
    }

    // The main window as the program opens it.
    void openWindow()
    {
        window = std::make_unique<TVelkor2>();
        window->setProgramFolder(QStringLiteral(ORV_BUILD_DIR));
        window->show();
        windowOnServer = waitFramed(*window);
    }

    // Runs `act` on the modal dialog that `open` shows, once it is framed.
    void onDialog(const std::function<void()>& open, const std::function<void(QDialog&)>& act)
    {
        bool seen = false;
        QTimer::singleShot(0, [&, this] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            seen = true;
            dialogOnServer = waitFramed(*d);
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
    TServerWindow windowOnServer;
    TServerWindow dialogOnServer; // the last dialog's

private:
    ISettingsStore* oldStore_ = nullptr;
    char oldSep_ = '.';
};

} // namespace

TEST_F(FirstSizes, TheMainWindowTakesTheScreenLessItsMarginWithItsFrameOnIt)
{
    openWindow();
    expectOnScreen(*window, windowOnServer);
    // First start: the screen less 40 px each way, the frame included.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_GE(windowOnServer.frame().width(), area.width() - 40);
    EXPECT_GE(windowOnServer.frame().height(), area.height() - 40);
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
                 expectOnScreen(d, dialogOnServer);
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
                 expectOnScreen(d, dialogOnServer);
                 EXPECT_WHOLE(d);
                 orvtest::SaveShot(d, QStringLiteral("wm-masonry-unit-list"));
             });
}

TEST_F(FirstSizes, ThePrinterSetUpShowsItsWholeTitle)
{
    openWindow();
    onDialog([&] { TPrinterSetupDlg(window.get()).exec(); },
             [&](QDialog& d) {
                 expectOnScreen(d, dialogOnServer);
                 EXPECT_WHOLE(d);
                 // The title bar holds the title in a bold face beside the
                 // window's icon, three buttons and the bar's padding, each
                 // about as wide as the bar is high.
                 QFont bold = QApplication::font();
                 bold.setBold(true);
                 const QRect frame = dialogOnServer.frame();
                 const int bar = dialogOnServer.extents.top();
                 ASSERT_GT(bar, 0) << "no title bar";
                 const int title = QFontMetrics(bold).horizontalAdvance(d.windowTitle());
                 EXPECT_GE(frame.width(), title + 6 * bar)
                     << "title " << title << " px, bar " << bar << " px high, frame " << frame.width() << " px wide";
                 QGuiApplication::primaryScreen()
                     ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                     .save(QStringLiteral(ORV_SHOT_DIR "/wm-printer-setup.png"));
             });
}
