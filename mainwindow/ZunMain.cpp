#include "ZunMain.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>

#include "MyUtils.h"

namespace orv {

int RunApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvandel"));
    const QString dp = QLocale::system().decimalPoint();
    SetDecimalSeparator(dp.isEmpty() ? ',' : dp.at(0).toLatin1());

    // Until the main form lands, the program shows a placeholder window.
    QLabel placeholder(QStringLiteral("Orvandel – okno główne w budowie"));
    placeholder.setMinimumSize(480, 200);
    placeholder.setAlignment(Qt::AlignCenter);
    placeholder.setWindowTitle(QStringLiteral("Orvandel"));
    placeholder.show();
    return app.exec();
}

} // namespace orv
