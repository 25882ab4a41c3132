// The standard icons of a style, each made once for the style: a style reads
// and decodes every image file of a standard icon each time it is asked for
// it, while the icon itself never changes. Where the style would make the
// icon of its image files, the icon reads each file only when a picture of
// its size is first shown.
#pragma once

#include <QIcon>
#include <QStyle>

namespace orv {

// style->standardIcon(which), shared by every caller with that style; the
// icons of a style are let go when the style is destroyed. A proxy style's
// are its base style's.
QIcon StandardIcon(const QStyle* style, QStyle::StandardPixmap which);

// The application's style, the same style, gives the toolkit's own widgets
// these icons too: a menu bar or tool bar being made does not read and decode
// its extension button's every size, and no image file read at start-up
// makes the toolkit load its image-format plugins. Called once the
// application object exists, before the first window is made.
void UseStandardIconsOnDemand();

} // namespace orv
