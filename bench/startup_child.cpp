// The process the start-up benchmark times: the program's start, linked as
// the program is (its libraries, no benchmark library), up to the painted
// main window on the offscreen platform; then one byte into the pipe whose
// descriptor is the only argument.
#include <QApplication>
#include <QEvent>

#include <cstdlib>
#include <unistd.h>

#include "core/SettingsStore.h"
#include "mainwindow/ZunApplication.h"
#include "mainwindow/ZunMain.h"
#include "mainwindow/ZunStartup.h"
#include "platform/MakerLibrary.h"

using namespace orv;

namespace {

// The main window's first paint. The window system's first exposure of the
// shown window paints it and every child in view before it returns, so once
// the events that brought the paint are handled, the window is painted.
class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

} // namespace

// The start-up as the program makes it.
int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    const int pipeFd = std::atoi(argv[1]);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    MemorySettingsStore store;
    BindSettingsStore(&store);
    int one = 1;
    QApplication app(one, argv);
    SetUpApplication(app);
    // the maker's libraries where the program finds them, next to it
    SetMakerLibraryFolder(QStringLiteral(ORV_PROGRAM_DIR));
    TStartup startup;
    TVelkor2& window = startup.window();
    FirstPaint watch;
    window.installEventFilter(&watch);
    window.show();
    for (int i = 0; i < 100 && !watch.painted; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!watch.painted) return 1;
    const char painted = 1;
    const bool told = ::write(pipeFd, &painted, 1) == 1;
    BindSettingsStore(nullptr);
    return told ? 0 : 1;
}
