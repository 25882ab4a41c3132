// The calculation trace is built only for a reader: without one a check
// gives the same error, results and report and leaves the lines empty; with
// one the lines read as the formatting helpers write their numbers; the
// session builds the trace of the current element only while it is read.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "core/TraceLines.h"
#include "core/ZunCalc.h"
#include "core/ZunRtf.h"
#include "core/ZunStrings.h"
#include "tests/core/support/CalcSupport.h"
#include "tests/core/support/ReportDump.h"
#include "tools/ExampleProjects.h"

using namespace orv;

namespace {

class TraceReader : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
    }
    void TearDown() override { SetDecimalSeparator(oldSep_); }

private:
    char oldSep_ = '.';
};

// What a user sees of a calculation besides its trace: the error, the
// verdict, the decisive scheme and the results report line by line.
std::vector<std::string> Outcome(const TCalcInput& in, const TCalcResults& r, u8 error)
{
    std::vector<std::string> out{"error " + std::to_string(error),
                                 IsCapacityExceeded(in, r) ? "exceeded" : "met", r.SchemeName};
    if (in.Case >= CalcCaseCount) return out;
    auto sheet = std::make_unique<TReportSheet>();
    BuildResultsReport(1, 2, 3, in, r, *sheet);
    for (int n = 1; n <= sheet->Count; ++n) out.push_back(orvtest::PlainSheetLine(*sheet, n, 1));
    return out;
}

// The elements of the examples (every case) and inputs that stop with an
// error line in each place that writes one.
std::vector<std::unique_ptr<TCalcInput>> Inputs()
{
    std::vector<std::unique_ptr<TCalcInput>> inputs;
    for (const TProjectElement& e : VariedExampleElements(12)) inputs.push_back(std::make_unique<TCalcInput>(e.Input));
    auto add = [&inputs](int calcCase, auto change) {
        auto in = orvtest::DefaultInput(calcCase);
        change(*in);
        inputs.push_back(std::move(in));
    };
    add(1, [](TCalcInput&) {});                         // continuous model without joint data: error 12
    add(1, [](TCalcInput& in) {                         // sigma_cd below 0.25 MPa: error 20
        in.J3 = in.J6 = in.J4 = in.J7 = 28125;
        in.E3 = in.E6 = in.E4 = in.E7 = 29;
        in.l3 = in.l6 = in.l4 = in.l7 = 450;
    });
    add(0, [](TCalcInput& in) { in.h = 900; });         // h_eff/t above the limit: error 25
    add(0, [](TCalcInput& in) { in.RodzajZaprawy = mtLightweight; in.RodzajElementuM = mkSilicate1; }); // no K
    add(4, [](TCalcInput& in) { in.h = 300; });         // above Annex A's height
    add(5, [](TCalcInput& in) { in.h = 900; in.t = 25; in.t2 = 25; });  // slender pier
    add(2, [](TCalcInput& in) {                         // plate out of the tables: error 35
        in.l = 100;
        in.h = 600;
        in.SchematScianyTyp = 2;
        in.SchematPlytySciany = 8;
        in.wd_kNm2 = 0.5;
    });
    add(3, [](TCalcInput& in) { in.LiczbaSilSkup = 3; });
    add(6, [](TCalcInput&) {});                         // no such case: error 38
    return inputs;
}

} // namespace

TEST_F(TraceReader, WithoutAReaderTheResultsAreTheSameAndNoLineIsWritten)
{
    TTraceLines unread;
    unread.setRead(false);
    TTraceLines reused; // read, unread and read again: its buffers kept between
    for (const auto& in : Inputs()) {
        SCOPED_TRACE("case " + std::to_string(in->Case) + ", h = " + std::to_string(in->h));
        TTraceLines read;
        TCalcResults rRead, rUnread, rReused;
        const u8 eRead = CalcElement(read, *in, rRead);
        const u8 eUnread = CalcElement(unread, *in, rUnread);
        EXPECT_TRUE(unread.empty());
        EXPECT_EQ(Outcome(*in, rUnread, eUnread), Outcome(*in, rRead, eRead));
        EXPECT_FALSE(read.empty());

        reused.setRead(false);
        CalcElement(reused, *in, rReused);
        EXPECT_TRUE(reused.empty());
        reused.setRead(true);
        CalcElement(reused, *in, rReused);
        EXPECT_TRUE(reused == read);
    }
}

