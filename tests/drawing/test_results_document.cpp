#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include "drawing/ResultsDocument.h"
#include "tests/common/QtTestApp.h"

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
    TResultsLayout& layout() { return *static_cast<TResultsLayout*>(doc.documentLayout()); }
    QTextBlock block(int i) { return doc.findBlockByNumber(i); }
    QPointF at(int i) { return block(i).layout()->position(); }
    // where a one-line cell's text is drawn
    QRectF textRect(int i)
    {
        const QTextLine line = block(i).layout()->lineAt(0);
        return QRectF(at(i), QSizeF(line.naturalTextWidth(), line.height()));
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
    // A block per cell, so the plain text and a copy give the cells line by line.
    ASSERT_EQ(d.doc.blockCount(), 8);
    EXPECT_EQ(d.doc.toPlainText(), QString::fromUtf8("Nośność\n\nNSd\n= 250,00 kN\nNRd\n= 93,78 kN\n") +
                                       QChar(0x03A6) + "1 = 0,677  A = 0,25 m2\n");
    // The first column steps in two em a step; the second starts one em past
    // the widest first column, on every row alike.
    const qreal em = d.em(), margin = 4;
    EXPECT_EQ(d.at(0).x(), margin);
    EXPECT_EQ(d.at(2).x(), margin + 2 * em);
    EXPECT_EQ(d.at(4).x(), margin + 4 * em);
    qreal widest = 0;
    for (int i = 0; i < 8; i += 2)
        widest = std::max(widest, d.at(i).x() + d.block(i).layout()->lineAt(0).naturalTextWidth());
    EXPECT_DOUBLE_EQ(d.layout().column(), widest + em);
    for (int i = 1; i < 8; i += 2) EXPECT_EQ(d.at(i).x(), d.layout().column()) << i;
    // Rows stand one under the other; both cells of a row share its top.
    for (int i = 0; i < 8; i += 2) EXPECT_EQ(d.at(i).y(), d.at(i + 1).y()) << i;
    EXPECT_EQ(d.at(0).y(), margin);
    EXPECT_GT(d.at(2).y(), d.at(0).y());
    EXPECT_GT(d.at(4).y(), d.at(2).y());

    // Red and navy lines keep their colour in both cells; the rest take the palette's.
    EXPECT_EQ(FormatAt(d.block(2), "N").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatAt(d.block(3), "250").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatAt(d.block(5), "93").foreground().color(), QColor(0, 0, 0x80));
    EXPECT_FALSE(FormatAt(d.block(0), "No").hasProperty(QTextFormat::ForegroundBrush));
    Doc plain;
    FillResultsDocument(plain.doc, Sheet(), 1, 4, 2, 3, false);
    EXPECT_FALSE(FormatAt(plain.block(2), "N").hasProperty(QTextFormat::ForegroundBrush));
    // Subscripts are lowered; the text after the last code stands on the base
    // line; runs of blanks stay as the sheet has them.
    EXPECT_EQ(FormatAt(d.block(2), "Sd").verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(FormatAt(d.block(6), "1 =").verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(FormatAt(d.block(6), "m2").verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_TRUE(d.block(6).text().contains("0,677  A"));
    EXPECT_EQ(d.layout().documentSize().width(), 600);
    EXPECT_GT(d.layout().documentSize().height(), d.at(6).y());
}

TEST(ResultsDocument, ARefillChangesOnlyTheCellsThatDiffer)
{
    Doc d;
    d.fill(Sheet());
    const int first = d.layout().blocksLaidOut();
    // the empty document's block, then the eight cells
    EXPECT_EQ(first, 1 + 8);
    // The same lines again: nothing is laid out anew.
    d.fill(Sheet());
    EXPECT_EQ(d.layout().blocksLaidOut(), first);
    // One value changes: that cell alone is shaped again, the rest keep
    // their glyphs and places.
    const QPointF before = d.at(4);
    d.fill(Sheet("= 312,47 kN"));
    EXPECT_EQ(d.layout().blocksLaidOut(), first + 1);
    EXPECT_EQ(d.block(3).text(), "= 312,47 kN");
    EXPECT_EQ(d.at(4), before);
    EXPECT_EQ(FormatAt(d.block(3), "312").foreground().color(), QColor(255, 0, 0));
    // Two cells far apart change: the cells between them keep their glyphs too.
    TReportSheet apart = Sheet("= 400,00 kN");
    apart.Line(4).setText("%SF%N%D1%N = 0,702  A = 0,25 m%I2%N");
    d.fill(apart);
    EXPECT_EQ(d.layout().blocksLaidOut(), first + 3);
    EXPECT_TRUE(d.block(6).text().contains("0,702"));
    // A refill keeps no undo history, however many come.
    for (int i = 0; i < 5; ++i) d.fill(Sheet("= " + std::to_string(i) + " kN"));
    EXPECT_FALSE(d.doc.isUndoAvailable());

    // Fewer lines drop the cells beyond them, more lines add cells; no lines
    // leave one empty block.
    TReportSheet two = Sheet();
    two.Count = 2;
    d.fill(two);
    EXPECT_EQ(d.doc.blockCount(), 4);
    EXPECT_EQ(d.doc.toPlainText(), QString::fromUtf8("Nośność\n\nNSd\n= 250,00 kN"));
    d.fill(Sheet());
    EXPECT_EQ(d.doc.blockCount(), 8);
    EXPECT_EQ(d.block(6).text().left(1), QString(QChar(0x03A6)));
    TReportSheet none = Sheet();
    none.Count = 0;
    d.fill(none);
    EXPECT_EQ(d.doc.blockCount(), 1);
    EXPECT_TRUE(d.doc.toPlainText().isEmpty());
    d.fill(Sheet());
    Doc fresh;
    fresh.fill(Sheet());
    EXPECT_EQ(d.doc.toPlainText(), fresh.doc.toPlainText());
    for (int i = 0; i < 8; ++i) EXPECT_EQ(d.at(i), fresh.at(i)) << i;
}

TEST(ResultsDocument, ANarrowWidthWrapsTheValuesUnderTheirColumn)
{
    TReportSheet sheet = Sheet();
    sheet.Line(2).setText("N%DSd%N@@= 250,00 kN od ciężaru ściany i stropów wszystkich kondygnacji powyżej");
    Doc wide(1400);
    wide.fill(sheet);
    ASSERT_EQ(wide.block(3).layout()->lineCount(), 1);
    Doc narrow(300);
    narrow.fill(sheet);
    QTextLayout* value = narrow.block(3).layout();
    ASSERT_GT(value->lineCount(), 1);
    // Every line of the value starts at the column and keeps within the width.
    for (int i = 0; i < value->lineCount(); ++i) {
        EXPECT_EQ(value->lineAt(i).x(), 0) << i;
        EXPECT_LE(narrow.layout().column() + value->lineAt(i).naturalTextWidth(), 300 - 4 + 0.5) << i;
    }
    // The row is as high as its value; the next row starts below it.
    EXPECT_GE(narrow.at(4).y(), narrow.at(3).y() + value->lineCount() * value->lineAt(0).height() - 1);
    EXPECT_GT(narrow.layout().documentSize().height(), wide.layout().documentSize().height());

    // Widening the same document unwraps it, and narrowing wraps it again.
    narrow.doc.setTextWidth(1400);
    EXPECT_EQ(narrow.block(3).layout()->lineCount(), 1);
    EXPECT_EQ(narrow.layout().documentSize().height(), wide.layout().documentSize().height());
    for (int i = 0; i < 8; ++i) EXPECT_EQ(narrow.at(i), wide.at(i)) << i;
    narrow.doc.setTextWidth(300);
    EXPECT_GT(narrow.block(3).layout()->lineCount(), 1);

    // A new width that every cell still fits lays nothing out anew.
    const int shaped = wide.layout().blocksLaidOut();
    wide.doc.setTextWidth(1300);
    wide.doc.setTextWidth(1500);
    EXPECT_EQ(wide.layout().blocksLaidOut(), shaped);
    EXPECT_EQ(wide.layout().documentSize().width(), 1500);

    // A larger font lays every cell out again in it.
    const qreal height = narrow.layout().documentSize().height();
    QFont font = narrow.doc.defaultFont();
    font.setPointSizeF(font.pointSizeF() * 2);
    const int before = narrow.layout().blocksLaidOut();
    narrow.doc.setDefaultFont(font);
    EXPECT_GE(narrow.layout().blocksLaidOut(), before + 8);
    EXPECT_GT(narrow.layout().documentSize().height(), 1.5 * height);
    EXPECT_GT(narrow.at(2).y(), narrow.at(0).y() + QFontMetrics(font).height() - 1);
}

TEST(ResultsDocument, PointsFindTheCharactersUnderThem)
{
    Doc d;
    d.fill(Sheet());
    TResultsLayout& l = d.layout();
    // Every character of both cells of a row is found at its own place.
    for (int b : {2, 3}) {
        const QTextBlock block = d.block(b);
        const QTextLine line = block.layout()->lineAt(0);
        for (int i = 0; i < block.length() - 1; ++i) {
            const qreal x = line.cursorToX(i), next = line.cursorToX(i + 1);
            const QPointF p = block.layout()->position() + QPointF((x + next) / 2 - 0.5, line.y() + line.height() / 2);
            const int hit = l.hitTest(p, Qt::FuzzyHit);
            EXPECT_TRUE(hit == block.position() + i || hit == block.position() + i + 1) << b << " " << i;
            EXPECT_EQ(l.hitTest(p, Qt::ExactHit), hit) << b << " " << i;
        }
    }
    // Beyond the text: nothing exactly, the nearest place fuzzily.
    EXPECT_EQ(l.hitTest(QPointF(5, l.documentSize().height() + 20), Qt::ExactHit), -1);
    EXPECT_EQ(l.hitTest(QPointF(590, d.at(0).y() + 2), Qt::ExactHit), -1);
    EXPECT_EQ(l.hitTest(QPointF(0, -50), Qt::FuzzyHit), 0);
    EXPECT_EQ(l.hitTest(QPointF(590, d.at(2).y() + 2), Qt::FuzzyHit), d.block(3).position() + d.block(3).length() - 1);
    // The rectangles the view repaints and scrolls to hold their text.
    EXPECT_TRUE(l.blockBoundingRect(d.block(3)).contains(d.at(3) + QPointF(2, 2)));
    EXPECT_EQ(l.frameBoundingRect(d.doc.rootFrame()).size(), l.documentSize());
}

TEST(ResultsDocument, PaintsTheColouredTextAndTheSelection)
{
    Doc d;
    d.fill(Sheet());
    TResultsLayout& l = d.layout();
    QImage image(600, int(l.documentSize().height()), QImage::Format_ARGB32);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    // The user has selected the red row's value.
    QTextCursor selected(d.block(3));
    selected.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QAbstractTextDocumentLayout::Selection selection{selected, {}};
    selection.format.setBackground(QColor(0, 200, 0));
    context.selections.append(selection);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        l.draw(&p, context);
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
    EXPECT_GT(count(d.textRect(3), green), 50);
    EXPECT_EQ(count(d.textRect(2), green), 0);
    EXPECT_GT(count(d.textRect(2), reddish), 5);
    EXPECT_EQ(count(d.textRect(0), reddish), 0);
    EXPECT_GT(count(d.textRect(5), bluish), 5);
    // Dark text only where the plain lines are.
    const auto dark = [](const QColor& c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; };
    EXPECT_GT(count(d.textRect(0), dark), 5);
    EXPECT_GT(count(d.textRect(6), dark), 5);
    EXPECT_EQ(count(d.textRect(2), dark), 0);
}
