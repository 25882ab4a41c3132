// The results text of the main window as a document of two columns: the
// report sheet's lines, the part after "@@" of every line starting where the
// widest first part (with its indent and a gap of one em) ends. Each cell is
// one block, row r being blocks 2r and 2r+1, so plain text and copies give
// the cells line by line.
//
// The layout lays out again only the blocks whose text changed or whose
// room no longer holds them, and keeps their shaped glyphs for painting; a
// refill with mostly the same lines touches only the cells that differ.
#pragma once

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QTextOption>

#include <optional>
#include <vector>

#include "core/ZunStrings.h"

class QTextDocument;

namespace orv {

class TResultsLayout : public QAbstractTextDocumentLayout {
public:
    explicit TResultsLayout(QTextDocument* doc);

    void draw(QPainter* painter, const PaintContext& context) override;
    int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override { return size_; }
    QRectF frameBoundingRect(QTextFrame* frame) const override;
    QRectF blockBoundingRect(const QTextBlock& block) const override;

    // x of the second column, in document coordinates
    qreal column() const { return column_; }
    // blocks laid out (shaped) since the layout was made
    int blocksLaidOut() const { return laidOut_; }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    void layOut(int from, int to);

    friend void FillResultsDocument(QTextDocument&, const TReportSheet&, int, int, int, int, bool);

    // blocks a refill rewrote, when it is the refill that changed the text
    std::optional<std::vector<int>> rewritten_;
    // what the blocks were shaped in, and whether the text changed since
    bool edited_ = true;
    QFont font_;
    QTextOption::WrapMode wrap_ = QTextOption::WrapAtWordBoundaryOrAnywhere;
    QTextOption::Flags flags_;
    QSizeF size_;
    qreal column_ = 0;
    std::vector<qreal> rowTops_; // one per row, and the bottom of the last
    int laidOut_ = 0;
};

// Lines first..last of the sheet into `doc`, which takes a TResultsLayout
// when it has none: the first part indented by the line's position (pos2
// one step, pos3 two), with `colored` lines in red or navy in their colour.
// Cells equal to those the document holds are left as they are.
void FillResultsDocument(QTextDocument& doc, const TReportSheet& sheet, int first, int last, int pos2, int pos3,
                         bool colored);

} // namespace orv
