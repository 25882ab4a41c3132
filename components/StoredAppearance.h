// Qt side of the stored settings that widgets use: the grid cell colour and
// stored fonts. Colours convert through the drawing canvas's one helper.
#pragma once

#include <QColor>
#include <QFont>

#include <string>

namespace orv {

// The grid cell colour: the stored one, or the palette's base colour.
QColor CellBackgroundColor();

// A font of the stored family at the given point size (kept when not positive).
QFont StoredFont(const std::string& family, int pointSize);

} // namespace orv
