#include "components/WrappedItemDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontInfo>
#include <QListView>
#include <QPainter>

#include <algorithm>

#include "drawing/Canvas.h"
#include "drawing/MarkupText.h"

namespace orv {
namespace {

constexpr int kIndent = 2;

// The item's text on a canvas in the item's font and colour.
void SetCanvasFont(PainterCanvas& canvas, const QFont& font, const QColor& color)
{
    canvas.font.name = font.family().toStdString();
    canvas.font.size = QFontInfo(font).pointSizeF();
    canvas.font.style = (font.bold() ? fsBold : 0u) | (font.italic() ? fsItalic : 0u);
    canvas.font.color = QColorToColor(color);
    // The item's ground shows through the text.
    canvas.brush.style = TBrushStyle::Clear;
}


} // namespace

TWrappedItemDelegate::TWrappedItemDelegate(int itemHeight, QComboBox* combo)
    : QStyledItemDelegate(combo), itemHeight_(itemHeight), combo_(combo)
{
}

int TWrappedItemDelegate::wrapWidth() const
{
    // The drop-down list is as wide as the combo, inside its frame.
    const QAbstractItemView* view = combo_->view();
    return combo_->width() - 2 * (view ? view->frameWidth() : 0) - 2;
}

int TWrappedItemDelegate::textHeight(const QStyleOptionViewItem& option, const QModelIndex& index, int width) const
{
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&scratch);
    PainterCanvas canvas(p);
    SetCanvasFont(canvas, option.font, Qt::black);
    return MarkupTextHeightWrapped(canvas, kIndent, width, index.data(Qt::DisplayRole).toString().toStdString());
}

void TWrappedItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    const bool enabled = option.state & QStyle::State_Enabled;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    const QRect r = option.rect;
    painter->save();
    painter->fillRect(r, enabled ? pal.color(QPalette::Base) : pal.color(QPalette::Button));
    if (selected) painter->fillRect(r, pal.color(QPalette::Highlight));
    const QColor ink = !enabled ? pal.color(QPalette::Disabled, QPalette::Text)
                       : selected ? pal.color(QPalette::HighlightedText)
                                  : pal.color(QPalette::Text);
    {
        PainterCanvas canvas(*painter);
        SetCanvasFont(canvas, option.font, ink);
        const std::string text = index.data(Qt::DisplayRole).toString().toStdString();
        const int height = MarkupTextHeightWrapped(canvas, r.left() + kIndent, r.right(), text);
        int y = r.top() + (r.height() - height) / 2;
        MarkupTextOutWrapped(canvas, r.left() + kIndent, r.right(), text, y);
    }
    painter->restore();
}

QSize TWrappedItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int width = wrapWidth();
    const int height = width > kIndent ? textHeight(option, index, width - 1) + 2 * kIndent : itemHeight_;
    // No width of its own: the list keeps the combo's and the text wraps in it.
    return {1, std::max(itemHeight_, height)};
}

void SetWrappedItems(QComboBox* combo, int itemHeight)
{
    combo->setItemDelegate(new TWrappedItemDelegate(itemHeight, combo));
    // Rows of their own heights.
    if (auto* list = qobject_cast<QListView*>(combo->view())) list->setUniformItemSizes(false);
}

} // namespace orv
