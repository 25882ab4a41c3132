// Case 1: wall loaded vertically, continuous model.
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunCaseSetup.h"

namespace orv {

using namespace std::string_view_literals;

namespace {

// Stiffness E J/L of a joint member (E GPa, J cm4, L cm); a member without
// length carries no stiffness.
double MemberStiffness(double E, double J, double Lcm)
{
    return Lcm != 0 ? E * J / (Lcm / 100) : 0.0;
}

double DistributionFactor(double S, double sum)
{
    const double den = S + sum;
    const double k = den != 0 ? S / den : 0.0;
    return std::isfinite(k) ? k : 0.0;
}

// Values of one section in one combination.
struct SectionValues {
    double N = 0, e = 0, Phi = 0, N_R = 0, u = 0;
};

struct Combination {
    SectionValues s1, sm, s2;
};

} // namespace

u8 CalcWallVerticalContinuous(TTraceLines& lines, const TCalcInput& input, TCalcResults& results)
{
    lines.clear();
    lines.add("ŚCIANA OBCIĄŻONA PIONOWO (model ciagły):");
    lines.emplace_back();

    const TContinuousWallSetup s(input);
    const double t = s.t, b = s.b, h = s.h, l = s.l;
    const bool external = s.external;
    const double a_wg = s.a_wg, a_wd = s.a_wd;
    const double Nod = s.Nod, wd = s.wd, wd2 = s.wd2;
    const double J2 = s.J2, J3 = s.J3, J4 = s.J4, J5 = s.J5, J6 = s.J6, J7 = s.J7;
    const double E2 = s.E2, E3 = s.E3, E4 = s.E4, E5 = s.E5, E6 = s.E6, E7 = s.E7;
    const double h2 = s.h2, l3 = s.l3, l4 = s.l4, h5 = s.h5, l6 = s.l6, l7 = s.l7;
    const double g3 = s.g3, p3 = s.p3, g4 = s.g4, p4 = s.p4, g6 = s.g6, p6 = s.p6, g7 = s.g7, p7 = s.p7;
    if (!AllFinite({s.ag_cm, s.ad_cm, s.weight.ro, s.weight.gf, s.weight.given, Nod, wd, wd2, J2, J3, J4, J5,
                    J6, J7, E2, E3, E4, E5, E6, E7, h2, l3, l4, h5, l6, l7, g3, p3, g4, p4, g6, p6, g7, p7})) {
        AddErrorLine(lines, ceInvalidInput);
        return ceInvalidInput;
    }

    const int kind = static_cast<int>(input.RodzajElementuM);
    const int mortarClass = static_cast<int>(input.KlasaZaprawy);
    const int mortarType = static_cast<int>(input.RodzajZaprawy);
    u8 error = ElementStrengthSection(lines, input, t, b, h, results, true);
    if (error != 0) return error;
    const int group = MaterialGroup(kind);
    const int material = MaterialOfKind(kind);

    const double Gs = s.weight.Gs;
    lines.emplace_back();

    // Joint data: every test runs, the last failing one is reported.
    if (!external) {
        if (E7 == 0) error = 15;
        if (J7 == 0) error = 14;
    }
    if (E6 == 0) error = 17;
    if (J6 == 0) error = 16;
    if (!external) {
        if (E4 == 0) error = 11;
        if (J4 == 0) error = 10;
    }
    if (E3 == 0) error = 13;
    if (J3 == 0) error = 12;
    if (error != 0) {
        AddErrorLine(lines, error);
        return error;
    }

    lines.emplace_back();
    error = EffectiveHeightCheck(lines, input, t, h, l, results);
    if (error != 0) return error;
    lines.emplace_back();

    const double J = std::pow(100 * t, 3) * (100 * b) / 12;
    lines.add("Moment bezwładności dla obliczanej ściany J = ", Val(1, J), " cm4");
    const double E = MasonryModulusE(kind, mortarClass, mortarType, input.fb) / 1e9;
    lines.add("Moduł sprężystości dla obliczanej ściany E = ", Val(1, E), " GPa");
    lines.add("Przyjęto ciężar ściany G_s =", Val(2, Gs), " kN");

    const double S = E * J / h;
    const double T2 = MemberStiffness(E2, J2, h2), T3 = MemberStiffness(E3, J3, l3);
    const double T4 = MemberStiffness(E4, J4, l4), T5 = MemberStiffness(E5, J5, h5);
    const double T6 = MemberStiffness(E6, J6, l6), T7 = MemberStiffness(E7, J7, l7);
    const double k_g = DistributionFactor(S, T2 + T3 + T4);
    const double k_d = DistributionFactor(S, T5 + T6 + T7);
    lines.add("Współczynnik rozdziału dla węzła górnego  k_g = ", Val(3, k_g));
    lines.add("Współczynnik rozdziału dla węzła dolnego  k_d = ", Val(3, k_d));

    const double e_a = AccidentalEccentricity(lines, h, results);

    double W_mid[2] = {0, 0};
    double W_sup[2] = {0, 0};
    if (external) {
        W_mid[0] = h * h * wd / 16;
        W_sup[0] = -h * h * wd / 16;
        W_mid[1] = h * h * wd2 / 16;
        W_sup[1] = -h * h * wd2 / 16;
    }
    if (wd != 0) {
        lines.add("Moment zginający od wiatru (ssania) środku ściany M_wd = ", Val(2, W_mid[0]), " kNm");
        lines.add("Moment zginający od wiatru (ssania) na podporach ściany  M_wd = ", Val(2, W_sup[0]),
                  " kNm");
    }
    if (wd2 != 0) {
        lines.add("Moment zginający od wiatru (parcia) środku ściany M_wd = ", Val(2, W_mid[1]), " kNm");
        lines.add("Moment zginający od wiatru (parcia) na podporach ściany  M_wd = ", Val(2, W_sup[1]),
                  " kNm");
    }

    const double A = results.A;
    const double f_d = results.f_d;
    const double e_min = 0.05 * t;
    const int count = external ? 8 : 16;
    Combination combos[16];
    int d1 = 0, dm = 0, d2 = 0; // decisive combinations of 1-1, m-m and 2-2
    double alphaCInf = 0;

    // Accidental eccentricity away from zero.
    auto withAccidental = [e_a](double e) { return e >= 0 ? e + e_a : e - e_a; };
    auto utilisation = [](double N, double N_R) { return N_R != 0 ? 100 * N / N_R : 1000.0; };

    // End moment of a slab fixed at the wall and the reaction it bears on it.
    auto endMoment = [](double q, double Lcm) { return q * (Lcm / 100) * (Lcm / 100) / 12; };
    auto reaction = [](double q, double Lcm) { return 0.5 * q * Lcm / 100; };

    for (int i = 0; i < count; ++i) {
        // Bits of i: live load on slab 3, 6, 4, 7; the slabs 4 and 7 of an internal wall only.
        const bool on3 = IsBitSet(i, 0);
        const bool on6 = IsBitSet(i, 1);
        const bool on4 = !external && IsBitSet(i, 2);
        const bool on7 = !external && IsBitSet(i, 3);
        const int k = external && i > 3 ? 1 : 0;
        const double q3 = on3 ? g3 + p3 : g3;
        const double q4 = on4 ? g4 + p4 : g4;
        const double q6 = on6 ? g6 + p6 : g6;
        const double q7 = on7 ? g7 + p7 : g7;
        const double M3 = endMoment(q3, l3);
        const double M6 = endMoment(q6, l6);
        const double M4 = external ? 0.0 : endMoment(q4, l4);
        const double M7 = external ? 0.0 : endMoment(q7, l7);
        const double R3 = reaction(q3, l3);
        const double R4 = external ? 0.0 : reaction(q4, l4);

        // section 1-1
        const double N_1d = Nod + R3 + R4;
        const double M_1 = 0.85 * k_g * (M3 - M4) + 0.5 * (t - a_wg) * Nod;
        const double M_1d = M_1 - W_sup[k];
        double e_1 = N_1d != 0 ? M_1d / N_1d : 0.5 * (t - a_wg);
        // section 2-2
        const double N_2d = N_1d + Gs;
        const double M_2 = -0.85 * k_d * (M6 - M7) + 0.5 * (t - a_wd) * N_2d;
        const double M_2d = M_2 + W_sup[k];
        double e_2 = N_2d != 0 ? M_2d / N_2d : 0.5 * (t - a_wd);
        // middle zone, from the moments without wind
        const double ma = 0.6 * M_1 + 0.4 * M_2;
        const double mb = 0.4 * M_1 + 0.6 * M_2;
        const double M_md = std::fabs(ma) > std::fabs(mb) ? ma : mb;
        const double N_md = Nod + R3 + R4 + 0.5 * Gs;
        double e_m = N_md != 0 ? M_md / N_md - W_mid[k] / N_md : 0.0;
        e_1 = withAccidental(e_1);
        e_2 = withAccidental(e_2);
        e_m = withAccidental(e_m);

        lines.emplace_back();
        lines.add("Kombinacja nr ", i + 1, " (stałe",
                  !external ? ""sv : i <= 3 ? "+wiatr (ssanie)"sv : "+wiatr (parcie)"sv, on3 ? "+p3"sv : ""sv,
                  on4 ? "+p4"sv : ""sv, on6 ? "+p6"sv : ""sv, on7 ? "+p7"sv : ""sv, "):");
        lines.add("Siła w przekroju 1-1 N_1d = ", Val(2, N_1d), " kN");
        const double sigma_cd = N_1d / A;
        if (sigma_cd < ContinuousModelMinStress / 1000) {
            lines.add("sigma_cd = ", Val(3, sigma_cd / 1000), " MPa < 0.25 MPa");
            results.sigma_cd = 1000 * sigma_cd;
            AddErrorLine(lines, ceLowMeanStress);
            return ceLowMeanStress;
        }
        Combination& c = combos[i];

        lines.add("Moment w przekroju 1-1 M_1d = ", Val(2, M_1d), " kNm");
        // End sections: the eccentricity raised to 0.05 t at least, Phi, N_R and the utilisation.
        auto endSection = [&](SectionValues& sv, std::string_view n, double N, double e, std::string_view raised,
                              std::string_view capacity) {
            if (std::fabs(e) < e_min) {
                lines.add("Mimośród e_", n, " = ", Val(1, 100 * e), " cm < 0.05·t  -> e_", n, raised,
                          Val(1, 5 * t), " cm");
                e = e_min;
            } else {
                lines.add("Mimośród e_", n, " = ", Val(1, 100 * e), " cm");
            }
            sv.N = N;
            sv.e = e;
            sv.Phi = ReductionFactorEnd(group, material, std::fabs(e), t);
            lines.add("Współczynnik redukcyjny nośności FI_", n, " = ", Val(3, sv.Phi));
            sv.N_R = sv.Phi * A * f_d / 1000;
            lines.add(capacity, Val(3, sv.N_R), " kN");
            sv.u = utilisation(N, sv.N_R);
            lines.add(" -> wykorzystanie nośności ", Val(2, sv.u), "%");
        };
        endSection(c.s1, "1"sv, N_1d, e_1, " =0.05·t ="sv, "Nośność pod stropem N_1R,d = "sv);
        lines.add("Siła w przekroju 2-2 N_2d = ", Val(2, N_2d), " kN");
        lines.add("Moment w przekroju 2-2 M_2d = ", Val(2, M_2d), " kNm");
        endSection(c.s2, "2"sv, N_2d, e_2, " =0.05·t = "sv, "Nośność nad stropem N_2R,d = "sv);

        // the same in every combination; its lines once
        if (i == 0) alphaCInf = LongTermElasticCharacteristic(lines, mortarClass, material);

        lines.add("Moment w przekroju m-m, wynikający z obciążenia ścian stropem, M_md = ", Val(2, M_md),
                  " kNm");
        lines.add("Siła w przekroju m-m N_md = ", Val(2, N_md), " kN");
        if (std::fabs(e_m) < e_min) {
            lines.add("Mimośród w strefie środkowej e_m = ", Val(1, 100 * e_m), " cm < 0.05·t -> e_m =0.05·t",
                      Val(1, 5 * t), " cm");
            e_m = e_min;
        } else {
            lines.add("Mimośród w strefie środkowej e_m = ", Val(1, 100 * e_m), " cm");
        }
        c.sm.N = N_md;
        c.sm.e = e_m;
        c.sm.Phi = ReductionFactorMid(group, results.h_eff, t, std::fabs(e_m), alphaCInf);
        lines.add("Współczynnik redukcyjny nośności FI_m = ", Val(3, c.sm.Phi));
        c.sm.N_R = c.sm.Phi * A * f_d / 1000;
        lines.add("Nośność w strefie środkowej N_mR,d = ", Val(3, c.sm.N_R), " kN");
        c.sm.u = c.sm.N_R != 0 ? 100 * N_md / c.sm.N_R : (N_md != 0 ? 1000.0 : 0.0);
        lines.add(" -> wykorzystanie nośności ", Val(2, c.sm.u), "%");

        // Decisive combination of a section: the first with the highest utilisation.
        if (i == 0 || c.s1.u > combos[d1].s1.u) d1 = i;
        if (i == 0 || c.sm.u > combos[dm].sm.u) dm = i;
        if (i == 0 || c.s2.u > combos[d2].s2.u) d2 = i;
    }
    auto report = [&](int i, const SectionValues& s, std::string_view name, std::string_view index,
                      std::string_view capacity) {
        lines.add("Przekrój ", name, "  (decyduje kombinacja nr ", i + 1, "):");
        lines.add("  N_", index, "d = ", Val(3, s.N), " kN;   e_", index, " = ", Val(1, 100 * s.e),
                  " cm;   FI_", index, " = ", Val(3, s.Phi));
        lines.add("  ", capacity, " = ", Val(3, s.N_R), " kN");
    };

    lines.emplace_back();
    const SectionValues& s1 = combos[d1].s1;
    report(d1, s1, "1-1"sv, "1"sv, "N_1R,d"sv);
    results.N_1d = s1.N;
    results.e_1 = s1.e;
    results.Phi_1 = s1.Phi;
    results.N_1Rd = s1.N_R;

    const SectionValues& sm = combos[dm].sm;
    report(dm, sm, "m-m"sv, "m"sv, "N_mR,d"sv);
    results.N_md = sm.N;
    results.e_m = sm.e;
    results.Phi_m = sm.Phi;
    results.N_mRd = sm.N_R;

    lines.emplace_back();
    const SectionValues& s2 = combos[d2].s2;
    report(d2, s2, "2-2"sv, "2"sv, "N_2R,d"sv);
    results.N_2d = s2.N;
    results.e_2 = s2.e;
    results.Phi_2 = s2.Phi;
    results.N_2Rd = s2.N_R;
    results.Reached |= cpDesignLoads;
    return 0;
}

} // namespace orv
