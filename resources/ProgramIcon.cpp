#include "resources/ProgramIcon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPaintDevice>
#include <QPixmap>
#include <QSvgRenderer>

#include <optional>

// The resource initialiser is declared at global scope; from inside a
// namespace it would name another function.
static void InitIconResource()
{
    Q_INIT_RESOURCE(icons);
}

namespace orv {

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QString IconFile()
{
    static const bool done = (InitIconResource(), true);
    (void)done;
    return QStringLiteral(":/icons/orvandel.svg");
}

QImage Render(QSvgRenderer& svg, int size)
{
    if (!svg.isValid() || size <= 0) return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

// All the sizes from one reading of the drawing; each image becomes its
// pixmap without a copy.
QIcon RenderAllSizes()
{
    QSvgRenderer svg(IconFile());
    QIcon icon;
    for (const int size : kSizes) icon.addPixmap(QPixmap::fromImage(Render(svg, size)));
    return icon;
}

// Draws the sizes only when a picture, a size or the list of sizes is first
// asked for (a window manager asks when a window appears, the offscreen
// platform never); from then on every question goes to that icon. Copies
// of the QIcon share this engine, so the drawing is made once.
class DeferredIconEngine final : public QIconEngine {
public:

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        // At the ratio 1 the icon hands over its engine's own pixmap; the
        // caller sets the ratio it wants.
        return icon().pixmap(size, 1.0, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        icon().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        icon().addFile(fileName, size, mode, state);
    }
    // The drawing is built in; only a drawing that could not be read is null.
    bool isNull() override { return icon_ && icon_->isNull(); }
    QString key() const override { return QStringLiteral("orv.programicon"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    QIcon& icon()
    {
        if (!icon_) icon_ = RenderAllSizes();
        return *icon_;
    }

    std::optional<QIcon> icon_;
};

} // namespace

QImage RenderProgramIcon(int size)
{
    QSvgRenderer svg(IconFile());
    return Render(svg, size);
}

QIcon ProgramIcon()
{
    return QIcon(new DeferredIconEngine);
}

} // namespace orv
