#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QRegularExpression>

#include "core/MyUtils.h"
#include "core/SettingsStore.h"
#include "core/ZunCalc.h"
#include "core/ZunProject.h"
#include "drawing/Canvas.h"
#include "drawing/CommonColorUnit.h"
#include "drawing/DrawPrimitives.h"
#include "printing/PrintSettings.h"
#include "tests/common/QtTestApp.h"
#include "tests/core/support/TestSupport.h"
#include "tests/printing/support/PdfTools.h"
#include "tools/ExampleProjects.h"

using namespace orv;
using namespace orvtest;

namespace {

const char* const kHeadings[] = {
    "WYNIKI - ŚCIANA OBCIĄŻONA OSIOWO (model przegubowy) (wg PN-B-03002:2007):",
    "WYNIKI - ŚCIANA OBCIĄŻONA OSIOWO (model ciągły) (wg PN-B-03002:2007):",
    "WYNIKI - ŚCIANA OBCIĄŻONA POZIOMO (wg PN-B-03002:2007):",
    "WYNIKI - ŚCIANA OBCIĄŻONA SIŁĄ SKUPIONĄ (wg PN-B-03002:2007):",
    "WYNIKI - ŚCIANA PIWNIC (wg PN-B-03002:2007):",
    "WYNIKI - SŁUP (wg PN-B-03002:2007):",
};

// A4 in points
constexpr double kPageHeight = 297 / 25.4 * 72;

bool IsRed(QRgb c) { return qRed(c) > 160 && qGreen(c) < 90 && qBlue(c) < 90; }

int RedPixels(const QImage& image, const QRect& area)
{
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (IsRed(image.pixel(x, y))) ++n;
    return n;
}

std::vector<PdfWord> WordsOf(const std::vector<PdfWord>& words, const QString& text)
{
    std::vector<PdfWord> out;
    for (const PdfWord& w : words)
        if (w.text == text) out.push_back(w);
    return out;
}

// The least left and top edge of the words, page by page.
std::map<int, QPointF> TopLeftByPage(const std::vector<PdfWord>& words)
{
    std::map<int, QPointF> m;
    for (const PdfWord& w : words) {
        auto [it, fresh] = m.emplace(w.page, w.box.topLeft());
        it->second = QPointF(std::min(it->second.x(), w.box.left()), std::min(it->second.y(), w.box.top()));
    }
    return m;
}

// The walls and the pier of the example projects: every design case, one
// wall over its capacity, the comment before the report.
class ReportPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApp<QApplication>();
        if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
        previous_ = BindSettingsStore(&store);
        ASSERT_TRUE(OpenEveryCaseProject(session, dir.file("every.clcm")));
    }
    void TearDown() override { BindSettingsStore(previous_); }

    TReportRequest request() { return ReportRequestOf(session, "Dom jednorodzinny"); }
    QString render(const TReportRequest& rq, TReportPages* pages = nullptr,
                   const std::string& folder = ORV_TOPLAGE_DIR, TReportStatus expected = TReportStatus::Built)
    {
        const QString file = QString::fromStdString(dir.file("report.pdf"));
        QFile::remove(file);
        auto printer = PdfPrinter(file);
        TReportOptions options;
        options.libraryFolder = folder;
        EXPECT_EQ(PrintReportToPdf(*printer, rq, source, options, pages), expected);
        return file;
    }
    void setInt(const char* name, int v) { store.writeInteger(SettingsKey::Maker, PrintingSection, name, v); }

    MemorySettingsStore store;
    ISettingsStore* previous_ = nullptr;
    MessageRecorder messages;
    ScratchDir dir;
    ProjectSession session;
    SessionElementSource source{session};
};

} // namespace

TEST_F(ReportPdf, EveryCaseReadsBackFromThePdf)
{
    TReportPages pages;
    const QString pdf = render(request(), &pages);
    EXPECT_TRUE(messages.messages.empty());
    const int count = static_cast<int>(pages.pages.size());
    EXPECT_GT(count, session.count());
    EXPECT_EQ(PdfPageCount(pdf), count);

    const QString text = PdfLayoutText(pdf);
    for (const char* h : kHeadings) EXPECT_TRUE(text.contains(QString::fromUtf8(h))) << h;
    EXPECT_EQ(text.count("DANE:"), session.count());
    EXPECT_EQ(text.count(QString::fromUtf8("ZAŁOŻENIA:")), session.count());
    // Polish letters and the Greek of the Symbol runs come out as text
    for (const char* s : {"Zaprawa murarska: zwykła klasy M10", "Ściana przeciążona", "ρ = 11,0 kN/m", "γf = 1,10",
                          "γm = 2,2", "Φ1 = 0,677", "→ fm = 10,0 MPa"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s;
    // page headers numbered from the project's first page, with its page count
    EXPECT_TRUE(PdfLayoutText(pdf, 1).contains("Str. 1"));
    EXPECT_TRUE(PdfLayoutText(pdf, count).contains(QString("Str. %1").arg(count)));
    EXPECT_EQ(text.count(QString::fromUtf8("Ilość str. 100")), count);
    // the end line once, on the last page; no raster images: the figures are drawn
    EXPECT_EQ(text.count("koniec wydruku"), 1);
    EXPECT_TRUE(PdfLayoutText(pdf, count).contains("koniec wydruku"));
    EXPECT_TRUE(PdfImages(pdf).empty());

    // the comment before the first element; the second element right under
    // the results of the first, with no page break of its own
    const std::vector<PdfWord> words = PdfWords(pdf);
    const PdfWord comment = WordsOf(words, QString::fromUtf8("Przykład"))[0];
    const std::vector<PdfWord> data = WordsOf(words, "DANE:");
    EXPECT_EQ(comment.page, 1);
    EXPECT_EQ(data[0].page, 1);
    EXPECT_LT(comment.box.top(), data[0].box.top());
    const QString second = PdfLayoutText(pdf, data[1].page);
    const qsizetype results = second.indexOf(QString::fromUtf8("Warunek nośności nad stropem:"));
    ASSERT_GE(results, 0);
    EXPECT_LT(results, second.indexOf(QString::fromUtf8("Ściana wewnętrzna nośna osi B")));
}

TEST_F(ReportPdf, RedMarkersStandByTheExceededCapacities)
{
    for (bool colour : {true, false}) {
        store.writeBool(SettingsKey::Maker, PrintingSection, "ColorPrinting", colour);
        const QString pdf = render(request());
        // the overloaded wall fails its three conditions; nothing else does
        const std::vector<PdfWord> markers = WordsOf(PdfWords(pdf), "!!!");
        ASSERT_EQ(markers.size(), 3u);
        for (const PdfWord& m : markers) {
            // the markers may stand on more than one page
            const QImage page = PdfPageImage(pdf, m.page, 144);
            // ending at the right margin less the marker's three trailing blanks
            EXPECT_LE(m.box.right(), Pt(190) + 0.5);
            EXPECT_GE(m.box.right(), Pt(190 - 5));
            const QRect box(QPoint(m.box.left() * 2, m.box.top() * 2), QPoint(m.box.right() * 2, m.box.bottom() * 2));
            EXPECT_TRUE(!colour || RedPixels(page, box) > 10);
            // black and white: nothing red on the page
            EXPECT_TRUE(colour || RedPixels(page, page.rect()) == 0);
        }
    }
}

TEST_F(ReportPdf, ARedLineLeavesRoomForItsMarker)
{
    // A basement wall higher than 260 cm: the error, in red, takes about the
    // whole width between the margins, where the marker stands at the right
    int basement = -1;
    for (int i = 0; i < session.count() && basement < 0; ++i)
        if (session.element(i).Input.Case == ccBasementWall) basement = i;
    ASSERT_GE(basement, 0);
    ASSERT_TRUE(session.setCurrent(basement));
    ASSERT_TRUE(session.editCurrent([](TProjectElement& e) { e.Input.h = 300; }));
    ASSERT_EQ(session.results().Error, ceAnnexHeight);
    TReportRequest rq = request();
    rq.header.PrintParts[4] = 0;  // the current element
    const std::vector<PdfWord> words = PdfWords(render(rq));

    int markers = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!words[i].text.contains("!!!")) continue;
        ++markers;
        // "←" and "!!!" stand alone, not run into the words they would cover
        const PdfWord& bang = words[i];
        ASSERT_EQ(bang.text, "!!!");
        ASSERT_GT(i, 0u);
        const PdfWord& arrow = words[i - 1];
        EXPECT_EQ(arrow.text, QString::fromUtf8("←"));
        EXPECT_NEAR(arrow.box.center().y(), bang.box.center().y(), 1.0);
        EXPECT_LE(bang.box.right(), Pt(210 - 20) + 0.5);
        // the text of the line ends a blank before the arrow
        for (const PdfWord& w : words) {
            if (&w == &bang || &w == &arrow || w.page != bang.page) continue;
            const QRectF marker = arrow.box.united(bang.box);
            EXPECT_FALSE(w.box.intersects(marker)) << w.text.toStdString();
            if (std::abs(w.box.center().y() - bang.box.center().y()) < 1.0) {
                EXPECT_LE(w.box.right(), arrow.box.left() - 2.0) << w.text.toStdString();
            }
        }
    }
    // the heading "Uwaga błąd!" and the error line
    EXPECT_EQ(markers, 2);
    // the error's last words read whole
    EXPECT_EQ(WordsOf(words, QString::fromUtf8("Załącznika")).size(), 1u);
    EXPECT_EQ(WordsOf(words, "A.").size(), 1u);
}

