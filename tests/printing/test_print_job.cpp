#include <gtest/gtest.h>

#include <cmath>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QPrintEngine>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include "core/SettingsStore.h"
#include "printing/PrintJob.h"
#include "tests/common/QtTestApp.h"
#include "tests/core/support/TestSupport.h"
#include "tests/printing/support/PdfTools.h"

using namespace orv;
using namespace orvtest;

namespace {

// A page with one word at its printable origin.
QPicture WordAtOrigin(const QString& word)
{
    QPicture pic;
    QPainter p(&pic);
    QFont f("Liberation Serif");
    f.setPixelSize(100);
    p.setFont(f);
    p.drawText(0, p.fontMetrics().ascent(), word);
    p.end();
    return pic;
}

// A printer that starts its document but refuses a further page.
class RefusingPrinter : public QPrinter {
public:
    RefusingPrinter() { setEngines(&print, &paint); }

    struct Paint : QPaintEngine {
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        Type type() const override { return QPaintEngine::User; }
    } paint;
    struct Print : QPrintEngine {
        void setProperty(PrintEnginePropertyKey, const QVariant&) override {}
        QVariant property(PrintEnginePropertyKey) const override { return {}; }
        bool newPage() override { return ++newPages, false; }
        bool abort() override { return aborted = true; }
        int metric(QPaintDevice::PaintDeviceMetric m) const override
        {
            return m == QPaintDevice::PdmDevicePixelRatioScaled ? int(QPaintDevice::devicePixelRatioFScale())
                   : m == QPaintDevice::PdmDevicePixelRatio      ? 1
                                                                 : 600;
        }
        QPrinter::PrinterState printerState() const override { return QPrinter::Active; }
        int newPages = 0;
        bool aborted = false;
    } print;
};

class PrintJob : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApp<QApplication>();
        if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
        previous_ = BindSettingsStore(&store);
    }
    void TearDown() override { BindSettingsStore(previous_); }

    MemorySettingsStore store;
    ISettingsStore* previous_ = nullptr;
    MessageRecorder messages;
    ScratchDir dir;
    QString pdf = QString::fromStdString(dir.file("wydruk.pdf"));
};

} // namespace

TEST_F(PrintJob, PagesAreDrawnAtThePrintersOrigin)
{
    auto printer = PdfPrinter(pdf);
    const TPageGeometry g = PageGeometryOf(*printer);
    ASSERT_GT(g.offset.X, 0);  // the PDF printer keeps a margin of its own
    EXPECT_EQ(PrintReportPages(*printer, {WordAtOrigin("Pierwsza"), WordAtOrigin("Druga")}), TPrintOutcome::Printed);
    EXPECT_EQ(PdfPageCount(pdf), 2);
    const std::vector<PdfWord> words = PdfWords(pdf);
    ASSERT_EQ(words.size(), 2u);
    // the origin of the page is the printable origin, not twice its offset
    for (const PdfWord& w : words) {
        EXPECT_NEAR(w.box.left(), g.offset.X * 72.0 / 600, 1.0) << w.text.toStdString();
        EXPECT_NEAR(w.box.top(), g.offset.Y * 72.0 / 600, 1.5) << w.text.toStdString();
    }
    EXPECT_EQ(words[1].page, 2);
    EXPECT_EQ(words[1].text, "Druga");

    // no pages: still a document
    EXPECT_EQ(PrintReportPages(*PdfPrinter(pdf), {}), TPrintOutcome::Printed);
    EXPECT_TRUE(QFile::exists(pdf));

    // asked before every page but the first whether to go on
    int asked = 0;
    const std::vector<QPicture> five(5, WordAtOrigin("Strona"));
    EXPECT_EQ(PrintReportPages(*PdfPrinter(pdf), five, [&] { return ++asked < 2; }), TPrintOutcome::Cancelled);
    EXPECT_EQ(asked, 2);
}

TEST_F(PrintJob, PrinterFailuresAreReportedNotPrinted)
{
    // a document the printer cannot start: a file in no folder
    auto printer = PdfPrinter(QString::fromStdString(dir.file("brak/wydruk.pdf")));
    EXPECT_EQ(PrintReportPages(*printer, {WordAtOrigin("Strona")}), TPrintOutcome::BeginFailed);

    RefusingPrinter refusing;
    EXPECT_EQ(PrintReportPages(refusing, {QPicture(), QPicture(), QPicture()}), TPrintOutcome::NewPageFailed);
    EXPECT_EQ(refusing.print.newPages, 1);
    EXPECT_TRUE(refusing.print.aborted);

    ShowPrintFailure(TPrintOutcome::NewPageFailed, "Biuro");
    ShowPrintFailure(TPrintOutcome::Cancelled, "Biuro");  // no failure
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Nie można kontynuować wydruku!");
    EXPECT_EQ(messages.messages[0].text, "Drukarka \"Biuro\" nie przyjęła kolejnej strony.");
}

