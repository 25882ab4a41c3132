#include "tests/drawing/support/LabelChecks.h"

#include <QFontMetrics>
#include <QLineF>

#include <algorithm>
#include <cmath>

#include "core/MyUtils.h"
#include "drawing/DrawPrimitives.h"
#include "drawing/SchemePicture.h"
#include "tests/drawing/support/RecordingCanvas.h"

namespace orv::test {

namespace {

double Luminance(TColor c)
{
    const QColor q = ColorToQColor(c);
    return 0.299 * q.red() + 0.587 * q.green() + 0.114 * q.blue();
}

// Halos and erasing strokes are light; labels and lines that show are not.
bool IsLight(TColor c) { return Luminance(c) >= 200; }
bool IsDark(TColor c) { return Luminance(c) < 160; }

QPointF Q(TPoint p) { return QPointF(p.X, p.Y); }

// The cell moved in by d on every side, in its own turned frame.
QPolygonF Inset(const QPolygonF& cell, double d)
{
    const QPointF o = cell[0], u = cell[1] - cell[0], v = cell[3] - cell[0];
    const double lu = std::hypot(u.x(), u.y()), lv = std::hypot(v.x(), v.y());
    if (lu <= 2 * d || lv <= 2 * d) return QPolygonF();
    const QPointF du = u / lu * d, dv = v / lv * d;
    return QPolygonF({o + du + dv, o + u - du + dv, o + u + v - du - dv, o + v + du - dv});
}

bool SegmentCrosses(const QPolygonF& box, QPointF a, QPointF b)
{
    if (box.isEmpty()) return false;
    if (box.containsPoint(a, Qt::OddEvenFill) || box.containsPoint(b, Qt::OddEvenFill)) return true;
    const QLineF s(a, b);
    for (int i = 0; i < 4; ++i) {
        QPointF at;
        if (s.intersects(QLineF(box[i], box[(i + 1) % 4]), &at) == QLineF::BoundedIntersection) return true;
    }
    return false;
}

bool Overlap(const QPolygonF& a, const QPolygonF& b)
{
    if (a.isEmpty() || b.isEmpty()) return false;
    const QPolygonF i = a.intersected(b);
    const QRectF r = i.boundingRect();
    return r.width() > 0.5 && r.height() > 0.5;
}

std::string Where(const QPolygonF& cell)
{
    const QRect r = cell.boundingRect().toAlignedRect();
    return "(" + std::to_string(r.left()) + ", " + std::to_string(r.top()) + ")-(" +
           std::to_string(r.right()) + ", " + std::to_string(r.bottom()) + ")";
}

std::string Name(const TracedText& t) { return "\"" + t.text + "\" at " + Where(t.cell); }

} // namespace

TracingCanvas::TracingCanvas(QSize size, bool pictureFont, TColor background)
    : image_(size, QImage::Format_RGB32), background_(background)
{
    EnsureGuiApp();
    image_.fill(ColorToQColor(background));
    painter_ = std::make_unique<QPainter>(&image_);
    inner_ = std::make_unique<PainterCanvas>(*painter_);
    font.name = "Arial";
    if (pictureFont) {
        inner_->setFontDpi(SchemePictureDpi);
        font.size = PlatformCode();
    } else {
        font.size = 8;
    }
    brush.color = background;
    pen.color = clBlack;
    unit_ = SizeUnit(*this, 1);
}

TracingCanvas::~TracingCanvas() = default;

const QImage& TracingCanvas::image()
{
    if (painter_ && painter_->isActive()) painter_->end();
    return image_;
}

void TracingCanvas::sync()
{
    inner_->font = font;
    inner_->pen = pen;
    inner_->brush = brush;
}

void TracingCanvas::addSegment(TPoint a, TPoint b, bool ofSolidSymbol)
{
    if (pen.style == TPenStyle::Clear || IsLight(pen.color)) return;
    segments.push_back({Q(a), Q(b), pen.color, order_, double(std::max(1, pen.width)), ofSolidSymbol});
}

void TracingCanvas::drawLine(TPoint a, TPoint b)
{
    sync();
    inner_->drawLine(a, b);
    addSegment(a, b);
    ++order_;
}

void TracingCanvas::polyline(const std::vector<TPoint>& points)
{
    sync();
    inner_->polyline(points);
    // a wide stroke is a symbol of its own (the arc of a moment)
    for (std::size_t i = 1; i < points.size(); ++i) addSegment(points[i - 1], points[i], pen.width > 2 * unit_);
    ++order_;
}

void TracingCanvas::polygon(const std::vector<TPoint>& points)
{
    sync();
    inner_->polygon(points);
    if (brush.style == TBrushStyle::Solid && points.size() >= 3) {
        QPolygonF shape;
        for (const TPoint& p : points) shape << Q(p);
        fills.push_back({shape, brush.color, order_});
    }
    for (std::size_t i = 0; i < points.size(); ++i)
        addSegment(points[i], points[(i + 1) % points.size()], brush.style == TBrushStyle::Solid && brush.color == pen.color);
    ++order_;
}

void TracingCanvas::rectangle(const TRect& r)
{
    sync();
    inner_->rectangle(r);
    const TPoint c[4] = {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}};
    if (brush.style == TBrushStyle::Solid)
        fills.push_back({QPolygonF({Q(c[0]), Q(c[1]), Q(c[2]), Q(c[3])}), brush.color, order_});
    for (int i = 0; i < 4; ++i) addSegment(c[i], c[(i + 1) % 4], brush.style == TBrushStyle::Solid && brush.color == pen.color);
    ++order_;
}

