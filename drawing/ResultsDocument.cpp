#include "drawing/ResultsDocument.h"

#include <QFontMetrics>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <string>
#include <vector>

#include "core/Cp1250.h"
#include "drawing/MarkupText.h"

namespace orv {
namespace {

// The cell a block was filled from, to leave equal cells alone.
constexpr int SourceProperty = QTextFormat::UserProperty + 1;

// An em as the rich-text views step the results in: a line of the
// application's font, whatever the font of the text.
qreal Em()
{
    return QFontMetrics(QFont()).height();
}

struct TCell {
    std::string markup;  // UTF-8
    QString source;      // what the cell is filled from
};

struct TRow {
    TCell cells[2];
    int indent = 0;
    QColor color;
};

// The table of the results: the document's only frame.
QTextTable* ResultsTable(QTextDocument& doc)
{
    const QList<QTextFrame*> frames = doc.rootFrame()->childFrames();
    return frames.size() == 1 ? qobject_cast<QTextTable*>(frames.front()) : nullptr;
}

QTextTableFormat TableFormat()
{
    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setMargin(0);
    return format;
}

void FillCell(QTextTable& table, int row, int column, const TRow& line, qreal em)
{
    QTextTableCell cell = table.cellAt(row, column);
    const TCell& from = line.cells[column];
    QTextCursor cur = cell.firstCursorPosition();
    if (cur.blockFormat().property(SourceProperty).toString() == from.source) return;
    QTextTableCellFormat cellFormat;
    cellFormat.setPadding(0);
    if (column == 0) {
        cellFormat.setLeftPadding(2 * em * line.indent);
        cellFormat.setRightPadding(em);
    }
    const QTextTableCellFormat was = cell.format().toTableCellFormat();
    if (was.leftPadding() != cellFormat.leftPadding() || was.rightPadding() != cellFormat.rightPadding() ||
        was.topPadding() != 0 || was.bottomPadding() != 0)
        cell.setFormat(cellFormat);
    cur.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    cur.removeSelectedText();
    QTextBlockFormat blockFormat;
    blockFormat.setProperty(SourceProperty, from.source);
    cur.setBlockFormat(blockFormat);
    for (const TStyledRun& r : StyledRuns(from.markup)) {
        QTextCharFormat f;
        if (r.bold) f.setFontWeight(QFont::Bold);
        if (r.underline) f.setFontUnderline(true);
        if (r.shift != TStyledRun::Base)
            f.setVerticalAlignment(r.shift == TStyledRun::Sub ? QTextCharFormat::AlignSubScript
                                                              : QTextCharFormat::AlignSuperScript);
        if (line.color.isValid()) f.setForeground(line.color);
        cur.insertText(QString::fromUtf8(r.text.data(), qsizetype(r.text.size())), f);
    }
}

} // namespace

void FillResultsDocument(QTextDocument& doc, const TReportSheet& sheet, int first, int last, int pos2, int pos3,
                         bool colored)
{
    doc.setUndoRedoEnabled(false);
    if (first < 1) first = 1;
    if (last > MaxReportLines) last = MaxReportLines;

    std::vector<TRow> rows;
    std::string c1, c2;
    for (int i = first; i <= last; ++i) {
        const TReportLine& line = sheet.Line(i);
        SplitAtDoubleAt(line.Text.raw(), c1, c2);
        TRow row;
        row.indent = line.X1 == pos2 ? 1 : line.X1 == pos3 ? 2 : 0;
        if (colored && (line.Color == clRed || line.Color == clNavy))
            row.color = QColor(line.Color & 0xFF, (line.Color >> 8) & 0xFF, (line.Color >> 16) & 0xFF);
        const QString tag = QStringLiteral("%1 %2|").arg(row.indent).arg(row.color.isValid() ? row.color.rgb() : 0u);
        row.cells[0].markup = Cp1250ToUtf8(c1);
        row.cells[1].markup = Cp1250ToUtf8(c2);
        for (TCell& cell : row.cells)
            cell.source = tag + QString::fromUtf8(cell.markup.data(), qsizetype(cell.markup.size()));
        rows.push_back(std::move(row));
    }

    QTextTable* table = ResultsTable(doc);
    const int n = int(rows.size());
    if (n == 0 || !table) {
        doc.clear();
        if (n == 0) return;
    }
    QTextCursor cur(&doc);
    cur.beginEditBlock();
    if (!table) {
        table = cur.insertTable(n, 2, TableFormat());
    } else if (table->rows() < n) {
        table->appendRows(n - table->rows());
    } else if (table->rows() > n) {
        table->removeRows(n, table->rows() - n);
    }
    const qreal em = Em();
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < 2; ++c) FillCell(*table, r, c, rows[std::size_t(r)], em);
    cur.endEditBlock();
}

} // namespace orv
