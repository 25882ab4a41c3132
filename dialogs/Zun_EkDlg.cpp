#include "dialogs/Zun_EkDlg.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstring>

#include "components/DialogKeys.h"
#include "components/MathLabel.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunEditor.h"
#include "core/ZunMaterials.h"
#include "dialogs/CatalogueFiles.h"
#include "dialogs/StrengthCombo.h"
#include "drawing/MarkupHtml.h"

namespace orv {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string ResultMarkup(double E) { return "Moduł sprężystości %BE = %B" + FormatFixed(1, E) + " GPa%N"; }

// A check or radio box shows its state without the group clearing it.
void SetChecked(QRadioButton* b, bool checked)
{
    b->setAutoExclusive(false);
    b->setChecked(checked);
    b->setAutoExclusive(true);
}

} // namespace

TEkDlg::TEkDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EkDlg"));
    setWindowTitle(QStringLiteral("Moduł sprężystości muru"));

    OgolnaDefElementu1 = new QRadioButton(QStringLiteral("wg ogólnej definicji"));
    OgolnaDefElementu1->setObjectName(QStringLiteral("OgolnaDefElementu1"));
    OgolnaDefElementu0 = new QRadioButton(QStringLiteral("z listy... "));
    OgolnaDefElementu0->setObjectName(QStringLiteral("OgolnaDefElementu0"));
    connect(OgolnaDefElementu1, &QRadioButton::clicked, this, [this] { generalChosen(); });
    connect(OgolnaDefElementu0, &QRadioButton::clicked, this, [this] { catalogueUnitChosen(); });

    RodzajElementuM1 = new QComboBox;
    RodzajElementuM1->setObjectName(QStringLiteral("RodzajElementuM1"));
    for (int k = 0; k < MaterialKindCount; ++k) RodzajElementuM1->addItem(Q(UnitKindListText(k)));
    connect(RodzajElementuM1, &QComboBox::activated, this, [this](int k) { kindChosen(k); });

    fb1 = new TStrengthCombo;
    connect(fb1, &TStrengthCombo::left, this, [this] { fbLeft(); });
    fbRow_ = new QWidget;
    auto* fh = new QHBoxLayout(fbRow_);
    fh->setContentsMargins(0, 0, 0, 0);
    fh->addWidget(new QLabel(QStringLiteral("znormalizowana wytrzymałość elementu na ściskanie")));
    fh->addWidget(new TMathLabel(QStringLiteral("f_b_ [MPa] =")));
    fh->addWidget(fb1);

    UserElement1 = new QComboBox;
    UserElement1->setObjectName(QStringLiteral("UserElement1"));
    connect(UserElement1, &QComboBox::activated, this, [this] { catalogueUnitChosen(); });

    auto* unit = new QGroupBox(QStringLiteral(" Element murowy "));
    auto* uv = new QVBoxLayout(unit);
    uv->addWidget(OgolnaDefElementu1);
    uv->addWidget(RodzajElementuM1);
    uv->addWidget(fbRow_);
    uv->addWidget(OgolnaDefElementu0);
    uv->addWidget(UserElement1);

    RodzajZaprawy1 = new QComboBox;
    RodzajZaprawy1->setObjectName(QStringLiteral("RodzajZaprawy1"));
    connect(RodzajZaprawy1, &QComboBox::activated, this, [this](int t) { mortarTypeChosen(t); });
    KlasaZaprawy1 = new QComboBox;
    KlasaZaprawy1->setObjectName(QStringLiteral("KlasaZaprawy1"));
    connect(KlasaZaprawy1, &QComboBox::activated, this, [this](int c) { mortarClassChosen(c); });
    Label19 = new QLabel(QStringLiteral("klasy"));
    Label19->setObjectName(QStringLiteral("Label19"));
    auto* mortar = new QGroupBox(QStringLiteral(" Zaprawa  "));
    auto* mh = new QHBoxLayout(mortar);
    mh->addWidget(RodzajZaprawy1, 1);
    mh->addWidget(Label19);
    mh->addWidget(KlasaZaprawy1);

    PB1 = new QLabel;
    PB1->setObjectName(QStringLiteral("PB1"));
    PB1->setAlignment(Qt::AlignCenter);
    PB1->setMinimumHeight(32);
    PB1->setTextFormat(Qt::RichText);

    QHBoxLayout* buttons = CreateOkCancelRow(this, "Modul_sprez_muru");

    auto* v = new QVBoxLayout(this);
    v->addWidget(unit);
    v->addWidget(mortar);
    v->addWidget(PB1);
    v->addLayout(buttons);
    InstallEnterMovesFocus(this);

    // The unit of a new element: ceramic group 1, f_b 10 MPa, general mortar M5.
    TElementMurowy start;
    std::memset(&start, 0, sizeof start);
    start.RodzajElementu = mkCeramic1;
    start.KlasaZaprawy = 2;
    start.RodzajZaprawy = mtGeneral;
    start.fb = 10;
    start.OgolnaDef = 1;
    setData(start);
}

void TEkDlg::setCatalogue(const TMasonryCatalogue& catalogue)
{
    catalogue_ = catalogue;
    showUnit();
}

void TEkDlg::setData(const TElementMurowy& unit)
{
    work_ = unit;
    data_ = unit;
    showUnit();
    modulus_ = currentModulus();
}

