// The report's word wrap against the plain one that measures every prefix
// in turn, and what it hands its measure on long lines of codes.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "drawing/Canvas.h"
#include "drawing/MarkupText.h"
#include "printing/ReportWrap.h"
#include "tests/common/QtTestApp.h"
#include "tests/common/ReferenceWrap.h"

using namespace orv;
using namespace orvtest;

namespace {

// A canvas with a font of fixed, uneven metrics: narrow and wide letters, a
// wide "%", bold a pixel wider a character (a "%" three), kerned pairs, and
// glyphs that hang past their advance ("f", "%", "j").
class ModelCanvas : public Canvas {
public:
    void drawLine(TPoint, TPoint) override {}
    void polyline(const std::vector<TPoint>&) override {}
    void polygon(const std::vector<TPoint>&) override {}
    void rectangle(const TRect&) override {}
    void fillRect(const TRect&) override {}
    void ellipse(const TRect&) override {}
    void arc(const TRect&, TPoint, TPoint) override {}
    void textOut(int, int, const std::string&) override {}
    TPoint textExtent(const std::string& text) override
    {
        int w = 0;
        char before = 0;
        for (const char ch : text) {
            const unsigned char c = static_cast<unsigned char>(ch);
            if (c >= 0x80 && c < 0xC0) continue;  // within a character
            w += c == ' ' ? 4 : c == '%' ? 9 : c == 'i' || c == 'l' ? 3 : c == 'm' || c == 'w' ? 11 : c < 0x80 ? 7 : 8;
            if (font.style & fsBold) w += c == '%' ? 3 : 1;
            if ((before == 'f' && ch == 'a') || (before == '%' && ch == '%')) w -= 2;
            if (before == 'a' && ch == 'v') w -= 1;
            before = ch;
        }
        return {w, 12};
    }
    std::optional<TTextInk> textInk(const std::string& text) override
    {
        const char first = text.empty() ? 0 : text.front();
        const char last = text.empty() ? 0 : text.back();
        const int hang = last == 'f' ? 3 : last == '%' ? 2 : last == 'j' ? 1 : 0;
        const int bearing = first == 'l' || first == 'i' ? 1 : first == 'j' ? -1 : 0;
        return TTextInk{bearing, textWidth(text) + hang + (hang > 0 && (font.style & fsBold) ? 1 : 0)};
    }
};

// The report's measure on a canvas that starts each text in `start` style,
// counting what it is handed and giving up past a budget, so that a wrap
// that measures far more than its text ends at once.
struct CountedMeasure {
    Canvas& canvas;
    unsigned start = 0;
    std::size_t budget = std::size_t(-1);
    std::size_t chars = 0;

    int operator()(const std::string& s)
    {
        chars += s.size();
        if (chars > budget) throw std::runtime_error("the wrap measures more than its budget");
        const TCanvasFont font = canvas.font;
        canvas.font.style = start;
        const int w = MarkupTextWidth(canvas, s);
        canvas.font = font;
        return w;
    }
};

std::vector<std::string> Wrap(const std::string& text, int avail, CountedMeasure& measure)
{
    return WrapReportText(text, avail, [&measure](const std::string& s) { return measure(s); });
}

std::vector<std::string> Reference(const std::string& text, int avail, CountedMeasure& measure)
{
    return ReferenceWrap(text, avail, [&measure](const std::string& s) { return measure(s); });
}

// A text of `bytes` bytes at least: `piece` over and over.
std::string Repeated(const std::string& piece, std::size_t bytes)
{
    std::string s;
    while (s.size() < bytes) s += piece;
    return s;
}

// Report lines of up to `most` pieces: letters, blanks, codes between the
// letters, UTF-8 characters (cut ones too with `cut`), a "%" before other
// characters; a long line has fewer codes, so that it has long stretches of
// text too. Each in a width that cuts it anywhere, one of the widths that
// more often hold it whole, and one that a prefix of it fills to the pixel.
struct Generated {
    std::string text;
    int avail;
    unsigned start;
};

std::vector<Generated> VariedLines(unsigned seed, int count, bool cut, std::size_t most,
                                   const std::function<int(const std::string&)>& width)
{
    static const char* const kPieces[] = {
        "a", "b", "f", "v", "i", "m", "w", "j", " ", " ", " ", "  ", "ściana", "fav", "%", "%%", "%B", "%U", "%S",
        "%N", "%D", "%G", "%I", "%n", "%x", "%B%N", "%G%S", "%D%I", "ą", "ż", "€", "_", "@@", "10%",
        // cut characters, a lead byte that takes a code's "%" in
        "\xC3", "\xE2\x82", "\x80", "\xF0%B"};
    const std::size_t kinds = std::size(kPieces) - (cut ? 0 : 4);
    std::mt19937 random(seed);
    auto below = [&random](std::size_t n) { return std::size_t(random() % n); };
    std::vector<Generated> out;
    while (int(out.size()) < count) {
        std::string text;
        const std::size_t pieces = below(most);
        for (std::size_t i = 0; i < pieces; ++i) {
            std::size_t k = below(kinds);
            if (most > 40 && kPieces[k][0] == '%' && below(6) != 0) k = below(14);  // a letter or a blank
            text += kPieces[k];
        }
        const unsigned start = below(4) == 0 ? unsigned(fsBold) : 0u;
        out.push_back({text, 1 + int(below(80)), start});
        out.push_back({text, 1 + int(below(400)), start});
        // a prefix that fills the line to the pixel
        const int fill = width(text.substr(0, below(text.size() + 1)));
        out.push_back({text, std::max(fill, 1), start});
    }
    return out;
}

} // namespace

