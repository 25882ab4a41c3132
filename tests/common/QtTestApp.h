// The one application object of a GUI test executable, created on first use
// and kept for the whole run (QApplication where widgets are tested).
#pragma once

#include <QCoreApplication>
#include <QGuiApplication>

namespace orvtest {

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
