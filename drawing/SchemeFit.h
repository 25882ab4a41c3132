// Keeping a scheme's ink inside its area. A scheme lays its model out in the
// area it is given, but the labels and symbols beside the model have fixed
// sizes in font units and the stubs beyond the model box grow with the
// scale: with a wide font, a long value or a large scale they can reach past
// the area's edge. The drawing is therefore measured first, and drawn into a
// smaller, shifted area when something would stick out.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "drawing/Canvas.h"

namespace orv {

// The operations drawn on a canvas, each with the font, pen and brush it
// was drawn in, to be drawn again on another canvas.
class TCanvasRecord {
public:
    void add(const Canvas& state, int kind, std::vector<TPoint> points, TRect box, std::string text = {});
    // The font, pen, brush and position the drawing ended with.
    void close(const Canvas& state);
    bool empty() const { return ops_.empty() && !closed_; }
    // Draws every operation on `target` moved by `offset`, then leaves the
    // target as the drawing ended (its position moved too).
    void replay(Canvas& target, TPoint offset) const;

private:
    struct TState {
        TCanvasFont font;
        TCanvasPen pen;
        TCanvasBrush brush;
    };
    struct TOp {
        int kind;
        std::size_t state;
        std::vector<TPoint> points;
        TRect box;
        std::string text;
    };
    std::vector<TState> states_;
    std::vector<TOp> ops_;
    TState end_;
    TPoint endPos_;
    bool closed_ = false;
};

// A canvas that draws nothing and gathers the pixels the ink of what is
// drawn on it would cover (pen widths and turned text boxes included); text
// is measured by the canvas it stands in for.
class InkBoundsCanvas : public Canvas {
public:
    // Starts with the font, pen, brush and position of metrics.
    explicit InkBoundsCanvas(Canvas& metrics);

    bool inked() const { return inked_; }
    // Also records what is drawn (null: nothing is recorded).
    void setRecord(TCanvasRecord* record) { record_ = record; }
    // Inclusive pixel bounds of the ink; only meaningful when inked().
    TRect bounds() const { return {left_, top_, right_, bottom_}; }

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

private:
    int penReach() const;
    void add(long long x, long long y, int reach);
    void addBox(const TRect& r, int reach);
    Canvas& metrics_;
    TCanvasRecord* record_ = nullptr;
    bool inked_ = false;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

// Passes everything drawn on it to another canvas, moved by an offset.
class ShiftedCanvas : public Canvas {
public:
    ShiftedCanvas(Canvas& target, TPoint offset);
    // Hands the font, pen, brush and position back to the target.
    void finish();

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

private:
    void sync();
    TPoint moved(TPoint p) const { return {p.X + offset_.X, p.Y + offset_.Y}; }
    TRect moved(const TRect& r) const
    {
        return {r.Left + offset_.X, r.Top + offset_.Y, r.Right + offset_.X, r.Bottom + offset_.Y};
    }
    std::vector<TPoint> moved(const std::vector<TPoint>& pts) const;
    Canvas& target_;
    TPoint offset_;
};

// A drawing made for an area of the given size on a canvas.
using TAreaDrawFn = std::function<void(Canvas& canvas, const TPoint& size)>;

// Where to draw: the area handed to the drawing and its offset in the real one.
struct TFitPlacement {
    TPoint size;
    TPoint offset;
};

// The placement that keeps the drawing's ink inside (0, 0)..size, at least
// `clearance` pixels from its edges: the area as given when it fits;
// otherwise the area shrinks by what sticks out and moves away from the
// edges crossed, over a few passes (the scaled parts shrink, the labels keep
// their size). A drawing that cannot be brought inside so (its overrun does
// not come from its margins) keeps the area.
TFitPlacement FitToArea(Canvas& canvas, TPoint size, const TAreaDrawFn& draw, int clearance = 0);
// Draws at the placement FitToArea finds; returns the placement.
TFitPlacement DrawFitted(Canvas& canvas, TPoint size, const TAreaDrawFn& draw, int clearance = 0);

} // namespace orv
