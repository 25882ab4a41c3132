// Case 5: column (pier) under biaxial eccentric compression, hinged model.
#include <cmath>

#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunCaseSetup.h"

namespace orv {

double BiaxialCapacity(double N_x, double N_y, double N_0)
{
    if (!(N_x > 0) || !(N_y > 0) || !(N_0 > 0)) return 0;
    const double inv = 1 / N_x + 1 / N_y - 1 / N_0;
    const double N = 1 / inv;
    return inv > 0 && std::isfinite(N) ? N : 0;
}

namespace {

// ro_h of the column top: 0 no support, 1 reinforced-concrete member, 2 other member.
double ColumnRhoH(u32 support) { return support == 0 ? 2.0 : support == 1 ? 1.0 : 1.25; }

} // namespace

u8 CalcColumn(TTraceLines& lines, const TCalcInput& input, TCalcResults& results)
{
    lines.clear();
    lines.add("SŁUP OBCIĄŻONY PIONOWO (model przegubowy):");
    lines.emplace_back();

    const TColumnSetup s(input);
    if (!AllFinite({s.weight.ro, s.weight.gf, s.weight.given, s.N, s.Msdx, s.Msdy}) || s.supportX > 2 ||
        s.supportY > 2) {
        AddErrorLine(lines, ceInvalidInput);
        return ceInvalidInput;
    }

    const int kind = static_cast<int>(input.RodzajElementuM);
    const int mortarClass = static_cast<int>(input.KlasaZaprawy);
    const u8 error = ElementStrengthSection(lines, input, s.t, s.b, s.h, results, true);
    if (error != 0) return error;
    const int group = MaterialGroup(kind);
    const int material = MaterialOfKind(kind);

    const double alphaCInf = LongTermElasticCharacteristic(lines, mortarClass, material);
    const double limit = LimitSlenderness(kind, mortarClass);
    results.SlendernessLimit = limit;

    // Effective height of one direction; false after the slenderness error line.
    auto effectiveHeight = [&](u32 support, const char* axis, double thickness, double& h_eff) {
        const double rho_h = ColumnRhoH(support);
        lines.add("Współczynnik zależny od przestrzennego usztywnienia budynku  ro_h = ", Val(1, rho_h));
        lines.add("Współczynnik zależny od usztywnienia ściany, przyjęto ro_1 = ", Val(1, 1.0), "  ");
        h_eff = s.h * 1.0 * rho_h;
        lines.add("Wysokość efektywna ściany h_eff,", axis, " = ro_h·ro_1·h = ", Val(3, h_eff), " m");
        const double slenderness = h_eff / thickness;
        const bool tooSlender = slenderness > limit;
        lines.add("Smukłość h_eff,", axis, "/t = ", Val(3, slenderness), tooSlender ? "> " : "< ", Val(0, limit));
        if (tooSlender) return false;
        return true;
    };

    const double A = results.A;
    const double f_d = results.f_d;
    double N_1d = 0, N_md = 0, N_2d = 0, e_a = 0;

    // Moments, eccentricities and the three capacities of one direction.
    struct Direction { double Phi_1, N_1R, Phi_m, N_mR, Phi_2, N_2R; };
    auto direction = [&](double Msd, double thickness, double h_eff, const char* axis) {
        Direction d{};
        const double M_1d = std::fabs(Msd) + s.N * e_a;
        const double e_1 = s.N != 0 && N_1d != 0 ? M_1d / N_1d : e_a;
        const double e_2 = e_a;
        const double M_2d = N_2d * e_a;
        // 0.5, not the 0.4 of the walls
        const double M_md = 0.6 * M_1d + 0.5 * M_2d;
        const double e_m = N_md != 0 ? M_md / N_md : 0.0;

        lines.add("Siła w przekroju 1-1 N_1d = ", Val(2, N_1d), " kN");
        lines.add("Moment w przekroju 1-1 M_1d = ", Val(2, M_1d), " kNm");
        lines.add("Mimośród e_1 = ", Val(1, 100 * e_1), " cm");
        d.Phi_1 = ReductionFactorEnd(group, material, e_1, thickness);
        lines.add("Współczynnik redukcyjny nośności FI_1 = ", Val(3, d.Phi_1));
        d.N_1R = d.Phi_1 * A * f_d / 1000;
        lines.add("Nośność pod stropem N_1R,d,", axis, " = ", Val(3, d.N_1R), " kN");

        lines.add("Moment w przekroju m-m M_md = ", Val(2, M_md), " kNm");
        lines.add("Mimośród w strefie środkowej e_m = ", Val(1, 100 * e_m), " cm");
        d.Phi_m = ReductionFactorMid(group, h_eff, thickness, std::fabs(e_m), alphaCInf);
        lines.add("Współczynnik redukcyjny nośności FI_m = ", Val(3, d.Phi_m));
        d.N_mR = d.Phi_m * A * f_d / 1000;
        lines.add("Nośność w strefie środkowej N_mR,d,", axis, " = ", Val(3, d.N_mR), " kN");

        lines.add("Siła w przekroju 2-2 N_2d = ", Val(2, N_2d), " kN");
        lines.add("Moment w przekroju 2-2 M_2d = ", Val(2, M_2d), " kNm");
        lines.add("Mimośród e_2 = ", Val(1, 100 * e_2), " cm");
        d.Phi_2 = ReductionFactorEnd(group, material, e_2, thickness);
        lines.add("Współczynnik redukcyjny nośności FI_2 = ", Val(3, d.Phi_2));
        d.N_2R = d.Phi_2 * A * f_d / 1000;
        lines.add("Nośność nad stropem N_2R,d,", axis, " = ", Val(3, d.N_2R), " kN");
        return d;
    };

    // Direction x: thickness t.
    lines.emplace_back();
    lines.add("Kierunek x:");
    if (!effectiveHeight(s.supportX, "x", s.t, results.h_eff)) {
        AddErrorLine(lines, ceColumnSlendernessX);
        return ceColumnSlendernessX;
    }

    N_1d = s.N;
    N_md = s.N + 0.5 * s.weight.Gs;
    N_2d = s.N + s.weight.Gs;
    results.N_1d = N_1d;
    results.N_md = N_md;
    results.N_2d = N_2d;
    results.Reached |= cpDesignLoads;
    e_a = AccidentalEccentricity(lines, s.h, results);

    lines.add("Przyjęto ciężar słupa G_s =", Val(2, s.weight.Gs), " kN");
    const Direction x = direction(s.Msdx, s.t, results.h_eff, "x");
    results.Phi_1 = x.Phi_1;
    results.N_1Rd = x.N_1R;
    results.Phi_m = x.Phi_m;
    results.N_mRd = x.N_mR;
    results.Phi_2 = x.Phi_2;
    results.N_2Rd = x.N_2R;

    // Direction y: width b (the slenderness line keeps the name t).
    lines.emplace_back();
    lines.add("Kierunek y:");
    if (!effectiveHeight(s.supportY, "y", s.b, results.h_eff_y)) {
        AddErrorLine(lines, ceColumnSlendernessY);
        return ceColumnSlendernessY;
    }
    lines.emplace_back();
    const Direction y = direction(s.Msdy, s.b, results.h_eff_y, "y");
    results.Phi_1y = y.Phi_1;
    results.N_1Rd_y = y.N_1R;
    results.Phi_my = y.Phi_m;
    results.N_mRd_y = y.N_mR;
    results.Phi_2y = y.Phi_2;
    results.N_2Rd_y = y.N_2R;

    lines.emplace_back();
    lines.add("Uwzględnienie dwukierunkowego mimośrodowego ściskania:");
    const double N_0 = A * f_d / 1000;
    results.N_0Rd = N_0;
    lines.add("Nośność  N_0R,d = A * f_d = ", Val(3, N_0), " kN");
    lines.add("Przekrój 1-1:");
    results.N_1Rd_xy = BiaxialCapacity(x.N_1R, y.N_1R, N_0);
    lines.add("Nośność pod stropem N_1R,d,xy = 1/[(1/N_1R,d,x)+(1/N_1R,d,y)-(1/N_0R,d)] = ",
              Val(3, results.N_1Rd_xy), " kN");
    lines.add("Przekrój m-m:");
    results.N_mRd_xy = BiaxialCapacity(x.N_mR, y.N_mR, N_0);
    lines.add("Nośność w strefie środkowej N_mR,d,xy = 1/[(1/N_mR,d,x)+(1/N_mR,d,y)-(1/N_0R,d)] = ",
              Val(3, results.N_mRd_xy), " kN");
    lines.add("Przekrój 2-2:");
    results.N_2Rd_xy = BiaxialCapacity(x.N_2R, y.N_2R, N_0);
    lines.add("Nośność nad stropem N_2R,d,xy = 1/[(1/N_2R,d,x)+(1/N_2R,d,y)-(1/N_0R,d)] = ",
              Val(3, results.N_2Rd_xy), " kN");
    return 0;
}

} // namespace orv
