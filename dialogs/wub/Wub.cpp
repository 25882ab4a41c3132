// The slab library. Its block of 20 doubles per slab: 0 the kind of slab
// (0 solid; the one kind offered), 1 the thickness last confirmed [cm], 3 the
// span [cm], 5 the slab's thickness [cm]; the others are kept as they are.
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>

#include "components/DecimalSpinBox.h"
#include "components/DialogButtons.h"

#define WUB_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr double kDefaultThickness = 15.0; // [cm]

bool Positive(double v) { return std::isfinite(v) && v > 0; }

double SolidSlabJ(double b, double d) { return b * d * d * d / 12; }

} // namespace

// Start values of a slab block: a solid slab 15 cm thick over a 100 cm span.
WUB_EXPORT void GetStartValuesOfData(double* block)
{
    if (!block) return;
    for (int k = 0; k < 20; ++k) block[k] = 0;
    block[0] = 0;
    block[1] = kDefaultThickness;
    block[3] = 100.0;
    block[5] = kDefaultThickness;
}

// The solid slab over the width b [cm]: its thickness is asked and
// J = b d^3 / 12 [cm4], A = b d [cm2] returned on OK (1); Cancel returns 0
// and changes nothing. `mode` and `flag` are not used by this kind of slab.
WUB_EXPORT unsigned char ShowWub3(void* owner, int mode, double b, double* A, double* J, double* block,
                                  unsigned char* flag)
{
    (void)mode;
    (void)flag;
    if (!A || !J || !block) return 0;
    double d = Positive(block[5]) ? block[5] : Positive(block[1]) ? block[1] : kDefaultThickness;

    QDialog dialog(static_cast<QWidget*>(owner));
    dialog.setObjectName(QStringLiteral("WubDlg"));
    dialog.setWindowTitle(QStringLiteral("Moment bezwładności stropu"));
    auto* v = new QVBoxLayout(&dialog);
    v->addWidget(new QLabel(QStringLiteral("Płyta żelbetowa pełna")));
    auto* form = new QFormLayout;
    const QLocale locale;
    auto* width = new QLabel(Positive(b) ? locale.toString(b, 'f', 1) : QStringLiteral("-"));
    width->setObjectName(QStringLiteral("b"));
    form->addRow(QStringLiteral("szerokość b [cm]"), width);
    auto* thickness = new orv::TDecimalSpinBox;
    thickness->setObjectName(QStringLiteral("d"));
    thickness->setDecimals(1);
    thickness->setRange(1.0, 200.0);
    thickness->setSingleStep(1.0);
    thickness->setValue(d);
    form->addRow(QStringLiteral("grubość d [cm]"), thickness);
    auto* result = new QLabel;
    result->setObjectName(QStringLiteral("J"));
    form->addRow(QStringLiteral("J = b·d³/12 [cm⁴]"), result);
    v->addLayout(form);
    const orv::TDialogButtons buttons = orv::CreateDialogButtons(dialog, {"OK", "Cancel"});
    v->addWidget(buttons.box);

    auto show = [&] {
        const bool ok = Positive(b);
        result->setText(ok ? locale.toString(SolidSlabJ(b, thickness->value()), 'f', 1) : QStringLiteral("-"));
        buttons.ok->setEnabled(ok);
    };
    QObject::connect(thickness, &QDoubleSpinBox::valueChanged, &dialog, show);
    show();

    if (dialog.exec() != QDialog::Accepted) return 0;
    d = thickness->value();
    *J = SolidSlabJ(b, d);
    *A = b * d;
    block[0] = 0;
    block[1] = d;
    block[5] = d;
    return 1;
}
