// The "..." buttons of the load fields: each hands the element's load-table
// texts and settings to the load-tables library (platform/NomLib.h) and, when
// the user confirms, takes the texts, the settings and the field's load back.
// The upper-storey load of N_0d (and of the basement wall) is compiled in
// the compilation dialog while its field keeps no load-table text.
#pragma once

#include <functional>
#include <string_view>

#include "core/MyUtils.h"
#include "core/ZunTypes.h"

class QObject;

namespace orv {

// The fields whose "..." button opens a load table.
bool HasLoadTableButton(std::string_view field);

// Runs the button of `field` on `e` (the caller's copy of the current
// element); true when the user confirmed and `e` was changed. `places` are
// the calling window's two dialog places, (-1, -1) before the first call.
bool RunLoadTableButton(std::string_view field, QObject* owner, TPoint (&places)[2],
                        TProjectElement& e);

// The compilation of the upper storeys for N_0d (basement false) and the
// basement N_0d (true): shows the dialog on the element's copy and, on OK,
// stores the compilation and the field's load; true then. Unbound, the
// whole load table serves instead.
using TCompilationDialog = std::function<bool(QObject* owner, TProjectElement& e, bool basement)>;
TCompilationDialog BindCompilationDialog(TCompilationDialog dialog);

} // namespace orv
