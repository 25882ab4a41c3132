// Checks of points, rectangles and recorded shapes shared by the drawing tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "drawing/CommonColorUnit.h"
#include "tests/drawing/support/RecordingCanvas.h"

namespace orv::test {

inline void ExpectPoint(TPoint p, int x, int y)
{
    EXPECT_EQ(p.X, x);
    EXPECT_EQ(p.Y, y);
}

inline void ExpectRect(const TRect& r, int l, int t, int rr, int b)
{
    EXPECT_EQ(r.Left, l);
    EXPECT_EQ(r.Top, t);
    EXPECT_EQ(r.Right, rr);
    EXPECT_EQ(r.Bottom, b);
}

// Distinct colours in every slot: (4i + 1, 200 - 3i, 7i).
inline TDrawingColors GradedColors()
{
    TDrawingColors c{};
    for (int i = 0; i < DrawingColorCount; ++i) c[i] = RGBColor(4 * i + 1, 200 - 3 * i, 7 * i);
    return c;
}

// Texts drawn, in any order.
inline std::multiset<std::string> TextSet(const RecordingCanvas& c)
{
    std::multiset<std::string> s;
    for (const DrawOp& op : c.texts()) s.insert(op.text);
    return s;
}

// Every point of every shape lies inside (0, 0)..size.
inline void ExpectInside(const RecordingCanvas& c, TPoint size)
{
    for (const DrawOp& op : c.ops) {
        if (op.kind == DrawOp::Text) continue;
        for (const TPoint& p : op.points) {
            EXPECT_GE(p.X, 0);
            EXPECT_GE(p.Y, 0);
            EXPECT_LE(p.X, size.X);
            EXPECT_LE(p.Y, size.Y);
        }
    }
}

inline const DrawOp* PolygonStartingAt(const RecordingCanvas& c, TPoint p)
{
    for (const DrawOp& op : c.ops)
        if (op.kind == DrawOp::Polygon && op.points[0].X == p.X && op.points[0].Y == p.Y) return &op;
    return nullptr;
}

} // namespace orv::test
