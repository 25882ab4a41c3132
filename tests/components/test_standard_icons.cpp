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
    QStyle::SP_MessageBoxInformation, QStyle::SP_ToolBarHorizontalExtensionButton,
    QStyle::SP_ToolBarVerticalExtensionButton};

// The pictures of two icons, alike at every size, mode, state and ratio.
void ExpectAlike(const QIcon& shared, const QIcon& made)
{
    EXPECT_EQ(shared.availableSizes(), made.availableSizes());
    EXPECT_EQ(shared.availableSizes(QIcon::Disabled), made.availableSizes(QIcon::Disabled));
    // Sizes between, below and above the files', square and not, in every
    // mode and state, for a plain and a doubled screen; asked for in a
    // mixed order, so that what was read before never changes a picture.
    const QSize sizes[] = {{24, 24}, {16, 16}, {200, 200}, {8, 8},   {16, 10}, {32, 32}, {20, 20},
                           {10, 16}, {128, 128}, {48, 48}, {12, 12}, {24, 15}, {64, 64}};
    for (const QSize size : sizes) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        EXPECT_EQ(shared.actualSize(size), made.actualSize(size));
        const int side = size.width();
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
            for (const QIcon::State state : {QIcon::Off, QIcon::On})
                EXPECT_EQ(shared.pixmap(size, 1.0, mode, state).toImage(), made.pixmap(size, 1.0, mode, state).toImage())
                    << mode << state;
        EXPECT_EQ(Picture(shared, side, QIcon::Normal, QIcon::Off, 2.0), Picture(made, side, QIcon::Normal, QIcon::Off, 2.0));
        for (const qreal ratio : {1.0, 2.0})
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
                EXPECT_EQ(Painted(shared, side, mode, ratio), Painted(made, side, mode, ratio)) << ratio << mode;
    }
}

void ExpectTheStylesPictures(const QStyle* style)
{
    for (const QStyle::StandardPixmap which : kShown) {
        SCOPED_TRACE(static_cast<int>(which));
        const QIcon made = style->standardIcon(which);
        const QIcon shared = StandardIcon(style, which);
        ASSERT_FALSE(shared.isNull());
        ExpectAlike(shared, made);
        // Asked again, the one icon, not another reading of its files.
        EXPECT_EQ(StandardIcon(style, which).cacheKey(), shared.cacheKey());
    }
}

} // namespace

// Every picture, size and painting is the one the style's own icon gives.
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
