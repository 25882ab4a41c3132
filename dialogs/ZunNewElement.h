// The editor of one masonry unit of the catalogue: name, material, group,
// f_b, category and unit weight, with the requirements the code sets for
// units of the chosen group. It works on a copy: data() gives the unit back
// as confirmed by OK, which refuses an empty name, a name the file could not
// keep, a name in use and an f_b that is no positive number.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "core/MasonryCatalogue.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace orv {

class TStrengthCombo;

class TSpinSpeedRealEdit;

class TNewElementDlg : public QDialog {
    Q_OBJECT
public:
    explicit TNewElementDlg(QWidget* parent = nullptr);

    // A new unit ("Nowy element murowy") or an edited one.
    void setNewUnit(bool isNew);
    void setData(const TMasonryUnitRow& row);
    const TMasonryUnitRow& data() const { return data_; }
    // The names of the other units of the catalogue.
    void setNamesInUse(const std::vector<std::string>& names) { namesInUse_ = names; }

    // The four requirement texts shown (all holes, one hole, web, combined webs).
    QStringList requirementTexts() const;

    void accept() override;
    // The "..." button of the unit weight: the wall unit-weight table of the
    // load-tables library; its weight is taken on OK.
    void roButtonClick();

private:
    void materialChanged();
    void groupChanged();
    void showRequirements();
    void fillStrengthList();
    // The f_b text left: rewritten with one decimal, or refused (false).
    bool fbLeft();
    // f_b as typed, within the largest of the kind's list.
    bool takeStrength(double& v);
    int kind() const;

    TMasonryUnitRow data_;
    std::vector<std::string> namesInUse_;
    QLineEdit* Nazwa1 = nullptr;
    QComboBox* TypMaterialu1 = nullptr;
    QComboBox* grupa1 = nullptr;
    QWidget* groupRow_ = nullptr;
    TStrengthCombo* fb1 = nullptr;
    QComboBox* KategoriaWykElementu1 = nullptr;
    TSpinSpeedRealEdit* ro1 = nullptr;
    // The unit weight's text as set; while it stands, the row's own value
    // is kept, with all its digits.
    QString densityShown_;
    QWidget* requirements_ = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
};

} // namespace orv
