#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunStrings.h"

using namespace orv;

TEST(ReportLines, CheckColorEqualityHoldsAndNanFails)
{
    EXPECT_EQ(CheckColor(5, 5), clNavy);
    EXPECT_EQ(CheckColor(4, 5), clNavy);
    EXPECT_EQ(CheckColor(std::nextafter(5.0, 6.0), 5), clRed);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // a value that is no number never passes a condition
    EXPECT_EQ(CheckColor(nan, 5), clRed);
    EXPECT_EQ(CheckColor(5, nan), clRed);
    EXPECT_EQ(CheckColor(nan, nan), clRed);
}

TEST(ReportLines, CheckColorInfiniteValuesFail)
{
    const double inf = std::numeric_limits<double>::infinity();
    // an overflowed capacity or load meets no condition
    EXPECT_EQ(CheckColor(5, inf), clRed);
    EXPECT_EQ(CheckColor(-inf, 5), clRed);
    EXPECT_EQ(CheckColor(inf, inf), clRed);
}

TEST(ReportLines, FormatValueOfAnyDouble)
{
    SetDecimalSeparator(',');
    EXPECT_EQ(FormatValue(2, 298.6875), "298,69");
    EXPECT_EQ(FormatValue(1, -0.04), "0,0");
    EXPECT_EQ(FormatValue(2, 999999999999999.0), "999999999999999,00");
    // from 1e15 on the exponent form, with the decimals in the mantissa
    EXPECT_EQ(FormatValue(2, 1e15), "1,00E+15");
    EXPECT_EQ(FormatValue(3, -1.23456e300), "-1,235E+300");
    EXPECT_EQ(FormatValue(0, 1.7976931348623157e308), "2E+308");
    EXPECT_EQ(FormatValue(1, std::numeric_limits<double>::max()), "1,8E+308");
    // a value that is no number
    EXPECT_EQ(FormatValue(2, std::numeric_limits<double>::infinity()), "?");
    EXPECT_EQ(FormatValue(2, -std::numeric_limits<double>::infinity()), "?");
    EXPECT_EQ(FormatValue(2, std::numeric_limits<double>::quiet_NaN()), "?");
    SetDecimalSeparator('.');
    EXPECT_EQ(FormatValue(2, 1e20), "1.00E+20");
    SetDecimalSeparator(',');
}

TEST(ReportLines, RelationSign)
{
    EXPECT_EQ(RelationSign(0.0, -0.0), "  =  ");
    EXPECT_EQ(RelationSign(2, 1), "  >  ");
    EXPECT_EQ(RelationSign(1, 2), "  <  ");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(RelationSign(nan, 1), "  >  ");
    EXPECT_EQ(RelationSign(1, nan), "  >  ");
}

TEST(ReportLines, SplitAtDoubleAt)
{
    struct Row { const char* s; const char* before; const char* after; };
    const Row rows[] = {
        {"Grubość ściany @@ t = ", "Grubość ściany ", " t = "},
        {"a@@b@@c", "a", "b@@c"},          // first pair only
        {"a@b@@c", "a@b@@c", ""},          // a lone first at sign: no split
        {"abc@@", "abc", ""},
        {"abc@", "abc@", ""},
        {"@@x", "", "x"},
        {"", "", ""},
        {"plain", "plain", ""},
    };
    for (const Row& r : rows) {
        std::string b = "junk", a = "junk";
        SplitAtDoubleAt(r.s, b, a);
        EXPECT_EQ(b, r.before) << r.s;
        EXPECT_EQ(a, r.after) << r.s;
    }
}

TEST(ReportLines, EdgeSupportNameTable)
{
    // f free, h hinged, x fixed; top, bottom, left, right
    const char* table[12] = {"fhhh", "fhhx", "fhxx", "fxxx", "hhhh", "hhhx",
                             "hhxx", "hxxx", "xxxx", "hhhf", "hhxf", "hxxf"};
    for (int c = 0; c < 12; ++c)
        for (int e = 0; e < 4; ++e) {
            const char k = table[c][e];
            const char* expected = k == 'f' ? "swobodna" : k == 'h' ? "podparta przegubowo" : "utwierdzona";
            EXPECT_EQ(EdgeSupportName(c, e), expected) << c << " " << e;
        }
    EXPECT_EQ(EdgeSupportName(12, 0), "");
    EXPECT_EQ(EdgeSupportName(0, 4), "");
    EXPECT_EQ(EdgeSupportName(-1, 0), "");
    EXPECT_EQ(EdgeSupportName(3, -1), "");
}

TEST(ReportLines, ClearReportLinesResetsEveryLine)
{
    auto sheet = std::make_unique<TReportSheet>();
    sheet->Count = 77;
    for (int i = 1; i <= MaxReportLines; ++i) {
        sheet->Line(i).setText("x");
        sheet->Line(i).Color = clRed;
        sheet->Line(i).Flag = 2;
    }
    ClearReportLines(1, 2, 3, *sheet);
    EXPECT_EQ(sheet->Count, 0);
    for (int i = 1; i <= MaxReportLines; ++i) {
        const TReportLine& l = sheet->Line(i);
        EXPECT_EQ(l.X1, 1);
        EXPECT_EQ(l.X2, 2);
        EXPECT_EQ(l.X3, 3);
        EXPECT_EQ(l.Color, 0x80000012u);
        EXPECT_EQ(l.Flag, 0);
        EXPECT_EQ(l.text(), "");
    }
}

TEST(ReportLines, LineTextIsCutAt255Characters)
{
    TReportLine line;
    // 300 Polish letters: two UTF-8 bytes each, one byte each in the stored text
    std::string s;
    for (int i = 0; i < 300; ++i) s += "ą";
    line.setText(s);
    EXPECT_EQ(line.Text.length(), 255u);
    std::string expected;
    for (int i = 0; i < 255; ++i) expected += "ą";
    EXPECT_EQ(line.text(), expected);
}

TEST(ReportLines, SignedValueText)
{
    EXPECT_EQ(SignedValueText(2, -3.456), "(-) 3,46");
    EXPECT_EQ(SignedValueText(2, 3.456), "3,46");
    EXPECT_EQ(SignedValueText(2, 0.0), "0,00");
    EXPECT_EQ(SignedValueText(2, -0.0), "0,00");
}
