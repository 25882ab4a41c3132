// Editor ranges of the numbers the design cases read, and the check of the
// results. A project file may hold any double; a case is calculated only
// from values the element editor could have stored.
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <span>
#include <type_traits>

#include "core/ZunCalc.h"
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
    uOpening1,     // opening 1 in use; uOpening1 + k for opening k + 1
};

struct TFieldRange {
    std::size_t offset; // of the f64 in TCalcInput (the record is packed)
    double min;
    double max;
    u8 use;
};

constexpr double Any = std::numeric_limits<double>::infinity(); // any finite value

#define ORV_FIELD(member) offsetof(TCalcInput, member)

// Shared groups.
constexpr TFieldRange WallGeometry[] = {
    {ORV_FIELD(t), 10, 10000, uAlways},
    {ORV_FIELD(l), 10, 10000, uAlways},
    {ORV_FIELD(h), 5, 10000, uAlways},
};
constexpr TFieldRange Masonry[] = {
    {ORV_FIELD(fb), -Any, Any, uAlways},
};
constexpr TFieldRange DensitySelfWeight[] = {
    {ORV_FIELD(ro_muru), 0, 30, uGsComputed},
    {ORV_FIELD(gf_muru), -Any, Any, uGsComputed},
};
constexpr TFieldRange VerticalWall[] = {
    {ORV_FIELD(l_usztw), 5, 10000, uStiffened},
    {ORV_FIELD(ag), 10, 10000, uRingBeams},
    {ORV_FIELD(ad), 10, 10000, uRingBeams},
    {ORV_FIELD(Gs), 0, 200000, uGsGiven},
    {ORV_FIELD(Nod), 0, 200000, uAlways},
    {ORV_FIELD(wd), -100, 0, uExternal},
    {ORV_FIELD(wd2), 0, 100, uExternal},
};

// Case 0.
constexpr TFieldRange SlabReactions[] = {
    {ORV_FIELD(Nsld), 0, 200000, uAlways},
    {ORV_FIELD(Nspd), 0, 200000, uInternal},
};

// Case 1: the members of the two joints; 4 and 7 belong to an internal wall.
constexpr TFieldRange Joints[] = {
    {ORV_FIELD(J2), 0, 1e8, uAlways},   {ORV_FIELD(J3), 0, 1e8, uAlways},
    {ORV_FIELD(J4), 0, 1e8, uInternal}, {ORV_FIELD(J5), 0, 1e8, uAlways},
    {ORV_FIELD(J6), 0, 1e8, uAlways},   {ORV_FIELD(J7), 0, 1e8, uInternal},
    {ORV_FIELD(h2), 5, 10000, uAlways}, {ORV_FIELD(l3), 5, 10000, uAlways},
    {ORV_FIELD(l4), 5, 10000, uInternal}, {ORV_FIELD(h5), 5, 10000, uAlways},
    {ORV_FIELD(l6), 5, 10000, uAlways}, {ORV_FIELD(l7), 5, 10000, uInternal},
    {ORV_FIELD(E2), 0, 1e8, uAlways},   {ORV_FIELD(E5), 0, 1e8, uAlways},
    // the slab moduli come from a list of concrete classes or free text
    {ORV_FIELD(E3), -Any, Any, uAlways}, {ORV_FIELD(E4), -Any, Any, uInternal},
    {ORV_FIELD(E6), -Any, Any, uAlways}, {ORV_FIELD(E7), -Any, Any, uInternal},
    {ORV_FIELD(g3d), 0, 30, uAlways},   {ORV_FIELD(p3d), 0, 30, uAlways},
    {ORV_FIELD(g4d), 0, 30, uInternal}, {ORV_FIELD(p4d), 0, 30, uInternal},
    {ORV_FIELD(g6d), 0, 30, uAlways},   {ORV_FIELD(p6d), 0, 30, uAlways},
    {ORV_FIELD(g7d), 0, 30, uInternal}, {ORV_FIELD(p7d), 0, 30, uInternal},
};

// Case 2: the wind and the openings (positions and sizes in any finite value:
// the check fits them to the wall).
#define ORV_OPENING(k)                                                                     \
    {ORV_FIELD(Okna[k].x), -Any, Any, u8(uOpening1 + k)},                                  \
        {ORV_FIELD(Okna[k].y), -Any, Any, u8(uOpening1 + k)},                              \
        {ORV_FIELD(Okna[k].l), -Any, Any, u8(uOpening1 + k)},                              \
        {ORV_FIELD(Okna[k].h), -Any, Any, u8(uOpening1 + k)}
constexpr TFieldRange HorizontalLoad[] = {
    {ORV_FIELD(wd_kNm2), -10, 10, uAlways},
    ORV_OPENING(0), ORV_OPENING(1), ORV_OPENING(2), ORV_OPENING(3), ORV_OPENING(4),
};
#undef ORV_OPENING

