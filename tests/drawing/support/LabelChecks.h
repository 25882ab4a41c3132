// Where the labels of a drawing stand: a canvas that paints onto an image in
// the fonts the tests pin and records every text with the box it covers and
// every line and filled shape, and the checks that labels are whole,
// readable and clear of one another and of the lines about them.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>

#include <memory>
#include <string>
#include <vector>

#include "drawing/Canvas.h"

namespace orv::test {

struct TracedText {
    std::string text;
    TColor color;
    QPolygonF cell;  // the box of the text's glyphs, turned with its font
    int order;       // place among everything drawn
};

struct TracedSegment {
    QPointF a, b;
    TColor color;
    int order;
    double width;        // of the pen
    bool ofSolidSymbol;  // an edge of a shape filled in its own colour (an arrow)
};

struct TracedFill {
    QPolygonF shape;
    TColor color;
    int order;
};

// Draws onto an image of the size, filled with the background, as the
// screen (Arial 8 pt) or a recorded picture (Arial of PlatformCode() points
// at the reference resolution) would; brush = background, pen black.
class TracingCanvas : public Canvas {
public:
    TracingCanvas(QSize size, bool pictureFont, TColor background);
    ~TracingCanvas() override;

    void drawLine(TPoint a, TPoint b) override;
    void polyline(const std::vector<TPoint>& points) override;
    void polygon(const std::vector<TPoint>& points) override;
    void rectangle(const TRect& r) override;
    void fillRect(const TRect& r) override;
    void ellipse(const TRect& box) override;
    void arc(const TRect& box, TPoint start, TPoint end) override;
    void textOut(int x, int y, const std::string& text) override;
    TPoint textExtent(const std::string& text) override;
    std::optional<TTextInk> textInk(const std::string& text) override;

    // Ends the painting; the image is complete afterwards.
    const QImage& image();
    TPoint size() const { return {image_.width(), image_.height()}; }
    TColor background() const { return background_; }
    // The size unit of the font the drawing began with.
    int unit() const { return unit_; }

    std::vector<TracedText> texts;
    std::vector<TracedSegment> segments;
    std::vector<TracedFill> fills;

private:
    void sync();
    void addSegment(TPoint a, TPoint b, bool ofSolidSymbol = false);
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PainterCanvas> inner_;
    TColor background_;
    int unit_ = 1;
    int order_ = 0;
};

// The columns the image shows blank between the glyphs of the run a and
// those of the run b drawn after it on its line (0: they touch), counted in
// the rows of both from a's last inked column; -1 when b's glyphs begin
// inside a's.
int BlankColumnsBetween(TracingCanvas& canvas, const TracedText& a, const TracedText& b);

// Findings of the checks, worded for a failure message.
using Findings = std::vector<std::string>;
struct LabelFindings {
    Findings cut;        // a label reaching past the edge of the drawing
    Findings onSymbol;   // a label crossed by the symbol of its colour (its arrow)
    Findings unhaloed;   // a label on a dark fill without a light box
    Findings doubled;    // a text written twice in one place
    Findings overlaps;   // two labels overlapping
    Findings crossings;  // a label crossed by a line of its colour, or by any
                         // line when it has no halo or the line lies over it
                         // (by any line at all when halos do not hide lines)
};

// Labels are the texts not drawn in a light colour; their boxes are the
// glyphs' own. A label on a light fill drawn just before it holding its glyphs
// stands on a box (a halo).
// In black and white every line has the labels' colour, which then tells
// nothing (coloursTell false).
// With halosHideLines false a label must stand clear of every line, halo or not.
LabelFindings CheckLabels(const TracingCanvas& canvas, bool coloursTell = true, bool halosHideLines = true);

} // namespace orv::test
