#include "printing/CurrentPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace orv {

namespace {

QStringList SystemPrinters() { return QPrinterInfo::availablePrinterNames(); }

void SelectEntry(QPrinter& printer, const QString& systemName)
{
    if (systemName.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        return;
    }
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(systemName);
    // a printer the system no longer knows falls back to a PDF file
    if (!printer.isValid()) printer.setOutputFormat(QPrinter::PdfFormat);
}

} // namespace

QPrinter& CurrentPrinter()
{
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        const QString name = QPrinterInfo::defaultPrinterName();
        SelectEntry(*p, SystemPrinters().contains(name) ? name : QString());
        return p;
    }();
    return *printer;
}

QString ListedPrinterName(const QString& entry)
{
    const int on = entry.indexOf(QStringLiteral(" on "));
    return on < 0 ? entry : entry.left(on);
}

QStringList PrinterEntries()
{
    QStringList entries;
    for (const QString& name : SystemPrinters()) entries << ListedPrinterName(name);
    entries << QString::fromLatin1(PdfPrinterEntry);
    return entries;
}

bool CurrentPrinterIsPdf() { return CurrentPrinter().outputFormat() == QPrinter::PdfFormat; }

int CurrentPrinterIndex()
{
    const QStringList system = SystemPrinters();
    if (!CurrentPrinterIsPdf()) {
        const int i = system.indexOf(CurrentPrinter().printerName());
        if (i >= 0) return i;
    }
    return int(system.size());
}

bool SetCurrentPrinter(int index)
{
    const QStringList system = SystemPrinters();
    if (index < 0 || index > system.size()) return false;
    SelectEntry(CurrentPrinter(), index < system.size() ? system[index] : QString());
    return true;
}

} // namespace orv