TEST_F(TraceReader, ErrorsStopTheCheckAtTheSamePlaceWithOrWithoutAReader)
{
    // The error numbers the inputs above were made for, in order after the
    // twelve example elements (which all pass).
    const std::vector<int> expected = {12, 20, 25, ceNoCoefficientK, ceAnnexHeight, ceColumnSlendernessX, 35, 0,
                                       ceUnknownCase};
    const auto inputs = Inputs();
    ASSERT_EQ(inputs.size(), 12 + expected.size());
    TTraceLines unread;
    unread.setRead(false);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        TCalcResults r;
        const int error = CalcElement(unread, *inputs[i], r);
        EXPECT_EQ(error, i < 12 ? 0 : expected[i - 12]) << "input " << i;
    }
}

TEST_F(TraceReader, LinePiecesReadAsTheFormattingHelpersWriteThem)
{
    TTraceLines lines;
    lines.add("N_1d = ", Val(2, 150.005), " kN");        // 150.005 -> 15 digits 150.005000000000 -> up
    lines.add("e = ", Val(1, -0.04), " cm");             // rounds to zero: no "-0"
    lines.add("Kombinacja nr ", 16, " (", std::string("stałe"), '+', "p3):");
    lines.add("x = ", Val(3, std::numeric_limits<double>::quiet_NaN()));
    lines.add("M = ", Val(2, -1e300));
    lines.add("h_eff/t = ", Val(3, 12.3456), "< ", Val(0, 18.0));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "N_1d = 150,01 kN");
    EXPECT_EQ(lines[1], "e = 0,0 cm");
    EXPECT_EQ(lines[2], "Kombinacja nr 16 (stałe+p3):");
    EXPECT_EQ(lines[3], "x = ?");
    EXPECT_EQ(lines[4], "M = -1,00E+300");
    EXPECT_EQ(lines[5], "h_eff/t = 12,346< 18");
    // The same numbers as the report's helper writes them.
    EXPECT_EQ(lines[0], "N_1d = " + FormatValue(2, 150.005) + " kN");
    EXPECT_EQ(lines[4], "M = " + FormatValue(2, -1e300));

    // Numbers appended to a text keep the text and read as on their own.
    for (double v : {0.0, 0.5, 2.675, -2.675, 1234.5678, 999.9995, 1e14 + 0.25, -7.0e-7}) {
        for (int d = 0; d <= 6; ++d) {
            std::string s = "a = ";
            AppendFixed(s, d, v);
            EXPECT_EQ(s, "a = " + FormatFixed(d, v)) << v << " " << d;
        }
    }
    EXPECT_EQ(FormatFixed(2, 2.675), "2,68");   // 15 digits first: 2.67500000000000
    EXPECT_EQ(FormatFixed(3, 999.9995), "1000,000");

    // An unread trace takes no line, not even an empty one.
    lines.setRead(false);
    EXPECT_TRUE(lines.empty());
    lines.add("ignored ", Val(1, 1.0));
    lines.push_back("ignored");
    lines.emplace_back();
    EXPECT_TRUE(lines.empty());
}

// A number of a trace line reads as the report's helper writes it, for
// every kind of double: halves, the edge of the exponent form, subnormals,
// the largest values and no number at all.
TEST_F(TraceReader, NumbersReadAsFormatValueWritesThem)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {0.0, -0.0, 0.125, 0.375, -0.125, 2.5, -2.5, 2.675, 1.005, 150.005, -0.04,
                             999.9995, 1e14 + 0.25, 999999999999999.4, 999999999999999.5, -999999999999999.9,
                             1e15, -1e15, 1.5e15, 1e300, -1e300, std::numeric_limits<double>::max(), 1e-310,
                             -1e-310, std::numeric_limits<double>::denorm_min(), 7.0e-7, inf, -inf,
                             std::numeric_limits<double>::quiet_NaN()};
    TTraceLines lines;
    for (double v : values) {
        for (int d : {0, 1, 2, 3, 6, 18}) {
            lines.clear();
            lines.add("x = ", Val(d, v), " kN");
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0], "x = " + FormatValue(d, v) + " kN") << v << " /" << d;
        }
    }
    // The helper's own rule: fixed below 1e15, the exponent form from there, "?" for no number.
    EXPECT_EQ(FormatValue(0, 999999999999999.5), "1000000000000000");
    EXPECT_EQ(FormatValue(18, -999999999999999.9), "-1000000000000000," + std::string(18, '0'));
    EXPECT_EQ(FormatValue(2, 1e15), "1,00E+15");
    EXPECT_EQ(FormatValue(2, 1e-310), "0,00");
    EXPECT_EQ(FormatValue(2, -inf), "?");
    EXPECT_EQ(FormatValue(2, 0.125), "0,13");
}