TEST_F(ReportPdf, MarginsStandWithinAMillimetre)
{
    struct Case { int left, right, top, bottom; } cases[] = {{25, 20, 10, 25}, {35, 30, 20, 40}};
    for (const Case& c : cases) {
        setInt("MarginLeft", c.left * 10);
        setInt("MarginRight", c.right * 10);
        setInt("MarginTop", c.top * 10);
        setInt("MarginBottom", c.bottom * 10);
        const QString pdf = render(request());
        const std::vector<PdfWord> words = PdfWords(pdf);
        const std::map<int, QPointF> topLeft = TopLeftByPage(words);
        EXPECT_EQ(int(topLeft.size()), PdfPageCount(pdf));
        for (const auto& [page, p] : topLeft) {
            // a line at the margin; a page of indented lines only has the header's, 3 pt in
            EXPECT_GE(p.x(), Pt(c.left) - Pt(1)) << page;
            EXPECT_LE(p.x(), Pt(c.left) + 3 + Pt(1)) << page;
            EXPECT_NEAR(p.y(), Pt(c.top) + 3, Pt(1)) << page;  // the header's first line, 3 pt in
        }
        // a line starts above the bottom margin at the latest; its subscripts
        // stand 12 x 1.6 / 254 inch = 5.44 pt lower
        double lowest = 0;
        for (const PdfWord& w : words) lowest = std::max(lowest, w.box.top());
        EXPECT_LE(lowest, Pt(297 - c.bottom) + 5.44 + 0.5);
        EXPECT_GT(lowest, Pt(297 - c.bottom - 15));
        for (const PdfWord& m : WordsOf(words, "!!!")) EXPECT_NEAR(m.box.right(), Pt(210 - c.right - 2.5), Pt(2.5));
    }
}

TEST_F(ReportPdf, FiguresStandAtTheirSizesUnderTheirHeadings)
{
    // figures of w x h cm at the left margin
    auto figures = [](const QString& pdf, double w, double h) {
        std::vector<std::pair<int, QRectF>> out;
        for (const auto& [page, r] : PdfClipRects(pdf))
            if (std::abs(r.width() - Pt(10 * w)) < 0.3 && std::abs(r.height() - Pt(10 * h)) < 0.3 &&
                std::abs(r.left() - Pt(25)) < 0.3)
                out.push_back({page, r});
        return out;
    };
    // cases 2 and 3 are cropped to what they draw; the others keep their frame
    std::map<int, int> cases;
    for (int i = 0; i < session.count(); ++i) ++cases[session.element(i).Input.Case];
    QString pdf = render(request());
    const auto found = figures(pdf, 10, 8);
    ASSERT_EQ(int(found.size()), session.count() - cases[2] - cases[3]);

    // one line is the step from "DANE:" to the line under it
    const std::vector<PdfWord> words = PdfWords(pdf);
    const PdfWord dane = WordsOf(words, "DANE:")[0];
    double line = 1e9;
    for (const PdfWord& w : words)
        if (w.page == dane.page && w.box.top() > dane.box.top() + 1) line = std::min(line, w.box.top() - dane.box.top());
    int underHeading = 0;
    for (const auto& [page, r] : found) {
        const double top = kPageHeight - r.bottom();  // the clip is in the page's own upward space
        const double bottom = kPageHeight - r.top();
        double next = 1e9, heading = -1;
        for (const PdfWord& w : words) {
            if (w.page != page) continue;
            if (w.box.top() >= bottom - 0.5) next = std::min(next, w.box.top());
            if (w.text == "WYNIKI" && w.box.top() < top) heading = w.box.top();
        }
        EXPECT_NEAR(next, bottom, Pt(0.5));  // the text goes on right under the figure
        if (heading >= 0) {
            EXPECT_NEAR(top - heading, line + Pt(2.5), Pt(0.3));  // a line and 2.5 mm under its heading
            ++underHeading;
        }
    }
    EXPECT_GT(underHeading, 0);

    // the advanced sizes: 15 x 6 cm for the vertically loaded walls
    TReportRequest rq = request();
    rq.header.FigureSize[0] = 15;
    rq.header.FigureSize[1] = 6;
    pdf = render(rq);
    EXPECT_EQ(int(figures(pdf, 15, 6).size()), cases[0] + cases[1]);
    EXPECT_EQ(int(figures(pdf, 10, 8).size()), cases[4] + cases[5]);
}

