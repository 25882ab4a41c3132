#include "drawing/SchemeFit.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace orv {

namespace {

constexpr double kPi = 3.14159265358979323846;

int ToInt(long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// The pixels of a GDI box: right and bottom excluded; empty when it has none.
bool BoxPixels(const TRect& r, long long& l, long long& t, long long& rr, long long& b)
{
    l = std::min(r.Left, r.Right);
    rr = (long long)std::max(r.Left, r.Right) - 1;
    t = std::min(r.Top, r.Bottom);
    b = (long long)std::max(r.Top, r.Bottom) - 1;
    return l <= rr && t <= b;
}

enum : int { kLine, kPolyline, kPolygon, kRectangle, kFillRect, kEllipse, kArc, kText };

TPoint Moved(TPoint p, TPoint by) { return {p.X + by.X, p.Y + by.Y}; }
TRect Moved(const TRect& r, TPoint by) { return {r.Left + by.X, r.Top + by.Y, r.Right + by.X, r.Bottom + by.Y}; }

bool SameLook(const TCanvasFont& f, const TCanvasPen& pen, const TCanvasBrush& brush, const Canvas& c)
{
    const TCanvasFont& g = c.font;
    return f.name == g.name && f.size == g.size && f.style == g.style && f.charSet == g.charSet &&
           f.pitch == g.pitch && f.color == g.color && f.escapement == g.escapement && pen.color == c.pen.color &&
           pen.width == c.pen.width && pen.style == c.pen.style && pen.mode == c.pen.mode &&
           brush.color == c.brush.color && brush.style == c.brush.style;
}

bool SameState(const Canvas& a, const Canvas& b)
{
    return SameLook(a.font, a.pen, a.brush, b) && a.penPos().X == b.penPos().X && a.penPos().Y == b.penPos().Y;
}

} // namespace

// --- TCanvasRecord

void TCanvasRecord::add(const Canvas& state, int kind, std::vector<TPoint> points, TRect box, std::string text)
{
    const bool same = !states_.empty() && SameLook(states_.back().font, states_.back().pen, states_.back().brush, state);
    if (!same) states_.push_back({state.font, state.pen, state.brush});
    ops_.push_back({kind, states_.size() - 1, std::move(points), box, std::move(text)});
}

void TCanvasRecord::close(const Canvas& state)
{
    end_ = {state.font, state.pen, state.brush};
    endPos_ = state.penPos();
    closed_ = true;
}

void TCanvasRecord::replay(Canvas& target, TPoint offset) const
{
    std::size_t current = states_.size();
    for (const TOp& op : ops_) {
        if (op.state != current) {
            current = op.state;
            target.font = states_[current].font;
            target.pen = states_[current].pen;
            target.brush = states_[current].brush;
        }
        switch (op.kind) {
        case kLine: target.drawLine(Moved(op.points[0], offset), Moved(op.points[1], offset)); break;
        case kPolyline:
        case kPolygon: {
            std::vector<TPoint> pts = op.points;
            for (TPoint& p : pts) p = Moved(p, offset);
            if (op.kind == kPolyline) target.polyline(pts);
            else target.polygon(pts);
            break;
        }
        case kRectangle: target.rectangle(Moved(op.box, offset)); break;
        case kFillRect: target.fillRect(Moved(op.box, offset)); break;
        case kEllipse: target.ellipse(Moved(op.box, offset)); break;
        case kArc:
            target.arc(Moved(op.box, offset), Moved(op.points[0], offset), Moved(op.points[1], offset));
            break;
        case kText: target.textOut(op.points[0].X + offset.X, op.points[0].Y + offset.Y, op.text); break;
        }
    }
    target.font = end_.font;
    target.pen = end_.pen;
    target.brush = end_.brush;
    target.moveTo(endPos_.X + offset.X, endPos_.Y + offset.Y);
}

// --- InkBoundsCanvas

InkBoundsCanvas::InkBoundsCanvas(Canvas& metrics) : metrics_(metrics)
{
    font = metrics.font;
    pen = metrics.pen;
    brush = metrics.brush;
    moveTo(metrics.penPos().X, metrics.penPos().Y);
}

// How far a stroke reaches beyond its points; -1 when the pen draws nothing.
int InkBoundsCanvas::penReach() const
{
    if (pen.style == TPenStyle::Clear) return -1;
    return std::max(1, pen.width) / 2;
}

void InkBoundsCanvas::add(long long x, long long y, int reach)
{
    const int l = ToInt(x - reach), r = ToInt(x + reach);
    const int t = ToInt(y - reach), b = ToInt(y + reach);
    if (!inked_) {
        left_ = l;
        right_ = r;
        top_ = t;
        bottom_ = b;
        inked_ = true;
        return;
    }
    left_ = std::min(left_, l);
    right_ = std::max(right_, r);
    top_ = std::min(top_, t);
    bottom_ = std::max(bottom_, b);
}

void InkBoundsCanvas::addBox(const TRect& r, int reach)
{
    long long l, t, rr, b;
    if (!BoxPixels(r, l, t, rr, b)) return;
    add(l, t, reach);
    add(rr, b, reach);
}

void InkBoundsCanvas::drawLine(TPoint a, TPoint b)
{
    if (record_) record_->add(*this, kLine, {a, b}, {});
    const int reach = penReach();
    if (reach < 0) return;
    add(a.X, a.Y, reach);
    add(b.X, b.Y, reach);
}

void InkBoundsCanvas::polyline(const std::vector<TPoint>& points)
{
    if (record_) record_->add(*this, kPolyline, points, {});
    const int reach = penReach();
    if (reach < 0) return;
    for (const TPoint& p : points) add(p.X, p.Y, reach);
}

void InkBoundsCanvas::polygon(const std::vector<TPoint>& points)
{
    if (record_) record_->add(*this, kPolygon, points, {});
    const int reach = penReach();
    if (reach < 0 && brush.style == TBrushStyle::Clear) return;
    for (const TPoint& p : points) add(p.X, p.Y, std::max(0, reach));
}

void InkBoundsCanvas::rectangle(const TRect& r)
{
    if (record_) record_->add(*this, kRectangle, {}, r);
    const int reach = penReach();
    if (reach < 0 && brush.style == TBrushStyle::Clear) return;
    addBox(r, std::max(0, reach));
}

void InkBoundsCanvas::fillRect(const TRect& r)
{
    if (record_) record_->add(*this, kFillRect, {}, r);
    if (brush.style == TBrushStyle::Clear) return;
    addBox(r, 0);
}

void InkBoundsCanvas::ellipse(const TRect& box)
{
    if (record_) record_->add(*this, kEllipse, {}, box);
    TCanvasRecord* const record = record_;
    record_ = nullptr; // the ink of its box, no rectangle drawn
    rectangle(box);
    record_ = record;
}

void InkBoundsCanvas::arc(const TRect& box, TPoint start, TPoint end)
{
    if (record_) record_->add(*this, kArc, {start, end}, box);
    const int reach = penReach();
    long long l, t, rr, b;
    if (reach < 0 || !BoxPixels(box, l, t, rr, b)) return;
    // the same ellipse and angles as the painter canvas draws
    const double w = double(rr - l + 1), h = double(b - t + 1);
    const double cx = (double(l) + double(rr) + 1) / 2.0, cy = (double(t) + double(b) + 1) / 2.0;
    const double rx = w / 2.0, ry = h / 2.0;
    auto angleOf = [&](TPoint p) { return std::atan2(-(p.Y - cy) / ry, (p.X - cx) / rx); };
    const double a0 = angleOf(start);
    double span = std::fmod(angleOf(end) - a0 + 4 * kPi, 2 * kPi);
    if (span <= 0) span = 2 * kPi;
    const double ex = (w - 1) / 2.0, ey = (h - 1) / 2.0;  // the drawn ellipse
    const double ox = double(l) + ex, oy = double(t) + ey;
    constexpr int kSteps = 64;
    for (int i = 0; i <= kSteps; ++i) {
        const double a = a0 + span * i / kSteps;
        add(std::llround(ox + ex * std::cos(a)), std::llround(oy - ey * std::sin(a)), reach + 1);
    }
}

void InkBoundsCanvas::textOut(int x, int y, const std::string& text)
{
    if (record_) record_->add(*this, kText, {{x, y}}, {}, text);
    if (text.empty()) return;
    const TPoint e = textExtent(text);
    const double a = font.escapement / 10.0 * kPi / 180.0, c = std::cos(a), s = std::sin(a);
    // the text cell, turned counter-clockwise about its top-left corner
    double x0 = x, x1 = x, y0 = y, y1 = y;
    for (const auto& [u, v] : {std::pair<double, double>{e.X, 0}, {0, e.Y}, {e.X, e.Y}}) {
        const double px = x + c * u + s * v, py = y - s * u + c * v;
        x0 = std::min(x0, px);
        x1 = std::max(x1, px);
        y0 = std::min(y0, py);
        y1 = std::max(y1, py);
    }
    add(std::llround(std::floor(x0)), std::llround(std::floor(y0)), 0);
    add(std::llround(std::ceil(x1)) - 1, std::llround(std::ceil(y1)) - 1, 0);
}

namespace {

// A measure taken by the metrics canvas in the given font, its own restored.
template <typename Measure>
auto InFont(Canvas& metrics, const TCanvasFont& font, Measure measure)
{
    const TCanvasFont saved = metrics.font;
    metrics.font = font;
    const auto value = measure();
    metrics.font = saved;
    return value;
}

} // namespace

TPoint InkBoundsCanvas::textExtent(const std::string& text)
{
    return InFont(metrics_, font, [&] { return metrics_.textExtent(text); });
}

std::optional<TTextInk> InkBoundsCanvas::textInk(const std::string& text)
{
    return InFont(metrics_, font, [&] { return metrics_.textInk(text); });
}

// --- ShiftedCanvas

ShiftedCanvas::ShiftedCanvas(Canvas& target, TPoint offset) : target_(target), offset_(offset)
{
    font = target.font;
    pen = target.pen;
    brush = target.brush;
    moveTo(target.penPos().X - offset.X, target.penPos().Y - offset.Y);
}

void ShiftedCanvas::sync()
{
    target_.font = font;
    target_.pen = pen;
    target_.brush = brush;
}

void ShiftedCanvas::finish()
{
    sync();
    const TPoint p = moved(penPos());
    target_.moveTo(p.X, p.Y);
}

std::vector<TPoint> ShiftedCanvas::moved(const std::vector<TPoint>& pts) const
{
    std::vector<TPoint> out;
    out.reserve(pts.size());
    for (const TPoint& p : pts) out.push_back(moved(p));
    return out;
}

void ShiftedCanvas::drawLine(TPoint a, TPoint b)
{
    sync();
    target_.drawLine(moved(a), moved(b));
}

void ShiftedCanvas::polyline(const std::vector<TPoint>& points)
{
    sync();
    target_.polyline(moved(points));
}

void ShiftedCanvas::polygon(const std::vector<TPoint>& points)
{
    sync();
    target_.polygon(moved(points));
}

void ShiftedCanvas::rectangle(const TRect& r)
{
    sync();
    target_.rectangle(moved(r));
}

void ShiftedCanvas::fillRect(const TRect& r)
{
    sync();
    target_.fillRect(moved(r));
}

void ShiftedCanvas::ellipse(const TRect& box)
{
    sync();
    target_.ellipse(moved(box));
}

void ShiftedCanvas::arc(const TRect& box, TPoint start, TPoint end)
{
    sync();
    target_.arc(moved(box), moved(start), moved(end));
}

void ShiftedCanvas::textOut(int x, int y, const std::string& text)
{
    sync();
    target_.textOut(x + offset_.X, y + offset_.Y, text);
}

TPoint ShiftedCanvas::textExtent(const std::string& text)
{
    sync();
    return target_.textExtent(text);
}

std::optional<TTextInk> ShiftedCanvas::textInk(const std::string& text)
{
    sync();
    return target_.textInk(text);
}

// --- fitting

namespace {

// FitToArea; with `record`, also what the drawing drew in the pass of the
// placement found, when that pass was the last one drawn (what the drawing
// function wrote besides the canvas is then that pass's too); left empty
// otherwise.
TFitPlacement Fit(Canvas& canvas, TPoint size, const TAreaDrawFn& draw, int clearance, TCanvasRecord* record)
{
    const TFitPlacement asGiven{size, {0, 0}};
    TFitPlacement best = asGiven, at = asGiven;
    long long bestOverrun = -1;
    constexpr int kPasses = 5;
    int bestPass = -1, lastPass = -1;
    for (int pass = 0; pass < kPasses; ++pass) {
        lastPass = pass;
        InkBoundsCanvas probe(canvas);
        TCanvasRecord drawn;
        if (record) probe.setRecord(&drawn);
        draw(probe, at.size);
        if (!probe.inked()) break;  // nothing drawn at this size
        const TRect b = probe.bounds();
        const long long c = clearance;
        const long long l = std::max(0LL, c - ((long long)b.Left + at.offset.X));
        const long long t = std::max(0LL, c - ((long long)b.Top + at.offset.Y));
        const long long r = std::max(0LL, (long long)b.Right + at.offset.X - (size.X - 1LL - c));
        const long long d = std::max(0LL, (long long)b.Bottom + at.offset.Y - (size.Y - 1LL - c));
        const long long overrun = l + t + r + d;
        if (bestOverrun < 0 || overrun < bestOverrun) {
            best = at;
            bestOverrun = overrun;
            bestPass = pass;
            if (record) {
                drawn.close(probe);
                *record = std::move(drawn);
            }
        }
        if (overrun == 0) break;
        // labels sticking out by a little can be taken in; geometry that
        // runs far beyond the area cannot, and shrinking would only spoil it
        const long long w = at.size.X - l - r, h = at.size.Y - t - d;
        if (2 * w < size.X || 2 * h < size.Y) break;
        at.size = {int(w), int(h)};
        at.offset = {at.offset.X + int(l), at.offset.Y + int(t)};
    }
    if (record && bestPass != lastPass) *record = TCanvasRecord{};
    return best;
}

} // namespace

TFitPlacement FitToArea(Canvas& canvas, TPoint size, const TAreaDrawFn& draw, int clearance)
{
    return Fit(canvas, size, draw, clearance, nullptr);
}

TFitPlacement DrawFitted(Canvas& canvas, TPoint size, const TAreaDrawFn& draw, int clearance)
{
    // The probes start as a new canvas does: on a canvas in that state the
    // drawing of the pass chosen is drawn again as it was recorded, laid out once.
    const InkBoundsCanvas fresh(canvas);
    TCanvasRecord recorded;
    const bool replayable = SameState(canvas, fresh);
    const TFitPlacement at = Fit(canvas, size, draw, clearance, replayable ? &recorded : nullptr);
    if (replayable && !recorded.empty()) {
        recorded.replay(canvas, at.offset);
        return at;
    }
    if (at.offset.X == 0 && at.offset.Y == 0 && at.size.X == size.X && at.size.Y == size.Y) {
        draw(canvas, size);
        return at;
    }
    ShiftedCanvas shifted(canvas, at.offset);
    draw(shifted, at.size);
    shifted.finish();
    return at;
}

} // namespace orv