// Lines of the report, and lines made to take a code or a cut character
// wherever a line may end: each in every width from one pixel to its own.
const char* const kNamedLines[] = {
    "%N%BWYNIKI - ŚCIANA OBCIĄŻONA OSIOWO (model przegubowy)%N (wg PN-B-03002:2007):",
    "N%D1R,d%N = 12,5 kN <= N%DRd%N = 340,0 kN",
    "%Sf%N%Dm%N = 0,85  %Sa%N = 2,50  f%Dk%N = 2,05 MPa @@ 100% %%B",
    "aaf%B%U%N%D%N%B%Nxx",  // a run of codes that shifts, ends it and sets bold again
    "%G%Sx%G%Sx%G%Sx%G%Sx%G%Sx%D%Ix%D%Ix%D%Ix%D%Ix",
    "%B%U%S%N%D%G%I%n",  // codes only
    "   %B   %N   ",
    "żółw€%G2%N ąę ŹDŹBŁO%n ść",
    "L = 500,0\u00A0cm, t = 25,0\u00A0cm, f%Dd%N = 1,25\u00A0MPa",
};
// Cut characters: a lead byte that takes in a code's "%" and more. Qt reads
// a cut character as a replacement character, so that a longer text may
// measure narrower than one it starts with: the model font alone.
const char* const kCutCharacters = "\xC3%B\xE2\x82%D\xF0%Sx\x80%N a\xE2\x82\xE2\x82\xAC";

// The lines are those of the plain wrap, in a font of uneven metrics and in
// the report's fonts, bold at the start or not.
class ReportWrapAsPlain : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApp();
        painter.begin(&image);
        fonts = std::make_unique<PainterCanvas>(painter);
        fonts->setFontDpi(600);
    }
    void TearDown() override
    {
        fonts.reset();
        painter.end();
    }

    // Every width from one pixel to the line's own, on the canvas.
    void sweep(Canvas& canvas, const std::string& text, unsigned start)
    {
        CountedMeasure measure{canvas, start};
        for (int avail = 1; avail <= measure(text) + 1; ++avail)
            ASSERT_EQ(Wrap(text, avail, measure), Reference(text, avail, measure))
                << text << " in " << avail << " in "
                << (&canvas == fonts.get() ? std::to_string(canvas.font.size) + " pt " + canvas.font.name : "the model font");
    }

    QImage image{4, 4, QImage::Format_RGB32};
    QPainter painter;
    std::unique_ptr<PainterCanvas> fonts;
};

TEST_F(ReportWrapAsPlain, LinesOfTheReportAndLinesOfCodesInEveryWidth)
{
    ModelCanvas model;
    fonts->setFontDpi(96);  // as on the screen: a line a few hundred pixels wide
    for (const unsigned start : {0u, unsigned(fsBold)}) {
        ASSERT_NO_FATAL_FAILURE(sweep(model, kCutCharacters, start));
        for (const char* line : kNamedLines) {
            ASSERT_NO_FATAL_FAILURE(sweep(model, line, start));
            for (const char* face : {"Arial", "Times New Roman"}) {
                fonts->font.name = face;
                fonts->font.size = 10;
                ASSERT_NO_FATAL_FAILURE(sweep(*fonts, line, start));
            }
        }
    }
}

