#include <gtest/gtest.h>

#include "printing/PageGeometry.h"

using namespace orv;

namespace {

// An A4 sheet at 600 dpi: 210 / 25.4 x 600 = 4960.6 -> 4961 and
// 297 / 25.4 x 600 = 7015.7 -> 7016 pixels, strips of `strip` pixels.
TPageGeometry A4At600(TPoint strip)
{
    return {600, 600, {4961, 7016}, {4961 - 2 * strip.X, 7016 - 2 * strip.Y}, strip};
}

} // namespace

TEST(PageGeometry, MarginsBecomePixelsFromThePrintableOrigin)
{
    // 25 mm -> 590.55 -> 591; 20 mm -> 472.44 -> 472; 10 mm -> 236.22 -> 236
    TRect r = SetMargin({25, 20, 10, 25}, A4At600({0, 0}));
    EXPECT_EQ((std::vector<int>{r.Left, r.Right, r.Top, r.Bottom}),
              (std::vector<int>{591, 4961 - 472, 236, 7016 - 591}));
    // the printable area 100, 120 pixels in: the same margins on paper
    r = SetMargin({25, 20, 10, 25}, A4At600({100, 120}));
    EXPECT_EQ((std::vector<int>{r.Left, r.Right, r.Top, r.Bottom}),
              (std::vector<int>{491, 4961 - 472 - 100, 116, 7016 - 591 - 120}));

    // 0 mm on strips of 100 px = 4.23 mm: 5 mm = 118.11 -> 118
    r = SetMargin({0, 0, 0, 0}, A4At600({100, 100}));
    EXPECT_EQ((std::vector<int>{r.Left, r.Right, r.Top, r.Bottom}),
              (std::vector<int>{18, 4961 - 118 - 100, 18, 7016 - 118 - 100}));
    // 0 mm on strips of 150 px = 6.35 mm: the edges of the printable area
    r = SetMargin({0, 0, 0, 0}, A4At600({150, 150}));
    EXPECT_EQ((std::vector<int>{r.Left, r.Right, r.Top, r.Bottom}), (std::vector<int>{0, 4661, 0, 6716}));
    EXPECT_DOUBLE_EQ(NonPrintableStrips(A4At600({150, 120})).top, 5.08);
}

TEST(PageGeometry, PageSizeAndMarginsThatLeaveNothing)
{
    // 4961 px = 210.016 mm less 2 x 4.233 mm = 201.549 mm; 7016 px = 297.011 mm
    // less 2 x 5.08 mm = 286.851 mm; back in pixels the sheet less twice the strips
    double w = 0, h = 0;
    PageSizeCm(A4At600({100, 120}), w, h);
    EXPECT_NEAR(w, 20.1549, 1e-4);
    EXPECT_NEAR(h, 28.6851, 1e-4);
    EXPECT_EQ(PagePixels(A4At600({100, 120})).X, 4761);
    EXPECT_EQ(PagePixels(A4At600({100, 120})).Y, 6776);

    const TPageGeometry g = A4At600({0, 0});
    EXPECT_TRUE(HasPrintableArea(SetMargin({25, 20, 10, 25}, g)));
    EXPECT_FALSE(HasPrintableArea(SetMargin({110, 101, 10, 25}, g)));  // 211 mm of 210
    EXPECT_FALSE(HasPrintableArea(SetMargin({25, 20, 150, 150}, g)));
    EXPECT_FALSE(HasPrintableArea(SetMargin({25, 20, 10, 25}, TPageGeometry())));  // no printer
}
