// The help pages shipped inside the program: ":/help/<topic>.htm".
#pragma once

namespace orv {

// Makes the pages of this static library known to the resource system;
// harmless when called again.
void InitHelpPages();

} // namespace orv
