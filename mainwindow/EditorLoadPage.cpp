// The "Obciążenia" page: the loads of a wall, the concentrated loads, the
// loads of a basement wall and of a column, and their self weight.
#include "mainwindow/ElementEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "components/MLCheckBox.h"
#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "core/ZunEditor.h"
#include "mainwindow/EditorLayout.h"

namespace orv {

using namespace editorui;

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


QWidget* TElementEditor::buildLoadPage()
{
    loadBook_ = new QStackedWidget;
    loadBook_->setObjectName(QStringLiteral("Notebook1"));

    loadBook_->addWidget(buildWallLoads());

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
        // load 1 is placed by its centre, loads 2 and 3 by their left edge
        gv->addWidget(numberRow(("a1" + n).constData(),
                                k == 0 ? QStringLiteral("środek a [cm] =") : QStringLiteral("lewy brzeg a [cm] =")));
        gv->addWidget(numberRow(("hN" + n).constData(), QStringLiteral("h_N_ [cm] =")));
        forcePanels_[k] = group;
        fv->addWidget(group);
    }
    fv->addStretch(1);
    loadBook_->addWidget(forces);

    // Page 2: basement wall.
    auto* top = new QGroupBox(QStringLiteral(" Obciążenia obliczeniowe "));
    QVBoxLayout* tv = Column(top);
    tv->addWidget(numberRow("N0_mb1", QStringLiteral("N_0d_ [kN/m] =")));
    tv->addWidget(numberRow("ro_e1", QStringLiteral("@r@_e_ [kN/m!3!] =")));
    loadBook_->addWidget(BookPage({top, selfWeightGroup(1)}));

    // Page 3: column.
    auto* head = new QGroupBox(QStringLiteral(" Obciążenia obliczeniowe "));
    QVBoxLayout* hv = Column(head);
    hv->addWidget(numberRow("NSd1b", QStringLiteral("N_Sd_ [kN] =")));
    hv->addWidget(numberRow("Msdx1", QStringLiteral("M_Sd,x_ [kNm] =")));
    hv->addWidget(numberRow("Msdy1", QStringLiteral("M_Sd,y_ [kNm] =")));
    loadBook_->addWidget(BookPage({head, selfWeightGroup(2)}));
    return AroundBook(loadBook_);
}

// Page 0: walls loaded axially (cases 0 to 2).
QWidget* TElementEditor::buildWallLoads()
{
    auto* loads = new QGroupBox(QStringLiteral(" Obciążenia "));
    loads->setObjectName(QStringLiteral("Panel5"));
    panelWallLoads_ = loads;
    QVBoxLayout* lv = Column(loads);
    lv->addWidget(numberRow("Nod1", QStringLiteral("N_0d_ [kN] =")));
    lv->addWidget(numberRow("Nsld1", QStringLiteral("N_sl,d_ [kN] =")));
    lv->addWidget(numberRow("Nspd1", QStringLiteral("N(L)_sl,d_ [kN] =")));
    slabLoadCaption_ = loads->findChild<TMathLabel*>(QStringLiteral("Nsld1Label"));

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

    panelSelfWeight_ = selfWeightGroup(0);
    panelSelfWeight_->setObjectName(QStringLiteral("Panel6"));

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

    auto* plate = new QGroupBox(QStringLiteral(" Obciążenie poziome "));
    plate->setObjectName(QStringLiteral("Panel16"));
    panelPlateLoad_ = plate;
    QVBoxLayout* plv = Column(plate);
    plv->addWidget(numberRow("wd_kNm2", QStringLiteral("w_d_ [kN/m!2!] =")));
    return BookPage({loads, slabs, panelSelfWeight_, wind, plate});
}

} // namespace orv
