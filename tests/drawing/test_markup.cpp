#include <gtest/gtest.h>

#include "core/Cp1250.h"
#include "drawing/MarkupHtml.h"
#include "tests/common/QtTestApp.h"
#include "drawing/MarkupText.h"
#include "tests/drawing/support/RecordingCanvas.h"

using namespace orv;
using test::DrawOp;
using test::RecordingCanvas;

namespace {
// Each character 7 pixels wide, like the recording canvas's normal face.
int FakeWidth(const std::string& s) { return 7 * test::CharCount(s); }

void ExpectText(const DrawOp& op, const std::string& text, int x, int y)
{
    EXPECT_EQ(op.text, text);
    EXPECT_EQ(op.points[0].X, x) << text;
    EXPECT_EQ(op.points[0].Y, y) << text;
}
} // namespace

TEST(MarkupScan, RunsCodesAndOrdinaryPercentSigns)
{
    auto t = ScanMarkup("N%D0d%N");
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].text, "N");
    EXPECT_EQ(t[1].code, 'D');
    EXPECT_EQ(t[2].text, "0d");
    EXPECT_EQ(t[3].code, 'N');
    EXPECT_TRUE(t[4].last);
    EXPECT_EQ(t[4].text, "");

    t = ScanMarkup("100% sure");  // no code: the "%" stays in the run
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "100%");
    EXPECT_EQ(t[1].text, " sure");

    t = ScanMarkup("%%Bx");  // one "%" drawn, then bold
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].text, "%");
    EXPECT_EQ(t[1].text, "");
    EXPECT_EQ(t[2].code, 'B');
    EXPECT_EQ(t[3].text, "x");

    t = ScanMarkup("ab%");  // a "%" at the very end is drawn
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "ab%");
    EXPECT_EQ(t[1].text, "");
}

TEST(MarkupScan, SymbolRunsBecomeUnicode)
{
    EXPECT_EQ(SymbolTextToUnicode("a"), "α");
    EXPECT_EQ(SymbolTextToUnicode("s"), "σ");
    EXPECT_EQ(SymbolTextToUnicode("F"), "Φ");
    EXPECT_EQ(SymbolTextToUnicode("DW"), "ΔΩ");
    EXPECT_EQ(SymbolTextToUnicode("l1"), "λ1");
    // high bytes arrive as their Windows-1250 characters
    EXPECT_EQ(SymbolTextToUnicode("®"), "→");   // 0xAE
    EXPECT_EQ(SymbolTextToUnicode("¬"), "←");   // 0xAC
    EXPECT_EQ(SymbolTextToUnicode("Ł"), "≤");   // 0xA3
    EXPECT_EQ(SymbolTextToUnicode("ł"), "≥");   // 0xB3
    EXPECT_EQ(SymbolTextToUnicode("´"), "×");   // 0xB4
    EXPECT_EQ(SymbolTextToUnicode("°"), "°");   // 0xB0
    EXPECT_EQ(SymbolTextToUnicode("ą"), "≠");   // 0xB9
    EXPECT_EQ(SymbolTextToUnicode("»"), "≈");   // 0xBB
    EXPECT_EQ(SymbolTextToUnicode("α?"), "α?");  // no single-byte form: kept
    EXPECT_EQ(SymbolCharToUnicode(0xD7), U'⋅');
    EXPECT_EQ(SymbolCharToUnicode('1'), 0u);
}

TEST(MarkupText, SubscriptSameSizeAndLastRunOnTheBaseLine)
{
    RecordingCanvas c;
    TRect b;
    MarkupTextOut(c, 10, 20, "N%D0d%N", b);
    auto t = c.texts();
    ASSERT_EQ(t.size(), 3u);
    ExpectText(t[0], "N", 10, 20);
    ExpectText(t[1], "0d", 17, 22);  // 13 div 6 = 2 lower, same font size
    EXPECT_DOUBLE_EQ(t[1].font.size, t[0].font.size);
    ExpectText(t[2], "", 31, 20);
    EXPECT_EQ(b.Left, 10);
    EXPECT_EQ(b.Top, 20);
    EXPECT_EQ(b.Right, 31);
    EXPECT_EQ(b.Bottom, 33);

    c.ops.clear();
    MarkupTextOut(c, 0, 0, "h%Deff", b);  // ends in a subscript without "%N"
    ExpectText(c.texts()[1], "eff", 7, 0);

    c.ops.clear();
    MarkupTextOut(c, 0, 20, "m%I2%N", b);  // superscript: 13 div 4 = 3 higher
    ExpectText(c.texts()[1], "2", 7, 17);
}

