#include "mainwindow/ZunApplication.h"

#include <QApplication>
#include <QLocale>

#include "components/ColorEditorDialog.h"
#include "components/Dialogs3.h"
#include "components/QtTranslations.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/SettingsStore.h"
#include "core/ZunFiles.h"
#include "mainwindow/ZunMain.h"
#include "mainwindow/ZunStartup.h"
#include "platform/IniSettingsStore.h"
#include "platform/PosixFileWriter.h"
#include "resources/ProgramIcon.h"

namespace orv {

void SetUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Orvandel"));
    InstallQtTranslations(app);
    QApplication::setWindowIcon(ProgramIcon());
    RegisterColorEditor();
}

int RunApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    const QString dp = QLocale::system().decimalPoint();
    SetDecimalSeparator(dp.isEmpty() ? ',' : dp.at(0).toLatin1());
    IniSettingsStore settings;
    BindSettingsStore(&settings);
    QtMessageService messages;
    BindMessageService(&messages);
    TPosixFileWriter files;
    BindFileWriter(&files);

    int rc = 0;
    {
        TStartup startup;
        startup.window().show();
        rc = app.exec();
    }
    settings.flush();
    BindFileWriter(nullptr);
    BindMessageService(nullptr);
    BindSettingsStore(nullptr);
    return rc;
}

} // namespace orv
