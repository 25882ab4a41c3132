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

TPageHeaderLibrary::TPageHeaderLibrary(const std::string& folder)
    : library_(std::make_unique<MakerLibrary>(kBaseName, QString::fromStdString(folder))),
      file_(library_->fileName().toStdString())
{
    if (library_->isLoaded())
        entry_ = library_->entry<TPrintHeader2>(PrintHeader2EntryName);
}

TPageHeaderLibrary::~TPageHeaderLibrary() = default;

THeaderResult TPageHeaderLibrary::draw(QPainter& painter, TPoint dpi, const TRect& printable, bool firstPage,
                                       const THeaderInfo& info, const TShortString<255>& fontName,
                                       const TPrintingSettings& settings, int y) const
{
    THeaderResult r;
    r.y = y;
    r.file = file_;
    if (!library_->isLoaded()) {
        r.outcome = THeaderOutcome::LibraryMissing;
        return r;
    }
    if (!entry_) {
        r.outcome = THeaderOutcome::EntryMissing;
        return r;
    }
    painter.save();
    r.y = entry_(&painter, dpi.X, dpi.Y, printable, y, HeaderSettingsOf(settings), &fontName, info, firstPage);
    painter.restore();
    return r;
}

THeaderResult PrintPageHeader(QPainter& painter, TPoint dpi, const TRect& printable, bool firstPage,
                              const THeaderInfo& info, const TShortString<255>& fontName,
                              const TPrintingSettings& settings, int y, const std::string& folder)
{
    return TPageHeaderLibrary(folder).draw(painter, dpi, printable, firstPage, info, fontName, settings, y);
}

void ShowHeaderLibraryWarning(const std::string& file)
{
    ShowMessageDialog("Nie można wydrukować nagłówka!", MissingLibraryText(QString::fromStdString(file)), mdWarning,
                      mbOK, 0);
}

} // namespace orv
