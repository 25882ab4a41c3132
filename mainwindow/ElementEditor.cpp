#include "mainwindow/ElementEditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "components/CrossSectionBox.h"
#include "components/FreeTextCombo.h"
#include "components/MCoolGrid.h"
#include "components/MLCheckBox.h"
#include "components/MathLabel.h"
#include "components/PageControl.h"
#include "components/Realedit.h"
#include "components/WrappedItemDelegate.h"
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
#include "drawing/DimensionSketches.h"
#include "drawing/PlateSchemePictures.h"
#include "mainwindow/JointSlabs.h"
#include "mainwindow/LoadTableButtons.h"
#include "mainwindow/OpeningsPanel.h"

namespace orv {
namespace {

// The sketch of what the dimension fields of a group mean.
class TSketchBox : public QWidget {
public:
    TSketchBox(const char* name, void (*draw)(QPainter&, const QRect&)) : draw_(draw)
    {
        setObjectName(QString::fromLatin1(name));
        setFixedSize(120, 96);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        draw_(p, rect());
    }

private:
    void (*draw_)(QPainter&, const QRect&);
};

QWidget* WithSketch(QWidget* group, const char* name, void (*draw)(QPainter&, const QRect&))
{
    auto* row = new QWidget;
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(group, 1);
    h->addWidget(new TSketchBox(name, draw), 0, Qt::AlignBottom);
    return row;
}

constexpr int kCaptionWidth = 130;
constexpr int kEditWidth = 100;
constexpr int kMemberWidth = 130;

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(const char* s) { return QString::fromUtf8(s); }

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

QVBoxLayout* Column(QWidget* w)
{
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(4);
    return v;
}

QHBoxLayout* Line(QWidget* w)
{
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(6);
    return h;
}

QWidget* Scrolled(QWidget* page)
{
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

// A check or radio box shows its state whatever the state of its group;
// an auto-exclusive button cannot be cleared otherwise.
void SetButtonState(QAbstractButton* b, bool checked)
{
    const bool exclusive = b->autoExclusive();
    b->setAutoExclusive(false);
    b->setChecked(checked);
    b->setAutoExclusive(exclusive);
}

void SetComboItems(QComboBox* combo, const QStringList& items)
{
    QStringList now;
    for (int i = 0; i < combo->count(); ++i) now << combo->itemText(i);
    if (now == items) return;
    combo->clear();
    combo->addItems(items);
}

// The selection of a list, none for a stored value outside it.
void SetComboIndex(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

bool IsStiffened(u32 v) { return v == 1 || v == 2; }

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

// --- construction --------------------------------------------------------------------

void TElementEditor::createNumericEdits()
{
    for (const TNumericField& f : NumericFields()) {
        TNumberEdit* e = nullptr;
        switch (f.cls) {
        case TEditClass::Spin: e = new TSpinRealEdit; break;
        case TEditClass::Speed: e = new TSpeedRealEdit; break;
        case TEditClass::SpinSpeed: e = new TSpinSpeedRealEdit; break;
        }
        e->setObjectName(QString::fromLatin1(f.name));
        e->setRange(f.min, f.max);
        if (f.step > 0) e->setIncrement(f.step);
        e->setPrecision(f.decimals);
        // The "..." parts: load tables of the load fields, the moduli E2
        // and E5 from the modulus dialog, the slabs' from their group and
        // the moments from theirs (connectMomentButtons).
        const bool modulus = qstrcmp(f.name, "E2") == 0 || qstrcmp(f.name, "E5") == 0;
        const bool loadTable = HasLoadTableButton(f.name);
        if (auto* speed = e->findChild<QToolButton*>(QStringLiteral("speed")))
            speed->setEnabled(modulus || loadTable);
        if (loadTable) {
            const char* name = f.name;
            connect(e, &TNumberEdit::buttonClicked, this, [this, name] { loadTableButton(name); });
        }
        if (modulus) {
            const bool below = f.name[1] == '5';
            connect(e, &TNumberEdit::buttonClicked, this, [this, below] { modulusButton(below); });
        }
        const NumericControl c{e, &f};
        connect(e, &TNumberEdit::exited, this, [this, c] { numberLeft(c); });
        connect(e, &TNumberEdit::upClicked, this, [this, c] { numberLeft(c); });
        connect(e, &TNumberEdit::downClicked, this, [this, c] { numberLeft(c); });
        numeric_.push_back(c);
    }
}

TNumberEdit* TElementEditor::edit(const char* name) const
{
    for (const NumericControl& c : numeric_)
        if (qstrcmp(c.field->name, name) == 0) return c.edit;
    return nullptr;
}

QWidget* TElementEditor::numberRow(const char* name, const QString& caption)
{
    TNumberEdit* e = edit(name);
    Q_ASSERT(e && !e->parentWidget());
    auto* row = new QWidget;
    row->setObjectName(QString::fromLatin1(name) + QStringLiteral("Row"));
    QHBoxLayout* h = Line(row);
    auto* label = new TMathLabel(caption, row);
    label->setObjectName(QString::fromLatin1(name) + QStringLiteral("Label"));
    label->setMinimumWidth(kCaptionWidth);
    h->addWidget(label);
    e->setFixedWidth(kEditWidth);
    h->addWidget(e);
    h->addStretch(1);
    return row;
}

QWidget* TElementEditor::labelled(const QString& caption, QWidget* field)
{
    auto* row = new QWidget;
    QHBoxLayout* h = Line(row);
    auto* label = new TMathLabel(caption, row);
    label->setMinimumWidth(kCaptionWidth);
    h->addWidget(label);
    h->addWidget(field, 1);
    return row;
}

QComboBox* TElementEditor::choiceCombo(const char* name, const QStringList& items)
{
    const TChoiceField* f = FindChoiceField(name);
    Q_ASSERT(f && f->count == items.size());
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(items);
    connect(combo, &QComboBox::activated, this,
            [this, f](int index) { store([=](TCalcInput& in) { StoreChoice(in, *f, index); }); });
    shows_.push_back([combo, f](const TCalcInput& in) { SetComboIndex(combo, ReadChoice(in, *f)); });
    return combo;
}

QCheckBox* TElementEditor::choiceCheck(const char* name, const QString& text)
{
    const TChoiceField* f = FindChoiceField(name);
    Q_ASSERT(f && f->count == 2);
    auto* box = new QCheckBox(text);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::clicked, this,
            [this, f](bool checked) { store([=](TCalcInput& in) { StoreChoice(in, *f, checked ? 1 : 0); }); });
    shows_.push_back([box, f](const TCalcInput& in) { box->setChecked(ReadChoice(in, *f) != 0); });
    return box;
}

QRadioButton* TElementEditor::choiceRadio(const char* field, const char* name, const QString& text, int value)
{
    const TChoiceField* f = FindChoiceField(field);
    Q_ASSERT(f && value < f->count);
    auto* radio = new QRadioButton(text);
    radio->setObjectName(QString::fromLatin1(name));
    connect(radio, &QRadioButton::clicked, this, [this, f, value](bool checked) {
        if (checked) store([=](TCalcInput& in) { StoreChoice(in, *f, value); });
    });
    shows_.push_back([radio, f, value](const TCalcInput& in) {
        int v = ReadChoice(in, *f);
        // A two-state byte: anything but 0 is the set state.
        if (f->count == 2 && v != 0) v = 1;
        SetButtonState(radio, v == value);
    });
    return radio;
}

QComboBox* TElementEditor::numberCombo(const char* name)
{
    // The text is the user's number, not completed to an item.
    auto* combo = new TFreeTextCombo;
    combo->setObjectName(QString::fromLatin1(name));
    combo->setFixedWidth(kEditWidth);
    // An item chosen from the list is taken at once.
    connect(combo, &QComboBox::activated, this, [this, combo] { leaveNumberCombo(combo); });
    return combo;
}

QWidget* TElementEditor::selfWeightGroup(int page)
{
    static const char* const kDensity[3] = {"ro_muru1", "ro_muru2", "ro_muru3"};
    static const char* const kGamma[3] = {"gf_muru1", "gf_muru2", "gf_muru3"};
    static const char* const kComputed[3] = {"wylicz_Gs1", "wylicz_Gs2", "wylicz_Gs3"};
    static const char* const kGiven[3] = {"wylicz_Gs0a", "wylicz_Gs0b", "wylicz_Gs0c"};
    static const char* const kWeight[3] = {"Gs1", "Gs_mb1", "Gs_s1"};
    static const char* const kWeightCaption[3] = {"G_s_ [kN] =", "G_s_ [kN/m] =", "G_s_ [kN] ="};

    auto* group = new QGroupBox(QStringLiteral(" Ciężar własny "));
    QVBoxLayout* v = Column(group);

    auto* modes = new QWidget;
    auto* mv = new QVBoxLayout(modes);
    mv->setContentsMargins(0, 0, 0, 0);
    auto* computed = new TMLRadioButton(page == 2 ? QStringLiteral("wylicz na podstawie wymiarów słupa i ciężaru objętościowego")
                                                  : QStringLiteral("wylicz na podstawie wymiarów ściany i ciężaru objętościowego"));
    computed->setObjectName(Q(kComputed[page]));
    auto* given = new TMLRadioButton(QStringLiteral("określona wartość"));
    given->setObjectName(Q(kGiven[page]));
    mv->addWidget(computed);
    mv->addWidget(given);
    v->addWidget(modes);
    computedWeight_[page] = computed;
    givenWeight_[page] = given;
    // The three pages share one stored mode.
    connect(computed, &QRadioButton::clicked, this, [this](bool checked) {
        if (checked) store([](TCalcInput& in) { SetSelfWeightMode(in, true); });
    });
    connect(given, &QRadioButton::clicked, this, [this](bool checked) {
        if (checked) store([](TCalcInput& in) { SetSelfWeightMode(in, false); });
    });

    QWidget* density = numberRow(kDensity[page], QStringLiteral("@r@ [kN/m!3!] ="));
    v->addWidget(density);
    densityRows_.push_back(density);

    QComboBox* gamma = numberCombo(kGamma[page]);
    for (double x : {1.0, 1.1, 1.2, 1.3}) gamma->addItem(Q(FormatFixed(2, x)));
    gammaF_[page] = gamma;
    QWidget* gammaRow = labelled(QStringLiteral("@g@_f_ ="), gamma);
    static_cast<QHBoxLayout*>(gammaRow->layout())->addStretch(1);
    v->addWidget(gammaRow);
    densityRows_.push_back(gammaRow);

    QWidget* weight = numberRow(kWeight[page], Q(kWeightCaption[page]));
    v->addWidget(weight);
    weightRows_.push_back(weight);
    return group;
}

QWidget* TElementEditor::buildMaterialPage()
{
    auto* page = new QWidget;
    QVBoxLayout* v = Column(page);

    auto* unit = new QGroupBox(QStringLiteral(" Element murowy "));
    QVBoxLayout* uv = Column(unit);
    auto* modes = new QWidget;
    QHBoxLayout* mh = Line(modes);
    generalDef_ = choiceRadio("OgolnaDefElementu1", "OgolnaDefElementu1", QStringLiteral("wg ogólnej definicji"), 1);
    catalogueDef_ = choiceRadio("OgolnaDefElementu1", "OgolnaDefElementu0", QStringLiteral("z listy... "), 0);
    // Switched to the catalogue, the element takes the unit of the list.
    disconnect(catalogueDef_, &QRadioButton::clicked, this, nullptr);
    connect(catalogueDef_, &QRadioButton::clicked, this, [this](bool checked) {
        if (checked) takeCatalogueUnit(true);
    });
    mh->addWidget(generalDef_);
    mh->addWidget(catalogueDef_);
    mh->addStretch(1);
    uv->addWidget(modes);

    unitKind_ = new QComboBox;
    unitKind_->setObjectName(QStringLiteral("RodzajElementuM1"));
    for (int k = 0; k < MaterialKindCount; ++k) unitKind_->addItem(Q(UnitKindListText(k)));
    connect(unitKind_, &QComboBox::activated, this,
            [this](int k) { store([=](TCalcInput& in) { StoreUnitKind(in, k); }); });
    uv->addWidget(unitKind_);

    fb_ = numberCombo("fb1");
    fbRow_ = labelled(QStringLiteral("f_b_ [MPa] ="), fb_);
    static_cast<QHBoxLayout*>(fbRow_->layout())->addStretch(1);
    uv->addWidget(fbRow_);
    unitCategory_ = choiceCombo("KategoriaWykElementu1", {QStringLiteral("I"), QStringLiteral("II")});
    unitCategory_->setFixedWidth(kEditWidth);
    unitCategoryRow_ = labelled(QStringLiteral("kategoria elementu"), unitCategory_);
    static_cast<QHBoxLayout*>(unitCategoryRow_->layout())->addStretch(1);
    uv->addWidget(unitCategoryRow_);

    // The unit chosen from the catalogue; "Lista" edits the catalogue itself.
    cataloguePanel_ = new QWidget;
    cataloguePanel_->setObjectName(QStringLiteral("PanelCatalogue"));
    auto* cv = new QVBoxLayout(cataloguePanel_);
    cv->setContentsMargins(0, 0, 0, 0);
    auto* pick = new QWidget;
    QHBoxLayout* ph = Line(pick);
    catalogueUnit_ = new QComboBox;
    catalogueUnit_->setObjectName(QStringLiteral("UserElement1"));
    connect(catalogueUnit_, &QComboBox::activated, this, [this] { takeCatalogueUnit(false); });
    ph->addWidget(catalogueUnit_, 1);
    auto* list = new QPushButton(QStringLiteral("Lista"));
    list->setObjectName(QStringLiteral("Button1"));
    connect(list, &QPushButton::clicked, this, [this] { unitListClicked(); });
    ph->addWidget(list);
    cv->addWidget(pick);
    catalogueKind_ = new QLabel;
    catalogueKind_->setObjectName(QStringLiteral("Label84"));
    catalogueStrength_ = new TMathLabel;
    catalogueStrength_->setObjectName(QStringLiteral("MathLabel67"));
    catalogueCategory_ = new QLabel;
    catalogueCategory_->setObjectName(QStringLiteral("Label86"));
    cv->addWidget(catalogueKind_);
    cv->addWidget(catalogueStrength_);
    cv->addWidget(catalogueCategory_);
    uv->addWidget(cataloguePanel_);
    uv->addWidget(choiceCheck("spoina_podluzna1", QStringLiteral("mur ze spoiną podłużną")));
    v->addWidget(unit);

    auto* mortar = new QGroupBox(QStringLiteral(" Zaprawa "));
    QVBoxLayout* zv = Column(mortar);
    mortarType_ = new QComboBox;
    mortarType_->setObjectName(QStringLiteral("RodzajZaprawy1"));
    connect(mortarType_, &QComboBox::activated, this,
            [this](int t) { store([=](TCalcInput& in) { StoreMortarType(in, t); }); });
    zv->addWidget(mortarType_);
    mortarClass_ = new QComboBox;
    mortarClass_->setObjectName(QStringLiteral("KlasaZaprawy1"));
    mortarClass_->setFixedWidth(kEditWidth);
    connect(mortarClass_, &QComboBox::activated, this,
            [this](int c) { store([=](TCalcInput& in) { StoreMortarClass(in, c); }); });
    mortarClassRow_ = labelled(QStringLiteral("klasy"), mortarClass_);
    static_cast<QHBoxLayout*>(mortarClassRow_->layout())->addStretch(1);
    zv->addWidget(mortarClassRow_);
    auto* kinds = new QWidget;
    QHBoxLayout* kh = Line(kinds);
    kh->addWidget(choiceRadio("ZaprawaTyp", "ZaprawaTyp0", QStringLiteral("zaprawa przepisana"), 0));
    kh->addWidget(choiceRadio("ZaprawaTyp", "ZaprawaTyp1", QStringLiteral("zaprawa projektowana"), 1));
    kh->addStretch(1);
    zv->addWidget(kinds);
    v->addWidget(mortar);
    v->addStretch(1);
    return page;
}

QWidget* TElementEditor::buildGeometryPage()
{
    geometryBook_ = new QStackedWidget;
    geometryBook_->setObjectName(QStringLiteral("Notebook3"));

    // Page 0: walls of cases 0 to 3.
    auto* walls = new QWidget;
    QVBoxLayout* wv = Column(walls);
    wv->setContentsMargins(0, 0, 0, 0);
    auto* dims = new QGroupBox(QStringLiteral(" Wymiary ściany "));
    QVBoxLayout* dv = Column(dims);
    dv->addWidget(numberRow("t1a", QStringLiteral("t [cm] =")));
    dv->addWidget(numberRow("h1a", QStringLiteral("h [cm] =")));
    dv->addWidget(numberRow("l1", QStringLiteral("b [cm] =")));
    wv->addWidget(WithSketch(dims, "Image1", DrawWallDimensionSketch));

    auto* ring = new QGroupBox(QStringLiteral(" Wieńce "));
    ring->setObjectName(QStringLiteral("Panel1"));
    panelRingBeams_ = ring;
    QVBoxLayout* rv = Column(ring);
    narrowRingBeams_ = choiceCheck("def_szer_wiencow1", QStringLiteral("szerokość wieńców mniejsza od grubości ściany"));
    rv->addWidget(narrowRingBeams_);
    ringBeamRows_ = new QWidget;
    auto* rr = new QVBoxLayout(ringBeamRows_);
    rr->setContentsMargins(0, 0, 0, 0);
    rr->addWidget(numberRow("ag1", QStringLiteral("a_w,g_ [cm] =")));
    rr->addWidget(numberRow("ad1", QStringLiteral("a_w,d_ [cm] =")));
    rv->addWidget(ringBeamRows_);
    wv->addWidget(ring);

    auto* support = new QGroupBox(QStringLiteral(" Podparcie ściany "));
    support->setObjectName(QStringLiteral("Panel1a"));
    panelSupport_ = support;
    QVBoxLayout* sv = Column(support);
    // An indicator: every wall is supported at top and bottom.
    auto* fixedSupport = new QCheckBox(QStringLiteral("podparta u góry i u dołu"));
    fixedSupport->setObjectName(QStringLiteral("CheckBox1"));
    fixedSupport->setChecked(true);
    fixedSupport->setFocusPolicy(Qt::NoFocus);
    fixedSupport->setAttribute(Qt::WA_TransparentForMouseEvents);
    sv->addWidget(fixedSupport);
    auto* stiffLine = new QWidget;
    QHBoxLayout* slh = Line(stiffLine);
    stiffened_ = new QCheckBox(QStringLiteral("usztywniona pionowo"));
    stiffened_->setObjectName(QStringLiteral("UsztywnienieSciany1"));
    stiffenedEdges_ = new QComboBox;
    stiffenedEdges_->setObjectName(QStringLiteral("UsztywnienieScianyBox12"));
    stiffenedEdges_->addItems({QStringLiteral("wzdłuż jednej krawędzi"), QStringLiteral("wzdłuż obu krawędzi ")});
    slh->addWidget(stiffened_);
    slh->addWidget(stiffenedEdges_, 1);
    sv->addWidget(stiffLine);
    connect(stiffened_, &QCheckBox::clicked, this, [this](bool checked) {
        const int edges = stiffenedEdges_->currentIndex();
        store([=](TCalcInput& in) { SetWallStiffened(in, checked, edges); });
    });
    connect(stiffenedEdges_, &QComboBox::activated, this,
            [this](int i) { store([=](TCalcInput& in) { StoreStiffenedEdges(in, i); }); });
    shows_.push_back([this](const TCalcInput& in) {
        stiffened_->setChecked(IsStiffened(in.UsztywnienieSciany));
        stiffenedEdges_->setCurrentIndex(in.UsztywnienieSciany == 2 ? 1 : 0);
    });
    panelDistance_ = new QWidget;
    panelDistance_->setObjectName(QStringLiteral("Panel23"));
    auto* dist = new QVBoxLayout(panelDistance_);
    dist->setContentsMargins(0, 0, 0, 0);
    distanceCaption_ = new QLabel;
    distanceCaption_->setObjectName(QStringLiteral("l_usztw1Caption"));
    distanceCaption_->setWordWrap(true);
    dist->addWidget(distanceCaption_);
    dist->addWidget(numberRow("l_usztw1", QStringLiteral("l [cm] =")));
    sv->addWidget(panelDistance_);
    wv->addWidget(support);

    auto* joint = new QGroupBox(QStringLiteral(" Parametry ścian i stropów przywęzłowych "));
    joint->setObjectName(QStringLiteral("Panel4"));
    panelJoint_ = joint;
    QVBoxLayout* jv = Column(joint);
    identicalWalls_ = new QCheckBox(QStringLiteral("parametry wszystkich ścian identyczne"));
    identicalWalls_->setObjectName(QStringLiteral("IdentyczneParametryScian1"));
    connect(identicalWalls_, &QCheckBox::clicked, this,
            [this](bool checked) { store([=](TCalcInput& in) { SetIdenticalJointWalls(in, checked); }); });
    shows_.push_back([this](const TCalcInput& in) { identicalWalls_->setChecked(in.IdentyczneParametryScian != 0); });
    jv->addWidget(identicalWalls_);
    // One line per member: J, E and the height or span under a common head.
    static const struct {
        int index;
        const char* name;
        const char* length;
    } kMembers[6] = {
        {2, "ściana górna", "h2"}, {3, "strop górny (prawy)", "l3"}, {4, "strop górny lewy", "l4"},
        {5, "ściana dolna", "h5"}, {6, "strop dolny (prawy)", "l6"}, {7, "strop dolny lewy", "l7"},
    };
    auto* grid = new QWidget;
    auto* g = new QGridLayout(grid);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(4);
    g->addWidget(new TMathLabel(QStringLiteral("J [cm!4!]")), 0, 1);
    g->addWidget(new TMathLabel(QStringLiteral("E [GPa]")), 0, 2);
    g->addWidget(new TMathLabel(QStringLiteral("h, l [cm]")), 0, 3);
    int slab = 0;
    int line = 1;
    for (const auto& m : kMembers) {
        auto* name = new TMathLabel(QStringLiteral("%1 - %2").arg(m.index).arg(Q(m.name)));
        name->setMinimumWidth(kMemberWidth);
        const QByteArray J = "J" + QByteArray::number(m.index);
        const QByteArray E = "E" + QByteArray::number(m.index);
        QWidget* modulus = edit(E.constData());
        if (!modulus) {
            // Slab moduli: a number or a concrete class.
            auto* combo = new TFreeTextCombo;
            combo->setObjectName(QString::fromLatin1(E));
            for (const char* cls : ConcreteClassNamesB) combo->addItem(Q(cls));
            slabModulus_[slab++] = combo;
            modulus = combo;
        }
        QWidget* cells[4] = {name, edit(J.constData()), modulus, edit(m.length)};
        for (int col = 0; col < 4; ++col) {
            if (col > 0) cells[col]->setFixedWidth(kEditWidth);
            g->addWidget(cells[col], line, col);
            if (m.index == 4 || m.index == 7) farSideJointRows_.push_back(cells[col]);
        }
        ++line;
    }
    g->setColumnStretch(4, 1);
    jv->addWidget(grid);
    shows_.push_back([this](const TCalcInput& in) {
        const double E[4] = {in.E3, in.E4, in.E6, in.E7};
        for (int i = 0; i < 4; ++i) {
            slabModulus_[i]->setCurrentIndex(-1);
            slabModulus_[i]->setEditText(Q(FormatFixed(1, E[i])));
        }
    });
    TNumberEdit* const jointJ[6] = {edit("J2"), edit("J3"), edit("J4"), edit("J5"), edit("J6"), edit("J7")};
    jointSlabs_ = new TJointSlabs(session_, this, jointJ, slabModulus_);
    jointSlabs_->setGuard([this] { return commitPendingEdit(); });
    connect(jointSlabs_, &TJointSlabs::stored, this, [this](QWidget* source) { refresh(source, false); });
    wv->addWidget(joint);

    auto* scheme = new QGroupBox(QStringLiteral(" Schemat podparcia krawędzi ściany "));
    scheme->setObjectName(QStringLiteral("Panel14a"));
    panelScheme_ = scheme;
    QVBoxLayout* scv = Column(scheme);
    wallScheme_ = new QComboBox;
    wallScheme_->setObjectName(QStringLiteral("SchematScianyTyp1"));
    for (const char* text : WallSchemeListTexts) wallScheme_->addItem(Q(text));
    connect(wallScheme_, &QComboBox::activated, this,
            [this](int i) { store([=](TCalcInput& in) { StoreWallScheme(in, i); }); });
    shows_.push_back([this](const TCalcInput& in) {
        SetComboIndex(wallScheme_, ListIndexOfWallScheme(static_cast<int>(in.SchematScianyTyp)));
    });
    scv->addWidget(wallScheme_);
    wv->addWidget(scheme);

    auto* plate = new QGroupBox(QStringLiteral(" Podparcie krawędzi płyty "));
    plate->setObjectName(QStringLiteral("Panel14b"));
    panelPlate_ = plate;
    QVBoxLayout* pv = Column(plate);
    const TChoiceField* plateField = FindChoiceField("SchematPlytySciany1");
    QStringList plateItems, plateTips;
    for (int sc = 0; sc < PlateSchemePictureCount; ++sc) {
        plateItems << PlateSchemePictureName(sc);
        plateTips << Q("schemat " + std::string(1, char('A' + sc)) + "\nkrawędź górna: " + EdgeSupportName(sc, 0) +
                       "\nkrawędź dolna: " + EdgeSupportName(sc, 1) + "\nkrawędź lewa: " + EdgeSupportName(sc, 2) +
                       "\nkrawędź prawa: " + EdgeSupportName(sc, 3));
    }
    Q_ASSERT(plateField && plateField->count == plateItems.size());
    plateScheme_ = new TCrossSectionBox;
    plateScheme_->setObjectName(QStringLiteral("SchematPlytySciany1"));
    plateScheme_->setItemWidth(48);
    plateScheme_->setItemHeight(40);
    plateScheme_->setItems(plateItems);
    plateScheme_->setItemToolTips(plateTips);
    plateScheme_->setFixedWidth(96);
    connect(plateScheme_, &TCrossSectionBox::changed, this, [this, plateField] {
        const int index = plateScheme_->itemIndex();
        store([=](TCalcInput& in) { StoreChoice(in, *plateField, index); });
    });
    shows_.push_back([this, plateField, plateTips](const TCalcInput& in) {
        plateScheme_->setItemIndex(ReadChoice(in, *plateField));
        plateScheme_->setToolTip(plateTips.value(plateScheme_->itemIndex()));
    });
    pv->addWidget(plateScheme_);
    wv->addWidget(plate);

    auto* openings = new QGroupBox(QStringLiteral(" Otwory "));
    openings->setObjectName(QStringLiteral("Panel14c"));
    panelOpenings_ = openings;
    QVBoxLayout* ov = Column(openings);
    withOpenings_ = choiceCheck("ScianaZOtworami1", QStringLiteral("ściana z otworami"));
    ov->addWidget(withOpenings_);
    openingsBody_ = new TOpeningsPanel(session_);
    openingsBody_->setGuard([this] { return commitPendingEdit(); });
    connect(openingsBody_, &TOpeningsPanel::stored, this, [this] { refresh(openingsBody_, false); });
    ov->addWidget(openingsBody_);
    wv->addWidget(openings);
    wv->addStretch(1);
    geometryBook_->addWidget(walls);

    // Page 1: basement wall.
    auto* basement = new QGroupBox(QStringLiteral(" Wymiary ściany piwnic "));
    QVBoxLayout* bv = Column(basement);
    bv->addWidget(numberRow("t1b", QStringLiteral("t [cm] =")));
    bv->addWidget(numberRow("h1b", QStringLiteral("h [cm] =")));
    bv->addWidget(numberRow("he1", QStringLiteral("h_e_ [cm] =")));
    bv->addWidget(numberRow("be1", QStringLiteral("b_e_ [cm] =")));
    auto* basementPage = new QWidget;
    QVBoxLayout* bpv = Column(basementPage);
    bpv->setContentsMargins(0, 0, 0, 0);
    bpv->addWidget(basement);
    bpv->addStretch(1);
    geometryBook_->addWidget(basementPage);

    // Page 2: column.
    auto* column = new QGroupBox(QStringLiteral(" Wymiary słupa "));
    QVBoxLayout* cv = Column(column);
    cv->addWidget(numberRow("t1c", QStringLiteral("t [cm] =")));
    cv->addWidget(numberRow("t2", QStringLiteral("b [cm] =")));
    cv->addWidget(numberRow("h1c", QStringLiteral("h [cm] =")));
    auto* columnPage = new QWidget;
    QVBoxLayout* cpv = Column(columnPage);
    cpv->setContentsMargins(0, 0, 0, 0);
    cpv->addWidget(WithSketch(column, "Image2", DrawColumnDimensionSketch));
    for (const char* axis : {"x", "y"}) {
        auto* group = new QGroupBox(axis[0] == 'x' ? QStringLiteral(" Podparcie góry słupa w kierunku osi y ")
                                                   : QStringLiteral(" Podparcie góry słupa w kierunku osi x "));
        QVBoxLayout* gv = Column(group);
        const QByteArray field = QByteArray("PodpSTyp_") + axis;
        static const char* const kTexts[3] = {"brak podparcia", "element żelbetowy", "inny element"};
        for (int value = 0; value < 3; ++value) {
            const QByteArray name = field + QByteArray::number(value);
            gv->addWidget(choiceRadio(field.constData(), name.constData(), Q(kTexts[value]), value));
        }
        cpv->addWidget(group);
    }
    cpv->addStretch(1);
    geometryBook_->addWidget(columnPage);

    auto* page = new QWidget;
    QVBoxLayout* v = Column(page);
    v->addWidget(geometryBook_);
    return page;
}

QWidget* TElementEditor::buildLoadPage()
{
    loadBook_ = new QStackedWidget;
    loadBook_->setObjectName(QStringLiteral("Notebook1"));

    // Page 0: walls loaded axially (cases 0 to 2).
    auto* wall = new QWidget;
    QVBoxLayout* wv = Column(wall);
    wv->setContentsMargins(0, 0, 0, 0);
    auto* loads = new QGroupBox(QStringLiteral(" Obciążenia "));
    loads->setObjectName(QStringLiteral("Panel5"));
    panelWallLoads_ = loads;
    QVBoxLayout* lv = Column(loads);
    lv->addWidget(numberRow("Nod1", QStringLiteral("N_0d_ [kN] =")));
    lv->addWidget(numberRow("Nsld1", QStringLiteral("N_sl,d_ [kN] =")));
    lv->addWidget(numberRow("Nspd1", QStringLiteral("N(L)_sl,d_ [kN] =")));
    slabLoadCaption_ = loads->findChild<TMathLabel*>(QStringLiteral("Nsld1Label"));
    wv->addWidget(loads);

    auto* slabs = new QGroupBox(QStringLiteral(" Obciążenia stropów "));
    slabs->setObjectName(QStringLiteral("Panel13"));
    panelSlabLoads_ = slabs;
    QVBoxLayout* sv = Column(slabs);
    static const struct {
        int index;
        const char* name;
    } kSlabs[4] = {{3, "strop górny (prawy)"}, {4, "strop górny lewy"}, {6, "strop dolny (prawy)"}, {7, "strop dolny lewy"}};
    auto* grid = new QWidget;
    auto* g = new QGridLayout(grid);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(4);
    g->addWidget(new TMathLabel(QStringLiteral("g_d_ [kN/m]")), 0, 1);
    g->addWidget(new TMathLabel(QStringLiteral("p_d_ [kN/m]")), 0, 2);
    int line = 1;
    for (const auto& slab : kSlabs) {
        auto* name = new TMathLabel(QStringLiteral("%1 - %2").arg(slab.index).arg(Q(slab.name)));
        name->setMinimumWidth(kMemberWidth);
        const QByteArray n = QByteArray::number(slab.index);
        QWidget* cells[3] = {name, edit(("g" + n + "d").constData()), edit(("p" + n + "d").constData())};
        for (int col = 0; col < 3; ++col) {
            if (col > 0) cells[col]->setFixedWidth(kEditWidth);
            g->addWidget(cells[col], line, col);
            if (slab.index == 4 || slab.index == 7) farSideLoadRows_.push_back(cells[col]);
        }
        ++line;
    }
    g->setColumnStretch(3, 1);
    sv->addWidget(grid);
    wv->addWidget(slabs);

    panelSelfWeight_ = selfWeightGroup(0);
    panelSelfWeight_->setObjectName(QStringLiteral("Panel6"));
    wv->addWidget(panelSelfWeight_);

    auto* wind = new QGroupBox(QStringLiteral(" Obciążenie wiatrem "));
    wind->setObjectName(QStringLiteral("Panel7"));
    panelWind_ = wind;
    QVBoxLayout* wiv = Column(wind);
    static const char* const kWind[2][2] = {{"wd1", "ssanie"}, {"wd2", "parcie"}};
    for (const auto& w : kWind) {
        QWidget* row = numberRow(w[0], QStringLiteral("w_d_ [kN/m] ="));
        static_cast<QHBoxLayout*>(row->layout())->insertWidget(2, new QLabel(Q(w[1])));
        wiv->addWidget(row);
    }
    wv->addWidget(wind);

    auto* plate = new QGroupBox(QStringLiteral(" Obciążenie poziome "));
    plate->setObjectName(QStringLiteral("Panel16"));
    panelPlateLoad_ = plate;
    QVBoxLayout* plv = Column(plate);
    plv->addWidget(numberRow("wd_kNm2", QStringLiteral("w_d_ [kN/m!2!] =")));
    wv->addWidget(plate);
    wv->addStretch(1);
    loadBook_->addWidget(wall);

    // Page 1: concentrated loads.
    auto* forces = new QWidget;
    QVBoxLayout* fv = Column(forces);
    fv->setContentsMargins(0, 0, 0, 0);
    QComboBox* count = choiceCombo("LiczbaSilSkup1", {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    count->setFixedWidth(kEditWidth);
    QWidget* countRow = labelled(QStringLiteral("liczba obciążeń"), count);
    static_cast<QHBoxLayout*>(countRow->layout())->addStretch(1);
    fv->addWidget(countRow);
    static const char* const kForce[3] = {"Nsd1a", "NSd2", "NSd3"};
    for (int k = 0; k < 3; ++k) {
        auto* group = new QGroupBox(QStringLiteral(" Obciążenia skupione nr %1 ").arg(k + 1));
        group->setObjectName(QStringLiteral("PanelForce%1").arg(k + 1));
        QVBoxLayout* gv = Column(group);
        const QByteArray n = QByteArray::number(k + 1);
        gv->addWidget(numberRow(kForce[k], QStringLiteral("N_Sd_ [kN] =")));
        gv->addWidget(numberRow(("aL" + n).constData(), QStringLiteral("a_l_ [cm] =")));
        gv->addWidget(numberRow(("aT" + n).constData(), QStringLiteral("a_t_ [cm] =")));
        gv->addWidget(numberRow(("a1" + n).constData(), QStringLiteral("a [cm] =")));
        gv->addWidget(numberRow(("hN" + n).constData(), QStringLiteral("h_N_ [cm] =")));
        forcePanels_[k] = group;
        fv->addWidget(group);
    }
    fv->addStretch(1);
    loadBook_->addWidget(forces);

    // Page 2: basement wall.
    auto* basement = new QWidget;
    QVBoxLayout* bv = Column(basement);
    bv->setContentsMargins(0, 0, 0, 0);
    auto* top = new QGroupBox(QStringLiteral(" Obciążenia obliczeniowe "));
    QVBoxLayout* tv = Column(top);
    tv->addWidget(numberRow("N0_mb1", QStringLiteral("N_0d_ [kN/m] =")));
    tv->addWidget(numberRow("ro_e1", QStringLiteral("@r@_e_ [kN/m!3!] =")));
    bv->addWidget(top);
    bv->addWidget(selfWeightGroup(1));
    bv->addStretch(1);
    loadBook_->addWidget(basement);

    // Page 3: column.
    auto* column = new QWidget;
    QVBoxLayout* cv = Column(column);
    cv->setContentsMargins(0, 0, 0, 0);
    auto* head = new QGroupBox(QStringLiteral(" Obciążenia obliczeniowe "));
    QVBoxLayout* hv = Column(head);
    hv->addWidget(numberRow("NSd1b", QStringLiteral("N_Sd_ [kN] =")));
    hv->addWidget(numberRow("Msdx1", QStringLiteral("M_Sd,x_ [kNm] =")));
    hv->addWidget(numberRow("Msdy1", QStringLiteral("M_Sd,y_ [kNm] =")));
    cv->addWidget(head);
    cv->addWidget(selfWeightGroup(2));
    cv->addStretch(1);
    loadBook_->addWidget(column);

    auto* page = new QWidget;
    QVBoxLayout* v = Column(page);
    v->addWidget(loadBook_);
    return page;
}

QWidget* TElementEditor::buildAssumptionPage()
{
    auto* page = new QWidget;
    QVBoxLayout* v = Column(page);

    auto* wall = new QGroupBox(QStringLiteral(" Ściana "));
    wall->setObjectName(QStringLiteral("Panel3"));
    panelWallKind_ = wall;
    QVBoxLayout* wv = Column(wall);
    auto* kinds = new QWidget;
    QHBoxLayout* kh = Line(kinds);
    kh->addWidget(choiceRadio("ScianaZewnetrzna1", "ScianaZewnetrzna1", QStringLiteral("ściana zewnętrzna"), 1));
    kh->addWidget(choiceRadio("ScianaZewnetrzna1", "ScianaZewnetrzna0", QStringLiteral("ściana wewnętrzna"), 0));
    kh->addStretch(1);
    wv->addWidget(kinds);
    wv->addWidget(new QLabel(QStringLiteral("Usztywnienie przestrzenne:")));
    QComboBox* bracing = choiceCombo(
        "RodzajKonstrSciany1",
        {QStringLiteral("konstrukcja usztywniona przestrzennie w sposób eliminujący przesuw poziomy"),
         QStringLiteral("konstrukcja bez ścian usztywniających, przy czym liczba ścian prostopadłych do kierunku "
                        "działania obciążenia poziomego, przejmujących to obciążenie wynosi 3 i więcej"),
         QStringLiteral("konstrukcja bez ścian usztywniających, przy czym liczba ścian prostopadłych do kierunku "
                        "działania obciążenia poziomego, przejmujących to obciążenie wynosi 2")});
    bracing->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    bracing->setMinimumContentsLength(30);
    // The long items read whole in the list, up to three lines each.
    SetWrappedItems(bracing, 68);
    wv->addWidget(bracing);
    QComboBox* floors = choiceCombo("RodzajStropow1", {QStringLiteral("Stropy z betonu z wieńcami żelbetowymi"),
                                                       QStringLiteral("Stropy inne niż z betonu z wieńcami żelbetowymi")});
    floors->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    floors->setMinimumContentsLength(30);
    wv->addWidget(floors);
    topStorey_ = choiceCheck("ScianaNajwyzszejKodnygnacji1", QStringLiteral("ściana najwyższej kondygnacji"));
    wv->addWidget(topStorey_);
    v->addWidget(wall);

    panelPlateRule_ = new QWidget;
    panelPlateRule_->setObjectName(QStringLiteral("Panel15"));
    QHBoxLayout* ph = Line(panelPlateRule_);
    ph->addWidget(choiceCheck("zezwolB251", QStringLiteral("ściany grubsze niż 25 cm można obliczać jako płyty")));
    v->addWidget(panelPlateRule_);

    auto* works = new QGroupBox(QStringLiteral(" Wykonanie "));
    QVBoxLayout* kv = Column(works);
    QComboBox* situation = choiceCombo(
        "sytuacja1", {QStringLiteral("trwała"), QStringLiteral("przejściowa"), QStringLiteral("wyjątkowa")});
    situation->setFixedWidth(kEditWidth + 40);
    QWidget* situationRow = labelled(QStringLiteral("sytuacja obliczeniowa"), situation);
    static_cast<QHBoxLayout*>(situationRow->layout())->addStretch(1);
    kv->addWidget(situationRow);
    QComboBox* category = choiceCombo("KategoriaWykRobot1", {QStringLiteral("A"), QStringLiteral("B")});
    category->setFixedWidth(kEditWidth);
    QWidget* categoryRow = labelled(QStringLiteral("kategoria wykonania robót"), category);
    static_cast<QHBoxLayout*>(categoryRow->layout())->addStretch(1);
    kv->addWidget(categoryRow);
    categoryText_ = new QLabel;
    categoryText_->setObjectName(QStringLiteral("Label34"));
    categoryText_->setWordWrap(true);
    kv->addWidget(categoryText_);
    v->addWidget(works);

    annexA_ = new QLabel(QStringLiteral("Dodatkowe uwarunkowania stosowania załącznika A"));
    annexA_->setObjectName(QStringLiteral("ZalacznikA"));
    v->addWidget(annexA_);
    v->addStretch(1);
    return page;
}

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
