#include "mainwindow/ElementEditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "components/MCoolGrid.h"
#include "components/MathLabel.h"
#include "components/PageControl.h"
#include "components/Realedit.h"
#include "core/MasonryCatalogue.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "core/ZunEditor.h"
#include "core/ZunMaterials.h"
#include "core/ZunStrings.h"
#include "dialogs/CatalogueFiles.h"
#include "dialogs/StrengthCombo.h"
#include "dialogs/ZunElementsList.h"
#include "dialogs/Zun_EkDlg.h"
#include "mainwindow/EditorHelp.h"
#include "mainwindow/EditorLayout.h"
#include "mainwindow/JointSlabs.h"
#include "mainwindow/OpeningsPanel.h"

namespace orv {

using namespace editorui;

namespace {

// Sets a flag for a scope and puts back what it held.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool old_;
};

bool IsVerticalCase(const TCalcInput& in)
{
    const int c = CheckCaseNumber(in.Case);
    return c == ccWallVerticalHinged || c == ccWallVerticalContinuous;
}

// A notebook as tall as its page: the hidden pages take no room.
void ShowBookPage(QStackedWidget* book, int index)
{
    for (int i = 0; i < book->count(); ++i) {
        const QSizePolicy::Policy p = i == index ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        book->widget(i)->setSizePolicy(p, p);
    }
    book->setCurrentIndex(index);
}

} // namespace

TElementEditor::TElementEditor(ProjectSession& session, QWidget* parent)
    : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("ElementEditor"));
    createNumericEdits();

    caseList_ = new QComboBox;
    caseList_->setObjectName(QStringLiteral("tryb1"));
    for (const char* text : CalcCaseListTexts) caseList_->addItem(Q(text));
    connect(caseList_, &QComboBox::activated, this, [this] { tryb1Change(); });

    auto* pages = new TPageControl;
    pages->setLeaveGuard([this] { return commitPendingEdit(); });
    pages_ = pages;
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->addTab(Scrolled(buildMaterialPage()), QStringLiteral("Materiał"));
    pages_->addTab(Scrolled(buildGeometryPage()), QStringLiteral("Geometria"));
    pages_->addTab(Scrolled(buildLoadPage()), QStringLiteral("Obciążenia"));
    pages_->addTab(Scrolled(buildAssumptionPage()), QStringLiteral("Założenia"));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(caseList_);
    v->addWidget(pages_, 1);

    // Every edit of the field table stands on a page.
    for (const NumericControl& c : numeric_) Q_ASSERT(c.edit->parentWidget());

    // Rows keep their height; a page taller than the window scrolls.
    for (TMathLabel* label : findChildren<TMathLabel*>())
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    installFilters();
    loadUnitNames();
    connectMomentButtons();
    connectLoadCompilationButtons();
    ApplyEditorHelp(this);
    ShowElementData();
}

TElementEditor::~TElementEditor() = default;

void TElementEditor::installFilters()
{
    // The controls of the pages, not the pop-ups of the lists.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus) continue;
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QComboBox*>(w) && !qobject_cast<QLineEdit*>(w))
            continue;
        bool inPopup = false;
        for (QWidget* p = w; p && p != this; p = p->parentWidget())
            if (p->isWindow()) inPopup = true;
        if (!inPopup) w->installEventFilter(this);
    }
}

// --- storing ----------------------------------------------------------------------------

bool TElementEditor::store(const std::function<void(TCalcInput&)>& change, QWidget* source)
{
    if (filling_) return true;
    // A choice, button or dialog acts only while no field holds a refused text.
    if (!source && !commitPendingEdit()) {
        refresh(nullptr, false);
        return false;
    }
    const bool taken =
        session_.storeEdit([&](TProjectElement& e) { change(e.Input); }) != ProjectSession::TStore::Refused;
    // A refused value stays in the field it was typed in.
    refresh(taken ? source : nullptr, false);
    return taken;
}

void TElementEditor::numberLeft(const NumericControl& c)
{
    if (filling_) return;
    // A text that is no number was refused by the edit; it never reaches the element.
    if (!c.edit->textIsNumber()) return;
    const double v = c.edit->value();
    if (!store([&](TCalcInput& in) { StoreNumericField(in, *c.field, v); }, c.edit)) c.edit->refuseValue();
}

