#include "printing/PrinterSetup.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/DialogButtons.h"
#include "components/DialogRunner.h"
#include "components/WindowPlacement.h"
#include "printing/CurrentPrinter.h"

namespace orv {

bool ShowPrinterProperties(QWidget* parent)
{
    QPageSetupDialog dialog(&CurrentPrinter(), parent);
    dialog.setWindowTitle(QStringLiteral("Właściwości"));
    return RunModal(dialog) == QDialog::Accepted;
}

TPrinterSetupDlg::TPrinterSetupDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PrinterSetupDialog1"));
    setWindowTitle(QStringLiteral("Ustawienia drukarki"));
    startIndex_ = CurrentPrinterIndex();
    startLayout_ = CurrentPrinter().pageLayout();

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(PrinterEntries());
    ComboBox1->setCurrentIndex(startIndex_);
    auto* properties = new QPushButton(QStringLiteral("Właściwości"), this);
    properties->setObjectName(QStringLiteral("BitBtn1"));
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(ComboBox1, 1);
    printerRow->addWidget(properties);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Drukarka:"), printerRow);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(CreateDialogButtons(*this, {}, [this] {
                          SetCurrentPrinter(ComboBox1->currentIndex());
                          accept();
                      }).box);

    // The window manager's title bar shows the whole title.
    setMinimumWidth(WidthForTitle(*this));

    connect(properties, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TPrinterSetupDlg::BitBtn1Click()
{
    SetCurrentPrinter(ComboBox1->currentIndex());
    ShowPrinterProperties(this);
}

void TPrinterSetupDlg::reject()
{
    SetCurrentPrinter(startIndex_);
    CurrentPrinter().setPageLayout(startLayout_);
    QDialog::reject();
}

} // namespace orv
