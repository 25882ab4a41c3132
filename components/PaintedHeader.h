// A horizontal header whose captions its subclass paints: the style draws
// each section's face, the subclass the caption on it. Header only, so that
// the companion libraries, which link no part of the program, use it too.
#pragma once

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QPainter>
#include <QString>
#include <QStyle>
#include <QStyleOptionHeader>

namespace orv {

class TPaintedHeader : public QHeaderView {
public:
    explicit TPaintedHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    QString caption(int logicalIndex) const
    {
        return model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    }
    // Whether paintCaption draws this caption; the style draws the others whole.
    virtual bool paintsCaption(const QString&) const { return true; }
    // Draws the caption on the section's face; the painter is restored after it.
    virtual void paintCaption(QPainter& painter, const QRect& rect, const QString& caption) const = 0;

    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override
    {
        const QString text = caption(logicalIndex);
        if (!paintsCaption(text)) {
            QHeaderView::paintSection(painter, rect, logicalIndex);
            return;
        }
        QStyleOptionHeader opt;
        initStyleOption(&opt);
        opt.rect = rect;
        opt.section = logicalIndex;
        painter->save();
        style()->drawControl(QStyle::CE_HeaderSection, &opt, painter, this);
        paintCaption(*painter, rect, text);
        painter->restore();
    }
};

} // namespace orv