TEST_F(ReportWrapAsPlain, GeneratedLines)
{
    ModelCanvas model;
    CountedMeasure measure{model};
    auto width = [&measure](const std::string& s) { return measure(s); };
    int fits = 0;
    std::vector<Generated> lines = VariedLines(1, 3000, true, 40, width);
    const std::vector<Generated> longer = VariedLines(3, 150, true, 300, width);
    lines.insert(lines.end(), longer.begin(), longer.end());
    for (const Generated& g : lines) {
        measure.start = g.start;
        const std::vector<std::string> expected = Reference(g.text, g.avail, measure);
        ASSERT_EQ(Wrap(g.text, g.avail, measure), expected) << g.text << " in " << g.avail << " from " << g.start;
        fits += expected.size() == 1;
    }
    // the set holds texts that fit whole as well as texts cut into lines
    EXPECT_GT(fits, 300);
    EXPECT_LT(fits, 1500);

    CountedMeasure report{*fonts};
    const char* const faces[] = {"Arial", "Times New Roman"};
    int n = 0;
    for (const Generated& g : VariedLines(2, 300, false, 40, width)) {
        fonts->font.name = faces[n % 2];
        fonts->font.size = 4 + n++ % 9;
        report.start = g.start;
        // the widths drawn for the model font, scaled to the size
        const int avail = g.avail * fonts->font.size / 2;
        ASSERT_EQ(Wrap(g.text, avail, report), Reference(g.text, avail, report))
            << g.text << " in " << avail << " at " << fonts->font.size << " pt " << fonts->font.name;
    }
}

// A value and its unit joined by a no-break space stay on one line
// wherever the line ends, as long as a blank fits before them.
TEST(ReportWrap, AValueStaysWithItsUnitAcrossANoBreakSpace)
{
    ModelCanvas canvas;
    CountedMeasure measure{canvas};
    const std::string text = "L = 500,0\u00A0cm, t = 25,0\u00A0cm, h%Dw%N = 300,0\u00A0cm";
    int broken = 0;
    for (int avail = measure("500,0\u00A0cm, "); avail <= measure(text); ++avail) {
        const std::vector<std::string> lines = Wrap(text, avail, measure);
        for (const std::string& line : lines) {
            EXPECT_FALSE(line.ends_with("\u00A0")) << line << " in " << avail;
            EXPECT_FALSE(line.starts_with("cm")) << line << " in " << avail;
        }
        broken += lines.size() > 1;
    }
    EXPECT_GT(broken, 100);
}

// Codes between every two letters of a line, as a comment may have them:
// what the wrap hands its measure grows with the text, a few times its
// length, not with the square of its lines, whether the lines keep their
// width or widen with the text (a small font on a wide sheet). The measure
// gives up past eight times the text.
TEST(ReportWrap, ALineOfCodesBetweenItsLettersIsMeasuredInProportionToItsLength)
{
    ModelCanvas canvas;
    for (const char* piece : {"%G%Sx", "%D%Ix"}) {
        for (const bool widening : {false, true}) {
            std::vector<std::size_t> counts;
            for (const std::size_t bytes : {10000, 40000, 160000}) {
                SCOPED_TRACE(std::string(piece) + (widening ? " in four lines, " : " in lines of 600 px, ") +
                             std::to_string(bytes) + " bytes");
                const std::string text = Repeated(piece, bytes);
                // a letter is 7 px wide (8 as Symbol): four lines or so hold the text's letters
                const int avail = widening ? int(bytes / 5 * 7 / 4) : 600;
                CountedMeasure measure{canvas, 0, 8 * bytes};
                std::vector<std::string> lines;
                ASSERT_NO_THROW(lines = Wrap(text, avail, measure));
                EXPECT_GE(lines.size(), widening ? 4u : bytes / 5 * 7 / 600);
                counts.push_back(measure.chars);
                if (bytes == 10000 && !widening) {
                    CountedMeasure plain{canvas};
                    EXPECT_EQ(lines, Reference(text, avail, plain));
                }
            }
            // sixteen times the text, about sixteen times the measuring
            EXPECT_LT(counts[2], 20 * counts[0]);
            EXPECT_LT(counts[1], 5 * counts[0]);
        }
    }
}
