#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMenu>
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
bool IsLime(QRgb c) { return qRed(c) < 0x40 && qGreen(c) > 0xC0 && qBlue(c) < 0x40; }

// The bounding box of the pixels that pass the test.
template <typename Test>
QRect BoxOf(const QImage& image, Test test, QRect area = QRect())
{
    if (area.isNull()) area = image.rect();
    area = area.intersected(image.rect());
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

    std::unique_ptr<TPreviewPrintDlg> open(const TReportRequest& rq, const TPageGeometry& g = kA4)
    {
        auto dlg = std::make_unique<TPreviewPrintDlg>();
        dlg->setJob(&source, rq);
        dlg->setLibraryFolder(ORV_TOPLAGE_DIR);
        dlg->setPageGeometry(g);
        dlg->resize(720, 1000);
        dlg->show();
        return dlg;
    }
    void setMargin(const char* name, double mm)
    {
        store.writeInteger(SettingsKey::Maker, PrintingSection, name, int(mm * 10));
    }
    static QToolButton* tool(QWidget& dlg, const char* name) { return dlg.findChild<QToolButton*>(name); }
    static QWidget* box(QWidget& dlg) { return dlg.findChild<QWidget*>("Printer1"); }
    static QScrollArea* scroll(QWidget& dlg) { return dlg.findChild<QScrollArea*>("ScrollBox1"); }
    static QAction* menuItem(QWidget& dlg, const char* text)
    {
        for (QAction* a : dlg.findChild<QMenu*>("PopupMenu1")->actions())
            if (a->text() == QString::fromUtf8(text)) return a;
        return nullptr;
    }
    // The enabled states of "Pierwsza", "Poprzednia", "Następna", "Ostatnia".
    static std::string buttons(QWidget& dlg)
    {
        std::string s;
        for (const char* n : {"FirstButton1", "PreviousButton1", "NextButton1", "LastButton1"})
            s += tool(dlg, n)->isEnabled() ? '1' : '0';
        return s;
    }
    static QString caption(int page, int count)
    {
        return QString::fromUtf8("Podgląd wydruku - strona %1 z %2").arg(page).arg(count);
    }

    MemorySettingsStore store;
    ISettingsStore* previous_ = nullptr;
    MessageRecorder messages;
    ScratchDir dir;
    ProjectSession session;
    SessionElementSource source{session};
};

} // namespace

TEST_F(Preview, PagingStopsAtEitherEnd)
{
    auto dlg = open(ReportRequestOf(session, "Dom"));
    const int n = dlg->pageCount();
    ASSERT_GT(n, 2);
    EXPECT_EQ(dlg->windowTitle(), caption(1, n));
    EXPECT_EQ(buttons(*dlg), "0011");

    QTest::mouseClick(tool(*dlg, "PreviousButton1"), Qt::LeftButton);  // disabled: nothing
    dlg->PreviousButton1Click();
    EXPECT_EQ(dlg->currentPage(), 1);

    QTest::mouseClick(tool(*dlg, "NextButton1"), Qt::LeftButton);
    EXPECT_EQ(dlg->currentPage(), 2);
    EXPECT_EQ(buttons(*dlg), "1111");
    QTest::mouseClick(tool(*dlg, "LastButton1"), Qt::LeftButton);
    EXPECT_EQ(dlg->currentPage(), n);
    EXPECT_EQ(buttons(*dlg), "1100");
    dlg->NextButton1Click();
    EXPECT_EQ(dlg->currentPage(), n);
    EXPECT_EQ(dlg->windowTitle(), caption(n, n));
    QTest::mouseClick(tool(*dlg, "FirstButton1"), Qt::LeftButton);
    EXPECT_EQ(dlg->currentPage(), 1);
    EXPECT_EQ(buttons(*dlg), "0011");
}