void TracingCanvas::fillRect(const TRect& r)
{
    sync();
    inner_->fillRect(r);
    if (brush.style == TBrushStyle::Solid)
        fills.push_back({QPolygonF(QRectF(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top)), brush.color, order_});
    ++order_;
}

void TracingCanvas::ellipse(const TRect& box)
{
    sync();
    inner_->ellipse(box);
    ++order_;
}

void TracingCanvas::arc(const TRect& box, TPoint start, TPoint end)
{
    sync();
    inner_->arc(box, start, end);
    ++order_;
}

void TracingCanvas::textOut(int x, int y, const std::string& text)
{
    sync();
    inner_->textOut(x, y, text);
    if (!text.empty() && text.find_first_not_of(' ') != std::string::npos) {
        // the glyphs' own box in the cell (drawn from the cell's top-left,
        // on the base line at the ascent), turned with the font; level text
        // as wide as the columns its glyphs ink on the image
        const QFontMetrics fm = painter_->fontMetrics();
        const QRect g = fm.tightBoundingRect(QString::fromStdString(text)).translated(0, fm.ascent());
        double left = g.left(), right = g.right() + 1.0;
        if (font.escapement == 0)
            if (const std::optional<TTextInk> ink = inner_->textInk(text); ink && !ink->empty()) {
                left = ink->left;
                right = ink->right;
            }
        const double a = font.escapement / 10.0 * M_PI / 180.0, c = std::cos(a), s = std::sin(a);
        QPolygonF cell;
        for (const auto& [u, v] : {std::pair<double, double>{left, g.top()}, {right, g.top()},
                                   {right, g.bottom() + 1.0}, {left, g.bottom() + 1.0}})
            cell << QPointF(x + c * u + s * v, y - s * u + c * v);
        texts.push_back({text, font.color, cell, order_});
    }
    ++order_;
}

TPoint TracingCanvas::textExtent(const std::string& text)
{
    sync();
    return inner_->textExtent(text);
}

std::optional<TTextInk> TracingCanvas::textInk(const std::string& text)
{
    sync();
    return inner_->textInk(text);
}

int BlankColumnsBetween(TracingCanvas& canvas, const TracedText& a, const TracedText& b)
{
    const QImage& image = canvas.image();
    const QRectF ra = a.cell.boundingRect(), rb = b.cell.boundingRect();
    const int end = int(std::lround(ra.right())), start = int(std::lround(rb.left()));
    if (start < end) return -1;
    const int top = std::max(0, int(std::floor(std::min(ra.top(), rb.top()))));
    const int bottom = std::min(image.height(), int(std::ceil(std::max(ra.bottom(), rb.bottom()))));
    const QColor ink = ColorToQColor(b.color);
    // from the column after a's glyphs to the first that b inks
    const int stop = std::min(image.width(), int(std::lround(rb.right())));
    for (int x = end; x < stop; ++x)
        for (int y = top; y < bottom; ++y)
            if (image.pixelColor(x, y) == ink) return x - end;
    return stop - end;
}

