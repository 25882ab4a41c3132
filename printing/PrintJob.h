// The print job: renders the report for the printer and sends the pages to
// it, in the small window "Drukowanie ...." whose "Przerwij" stops it.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "printing/ReportRenderer.h"

class QLabel;
class QPicture;
class QPrinter;
class QPushButton;
class QTimer;

namespace orv {

enum class TPrintOutcome {
    Printed,
    Cancelled,      // stopped between pages; the printer's job aborted
    BeginFailed,    // the printer did not start the document
    NewPageFailed,  // the printer did not start a further page
    EndFailed,      // the printer did not finish the document
};

// Sends the pages to the printer, each with its printable origin at the
// printer's (0, 0). keepGoing (when given) is asked before every page but
// the first; false cancels the job. A document without pages is still
// opened and closed.
TPrintOutcome PrintReportPages(QPrinter& printer, const std::vector<QPicture>& pages,
                               const std::function<bool()>& keepGoing = {});

// Lays the report out and prints each page as it is laid out, holding no
// page but the one drawn. options.keepGoing is asked after each element and
// before every page but the first; false stops the report (Stopped,
// Cancelled). A PDF file is written beside its name and takes it only when
// complete: a stopped or failed job leaves the file that was there. On a
// printer failure the report is Built and the outcome the failure.
struct TReportPrint {
    TReportStatus status = TReportStatus::Built;
    TPrintOutcome outcome = TPrintOutcome::Printed;
};
TReportPrint PrintReport(QPrinter& printer, const TReportRequest& request, IElementSource& source,
                         const TReportOptions& options = {});

// The message of a printer failure (nothing for Printed and Cancelled).
void ShowPrintFailure(TPrintOutcome outcome, const std::string& printerName);

// The name the job window and its messages give the printer: its own, or
// "PDF" for a PDF file.
std::string PrinterDisplayName(const QPrinter& printer);

class TWydrukCalc : public QDialog {
    Q_OBJECT
public:
    explicit TWydrukCalc(QWidget* parent = nullptr);

    // What to print and where; the printer and the source must outlive the
    // showing. The document name is shown in the window ("NowyProjekt" for a
    // project never saved); the page headers name the report by request's
    // document name.
    void setJob(QPrinter* printer, IElementSource* source, const TReportRequest& request,
                const std::string& documentName);
    void setLibraryFolder(const std::string& folder) { options_.libraryFolder = folder; }
    // Wait between showing and starting (1.5 s).
    void setStartDelay(int ms) { startDelay_ = ms; }

    // Of the last showing.
    TReportStatus reportStatus() const { return reportStatus_; }
    TPrintOutcome outcome() const { return outcome_; }
    bool started() const { return started_; }

    QLabel* label() const { return Label1; }
    QLabel* info() const { return Info; }
    QPushButton* cancelButton() const { return CancelBtn; }

    // "Przerwij", Escape or closing: a job not started yet never starts; a
    // running one stops before its next page (the printer's job aborted).
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void Timer1Timer();
    void CancelBtnClick();
    bool keepGoing();

    QLabel* Label1 = nullptr;
    QLabel* Info = nullptr;
    QPushButton* CancelBtn = nullptr;
    QTimer* Timer1 = nullptr;

    QPrinter* printer_ = nullptr;
    IElementSource* source_ = nullptr;
    TReportRequest request_;
    std::string documentName_;
    TReportOptions options_;
    int startDelay_ = 1500;
    bool running_ = false;
    bool cancelled_ = false;
    bool started_ = false;
    TReportStatus reportStatus_ = TReportStatus::Built;
    TPrintOutcome outcome_ = TPrintOutcome::Printed;
};

} // namespace orv
