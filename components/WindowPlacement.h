// Stored window places applied to widgets.
#pragma once

#include "core/CommonParamsUnit.h"

class QWidget;

namespace orv {

// The place of a top-level widget (frame position, client size).
TWindowPlace WindowPlaceOf(const QWidget& widget);
// Applies a stored place against the primary screen (PlanWindowPlacement).
void ApplyWindowPlacement(QWidget& widget, const TWindowPlace& place);

} // namespace orv
