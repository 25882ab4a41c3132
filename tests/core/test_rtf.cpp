#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>

#include "tests/core/support/RtfCheck.h"
#include "core/MyUtils.h"
#include "core/RtfUtils.h"
#include "tests/core/support/TestSupport.h"
#include "tests/core/support/CalcSupport.h"
#include "core/ZunCalc.h"
#include "core/ZunRtf.h"
#include "core/ZunStrings.h"

using namespace orv;

namespace {

std::vector<std::string> SplitCrLf(const std::string& s)
{
    std::vector<std::string> lines;
    std::size_t p = 0;
    while (p < s.size()) {
        const std::size_t e = s.find("\r\n", p);
        EXPECT_NE(e, std::string::npos) << "line without CR LF";
        if (e == std::string::npos) break;
        lines.push_back(s.substr(p, e - p));
        p = e + 2;
    }
    return lines;
}

} // namespace

TEST(MarkupToRtf, EdgeCaseTable)
{
    struct Row { const char* markup; const char* rtf; };
    const Row rows[] = {
        {"abc", "{\\f2 abc}"},
        {"", "{\\f2 }"},
        {"%Bbold%N plain", "{\\f2\\b bold}{\\f2  plain}"},
        {"x{y}", "{\\f2 x\\{y\\}}"},
        {"N%DSd%N = 5", "{\\f2 N}{\\sub Sd}{\\f2  = 5}"},
        {"%B%Ux", "{\\f2\\b\\ul x}"},
        {"%B5% %Nx", "{\\f2\\b 5% }{\\f2 x}"},
        {"%B50%", "{\\f2\\b 50%}"},
        {"50% of N", "{\\f2 50% of N}"},
        // the other codes, and a lower-case letter that is no code
        {"m%I2%N", "{\\f2 m}{\\super 2}{\\f2 }"},
        {"%G1%S®", "{\\f2\\super 1}{\\u8594?}"},
        // Symbol runs are Unicode escapes: Φ U+03A6, ρ U+03C1, γ U+03B3, and a
        // byte the Symbol font does not map stays as it is
        {"%SF%N%D1%N = 0,9", "{\\f2 \\u934?}{\\f2\\sub 1}{\\f2  = 0,9}"},
        {"%B%Srg1%N", "{\\f2\\b \\u961?\\u947?1}{\\f2 }"},
        {"%b", "{\\f2 %b}"},
        {"%%B", "{\\f2 %}{\\b }"},
        {"100%", "{\\f2 100%}"},
    };
    for (const Row& r : rows) EXPECT_EQ(MarkupToRtf(r.markup), r.rtf) << r.markup;
}

TEST(MarkupToRtf, PolishLettersBecomeCodePageEscapes)
{
    // ą 0xB9, ę 0xEA, Ł 0xA3, ś 0x9C, ż 0xBF in code page 1250
    EXPECT_EQ(MarkupToRtf("Łąka ęś ż"), "{\\f2 \\'a3\\'b9ka \\'ea\\'9c \\'bf}");
    // the multiplication dot of the formulas
    EXPECT_EQ(MarkupToRtf("A·f"), "{\\f2 A\\'b7f}");
}

TEST(MarkupToRtf, AValueKeepsItsUnitInTheEditor)
{
    // the no-break space between a value and its unit is RTF's own, which
    // an editor never breaks a line at
    EXPECT_EQ(MarkupToRtf("N%DSd%N = 369,06\u00a0kN/m"), "{\\f2 N}{\\sub Sd}{\\f2  = 369,06\\~kN/m}");
    EXPECT_EQ(MarkupToRtf("A = 0,3\u00a0m%I2%N"), "{\\f2 A = 0,3\\~m}{\\super 2}{\\f2 }");

    // the results of a basement wall as the results view and the editor get them
    SetDecimalSeparator(',');
    const auto in = orvtest::BasementWall();
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, *in, r), 0);
    std::ostringstream os;
    FillResultsRtf(true, *in, r, "Arial", 20, true, false, os);
    const std::string doc = os.str();
    EXPECT_NE(doc.find("\\~kN/m"), std::string::npos) << doc;
    EXPECT_EQ(doc.find(" kN"), std::string::npos) << doc;
    EXPECT_EQ(doc.find("\\'a0"), std::string::npos) << doc;
    const auto parsed = orvtest::ParseRtf(doc);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_NE(parsed.text.find("\u00a0kN/m"), std::string::npos) << parsed.text;
}

