// Coefficients alpha of laterally loaded panels and the plate/beam choice.
#include <gtest/gtest.h>

#include "core/ZunAlphaTables.h"

using namespace orv;

TEST(AlphaTables, HeadingsAndMonotonicity)
{
    const double hl[9] = {0, 0.3, 0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0};
    const double mu[15] = {0, 1.0, 0.9, 0.8, 0.7, 0.6, 0.5, 0.4, 0.35, 0.3, 0.25, 0.2, 0.15, 0.1, 0.05};
    for (int k = 0; k < AlphaTableCount; ++k) {
        const TAlphaTable& t = AlphaTables[k];
        for (int c = 0; c < 9; ++c) EXPECT_EQ(t[0][c], hl[c]);
        for (int r = 0; r < 15; ++r) EXPECT_EQ(t[r][0], mu[r]);
        // alpha grows with h/l and as mu falls, in every published table
        for (int r = 1; r < 15; ++r)
            for (int c = 2; c < 9; ++c) EXPECT_GE(t[r][c], t[r][c - 1]) << k << " " << r << " " << c;
        for (int r = 2; r < 15; ++r)
            for (int c = 1; c < 9; ++c) EXPECT_GE(t[r][c], t[r - 1][c]) << k << " " << r << " " << c;
    }
    // spot values of the published tables
    EXPECT_EQ(AlphaTables[0][1][1], 0.031);
    EXPECT_EQ(AlphaTables[9][11][8], 0.488);
    EXPECT_EQ(AlphaTables[8][11][4], 0.038);
}

TEST(AlphaTables, Interpolation)
{
    const TAlphaTable& t0 = AlphaTables[0];
    EXPECT_DOUBLE_EQ(InterpolateAlphaTable(t0, 1.0, 0.3), 0.031);
    EXPECT_DOUBLE_EQ(InterpolateAlphaTable(t0, 1.0, 2.0), 0.094);
    EXPECT_NEAR(InterpolateAlphaTable(t0, 1.0, 0.4), 0.038, 1e-12); // midway 0.031 .. 0.045
    EXPECT_NEAR(InterpolateAlphaTable(t0, 0.9, 1.0), 0.073, 1e-12);
    EXPECT_NEAR(InterpolateAlphaTable(t0, 0.25, 1.0), 0.094, 1e-12);
    // mu 0.95, h/l 0.625 in table 4: rows 1.0 / 0.9, columns 0.5 / 0.75
    // row 1.0: (0.018 + 0.030)/2 = 0.024; row 0.9: (0.020 + 0.032)/2 = 0.026 -> 0.025
    EXPECT_NEAR(InterpolateAlphaTable(AlphaTables[4], 0.95, 0.625), 0.5 * (AlphaTables[4][1][2] + AlphaTables[4][1][3] + AlphaTables[4][2][2] + AlphaTables[4][2][3]) / 2, 1e-12);
    // below 0.2 extrapolated from the rows 0.25 and 0.2: 0.097 + (0.097 - 0.094) = 0.100
    EXPECT_NEAR(InterpolateAlphaTable(t0, 0.15, 1.0), 0.100, 1e-12);
    // mu above 1 is read as 1
    EXPECT_NEAR(InterpolateAlphaTable(t0, 1.7, 1.0), 0.071, 1e-12);
}

namespace {
struct Selection {
    std::uint8_t plate = 9, l = 9, r = 9, t = 9, b = 9;
    int vb = 99, hb = 99;
    double alpha = -1;
    bool ok = false;
};
Selection select(int model, int supportCase, double h, double l, double mu = 0.5, double f1 = 1,
                 double f2 = 1)
{
    Selection s;
    s.ok = SelectAlphaTable(model, supportCase, s.plate, h, l, mu, f1, f2, s.vb, s.hb, s.alpha, s.l,
                            s.r, s.t, s.b);
    return s;
}
} // namespace

TEST(AlphaTables, SelectPlateOrBeam)
{
    Selection s = select(2, 4, 300, 1000); // h/l 0.3: a table plate
    EXPECT_EQ(s.plate, 1);
    EXPECT_EQ(s.vb, -1);
    EXPECT_EQ(s.hb, -1);
    EXPECT_NEAR(s.alpha, InterpolateAlphaTable(AlphaTables[4], 0.5, 0.3), 1e-15);
    EXPECT_EQ(s.l + s.r + s.t + s.b, 4);
    EXPECT_EQ(select(2, 4, 200, 100).plate, 1);
    EXPECT_EQ(select(2, 4, 2.999, 10).plate, 0);
    EXPECT_EQ(select(2, 4, 200.01, 100).plate, 0);

    // case 9 beyond the tables: only the vertical simply supported beam, edges untouched
    s = select(2, 9, 250, 100);
    EXPECT_EQ(s.plate, 0);
    EXPECT_EQ(s.vb, 0);
    EXPECT_EQ(s.hb, -1);
    EXPECT_EQ(s.l, 9);
    EXPECT_EQ(s.alpha, -1);

    // case 4, h/l 0.25 (h 1, l 4): M_V = 1/8, M_H = 16/8; vertical beam only if M_V/f1 >= M_H/f2
    s = select(2, 4, 1, 4, 0.5, 1, 1);
    EXPECT_EQ(s.hb, 0);
    EXPECT_EQ(s.vb, -1);
    EXPECT_EQ(s.l, 1);
    EXPECT_EQ(s.r, 1);
    EXPECT_EQ(s.t, 0);
    s = select(2, 4, 1, 4, 0.5, 1.0 / 16, 1); // equal ratios: the vertical beam
    EXPECT_EQ(s.vb, 0);
    EXPECT_EQ(s.hb, -1);
    EXPECT_EQ(s.t, 1);
    EXPECT_EQ(s.b, 1);
    EXPECT_EQ(s.l, 0);
    // case 11, a cantilever either way: vertical beam 0 (h^2/8) against cantilever l^2/2
    s = select(2, 11, 1, 10, 0.5, 1, 1);
    EXPECT_EQ(s.hb, 2);
    EXPECT_EQ(s.l, 2);
    EXPECT_EQ(s.r, 0);
}

TEST(AlphaTables, FixedBeamModelsAndBadSupportCase)
{
    Selection s = select(6, 3, 300, 100);
    EXPECT_EQ(s.plate, 0);
    EXPECT_EQ(s.vb, 2);
    EXPECT_EQ(s.hb, -1);
    EXPECT_EQ(s.b, 2);
    EXPECT_EQ(s.t, 0);
    s = select(7, 0, 300, 100);
    EXPECT_EQ(s.hb, 1);
    EXPECT_EQ(s.l, 2);
    EXPECT_EQ(s.r, 2);
    s = select(2, 12, 300, 300);
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.alpha, -1);
    EXPECT_FALSE(select(2, -1, 300, 300).ok);
}
