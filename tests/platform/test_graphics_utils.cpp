// Bitmap helpers: scaling by a factor and the transparent colour.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QGuiApplication>
#include <QWindow>

#include "platform/GraphicsUtils.h"

using namespace orv;

TEST(GraphicsUtils, ScaleRoundsHalvesToEven)
{
    // a scheme picture of 1000 x 800 scaled by 0.1 for the editor export
    EXPECT_EQ(ScaledGraphicSize({1000, 800}, 0.1), QSize(100, 80));
    EXPECT_EQ(ScaledGraphicSize({25, 35}, 0.1), QSize(2, 4)); // 2.5 -> 2, 3.5 -> 4
    QImage img(40, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    ScaleGraphic(img, 0.5);
    EXPECT_EQ(img.size(), QSize(20, 10));
    ScaleGraphic(img, 0.01);
    EXPECT_TRUE(img.isNull());
}

TEST(GraphicsUtils, TransparentColourBecomesTheBackground)
{
    QImage img(3, 1, QImage::Format_RGB32);
    img.setPixelColor(0, 0, QColor(255, 0, 255)); // the key colour
    img.setPixelColor(1, 0, QColor(10, 20, 30));
    img.setPixelColor(2, 0, QColor(255, 0, 255));
    MakeBitmapTransparent(img, QColor(255, 0, 255), QColor(236, 233, 216));
    EXPECT_EQ(img.pixelColor(0, 0), QColor(236, 233, 216));
    EXPECT_EQ(img.pixelColor(1, 0), QColor(10, 20, 30));
    EXPECT_EQ(img.pixelColor(2, 0), QColor(236, 233, 216));
}

TEST(GraphicsUtils, WindowOpacity)
{
    orvtest::EnsureApp();
    QWindow w;
    SetLayeredAlpha(&w, 215);
    EXPECT_NEAR(w.opacity(), 215 / 255.0, 1e-6);
    SetLayeredAlpha(nullptr, 10); // no window: nothing happens
}
