#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <memory>

#include "core/SettingsStore.h"
#include "printing/PreviewPrintDlg.h"
#include "tests/common/QtTestApp.h"
#include "tests/core/support/TestSupport.h"
#include "tests/printing/support/PdfTools.h"

using namespace orv;
using namespace orvtest;

namespace {

// A4 at 600 dpi with strips of 100 pixels (4.23 mm) on every side.
const TPageGeometry kA4{600, 600, {4961, 7016}, {4961 - 200, 7016 - 200}, {100, 100}};

bool IsWhite(QRgb c) { return (c & 0xFFFFFF) == 0xFFFFFF; }

// The bounding box of the pixels that pass the test.
template <typename Test>
QRect BoxOf(const QImage& image, Test test, QRect area = QRect())
{
    area = area.isNull() ? image.rect() : area.intersected(image.rect());
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

class Preview : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApp<QApplication>();
        previous_ = BindSettingsStore(&store);
        ASSERT_TRUE(OpenEveryCaseProject(session, dir.file("every.clcm")));
    }
    void TearDown() override { BindSettingsStore(previous_); }

    void open(const TPageGeometry& g = kA4) { open(ReportRequestOf(session, "Dom"), g); }
    void open(const TReportRequest& rq, const TPageGeometry& g = kA4)
    {
        dlg = std::make_unique<TPreviewPrintDlg>();
        dlg->setJob(&source, rq);
        dlg->setLibraryFolder(ORV_TOPLAGE_DIR);
        dlg->setPageGeometry(g);
        dlg->resize(720, 1000);  // about the paper's proportions: it grows both ways when zoomed
        dlg->show();
        pb = dlg->findChild<QWidget*>("Printer1");
        sb = dlg->findChild<QScrollArea*>("ScrollBox1");
    }
    QToolButton* tool(const char* name) { return dlg->findChild<QToolButton*>(name); }
    // Opens the pop-up menu's states and chooses an item.
    QAction* item(const char* text)
    {
        dlg->PopupMenu1Popup();
        for (QAction* a : dlg->findChild<QMenu*>("PopupMenu1")->actions())
            if (a->text() == QString::fromUtf8(text)) return a;
        return nullptr;
    }
    // The enabled states of "Pierwsza", "Poprzednia", "Następna", "Ostatnia".
    std::string paging()
    {
        std::string s;
        for (const char* n : {"FirstButton1", "PreviousButton1", "NextButton1", "LastButton1"})
            s += tool(n)->isEnabled() ? '1' : '0';
        return s;
    }
    static QString caption(int page, int count)
    {
        return QString::fromUtf8("Podgląd wydruku - strona %1 z %2").arg(page).arg(count);
    }
    QRect paper() { return BoxOf(pb->grab().toImage(), IsWhite); }
    bool fitted() { return pb->size() == sb->viewport()->size(); }

    MemorySettingsStore store;
    ISettingsStore* previous_ = nullptr;
    MessageRecorder messages;
    ScratchDir dir;
    ProjectSession session;
    SessionElementSource source{session};
    std::unique_ptr<TPreviewPrintDlg> dlg;
    QWidget* pb = nullptr;
    QScrollArea* sb = nullptr;
};

} // namespace

TEST_F(Preview, PagingStopsAtEitherEnd)
{
    open();
    const int n = dlg->pageCount();
    ASSERT_GT(n, 2);
    EXPECT_EQ(dlg->windowTitle(), caption(1, n));
    EXPECT_EQ(paging(), "0011");
    dlg->PreviousButton1Click();
    EXPECT_EQ(dlg->currentPage(), 1);
    QTest::mouseClick(tool("NextButton1"), Qt::LeftButton);
    EXPECT_EQ(paging(), "1111");
    QTest::mouseClick(tool("LastButton1"), Qt::LeftButton);
    dlg->NextButton1Click();
    EXPECT_EQ(dlg->currentPage(), n);
    EXPECT_EQ(dlg->windowTitle(), caption(n, n));
    EXPECT_EQ(paging(), "1100");
    QTest::mouseClick(tool("FirstButton1"), Qt::LeftButton);
    EXPECT_EQ(dlg->currentPage(), 1);
    // minimised and restored: the page stays (the window system's hide and
    // show are handled after each change)
    dlg->NextButton1Click();
    dlg->setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    dlg->setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_EQ(dlg->currentPage(), 2);

    // the current element's results alone: one page
    TReportRequest rq = ReportRequestOf(session, "Dom");
    for (int i : {0, 2, 3, 4}) rq.header.PrintParts[i] = 0;
    rq.header.CommentPlace = 0;
    open(rq);
    ASSERT_EQ(dlg->pageCount(), 1);
    EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8("Podgląd wydruku - strona 1 z 1"));
    EXPECT_EQ(paging(), "0000");
}

