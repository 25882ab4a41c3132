#include "components/StandardIcons.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <climits>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

namespace orv {

namespace {

// The image files of the standard icons the windows show, as the common
// style of this toolkit names them: a few sizes of one picture, each in
// "<folder><stem>-<name>.png", of `width` x `height` pixels.
struct TImageFile {
    int name, width, height;
};
struct TStandardIconFiles {
    QStyle::StandardPixmap which;
    const char* stem;
    TImageFile files[3]; // name 0: no more files
};
constexpr TImageFile Square(int size) { return {size, size, size}; }
constexpr const char* kStyleImages = ":/qt-project.org/styles/commonstyle/images/";
constexpr TStandardIconFiles kStandardIconFiles[] = {
    {QStyle::SP_FileIcon, "file", {Square(16), Square(32), Square(128)}},
    {QStyle::SP_DialogOpenButton, "standardbutton-open", {Square(16), Square(32), Square(128)}},
    {QStyle::SP_DialogSaveButton, "standardbutton-save", {Square(16), Square(32), Square(128)}},
    {QStyle::SP_DialogCloseButton, "standardbutton-close", {Square(16), Square(32), Square(128)}},
    {QStyle::SP_DialogHelpButton, "standardbutton-help", {Square(16), Square(32), Square(128)}},
    {QStyle::SP_FileDialogNewFolder, "newdirectory", {Square(16), Square(32), Square(128)}},
    {QStyle::SP_FileDialogDetailedView, "viewdetailed", {Square(16), Square(32), Square(128)}},
    {QStyle::SP_FileDialogListView, "viewlist", {Square(16), Square(32), Square(128)}},
    {QStyle::SP_TrashIcon, "trash", {Square(16), Square(32), Square(128)}},
    {QStyle::SP_ArrowLeft, "left", {Square(16), Square(32), Square(128)}},
    {QStyle::SP_ArrowRight, "right", {Square(16), Square(32), Square(128)}},
    {QStyle::SP_BrowserReload, "refresh", {Square(24), Square(32), {}}},
    {QStyle::SP_TitleBarContextHelpButton, "titlebar-contexthelp", {Square(16), Square(32), Square(48)}},
    // the extension buttons of every menu bar and tool bar, left to right
    {QStyle::SP_ToolBarHorizontalExtensionButton, "toolbar-ext-h", {{8, 8, 5}, {16, 16, 10}, {32, 32, 20}}},
    {QStyle::SP_ToolBarVerticalExtensionButton, "toolbar-ext-v", {{5, 5, 8}, {10, 10, 16}, {20, 20, 32}}},
};

// The files of a standard icon, or null when the table has none.
const TStandardIconFiles* FilesOf(QStyle::StandardPixmap which)
{
    const auto found = std::find_if(std::begin(kStandardIconFiles), std::end(kStandardIconFiles),
                                    [which](const TStandardIconFiles& f) { return f.which == which; });
    return found == std::end(kStandardIconFiles) ? nullptr : found;
}

// An icon of image files of known sizes that reads a file only when a
// picture of a size needs it. The style's own icons read and decode every
// size as they are made (the 128-pixel ones cost the most), though a tool
// bar shows one size and a menu another. The pictures are the same: the
// file chosen for a size is the one the style's icon would choose (the
// smallest not below the size, else the largest), and the pictures are made
// from it by the toolkit's own icon, which holds the pictures read so far.
class TFileSizesIconEngine : public QIconEngine {
public:
    struct Entry {
        QString file;
        QSize size;
        bool read = false;
    };

    explicit TFileSizesIconEngine(std::vector<Entry> entries) : entries_(std::move(entries)) {}

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        QSize actual = choose(size).size;
        if (actual.width() > size.width() || actual.height() > size.height()) actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        Entry& entry = choose(size);
        if (!entry.read) {
            // Read as the PNG it is: a reader left to find the format asks
            // every image plugin of the toolkit first, and loads them all.
            QImageReader reader(entry.file, "png");
            reader.setAutoDetectImageFormat(false);
            const QImage image = reader.read();
            if (!image.isNull()) read_.addPixmap(QPixmap::fromImage(image));
            entry.read = true;
        }
        return read_.pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPaintDevice* device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (const Entry& e : entries_) sizes.push_back(e.size);
        return sizes;
    }

