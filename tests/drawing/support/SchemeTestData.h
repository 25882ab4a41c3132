// Sample elements, results and colours for the scheme tests.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "drawing/CommonColorUnit.h"
#include "tests/drawing/support/RecordingCanvas.h"
#include "core/ZunCalc.h"
#include "core/ZunTypes.h"

namespace orv::test {

// Every slot its own colour: 0x100000 + slot.
inline TDrawingColors SlotColors()
{
    TDrawingColors c{};
    for (int i = 0; i < DrawingColorCount; ++i) c[i] = 0x100000u + TColor(i);
    return c;
}

inline TDrawingColors DefaultColors()
{
    TDrawingColors c{};
    for (int i = 0; i < DrawingColorCount; ++i) c[i] = DrawingColorDefault(i);
    return c;
}

inline TCalcInput SampleInput(u8 calcCase)
{
    TCalcInput in{};
    InitElementRecord(in);
    in.Case = calcCase;
    return in;
}

// The element calculated, its error kept in the results.
inline TCalcResults Calculated(const TCalcInput& in)
{
    TTraceLines trace;
    TCalcResults r{};
    r.Error = CalcElement(trace, in, r);
    return r;
}

// A canvas whose pen (0x0000AA) and brush (0x00BB00) a scheme must replace
// before it draws.
inline RecordingCanvas PresetCanvas()
{
    RecordingCanvas c;
    c.pen.color = 0x0000AA;
    c.brush.color = 0x00BB00;
    return c;
}

// A preset canvas drawn on by a scheme that reports its bounds.
struct DrawnWithBounds {
    RecordingCanvas c = PresetCanvas();
    TRect bounds{-1, -1, -1, -1};
    bool drawn = false;
};

// Lines drawn in black of width 2 (supports, openings).
inline std::vector<DrawOp> ThickBlackLines(const RecordingCanvas& c)
{
    std::vector<DrawOp> out;
    for (const DrawOp& op : c.lines())
        if (op.pen.color == clBlack && op.pen.width == 2) out.push_back(op);
    return out;
}

// Texts drawn, in order.
inline std::vector<std::string> TextsOf(const RecordingCanvas& c)
{
    std::vector<std::string> out;
    for (const DrawOp& op : c.texts()) out.push_back(op.text);
    return out;
}

inline int CountText(const RecordingCanvas& c, const std::string& text)
{
    const auto t = TextsOf(c);
    return int(std::count(t.begin(), t.end(), text));
}

// Polygons drawn with the given brush colour.
inline std::vector<DrawOp> PolygonsFilled(const RecordingCanvas& c, TColor brush)
{
    std::vector<DrawOp> out;
    for (const DrawOp& op : c.of(DrawOp::Polygon))
        if (op.brush.color == brush && op.brush.style == TBrushStyle::Solid) out.push_back(op);
    return out;
}

inline bool SamePoints(const std::vector<TPoint>& a, const std::vector<TPoint>& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].X != b[i].X || a[i].Y != b[i].Y) return false;
    return true;
}

inline bool HasPolygon(const RecordingCanvas& c, const std::vector<TPoint>& pts)
{
    for (const DrawOp& op : c.of(DrawOp::Polygon))
        if (SamePoints(op.points, pts)) return true;
    return false;
}

// Every point drawn (lines, polygons, text origins) lies inside r.
inline bool AllPointsInside(const RecordingCanvas& c, const TRect& r)
{
    for (const DrawOp& op : c.ops)
        for (const TPoint& p : op.points)
            if (p.X < r.Left || p.X > r.Right || p.Y < r.Top || p.Y > r.Bottom) return false;
    return true;
}

} // namespace orv::test