bool TElementEditor::leaveNumberCombo(QComboBox* combo)
{
    if (filling_ || checkingCombo_) return true;
    FlagScope checking(checkingCombo_);
    const std::string text = combo->currentText().trimmed().toStdString();
    const bool strength = combo == fb_;
    TGammaStore outcome = TGammaStore::Unchanged;
    const ProjectSession::TStore stored = session_.storeEdit([&](TProjectElement& e) {
        outcome = strength ? StoreStrength(e.Input, text) : StoreGammaF(e.Input, text);
    });
    const bool badText = outcome == TGammaStore::NotANumber || outcome == TGammaStore::NotPositive;
    if (outcome == TGammaStore::AboveLimit)
        ShowStrengthAboveLimit(UnitStrengthLimit(session_.current().Input));
    else if (badText)
        ShowMessageDialog("Popraw!",
                          outcome == TGammaStore::NotANumber ? "Błąd w zapisie! " : "Wartość musi być większa od 0.",
                          mdError, mbOK);
    if (badText || outcome == TGammaStore::AboveLimit || stored == ProjectSession::TStore::Refused) {
        QTimer::singleShot(0, combo, [combo] {
            if (combo->isVisible() && combo->isEnabled()) combo->setFocus(Qt::OtherFocusReason);
        });
        return false;
    }
    if (outcome == TGammaStore::Unchanged) {
        // The same value keeps its typed form.
        combo->lineEdit()->setModified(false);
        return true;
    }
    refresh(combo, false);
    return true;
}

void TElementEditor::loadUnitNames()
{
    unitNames_.clear();
    for (const std::string& name : LoadMasonryCatalogue().GetElementNames()) unitNames_ << Q(name);
}

void TElementEditor::takeCatalogueUnit(bool switchToCatalogue)
{
    if (filling_) return;
    const TCalcInput& now = session_.current().Input;
    const std::string name = catalogueUnit_->currentText().toStdString();
    if (switchToCatalogue ? now.OgolnaDefElementu == 0 : name == now.UserElement.str()) return;
    // A name the catalogue lacks changes nothing of the unit.
    TMasonryUnitInfo unit;
    const bool known = catalogueUnit_->currentIndex() >= 0 && LoadMasonryCatalogue().GetElementByName(name, unit);
    store([&](TCalcInput& in) {
        if (switchToCatalogue) StoreChoice(in, *FindChoiceField("OgolnaDefElementu1"), 0);
        if (known) ShowMasonryUnit(in, name, unit);
    });
}

void TElementEditor::unitListClicked()
{
    if (!commitPendingEdit()) return;
    // The catalogue may change; the element keeps its unit until one is chosen.
    if (!ShowElementsListDlg(this)) return;
    loadUnitNames();
    refresh(nullptr, false);
}

void TElementEditor::modulusButton(bool below)
{
    if (filling_ || !commitPendingEdit()) return;
    const TCalcInput& now = session_.current().Input;
    TElementMurowy unit = below ? now.ElementE5 : now.ElementE2;
    double E = 0;
    if (!ShowEkDlg(this, unit, E)) return;
    store([&](TCalcInput& in) {
        if (below) {
            in.ElementE5 = unit;
            in.E5 = E;
        } else {
            in.ElementE2 = unit;
            in.E2 = E;
        }
    });
}

void TElementEditor::tryb1Change()
{
    if (filling_) return;
    if (!commitPendingEdit()) {
        refresh(nullptr, false);
        return;
    }
    session_.setCase(GetCaseIndex(caseList_->currentText().toStdString()));
    refresh(nullptr, false);
    emit caseShown(session_.current().Input.Case);
}

bool TElementEditor::commitFocused()
{
    QWidget* w = window()->focusWidget();
    if (!w || !isAncestorOf(w)) return true;
    for (const NumericControl& c : numeric_)
        if (c.edit == w) return c.edit->commit();
    if (openingsBody_->owns(w)) return openingsBody_->commit();
    if (auto* le = qobject_cast<QLineEdit*>(w)) w = le->parentWidget();
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && isNumberCombo(combo)) return leaveNumberCombo(combo);
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && jointSlabs_->isModulusCombo(combo))
        return jointSlabs_->leaveModulus(combo);
    return true;
}

bool TElementEditor::commitPendingEdit()
{
    if (!commitFocused()) return false;
    // Its message was told when it was left.
    if (QWidget* control = refusedControl()) {
        bringToFront(control);
        return false;
    }
    return true;
}