TEST_F(Preview, ThePageLiesInTheMarginFrame)
{
    open();  // margins 25, 20, 10, 25 mm (left, right, top, bottom)
    const QImage image = pb->grab().toImage();
    const QRect p = BoxOf(image, IsWhite);
    ASSERT_GT(p.width(), 200);
    EXPECT_NEAR(double(p.height()) / p.width(), 297.0 / 210.0, 0.01);
    const double s = p.width() / 210.0;  // pixels a millimetre
    const QRectF frame(p.left() + 25 * s, p.top() + 10 * s, (210 - 45) * s, (297 - 35) * s);
    // whatever the page draws: neither the paper nor the dotted frame
    const QRect ink = BoxOf(
        image, [](QRgb c) { return !IsWhite(c) && (c & 0xFFFFFF) != 0x808080; }, p.adjusted(2, 2, -2, -2));
    // The report fills the printable rectangle from edge to edge (the page
    // header's frame); drawn from the paper's corner instead of the strips'
    // it would sit 4.23 mm (over 10 pixels here) up and to the left.
    EXPECT_NEAR(ink.left(), frame.left(), 2.0);
    EXPECT_NEAR(ink.right(), frame.right(), 2.0);
    EXPECT_GE(ink.top(), frame.top() - 1);
    EXPECT_LE(ink.top(), frame.top() + 2 * s);
    EXPECT_LE(ink.bottom(), frame.bottom() + 2);

    // no printer: one colour throughout, no paper, shadow or page
    open(TPageGeometry());
    EXPECT_EQ(dlg->pageCount(), 0);
    const QImage none = pb->grab().toImage();
    EXPECT_TRUE(BoxOf(none, [&](QRgb c) { return c != none.pixel(0, 0); }).isNull());
}

