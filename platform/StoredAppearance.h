// Qt side of the stored settings: colours kept as 0x00BBGGRR integers and
// stored fonts.
#pragma once

#include <QColor>
#include <QFont>

#include <string>

#include "CommonParamsUnit.h"

namespace orv {

// The one conversion between a stored 0x00BBGGRR colour and a QColor.
QColor ColorFromBgr(int bgr);
int BgrFromColor(const QColor& color);

// The grid cell colour: the stored one, or the palette's base colour.
QColor CellBackgroundColor();

// A font of the stored family at the given point size (kept when not positive).
QFont StoredFont(const std::string& family, int pointSize);

} // namespace orv
