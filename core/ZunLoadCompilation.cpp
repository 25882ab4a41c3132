#include "core/ZunLoadCompilation.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/MyUtils.h"

namespace orv {
namespace {

double Metres(double v, int unit) { return v * LengthUnitFactor(unit, 0); }

bool ValidEntry(int entry) { return entry >= 1 && entry <= MaxStoreys; }

// F only ever grows by finite terms; one bad term would poison the sum.
double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

} // namespace

double LengthUnitFactor(int from, int to)
{
    static constexpr double kFactor[3][3] = {
        {1.0, 100.0, 1000.0},
        {0.01, 1.0, 10.0},
        {0.001, 0.1, 1.0},
    };
    auto index = [](int unit) { return (unit >= 0 && unit <= 2) ? unit : 0; };
    return kFactor[index(from)][index(to)];
}

const char* LengthUnitText(int unit)
{
    switch (unit) {
    case 1: return "cm";
    case 2: return "mm";
    default: return "m";
    }
}

int LengthUnitDecimals(int unit)
{
    switch (unit) {
    case 1: return 1;
    case 2: return 0;
    default: return 3;
    }
}

namespace {

// The per-storey arrays of a compilation, as offsets into the packed record.
struct TStoreyArray {
    std::size_t offset;
    std::size_t size; // of one storey's entry
};
#define ORV_STOREY(f) {offsetof(TLoadCompilation, f), sizeof(TLoadCompilation::f[0])}
constexpr TStoreyArray kStoreyArrays[] = {
    ORV_STOREY(h),        ORV_STOREY(t),       ORV_STOREY(bs),      ORV_STOREY(Q3),        ORV_STOREY(lo_L),
    ORV_STOREY(lo_P),     ORV_STOREY(Q6),      ORV_STOREY(Q7),      ORV_STOREY(gL),        ORV_STOREY(pL),
    ORV_STOREY(gP),       ORV_STOREY(pP),      ORV_STOREY(ro),      ORV_STOREY(ro_w),      ORV_STOREY(Gs),
    ORV_STOREY(Fp),       ORV_STOREY(Fl),      ORV_STOREY(gf_muru), ORV_STOREY(gf_w),      ORV_STOREY(Gw),
    ORV_STOREY(hw),       ORV_STOREY(tw),      ORV_STOREY(Unit_lo_L), ORV_STOREY(Unit_lo_P), ORV_STOREY(Unit_hw),
    ORV_STOREY(Unit_tw),  ORV_STOREY(Unit_h),  ORV_STOREY(Unit_bs), ORV_STOREY(Unit_t),    ORV_STOREY(Block),
    ORV_STOREY(strop_L),  ORV_STOREY(strop_P), ORV_STOREY(wieniec), ORV_STOREY(bs_ind),    ORV_STOREY(GsTyp),
    ORV_STOREY(GwTyp),    ORV_STOREY(SlTyp),   ORV_STOREY(SpTyp),   ORV_STOREY(twTyp),     ORV_STOREY(pPText),
    ORV_STOREY(pLText),   ORV_STOREY(roText),  ORV_STOREY(ro_wText), ORV_STOREY(gLText),   ORV_STOREY(gPText),
};
#undef ORV_STOREY

} // namespace

void CopyStorey(TLoadCompilation& l, int to, int from)
{
    if (!ValidEntry(to) || !ValidEntry(from) || to == from) return;
    const std::size_t d = std::size_t(to - 1), s = std::size_t(from - 1);
    char* base = reinterpret_cast<char*>(&l);
    for (const TStoreyArray& a : kStoreyArrays)
        std::memcpy(base + a.offset + d * a.size, base + a.offset + s * a.size, a.size);
}

void PropagateRepeatedStorey(TLoadCompilation& l)
{
    if (!l.kond_powtrz) return;
    for (int i = 2; i <= MaxStoreys; ++i) CopyStorey(l, i, 1);
}

double WallLineLoad(const TLoadCompilation& l, int e)
{
    const double t = Metres(l.t[e], l.Unit_t[e]);
    const double h = Metres(l.h[e], l.Unit_h[e]);
    const double weight = t * h * l.ro[e] * l.gf_muru[e];
    if (!l.bs_ind[e]) return weight;
    const double b = Metres(l.b, l.bUnit);
    if (!(b > 0) || !std::isfinite(b)) return 0.0;
    return weight * Metres(l.bs[e], l.Unit_bs[e]) / b;
}

double RingBeamLineLoad(const TLoadCompilation& l, int e)
{
    return Metres(l.tw[e], l.Unit_tw[e]) * Metres(l.hw[e], l.Unit_hw[e]) * l.ro_w[e] * l.gf_w[e];
}

double LeftFloorLineLoad(const TLoadCompilation& l, int e, bool basement)
{
    const double q = basement ? l.gL[e] : l.gL[e] + l.pL[e];
    return Metres(l.lo_L[e], l.Unit_lo_L[e]) * 0.5 * q;
}

double RightFloorLineLoad(const TLoadCompilation& l, int e, bool basement)
{
    const double q = basement ? l.gP[e] : l.gP[e] + l.pP[e];
    return Metres(l.lo_P[e], l.Unit_lo_P[e]) * 0.5 * q;
}

double RecalcUpperLoad(TLoadCompilation& l, bool basement)
{
    PropagateRepeatedStorey(l);
    const double B = basement ? 1.0 : Metres(l.b, l.bUnit);
    double F = Finite(l.F_dach * B);

    auto ringBeam = [&](int e) {
        if (l.GwTyp[e] == 0) l.Gw[e] = RingBeamLineLoad(l, e);
        if (l.wieniec[e]) F += Finite(l.Gw[e] * B);
    };
    auto floors = [&](int e) {
        if (l.SlTyp[e] == 0) l.Fl[e] = LeftFloorLineLoad(l, e, basement);
        if (l.strop_L[e]) F += Finite(l.Fl[e] * B);
        if (l.SpTyp[e] == 0) l.Fp[e] = RightFloorLineLoad(l, e, basement);
        if (l.strop_P[e]) F += Finite(l.Fp[e] * B);
    };

    const int n = std::clamp(int(l.StoreyCount), 1, MaxStoreys - 1);
    for (int e = 0; e < n; ++e) {
        ringBeam(e);
        // The wall itself has no switch: it always bears on the one below.
        if (l.GsTyp[e] == 0) l.Gs[e] = WallLineLoad(l, e);
        F += Finite(l.Gs[e] * B);
        floors(e);
    }
    // The slab over the basement: no wall of its own.
    if (basement) {
        ringBeam(BasementSlabEntry - 1);
        floors(BasementSlabEntry - 1);
    }
    return Finite(F);
}

std::string UpperLoadLine(double f, bool basement)
{
    return "Obciążenie z wyższych kondygnacji %BF = " + FormatFixed(2, Finite(f)) +
           (basement ? "%N kN/m" : "%N kN");
}

std::string LoadCompilationValuesFault(const TLoadCompilation& l)
{
    auto where = [](const char* name, int e) {
        return std::string(name) + (e + 1 == BasementSlabEntry ? " (strop nad piwnicą)"
                                                               : " (kondygnacja " + std::to_string(e + 1) + ")");
    };
    const std::string head = "Plik zawiera niepoprawne dane: ";
    if (!std::isfinite(l.b)) return head + "szerokość pasma b nie jest liczbą.";
    if (l.b < 0) return head + "ujemna szerokość pasma b.";
    if (!std::isfinite(l.F_dach)) return head + "obciążenie z dachu nie jest liczbą.";
    struct Row {
        const char* name;
        const f64* v;
        bool length;
    };
    const Row rows[] = {
        {"h", l.h, true},          {"t", l.t, true},          {"b", l.bs, true},
        {"lo_L", l.lo_L, true},    {"lo_P", l.lo_P, true},    {"hw", l.hw, true},
        {"tw", l.tw, true},        {"gL", l.gL, false},       {"pL", l.pL, false},
        {"gP", l.gP, false},       {"pP", l.pP, false},       {"ρ", l.ro, false},
        {"ρw", l.ro_w, false},     {"Gs", l.Gs, false},       {"Fp", l.Fp, false},
        {"Fl", l.Fl, false},       {"γf", l.gf_muru, false},  {"γf,w", l.gf_w, false},
        {"Gw", l.Gw, false},       {"γf,gL", l.Q6, false},    {"γf,gP", l.Q7, false},
    };
    for (int e = 0; e < MaxStoreys; ++e) {
        for (const Row& r : rows) {
            const double v = LoadPacked(r.v + e);
            if (!std::isfinite(v)) return head + where(r.name, e) + " nie jest liczbą.";
            if (r.length && v < 0) return head + "ujemna długość " + where(r.name, e) + ".";
        }
    }
    return {};
}

} // namespace orv
