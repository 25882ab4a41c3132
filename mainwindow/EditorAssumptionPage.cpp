// The "Założenia" page: the kind of wall, the bracing and floors, the
// plate rule and the execution.
#include "mainwindow/ElementEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "components/WrappedItemDelegate.h"
#include "mainwindow/EditorLayout.h"

namespace orv {

using namespace editorui;

QWidget* TElementEditor::buildAssumptionPage()
{
    auto* page = new QWidget;
    QVBoxLayout* v = Column(page);

    auto* wall = new QGroupBox(QStringLiteral(" Ściana "));
    wall->setObjectName(QStringLiteral("Panel3"));
    panelWallKind_ = wall;
    QVBoxLayout* wv = Column(wall);
    wv->addWidget(InLine({choiceRadio("ScianaZewnetrzna1", "ScianaZewnetrzna1", QStringLiteral("ściana zewnętrzna"), 1),
                          choiceRadio("ScianaZewnetrzna1", "ScianaZewnetrzna0", QStringLiteral("ściana wewnętrzna"), 0)}));
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

} // namespace orv
