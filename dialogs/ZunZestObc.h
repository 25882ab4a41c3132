// The compilation of the design load that the storeys above bring onto the
// wall of an element: roof, band width and up to nine storeys (wall, ring
// beam, left and right floor), in the basement variant also the slab over
// the basement. F is summed and the scheme redrawn after every change; the
// compilation can be saved to and read from ".kond" files.
#pragma once

#include <QDialog>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/MyUtils.h"
#include "core/ZunTypes.h"
#include "drawing/CommonColorUnit.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;

namespace orv {

class TNumberEdit;

class TZestObcDlg : public QDialog {
    Q_OBJECT
public:
    explicit TZestObcDlg(QWidget* parent = nullptr);
    ~TZestObcDlg() override;

    // The compilation to edit, the element's input (its geometry is taken
    // once, while the compilation asks for it) and the variant. Recalculates.
    void setData(const TLoadCompilation& loads, const TCalcInput& input, bool basement);
    // The compilation as edited so far, and F of it [kN, or kN/m in the
    // basement variant]; no F while a value is bad, and then the fault
    // names the storey and the field.
    const TLoadCompilation& data() const { return *comp_; }
    std::optional<double> upperLoad() const { return upperLoad_; }
    const std::string& fault() const { return fault_; }
    // The result line in report mark-up, as drawn above the scheme.
    std::string resultLine() const;

    // A unit chosen for the length field of `tag` (101 b, 102 lo_L, 103 lo_P,
    // 104 hw, 105 tw, 106 h, 107 bs, 108 t), or for b and every length of
    // every entry.
    void ChangeFieldUnit(int tag, int unit);
    void ApplyUnitToAllFields(int unit);

    // OK is refused while the compilation has a fault.
    void done(int result) override;

private:
    using ValueArray = f64 (TLoadCompilation::*)[10];
    using UnitArray = i32 (TLoadCompilation::*)[10];

    // One value field of the current entry: its edit, its array, and for a
    // length its unit array, label and limits in metres.
    struct ValueField {
        TNumberEdit* edit = nullptr;
        ValueArray values = nullptr;
        UnitArray units = nullptr;
        QToolButton* unitLabel = nullptr;
        int tag = 0;
        double baseMax = 0;
        double baseStep = 0;
    };

    static constexpr double kLengthMax = 10.0;  // [m]
    static constexpr double kLengthStep = 0.05; // [m]
    static constexpr double kBandMax = 100.0;   // [m]

    // The form, built in the order its widgets stand (ZunZestObcForm.cpp).
    TNumberEdit* addEdit(const char* name, double max, double step, int decimals, bool button);
    TNumberEdit* addValueField(const char* name, ValueArray values, double max, double step, int decimals,
                               bool button = false);
    ValueField addLengthField(const char* name, ValueArray values, UnitArray units, const char* label, int tag);
    QToolButton* unitLabel(const char* name, int tag);
    QComboBox* gammaCombo(const char* name);
    QRadioButton* radio(const char* name, const char* text);
    void buildForm();
    void buildGeneral(QVBoxLayout* left);
    void buildStoreySelector(QVBoxLayout* left);
    void buildWall(QGridLayout* grid);
    void buildRingBeam(QGridLayout* grid);
    QGroupBox* buildFloor(bool leftSide);
    QWidget* LoadDimensionPicture();
    void buildResultAndScheme(QHBoxLayout* body);
    void buildButtonRow(QVBoxLayout* root);
    void connectFields();

    int entry() const { return comp_->CurrentStorey - 1; }
    bool slabShown() const;
    bool selectorVisible() const;

    void takeElementGeometry();
    void CompilationToControls();
    void StoreyToControls();
    void FillStoreyCombo();
    void UpdateControls();
    void recalc();
    void showDerived();
    void showUnit(TNumberEdit* e, QToolButton* label, int unit, double baseMax, double baseStep);

    void valueLeft(const ValueField& f);
    void bandWidthLeft();
    void roofLeft();
    void countLeft();
    void gammaLeft(QComboBox* combo, bool ring);
    void switchChanged();
    void modeChanged();
    void repeatedChanged();
    void storeyChosen(int item);
    void stepStorey(int delta);
    void ChooseFieldUnit(int tag);
    void openFile();
    void saveFile();
    // The load tables behind a "..." part (0 g left, 1 g right, 2 p left,
    // 3 p right, 4 wall weight, 5 ring-beam weight).
    void loadTableButton(TNumberEdit* edit, int kind);
    void copyScheme();
    void editColors();

    std::unique_ptr<TLoadCompilation> comp_;
    std::unique_ptr<TCalcInput> input_;
    bool basement_ = false;
    std::optional<double> upperLoad_;
    std::string fault_;
    bool applyUnitToAll_ = true;
    bool updating_ = false;
    TDrawingColors colors_{};
    TPoint colorPlace_{-1, -1};
    TPoint tablePlaces_[2] = {{-1, -1}, {-1, -1}};

    std::vector<ValueField> fields_;
    TNumberEdit* n1_ = nullptr;
    TNumberEdit* b1_ = nullptr;
    TNumberEdit* fDach_ = nullptr;
    QToolButton* bUnit_ = nullptr;
    QLabel* bLabel_ = nullptr;
    QComboBox* gfWall_ = nullptr;
    QComboBox* gfRing_ = nullptr;
    QRadioButton* gs0_ = nullptr;
    QRadioButton* gs1_ = nullptr;
    QRadioButton* sl0_ = nullptr;
    QRadioButton* sl1_ = nullptr;
    QRadioButton* sp0_ = nullptr;
    QRadioButton* sp1_ = nullptr;
    QRadioButton* gw0_ = nullptr;
    QRadioButton* gw1_ = nullptr;
    QStackedWidget* gsPages_ = nullptr;
    QStackedWidget* slPages_ = nullptr;
    QStackedWidget* spPages_ = nullptr;
    QStackedWidget* gwPages_ = nullptr;
    QCheckBox* bsInd_ = nullptr;
    QCheckBox* stropL_ = nullptr;
    QCheckBox* stropP_ = nullptr;
    QCheckBox* wieniec_ = nullptr;
    QCheckBox* twTyp_ = nullptr;
    QLabel* twLabel_ = nullptr;
    QCheckBox* repeated_ = nullptr;
    QGroupBox* wallGroup_ = nullptr;
    QLabel* leftValueLabel_ = nullptr;
    QLabel* rightValueLabel_ = nullptr;
    QWidget* selector_ = nullptr;
    QComboBox* storeys_ = nullptr;
    QComboBox* basementStoreys_ = nullptr;
    QLabel* repeatedCaption_ = nullptr;
    QWidget* result_ = nullptr;
    QWidget* scheme_ = nullptr;
    QWidget* image_ = nullptr;
    // The controls a slab, the ring beam or an own wall width switch on,
    // found by name once the form is built.
    struct Dependents {
        QWidget *loL, *loLLabel, *gL, *Fl, *pL;
        QWidget *loP, *loPLabel, *gP, *Fp, *pP;
        QWidget *hw, *hwLabel, *roW, *Gw, *tw, *twCaption;
        QWidget *bs, *bsLabel;
    } dependents_{};
};

// Runs the dialog on copies; on OK the compilation is replaced, F handed
// back and true returned.
bool ShowZestObcDlg(QWidget* parent, TLoadCompilation& loads, const TCalcInput& input, bool basement,
                    double& upperLoad);

} // namespace orv