QWidget* TElementEditor::refusedControl() const
{
    // Only a control its page can show: a panel of another case holds
    // nothing the user typed.
    auto showable = [this](const QWidget* w) {
        if (!w->isEnabled()) return false;
        for (int i = 0; i < pages_->count(); ++i)
            if (pages_->widget(i)->isAncestorOf(w)) return w->isVisibleTo(pages_->widget(i));
        return false;
    };
    // A numeric field is rewritten whenever it is taken; its user's text
    // stays only when refused.
    for (const NumericControl& c : numeric_)
        if (c.edit->isModified() && showable(c.edit)) return c.edit;
    // A number combo may keep the typed form of the value it took.
    const TCalcInput& in = session_.current().Input;
    auto refusedNumber = [](const QComboBox* combo, double stored) {
        if (!combo->lineEdit()->isModified()) return false;
        const std::string text = combo->currentText().trimmed().toStdString();
        double v = 0;
        return (!text.empty() && !TryTextToFloat(text, v)) || v != stored;
    };
    if (refusedNumber(fb_, in.fb) && showable(fb_)) return fb_;
    for (QComboBox* gamma : gammaF_)
        if (refusedNumber(gamma, in.gf_muru) && showable(gamma)) return gamma;
    for (QComboBox* modulus : slabModulus_)
        if (modulus->lineEdit()->isModified() && showable(modulus)) return modulus;
    if (openingsBody_->holdsTypedRow() && showable(openingsBody_->grid())) return openingsBody_->grid();
    return nullptr;
}

void TElementEditor::bringToFront(QWidget* control)
{
    for (int i = 0; i < pages_->count(); ++i) {
        QWidget* page = pages_->widget(i);
        if (!page->isAncestorOf(control)) continue;
        pages_->setCurrentIndex(i);
        if (auto* area = qobject_cast<QScrollArea*>(page)) area->ensureWidgetVisible(control);
    }
    control->setFocus(Qt::OtherFocusReason);
}

bool TElementEditor::isNumberCombo(const QObject* w) const
{
    return w && (w == fb_ || std::find(std::begin(gammaF_), std::end(gammaF_), w) != std::end(gammaF_));
}

bool TElementEditor::eventFilter(QObject* watched, QEvent* event)
{
    auto* combo = qobject_cast<QComboBox*>(watched);
    const bool numberCombo = combo && isNumberCombo(combo);
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
            !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            focusNextPrevChild(true);
            return true;
        }
        const QString t = k->text();
        if (numberCombo && t.size() == 1 && t.at(0).isPrint() &&
            !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            // Digits and one decimal separator.
            const QChar c = t.at(0);
            if (c.isDigit() && c.unicode() < 128) return false;
            if (TypeNumberKey(combo->lineEdit(), c, false) != TNumberKey::Typed) QApplication::beep();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && numberCombo) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) leaveNumberCombo(combo);
    }
    return QWidget::eventFilter(watched, event);
}

// --- showing ------------------------------------------------------------------------------

void TElementEditor::ShowElementData()
{
    refresh(nullptr, true);
    emit caseShown(session_.current().Input.Case);
}

void TElementEditor::refresh(QWidget* source, bool all)
{
    FlagScope filling(filling_);
    showValues(source, all);
    arrangePages();
}

