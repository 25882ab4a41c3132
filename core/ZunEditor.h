// The element editor as data: one row per numeric input field (control
// name, record offset, range, step, decimals, the steps that follow a
// store), the choice fields, and the store routines that every field of the
// main window goes through. No widgets here: the window builds its controls
// from these tables and hands the values back.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/ZunCalc.h"
#include "core/ZunTypes.h"

namespace orv {

enum class TEditClass { Spin, Speed, SpinSpeed };

// Steps that follow the store of a field.
enum TFieldExtra : unsigned {
    feNone = 0,
    feSelfWeight = 1,      // self weights follow when computed from density
    feColumnMoments = 2,   // automatic column moments follow
    feLimitToT = 4,        // the value is cut to the thickness t before it is stored
    feCutRingBeams = 8,    // a_w,g, a_w,d and the bearings' a_t are cut to the new t
    feDepthLimit = 16,     // the depths of the concentrated loads follow h
    feWindFlag = 32,       // the suction's load-table row is marked as edited
    feWindFlag2 = 64,      // the pressure's load-table row is marked as edited
    feGsWall = 128,        // the basement weight per metre follows G_s of the wall
    feGsBasement = 256,    // G_s of the wall follows the weight per metre
    feJointWalls = 512,    // J_2, J_5 of identical joint walls follow t and b
};

struct TNumericField {
    const char* name;      // control name
    std::size_t offset;    // of the f64 inside TCalcInput
    double min, max;
    double step;           // 0: no spin part
    int decimals;
    TEditClass cls;
    unsigned extras;
    const char* quantity;  // what the value is, with its symbol, for messages
    const char* unit;
};

std::span<const TNumericField> NumericFields();
const TNumericField* FindNumericField(std::string_view name);

double ReadField(const TCalcInput& in, std::size_t offset);
void WriteField(TCalcInput& in, std::size_t offset, double v);

// Upper limit of the depth of a concentrated load below the top of a wall
// of height h: h - 5, never below 0.
double LoadDepthLimit(double h);
// The value the field takes for v (a_w and a_t above t become t).
double LimitedFieldValue(const TCalcInput& in, const TNumericField& f, double v);

// The store pattern: nothing happens (false) when the field already holds
// the value; otherwise it is stored and the field's extra steps run.
bool StoreNumericField(TCalcInput& in, const TNumericField& f, double v);

// G_s of the wall, the basement wall and the column from density x gamma_f x
// dimensions, as the checks compute them (core/ZunCaseSetup.h).
void ComputeSelfWeights(TCalcInput& in);
// While the self weights are computed (wylicz_Gs = 1) the stored ones
// become those the checks use; entered weights stay. True when a stored
// weight changed.
bool KeepSelfWeightsInStep(TCalcInput& in);
// Moments of the column in the directions whose mode is automatic.
void UpdateColumnMoments(TCalcInput& in);
// Every dependent value brought in line after a dimension, thickness or
// height changed: ring beams cut to t (never below their own minimum),
// bearing depths a_t cut to t, load depths to h - 5.
void ApplyGeometryLimits(TCalcInput& in);
// With the walls above and below declared identical: J_2 = J_5 = t^3 b / 12
// and the section in their slab blocks; otherwise nothing.
void FollowIdenticalJointWalls(TCalcInput& in);

// The value as the field shows it: v at the field's decimals.
double FieldShownValue(const TNumericField& f, double v);
// Whether the value at the field's offset is one the joint walls take from
// the wall (J_2, J_5 while the walls above and below are identical): no
// typed value, held only to being finite and positive.
bool FollowsJointWalls(const TCalcInput& in, const TNumericField& f);
// The first field of the table that `after` changed from `before` and holds
// outside every range the editor gives its offset (or not finite);
// nullptr when there is none. A store that leaves one is refused whole.
const TNumericField* FieldLeftOutOfRange(const TCalcInput& before, const TCalcInput& after);
// The text under the range message of a store refused for field f of `in`:
// the value named with its unit ("ciężar własny ściany G_s = 400000,00 kN"),
// then the limit it passed ("Wartość maksymalna: 200000,00 kN").
std::string FieldRangeText(const TCalcInput& in, const TNumericField& f);
// The range message of field f of `in`, in the form its control shows.
void ShowFieldRangeMessage(const TCalcInput& in, const TNumericField& f);

// Switches the stored self-weight mode; the weights are computed when it
// turns to "computed". False when the mode was already that.
bool SetSelfWeightMode(TCalcInput& in, bool computed);

enum class TGammaStore { Unchanged, Stored, NotANumber, NotPositive, AboveLimit };
// gamma_f typed into one of its combos (empty counts as 0): refused when no
// number or not above 0; stored with the self weights following when they
// are computed from density.
TGammaStore StoreGammaF(TCalcInput& in, const std::string& text);

// Choice fields: combos, check boxes and radio groups with one stored value.
struct TChoiceField {
    const char* name;
    std::size_t offset;
    int size;              // 1 (u8) or 4 (u32)
    int count;             // values 0..count-1 (stored + base)
    int base;              // 1 where the stored value is the index + 1
};

std::span<const TChoiceField> ChoiceFields();
const TChoiceField* FindChoiceField(std::string_view name);
int ReadChoice(const TCalcInput& in, const TChoiceField& f);
// Stores index (+ base) when it differs; false when unchanged or out of range.
bool StoreChoice(TCalcInput& in, const TChoiceField& f, int index);

// --- design case ---------------------------------------------------------------
// Texts of the case list, cases 0..5, each with its leading blank.
extern const char* const CalcCaseListTexts[CalcCaseCount];
// Case of a list text; any text that names no other case gives 0 (hinged).
int GetCaseIndex(std::string_view text);
// The case of a stored case byte; a byte that names no case gives 0 (hinged).
int CheckCaseNumber(int n);

// --- scheme of the horizontally loaded wall ----------------------------------------
// The list shows the plate first; list index and stored scheme differ.
constexpr int WallSchemeCount = 9;
extern const char* const WallSchemeListTexts[WallSchemeCount];
// Stored scheme of list index i, -1 outside 0..8.
int WallSchemeOfListIndex(int index);
// List index of a stored scheme, -1 for a scheme outside 0..8.
int ListIndexOfWallScheme(int scheme);
bool StoreWallScheme(TCalcInput& in, int listIndex);

// --- masonry unit and mortar ----------------------------------------------------
// Item of the unit-kind list, kinds 0..12 ("element ceramiczny, grupy 1" ...);
// empty for another kind.
std::string UnitKindListText(int kind);
// The mortar types a unit kind may be laid in are the first n of general,
// thin-layer, lightweight: 3 for ceramic and AAC units, 2 for silicate, else 1.
int OfferedMortarTypeCount(int kind);
// "zaprawa zwykła" and the like.
std::string MortarTypeListText(int mortarType);
// Classes offered for a mortar type are the first n of M1..M20: 4 for
// lightweight mortar (up to M10), else 6.
int OfferedMortarClassCount(int mortarType);
// "M1", "M2,5" (the locale's separator), "M5" .. "M20".
std::string MortarClassListText(int mortarClass);

// Unit kind, then the mortar type and class fall back to the first item when
// the new kind no longer offers them; the joint walls follow when identical.
bool StoreUnitKind(TCalcInput& in, int kind);
// Mortar type, the class falling back to M1 when not offered; joint walls follow.
bool StoreMortarType(TCalcInput& in, int mortarType);
bool StoreMortarClass(TCalcInput& in, int mortarClass);
// Largest f_b [MPa] the element's unit kind and mortar type allow.
double UnitStrengthLimit(const TCalcInput& in);
// f_b named for a range message, against UnitStrengthLimit.
inline constexpr const char* StrengthQuantity = "znormalizowana wytrzymałość elementu f_b";
TRangeFault StrengthFault(const TCalcInput& in);
// A stored value that an edit left as it was but took out of its range by
// moving its limit (f_b above the largest strength of a newly chosen unit
// kind or mortar type): true with the value and its new limit.
bool LimitMovedPastValue(const TCalcInput& before, const TCalcInput& after, TRangeFault& fault);
// The range message of such a value, at once through the message service.
void ShowLimitMovedMessage(const TRangeFault& fault);
// f_b typed into its combo (empty counts as 0); refused like gamma_f, and
// above UnitStrengthLimit; joint walls follow.
TGammaStore StoreStrength(TCalcInput& in, const std::string& text);
// With the walls above and below declared identical, their masonry records
// and moduli E_2, E_5 take the wall's own masonry; otherwise nothing.
void SyncJointWallsMasonry(TCalcInput& in);
// The switch "parametry wszystkich ścian identyczne": switched on, the walls
// above and below take the wall's masonry and J_2 = J_5 = t^3 b / 12.
bool SetIdenticalJointWalls(TCalcInput& in, bool identical);

// --- stiffening of the vertical edges (0 none, 1 one edge, 2 both edges) -------------
// The check box: stiffened along edgesIndex + 1 edges, or not at all.
bool SetWallStiffened(TCalcInput& in, bool stiffened, int edgesIndex);
// The edge list: one edge (0) or both (1).
bool StoreStiffenedEdges(TCalcInput& in, int edgesIndex);

} // namespace orv
