// Stored window places applied to a real widget.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include "components/WindowPlacement.h"

using namespace orv;

TEST(StoredAppearance, WindowPlaceAppliedToAWidget)
{
    orvtest::EnsureApp<QApplication>();
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QWidget w;
    w.move(7, 9);
    w.resize(200, 100);
    ApplyWindowPlacement(w, {30, 40, 400, 300});
    EXPECT_EQ(w.pos(), QPoint(30, 40));
    EXPECT_EQ(w.size(), QSize(400, 300));
    const TWindowPlace back = WindowPlaceOf(w);
    EXPECT_EQ(back.Left, 30);
    EXPECT_EQ(back.Top, 40);
    EXPECT_EQ(back.Width, 400);
    EXPECT_EQ(back.Height, 300);

    // Beyond the screen: position kept, size applied.
    ApplyWindowPlacement(w, {screen.width() + 10, 40, 320, 240});
    EXPECT_EQ(w.pos(), QPoint(30, 40));
    EXPECT_EQ(w.size(), QSize(320, 240));
    // Never stored: nothing.
    ApplyWindowPlacement(w, TWindowPlace{});
    EXPECT_EQ(w.pos(), QPoint(30, 40));
    EXPECT_EQ(w.size(), QSize(320, 240));
}

TEST(StoredAppearance, WholeFrameFitsOntoTheScreen)
{
    // A window manager's frame: 4 px borders and a 24 px title bar.
    const QMargins frame(4, 24, 4, 4);
    const TScreenArea area{0, 0, 1024, 738};
    const QRect screen(0, 0, 1024, 738);
    auto frameOf = [&](const QRect& client) { return client.marginsAdded(frame); };
    struct Case {
        QRect client;
        QRect fitted;
    };
    const Case cases[] = {
        // A window that filled the screen, restored: title bar included.
        {{4, 24, 1024, 738}, {4, 24, 1016, 710}},
        // Hanging below and right of the screen: moved up and left.
        {{900, 700, 300, 200}, {720, 534, 300, 200}},
        // Above and left of it.
        {{-50, -10, 300, 200}, {4, 24, 300, 200}},
        // Wholly on it: kept.
        {{100, 100, 300, 200}, {100, 100, 300, 200}},
    };
    for (const Case& c : cases) {
        const QRect fitted = FitFrameOntoArea(c.client, frame, area);
        EXPECT_EQ(fitted, c.fitted) << c.client.x() << "," << c.client.y();
        EXPECT_TRUE(screen.contains(frameOf(fitted))) << c.client.x() << "," << c.client.y();
    }
    // Without a frame the client itself is fitted; without a screen nothing moves.
    EXPECT_EQ(FitFrameOntoArea({0, 0, 2000, 900}, QMargins(), area), QRect(0, 0, 1024, 738));
    EXPECT_EQ(FitFrameOntoArea({-5, 0, 2000, 900}, frame, TScreenArea{}), QRect(-5, 0, 2000, 900));
}

TEST(StoredAppearance, StoredPlaceIsFittedOntoTheScreenItIsOn)
{
    orvtest::EnsureApp<QApplication>();
    const TScreenArea small{100, 50, 640, 480};
    const ScreenAreaSource previous = SetScreenAreaSource([small](int, int) { return small; });
    QWidget w;
    PlaceWindowOnScreen(w, {0, 0, 2000, 2000});
    EXPECT_EQ(w.pos(), QPoint(100, 50));
    EXPECT_EQ(w.size(), QSize(640, 480));
    // Shown without a window manager's frame, it stays where it was put.
    w.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.frameGeometry(), QRect(100, 50, 640, 480));
    SetScreenAreaSource(previous);
}