TEST_F(ReportPdf, AShortReportIsOnePage)
{
    TReportRequest rq = request();
    for (int part : {0, 3, 4}) rq.header.PrintParts[part] = 0;  // results and figure of the current element
    rq.header.CommentPlace = 0;
    TReportPages pages;
    const QString text = PdfLayoutText(render(rq, &pages));
    EXPECT_EQ(pages.pages.size(), 1u);
    EXPECT_TRUE(text.contains(QString::fromUtf8("Ściana zewnętrzna osi A")));
    EXPECT_TRUE(text.contains(QString::fromUtf8(kHeadings[0])));
    EXPECT_FALSE(text.contains("DANE:"));
    EXPECT_TRUE(text.contains("koniec wydruku"));
}

TEST_F(ReportPdf, WithoutTheHeaderLibraryEveryPageStartsAtTheTopAndOneWarningIsShown)
{
    const std::filesystem::path empty = dir.path() / "pusty";
    std::filesystem::create_directories(empty);
    TReportPages withHeader, without;
    render(request(), &withHeader);
    const QString pdf = render(request(), &without, empty.string());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Nie można wydrukować nagłówka!");
    EXPECT_EQ(messages.messages[0].text, "Nie znaleziono biblioteki " + (empty / "libtoplage.so").string() +
                                             ". \rProszę skontaktować się z dystrybutorem programu!");
    EXPECT_LE(without.pages.size(), withHeader.pages.size());
    EXPECT_FALSE(PdfLayoutText(pdf).contains("Str. 1"));
    // each page starts within a few lines of the top margin and is full,
    // where a page going on from where the last one ended would hold a line
    const std::vector<PdfWord> words = PdfWords(pdf);
    std::map<int, int> wordsOnPage;
    for (const PdfWord& w : words) ++wordsOnPage[w.page];
    for (const auto& [page, p] : TopLeftByPage(words)) {
        EXPECT_GE(p.y(), Pt(10) - 0.5) << page;
        EXPECT_LT(p.y(), Pt(10 + 15)) << page;
        EXPECT_TRUE(page == int(without.pages.size()) || wordsOnPage[page] > 100) << page;
    }
}

TEST_F(ReportPdf, MarginsThatLeaveNoPrintableAreaAreRefusedBeforeRendering)
{
    // 110 + 101 mm of a 210 mm sheet; 150 + 150 mm of 297 mm
    for (auto [across, down] : {std::pair{std::pair{1100, 1010}, std::pair{100, 250}}, {{250, 200}, {1500, 1500}}}) {
        messages.messages.clear();
        setInt("MarginLeft", across.first);
        setInt("MarginRight", across.second);
        setInt("MarginTop", down.first);
        setInt("MarginBottom", down.second);
        TReportPages pages;
        render(request(), &pages, ORV_TOPLAGE_DIR, TReportStatus::NoPrintableArea);
        EXPECT_TRUE(pages.pages.empty());
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].headline, "Popraw!");
        EXPECT_EQ(messages.messages[0].text, "Błąd w definicji marginesów.");
    }
}

TEST_F(ReportPdf, MarginsThatLeaveFewerThanFiveLinesUnderTheHeaderAreRefused)
{
    // A line of the 12 pt report font is 14.4 pt (5.08 mm) at 600 dpi, five
    // of them 25.4 mm; the full page header takes about 24 mm, the page line
    // alone (header type 2) about 6 mm.
    const std::string none = (dir.path() / "pusty").string();
    std::filesystem::create_directories(none);
    auto refused = [&](int topBottom, int headerType, const std::string& folder) {
        messages.messages.clear();
        setInt("MarginTop", topBottom);
        setInt("MarginBottom", topBottom);
        setInt("HeaderType", headerType);
        auto printer = PdfPrinter(QString::fromStdString(dir.file("margins.pdf")));
        TReportOptions options;
        options.libraryFolder = folder;
        TReportPages pages;
        const TReportStatus status = PrintReportToPdf(*printer, request(), source, options, &pages);
        const bool popraw = !messages.messages.empty() && messages.messages[0].headline == "Popraw!" &&
                            messages.messages[0].text == "Błąd w definicji marginesów.";
        EXPECT_EQ(popraw, status == TReportStatus::NoPrintableArea);
        EXPECT_EQ(pages.pages.empty(), status == TReportStatus::NoPrintableArea);
        return status == TReportStatus::NoPrintableArea;
    };
    // 297 - 2 x 145 = 7 mm: not one line under the header, nor without it
    EXPECT_TRUE(refused(1450, 0, ORV_TOPLAGE_DIR));
    EXPECT_TRUE(refused(1450, 0, none));
    // 297 - 2 x 130 = 37 mm: five lines under the page line, not under the
    // full header; without the header library the whole 37 mm are the page's
    EXPECT_TRUE(refused(1300, 0, ORV_TOPLAGE_DIR));
    EXPECT_TRUE(refused(1300, 1, ORV_TOPLAGE_DIR));  // the full header on the first page
    EXPECT_FALSE(refused(1300, 2, ORV_TOPLAGE_DIR));
    EXPECT_FALSE(refused(1300, 0, none));
    // 297 - 2 x 120 = 57 mm
    EXPECT_FALSE(refused(1200, 0, ORV_TOPLAGE_DIR));
}

// --- the report's width ------------------------------------------------------------

