#include "drawing/ResultsDocument.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/Cp1250.h"
#include "drawing/MarkupText.h"

namespace orv {
namespace {

// Room for a line when the document has no width to wrap at.
constexpr qreal Unlimited = 1e6;
// The cell a block was filled from, to leave equal cells alone.
constexpr int SourceProperty = QTextFormat::UserProperty + 1;
// A first-column block's indent, in steps of two em.
constexpr int IndentProperty = QTextFormat::UserProperty + 2;

// An em as the rich-text views have always stepped the results in: a line
// of the application's font, whatever the font of the text.
qreal Em()
{
    return QFontMetrics(QFont()).height();
}

int IndentOf(const QTextBlock& b)
{
    return b.blockFormat().intProperty(IndentProperty);
}

// Height of the block's lines, one under the other, each a whole number of
// pixels high as in the rich-text views.
qreal StackLines(QTextLayout* tl)
{
    qreal y = 0;
    for (int i = 0; i < tl->lineCount(); ++i) {
        QTextLine line = tl->lineAt(i);
        line.setPosition(QPointF(0, y));
        y += std::ceil(line.ascent() + line.descent() + line.leading());
    }
    return y;
}

qreal NaturalWidth(const QTextLayout* tl)
{
    qreal w = 0;
    for (int i = 0; i < tl->lineCount(); ++i) w = std::max(w, tl->lineAt(i).naturalTextWidth());
    return w;
}

} // namespace

TResultsLayout::TResultsLayout(QTextDocument* doc) : QAbstractTextDocumentLayout(doc)
{
    // The document tells of edits of its text and formats before it asks
    // for a layout; a new width, margin or font comes without that word.
    connect(doc, &QTextDocument::contentsChange, this, [this] { edited_ = true; });
}

void TResultsLayout::documentChanged(int from, int /*charsRemoved*/, int charsAdded)
{
    QTextDocument* doc = document();
    const QTextOption option = doc->defaultTextOption();
    const bool restyled = doc->defaultFont() != font_ || option.wrapMode() != wrap_ || option.flags() != flags_;
    // Only the room changed: every block keeps its glyphs, and its lines
    // where they still fit.
    if (edited_ || restyled) layOut(from, from + charsAdded);
    else layOut(INT_MAX, INT_MAX);
    edited_ = false;
    font_ = doc->defaultFont();
    wrap_ = option.wrapMode();
    flags_ = option.flags();
}

void TResultsLayout::layOut(int from, int to)
{
    QTextDocument* doc = document();
    const qreal margin = doc->documentMargin();
    const qreal pageWidth = doc->pageSize().width();
    const qreal room = pageWidth > 0 ? std::max<qreal>(pageWidth - 2 * margin, 1) : Unlimited;
    const qreal em = Em();
    QTextOption option = doc->defaultTextOption();
    option.setAlignment(Qt::AlignLeft);

    // A block is laid out again when its text changed, or when its room
    // changed and it wraps or no longer fits; otherwise it keeps its lines.
    std::vector<char> done(std::size_t(doc->blockCount()), 0);
    auto fit = [&](const QTextBlock& b, qreal width) {
        QTextLayout* tl = b.layout();
        const int n = b.blockNumber();
        const bool changed =
            !done[std::size_t(n)] &&
            (rewritten_ ? std::binary_search(rewritten_->begin(), rewritten_->end(), n)
                        : b.position() + b.length() > from && b.position() < std::max(to, from + 1));
        done[std::size_t(n)] = 1;
        const bool fits = tl->lineCount() == 1 && tl->lineAt(0).naturalTextWidth() <= width &&
                          tl->lineAt(0).textLength() + 1 >= b.length();
        if (!changed && (tl->lineCount() > 0 && (fits || tl->lineAt(0).width() == width))) return;
        tl->setCacheEnabled(true);
        tl->setTextOption(option);
        tl->beginLayout();
        for (QTextLine line = tl->createLine(); line.isValid(); line = tl->createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(width);
        }
        tl->endLayout();
        ++laidOut_;
    };

    // As in a table: the second column takes the room its widest text needs
    // (a pixel at least), the first the rest; the second then starts where
    // the widest first one ends.
    qreal second = 1;
    for (QTextBlock b = doc->begin().next(); b.isValid(); b = b.next()) {
        fit(b, room);
        second = std::max(second, NaturalWidth(b.layout()));
        b = b.next();
        if (!b.isValid()) break;
    }
    qreal column = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const qreal indent = 2 * em * IndentOf(b);
        fit(b, std::max<qreal>(room - indent - em - second, 1));
        column = std::max(column, indent + NaturalWidth(b.layout()) + em);
        b = b.next();
        if (!b.isValid()) break;
    }
    column_ = margin + column;
    second = std::max(room - column, em);
    rowTops_.clear();
    qreal y = margin, width = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        rowTops_.push_back(y);
        QTextLayout* first = b.layout();
        first->setPosition(QPointF(margin + 2 * em * IndentOf(b), y));
        qreal height = StackLines(first);
        width = std::max(width, first->position().x() + NaturalWidth(first));
        b = b.next();
        if (b.isValid()) {
            fit(b, second);
            QTextLayout* next = b.layout();
            next->setPosition(QPointF(column_, y));
            height = std::max(height, StackLines(next));
            width = std::max(width, column_ + NaturalWidth(next));
        }
        y += height;
        if (!b.isValid()) break;
    }
    rowTops_.push_back(y);

    const QSizeF size(std::max(pageWidth, width + margin), y + margin);
    if (size != size_) {
        size_ = size;
        emit documentSizeChanged(size_);
    }
    emit update(QRectF(0, 0, 1e9, 1e9));
}

