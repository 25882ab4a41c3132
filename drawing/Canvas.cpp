#include "drawing/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPalette>
#include <QPolygon>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

// Windows system colour index to the palette role that plays its part.
QColor SystemColor(unsigned index, const QPalette& pal)
{
    switch (index) {
    case 4: return pal.color(QPalette::Window);           // menu
    case 5: return pal.color(QPalette::Base);             // window
    case 6: return pal.color(QPalette::Shadow);           // window frame
    case 7: return pal.color(QPalette::WindowText);       // menu text
    case 8: return pal.color(QPalette::Text);             // window text
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);          // button face
    case 16: return pal.color(QPalette::Dark);            // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: return pal.color(QPalette::ButtonText);
    case 20: return pal.color(QPalette::Light);           // button highlight
    case 21: return pal.color(QPalette::Shadow);          // 3D dark shadow
    case 22: return pal.color(QPalette::Midlight);        // 3D light
    case 23: return pal.color(QPalette::ToolTipText);
    case 24: return pal.color(QPalette::ToolTipBase);
    default: return pal.color(QPalette::Window);
    }
}

QPoint Q(TPoint p) { return QPoint(p.X, p.Y); }

// GDI boxes exclude their right and bottom edges.
QRect BoxRect(const TRect& r)
{
    const int l = std::min(r.Left, r.Right), rr = std::max(r.Left, r.Right);
    const int t = std::min(r.Top, r.Bottom), b = std::max(r.Top, r.Bottom);
    return QRect(QPoint(l, t), QPoint(rr - 1, b - 1));
}

QString QStr(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

} // namespace

QColor ColorToQColor(TColor c, const QPalette& palette)
{
    if (c & clSystemColor) return SystemColor(c & 0xFF, palette);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QColor ColorToQColor(TColor c)
{
    if (qGuiApp) return ColorToQColor(c, QGuiApplication::palette());
    return ColorToQColor(c, QPalette());
}

TColor QColorToColor(const QColor& c)
{
    const QColor rgb = c.toRgb();
    return RGBColor(rgb.red(), rgb.green(), rgb.blue());
}

struct PainterCanvas::QtTools {
    bool penMade = false;
    TCanvasPen penOf;
    QPen pen;
    bool fontMade = false;
    TCanvasFont fontOf;
    int fontDpiOf = 0;
    QFont font;
};

PainterCanvas::PainterCanvas(QPainter& painter) : p_(painter), tools_(std::make_unique<QtTools>())
{
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, false);
}

PainterCanvas::~PainterCanvas() = default;

void PainterCanvas::applyPen(bool outline)
{
    QtTools& t = *tools_;
    if (!outline || pen.style == TPenStyle::Clear) {
        p_.setPen(Qt::NoPen);
    } else if (t.penMade && pen.color == t.penOf.color && pen.width == t.penOf.width && pen.style == t.penOf.style) {
        p_.setPen(t.pen);
    } else {
        QPen qp(ColorToQColor(pen.color));
        qp.setWidth(std::max(1, pen.width));
        qp.setCapStyle(Qt::RoundCap);
        qp.setJoinStyle(Qt::RoundJoin);
        switch (pen.style) {
        case TPenStyle::Dash: qp.setStyle(Qt::DashLine); break;
        case TPenStyle::Dot: qp.setStyle(Qt::DotLine); break;
        case TPenStyle::DashDot: qp.setStyle(Qt::DashDotLine); break;
        case TPenStyle::DashDotDot: qp.setStyle(Qt::DashDotDotLine); break;
        default: qp.setStyle(Qt::SolidLine); break;
        }
        if (pen.style != TPenStyle::Solid) qp.setCapStyle(Qt::FlatCap);
        p_.setPen(qp);
        t.pen = qp;
        t.penOf = pen;
        t.penMade = true;
    }
    const bool mask = pen.mode == TPenMode::Mask &&
                      p_.paintEngine() && p_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    p_.setCompositionMode(mask ? QPainter::RasterOp_SourceAndDestination
                               : QPainter::CompositionMode_SourceOver);
}

void PainterCanvas::applyBrush(bool fill)
{
    if (fill && brush.style == TBrushStyle::Solid)
        p_.setBrush(ColorToQColor(brush.color));
    else
        p_.setBrush(Qt::NoBrush);
}

