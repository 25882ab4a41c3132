// The application object of the GUI benchmarks: offscreen, made on first
// use and kept for the whole run, with the program's heap policy, painting
// thread and style.
#pragma once

#include <QApplication>

#include "components/StandardIcons.h"
#include "platform/HeapPolicy.h"
#include "platform/PaintingThread.h"

namespace orvbench {

inline QApplication& BenchApp()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        orv::KeepFreedMemoryForReuse();  // as the program does
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* made = new QApplication(argc, argv);
        orv::PaintOnThisThreadAlone();
        orv::UseStandardIconsOnDemand();
        return made;
    }();
    return *app;
}

} // namespace orvbench