namespace {

// The session's elements, pressing a button of the job window while the
// report of element `at` is laid out (a user's click arriving mid-job).
class ClickingSource : public IElementSource {
public:
    ClickingSource(IElementSource& inner, QPushButton* button, int at) : inner_(inner), button_(button), at_(at) {}
    bool GetElementRecord(int i, TProjectElement& e) override { return inner_.GetElementRecord(i, e); }
    bool CalculateElement(int i, TCalcResults& r) override
    {
        ++calculated;
        if (i == at_) QTimer::singleShot(0, button_, &QPushButton::click);
        return inner_.CalculateElement(i, r);
    }
    int calculated = 0;

private:
    IElementSource& inner_;
    QPushButton* button_;
    int at_;
};

} // namespace

TEST_F(PrintJob, TheWindowRendersAndPrintsTheProject)
{
    ProjectSession session;
    ASSERT_TRUE(OpenEveryCaseProject(session, dir.file("every.clcm")));
    SessionElementSource source(session);
    auto printer = PdfPrinter(pdf);
    TWydrukCalc dlg;
    dlg.setJob(printer.get(), &source, ReportRequestOf(session, ""), "NowyProjekt");
    dlg.setLibraryFolder(ORV_TOPLAGE_DIR);
    dlg.setStartDelay(0);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Drukowanie ....");
    EXPECT_EQ(dlg.label()->text(), "Wydruk projektu NowyProjekt");
    EXPECT_EQ(dlg.info()->text(), "na \"PDF\"");
    EXPECT_EQ(dlg.cancelButton()->text(), "Przerwij");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }, kHangMs));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.outcome(), TPrintOutcome::Printed);
    EXPECT_TRUE(messages.messages.empty());
    // every element in one document
    const QString text = PdfLayoutText(pdf);
    EXPECT_EQ(text.count("DANE:"), session.count());
    EXPECT_EQ(text.count("koniec wydruku"), 1);
}

TEST_F(PrintJob, PrzerwijStopsTheJobBeforeOrDuringIt)
{
    ProjectSession session;
    ASSERT_TRUE(OpenEveryCaseProject(session, dir.file("every.clcm")));
    SessionElementSource inner(session);
    auto printer = PdfPrinter(pdf);
    {
        // before the start: nothing is printed, though the job was due at
        // once and events are handled after the click
        TWydrukCalc dlg;
        dlg.setJob(printer.get(), &inner, ReportRequestOf(session, ""), "Dom");
        dlg.setLibraryFolder(ORV_TOPLAGE_DIR);
        dlg.setStartDelay(0);
        dlg.show();
        QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        QApplication::processEvents();
        EXPECT_FALSE(dlg.started());
    }
    // while the third element is laid out
    TWydrukCalc dlg;
    ClickingSource source(inner, dlg.cancelButton(), 2);
    dlg.setJob(printer.get(), &source, ReportRequestOf(session, ""), "Dom");
    dlg.setLibraryFolder(ORV_TOPLAGE_DIR);
    dlg.setStartDelay(0);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }, kHangMs));
    EXPECT_TRUE(dlg.started());
    EXPECT_EQ(dlg.reportStatus(), TReportStatus::Stopped);
    EXPECT_EQ(source.calculated, 3);  // stopped right after the element clicked on
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintJob, AFailedJobKeepsTheWindowOpenUntilPrzerwij)
{
    ProjectSession session;
    SessionElementSource source(session);
    auto printer = PdfPrinter(QString::fromStdString(dir.file("brak/wydruk.pdf")));
    TWydrukCalc dlg;
    dlg.setJob(printer.get(), &source, ReportRequestOf(session, ""), "Dom");
    dlg.setLibraryFolder(ORV_TOPLAGE_DIR);
    dlg.setStartDelay(0);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.started() && !messages.messages.empty(); }, kHangMs));
    EXPECT_EQ(dlg.outcome(), TPrintOutcome::BeginFailed);
    EXPECT_EQ(messages.messages[0].headline, "Nie można rozpocząć wydruku!");
    EXPECT_EQ(messages.messages[0].text, "Drukarka \"PDF\" nie przyjęła wydruku.");
    QApplication::processEvents();
    EXPECT_TRUE(dlg.isVisible());
    QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
}

namespace {

// Counts the pages of a report and how many stand open at once.
class CountingSink : public IReportPageSink {
public:
    QPainter& beginPage() override
    {
        ++pages;
        ++open;
        mostOpen = std::max(mostOpen, open);
        page = QPicture();
        painter.begin(&page);
        return painter;
    }
    void endPage() override
    {
        painter.end();
        --open;
    }
    int pages = 0, open = 0, mostOpen = 0;
    QPicture page;
    QPainter painter;
};

} // namespace

