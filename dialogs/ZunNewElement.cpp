#include "dialogs/ZunNewElement.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "components/DialogKeys.h"
#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/ZunMaterials.h"
#include "dialogs/StrengthCombo.h"
#include "platform/NomLib.h"

namespace orv {
namespace {

const char* const kMaterials[MasonryMaterialCount] = {
    "ceramika", "silikat", "beton kruszywowy", "autoklawizowany beton komórkowy", "kamień sztuczny",
    "kamień naturalny"};

QString Q(const std::string& s) { return QString::fromStdString(s); }

// What the code requires of the holes and webs of a unit of the group
// (index 0..3) of material 0..2; "n/d" for the other materials.
QStringList Requirements(int material, int group)
{
    const std::string F = FormatFixed(1, 12.5);
    const std::string none = "nie ma wymagań";
    const std::string verticalHoles = "drążenia pionowe, każdy z otworów (bez chwytowych) <= ";
    if (material > mmAggregateConcrete || material < 0) return {"n/d", "n/d", "n/d", "n/d"};
    if (group == 0) return {"=<25% objętości brutto", Q("=<" + F + "% objętości brutto"), Q(none), Q(none)};
    const std::string ceramicHoles =
        verticalHoles + "2% objętości brutto, otwory chwytowe łącznie do " + F + "% objętości brutto";
    const std::string concreteHoles =
        verticalHoles + "30% objętości brutto, otwory chwytowe łącznie do 30% objętości brutto";
    const char* horizontal = "drążenia poziome, każdy z otworów <= 30 % objętości brutto";
    if (material == mmCeramic) {
        switch (group) {
        case 1: return {"drążenia pionowe >25; <=55% objętości brutto", Q(ceramicHoles),
                        "węwnętrzna >= 5 mm, zewnętrzna >= 8 mm", ">= 16% szerokości brutto"};
        case 2: return {"drążenia pionowe >25; <=70% objętości brutto", Q(ceramicHoles),
                        "węwnętrzna >= 3 mm, zewnętrzna >= 6 mm", ">= 12% szerokości brutto"};
        default: return {"drążenia poziome >25; <=70 % objętości brutto", horizontal,
                         "węwnętrzna >= 5 mm, zewnętrzna >= 6 mm", ">= 12% szerokości brutto"};
        }
    }
    if (material == mmSilicate)
        return {"drążenia pionowe >25; <=55% objętości brutto",
                Q(verticalHoles + "15% objętości brutto, otwory chwytowe łącznie do 30% objętości brutto"),
                "węwnętrzna >= 5 mm, zewnętrzna >= 10 mm", ">= 20% szerokości brutto"};
    switch (group) {
    case 1: return {"drążenia pionowe >25; <=60% objętości brutto", Q(concreteHoles),
                    "węwnętrzna >= 15 mm, zewnętrzna >= 18 mm", ">= 18% szerokości brutto"};
    case 2: return {"drążenia pionowe >25; <=70% objętości brutto", Q(concreteHoles),
                    "węwnętrzna >= 15 mm, zewnętrzna >= 15 mm", ">= 15% szerokości brutto"};
    default: return {"drążenia poziome >25; <=50 % objętości brutto", horizontal,
                     "węwnętrzna >= 20 mm, zewnętrzna >= 20 mm", ">= 45% szerokości brutto"};
    }
}

void Refuse(const char* headline, const char* text) { ShowMessageDialog(headline, text, mdError, mbOK); }

// The wall unit-weight table of the editor: its rows and dialog places,
// kept from one use of the editor to the next while the program runs.
struct TWallTable {
    std::string rows;
    TPoint places[2] = {{-1, -1}, {-1, -1}};
};
TWallTable& WallTable()
{
    static TWallTable table;
    return table;
}

} // namespace

TNewElementDlg::TNewElementDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewElementDlg"));
    Nazwa1 = new QLineEdit;
    Nazwa1->setObjectName(QStringLiteral("Nazwa1"));
    Nazwa1->setMaxLength(static_cast<int>(MaxUnitNameBytes));

    TypMaterialu1 = new QComboBox;
    TypMaterialu1->setObjectName(QStringLiteral("TypMaterialu1"));
    for (const char* m : kMaterials) TypMaterialu1->addItem(QString::fromUtf8(m));
    connect(TypMaterialu1, &QComboBox::currentIndexChanged, this, [this] { materialChanged(); });

