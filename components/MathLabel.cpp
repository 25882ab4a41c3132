#include "components/MathLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <cstdlib>

#include "core/MyUtils.h"
#include "drawing/MarkupText.h"

namespace orv {
namespace {

QString SymbolToUnicode(const QString& s)
{
    return QString::fromStdString(SymbolTextToUnicode(s.toStdString()));
}

} // namespace

std::vector<TCaptionPiece> SplitCaptionMarkup(const QString& caption)
{
    std::vector<TCaptionPiece> pieces;
    const qsizetype n = caption.size();
    qsizetype i = 0;
    auto isMark = [](QChar c) { return c == QLatin1Char('!') || c == QLatin1Char('_') || c == QLatin1Char('@'); };
    while (i < n) {
        const QChar c = caption.at(i);
        if (isMark(c)) {
            if (i + 1 < n && caption.at(i + 1) == c) {
                pieces.push_back({TCaptionPiece::Plain, QString(c)});
                i += 2;
                continue;
            }
            qsizetype end = caption.indexOf(c, i + 1);
            if (end < 0) end = n;
            const QString run = caption.mid(i + 1, end - i - 1);
            const TCaptionPiece::Kind kind = c == QLatin1Char('!') ? TCaptionPiece::Superscript
                                             : c == QLatin1Char('_') ? TCaptionPiece::Subscript
                                                                     : TCaptionPiece::Symbol;
            pieces.push_back({kind, kind == TCaptionPiece::Symbol ? SymbolToUnicode(run) : run});
            i = end + 1;
            continue;
        }
        qsizetype end = i;
        while (end < n && !isMark(caption.at(end))) ++end;
        pieces.push_back({TCaptionPiece::Plain, caption.mid(i, end - i)});
        i = end;
    }
    return pieces;
}

TMathLabel::TMathLabel(QWidget* parent) : QWidget(parent) {}

TMathLabel::TMathLabel(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {}

void TMathLabel::setCaption(const QString& caption)
{
    caption_ = caption;
    sizeHint_ = QSize();
    update();
}

void TMathLabel::setIndexFont(const QFont& font)
{
    indexFont_ = font;
    sizeHint_ = QSize();
    update();
}

QSize TMathLabel::sizeHint() const
{
    if (sizeHint_.isValid()) return sizeHint_;
    const QFontMetrics main(font()), index(indexFont_);
    int w = 0;
    for (const TCaptionPiece& p : SplitCaptionMarkup(caption_)) {
        const bool small = p.kind == TCaptionPiece::Superscript || p.kind == TCaptionPiece::Subscript;
        w += (small ? index : main).horizontalAdvance(p.text) + 1;
    }
    sizeHint_ = QSize(w, main.height() + index.height() / 2);
    return sizeHint_;
}

void TMathLabel::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange) sizeHint_ = QSize();
    QWidget::changeEvent(e);
}

void TMathLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics mainMetrics(font());
    const QFontMetrics indexMetrics(indexFont_);
    // Text heights are cell heights, whatever the string.
    const int H = mainMetrics.height();
    const int Hi = indexMetrics.height();
    const int top = std::abs(height() - H) / 2;
    const QPalette pal = palette();
    const bool enabled = isEnabled();
    int x = 0;
    for (const TCaptionPiece& piece : SplitCaptionMarkup(caption_)) {
        const bool small = piece.kind == TCaptionPiece::Superscript || piece.kind == TCaptionPiece::Subscript;
        const QFont& f = small ? indexFont_ : font();
        const QFontMetrics& fm = small ? indexMetrics : mainMetrics;
        int y = top;
        if (piece.kind == TCaptionPiece::Superscript) y = top - RoundToInt(0.25 * Hi);
        else if (piece.kind == TCaptionPiece::Subscript) y = RoundToInt(top + H - 0.75 * Hi);
        p.setFont(f);
        const QPoint at(x, y + fm.ascent());
        if (enabled) {
            p.setPen(pal.color(QPalette::WindowText));
            p.drawText(at, piece.text);
        } else {
            p.setPen(pal.color(QPalette::Light));
            p.drawText(at + QPoint(1, 1), piece.text);
            p.setPen(pal.color(QPalette::Dark));
            p.drawText(at, piece.text);
        }
        x += fm.horizontalAdvance(piece.text) + 1;
    }
}

} // namespace orv