TEST(MarkupToRtf, UserTextCannotInjectRtf)
{
    // a name typed by the user: backslash and braces are escaped, codes still work
    const std::string rtf = MarkupToRtf("Ściana \\par}{\\b X %Bpogrubiona");
    EXPECT_EQ(rtf, "{\\f2 \\'8cciana \\\\par\\}\\{\\\\b X }{\\b pogrubiona}");
    const auto doc = orvtest::ParseRtf("{\\rtf1 " + rtf + "}");
    ASSERT_TRUE(doc.ok) << doc.error;
    EXPECT_EQ(doc.text, "Ściana \\par}{\\b X pogrubiona");
    for (const std::string& w : doc.controls) EXPECT_NE(w, "par");
}

TEST(RtfPieces, ByteToHexAndStreamLine)
{
    EXPECT_EQ(ByteToHex(10), "0a");
    EXPECT_EQ(ByteToHex(255), "ff");
    EXPECT_EQ(ByteToHex(0), "00");
    std::ostringstream os;
    WriteStreamLine(os, std::string("ab\0cd", 5));
    WriteStreamLine(os, "");
    EXPECT_EQ(os.str(), "ab\r\n\r\n");
}

TEST(RtfPieces, DocumentHead)
{
    std::ostringstream a, b;
    RtfHeader("Times New Roman", 20, a);
    RtfHeaderToStream("Times New Roman", 20, b);
    const std::string expected =
        "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deftab720{\\fonttbl{\\f0\\fnil MS Sans Serif;}"
        "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\froman\\fcharset238 Times New Roman;}}\r\n"
        "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}\r\n"
        "\\deflang1045\\pard\\plain\\f2\\fs20\\cf0 \r\n";
    EXPECT_EQ(a.str(), expected);
    EXPECT_EQ(b.str(), expected);
}

TEST(RtfPieces, PictureHexLayout)
{
    std::string png(100, '\0');
    for (int i = 0; i < 100; ++i) png[i] = static_cast<char>(i * 7);
    std::ostringstream os;
    MetafileToRtf(png, TPictureKind::Png, 10000, 5000, os);
    const auto lines = SplitCrLf(os.str());
    ASSERT_EQ(lines.size(), 4u);
    // 10000 x 0.5669476993 = 5669.48 -> 5669; 5000 -> 2834.74 -> 2835
    EXPECT_EQ(lines[0], "{\\pict\\pngblip\\picw10000\\pich5000\\picwgoal5669\\pichgoal2835");
    EXPECT_EQ(lines[1].size(), 78u);
    EXPECT_EQ(lines[2].size(), 78u);
    EXPECT_EQ(lines[3].size(), 45u);
    EXPECT_EQ(lines[3].back(), '}');
    EXPECT_EQ(lines[1].substr(0, 8), "00070e15");
    // bytes 78..99: 98 x 7 = 686 = 0x2ae -> ae, 99 x 7 = 693 = 0x2b5 -> b5
    EXPECT_EQ(lines[3].substr(40, 5), "aeb5}");
}

TEST(RtfPieces, PlaceableMetafileSkipsItsHeaderAndFullLinesEndWithABrace)
{
    // 22 header bytes and 78 data bytes: two full lines, then "}" alone
    std::string wmf(22, 'H');
    wmf += std::string(78, '\x01');
    std::ostringstream os;
    MetafileToRtf(wmf, TPictureKind::PlaceableWmf, 100, 100, os);
    const auto lines = SplitCrLf(os.str());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "{\\pict\\wmetafile8\\picw100\\pich100\\picwgoal57\\pichgoal57");
    for (int i = 1; i <= 2; ++i) {
        std::string expected;
        for (int k = 0; k < 39; ++k) expected += "01";
        EXPECT_EQ(lines[i], expected);
    }
    EXPECT_EQ(lines[3], "}");
    // a picture inside a document keeps the groups balanced
    const auto doc = orvtest::ParseRtf("{\\rtf1 " + os.str() + "}");
    EXPECT_TRUE(doc.ok) << doc.error;
}

TEST(ResultsRtf, NotRecalculated)
{
    auto in = orvtest::DefaultInput();
    TCalcResults r;
    std::ostringstream os;
    FillResultsRtf(false, *in, r, "Arial", 20, true, false, os);
    const auto lines = SplitCrLf(os.str());
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], "\\cf0 {\\f2 Nie wykonano oblicze\\'f1!}");
    EXPECT_EQ(lines[4], "\\par \\cf0 {\\f2 W celu uzyskania oblicze\\'f1 w\\'b3\\'b9cz ikon\\'ea \"}"
                        "{\\b Przeliczanie}{\\f2 \"}");
    EXPECT_EQ(lines[5], "\\par }");
    const auto doc = orvtest::ParseRtf(os.str());
    ASSERT_TRUE(doc.ok) << doc.error;
    EXPECT_EQ(doc.text, "Nie wykonano obliczeń!\nW celu uzyskania obliczeń włącz ikonę \"Przeliczanie\"\n");
}

