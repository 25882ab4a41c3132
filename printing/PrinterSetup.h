// The printer set-up of the main window ("Ustawiania drukarki"): the choice
// of the current printer among the system's printers and the "PDF" entry,
// and the printer's properties (paper, orientation).
#pragma once

#include <QDialog>
#include <QPageLayout>

class QComboBox;
class QPushButton;

namespace orv {

// The properties of the current printer (paper size, orientation) in the
// page set-up dialog; true when confirmed, and the printer has them then.
bool ShowPrinterProperties(QWidget* parent);

class TPrinterSetupDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPrinterSetupDlg(QWidget* parent = nullptr);

    QComboBox* printerList() const { return ComboBox1; }

    // "Właściwości": the chosen printer becomes the current one and its
    // properties are shown.
    void BitBtn1Click();
    // "Anuluj" and closing: the printer and its page are as before.
    void reject() override;

private:
    QComboBox* ComboBox1 = nullptr;
    int startIndex_ = 0;
    QPageLayout startLayout_;
};

} // namespace orv
