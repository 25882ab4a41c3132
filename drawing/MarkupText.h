// Drawing and measuring of text in the report mark-up: "%B" bold, "%U"
// underline, "%S" Symbol-encoded run, "%D" subscript, "%G"/"%I" superscript,
// "%N" back to normal. A "%" before any other character is ordinary text.
// Symbol runs are mapped to Unicode (Greek letters, arrows, relations) and
// drawn in the normal face, so no Symbol font is needed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "drawing/Canvas.h"

namespace orv {

// One step of a scanned mark-up text: a run of text to draw, or a code.
struct TMarkupToken {
    enum Kind { Run, Code } kind = Run;
    std::string text;   // Run: the characters (a trailing "%" that is no code included)
    char code = 0;      // Code: 'B', 'U', 'S', 'N', 'D', 'G' or 'I'
    bool last = false;  // Run: the text after the last code
    bool beforeShift = false;  // Run: a sub- or superscript code comes before the next run
};
// The scan every mark-up routine shares; always ends with the last run.
std::vector<TMarkupToken> ScanMarkup(const std::string& text);

// The runs of a mark-up text with the style its codes give them, Symbol runs
// mapped to Unicode; empty runs are left out and the text after the last
// code stands on the base line, as the rich-text views show it.
struct TStyledRun {
    std::string text;
    bool bold = false;
    bool underline = false;
    enum Shift { Base, Sub, Sup } shift = Base;
};
std::vector<TStyledRun> StyledRuns(const std::string& text);

// A UTF-8 text as the Symbol font would show it, in UTF-8. Characters above
// ASCII are taken as their Windows-1250 byte.
std::string SymbolTextToUnicode(const std::string& utf8);

// One line with its top-left at (X, Y); Bounds is set to what it covers.
void MarkupTextOut(Canvas& canvas, int x, int y, const std::string& text, TRect& bounds);
int MarkupTextWidth(Canvas& canvas, const std::string& text);
// Top of a one-line label that stands on a line at y (a leader): its
// subscripts, lowered by TextHeight("A") div 6, and descenders clear the line.
int MarkupTopAboveLine(Canvas& canvas, int y);
// One line turned by Angle degrees; anchor 'C' centres it on P, any other
// starts it at P. Sub- and superscripts stay on the base line.
void MarkupTextOutRotated(Canvas& canvas, TPoint p, const std::string& text, TRect& bounds,
                          char anchor, double angle);
// One run of turned text in FontName (empty: the canvas font; "Symbol": the
// run is mapped to Unicode); Size receives its extent.
void DrawRotatedRun(Canvas& canvas, int x, int y, TPoint& size, const std::string& text,
                    const std::string& fontName, double angle);

// Word-wrapped between Left and Right from Y down; Y ends at the top of the
// last line. "_" is drawn as a blank at which a line never breaks.
void MarkupTextOutWrapped(Canvas& canvas, int left, int right, const std::string& text, int& y);
int MarkupTextHeightWrapped(Canvas& canvas, int left, int right, const std::string& text);
// Length in bytes of the next line broken off Rest when Rest is wider than
// Avail (at least one character, so that wrapping always progresses).
std::size_t MarkupLineLength(const std::string& rest, int avail,
                             const std::function<int(const std::string&)>& width);

// 1-based position of the last blank, -1 when there is none.
int LastBlankPos(const std::string& text);
std::string UnderscoresToBlanks(const std::string& text);

} // namespace orv
