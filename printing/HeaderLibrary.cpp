#include "printing/HeaderLibrary.h"

#include <QPainter>

#include "core/MessageService.h"
#include "platform/MakerLibrary.h"

namespace orv {
namespace {
const QString kBaseName = QStringLiteral("toplage");
}

std::string HeaderLibraryFile(const std::string& folder)
{
    return (folder.empty() ? MakerLibraryFile(kBaseName) : MakerLibraryFileIn(QString::fromStdString(folder), kBaseName))
        .toStdString();
}

THeaderResult PrintPageHeader(QPainter& painter, TPoint dpi, const TRect& printable, bool firstPage,
                              const THeaderInfo& info, const TShortString<255>& fontName,
                              const TPrintingSettings& settings, int y, const std::string& folder)
{
    THeaderResult r;
    r.y = y;
    MakerLibrary library(kBaseName, QString::fromStdString(folder));
    r.file = library.fileName().toStdString();
    if (!library.isLoaded()) {
        r.outcome = THeaderOutcome::LibraryMissing;
        return r;
    }
    const auto entry = library.entry<TPrintHeader2>(PrintHeader2EntryName);
    if (!entry) {
        r.outcome = THeaderOutcome::EntryMissing;
        return r;
    }
    painter.save();
    r.y = entry(&painter, dpi.X, dpi.Y, printable, y, HeaderSettingsOf(settings), &fontName, info, firstPage);
    painter.restore();
    return r;
}

void ShowHeaderLibraryWarning(const std::string& file)
{
    ShowMessageDialog("Nie można wydrukować nagłówka!", MissingLibraryText(QString::fromStdString(file)), mdWarning,
                      mbOK, 0);
}

} // namespace orv
