#include "tests/drawing/support/RecordingCanvas.h"

#include "tests/common/QtTestApp.h"

#include <QGuiApplication>

#include <utility>

namespace orv::test {

int CharCount(const std::string& s)
{
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

void RecordingCanvas::record(DrawOp op)
{
    if (ops.size() >= opBudget) throw TooManyOps();
    ops.push_back(std::move(op));
}

void RecordingCanvas::drawLine(TPoint a, TPoint b)
{
    record({DrawOp::Line, {a, b}, {}, {}, font, pen, brush});
}
void RecordingCanvas::polyline(const std::vector<TPoint>& p)
{
    record({DrawOp::Polyline, p, {}, {}, font, pen, brush});
}
void RecordingCanvas::polygon(const std::vector<TPoint>& p)
{
    record({DrawOp::Polygon, p, {}, {}, font, pen, brush});
}
void RecordingCanvas::rectangle(const TRect& r)
{
    record({DrawOp::Rectangle, {}, r, {}, font, pen, brush});
}
void RecordingCanvas::fillRect(const TRect& r)
{
    record({DrawOp::FillRect, {}, r, {}, font, pen, brush});
}
void RecordingCanvas::ellipse(const TRect& r)
{
    record({DrawOp::Ellipse, {}, r, {}, font, pen, brush});
}
void RecordingCanvas::arc(const TRect& r, TPoint s, TPoint e)
{
    record({DrawOp::Arc, {s, e}, r, {}, font, pen, brush});
}
void RecordingCanvas::textOut(int x, int y, const std::string& t)
{
    record({DrawOp::Text, {{x, y}}, {}, t, font, pen, brush});
}

TPoint RecordingCanvas::textExtent(const std::string& t)
{
    const int cw = charWidth + ((font.style & fsBold) ? 1 : 0);
    return {CharCount(t) * cw, cellHeight};
}

std::vector<DrawOp> RecordingCanvas::of(DrawOp::Kind kind) const
{
    std::vector<DrawOp> out;
    for (const DrawOp& op : ops)
        if (op.kind == kind) out.push_back(op);
    return out;
}

bool RecordingCanvas::hasLine(TPoint a, TPoint b) const
{
    auto eq = [](TPoint p, TPoint q) { return p.X == q.X && p.Y == q.Y; };
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Line && ((eq(op.points[0], a) && eq(op.points[1], b)) ||
                                        (eq(op.points[0], b) && eq(op.points[1], a))))
            return true;
    return false;
}

void EnsureGuiApp() { orvtest::EnsureApp(); }

} // namespace orv::test