namespace {

// A4 at 600 dpi, printable to its edges.
const TPageGeometry kSheetA4{600, 600, {4961, 7016}, {4961, 7016}, {0, 0}};

// Pages drawn on pictures that are thrown away, at most `cap` of them: a
// report that would run on is cut there.
class CountingSink : public IReportPageSink {
public:
    explicit CountingSink(int cap) : cap_(cap) {}
    struct Overrun {};
    QPainter& beginPage() override
    {
        if (pages == cap_) throw Overrun{};
        ++pages;
        painter_.begin(&picture_);
        return painter_;
    }
    void endPage() override { painter_.end(); }
    int pages = 0;

private:
    int cap_;
    QPicture picture_;
    QPainter painter_;
};

class ReportLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApp<QApplication>();
        previous_ = BindSettingsStore(&store);
        ASSERT_TRUE(OpenEveryCaseProject(session, dir.file("every.clcm")));
    }
    void TearDown() override { BindSettingsStore(previous_); }
    void setMargins(int leftRightTenths)
    {
        store.writeInteger(SettingsKey::Maker, PrintingSection, "MarginLeft", leftRightTenths);
        store.writeInteger(SettingsKey::Maker, PrintingSection, "MarginRight", leftRightTenths);
    }
    bool accepted()
    {
        TPrintingSettings s{};
        ReadPrintingSettings(s);
        return MarginsLeaveReportLines(s, kSheetA4, ORV_TOPLAGE_DIR);
    }
    // Pages of the report, or -1 when it runs past `cap` pages.
    int pages(const TReportRequest& rq, int cap, TReportStatus expected = TReportStatus::Built)
    {
        CountingSink sink(cap);
        TReportPages layout;
        TReportOptions options;
        options.libraryFolder = ORV_TOPLAGE_DIR;
        try {
            EXPECT_EQ(RenderReportPages(sink, layout, rq, source, kSheetA4, options), expected);
        } catch (const CountingSink::Overrun&) {
            return -1;
        }
        return sink.pages;
    }

    MemorySettingsStore store;
    ISettingsStore* previous_ = nullptr;
    MessageRecorder messages;
    ScratchDir dir;
    ProjectSession session;
    SessionElementSource source{session};
};

} // namespace