TEST_F(Preview, ZoomingCentresOnThePointAndFitsAgain)
{
    open();
    const QRect p0 = paper();
    EXPECT_TRUE(fitted());
    EXPECT_FALSE(item("Dopasuj do okna")->isEnabled());
    EXPECT_FALSE(item("Pomniejsz")->isEnabled());

    // "Powiększ", then a click a little left of and above the paper's middle
    item("Powiększ")->trigger();
    EXPECT_EQ(pb->cursor().shape(), Qt::BitmapCursor);
    const QPoint at(p0.left() + p0.width() * 45 / 100, p0.top() + p0.height() * 40 / 100);
    QTest::mouseClick(pb, Qt::LeftButton, {}, at);
    EXPECT_EQ(pb->cursor().shape(), Qt::ArrowCursor);
    const QRect p1 = paper();
    // the box 0.9 x 1.5 = 1.35 times the paper, the paper a little less
    EXPECT_GT(double(p1.width()) / p0.width(), 1.25);
    EXPECT_LE(double(p1.width()) / p0.width(), 1.35);
    // the clicked point of the paper in the middle of the view
    const double rx = double(at.x() - p0.left()) / p0.width();
    const double ry = double(at.y() - p0.top()) / p0.height();
    const QSize view = sb->viewport()->size();
    EXPECT_NEAR(sb->horizontalScrollBar()->value() + view.width() / 2, p1.left() + rx * p1.width(), 3);
    EXPECT_NEAR(sb->verticalScrollBar()->value() + view.height() / 2, p1.top() + ry * p1.height(), 3);
    EXPECT_TRUE(item("Dopasuj do okna")->isEnabled());

    // "Pomniejsz": 0.9 x 0.66 <= 1, fitted again
    item("Pomniejsz")->trigger();
    QTest::mouseClick(pb, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(fitted());
    EXPECT_EQ(paper(), p0);
    EXPECT_FALSE(item("Dopasuj do okna")->isEnabled());

    // "Dopasuj do okna" and paging fit the page again
    for (auto fit : {+[](TPreviewPrintDlg& d) { d.Dopasujdookna1Click(); },
                     +[](TPreviewPrintDlg& d) { d.NextButton1Click(); }}) {
        item("Powiększ")->trigger();
        QTest::mouseClick(pb, Qt::LeftButton, {}, at);
        ASSERT_FALSE(fitted());
        fit(*dlg);
        EXPECT_TRUE(fitted());
    }

    // a zoom rectangle with no height only ends the drag
    item("Powiększ wybrany obszar")->trigger();
    QTest::mouseClick(pb, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(fitted());
    EXPECT_EQ(pb->cursor().shape(), Qt::ArrowCursor);

    // a rectangle of 200 x 100: the rubber band while dragging, then the
    // factor min(box height / 100, box width / 200) about its centre
    item("Powiększ wybrany obszar")->trigger();
    const QPoint a(p0.left() + 40, p0.top() + 60), b(a.x() + 200, a.y() + 100);
    const QSize box0 = pb->size();
    QTest::mousePress(pb, Qt::LeftButton, {}, a);
    QMouseEvent move(QEvent::MouseMove, QPointF(b), pb->mapToGlobal(QPointF(b)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(pb, &move);
    auto lime = [](QRgb c) { return qRed(c) < 0x40 && qGreen(c) > 0xC0 && qBlue(c) < 0x40; };
    EXPECT_EQ(BoxOf(pb->grab().toImage(), lime), QRect(a, b));
    QTest::mouseRelease(pb, Qt::LeftButton, {}, b);
    const QImage zoomed = pb->grab().toImage();
    EXPECT_TRUE(BoxOf(zoomed, lime).isNull());
    const double f = 0.9 * std::min(box0.height() / 100.0, box0.width() / 200.0);
    EXPECT_NEAR(pb->width(), p0.width() * f, f * 2 + 1);
    const QRect p2 = BoxOf(zoomed, IsWhite);
    const double cx = double((a.x() + b.x()) / 2 - p0.left()) / p0.width();
    EXPECT_NEAR(sb->horizontalScrollBar()->value() + view.width() / 2, p2.left() + cx * p2.width(),
                0.01 * p2.width());
}

TEST_F(Preview, WheelScrollsOverTheScrollBoxOnly)
{
    open();
    item("Powiększ")->trigger();
    QTest::mouseClick(pb, Qt::LeftButton, {}, paper().center());
    QScrollBar* h = sb->horizontalScrollBar();
    QScrollBar* v = sb->verticalScrollBar();
    ASSERT_GT(h->maximum(), 0);
    ASSERT_GT(v->maximum(), 0);
    auto wheel = [&](QWidget* target, int delta, Qt::KeyboardModifiers mods) {
        const QPointF at(5, 5);
        QWheelEvent e(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &e);
    };
    const int lines = QApplication::wheelScrollLines();
    const int h0 = h->value(), v0 = v->value();

    wheel(pb, -120, Qt::NoModifier);  // down
    EXPECT_EQ(v->value(), std::min(v->maximum(), v0 + lines * v->singleStep()));
    EXPECT_EQ(h->value(), h0);
    wheel(pb, 120, Qt::NoModifier);
    EXPECT_EQ(v->value(), v0);
    wheel(pb, -120, Qt::ShiftModifier);  // sideways
    EXPECT_EQ(h->value(), std::min(h->maximum(), h0 + lines * h->singleStep()));
    EXPECT_EQ(v->value(), v0);
    wheel(sb->viewport(), 120, Qt::ShiftModifier);
    EXPECT_EQ(h->value(), h0);

    // over the tool bar nothing scrolls
    wheel(tool("NextButton1"), -120, Qt::NoModifier);
    wheel(tool("NextButton1")->parentWidget(), -120, Qt::ShiftModifier);
    EXPECT_EQ(h->value(), h0);
    EXPECT_EQ(v->value(), v0);
}

TEST_F(Preview, SettingsRebuildThePages)
{
    open();
    const int n0 = dlg->pageCount();
    ASSERT_GT(n0, 2);
    dlg->LastButton1Click();
    std::vector<std::pair<int, int>> places;
    bool confirm = true;
    int margin = 800;  // tenths of a millimetre
    dlg->setSettingsDialog([&](QObject*, TPoint& place) {
        places.push_back({place.X, place.Y});
        place = {120, 40};
        for (const char* side : {"MarginTop", "MarginBottom"})
            store.writeInteger(SettingsKey::Maker, PrintingSection, side, margin);
        return confirm;
    });
    // 80 mm at the top and the bottom: more pages, the same one shown
    QTest::mouseClick(tool("ToolButton6"), Qt::LeftButton);
    const int n1 = dlg->pageCount();
    EXPECT_GT(n1, n0);
    EXPECT_EQ(dlg->windowTitle(), caption(n0, n1));
    EXPECT_EQ(paging(), "1111");
    // cancelled: nothing laid out anew
    confirm = false;
    margin = 50;
    QTest::mouseClick(tool("ToolButton6"), Qt::LeftButton);
    EXPECT_EQ(dlg->pageCount(), n1);
    // 5 mm: fewer pages than the one shown, the last one shown instead
    confirm = true;
    QTest::mouseClick(tool("ToolButton6"), Qt::LeftButton);
    const int n2 = dlg->pageCount();
    EXPECT_LT(n2, n0);
    EXPECT_EQ(dlg->windowTitle(), caption(n2, n2));
    // the settings dialog's place is kept from one opening to the next
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0], std::make_pair(-1, -1));
    EXPECT_EQ(places[2], std::make_pair(120, 40));
}

TEST_F(Preview, DrukujAsksForThePrintout)
{
    open();
    EXPECT_FALSE(dlg->printRequested());
    QTest::mouseClick(tool("ToolButton5"), Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(dlg->printRequested());
    EXPECT_EQ(dlg->pageCount(), 0);  // the pages are let go
    // shown again: laid out anew, no printout asked for
    dlg->show();
    EXPECT_FALSE(dlg->printRequested());
    EXPECT_GT(dlg->pageCount(), 0);
    QTest::mouseClick(dlg->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->printRequested());
    EXPECT_EQ(dlg->pageCount(), 0);
}

namespace {

// Mean difference of grey (0..255) between an area of the shot and a
// reference image, at the best of the offsets up to a pixel either way.
double GreyDistance(const QImage& shot, QPoint corner, const QImage& reference)
{
    double best = 1e9;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            double sum = 0;
            for (int y = 0; y < reference.height(); ++y)
                for (int x = 0; x < reference.width(); ++x)
                    sum += std::abs(qGray(shot.pixel(corner.x() + dx + x, corner.y() + dy + y)) -
                                    qGray(reference.pixel(x, y)));
            best = std::min(best, sum / (reference.width() * reference.height()));
        }
    return best;
}

} // namespace

// Small text drawn straight through a scale loses strokes and spacing
// ("Wylrzymałość"); the page is drawn at a multiple of the screen's pixels
// and scaled down smoothly, so it reads as the page drawn at eight times the
// resolution does, at fit-to-window and zoomed.
TEST_F(Preview, SmallTextReadsAsAFinelyDrawnPage)
{
    open();
    for (int zoom = 0; zoom < 2; ++zoom) {
        if (zoom) dlg->SetZoom(paper().center(), 1.5);
        const QImage shot = pb->grab().toImage();
        const QRect page = dlg->shownPageRect();
        ASSERT_GT(page.width(), 300);
        // the top of the page: the header and the first lines of text
        const QSize area(page.width() - 6, std::min(page.height() / 3, 400));
        QImage fine(page.size() * 8, QImage::Format_RGB32);
        fine.fill(Qt::white);
        {
            QPainter p(&fine);
            p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
            p.scale(double(fine.width()) / dlg->pages().pageSize.X, double(fine.height()) / dlg->pages().pageSize.Y);
            DrawReportPage(p, dlg->pages().pages.at(0));
        }
        const QImage reference =
            fine.scaled(page.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation).copy(QRect(QPoint(3, 3), area));
        // drawn straight through the scale the page is 7 to 10 apart, here under 3
        EXPECT_LT(GreyDistance(shot, page.topLeft() + QPoint(3, 3), reference), 4.0) << "zoom step " << zoom;
    }
}
