#include "core/MasonryCatalogue.h"

#include <cmath>
#include <unordered_set>

#include "core/Cp1250.h"
#include "core/MyUtils.h"
#include "core/ZunEditor.h"
#include "core/ZunMaterials.h"

namespace orv {

const char* const MasonryCatalogueFileName = "elementy_mur.def";
const char* const MasonryCatalogueHeader = "Nazwa\tmateriał\tgrupa\tfb\tkategoria\tgęstość";

const TMasonryUnitRow DefaultMasonryUnits[BuiltInMasonryUnitCount] = {
    {"Cegła ceramiczna pełna kl.7.5", 0, 0, 7.5, 0, 18},
    {"Cegła ceramiczna pełna kl.10", 0, 0, 10, 0, 18},
    {"Cegła ceramiczna pełna kl.15", 0, 0, 15, 0, 18},
    {"Cegła ceramiczna pełna kl.20", 0, 0, 20, 0, 18},
    {"Cegła ceramiczna klinkierowa kl.30", 0, 0, 30, 0, 19},
    {"Cegła ceramiczna klinkierowa kl.35", 0, 0, 30, 0, 19},
    {"Cegła ceramiczna dziurawka kl.5", 0, 3, 5, 0, 14.5},
    {"Cegła ceramiczna kratówka kl.7.5", 0, 1, 7.5, 0, 13.5},
    {"Cegła ceramiczna kratówka kl.10", 0, 1, 10, 0, 13.5},
    {"Cegła ceramiczna kratówka kl.15", 0, 1, 15, 0, 13.5},
    {"Cegła ceramiczna modularna B kl.10", 0, 0, 10, 0, 18},
    {"Cegła ceramiczna modularna B kl.15", 0, 0, 15, 0, 18},
    {"Cegła ceramiczna modularna B kl.20", 0, 0, 20, 0, 18},
    {"Cegła ceramiczna modularna D kl.10", 0, 1, 10, 0, 15},
    {"Cegła ceramiczna modularna D kl.15", 0, 1, 15, 0, 15},
    {"Cegła ceramiczna modularna D kl.20", 0, 1, 20, 0, 15},
    {"Pustak ceramiczny MAX kl.10", 0, 1, 10, 0, 12},
    {"Pustak ceramiczny MAX kl.15", 0, 1, 15, 0, 12},
    {"Cegła silikatowa pełna 1NF kl.10", 1, 0, 10, 0, 19},
    {"Cegła silikatowa pełna 1NF kl.15", 1, 0, 15, 0, 19},
    {"Cegła silikatowa drążona 2NF kl.10", 1, 1, 10, 0, 18},
    {"Cegła silikatowa drążona 2NF kl.15", 1, 1, 15, 0, 18},
    {"Bloczki betonowe kl.10", 2, 0, 10, 0, 24},
    {"Bloczki betonowe kl.15", 2, 0, 15, 0, 24},
    {"Bloczki betonowe kl.20", 2, 0, 20, 0, 24},
    {"Bloczki z betonu komórkowego odmiany 500", 3, 0, 5, 0, 9},
    {"Bloczki z betonu komórkowego odmiany 600", 3, 0, 6, 0, 9},
};

namespace {

// A small decimal integer 0..max written as plain digits; false for anything else.
bool parseIndex(const std::string& text, int max, int& value)
{
    if (text.empty() || text.size() > 3) return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v > max) return false;
    value = v;
    return true;
}

bool parseNumber(const std::string& text, double& value) { return TryTextToFloat(text, value); }

// A file line split into its six fields; false when it has another number of them.
bool splitFields(const std::string& line, std::string (&fields)[6])
{
    std::size_t tabs = 0;
    for (char c : line) tabs += c == '\t';
    if (tabs != 5) return false;
    std::string rest = line;
    for (std::string& field : fields) SplitAtTab(rest, field, rest);
    return true;
}

} // namespace

int MasonryGroupCount(int material)
{
    if (material == mmCeramic || material == mmAggregateConcrete) return 4;
    if (material >= 0 && material < MasonryMaterialCount) return 2;
    return 0;
}

int MasonryKindOf(int material, int group)
{
    if (group < 0 || group >= MasonryGroupCount(material)) return -1;
    switch (material) {
    case mmCeramic: return group;
    case mmSilicate: return group + mkSilicate1;
    case mmAggregateConcrete: return group + mkConcrete1;
    case mmAAC: return mkAAC;
    case mmManufacturedStone: return mkManufacturedStone;
    case mmNaturalStone: return mkNaturalStone;
    default: return -1;
    }
}

std::string MasonryMaterialText(int material)
{
    static const char* const kTexts[MasonryMaterialCount] = {
        "ceramika", "silikat", "beton kruszywowy", "autoklawizowany beton komórkowy", "kamień sztuczny",
        "kamień naturalny"};
    return material >= 0 && material < MasonryMaterialCount ? kTexts[material] : std::string();
}

std::string MasonryUnitColumnText(const TMasonryUnitRow& row, int column)
{
    switch (column) {
    case 0: return row.Name;
    case 1: return MasonryMaterialText(row.Material);
    case 2: return row.Material <= mmAggregateConcrete ? std::to_string(row.Group + 1) : "n/d";
    case 3: return FormatFixed(1, row.Fb);
    case 4: return row.Category == 0 ? "I" : "II";
    case 5: return FormatFixed(1, row.Density);
    default: return {};
    }
}

bool IsBuiltInMasonryUnit(const TMasonryUnitRow& row)
{
    for (const TMasonryUnitRow& d : DefaultMasonryUnits)
        if (d.Name == row.Name && d.Material == row.Material && d.Group == row.Group && d.Category == row.Category)
            return true;
    return false;
}

