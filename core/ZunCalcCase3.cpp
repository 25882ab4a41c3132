// Case 3: wall under a concentrated load.
#include <algorithm>
#include <cmath>

#include "core/MyUtils.h"
#include "core/ZunCalc.h"

namespace orv {

u8 CalcWallConcentrated(TTraceLines& lines, const TCalcInput& input, TCalcResults& results)
{
    lines.clear();
    lines.push_back("ŚCIANA OBCIĄŻONA SIŁĄ SKUPIONĄ:");
    lines.emplace_back();

    // Bearing data stay in centimetres; copied out of the packed record.
    const int count = input.LiczbaSilSkup;
    double aL[3], aT[3], a1[3], hN[3];
    for (int k = 0; k < 3; ++k) {
        aL[k] = input.Sily[k].aL;
        aT[k] = input.Sily[k].aT;
        a1[k] = input.Sily[k].a1;
        hN[k] = input.Sily[k].hN;
    }
    const double lcm = input.l;
    const double hcm = input.h;
    const int used = count >= 2 && count <= 3 ? count : 1;
    bool finite = AllFinite({lcm, hcm, input.t});
    for (int k = 0; k < used; ++k) finite = finite && AllFinite({aL[k], aT[k], a1[k], hN[k]});
    if (!finite || aL[0] < 0) {
        AddErrorLine(lines, ceInvalidInput);
        return ceInvalidInput;
    }

    // Position of the bearing areas along the wall; a first load at or below
    // the foot of the wall (h_c <= 0) has no wall to spread into either.
    bool outside = a1[0] + 0.5 * aL[0] > lcm || a1[0] - 0.5 * aL[0] < 0;
    if (count == 2 || count == 3) outside = outside || a1[1] + aL[1] > lcm;
    if (count == 3) outside = outside || a1[2] + aL[2] > lcm;
    if (hcm > 0 && !(hcm - hN[0] > 0)) outside = true;
    if (outside) {
        AddErrorLine(lines, ceLoadOutsideWall);
        return ceLoadOutsideWall;
    }

    const double t = input.t / 100;
    const double b = lcm / 100;
    const double h = hcm / 100;
    const int kind = static_cast<int>(input.RodzajElementuM);
    const u8 error = ElementStrengthSection(lines, input, t, b, h, results, true);
    if (error != 0) return error;
    const int group = MaterialGroup(kind);

    const double A_b = aT[0] * aL[0] / 10000;
    results.A_b = A_b;
    lines.push_back("Pole oddziaływania obciążenia skupionego  A_b = " + FormatValue(4, A_b) + " m2");

    const double tan60 = std::sqrt(3.0);

    // First load: spread at 60 degrees from the bearing, cut off by the wall's ends.
    const double h_c = 100 * h - hN[0];
    lines.push_back("Przyjęto h_c = " + FormatValue(2, h_c) + " cm");
    double s_L = 0.5 * h_c / tan60;
    double s_R = s_L;
    const double c_L = a1[0] - 0.5 * aL[0];
    const double c_R = 100 * b - a1[0] - 0.5 * aL[0];
    if (c_L < s_L) s_L = c_L;
    if (c_R < s_R) s_R = c_R;
    const double l_eff = aL[0] + s_L + s_R;
    results.l_eff = l_eff;
    lines.push_back("Wyznaczono l_eff = " + FormatValue(2, l_eff) + " cm");

    // Second and third loads: a1 is the left side of the bearing, the spread is h_c/tan 60.
    auto further = [&](int k, const char* index) {
        const double h_ck = 100 * h - hN[k];
        lines.push_back(std::string("Przyjęto h_c,") + index + " = " + FormatValue(2, h_ck) + " cm");
        double sL = h_ck / tan60;
        double sR = sL;
        if (sL > a1[k]) sL = a1[k];
        const double right = 100 * b - a1[k] - aL[k];
        if (right < sR) sR = right;
        const double le = aL[k] + sL + sR;
        lines.push_back(std::string("Wyznaczono l_eff,") + index + " = " + FormatValue(2, le) + " cm");
        return le;
    };
    if (count == 2 || count == 3) results.l_eff2 = further(1, "2");
    if (count == 3) results.l_eff3 = further(2, "3");

    double beta = 1.0;
    if (group == 1) {
        const double A_eff = l_eff / 100 * t;
        lines.push_back("Efektywne pole przekroju ściany A_eff = " + FormatValue(4, A_eff) + " m2");
        const double a_1 = std::min(c_L, c_R);
        double r = A_b / A_eff;
        if (r > 0.45) {
            lines.push_back(" Ab/Aeff = " + FormatValue(4, r) + " > " + FormatValue(2, 0.45) +
                            " -> do dalszych obliczeń przyjeto " + FormatValue(2, 0.45));
            r = 0.45;
        } else {
            lines.push_back(" Ab/Aeff = " + FormatValue(4, r));
        }
        beta = (1 + 0.3 * a_1 / h_c) * (1.5 - 1.1 * r);
        if (beta > 1.5) beta = 1.5;
        const double cap = 1.25 + a_1 / (2 * h_c);
        if (cap < beta) beta = cap;
    }
    results.beta = beta;
    lines.push_back("Współczynnik wyrażający wpływ siły skupionej beta = " + FormatValue(3, beta));

    results.N_Rd = beta * A_b * results.f_d / 1000;
    lines.push_back("Nośność pod obciążeniem skupionym NRd = " + FormatValue(3, results.N_Rd) + " kN");
    return 0;
}

} // namespace orv