LabelFindings CheckLabels(const TracingCanvas& canvas, bool coloursTell, bool halosHideLines)
{
    LabelFindings out;
    const double inset = 0.5;
    const double touch = 1.0 + canvas.unit() / 4.0;  // a hair's breadth: lines next to the glyphs
    std::vector<const TracedText*> labels;
    for (const TracedText& t : canvas.texts)
        if (!IsLight(t.color)) labels.push_back(&t);
    // the runs of one mark-up label are drawn one right after another
    std::vector<int> label(labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i)
        label[i] = i > 0 && labels[i]->order == labels[i - 1]->order + 1 && labels[i]->color == labels[i - 1]->color
                       ? label[i - 1]
                       : int(i);

    // a label stands on a box when the last fill beneath its centre is light
    // and holds its glyphs
    auto haloed = [&](const TracedText& l) {
        const QPolygonF box = Inset(l.cell, inset);
        if (box.isEmpty()) return false;
        const QPointF c = box.boundingRect().center();
        const TracedFill* top = nullptr;
        for (const TracedFill& f : canvas.fills)
            if (f.order < l.order && f.shape.containsPoint(c, Qt::OddEvenFill)) top = &f;
        if (!top || !IsLight(top->color)) return false;
        const QRectF r = top->shape.boundingRect().adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const QPointF& p : box)
            if (!r.contains(p)) return false;
        return true;
    };
    // the same text twice in one place (a halo of copies, a label drawn again)
    for (std::size_t i = 0; i < canvas.texts.size(); ++i)
        for (std::size_t j = i + 1; j < canvas.texts.size(); ++j) {
            const TracedText &a = canvas.texts[i], &b = canvas.texts[j];
            const QPointF d = a.cell.boundingRect().center() - b.cell.boundingRect().center();
            if (a.text == b.text && std::hypot(d.x(), d.y()) <= 3.0 * canvas.unit())
                out.doubled.push_back(Name(b) + " is written again over itself");
        }

    const QRectF area(0, 0, canvas.size().X, canvas.size().Y);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const TracedText& l = *labels[i];
        const QPolygonF box = Inset(l.cell, inset);
        const bool halo = haloed(l);
        for (const QPointF& p : box)
            if (!area.contains(p)) {
                out.cut.push_back(Name(l) + " is cut by the edge of the drawing");
                break;
            }
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            if (label[j] != label[i] && Overlap(box, Inset(labels[j]->cell, inset)))
                out.overlaps.push_back(Name(l) + " overlaps " + Name(*labels[j]));
        // the runs of one label stand one after another (a subscript beside its letter)
        if (i > 0 && label[i] == label[i - 1] && Overlap(box, Inset(labels[i - 1]->cell, inset)))
            out.overlaps.push_back(Name(*labels[i - 1]) + " runs into " + Name(l));
        bool onSymbol = false, crossed = false;
        for (const TracedSegment& s : canvas.segments) {
            // a line on the pixel row next to the glyphs (a text standing on its
            // dimension line) does not cross them
            if (!SegmentCrosses(Inset(l.cell, touch - s.width / 2), s.a, s.b)) continue;
            const std::string line = " is crossed by the line (" + std::to_string(int(s.a.x())) + ", " +
                                     std::to_string(int(s.a.y())) + ")-(" + std::to_string(int(s.b.x())) + ", " +
                                     std::to_string(int(s.b.y())) + ")";
            // a value and its arrow share the colour; the lines a label
            // names stay apart from it, others may pass beneath its halo
            if (!onSymbol && s.ofSolidSymbol && s.color == l.color) {
                out.onSymbol.push_back(Name(l) + line);
                onSymbol = true;
            }
            if (!crossed && ((coloursTell && s.color == l.color) || s.order > l.order || !halo || !halosHideLines)) {
                out.crossings.push_back(Name(l) + line);
                crossed = true;
            }
        }
        if (!halo && !box.isEmpty()) {
            // the fill on top beneath each of a few points of the label
            bool dark = false;
            for (int a = 0; a <= 4 && !dark; ++a)
                for (int b = 0; b <= 2 && !dark; ++b) {
                    const QPointF p = box[0] + (box[1] - box[0]) * (a / 4.0) + (box[3] - box[0]) * (b / 2.0);
                    const TracedFill* top = nullptr;
                    for (const TracedFill& f : canvas.fills)
                        if (f.order < l.order && f.shape.containsPoint(p, Qt::OddEvenFill)) top = &f;
                    dark = top && IsDark(top->color);
                }
            if (dark) out.unhaloed.push_back(Name(l) + " stands on a dark fill without a halo");
        }
    }
    return out;
}

} // namespace orv::test
