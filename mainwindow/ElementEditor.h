// The element editor of the main window: the case list and the pages
// "Materiał", "Geometria", "Obciążenia" and "Założenia". Every control shows
// one field of the current element and hands it back through the session
// when the user leaves it, steps it or picks a choice; programmatic filling
// never stores. The pages and panels follow the element's case.
#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;

namespace orv {

class ProjectSession;
class TCrossSectionBox;
class TJointSlabs;
class TMathLabel;
class TOpeningsPanel;
class TNumberEdit;
struct TCalcInput;
struct TChoiceField;
struct TNumericField;

class TElementEditor : public QWidget {
    Q_OBJECT
public:
    explicit TElementEditor(ProjectSession& session, QWidget* parent = nullptr);
    ~TElementEditor() override;

    // The current element into every control, then the pages of its case.
    // Stores nothing and overwrites whatever was typed.
    void ShowElementData();
    // The check of leaving the focused field, for commands that act on the
    // data (save, element switch, case change, close): a numeric field or a
    // number combo of this editor takes its text now. False when the text was
    // refused (message shown, the focus stays); true otherwise.
    bool commitFocused();
    // The check every road out of the edited field takes first (another
    // page, element, command, closing, printing): the focused field is left
    // as Tab leaves it, and a field left earlier that still holds a refused
    // text comes back to the front with the focus. False when a text was
    // refused: the field and its page stay in front, and the road must do
    // nothing else.
    bool commitPendingEdit();

    QComboBox* caseList() const { return caseList_; }
    QTabWidget* pages() const { return pages_; }

    // The "..." buttons of M_Sd,x and M_Sd,y: the moment dialog of the
    // column's direction; its result is stored on OK.
    void Msdx1ButtonClick();
    void Msdy1ButtonClick();
    // The "..." button of a load field (mainwindow/LoadTableButtons.h): the
    // load table or the compilation; the element takes the result on OK.
    void loadTableButton(const char* field);
    // The masonry-unit catalogue ("Lista" and "Lista elementów murowych");
    // after OK the unit list is read again, the element is not changed.
    void unitListClicked();

signals:
    // The pages were arranged for a case, shown or chosen.
    void caseShown(int calcCase);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct NumericControl {
        TNumberEdit* edit;
        const TNumericField* field;
    };

    // --- construction
    void createNumericEdits();
    TNumberEdit* edit(const char* name) const;
    QWidget* numberRow(const char* name, const QString& caption);
    QComboBox* choiceCombo(const char* name, const QStringList& items);
    QCheckBox* choiceCheck(const char* name, const QString& text);
    QRadioButton* choiceRadio(const char* field, const char* name, const QString& text, int value);
    QComboBox* numberCombo(const char* name);
    QWidget* labelled(const QString& caption, QWidget* field);
    QWidget* selfWeightGroup(int page);
    QWidget* buildMaterialPage();
    QWidget* buildUnitGroup();
    QWidget* buildGeometryPage();
    QWidget* buildWallGeometry();
    QWidget* buildSupportGroup();
    QWidget* buildJointGroup();
    QWidget* buildPlateGroup();
    QWidget* buildBasementGeometry();
    QWidget* buildColumnGeometry();
    QWidget* buildLoadPage();
    QWidget* buildWallLoads();
    QWidget* buildAssumptionPage();
    void installFilters();
    void connectMomentButtons();
    void momentButtonClick(bool x);
    void connectLoadCompilationButtons();

    // --- storing
    // Runs `edit` on the current element through the session (modified and
    // recalculated only on a real change), then shows the element again;
    // `source` is the control that stored, rewritten even while typed in.
    // False when the store was refused (a value out of its field's range;
    // the message shown, the element unchanged).
    bool store(const std::function<void(TCalcInput&)>& edit, QWidget* source = nullptr);
    void numberLeft(const NumericControl& c);
    // The f_b and gamma_f combos: typed numbers, checked when left.
    bool isNumberCombo(const QObject* w) const;
    bool leaveNumberCombo(QComboBox* combo);
    void tryb1Change();
    // The masonry unit from the catalogue: the unit of the list taken into
    // the element (on switching to the catalogue or choosing another name),
    // the catalogue dialog, and the modulus dialog of E2 (above) or E5 (below).
    void loadUnitNames();
    void takeCatalogueUnit(bool switchToCatalogue);
    void modulusButton(bool below);