    grupa1 = new QComboBox;
    grupa1->setObjectName(QStringLiteral("grupa1"));
    connect(grupa1, &QComboBox::currentIndexChanged, this, [this] { groupChanged(); });
    groupRow_ = new QWidget;
    auto* gh = new QHBoxLayout(groupRow_);
    gh->setContentsMargins(0, 0, 0, 0);
    gh->addWidget(new QLabel(QStringLiteral(" Rodzaj i grupa              ")));
    gh->addWidget(grupa1, 1);

    fb1 = new TStrengthCombo;
    connect(fb1, &TStrengthCombo::left, this, [this] { fbLeft(); });

    KategoriaWykElementu1 = new QComboBox;
    KategoriaWykElementu1->setObjectName(QStringLiteral("KategoriaWykElementu1"));
    KategoriaWykElementu1->addItems({QStringLiteral("I"), QStringLiteral("II")});

    ro1 = new TSpinSpeedRealEdit;
    ro1->setObjectName(QStringLiteral("ro1"));
    ro1->setRange(0, MaxUnitDensity);
    ro1->setIncrement(0.5);
    ro1->setPrecision(2);
    connect(ro1, &TNumberEdit::buttonClicked, this, [this] { roButtonClick(); });
    connect(ro1, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text != densityShown_) densityShown_.clear();
    });

    auto* unit = new QGroupBox(QStringLiteral(" Element murowy "));
    auto* uv = new QVBoxLayout(unit);
    uv->addWidget(Nazwa1);
    uv->addWidget(TypMaterialu1);
    uv->addWidget(groupRow_);
    auto* props = new QGridLayout;
    props->addWidget(new QLabel(QStringLiteral("Znormalizowana wytrzymałość elementu na ściskanie")), 0, 0);
    props->addWidget(new TMathLabel(QStringLiteral("f_b_ [MPa] =")), 0, 1);
    props->addWidget(fb1, 0, 2);
    props->addWidget(new QLabel(QStringLiteral("Kategoria wykonania elementu")), 1, 0, 1, 2);
    props->addWidget(KategoriaWykElementu1, 1, 2);
    props->addWidget(new QLabel(QStringLiteral("Ciężar objętościowy muru wykonanego z tych elementów")), 2, 0);
    props->addWidget(new TMathLabel(QStringLiteral("@r@_o_ [kN/m!3!] =")), 2, 1);
    props->addWidget(ro1, 2, 2);
    uv->addLayout(props);

    requirements_ = new QGroupBox;
    auto* rg = new QGridLayout(requirements_);
    const char* const captions[4] = {"Objętość wszystkich otworów", "Objętość  jednego otworu",
                                     "Deklarowana grubość ścianki", "Deklarowana grubość zastępcza ścianek"};
    QLabel** texts[4] = {&Label6, &Label7, &Label8, &Label9};
    for (int i = 0; i < 4; ++i) {
        auto* value = new QLabel;
        value->setObjectName(QStringLiteral("Label%1").arg(6 + i));
        value->setWordWrap(true);
        *texts[i] = value;
        rg->addWidget(new QLabel(QString::fromUtf8(captions[i])), i, 0);
        rg->addWidget(value, i, 1);
    }
    rg->setColumnStretch(1, 1);

    QHBoxLayout* buttons = CreateOkCancelRow(this, "Nowy_el_mur");

    auto* v = new QVBoxLayout(this);
    v->addWidget(unit);
    v->addWidget(requirements_);
    v->addLayout(buttons);
    InstallEnterMovesFocus(this);

    setNewUnit(true);
    setData(TMasonryUnitRow{});
}

void TNewElementDlg::setNewUnit(bool isNew)
{
    setWindowTitle(isNew ? QStringLiteral("Nowy element murowy") : QStringLiteral("Edycja elementu murowego"));
}

