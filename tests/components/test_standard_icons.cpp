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

QImage Picture(const QIcon& icon, int size)
{
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
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

void ExpectTheStylesPictures(const QStyle* style)
{
    for (const QStyle::StandardPixmap which : kShown) {
        SCOPED_TRACE(static_cast<int>(which));
        const QIcon made = style->standardIcon(which);
        const QIcon shared = StandardIcon(style, which);
        ASSERT_FALSE(shared.isNull());
        // the style's icon for that name, not another one's
        EXPECT_EQ(shared.availableSizes(), made.availableSizes());
        EXPECT_EQ(Picture(shared, 24), Picture(made, 24));
        // Asked again, the one icon, not another reading of its files.
        EXPECT_EQ(StandardIcon(style, which).cacheKey(), shared.cacheKey());
    }
}

} // namespace

// Each name gives the style's own icon for it, read once.
TEST(StandardIcons, EachNameGivesTheStylesOwnIconOnce)
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
