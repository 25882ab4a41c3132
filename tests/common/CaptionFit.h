// What of a shown window's text does not fit its widget: labels, buttons,
// group titles, tabs (and scroll arrows on a tab bar), list columns and
// their header captions. One line per fault, empty when all is whole.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QStringList>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeView>
#include <QWidget>

#include "components/MathLabel.h"

namespace orvtest {

inline QString Describe(const QWidget* w, const QString& text)
{
    return QStringLiteral("%1 \"%2\" (%3 px wide)").arg(w->objectName(), text).arg(w->width());
}

inline int LongestLine(const QFontMetrics& fm, const QString& text)
{
    int width = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) width = std::max(width, fm.horizontalAdvance(line));
    return width;
}

inline void CheckLabel(const QLabel* l, QStringList& cut)
{
    QString text = l->text();
    if (text.isEmpty()) return;
    const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    int need = 0, needHeight = 0;
    if (Qt::mightBeRichText(text) && l->textFormat() != Qt::PlainText) {
        QTextDocument doc;
        doc.setDefaultFont(l->font());
        doc.setHtml(text);
        doc.setDocumentMargin(0);
        if (l->wordWrap()) doc.setTextWidth(room.width());
        need = l->wordWrap() ? 0 : int(doc.idealWidth());
        needHeight = int(doc.size().height());
    } else {
        const QFontMetrics fm(l->font());
        if (l->wordWrap()) {
            needHeight = fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text).height();
        } else {
            need = LongestLine(fm, text);
            needHeight = fm.height();
        }
    }
    if (need > room.width() || needHeight > room.height())
        cut << Describe(l, text) + QStringLiteral(" needs %1 x %2").arg(need).arg(needHeight);
}

inline void CheckTabBar(const QTabBar* bar, QStringList& cut)
{
    for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
        if (arrow->isVisible()) cut << Describe(bar, QStringLiteral("scroll arrows"));
    const QFontMetrics fm(bar->font());
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i)) continue;
        const QRect r = bar->tabRect(i);
        if (!bar->rect().contains(r) || fm.horizontalAdvance(bar->tabText(i)) > r.width())
            cut << Describe(bar, bar->tabText(i)) + QStringLiteral(" tab %1 px").arg(r.width());
    }
}

// Every column as wide as its caption and its contents, and all of them in
// view without scrolling; a stretched last column of free text takes what
// the others leave and only its caption must fit.
inline void CheckColumns(const QAbstractItemView* view, const QHeaderView* header, QStringList& cut)
{
    const int columns = view->model() ? view->model()->columnCount(view->rootIndex()) : 0;
    int right = 0;
    for (int c = 0; c < columns; ++c) {
        if (header->isSectionHidden(c)) continue;
        const int width = header->sectionSize(c);
        const int caption = header->isHidden() ? 0 : header->sectionSizeHint(c);
        const bool rest = header->stretchLastSection() && header->visualIndex(c) == header->count() - 1;
        const int contents = rest ? 0 : view->sizeHintForColumn(c);
        if (width < caption || width < contents)
            cut << Describe(view, QStringLiteral("column %1").arg(c)) +
                       QStringLiteral(" %1 px, caption %2, contents %3").arg(width).arg(caption).arg(contents);
        right = std::max(right, header->sectionViewportPosition(c) + width);
    }
    if (right > view->viewport()->width())
        cut << Describe(view, QStringLiteral("columns")) +
                   QStringLiteral(" end at %1 of %2 px").arg(right).arg(view->viewport()->width());
}

inline QStringList CutCaptions(const QWidget& root)
{
    QStringList cut;
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (auto* l = qobject_cast<const QLabel*>(w)) {
            CheckLabel(l, cut);
        } else if (auto* m = qobject_cast<const orv::TMathLabel*>(w)) {
            if (m->width() < m->sizeHint().width() || m->height() < m->sizeHint().height())
                cut << Describe(m, m->caption());
        } else if (auto* tb = qobject_cast<const QToolButton*>(w)) {
            // Parts of other controls are placed by hand: their text must fit.
            if (!tb->text().isEmpty() && tb->toolButtonStyle() != Qt::ToolButtonIconOnly &&
                QFontMetrics(tb->font()).horizontalAdvance(tb->text()) > tb->width() - 2)
                cut << Describe(tb, tb->text());
        } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
            if (!b->text().isEmpty() && b->width() < b->sizeHint().width()) cut << Describe(b, b->text());
        } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
            if (!g->title().isEmpty() && g->width() < g->minimumSizeHint().width()) cut << Describe(g, g->title());
        } else if (auto* t = qobject_cast<const QTabBar*>(w)) {
            CheckTabBar(t, cut);
        } else if (auto* tree = qobject_cast<const QTreeView*>(w)) {
            CheckColumns(tree, tree->header(), cut);
        }
    }
    return cut;
}

// Every caption of the window whole, the cut ones named in the failure.
#define EXPECT_WHOLE(window)                                                         \
    do {                                                                             \
        const QStringList cut = orvtest::CutCaptions(window);                        \
        EXPECT_TRUE(cut.isEmpty()) << (window).objectName().toStdString() << ":\n  " \
                                   << cut.join(QStringLiteral("\n  ")).toStdString(); \
    } while (0)

// A picture of the window for the eye, into the test's output folder.
inline void SaveShot(QWidget& window, const QString& name)
{
    window.grab().save(QStringLiteral(ORV_SHOT_DIR "/") + name + QStringLiteral(".png"));
}

} // namespace orvtest