void TNewElementDlg::setData(const TMasonryUnitRow& row)
{
    data_ = row;
    Nazwa1->setText(Q(row.Name));
    const QSignalBlocker block(TypMaterialu1);
    TypMaterialu1->setCurrentIndex(row.Material >= 0 && row.Material < MasonryMaterialCount ? row.Material : 0);
    materialChanged();
    grupa1->setCurrentIndex(row.Group >= 0 && row.Group < grupa1->count() ? row.Group : 0);
    KategoriaWykElementu1->setCurrentIndex(row.Category == 1 ? 1 : 0);
    fb1->setValue(row.Fb);
    ro1->setValue(row.Density);
    densityShown_ = ro1->text();
}

void TNewElementDlg::roButtonClick()
{
    TWallTable& table = WallTable();
    std::string rows = table.rows;
    double v = ro1->value();
    if (!CallShowWallsObcDlg(this, table.places[0], table.places[1], rows, v) || !std::isfinite(v)) return;
    table.rows = rows;
    // Taken as if typed: a weight outside the field's range is refused there.
    ro1->setText(ro1->FormatValue(v));
    ro1->commit();
}

int TNewElementDlg::kind() const
{
    return MasonryKindOf(TypMaterialu1->currentIndex(), std::max(grupa1->currentIndex(), 0));
}

void TNewElementDlg::materialChanged()
{
    const int material = TypMaterialu1->currentIndex();
    // The group chosen before stays when the new list has it.
    const QString previous = grupa1->currentText();
    {
        const QSignalBlocker block(grupa1);
        grupa1->clear();
        for (int g = 0; g < MasonryGroupCount(material); ++g) grupa1->addItem(QStringLiteral("grupa %1").arg(g + 1));
        const int again = grupa1->findText(previous);
        grupa1->setCurrentIndex(again >= 0 ? again : 0);
    }
    groupChanged();
}

void TNewElementDlg::groupChanged()
{
    showRequirements();
    fillStrengthList();
}

void TNewElementDlg::showRequirements()
{
    const int material = TypMaterialu1->currentIndex();
    const QStringList texts = Requirements(material, grupa1->currentIndex());
    QLabel* labels[4] = {Label6, Label7, Label8, Label9};
    for (int i = 0; i < 4; ++i) labels[i]->setText(texts[i]);
    const bool grouped = material <= mmAggregateConcrete;
    groupRow_->setVisible(grouped);
    requirements_->setEnabled(grouped);
}

void TNewElementDlg::fillStrengthList()
{
    std::vector<std::string> values;
    FillStrengthList(values, kind(), mtGeneral);
    fb1->setValues(values);
}

QStringList TNewElementDlg::requirementTexts() const
{
    return {Label6->text(), Label7->text(), Label8->text(), Label9->text()};
}

bool TNewElementDlg::takeStrength(double& v)
{
    return fb1->take(v, false, StrengthLimit(kind(), mtGeneral));
}

bool TNewElementDlg::fbLeft()
{
    double v = 0;
    return takeStrength(v);
}

void TNewElementDlg::accept()
{
    const std::string name = Nazwa1->text().toStdString();
    switch (CheckUnitName(name, namesInUse_)) {
    case TUnitNameCheck::Empty: Refuse("Nie określono nazwy!", "Proszę wprowadzić nazwę elementu murowego."); return;
    case TUnitNameCheck::BadCharacters:
        Refuse("Niedozwolone znaki w nazwie!", "Nazwa nie może zawierać znaków tabulacji ani końca wiersza.");
        return;
    case TUnitNameCheck::TooLong: Refuse("Zbyt długa nazwa!", "Nazwa może mieć najwyżej 255 znaków."); return;
    case TUnitNameCheck::Duplicate: Refuse("Wprowadzona nazwa już istnieje!", "Proszę wprowadzić inna nazwę."); return;
    case TUnitNameCheck::Ok: break;
    }
    double fb = 0;
    if (!takeStrength(fb) || !ro1->commit()) return;
    if (!(fb > 0)) {
        Refuse("Popraw!", "Wartość musi być większa od 0.");
        return;
    }
    const double density = !densityShown_.isEmpty() && ro1->text() == densityShown_ ? data_.Density : ro1->value();
    data_ = TMasonryUnitRow{name,        TypMaterialu1->currentIndex(), std::max(grupa1->currentIndex(), 0), fb,
                            KategoriaWykElementu1->currentIndex(), density};
    QDialog::accept();
}

} // namespace orv
