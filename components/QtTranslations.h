// Qt's own Polish translations, so that the standard dialogs (open and
// save, the colour picker, their messages) speak the program's language.
#pragma once

class QCoreApplication;

namespace orv {

// Installs Qt's Polish catalogues from Qt's translations folder into the
// application, whatever the system's locale. Returns false where the
// catalogues are not installed; the dialogs then stay in English.
bool InstallQtTranslations(QCoreApplication& app);

} // namespace orv
