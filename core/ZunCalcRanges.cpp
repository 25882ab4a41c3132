// Editor ranges of the numbers the design cases read, and the check of the
// results. A project file may hold any double; a case is calculated only
// from values the element editor could have stored.
#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <type_traits>
#include <vector>

#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunCaseSetup.h"
#include "core/ZunEditor.h"
#include "core/ZunOpenings.h"

namespace orv {

namespace {

static_assert(std::is_standard_layout_v<TCalcInput>);

// When a case reads a field.
enum TUse : u8 {
    uAlways,
    uExternal,     // external wall
    uInternal,     // internal wall
    uRingBeams,    // external wall with ring-beam widths given
    uStiffened,    // wall stiffened along one or both vertical edges
    uGsComputed,   // self weight from the density
    uGsGiven,      // self weight given
    uSecondLoad,   // two or three concentrated loads
    uThirdLoad,    // three concentrated loads
    uOwnJointWalls,       // walls above and below of their own
    uIdenticalJointWalls, // walls above and below taken from the wall
    uOpening1,     // opening 1 in use; uOpening1 + k for opening k + 1
};

// A field a case reads: an input field of the editor (its range and name are
// the editor's), or a value the editor does not range, which only has to be
// finite (or positive), named here.
struct TFieldRange {
    const char* field;  // control name in the editor's table, or nullptr
    std::size_t offset; // of the f64 when field is nullptr (the record is packed)
    u8 use;
    // the range and the name when field is nullptr
    double min = -std::numeric_limits<double>::infinity();
    double max = std::numeric_limits<double>::infinity();
    const char* quantity = nullptr;
    const char* unit = "";
    int decimals = 2;
};

#define ORV_FIELD(member) offsetof(TCalcInput, member)
#define ORV_FINITE(member, use, quantity, unit, decimals)                                   \
    {nullptr, ORV_FIELD(member), use, -std::numeric_limits<double>::infinity(),            \
     std::numeric_limits<double>::infinity(), quantity, unit, decimals}
#define ORV_POSITIVE(member, use, quantity, unit, decimals)                                 \
    {nullptr, ORV_FIELD(member), use, std::numeric_limits<double>::denorm_min(),           \
     std::numeric_limits<double>::infinity(), quantity, unit, decimals}

// Shared groups.
constexpr TFieldRange WallGeometry[] = {
    {"t1a", 0, uAlways},
    {"l1", 0, uAlways},
    {"h1a", 0, uAlways},
};
// f_b: above 0 here, its upper limit follows the unit kind and the mortar.
constexpr TFieldRange Masonry[] = {
    ORV_POSITIVE(fb, uAlways, StrengthQuantity, "MPa", 1),
};
constexpr TFieldRange DensitySelfWeight[] = {
    {"ro_muru1", 0, uGsComputed},
    ORV_FINITE(gf_muru, uGsComputed, "współczynnik obciążenia γ_f", "", 2),
};
constexpr TFieldRange VerticalWall[] = {
    {"l_usztw1", 0, uStiffened},
    {"ag1", 0, uRingBeams},
    {"ad1", 0, uRingBeams},
    {"Gs1", 0, uGsGiven},
    {"Nod1", 0, uAlways},
    {"wd1", 0, uExternal},
    {"wd2", 0, uExternal},
};

// Case 0.
constexpr TFieldRange SlabReactions[] = {
    {"Nsld1", 0, uAlways},
    {"Nspd1", 0, uInternal},
};

// Case 1: the members of the two joints; 4 and 7 belong to an internal wall.
// The walls above and below taken from the wall have J = t^3 b / 12, no
// typed value: it is held only to being finite and positive.
constexpr TFieldRange Joints[] = {
    {"J2", 0, uOwnJointWalls}, {"J5", 0, uOwnJointWalls},
    ORV_POSITIVE(J2, uIdenticalJointWalls, "moment bezwładności ściany górnej J_2", "cm⁴", 1),
    ORV_POSITIVE(J5, uIdenticalJointWalls, "moment bezwładności ściany dolnej J_5", "cm⁴", 1),
    {"J3", 0, uAlways},   {"J4", 0, uInternal},
    {"J6", 0, uAlways},   {"J7", 0, uInternal}, {"h2", 0, uAlways},   {"l3", 0, uAlways},
    {"l4", 0, uInternal}, {"h5", 0, uAlways},   {"l6", 0, uAlways},   {"l7", 0, uInternal},
    {"E2", 0, uAlways},   {"E5", 0, uAlways},
    // the slab moduli come from a list of concrete classes or free text
    ORV_FINITE(E3, uAlways, "moduł sprężystości stropu górnego E_3", "GPa", 1),
    ORV_FINITE(E4, uInternal, "moduł sprężystości stropu górnego lewego E_4", "GPa", 1),
    ORV_FINITE(E6, uAlways, "moduł sprężystości stropu dolnego E_6", "GPa", 1),
    ORV_FINITE(E7, uInternal, "moduł sprężystości stropu dolnego lewego E_7", "GPa", 1),
    {"g3d", 0, uAlways},   {"p3d", 0, uAlways},   {"g4d", 0, uInternal}, {"p4d", 0, uInternal},
    {"g6d", 0, uAlways},   {"p6d", 0, uAlways},   {"g7d", 0, uInternal}, {"p7d", 0, uInternal},
};

// Case 2: the wind and the openings (positions and sizes within what the
// grid and the opening dialog store; the check fits them to the wall).
#define ORV_OPENING_VALUE(member, k, quantity)                                                   \
    {nullptr, ORV_FIELD(member), u8(uOpening1 + k), 0, OpeningValueMax, quantity, "cm", 1}
#define ORV_OPENING(k, nr)                                                                       \
    ORV_OPENING_VALUE(Okna[k].x, k, "otwór nr " nr ": x_otw"),                                   \
        ORV_OPENING_VALUE(Okna[k].y, k, "otwór nr " nr ": y_otw"),                               \
        ORV_OPENING_VALUE(Okna[k].l, k, "otwór nr " nr ": l_otw"),                               \
        ORV_OPENING_VALUE(Okna[k].h, k, "otwór nr " nr ": h_otw")
constexpr TFieldRange HorizontalLoad[] = {
    {"wd_kNm2", 0, uAlways},
    ORV_OPENING(0, "1"), ORV_OPENING(1, "2"), ORV_OPENING(2, "3"), ORV_OPENING(3, "4"), ORV_OPENING(4, "5"),
};
#undef ORV_OPENING
#undef ORV_OPENING_VALUE

// Case 3: the check reads the bearing and the value of every load.
constexpr TFieldRange ConcentratedLoads[] = {
    {"Nsd1a", 0, uAlways},     {"aL1", 0, uAlways},      {"aT1", 0, uAlways},
    {"a11", 0, uAlways},       {"hN1", 0, uAlways},      {"NSd2", 0, uSecondLoad},
    {"aL2", 0, uSecondLoad},   {"aT2", 0, uSecondLoad},  {"a12", 0, uSecondLoad},
    {"hN2", 0, uSecondLoad},   {"NSd3", 0, uThirdLoad},  {"aL3", 0, uThirdLoad},
    {"aT3", 0, uThirdLoad},    {"a13", 0, uThirdLoad},   {"hN3", 0, uThirdLoad},
};

// Case 4: its own thickness field allows 5 cm.
constexpr TFieldRange BasementWall[] = {
    {"t1b", 0, uAlways},    {"l1", 0, uAlways},  {"h1b", 0, uAlways}, {"N0_mb1", 0, uAlways},
    {"Gs_mb1", 0, uGsGiven}, {"he1", 0, uAlways}, {"be1", 0, uAlways}, {"ro_e1", 0, uAlways},
};

// Case 5.
constexpr TFieldRange Column[] = {
    {"t1c", 0, uAlways},   {"t2", 0, uAlways},    {"h1c", 0, uAlways},   {"NSd1b", 0, uAlways},
    {"Gs_s1", 0, uGsGiven}, {"Msdx1", 0, uAlways}, {"Msdy1", 0, uAlways},
};

#undef ORV_POSITIVE
#undef ORV_FINITE
#undef ORV_FIELD

using TGroups = std::span<const std::span<const TFieldRange>>;

constexpr std::span<const TFieldRange> Case0[] = {WallGeometry, Masonry, DensitySelfWeight, VerticalWall,
                                                  SlabReactions};
constexpr std::span<const TFieldRange> Case1[] = {WallGeometry, Masonry, DensitySelfWeight, VerticalWall,
                                                  Joints};
constexpr std::span<const TFieldRange> Case2[] = {WallGeometry, Masonry, HorizontalLoad};
constexpr std::span<const TFieldRange> Case3[] = {WallGeometry, Masonry, ConcentratedLoads};
constexpr std::span<const TFieldRange> Case4[] = {Masonry, DensitySelfWeight, BasementWall};
constexpr std::span<const TFieldRange> Case5[] = {Masonry, DensitySelfWeight, Column};
constexpr TGroups CaseRanges[CalcCaseCount] = {Case0, Case1, Case2, Case3, Case4, Case5};

bool Applies(u8 use, const TCalcInput& in)
{
    switch (use) {
    case uAlways: return true;
    case uExternal: return in.ScianaZewnetrzna != 0;
    case uInternal: return in.ScianaZewnetrzna == 0;
    case uRingBeams: return in.ScianaZewnetrzna != 0 && in.def_szer_wiencow != 0;
    case uStiffened: return in.UsztywnienieSciany == 1 || in.UsztywnienieSciany == 2;
    case uGsComputed: return in.wylicz_Gs != 0;
    case uGsGiven: return in.wylicz_Gs == 0;
    case uSecondLoad: return in.LiczbaSilSkup == 2 || in.LiczbaSilSkup == 3;
    case uThirdLoad: return in.LiczbaSilSkup == 3;
    case uOwnJointWalls: return in.IdentyczneParametryScian != 1;
    case uIdenticalJointWalls: return in.IdentyczneParametryScian == 1;
    default: return in.ScianaZOtworami != 0 && use - uOpening1 < OpeningCount(in);
    }
}

// A field resolved once against the editor's table.
struct TResolvedRange {
    std::size_t offset;
    double min, max;
    u8 use;
    const char* quantity;
    const char* unit;
    int decimals;
};

std::vector<TResolvedRange> Resolve(std::span<const std::span<const TFieldRange>> groups)
{
    std::vector<TResolvedRange> out;
    for (std::span<const TFieldRange> group : groups)
        for (const TFieldRange& r : group) {
            if (!r.field) {
                out.push_back({r.offset, r.min, r.max, r.use, r.quantity, r.unit, r.decimals});
                continue;
            }
            const TNumericField* f = FindNumericField(r.field);
            assert(f && "a case reads a field the editor does not have");
            if (f) out.push_back({f->offset, f->min, f->max, r.use, f->quantity, f->unit, f->decimals});
        }
    return out;
}

bool InRange(const TResolvedRange& r, const TCalcInput& in)
{
    const double v = ReadField(in, r.offset);
    return std::isfinite(v) && v >= r.min && v <= r.max;
}

// The uses that apply to an element, one bit each: decided once, not per field.
std::uint32_t AppliedUses(const TCalcInput& in)
{
    constexpr int UseCount = uOpening1 + MaxOpenings;
    static_assert(UseCount <= 32);
    std::uint32_t mask = 0;
    for (int use = 0; use < UseCount; ++use)
        if (Applies(static_cast<u8>(use), in)) mask |= 1u << use;
    return mask;
}

// A self weight computed from the dimensions is shown and stored in the
// field of an entered one, so it keeps that field's range; false and the
// fault when it leaves it.
bool ComputedWeightInRange(int calcCase, const TCalcInput& in, TRangeFault& fault)
{
    if (in.wylicz_Gs == 0) return true;
    static const TNumericField* const wall = FindNumericField("Gs1");
    static const TNumericField* const basement = FindNumericField("Gs_mb1");
    static const TNumericField* const column = FindNumericField("Gs_s1");
    const TNumericField* f = nullptr;
    double weight = 0;
    switch (calcCase) {
    case ccWallVerticalHinged:
    case ccWallVerticalContinuous: f = wall, weight = ComputedWallWeight(in); break;
    case ccBasementWall: f = basement, weight = ComputedBasementWeight(in); break;
    case ccColumn: f = column, weight = ComputedColumnWeight(in); break;
    default: return true;
    }
    if (std::isfinite(weight) && weight >= f->min && weight <= f->max) return true;
    fault = {f->quantity, f->unit, f->decimals, weight, f->min, f->max, false};
    return false;
}

} // namespace

void RangeFaultTexts(const TRangeFault& fault, std::string& valueText, std::string& limitText)
{
    const double v = fault.value;
    const std::string unit = *fault.unit ? std::string(" ") + fault.unit : std::string();
    valueText = std::string(fault.quantity ? fault.quantity : "") + " = " +
                (std::isfinite(v) ? FormatFixed(fault.decimals, v) + unit : "?");
    // a value that is no number has no limit to name
    if (!std::isfinite(v)) {
        limitText.clear();
        return;
    }
    if (fault.positiveOnly) {
        limitText = "Wartość musi być większa od 0.";
        return;
    }
    const bool below = v < fault.min;
    limitText = RangeLimitLine(below, below ? fault.min : fault.max, fault.decimals) + unit;
}

bool FindInputOutOfRange(int calcCase, const TCalcInput& input, TRangeFault& fault)
{
    if (calcCase < 0 || calcCase >= CalcCaseCount) return false;
    static const std::vector<TResolvedRange> resolved[CalcCaseCount] = {
        Resolve(CaseRanges[0]), Resolve(CaseRanges[1]), Resolve(CaseRanges[2]),
        Resolve(CaseRanges[3]), Resolve(CaseRanges[4]), Resolve(CaseRanges[5])};
    // Every case reads f_b first; its upper limit follows the unit kind and mortar.
    if (input.fb > UnitStrengthLimit(input)) {
        fault = StrengthFault(input);
        return true;
    }
    const std::uint32_t uses = AppliedUses(input);
    for (const TResolvedRange& r : resolved[calcCase])
        if ((uses >> r.use & 1u) != 0 && !InRange(r, input)) {
            const bool positiveOnly = r.min == std::numeric_limits<double>::denorm_min();
            fault = {r.quantity, r.unit, r.decimals, ReadField(input, r.offset), r.min, r.max, positiveOnly};
            return true;
        }
    // The weight follows from values in range, so it is named after them.
    return !ComputedWeightInRange(calcCase, input, fault);
}

bool CaseInputInRange(int calcCase, const TCalcInput& input)
{
    if (calcCase < 0 || calcCase >= CalcCaseCount) return false;
    TRangeFault fault;
    return !FindInputOutOfRange(calcCase, input, fault);
}

bool ResultsFinite(const TCalcResults& r)
{
    // The dispatcher starts from the empty record, so the fields a case
    // leaves alone hold 0 and every double can be looked at.
    static constexpr double TCalcResults::*Fields[] = {
        &TCalcResults::A,        &TCalcResults::f_k,      &TCalcResults::gamma_m,
        &TCalcResults::f_d,      &TCalcResults::eta_A,    &TCalcResults::h_eff,
        &TCalcResults::h_eff_y,
        &TCalcResults::SlendernessLimit,
        &TCalcResults::e_1,      &TCalcResults::e_2,      &TCalcResults::e_m,
        &TCalcResults::Phi_1,    &TCalcResults::N_1d,     &TCalcResults::Phi_2,
        &TCalcResults::N_2d,     &TCalcResults::Phi_m,    &TCalcResults::N_md,
        &TCalcResults::e_a,      &TCalcResults::N_1Rd,    &TCalcResults::N_2Rd,
        &TCalcResults::N_mRd,    &TCalcResults::f_xd1,    &TCalcResults::f_xd2,
        &TCalcResults::sigma_cd,
        &TCalcResults::W1,       &TCalcResults::W2,       &TCalcResults::M_Sd1,
        &TCalcResults::M_Sd2,    &TCalcResults::M_Rd1,    &TCalcResults::M_Rd2,
        &TCalcResults::mu,       &TCalcResults::alpha,    &TCalcResults::beta,
        &TCalcResults::A_b,      &TCalcResults::l_eff,    &TCalcResults::l_eff2,
        &TCalcResults::l_eff3,   &TCalcResults::N_Rd,     &TCalcResults::A_b2,
        &TCalcResults::A_b3,     &TCalcResults::beta2,    &TCalcResults::beta3,
        &TCalcResults::N_Rd2,    &TCalcResults::N_Rd3,    &TCalcResults::q_Rd,
        &TCalcResults::V_Sd,     &TCalcResults::V_Rd,     &TCalcResults::N_maxRd,
        &TCalcResults::N_minRd,  &TCalcResults::beta_A,   &TCalcResults::Phi_1y,
        &TCalcResults::N_1Rd_y,  &TCalcResults::Phi_my,   &TCalcResults::N_mRd_y,
        &TCalcResults::Phi_2y,   &TCalcResults::N_2Rd_y,  &TCalcResults::N_0Rd,
        &TCalcResults::N_1Rd_xy, &TCalcResults::N_mRd_xy, &TCalcResults::N_2Rd_xy,
    };
    for (double TCalcResults::*f : Fields)
        if (!std::isfinite(r.*f)) return false;
    // The plates of a divided wall; the others are not results.
    const int plates = std::clamp(r.PlateCount, 0, MaxWallPlates);
    for (int j = 0; j < plates; ++j) {
        const TWallPlate& p = r.Plates[j];
        if (!AllFinite({p.L, p.H, p.x, p.y, p.a_w})) return false;
    }
    return true;
}

} // namespace orv
