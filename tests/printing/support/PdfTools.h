// Reading written PDF files back with poppler's tools, writing report pages
// to a PDF printer, and the projects the printing tests lay out.
#pragma once

#include <QImage>
#include <QPrinter>
#include <QRectF>
#include <QString>

#include <memory>
#include <string>
#include <vector>

#include "core/ProjectSession.h"
#include "printing/ReportRenderer.h"


namespace orvtest {

// pdftotext, pdfinfo, pdfimages and pdftoppm are all there.
bool PopplerAvailable();

struct PdfWord {
    int page = 0;       // from 1
    QRectF box;         // points from the page's top-left corner
    QString text;
};
// Every word with its box (pdftotext -bbox).
std::vector<PdfWord> PdfWords(const QString& pdf);
// The text laid out as on the page; page 0 for all of them (pdftotext -layout).
QString PdfLayoutText(const QString& pdf, int page = 0);
int PdfPageCount(const QString& pdf);  // pdfinfo
struct PdfImage {
    int page = 0;
    int width = 0;      // pixels
    int height = 0;
    double xppi = 0;
    double yppi = 0;
};
std::vector<PdfImage> PdfImages(const QString& pdf);  // pdfimages -list
// One page rendered at the given resolution (pdftoppm).
QImage PdfPageImage(const QString& pdf, int page, int dpi);

// Clip rectangles set in the pages of a PDF written by Qt, page by page
// from 1, in points of the page's own space (origin at the bottom left).
std::vector<std::pair<int, QRectF>> PdfClipRects(const QString& pdf);

// An A4 PDF printer into `file` at the given resolution, with its own
// (default) non-printable margins.
std::unique_ptr<QPrinter> PdfPrinter(const QString& file, int dpi = 600);
// Lays the report out for the printer and prints it there; the status of
// the layout (the pages are printed only when it was built).
orv::TReportStatus PrintReportToPdf(QPrinter& printer, const orv::TReportRequest& request,
                                    orv::IElementSource& source, const orv::TReportOptions& options,
                                    orv::TReportPages* pagesOut = nullptr);

// A project of the six design cases from the example projects, with one
// more wall whose capacity is exceeded (its name ends "przeciążona"),
// figures 10 x 8 cm, "Wszystkie elementy" chosen, written to `file` and
// opened in the session.
bool OpenEveryCaseProject(orv::ProjectSession& session, const std::string& file);

// mm <-> points
inline double Pt(double mm) { return mm / 25.4 * 72.0; }

} // namespace orvtest
