// The program's outputs against files written by an earlier build: the
// report dumps of the example projects read back from their files, the RTF
// export of each example (every element, every section), the calculation
// trace of every element of the examples, and the text of the PDF report
// of 100 different elements (pdftotext -layout), from its pages' pictures
// and printed page by page. A change made for speed or tidiness must leave
// every byte of them as it was.
//
// When an output is meant to change, rewrite the files and review the diff:
//   ORV_UPDATE_GOLDEN=1 QT_QPA_PLATFORM=offscreen ctest --test-dir build -R GoldenOutputs
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/ProjectSession.h"
#include "core/SettingsStore.h"
#include "core/ZunProject.h"
#include "printing/PrintJob.h"
#include "printing/WstawDWCalc.h"
#include "tests/core/support/ReportDump.h"
#include "tests/core/support/TestSupport.h"
#include "tests/printing/support/PdfTools.h"
#include "tools/ExampleProjects.h"

using namespace orv;

namespace {

std::string GoldenPath(const std::string& name) { return std::string(ORV_GOLDEN_DIR) + "/" + name; }

bool Updating()
{
    const char* v = std::getenv("ORV_UPDATE_GOLDEN");
    return v != nullptr && *v != '\0' && std::strcmp(v, "0") != 0;
}

// Where two texts first part: the line number (from 1) and both lines.
std::string FirstDifference(const std::string& expected, const std::string& actual)
{
    std::istringstream e(expected), a(actual);
    std::string le, la;
    for (int n = 1;; ++n) {
        const bool moreE = static_cast<bool>(std::getline(e, le));
        const bool moreA = static_cast<bool>(std::getline(a, la));
        if (!moreE && !moreA) return "the texts differ only in their line ends";
        if (!moreE || !moreA || le != la) {
            std::ostringstream s;
            s << "first difference at line " << n << ":\n  was: " << (moreE ? le : "<end of file>")
              << "\n  now: " << (moreA ? la : "<end of file>");
            return s.str();
        }
    }
}

// The output against its file, byte for byte; written instead when updating.
void ExpectGolden(const std::string& name, const std::string& actual)
{
    const std::string path = GoldenPath(name);
    if (Updating()) {
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f << actual;
        ASSERT_TRUE(f.good()) << "could not write " << path;
        return;
    }
    const std::string expected = orvtest::ReadFileBytes(path);
    ASSERT_FALSE(expected.empty()) << path << " is missing; ORV_UPDATE_GOLDEN=1 writes it";
    if (expected != actual)
        ADD_FAILURE() << name << " has changed (" << expected.size() << " bytes before, " << actual.size()
                      << " now); " << FirstDifference(expected, actual);
}

class GoldenOutputs : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        prev = BindSettingsStore(&store);
        ASSERT_TRUE(dir.isValid());
        std::string failed;
        ASSERT_TRUE(WriteExampleProjects(dir.path().toStdString(), failed)) << failed;
    }
    void TearDown() override { BindSettingsStore(prev); }

    // The elements of an example as its file gives them back.
    TElementList readExample(const std::string& fileName)
    {
        std::vector<std::string> comments;
        TElementList elements;
        EXPECT_TRUE(ReadProjectFile(comments, dir.path().toStdString() + "/" + fileName, elements));
        return elements;
    }

    // 100 different elements, every one printed, in the session.
    bool openHundredElements(ProjectSession& session)
    {
        TElementList elements = VariedExampleElements(100);
        elements.front().Header.PrintParts[4] = 1;  // every element
        elements.front().Header.PrintParts[5] = 0;
        const std::string file = dir.path().toStdString() + "/sto.clcm";
        return SaveProjectFile(file, elements, 100, 0, {}).ok() && session.open(file).ok();
    }

    MemorySettingsStore store;
    ISettingsStore* prev = nullptr;
    QTemporaryDir dir;
};

struct VectorSource : IElementSource {
    const TElementList& elements;
    explicit VectorSource(const TElementList& e) : elements(e) {}
    bool GetElementRecord(int i, TProjectElement& e) override
    {
        if (i < 0 || i >= static_cast<int>(elements.size())) return false;
        e = elements[static_cast<std::size_t>(i)];
        return true;
    }
    bool CalculateElement(int i, TCalcResults& r) override
    {
        if (i < 0 || i >= static_cast<int>(elements.size())) return false;
        TTraceLines trace;
        r.Error = CalcElement(trace, elements[static_cast<std::size_t>(i)].Input, r);
        return true;
    }
};

} // namespace

