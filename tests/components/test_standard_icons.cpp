// The standard icons made once for a style: the same pictures the style
// gives, shared by every caller, and never those of a style that is gone.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QImage>
#include <QStyleFactory>

#include <memory>

#include "components/StandardIcons.h"

using namespace orv;

namespace {

QImage Picture(const QIcon& icon, int size, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(size, size), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(StandardIcons, TheStylesPicturesAtEverySizeAndMode)
{
    orvtest::EnsureApp<QApplication>();
    const QStyle* style = QApplication::style();
    for (const QStyle::StandardPixmap which : {QStyle::SP_FileIcon, QStyle::SP_DialogOpenButton, QStyle::SP_TrashIcon,
                                               QStyle::SP_MessageBoxWarning, QStyle::SP_ArrowRight}) {
        SCOPED_TRACE(static_cast<int>(which));
        const QIcon made = style->standardIcon(which);
        const QIcon shared = StandardIcon(style, which);
        ASSERT_FALSE(shared.isNull());
        EXPECT_EQ(shared.availableSizes(), made.availableSizes());
        for (const int size : {16, 24, 32, 48}) {
            EXPECT_EQ(Picture(shared, size), Picture(made, size)) << size;
            EXPECT_EQ(Picture(shared, size, QIcon::Disabled), Picture(made, size, QIcon::Disabled)) << size;
        }
        // Asked again, the one icon, not another reading of its files.
        EXPECT_EQ(StandardIcon(style, which).cacheKey(), shared.cacheKey());
    }
    EXPECT_NE(StandardIcon(style, QStyle::SP_FileIcon).cacheKey(), StandardIcon(style, QStyle::SP_TrashIcon).cacheKey());
}

TEST(StandardIcons, EachStyleHasItsOwnAndAGoneStyleTakesThemAlong)
{
    orvtest::EnsureApp<QApplication>();
    auto windows = std::unique_ptr<QStyle>(QStyleFactory::create(QStringLiteral("Windows")));
    ASSERT_NE(windows, nullptr);
    const qint64 first = StandardIcon(windows.get(), QStyle::SP_DialogSaveButton).cacheKey();
    EXPECT_NE(first, StandardIcon(QApplication::style(), QStyle::SP_DialogSaveButton).cacheKey());
    EXPECT_EQ(StandardIcon(windows.get(), QStyle::SP_DialogSaveButton).cacheKey(), first);

    // A style made after the first is gone starts with icons of its own,
    // even at the same address.
    for (int i = 0; i < 3; ++i) {
        windows.reset(QStyleFactory::create(QStringLiteral("Windows")));
        ASSERT_NE(windows, nullptr);
        const QIcon fresh = StandardIcon(windows.get(), QStyle::SP_DialogSaveButton);
        EXPECT_NE(fresh.cacheKey(), first);
        EXPECT_EQ(Picture(fresh, 32), Picture(windows->standardIcon(QStyle::SP_DialogSaveButton), 32));
    }
}
