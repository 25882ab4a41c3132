// The inputs of a family of cases, normalised once from the element's
// record: lengths in metres, ring beams resolved and cut to the wall, the
// loads a wall's side admits, the self weight formed. The check, its scheme
// and the input report read these members instead of the record.
#pragma once

#include "core/ZunTypes.h"

namespace orv {

// The self weights from the density (lengths in cm, the factors rho,
// gamma_f, h, t, then the last dimension): of the wall over its width b
// [kN], of the basement wall per metre [kN/m], of the column over t x t2
// [kN]. The checks use these, and the editor stores them while wylicz_Gs
// is set, so the weight shown is the weight used.
double ComputedWallWeight(const TCalcInput& in);
double ComputedBasementWeight(const TCalcInput& in);
double ComputedColumnWeight(const TCalcInput& in);

// Self weight of a wall or a column: from its density and gamma_f when it
// is computed, else the given one.
struct TSelfWeight {
    // givenGs: the element's own G_s field; computedGs: its weight from the density.
    void Reset(const TCalcInput& in, double givenGs, double computedGs);

    bool computed = false;
    double ro = 0, gf = 0;  // 0 unless computed
    double given = 0;       // 0 when computed
    double Gs = 0;          // [kN]
};

// A wall loaded vertically (cases 0 and 1).
struct TVerticalWallSetup {
    TVerticalWallSetup() = default;
    explicit TVerticalWallSetup(const TCalcInput& in) { Reset(in); }
    void Reset(const TCalcInput& in);

    bool external = false;   // external wall: wind and ring beams, one slab
    bool topStorey = false;  // wall of the top storey
    bool ringBeams = false;  // narrower ring beams given (external walls only)
    // As entered [cm]: thickness, height, and the ring beams' widths, those
    // given or else the wall's thickness (checked for being numbers only).
    double t_cm = 0, h_cm = 0, ag_cm = 0, ad_cm = 0;
    // Bearing widths of the ring beams [cm]: never wider than the wall; the
    // check, the input report and the scheme use these.
    double a_wg_cm = 0, a_wd_cm = 0;
    // [m]: thickness, width b, height, stiffening distance l, bearing widths.
    double t = 0, b = 0, h = 0, l = 0, a_wg = 0, a_wd = 0;
    // Loads [kN], wind [kN/m]: the second slab only inside, wind only outside.
    double Nod = 0, Nsld = 0, Nspd = 0, wd = 0, wd2 = 0;
    TSelfWeight weight;
};

// A wall of the continuous model (case 1): the wall and its joint members
// 2..7; members 4 and 7, the left slabs, only for an internal wall.
struct TContinuousWallSetup : TVerticalWallSetup {
    TContinuousWallSetup() = default;
    explicit TContinuousWallSetup(const TCalcInput& in) { Reset(in); }
    void Reset(const TCalcInput& in);

    // J [cm4], E [GPa], lengths [cm], slab loads [kN/m].
    double J2 = 0, J3 = 0, J4 = 0, J5 = 0, J6 = 0, J7 = 0;
    double E2 = 0, E3 = 0, E4 = 0, E5 = 0, E6 = 0, E7 = 0;
    double h2 = 0, l3 = 0, l4 = 0, h5 = 0, l6 = 0, l7 = 0;
    double g3 = 0, p3 = 0, g4 = 0, p4 = 0, g6 = 0, p6 = 0, g7 = 0, p7 = 0;
};

// A column (case 5).
struct TColumnSetup {
    TColumnSetup() = default;
    explicit TColumnSetup(const TCalcInput& in) { Reset(in); }
    void Reset(const TCalcInput& in);

    // As entered [cm]: thickness t (direction x), width b (direction y), height.
    double t_cm = 0, b_cm = 0, h_cm = 0;
    // The same [m].
    double t = 0, b = 0, h = 0;
    // Axial force [kN] and moments [kNm] about the two axes.
    double N = 0, Msdx = 0, Msdy = 0;
    // Top supports (0 none, 1 reinforced-concrete member, 2 other member) of
    // direction x, a beam along the y axis, and of direction y, one along x.
    u32 supportX = 0, supportY = 0;
    TSelfWeight weight;
};

} // namespace orv