// The lines share one buffer: lines written after it grows, after a clear
// and in a copy read back as written, empty lines included.
TEST_F(TraceReader, LinesReadBackAsWrittenAcrossGrowthClearAndCopy)
{
    auto expectedLine = [](int i) {
        if (i % 7 == 3) return std::string();
        return "Linia " + std::to_string(i) + " = " + FormatValue(3, i * 1.0005) + std::string(i % 50, 'x');
    };
    TTraceLines lines;
    for (int round = 0; round < 2; ++round) {
        lines.clear();
        for (int i = 0; i < 3000; ++i) {
            if (i % 7 == 3) lines.emplace_back();
            else lines.add("Linia ", i, " = ", Val(3, i * 1.0005), std::string(i % 50, 'x'));
        }
        ASSERT_EQ(lines.size(), 3000u);
        for (int i = 0; i < 3000; ++i) ASSERT_EQ(lines[i], expectedLine(i)) << "round " << round;
    }
    // A line longer than everything written so far.
    const std::string longLine(100000, 'L');
    lines.push_back(longLine);
    EXPECT_EQ(lines.back(), longLine);
    EXPECT_EQ(lines[2999], expectedLine(2999));

    const TTraceLines copy = lines;
    EXPECT_TRUE(copy == lines);
    EXPECT_EQ(copy.size(), 3001u);
    EXPECT_EQ(copy.end() - copy.begin(), 3001);
    EXPECT_EQ(*(copy.end() - 2), expectedLine(2999));
    EXPECT_EQ(TTraceLines(copy.begin() + 3, copy.begin() + 5), (TTraceLines{"", expectedLine(4)}));
    lines.clear();
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(copy.front(), expectedLine(0)); // the copy keeps its own text

    // Moved: the lines go along, and the emptied trace takes new ones.
    TTraceLines moved = std::move(lines = copy);
    EXPECT_TRUE(moved == copy);
    EXPECT_TRUE(lines.empty());
    lines.add("Po przeniesieniu ", Val(2, 1.005));
    EXPECT_TRUE(lines == TTraceLines{"Po przeniesieniu 1,01"});
    moved = std::move(lines);
    EXPECT_TRUE(moved == TTraceLines{"Po przeniesieniu 1,01"});
}

TEST_F(TraceReader, TheSessionBuildsTheTraceOfTheCurrentElementOnlyWhileRead)
{
    auto traceOf = [](const TCalcInput& in) {
        TTraceLines lines;
        TCalcResults r;
        CalcElement(lines, in, r);
        return lines;
    };
    ProjectSession s;
    EXPECT_FALSE(s.traceRead());
    EXPECT_TRUE(s.trace().empty());
    const double area = s.results().A;
    ASSERT_NEAR(area, 0.27 * 1.30, 1e-12);  // calculated all the same

    // The trace window opens: the current element's trace at once, results as they were.
    s.setTraceRead(true);
    EXPECT_TRUE(s.trace() == traceOf(s.current().Input));
    EXPECT_FALSE(s.trace().empty());
    EXPECT_EQ(s.results().A, area);

    // An edit while it is read: the new trace.
    s.editCurrent([](TProjectElement& e) { e.Input.t = 38.0; });
    EXPECT_TRUE(s.trace() == traceOf(s.current().Input));
    const TTraceLines shown = s.trace();
    // Printing another element leaves it.
    s.addElement("Słup", "", ccColumn);
    s.setCurrent(0);
    TCalcResults r;
    ASSERT_TRUE(s.CalculateElement(1, r));
    EXPECT_TRUE(s.trace() == shown);

    // Closed: no trace, also after an edit.
    s.setTraceRead(false);
    EXPECT_TRUE(s.trace().empty());
    s.editCurrent([](TProjectElement& e) { e.Input.t = 25.0; });
    EXPECT_TRUE(s.trace().empty());
    EXPECT_NEAR(s.results().A, 0.25 * 1.30, 1e-12);

    // Opened with the recalculation off: nothing is calculated for it.
    s.setRecalculation(false);
    s.setTraceRead(true);
    EXPECT_TRUE(s.trace().empty());
    s.setRecalculation(true);
    EXPECT_TRUE(s.trace() == traceOf(s.current().Input));
}
