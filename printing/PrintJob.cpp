#include "printing/PrintJob.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

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

namespace {

// The printer as a page sink: the first page starts the document, every
// further one asks keepGoing and starts a new page. After a refusal the
// pages go on into a scratch picture, thrown away, until the report stops.
class PrinterPageSink : public IReportPageSink {
public:
    PrinterPageSink(QPrinter& printer, const std::function<bool()>& keepGoing)
        : printer_(printer), keepGoing_(keepGoing)
    {
    }

    QPainter& beginPage() override
    {
        if (!failed_) {
            if (pages_ == 0) {
                if (!painter_.begin(&printer_)) failed_ = TPrintOutcome::BeginFailed;
            } else if (keepGoing_ && !keepGoing_()) {
                failed_ = TPrintOutcome::Cancelled;
            } else if (!printer_.newPage()) {
                failed_ = TPrintOutcome::NewPageFailed;
            }
        }
        ++pages_;
        if (failed_) {
            scratch_ = QPicture();
            scratchPainter_.begin(&scratch_);
            return scratchPainter_;
        }
        painter_.save();
        return painter_;
    }

    void endPage() override
    {
        if (scratchPainter_.isActive())
            scratchPainter_.end();
        else
            painter_.restore();
    }

    // The document as far as it went: finished, or aborted when it failed
    // or was stopped.
    TPrintOutcome finish(bool complete)
    {
        if (!painter_.isActive()) return failed_.value_or(TPrintOutcome::Cancelled);
        if (complete && !failed_) return painter_.end() ? TPrintOutcome::Printed : TPrintOutcome::EndFailed;
        printer_.abort();
        painter_.end();
        return failed_.value_or(TPrintOutcome::Cancelled);
    }

    bool failed() const { return failed_.has_value(); }
    std::optional<TPrintOutcome> failure() const { return failed_; }

private:
    QPrinter& printer_;
    const std::function<bool()>& keepGoing_;
    QPainter painter_;
    QPicture scratch_;
    QPainter scratchPainter_;
    std::optional<TPrintOutcome> failed_;
    int pages_ = 0;
};

} // namespace

TReportPrint PrintReport(QPrinter& printer, const TReportRequest& request, IElementSource& source,
                         const TReportOptions& options)
{
    // a PDF goes to a file beside its own and takes its name once complete
    const QString target = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    const QString partial =
        target.isEmpty() ? QString() : QStringLiteral("%1.%2.part").arg(target).arg(QCoreApplication::applicationPid());
    if (!partial.isEmpty()) printer.setOutputFileName(partial);

    PrinterPageSink sink(printer, options.keepGoing);
    TReportOptions rendering = options;
    rendering.keepGoing = [&] { return !sink.failed() && (!options.keepGoing || options.keepGoing()); };
    TReportPages layout;
    TReportPrint r;
    r.status = RenderReportPages(sink, layout, request, source, PageGeometryOf(printer), rendering);
    r.outcome = sink.finish(r.status == TReportStatus::Built);
    // a printer that failed leaves the report whole; a user's stop stops it
    if (sink.failure() == TPrintOutcome::Cancelled)
        r.status = TReportStatus::Stopped;
    else if (sink.failure())
        r.status = TReportStatus::Built;

    if (!partial.isEmpty()) {
        printer.setOutputFileName(target);
        if (r.outcome == TPrintOutcome::Printed) {
            // a replaced file keeps its permissions
            if (QFile::exists(target)) QFile::setPermissions(partial, QFile::permissions(target));
            QFile::remove(target);
            if (!QFile::rename(partial, target)) r.outcome = TPrintOutcome::EndFailed;
        }
        QFile::remove(partial);
    }
    return r;
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
    printer_->setDocName(QCoreApplication::applicationName());
    const TReportPrint printed = PrintReport(*printer_, request_, *source_, options_);
    reportStatus_ = printed.status;
    outcome_ = printed.outcome;
    running_ = false;
    if (reportStatus_ != TReportStatus::Built) {
        QDialog::reject();
        return;
    }
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
