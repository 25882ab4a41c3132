#include "dialogs/UnitsFullDlg.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "components/DialogButtons.h"
#include "components/DialogKeys.h"
#include "components/DialogRunner.h"

namespace orv {

TUnitsFullDlg1::TUnitsFullDlg1(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("UnitsFullDlg1"));
    setWindowTitle(QStringLiteral("Wybierz jednostkę"));
    auto* v = new QVBoxLayout(this);
    m_ = new QRadioButton(QStringLiteral("metry [m]"));
    m_->setObjectName(QStringLiteral("RadioButton1"));
    cm_ = new QRadioButton(QStringLiteral("centymetry [cm]"));
    cm_->setObjectName(QStringLiteral("RadioButton2"));
    mm_ = new QRadioButton(QStringLiteral("milimetry [mm]"));
    mm_->setObjectName(QStringLiteral("RadioButton3"));
    changeAll_ = new QCheckBox;
    changeAll_->setObjectName(QStringLiteral("ChangeAllDims"));
    for (QWidget* w : {static_cast<QWidget*>(m_), static_cast<QWidget*>(cm_), static_cast<QWidget*>(mm_),
                       static_cast<QWidget*>(changeAll_)})
        v->addWidget(w);
    v->addWidget(CreateDialogButtons(*this).box);
    InstallEnterMovesFocus(this);
}

void TUnitsFullDlg1::setData(int unit, const QString& allCaption, bool all)
{
    unit_ = unit;
    all_ = all;
    m_->setChecked(unit != 1 && unit != 2);
    cm_->setChecked(unit == 1);
    mm_->setChecked(unit == 2);
    changeAll_->setText(allCaption);
    changeAll_->setChecked(all);
}

void TUnitsFullDlg1::done(int result)
{
    if (result == QDialog::Accepted) {
        unit_ = 0;
        if (cm_->isChecked()) unit_ = 1;
        if (mm_->isChecked()) unit_ = 2;
        all_ = changeAll_->isChecked();
    }
    QDialog::done(result);
}

bool ChooseLengthUnit(QWidget* parent, int& unit, bool& all)
{
    TUnitsFullDlg1 dlg(parent);
    dlg.setData(unit, QStringLiteral("zastosuj dla wszystkich wymiarów"), all);
    if (RunModal(dlg) != QDialog::Accepted) return false;
    unit = dlg.unit();
    all = dlg.all();
    return true;
}

} // namespace orv
