// The start of the program after the application object: the about box as
// a splash that stays on top, the main window with its welcome dialog, and
// two chained timers. The first only starts the second; the second turns the
// splash into the ordinary about box and, on a fresh start with the welcome
// choice on, shows the welcome dialog. The delays are given, so a test runs
// the start at once or fires the timers itself.
#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

namespace orv {

class TAbout4;
class TVelkor2;
class TWelcomeDlg;

class TStartup : public QObject {
    Q_OBJECT
public:
    // Shows the splash, then creates the main window (not yet shown) and
    // the welcome dialog and starts Timer1.
    explicit TStartup(int timer1Ms = 1000, int timer2Ms = 1000);
    ~TStartup() override;

    TVelkor2& window() { return *window_; }
    TAbout4& about() { return *about_; }
    TWelcomeDlg& welcome() { return *welcome_; }
    QTimer& timer1() { return Timer1; }
    QTimer& timer2() { return Timer2; }

    // Timer1: starts Timer2.
    void Timer1Timer();
    // Timer2: the splash becomes the about box, "O programie" is enabled, and
    // the welcome dialog comes up while the welcome choice is on and no
    // project has been opened.
    void Timer2Timer();

private:
    // Declared first, so the about box outlives the main window.
    std::unique_ptr<TAbout4> about_;
    std::unique_ptr<TVelkor2> window_;
    TWelcomeDlg* welcome_ = nullptr; // a child of the window
    QTimer Timer1;
    QTimer Timer2;
};

} // namespace orv