void TElementEditor::showValues(QWidget* source, bool all)
{
    const TCalcInput& in = session_.current().Input;
    // A field the user is typing in keeps the text until it is left; the
    // field just left (a number box's edit as well) shows the stored value.
    auto keeps = [&](QLineEdit* e) {
        return !all && e != source && !(source && e->parentWidget() == source) && e->isModified();
    };

    caseList_->setCurrentIndex(CheckCaseNumber(in.Case));

    // Every field shows what the element holds, also a value outside the
    // field's range as a file may bring it (a depth below the foot of the
    // wall): what is shown is what is calculated, and leaving the field asks
    // for a value within the range.
    const double depthLimit = LoadDepthLimit(in.h);
    for (const NumericControl& c : numeric_) {
        if (QLatin1String(c.field->name).startsWith(QLatin1String("hN"))) c.edit->setMaxValue(depthLimit);
        if (keeps(c.edit)) continue;
        // Setting a text lays the field out again: only a new text is set.
        const QString text = c.edit->FormatValue(ReadField(in, c.field->offset));
        if (c.edit->isModified() || c.edit->text() != text) c.edit->setText(text);
    }
    for (const auto& show : shows_) show(in);
    openingsBody_->FillOpeningsGrid(all);

    // Masonry unit and mortar.
    const int kind = static_cast<int>(in.RodzajElementuM);
    SetComboIndex(unitKind_, IsValidMaterialKind(kind) ? kind : -1);
    std::vector<std::string> strengths;
    FillStrengthList(strengths, kind, static_cast<int>(in.RodzajZaprawy));
    QStringList items;
    for (const std::string& s : strengths) items << Q(s);
    const QString typed = fb_->currentText();
    const bool keepStrength = keeps(fb_->lineEdit());
    SetComboItems(fb_, items);
    fb_->setEditText(keepStrength ? typed : Q(FormatFixed(1, in.fb)));
    fb_->lineEdit()->setModified(keepStrength);

    FillMortarKinds(in);
    FillMortarClasses(in);

    // The catalogue's names; a stored name it lacks shows greyed, not chosen.
    SetComboItems(catalogueUnit_, unitNames_);
    const QString unitName = Q(in.UserElement.str());
    catalogueUnit_->setCurrentIndex(catalogueUnit_->findText(unitName, Qt::MatchExactly));
    catalogueUnit_->setPlaceholderText(unitName);
    catalogueKind_->setText(QStringLiteral("- ") + unitKind_->currentText());
    catalogueStrength_->setCaption(Q("f_b_ = " + FormatFixed(1, in.fb) + " MPa"));
    catalogueCategory_->setText(QStringLiteral("- ") + unitCategory_->currentText() +
                                QStringLiteral(" kategoria wykonania elementu"));

    // Self weight: one mode, three pages.
    const bool computed = in.wylicz_Gs == 1;
    for (int p = 0; p < 3; ++p) {
        SetButtonState(computedWeight_[p], computed);
        SetButtonState(givenWeight_[p], !computed);
        QComboBox* gamma = gammaF_[p];
        if (!keeps(gamma->lineEdit())) {
            gamma->setCurrentIndex(-1);
            gamma->setEditText(Q(FormatFixed(2, in.gf_muru)));
            gamma->lineEdit()->setModified(false);
        }
    }

    const u32 category = in.KategoriaWykRobot;
    categoryText_->setText(category < 2 ? Q(ExecutionCategoryText[category]) : QString());
}

// The mortar kinds the unit's material allows.
void TElementEditor::FillMortarKinds(const TCalcInput& in)
{
    QStringList items;
    for (int t = 0; t < OfferedMortarTypeCount(static_cast<int>(in.RodzajElementuM)); ++t)
        items << Q(MortarTypeListText(t));
    SetComboItems(mortarType_, items);
    SetComboIndex(mortarType_, static_cast<int>(in.RodzajZaprawy));
}

// The mortar classes of the mortar kind.
void TElementEditor::FillMortarClasses(const TCalcInput& in)
{
    QStringList items;
    for (int c = 0; c < OfferedMortarClassCount(static_cast<int>(in.RodzajZaprawy)); ++c)
        items << Q(MortarClassListText(c));
    SetComboItems(mortarClass_, items);
    SetComboIndex(mortarClass_, static_cast<int>(in.KlasaZaprawy));
}

void TElementEditor::arrangePages()
{
    const TCalcInput& in = session_.current().Input;
    arrangeCasePanels(in);
    UpdateSelfWeightControls(in);
    UpdateDefinitionModeControls(in);
    UpdateMortarClassVisibility(in);
    UpdateRingBeamControls(in);
    UpdateStiffeningCaptions(in);
    UpdateWallTypeLayout(in);
    UpdateJointWallsEnabled(in);
    UpdatePlateSchemePanel(in);
    UpdateOpeningsPanel(in);
    arrangeForcePanels(in);
}

// The pages and panels of the element's case.
void TElementEditor::arrangeCasePanels(const TCalcInput& in)
{
    const int c = CheckCaseNumber(in.Case);
    const bool vertical = IsVerticalCase(in);
    ShowBookPage(geometryBook_, c == ccBasementWall ? 1 : c == ccColumn ? 2 : 0);
    ShowBookPage(loadBook_, c == ccConcentratedLoad ? 1 : c == ccBasementWall ? 2 : c == ccColumn ? 3 : 0);

    panelWallKind_->setVisible(vertical);
    topStorey_->setVisible(c == ccWallVerticalHinged);
    panelSupport_->setVisible(vertical);
    // Joint of the continuous model.
    panelJoint_->setVisible(c == ccWallVerticalContinuous);

    // Horizontally loaded wall.
    panelScheme_->setVisible(c == ccWallHorizontal);
    panelOpenings_->setVisible(c == ccWallHorizontal);
    panelPlateLoad_->setVisible(c == ccWallHorizontal);
    panelPlateRule_->setVisible(c == ccWallHorizontal);

    // Loads of the axially loaded wall; the continuous model takes the slab loads instead.
    panelWallLoads_->setVisible(vertical);
    edit("Nsld1")->parentWidget()->setVisible(c == ccWallVerticalHinged);
    panelSlabLoads_->setVisible(c == ccWallVerticalContinuous);
    panelSelfWeight_->setVisible(vertical);

    annexA_->setVisible(c == ccBasementWall);
}

