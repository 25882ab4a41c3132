#include "core/ZunEditor.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunCaseSetup.h"
#include "core/ZunMaterials.h"

namespace orv {
namespace {

using C = TEditClass;
#define OFF(member) offsetof(TCalcInput, member)

constexpr unsigned kThickness = feSelfWeight | feColumnMoments | feCutRingBeams | feJointWalls;
constexpr unsigned kHeight = feSelfWeight | feDepthLimit;

const TNumericField kNumeric[] = {
    {"t1a", OFF(t), 10, 10000, 5, 1, C::Spin, kThickness, "grubość ściany t", "cm"},
    {"t1b", OFF(t), 5, 10000, 5, 1, C::Spin, kThickness, "grubość ściany t", "cm"},
    {"t1c", OFF(t), 10, 10000, 5, 1, C::Spin, kThickness, "wymiar słupa t", "cm"},
    {"t2", OFF(t2), 10, 10000, 5, 1, C::Spin, feSelfWeight | feColumnMoments, "wymiar słupa b", "cm"},
    {"h1a", OFF(h), 5, 10000, 5, 1, C::Spin, kHeight, "wysokość ściany h", "cm"},
    {"h1b", OFF(h), 5, 10000, 5, 1, C::Spin, kHeight, "wysokość ściany h", "cm"},
    {"h1c", OFF(h), 10, 10000, 5, 1, C::Spin, kHeight, "wysokość słupa h", "cm"},
    {"l1", OFF(l), 10, 10000, 5, 1, C::Spin, feSelfWeight | feJointWalls, "szerokość ściany b", "cm"},
    {"ag1", OFF(ag), 10, 10000, 1, 1, C::Spin, feLimitToT, "szerokość wieńca a_w,g", "cm"},
    {"ad1", OFF(ad), 10, 10000, 1, 1, C::Spin, feLimitToT, "szerokość wieńca a_w,d", "cm"},
    {"Gs1", OFF(Gs), 0, 200000, 1, 2, C::Spin, feGsWall, "ciężar własny ściany G_s", "kN"},
    {"Nod1", OFF(Nod), 0, 200000, 1, 2, C::SpinSpeed, feNone, "siła N_0d", "kN"},
    {"Nsld1", OFF(Nsld), 0, 200000, 1, 2, C::SpinSpeed, feNone, "obciążenie od stropu N_sl,d", "kN"},
    {"Nspd1", OFF(Nspd), 0, 200000, 1, 2, C::SpinSpeed, feNone, "obciążenie od stropu lewego N_sl,d(L)", "kN"},
    {"wd1", OFF(wd), -100, 0, 0.1, 3, C::SpinSpeed, feWindFlag, "ssanie wiatru w_d", "kN/m"},
    {"wd_kNm2", OFF(wd_kNm2), -10, 10, 0.1, 3, C::SpinSpeed, feWindFlag, "obciążenie poziome w_d", "kN/m²"},
    {"wd2", OFF(wd2), 0, 100, 0.1, 3, C::SpinSpeed, feWindFlag2, "parcie wiatru w_d", "kN/m"},
    {"ro_muru1", OFF(ro_muru), 0, 30, 0.5, 2, C::SpinSpeed, feSelfWeight, "ciężar objętościowy muru ρ", "kN/m³"},
    {"ro_muru2", OFF(ro_muru), 0, 30, 0.5, 2, C::SpinSpeed, feSelfWeight, "ciężar objętościowy muru ρ", "kN/m³"},
    {"ro_muru3", OFF(ro_muru), 0, 30, 0.5, 2, C::SpinSpeed, feSelfWeight, "ciężar objętościowy muru ρ", "kN/m³"},
    {"J2", OFF(J2), 0, 100000000, 0, 1, C::Speed, feNone, "moment bezwładności ściany górnej J_2", "cm⁴"},
    {"J3", OFF(J3), 0, 100000000, 0, 1, C::Speed, feNone, "moment bezwładności stropu górnego J_3", "cm⁴"},
    {"J4", OFF(J4), 0, 100000000, 0, 1, C::Speed, feNone, "moment bezwładności stropu górnego lewego J_4", "cm⁴"},
    {"J5", OFF(J5), 0, 100000000, 0, 1, C::Speed, feNone, "moment bezwładności ściany dolnej J_5", "cm⁴"},
    {"J6", OFF(J6), 0, 100000000, 0, 1, C::Speed, feNone, "moment bezwładności stropu dolnego J_6", "cm⁴"},
    {"J7", OFF(J7), 0, 100000000, 0, 1, C::Speed, feNone, "moment bezwładności stropu dolnego lewego J_7", "cm⁴"},
    {"h2", OFF(h2), 5, 10000, 5, 1, C::Spin, feNone, "wysokość ściany górnej h_2", "cm"},
    {"l3", OFF(l3), 5, 10000, 5, 1, C::Spin, feNone, "rozpiętość stropu górnego l_3", "cm"},
    {"l4", OFF(l4), 5, 10000, 5, 1, C::Spin, feNone, "rozpiętość stropu górnego lewego l_4", "cm"},
    {"h5", OFF(h5), 5, 10000, 5, 1, C::Spin, feNone, "wysokość ściany dolnej h_5", "cm"},
    {"l6", OFF(l6), 5, 10000, 5, 1, C::Spin, feNone, "rozpiętość stropu dolnego l_6", "cm"},
    {"l7", OFF(l7), 5, 10000, 5, 1, C::Spin, feNone, "rozpiętość stropu dolnego lewego l_7", "cm"},
    {"E2", OFF(E2), 0, 100000000, 0, 1, C::Speed, feNone, "moduł sprężystości ściany górnej E_2", "GPa"},
    {"E5", OFF(E5), 0, 100000000, 0, 1, C::Speed, feNone, "moduł sprężystości ściany dolnej E_5", "GPa"},
    {"g3d", OFF(g3d), 0, 30, 0.5, 2, C::SpinSpeed, feNone, "obciążenie stałe stropu górnego g_d", "kN/m"},
    {"g4d", OFF(g4d), 0, 30, 0.5, 2, C::SpinSpeed, feNone, "obciążenie stałe stropu górnego lewego g_d", "kN/m"},
    {"g6d", OFF(g6d), 0, 30, 0.5, 2, C::SpinSpeed, feNone, "obciążenie stałe stropu dolnego g_d", "kN/m"},
    {"g7d", OFF(g7d), 0, 30, 0.5, 2, C::SpinSpeed, feNone, "obciążenie stałe stropu dolnego lewego g_d", "kN/m"},
    {"p3d", OFF(p3d), 0, 30, 0.5, 2, C::SpinSpeed, feNone, "obciążenie zmienne stropu górnego p_d", "kN/m"},
    {"p4d", OFF(p4d), 0, 30, 0.5, 2, C::SpinSpeed, feNone, "obciążenie zmienne stropu górnego lewego p_d", "kN/m"},
    {"p6d", OFF(p6d), 0, 30, 0.5, 2, C::SpinSpeed, feNone, "obciążenie zmienne stropu dolnego p_d", "kN/m"},
    {"p7d", OFF(p7d), 0, 30, 0.5, 2, C::SpinSpeed, feNone, "obciążenie zmienne stropu dolnego lewego p_d", "kN/m"},
    {"Nsd1a", OFF(Sily[0].NSd), 0, 200000, 1, 2, C::SpinSpeed, feColumnMoments, "obciążenie skupione N_Sd", "kN"},
    {"NSd1b", OFF(Sily[0].NSd), 0, 200000, 1, 2, C::SpinSpeed, feColumnMoments, "siła w głowicy słupa N_Sd", "kN"},
    {"aL1", OFF(Sily[0].aL), 0, 200000, 1, 1, C::Spin, feNone, "długość pola docisku a_l", "cm"},
    {"aL2", OFF(Sily[1].aL), 0, 200000, 1, 1, C::Spin, feNone, "długość pola docisku a_l,2", "cm"},
    {"aL3", OFF(Sily[2].aL), 0, 200000, 1, 1, C::Spin, feNone, "długość pola docisku a_l,3", "cm"},
    {"aT1", OFF(Sily[0].aT), 0, 200000, 1, 1, C::Spin, feLimitToT, "szerokość pola docisku a_t", "cm"},
    {"aT2", OFF(Sily[1].aT), 0, 200000, 1, 1, C::Spin, feLimitToT, "szerokość pola docisku a_t,2", "cm"},
    {"aT3", OFF(Sily[2].aT), 0, 200000, 1, 1, C::Spin, feLimitToT, "szerokość pola docisku a_t,3", "cm"},
    {"a11", OFF(Sily[0].a1), 0, 200000, 1, 1, C::Spin, feNone, "odległość pola docisku a", "cm"},
    {"a12", OFF(Sily[1].a1), 0, 200000, 1, 1, C::Spin, feNone, "odległość pola docisku a_2", "cm"},
    {"a13", OFF(Sily[2].a1), 0, 200000, 1, 1, C::Spin, feNone, "odległość pola docisku a_3", "cm"},
    {"hN1", OFF(Sily[0].hN), 0, 200000, 1, 1, C::Spin, feNone, "głębokość pola docisku h_N", "cm"},
    {"hN2", OFF(Sily[1].hN), 0, 200000, 1, 1, C::Spin, feNone, "głębokość pola docisku h_N,2", "cm"},
    {"hN3", OFF(Sily[2].hN), 0, 200000, 1, 1, C::Spin, feNone, "głębokość pola docisku h_N,3", "cm"},
    {"NSd2", OFF(Sily[1].NSd), 0, 200000, 1, 2, C::Spin, feColumnMoments, "obciążenie skupione N_Sd,2", "kN"},
    {"NSd3", OFF(Sily[2].NSd), 0, 200000, 1, 2, C::Spin, feColumnMoments, "obciążenie skupione N_Sd,3", "kN"},
    {"N0_mb1", OFF(N0_mb), 0, 200000, 1, 2, C::SpinSpeed, feNone, "obciążenie ściany piwnic N_0d", "kN/m"},
    {"he1", OFF(he), 0, 200000, 5, 1, C::Spin, feNone, "wysokość naziomu h_e", "cm"},
    {"be1", OFF(be), 0, 200000, 30, 1, C::Spin, feNone, "odległość ścian usztywniających b_e", "cm"},
    {"Gs_mb1", OFF(Gs_mb), 0, 200000, 1, 2, C::Spin, feGsBasement, "ciężar własny ściany piwnic G_s", "kN/m"},
    {"ro_e1", OFF(ro_e), 0, 30, 0.5, 2, C::SpinSpeed, feNone, "ciężar objętościowy gruntu ρ_e", "kN/m³"},
    {"Gs_s1", OFF(Gs_s), 0, 200000, 1, 2, C::Spin, feNone, "ciężar własny słupa G_s", "kN"},
    {"Msdx1", OFF(Msdx), -200000, 200000, 1, 2, C::SpinSpeed, feNone, "moment zginający M_Sd,x", "kNm"},
    {"Msdy1", OFF(Msdy), -200000, 200000, 1, 2, C::SpinSpeed, feNone, "moment zginający M_Sd,y", "kNm"},
    {"l_usztw1", OFF(l_usztw), 5, 10000, 1, 1, C::Spin, feNone, "odległość ścian usztywniających l", "cm"},
};

const TChoiceField kChoices[] = {
    {"sytuacja1", OFF(sytuacja), 4, 3, 0},
    {"KategoriaWykRobot1", OFF(KategoriaWykRobot), 4, 2, 0},
    {"KategoriaWykElementu1", OFF(KategoriaWykElementu), 4, 2, 0},
    {"RodzajKonstrSciany1", OFF(RodzajKonstrSciany), 4, 3, 0},
    {"RodzajStropow1", OFF(RodzajStropow), 4, 2, 0},
    {"ScianaZewnetrzna1", OFF(ScianaZewnetrzna), 1, 2, 0},
    {"ScianaNajwyzszejKodnygnacji1", OFF(ScianaNajwyzszejKodnygnacji), 1, 2, 0},
    {"def_szer_wiencow1", OFF(def_szer_wiencow), 1, 2, 0},
    {"zezwolB251", OFF(zezwolB25), 1, 2, 0},
    {"SchematPlytySciany1", OFF(SchematPlytySciany), 4, 12, 0},
    {"LiczbaSilSkup1", OFF(LiczbaSilSkup), 4, 3, 1},
    {"PodpSTyp_x", OFF(PodpSTyp_x), 4, 3, 0},
    {"PodpSTyp_y", OFF(PodpSTyp_y), 4, 3, 0},
    {"ZaprawaTyp", OFF(ZaprawaTyp), 4, 2, 0},
    {"OgolnaDefElementu1", OFF(OgolnaDefElementu), 1, 2, 0},
    {"spoina_podluzna1", OFF(spoina_podluzna), 1, 2, 0},
    {"ScianaZOtworami1", OFF(ScianaZOtworami), 1, 2, 0},
};

#undef OFF

// Exact comparison: the editor stores only what differs.
bool Same(double a, double b) { return a == b; }

// List order of the wall schemes: the plate first, then the beams, cantilevers and arches.
constexpr int kSchemeOfListIndex[WallSchemeCount] = {2, 0, 1, 7, 8, 5, 6, 3, 4};

const char* const kUnitKindTexts[MaterialKindCount] = {
    "element ceramiczny, grupy 1",
    "element ceramiczny, grupy 2",
    "element ceramiczny, grupy 3",
    "element ceramiczny, grupy 4",
    "element silikatowy, grupy 1",
    "element silikatowy, grupy 2",
    "element z betonu kruszywowego, grupy 1",
    "element z betonu kruszywowego, grupy 2",
    "element z betonu kruszywowego, grupy 3",
    "element z betonu kruszywowego, grupy 4",
    "element z autoklawizowanego betonu komórkowego",
    "element z kamienia sztucznego",
    "element z kamienia naturalnego",
};

} // namespace

std::span<const TNumericField> NumericFields() { return kNumeric; }

const TNumericField* FindNumericField(std::string_view name)
{
    for (const TNumericField& f : kNumeric)
        if (name == f.name) return &f;
    return nullptr;
}

double ReadField(const TCalcInput& in, std::size_t offset)
{
    double v = 0;
    std::memcpy(&v, reinterpret_cast<const char*>(&in) + offset, sizeof v);
    return v;
}

void WriteField(TCalcInput& in, std::size_t offset, double v)
{
    std::memcpy(reinterpret_cast<char*>(&in) + offset, &v, sizeof v);
}

double LoadDepthLimit(double h)
{
    return h - 5 > 0 ? h - 5 : 0;
}

double LimitedFieldValue(const TCalcInput& in, const TNumericField& f, double v)
{
    if ((f.extras & feLimitToT) && v > in.t) return in.t;
    return v;
}

void ComputeSelfWeights(TCalcInput& in)
{
    in.Gs = ComputedWallWeight(in);
    in.Gs_mb = ComputedBasementWeight(in);
    in.Gs_s = ComputedColumnWeight(in);
}

bool KeepSelfWeightsInStep(TCalcInput& in)
{
    if (in.wylicz_Gs != 1) return false;
    const f64 stored[3] = {in.Gs, in.Gs_mb, in.Gs_s};
    ComputeSelfWeights(in);
    const f64 now[3] = {in.Gs, in.Gs_mb, in.Gs_s};
    return std::memcmp(stored, now, sizeof now) != 0;
}

void UpdateColumnMoments(TCalcInput& in)
{
    auto moment = [&](unsigned mode, double ownN, double dimension, double e) {
        const double N = (mode & 2) ? ownN : in.Sily[0].NSd;
        const double em = (mode & 1) ? 0.4 * dimension / 100 : e / 100;
        return N * em;
    };
    if (in.MsdxDef & 4) in.Msdx = moment(in.MsdxDef, in.Sily[1].NSd, in.t, in.ex);
    if (in.MsdyDef & 4) in.Msdy = moment(in.MsdyDef, in.Sily[2].NSd, in.t2, in.ey);
}

void ApplyGeometryLimits(TCalcInput& in)
{
    // A basement wall may be thinner than a ring beam can be narrow.
    const double ringLimit = std::max(in.t, FindNumericField("ag1")->min);
    if (in.ag > ringLimit) in.ag = ringLimit;
    if (in.ad > ringLimit) in.ad = ringLimit;
    const double limit = LoadDepthLimit(in.h);
    for (TConcentratedLoad& load : in.Sily) {
        if (load.hN > limit) load.hN = limit;
        if (load.aT > in.t) load.aT = in.t;
    }
}

// J_2 = J_5 = t^3 b / 12 of the wall's own section [cm4], and the section
// into the slab blocks of the walls above and below.
static void TakeWallSection(TCalcInput& in)
{
    in.J2 = in.J5 = in.t * in.t * in.t * in.l / 12;
    for (int block : {0, 3}) {
        in.SlabData[block][5] = in.t;
        in.SlabData[block][3] = in.l;
    }
}

void FollowIdenticalJointWalls(TCalcInput& in)
{
    if (in.IdentyczneParametryScian != 1) return;
    const double J = in.t * in.t * in.t * in.l / 12;
    if (in.J2 != J || in.J5 != J) TakeWallSection(in);
}

double FieldShownValue(const TNumericField& f, double v)
{
    double shown = v;
    return std::isfinite(v) && TryTextToFloat(FormatFixed(f.decimals, v), shown) ? shown : v;
}

bool FollowsJointWalls(const TCalcInput& in, const TNumericField& f)
{
    return in.IdentyczneParametryScian == 1 &&
           (f.offset == offsetof(TCalcInput, J2) || f.offset == offsetof(TCalcInput, J5));
}

const TNumericField* FieldLeftOutOfRange(const TCalcInput& before, const TCalcInput& after)
{
    for (const TNumericField& f : kNumeric) {
        const double v = ReadField(after, f.offset);
        if (std::memcmp(reinterpret_cast<const char*>(&before) + f.offset,
                        reinterpret_cast<const char*>(&after) + f.offset, sizeof v) == 0)
            continue;
        if (FollowsJointWalls(after, f)) {
            if (!(std::isfinite(v) && v > 0)) return &f;
            continue;
        }
        // Fields that share an offset (t of walls, basement and column)
        // take a value any of their controls allows.
        bool allowed = false;
        for (const TNumericField& g : kNumeric)
            if (g.offset == f.offset && std::isfinite(v) && v >= g.min && v <= g.max) allowed = true;
        if (!allowed) return &f;
    }
    return nullptr;
}

std::string FieldRangeText(const TCalcInput& in, const TNumericField& f)
{
    // A joint wall's J taken from the wall has no limit but its sign.
    const TRangeFault fault{f.quantity, f.unit, f.decimals, ReadField(in, f.offset), f.min, f.max,
                            FollowsJointWalls(in, f)};
    std::string value, limit;
    RangeFaultTexts(fault, value, limit);
    return limit.empty() ? value : value + "\r" + limit;
}

void ShowFieldRangeMessage(const TCalcInput& in, const TNumericField& f)
{
    ShowOutOfRangeMessage(f.cls == TEditClass::SpinSpeed, FieldRangeText(in, f));
}

bool StoreNumericField(TCalcInput& in, const TNumericField& f, double v)
{
    v = LimitedFieldValue(in, f, v);
    if (Same(ReadField(in, f.offset), v)) return false;
    WriteField(in, f.offset, v);

    if (f.extras & (feCutRingBeams | feDepthLimit)) ApplyGeometryLimits(in);
    if (f.extras & feWindFlag) in.WindTableFlag = 1;
    if (f.extras & feWindFlag2) in.WindFlags[1] = 1;
    // A wall width of 0 from a file has no weight per metre.
    if ((f.extras & feGsWall) && in.l > 0) in.Gs_mb = in.Gs / (in.l / 100);
    if (f.extras & feGsBasement) in.Gs = in.l / 100 * in.Gs_mb;
    if ((f.extras & feSelfWeight) && in.wylicz_Gs == 1) ComputeSelfWeights(in);
    if (f.extras & feColumnMoments) UpdateColumnMoments(in);
    if (f.extras & feJointWalls) FollowIdenticalJointWalls(in);
    return true;
}

bool SetSelfWeightMode(TCalcInput& in, bool computed)
{
    const u8 mode = computed ? 1 : 0;
    if (in.wylicz_Gs == mode) return false;
    in.wylicz_Gs = mode;
    if (computed) ComputeSelfWeights(in);
    return true;
}

TGammaStore StoreGammaF(TCalcInput& in, const std::string& text)
{
    double v = 0;
    if (!text.empty() && !TryTextToFloat(text, v)) return TGammaStore::NotANumber;
    if (!(v > 0)) return TGammaStore::NotPositive;
    if (Same(in.gf_muru, v)) return TGammaStore::Unchanged;
    in.gf_muru = v;
    if (in.wylicz_Gs == 1) ComputeSelfWeights(in);
    return TGammaStore::Stored;
}

std::span<const TChoiceField> ChoiceFields() { return kChoices; }

const TChoiceField* FindChoiceField(std::string_view name)
{
    for (const TChoiceField& f : kChoices)
        if (name == f.name) return &f;
    return nullptr;
}

int ReadChoice(const TCalcInput& in, const TChoiceField& f)
{
    const char* p = reinterpret_cast<const char*>(&in) + f.offset;
    if (f.size == 1) return static_cast<unsigned char>(*p) - f.base;
    u32 v = 0;
    std::memcpy(&v, p, sizeof v);
    return static_cast<int>(v) - f.base;
}

bool StoreChoice(TCalcInput& in, const TChoiceField& f, int index)
{
    if (index < 0 || index >= f.count || ReadChoice(in, f) == index) return false;
    char* p = reinterpret_cast<char*>(&in) + f.offset;
    const int stored = index + f.base;
    if (f.size == 1) {
        *p = static_cast<char>(stored);
    } else {
        const u32 v = static_cast<u32>(stored);
        std::memcpy(p, &v, sizeof v);
    }
    return true;
}

// --- design case ------------------------------------------------------------------

const char* const CalcCaseListTexts[CalcCaseCount] = {
    " Ściana obciążona pionowo - model przegubowy",
    " Ściana obciążona pionowo - model ciągły",
    " Ściana obciążona poziomo",
    " Ściana obciążona siłą skupioną",
    " Ściana piwnic - sprawdzenie wg Zał. A",
    " Słup",
};

int GetCaseIndex(std::string_view text)
{
    for (int i = 1; i < CalcCaseCount; ++i)
        if (text == CalcCaseListTexts[i]) return i;
    return 0;
}

int CheckCaseNumber(int n) { return n >= 0 && n < CalcCaseCount ? n : 0; }

// --- scheme of the horizontally loaded wall ---------------------------------------------

const char* const WallSchemeListTexts[WallSchemeCount] = {
    "płyta",
    "belka swobodnie podparta - kierunek poziomy",
    "belka swobodnie podparta - kierunek pionowy",
    "belka utwierdzona - kierunek poziomy",
    "belka utwierdzona - kierunek pionowy",
    "wspornik - kierunek poziomy",
    "wspornik - kierunek pionowy",
    "łuk - kierunek poziomy",
    "łuk - kierunek pionowy",
};

int WallSchemeOfListIndex(int index)
{
    return index >= 0 && index < WallSchemeCount ? kSchemeOfListIndex[index] : -1;
}

int ListIndexOfWallScheme(int scheme)
{
    for (int i = 0; i < WallSchemeCount; ++i)
        if (kSchemeOfListIndex[i] == scheme) return i;
    return -1;
}

bool StoreWallScheme(TCalcInput& in, int listIndex)
{
    const int scheme = WallSchemeOfListIndex(listIndex);
    if (scheme < 0 || in.SchematScianyTyp == static_cast<u32>(scheme)) return false;
    in.SchematScianyTyp = static_cast<u32>(scheme);
    return true;
}

// --- masonry unit and mortar --------------------------------------------------------------

std::string UnitKindListText(int kind)
{
    return IsValidMaterialKind(kind) ? kUnitKindTexts[kind] : std::string();
}

int OfferedMortarTypeCount(int kind)
{
    switch (MaterialOfKind(kind)) {
    case mmCeramic:
    case mmAAC: return 3;
    case mmSilicate: return 2;
    default: return 1;
    }
}

std::string MortarTypeListText(int mortarType)
{
    std::string name;
    MortarTypeName(mortarType, name);
    return "zaprawa " + name;
}

int OfferedMortarClassCount(int mortarType)
{
    return mortarType == mtLightweight ? 4 : MortarClassCount;
}

std::string MortarClassListText(int mortarClass)
{
    if (mortarClass == 1) return "M" + FormatFixed(1, 2.5);
    static const char* const kClasses[MortarClassCount] = {"M1", "", "M5", "M10", "M15", "M20"};
    return mortarClass >= 0 && mortarClass < MortarClassCount ? kClasses[mortarClass] : "";
}

void SyncJointWallsMasonry(TCalcInput& in)
{
    if (in.IdentyczneParametryScian != 1) return;
    TElementMurowy& above = in.ElementE2;
    above.RodzajElementu = static_cast<i32>(in.RodzajElementuM);
    above.fb = in.fb;
    above.Nazwa = in.UserElement;
    above.OgolnaDef = in.OgolnaDefElementu;
    above.KlasaZaprawy = static_cast<i32>(in.KlasaZaprawy);
    above.RodzajZaprawy = static_cast<i32>(in.RodzajZaprawy);
    in.ElementE5 = above;
    in.E2 = MasonryModulusE(static_cast<int>(in.RodzajElementuM), static_cast<int>(in.KlasaZaprawy),
                            static_cast<int>(in.RodzajZaprawy), in.fb) / 1e9;
    in.E5 = in.E2;
}

namespace {

// The lists are rebuilt keeping the selection by text; an item the new list
// lacks falls back to the first one.
void FitMortarToOffer(TCalcInput& in)
{
    if (in.RodzajZaprawy >= static_cast<u32>(OfferedMortarTypeCount(static_cast<int>(in.RodzajElementuM))))
        in.RodzajZaprawy = mtGeneral;
    if (in.KlasaZaprawy >= static_cast<u32>(OfferedMortarClassCount(static_cast<int>(in.RodzajZaprawy))))
        in.KlasaZaprawy = 0;
}

} // namespace

bool StoreUnitKind(TCalcInput& in, int kind)
{
    if (!IsValidMaterialKind(kind) || in.RodzajElementuM == static_cast<u32>(kind)) return false;
    in.RodzajElementuM = static_cast<u32>(kind);
    FitMortarToOffer(in);
    SyncJointWallsMasonry(in);
    return true;
}

bool StoreMortarType(TCalcInput& in, int mortarType)
{
    if (mortarType < 0 || mortarType >= OfferedMortarTypeCount(static_cast<int>(in.RodzajElementuM)) ||
        in.RodzajZaprawy == static_cast<u32>(mortarType))
        return false;
    in.RodzajZaprawy = static_cast<u32>(mortarType);
    FitMortarToOffer(in);
    SyncJointWallsMasonry(in);
    return true;
}

bool StoreMortarClass(TCalcInput& in, int mortarClass)
{
    if (mortarClass < 0 || mortarClass >= OfferedMortarClassCount(static_cast<int>(in.RodzajZaprawy)) ||
        in.KlasaZaprawy == static_cast<u32>(mortarClass))
        return false;
    in.KlasaZaprawy = static_cast<u32>(mortarClass);
    SyncJointWallsMasonry(in);
    return true;
}

double UnitStrengthLimit(const TCalcInput& in)
{
    return StrengthLimit(static_cast<int>(in.RodzajElementuM), static_cast<int>(in.RodzajZaprawy));
}

TRangeFault StrengthFault(const TCalcInput& in)
{
    return {StrengthQuantity, "MPa", 1, in.fb, 0, UnitStrengthLimit(in), !(in.fb > 0)};
}

bool LimitMovedPastValue(const TCalcInput& before, const TCalcInput& after, TRangeFault& fault)
{
    // Said once: when f_b comes to lie past its limit, by a new limit or a
    // new f_b with it (a unit from the catalogue), not again while it stays so.
    if (!(after.fb > UnitStrengthLimit(after))) return false;
    if (!(before.fb <= UnitStrengthLimit(before)) && Same(before.fb, after.fb)) return false;
    fault = StrengthFault(after);
    return true;
}

void ShowLimitMovedMessage(const TRangeFault& fault)
{
    std::string value, limit;
    RangeFaultTexts(fault, value, limit);
    ShowOutOfRangeMessage(true, limit.empty() ? value : value + "\r" + limit);
}

TGammaStore StoreStrength(TCalcInput& in, const std::string& text)
{
    double v = 0;
    if (!text.empty() && !TryTextToFloat(text, v)) return TGammaStore::NotANumber;
    if (!(v > 0)) return TGammaStore::NotPositive;
    if (v > UnitStrengthLimit(in)) return TGammaStore::AboveLimit;
    if (Same(in.fb, v)) return TGammaStore::Unchanged;
    in.fb = v;
    SyncJointWallsMasonry(in);
    return TGammaStore::Stored;
}

bool SetIdenticalJointWalls(TCalcInput& in, bool identical)
{
    const u8 flag = identical ? 1 : 0;
    if (in.IdentyczneParametryScian == flag) return false;
    in.IdentyczneParametryScian = flag;
    if (!identical) return true;
    TakeWallSection(in);
    SyncJointWallsMasonry(in);
    return true;
}

// --- stiffening of the vertical edges ------------------------------------------------

bool SetWallStiffened(TCalcInput& in, bool stiffened, int edgesIndex)
{
    const bool now = in.UsztywnienieSciany == 1 || in.UsztywnienieSciany == 2;
    if (now == stiffened) return false;
    in.UsztywnienieSciany = stiffened ? (edgesIndex == 1 ? 2u : 1u) : 0u;
    return true;
}

bool StoreStiffenedEdges(TCalcInput& in, int edgesIndex)
{
    if (edgesIndex < 0 || edgesIndex > 1 || in.UsztywnienieSciany == static_cast<u32>(edgesIndex + 1))
        return false;
    in.UsztywnienieSciany = static_cast<u32>(edgesIndex + 1);
    return true;
}

} // namespace orv
