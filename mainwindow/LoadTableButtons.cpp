#include "mainwindow/LoadTableButtons.h"

#include <cmath>
#include <memory>
#include <string>

#include "core/ProjectSession.h"
#include "core/ZunEditor.h"
#include "mainwindow/ElementEditor.h"
#include "platform/NomLib.h"

namespace orv {
namespace {

TCompilationDialog& CompilationDialog()
{
    static TCompilationDialog dialog;
    return dialog;
}

// The whole-table fields and the index of their text and stored value.
struct ForceField {
    const char* name;
    int k;
};
constexpr ForceField kForceFields[] = {{"Nod1", 0}, {"Nsld1", 1}, {"Nspd1", 2},
                                       {"Nsd1a", 3}, {"N0_mb1", 4}, {"NSd1b", 5}};

// The floor fields and their slot among the four floors 3, 4, 6, 7.
struct FloorField {
    const char* name;
    int k;
    bool permanent;
};
constexpr FloorField kFloorFields[] = {{"g3d", 0, true},  {"g4d", 1, true},  {"g6d", 2, true},
                                       {"g7d", 3, true},  {"p3d", 0, false}, {"p4d", 1, false},
                                       {"p6d", 2, false}, {"p7d", 3, false}};

std::string Str(const TFixedText& t) { return FixedTextToStr(t); }
void Put(TFixedText& t, const std::string& s) { StrToFixedText(s, t); }

// A load into its field as the field shows it, at its decimals; one outside
// the field's range is refused with the whole store. A result that is not
// finite leaves the field alone.
bool SetField(TCalcInput& in, const char* name, double v)
{
    const TNumericField* f = FindNumericField(name);
    if (!f || !std::isfinite(v)) return false;
    WriteField(in, f->offset, FieldShownValue(*f, v));
    return true;
}

TLoadTableSettings TableSettings(const TCalcInput& in)
{
    return {in.WindTableInt[0], in.WindTableInt[1], in.WindTableInt[2],
            in.WindTableValue[0], in.WindTableValue[1], in.WindTableWidth};
}

void StoreSettings(TCalcInput& in, const TLoadTableSettings& s)
{
    in.WindTableInt[0] = s.I1;
    in.WindTableInt[1] = s.I2;
    in.WindTableInt[2] = s.I3;
    in.WindTableValue[0] = s.D1;
    in.WindTableValue[1] = s.D2;
    in.WindTableWidth = s.D3;
}

// The band width from the wall's width when the element asks for it.
TLoadTableSettings CallSettings(const TCalcInput& in, bool widthFromWall)
{
    TLoadTableSettings s = TableSettings(in);
    if (widthFromWall) {
        s.D3 = in.l / 100;
        s.I3 = 1;
    }
    return s;
}

// The load per square metre of a line load over the band width; nothing
// when the width is no width.
void SetOverWidth(TCalcInput& in, const char* name, double lineLoad, double width)
{
    if (width > 0 && std::isfinite(width)) SetField(in, name, lineLoad / width);
}

bool WindAll(QObject* owner, TCalcInput& in, bool pressureButton)
{
    TLoadTableSettings st = CallSettings(in, in.WindFlags[2] != 0);
    unsigned char b = in.WindFlags[0];
    std::string s[6];
    const bool pressureTexts = b == 0 && pressureButton;
    s[2] = Str(pressureTexts ? in.WindText2[0] : in.WindText[0]);
    s[4] = Str(pressureTexts ? in.WindText2[2] : in.WindText[1]);
    s[5] = Str(pressureTexts ? in.WindText2[3] : in.WindText[2]);
    double a1 = 0, a2 = 0, a3 = 0;
    if (!CallShowWindAllWallLoadsDlg(owner, 2, b, st, s, a1, a2, a3)) return false;
    StoreSettings(in, st);
    in.WindFlags[0] = b;
    const double d3 = st.D3;
    if (b == 1) {
        in.WindTableFlag = 0;
        in.WindFlags[1] = 0;
        Put(in.WindText[0], s[3]);
        Put(in.WindText[1], s[4]);
        Put(in.WindText[2], s[5]);
        Put(in.WindText[3], s[1]);
        Put(in.WindText2[0], s[2]);
        Put(in.WindText2[1], s[0]);
        Put(in.WindText2[2], s[4]);
        Put(in.WindText2[3], s[5]);
        SetField(in, "wd1", a2 * a3 * d3);
        SetField(in, "wd2", a1 * a3 * d3);
        SetOverWidth(in, "wd_kNm2", (std::fabs(a1) > std::fabs(a2) ? a1 : a2) * a3, d3);
    } else {
        if (a1 < 0) {
            SetField(in, "wd1", a1 * a3);
            in.WindTableFlag = 0;
            Put(in.WindText[0], s[2]);
            Put(in.WindText[3], s[0]);
            Put(in.WindText[1], s[4]);
            Put(in.WindText[2], s[5]);
        } else if (a1 > 0) {
            SetField(in, "wd2", a1 * a3);
            in.WindFlags[1] = 0;
            Put(in.WindText2[0], s[2]);
            Put(in.WindText2[1], s[0]);
            Put(in.WindText2[2], s[4]);
            Put(in.WindText2[3], s[5]);
        }
        SetOverWidth(in, "wd_kNm2", a1 * a3, d3);
    }
    in.WindFlags[2] = 0;
    return true;
}

bool WindWall(QObject* owner, TCalcInput& in)
{
    TLoadTableSettings st = TableSettings(in);
    std::string s1, s2 = Str(in.WindText[0]), s3 = Str(in.WindText[1]), s4 = Str(in.WindText[2]);
    double a1 = 0, a2 = 0;
    if (!CallShowWindWallLoadsDlg(owner, 1, st, s1, s2, s3, s4, a1, a2)) return false;
    StoreSettings(in, st);
    in.WindTableFlag = 0;
    Put(in.WindText[0], s2);
    Put(in.WindText[1], s3);
    Put(in.WindText[2], s4);
    Put(in.WindText[3], s1);
    SetField(in, "wd_kNm2", a1 * a2);
    SetField(in, "wd1", a1 * a2 * st.D3);
    return true;
}

bool Floor(QObject* owner, TCalcInput& in, const FloorField& f)
{
    TLoadTableSettings st = CallSettings(in, in.WindFlags[3] != 0);
    const std::size_t k = static_cast<std::size_t>(f.k);
    std::string s1 = Str(in.SlabLoadText[k]);
    std::string s2 = Str(f.permanent ? in.gText[k] : in.pText[k]);
    double a1 = 0, a2 = 0, a3 = 0;
    const bool ok = f.permanent ? CallShowObcStaleDlg(owner, 2, st, s1, s2, a1, a2)
                                : CallShowObcZmienneDlg(owner, 2, st, s1, s2, a1, a2, a3);
    if (!ok) return false;
    in.WindFlags[3] = 0;
    StoreSettings(in, st);
    Put(in.SlabLoadText[k], s1);
    Put(f.permanent ? in.gText[k] : in.pText[k], s2);
    SetField(in, f.name, a1 * a2);
    return true;
}

bool Soil(QObject* owner, TCalcInput& in)
{
    std::string s = Str(in.ro_e_text);
    double v = in.ro_e;
    if (!CallShowSoilLoadDlg(owner, s, v)) return false;
    Put(in.ro_e_text, s);
    SetField(in, "ro_e1", v);
    return true;
}

bool WholeTable(QObject* owner, TPoint (&places)[2], TCalcInput& in, const ForceField& f)
{
    const std::size_t k = static_cast<std::size_t>(f.k);
    TLoadTableSettings st = TableSettings(in);
    std::string s1, s2 = Str(in.ForceText[k]);
    double a1 = 0, a2 = in.ForceGammaF[k], a3 = 1.0;
    const int mode = f.k == 4 ? 2 : 3;
    if (!CallShowAllObcDlg(owner, places[0], places[1], mode, st, s1, s2, a1, a2, a3)) return false;
    StoreSettings(in, st);
    Put(in.ForceText[k], s2);
    if (std::isfinite(a2)) in.ForceGammaF[k] = a2;
    SetField(in, f.name, a1);
    return true;
}

} // namespace

TCompilationDialog BindCompilationDialog(TCompilationDialog dialog)
{
    TCompilationDialog prev = std::move(CompilationDialog());
    CompilationDialog() = std::move(dialog);
    return prev;
}

static bool IsDensityField(std::string_view field)
{
    return field == "ro_muru1" || field == "ro_muru2" || field == "ro_muru3";
}

// The wall's density from the table of walls: the row text is kept for the
// next call, the density stored as its field would (range, self weights).
static bool Density(QObject* owner, TPoint (&places)[2], TCalcInput& in)
{
    std::string rows = in.ro_muru_text.str();
    double v = in.ro_muru;
    if (!CallShowWallsObcDlg(owner, places[0], places[1], rows, v) || !std::isfinite(v)) return false;
    in.ro_muru_text.set(rows);
    const TNumericField& field = *FindNumericField("ro_muru1");
    StoreNumericField(in, field, FieldShownValue(field, v));
    return true;
}

bool HasLoadTableButton(std::string_view field)
{
    if (field == "wd1" || field == "wd2" || field == "wd_kNm2" || field == "ro_e1" || IsDensityField(field))
        return true;
    for (const FloorField& f : kFloorFields)
        if (field == f.name) return true;
    for (const ForceField& f : kForceFields)
        if (field == f.name) return true;
    return false;
}

bool RunLoadTableButton(std::string_view field, QObject* owner, TPoint (&places)[2],
                        TProjectElement& e)
{
    TCalcInput& in = e.Input;
    if (field == "wd1" || field == "wd2") return WindAll(owner, in, field == "wd2");
    if (field == "wd_kNm2") return WindWall(owner, in);
    if (field == "ro_e1") return Soil(owner, in);
    if (IsDensityField(field)) return Density(owner, places, in);
    for (const FloorField& f : kFloorFields)
        if (field == f.name) return Floor(owner, in, f);
    for (const ForceField& f : kForceFields) {
        if (field != f.name) continue;
        const bool compiled = f.k == 0 || f.k == 4;
        if (compiled && Str(in.ForceText[static_cast<std::size_t>(f.k)]).empty() &&
            CompilationDialog())
            return CompilationDialog()(owner, e, f.k == 4);
        return WholeTable(owner, places, in, f);
    }
    return false;
}

} // namespace orv

// --- the editor's side ---------------------------------------------------------------

namespace orv {

void TElementEditor::loadTableButton(const char* field)
{
    if (filling_ || !commitPendingEdit()) return;
    // The main window's two dialog places of the load tables.
    static TPoint places[2] = {{-1, -1}, {-1, -1}};
    auto copy = std::make_unique<TProjectElement>(session_.current());
    if (!RunLoadTableButton(field, window(), places, *copy)) return;
    session_.storeEdit([&](TProjectElement& e) { e = *copy; });
    ShowElementData();
}

} // namespace orv