TEST(MarkupText, StylesSymbolAndFontLeftBehind)
{
    RecordingCanvas c;
    c.font.name = "DejaVu Sans";
    c.font.style = fsItalic;  // cleared at entry
    TRect b;
    MarkupTextOut(c, 0, 0, "%Bf%N%Ud%Sa%N=1", b);
    auto t = c.texts();
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0].font.style, 0u);
    ExpectText(t[1], "f", 0, 0);
    EXPECT_EQ(t[1].font.style, unsigned(fsBold));
    EXPECT_EQ(t[2].font.style, 0u);
    EXPECT_EQ(t[3].font.style, unsigned(fsUnderline));
    ExpectText(t[4], "α", 15, 0);  // "f" bold is 8 wide, "d" 7
    EXPECT_EQ(t[4].font.name, "DejaVu Sans");
    ExpectText(t[5], "=1", 22, 0);
    EXPECT_EQ(c.font.name, "DejaVu Sans");

    c.ops.clear();
    MarkupTextOut(c, 0, 0, "%%B5", b);
    ASSERT_EQ(c.texts().size(), 3u);
    ExpectText(c.texts()[0], "%", 0, 0);
    ExpectText(c.texts()[2], "5", 7, 0);
    EXPECT_EQ(c.texts()[2].font.style, unsigned(fsBold));
    EXPECT_EQ(c.font.style, unsigned(fsBold));  // the style stays as the text left it
}

TEST(MarkupText, Width)
{
    RecordingCanvas c;
    EXPECT_EQ(MarkupTextWidth(c, "AB"), 14);
    EXPECT_EQ(MarkupTextWidth(c, "%BAB"), 16);
    c.font.style = 0;
    EXPECT_EQ(MarkupTextWidth(c, "%DAB%N"), 14);
    EXPECT_EQ(MarkupTextWidth(c, "100% x"), 42);
    EXPECT_EQ(MarkupTextWidth(c, "%Sabc%N"), 21);
    // the style at entry counts until the first "%N"
    c.font.style = fsBold;
    EXPECT_EQ(MarkupTextWidth(c, "ab%Ncd"), 16 + 14);
    EXPECT_EQ(c.font.style, 0u);
}

TEST(MarkupText, RotatedRunsStayOnOneBaseLine)
{
    RecordingCanvas c;
    TRect b;
    MarkupTextOutRotated(c, {10, 20}, "N%D0d%N", b, 'x', 90);
    auto t = c.texts();
    ASSERT_EQ(t.size(), 3u);
    ExpectText(t[0], "N", 10, 20);
    ExpectText(t[1], "0d", 10, 13);  // upwards by the width of "N"
    ExpectText(t[2], "", 10, -1);
    EXPECT_EQ(t[1].font.escapement, 900);
    EXPECT_EQ(c.font.escapement, 0);
    // from the start and its foot (23, 20) to the end (10, -1) and its foot (23, -1)
    EXPECT_EQ(b.Left, 10);
    EXPECT_EQ(b.Top, -1);
    EXPECT_EQ(b.Right, 23);
    EXPECT_EQ(b.Bottom, 20);

    c.ops.clear();
    MarkupTextOutRotated(c, {100, 100}, "ABCD", b, 'C', 0);
    ExpectText(c.texts()[0], "ABCD", 86, 100);
    c.ops.clear();
    MarkupTextOutRotated(c, {0, 0}, "%Sp%N r", b, 'R', 0);  // 'R' is no anchor here
    ExpectText(c.texts()[1], "π", 0, 0);
    ExpectText(c.texts()[2], " r", 7, 0);
}

TEST(MarkupWrap, LineBreakingWithAFakeWidth)
{
    struct Row { const char* rest; int avail; std::size_t len; } rows[] = {
        {"aaa bbb ccc", 50, 4},   // 8 characters are too wide; cut after the blank
        {"aa_bb cc", 40, 5},      // "_" is no blank
        {"abcdefgh", 20, 2},      // no blank: the prefix less its last character
        {"abc", 3, 1},            // not even one character fits: one is taken anyway
        {"abc", -5, 1},
        {"ąąą", 7, 2},            // whole characters, not bytes
        {"ab cd", 14, 2},
    };
    for (const Row& r : rows)
        EXPECT_EQ(MarkupLineLength(r.rest, r.avail, FakeWidth), r.len) << r.rest << " " << r.avail;

    // Codes are zero wide; when nothing fits, the line takes the codes in
    // front of its one character whole instead of the lone "%".
    auto codeWidth = [](const std::string& s) {
        int w = 0;
        for (const TMarkupToken& t : ScanMarkup(s)) w += FakeWidth(t.text);
        return w;
    };
    EXPECT_EQ(MarkupLineLength("%Babc", 3, codeWidth), 3u);      // "%Ba"
    EXPECT_EQ(MarkupLineLength("%S%Babc", 0, codeWidth), 5u);    // "%S%Ba"
    EXPECT_EQ(MarkupLineLength("%%Babc", 3, codeWidth), 1u);     // the first "%" is text
    EXPECT_EQ(MarkupLineLength("%B", 0, codeWidth), 2u);
    EXPECT_EQ(LastBlankPos("ab c"), 3);
    EXPECT_EQ(LastBlankPos("abc"), -1);
    EXPECT_EQ(UnderscoresToBlanks("a_b_"), "a b ");
}