TEST_F(ReportLayout, AColumnNarrowerThanTheValuesIsRefusedBeforeRendering)
{
    // 99 + 99 mm of the 210 mm sheet leave 12 mm, where the values stand
    // 63.5 mm in; refused before a line is laid out, so that nothing can run on
    setMargins(990);
    ASSERT_FALSE(accepted());
    EXPECT_EQ(pages(ReportRequestOf(session, "Dom"), 0, TReportStatus::NoPrintableArea), 0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(messages.messages[0].text, "Błąd w definicji marginesów.");
}

TEST_F(ReportLayout, TheNarrowestAcceptedMarginsKeepThePageCountNearTheDefaults)
{
    TReportRequest one = ReportRequestOf(session, "Dom");
    one.header.PrintParts[4] = 0;  // the current element
    const TReportRequest all = ReportRequestOf(session, "Dom");
    const int defaultOne = pages(one, 100);
    const int defaultAll = pages(all, 1000);
    ASSERT_GT(defaultOne, 0);
    ASSERT_GT(defaultAll, defaultOne);

    // the widest equal margins accepted, in steps of half a millimetre
    int m = 400;
    while (m < 1050) {
        setMargins(m + 5);
        if (!accepted()) break;
        m += 5;
    }
    setMargins(m);
    ASSERT_TRUE(accepted());
    // the value column and a value fit between them: 63.5 mm and some 20
    const double widthMm = 210 - 2 * m / 10.0;
    ASSERT_GT(widthMm, 63.5 + 15);
    EXPECT_LT(widthMm, 63.5 + 30);
    messages.messages.clear();
    const int narrowOne = pages(one, 3 * defaultOne);
    const int narrowAll = pages(all, 3 * defaultAll);
    EXPECT_GE(narrowOne, defaultOne);
    EXPECT_GE(narrowAll, defaultAll);
    EXPECT_NE(narrowOne, -1) << "more than three times the " << defaultOne << " pages";
    EXPECT_NE(narrowAll, -1) << "more than three times the " << defaultAll << " pages";
    EXPECT_TRUE(messages.messages.empty());
}

// The end line's two dashed halves mirror each other about the page's
// middle: each starts with a whole dash at its margin and ends short of
// the text alike.
TEST_F(ReportLayout, TheEndLinesHalvesMirrorEachOther)
{
    TReportRequest rq = ReportRequestOf(session, "Dom");
    rq.header.PrintParts[4] = 0;  // the current element
    const TPageGeometry a4{150, 150, {1240, 1754}, {1240, 1754}, {0, 0}};
    TReportPages out;
    TReportOptions options;
    options.libraryFolder = ORV_TOPLAGE_DIR;
    ASSERT_EQ(BuildReportPages(out, rq, source, a4, options), TReportStatus::Built);
    QImage page(out.pageSize.X, out.pageSize.Y, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        DrawReportPage(painter, out.pages.back());
    }
    const int left = out.printable.Left, right = out.printable.Right;
    auto dark = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    // the rule's row: the one most filled in the left quarter
    int row = -1, most = 0;
    for (int y = 0; y < page.height(); ++y) {
        int n = 0;
        for (int x = left; x < left + (right - left) / 4; ++x) n += dark(x, y);
        if (n > most) {
            most = n;
            row = y;
        }
    }
    ASSERT_GE(row, 0);
    // its dashes, as runs of dark pixels, the runs through the text aside
    std::vector<std::pair<int, int>> runs;
    for (int x = left; x <= right; ++x) {
        if (!dark(x, row)) continue;
        const int from = x;
        while (x + 1 <= right && dark(x + 1, row)) ++x;
        runs.emplace_back(from, x);
    }
    ASSERT_GT(runs.size(), 10u);
    const int dash = runs.front().second - runs.front().first;
    std::vector<std::pair<int, int>> leftHalf, rightHalf;
    for (const auto& [a, b] : runs) {
        if (b - a < dash - 1) continue;
        if (a + b < left + right)
            leftHalf.emplace_back(a, b);
        else
            rightHalf.emplace_back(left + right - b, left + right - a);
    }
    std::sort(rightHalf.begin(), rightHalf.end());
    EXPECT_EQ(leftHalf.front().first, left);
    ASSERT_EQ(leftHalf.size(), rightHalf.size());
    for (std::size_t i = 0; i < leftHalf.size(); ++i) {
        EXPECT_NEAR(rightHalf[i].first, leftHalf[i].first, 1) << i;
        EXPECT_NEAR(rightHalf[i].second, leftHalf[i].second, 1) << i;
    }
}

// A comment of one line of a mebibyte, the most a file carries, goes on
// over its pages line by line: thirteen times the text, thirteen times the
// pages of comment.
TEST_F(ReportLayout, AMebibyteCommentLineTakesPagesInProportionToItsLength)
{
    TReportRequest rq = ReportRequestOf(session, "Dom");
    rq.header.PrintParts[4] = 0;  // the current element
    rq.header.CommentPlace = 1;
    rq.comments = {};
    const int bare = pages(rq, 100);
    auto words = [](std::size_t bytes) {
        std::string s;
        for (int n = 0; s.size() < bytes; ++n) s += "ściana" + std::to_string(100 + n % 900) + ' ';
        return s;
    };
    rq.comments = {words(80000)};
    const int some = pages(rq, 100) - bare;
    rq.comments = {words(1 << 20)};
    const int most = pages(rq, 2000) - bare;
    ASSERT_GT(some, 5);
    EXPECT_GE(most, 13 * some - 13);
    EXPECT_LE(most, 13 * some + 13);
}

TEST_F(ReportLayout, EveryFigureIsWholeInItsFrameAtEverySizeTheSettingsAllow)
{
    // the margin the figures are recorded with: S(3) of 8 pt Arial at 96 dpi
    QPicture scratch;
    QPainter painter(&scratch);
    PainterCanvas canvas(painter);
    canvas.setFontDpi(SchemePictureDpi);
    canvas.font.name = "Arial";
    canvas.font.size = PlatformCode();
    const int margin = SizeUnit(canvas, SchemeFigureMargin);
    painter.end();
    ASSERT_GT(margin, 0);

    TDrawingColors colors{};
    SetMonochromeColors(colors);
    const double sizes[][2] = {{3, 3}, {3, 20}, {20, 3}, {5, 4}, {10, 8}, {15, 6}, {20, 20}};
    std::set<int> cases;
    for (int i = 0; i < session.count(); ++i) {
        TProjectElement e;
        TCalcResults r;
        ASSERT_TRUE(source.GetElementRecord(i, e));
        source.CalculateElement(i, r);
        int drawn = 0;
        for (const auto& size : sizes) {
            SCOPED_TRACE(e.Name.str() + " at " + std::to_string(size[0]) + " x " + std::to_string(size[1]) + " cm");
            TProjectHeader header = session.header();
            for (int k = 0; k < 10; k += 2) {
                header.FigureSize[k] = size[0];
                header.FigureSize[k + 1] = size[1];
            }
            const TSchemePicture pic = ReportFigurePicture(e.Input, r, header, colors);
            if (pic.isEmpty()) continue;
            ++drawn;
            const QRect inner = QRect(QPoint(0, 0), pic.pixelSize).adjusted(margin, margin, -margin, -margin);
            const QRect ink = pic.picture.boundingRect();
            EXPECT_TRUE(inner.contains(ink)) << "ink " << ink.left() << " " << ink.top() << " " << ink.right()
                                             << " " << ink.bottom() << " in " << pic.pixelSize.width() << " x "
                                             << pic.pixelSize.height();
            // a drawing that fits is not made smaller: it fills its frame one way
            EXPECT_GT(std::max(double(ink.width()) / inner.width(), double(ink.height()) / inner.height()), 0.5);
        }
        // an element that has a figure has it at every size
        if (drawn > 0) {
            EXPECT_EQ(drawn, int(std::size(sizes))) << e.Name.str();
            cases.insert(e.Input.Case);
        }
    }
    EXPECT_EQ(cases.size(), std::size_t(CalcCaseCount));
}

TEST(ReportWrap, EveryLineTakesACharacterAndNoCodeIsCut)
{
    // codes take no room, a "%" that is no code 4 pixels, any other character
    // 10; more than a few thousand measures would be a wrapping that runs on
    int measures = 0;
    auto width = [&measures](const std::string& s) {
        if (++measures > 5000) throw std::runtime_error("the wrapping does not end");
        int w = 0;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '%' && i + 1 < s.size() && std::strchr("NBDISUn", s[i + 1])) {
                ++i;
                continue;
            }
            if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;  // inside a character
            w += s[i] == '%' ? 4 : 10;
        }
        return w;
    };
    auto visible = [](const std::string& s) {
        std::string v;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '%' && i + 1 < s.size() && std::strchr("NBDISUn", s[i + 1]))
                ++i;
            else
                v += s[i];
        }
        return v;
    };
    struct Case {
        const char* text;
        int avail;
    } cases[] = {
        {"%B%DŁąka pod stropem%N i dalej", 6},  // a "%" fits, no letter does
        {"%BŚciana zewnętrzna nośna%N", 35},   // a word a line
        {"%B%U%D a b c d e f%N", 15},          // blanks at the starts of the lines
        {"N%D1R,d,xy%N = 12,5 kN", 0},         // no room: one line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in " + std::to_string(c.avail));
        measures = 0;
        std::vector<std::string> lines;
        ASSERT_NO_THROW(lines = WrapReportText(c.text, c.avail, width));
        std::string joined;
        for (const std::string& line : lines) {
            const std::string v = visible(line);
            EXPECT_FALSE(v.empty()) << line;
            EXPECT_TRUE(width(line) <= std::max(c.avail, 10) || c.avail < 1) << line;
            // every "%" starts a code: none was cut from its letter
            EXPECT_EQ(v.find('%'), std::string::npos) << line;
            joined += v;
        }
        EXPECT_EQ(joined, visible(c.text));
        if (c.avail < 1) {
            EXPECT_EQ(lines, std::vector<std::string>{c.text});
        }
    }
    // the codes in force go on on the next line
    const std::vector<std::string> bold = WrapReportText("%Baaaa bbbb%N", 50, width);
    ASSERT_EQ(bold.size(), 2u);
    EXPECT_EQ(bold[1].rfind("%B", 0), 0u) << bold[1];
}

namespace {

// The report's measure in small: a code of the measure takes no room, a
// "%" that is none 40 pixels (44 bold, 41 after a sub- or superscript code,
// whose run reaches to its glyphs' edge), a bold character 12, any other 10. It counts
// the bytes it is given and gives up past a budget, so that a wrapping that
// measures the rest of the text for every line fails at once.
struct BudgetWidth {
    std::size_t budget = 0;
    std::size_t bytes = 0, calls = 0;

    int operator()(const std::string& s)
    {
        bytes += s.size();
        ++calls;
        if (bytes > budget) throw std::runtime_error("the wrapping measures more than its budget");
        int w = 0;
        bool bold = false, shifted = false;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '%' && i + 1 < s.size() && std::strchr("BUSNDGI", s[i + 1])) {
                if (s[i + 1] == 'B') bold = true;
                if (std::strchr("DGI", s[i + 1])) shifted = true;
                if (s[i + 1] == 'N') bold = shifted = false;
                ++i;
            } else if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
                w += (s[i] == '%' ? 40 : 10) + (bold ? (s[i] == '%' ? 4 : 2) : 0) +
                     (shifted && !bold && s[i] == '%' ? 1 : 0);
            }
        }
        return w;
    }
};

