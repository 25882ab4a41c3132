#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QThread>
#include <QThreadPool>

#include <atomic>

#include "platform/PaintingThread.h"
#include "tests/common/QtTestApp.h"

using namespace orv;

namespace {

int ThreadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

struct Pictures {
    QImage painted, converted, scaled;
};

// What the toolkit paints in slices for a pool when it may: a gradient and
// a translucent fill over hundreds of lines, frame lines as tall, the
// conversion of a large image and its smooth scaling.
Pictures Paint()
{
    QImage image(900, 700, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        QLinearGradient g(0, 0, 900, 700);
        g.setColorAt(0, QColor(0, 128, 128));
        g.setColorAt(1, QColor(0, 84, 96));
        p.fillRect(image.rect(), g);
        p.fillRect(QRect(450, 50, 300, 500), QColor(255, 0, 0, 100));
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(20, 20, 400, 600);
        p.drawLine(600, 10, 600, 690);
    }
    return {image, image.convertToFormat(QImage::Format_RGB888),
            image.scaled(450, 350, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)};
}

} // namespace

// The GUI thread paints alone, starting no thread, to the very pixels the
// toolkit paints in slices on the pool's threads.
TEST(PaintingThread, TheGuiThreadPaintsAloneToTheSamePixels)
{
    orvtest::EnsureApp();
    const int before = ThreadCount();
    PaintOnThisThreadAlone();
    const Pictures alone = Paint();
    EXPECT_EQ(ThreadCount(), before) << "a thread was started for the painting";

    PaintOnThisThreadAlone(false);
    const Pictures sliced = Paint();
    // the same pictures are ones the toolkit does hand to the pool
    EXPECT_GT(ThreadCount(), before);
    EXPECT_EQ(alone.painted, sliced.painted);
    EXPECT_EQ(alone.converted, sliced.converted);
    EXPECT_EQ(alone.scaled, sliced.scaled);
    QThreadPool::globalInstance()->waitForDone();
}

// Only the thread that asked paints alone; the pool's own threads are still
// its own, and other threads are not.
TEST(PaintingThread, OtherThreadsKeepTheToolkitsAnswer)
{
    orvtest::EnsureApp();
    QThreadPool pool;
    EXPECT_FALSE(pool.contains(QThread::currentThread()));
    PaintOnThisThreadAlone();
    EXPECT_TRUE(pool.contains(QThread::currentThread()));
    std::atomic<bool> poolsOwn{false};
    pool.start([&] { poolsOwn = pool.contains(QThread::currentThread()); });
    pool.waitForDone();
    EXPECT_TRUE(poolsOwn);
    QThread other;
    EXPECT_FALSE(pool.contains(&other));
    EXPECT_FALSE(pool.contains(nullptr));
    PaintOnThisThreadAlone(false);
    EXPECT_FALSE(pool.contains(QThread::currentThread()));
}
