// The "..." parts of the fields N_0d (walls) and N_0d of the basement wall:
// the load from the storeys above, compiled in its dialog.
#include "mainwindow/ElementEditor.h"

#include <QToolButton>

#include <memory>

#include "components/Realedit.h"
#include "core/ProjectSession.h"
#include "dialogs/ZunZestObc.h"

namespace orv {

void TElementEditor::connectLoadCompilationButtons()
{
    for (const bool basement : {false, true}) {
        TNumberEdit* field = edit(basement ? "N0_mb1" : "Nod1");
        if (auto* speed = field->findChild<QToolButton*>(QStringLiteral("speed"))) speed->setEnabled(true);
        connect(field, &TNumberEdit::buttonClicked, this, [this, basement] { loadCompilationButton(basement); });
    }
}

void TElementEditor::loadCompilationButton(bool basement)
{
    if (filling_ || !commitFocused()) return;
    const TProjectElement& now = session_.current();
    auto loads = std::make_unique<TLoadCompilation>(now.Loads);
    double F = 0;
    if (!ShowZestObcDlg(this, *loads, now.Input, basement, F)) return;

    // The load as its field takes it: within the field's range, at its decimals.
    TNumberEdit* field = edit(basement ? "N0_mb1" : "Nod1");
    field->setValue(F);
    const double v = field->value();
    session_.editCurrent([&](TProjectElement& e) {
        e.Loads = *loads;
        (basement ? e.Input.N0_mb : e.Input.Nod) = v;
    });
    refresh(field, false);
}

} // namespace orv
