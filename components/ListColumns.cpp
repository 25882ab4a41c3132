#include "components/ListColumns.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTreeView>

#include <algorithm>

#include "components/WindowPlacement.h"

namespace orv {

void FitColumnsToContents(QTreeView& view)
{
    QHeaderView* header = view.header();
    header->setSectionResizeMode(QHeaderView::Interactive);
    const int last = header->count() - 1;
    for (int c = 0; c < header->count(); ++c) {
        if (header->stretchLastSection() && header->visualIndex(c) == last)
            header->resizeSection(c, std::max(header->sectionSizeHint(c), header->minimumSectionSize()));
        else
            view.resizeColumnToContents(c);
    }
}

int WidthForColumns(const QTreeView& view, int restWidth)
{
    const QHeaderView* header = view.header();
    int width = 0;
    for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c)) continue;
        const int caption = header->isHidden() ? 0 : header->sectionSizeHint(c);
        // A stretched last column takes the rest: its caption is enough.
        const bool rest = header->stretchLastSection() && header->visualIndex(c) == header->count() - 1;
        const int contents = rest ? 0 : static_cast<const QAbstractItemView&>(view).sizeHintForColumn(c);
        width += std::max({rest ? std::max(header->minimumSectionSize(), restWidth) : header->sectionSize(c), caption, contents});
    }
    return width + 2 * view.frameWidth() + view.verticalScrollBar()->sizeHint().width();
}

void WidenForColumns(QWidget& window, const QTreeView& view, int restWidth)
{
    // What the window holds besides the view, as its layout wants it.
    const int besides = window.sizeHint().width() - view.sizeHint().width();
    int width = std::max(window.width(), besides + WidthForColumns(view, restWidth));
    const QRect frame = window.frameGeometry();
    const TScreenArea area = AvailableScreenArea(frame.center().x(), frame.center().y());
    if (area.Width > 0) width = std::min(width, area.Width - (frame.width() - window.width()));
    window.resize(width, window.height());
}

namespace {

class TColumnFill : public QObject {
public:
    TColumnFill(QTreeView& view, int column) : QObject(&view), view_(view), column_(column)
    {
        view.viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && watched == view_.viewport()) {
            QHeaderView* header = view_.header();
            int others = 0;
            for (int c = 0; c < header->count(); ++c)
                if (c != column_ && !header->isSectionHidden(c)) others += header->sectionSize(c);
            const int room = view_.viewport()->width() - others;
            if (header->sectionSize(column_) < room) header->resizeSection(column_, room);
        }
        return false;
    }

private:
    QTreeView& view_;
    int column_;
};

} // namespace

void FillRoomWithColumn(QTreeView& view, int column)
{
    new TColumnFill(view, column);
}

} // namespace orv