// The widest of the prefixes of s that end between characters.
int WidestPrefix(const std::string& s)
{
    int widest = 0;
    for (std::size_t end = 1; end <= s.size(); ++end)
        if (end == s.size() || (static_cast<unsigned char>(s[end]) & 0xC0) != 0x80)
            widest = std::max(widest, BudgetWidth{s.size() * s.size()}(s.substr(0, end)));
    return widest;
}

std::vector<std::string> Wrap(const std::string& text, int avail, BudgetWidth& width)
{
    return WrapReportText(text, avail, [&width](const std::string& s) { return width(s); });
}

// A text of `bytes` bytes at least: `word` and a blank over and over.
std::string Repeated(const std::string& word, std::size_t bytes)
{
    std::string s;
    s.reserve(bytes + word.size());
    while (s.size() < bytes) s += word;
    return s;
}

} // namespace

// A comment line of a mebibyte, the most a file carries: the wrapping
// measures each line's own bytes a few times over, never the rest of the
// text, whether the line breaks at blanks, in long words or under codes.
TEST(ReportWrap, AMebibyteLineIsMeasuredInProportionToItsLength)
{
    constexpr std::size_t kMiB = 1 << 20;
    constexpr int kAvail = 600;  // 60 plain characters
    struct Case {
        const char* what;
        std::string text;
        std::string carried;  // what each line after the first starts with
    } cases[] = {
        {"words", Repeated("ściana12 ", kMiB), ""},
        {"one long word", Repeated("żelbetowy", kMiB), ""},
        {"bold words never set back", Repeated("%Bmur %Bnośny ", kMiB), "%B"},
        {"codes on every word", Repeated("%Bab%N cd%Ie%N ", kMiB), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BudgetWidth width{40 * c.text.size()};
        std::vector<std::string> lines;
        ASSERT_NO_THROW(lines = Wrap(c.text, kAvail, width));
        ASSERT_GT(lines.size(), c.text.size() / 200);
        EXPECT_LE(width.calls, 64 * lines.size());
        std::string joined;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            ASSERT_LE(BudgetWidth{line.size()}(line), kAvail) << i;
            std::string own = line;
            if (i > 0) {
                ASSERT_EQ(line.rfind(c.carried, 0), 0u) << i << ": " << line;
                own.erase(0, c.carried.size());
            }
            joined += own;
            if (i + 1 == lines.size()) continue;
            // the line is as full as it can be: the next one's first
            // character, or its first word, would not fit on it (some
            // prefix of it, a "%" before a code's letter measured as text)
            const std::string& next = lines[i + 1];
            const std::size_t from = c.carried.size();
            const std::size_t word = next.find(' ', from);
            const std::string more = c.text.find(' ') == std::string::npos
                                         ? next.substr(from, (static_cast<unsigned char>(next[from]) & 0x80) ? 2 : 1)
                                         : next.substr(from, word == std::string::npos ? word : word - from);
            EXPECT_GT(WidestPrefix(line + more), kAvail) << i << ": " << line << " | " << more;
        }
        EXPECT_EQ(joined, c.text);
    }

    // a mebibyte of codes and a word: one line, measured a few times over
    const std::string codes = Repeated("%B%U%N", kMiB) + "koniec";
    BudgetWidth width{4 * codes.size()};
    std::vector<std::string> lines;
    ASSERT_NO_THROW(lines = Wrap(codes, kAvail, width));
    EXPECT_EQ(lines, std::vector<std::string>{codes});
}

