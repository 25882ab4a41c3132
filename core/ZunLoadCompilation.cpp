#include "core/ZunLoadCompilation.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "core/MyUtils.h"

namespace orv {
namespace {

double Metres(double v, int unit) { return v * LengthUnitFactor(unit, 0); }

bool ValidEntry(int entry) { return entry >= 1 && entry <= MaxStoreys; }

// What is shown as a number is one.
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

namespace {

// One value a term is made of: the name the dialog's user knows it by and
// the value, a length in metres.
struct TInput {
    const char* name;
    double value;
};

// The line loads of the entries summed, as their modes compute them.
struct TDerived {
    std::optional<double> Gs, Gw, Fl, Fp;
};

// F walked term by term over a compilation that is only read. Entries are
// 0-based; with repeated storeys every entry reads entry 1.
class TUpperLoadSum {
public:
    TUpperLoadSum(const TLoadCompilation& l, bool basement) : l_(l), basement_(basement)
    {
        n_ = std::clamp(int(l.StoreyCount), 1, MaxStoreys - 1);
        b_ = Metres(l.b, l.bUnit);
        B_ = basement ? 1.0 : b_;
        roof();
        for (int e = 0; e < n_; ++e) {
            ringBeam(e);
            wall(e);
            floors(e);
        }
        // The slab over the basement: no wall of its own.
        if (basement) {
            ringBeam(BasementSlabEntry - 1);
            floors(BasementSlabEntry - 1);
        }
    }

    std::optional<double> F() const { return fault_.empty() ? std::optional<double>(F_) : std::nullopt; }
    const std::string& fault() const { return fault_; }
    const TDerived& derived(int e) const { return derived_[e]; }

private:
    int at(int e) const { return l_.kond_powtrz ? 0 : e; }

    std::string place(int e) const
    {
        if (l_.kond_powtrz) return "Kondygnacja powtarzalna";
        if (e + 1 == BasementSlabEntry) return "Strop nad piwnicą";
        return "Kondygnacja n+" + std::to_string(n_ - e);
    }

    void fail(const std::string& where, const std::string& what)
    {
        if (!fault_.empty()) return;
        fault_ = (where.empty() ? "" : where + ", ") + what + ".";
        // Every name starts with an ASCII letter.
        fault_[0] = char(std::toupper(static_cast<unsigned char>(fault_[0])));
    }

    // Every input a finite number and not negative.
    bool sound(const std::string& where, std::initializer_list<TInput> inputs)
    {
        for (const TInput& i : inputs) {
            const char* wrong = !std::isfinite(i.value) ? "wartość nie jest liczbą"
                              : i.value < 0             ? "wartość ujemna"
                                                        : nullptr;
            if (wrong) {
                fail(where, std::string(i.name) + ": " + wrong);
                return false;
            }
        }
        return true;
    }

    // F grows by the term when its inputs are sound and neither the term nor
    // the sum overflows; an overflow names the largest input.
    void add(const std::string& where, double term, std::initializer_list<TInput> inputs)
    {
        if (!sound(where, inputs)) return;
        const double sum = F_ + term;
        if (std::isfinite(term) && std::isfinite(sum)) {
            F_ = sum;
            return;
        }
        const TInput* largest = std::max_element(inputs.begin(), inputs.end(),
                                                 [](const TInput& x, const TInput& y) { return x.value < y.value; });
        fail(where, std::string(largest->name) + ": wartość zbyt duża");
    }

    void roof()
    {
        if (!basement_ && !sound("", {{"szerokość pasma obciążenia", b_}})) return;
        add("", l_.F_dach * B_, {{"obciążenie z dachu", l_.F_dach}, band()});
    }

    // The band a line load is taken over: b, or 1 m in the basement variant.
    TInput band() const { return {"szerokość pasma obciążenia", B_}; }

    void ringBeam(int e)
    {
        const int s = at(e);
        const std::string where = place(e);
        if (l_.GwTyp[s] == 0) {
            const TInput hw{"wysokość wieńca", Metres(l_.hw[s], l_.Unit_hw[s])};
            const TInput tw{"grubość wieńca", Metres(l_.tw[s], l_.Unit_tw[s])};
            const TInput ro{"ciężar własny wieńca", l_.ro_w[s]};
            const TInput gf{"współczynnik obciążenia wieńca", l_.gf_w[s]};
            const double Gw = tw.value * hw.value * ro.value * gf.value;
            derived_[e].Gw = Gw;
            if (l_.wieniec[s]) add(where, Gw * B_, {hw, tw, ro, gf, band()});
        } else if (l_.wieniec[s]) {
            add(where, l_.Gw[s] * B_, {{"obciążenie liniowe od ciężaru wieńca", l_.Gw[s]}, band()});
        }
    }

