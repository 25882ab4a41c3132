// Stored window places applied to a real widget.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
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
