// The "..." buttons of the column moments: the moment dialog for the
// direction, filled from the element and written back on OK.
#include "mainwindow/ElementEditor.h"

#include <QToolButton>

#include "components/Realedit.h"
#include "core/ProjectSession.h"
#include "core/ZunEditor.h"
#include "dialogs/ZunKonfig.h"

namespace orv {

void TElementEditor::connectMomentButtons()
{
    for (const bool x : {true, false}) {
        TNumberEdit* field = edit(x ? "Msdx1" : "Msdy1");
        if (auto* speed = field->findChild<QToolButton*>(QStringLiteral("speed"))) speed->setEnabled(true);
        connect(field, &TNumberEdit::buttonClicked, this, [this, x] { momentButtonClick(x); });
    }
}

void TElementEditor::Msdx1ButtonClick()
{
    momentButtonClick(true);
}

void TElementEditor::Msdy1ButtonClick()
{
    momentButtonClick(false);
}

void TElementEditor::momentButtonClick(bool x)
{
    if (filling_ || !commitPendingEdit()) return;
    const TCalcInput& in = session_.current().Input;
    TMomentData d;
    d.N = in.Sily[0].NSd;
    d.ownN = x ? in.Sily[1].NSd : in.Sily[2].NSd;
    d.dimension = x ? in.t : in.t2;
    d.e = x ? in.ex : in.ey;
    d.mode = x ? in.MsdxDef : in.MsdyDef;
    d.direction = x ? 1 : 0;
    const double stored = x ? in.Msdx : in.Msdy;
    d.M = stored;
    if (!ShowMomentDlg(d, this)) return;

    // The moment handed back unchanged stays as stored; a new one is taken at
    // its field's decimals, and one outside the field's range is refused.
    TNumberEdit* field = edit(x ? "Msdx1" : "Msdy1");
    const double M = d.M == stored ? stored : FieldShownValue(*FindNumericField(x ? "Msdx1" : "Msdy1"), d.M);
    const u16 mode = static_cast<u16>(d.mode & 7);
    store([&](TCalcInput& e) {
        if (x) {
            e.Sily[1].NSd = d.ownN;
            e.ex = d.e;
            e.MsdxDef = mode;
            e.Msdx = M;
        } else {
            e.Sily[2].NSd = d.ownN;
            e.ey = d.e;
            e.MsdyDef = mode;
            e.Msdy = M;
        }
    }, field);
}

} // namespace orv
