// "Moduł sprężystości muru": the modulus of elasticity E of masonry of a unit
// (by general definition or from the masonry-unit catalogue) and a mortar,
// shown after every change. It works on a copy of the unit: data() and
// modulus() give the unit and E back as confirmed by OK.
#pragma once

#include <QDialog>

#include "core/MasonryCatalogue.h"
#include "core/ZunTypes.h"

class QComboBox;
class QLabel;
class QRadioButton;

namespace orv {

class TStrengthCombo;

class TEkDlg : public QDialog {
    Q_OBJECT
public:
    explicit TEkDlg(QWidget* parent = nullptr);

    // The catalogue the unit list offers and the units are taken from.
    void setCatalogue(const TMasonryCatalogue& catalogue);
    void setData(const TElementMurowy& unit);
    // The unit and its E [GPa] as confirmed by OK (as set before that).
    const TElementMurowy& data() const { return data_; }
    double modulus() const { return modulus_; }
    // E [GPa] of the unit as it stands in the dialog, and the result line as plain text.
    double currentModulus() const;
    QString resultText() const;

    void accept() override;

private:
    void showUnit();
    void kindChosen(int kind);
    void mortarTypeChosen(int type);
    void mortarClassChosen(int mortarClass);
    void generalChosen();
    void catalogueUnitChosen();
    // The f_b text left: refused (false) or stored when it differs.
    bool fbLeft();
    // The mortar lists for the unit kind, the type and class kept when offered.
    void fitMortar();
    void fillStrengthList();
    void updateEnabledStates();
    void showResult();

    TElementMurowy work_{};
    TElementMurowy data_{};
    double modulus_ = 0;
    TMasonryCatalogue catalogue_;
    bool filling_ = false;
    QRadioButton* OgolnaDefElementu1 = nullptr;
    QRadioButton* OgolnaDefElementu0 = nullptr;
    QComboBox* RodzajElementuM1 = nullptr;
    QWidget* fbRow_ = nullptr;
    TStrengthCombo* fb1 = nullptr;
    QComboBox* UserElement1 = nullptr;
    QComboBox* RodzajZaprawy1 = nullptr;
    QComboBox* KlasaZaprawy1 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* PB1 = nullptr;
};

// Runs the dialog modally on `unit` with the catalogue as the files hold it;
// true, with `unit` and `E` [GPa] replaced, on OK.
bool ShowEkDlg(QWidget* parent, TElementMurowy& unit, double& E);

} // namespace orv
