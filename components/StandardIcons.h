// The standard icons of a style, each asked of the style once: the style
// reads its image files again for every icon it is asked for, while the
// icon never changes.
#pragma once

#include <QIcon>
#include <QStyle>

namespace orv {

// style->standardIcon(which), shared by every caller with that style; the
// icons of a style are let go when the style is destroyed.
QIcon StandardIcon(const QStyle* style, QStyle::StandardPixmap which);

} // namespace orv
