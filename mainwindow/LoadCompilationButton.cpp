// The "..." parts of the fields N_0d (walls) and N_0d of the basement wall:
// without a load-table text of their own, the load from the storeys above,
// compiled in its dialog.
#include "mainwindow/ElementEditor.h"

#include <QWidget>

#include <memory>

#include "core/ProjectSession.h"
#include "core/ZunEditor.h"
#include "dialogs/ZunZestObc.h"
#include "mainwindow/LoadTableButtons.h"

namespace orv {
namespace {

// On OK the compilation and its load go into the element's copy; the load
// as its field shows it, at its decimals (the store refuses one outside the
// field's range).
bool CompileUpperLoad(QObject* owner, TProjectElement& e, bool basement)
{
    auto loads = std::make_unique<TLoadCompilation>(e.Loads);
    double F = 0;
    if (!ShowZestObcDlg(qobject_cast<QWidget*>(owner), *loads, e.Input, basement, F)) return false;
    const TNumericField& field = *FindNumericField(basement ? "N0_mb1" : "Nod1");
    e.Loads = *loads;
    WriteField(e.Input, field.offset, FieldShownValue(field, F));
    return true;
}

} // namespace

void TElementEditor::connectLoadCompilationButtons()
{
    BindCompilationDialog(CompileUpperLoad);
}

} // namespace orv
