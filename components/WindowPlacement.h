// Stored window places applied to widgets.
#pragma once

#include <functional>

#include "core/CommonParamsUnit.h"

class QMargins;
class QRect;
class QWidget;

namespace orv {

// The place of a top-level widget (frame position, client size).
TWindowPlace WindowPlaceOf(const QWidget& widget);
// The available area of the screen that holds the point, else of the
// primary screen; empty without a screen.
TScreenArea AvailableScreenArea(int x, int y);
// Where AvailableScreenArea takes its areas from; an empty source restores
// the screens. Returns the previous source.
using ScreenAreaSource = std::function<TScreenArea(int x, int y)>;
ScreenAreaSource SetScreenAreaSource(ScreenAreaSource source);

// The client rectangle whose frame (the client grown by `frame`) lies wholly
// on the area: the frame cut to the area, then moved by the least distance.
QRect FitFrameOntoArea(const QRect& client, const QMargins& frame, const TScreenArea& area);
// Brings the whole frame of a top-level widget, title bar included, onto the
// available screen as far as its frame is known, and once more when the
// window manager first gives the frame of the shown window.
void FitWindowFrameOnScreen(QWidget& widget);

// The width a top-level widget needs for its whole title in the title bar:
// the title in a bold face beside the window's icon, its buttons and the
// bar's padding, each about as wide as the bar is high.
int WidthForTitle(const QWidget& widget);

// Puts a top-level widget at the place brought onto the available screen
// (FitWindowOntoArea, frame included); a width or height that is not above
// 0 keeps the widget's own size.
void PlaceWindowOnScreen(QWidget& widget, const TWindowPlace& place);
// Applies a stored place (PlanWindowPlacement), wholly on the available screen.
void ApplyWindowPlacement(QWidget& widget, const TWindowPlace& place);

} // namespace orv