QRectF TResultsLayout::blockBoundingRect(const QTextBlock& block) const
{
    if (!block.isValid() || !block.layout()) return {};
    const QTextLayout* tl = block.layout();
    return tl->boundingRect().translated(tl->position());
}

QRectF TResultsLayout::frameBoundingRect(QTextFrame*) const
{
    return QRectF(QPointF(0, 0), size_);
}

void TResultsLayout::draw(QPainter* painter, const PaintContext& context)
{
    painter->setPen(context.palette.color(QPalette::Text));
    const QRectF clip = context.clip;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        const QRectF r = blockBoundingRect(b);
        if (clip.isValid() && r.top() > clip.bottom()) break;
        if (clip.isValid() && !r.intersects(clip)) continue;
        const int start = b.position(), end = start + b.length();
        QList<QTextLayout::FormatRange> selections;
        for (const Selection& s : context.selections) {
            const int from = std::max(s.cursor.selectionStart(), start);
            const int to = std::min(s.cursor.selectionEnd(), end - 1);
            if (from < to) selections.append({from - start, to - from, s.format});
        }
        b.layout()->draw(painter, QPointF(0, 0), selections, clip);
        if (context.cursorPosition >= start && context.cursorPosition < end)
            b.layout()->drawCursor(painter, QPointF(0, 0), context.cursorPosition - start);
    }
}

int TResultsLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const
{
    QTextDocument* doc = document();
    const int rows = int(rowTops_.size()) - 1;
    if (rows <= 0) return accuracy == Qt::ExactHit ? -1 : 0;
    if (accuracy == Qt::ExactHit && (point.y() < rowTops_.front() || point.y() >= rowTops_.back())) return -1;
    const auto above = std::upper_bound(rowTops_.begin(), rowTops_.end() - 1, point.y());
    const int row = std::max(0, int(above - rowTops_.begin()) - 1);
    QTextBlock b = doc->findBlockByNumber(2 * row);
    if (point.x() >= column_ && b.next().isValid()) b = b.next();
    const QTextLayout* tl = b.layout();
    const QPointF p = point - tl->position();
    if (tl->lineCount() == 0) return accuracy == Qt::ExactHit ? -1 : b.position();
    int i = 0;
    while (i + 1 < tl->lineCount() && p.y() >= tl->lineAt(i + 1).y()) ++i;
    const QTextLine line = tl->lineAt(i);
    if (accuracy == Qt::ExactHit &&
        (p.y() < line.y() || p.y() >= line.y() + line.height() || p.x() < line.x() ||
         p.x() > line.x() + line.naturalTextWidth()))
        return -1;
    return b.position() + line.xToCursor(p.x());
}

