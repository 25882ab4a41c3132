// The report of a 100-element project, every design case in turn, laid out
// into pages and printed to a PDF file on the offscreen platform, with the
// page headers drawn by the page-header library.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include "core/ProjectSession.h"
#include "core/SettingsStore.h"
#include "core/ZunProject.h"
#include "printing/PrintJob.h"
#include "printing/ReportRenderer.h"
#include "tools/ExampleProjects.h"

using namespace orv;

namespace {

QGuiApplication& App()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    return *app;
}

MemorySettingsStore g_store;

// The elements of the example projects over and over, all of them printed.
bool OpenProject(ProjectSession& session, const std::string& file, int count)
{
    std::vector<TProjectElement> six;
    for (const TExampleProject& p : BuildExampleProjects())
        for (const TProjectElement& e : p.Elements) six.push_back(e);
    std::vector<TProjectElement> elements;
    for (int i = 0; i < count; ++i) elements.push_back(six[i % six.size()]);
    elements.front().Header = six.front().Header;
    elements.front().Header.PrintParts[4] = 1;
    if (!SaveProjectFile(file, elements, count, 0, {}).ok()) return false;
    return session.open(file).ok();
}

void BM_ReportOf100ElementsToPdf(benchmark::State& state)
{
    App();
    BindSettingsStore(&g_store);
    QTemporaryDir dir;
    ProjectSession session;
    if (!OpenProject(session, QDir(dir.path()).filePath("projekt.clcm").toStdString(), 100)) {
        state.SkipWithError("the project could not be written");
        return;
    }
    SessionElementSource source(session);
    const TReportRequest request = ReportRequestOf(session, "Projekt");
    TReportOptions options;
    options.libraryFolder = ORV_TOPLAGE_DIR;
    std::size_t pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(dir.path()).filePath("raport.pdf"));
        TReportPages report;
        BuildReportPages(report, request, source, PageGeometryOf(printer), options);
        if (PrintReportPages(printer, report.pages) != TPrintOutcome::Printed) {
            state.SkipWithError("the PDF could not be written");
            return;
        }
        pages = report.pages.size();
    }
    state.counters["pages"] = double(pages);
}
BENCHMARK(BM_ReportOf100ElementsToPdf)->Unit(benchmark::kMillisecond);

} // namespace