TEST_F(PrintJob, AReportPrintedPageByPageIsThePreviewsReport)
{
    ProjectSession session;
    ASSERT_TRUE(OpenEveryCaseProject(session, dir.file("every.clcm")));
    SessionElementSource source(session);
    const TReportRequest request = ReportRequestOf(session, "Dom");
    TReportOptions options;
    options.libraryFolder = ORV_TOPLAGE_DIR;

    // the pages laid out whole, then printed
    const QString whole = QString::fromStdString(dir.file("calosc.pdf"));
    TReportPages pages;
    ASSERT_EQ(PrintReportToPdf(*PdfPrinter(whole), request, source, options, &pages), TReportStatus::Built);
    ASSERT_GT(pages.pages.size(), 2u);

    // page by page: the same words at the same places
    auto printer = PdfPrinter(pdf);
    const TReportPrint printed = PrintReport(*printer, request, source, options);
    EXPECT_EQ(printed.status, TReportStatus::Built);
    EXPECT_EQ(printed.outcome, TPrintOutcome::Printed);
    EXPECT_EQ(printer->outputFileName(), pdf);
    EXPECT_EQ(PdfPageCount(pdf), int(pages.pages.size()));
    EXPECT_EQ(PdfLayoutText(pdf), PdfLayoutText(whole));
    const std::vector<PdfWord> a = PdfWords(whole), b = PdfWords(pdf);
    ASSERT_EQ(a.size(), b.size());
    // Every word of one stands in the other, on its page, within a fraction
    // of a pixel (0.12 pt) of a picture replayed. Words are matched, not
    // compared in the order the reader lists them.
    // The halo's own copies (the word again within a pixel or two) are
    // matched within 1.2 pt: they are the halo's strokes, not the text.
    auto near = [](const PdfWord& p, const PdfWord& q, double d) {
        return p.page == q.page && p.text == q.text && std::abs(p.box.left() - q.box.left()) <= d &&
               std::abs(p.box.top() - q.box.top()) <= d;
    };
    std::vector<bool> used(a.size(), false);
    for (const PdfWord& w : b) {
        int copies = 0;
        for (const PdfWord& q : b) copies += near(q, w, 2.0);
        const double tolerance = copies > 1 ? 1.2 : 0.1;
        bool found = false;
        for (std::size_t i = 0; i < a.size() && !found; ++i) {
            if (used[i] || !near(a[i], w, tolerance)) continue;
            used[i] = found = true;
        }
        EXPECT_TRUE(found) << w.text.toStdString() << " on page " << w.page << " at " << w.box.left() << ", "
                           << w.box.top();
    }
    EXPECT_TRUE(messages.messages.empty());

    // one page open at a time, as many as the preview keeps
    CountingSink sink;
    TReportPages layout;
    EXPECT_EQ(RenderReportPages(sink, layout, request, source, pages.geometry, options), TReportStatus::Built);
    EXPECT_EQ(sink.pages, int(pages.pages.size()));
    EXPECT_EQ(sink.mostOpen, 1);
    EXPECT_EQ(sink.open, 0);
    EXPECT_TRUE(layout.pages.empty());
    EXPECT_EQ(layout.printable.Top, pages.printable.Top);
    EXPECT_EQ(layout.printable.Right, pages.printable.Right);
}

TEST_F(PrintJob, AStoppedOrFailedReportLeavesTheFileThatWasThere)
{
    ProjectSession session;
    ASSERT_TRUE(OpenEveryCaseProject(session, dir.file("every.clcm")));
    SessionElementSource source(session);
    const TReportRequest request = ReportRequestOf(session, "Dom");
    TReportOptions options;
    options.libraryFolder = ORV_TOPLAGE_DIR;
    WriteFileBytes(pdf.toStdString(), "poprzedni wydruk");

    // stopped on the second question: after the first element or before the second page
    int asked = 0;
    options.keepGoing = [&] { return ++asked < 2; };
    TReportPrint printed = PrintReport(*PdfPrinter(pdf), request, source, options);
    EXPECT_EQ(printed.status, TReportStatus::Stopped);
    EXPECT_EQ(printed.outcome, TPrintOutcome::Cancelled);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(ReadFileBytes(pdf.toStdString()), "poprzedni wydruk");
    EXPECT_EQ(QDir(QString::fromStdString(dir.path().string())).entryList(QDir::Files),
              (QStringList{"every.clcm", "wydruk.pdf"}));
    options.keepGoing = {};

    // a document the printer cannot start: the report itself was sound
    printed = PrintReport(*PdfPrinter(QString::fromStdString(dir.file("brak/wydruk.pdf"))), request, source, options);
    EXPECT_EQ(printed.status, TReportStatus::Built);
    EXPECT_EQ(printed.outcome, TPrintOutcome::BeginFailed);

    // finished, the new document takes the name and the old file's permissions
    const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(pdf, mode));
    printed = PrintReport(*PdfPrinter(pdf), request, source, options);
    EXPECT_EQ(printed.outcome, TPrintOutcome::Printed);
    const QFile::Permissions all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                   QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                                   QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(pdf) & all, mode);
    EXPECT_EQ(PdfLayoutText(pdf).count("DANE:"), session.count());
    EXPECT_TRUE(messages.messages.empty());
}
