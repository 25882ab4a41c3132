// The catalogue of masonry units: 27 built-in units and the user's own from
// "elementy_mur.def", the look-up of a unit by name, and the taking of a
// catalogue unit into an element.
#pragma once

#include <string>
#include <vector>

#include "core/ZunFiles.h"
#include "core/ZunTypes.h"

namespace orv {

extern const char* const MasonryCatalogueFileName; // "elementy_mur.def"
// First line of the file (readers skip it whatever it holds).
extern const char* const MasonryCatalogueHeader;

// One unit of the catalogue. Material 0..5 (ceramic, silicate, aggregate
// concrete, autoclaved aerated concrete, manufactured stone, natural stone),
// group index 0..3 (groups 1..4), category 0 (I) or 1 (II).
struct TMasonryUnitRow {
    std::string Name;
    int Material = 0;
    int Group = 0;
    double Fb = 10;      // normalised compressive strength f_b [MPa]
    int Category = 0;
    double Density = 18; // unit weight of the masonry [kN/m3]

    friend bool operator==(const TMasonryUnitRow&, const TMasonryUnitRow&) = default;
};

// What the catalogue answers for a named unit.
struct TMasonryUnitInfo {
    i32 Kind = 0;        // TMaterialKind
    i32 Category = 0;
    f64 fb = 0;          // [MPa]
    f64 Density = 0;     // [kN/m3]
};

constexpr int BuiltInMasonryUnitCount = 27;
extern const TMasonryUnitRow DefaultMasonryUnits[BuiltInMasonryUnitCount];

// Limits of a row the catalogue keeps.
constexpr std::size_t MaxUnitNameBytes = 255;      // the element keeps the name in a TShortString<255>
constexpr double MaxUnitStrength = 1000;           // [MPa]
constexpr double MaxUnitDensity = 30;              // [kN/m3]
constexpr int MaxUserMasonryUnits = 1000;
constexpr std::size_t MaxMasonryFileBytes = 512 * 1024;
constexpr std::size_t MaxMasonryLineBytes = 400;

// Items of the group list of a material: 4 for ceramic and aggregate
// concrete, 2 for the others (materials 3..5 keep a group they do not use);
// 0 for a material outside 0..5.
int MasonryGroupCount(int material);
// Unit kind of material and group index: ceramic the group, silicate group + 4,
// aggregate concrete group + 6, then 10, 11, 12; -1 for a pair that names no kind.
int MasonryKindOf(int material, int group);

// Texts of the list's columns 0..5: name, material, group ("n/d" without
// one), f_b, category ("I", "II") and unit weight, numbers with one decimal.
std::string MasonryUnitColumnText(const TMasonryUnitRow& row, int column);
// Material texts of the list's material column.
std::string MasonryMaterialText(int material);

// A built-in unit: some row of the table with the same name, material,
// group and category (f_b and unit weight are not compared).
bool IsBuiltInMasonryUnit(const TMasonryUnitRow& row);

// A name the file and an element can keep: not empty, at most 255
// single-byte characters, no control characters (a tab or a line break
// would split the file's line).
enum class TUnitNameCheck { Ok, Empty, BadCharacters, TooLong, Duplicate };
TUnitNameCheck CheckUnitName(const std::string& name, const std::vector<std::string>& namesInUse = {});
// A row the catalogue keeps: a valid name, a material with that group, a
// category, 0 < f_b <= MaxUnitStrength and 0 <= unit weight <= MaxUnitDensity.
bool IsValidMasonryUnitRow(const TMasonryUnitRow& row);

class TMasonryCatalogue {
public:
    // The built-in units only.
    TMasonryCatalogue();

    // The built-in units, then the valid user units of the file whose names
    // are new (none when `userFile` is empty or missing).
    void Initialize(const std::string& userFile);
    // Appends the valid rows of the file whose names are not known yet; the
    // first line is skipped. Returns how many were added.
    int LoadUserElements(const std::string& fileName);
    // Whether the last file read held a row the catalogue would have taken
    // past its limits (MaxUserMasonryUnits rows, MaxMasonryFileBytes bytes),
    // left unread, and what CatalogueCutNotice says of it; empty when not.
    bool FileCut() const { return !cutNotice_.empty(); }
    const std::string& CutNotice() const { return cutNotice_; }

    const std::vector<TMasonryUnitRow>& Rows() const { return rows_; }
    void SetRows(const std::vector<TMasonryUnitRow>& rows) { rows_ = rows; }
    bool IsNameExists(const std::string& name) const;
    std::vector<std::string> GetElementNames() const;
    // Fills `info` for a unit of the catalogue; false, `info` unchanged, for
    // a name it lacks.
    bool GetElementByName(const std::string& name, TMasonryUnitInfo& info) const;

private:
    std::vector<TMasonryUnitRow> rows_;
    std::string cutNotice_;
};

// The file text of the rows: the header, then name, material, group, f_b,
// category, unit weight separated by tabs (f_b and the unit weight with one
// decimal, or the digits they need to be read back the same, the locale's
// separator); Windows-1250, lines ended by CR LF.
std::string MasonryCatalogueText(const std::vector<TMasonryUnitRow>& rows);
// Writes the file atomically; a failure leaves the previous file whole.
TFileResult SaveMasonryCatalogue(const std::string& fileName, const std::vector<TMasonryUnitRow>& rows);

// Takes a catalogue unit into the element: its name, kind, f_b, category and
// unit weight; the mortar falls back to what the kind offers, the self
// weights follow the unit weight when computed, and the walls above and
// below follow when identical. False when the element already held all of it.
bool ShowMasonryUnit(TCalcInput& in, const std::string& name, const TMasonryUnitInfo& unit);

} // namespace orv
