// The drawing colours are edited by the colour editor of the editor library
// ("jollib"), like every other settings dialog of that library.
#pragma once

namespace orv {

// Makes the editor library's colour editor the editor that EditDrawingColors runs.
void RegisterColorEditor();

} // namespace orv