TEST(MarkupWrap, BoldCarriesOverUnderlineDoesNot)
{
    RecordingCanvas c;
    int y = 100;
    MarkupTextOutWrapped(c, 0, 40, "%Baaa bbb", y);
    EXPECT_EQ(y, 113);  // one break; not advanced after the last line
    auto t = c.texts();
    ASSERT_EQ(t.size(), 4u);
    ExpectText(t[1], "aaa ", 0, 100);
    ExpectText(t[3], "bbb", 0, 113);
    EXPECT_EQ(t[3].font.style, unsigned(fsBold));

    c.ops.clear();
    c.font.style = 0;
    y = 0;
    MarkupTextOutWrapped(c, 0, 40, "%Uaaa bbb", y);
    t = c.texts();
    ASSERT_EQ(t.back().text, "bbb");
    EXPECT_EQ(t.back().font.style, 0u);

    c.ops.clear();
    c.font.style = 0;
    y = 0;
    MarkupTextOutWrapped(c, 0, 100, "a_b", y);
    ExpectText(c.texts()[0], "a b", 0, 0);
}

TEST(MarkupWrap, NarrowSpaceNeverHangs)
{
    RecordingCanvas c;
    int y = 0;
    MarkupTextOutWrapped(c, 10, 13, "abc", y);  // 3 pixels: one character a line
    auto t = c.texts();
    ASSERT_EQ(t.size(), 4u);  // the empty rest is the last line
    ExpectText(t[0], "a", 10, 0);
    ExpectText(t[2], "c", 10, 26);
    c.ops.clear();
    y = 0;
    MarkupTextOutWrapped(c, 10, 10, "abc", y);  // no space at all: nothing
    EXPECT_TRUE(c.ops.empty());

    EXPECT_EQ(MarkupTextHeightWrapped(c, 0, 40, "aaa bbb"), 26);
    EXPECT_EQ(MarkupTextHeightWrapped(c, 0, 40, "short"), 13);
    EXPECT_EQ(MarkupTextHeightWrapped(c, 0, 0, "abc"), 13 + 3 * 13);
    EXPECT_EQ(MarkupTextHeightWrapped(c, 0, -10, "abc"), 13 + 3 * 13);
}

// --- the same mark-up as HTML for the results view

TEST(MarkupHtml, CodesBecomeInlineFormatting)
{
    EXPECT_EQ(MarkupToHtml("%BN%D1,Rd%N = 93,53 kN"), "<b>N</b><b><sub>1,Rd</sub></b> = 93,53 kN");
    EXPECT_EQ(MarkupToHtml("%Sg%N%Dm%N = 2,2"), QString(QChar(0x03B3)) + "<sub>m</sub> = 2,2");
    EXPECT_EQ(MarkupToHtml("m%Gx%N"), "m<sup>x</sup>");
    // The text after the last code stands on the base line, as drawn.
    EXPECT_EQ(MarkupToHtml("a%Db"), "ab");
    EXPECT_EQ(MarkupToHtml("N < 5 & M > 2"), "N &lt; 5 &amp; M &gt; 2");
    EXPECT_EQ(MarkupToHtml("%Uabc"), "<u>abc</u>");
}

namespace {
// A face whose glyphs fill their advances, but for an "f", which hangs 2
// pixels past it.
class OverhangingCanvas : public RecordingCanvas {
public:
    std::optional<TTextInk> textInk(const std::string& text) override
    {
        return TTextInk{0, textWidth(text) + (!text.empty() && text.back() == 'f' ? 2 : 0), true};
    }
};
} // namespace

TEST(MarkupText, ShiftedRunIsFollowedPastItsGlyphs)
{
    // "l" 7, lowered "eff" 21 + 2 of overhang, then "=8" on the base line,
    // each a pixel after the glyphs before it
    OverhangingCanvas c;
    TRect b;
    MarkupTextOut(c, 10, 50, "l%Deff%N=8", b);
    const auto texts = c.texts();
    ASSERT_EQ(texts.size(), 3u);
    ExpectText(texts[0], "l", 10, 50);
    ExpectText(texts[1], "eff", 18, 52);  // 13 / 6 = 2 lower
    ExpectText(texts[2], "=8", 42, 50);
    EXPECT_EQ(MarkupTextWidth(c, "l%Deff%N=8"), 8 + 24 + 14);
    EXPECT_EQ(b.Right, 56);
    // on the base line the runs follow their advances; a raised run as the lowered one
    OverhangingCanvas plain, raised;
    EXPECT_EQ(MarkupTextWidth(plain, "ef%Bf"), 14 + 8);
    EXPECT_EQ(MarkupTextWidth(raised, "m%Iff%N2"), 8 + 17 + 7);
    // a blank before or after a change of base line keeps its width
    EXPECT_EQ(MarkupTextWidth(raised, "m %I2%N"), 14 + 1 + 7);
    EXPECT_EQ(MarkupTextWidth(raised, "m%I2%N m"), 8 + 8 + 14);
}