// A "%" that a code's letter follows is measured as text where a prefix
// ends after it: the line ends before it when it does not fit, as the
// prefixes are stepped through one by one, however far the codes reach.
TEST(ReportWrap, APrefixEndingInsideACodeEndsTheLineBeforeIt)
{
    struct Case {
        std::string text;
        int avail;
        std::vector<std::string> lines;
    } cases[] = {
        // "abc%" is 70 wide: the line is "abc"; then no character fits
        // after a "%", so each line takes one
        {"abc%B def", 35, {"abc", "%B ", "%Bd", "%Bef"}},
        // "ab%" 60 fits, "ab%B%" with its bold "%" 64 does not
        {"ab%B%Ncd efgh", 61, {"ab%B", "%B%Ncd ", "efgh"}},
        // a run of codes: only the fourth "%" is bold
        {"ab%U%I%B%Ncd efgh", 61, {"ab%U%I%B", "%U%I%B%Ncd ", "efgh"}},
        // the third "%" follows a subscript code and is wider than the second
        {"ab%U%D%Bcd efgh", 60, {"ab%U%D", "%U%D%Bcd ", "%U%D%Befgh"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        BudgetWidth width{1 << 16};
        EXPECT_EQ(Wrap(c.text, c.avail, width), c.lines);
    }
}

namespace {

// Words "<prefix>001" .. numbered, one blank between them, at least
// `chars` long.
QString NumberedWords(const char* prefix, int chars)
{
    QString s;
    for (int n = 1; s.size() < chars; ++n) {
        if (!s.isEmpty()) s += ' ';
        s += QString::asprintf("%s%03d", prefix, n);
    }
    return s;
}

} // namespace

TEST_F(ReportPdf, LongCommentsAndElementNamesWrapWithinTheMargins)
{
    // 265 characters and a 202-character bold name, each far wider than
    // the 165 mm between the margins
    const QString comment = NumberedWords("kom", 260);
    const QString name = NumberedWords("naz", 200);
    session.setComments({comment.toStdString()});
    TReportRequest rq = request();
    rq.header.PrintParts[4] = 0;  // the current element
    rq.header.PrintParts[6] = 1;  // with its name
    rq.element.Name.set(name.toStdString());
    const std::vector<PdfWord> words = PdfWords(render(rq));

    for (const QString& text : {comment, name}) {
        const QStringList expected = text.split(' ');
        std::vector<PdfWord> found;
        for (const QString& e : expected) {
            const std::vector<PdfWord> w = WordsOf(words, e);
            EXPECT_EQ(w.size(), 1u) << e.toStdString();
            if (!w.empty()) found.push_back(w[0]);
        }
        ASSERT_EQ(found.size(), std::size_t(expected.size()));
        // no character lost: the last word is whole
        EXPECT_EQ(found.back().text, expected.back());
        int lines = 1;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_GE(found[i].box.left(), Pt(25) - 0.5);
            EXPECT_LE(found[i].box.right(), Pt(210 - 20) + 0.5) << found[i].text.toStdString();
            if (i > 0 && found[i].box.top() > found[i - 1].box.top() + 1) {
                ++lines;
                EXPECT_NEAR(found[i].box.left(), Pt(25), Pt(1));  // a wrapped line starts at the left edge
            }
        }
        EXPECT_GE(lines, 2);
    }
}

TEST_F(ReportPdf, AValueAndItsUnitStayOnOneLine)
{
    // the basement wall's "b_e = 500,0 cm" reaches past the right margin
    int basement = -1;
    for (int i = 0; i < session.count() && basement < 0; ++i) {
        TProjectElement e;
        ASSERT_TRUE(session.GetElementRecord(i, e));
        if (e.Input.Case == ccBasementWall) basement = i;
    }
    ASSERT_GE(basement, 0);
    session.setCurrent(basement);
    session.storeEdit([](TProjectElement& e) { e.Input.be = 500; });
    TReportRequest rq = request();
    rq.header.PrintParts[4] = 0;  // the current element
    const QStringList lines = PdfLayoutText(render(rq)).split(QLatin1Char('\n'));
    static const QRegularExpression unit(QStringLiteral("^(MPa|kN|kNm|cm|m|mb)(?![A-Za-z])"));
    QString previous;
    for (const QString& line : lines) {
        const QString now = line.trimmed();
        if (now.isEmpty()) continue;
        EXPECT_FALSE(!previous.isEmpty() && previous.back().isDigit() && unit.match(now).hasMatch())
            << previous.toStdString() << " | " << now.toStdString();
        previous = now;
    }
    const auto at = std::find_if(lines.begin(), lines.end(), [](const QString& l) { return l.contains("500,0"); });
    ASSERT_NE(at, lines.end());
    EXPECT_TRUE(at->simplified().endsWith(QStringLiteral("500,0 cm"))) << at->toStdString();
}

TEST_F(ReportPdf, TheAssumptionsEndWithAQuarterLineLikeTheInputData)
{
    // The assumptions are four lines, the fourth empty, each of flag 0; the
    // results heading follows their closing quarter line: from the top of
    // "ZAŁOŻENIA:" one line to the sheet, four lines of it and a quarter,
    // 5.25 lines. A line is the step from "Sytuacja" to "Kategoria".
    const std::vector<PdfWord> words = PdfWords(render(request()));
    // the next word of that text after word i, in reading order
    auto next = [&](std::size_t i, const char* text) {
        while (i < words.size() && words[i].text != QString::fromUtf8(text)) ++i;
        return i;
    };
    int checked = 0;
    for (std::size_t head = next(0, "ZAŁOŻENIA:"); head < words.size(); head = next(head + 1, "ZAŁOŻENIA:")) {
        const std::size_t first = next(head, "Sytuacja");
        const std::size_t second = next(first, "Kategoria");
        const std::size_t results = next(second, "WYNIKI");
        ASSERT_LT(results, words.size());
        const int page = words[head].page;
        if (words[first].page != page || words[second].page != page || words[results].page != page) continue;
        const double line = words[second].box.top() - words[first].box.top();
        EXPECT_NEAR(words[results].box.top() - words[head].box.top(), 5.25 * line, 0.4) << checked;
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST_F(ReportPdf, FiguresAreWholeWithinTheirFrames)
{
    // a figure cut by its frame leaves ink on the frame's edge: every
    // uncropped figure (10 x 8 cm) keeps a band along its edges clear
    const QString pdf = render(request());
    constexpr int kDpi = 144;
    const double px = kDpi / 72.0;
    int checked = 0;
    for (const auto& [page, r] : PdfClipRects(pdf)) {
        if (std::abs(r.width() - Pt(100)) > 0.3 || std::abs(r.height() - Pt(80)) > 0.3) continue;
        const QImage image = PdfPageImage(pdf, page, kDpi);
        // the clip is in the page's own upward space
        const QRect box(QPoint(int(std::ceil(r.left() * px)), int(std::ceil((kPageHeight - r.bottom()) * px))),
                        QPoint(int(r.right() * px) - 1, int((kPageHeight - r.top()) * px) - 1));
        const int band = 3;  // px at 144 dpi: half a millimetre
        int edgeInk = 0, ink = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QRgb c = image.pixel(x, y);
                if (qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) > 230) continue;
                ++ink;
                if (y < box.top() + band || y > box.bottom() - band || x < box.left() + band || x > box.right() - band)
                    ++edgeInk;
            }
        EXPECT_GT(ink, 1000) << "page " << page;
        EXPECT_EQ(edgeInk, 0) << "page " << page;
        ++checked;
    }
    EXPECT_GE(checked, 4);
}

// Text of the canvas on a PDF page: where the same text stands under a
// moved painter, in the font's colour over the brush's cell, and the
// painter's pen and composition left as they were.
TEST_F(ReportPdf, CanvasTextOnAPdfPageStandsAsUnderAMovedPainter)
{
    const QString file = QString::fromStdString(dir.file("canvas.pdf"));
    {
        auto printer = PdfPrinter(file, 600);
        QPainter painter(printer.get());
        const QPen pen(Qt::green, 7, Qt::DashLine);
        painter.setPen(pen);
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        for (int page = 0; page < 2; ++page) {
            if (page == 1) printer->newPage();
            painter.save();
            // page 2 draws through a moved painter
            if (page == 1) painter.translate(300, -250);
            PainterCanvas canvas(painter);
            canvas.setFontDpi(600);
            canvas.font.size = 14;
            canvas.font.color = clRed;
            canvas.brush.style = TBrushStyle::Clear;
            canvas.textOut(page == 1 ? 900 : 1200, page == 1 ? 1250 : 1000, "Ściana nośna");
            canvas.brush.style = TBrushStyle::Solid;
            canvas.brush.color = 0x00FFFF;  // yellow
            canvas.font.color = clBlack;
            canvas.textOut(page == 1 ? 900 : 1200, page == 1 ? 1750 : 1500, "Żelbet");
            EXPECT_EQ(painter.pen(), pen) << page;
            EXPECT_EQ(painter.compositionMode(), QPainter::CompositionMode_Multiply) << page;
            painter.restore();
        }
    }
    const std::vector<PdfWord> words = PdfWords(file);
    for (const char* text : {"Ściana", "nośna", "Żelbet"}) {
        const std::vector<PdfWord> w = WordsOf(words, QString::fromUtf8(text));
        ASSERT_EQ(w.size(), 2u) << text;
        EXPECT_EQ(w[0].page, 1);
        EXPECT_EQ(w[1].page, 2);
        EXPECT_NEAR(w[0].box.left(), w[1].box.left(), 0.01) << text;
        EXPECT_NEAR(w[0].box.top(), w[1].box.top(), 0.01) << text;
        // 1200 px at 600 dpi is 144 pt from the printable origin
        EXPECT_GT(w[0].box.left(), 144) << text;
    }
    for (int page : {1, 2}) {
        const QImage image = PdfPageImage(file, page, 150);
        const std::vector<PdfWord> red = WordsOf(words, QString::fromUtf8("Ściana"));
        const QRectF box = red[std::size_t(page - 1)].box;
        // points to pixels at 150 dpi
        const QRect area((box.topLeft() * 150 / 72).toPoint(), (box.bottomRight() * 150 / 72).toPoint());
        EXPECT_GT(RedPixels(image, area), 20) << page;
        int yellow = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) yellow += image.pixel(x, y) == qRgb(255, 255, 0);
        EXPECT_GT(yellow, 100) << page;
    }
}

