#include "dialogs/ZunSlabDlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

#include "components/DialogButtons.h"
#include "components/MathLabel.h"
#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "core/ZunSlabs.h"

namespace orv {
namespace {

constexpr double kDefaultThickness = 15.0; // [cm]
constexpr double kDefaultWidth = 100.0;    // [cm]

bool Positive(double v) { return std::isfinite(v) && v > 0; }

} // namespace

TSlabDlg::TSlabDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SlabDlg"));
    setWindowTitle(QStringLiteral("Strop"));
    auto* v = new QVBoxLayout(this);
    title_ = new QLabel;
    title_->setObjectName(QStringLiteral("SlabTitle"));
    v->addWidget(title_);
    auto* form = new QFormLayout;
    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("Nazwa"));
    name_->setMaxLength(255);
    form->addRow(QStringLiteral("nazwa"), name_);
    d_ = new TSpinRealEdit;
    d_->setObjectName(QStringLiteral("d"));
    d_->setRange(1, 200);
    d_->setIncrement(1);
    d_->setPrecision(1);
    form->addRow(new TMathLabel(QStringLiteral("grubość płyty d [cm] =")), d_);
    b_ = new TSpinRealEdit;
    b_->setObjectName(QStringLiteral("b"));
    b_->setRange(1, 100000);
    b_->setIncrement(10);
    b_->setPrecision(1);
    form->addRow(new TMathLabel(QStringLiteral("szerokość b [cm] =")), b_);
    J_ = new QLabel;
    J_->setObjectName(QStringLiteral("J"));
    form->addRow(new TMathLabel(QStringLiteral("J = b d!3! / 12 [cm!4!] =")), J_);
    v->addLayout(form);
    v->addWidget(CreateDialogButtons(*this).box);
    for (TNumberEdit* e : {d_, b_}) {
        connect(e, &TNumberEdit::exited, this, &TSlabDlg::showJ);
        connect(e, &TNumberEdit::upClicked, this, &TSlabDlg::showJ);
        connect(e, &TNumberEdit::downClicked, this, &TSlabDlg::showJ);
    }
}

void TSlabDlg::setData(const TSlabRecord& record, int slabNumber)
{
    record_ = record;
    title_->setText(QStringLiteral("Strop nr %1").arg(slabNumber));
    name_->setText(QString::fromStdString(record.Nazwa.str()));
    d_->setValue(Positive(record.Data[5]) ? record.Data[5] : kDefaultThickness);
    b_->setValue(Positive(record.Width) ? record.Width : kDefaultWidth);
    showJ();
}

double TSlabDlg::fieldJ() const { return SolidSlabJ(b_->value(), d_->value()); }

void TSlabDlg::showJ() { J_->setText(QString::fromStdString(FormatFixed(1, fieldJ()))); }

void TSlabDlg::done(int result)
{
    if (result == QDialog::Accepted) {
        if (auto* e = qobject_cast<TNumberEdit*>(focusWidget()); e && !e->commit()) return;
        TSlabRecord r = record_;
        r.Data[5] = d_->value();
        r.Width = b_->value();
        r.J = fieldJ();
        r.Nazwa.set(name_->text().toStdString());
        record_ = r;
    }
    QDialog::done(result);
}

bool ShowSlabDlg(QWidget* parent, TSlabRecord& record, int slabNumber)
{
    TSlabDlg dlg(parent);
    dlg.setData(record, slabNumber);
    if (dlg.exec() != QDialog::Accepted) return false;
    record = dlg.data();
    return true;
}

} // namespace orv
