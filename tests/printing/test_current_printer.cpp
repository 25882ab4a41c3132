// The printer list and the current printer: the "PDF" entry is always
// offered, and a system entry "device on port" is listed as the device.
#include <gtest/gtest.h>

#include <QPrinter>

#include "printing/CurrentPrinter.h"
#include "tests/common/QtTestApp.h"

using namespace orv;

TEST(CurrentPrinter, EntryNamesDropThePort)
{
    EXPECT_EQ(ListedPrinterName("HP LaserJet on LPT1:"), "HP LaserJet");
    EXPECT_EQ(ListedPrinterName("Biuro_HP"), "Biuro_HP");
    // only the first " on " ends the device's name
    EXPECT_EQ(ListedPrinterName("Kyocera on ne01: on serwer"), "Kyocera");
    EXPECT_EQ(ListedPrinterName("Lexmark onyx"), "Lexmark onyx");
}

TEST(CurrentPrinter, PdfEntryIsLastAndSelectable)
{
    orvtest::EnsureApp();
    const QStringList entries = PrinterEntries();
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_EQ(entries.back(), "PDF");
    const int before = CurrentPrinterIndex();
    ASSERT_GE(before, 0);
    ASSERT_LT(before, entries.size());

    ASSERT_TRUE(SetCurrentPrinter(int(entries.size()) - 1));
    EXPECT_TRUE(CurrentPrinterIsPdf());
    EXPECT_EQ(CurrentPrinter().outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(CurrentPrinterIndex(), entries.size() - 1);

    // out of range: the current printer stays
    EXPECT_FALSE(SetCurrentPrinter(-1));
    EXPECT_FALSE(SetCurrentPrinter(int(entries.size())));
    EXPECT_TRUE(CurrentPrinterIsPdf());
}