void PainterCanvas::applyFont()
{
    QtTools& t = *tools_;
    const TCanvasFont& o = t.fontOf;
    if (t.fontMade && fontDpi_ == t.fontDpiOf && font.size == o.size && font.style == o.style &&
        font.pitch == o.pitch && font.name == o.name) {
        // A font set again is a font change to the painter: a picture records
        // it, and asks its device's resolution for it.
        if (!(p_.font() == t.font)) p_.setFont(t.font);
        return;
    }
    QFont f(QStr(font.name));
    const double pt = font.size > 0 ? font.size : 1;
    if (fontDpi_ > 0) f.setPixelSize(std::max(1, RoundToInt(pt * fontDpi_ / 72.0)));
    else f.setPointSizeF(pt);
    f.setBold(font.style & fsBold);
    f.setItalic(font.style & fsItalic);
    f.setUnderline(font.style & fsUnderline);
    f.setStrikeOut(font.style & fsStrikeOut);
    if (font.pitch == TFontPitch::Fixed) f.setFixedPitch(true);
    f.setStyleStrategy(QFont::NoAntialias);
    p_.setFont(f);
    t.font = f;
    t.fontOf = font;
    t.fontDpiOf = fontDpi_;
    t.fontMade = true;
}

void PainterCanvas::drawLine(TPoint a, TPoint b)
{
    applyPen(true);
    p_.drawLine(Q(a), Q(b));
}

void PainterCanvas::polyline(const std::vector<TPoint>& points)
{
    if (points.empty()) return;
    QPolygon poly;
    for (const TPoint& p : points) poly << Q(p);
    applyPen(true);
    p_.drawPolyline(poly);
}

void PainterCanvas::polygon(const std::vector<TPoint>& points)
{
    if (points.empty()) return;
    QPolygon poly;
    for (const TPoint& p : points) poly << Q(p);
    applyPen(true);
    applyBrush(true);
    p_.drawPolygon(poly);
}

void PainterCanvas::rectangle(const TRect& r)
{
    applyPen(true);
    applyBrush(true);
    const QRect box = BoxRect(r);
    if (box.isEmpty()) return;
    // the outline runs along the inside of the box, as GDI draws it
    p_.drawRect(box.adjusted(0, 0, -1, -1));
}

void PainterCanvas::fillRect(const TRect& r)
{
    const QRect box = BoxRect(r);
    if (box.isEmpty() || brush.style == TBrushStyle::Clear) return;
    p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p_.fillRect(box, ColorToQColor(brush.color));
}

void PainterCanvas::ellipse(const TRect& box)
{
    applyPen(true);
    applyBrush(true);
    const QRect r = BoxRect(box);
    if (r.isEmpty()) return;
    p_.drawEllipse(r.adjusted(0, 0, -1, -1));
}

void PainterCanvas::arc(const TRect& box, TPoint start, TPoint end)
{
    const QRect r = BoxRect(box);
    if (r.width() < 1 || r.height() < 1) return;
    const double cx = (r.left() + r.right() + 1) / 2.0;
    const double cy = (r.top() + r.bottom() + 1) / 2.0;
    const double rx = r.width() / 2.0, ry = r.height() / 2.0;
    // angles of the radials, counter-clockwise on screen, in degrees
    auto angleOf = [&](TPoint p) {
        return std::atan2(-(p.Y - cy) / ry, (p.X - cx) / rx) * 180.0 / M_PI;
    };
    const double a0 = angleOf(start), a1 = angleOf(end);
    double span = std::fmod(a1 - a0 + 720.0, 360.0);
    if (span <= 0) span = 360.0;
    applyPen(true);
    p_.setBrush(Qt::NoBrush);
    p_.drawArc(QRectF(r.left(), r.top(), r.width() - 1, r.height() - 1),
               RoundToInt(a0 * 16), RoundToInt(span * 16));
}

void PainterCanvas::textOut(int x, int y, const std::string& text)
{
    if (text.empty()) return;
    applyFont();
    const QString s = QStr(text);
    const QFontMetrics fm = p_.fontMetrics();
    // On a PDF page in its own coordinates the text is placed directly: a
    // saved, moved and restored painter makes the PDF engine write its whole
    // graphics state again around every text. The same points either way.
    if (font.escapement == 0 && p_.paintEngine() && p_.paintEngine()->type() == QPaintEngine::Pdf &&
        p_.combinedTransform().type() == QTransform::TxNone) {
        const QPainter::CompositionMode mode = p_.compositionMode();
        p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        if (brush.style == TBrushStyle::Solid)
            p_.fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), ColorToQColor(brush.color));
        const QPen pen = p_.pen();
        p_.setPen(ColorToQColor(font.color));
        // a long report's many numbers are shaped afresh once the texts kept are many
        if (shaped_.size() >= MaxShapedTexts) shaped_.clear();
        auto& layout = shaped_[measureKey(text)];
        if (!layout) {
            layout = std::make_unique<QTextLayout>(s, p_.font(), p_.device());
            QTextOption option;
            option.setWrapMode(QTextOption::NoWrap);
            option.setFlags(QTextOption::IncludeTrailingSpaces);
            option.setTextDirection(p_.layoutDirection());
            layout->setTextOption(option);
            layout->setCacheEnabled(true);
            layout->beginLayout();
            layout->createLine();
            layout->endLayout();
        }
        // the base line where drawText would put it
        layout->draw(&p_, QPointF(x, y + fm.ascent() - layout->lineAt(0).ascent()));
        p_.setPen(pen);
        p_.setCompositionMode(mode);
        return;
    }
    p_.save();
    p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p_.translate(x, y);
    if (font.escapement != 0) p_.rotate(-font.escapement / 10.0);
    if (brush.style == TBrushStyle::Solid)
        p_.fillRect(QRect(0, 0, fm.horizontalAdvance(s), fm.height()), ColorToQColor(brush.color));
    p_.setPen(ColorToQColor(font.color));
    p_.drawText(0, fm.ascent(), s);
    p_.restore();
}

