// The entry points of the load-tables library. What they answer:
// - ShowWallsObcDlg, ShowConcreteObcDlg, ShowSoilLoadDlg: layers (thickness
//   [m], unit weight [kN/m3]); V is the unit weight of the layered whole.
// - ShowObcStaleDlg, ShowObcZmienneDlg: floor loads [kN/m2]; A1 is the design
//   sum, A2 the band width D3 [m] (mode 2) or 1 (mode 1), so that A1 x A2 is
//   the line load; the variable table's A3 is the characteristic sum. S1
//   keeps the band width, S2 the rows.
// - ShowWindWallLoadsDlg: pressure coefficients times peak pressure; A1 is
//   the design pressure [kN/m2], A2 = 1. S2 rows, S1 the band width.
// - ShowWindAllWallLoadsDlg: the same rows; one side (B = 0): A1 the design
//   line load [kN/m] over the band width D3, A3 = 1; both sides (B = 1): A1
//   the design pressure and A2 the design suction [kN/m2], A3 = 1. Rows in S3
//   (and S4 for both sides), the band width in S1 (and S2).
// - ShowAllObcDlg: A1 the design sum, A3 the characteristic sum, A2 their
//   ratio (the mean partial factor; kept when nothing is characteristic).
// The settings: I1 the row of the built-in list last picked, I3 = 1 when the
// program set the band width D3; they and the dialog's place are written
// back when the dialog closes, confirmed or not.
#include <QWidget>

#include <cmath>
#include <exception>
#include <optional>
#include <vector>

#include "core/MessageService.h"
#include "core/SettingsStore.h"
#include "core/ZunTypes.h"
#include "dialogs/nomlib/NomDialogs.h"
#include "platform/NomLibApi.h"

#define NOM_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using namespace orv;
using namespace orv::nom;

QWidget* OwnerWidget(void* owner) { return qobject_cast<QWidget*>(static_cast<QObject*>(owner)); }

template <typename Call>
bool Guarded(Call&& call)
{
    try {
        return call();
    } catch (const std::exception& e) {
        ShowMessageDialog("Nie można uruchomić tej funkcji!", e.what(), mdWarning, mbOK);
    } catch (...) {
        ShowMessageDialog("Nie można uruchomić tej funkcji!", "Nieznany błąd.", mdWarning, mbOK);
    }
    return false;
}

std::vector<TLoadRow> Rows(const TFixedText* t) { return t ? TextToRows(FixedTextToStr(*t)) : std::vector<TLoadRow>{}; }
void PutRows(TFixedText* t, const std::vector<TLoadRow>& rows)
{
    if (t) StrToFixedText(RowsToText(rows, sizeof t->Chars), *t);
}
void PutText(TFixedText* t, const std::string& s)
{
    if (t) StrToFixedText(s, *t);
}

// Shows the dialog at the place and writes the place back.
bool Run(TLoadTableDlg& dlg, TPoint* place)
{
    if (place) PlaceAt(dlg, place->X, place->Y);
    const bool ok = dlg.exec() == QDialog::Accepted;
    if (place) *place = TPoint{dlg.x(), dlg.y()};
    return ok;
}

