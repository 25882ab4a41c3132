// The program's icon, a masonry wall drawn from the SVG in the resources:
// the windows' icon and the desktop's bitmap come from the one drawing.
#pragma once

#include <QIcon>
#include <QImage>

namespace orv {

// The icon drawn at size x size pixels on a transparent ground
// (a null image if the drawing cannot be read).
QImage RenderProgramIcon(int size);

// The icon at the sizes window managers ask for, drawn when first asked for.
QIcon ProgramIcon();

} // namespace orv
