// The program's current printer: the one the preview lays the pages out for
// and the print job prints on, chosen from the system's printers or the
// "PDF" entry, which writes a PDF file. One QPrinter for the whole run.
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

namespace orv {

constexpr const char* PdfPrinterEntry = "PDF";

// The current printer (made on first use: the system's default printer,
// else the "PDF" entry).
QPrinter& CurrentPrinter();

// The entries of the printer list: the system's printers as listed, then
// "PDF".
QStringList PrinterEntries();
// The text before " on " of a printer entry; the whole text without one.
QString ListedPrinterName(const QString& entry);

// Index of the current printer in PrinterEntries().
int CurrentPrinterIndex();
// Makes the entry with that index the current printer; false (nothing
// changed) for an index out of range.
bool SetCurrentPrinter(int index);
bool CurrentPrinterIsPdf();

} // namespace orv
