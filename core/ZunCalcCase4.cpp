// Case 4: basement wall, simplified method of Annex A.
#include <string>

#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunCaseSetup.h"

namespace orv {

u8 CalcBasementWall(TTraceLines& lines, const TCalcInput& input, TCalcResults& results)
{
    lines.clear();
    lines.add("ŚCIANA PIWNIC:");
    lines.emplace_back();
    results.AnnexFlag = 1;

    const double t = input.t / 100;
    const double b = input.l / 100;
    const double h = input.h / 100;
    const double be = input.be / 100;
    const double he = input.he;   // cm
    const double N0 = input.N0_mb;
    const bool computeGs = input.wylicz_Gs != 0;
    const double ro = computeGs ? input.ro_muru : 0.0;
    const double gf = computeGs ? input.gf_muru : 0.0;
    const double GsGiven = computeGs ? 0.0 : input.Gs_mb;
    const double ro_e = input.ro_e;
    if (!AllFinite({be, he, N0, ro, gf, GsGiven, ro_e})) {
        AddErrorLine(lines, ceInvalidInput);
        return ceInvalidInput;
    }

    // The strength section rejects t, b or h <= 0 before N_Sd divides by h;
    // it writes no lines that N_Sd would precede.
    const u8 error = ElementStrengthSection(lines, input, t, b, h, results, false);
    if (error != 0) return error;

    const double Gs = computeGs ? ComputedBasementWeight(input) : GsGiven;
    // load at mid-height of the backfill (0.005 he = half of it in metres)
    const double N_Sd = N0 + Gs * (h - 0.005 * he) / h;
    results.N_2d = N_Sd;
    results.Reached |= cpDesignLoads;
    lines.emplace_back();

    u8 annex = 0;
    if (h > 2.60001) annex = ceAnnexHeight;
    else if (t < 0.2) annex = ceAnnexThickness;
    else if (he / 100 > h) annex = ceAnnexBackfill;
    if (annex != 0) {
        lines.push_back(StripMarkup(CalcErrorText(annex) + "!"));
        return annex;
    }

    lines.add("Przyjęto ciężar ściany G_s =", Val(2, Gs), " kN/mb");
    lines.add("NSd = ", Val(2, N_Sd), " kN/mb");

    results.N_maxRd = t * results.f_k / (3 * results.gamma_m) / 1000;
    lines.add("t·f_k/3·gamma_m = ", Val(2, results.N_maxRd), " kN/m");

    double beta_A = 0;
    if (2 * h <= be) beta_A = 20;
    else if (be <= h) beta_A = 40;
    else beta_A = TextToFloat(FormatFixed(2, 40 - 20 * (be - h) / h));
    results.beta_A = beta_A;

    const double hem = he / 100;
    results.N_minRd = ro_e * h * hem * hem / (beta_A * t);
    lines.add("ro_e·h·he^2/", ShortDecimal(beta_A), "·t = ", Val(2, results.N_minRd), " kN/m");

    results.AnnexFlag = 1;
    return 0;
}

} // namespace orv
