// Owner-drawn items of a combo's drop-down list: each item's text word-wrapped between the
// item's left edge + 2 and its right edge and centred in the item's height,
// on the window colour (the face colour when disabled, the highlight when
// selected). Items are at least a given height and never lower than their
// wrapped text.
#pragma once

#include <QStyledItemDelegate>

class QComboBox;

namespace orv {

class TWrappedItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The items of the combo's drop-down list.
    TWrappedItemDelegate(int itemHeight, QComboBox* combo);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The wrapped height of the item's text within the width.
    int textHeight(const QStyleOptionViewItem& option, const QModelIndex& index, int width) const;

private:
    int wrapWidth() const;
    int itemHeight_;
    QComboBox* combo_;
};

// Gives the drop-down list of the combo word-wrapped items of at least
// itemHeight pixels.
void SetWrappedItems(QComboBox* combo, int itemHeight);

} // namespace orv
