// Masonry materials: unit kinds with their material and group, mortars,
// the allowed unit strengths, and the concrete strength classes.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/ZunTypes.h"

namespace orv {

// The six materials to which the thirteen unit kinds map.
enum TMasonryMaterial : int {
    mmCeramic = 0,
    mmSilicate = 1,
    mmAggregateConcrete = 2,
    mmAAC = 3,               // autoclaved aerated concrete
    mmManufacturedStone = 4,
    mmNaturalStone = 5,
};
constexpr int MasonryMaterialCount = 6;

// Group 1..4 of a unit kind; any kind above 9 is group 1.
int MaterialGroup(int kind);
// Material of a unit kind 0..12. A kind outside that range has no material:
// the result is then outside 0..5 (callers validate the kind first).
TMasonryMaterial MaterialOfKind(int kind);
// True for the kinds 0..12.
bool IsValidMaterialKind(int kind);

// "Ściana z elementów ceramicznych grupy 1" and the like.
std::string WallMaterialText(int material, int group);
std::string WallKindText(int kind);
// "element ceramiczny grupy 1" and the like.
std::string ElementMaterialText(int kind);

// Compressive strength f_m of mortar class 0..5 (M1..M20) [Pa]; another index gives 1 MPa.
double MortarStrength(int mortarClass);
// "zwykła klasy M5, przepisana" and the like.
std::string MortarText(int mortarType, int mortarClass, int designed);
// "zwykła", "do cienkich spoin", "lekka"; another type leaves s unchanged.
void MortarTypeName(int mortarType, std::string& s);

// The allowed normalised strengths f_b [MPa] of a unit kind with a mortar
// type, ascending; empty for the stone kinds.
std::span<const double> AllowedStrengths(int kind, int mortarType);
// Clears the list and adds the allowed strengths as texts.
void FillStrengthList(std::vector<std::string>& list, int kind, int mortarType);
// Largest f_b [MPa] the strength formula covers for a unit kind and mortar
// type: the last allowed strength; 75 MPa (50 with thin-layer mortar) for
// the kinds without a list.
double StrengthLimit(int kind, int mortarType);

// --- concrete strength classes ----------------------------------------------
constexpr int ConcreteTableCount = 11;   // class indexes 0..10
constexpr int ConcreteNamedCount = 9;    // indexes 0..8 carry names
// Every class index an element may hold has its names and its table row.
static_assert(ConcreteClassCount <= ConcreteNamedCount && ConcreteNamedCount <= ConcreteTableCount);

// Names of class index i: "B15".."B60" and "C12/15".."C50/60".
extern const char* const ConcreteClassNamesB[ConcreteNamedCount];
extern const char* const ConcreteClassNamesC[ConcreteNamedCount];

// Values of one class, all in pascals.
struct TConcreteProps {
    double f_ck = 0;
    double f_ctk = 0;
    double f_ctm = 0;
    double f_cd = 0;
    double f_ctd = 0;
    double Value6 = 0;   // f_ck/1.8 rounded to 0.1 MPa
    double Value7 = 0;
    double E_cm = 0;
};

struct TConcreteQuery {
    int ClassIndex = 0;
    u8 LongTerm = 0;     // design strengths carry 0.85 when set
    u16 Situation = 0;   // 2 gives gamma_c 1.3, otherwise 1.5
};

// Fills the values of a class with f_cd and f_ctd recomputed for the query.
// An index outside 0..10 gives false and all values 0.
bool ConcreteClassProps(const TConcreteQuery& query, TConcreteProps& props);
// The same for a persistent short-term query (f_cd = f_ck/1.5).
bool GetConcreteClassProps(int classIndex, TConcreteProps& props);

} // namespace orv