double TEkDlg::currentModulus() const
{
    return MasonryModulusE(work_.RodzajElementu, work_.KlasaZaprawy, work_.RodzajZaprawy, work_.fb) / 1e9;
}

QString TEkDlg::resultText() const { return Q(StripMarkup(ResultMarkup(currentModulus()))); }

void TEkDlg::showUnit()
{
    filling_ = true;
    UserElement1->clear();
    for (const std::string& name : catalogue_.GetElementNames()) UserElement1->addItem(Q(name));
    UserElement1->setCurrentIndex(UserElement1->findText(Q(work_.Nazwa.str()), Qt::MatchExactly));
    const int kind = work_.RodzajElementu;
    RodzajElementuM1->setCurrentIndex(IsValidMaterialKind(kind) ? kind : -1);
    fb1->setValue(work_.fb);
    fitMortar();
    SetChecked(OgolnaDefElementu1, work_.OgolnaDef != 0);
    SetChecked(OgolnaDefElementu0, work_.OgolnaDef == 0);
    filling_ = false;
    updateEnabledStates();
    showResult();
}

void TEkDlg::fitMortar()
{
    const int types = OfferedMortarTypeCount(work_.RodzajElementu);
    if (work_.RodzajZaprawy < 0 || work_.RodzajZaprawy >= types) work_.RodzajZaprawy = mtGeneral;
    RodzajZaprawy1->clear();
    for (int t = 0; t < types; ++t) RodzajZaprawy1->addItem(Q(MortarTypeListText(t)));
    RodzajZaprawy1->setCurrentIndex(work_.RodzajZaprawy);

    const int classes = OfferedMortarClassCount(work_.RodzajZaprawy);
    if (work_.KlasaZaprawy < 0 || work_.KlasaZaprawy >= classes) work_.KlasaZaprawy = 0;
    KlasaZaprawy1->clear();
    for (int c = 0; c < classes; ++c) KlasaZaprawy1->addItem(Q(MortarClassListText(c)));
    KlasaZaprawy1->setCurrentIndex(work_.KlasaZaprawy);
    const bool classShown = work_.RodzajZaprawy != mtThinLayer;
    KlasaZaprawy1->setVisible(classShown);
    Label19->setVisible(classShown);
    fillStrengthList();
}

void TEkDlg::fillStrengthList()
{
    std::vector<std::string> values;
    FillStrengthList(values, work_.RodzajElementu, work_.RodzajZaprawy);
    fb1->setValues(values);
}

void TEkDlg::updateEnabledStates()
{
    const bool general = work_.OgolnaDef != 0;
    RodzajElementuM1->setEnabled(general);
    fbRow_->setEnabled(general);
    UserElement1->setEnabled(!general);
}

void TEkDlg::showResult()
{
    PB1->setText(QStringLiteral("<span style=\"color:#000080\">%1</span>").arg(MarkupToHtml(ResultMarkup(currentModulus()))));
}

void TEkDlg::kindChosen(int kind)
{
    if (filling_ || !IsValidMaterialKind(kind)) return;
    work_.RodzajElementu = kind;
    fitMortar();
    showResult();
}

void TEkDlg::mortarTypeChosen(int type)
{
    if (filling_) return;
    work_.RodzajZaprawy = type;
    fitMortar();
    showResult();
}

void TEkDlg::mortarClassChosen(int mortarClass)
{
    if (filling_) return;
    work_.KlasaZaprawy = mortarClass;
    showResult();
}

void TEkDlg::generalChosen()
{
    if (filling_) return;
    work_.OgolnaDef = 1;
    SetChecked(OgolnaDefElementu0, false);
    updateEnabledStates();
    showResult();
}

void TEkDlg::catalogueUnitChosen()
{
    if (filling_) return;
    work_.OgolnaDef = 0;
    SetChecked(OgolnaDefElementu1, false);
    SetChecked(OgolnaDefElementu0, true);
    // A name the catalogue lacks changes nothing of the unit.
    const std::string name = UserElement1->currentText().toStdString();
    TMasonryUnitInfo info;
    if (UserElement1->currentIndex() >= 0 && catalogue_.GetElementByName(name, info)) {
        work_.Nazwa.set(name);
        work_.RodzajElementu = info.Kind;
        work_.fb = info.fb;
        filling_ = true;
        RodzajElementuM1->setCurrentIndex(info.Kind);
        fb1->setValue(info.fb);
        fitMortar();
        filling_ = false;
    }
    updateEnabledStates();
    showResult();
}

bool TEkDlg::fbLeft()
{
    if (filling_) return true;
    double v = 0;
    if (!fb1->take(v, true, StrengthLimit(work_.RodzajElementu, work_.RodzajZaprawy))) return false;
    if (v != work_.fb) {
        work_.fb = v;
        showResult();
    }
    return true;
}

void TEkDlg::accept()
{
    // A typed f_b counts as left; a refused one keeps the dialog open.
    if (work_.OgolnaDef != 0 && !fbLeft()) return;
    data_ = work_;
    modulus_ = currentModulus();
    QDialog::accept();
}

bool ShowEkDlg(QWidget* parent, TElementMurowy& unit, double& E)
{
    TEkDlg dlg(parent);
    dlg.setCatalogue(LoadMasonryCatalogue());
    dlg.setData(unit);
    if (dlg.exec() != QDialog::Accepted) return false;
    unit = dlg.data();
    E = dlg.modulus();
    return true;
}

} // namespace orv
