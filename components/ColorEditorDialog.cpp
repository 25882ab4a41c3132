#include "components/ColorEditorDialog.h"

#include "drawing/CommonColorUnit.h"
#include "platform/JolLib.h"

namespace orv {

void RegisterColorEditor()
{
    BindColorEditor([](QObject* owner, int mode, TPoint& place) { return ShowColorDialogJol(owner, mode, place); });
}

} // namespace orv