void TElementEditor::UpdateSelfWeightControls(const TCalcInput& in)
{
    const bool computed = in.wylicz_Gs == 1;
    for (QWidget* row : densityRows_) row->setEnabled(computed);
    for (QWidget* row : weightRows_) row->setEnabled(!computed);
}

// The masonry unit by general definition or from the catalogue.
void TElementEditor::UpdateDefinitionModeControls(const TCalcInput& in)
{
    const bool general = in.OgolnaDefElementu != 0;
    unitKind_->setEnabled(general);
    fbRow_->setEnabled(general);
    unitCategoryRow_->setEnabled(general);
    catalogueUnit_->setEnabled(!general);
    cataloguePanel_->setVisible(!general);
}

// Thin-layer mortar has no class.
void TElementEditor::UpdateMortarClassVisibility(const TCalcInput& in)
{
    mortarClassRow_->setVisible(in.RodzajZaprawy != mtThinLayer);
}

// Ring beams narrower than the wall are offered for an external wall.
void TElementEditor::UpdateRingBeamControls(const TCalcInput& in)
{
    const bool external = in.ScianaZewnetrzna != 0;
    panelRingBeams_->setVisible(IsVerticalCase(in) && external);
    narrowRingBeams_->setEnabled(external);
    const bool narrow = external && in.def_szer_wiencow != 0;
    ringBeamRows_->setVisible(narrow);
    ringBeamRows_->setEnabled(narrow);
}

// Stiffening of the vertical edges.
void TElementEditor::UpdateStiffeningCaptions(const TCalcInput& in)
{
    const bool stiff = IsStiffened(in.UsztywnienieSciany);
    stiffenedEdges_->setEnabled(stiff);
    panelDistance_->setVisible(IsVerticalCase(in) && stiff);
    panelDistance_->setEnabled(stiff);
    distanceCaption_->setText(stiffenedEdges_->currentIndex() == 0
                                  ? QStringLiteral("odległość krawędzi swobodnej od osi ściany usztywniającej")
                                  : QStringLiteral("odległość osi ścian usztywniających"));
}

// An internal wall has slabs on both sides; an external one takes the wind.
void TElementEditor::UpdateWallTypeLayout(const TCalcInput& in)
{
    const bool external = in.ScianaZewnetrzna != 0;
    for (QWidget* row : farSideJointRows_) row->setVisible(!external);
    edit("Nspd1")->parentWidget()->setVisible(CheckCaseNumber(in.Case) == ccWallVerticalHinged && !external);
    slabLoadCaption_->setCaption(external ? QStringLiteral("N_sl,d_ [kN] =") : QStringLiteral("N(P)_sl,d_ [kN] ="));
    for (QWidget* row : farSideLoadRows_) row->setVisible(!external);
    panelWind_->setVisible(IsVerticalCase(in) && external);
    panelWind_->setEnabled(external);
}

void TElementEditor::UpdateJointWallsEnabled(const TCalcInput& in)
{
    const bool ownJointWalls = in.IdentyczneParametryScian == 0;
    for (const char* name : {"J2", "J5", "E2", "E5"}) edit(name)->setEnabled(ownJointWalls);
}

// The edge supports belong to the plate scheme.
void TElementEditor::UpdatePlateSchemePanel(const TCalcInput& in)
{
    panelPlate_->setVisible(CheckCaseNumber(in.Case) == ccWallHorizontal && wallScheme_->currentIndex() == 0);
}

void TElementEditor::UpdateOpeningsPanel(const TCalcInput& in)
{
    openingsBody_->setVisible(in.ScianaZOtworami != 0);
    openingsBody_->setEnabled(in.ScianaZOtworami != 0);
}

// The panels of the concentrated loads follow their number.
void TElementEditor::arrangeForcePanels(const TCalcInput& in)
{
    const int loads = ReadChoice(in, *FindChoiceField("LiczbaSilSkup1"));
    forcePanels_[0]->setTitle(loads == 0 ? QStringLiteral(" Obciążenia skupione ")
                                         : QStringLiteral(" Obciążenia skupione nr 1 "));
    for (int k = 1; k < 3; ++k) {
        const bool shown = loads >= k && loads <= 2;
        forcePanels_[k]->setVisible(shown);
        forcePanels_[k]->setEnabled(shown);
    }
}

} // namespace orv

