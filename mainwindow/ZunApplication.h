// The program's main block: the application object set up, the services
// bound, the start-up and the message loop.
#pragma once

class QApplication;

namespace orv {

// The application object made ready as the program has it: its name, the
// toolkit's translations, window icon and the colour editor.
void SetUpApplication(QApplication& app);

// The main block: the application set up, settings and message box bound,
// then the start-up (TStartup) and the message loop; returns the exit code.
int RunApplication(int argc, char** argv);

} // namespace orv
