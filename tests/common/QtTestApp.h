// The one application object of a GUI test executable, created on first use
// and kept for the whole run (QApplication where widgets are tested).
#pragma once

#include <QCoreApplication>
#include <QGuiApplication>

namespace orvtest {

// The limit of a wait for an event: far beyond what any load makes it take,
// so it only ends a run that would otherwise never finish.
constexpr int kHangMs = 60000;

template <typename App = QGuiApplication>
inline void EnsureApp()
{
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "orvandel-test";
    static char* argv[] = {name, nullptr};
    new App(argc, argv);
}

} // namespace orvtest
