#include "printing/PrintJob.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/MessageService.h"

namespace orv {

TPrintOutcome PrintReportPages(QPrinter& printer, const std::vector<QPicture>& pages,
                               const std::function<bool()>& keepGoing)
{
    QPainter painter;
    if (!painter.begin(&printer)) return TPrintOutcome::BeginFailed;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            if (keepGoing && !keepGoing()) {
                printer.abort();
                painter.end();
                return TPrintOutcome::Cancelled;
            }
            if (!printer.newPage()) {
                printer.abort();
                painter.end();
                return TPrintOutcome::NewPageFailed;
            }
        }
        DrawReportPage(painter, pages[i]);
    }
    return painter.end() ? TPrintOutcome::Printed : TPrintOutcome::EndFailed;
}

std::string PrinterDisplayName(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) return "PDF";
    return printer.printerName().toStdString();
}

void ShowPrintFailure(TPrintOutcome outcome, const std::string& printerName)
{
    const std::string printer = "Drukarka \"" + printerName + "\"";
    switch (outcome) {
    case TPrintOutcome::BeginFailed:
        ShowMessageDialog("Nie można rozpocząć wydruku!", printer + " nie przyjęła wydruku.", mdError, mbOK, 0);
        break;
    case TPrintOutcome::NewPageFailed:
        ShowMessageDialog("Nie można kontynuować wydruku!", printer + " nie przyjęła kolejnej strony.", mdError,
                          mbOK, 0);
        break;
    case TPrintOutcome::EndFailed:
        ShowMessageDialog("Nie można zakończyć wydruku!", printer + " nie przyjęła końca wydruku.", mdError, mbOK,
                          0);
        break;
    case TPrintOutcome::Printed:
    case TPrintOutcome::Cancelled: break;
    }
}

TWydrukCalc::TWydrukCalc(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Drukowanie ...."));
    setModal(true);
    Label1 = new QLabel(this);
    Info = new QLabel(this);
    CancelBtn = new QPushButton(QStringLiteral("Przerwij"), this);
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelBtn);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Info);
    layout->addLayout(buttons);

    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
}

void TWydrukCalc::setJob(QPrinter* printer, IElementSource* source, const TReportRequest& request,
                         const std::string& documentName)
{
    printer_ = printer;
    source_ = source;
    request_ = request;
    documentName_ = documentName;
}

void TWydrukCalc::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TWydrukCalc::FormShow()
{
    cancelled_ = false;
    started_ = false;
    reportStatus_ = TReportStatus::Built;
    outcome_ = TPrintOutcome::Printed;
    const std::string printer = printer_ ? PrinterDisplayName(*printer_) : std::string();
    Info->setText(QString::fromStdString("na \"" + printer + "\""));
    Label1->setText(QString::fromStdString("Wydruk projektu " + documentName_));
    // the job starts a moment after the window is on screen
    Timer1->start(startDelay_);
}

bool TWydrukCalc::keepGoing()
{
    QCoreApplication::processEvents();
    return !cancelled_;
}

void TWydrukCalc::Timer1Timer()
{
    if (running_ || !printer_ || !source_) return;
    running_ = true;
    started_ = true;
    options_.keepGoing = [this] { return keepGoing(); };
    TReportPages pages;
    reportStatus_ = BuildReportPages(pages, request_, *source_, PageGeometryOf(*printer_), options_);
    if (reportStatus_ != TReportStatus::Built) {
        running_ = false;
        QDialog::reject();
        return;
    }
    printer_->setDocName(QCoreApplication::applicationName());
    outcome_ = PrintReportPages(*printer_, pages.pages, [this] { return keepGoing(); });
    running_ = false;
    switch (outcome_) {
    case TPrintOutcome::Printed: accept(); break;
    case TPrintOutcome::Cancelled: QDialog::reject(); break;
    default:
        // the window stays open until "Przerwij" closes it
        ShowPrintFailure(outcome_, PrinterDisplayName(*printer_));
        break;
    }
}

void TWydrukCalc::CancelBtnClick() { reject(); }

void TWydrukCalc::reject()
{
    Timer1->stop();  // a job that has not started never starts
    cancelled_ = true;
    // a running job stops at its next page and closes the window itself
    if (!running_) QDialog::reject();
}

} // namespace orv
