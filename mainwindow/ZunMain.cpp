#include "mainwindow/ZunMain.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>

#include "components/Dialogs3.h"
#include "platform/IniSettingsStore.h"
#include "core/MyUtils.h"
#include "core/SettingsStore.h"

namespace orv {

int RunApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvandel"));
    const QString dp = QLocale::system().decimalPoint();
    SetDecimalSeparator(dp.isEmpty() ? ',' : dp.at(0).toLatin1());
    IniSettingsStore settings;
    BindSettingsStore(&settings);
    QtMessageService messages;
    BindMessageService(&messages);

    // Until the main form lands, the program shows a placeholder window.
    QLabel placeholder(QStringLiteral("Orvandel – okno główne w budowie"));
    placeholder.setMinimumSize(480, 200);
    placeholder.setAlignment(Qt::AlignCenter);
    placeholder.setWindowTitle(QStringLiteral("Orvandel"));
    placeholder.show();
    const int rc = app.exec();
    settings.flush();
    BindMessageService(nullptr);
    BindSettingsStore(nullptr);
    return rc;
}

} // namespace orv
