// The application object of the GUI benchmarks: offscreen, made on first
// use and kept for the whole run.
#pragma once

#include <QApplication>

namespace orvbench {

inline QApplication& BenchApp()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

} // namespace orvbench