    // --- showing
    void refresh(QWidget* source, bool all);
    // The control that still holds a text refused when it was left, or null.
    QWidget* refusedControl() const;
    // Its page in front, scrolled to, the focus in it.
    void bringToFront(QWidget* control);
    void showValues(QWidget* source, bool all);
    void FillMortarKinds(const TCalcInput& in);
    void FillMortarClasses(const TCalcInput& in);
    // The pages and panels of the element, in named steps.
    void arrangePages();
    void arrangeCasePanels(const TCalcInput& in);
    void UpdateSelfWeightControls(const TCalcInput& in);
    void UpdateDefinitionModeControls(const TCalcInput& in);
    void UpdateMortarClassVisibility(const TCalcInput& in);
    void UpdateRingBeamControls(const TCalcInput& in);
    void UpdateStiffeningCaptions(const TCalcInput& in);
    void UpdateWallTypeLayout(const TCalcInput& in);
    void UpdateJointWallsEnabled(const TCalcInput& in);
    void UpdatePlateSchemePanel(const TCalcInput& in);
    void UpdateOpeningsPanel(const TCalcInput& in);
    void arrangeForcePanels(const TCalcInput& in);

    ProjectSession& session_;
    bool filling_ = false;
    bool checkingCombo_ = false;
    std::vector<NumericControl> numeric_;
    std::vector<std::function<void(const TCalcInput&)>> shows_;
    QStringList unitNames_; // of the masonry-unit catalogue

    QComboBox* caseList_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QStackedWidget* geometryBook_ = nullptr; // Notebook3
    QStackedWidget* loadBook_ = nullptr;     // Notebook1

    // material
    QRadioButton* generalDef_ = nullptr;
    QRadioButton* catalogueDef_ = nullptr;
    QComboBox* unitKind_ = nullptr;
    QComboBox* fb_ = nullptr;
    QWidget* fbRow_ = nullptr;
    QComboBox* unitCategory_ = nullptr;
    QWidget* unitCategoryRow_ = nullptr;
    QWidget* cataloguePanel_ = nullptr;
    QComboBox* catalogueUnit_ = nullptr;
    QLabel* catalogueKind_ = nullptr;
    TMathLabel* catalogueStrength_ = nullptr;
    QLabel* catalogueCategory_ = nullptr;
    QComboBox* mortarType_ = nullptr;
    QComboBox* mortarClass_ = nullptr;
    QWidget* mortarClassRow_ = nullptr;

    // geometry
    QWidget* panelRingBeams_ = nullptr;  // Panel1
    QCheckBox* narrowRingBeams_ = nullptr;
    QWidget* ringBeamRows_ = nullptr;
    QWidget* panelSupport_ = nullptr;    // Panel1a
    QCheckBox* stiffened_ = nullptr;
    QComboBox* stiffenedEdges_ = nullptr;
    QWidget* panelDistance_ = nullptr;   // Panel23
    QLabel* distanceCaption_ = nullptr;
    QWidget* panelJoint_ = nullptr;      // Panel4
    QCheckBox* identicalWalls_ = nullptr;
    std::vector<QWidget*> farSideJointRows_;
    QComboBox* slabModulus_[4] = {};     // E3, E4, E6, E7
    QWidget* panelScheme_ = nullptr;     // Panel14a
    QComboBox* wallScheme_ = nullptr;
    QWidget* panelPlate_ = nullptr;      // Panel14b
    TCrossSectionBox* plateScheme_ = nullptr;
    QWidget* panelOpenings_ = nullptr;   // Panel14c
    QCheckBox* withOpenings_ = nullptr;
    TOpeningsPanel* openingsBody_ = nullptr;
    TJointSlabs* jointSlabs_ = nullptr;

    // loads
    QWidget* panelWallLoads_ = nullptr;  // Panel5
    TMathLabel* slabLoadCaption_ = nullptr;
    QWidget* panelSlabLoads_ = nullptr;  // Panel13
    std::vector<QWidget*> farSideLoadRows_;
    QWidget* panelSelfWeight_ = nullptr; // Panel6
    QWidget* panelWind_ = nullptr;       // Panel7
    QWidget* panelPlateLoad_ = nullptr;  // Panel16
    QGroupBox* forcePanels_[3] = {};
    QRadioButton* computedWeight_[3] = {};
    QRadioButton* givenWeight_[3] = {};
    QComboBox* gammaF_[3] = {};
    std::vector<QWidget*> densityRows_;
    std::vector<QWidget*> weightRows_;

    // assumptions
    QWidget* panelWallKind_ = nullptr;   // Panel3
    QCheckBox* topStorey_ = nullptr;
    QWidget* panelPlateRule_ = nullptr;  // Panel15
    QLabel* annexA_ = nullptr;
    QLabel* categoryText_ = nullptr;     // Label34
};

} // namespace orv
