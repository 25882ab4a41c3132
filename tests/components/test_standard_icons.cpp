// The standard icons made once for a style: the same pictures the style
// gives, shared by every caller, and never those of a style that is gone.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>

#include <memory>

#include "components/StandardIcons.h"

using namespace orv;

namespace {

QImage Picture(const QIcon& icon, int size, QIcon::Mode mode = QIcon::Normal, QIcon::State state = QIcon::Off,
               qreal ratio = 1.0)
{
    return icon.pixmap(QSize(size, size), ratio, mode, state).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The icon painted into a rectangle of the size on a device of the ratio.
QImage Painted(const QIcon& icon, int size, QIcon::Mode mode, qreal ratio)
{
    QImage image(QSize(size + 6, size + 4) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(1, 2, size + 4, size), Qt::AlignCenter, mode);
    return image;
}

// Every standard icon the windows show.
constexpr QStyle::StandardPixmap kShown[] = {
    QStyle::SP_FileIcon,          QStyle::SP_DialogOpenButton,        QStyle::SP_DialogSaveButton,
    QStyle::SP_DialogCloseButton, QStyle::SP_DialogHelpButton,        QStyle::SP_FileDialogNewFolder,
    QStyle::SP_TrashIcon,         QStyle::SP_FileDialogDetailedView,  QStyle::SP_FileDialogListView,
    QStyle::SP_ArrowLeft,         QStyle::SP_ArrowRight,              QStyle::SP_BrowserReload,
    QStyle::SP_TitleBarContextHelpButton, QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical,
    QStyle::SP_MessageBoxInformation};

void ExpectTheStylesPictures(const QStyle* style)
{
    for (const QStyle::StandardPixmap which : kShown) {
        SCOPED_TRACE(static_cast<int>(which));
        const QIcon made = style->standardIcon(which);
        const QIcon shared = StandardIcon(style, which);
        ASSERT_FALSE(shared.isNull());
        EXPECT_EQ(shared.availableSizes(), made.availableSizes());
        EXPECT_EQ(shared.availableSizes(QIcon::Disabled), made.availableSizes(QIcon::Disabled));
        // Sizes between, below and above the files', in every mode and
        // state, for a plain and a doubled screen; asked for in a mixed
        // order, so that what was read before never changes a picture.
        for (const int size : {24, 16, 200, 8, 32, 20, 128, 48, 12, 64}) {
            SCOPED_TRACE(size);
            EXPECT_EQ(shared.actualSize(QSize(size, size)), made.actualSize(QSize(size, size)));
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
                for (const QIcon::State state : {QIcon::Off, QIcon::On})
                    EXPECT_EQ(Picture(shared, size, mode, state), Picture(made, size, mode, state)) << mode << state;
            EXPECT_EQ(Picture(shared, size, QIcon::Normal, QIcon::Off, 2.0), Picture(made, size, QIcon::Normal, QIcon::Off, 2.0));
            for (const qreal ratio : {1.0, 2.0})
                for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
                    EXPECT_EQ(Painted(shared, size, mode, ratio), Painted(made, size, mode, ratio)) << ratio << mode;
        }
        // Asked again, the one icon, not another reading of its files.
        EXPECT_EQ(StandardIcon(style, which).cacheKey(), shared.cacheKey());
    }
}

} // namespace

// The icons are read from their files only when a size is shown, yet every
// picture, size and painting is the one the style's own icon gives.
TEST(StandardIcons, TheStylesPicturesAtEverySizeModeAndRatio)
{
    orvtest::EnsureApp<QApplication>();
    const QStyle* style = QApplication::style();
    ExpectTheStylesPictures(style);
    EXPECT_NE(StandardIcon(style, QStyle::SP_FileIcon).cacheKey(), StandardIcon(style, QStyle::SP_TrashIcon).cacheKey());
    auto windows = std::unique_ptr<QStyle>(QStyleFactory::create(QStringLiteral("Windows")));
    ASSERT_NE(windows, nullptr);
    ExpectTheStylesPictures(windows.get());
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