TEST_F(Preview, OnePageReportDisablesPaging)
{
    TReportRequest rq = ReportRequestOf(session, "Dom");
    // the current element's results alone
    for (int i : {0, 2, 3, 4}) rq.header.PrintParts[i] = 0;
    rq.header.CommentPlace = 0;
    auto dlg = open(rq);
    ASSERT_EQ(dlg->pageCount(), 1);
    EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8("Podgląd wydruku - strona 1 z 1"));
    EXPECT_EQ(buttons(*dlg), "0000");
}

TEST_F(Preview, ThePageLiesInTheMarginFrame)
{
    // margins 25, 20, 10, 25 mm (left, right, top, bottom)
    auto dlg = open(ReportRequestOf(session, "Dom"));
    ASSERT_GT(dlg->pageCount(), 0);
    const QImage image = box(*dlg)->grab().toImage();
    const QRect paper = BoxOf(image, IsWhite);
    ASSERT_GT(paper.width(), 200);
    // A4 keeps its proportions: 297 / 210
    EXPECT_NEAR(double(paper.height()) / paper.width(), 297.0 / 210.0, 0.01);
    const double s = paper.width() / 210.0;  // pixels a millimetre
    const QRectF frame(paper.left() + 25 * s, paper.top() + 10 * s, (210 - 45) * s, (297 - 35) * s);
    // whatever the page draws: not the paper, not the dotted frame
    auto mark = [](QRgb c) { return !IsWhite(c) && (c & 0xFFFFFF) != 0x808080; };
    const QRect ink = BoxOf(image, mark, paper.adjusted(2, 2, -2, -2));
    ASSERT_FALSE(ink.isNull());
    // The report fills the printable rectangle from edge to edge (the page
    // header's frame); drawn from the paper's corner instead of the strips'
    // it would sit 4.23 mm (over 10 pixels here) up and to the left.
    EXPECT_NEAR(ink.left(), frame.left(), 2.0);
    EXPECT_NEAR(ink.right(), frame.right(), 2.0);
    EXPECT_GE(ink.top(), frame.top() - 1);
    EXPECT_LE(ink.top(), frame.top() + 2 * s);
    EXPECT_LE(ink.bottom(), frame.bottom() + 2);
}

TEST_F(Preview, NoPaperSizeDrawsNothing)
{
    auto dlg = open(ReportRequestOf(session, "Dom"), TPageGeometry());
    EXPECT_EQ(dlg->pageCount(), 0);
    const QImage image = box(*dlg)->grab().toImage();
    // one colour throughout: no paper, no shadow, no page
    EXPECT_TRUE(BoxOf(image, [&](QRgb c) { return c != image.pixel(0, 0); }).isNull());
    EXPECT_FALSE(IsWhite(image.pixel(0, 0)));
}

