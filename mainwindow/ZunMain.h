// Start-up of the application and its main window.
#pragma once

namespace orv {
int RunApplication(int argc, char** argv);
}
