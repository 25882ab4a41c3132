// The picture of the lengths of the load compilation: the symbols of the
// dialog's fields, each beside its own dimension, whole and clear of one
// another and of every line at the dialog's size and beyond.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "drawing/LoadDimensionPicture.h"
#include "tests/drawing/support/DrawChecks.h"
#include "tests/drawing/support/LabelChecks.h"

using namespace orv;
using test::DrawOp;

TEST(LoadDimensionPicture, NamesEachLengthBesideItsDimension)
{
    for (const bool basement : {false, true}) {
        SCOPED_TRACE(basement ? "basement" : "wall");
        test::RecordingCanvas c;
        DrawLoadDimensionPicture(c, {260, 180}, basement);
        test::ExpectInside(c, {260, 180});
        // a label as read, at its first run: runs drawn one right after
        // another, a lowered run (a subscript) after "_"
        std::map<std::string, TPoint> l;
        std::string label;
        TPoint at{};
        for (const DrawOp& op : c.ops) {
            if (op.kind == DrawOp::Text && !op.text.empty()) {
                if (label.empty()) at = op.points[0];
                label += (op.points[0].Y > at.Y ? "_" : "") + op.text;
            } else if (op.kind != DrawOp::Text && !label.empty()) {
                l[label] = at;
                label.clear();
            }
        }
        if (!label.empty()) l[label] = at;
        const std::string band = basement ? "1 m" : "b";
        std::set<std::string> names;
        for (const auto& [name, p] : l) names.insert(name);
        ASSERT_EQ(names, (std::set<std::string>{band, "b_s", "h", "h_w", "t", "t_w"}));
        // the band over the rest and the wall's width under it; the heights
        // left of both, the thicknesses right, the ring beam's over the wall's
        for (const auto& [name, p] : l) EXPECT_TRUE(l[band].Y <= p.Y && p.Y <= l["b_s"].Y) << name;
        EXPECT_LT(std::max(l["h"].X, l["h_w"].X), std::min(l[band].X, l["b_s"].X));
        EXPECT_LT(std::max(l[band].X, l["b_s"].X), std::min(l["t"].X, l["t_w"].X));
        EXPECT_TRUE(l["h_w"].Y < l["h"].Y && l["t_w"].Y < l["t"].Y);
    }
}

TEST(LoadDimensionPicture, LabelsStandWholeAndClearAtEverySize)
{
    auto joined = [](const test::Findings& f) {
        std::string out;
        for (const std::string& s : f) out += "\n  " + s;
        return out;
    };
    for (const double points : {8.0, 11.0})
        for (const QSize size : {QSize(260, 180), QSize(200, 140), QSize(420, 240)})
            for (const bool basement : {false, true}) {
                SCOPED_TRACE(std::string(basement ? "basement, " : "wall, ") + std::to_string(size.width()) +
                             " wide, " + std::to_string(points) + " pt");
                test::TracingCanvas c(size, false, clBtnFace);
                c.font.size = points;
                c.fillRect({0, 0, size.width(), size.height()});
                DrawLoadDimensionPicture(c, c.size(), basement);
                EXPECT_EQ(c.texts.size(), 9u);  // b (or 1 m), b s, h, h w, t, t w: a run each
                const test::LabelFindings f = test::CheckLabels(c, true, false);
                for (const test::Findings* found : {&f.cut, &f.overlaps, &f.crossings, &f.unhaloed, &f.doubled})
                    EXPECT_TRUE(found->empty()) << joined(*found);
            }
}
