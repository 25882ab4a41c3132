// Case 3: wall under concentrated loads.
#include <algorithm>
#include <cmath>

#include "core/MyUtils.h"
#include "core/ZunCalc.h"

namespace orv {

namespace {

// One bearing on the wall [cm, m2].
struct TBearing {
    double A_b;   // bearing area [m2]
    double h_c;   // height of the wall below the bearing
    double c_L;   // clear distances from the bearing to the wall's ends
    double c_R;
    double l_eff; // effective length at mid-height below the bearing
};

} // namespace

int ConcentratedLoadCount(const TCalcInput& input)
{
    const i32 count = input.LiczbaSilSkup;
    return count == 2 || count == 3 ? count : 1;
}

u8 CalcWallConcentrated(TTraceLines& lines, const TCalcInput& input, TCalcResults& results)
{
    lines.clear();
    lines.add("ŚCIANA OBCIĄŻONA SIŁĄ SKUPIONĄ:");
    lines.emplace_back();

    // Bearing data stay in centimetres; copied out of the packed record.
    const int count = ConcentratedLoadCount(input);
    double aL[3]{}, aT[3]{}, a1[3]{}, hN[3]{};
    for (int k = 0; k < 3; ++k) {
        aL[k] = input.Sily[k].aL;
        aT[k] = input.Sily[k].aT;
        a1[k] = input.Sily[k].a1;
        hN[k] = input.Sily[k].hN;
    }
    const double lcm = input.l;
    const double hcm = input.h;
    bool valid = AllFinite({lcm, hcm, input.t});
    for (int k = 0; k < count; ++k) valid = valid && AllFinite({aL[k], aT[k], a1[k], hN[k]}) && aL[k] >= 0;
    if (!valid) {
        AddErrorLine(lines, ceInvalidInput);
        return ceInvalidInput;
    }

    // Position of the bearing areas along the wall; a bearing at or below the
    // foot of the wall (h_c <= 0) has no wall to spread into either.
    bool outside = a1[0] + 0.5 * aL[0] > lcm || a1[0] - 0.5 * aL[0] < 0;
    for (int k = 1; k < count; ++k) outside = outside || a1[k] + aL[k] > lcm;
    for (int k = 0; k < count; ++k) outside = outside || (hcm > 0 && !(hcm - hN[k] > 0));
    if (outside) {
        AddErrorLine(lines, ceLoadOutsideWall);
        return ceLoadOutsideWall;
    }

    // a1 is the centre of the first bearing and the left side of the others.
    // The wall under two bearings that share a length of it carries both,
    // whatever their depths: no load may be checked alone then. Ends that
    // only touch are allowed.
    TBearingSpan span[3]{};
    for (int k = 0; k < count; ++k) {
        const double left = k == 0 ? a1[0] - 0.5 * aL[0] : a1[k];
        span[k] = {k + 1, left, left + aL[k]};
    }
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j)
            if (std::max(span[i].from, span[j].from) < std::min(span[i].to, span[j].to)) {
                results.Overlap[0] = span[i];
                results.Overlap[1] = span[j];
                AddErrorLine(lines, ceBearingsOverlap);
                return ceBearingsOverlap;
            }

    const double t = input.t / 100;
    const double b = lcm / 100;
    const double h = hcm / 100;
    const int kind = static_cast<int>(input.RodzajElementuM);
    const u8 error = ElementStrengthSection(lines, input, t, b, h, results, true);
    if (error != 0) return error;
    const int group = MaterialGroup(kind);

    // A bearing deeper than the wall bears on the wall's thickness only.
    TBearing bearing[3]{};
    for (int k = 0; k < count; ++k) {
        const double left = span[k].from;
        bearing[k] = {std::min(aT[k], input.t) * aL[k] / 10000, 100 * h - hN[k], left, 100 * b - left - aL[k], 0};
    }
    const char* const suffix[3] = {"", ",2", ",3"};

    lines.add("Pole oddziaływania obciążenia skupionego  A_b = ", Val(4, bearing[0].A_b), " m2");

    // Spread at 60 degrees from the bearing down to mid-height of the wall
    // below it, cut off by the wall's ends.
    const double tan60 = std::sqrt(3.0);
    for (int k = 0; k < count; ++k) {
        TBearing& g = bearing[k];
        lines.add("Przyjęto h_c", suffix[k], " = ", Val(2, g.h_c), " cm");
        const double spread = 0.5 * g.h_c / tan60;
        g.l_eff = aL[k] + std::min(spread, g.c_L) + std::min(spread, g.c_R);
        lines.add("Wyznaczono l_eff", suffix[k], " = ", Val(2, g.l_eff), " cm");
    }

    // Enhancement factor (solid units only) and resistance under each load.
    double beta[3]{}, N_Rd[3]{};
    for (int k = 0; k < count; ++k) {
        const TBearing& g = bearing[k];
        const char* n = suffix[k];
        if (k > 0)
            lines.add("Pole oddziaływania obciążenia skupionego  A_b", n, " = ", Val(4, g.A_b), " m2");
        beta[k] = 1.0;
        if (group == 1) {
            const double A_eff = g.l_eff / 100 * t;
            lines.add("Efektywne pole przekroju ściany A_eff", n, " = ", Val(4, A_eff), " m2");
            const double a_1 = std::min(g.c_L, g.c_R);
            double r = g.A_b / A_eff;
            if (r > 0.45) {
                lines.add(" Ab", n, "/Aeff", n, " = ", Val(4, r), " > ", Val(2, 0.45),
                          " -> do dalszych obliczeń przyjeto ", Val(2, 0.45));
                r = 0.45;
            } else {
                lines.add(" Ab", n, "/Aeff", n, " = ", Val(4, r));
            }
            double bk = (1 + 0.3 * a_1 / g.h_c) * (1.5 - 1.1 * r);
            if (bk > 1.5) bk = 1.5;
            const double cap = 1.25 + a_1 / (2 * g.h_c);
            if (cap < bk) bk = cap;
            beta[k] = bk;
        }
        lines.add("Współczynnik wyrażający wpływ siły skupionej beta", n, " = ", Val(3, beta[k]));
        N_Rd[k] = beta[k] * g.A_b * results.f_d / 1000;
        lines.add("Nośność pod obciążeniem skupionym NRd", n, " = ", Val(3, N_Rd[k]), " kN");
    }

    results.A_b = bearing[0].A_b;
    results.l_eff = bearing[0].l_eff;
    results.beta = beta[0];
    results.N_Rd = N_Rd[0];
    if (count >= 2) {
        results.A_b2 = bearing[1].A_b;
        results.l_eff2 = bearing[1].l_eff;
        results.beta2 = beta[1];
        results.N_Rd2 = N_Rd[1];
    }
    if (count == 3) {
        results.A_b3 = bearing[2].A_b;
        results.l_eff3 = bearing[2].l_eff;
        results.beta3 = beta[2];
        results.N_Rd3 = N_Rd[2];
    }
    return 0;
}

} // namespace orv