    bool isNull() override { return entries_.empty(); }
    QString key() const override { return QStringLiteral("TFileSizesIconEngine"); }
    QIconEngine* clone() const override { return new TFileSizesIconEngine(*this); }

private:
    // The smallest entry not below the size, else the largest; by area.
    Entry& choose(const QSize& size)
    {
        const auto area = [](const QSize& s) { return qint64(s.width()) * s.height(); };
        const qint64 wanted = area(size);
        Entry* best = nullptr;
        for (Entry& e : entries_)
            if (area(e.size) >= wanted && (!best || area(e.size) < area(best->size))) best = &e;
        if (best) return *best;
        for (Entry& e : entries_)
            if (!best || area(e.size) > area(best->size)) best = &e;
        return *best;
    }

    std::vector<Entry> entries_;
    QIcon read_;
};

// The style's icon as image files read on demand, when the style would
// make it of exactly those files: the toolkit's own styles without an icon
// theme to take it from.
QIcon FileSizesIcon(const QStyle* style, QStyle::StandardPixmap which)
{
    const QByteArray styleClass = style->metaObject()->className();
    if (styleClass != "QFusionStyle" && styleClass != "QWindowsStyle") return {};
    if (QGuiApplication::desktopSettingsAware() && !QIcon::themeName().isEmpty()) return {};
    const TStandardIconFiles* known = FilesOf(which);
    if (!known) return {};
    std::vector<TFileSizesIconEngine::Entry> entries;
    for (const TImageFile& f : known->files) {
        if (f.name == 0) break;
        QString file = QStringLiteral("%1%2-%3.png").arg(QLatin1String(kStyleImages), QLatin1String(known->stem)).arg(f.name);
        if (!QFile::exists(file)) return {};
        entries.push_back({std::move(file), QSize(f.width, f.height)});
    }
    return QIcon(new TFileSizesIconEngine(std::move(entries)));
}

// The style a proxy stands for.
const QStyle* Unwrapped(const QStyle* style)
{
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
    return style;
}

// The application's style with its standard icons made as StandardIcon
// makes them, for the toolkit's own widgets too (the extension button of
// every menu bar and tool bar, the icons of its dialogs). Right to left,
// where the style may turn a picture, the style's own.
class TStandardIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        const bool rtl = option ? option->direction == Qt::RightToLeft
                                : QGuiApplication::layoutDirection() == Qt::RightToLeft;
        if (FilesOf(which) && !rtl) return StandardIcon(baseStyle(), which);
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

void UseStandardIconsOnDemand()
{
    if (dynamic_cast<const TStandardIconStyle*>(QApplication::style())) return;
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    if (base) QApplication::setStyle(new TStandardIconStyle(base));
}

QIcon StandardIcon(const QStyle* style, QStyle::StandardPixmap which)
{
    style = Unwrapped(style);
    static std::map<std::pair<const QStyle*, int>, QIcon> icons;
    const auto key = std::make_pair(style, static_cast<int>(which));
    if (auto found = icons.find(key); found != icons.end()) return found->second;
    // The first icon of a style: its icons go with it, so that another
    // style made at its address never gets them.
    const bool known = icons.lower_bound({style, INT_MIN}) != icons.upper_bound({style, INT_MAX});
    if (!known) {
        QObject::connect(style, &QObject::destroyed, [style] {
            icons.erase(icons.lower_bound({style, INT_MIN}), icons.upper_bound({style, INT_MAX}));
        });
    }
    QIcon icon = FileSizesIcon(style, which);
    if (icon.isNull()) icon = style->standardIcon(which);
    return icons.emplace(key, std::move(icon)).first->second;
}

} // namespace orv