void FillResultsDocument(QTextDocument& doc, const TReportSheet& sheet, int first, int last, int pos2, int pos3,
                         bool colored)
{
    auto* layout = dynamic_cast<TResultsLayout*>(doc.documentLayout());
    if (!layout) {
        layout = new TResultsLayout(&doc);
        doc.setDocumentLayout(layout);
    }
    doc.setUndoRedoEnabled(false);
    if (first < 1) first = 1;
    if (last > MaxReportLines) last = MaxReportLines;

    QTextCursor cur(&doc);
    cur.beginEditBlock();
    QTextBlock b = doc.begin();
    int cells = 0;
    std::vector<int> rewritten;
    auto put = [&](const std::string& markup, int indent, const QString& source, const QColor& color) {
        if (b.isValid() && b.blockFormat().property(SourceProperty).toString() == source) {
            b = b.next();
            ++cells;
            return;
        }
        QTextBlockFormat format;
        format.setProperty(SourceProperty, source);
        if (indent) format.setProperty(IndentProperty, indent);
        if (b.isValid()) {
            cur.setPosition(b.position());
            cur.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cur.removeSelectedText();
            cur.setBlockFormat(format);
        } else {
            cur.movePosition(QTextCursor::End);
            cur.insertBlock(format, QTextCharFormat());
        }
        for (const TStyledRun& r : StyledRuns(markup)) {
            QTextCharFormat f;
            if (r.bold) f.setFontWeight(QFont::Bold);
            if (r.underline) f.setFontUnderline(true);
            if (r.shift != TStyledRun::Base)
                f.setVerticalAlignment(r.shift == TStyledRun::Sub ? QTextCharFormat::AlignSubScript
                                                                  : QTextCharFormat::AlignSuperScript);
            if (color.isValid()) f.setForeground(color);
            cur.insertText(QString::fromUtf8(r.text.data(), qsizetype(r.text.size())), f);
        }
        b = cur.block().next();
        rewritten.push_back(cells++);
    };

    std::string c1, c2;
    for (int i = first; i <= last; ++i) {
        const TReportLine& line = sheet.Line(i);
        SplitAtDoubleAt(line.Text.raw(), c1, c2);
        const int indent = line.X1 == pos2 ? 1 : line.X1 == pos3 ? 2 : 0;
        const QColor color = colored && (line.Color == clRed || line.Color == clNavy)
                                 ? QColor(line.Color & 0xFF, (line.Color >> 8) & 0xFF, (line.Color >> 16) & 0xFF)
                                 : QColor();
        const QString tag = QStringLiteral("%1 %2|").arg(indent).arg(color.isValid() ? color.rgb() : 0u);
        const std::string u1 = Cp1250ToUtf8(c1), u2 = Cp1250ToUtf8(c2);
        put(u1, indent, tag + QString::fromUtf8(u1.data(), qsizetype(u1.size())), color);
        put(u2, 0, tag + QString::fromUtf8(u2.data(), qsizetype(u2.size())), color);
    }
    // Cells beyond the new lines go; an empty sheet leaves one empty block.
    if (b.isValid()) {
        cur.setPosition(cells > 0 ? b.position() - 1 : 0);
        cur.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cur.removeSelectedText();
        if (cells == 0) {
            cur.setBlockFormat(QTextBlockFormat());
            rewritten.push_back(0);
        }
    }
    // The step changes the text from the first cell rewritten to the last;
    // only those cells are to be laid out again.
    layout->rewritten_ = std::move(rewritten);
    cur.endEditBlock();
    layout->rewritten_.reset();
}

} // namespace orv
