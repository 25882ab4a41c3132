// The report of a 100-element project, every design case in turn and no two
// elements alike, laid out and printed page by page to a PDF file on the
// offscreen platform, with the page headers drawn by the page-header
// library; a page turn in the print preview; and the pages of one element
// under a comment of one long line.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWindow>

#include <string>

#include "bench/BenchApp.h"
#include "bench/BenchProject.h"
#include "core/ProjectSession.h"
#include "core/SettingsStore.h"
#include "core/ZunProject.h"
#include "printing/PreviewPrintDlg.h"
#include "printing/PrintJob.h"
#include "printing/ReportRenderer.h"

using namespace orv;

namespace {

MemorySettingsStore g_store;

// The elements of the example projects over and over, all of them printed,
// in the session; the benchmark is skipped when they cannot be.
bool OpenProject(benchmark::State& state, ProjectSession& session, const QTemporaryDir& dir, int count)
{
    orvbench::BenchApp();
    BindSettingsStore(&g_store);
    TElementList elements = orvbench::VariedExampleElements(count);
    elements.front().Header.PrintParts[4] = 1;
    const std::string file = QDir(dir.path()).filePath("projekt.clcm").toStdString();
    if (SaveProjectFile(file, elements, count, 0, {}).ok() && session.open(file).ok()) return true;
    state.SkipWithError("the project could not be written");
    return false;
}

void BM_ReportOf100ElementsToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    ProjectSession session;
    if (!OpenProject(state, session, dir, 100)) return;
    SessionElementSource source(session);
    const TReportRequest request = ReportRequestOf(session, "Projekt");
    TReportOptions options;
    options.libraryFolder = ORV_TOPLAGE_DIR;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(dir.path()).filePath("raport.pdf"));
        if (PrintReport(printer, request, source, options).outcome != TPrintOutcome::Printed) {
            state.SkipWithError("the PDF could not be written");
            return;
        }
    }
}
BENCHMARK(BM_ReportOf100ElementsToPdf)->Unit(benchmark::kMillisecond);

// "Następna strona" in the preview of a 12-element report, up to the page
// painted on the paper (A4 at 600 dpi); from the last page back to the first
// outside the timing.
void BM_PreviewPageTurn(benchmark::State& state)
{
    QTemporaryDir dir;
    ProjectSession session;
    if (!OpenProject(state, session, dir, 12)) return;
    SessionElementSource source(session);
    TPreviewPrintDlg preview;
    preview.setJob(&source, ReportRequestOf(session, "Projekt"));
    preview.setLibraryFolder(ORV_TOPLAGE_DIR);
    preview.setPageGeometry({600, 600, {4961, 7016}, {4961 - 200, 7016 - 200}, {100, 100}});
    preview.show();
    // painting starts once the window is on the screen
    for (int i = 0; i < 100 && !(preview.windowHandle() && preview.windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QWidget* paintBox = preview.findChild<QWidget*>("Printer1");
    if (!paintBox || preview.pageCount() < 2) {
        state.SkipWithError("the report has no second page");
        return;
    }
    paintBox->repaint();
    for (auto _ : state) {
        if (preview.currentPage() == preview.pageCount()) {
            state.PauseTiming();
            preview.FirstButton1Click();
            paintBox->repaint();
            state.ResumeTiming();
        }
        preview.NextButton1Click();
        paintBox->repaint();
    }
    state.counters["pages"] = double(preview.pageCount());
    preview.close();
}
BENCHMARK(BM_PreviewPageTurn)->Unit(benchmark::kMillisecond);

// One element under a comment of one line of 80,000 characters, and of a
// mebibyte (the most a file carries), in words of six characters, laid out
// into pages of A4 at 300 dpi.
void BM_PagesOfALongCommentLine(benchmark::State& state)
{
    QTemporaryDir dir;
    ProjectSession session;
    if (!OpenProject(state, session, dir, 1)) return;
    SessionElementSource source(session);
    TReportRequest request = ReportRequestOf(session, "Projekt");
    request.header.CommentPlace = 1;
    std::string line;
    const auto length = static_cast<std::size_t>(state.range(0));
    for (int n = 0; line.size() < length; ++n) line += "kom" + std::to_string(100 + n % 900) + ' ';
    request.comments = {line.substr(0, length)};
    TReportOptions options;
    options.libraryFolder = ORV_TOPLAGE_DIR;
    const TPageGeometry a4{300, 300, {2480, 3508}, {2380, 3408}, {50, 50}};
    std::size_t pages = 0;
    for (auto _ : state) {
        TReportPages out;
        if (BuildReportPages(out, request, source, a4, options) != TReportStatus::Built) {
            state.SkipWithError("the report was not built");
            return;
        }
        pages = out.pages.size();
    }
    state.counters["pages"] = double(pages);
}
BENCHMARK(BM_PagesOfALongCommentLine)->Arg(80000)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace
