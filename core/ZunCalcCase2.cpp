// Case 2: wall loaded horizontally (plate with alpha coefficients, beams,
// arches; walls with openings checked strip by strip).
#include "core/ZunCalcCase2.h"

#include <cmath>
#include <string>

#include "core/MyUtils.h"
#include "core/ZunAlphaTables.h"
#include "core/ZunOpenings.h"
#include "core/ZunStrips.h"

namespace orv {

void CharacteristicFlexuralStrengths(int kind, int mortarType, double fm, double fb,
                                     double& fxk1, double& fxk2)
{
    fxk1 = 0;
    fxk2 = 0;
    if (!IsValidMaterialKind(kind)) return;
    const bool strongMortar = fm / 1e6 >= 5;
    switch (mortarType) {
    case mtGeneral:
        fxk1 = strongMortar ? 0.10 : (kind <= mkCeramic4 ? 0.10 : 0.05);
        fxk2 = strongMortar ? 0.40 : 0.20;
        break;
    case mtThinLayer:
        if (kind <= mkCeramic4) {
            fxk1 = 0.15;
            fxk2 = 0.15;
        } else if (kind <= mkSilicate2) {
            fxk1 = 0.15;
            fxk2 = 0.30;
        } else if (kind == mkAAC) {
            fxk1 = 0.035 * fb;
            fxk2 = 0.035 * fb;
        }
        break;
    case mtLightweight:
        if (kind <= mkCeramic4) {
            fxk1 = 0.10;
            fxk2 = 0.10;
        } else if (kind == mkAAC) {
            fxk1 = 0.10;
            fxk2 = 0.15;
        }
        break;
    default:
        break;
    }
}

namespace {

constexpr double SpanFactor = 1.05; // effective span / clear span
constexpr int ModelCount = 9;

double BeamDivisor(int code) { return code == 1 ? 16.0 : code == 2 ? 2.0 : 8.0; }
bool IsBeamCode(int code) { return code >= 0 && code <= 2; }

// Beam code of a span from the codes of its two edges: a fixed edge makes a
// cantilever, two supported edges a simply supported beam, two fixed edges a
// beam fixed at both ends.
int BeamCodeOfEdges(u8 a, u8 b)
{
    int code = -1;
    if (a == 2 || b == 2) code = 2;
    if (a >= 1 && b >= 1) code = 0;
    if (a == 2 && b == 2) code = 1;
    return code;
}

void AddOutOfTablesLine(TTraceLines& lines, double hl)
{
    lines.add("stosunek wymiarów płyty muru (h/l = ", Val(3, hl), ") poza zakresem tablic B.1 normy murowej");
}

u8 Fail(TTraceLines& lines, u8 error)
{
    AddErrorLine(lines, error);
    return error;
}

// What the strips of one division share.
struct StripCheck {
    TTraceLines& lines;
    TCalcResults& results;
    bool vertical;      // variant of the division
    int letterBase;     // letters of this division start after it
    double wallL;       // wall length [cm]
    double wd;          // design wind pressure [kN/m2]
    double t;           // thickness [m]
    bool allowThick;    // zezwolB25
    double maxU = -1.0; // utilisation of the decisive strip so far
};

// Checks strip j (1-based) of the current division.
u8 CheckStrip(StripCheck& c, int j)
{
    TCalcResults& r = c.results;
    TWallPlate& p = r.Plates[j - 1];
    const char X = static_cast<char>('A' + c.letterBase + j - 1);
    const double L = p.L;
    const double H = p.H;
    c.lines.add("Płyta ", X, ":");
    c.lines.add("wymiary płyty L = ", Val(2, L / 100), " m x H = ", Val(2, H / 100), " m");
    c.lines.add("szerokość pasma obciążenia wiatrem a_w = ", Val(2, p.a_w / 100), " m");
    const double s = c.vertical ? p.a_w / L : p.a_w / H;

    const int k = p.SupportCase;
    u8 isTable = 0;
    int vb = -1;
    int hb = -1;
    double alpha = 0;
    if (k != -1) {
        u8 el = p.EdgeLeft, er = p.EdgeRight, et = p.EdgeTop, eb = p.EdgeBottom;
        SelectAlphaTable(2, k, isTable, H, L, r.mu, r.f_xd1, r.f_xd2, vb, hb, alpha, el, er, et, eb);
        if (c.vertical && isTable && p.x + L == c.wallL) std::swap(el, er);
        p.EdgeLeft = el;
        p.EdgeRight = er;
        p.EdgeTop = et;
        p.EdgeBottom = eb;
        if (!isTable) {
            AddOutOfTablesLine(c.lines, H / L);
            r.DecisivePlate = j; // the report names the strip that stopped
            return 35;
        }
    } else {
        hb = BeamCodeOfEdges(p.EdgeLeft, p.EdgeRight);
        vb = BeamCodeOfEdges(p.EdgeTop, p.EdgeBottom);
    }

    const char* beam = nullptr; // the scheme of a strip that is no table plate
    double M1 = 0;
    double M2 = 0;
    if (isTable) {
        if (!c.allowThick && c.t > 0.25) {
            r.DecisivePlate = j;
            return Fail(c.lines, 23);
        }
        c.lines.add("schemat: płyta -> h/l = ", Val(3, H / L), ", schemat ", k + 1,
                    " -> współczynnik alfa = ", Val(5, alpha));
        // Both planes over the strip's length L, as the orthogonal-ratio method has it.
        const double span = SpanFactor * L / 100;
        M2 = alpha * c.wd * s * span * span;
        M1 = r.mu * alpha * c.wd * s * span * span;
    } else if (!c.vertical) {
        p.EdgeTop = 0;
        p.EdgeBottom = 0;
        beam = hb == 1   ? "belka pozioma obustronnie utwierdzona"
               : hb == 2 ? "belka pozioma wspornikowa"
                         : "belka pozioma wolnopodparta";
        c.lines.add("schemat: ", beam);
        const double span = SpanFactor * L / 100;
        M2 = c.wd * s * span * span / BeamDivisor(hb);
    } else {
        p.EdgeLeft = 0;
        p.EdgeRight = 0;
        beam = vb == 1   ? "belka pionowa obustronie utwierdzona"
               : vb == 2 ? "belka pionowa wspornikowa"
                         : "belka pionowa wolnopodparta";
        c.lines.add("schemat: ", beam);
        const double span = SpanFactor * H / 100;
        M1 = c.wd * s * span * span / BeamDivisor(vb);
    }
    if (!AllFinite({M1, M2})) return Fail(c.lines, ceInvalidInput); // a sliver of a strip

    const auto parallel = [&](const char* lead) {
        c.lines.add("Moment w płaszczyźnie równoległej do spoin wspornych M_Sd,", X, " = ", Val(3, M1),
                    " kNm/mb");
        c.lines.add(lead, Val(2, 100 * std::fabs(M1) / r.M_Rd1), " %");
    };
    const auto perpendicular = [&](const char* lead) {
        c.lines.add("Moment w płaszczyźnie prostopadłej do spoin wspornych M_Sd,", X, " = ", Val(3, M2),
                    " kNm/mb");
        c.lines.add(lead, Val(2, 100 * std::fabs(M2) / r.M_Rd2), " %");
    };
    double u = 0;
    if (!c.vertical) {
        if (isTable) parallel("  wykorzystanie nośności płyty ");
        perpendicular("-> wykorzystanie nośności płyty ");
        u = std::fabs(M2) / r.M_Rd2;
    } else {
        if (isTable) perpendicular("  wykorzystanie nośności płyty ");
        parallel("-> wykorzystanie nośności płyty ");
        u = std::fabs(M1) / r.M_Rd1;
    }

    if (u > c.maxU) {
        c.maxU = u;
        r.DecisivePlate = j;
        if (beam) r.SchemeName = beam;
        else r.SchemeName = "płyta nr " + std::to_string(k + 1);
        r.IsTablePlate = isTable;
        if (isTable) r.alpha = alpha;
        r.HorizontalBeam = c.vertical ? -1 : hb;
        r.VerticalBeam = c.vertical ? vb : -1;
        r.M_Sd1 = M1;
        r.M_Sd2 = M2;
    }
    return 0;
}

bool HorizontalUsable(const TCalcResults& r)
{
    if (r.PlateCount < 1) return false;
    for (int j = 0; j < r.PlateCount; ++j)
        if (r.Plates[j].EdgeLeft + r.Plates[j].EdgeRight < 2) return false;
    return true;
}

bool VerticalUsable(const TCalcResults& r)
{
    if (r.PlateCount < 1) return false;
    for (int j = 0; j < r.PlateCount; ++j)
        if (r.Plates[j].EdgeTop + r.Plates[j].EdgeBottom < 2) return false;
    return true;
}

} // namespace

u8 CalcWallHorizontal(TTraceLines& lines, const TCalcInput& input, TCalcResults& results)
{
    lines.clear();
    lines.add("ŚCIANA OBCIĄŻONA POZIOMO:");

    const double tCm = input.t;
    const double lCm = input.l;
    const double hCm = input.h;
    const double wd = input.wd_kNm2;
    const double fb = input.fb;
    const int kind = static_cast<int>(input.RodzajElementuM);
    const int mortarType = static_cast<int>(input.RodzajZaprawy);
    const int mortarClass = static_cast<int>(input.KlasaZaprawy);
    const int supportCase = static_cast<int>(input.SchematPlytySciany);
    int model = static_cast<int>(input.SchematScianyTyp);
    if (!AllFinite({tCm, lCm, hCm, wd, fb})) return Fail(lines, ceInvalidInput);
    // A damaged opening is refused here; the fitting to the wall would drop it.
    if (input.ScianaZOtworami != 0) {
        for (int k = 0; k < OpeningCount(input); ++k) {
            const TOpening o = input.Okna[k];
            if (!AllFinite({o.x, o.y, o.l, o.h})) return Fail(lines, ceInvalidInput);
        }
    }
    if (!(tCm > 0) || !(lCm > 0) || !(hCm > 0)) return Fail(lines, ceGeometry);
    if (input.SchematScianyTyp >= ModelCount || !IsValidMaterialKind(kind) ||
        input.RodzajZaprawy >= MortarTypeCount ||
        (model == 2 && input.SchematPlytySciany >= static_cast<u32>(AlphaTableCount)))
        return Fail(lines, ceInvalidInput);

    DivideHorizontalStrips(input, results);
    results.SchemeName.clear();
    results.HLOutOfRange = 0;

    if (results.PlateCount > 0 && model == 3) {
        lines.add("Zdefiniowano otwory w ścianie rozpiętej łukowo -> będzie obliczana jak belka w kierunku poziomym.");
        model = 0;
    } else if (results.PlateCount > 0 && model == 4) {
        lines.add("Zdefiniowano otwory w ścianie rozpiętej łukowo -> będzie obliczana jak belka w kierunku pionowym.");
        model = 1;
    }
    if (lCm / tCm > 20 && model == 3) {
        lines.add("Smukłość ściany l/t = ", Val(2, lCm / tCm),
                  " > 20. Ściana rozpięta łukowo będzie obliczana jak belka w kierunku poziomym.");
        model = 0;
    }
    if (hCm / tCm > 20 && model == 4) {
        lines.add("Smukłość ściany h/t = ", Val(2, hCm / tCm),
                  " > 20. Ściana rozpięta łukowo będzie obliczana jak belka w kierunku pionowym.");
        model = 1;
    }
    // the arch checks read no model of their own
    if (model == 3) return CalcArchHorizontalSupports(lines, input, results);
    if (model == 4) return CalcArchVerticalSupports(lines, input, results);

    lines.emplace_back();
    results.Arch = 0;
    const double t = tCm / 100;
    const double l = lCm / 100;
    const double h = hCm / 100;

    const int material = MaterialOfKind(kind);
    AddWallMaterialLine(lines, material, MaterialGroup(kind));
    if (kind == mkAAC)
        lines.add("Znormalizowana wytrzymałość elementu murowego na ściskanie f_b = ", Val(2, fb), " MPa");
    const double f_m = MortarStrength(mortarClass);
    const std::string mortar = MortarText(mortarType, mortarClass, static_cast<int>(input.ZaprawaTyp));
    if (mortarType == mtThinLayer) lines.add("zaprawa: ", mortar);
    else lines.add("zaprawa: ", mortar, " ->  fm = ", Val(2, f_m / 1e6), " MPa");

    // The bending check needs no compressive strength; the input report shows it.
    results.f_k = CharacteristicCompressiveStrength(kind, mortarClass, mortarType, fb,
                                                    input.spoina_podluzna != 0);
    if (results.f_k > 0) results.Reached |= cpStrength; // 0: a unit and mortar without K

    double f_xk1 = 0, f_xk2 = 0;
    CharacteristicFlexuralStrengths(kind, mortarType, f_m, fb, f_xk1, f_xk2);
    lines.add("Wytrzymałość charakterystyczna muru na zginanie w płaszczyźnie równoleglej do spoin wspornych f_xk1 = ",
              Val(2, f_xk1), " MPa");
    lines.add("Wytrzymałość charakterystyczna muru na zginanie w płaszczyźnie prostopadłej do spoin wspornych f_xk2 = ",
              Val(2, f_xk2), " MPa");

    lines.emplace_back();
    lines.add("Grubość ściany t = ", Val(1, t * 100), " cm");
    lines.add("Szerokość ściany b = ", Val(1, l * 100), " cm");
    lines.add("Wysokość ściany h = ", Val(1, h * 100), " cm");
    results.A = t * l;
    lines.add("Pole przekroju poprzecznego ściany  A = ", Val(3, results.A), " m2");
    lines.emplace_back();

    double gamma_m = 0;
    if (input.sytuacja == 2)
        gamma_m = 1.3;
    else if (input.KategoriaWykElementu == 0) {
        if (input.ZaprawaTyp == 1)
            gamma_m = input.KategoriaWykRobot == 0 ? 1.7 : 2.0;
        else
            gamma_m = input.KategoriaWykRobot == 0 ? 2.0 : 2.2;
    } else {
        gamma_m = input.KategoriaWykRobot == 0 ? 2.2 : 2.5;
    }
    results.gamma_m = gamma_m;
    results.Reached |= cpPartialFactor;
    lines.add("Przyjęto gamma_m = ", Val(1, gamma_m));

    if (results.A < 0.3) {
        const double eta_A = SmallAreaFactor(results.A);
        lines.add("Ponieważ A<", Val(1, 0.3), " m2 -> eta_A = ", Val(2, eta_A));
        results.f_xd1 = f_xk1 / (gamma_m * eta_A);
        results.f_xd2 = f_xk2 / (gamma_m * eta_A);
        lines.add("Wytrzymałość muru na ściskanie  f_xd1 = f_xk1/(gamma_m*eta_A) = ", Val(3, results.f_xd1),
                  " MPa");
        lines.add("Wytrzymałość muru na ściskanie  f_xd2 = f_xk2/(gamma_m*eta_A) = ", Val(3, results.f_xd2),
                  " MPa");
    } else {
        results.f_xd1 = f_xk1 / gamma_m;
        results.f_xd2 = f_xk2 / gamma_m;
        lines.add("Wytrzymałość muru na zginanie  f_xd1 = f_xk1/gamma_m = ", Val(3, results.f_xd1), " MPa");
        lines.add("Wytrzymałość muru na zginanie  f_xd2 = f_xk2/gamma_m = ", Val(3, results.f_xd2), " MPa");
    }
    // A unit and mortar without flexural strengths has no mu and no resistance.
    if (!(results.f_xd1 > 0) || !(results.f_xd2 > 0)) return Fail(lines, ceInvalidInput);
    results.mu = results.f_xd1 / results.f_xd2;
    results.Reached |= cpDesignStrength;

    const bool divided = results.PlateCount != 0;
    TWallPlate& wall = results.Plates[0];
    if (!divided) {
        SelectAlphaTable(model, supportCase, results.IsTablePlate, h, l, results.mu, results.f_xd1,
                         results.f_xd2, results.VerticalBeam, results.HorizontalBeam, results.alpha,
                         wall.EdgeLeft, wall.EdgeRight, wall.EdgeTop, wall.EdgeBottom);
        if (!results.IsTablePlate && results.VerticalBeam == -1 && results.HorizontalBeam == -1)
            return Fail(lines, ceGeometry);
        if (model == 2 && !results.IsTablePlate) {
            results.HLOutOfRange = 1;
            AddOutOfTablesLine(lines, h / l);
            return 35;
        }
        if (results.IsTablePlate) {
            if (input.zezwolB25 == 0 && t > 0.25) return Fail(lines, 23);
            lines.add("Ortogonalny stosunek wytrzymałości muru na zginanie  mi = ", Val(3, results.mu));
            lines.add("schemat: płyta -> h/l = ", Val(3, h / l), " -> współczynnik alfa = ",
                      Val(5, results.alpha));
        }
    }

    lines.emplace_back();
    results.W1 = t * t / 6;
    lines.add("Wskaźnik wytrzymałości przekroju W = ", Val(1, results.W1 * 1e6), " cm3/mb");
    results.M_Rd1 = results.f_xd1 * 1000 * results.W1;
    results.W2 = t * t / 6;
    results.M_Rd2 = results.f_xd2 * 1000 * results.W2;
    const bool table = results.IsTablePlate != 0;
    if (table || IsBeamCode(results.VerticalBeam) || divided)
        lines.add("Nośność obliczeniowa przekroju na zginanie w płaszczyźnie równoleglej do spoin wspornych MRd1 = ",
                  Val(3, results.M_Rd1), " kNm/mb");
    if (table || IsBeamCode(results.HorizontalBeam) || divided)
        lines.add("Nośność obliczeniowa przekroju na zginanie w płaszczyźnie prostopadłej do spoin wspornych MRd2 = ",
                  Val(3, results.M_Rd2), " kNm/mb");

    if (!divided) {
        const double spanL = SpanFactor * l;
        const double spanH = SpanFactor * h;
        results.M_Sd2 = table ? results.alpha * wd * spanL * spanL
                              : wd * spanL * spanL / BeamDivisor(results.HorizontalBeam);
        if (table || IsBeamCode(results.HorizontalBeam)) {
            lines.add("Moment w płaszczyźnie prostopadłej do spoin wspornych M_Sd = ", Val(3, results.M_Sd2),
                      " kNm/mb");
            lines.add("  wykorzystanie nośności płyty ", Val(2, 100 * results.M_Sd2 / results.M_Rd2), " %");
        }
        // The plate's moment in the parallel plane comes from the same span l
        // (mu alpha w l^2); a vertical beam spans h.
        results.M_Sd1 = table ? results.mu * results.alpha * wd * spanL * spanL
                              : wd * spanH * spanH / BeamDivisor(results.VerticalBeam);
        if (table || IsBeamCode(results.VerticalBeam)) {
            lines.add("Moment w płaszczyźnie równoległej do spoin wspornych M_Sd = ", Val(3, results.M_Sd1),
                      " kNm/mb");
            lines.add("  wykorzystanie nośności płyty ", Val(2, 100 * results.M_Sd1 / results.M_Rd1), " %");
        }
        return 0;
    }

    // Wall with openings: horizontal strips, then vertical strips; the more
    // unfavourable division stands.
    results.PlateLetterBase = 0;
    results.VerticalDivision = 0;
    int base = 0;
    lines.emplace_back();
    lines.add("Podział na pasma poziome:");
    StripCheck check{lines, results, false, 0, lCm, wd, t, input.zezwolB25 != 0};
    const bool horizontalUsable = HorizontalUsable(results);
    if (!horizontalUsable) {
        lines.add("Nie można podzielić na pasma poziome");
    } else {
        results.DecisivePlate = 1;
        base = results.PlateCount;
        for (int j = 1; j <= results.PlateCount; ++j)
            if (const u8 e = CheckStrip(check, j); e != 0) return e;
    }
    const double maxH = check.maxU;
    const TCalcResults saved = results;

    lines.emplace_back();
    lines.add("Podział na pasma pionowe:");
    DivideVerticalStrips(input, results);
    const bool verticalUsable = VerticalUsable(results);
    double maxV = -1.0;
    if (!verticalUsable) {
        lines.add("Nie można podzielić na pasma pionowe");
    } else {
        results.PlateLetterBase = base;
        results.VerticalDivision = 1;
        StripCheck vcheck{lines, results, true, base, lCm, wd, t, input.zezwolB25 != 0};
        for (int j = 1; j <= results.PlateCount; ++j)
            if (const u8 e = CheckStrip(vcheck, j); e != 0) return e;
        maxV = vcheck.maxU;
    }

    if (horizontalUsable && !verticalUsable) {
        results = saved;
    } else if (horizontalUsable && verticalUsable) {
        lines.emplace_back();
        if (maxV < maxH) {
            lines.add("Podział na części składowe poziome jest bardziej niekorzystny");
            results = saved;
        }
    } else if (!horizontalUsable && !verticalUsable) {
        return Fail(lines, 29);
    }
    return 0;
}

} // namespace orv
