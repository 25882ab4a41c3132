#include "core/ZunMaterials.h"


#include "core/MyUtils.h"

namespace orv {

namespace {

struct KindRow {
    TMasonryMaterial material;
    int group;
};

constexpr KindRow KindTable[MaterialKindCount] = {
    {mmCeramic, 1},           {mmCeramic, 2},           {mmCeramic, 3},
    {mmCeramic, 4},           {mmSilicate, 1},          {mmSilicate, 2},
    {mmAggregateConcrete, 1}, {mmAggregateConcrete, 2}, {mmAggregateConcrete, 3},
    {mmAggregateConcrete, 4}, {mmAAC, 1},               {mmManufacturedStone, 1},
    {mmNaturalStone, 1},
};

} // namespace

bool IsValidMaterialKind(int kind) { return kind >= 0 && kind < MaterialKindCount; }

int MaterialGroup(int kind)
{
    if (kind >= 0 && kind <= 9) return KindTable[kind].group;
    return 1;
}

TMasonryMaterial MaterialOfKind(int kind)
{
    if (IsValidMaterialKind(kind)) return KindTable[kind].material;
    return static_cast<TMasonryMaterial>(MasonryMaterialCount);
}

std::string_view WallMaterialWords(int material, bool& withGroup)
{
    withGroup = material == mmCeramic || material == mmSilicate || material == mmAggregateConcrete;
    switch (material) {
    case mmCeramic: return " ceramicznych grupy ";
    case mmSilicate: return " silikatowych grupy ";
    case mmAggregateConcrete: return " z betonu kruszywowego grupy ";
    case mmAAC: return " z autoklawizowanego betonu komórkowego";
    case mmManufacturedStone: return " z kamienia sztucznego";
    case mmNaturalStone: return " z kamienia naturalnego";
    default: return {};
    }
}

std::string WallMaterialText(int material, int group)
{
    bool withGroup = false;
    std::string s = "Ściana z elementów";
    s += WallMaterialWords(material, withGroup);
    if (withGroup) s += std::to_string(group);
    return s;
}

std::string WallKindText(int kind) { return WallMaterialText(MaterialOfKind(kind), MaterialGroup(kind)); }

std::string ElementMaterialText(int kind)
{
    const int group = MaterialGroup(kind);
    std::string s = "element";
    switch (MaterialOfKind(kind)) {
    case mmCeramic: s += " ceramiczny grupy " + std::to_string(group); break;
    case mmSilicate: s += " silikatowy grupy " + std::to_string(group); break;
    case mmAggregateConcrete: s += " z betonu kruszywowego grupy " + std::to_string(group); break;
    case mmAAC: s += " z autoklawizowanego betonu komórkowego"; break;
    case mmManufacturedStone: s += " z kamienia sztucznego"; break;
    case mmNaturalStone: s += " z kamienia naturalnego"; break;
    default: break;
    }
    return s;
}

double MortarStrength(int mortarClass)
{
    static constexpr double Strength[MortarClassCount] = {1.0, 2.5, 5.0, 10.0, 15.0, 20.0};
    if (mortarClass >= 0 && mortarClass < MortarClassCount) return Strength[mortarClass] * 1e6;
    return 1e6;
}

std::string MortarText(int mortarType, int mortarClass, int designed)
{
    std::string s;
    switch (mortarType) {
    case mtGeneral: s = "zwykła klasy M" + ShortDecimal(MortarStrength(mortarClass) / 1e6); break;
    case mtThinLayer: s = "do cienkich spoin"; break;
    case mtLightweight: s = "lekka klasy M" + ShortDecimal(MortarStrength(mortarClass) / 1e6); break;
    default: break;
    }
    s += designed != 0 ? ", projektowana" : ", przepisana";
    return s;
}

void MortarTypeName(int mortarType, std::string& s)
{
    switch (mortarType) {
    case mtGeneral: s = "zwykła"; break;
    case mtThinLayer: s = "do cienkich spoin"; break;
    case mtLightweight: s = "lekka"; break;
    default: break;
    }
}

std::span<const double> AllowedStrengths(int kind, int mortarType)
{
    static constexpr double Group1[] = {5, 7.5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 60, 75};
    static constexpr double Group1ThinLayer[] = {5, 7.5, 10, 15, 20, 25, 30, 35, 40, 45, 50};
    static constexpr double Group2[] = {5, 7.5, 10, 15, 20, 25, 30, 35};
    static constexpr double Groups34[] = {5, 7.5, 10, 15};
    static constexpr double Aac[] = {1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 6, 7};
    switch (kind) {
    case mkCeramic1:
    case mkSilicate1:
    case mkConcrete1:
        if (mortarType == mtThinLayer) return Group1ThinLayer;
        return Group1;
    case mkCeramic2:
    case mkSilicate2:
    case mkConcrete2:
        return Group2;
    case mkCeramic3:
    case mkCeramic4:
    case mkConcrete3:
    case mkConcrete4:
        return Groups34;
    case mkAAC:
        return Aac;
    default:
        return {};  // stone and unknown kinds: no list
    }
}

double StrengthLimit(int kind, int mortarType)
{
    const std::span<const double> allowed = AllowedStrengths(kind, mortarType);
    if (!allowed.empty()) return allowed.back();
    return mortarType == mtThinLayer ? 50 : 75;
}

void FillStrengthList(std::vector<std::string>& list, int kind, int mortarType)
{
    list.clear();
    for (double v : AllowedStrengths(kind, mortarType)) {
        const bool whole = v == static_cast<double>(static_cast<int>(v));
        list.push_back(whole ? std::to_string(static_cast<int>(v)) : FormatFixed(1, v));
    }
}

// --- concrete ----------------------------------------------------------------

const char* const ConcreteClassNamesB[ConcreteNamedCount] = {
    "B15", "B20", "B25", "B30", "B37", "B45", "B50", "B55", "B60"};
const char* const ConcreteClassNamesC[ConcreteNamedCount] = {
    "C12/15", "C16/20", "C20/25", "C25/30", "C30/37", "C35/45", "C40/50", "C45/55", "C50/60"};

namespace {

// f_ck, f_ctk, f_ctm, f_cd, f_ctd, value 6, value 7 [MPa]; E_cm [GPa]
constexpr double ConcreteTable[ConcreteTableCount][8] = {
    {12.0, 1.1, 1.6, 8.0, 0.73, 6.7, 0.18, 27},
    {16.0, 1.3, 1.9, 10.6, 0.87, 8.9, 0.22, 29},
    {20.0, 1.5, 2.2, 13.3, 1.00, 11.1, 0.26, 30},
    {25.0, 1.8, 2.6, 16.7, 1.20, 13.9, 0.30, 31},
    {30.0, 2.0, 2.9, 20.0, 1.33, 16.7, 0.34, 32},
    {35.0, 2.2, 3.2, 23.3, 1.47, 19.4, 0.37, 34},
    {40.0, 2.5, 3.5, 26.7, 1.67, 22.2, 0.41, 35},
    {45.0, 2.7, 3.8, 30.0, 1.80, 25.0, 0.40, 36},
    {50.0, 2.9, 4.1, 33.3, 1.93, 27.8, 0.48, 37},
    {55.0, 3.1, 4.4, 36.7, 2.06, 30.6, 0.48, 38},
    {60.0, 3.2, 4.6, 40.0, 2.13, 33.3, 0.48, 39},
};

} // namespace

bool ConcreteClassProps(const TConcreteQuery& query, TConcreteProps& props)
{
    props = TConcreteProps{};
    if (query.ClassIndex < 0 || query.ClassIndex >= ConcreteTableCount) return false;
    const double* row = ConcreteTable[query.ClassIndex];
    props.f_ck = row[0] * 1e6;
    props.f_ctk = row[1] * 1e6;
    props.f_ctm = row[2] * 1e6;
    props.f_cd = row[3] * 1e6;
    props.f_ctd = row[4] * 1e6;
    props.Value6 = row[5] * 1e6;
    props.Value7 = row[6] * 1e6;
    props.E_cm = row[7] * 1e9;

    const double a_cc = query.LongTerm != 0 ? 0.85 : 1.0;
    const double gamma_c = query.Situation == 2 ? 1.3 : 1.5;
    props.f_cd = a_cc * props.f_ck / gamma_c;
    props.f_ctd = a_cc * props.f_ctk / gamma_c;
    return true;
}

bool GetConcreteClassProps(int classIndex, TConcreteProps& props)
{
    TConcreteQuery q;
    q.ClassIndex = classIndex;
    return ConcreteClassProps(q, props);
}

} // namespace orv
