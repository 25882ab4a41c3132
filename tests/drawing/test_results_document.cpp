#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QRegularExpression>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "drawing/ResultsDocument.h"
#include "tests/common/QtTestApp.h"
#include "tests/core/support/CalcSupport.h"

using namespace orv;

namespace {

// Lines as the results panel has them: a heading, a red line one step in
// with a value column, a navy one two steps in, and a line of one column.
TReportSheet Sheet(const std::string& value = "= 250,00 kN")
{
    TReportSheet sheet;
    ClearReportLines(1, 2, 3, sheet);
    sheet.Line(1).setText("Nośność");
    sheet.Line(2).setText("N%DSd%N@@" + value);
    sheet.Line(2).X1 = 2;
    sheet.Line(2).Color = clRed;
    sheet.Line(3).setText("N%DRd%N@@= 93,78 kN");
    sheet.Line(3).X1 = 3;
    sheet.Line(3).Color = clNavy;
    sheet.Line(4).setText("%SF%N%D1%N = 0,677  A = 0,25 m%I2%N");
    sheet.Count = 4;
    return sheet;
}

// The application first: a document takes its default font when made.
struct App {
    App() { orvtest::EnsureApp(); }
};

struct Doc : App {
    QTextDocument doc;
    Doc(int width = 600)
    {
        doc.setTextWidth(width);
        doc.setDocumentMargin(4);
    }
    void fill(const TReportSheet& sheet) { FillResultsDocument(doc, sheet, 1, sheet.Count, 2, 3, true); }
    QTextTable* table()
    {
        const QList<QTextFrame*> frames = doc.rootFrame()->childFrames();
        return frames.size() == 1 ? qobject_cast<QTextTable*>(frames.front()) : nullptr;
    }
    // a cell's block, laid out: the layout lays the document out when asked for its size
    QTextBlock cell(int row, int column)
    {
        doc.size();
        return table()->cellAt(row, column).firstCursorPosition().block();
    }
    // where the cell's text is drawn, in the document
    QRectF textRect(int row, int column)
    {
        const QTextBlock b = cell(row, column);
        const QTextLine line = b.layout()->lineAt(0);
        const QPointF at = doc.documentLayout()->blockBoundingRect(b).topLeft() + line.position();
        return QRectF(at, QSizeF(line.naturalTextWidth(), line.height()));
    }
    qreal em() { return QFontMetrics(QFont()).height(); }
};

QTextCharFormat FormatAt(const QTextBlock& b, const QString& text)
{
    const int i = b.text().indexOf(text);
    EXPECT_GE(i, 0) << text.toStdString();
    QTextCursor c(b);
    c.setPosition(b.position() + i + 1);
    return c.charFormat();
}

} // namespace

