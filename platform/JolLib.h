// The program's side of the editor library ("jollib"): each call loads the
// library beside the program, attaches it to the program's settings store
// and message box, calls the entry point and frees the library. A missing
// library or entry point is reported ("Nie można uruchomić tej funkcji!",
// naming the file looked for) and the call answers false; so does an entry
// point that fails.
#pragma once

#include <QString>

#include <string>

#include "core/MyUtils.h"

class QObject;

namespace orv {

// The file the editor library is looked for as.
QString JolLibraryFile();

// The printing settings ("Printing"); true when confirmed, and the caller
// reads them again. Place is the dialog's place, kept by the caller.
bool ShowPrintingSettingsDlg(QObject* owner, TPoint& place);
// The settings of the editor export ("Word"); true when confirmed.
bool ShowWordInsertSettingsDlg(QObject* owner, TPoint& place);
// Hands the written report file to the user's editor; true when it took it.
bool ExportToRtf(QObject* owner, const std::string& path);
// The fonts of the results text and the calculation trace; true when
// confirmed, and the caller reads its font again.
bool ShowFontDialogJol(QObject* owner, TPoint& place);
// The drawing colours; true when confirmed (the colours are stored then).
bool ShowColorDialogJol(QObject* owner, int mode, TPoint& place);

} // namespace orv