int Canvas::unitHeight()
{
    const TCanvasFont& f = unitFont_;
    if (unitHeight_ < 0 || font.size != f.size || font.style != f.style || font.pitch != f.pitch ||
        font.charSet != f.charSet || font.name != f.name) {
        unitHeight_ = textHeight("A");
        unitFont_ = font;
    }
    return unitHeight_;
}

std::string PainterCanvas::measureKey(const std::string& text) const
{
    // Everything applyFont reads, then the text; the escapement does not
    // change a measure.
    const int ints[3] = {static_cast<int>(font.style), static_cast<int>(font.pitch), fontDpi_};
    std::string key;
    key.reserve(sizeof font.size + sizeof ints + font.name.size() + text.size() + 1);
    key.append(reinterpret_cast<const char*>(&font.size), sizeof font.size);
    key.append(reinterpret_cast<const char*>(ints), sizeof ints);
    key += font.name;
    key += '\0';
    key += text;
    return key;
}

TPoint PainterCanvas::textExtent(const std::string& text)
{
    std::string key = measureKey(text);
    if (const auto it = extents_.find(key); it != extents_.end()) return it->second;
    applyFont();
    const QFontMetrics fm = p_.fontMetrics();
    const TPoint extent{fm.horizontalAdvance(QStr(text)), fm.height()};
    extents_.emplace(std::move(key), extent);
    return extent;
}

namespace {

// The painter draws onto pixels one for one: what its text's glyphs take
// can be counted.
bool DrawsPixels(QPainter& p)
{
    const QPaintDevice* device = p.device();
    return device && p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster &&
           device->devicePixelRatioF() == 1.0 && p.combinedTransform().type() <= QTransform::TxTranslate;
}

// The columns the rasteriser inks for s in font, drawn from x = 0 on a
// device of the given resolution; `box` (the glyphs' outline box) tells
// where to look.
TTextInk RasterInk(const QFont& font, const QString& s, const QRect& box, int dpiX, int dpiY)
{
    constexpr int pad = 2;
    QImage image(box.width() + 2 * pad, box.height() + 2 * pad, QImage::Format_RGB32);
    image.setDotsPerMeterX(std::lround(dpiX / 0.0254));
    image.setDotsPerMeterY(std::lround(dpiY / 0.0254));
    image.fill(Qt::white);
    const int ox = pad - box.left();
    {
        QPainter q(&image);
        q.setRenderHint(QPainter::TextAntialiasing, false);
        q.setFont(font);
        q.setPen(Qt::black);
        q.drawText(ox, pad - box.top(), s);
    }
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    if (first < 0) return {};
    return {first - ox, last + 1 - ox, true};
}

} // namespace

std::optional<TTextInk> PainterCanvas::textInk(const std::string& text)
{
    if (text.empty()) return TTextInk{};
    std::string key = measureKey(text);
    if (const auto it = inks_.find(key); it != inks_.end()) return it->second;
    applyFont();
    const QString s = QStr(text);
    const QRect box = p_.fontMetrics().tightBoundingRect(s);
    TTextInk ink;
    if (!box.isEmpty()) {
        // the outline's box is a pixel wider on each side than what a small
        // font's hinted glyphs ink on the screen; a drawing in fonts sized
        // for a reference resolution is replayed anywhere, in outlines
        ink = {box.left(), box.right() + 1};
        if (fontDpi_ == 0 && DrawsPixels(p_))
            ink = RasterInk(p_.font(), s, box, p_.device()->logicalDpiX(), p_.device()->logicalDpiY());
    }
    inks_.emplace(std::move(key), ink);
    return ink;
}

} // namespace orv
