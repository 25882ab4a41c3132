#include "mainwindow/ZunStartup.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>

#include "components/DialogRunner.h"
#include "components/HelpRouterUnit.h"
#include "mainwindow/OPROGRAM4.h"
#include "mainwindow/ZunMain.h"
#include "mainwindow/ZunWelcome.h"

namespace orv {

namespace {

// Events are handled until the window system has shown `window` and it has
// been painted, for at most `ms` milliseconds; without that, it is painted
// at once. A repaint asked for before the window system has shown a window
// is dropped: the window would be painted only when events next run.
void PaintWhenShown(QWidget& window, int ms)
{
    struct Watch : QObject {
        bool painted = false;
        bool late = false;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint) painted = true;
            return false;
        }
    } watch;
    window.installEventFilter(&watch);
    QTimer::singleShot(ms, &watch, [&watch] { watch.late = true; });
    while (!watch.painted && !watch.late)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    window.removeEventFilter(&watch);
    if (!watch.painted) window.repaint();
}

} // namespace

TStartup::TStartup(int timer1Ms, int timer2Ms) : about_(std::make_unique<TAbout4>())
{
    // The splash is shown and painted first, so it is seen while the forms
    // are made.
    about_->setSplash(true);
    about_->show();
    PaintWhenShown(*about_, 200);

    window_ = std::make_unique<TVelkor2>();
    welcome_ = new TWelcomeDlg(window_.get());
    welcome_->onNewProject = [this] { window_->Nowy1Click(); };
    welcome_->onOpenExample = [this](int example) { window_->N1PrzykladClick(example); };
    welcome_->onHelp = [] { ShowHelpContents(); };
    window_->setWelcomeChoice(welcome_);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer1.setInterval(timer1Ms);
    Timer2.setInterval(timer2Ms);
    connect(&Timer1, &QTimer::timeout, this, &TStartup::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &TStartup::Timer2Timer);
    Timer1.start();
}

TStartup::~TStartup() = default;

void TStartup::Timer1Timer()
{
    Timer2.start();
    Timer1.stop();
}

void TStartup::Timer2Timer()
{
    Timer2.stop();
    about_->close();
    about_->setSplash(false);
    about_->setClosable(true);
    if (auto* about = window_->findChild<QAction*>(QStringLiteral("Oprogramie1"))) about->setEnabled(true);
    const bool welcomeForm = window_->formState().welcomeForm;
    welcome_->dontShowAgain()->setChecked(!welcomeForm);
    if (welcomeForm && window_->freshStart()) RunModal(*welcome_);
}

} // namespace orv