TEST_F(GoldenOutputs, ReportDumpsAndRtfOfTheExamplesAreAsBefore)
{
    const std::vector<TExampleProject> examples = BuildExampleProjects();
    ASSERT_EQ(examples.size(), 2u);
    for (std::size_t k = 0; k < examples.size(); ++k) {
        const std::string stem = "example" + std::to_string(k + 1);
        const TElementList elements = readExample(examples[k].FileName);
        ASSERT_EQ(elements.size(), examples[k].Elements.size());

        std::ostringstream dump;
        orvtest::DumpProject(elements, dump);
        ExpectGolden(stem + "_report.txt", dump.str());

        // "Wstaw do edytora" of all elements with every section, the first
        // element current, its results as the window has them.
        VectorSource source(elements);
        TWstawDW4Calc writer;
        writer.Header = elements[0].Header;
        std::memset(writer.Header.PrintParts, 0, sizeof writer.Header.PrintParts);
        for (int p : {0, 1, 2, 3, 4, 6}) writer.Header.PrintParts[p] = 1;
        writer.Count = static_cast<int>(elements.size());
        writer.Current = 0;
        writer.Element() = elements[0];
        ASSERT_TRUE(source.CalculateElement(0, writer.Results));
        writer.Source = &source;
        writer.PrepareSettings();
        ExpectGolden(stem + "_zun.rtf", writer.BuildReport());
    }
}

TEST_F(GoldenOutputs, CalculationTracesOfTheExamplesAreAsBefore)
{
    const std::vector<TExampleProject> examples = BuildExampleProjects();
    ASSERT_EQ(examples.size(), 2u);
    for (std::size_t k = 0; k < examples.size(); ++k) {
        const TElementList elements = readExample(examples[k].FileName);
        ASSERT_EQ(elements.size(), examples[k].Elements.size());
        // every element: its number, case and error number, then its trace
        std::ostringstream out;
        for (std::size_t i = 0; i < elements.size(); ++i) {
            TTraceLines trace;
            TCalcResults r;
            const int error = CalcElement(trace, elements[i].Input, r);
            out << "== element " << i + 1 << ", case " << static_cast<int>(elements[i].Input.Case) << ", error "
                << error << '\n';
            for (std::string_view line : trace) out << line << '\n';
        }
        ExpectGolden("example" + std::to_string(k + 1) + "_trace.txt", out.str());
    }
}

// From the pages' pictures, then printed page by page as the print job lays
// them out, not from pictures: the same text, line for line.
TEST_F(GoldenOutputs, PdfTextOfAHundredElementReportIsAsBefore)
{
    if (!orvtest::PopplerAvailable()) GTEST_SKIP() << "poppler's tools are not installed";
    ProjectSession session;
    ASSERT_TRUE(openHundredElements(session));

    SessionElementSource source(session);
    TReportOptions options;
    options.libraryFolder = ORV_TOPLAGE_DIR;
    const TReportRequest request = ReportRequestOf(session, "Projekt");
    std::string fromPictures;
    for (const bool pageByPage : {false, true}) {
        const QString pdf = dir.filePath(pageByPage ? "druk.pdf" : "raport.pdf");
        auto printer = orvtest::PdfPrinter(pdf);
        if (pageByPage) {
            const TReportPrint printed = PrintReport(*printer, request, source, options);
            ASSERT_EQ(printed.status, TReportStatus::Built);
            ASSERT_EQ(printed.outcome, TPrintOutcome::Printed);
        } else {
            ASSERT_EQ(orvtest::PrintReportToPdf(*printer, request, source, options), TReportStatus::Built);
        }
        printer.reset();  // the file is complete once the printer is gone
        const std::string text = orvtest::PdfLayoutText(pdf).toStdString();
        if (!pageByPage) {
            ExpectGolden("report100_pdf.txt", text);
            fromPictures = text;
        } else if (text != fromPictures) {
            ADD_FAILURE() << "the report printed page by page reads otherwise than its pictures; "
                          << FirstDifference(fromPictures, text);
        }
    }
}
