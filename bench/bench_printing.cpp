// The report of a 100-element project, every design case in turn and no two
// elements alike, laid out and printed page by page to a PDF file on the
// offscreen platform, with the page headers drawn by the page-header
// library; a page turn in the print preview; the pages of one element
// under a comment of one long line, of words or of codes between letters;
// and the wrap of such a line alone.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWindow>

#include <string>

#include "bench/BenchApp.h"
#include "bench/BenchProject.h"
#include "core/ProjectSession.h"
#include "core/SettingsStore.h"
#include "core/ZunProject.h"
#include "drawing/MarkupText.h"
#include "printing/PreviewPrintDlg.h"
#include "printing/PrintJob.h"
#include "printing/PrintSettings.h"
#include "printing/ReportRenderer.h"
#include "printing/ReportWrap.h"

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

// One element laid out into pages of the sheet under a comment of one
// line, the print settings read from `settings`.
void PagesUnderCommentLine(benchmark::State& state, const std::string& line, const TPageGeometry& sheet,
                           ISettingsStore& settings)
{
    QTemporaryDir dir;
    ProjectSession session;
    if (!OpenProject(state, session, dir, 1)) return;
    BindSettingsStore(&settings);
    SessionElementSource source(session);
    TReportRequest request = ReportRequestOf(session, "Projekt");
    request.header.CommentPlace = 1;
    request.comments = {line};
    TReportOptions options;
    options.libraryFolder = ORV_TOPLAGE_DIR;
    std::size_t pages = 0;
    for (auto _ : state) {
        TReportPages out;
        if (BuildReportPages(out, request, source, sheet, options) != TReportStatus::Built) {
            state.SkipWithError("the report was not built");
            break;
        }
        pages = out.pages.size();
    }
    BindSettingsStore(&g_store);
    state.counters["pages"] = double(pages);
}

const TPageGeometry kA4At300{300, 300, {2480, 3508}, {2380, 3408}, {50, 50}};
const TPageGeometry kA3At600{600, 600, {7016, 9921}, {6916, 9821}, {50, 50}};

// One element under a comment of one line of 80,000 characters, and of a
// mebibyte (the most a file carries), in words of six characters, laid out
// into pages of A4 at 300 dpi.
void BM_PagesOfALongCommentLine(benchmark::State& state)
{
    std::string line;
    const auto length = static_cast<std::size_t>(state.range(0));
    for (int n = 0; line.size() < length; ++n) line += "kom" + std::to_string(100 + n % 900) + ' ';
    PagesUnderCommentLine(state, line.substr(0, length), kA4At300, g_store);
}
BENCHMARK(BM_PagesOfALongCommentLine)->Arg(80000)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

// A line of range(0) bytes of codes between single letters, "%G%Sx" or
// "%D%Ix" over and over (range(1) 0 or 1), or of letters alone (2).
std::string CodeLadenLine(const benchmark::State& state)
{
    const char* const pieces[] = {"%G%Sx", "%D%Ix", "x"};
    std::string line;
    const auto length = static_cast<std::size_t>(state.range(0));
    while (line.size() < length) line += pieces[state.range(1)];
    line.resize(length);
    return line;
}

// The same under a comment line of codes between letters, of 80,000
// characters and of a mebibyte: on A4 at 300 dpi in the default font and
// margins, or on A3 at 600 dpi (range(2) 1) in 4 pt within 10 mm margins,
// the most letters a line takes.
void BM_PagesOfACodeLadenCommentLine(benchmark::State& state)
{
    MemorySettingsStore settings;
    if (state.range(2) == 1) {
        settings.writeInteger(SettingsKey::Maker, PrintingSection, "FontSize", MinReportFontSize);
        for (const char* margin : {"MarginLeft", "MarginRight", "MarginTop", "MarginBottom"})
            settings.writeInteger(SettingsKey::Maker, PrintingSection, margin, 100);
    }
    PagesUnderCommentLine(state, CodeLadenLine(state), state.range(2) == 1 ? kA3At600 : kA4At300, settings);
}
BENCHMARK(BM_PagesOfACodeLadenCommentLine)
    ->ArgsProduct({{80000, 1 << 20}, {0, 1, 2}, {0}})
    ->Args({1 << 20, 0, 1})
    ->Args({1 << 20, 2, 1})
    ->Unit(benchmark::kMillisecond);

// The same lines wrapped alone, measured as the report measures them: in
// 12 pt Times New Roman at 300 dpi within the default margins of A4, or in
// 4 pt at 600 dpi within 10 mm margins of A3.
void BM_WrapReportLine(benchmark::State& state)
{
    orvbench::BenchApp();
    const std::string line = CodeLadenLine(state);
    const bool a3 = state.range(2) == 1;
    QImage image(4, 4, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.setFontDpi(a3 ? 600 : 300);
    canvas.font.name = "Times New Roman";
    canvas.font.size = a3 ? 4 : 12;
    const int avail = a3 ? 7016 - 2 * 236 : 2480 - 295 - 236;
    auto width = [&canvas](const std::string& s) {
        const TCanvasFont font = canvas.font;
        const int w = MarkupTextWidth(canvas, s);
        canvas.font = font;
        return w;
    };
    std::size_t lines = 0;
    for (auto _ : state) lines = WrapReportText(line, avail, width).size();
    state.counters["lines"] = double(lines);
}
BENCHMARK(BM_WrapReportLine)
    ->ArgsProduct({{80000, 1 << 20}, {0, 1, 2}, {0}})
    ->Args({1 << 20, 0, 1})
    ->Args({1 << 20, 2, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
