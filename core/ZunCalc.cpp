#include "core/ZunCalc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/MyUtils.h"

namespace orv {

// --- error texts -------------------------------------------------------------------

std::string CalcErrorText(int number)
{
    switch (number) {
    case 1: return "Klasa betonu zbyt niska.";
    case 2: return "Klasa betonu zbyt wysoka.";
    case 3: return "Zwiększ wysokość przekroju, podnieś klasę betonu lub licz jako przekrój podwójnie zbrojony.";
    case 4: return "Zwiększ wysokość przekroju lub podnieś klasę betonu (decyduje ścinanie).";
    case 5: return "Przekroczona nośność na zginanie.";
    case 6: return "Przekroczone ugięcie graniczne.";
    case 7: return "Przekroczona graniczna szerokość rys prostopadłych";
    case 8: return "Przekroczona graniczna szerokość rys ukośnych";
    case 9: return "Warunek nośności SGN niespełniony";
    case 10: return "Nie zdefiniowano wartości momentu bezwładności górnego stropu z lewej strony";
    case 11: return "Nie zdefiniowano wartości modułu sprężystości górnego stropu z lewej strony";
    case 12: return "Nie zdefiniowano wartości momentu bezwładności górnego stropu z prawej strony";
    case 13: return "Nie zdefiniowano wartości modułu sprężystości górnego stropu z prawej strony";
    case 14: return "Nie zdefiniowano wartości momentu bezwładności dolnego stropu z lewej strony";
    case 15: return "Nie zdefiniowano wartości modułu sprężystości dolnego stropu z lewej strony";
    case 16: return "Nie zdefiniowano wartości momentu bezwładności dolnego stropu z prawej strony";
    case 17: return "Nie zdefiniowano wartości modułu sprężystości dolnego stropu z prawej strony";
    case 18: return "Brak rozwiązania dla przyjętej geometrii ściany.";
    case 19: return "Zwiększ grubość płyty lub podnieś klasę betonu.";
    case 20: return "Nie można posługiwać się modelem ciągłym - zbyt małe średnie naprężenie obliczeniowe ściany.";
    case 21: return "Wysokość ściany piwnicy wynosi h>260 cm  %S®%N  nie jest spełniony warunek stosowania Załącznika A.";
    case 22: return "Grubość ściany t<20 cm  %S®%N  nie jest spełniony warunek stosowania Załącznika A.";
    case 23: return "Norma nie podaje współczynników %Sa%N dla ścian o grubości większej od 25 cm.";
    case 24: return "Pole oddziaływania obciążenia skupionego poza ścianą.";
    case 25: return "Przekroczona zalecana smukłość ściany.";
    case 26: return "Przekroczona zalecana smukłość słupa w kierunku x.";
    case 27: return "Przekroczona zalecana smukłość słupa w kierunku y.";
    case 28: return "Głębokość zasypania ściany większa od wysokości ściany  %S®%N  nie jest spełniony warunek stosowania Załącznika A.";
    case 29: return "Brak możliwości podziału ściany na pasma.";
    case 30: return "Niedozwolona klasa stali prętów głównych.";
    case 31: return "Niedozwolona klasa stali strzemion.";
    case 32: return "Przekroczona nośność na ścinanie.";
    case 33: return "Zbyt mała średnica prętów ściskanych.";
    case 35: return "Stosunek wymiarów płyty muru poza zakresem tablic B.1 normy murowej.";
    case 37: return "Pola oddziaływania obciążeń skupionych nachodzą na siebie.";
    case 50: return "Brak rozwiązania (błąd nr " + std::to_string(number) + ").";
    default: return "Błąd nieopisany (nr " + std::to_string(number) + ").";
    }
}

void AddErrorLine(TTraceLines& lines, u8 number)
{
    lines.add(CalcErrorText(number), "!");
}

// --- shared formulas ----------------------------------------------------------------

double CoefficientK(int material, int group, int mortarType)
{
    if (mortarType < mtGeneral || mortarType > mtLightweight) return 0;
    // [group - 1][mortar type]; 0 = no coefficient
    static constexpr double Ceramic[4][3] = {
        {0.45, 0.50, 0.30}, {0.40, 0.60, 0.25}, {0.30, 0.45, 0.20}, {0.30, 0.35, 0.20}};
    static constexpr double Silicate[2][3] = {{0.45, 0.55, 0}, {0.40, 0.45, 0}};
    static constexpr double Aggregate[4] = {0.40, 0.35, 0.30, 0.25};
    static constexpr double Aerated[3] = {0.45, 0.75, 0.40};
    switch (material) {
    case mmCeramic:
        return group >= 1 && group <= 4 ? Ceramic[group - 1][mortarType] : 0;
    case mmSilicate:
        return group >= 1 && group <= 2 ? Silicate[group - 1][mortarType] : 0;
    case mmAggregateConcrete:
        return group >= 1 && group <= 4 ? Aggregate[group - 1] : 0;
    case mmAAC:
        return Aerated[mortarType];
    case mmManufacturedStone:
    case mmNaturalStone:
        return 0.45;
    default:
        return 0;
    }
}

double SmallAreaFactor(double A)
{
    double eta = 1.0;
    if (A < 0.3 && A >= 0.2) eta = 1.25 - (A - 0.2) / 0.1 * 0.25;
    if (A < 0.2 && A >= 0.12) eta = 1.43 - (A - 0.12) / 0.08 * 0.18;
    if (A < 0.12 && A >= 0.09) eta = 2.0 - (A - 0.09) / 0.03 * 0.57;
    if (A < 0.09) eta = 2.0;
    return eta;
}

double RingBeamWidth(double a, double t) { return a > t ? t : a; }

double ReductionFactorEnd(int group, int material, double e, double t)
{
    if (!(t > 0)) return 0;
    double phi = 0;
    if (group == 3 || group == 4 || material == mmAggregateConcrete) {
        const double den = 1 + 5 * e / t;
        phi = den > 0 ? 1 / den : 0;
    } else {
        phi = 1 - 2 * e / t;
    }
    // A negative eccentricity (a ring beam wider than the wall) would lift
    // the factor above 1 and the capacity above A f_d.
    if (phi > 1) phi = 1;
    return phi < 0 || !std::isfinite(phi) ? 0 : phi;
}

double ReductionFactorMid(int group, double h_eff, double t, double e_m, double AlphaCInf)
{
    // The denominator 0.73 - 1.17 e_m/t vanishes at e_m/t = 0.624; the factor
    // is 0 long before, at e_m = t/2.
    if (!(t > 0) || !(AlphaCInf > 0) || !(e_m < t / 2)) return 0;
    const double lambda = std::sqrt(1 / AlphaCInf) * h_eff / t;
    const double u = (lambda - 0.063) / (0.73 - 1.17 * e_m / t);
    double phi = (1 - 2 * e_m / t) * std::exp(-u * u / 2);
    if (group == 3 || group == 4) {
        const double den = 1 + 5 * e_m / t;
        if (den > 0) phi = std::min(phi, 1 / den);
    }
    if (phi > 1) phi = 1;
    return phi < 0 || !std::isfinite(phi) ? 0 : phi;
}

double LimitSlenderness(int kind, int mortarClass)
{
    if (kind == mkConcrete4) return 18;
    return MortarStrength(mortarClass) / 1e6 >= 5 ? 25 : 18;
}

namespace {

// Characteristic compressive strength [Pa] from f_b [MPa] and f_m [Pa].
double CharacteristicStrength(int material, int group, int mortarType, double K, double fbMPa,
                              double fm)
{
    if (mortarType == mtThinLayer) {
        double exponent = 0.85;
        if (material == mmCeramic && (group == 2 || group == 3)) exponent = 0.7;
        double fk = K * std::pow(fbMPa, exponent) * 1e6;
        if (material == mmAAC && fbMPa < 2.4) fk *= 0.8;
        return fk;
    }
    return K * std::pow(fbMPa * 1e6, 0.7) * std::pow(fm, 0.3);
}

} // namespace

double MasonryModulusE(int kind, int mortarClass, int mortarType, double fb)
{
    if (!IsValidMaterialKind(kind) || !(fb > 0) || !std::isfinite(fb)) return 0;
    const int group = MaterialGroup(kind);
    const int material = MaterialOfKind(kind);
    const double fm = MortarStrength(mortarClass);
    const double K = CoefficientK(material, group, mortarType);
    const double fk = CharacteristicStrength(material, group, mortarType, K, fb, fm);
    const double alpha_c = (fm / 1e6 < 5 || material == mmAAC) ? 600 : 1000;
    return alpha_c * fk;
}

double CharacteristicCompressiveStrength(int kind, int mortarClass, int mortarType, double fb,
                                         bool longitudinalJoint)
{
    if (!IsValidMaterialKind(kind) || !(fb > 0) || !std::isfinite(fb)) return 0;
    const int group = MaterialGroup(kind);
    const int material = MaterialOfKind(kind);
    const double K = CoefficientK(material, group, mortarType);
    if (!(K > 0)) return 0;
    const double fk = CharacteristicStrength(material, group, mortarType, K, fb, MortarStrength(mortarClass));
    return longitudinalJoint ? 0.8 * fk : fk;
}

std::string FormatValue(int decimals, double value)
{
    std::string s;
    AppendValue(s, decimals, value);
    return s;
}

// --- shared steps -------------------------------------------------------------------

u8 ElementStrengthSection(TTraceLines& lines, const TCalcInput& input, double t, double b, double h,
                          TCalcResults& results, bool showSection)
{
    return MasonryStrengthSection(
        lines, static_cast<int>(input.RodzajElementuM), static_cast<int>(input.KlasaZaprawy),
        static_cast<int>(input.RodzajZaprawy), static_cast<int>(input.ZaprawaTyp),
        static_cast<int>(input.sytuacja), static_cast<int>(input.KategoriaWykElementu),
        static_cast<int>(input.KategoriaWykRobot), input.fb, t, b, h, input.spoina_podluzna != 0,
        results, showSection);
}

u8 MasonryStrengthSection(TTraceLines& lines, int kind, int mortarClass, int mortarType,
                          int designed, int situation, int elementCategory,
                          int executionCategory, double fb, double t, double b, double h,
                          bool longitudinalJoint, TCalcResults& results, bool showSection)
{
    if (!(t > 0) || !(b > 0) || !(h > 0) || !AllFinite({t, b, h})) {
        AddErrorLine(lines, ceGeometry);
        return ceGeometry;
    }
    if (!IsValidMaterialKind(kind) || !(fb > 0) || !std::isfinite(fb)) {
        AddErrorLine(lines, ceInvalidInput);
        return ceInvalidInput;
    }

    const int group = MaterialGroup(kind);
    const int material = MaterialOfKind(kind);
    AddWallMaterialLine(lines, material, group);

    const double f_b = fb * 1e6;
    lines.add("Znormalizowana wytrzymałość elementu murowego na ściskanie f_b = ", Val(2, f_b / 1e6), " MPa");

    const double f_m = MortarStrength(mortarClass);
    const std::string mortar = MortarText(mortarType, mortarClass, designed);
    if (mortarType == mtThinLayer) lines.add("zaprawa: ", mortar);
    else lines.add("zaprawa: ", mortar, " ->  fm = ", Val(2, f_m / 1e6), " MPa");

    const double K = CoefficientK(material, group, mortarType);
    if (!(K > 0)) {
        AddErrorLine(lines, ceNoCoefficientK);
        return ceNoCoefficientK;
    }
    lines.add("Współczynnik K = ", Val(2, K));

    double f_k = CharacteristicStrength(material, group, mortarType, K, fb, f_m);
    if (longitudinalJoint) {
        lines.add("Mur ze spoiną podłużną ->  eta = ", Val(1, 0.8));
        f_k = 0.8 * f_k;
    }
    results.f_k = f_k;
    results.Reached |= cpStrength;
    lines.add("Wytrzymałość charakterystyczna muru na ściskanie  f_k = ", Val(2, f_k / 1e6), " MPa");
    lines.emplace_back();

    lines.add("Grubość ściany t = ", Val(1, 100 * t), " cm");
    if (showSection) lines.add("Szerokość ściany b = ", Val(1, 100 * b), " cm");
    lines.add("Wysokość ściany h = ", Val(1, 100 * h), " cm");

    const double A = t * b;
    results.A = A;
    if (showSection)
        lines.add("Pole przekroju poprzecznego ściany  A = ", Val(3, A), " m2");
    lines.emplace_back();

    double gamma_m = 0;
    if (situation == 2) {
        gamma_m = 1.3;
    } else if (elementCategory == 0) {
        if (designed == 1)
            gamma_m = executionCategory == 0 ? 1.7 : 2.0;
        else
            gamma_m = executionCategory == 0 ? 2.0 : 2.2;
    } else {
        gamma_m = executionCategory == 0 ? 2.2 : 2.5;
    }
    results.gamma_m = gamma_m;
    results.Reached |= cpPartialFactor;
    lines.add("Przyjęto gamma_m = ", Val(1, gamma_m));

    if (showSection && A < 0.3) {
        const double eta_A = SmallAreaFactor(A);
        results.eta_A = eta_A;
        lines.add("Ponieważ A<", Val(1, 0.3), " m2 -> eta_A = ", Val(2, eta_A));
        results.f_d = f_k / (gamma_m * eta_A);
        lines.add("Wytrzymałość muru na ściskanie  f_d = f_k/(gamma_m*eta_A) = ", Val(2, results.f_d / 1e6),
                  " MPa");
    } else {
        results.f_d = f_k / gamma_m;
        lines.add("Wytrzymałość muru na ściskanie  f_d = f_k/gamma_m = ", Val(2, results.f_d / 1e6), " MPa");
    }
    results.Reached |= cpDesignStrength;
    return 0;
}

u8 EffectiveHeightCheck(TTraceLines& lines, const TCalcInput& input, double t, double h,
                        double l, TCalcResults& results)
{
    const u32 building = input.RodzajKonstrSciany;
    const u32 slabs = input.RodzajStropow;
    const u32 stiffening = input.UsztywnienieSciany;
    if (building > 2 || stiffening > 2) {
        AddErrorLine(lines, ceInvalidInput);
        return ceInvalidInput;
    }
    if (stiffening != 0 && (!(l > 0) || !std::isfinite(l))) {
        AddErrorLine(lines, ceGeometry);
        return ceGeometry;
    }

    static constexpr double RhoH[3][2] = {{1.0, 1.25}, {1.25, 1.5}, {1.5, 2.0}};
    const double rho_h = RhoH[building][slabs == 0 ? 0 : 1];
    lines.add("Współczynnik zależny od przestrzennego usztywnienia budynku  ro_h = ", Val(1, rho_h));

    double rho = 1.0;
    const char* stiffened = nullptr; // the factor of the stiffening edges, when they count
    if (stiffening == 1) {
        if (15 * t > l) {
            if (h <= 3.5 * l) {
                const double q = rho * h / (3 * l);
                rho = rho / (1 + q * q);
            } else {
                // 1.5 l/h, not below 0.3: continuous with the branch above at h = 3.5 l
                rho = std::max(0.3, 1.5 * l / h);
            }
            stiffened = " ro_3 = ";
        } else {
            lines.add("Ponieważ l>=15·t, przyjęto że ściana jest uszytwniona tylko z dołu i z góry");
        }
    } else if (stiffening == 2) {
        if (30 * t > l) {
            if (h > l) {
                rho = 0.5 * l / h;
            } else {
                const double q = rho * h / l;
                rho = rho / (1 + q * q);
            }
            stiffened = " ro_4 = ";
        } else {
            lines.add("Ponieważ l>=30·t, przyjęto że ściana jest uszytwniona tylko z dołu i z góry");
        }
    }
    if (stiffened)
        lines.add("Współczynnik zależny od usztywnienia ściany ro_2 = ", Val(3, 1.0), stiffened, Val(3, rho));
    else
        lines.add("Współczynnik zależny od usztywnienia ściany ro_2 = ", Val(3, 1.0));

    results.h_eff = h * rho * rho_h;
    lines.add("Wysokość efektywna ściany h_eff = ro_h·ro_", stiffening + 2, "·h = ", Val(3, results.h_eff),
              " m");

    const double limit = LimitSlenderness(static_cast<int>(input.RodzajElementuM),
                                          static_cast<int>(input.KlasaZaprawy));
    results.SlendernessLimit = limit;
    const double slenderness = results.h_eff / t;
    if (slenderness > limit) {
        lines.add("Smukłość h_eff/t = ", Val(3, slenderness), "> ", Val(0, limit));
        AddErrorLine(lines, ceSlenderness);
        return ceSlenderness;
    }
    lines.add("Smukłość h_eff/t = ", Val(3, slenderness), "< ", Val(0, limit));
    return 0;
}

double AccidentalEccentricity(TTraceLines& lines, double h, TCalcResults& results)
{
    const double e_a = std::max(h / 300, 0.01);
    results.e_a = e_a;
    lines.add("Przyjęto mimośród ea = ", Val(1, 100 * e_a), " cm");
    return e_a;
}

double LongTermElasticCharacteristic(TTraceLines& lines, int mortarClass, int material)
{
    lines.add("Określenie cechy sprężystości muru pod obciążeniem długotrwałym");
    const double eta_E = 0.3;
    const double phi_inf = 1.5;
    const double alpha_c = (MortarStrength(mortarClass) / 1e6 < 5 || material == mmAAC) ? 600 : 1000;
    lines.add("  - cecha sprężystości muru  alfa_c = ", Val(1, alpha_c));
    lines.add("  - eta_E = ", Val(1, eta_E));
    lines.add("  - fi_nieskoczność = ", Val(1, phi_inf));
    const double alphaCInf = alpha_c / (1 + phi_inf * eta_E);
    lines.add("  -> alfa_c,nieskoczność = ", Val(1, alphaCInf));
    return alphaCInf;
}

// --- dispatch -----------------------------------------------------------------------

TCaseFunction CaseFunction(int calcCase)
{
    static constexpr TCaseFunction Functions[CalcCaseCount] = {
        CalcWallVerticalHinged, CalcWallVerticalContinuous, CalcWallHorizontal,
        CalcWallConcentrated,   CalcBasementWall,           CalcColumn,
    };
    if (calcCase < 0 || calcCase >= CalcCaseCount) return nullptr;
    return Functions[calcCase];
}

u8 CalcElement(TTraceLines& lines, const TCalcInput& input, TCalcResults& results)
{
    results = TCalcResults{};
    const TCaseFunction fn = CaseFunction(input.Case);
    u8 error = 0;
    if (fn == nullptr) {
        lines.clear();
        error = ceUnknownCase;
        AddErrorLine(lines, error);
    } else if (FindInputOutOfRange(input.Case, input, results.Fault)) {
        // a value the editor refuses, as a damaged file may hold it
        lines.clear();
        error = ceInvalidInput;
        AddErrorLine(lines, error);
    } else {
        error = fn(lines, input, results);
        // an overflow inside the case is no verdict
        if (error != ceInvalidInput && !ResultsFinite(results)) {
            error = ceInvalidInput;
            AddErrorLine(lines, error);
        }
    }
    results.Error = error;
    return error;
}

} // namespace orv