TEST(ResultsRtf, CaseZeroLinesTabsAndColours)
{
    auto in = orvtest::LoadedDefaultWall();
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, *in, r), 0);

    std::ostringstream colored, plain;
    FillResultsRtf(true, *in, r, "Arial", 20, true, false, colored);
    FillResultsRtf(true, *in, r, "Arial", 20, false, false, plain);
    const auto c = SplitCrLf(colored.str());
    const auto p = SplitCrLf(plain.str());
    // head of three lines, the line of the small-section factor (A = 0.25 m2),
    // nine lines, the end
    ASSERT_EQ(c.size(), 14u);
    ASSERT_EQ(p.size(), 14u);
    EXPECT_EQ(c[3].rfind("\\tab \\cf0 "), 0u) << c[3];
    for (int i = 0; i < 9; ++i) {
        const std::string& line = c[4 + i];
        const bool heading = i % 3 == 0;
        const bool condition = i % 3 == 2;
        EXPECT_EQ(line.rfind(std::string("\\par ") + (heading ? "\\cf0 {" : "\\tab \\cf"), 0), 0u) << line;
        if (condition) {
            EXPECT_NE(line.find("\\cf1 "), std::string::npos) << line;
        }
        // without colour there is no colour word at all
        EXPECT_EQ(p[4 + i].find("\\cf"), std::string::npos) << p[4 + i];
    }
    EXPECT_EQ(c[4], "\\par \\cf0 {\\f2 Warunek no\\'9cno\\'9cci pod stropem:}");
    EXPECT_EQ(c[13], "\\par }");
}

// Results holding numbers that are no numbers (no check of the program
// leaves them): the document shows none of INF, NaN, and the verdict fails.
TEST(ResultsRtf, NoInfOrNanInTheDocument)
{
    auto in = orvtest::DefaultInput(ccColumn);
    TCalcResults r;
    r.A = 0.0625;
    r.f_d = std::numeric_limits<double>::quiet_NaN();
    r.N_1d = -std::numeric_limits<double>::infinity();
    r.N_1Rd_xy = 50;
    r.N_mRd_xy = std::numeric_limits<double>::infinity();
    r.N_2d = 1e308;
    r.N_2Rd_xy = 1e-300;
    std::ostringstream os;
    FillResultsRtf(true, *in, r, "Arial", 20, true, true, os);
    const std::string doc = os.str();
    for (const char* word : {"INF", "Inf", "inf", "NAN", "NaN", "nan"})
        EXPECT_EQ(doc.find(word), std::string::npos) << word << "\n" << doc;
    const auto parsed = orvtest::ParseRtf(doc);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_NE(orvtest::Shown(parsed.text).find("N1d = ? kN"), std::string::npos) << parsed.text;
    EXPECT_TRUE(IsCapacityExceeded(*in, r));
}

TEST(ResultsRtf, SecondColumnAndWarningMarks)
{
    TReportSheet sheet;
    ClearReportLines(2, 2, 3, sheet);
    sheet.Line(1).setText("Grubość ściany @@ t = 25,0 cm");
    sheet.Line(2).setText("N = 5");
    sheet.Line(2).Color = clRed;
    sheet.Line(2).X1 = 3;
    sheet.Line(3).X1 = 1;
    std::ostringstream os;
    ReportLineToRtf(sheet, 1, 3, 1, 2, 3, true, true, os);
    const auto lines = SplitCrLf(os.str());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "\\tab \\cf0 {\\f2 Grubo\\'9c\\'e6 \\'9cciany }\\tab {\\f2  t = 25,0 cm}");
    EXPECT_EQ(lines[1], "\\par \\tab \\tab \\cf2 {\\f2 N = 5}\\tab \\tab {\\f2\\b (!!!)}{\\f2 }");
    EXPECT_EQ(lines[2], "\\par \\cf0 {\\f2 }");
    std::ostringstream none;
    ReportLineToRtf(sheet, 3, 2, 1, 2, 3, true, true, none);
    EXPECT_EQ(none.str(), "");
}

