#include "components/StandardIcons.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <climits>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

namespace orv {

namespace {

// The image files of the standard icons the program shows, as the common
// style of this toolkit names them: a few sizes of one picture, each in
// "<folder><stem>-<size>.png".
struct TStandardIconFiles {
    QStyle::StandardPixmap which;
    const char* stem;
    int sizes[3]; // 0: no more sizes
};
constexpr const char* kStyleImages = ":/qt-project.org/styles/commonstyle/images/";
constexpr TStandardIconFiles kStandardIconFiles[] = {
    {QStyle::SP_FileIcon, "file", {16, 32, 128}},
    {QStyle::SP_DialogOpenButton, "standardbutton-open", {16, 32, 128}},
    {QStyle::SP_DialogSaveButton, "standardbutton-save", {16, 32, 128}},
    {QStyle::SP_DialogCloseButton, "standardbutton-close", {16, 32, 128}},
    {QStyle::SP_DialogHelpButton, "standardbutton-help", {16, 32, 128}},
    {QStyle::SP_FileDialogNewFolder, "newdirectory", {16, 32, 128}},
    {QStyle::SP_FileDialogDetailedView, "viewdetailed", {16, 32, 128}},
    {QStyle::SP_FileDialogListView, "viewlist", {16, 32, 128}},
    {QStyle::SP_TrashIcon, "trash", {16, 32, 128}},
    {QStyle::SP_ArrowLeft, "left", {16, 32, 128}},
    {QStyle::SP_ArrowRight, "right", {16, 32, 128}},
    {QStyle::SP_BrowserReload, "refresh", {24, 32, 0}},
    {QStyle::SP_TitleBarContextHelpButton, "titlebar-contexthelp", {16, 32, 48}},
};

// An icon of image files of known sizes that reads a file only when a
// picture of a size needs it. The style's own icons read and decode every
// size as they are made (the 128-pixel ones cost the most), though a tool
// bar shows one size and a menu another. The pictures are the same: the
// file chosen for a size is the one the style's icon would choose (the
// smallest not below the size, else the largest), and the pictures are made
// from it by the toolkit's own icon, which holds the files read so far.
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
            read_.addFile(entry.file, entry.size);
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
    const auto known = std::find_if(std::begin(kStandardIconFiles), std::end(kStandardIconFiles),
                                    [which](const TStandardIconFiles& f) { return f.which == which; });
    if (known == std::end(kStandardIconFiles)) return {};
    std::vector<TFileSizesIconEngine::Entry> entries;
    for (const int size : known->sizes) {
        if (size == 0) break;
        QString file = QStringLiteral("%1%2-%3.png").arg(QLatin1String(kStyleImages), QLatin1String(known->stem)).arg(size);
        if (!QFile::exists(file)) return {};
        entries.push_back({std::move(file), QSize(size, size)});
    }
    return QIcon(new TFileSizesIconEngine(std::move(entries)));
}

} // namespace

QIcon StandardIcon(const QStyle* style, QStyle::StandardPixmap which)
{
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
