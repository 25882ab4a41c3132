// Plays the user of the load-tables library's dialog: once the dialog is
// shown, notes what it opened with, types rows, band width and the
// both-sides choice, and confirms or cancels.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace orvtest {

struct TypedRow {
    std::string description;
    double quantity, value, gammaF;
};

struct LoadTableSession {
    std::vector<TypedRow> rows;   // typed after what the dialog opened with
    bool clearFirst = false;      // remove the rows it opened with
    double width = -1;            // typed band width, -1: left alone
    int both = -1;                // both wind sides: 0/1, -1 left alone
    bool confirm = true;
    // What the dialog opened with.
    bool shown = false;
    int openedRows = -1;
    double openedWidth = -1;
    bool hadWidth = false;
};

// Acts on the next modal dialog once it is shown.
inline void DriveNextLoadTable(LoadTableSession& s)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, &s] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) return;
        timer->stop();
        timer->deleteLater();
        s.shown = true;
        auto* table = w->findChild<QTableWidget*>(QStringLiteral("rows"));
        auto* width = w->findChild<QDoubleSpinBox*>(QStringLiteral("bandWidth"));
        auto* both = w->findChild<QCheckBox*>(QStringLiteral("bothSides"));
        s.openedRows = table ? table->rowCount() : -1;
        s.hadWidth = width != nullptr;
        if (width) s.openedWidth = width->value();
        if (table && s.clearFirst) table->setRowCount(0);
        auto* blank = w->findChild<QPushButton*>(QStringLiteral("blankRow"));
        for (const TypedRow& r : s.rows) {
            if (!table || !blank) break;
            blank->click();
            const int row = table->rowCount() - 1;
            table->item(row, 0)->setText(QString::fromStdString(r.description));
            table->item(row, 1)->setText(QString::number(r.quantity, 'g', 12));
            table->item(row, 2)->setText(QString::number(r.value, 'g', 12));
            table->item(row, 3)->setText(QString::number(r.gammaF, 'g', 12));
        }
        if (width && s.width >= 0) width->setValue(s.width);
        if (both && s.both >= 0) both->setChecked(s.both == 1);
        auto* button = w->findChild<QPushButton*>(s.confirm ? QStringLiteral("OKBtn")
                                                            : QStringLiteral("CancelBtn"));
        if (button) button->click();
    });
    timer->start();
}

} // namespace orvtest
