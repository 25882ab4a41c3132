// The "Geometria" page: the dimensions of a wall, a basement wall or a
// column, the supports and the joint, the plate scheme and the openings.
#include "mainwindow/ElementEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "components/CrossSectionBox.h"
#include "components/FreeTextCombo.h"
#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "core/ZunEditor.h"
#include "core/ZunMaterials.h"
#include "core/ZunStrings.h"
#include "drawing/DimensionSketches.h"
#include "drawing/PlateSchemePictures.h"
#include "mainwindow/EditorLayout.h"
#include "mainwindow/JointSlabs.h"
#include "mainwindow/OpeningsPanel.h"

namespace orv {

using namespace editorui;

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

} // namespace

QWidget* TElementEditor::buildGeometryPage()
{
    geometryBook_ = new QStackedWidget;
    geometryBook_->setObjectName(QStringLiteral("Notebook3"));
    geometryBook_->addWidget(buildWallGeometry());
    geometryBook_->addWidget(buildBasementGeometry());
    geometryBook_->addWidget(buildColumnGeometry());
    return AroundBook(geometryBook_);
}

// Page 0: walls of cases 0 to 3.
QWidget* TElementEditor::buildWallGeometry()
{
    auto* dims = new QGroupBox(QStringLiteral(" Wymiary ściany "));
    QVBoxLayout* dv = Column(dims);
    dv->addWidget(numberRow("t1a", QStringLiteral("t [cm] =")));
    dv->addWidget(numberRow("h1a", QStringLiteral("h [cm] =")));
    dv->addWidget(numberRow("l1", QStringLiteral("b [cm] =")));
    QWidget* dimensions = WithSketch(dims, "Image1", DrawWallDimensionSketch);

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

    QWidget* support = buildSupportGroup();
    QWidget* joint = buildJointGroup();

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

    QWidget* plate = buildPlateGroup();

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
    return BookPage({dimensions, ring, support, joint, scheme, plate, openings});
}

// The supports of a vertically loaded wall and its stiffened edges.
QWidget* TElementEditor::buildSupportGroup()
{
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
    return support;
}

// The walls and slabs at the joint of the continuous model.
QWidget* TElementEditor::buildJointGroup()
{
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
    return joint;
}

// The edge supports of a horizontally loaded wall, as pictures.
QWidget* TElementEditor::buildPlateGroup()
{
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
    return plate;
}

// Page 1: basement wall.
QWidget* TElementEditor::buildBasementGeometry()
{
    auto* basement = new QGroupBox(QStringLiteral(" Wymiary ściany piwnic "));
    QVBoxLayout* bv = Column(basement);
    bv->addWidget(numberRow("t1b", QStringLiteral("t [cm] =")));
    bv->addWidget(numberRow("h1b", QStringLiteral("h [cm] =")));
    bv->addWidget(numberRow("he1", QStringLiteral("h_e_ [cm] =")));
    bv->addWidget(numberRow("be1", QStringLiteral("b_e_ [cm] =")));
    return BookPage({basement});
}

// Page 2: column.
QWidget* TElementEditor::buildColumnGeometry()
{
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
    return columnPage;
}

} // namespace orv
