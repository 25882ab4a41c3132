// The one dialog of the load-tables library: a table of rows (description,
// quantity, value, partial factor) filled from the built-in lists or typed,
// with the characteristic and design sums shown as the rows change.
#pragma once

#include <QDialog>

#include <span>
#include <string>
#include <vector>

#include "dialogs/nomlib/NomTables.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTableWidget;

namespace orv::nom {

struct TTableSpec {
    QString title;
    QString quantityTitle;
    QString valueTitle;
    QString sumUnit;                 // unit of the sums, e.g. "kN/m²"
    std::span<const TPresetRow> presets;
    double presetQuantity = 1.0;     // quantity of a row added from the list
    int presetIndex = 0;
    bool meanValue = false;          // show the mean value (layered unit weight)
    bool bandWidth = false;          // show the band width [m]
    double width = 1.0;
    bool bothSides = false;          // show the "both wind sides" choice
    bool both = false;
};

class TLoadTableDlg : public QDialog {
    Q_OBJECT
public:
    TLoadTableDlg(QWidget* parent, const TTableSpec& spec, const std::vector<TLoadRow>& rows);

    std::vector<TLoadRow> rows() const;
    double width() const;
    bool both() const;
    int presetIndex() const;
    // The sums as shown, for the rows of the table now.
    QString sumsText() const;

private:
    void addRow(const TLoadRow& r);
    void addPreset();
    void removeRow();
    void updateSums();

    TTableSpec spec_;
    QTableWidget* table_ = nullptr;
    QComboBox* presets_ = nullptr;
    QDoubleSpinBox* width_ = nullptr;
    QCheckBox* both_ = nullptr;
    QLabel* sums_ = nullptr;
};

// Places the dialog at (x, y) unless that is (-1, -1) or off every screen.
void PlaceAt(QDialog& dlg, int x, int y);

} // namespace orv::nom
