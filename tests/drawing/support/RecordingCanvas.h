// A canvas that records what is drawn, with fixed metrics: every character
// is 7 pixels wide (8 in bold), every text 13 high, so S(n) = n.
#pragma once

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "drawing/Canvas.h"

namespace orv::test {

struct DrawOp {
    enum Kind { Line, Polyline, Polygon, Rectangle, FillRect, Ellipse, Arc, Text } kind;
    std::vector<TPoint> points;  // lines: both ends; arc: start, end
    TRect box{};
    std::string text;
    TCanvasFont font;
    TCanvasPen pen;
    TCanvasBrush brush;
};

// Thrown by a recording canvas asked to record more than its budget.
struct TooManyOps : std::runtime_error {
    TooManyOps() : std::runtime_error("more drawing operations than the budget") {}
};

class RecordingCanvas : public Canvas {
public:
    int charWidth = 7;
    int cellHeight = 13;
    // The most operations recorded; one more throws TooManyOps, so a drawing
    // that would step without end fails at once instead of filling the memory.
    std::size_t opBudget = std::numeric_limits<std::size_t>::max();
    // measured anew, since the tests change the cell height between drawings
    int unitHeight() override { return textHeight("A"); }
    std::vector<DrawOp> ops;

    void drawLine(TPoint a, TPoint b) override;
    void polyline(const std::vector<TPoint>& points) override;
    void polygon(const std::vector<TPoint>& points) override;
    void rectangle(const TRect& r) override;
    void fillRect(const TRect& r) override;
    void ellipse(const TRect& box) override;
    void arc(const TRect& box, TPoint start, TPoint end) override;
    void textOut(int x, int y, const std::string& text) override;
    TPoint textExtent(const std::string& text) override;

    std::vector<DrawOp> of(DrawOp::Kind kind) const;
    std::vector<DrawOp> texts() const { return of(DrawOp::Text); }
    std::vector<DrawOp> lines() const { return of(DrawOp::Line); }
    // A line between a and b, in either direction, was drawn.
    bool hasLine(TPoint a, TPoint b) const;

private:
    void record(DrawOp op);
};

// Number of characters (code points) of a UTF-8 text.
int CharCount(const std::string& utf8);

// Creates the QGuiApplication that font and image tests need, once.
void EnsureGuiApp();

} // namespace orv::test