TUnitNameCheck CheckUnitName(const std::string& name, const std::vector<std::string>& namesInUse)
{
    const std::string bytes = Utf8ToCp1250(name);
    if (bytes.empty()) return TUnitNameCheck::Empty;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return TUnitNameCheck::BadCharacters;
    if (bytes.size() > MaxUnitNameBytes) return TUnitNameCheck::TooLong;
    for (const std::string& used : namesInUse)
        if (used == name) return TUnitNameCheck::Duplicate;
    return TUnitNameCheck::Ok;
}

bool IsValidMasonryUnitRow(const TMasonryUnitRow& row)
{
    return CheckUnitName(row.Name) == TUnitNameCheck::Ok && row.Group >= 0 &&
           row.Group < MasonryGroupCount(row.Material) && (row.Category == 0 || row.Category == 1) &&
           std::isfinite(row.Fb) && row.Fb > 0 && row.Fb <= MaxUnitStrength && std::isfinite(row.Density) &&
           row.Density >= 0 && row.Density <= MaxUnitDensity;
}

// --- the catalogue ------------------------------------------------------------------

TMasonryCatalogue::TMasonryCatalogue()
{
    Initialize({});
}

void TMasonryCatalogue::Initialize(const std::string& userFile)
{
    rows_.assign(std::begin(DefaultMasonryUnits), std::end(DefaultMasonryUnits));
    cutNotice_.clear();
    if (!userFile.empty()) LoadUserElements(userFile);
}

int TMasonryCatalogue::LoadUserElements(const std::string& fileName)
{
    int added = 0;
    // The names known, looked up once a line.
    std::unordered_set<std::string> names;
    for (const TMasonryUnitRow& r : rows_) names.insert(r.Name);
    const auto takeRow = [this, &names](const std::string& line, bool keep) {
        std::string fields[6];
        if (!splitFields(line, fields)) return false;
        TMasonryUnitRow row;
        row.Name = Cp1250ToUtf8(fields[0]);
        if (!parseIndex(fields[1], MasonryMaterialCount - 1, row.Material) || !parseIndex(fields[2], 3, row.Group) ||
            !parseNumber(fields[3], row.Fb) || !parseIndex(fields[4], 1, row.Category) ||
            !parseNumber(fields[5], row.Density))
            return false;
        if (!IsValidMasonryUnitRow(row) || names.count(row.Name) > 0) return false;
        if (keep) {
            names.insert(row.Name);
            rows_.push_back(row);
        }
        return true;
    };
    cutNotice_ = ReadCatalogueRows(fileName, {MaxUserMasonryUnits, MaxMasonryFileBytes, MaxMasonryLineBytes},
                                   takeRow, added);
    return added;
}

bool TMasonryCatalogue::IsNameExists(const std::string& name) const
{
    for (const TMasonryUnitRow& r : rows_)
        if (r.Name == name) return true;
    return false;
}

std::vector<std::string> TMasonryCatalogue::GetElementNames() const
{
    std::vector<std::string> names;
    names.reserve(rows_.size());
    for (const TMasonryUnitRow& r : rows_) names.push_back(r.Name);
    return names;
}

bool TMasonryCatalogue::GetElementByName(const std::string& name, TMasonryUnitInfo& info) const
{
    for (const TMasonryUnitRow& r : rows_) {
        if (r.Name != name) continue;
        const int kind = MasonryKindOf(r.Material, r.Group);
        if (kind < 0) return false;
        info.Kind = kind;
        info.Category = r.Category;
        info.fb = r.Fb;
        info.Density = r.Density;
        return true;
    }
    return false;
}

// --- the file ----------------------------------------------------------------------------

std::string MasonryCatalogueText(const std::vector<TMasonryUnitRow>& rows)
{
    std::string text = Utf8ToCp1250(MasonryCatalogueHeader) + "\r\n";
    for (const TMasonryUnitRow& r : rows) {
        text += Utf8ToCp1250(r.Name + '\t' + std::to_string(r.Material) + '\t' + std::to_string(r.Group) + '\t' +
                             RoundTripDecimal(r.Fb, 1) + '\t' + std::to_string(r.Category) + '\t' +
                             RoundTripDecimal(r.Density, 1)) +
                "\r\n";
    }
    return text;
}

TFileResult SaveMasonryCatalogue(const std::string& fileName, const std::vector<TMasonryUnitRow>& rows)
{
    if (WriteFileAtomically(fileName, MasonryCatalogueText(rows))) return {};
    return FileWriteFailed(fileName);
}

// --- the element ---------------------------------------------------------------------------

bool ShowMasonryUnit(TCalcInput& in, const std::string& name, const TMasonryUnitInfo& unit)
{
    if (!IsValidMaterialKind(unit.Kind) || (unit.Category != 0 && unit.Category != 1) || !(unit.fb > 0) ||
        !std::isfinite(unit.fb) || !(unit.Density >= 0) || !std::isfinite(unit.Density))
        return false;
    bool changed = false;
    if (in.UserElement.str() != name) {
        in.UserElement.set(name);
        changed = true;
    }
    // The kind brings the mortar within its offer and the joint walls along.
    changed = StoreUnitKind(in, unit.Kind) || changed;
    if (in.fb != unit.fb) {
        in.fb = unit.fb;
        changed = true;
    }
    if (in.KategoriaWykElementu != static_cast<u32>(unit.Category)) {
        in.KategoriaWykElementu = static_cast<u32>(unit.Category);
        changed = true;
    }
    if (in.ro_muru != unit.Density) {
        in.ro_muru = unit.Density;
        if (in.wylicz_Gs == 1) ComputeSelfWeights(in);
        changed = true;
    }
    SyncJointWallsMasonry(in);
    return changed;
}

} // namespace orv