TEST(ResultsRtf, WrittenFileIsReadBackWithPolishLetters)
{
    // the results of a failing wall: red lines must reach the document too
    auto in = orvtest::DefaultInput();
    in->Nod = 400;
    in->Nsld = 30;
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, *in, r), 0);
    orvtest::ScratchDir dir;
    const std::string name = dir.file("zun.rtf");
    {
        std::ofstream f(name, std::ios::binary);
        FillResultsRtf(true, *in, r, "Times New Roman", 24, true, true, f);
    }
    const std::string bytes = orvtest::ReadFileBytes(name);
    const auto doc = orvtest::ParseRtf(bytes);
    ASSERT_TRUE(doc.ok) << doc.error;
    EXPECT_NE(doc.text.find("Warunek nośności w strefie środkowej:"), std::string::npos);
    EXPECT_NE(doc.text.find("N1R,d = Φ1·A·fd = "), std::string::npos) << doc.text;
    EXPECT_NE(doc.text.find("(!!!)"), std::string::npos);
    int red = 0;
    for (const std::string& w : doc.controls) red += w == "cf2";
    EXPECT_EQ(red, 3);   // all three conditions fail with 430 kN
}

// The results view of a wall whose second concentrated load fails: its own
// condition line, in red, among the first load's.
TEST(ResultsRtf, EveryConcentratedLoadReachesTheDocument)
{
    SetDecimalSeparator(',');
    auto in = orvtest::DefaultInput(ccConcentratedLoad);
    in->LiczbaSilSkup = 2;
    in->Sily[0].NSd = 90;    // N_Rd = 93.532 (loads at 20 and 50 cm on the default wall)
    in->Sily[1].NSd = 100;   // N_Rd,2 = 1.3 x 0.05 x 1476.82 = 95.993: 104.2 %
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, *in, r), 0);
    std::ostringstream os;
    FillResultsRtf(true, *in, r, "Arial", 20, true, false, os);
    const std::string doc = os.str();
    const auto lines = SplitCrLf(doc);
    const auto second = std::find_if(lines.begin(), lines.end(),
                                     [](const std::string& l) { return l.find("Sd,2") != std::string::npos; });
    ASSERT_NE(second, lines.end()) << doc;
    EXPECT_NE(second->find("\\cf2 "), std::string::npos) << *second;
    const auto parsed = orvtest::ParseRtf(doc);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_NE(orvtest::Shown(parsed.text).find("100,00 kN"), std::string::npos) << parsed.text;
    EXPECT_NE(orvtest::Shown(parsed.text).find("95,99 kN     (104,2%)"), std::string::npos) << parsed.text;
    EXPECT_TRUE(IsCapacityExceeded(*in, r));
}

// A check refused before it ran (f_b 5000 MPa, error 50): the RTF of the
// input data and of the assumptions writes a dash for f_k and gamma_m, which
// were never computed, and the entered f_b as it stands; the results view
// names that f_b and no strength.
TEST(ResultsRtf, AValueNeverComputedIsADash)
{
    SetDecimalSeparator(',');
    auto in = orvtest::DefaultInput(ccConcentratedLoad);
    in->fb = 5000;
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, *in, r), ceInvalidInput);
    const auto sheetText = [&](void (*build)(int, int, int, const TCalcInput&, const TCalcResults&, TReportSheet&)) {
        auto sheet = std::make_unique<TReportSheet>();
        build(1, 2, 3, *in, r, *sheet);
        std::ostringstream os;
        RtfHeaderToStream("Arial", 20, os);
        ReportLineToRtf(*sheet, 1, sheet->Count, 1, 2, 3, true, false, os);
        WriteStreamLine(os, "\\par }");
        const auto doc = orvtest::ParseRtf(os.str());
        EXPECT_TRUE(doc.ok) << doc.error;
        return orvtest::Shown(doc.text);
    };
    const std::string input = sheetText(BuildInputReport);
    EXPECT_NE(input.find("na ściskanie fb = 5000,0 MPa\n"), std::string::npos) << input;
    EXPECT_NE(input.find("muru na ściskanie  fk = –\n"), std::string::npos) << input;
    EXPECT_EQ(input.find("0,00 MPa"), std::string::npos) << input;
    const std::string assumptions = sheetText(DesignSituationLines);
    EXPECT_NE(assumptions.find("dla muru \tγm = –\n"), std::string::npos) << assumptions;

    std::ostringstream results;
    FillResultsRtf(true, *in, r, "Arial", 20, true, false, results);
    const auto doc = orvtest::ParseRtf(results.str());
    ASSERT_TRUE(doc.ok) << doc.error;
    EXPECT_NE(orvtest::Shown(doc.text).find("fb = 5000,0 MPa\n"), std::string::npos) << doc.text;
    for (const char* symbol : {"fk", "fd", "γm"}) EXPECT_EQ(doc.text.find(symbol), std::string::npos) << symbol;
}
