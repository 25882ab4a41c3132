// Stored window places applied to widgets.
#pragma once

#include "core/CommonParamsUnit.h"

class QWidget;

namespace orv {

// The place of a top-level widget (frame position, client size).
TWindowPlace WindowPlaceOf(const QWidget& widget);
// The available area of the screen that holds the point, else of the
// primary screen; empty without a screen.
TScreenArea AvailableScreenArea(int x, int y);
// Puts a top-level widget at the place brought onto the available screen
// (FitWindowOntoArea); a width or height that is not above 0 keeps the
// widget's own size.
void PlaceWindowOnScreen(QWidget& widget, const TWindowPlace& place);
// Applies a stored place (PlanWindowPlacement), wholly on the available screen.
void ApplyWindowPlacement(QWidget& widget, const TWindowPlace& place);

} // namespace orv
