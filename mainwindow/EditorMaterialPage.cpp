// The "Materiał" page: the masonry unit, by general definition or from
// the catalogue, and the mortar.
#include "mainwindow/ElementEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "components/MathLabel.h"
#include "core/ZunEditor.h"
#include "core/ZunMaterials.h"
#include "mainwindow/EditorLayout.h"

namespace orv {

using namespace editorui;

QWidget* TElementEditor::buildMaterialPage()
{
    auto* page = new QWidget;
    QVBoxLayout* v = Column(page);

    v->addWidget(buildUnitGroup());

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
    zv->addWidget(InLine({choiceRadio("ZaprawaTyp", "ZaprawaTyp0", QStringLiteral("zaprawa przepisana"), 0),
                          choiceRadio("ZaprawaTyp", "ZaprawaTyp1", QStringLiteral("zaprawa projektowana"), 1)}));
    v->addWidget(mortar);
    v->addStretch(1);
    return page;
}

// The masonry unit: by general definition or the catalogue's.
QWidget* TElementEditor::buildUnitGroup()
{
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
    return unit;
}

} // namespace orv