double Finite(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

TTableSpec LayerSpec(const QString& title, std::span<const TPresetRow> presets)
{
    TTableSpec s;
    s.title = title;
    s.quantityTitle = QStringLiteral("Grubość [m]");
    s.valueTitle = QStringLiteral("Ciężar obj. [kN/m³]");
    s.sumUnit = QStringLiteral("kN/m²");
    s.presets = presets;
    s.presetQuantity = 0.1;
    s.meanValue = true;
    return s;
}

bool LayerTable(void* owner, TPoint* place, const QString& title, std::span<const TPresetRow> presets,
                TFixedText* s, double* v)
{
    return Guarded([&] {
        TLoadTableDlg dlg(OwnerWidget(owner), LayerSpec(title, presets), Rows(s));
        if (!Run(dlg, place)) return false;
        const std::vector<TLoadRow> rows = dlg.rows();
        PutRows(s, rows);
        if (v) *v = Finite(MeanValue(rows), 0.0);
        return true;
    });
}

// The band width of a floor or wind table: the program's (I3 = 1), else the
// one kept with the table, else the settings'.
double StartWidth(const int* i3, const double* d3, const TFixedText* note)
{
    const double settings = d3 && std::isfinite(*d3) && *d3 >= 0 ? *d3 : 1.0;
    if (i3 && *i3 == 1) return settings;
    return note ? BandWidthFromText(FixedTextToStr(*note), settings) : settings;
}

void KeepSettings(const TLoadTableDlg& dlg, int* i1, int* i3, double* d3)
{
    if (i1) *i1 = dlg.presetIndex();
    if (i3) *i3 = 0;
    if (d3) *d3 = dlg.width();
}

// A floor or wind table over a band: opens with the kept rows, width and
// preset, keeps the settings, and on OK writes the rows and the band width
// back. Nothing when cancelled.
struct TBandTable {
    std::vector<TLoadRow> rows;
    double width = 1.0;
    bool both = false;  // the wind table's "both sides"
};
std::optional<TBandTable> RunBandTable(void* owner, TTableSpec spec, int* i1, int* i3, double* d3,
                                       TFixedText* widthText, TFixedText* rowsText)
{
    spec.width = StartWidth(i3, d3, widthText);
    spec.presetIndex = i1 ? *i1 : 0;
    TLoadTableDlg dlg(OwnerWidget(owner), spec, Rows(rowsText));
    const bool ok = Run(dlg, nullptr);
    KeepSettings(dlg, i1, i3, d3);
    if (!ok) return std::nullopt;
    TBandTable table{dlg.rows(), dlg.width(), dlg.both()};
    PutRows(rowsText, table.rows);
    PutText(widthText, BandWidthText(table.width));
    return table;
}

} // namespace

NOM_EXPORT void NomAttachHost(orv::ISettingsStore* settings, orv::IMessageService* messages)
{
    BindSettingsStore(settings);
    BindMessageService(messages);
}

NOM_EXPORT bool ShowWallsObcDlg(void* owner, TPoint* placeA, TPoint* /*placeB*/, TFixedText* s, double* v)
{
    return LayerTable(owner, placeA, QStringLiteral("Ciężar objętościowy ściany"), kUnitWeights, s, v);
}

NOM_EXPORT bool ShowConcreteObcDlg(void* owner, TPoint* placeA, TPoint* /*placeB*/, TFixedText* s, double* v)
{
    return LayerTable(owner, placeA, QStringLiteral("Ciężar objętościowy wieńca"), kUnitWeights, s, v);
}

NOM_EXPORT bool ShowSoilLoadDlg(void* owner, TFixedText* s, double* v)
{
    return LayerTable(owner, nullptr, QStringLiteral("Ciężar objętościowy gruntu"), kSoils, s, v);
}

NOM_EXPORT bool ShowObcStaleDlg(void* owner, int mode, int* i1, int* /*i2*/, int* i3, double* /*d1*/,
                                double* /*d2*/, double* d3, TFixedText* s1, TFixedText* s2, double* a1,
                                double* a2)
{
    return Guarded([&] {
        TTableSpec spec = LayerSpec(QStringLiteral("Obciążenia stałe stropu"), kUnitWeights);
        spec.meanValue = false;
        spec.bandWidth = mode == 2;
        const std::optional<TBandTable> table = RunBandTable(owner, spec, i1, i3, d3, s1, s2);
        if (!table) return false;
        if (a1) *a1 = Finite(DesignSum(table->rows), 0.0);
        if (a2) *a2 = mode == 2 ? table->width : 1.0;
        return true;
    });
}

NOM_EXPORT bool ShowObcZmienneDlg(void* owner, int mode, int* i1, int* /*i2*/, int* i3, double* /*d1*/,
                                  double* /*d2*/, double* d3, TFixedText* s1, TFixedText* s2,
                                  double* a1, double* a2, double* a3)
{
    return Guarded([&] {
        TTableSpec spec;
        spec.title = QStringLiteral("Obciążenia zmienne stropu");
        spec.quantityTitle = QStringLiteral("Ilość");
        spec.valueTitle = QStringLiteral("q_k [kN/m²]");
        spec.sumUnit = QStringLiteral("kN/m²");
        spec.presets = kImposedLoads;
        spec.bandWidth = mode == 2;
        const std::optional<TBandTable> table = RunBandTable(owner, spec, i1, i3, d3, s1, s2);
        if (!table) return false;
        if (a1) *a1 = Finite(DesignSum(table->rows), 0.0);
        if (a2) *a2 = mode == 2 ? table->width : 1.0;
        if (a3) *a3 = Finite(CharacteristicSum(table->rows), 0.0);
        return true;
    });
}

