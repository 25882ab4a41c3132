// The report page renderer: lays the calculation report of the current
// element, or of every element of the project, out into pages in printer
// pixels from the printable origin, with the page header, the report sheets
// in the report mark-up, the scheme of each element and the end line. Each
// page is drawn, as it is laid out, on the painter of a page sink: the
// preview keeps the pages as QPictures (replayed by DrawReportPage), the
// print job draws them on the printer.
#pragma once

#include <QPicture>

#include <functional>
#include <string>
#include <vector>

#include "core/ZunCalc.h"
#include "core/ZunTypes.h"
#include "drawing/CommonColorUnit.h"
#include "drawing/SchemePicture.h"
#include "printing/ElementSource.h"
#include "printing/PageGeometry.h"
#include "printing/PrintSettings.h"
#include "printing/ReportWrap.h"

class QPainter;

namespace orv {

class ProjectSession;

// What to print. The print range, the figure sizes, the page numbering and
// the comment's place are the project header's.
struct TReportRequest {
    TProjectElement element{};          // the current element
    TCalcResults results{};             // its results
    TProjectHeader header{};            // the project's header (element 0's)
    int elementCount = 1;
    int currentIndex = 0;
    std::string documentName;           // shown in the page header
    std::vector<std::string> comments;  // the project comment, line by line
};

// The report of the session's project as it stands.
TReportRequest ReportRequestOf(const ProjectSession& session, const std::string& documentName);

struct TReportOptions {
    // Folder of the page-header library; empty: beside the program.
    std::string libraryFolder;
    // Asked after each element of the report; false stops it.
    std::function<bool()> keepGoing;
};

struct TReportPages {
    std::vector<QPicture> pages;  // in printer pixels from the printable origin
    TPageGeometry geometry;       // of the printer the pages were laid out for
    TRect printable;              // the printable rectangle of the margins
    TPoint pageSize;              // pixels of a page (PagePixels)
};

// Where the pages go while the report is laid out: each page is drawn on the
// painter beginPage gives (its printable origin at (0, 0), one unit a pixel
// of the page), then endPage is called. The painter is the sink's.
class IReportPageSink {
public:
    virtual ~IReportPageSink() = default;
    virtual QPainter& beginPage() = 0;
    virtual void endPage() = 0;
};

enum class TReportStatus {
    Built,
    NoPrintableArea,  // margins refused before rendering ("Popraw!" shown); no pages
    Stopped,          // keepGoing said no; no pages
};

// Report lines every page must hold under its page header.
constexpr int MinReportLinesPerPage = 5;

// True when the margins of the settings leave, on a page of the geometry,
// MinReportLinesPerPage lines of the report font under the tallest page
// header the settings give (every line of the header filled in), drawn with
// the page-header library from libraryFolder (nothing when it is missing),
// and a width that holds the sheets' value column, two and a half inches
// in, with a value of the report font in it. Margins that do not are
// refused before a report is laid out.
bool MarginsLeaveReportLines(const TPrintingSettings& settings, const TPageGeometry& geometry,
                             const std::string& libraryFolder = {});

// Reads the print settings, takes the margins to the printable rectangle of
// the geometry and lays the report out. The page-header warning is shown
// at most once a report.
TReportStatus BuildReportPages(TReportPages& out, const TReportRequest& request, IElementSource& source,
                               const TPageGeometry& geometry, const TReportOptions& options = {});

// The same, each page drawn on the sink's painter as it is laid out; `out`
// gets the geometry, the printable rectangle and the page size, no pages.
TReportStatus RenderReportPages(IReportPageSink& sink, TReportPages& out, const TReportRequest& request,
                                IElementSource& source, const TPageGeometry& geometry,
                                const TReportOptions& options = {});

// The element's scheme as the report prints it, at the figure size of the
// header: a drawing that reaches past its frame less the figure margin
// (S(SchemeFigureMargin) of the picture's font) is drawn smaller and moved
// in, so that it stands whole inside. Empty when the case draws nothing.
TSchemePicture ReportFigurePicture(const TCalcInput& input, const TCalcResults& results,
                                   const TProjectHeader& header, const TDrawingColors& colors);

// Replays a page with its printable origin at the painter's (0, 0), one
// unit of the painter a pixel of the page, whatever the painter's device.
void DrawReportPage(QPainter& painter, const QPicture& page);

} // namespace orv
