// Case 0: wall loaded vertically, hinged model.
#include <cmath>

#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunCaseSetup.h"

namespace orv {

u8 CalcWallVerticalHinged(TTraceLines& lines, const TCalcInput& input, TCalcResults& results)
{
    lines.clear();
    lines.add("ŚCIANA OBCIĄŻONA PIONOWO (model przegubowy):");
    lines.emplace_back();

    const TVerticalWallSetup s(input);
    if (!AllFinite({s.ag_cm, s.ad_cm, s.Nod, s.Nsld, s.Nspd, s.wd, s.wd2, s.weight.ro, s.weight.gf,
                    s.weight.given})) {
        AddErrorLine(lines, ceInvalidInput);
        return ceInvalidInput;
    }

    const int kind = static_cast<int>(input.RodzajElementuM);
    u8 error = ElementStrengthSection(lines, input, s.t, s.b, s.h, results, true);
    if (error != 0) return error;
    const int group = MaterialGroup(kind);
    const int material = MaterialOfKind(kind);
    lines.emplace_back();

    error = EffectiveHeightCheck(lines, input, s.t, s.h, s.l, results);
    if (error != 0) return error;
    lines.emplace_back();

    double N_1d = 0, N_2d = 0;
    if (s.external) {
        N_1d = s.Nod + s.Nsld;
        N_2d = s.Nod + s.Nsld + s.weight.Gs;
    } else {
        N_1d = s.Nod + s.Nsld + s.Nspd;
        N_2d = N_1d + s.weight.Gs;
    }
    results.N_1d = N_1d;
    results.N_2d = N_2d;
    results.Reached |= cpDesignLoads; // N_md below, with no stop between

    const double e_a = AccidentalEccentricity(lines, s.h, results);

    // Section 1-1 under the upper slab.
    const double k = s.topStorey ? 0.4 : 0.333;
    double M_1d = 0;
    if (s.external) {
        M_1d = ((s.t - s.a_wg) / 2 + e_a) * s.Nod + (k * s.a_wg + (s.t - s.a_wg) / 2 + e_a) * s.Nsld;
    } else if (s.Nsld > s.Nspd) {
        M_1d = s.Nod * e_a + (k * s.t + e_a) * s.Nsld - (k * s.t - e_a) * s.Nspd;
    } else {
        M_1d = s.Nod * e_a + (k * s.t + e_a) * s.Nspd - (k * s.t - e_a) * s.Nsld;
    }
    double e_1 = k * s.t + e_a;
    if (N_1d != 0) e_1 = M_1d / N_1d;

    // Section 2-2 above the lower slab.
    const double e_2 = (s.t - s.a_wd) / 2 + e_a;
    const double M_2d = N_2d * e_2;

    const double A = results.A;
    const double f_d = results.f_d;

    lines.add("Przyjęto ciężar ściany G_s =", Val(2, s.weight.Gs), " kN");
    lines.add("Siła w przekroju 1-1 N_1d = ", Val(2, N_1d), " kN");
    lines.add("Moment w przekroju 1-1 M_1d = ", Val(2, M_1d), " kNm");
    lines.add("Mimośród e_1 = ", Val(1, 100 * e_1), " cm");
    results.Phi_1 = ReductionFactorEnd(group, material, e_1, s.t);
    lines.add("Współczynnik redukcyjny nośności FI_1 = ", Val(3, results.Phi_1));
    results.N_1Rd = results.Phi_1 * A * f_d / 1000;
    lines.add("Nośność pod stropem N_1R,d = ", Val(3, results.N_1Rd), " kN");

    lines.add("Siła w przekroju 2-2 N_2d = ", Val(2, N_2d), " kN");
    lines.add("Moment w przekroju 2-2 M_2d = ", Val(2, M_2d), " kNm");
    lines.add("Mimośród e_2 = ", Val(1, 100 * e_2), " cm");
    results.Phi_2 = ReductionFactorEnd(group, material, e_2, s.t);
    lines.add("Współczynnik redukcyjny nośności FI_2 = ", Val(3, results.Phi_2));
    results.N_2Rd = results.Phi_2 * A * f_d / 1000;
    lines.add("Nośność nad stropem N_2R,d = ", Val(3, results.N_2Rd), " kN");

    const double alphaCInf = LongTermElasticCharacteristic(lines, static_cast<int>(input.KlasaZaprawy), material);

    // Middle zone m-m.
    const double M_m = 0.6 * M_1d + 0.4 * M_2d;
    const double N_md =
        s.external ? s.Nod + s.Nsld + 0.5 * s.weight.Gs : s.Nod + s.Nsld + s.Nspd + 0.5 * s.weight.Gs;
    results.N_md = N_md;
    lines.add("Moment w przekroju m-m M_md = ", Val(2, M_m), " kNm");

    // One middle-zone check with the wind moment M_wd; no load, no eccentricity.
    auto middleCheck = [&](double M_wd, double& phi, double& N_R) {
        const double e_m = N_md != 0 ? M_m / N_md - M_wd / N_md : 0.0;
        lines.add("Mimośród w strefie środkowej e_m = ", Val(1, 100 * e_m), " cm");
        phi = ReductionFactorMid(group, results.h_eff, s.t, std::fabs(e_m), alphaCInf);
        lines.add("Współczynnik redukcyjny nośności FI_m = ", Val(3, phi));
        N_R = phi * A * f_d / 1000;
        lines.add("Nośność w strefie środkowej N_mR,d = ", Val(3, N_R), " kN");
    };

    if (s.external) {
        double phi1 = 0, NR1 = 0, phi2 = 0, NR2 = 0;
        const double M_wd1 = s.h * s.h * s.wd / 8;
        if (s.wd != 0)
            lines.add("Moment zginający w środku ścian od wiatru (ssanie) M_wd = ", Val(2, M_wd1), " kNm");
        middleCheck(M_wd1, phi1, NR1);
        const double M_wd2 = s.h * s.h * s.wd2 / 8;
        if (s.wd2 != 0)
            lines.add("Moment zginający w środku ścian od wiatru (parcie) M_wd = ", Val(2, M_wd2), " kNm");
        middleCheck(M_wd2, phi2, NR2);
        if (NR1 > NR2) {
            results.Phi_m = phi2;
            results.N_mRd = NR2;
        } else {
            results.Phi_m = phi1;
            results.N_mRd = NR1;
        }
    } else {
        middleCheck(0.0, results.Phi_m, results.N_mRd);
    }
    return 0;
}

} // namespace orv
