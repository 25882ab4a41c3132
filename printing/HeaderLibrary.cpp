#include "printing/HeaderLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPainter>

#include "core/MessageService.h"

#ifndef ORV_TOPLAGE_FILE
#define ORV_TOPLAGE_FILE "libtoplage.so"
#endif

namespace orv {

std::string LibraryFolder()
{
    if (!QCoreApplication::instance()) return {};
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string HeaderLibraryFile(const std::string& folder)
{
    return QDir(QString::fromStdString(folder)).absoluteFilePath(QStringLiteral(ORV_TOPLAGE_FILE)).toStdString();
}

THeaderResult PrintPageHeader(QPainter& painter, TPoint dpi, const TRect& printable, bool firstPage,
                              const THeaderInfo& info, const TShortString<255>& fontName,
                              const TPrintingSettings& settings, int y, const std::string& folder)
{
    THeaderResult r;
    r.y = y;
    r.file = HeaderLibraryFile(folder.empty() ? LibraryFolder() : folder);
    QLibrary library(QString::fromStdString(r.file));
    if (!library.load()) {
        r.outcome = THeaderOutcome::LibraryMissing;
        return r;
    }
    auto entry = reinterpret_cast<TPrintHeader2>(library.resolve(PrintHeader2EntryName));
    if (!entry) {
        r.outcome = THeaderOutcome::EntryMissing;
        library.unload();
        return r;
    }
    painter.save();
    r.y = entry(&painter, dpi.X, dpi.Y, printable, y, HeaderSettingsOf(settings), &fontName, info, firstPage);
    painter.restore();
    library.unload();
    return r;
}

void ShowHeaderLibraryWarning(const std::string& file)
{
    ShowMessageDialog("Nie można wydrukować nagłówka!",
                      "Nie znaleziono biblioteki " + file + ". \rProszę skontaktować się z dystrybutorem programu!",
                      mdWarning, mbOK, 0);
}

} // namespace orv
