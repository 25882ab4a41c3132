#include "core/ZunSlabs.h"

#include <cmath>
#include <cstring>

#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/ZunMaterials.h"

namespace orv {
namespace {

int ConcreteClassOfName(const std::string& text)
{
    for (int i = 0; i < ConcreteClassCount; ++i)
        if (text == ConcreteClassNamesB[i]) return i;
    return -1;
}

f64* SlabModulusField(TCalcInput& in, int member)
{
    switch (member) {
    case 3: return &in.E3;
    case 4: return &in.E4;
    case 6: return &in.E6;
    case 7: return &in.E7;
    default: return nullptr;
    }
}

} // namespace

double SolidSlabJ(double b, double d) { return b * d * d * d / 12; }

std::string SolidSlabName(double d)
{
    const bool whole = std::abs(d - std::round(d)) < 0.05;
    return "Płyta żelbetowa gr." + FormatFixed(whole ? 0 : 1, d) + " cm";
}

f64* JointSlabBlock(TCalcInput& in, int member)
{
    return member >= 2 && member <= 7 ? in.SlabData[member - 2] : nullptr;
}

TSlabRecord* JointSlabRecord(TCalcInput& in, int member)
{
    switch (member) {
    case 3: return &in.Stropy[0];
    case 4: return &in.Stropy[1];
    case 6: return &in.Stropy[2];
    case 7: return &in.Stropy[3];
    default: return nullptr;
    }
}

bool StoreJointJ(TCalcInput& in, int member, double J)
{
    f64* const fields[6] = {&in.J2, &in.J3, &in.J4, &in.J5, &in.J6, &in.J7};
    if (member < 2 || member > 7) return false;
    f64& field = *fields[member - 2];
    if (std::memcmp(&field, &J, sizeof J) == 0) return false;
    field = J;
    return true;
}

bool CheckSlabModulusText(const std::string& text)
{
    if (!text.empty() && text[0] == 'B') {
        if (ConcreteClassOfName(text) >= 0) return true;
        ShowMessageDialog("Popraw!", "Nie ma takiej klasy betonu!", mdError, mbOK);
        return false;
    }
    // An empty field counts as 0, as in every number combo.
    double v = 0;
    if (text.empty() || TryTextToFloat(text, v)) return true;
    ShowMessageDialog("Popraw!", "Błąd w zapisie liczby!", mdError, mbOK);
    return false;
}

double SlabModulusValue(const std::string& text)
{
    const int cls = ConcreteClassOfName(text);
    if (cls >= 0) {
        TConcreteProps props;
        GetConcreteClassProps(cls, props);
        return props.E_cm / 1e9;
    }
    if (text.empty()) return 0;
    double v = 0;
    if (TryTextToFloat(text, v)) return v;
    ShowMessageDialog("Popraw!", "Błąd przy konwersji wyrażenia: " + text, mdError, mbOK);
    return 0;
}

bool StoreSlabModulus(TCalcInput& in, int member, double gpa)
{
    f64* field = SlabModulusField(in, member);
    if (!field) return false;
    // What the field shows after leaving it is what is stored.
    const double shown = TextToFloat(FormatFixed(1, gpa));
    if (std::memcmp(field, &shown, sizeof shown) == 0) return false;
    *field = shown;
    return true;
}

} // namespace orv