TEST_F(Preview, ZoomingCentresOnThePointAndFitsAgain)
{
    auto dlg = open(ReportRequestOf(session, "Dom"));
    QWidget* pb = box(*dlg);
    QScrollArea* sb = scroll(*dlg);
    const QRect paper0 = BoxOf(pb->grab().toImage(), IsWhite);
    ASSERT_GT(paper0.width(), 200);
    EXPECT_EQ(pb->size(), sb->viewport()->size());
    dlg->PopupMenu1Popup();
    EXPECT_FALSE(menuItem(*dlg, "Dopasuj do okna")->isEnabled());
    EXPECT_FALSE(menuItem(*dlg, "Pomniejsz")->isEnabled());

    // "Powiększ", then a click a little left of and above the paper's middle
    menuItem(*dlg, "Powiększ")->trigger();
    EXPECT_EQ(pb->cursor().shape(), Qt::BitmapCursor);
    const QPoint at(paper0.left() + paper0.width() * 45 / 100, paper0.top() + paper0.height() * 40 / 100);
    QTest::mouseClick(pb, Qt::LeftButton, {}, at);
    EXPECT_EQ(pb->cursor().shape(), Qt::ArrowCursor);
    const QRect paper1 = BoxOf(pb->grab().toImage(), IsWhite);
    // 0.9 x 1.5 = 1.35 times the paper for the box, a little less for the paper
    EXPECT_GT(double(paper1.width()) / paper0.width(), 1.25);
    EXPECT_LE(double(paper1.width()) / paper0.width(), 1.35);
    // the clicked point of the paper in the middle of the view
    const QSize view = sb->viewport()->size();
    const double rx = double(at.x() - paper0.left()) / paper0.width();
    const double ry = double(at.y() - paper0.top()) / paper0.height();
    EXPECT_NEAR(sb->horizontalScrollBar()->value() + view.width() / 2, paper1.left() + rx * paper1.width(), 3);
    EXPECT_NEAR(sb->verticalScrollBar()->value() + view.height() / 2, paper1.top() + ry * paper1.height(), 3);
    dlg->PopupMenu1Popup();
    EXPECT_TRUE(menuItem(*dlg, "Dopasuj do okna")->isEnabled());
    EXPECT_TRUE(menuItem(*dlg, "Pomniejsz")->isEnabled());

    // "Pomniejsz": 0.9 x 0.66 <= 1, fitted again
    menuItem(*dlg, "Pomniejsz")->trigger();
    QTest::mouseClick(pb, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(pb->size(), sb->viewport()->size());
    EXPECT_EQ(BoxOf(pb->grab().toImage(), IsWhite), paper0);
    dlg->PopupMenu1Popup();
    EXPECT_FALSE(menuItem(*dlg, "Dopasuj do okna")->isEnabled());

    // zoomed in, "Dopasuj do okna" and paging both fit the page again
    menuItem(*dlg, "Powiększ")->trigger();
    QTest::mouseClick(pb, Qt::LeftButton, {}, at);
    ASSERT_GT(pb->width(), sb->viewport()->width());
    dlg->PopupMenu1Popup();
    menuItem(*dlg, "Dopasuj do okna")->trigger();
    EXPECT_EQ(pb->size(), sb->viewport()->size());
    menuItem(*dlg, "Powiększ")->trigger();
    QTest::mouseClick(pb, Qt::LeftButton, {}, at);
    ASSERT_GT(pb->width(), sb->viewport()->width());
    dlg->NextButton1Click();
    EXPECT_EQ(pb->size(), sb->viewport()->size());
}

TEST_F(Preview, ZoomRectangleFillsTheView)
{
    auto dlg = open(ReportRequestOf(session, "Dom"));
    QWidget* pb = box(*dlg);
    QScrollArea* sb = scroll(*dlg);
    const QRect paper0 = BoxOf(pb->grab().toImage(), IsWhite);
    const QSize box0 = pb->size();

    // a rectangle with no height: the drag ends, nothing zooms
    menuItem(*dlg, "Powiększ wybrany obszar")->trigger();
    QTest::mouseClick(pb, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(pb->size(), box0);
    EXPECT_EQ(pb->cursor().shape(), Qt::ArrowCursor);

    menuItem(*dlg, "Powiększ wybrany obszar")->trigger();
    const QPoint a(paper0.left() + 40, paper0.top() + 60);
    const QPoint b(a.x() + 200, a.y() + 100);
    QTest::mousePress(pb, Qt::LeftButton, {}, a);
    QMouseEvent move(QEvent::MouseMove, QPointF(b), pb->mapToGlobal(QPointF(b)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(pb, &move);
    // the rubber band is on screen while dragging, gone after
    const QRect band = BoxOf(pb->grab().toImage(), IsLime);
    EXPECT_EQ(band, QRect(a, b));
    QTest::mouseRelease(pb, Qt::LeftButton, {}, b);
    const QImage zoomed = pb->grab().toImage();
    EXPECT_TRUE(BoxOf(zoomed, IsLime).isNull());

    // factor min(box height / 100, box width / 200); the box grows to 0.9 x
    // factor times the paper
    const double f = 0.9 * std::min(box0.height() / 100.0, box0.width() / 200.0);
    EXPECT_NEAR(pb->width(), paper0.width() * f, f * 2 + 1);
    // the rectangle's centre in the middle of the view
    const QRect paper1 = BoxOf(zoomed, IsWhite);
    const double rx = double((a.x() + b.x()) / 2 - paper0.left()) / paper0.width();
    EXPECT_NEAR(sb->horizontalScrollBar()->value() + sb->viewport()->width() / 2,
                paper1.left() + rx * paper1.width(), 0.01 * paper1.width());
}

TEST_F(Preview, WheelScrollsOverTheScrollBoxOnly)
{
    auto dlg = open(ReportRequestOf(session, "Dom"));
    QWidget* pb = box(*dlg);
    QScrollArea* sb = scroll(*dlg);
    const QRect paper = BoxOf(pb->grab().toImage(), IsWhite);
    menuItem(*dlg, "Powiększ")->trigger();
    QTest::mouseClick(pb, Qt::LeftButton, {}, paper.center());
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
    const int h0 = h->value();
    const int v0 = v->value();

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
    wheel(tool(*dlg, "NextButton1"), -120, Qt::NoModifier);
    wheel(tool(*dlg, "NextButton1")->parentWidget(), -120, Qt::ShiftModifier);
    EXPECT_EQ(h->value(), h0);
    EXPECT_EQ(v->value(), v0);
}

TEST_F(Preview, SettingsRebuildThePages)
{
    auto dlg = open(ReportRequestOf(session, "Dom"));
    const int n0 = dlg->pageCount();
    ASSERT_GT(n0, 2);
    dlg->LastButton1Click();

    std::vector<std::pair<int, int>> places;
    bool confirm = true;
    double margin = 80;
    dlg->setSettingsDialog([&](QObject*, TPoint& place) {
        places.push_back({place.X, place.Y});
        place = {120, 40};
        setMargin("MarginTop", margin);
        setMargin("MarginBottom", margin);
        return confirm;
    });
    // 80 mm at the top and the bottom: more pages, the same one shown
    QTest::mouseClick(tool(*dlg, "ToolButton6"), Qt::LeftButton);
    const int n1 = dlg->pageCount();
    EXPECT_GT(n1, n0);
    EXPECT_EQ(dlg->windowTitle(), caption(n0, n1));
    EXPECT_EQ(buttons(*dlg), "1111");

    // cancelled: the stored change waits for the next layout
    confirm = false;
    margin = 5;
    QTest::mouseClick(tool(*dlg, "ToolButton6"), Qt::LeftButton);
    EXPECT_EQ(dlg->pageCount(), n1);

    // 5 mm: fewer pages than the one shown, the last one shown instead
    confirm = true;
    QTest::mouseClick(tool(*dlg, "ToolButton6"), Qt::LeftButton);
    const int n2 = dlg->pageCount();
    EXPECT_LT(n2, n0);
    EXPECT_EQ(dlg->currentPage(), n2);
    EXPECT_EQ(dlg->windowTitle(), caption(n2, n2));
    // the dialog's place is kept between showings
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0], std::make_pair(-1, -1));
    EXPECT_EQ(places[2], std::make_pair(120, 40));
}

TEST_F(Preview, DrukujAsksForThePrintout)
{
    auto dlg = open(ReportRequestOf(session, "Dom"));
    EXPECT_FALSE(dlg->printRequested());
    QTest::mouseClick(tool(*dlg, "ToolButton5"), Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(dlg->printRequested());
    EXPECT_EQ(dlg->pageCount(), 0);  // the pages are let go

    // shown again: laid out anew, no printout asked for until "Drukuj"
    dlg->show();
    EXPECT_FALSE(dlg->printRequested());
    EXPECT_GT(dlg->pageCount(), 0);
    QTest::mouseClick(dlg->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->printRequested());
    EXPECT_EQ(dlg->pageCount(), 0);
}