namespace {

TTableSpec WindSpec()
{
    TTableSpec spec;
    spec.title = QStringLiteral("Obciążenie wiatrem ściany");
    spec.quantityTitle = QStringLiteral("c_pe");
    spec.valueTitle = QStringLiteral("q_p(z) [kN/m²]");
    spec.sumUnit = QStringLiteral("kN/m²");
    spec.presets = kWallPressureCoefficients;
    spec.presetQuantity = 1.0;
    spec.bandWidth = true;
    return spec;
}

} // namespace

NOM_EXPORT bool ShowWindWallLoadsDlg(void* owner, int /*mode*/, int* i1, int* /*i2*/, int* i3,
                                     double* /*d1*/, double* /*d2*/, double* d3, TFixedText* s1,
                                     TFixedText* s2, TFixedText* /*s3*/, TFixedText* /*s4*/,
                                     double* a1, double* a2)
{
    return Guarded([&] {
        const std::optional<TBandTable> table = RunBandTable(owner, WindSpec(), i1, i3, d3, s1, s2);
        if (!table) return false;
        if (a1) *a1 = Finite(DesignSum(table->rows), 0.0);
        if (a2) *a2 = 1.0;
        return true;
    });
}

NOM_EXPORT bool ShowWindAllWallLoadsDlg(void* owner, int /*mode*/, int /*c1*/, unsigned char* b, int* i1,
                                        int* /*i2*/, int* i3, double* /*d1*/, double* /*d2*/,
                                        double* d3, TFixedText* s1, TFixedText* s2, TFixedText* s3,
                                        TFixedText* s4, TFixedText* /*s5*/, TFixedText* /*s6*/,
                                        double* a1, double* a2, double* a3)
{
    return Guarded([&] {
        TTableSpec spec = WindSpec();
        spec.bothSides = true;
        spec.both = b && *b != 0;
        const std::optional<TBandTable> table = RunBandTable(owner, spec, i1, i3, d3, s1, s3);
        if (!table) return false;
        const std::vector<TLoadRow>& rows = table->rows;
        const double width = table->width;
        if (b) *b = table->both ? 1 : 0;
        if (table->both) {
            PutRows(s4, rows);
            PutText(s2, BandWidthText(width));
            if (a1) *a1 = Finite(DesignSumOfSign(rows, true), 0.0);
            if (a2) *a2 = Finite(DesignSumOfSign(rows, false), 0.0);
        } else {
            if (a1) *a1 = Finite(DesignSum(rows) * width, 0.0);
            if (a2) *a2 = 0.0;
        }
        if (a3) *a3 = 1.0;
        return true;
    });
}

NOM_EXPORT bool ShowAllObcDlg(void* owner, TPoint* placeA, TPoint* /*placeB*/, int mode, int, int, int,
                              int, int, int* i1, int* /*i2*/, int* /*i3*/, double* /*d1*/,
                              double* /*d2*/, double* /*d3*/, double, TFixedText* /*s1*/,
                              TFixedText* s2, TFixedText*, TFixedText*, double* a1, double* a2,
                              double* a3, unsigned char*)
{
    return Guarded([&] {
        TTableSpec spec;
        spec.title = mode == 2 ? QStringLiteral("Obciążenie ściany piwnicy")
                               : QStringLiteral("Zestawienie obciążeń");
        spec.quantityTitle = QStringLiteral("Ilość [m, m²/m]");
        spec.valueTitle = QStringLiteral("Wartość [kN/m³, kN/m²]");
        spec.sumUnit = QStringLiteral("kN/m");
        spec.presets = kUnitWeights;
        spec.presetIndex = i1 ? *i1 : 0;
        TLoadTableDlg dlg(OwnerWidget(owner), spec, Rows(s2));
        const bool ok = Run(dlg, placeA);
        if (i1) *i1 = dlg.presetIndex();
        if (!ok) return false;
        const std::vector<TLoadRow> rows = dlg.rows();
        PutRows(s2, rows);
        const double design = Finite(DesignSum(rows), 0.0);
        const double characteristic = Finite(CharacteristicSum(rows), 0.0);
        if (a1) *a1 = design;
        if (a3) *a3 = characteristic;
        if (a2 && characteristic != 0) *a2 = Finite(design / characteristic, *a2);
        return true;
    });
}