TEST(ResultsDocument, CellsStandInTwoColumnsWithTheirIndentsAndColours)
{
    Doc d;
    d.fill(Sheet());
    // The toolkit's own layout lays the text out, in a table of a row a line.
    QTextDocument plainDocument;
    EXPECT_EQ(d.doc.documentLayout()->metaObject(), plainDocument.documentLayout()->metaObject());
    QTextTable* table = d.table();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows(), 4);
    ASSERT_EQ(table->columns(), 2);
    EXPECT_EQ(d.cell(0, 0).text(), QString::fromUtf8("Nośność"));
    EXPECT_EQ(d.cell(0, 1).text(), "");
    EXPECT_EQ(d.cell(1, 0).text(), "NSd");
    EXPECT_EQ(d.cell(1, 1).text(), "= 250,00 kN");
    EXPECT_EQ(d.cell(2, 1).text(), "= 93,78 kN");
    EXPECT_EQ(d.cell(3, 0).text(), QChar(0x03A6) + QStringLiteral("1 = 0,677  A = 0,25 m2"));
    // A copy gives the cells line by line.
    const QString text = d.doc.toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("NSd\n= 250,00 kN\nNRd\n= 93,78 kN"))) << text.toStdString();

    // The first column steps in two em a step; the second stands an em past
    // the widest first one, on every row alike.
    const qreal em = d.em(), margin = 4;
    EXPECT_NEAR(d.textRect(0, 0).x(), margin, 0.5);
    EXPECT_NEAR(d.textRect(1, 0).x(), margin + 2 * em, 0.5);
    EXPECT_NEAR(d.textRect(2, 0).x(), margin + 4 * em, 0.5);
    qreal widest = 0;
    for (int r = 0; r < 3; ++r) widest = std::max(widest, d.textRect(r, 0).right());
    const qreal column = d.textRect(1, 1).x();
    EXPECT_GE(column, widest + em - 0.5);
    EXPECT_EQ(d.textRect(2, 1).x(), column);
    // Rows stand one under the other from the top; both cells of a row share its top.
    EXPECT_NEAR(d.textRect(0, 0).y(), margin, 0.5);
    EXPECT_EQ(d.textRect(1, 0).y(), d.textRect(1, 1).y());
    EXPECT_GT(d.textRect(1, 0).y(), d.textRect(0, 0).y());
    EXPECT_GT(d.textRect(2, 0).y(), d.textRect(1, 0).y());

    // Red and navy lines keep their colour in both cells; the rest take the palette's.
    EXPECT_EQ(FormatAt(d.cell(1, 0), "N").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatAt(d.cell(1, 1), "250").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatAt(d.cell(2, 1), "93").foreground().color(), QColor(0, 0, 0x80));
    EXPECT_FALSE(FormatAt(d.cell(0, 0), "No").hasProperty(QTextFormat::ForegroundBrush));
    Doc plain;
    FillResultsDocument(plain.doc, Sheet(), 1, 4, 2, 3, false);
    EXPECT_FALSE(FormatAt(plain.cell(1, 0), "N").hasProperty(QTextFormat::ForegroundBrush));
    // Subscripts are lowered; the text after the last code stands on the base
    // line; runs of blanks stay as the sheet has them.
    EXPECT_EQ(FormatAt(d.cell(1, 0), "Sd").verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(FormatAt(d.cell(3, 0), "1 =").verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(FormatAt(d.cell(3, 0), "m2").verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_EQ(d.doc.size().width(), 600);
    EXPECT_GT(d.doc.size().height(), d.textRect(3, 0).bottom());
}

TEST(ResultsDocument, ARefillChangesOnlyTheCellsThatDiffer)
{
    Doc d;
    d.fill(Sheet());
    d.doc.size();  // laid out: a layout made later would take the whole text for a change
    std::vector<std::pair<int, int>> changes;  // from, to
    QObject::connect(&d.doc, &QTextDocument::contentsChange, [&](int from, int removed, int added) {
        changes.emplace_back(from, from + std::max(removed, added));
    });
    // The same lines again: nothing is touched.
    d.fill(Sheet());
    EXPECT_TRUE(changes.empty());
    // One value changes: the text changes within that cell alone.
    const QPointF before = d.textRect(2, 0).topLeft();
    const int from = d.cell(1, 1).position(), to = from + d.cell(1, 1).length();
    d.fill(Sheet("= 312,47 kN"));
    ASSERT_FALSE(changes.empty());
    for (const auto& [start, end] : changes) {
        EXPECT_GE(start, from);
        EXPECT_LE(end, to);
    }
    EXPECT_EQ(d.cell(1, 1).text(), "= 312,47 kN");
    EXPECT_EQ(d.textRect(2, 0).topLeft(), before);
    EXPECT_EQ(FormatAt(d.cell(1, 1), "312").foreground().color(), QColor(255, 0, 0));
    // A refill keeps no undo history, however many come.
    for (int i = 0; i < 5; ++i) d.fill(Sheet("= " + std::to_string(i) + " kN"));
    EXPECT_FALSE(d.doc.isUndoAvailable());

    // Fewer lines drop the rows beyond them, more lines add rows; no lines
    // leave the document empty.
    TReportSheet two = Sheet();
    two.Count = 2;
    d.fill(two);
    EXPECT_EQ(d.table()->rows(), 2);
    EXPECT_EQ(d.cell(1, 1).text(), "= 250,00 kN");
    d.fill(Sheet());
    EXPECT_EQ(d.table()->rows(), 4);
    EXPECT_EQ(d.cell(3, 0).text().left(1), QString(QChar(0x03A6)));
    TReportSheet none = Sheet();
    none.Count = 0;
    d.fill(none);
    EXPECT_EQ(d.table(), nullptr);
    EXPECT_TRUE(d.doc.toPlainText().isEmpty());
    d.fill(Sheet());
    Doc fresh;
    fresh.fill(Sheet());
    EXPECT_EQ(d.doc.toPlainText(), fresh.doc.toPlainText());
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 2; ++c) EXPECT_EQ(d.textRect(r, c), fresh.textRect(r, c)) << r << " " << c;
}

TEST(ResultsDocument, ANarrowWidthWrapsTheValuesUnderTheirColumn)
{
    TReportSheet sheet = Sheet();
    sheet.Line(2).setText("N%DSd%N@@= 250,00 kN od ciężaru ściany i stropów wszystkich kondygnacji powyżej");
    Doc wide(1400);
    wide.fill(sheet);
    ASSERT_EQ(wide.cell(1, 1).layout()->lineCount(), 1);
    Doc narrow(300);
    narrow.fill(sheet);
    QTextLayout* value = narrow.cell(1, 1).layout();
    ASSERT_GT(value->lineCount(), 1);
    // Every line of the value starts at the column and keeps within the width.
    const qreal column = narrow.textRect(1, 1).x();
    EXPECT_EQ(narrow.textRect(2, 1).x(), column);
    for (int i = 0; i < value->lineCount(); ++i) {
        EXPECT_EQ(value->lineAt(i).x(), value->lineAt(0).x()) << i;
        EXPECT_LE(column + value->lineAt(i).naturalTextWidth(), 300 - 4 + 0.5) << i;
    }
    // The row is as high as its value; the next row starts below it.
    EXPECT_GE(narrow.textRect(2, 0).y(), narrow.textRect(1, 1).y() + value->lineCount() * value->lineAt(0).height() - 1);
    EXPECT_GT(narrow.doc.size().height(), wide.doc.size().height());
    // Widening the same document unwraps it.
    narrow.doc.setTextWidth(1400);
    EXPECT_EQ(narrow.cell(1, 1).layout()->lineCount(), 1);
    EXPECT_EQ(narrow.doc.size().height(), wide.doc.size().height());
}

TEST(ResultsDocument, PaintsTheColouredTextAndTheSelection)
{
    Doc d;
    d.fill(Sheet());
    QImage image(600, int(d.doc.size().height()), QImage::Format_ARGB32);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    // The user has selected the red row's value.
    QTextCursor selected(d.cell(1, 1));
    selected.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QAbstractTextDocumentLayout::Selection selection{selected, {}};
    selection.format.setBackground(QColor(0, 200, 0));
    context.selections.append(selection);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        d.doc.documentLayout()->draw(&p, context);
    }
    auto count = [&](const QRectF& r, auto pred) {
        int n = 0;
        for (int y = int(r.top()); y < int(r.bottom()) && y < image.height(); ++y)
            for (int x = int(r.left()); x < int(r.right()) && x < image.width(); ++x) n += pred(image.pixelColor(x, y));
        return n;
    };
    const auto green = [](const QColor& c) { return c == QColor(0, 200, 0); };
    const auto reddish = [](const QColor& c) { return c.red() > 150 && c.green() < 100 && c.blue() < 100; };
    const auto bluish = [](const QColor& c) { return c.blue() > 60 && c.red() < 60 && c.green() < 60; };
    EXPECT_GT(count(d.textRect(1, 1), green), 50);
    EXPECT_EQ(count(d.textRect(1, 0), green), 0);
    EXPECT_GT(count(d.textRect(1, 0), reddish), 5);
    EXPECT_EQ(count(d.textRect(0, 0), reddish), 0);
    EXPECT_GT(count(d.textRect(2, 1), bluish), 5);
    // Dark text only where the plain lines are.
    const auto dark = [](const QColor& c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; };
    EXPECT_GT(count(d.textRect(0, 0), dark), 5);
    EXPECT_GT(count(d.textRect(3, 0), dark), 5);
    EXPECT_EQ(count(d.textRect(1, 0), dark), 0);
}

