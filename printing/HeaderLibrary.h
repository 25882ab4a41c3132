// The page-header library: loaded by file name from the library folder,
// for one header or for the pages of one report.
#pragma once

#include <memory>
#include <string>

#include "core/MyUtils.h"
#include "printing/HeaderAbi.h"
#include "printing/PrintSettings.h"

class QPainter;

namespace orv {
class MakerLibrary;
}

namespace orv {

// The file the page-header library is looked for as, in `folder` (the
// maker's library folder when empty).
std::string HeaderLibraryFile(const std::string& folder);

enum class THeaderOutcome { Drawn, LibraryMissing, EntryMissing };

struct THeaderResult {
    THeaderOutcome outcome = THeaderOutcome::Drawn;
    int y = 0;            // where the page goes on: y given when not drawn
    std::string file;     // the library file looked for
};

// The library from `folder` (the maker's library folder when empty), loaded
// while the object lives: the headers of a report with one loading.
class TPageHeaderLibrary {
public:
    explicit TPageHeaderLibrary(const std::string& folder = {});
    ~TPageHeaderLibrary();
    TPageHeaderLibrary(const TPageHeaderLibrary&) = delete;
    TPageHeaderLibrary& operator=(const TPageHeaderLibrary&) = delete;

    // Draws one page header. The painter's state is as it was afterwards.
    // Shows nothing: a failure is for the caller to report
    // (ShowHeaderLibraryWarning).
    THeaderResult draw(QPainter& painter, TPoint dpi, const TRect& printable, bool firstPage,
                       const THeaderInfo& info, const TShortString<255>& fontName,
                       const TPrintingSettings& settings, int y) const;

private:
    std::unique_ptr<MakerLibrary> library_;
    std::string file_;
    TPrintHeader2 entry_ = nullptr;
};

// One page header with the library loaded for it alone.
THeaderResult PrintPageHeader(QPainter& painter, TPoint dpi, const TRect& printable, bool firstPage,
                              const THeaderInfo& info, const TShortString<255>& fontName,
                              const TPrintingSettings& settings, int y, const std::string& folder = {});

// The warning of a header that could not be drawn, naming the file looked for.
void ShowHeaderLibraryWarning(const std::string& file);

} // namespace orv
