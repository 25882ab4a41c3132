#include "components/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orv {

bool InstallQtTranslations(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    // "qt_pl" is the catalogue that loads qtbase_pl and the other modules'.
    if (!translator->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return app.installTranslator(translator);
}

} // namespace orv