namespace {

// The first example's wall of case 3 (25 x 250 x 280 cm of solid brick under
// a beam of 95 kN), changed by a test, printed alone to a PDF with the input
// data part on.
class ReportPdfOfThreeLoads : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApp<QApplication>();
        previous_ = BindSettingsStore(&store_);
        for (const TExampleProject& p : BuildExampleProjects())
            for (const TProjectElement& e : p.Elements)
                if (e.Input.Case == ccConcentratedLoad && elements.empty()) elements.push_back(e);
        ASSERT_EQ(elements.size(), 1u);
        elements.front().Header.PrintParts[4] = 1;
    }
    void TearDown() override { BindSettingsStore(previous_); }

    // The PDF of the element as it stands.
    QString print()
    {
        const std::string file = dir.file("loads.clcm");
        EXPECT_TRUE(SaveProjectFile(file, elements, 1, 0, {}).ok());
        ProjectSession session;
        EXPECT_TRUE(session.open(file).ok());
        const QString pdf = QString::fromStdString(dir.file("loads.pdf"));
        auto printer = PdfPrinter(pdf);
        SessionElementSource source{session};
        TReportOptions options;
        options.libraryFolder = ORV_TOPLAGE_DIR;
        EXPECT_EQ(PrintReportToPdf(*printer, ReportRequestOf(session, "Obciążenia"), source, options),
                  TReportStatus::Built);
        return pdf;
    }

    TElementList elements;
    MessageRecorder messages;
    ScratchDir dir;

private:
    MemorySettingsStore store_;
    ISettingsStore* previous_ = nullptr;
};

} // namespace

// A wall of case 3 under three loads, printed alone: the input data of every
// load, each load's factor, bearing area and effective length with its
// condition, and every value of the figure once.
TEST_F(ReportPdfOfThreeLoads, EveryLoadReadsBackOnceWithItsFactorAndArea)
{
    if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
    // two more loads
    TCalcInput& in = elements[0].Input;
    in.LiczbaSilSkup = 3;
    in.Sily[1] = {600, 30, 22, 170, 20};  // bearings of 0,0625 and 0,066 m2
    in.Sily[2] = {45, 20, 12, 215, 0};
    TProjectHeader& h = elements.front().Header;
    for (int i = 0; i < 10; ++i) h.FigureSize[i] = i % 2 == 0 ? 12.0 : 9.0;
    h.PrintParts[5] = 0;
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, elements[0].Input, r), 0);
    const QString pdf = print();
    // at the default margins no value runs past the right one, where the header's rule ends
    for (const PdfWord& w : PdfWords(pdf)) EXPECT_LE(w.box.right(), Pt(210 - 20) + 0.5) << w.text.toStdString();
    const QString text = PdfLayoutText(pdf).simplified();
    auto has = [&](const std::string& s) { return text.contains(QString::fromStdString(s).simplified()); };
    for (const char* s : {"Obciążenie skupione nr 1 NSd = 95,00 kN", "Obciążenie skupione nr 2 NSd,2 = 600,00 kN",
                          "Obciążenie skupione nr 3 NSd,3 = 45,00 kN", "al,2 × at,2 = 30,0 cm × 22,0 cm",
                          "al,3 × at,3 = 20,0 cm × 12,0 cm", "Lewy brzeg obciążenia nr 2 od lewej krawędzi ściany 170,0 cm",
                          "Poziom obciążenia skupionego nr 2 poniżej wierzchu ściany 20,0 cm"})
        EXPECT_TRUE(has(s)) << s;
    // the results as the check gave them, load by load
    auto N2 = [](double v) { return FormatValue(2, v); };
    // areas to four decimals: 0,25 x 0,25 and 0,30 x 0,22 m
    EXPECT_TRUE(has("Ab = 0,0625 m2")) << text.toStdString();
    EXPECT_TRUE(has("Ab,2 = 0,0660 m2"));
    auto N4 = [](double v) { return FormatValue(4, v); };
    EXPECT_TRUE(has("β2 = " + FormatValue(3, r.beta2) + " Ab,2 = " + N4(r.A_b2) + " m2, leff,2 = " + N2(r.l_eff2) + " cm"))
        << text.toStdString();
    EXPECT_TRUE(has("β3 = " + FormatValue(3, r.beta3) + " Ab,3 = " + N4(r.A_b3) + " m2, leff,3 = " + N2(r.l_eff3) + " cm"));
    EXPECT_TRUE(has("NSd,2 = 600,00 kN > NRd,2 = β2·Ab,2·fd = " + N2(r.N_Rd2) + " kN"));
    EXPECT_TRUE(has("NSd,3 = 45,00 kN"));
    // the figure's values and positions, each once beside the report's own lines
    const QString raw = PdfLayoutText(pdf);
    EXPECT_EQ(raw.count("600,00"), 3) << raw.toStdString();  // input, condition, figure
    EXPECT_EQ(raw.count("170,0"), 2);  // the input line and the figure
    EXPECT_EQ(raw.count("215,0"), 2);
    EXPECT_EQ(raw.count("125,0"), 2);
    EXPECT_TRUE(messages.messages.empty());
}

// One load reads with the labels of its own, unnumbered and whole; with the
// widest depth the field takes, no word runs past the right margin.
TEST_F(ReportPdfOfThreeLoads, OneLoadKeepsItsFullLabelsWithinTheMargins)
{
    if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
    TCalcInput& in = elements[0].Input;
    in.LiczbaSilSkup = 1;
    in.Sily[0].hN = 199999.9;
    const QString pdf = print();
    for (const PdfWord& w : PdfWords(pdf)) EXPECT_LE(w.box.right(), Pt(210 - 20) + 0.5) << w.text.toStdString();
    const QString text = PdfLayoutText(pdf).simplified();
    for (const char* s : {"Odległość obciążenia od lewej krawędzi ściany 125,0 cm",
                          "Poziom obciążenia skupionego poniżej górnej powierzchni ściany 199999,9 cm"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s << "\n" << text.toStdString();
}