    // The wall has no switch: it always bears on the one below. With its
    // own width bs the wall variant takes its whole weight t·h·bs·ρ·γf over
    // the band, whatever b is; its line load over the band is that divided
    // by b, which the basement variant sums over 1 m.
    void wall(int e)
    {
        const int s = at(e);
        const std::string where = place(e);
        if (l_.GsTyp[s] != 0) {
            add(where, l_.Gs[s] * B_, {{"obciążenie liniowe od ciężaru ściany", l_.Gs[s]}, band()});
            return;
        }
        const TInput h{"wysokość ściany", Metres(l_.h[s], l_.Unit_h[s])};
        const TInput t{"grubość ściany", Metres(l_.t[s], l_.Unit_t[s])};
        const TInput ro{"ciężar własny ściany", l_.ro[s]};
        const TInput gf{"współczynnik obciążenia ściany", l_.gf_muru[s]};
        const double perMetre = t.value * h.value * ro.value * gf.value;
        if (!l_.bs_ind[s]) {
            derived_[e].Gs = perMetre;
            add(where, perMetre * B_, {h, t, ro, gf, band()});
            return;
        }
        const TInput bs{"szerokość ściany", Metres(l_.bs[s], l_.Unit_bs[s])};
        const double weight = perMetre * bs.value;
        const bool spread = b_ > 0 && std::isfinite(b_);
        derived_[e].Gs = spread ? weight / b_ : 0.0;
        if (!basement_) {
            add(where, weight, {h, t, bs, ro, gf});
        } else if (sound(where, {{"szerokość pasma obciążenia", b_}})) {
            if (spread) add(where, weight / b_, {h, t, bs, ro, gf, {"szerokość pasma obciążenia", b_}});
            else fail(where, "szerokość ściany: wymaga szerokości pasma obciążenia większej od 0");
        }
    }

    // Floors carry their permanent and variable loads on half their span;
    // the basement variant takes the permanent load alone.
    void floor(int e, bool leftSide)
    {
        const int s = at(e);
        const std::string where = place(e);
        const u8 present = leftSide ? l_.strop_L[s] : l_.strop_P[s];
        const i32 mode = leftSide ? l_.SlTyp[s] : l_.SpTyp[s];
        if (mode == 0) {
            const TInput lo{leftSide ? "rozpiętość lewego stropu" : "rozpiętość prawego stropu",
                            leftSide ? Metres(l_.lo_L[s], l_.Unit_lo_L[s]) : Metres(l_.lo_P[s], l_.Unit_lo_P[s])};
            const TInput g{leftSide ? "obciążenie stałe lewego stropu" : "obciążenie stałe prawego stropu",
                           leftSide ? l_.gL[s] : l_.gP[s]};
            const TInput p{leftSide ? "obciążenie zmienne lewego stropu" : "obciążenie zmienne prawego stropu",
                           basement_ ? 0.0 : leftSide ? l_.pL[s] : l_.pP[s]};
            const double line = lo.value * 0.5 * (g.value + p.value);
            (leftSide ? derived_[e].Fl : derived_[e].Fp) = line;
            if (present) add(where, line * B_, {lo, g, p, band()});
        } else if (present) {
            const TInput given{leftSide ? "obciążenie liniowe z lewego stropu" : "obciążenie liniowe z prawego stropu",
                               leftSide ? l_.Fl[s] : l_.Fp[s]};
            add(where, given.value * B_, {given, band()});
        }
    }

    void floors(int e)
    {
        floor(e, true);
        floor(e, false);
    }

    const TLoadCompilation& l_;
    bool basement_;
    int n_ = 1;
    double b_ = 0; // the band width [m]
    double B_ = 0; // what a line load is multiplied by
    double F_ = 0;
    std::string fault_;
    TDerived derived_[MaxStoreys];
};

// A computed line load is stored only as a number; one that is not counts
// in no sum, since its term is a fault.
void StoreDerived(f64* stored, const std::optional<double>& v)
{
    if (v) StorePacked(stored, std::isfinite(*v) ? *v : 0.0);
}

} // namespace

std::optional<double> RecalcUpperLoad(TLoadCompilation& l, bool basement)
{
    PropagateRepeatedStorey(l);
    const TUpperLoadSum sum(l, basement);
    for (int e = 0; e < MaxStoreys; ++e) {
        const TDerived& d = sum.derived(e);
        StoreDerived(l.Gs + e, d.Gs);
        StoreDerived(l.Gw + e, d.Gw);
        StoreDerived(l.Fl + e, d.Fl);
        StoreDerived(l.Fp + e, d.Fp);
    }
    return sum.F();
}

std::string UpperLoadFault(const TLoadCompilation& l, bool basement) { return TUpperLoadSum(l, basement).fault(); }

std::string UpperLoadLine(double f, bool basement)
{
    return "Obciążenie z wyższych kondygnacji %BF = " + FormatFixed(2, Finite(f)) +
           (basement ? "%N kN/m" : "%N kN");
}

} // namespace orv
