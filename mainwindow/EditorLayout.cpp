#include "mainwindow/EditorLayout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace orv::editorui {

QVBoxLayout* Column(QWidget* w)
{
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(4);
    return v;
}

QHBoxLayout* Line(QWidget* w)
{
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(6);
    return h;
}

QWidget* Scrolled(QWidget* page)
{
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

QWidget* AroundBook(QStackedWidget* book)
{
    auto* page = new QWidget;
    QVBoxLayout* v = Column(page);
    v->addWidget(book);
    return page;
}

QWidget* InLine(std::initializer_list<QWidget*> widgets)
{
    auto* line = new QWidget;
    QHBoxLayout* h = Line(line);
    for (QWidget* w : widgets) h->addWidget(w);
    h->addStretch(1);
    return line;
}

QWidget* BookPage(std::initializer_list<QWidget*> groups)
{
    auto* page = new QWidget;
    QVBoxLayout* v = Column(page);
    v->setContentsMargins(0, 0, 0, 0);
    for (QWidget* group : groups) v->addWidget(group);
    v->addStretch(1);
    return page;
}

void SetButtonState(QAbstractButton* b, bool checked)
{
    const bool exclusive = b->autoExclusive();
    b->setAutoExclusive(false);
    b->setChecked(checked);
    b->setAutoExclusive(exclusive);
}

void SetComboItems(QComboBox* combo, const QStringList& items)
{
    QStringList now;
    for (int i = 0; i < combo->count(); ++i) now << combo->itemText(i);
    if (now == items) return;
    combo->clear();
    combo->addItems(items);
}

void SetComboIndex(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

} // namespace orv::editorui
