// The drawing surface of every scheme: a small canvas with the semantics the
// drawing routines are written for (GDI-like), and its adapter over QPainter.
//   - text is drawn from the top-left corner of its cell;
//   - the text height is the font's cell height, whatever the string;
//   - the text colour is the font's, separate from the pen;
//   - a rotated font turns counter-clockwise on screen (escapement);
//   - a solid brush paints the cell behind a text, a clear brush does not;
//   - colours are 0x00BBGGRR, 0x80000000 | index for system colours;
//   - no antialiasing.
// Rectangles are {Left, Top, Right, Bottom}; right and bottom are exclusive.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Colors.h"
#include "core/MyUtils.h"

class QColor;
class QPainter;
class QPalette;
class QTextLayout;

namespace orv {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
enum class TFontPitch { Default, Variable, Fixed };

struct TCanvasFont {
    std::string name = "Arial";
    double size = 8;          // points
    unsigned style = 0;       // TFontStyle bits
    int charSet = 1;          // DEFAULT_CHARSET
    TFontPitch pitch = TFontPitch::Default;
    TColor color = clBlack;
    int escapement = 0;       // tenths of a degree, counter-clockwise
};

enum class TPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
// Mask: every pixel drawn becomes the drawing colour AND the pixel below.
enum class TPenMode { Copy, Mask };

struct TCanvasPen {
    TColor color = clBlack;
    int width = 1;
    TPenStyle style = TPenStyle::Solid;
    TPenMode mode = TPenMode::Copy;
};

enum class TBrushStyle { Solid, Clear };

struct TCanvasBrush {
    TColor color = clWhite;
    TBrushStyle style = TBrushStyle::Solid;
};

// --- colours
// 0x00BBGGRR to a Qt colour; system colours through the palette.
QColor ColorToQColor(TColor c, const QPalette& palette);
// The same with the application's palette (or Qt's default one).
QColor ColorToQColor(TColor c);
TColor QColorToColor(const QColor& c);

// Where the glyphs of a text lie along it, from its start: the first column
// with ink and one past the last (left == right for a text without ink).
struct TTextInk {
    int left = 0;
    int right = 0;
    // The device's pixels counted; else the outline's box, which stands
    // about a pixel clear of the glyphs on each side.
    bool counted = false;
    bool empty() const { return right <= left; }
};

class Canvas {
public:
    virtual ~Canvas() = default;

    TCanvasFont font;
    TCanvasPen pen;
    TCanvasBrush brush;

    TPoint penPos() const { return pos_; }
    void moveTo(int x, int y) { pos_ = {x, y}; }
    // Line from the current position; the position moves to (x, y).
    void lineTo(int x, int y)
    {
        drawLine(pos_, {x, y});
        pos_ = {x, y};
    }

    virtual void drawLine(TPoint a, TPoint b) = 0;
    virtual void polyline(const std::vector<TPoint>& points) = 0;
    // Outline in the pen, filled with the brush.
    virtual void polygon(const std::vector<TPoint>& points) = 0;
    virtual void rectangle(const TRect& r) = 0;
    // Fills with the brush, no outline.
    virtual void fillRect(const TRect& r) = 0;
    virtual void ellipse(const TRect& box) = 0;
    // Arc of the ellipse in box, counter-clockwise from the radial through
    // start to the radial through end (equal radials: the whole ellipse).
    virtual void arc(const TRect& box, TPoint start, TPoint end) = 0;
    virtual void textOut(int x, int y, const std::string& text) = 0;
    // Width (along the text) and cell height of text in the current font.
    virtual TPoint textExtent(const std::string& text) = 0;

    // The glyphs of text in the current font as the device shows them (a
    // glyph may hang past its advance, an "f", or stand well inside it, an
    // "m"); nullopt when the canvas cannot tell.
    virtual std::optional<TTextInk> textInk(const std::string&) { return std::nullopt; }
    int textWidth(const std::string& text) { return textExtent(text).X; }
    int textHeight(const std::string& text) { return textExtent(text).Y; }
    // textHeight("A"), the drawings' size unit: measured once for each font
    // (the colour and the escapement change no measure).
    virtual int unitHeight();

protected:
    // The measures change with something besides the font.
    void forgetUnitHeight() { unitHeight_ = -1; }

private:
    TPoint pos_;
    TCanvasFont unitFont_; // the font unitHeight_ was measured in
    int unitHeight_ = -1;
};

// Text measures by font and text, carried from one painting to the next on
// devices of one resolution.
using TTextMeasures = std::unordered_map<std::string, TPoint>;

// The canvas over an active QPainter (widget, QImage, printer, QPicture).
// Turns antialiasing off on the painter; leaves its state otherwise as it
// found it after each operation.
class PainterCanvas : public Canvas {
public:
    explicit PainterCanvas(QPainter& painter);
    ~PainterCanvas() override;

    void drawLine(TPoint a, TPoint b) override;
    void polyline(const std::vector<TPoint>& points) override;
    void polygon(const std::vector<TPoint>& points) override;
    void rectangle(const TRect& r) override;
    void fillRect(const TRect& r) override;
    void ellipse(const TRect& box) override;
    void arc(const TRect& box, TPoint start, TPoint end) override;
    void textOut(int x, int y, const std::string& text) override;
    TPoint textExtent(const std::string& text) override;
    // On a device of pixels (an image, a widget) in fonts of its own
    // resolution, the pixels the glyphs take; elsewhere their outlines' box.
    std::optional<TTextInk> textInk(const std::string& text) override;

    QPainter& painter() { return p_; }
    // Fonts sized in pixels for a device of this resolution (0: in points of
    // the painter's device), so that a recorded picture replays alike anywhere.
    void setFontDpi(int dpi)
    {
        fontDpi_ = dpi;
        forgetUnitHeight();
    }
    // Takes over the text measures another canvas took on the same kind of
    // device (the previous page of a report), so they are not taken again.
    void takeMeasures(PainterCanvas& from)
    {
        extents_.swap(from.extents_);
        inks_.swap(from.inks_);
        shaped_.swap(from.shaped_);
    }
    // Exchanges the text measures with those kept in `kept` (taken on a
    // device of this resolution): in before drawing, out after it.
    void swapMeasures(TTextMeasures& kept) { extents_.swap(kept); }

private:
    void applyPen(bool outline);
    void applyBrush(bool fill);
    void applyFont();
    QPainter& p_;
    int fontDpi_ = 0;
    // The Qt pen and font last made, kept with what they were made from: most
    // operations draw in the pen or the font of the one before.
    struct QtTools;
    std::unique_ptr<QtTools> tools_;
    // Text measures of this painting by font and text: the schemes measure
    // the same few texts ("A" for the size unit) many times over.
    TTextMeasures extents_;
    std::unordered_map<std::string, TTextInk> inks_;
    // Texts shaped for a PDF page, by font and text: a report writes the
    // same labels and units on every element. At most MaxShapedTexts kept.
    static constexpr std::size_t MaxShapedTexts = 4096;
    std::unordered_map<std::string, std::unique_ptr<QTextLayout>> shaped_;
    std::string measureKey(const std::string& text) const;
};

} // namespace orv