// Case 3: the check reads the bearing of every load and the value of the
// first (the report compares it).
constexpr TFieldRange ConcentratedLoads[] = {
    {ORV_FIELD(Sily[0].NSd), 0, 200000, uAlways},
    {ORV_FIELD(Sily[0].aL), 0, 200000, uAlways},
    {ORV_FIELD(Sily[0].aT), 0, 200000, uAlways},
    {ORV_FIELD(Sily[0].a1), 0, 200000, uAlways},
    {ORV_FIELD(Sily[0].hN), 0, 200000, uAlways},
    {ORV_FIELD(Sily[1].aL), 0, 200000, uSecondLoad},
    {ORV_FIELD(Sily[1].a1), 0, 200000, uSecondLoad},
    {ORV_FIELD(Sily[1].hN), 0, 200000, uSecondLoad},
    {ORV_FIELD(Sily[2].aL), 0, 200000, uThirdLoad},
    {ORV_FIELD(Sily[2].a1), 0, 200000, uThirdLoad},
    {ORV_FIELD(Sily[2].hN), 0, 200000, uThirdLoad},
};

// Case 4: its own thickness field allows 5 cm.
constexpr TFieldRange BasementWall[] = {
    {ORV_FIELD(t), 5, 10000, uAlways},
    {ORV_FIELD(l), 10, 10000, uAlways},
    {ORV_FIELD(h), 5, 10000, uAlways},
    {ORV_FIELD(N0_mb), 0, 200000, uAlways},
    {ORV_FIELD(Gs_mb), 0, 200000, uGsGiven},
    {ORV_FIELD(he), 0, 200000, uAlways},
    {ORV_FIELD(be), 0, 200000, uAlways},
    {ORV_FIELD(ro_e), 0, 30, uAlways},
};

// Case 5.
constexpr TFieldRange Column[] = {
    {ORV_FIELD(t), 10, 10000, uAlways},
    {ORV_FIELD(t2), 10, 10000, uAlways},
    {ORV_FIELD(h), 10, 10000, uAlways},
    {ORV_FIELD(Sily[0].NSd), 0, 200000, uAlways},
    {ORV_FIELD(Gs_s), 0, 200000, uGsGiven},
    {ORV_FIELD(Msdx), -200000, 200000, uAlways},
    {ORV_FIELD(Msdy), -200000, 200000, uAlways},
};

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
    default: return in.ScianaZOtworami != 0 && use - uOpening1 < OpeningCount(in);
    }
}

bool InRange(const TFieldRange& r, const TCalcInput& in)
{
    double v;
    std::memcpy(&v, reinterpret_cast<const char*>(&in) + r.offset, sizeof v);
    return std::isfinite(v) && v >= r.min && v <= r.max;
}

} // namespace

bool CaseInputInRange(int calcCase, const TCalcInput& input)
{
    if (calcCase < 0 || calcCase >= CalcCaseCount) return false;
    for (std::span<const TFieldRange> group : CaseRanges[calcCase])
        for (const TFieldRange& r : group)
            if (Applies(r.use, input) && !InRange(r, input)) return false;
    return true;
}

bool ResultsFinite(const TCalcResults& r)
{
    // The dispatcher starts from the empty record, so the fields a case
    // leaves alone hold 0 and every double can be looked at.
    static constexpr double TCalcResults::*Fields[] = {
        &TCalcResults::A,        &TCalcResults::f_k,      &TCalcResults::gamma_m,
        &TCalcResults::f_d,      &TCalcResults::h_eff,    &TCalcResults::h_eff_y,
        &TCalcResults::SlendernessLimit,
        &TCalcResults::e_1,      &TCalcResults::e_2,      &TCalcResults::e_m,
        &TCalcResults::Phi_1,    &TCalcResults::N_1d,     &TCalcResults::Phi_2,
        &TCalcResults::N_2d,     &TCalcResults::Phi_m,    &TCalcResults::N_md,
        &TCalcResults::e_a,      &TCalcResults::N_1Rd,    &TCalcResults::N_2Rd,
        &TCalcResults::N_mRd,    &TCalcResults::f_xd1,    &TCalcResults::f_xd2,
        &TCalcResults::W1,       &TCalcResults::W2,       &TCalcResults::M_Sd1,
        &TCalcResults::M_Sd2,    &TCalcResults::M_Rd1,    &TCalcResults::M_Rd2,
        &TCalcResults::mu,       &TCalcResults::alpha,    &TCalcResults::beta,
        &TCalcResults::A_b,      &TCalcResults::l_eff,    &TCalcResults::l_eff2,
        &TCalcResults::l_eff3,   &TCalcResults::N_Rd,     &TCalcResults::q_Rd,
        &TCalcResults::V_Sd,     &TCalcResults::V_Rd,     &TCalcResults::N_maxRd,
        &TCalcResults::N_minRd,  &TCalcResults::beta_A,   &TCalcResults::Phi_1y,
        &TCalcResults::N_1Rd_y,  &TCalcResults::Phi_my,   &TCalcResults::N_mRd_y,
        &TCalcResults::Phi_2y,   &TCalcResults::N_2Rd_y,  &TCalcResults::N_0Rd,
        &TCalcResults::N_1Rd_xy, &TCalcResults::N_mRd_xy, &TCalcResults::N_2Rd_xy,
    };
    for (double TCalcResults::*f : Fields)
        if (!std::isfinite(r.*f)) return false;
    for (const TWallPlate& p : r.Plates)
        if (!AllFinite({p.L, p.H, p.x, p.y, p.a_w})) return false;
    return true;
}

} // namespace orv
