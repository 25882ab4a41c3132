// Qt side of the stored settings: colours kept as 0x00BBGGRR integers,
// stored fonts and window places applied to widgets.
#pragma once

#include <QColor>
#include <QFont>

#include <string>

#include "CommonParamsUnit.h"

class QWidget;

namespace orv {

// The one conversion between a stored 0x00BBGGRR colour and a QColor.
QColor ColorFromBgr(int bgr);
int BgrFromColor(const QColor& color);

// The grid cell colour: the stored one, or the palette's base colour.
QColor CellBackgroundColor();

// A font of the stored family at the given point size (kept when not positive).
QFont StoredFont(const std::string& family, int pointSize);

// The place of a top-level widget (frame position, client size).
TWindowPlace WindowPlaceOf(const QWidget& widget);
// Applies a stored place against the primary screen (PlanWindowPlacement).
void ApplyWindowPlacement(QWidget& widget, const TWindowPlace& place);

} // namespace orv