TEST(ResultsDocument, AValueAndItsUnitStayOnOneLineAtEveryWidth)
{
    App app;
    SetDecimalSeparator(',');
    const auto in = orvtest::BasementWall();
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, *in, r), 0);
    TReportSheet sheet;
    BuildResultsReport(1, 2, 3, *in, r, sheet);
    // "… N_Sd = 369,06 kN/m" as the results view has it, narrowed a pixel at a time
    static const QRegularExpression unit(QStringLiteral("^(MPa|kN|kNm|cm|m|mb)(?![A-Za-z])"));
    int breaks = 0;
    for (int width = 900; width >= 120; --width) {
        Doc d(width);
        d.fill(sheet);
        for (int row = 0; row < d.table()->rows(); ++row) {
            const QTextBlock b = d.cell(row, 0);
            const QString text = b.text();
            const QTextLayout* layout = b.layout();
            for (int i = 1; i < layout->lineCount(); ++i) {
                ++breaks;
                const int start = layout->lineAt(i).textStart();
                const QString before = text.left(start).trimmed();
                const bool afterValue = !before.isEmpty() && before.back().isDigit() && start > 0 &&
                                        (text[start - 1] == QLatin1Char(' ') || text[start - 1] == QChar(0xA0));
                EXPECT_FALSE(afterValue && unit.match(text.mid(start)).hasMatch())
                    << width << ": " << text.left(start).toStdString() << " | " << text.mid(start).toStdString();
            }
        }
        if (HasFailure()) return;
    }
    EXPECT_GT(breaks, 1000);
}
