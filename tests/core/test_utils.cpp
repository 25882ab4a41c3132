// Number formatting and parsing, text helpers, code page 1250.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>
#include <string>

#include "core/Cp1250.h"
#include "core/MyUtils.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

class Utils : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
    void TearDown() override { SetDecimalSeparator(','); }
};

TEST_F(Utils, FormatFixedRoundsHalvesAwayFromZero)
{
    struct Row { int d; double v; const char* s; } rows[] = {
        {2, 1.125, "1,13"}, {2, -1.125, "-1,13"}, {1, 0.25, "0,3"}, {1, 0.35, "0,4"},
        {0, 2.5, "3"}, {0, -2.5, "-3"}, {0, 0.4999, "0"}, {3, 3.6549999, "3,655"},
        {2, 1.005, "1,01"},   // 15 significant digits first: 1.00500000000000, then up
        {2, 0.0, "0,00"}, {2, -0.0, "0,00"}, {2, -0.004, "0,00"}, {2, -0.005, "-0,01"},
        {4, 0.779094, "0,7791"}, {2, 1234567.891, "1234567,89"}, {0, 1e20, "100000000000000000000"},
        {2, 9.999, "10,00"}, {3, 0.0005, "0,001"}, {2, 1e-300, "0,00"},
    };
    for (const Row& r : rows) EXPECT_EQ(FormatFixed(r.d, r.v), r.s) << r.v << " /" << r.d;
    SetDecimalSeparator('.');
    EXPECT_EQ(FormatFixed(2, 298.6912), "298.69");
    EXPECT_EQ(FormatFixed(0, 14.85), "15");
}

TEST_F(Utils, TextToFloatTakesEitherSeparator)
{
    for (char sep : {',', '.'}) {
        SetDecimalSeparator(sep);
        EXPECT_DOUBLE_EQ(TextToFloat("2,5"), 2.5);
        EXPECT_DOUBLE_EQ(TextToFloat("2.5"), 2.5);
        EXPECT_DOUBLE_EQ(TextToFloat(" -12,75 "), -12.75);
        EXPECT_DOUBLE_EQ(TextToFloat("1e3"), 1000.0);
        EXPECT_DOUBLE_EQ(TextToFloat(""), 0.0);
        EXPECT_DOUBLE_EQ(TextToFloat("abc"), 0.0);
        EXPECT_DOUBLE_EQ(TextToFloat("12abc"), 0.0);
        double v = 7;
        EXPECT_FALSE(TryTextToFloat("inf", v));
        EXPECT_FALSE(TryTextToFloat("nan", v));
        EXPECT_FALSE(TryTextToFloat("1e999", v));
        EXPECT_FALSE(TryTextToFloat("   ", v));
        EXPECT_FALSE(TryTextToFloat("1,2,3", v));
        EXPECT_EQ(v, 7.0);
        EXPECT_TRUE(TryTextToFloat("+0,001", v));
        EXPECT_DOUBLE_EQ(v, 0.001);
    }
}

TEST_F(Utils, NormalizeDecimalReplacesFirstPointOverComma)
{
    EXPECT_EQ(NormalizeDecimal("1.5"), "1,5");
    EXPECT_EQ(NormalizeDecimal("1,5"), "1,5");
    // both characters: only the first point is replaced, in the text as given
    EXPECT_EQ(NormalizeDecimal("1,2.5"), "1,2,5");
    SetDecimalSeparator('.');
    EXPECT_EQ(NormalizeDecimal("1,5"), "1.5");
}

TEST_F(Utils, RoundHalfEvenGoesToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundToInt(0.5), 0);
    EXPECT_EQ(RoundToInt(1.5), 2);
    EXPECT_EQ(RoundToInt(1e30), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundToInt(-1e30), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundToInt(std::nan("")), 0);
    // Whole numbers of halves, where the display's rule rounds away from zero.
    EXPECT_EQ(RoundHalfEven(0.125 * 100), 12.0);
    EXPECT_EQ(FormatFixed(2, 0.125), "0,13");
    EXPECT_EQ(RoundHalfEven(0.375 * 100), 38.0);
    EXPECT_EQ(FormatFixed(2, 0.375), "0,38");
    EXPECT_EQ(FormatFixed(0, 2.5), "3");
}

TEST_F(Utils, FileNamesAndTexts)
{
    EXPECT_EQ(StripExtension("/home/inż/projekty/Przykład 1.clcm"), "Przykład 1");
    EXPECT_EQ(StripExtension("C:\\Projekty\\a.b.kond"), "a.b");
    EXPECT_EQ(StripExtension("bez_rozszerzenia"), "bez_rozszerzenia");
    EXPECT_EQ(StripMarkup("%BN%D0d%N = 150 kN 50%"), "N0d = 150 kN 50%");
    EXPECT_EQ(StripMarkup("%Sa%N%X%"), "a%X%");
    std::string l, r;
    SplitAtCrLf("a\r\nb\r\nc", l, r);
    EXPECT_EQ(l, "a");
    EXPECT_EQ(r, "b\r\nc");
    SplitAtCrLf("tylko", l, r);
    EXPECT_EQ(l, "tylko");
    EXPECT_EQ(r, "");
    SplitAtTab("Nazwa\tfb\tkategoria", l, r);
    EXPECT_EQ(l, "Nazwa");
    EXPECT_EQ(r, "fb\tkategoria");
}

TEST_F(Utils, RomanNumerals)
{
    EXPECT_EQ(ToRoman(0), "");
    EXPECT_EQ(ToRoman(4000), "");
    EXPECT_EQ(ToRoman(-7), "");
    EXPECT_EQ(ToRoman(1994), "MCMXCIV");
    EXPECT_EQ(ToRoman(3999), "MMMCMXCIX");
    EXPECT_EQ(ToRoman(49), "XLIX");
    EXPECT_EQ(ToRoman(8), "VIII");
    EXPECT_EQ(ToRoman(444), "CDXLIV");
}

TEST_F(Utils, UtilisationAndBits)
{
    EXPECT_EQ(UtilisationText(50, 200), "     (25,0%)");
    EXPECT_EQ(UtilisationText(50, 0), "");
    EXPECT_EQ(UtilisationText(262.64, 150), "     (175,1%)");
    // bits counted from 0, the lowest
    EXPECT_TRUE(IsBitSet(6, 1));
    EXPECT_FALSE(IsBitSet(6, 0));
    EXPECT_TRUE(IsBitSet(4, 2));
    EXPECT_FALSE(IsBitSet(4, 39));
}

// The one short form of a number with up to two decimals, in the mortar
// names and the basement wall's trace: the two-decimal rule, zeros dropped.
TEST_F(Utils, ShortDecimalDropsTrailingZerosOfTheTwoDecimalText)
{
    EXPECT_EQ(ShortDecimal(20), "20");
    EXPECT_EQ(ShortDecimal(2.5), "2,5");
    EXPECT_EQ(ShortDecimal(37.25), "37,25");
    EXPECT_EQ(ShortDecimal(36.4), "36,4");
    EXPECT_EQ(ShortDecimal(0.125), "0,13"); // the rule's half away from zero
    EXPECT_EQ(ShortDecimal(0.001), "0");
    EXPECT_EQ(ShortDecimal(-0.001), "0");
    EXPECT_EQ(ShortDecimal(1234567), "1234567");
}

// The text a file keeps of a number reads back as the same double, under
// either separator, and is the one-decimal text wherever that already does.
TEST_F(Utils, RoundTripDecimalReadsBackAsTheSameDouble)
{
    struct Row { int d; double v; const char* s; } rows[] = {
        {1, 0.04, "0,04"}, {1, 12.34, "12,34"}, {1, 1e-7, "0,0000001"}, {1, 1234567.891, "1234567,891"},
        {1, 18, "18,0"}, {1, 7.5, "7,5"}, {2, 13.25, "13,25"}, {3, 0.5, "0,500"}, {0, 30, "30"},
        {1, 0.1 + 0.2, "0,30000000000000004"}, {1, 999.9999999999999, "999,9999999999999"},
        {1, -0.0, "0,0"}, {1, -2.5, "-2,5"}, {1, 1e-18, "0,000000000000000001"},
        // Past 18 decimals or from 1e15 on, with an exponent.
        {1, 1.5e-19, "1,5e-19"}, {1, 1e-300, "1e-300"}, {1, 5e-324, "5e-324"}, {1, 1e15, "1e+15"},
        {1, -1.7976931348623157e308, "-1,7976931348623157e+308"},
    };
    for (const Row& r : rows) {
        const std::string text = RoundTripDecimal(r.v, r.d);
        EXPECT_EQ(text, r.s) << r.v;
        double back = 1;
        ASSERT_TRUE(TryTextToFloat(text, back)) << text;
        EXPECT_EQ(back, r.v) << text;
    }
    EXPECT_EQ(RoundTripDecimal(std::nan(""), 1), "NAN");

    // Any double: the same double again, whichever separator wrote and reads it.
    std::mt19937_64 bits(7);
    for (int i = 0; i < 20000; ++i) {
        double v = 0;
        const std::uint64_t b = bits();
        std::memcpy(&v, &b, sizeof v);
        if (!std::isfinite(v)) continue;
        SetDecimalSeparator(i % 2 ? '.' : ',');
        const std::string text = RoundTripDecimal(v, i % 4);
        SetDecimalSeparator(i % 3 ? '.' : ',');
        double back = 0;
        ASSERT_TRUE(TryTextToFloat(text, back)) << text;
        ASSERT_EQ(back, v) << text;
    }
    // Tenths and hundredths keep the texts of FormatFixed.
    SetDecimalSeparator(',');
    for (int k = 0; k <= 100000; ++k) {
        ASSERT_EQ(RoundTripDecimal(k / 10.0, 1), FormatFixed(1, k / 10.0)) << k;
        ASSERT_EQ(RoundTripDecimal(k / 100.0, 2), FormatFixed(2, k / 100.0)) << k;
    }
}

TEST_F(Utils, GeometryHelpers)
{
    EXPECT_TRUE(PointInRect({10, 5}, {0, 0, 10, 10}));
    EXPECT_TRUE(PointInRect({0, 10}, {0, 0, 10, 10}));
    EXPECT_FALSE(PointInRect({11, 5}, {0, 0, 10, 10}));

    TRealPoint q{-1, -1};
    bool parallel = true;
    LineIntersection({0, 0}, {2, 2}, {0, 2}, {2, 0}, q, parallel);
    EXPECT_FALSE(parallel);
    EXPECT_DOUBLE_EQ(q.X, 1);
    EXPECT_DOUBLE_EQ(q.Y, 1);
    LineIntersection({0, 0}, {1, 1}, {0, 1}, {1, 2}, q, parallel);
    EXPECT_TRUE(parallel);
    q = {-1, -1};
    LineIntersection({3, 0}, {3, 5}, {4, 1}, {4, 9}, q, parallel);
    EXPECT_TRUE(parallel);
    EXPECT_EQ(q.X, -1); // untouched
    // one vertical line: x = 3 meets y = x + 1 at (3, 4), beyond the given points
    LineIntersection({3, 0}, {3, 1}, {0, 1}, {1, 2}, q, parallel);
    EXPECT_FALSE(parallel);
    EXPECT_DOUBLE_EQ(q.X, 3);
    EXPECT_DOUBLE_EQ(q.Y, 4);
    LineIntersection({0, 1}, {1, 2}, {3, 0}, {3, 1}, q, parallel);
    EXPECT_DOUBLE_EQ(q.Y, 4);
}

TEST(Cp1250, PolishLettersRoundTrip)
{
    const std::string polish = "Zażółć gęślą jaźń ZAŻÓŁĆ GĘŚLĄ JAŹŃ – „cytat” € ° ±";
    const std::string cp = Utf8ToCp1250(polish);
    EXPECT_EQ(Cp1250ToUtf8(cp), polish);
    // single bytes: ą 0xB9, Ś 0x8C, ż 0xBF, Ł 0xA3
    EXPECT_EQ(Utf8ToCp1250("ąŚżŁ"), "\xB9\x8C\xBF\xA3");
    // every byte survives CP1250 -> UTF-8 -> CP1250
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
    // characters without a CP1250 form and broken UTF-8
    EXPECT_EQ(Utf8ToCp1250("α日"), "??");
    EXPECT_EQ(Utf8ToCp1250("a\xC3"), "a?");
    EXPECT_EQ(Utf8ToCp1250("\xE2\x82x"), "??x");
}

TEST(Cp1250, OnlyTheShortestFormOfAValidCodePointIsTaken)
{
    // Overlong forms of 'A', NUL, '/' and 'Ł' are malformed: one '?' a byte,
    // never the character they spell.
    EXPECT_EQ(Utf8ToCp1250("\xC1\x81"), "??");
    EXPECT_EQ(Utf8ToCp1250("a\xC0\x80" "b"), "a??b");
    EXPECT_EQ(Utf8ToCp1250("\xE0\x80\xAF"), "???");
    EXPECT_EQ(Utf8ToCp1250("\xE0\x85\x81"), "???");
    EXPECT_EQ(Utf8ToCp1250("\xF0\x80\x85\x81"), "????");
    // UTF-16 surrogates and code points beyond U+10FFFF likewise.
    EXPECT_EQ(Utf8ToCp1250("\xED\xA0\x80x"), "???x");
    EXPECT_EQ(Utf8ToCp1250("\xED\xBF\xBF"), "???");
    EXPECT_EQ(Utf8ToCp1250("\xF4\x90\x80\x80"), "????");
    EXPECT_EQ(Utf8ToCp1250("\xF7\xBF\xBF\xBF"), "????");
    // The shortest forms at the edges stay valid: U+0081 and U+00A0 have
    // CP1250 bytes; U+D7FF, U+E000, U+10000 and U+10FFFF have none.
    EXPECT_EQ(Utf8ToCp1250("\xC2\x81\xC2\xA0\xC5\x81"), "\x81\xA0\xA3");
    EXPECT_EQ(Utf8ToCp1250("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(Utf8ToCp1250("\xED\x9F\xBF|\xEE\x80\x80|\xF0\x90\x80\x80|\xF4\x8F\xBF\xBF"), "?|?|?|?");
}

TEST(AskSave, WordingsAndAnswers)
{
    orvtest::MessageRecorder rec;
    rec.answer = mrNo;
    EXPECT_EQ(AskSaveProject(""), mrNo);
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].headline, "Zapisać zmiany w projekcie?");
    EXPECT_EQ(rec.messages[0].text, "Dane w projekcie - Nowy Projekt - zostały zmienione.");
    EXPECT_EQ(rec.messages[0].type, mdConfirmation);
    EXPECT_EQ(rec.messages[0].buttons, unsigned(mbYes | mbNo | mbCancel));
    rec.vista = false;
    rec.answer = mrCancel;
    EXPECT_EQ(AskSaveProject("Hala"), mrCancel);
    EXPECT_EQ(rec.messages[1].headline, "Dane w projekcie - Hala\n\rzostały zmienione. Zapisać ?");
}

TEST(Version, Text)
{
    EXPECT_EQ(GetVersionText(true), "0.1");
    EXPECT_EQ(GetVersionText(false), "0.1.0.0");
}

TEST_F(Utils, FormatFixedNearHalvesAndLargeValues)
{
    // the 15-digit step decides values a hair from a half
    EXPECT_EQ(FormatFixed(2, 0.125), "0,13");
    EXPECT_EQ(FormatFixed(2, 2.675), "2,68");          // 2.67499999999999982 as a double
    EXPECT_EQ(FormatFixed(1, 0.05), "0,1");
    EXPECT_EQ(FormatFixed(3, 1.0005), "1,001");
    EXPECT_EQ(FormatFixed(2, 0.1 + 0.2), "0,30");
    // moduli in pascals and large sums
    EXPECT_EQ(FormatFixed(0, 2.9e10), "29000000000");
    EXPECT_EQ(FormatFixed(1, 123456789012.25), "123456789012,3");
    EXPECT_EQ(FormatFixed(3, -4999999.9995), "-5000000,000");
    EXPECT_EQ(FormatFixed(6, 1.0000005), "1,000001");
}

TEST_F(Utils, WriteFixedWritesOnlyInsideItsRange)
{
    constexpr std::size_t Room = FixedMaxCharsBelow1e15;
    constexpr std::size_t Guard = 16;
    auto written = [&](char (&buf)[Room + Guard], std::size_t room, int d, double v) {
        std::memset(buf, '#', sizeof buf);
        return WriteFixed(buf, buf + room, d, v);
    };
    auto untouched = [](const char* from, const char* to) {
        return std::all_of(from, to, [](char c) { return c == '#'; });
    };
    char buf[Room + Guard];

    // Too long for the range: nothing written, the end of the range returned.
    const double max = std::numeric_limits<double>::max();
    struct Long { int d; double v; } tooLong[] = {{2, 1e300}, {2, -1e300}, {0, max}, {18, -max}, {18, 1e20}};
    for (const Long& l : tooLong) {
        const std::to_chars_result r = written(buf, Room, l.d, l.v);
        EXPECT_EQ(r.ec, std::errc::value_too_large) << l.v << " /" << l.d;
        EXPECT_EQ(r.ptr, buf + Room);
        EXPECT_TRUE(untouched(buf, buf + sizeof buf)) << l.v << " /" << l.d;
    }
    // With room for it, the whole text as FormatFixed gives it.
    char wide[FixedMaxChars] = {};
    std::to_chars_result r = WriteFixed(wide, wide + sizeof wide, 2, -1e300);
    ASSERT_EQ(r.ec, std::errc());
    EXPECT_EQ(std::string(wide, r.ptr), "-1" + std::string(300, '0') + ",00");
    r = WriteFixed(wide, wide + sizeof wide, 18, -max);
    ASSERT_EQ(r.ec, std::errc());
    EXPECT_EQ(static_cast<std::size_t>(r.ptr - wide), FixedMaxChars);
    EXPECT_EQ(std::string(wide, 16), "-179769313486232");

    // The longest text below 1e15 fits FixedMaxCharsBelow1e15 exactly; one
    // character less is too little.
    const double below = -999999999999999.9;
    r = written(buf, Room, 18, below);
    ASSERT_EQ(r.ec, std::errc());
    EXPECT_EQ(std::string(buf, r.ptr), "-1000000000000000," + std::string(18, '0'));
    EXPECT_EQ(r.ptr, buf + Room);
    EXPECT_TRUE(untouched(buf + Room, buf + sizeof buf));
    r = written(buf, Room - 1, 18, below);
    EXPECT_EQ(r.ec, std::errc::value_too_large);
    EXPECT_TRUE(untouched(buf, buf + sizeof buf));

    // An everyday number in a range of its own length, or one less; zeros
    // before a short number's decimals, and a negative that rounds to zero.
    struct Exact { int d; double v; const char* text; } exact[] = {
        {2, -1234.5678, "-1234,57"}, {3, 0.05, "0,050"}, {4, 7e-4, "0,0007"}, {2, -0.004, "0,00"},
        {0, 987654321.0, "987654321"}, {1, 99.96, "100,0"}};
    for (const Exact& e : exact) {
        const std::size_t length = std::strlen(e.text);
        r = written(buf, length, e.d, e.v);
        ASSERT_EQ(r.ec, std::errc()) << e.text;
        EXPECT_EQ(std::string(buf, r.ptr), e.text);
        EXPECT_TRUE(untouched(buf + length, buf + sizeof buf)) << e.text;
        r = written(buf, length - 1, e.d, e.v);
        EXPECT_EQ(r.ec, std::errc::value_too_large) << e.text;
        EXPECT_EQ(r.ptr, buf + length - 1);
        EXPECT_TRUE(untouched(buf, buf + sizeof buf)) << e.text;
    }

    // Subnormals are tiny numbers like any other.
    const double subnormal = 1e-310;
    ASSERT_EQ(std::fpclassify(subnormal), FP_SUBNORMAL);
    for (double v : {subnormal, -subnormal, std::numeric_limits<double>::denorm_min()}) {
        r = written(buf, Room, 2, v);
        ASSERT_EQ(r.ec, std::errc());
        EXPECT_EQ(std::string(buf, r.ptr), "0,00");
        r = written(buf, Room, 18, v);
        EXPECT_EQ(std::string(buf, r.ptr), "0," + std::string(18, '0'));
    }

    // No number and the infinities are refused, nothing written.
    for (double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()}) {
        r = written(buf, Room, 2, v);
        EXPECT_EQ(r.ec, std::errc::invalid_argument);
        EXPECT_EQ(r.ptr, buf);
        EXPECT_TRUE(untouched(buf, buf + sizeof buf));
    }
    EXPECT_EQ(FormatFixed(2, std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatFixed(2, -std::numeric_limits<double>::infinity()), "-INF");

    // Halves of the last decimal, exact in binary: away from zero.
    struct Row { int d; double v; const char* s; } halves[] = {
        {2, 0.125, "0,13"}, {2, 0.375, "0,38"}, {2, -0.125, "-0,13"}, {0, 2.5, "3"},
        {0, 0.5, "1"},      {0, -0.5, "-1"},    {1, 0.25, "0,3"},     {3, 1.0625, "1,063"},
    };
    for (const Row& h : halves) {
        r = written(buf, Room, h.d, h.v);
        ASSERT_EQ(r.ec, std::errc());
        EXPECT_EQ(std::string(buf, r.ptr), h.s) << h.v << " /" << h.d;
        EXPECT_EQ(FormatFixed(h.d, h.v), h.s);
    }
}

namespace {

// FormatFixed the slow way: 15 significant digits from printf (exact, ties
// to even), then halves away from zero at the decimals in the digit text.
std::string SlowFixed(int decimals, double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    const std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 14);
    const int exp10 = std::atoi(std::strchr(buf, 'e') + 1);
    // the digits placed after a point at whole-part length `whole`
    int whole = exp10 + 1;
    std::string text = digits;
    if (whole <= 0) {
        text = std::string(static_cast<std::size_t>(1 - whole), '0') + digits;
        whole = 1;
    }
    const std::size_t keep = static_cast<std::size_t>(whole + decimals);
    if (text.size() < keep + 1) text.resize(keep + 1, '0');
    std::string kept = text.substr(0, keep);
    if (text[keep] >= '5') {
        std::size_t j = kept.size();
        while (j > 0 && kept[j - 1] == '9') kept[--j] = '0';
        if (j > 0) {
            ++kept[j - 1];
        } else {
            kept.insert(kept.begin(), '1');
            ++whole;
        }
    }
    std::string ip = kept.substr(0, static_cast<std::size_t>(whole));
    const std::string fp = kept.substr(static_cast<std::size_t>(whole));
    ip.erase(0, std::min(ip.find_first_not_of('0'), ip.size() - 1));
    const bool zero = ip == "0" && fp.find_first_not_of('0') == std::string::npos;
    std::string s = value < 0 && !zero ? "-" : "";
    s += ip;
    if (decimals > 0) s += DecimalSeparator() + fp;
    return s;
}

// WriteFixed into a range of FixedMaxCharsBelow1e15.
std::string Written(int decimals, double value)
{
    char buf[FixedMaxCharsBelow1e15] = {};
    const std::to_chars_result r = WriteFixed(buf, buf + sizeof buf, decimals, value);
    if (r.ec != std::errc()) return "error";
    return std::string(buf, r.ptr);
}

} // namespace

TEST_F(Utils, FormatFixedAgreesWithTheSlowWayOnSeededValues)
{
    std::mt19937_64 rng(20261209u);
    std::uniform_real_distribution<double> unit(0, 1);
    int failures = 0;
    for (int i = 0; i < 300000 && failures < 10; ++i) {
        const int d = static_cast<int>(rng() % 8);
        const double scale = std::pow(10.0, d);
        double v = 0;
        switch (i % 6) {
        case 0: v = std::ldexp(unit(rng), static_cast<int>(rng() % 80) - 30); break; // any magnitude
        case 1: v = (std::floor(unit(rng) * 1e6) + 0.5) / scale; break;                  // halves
        case 2: // a few units in the last place off a half
            v = (std::floor(unit(rng) * 1e4) + 0.5) / scale;
            for (int k = static_cast<int>(rng() % 4); k >= 0; --k) v = std::nextafter(v, (rng() & 1) ? 1e300 : -1e300);
            break;
        case 3: v = static_cast<double>(rng() % 100000) / 1000.0 + 0.0005; break;
        case 4: v = static_cast<double>(rng() % 10000) / 8.0 / scale; break; // binary halves
        default: v = std::ldexp(unit(rng), static_cast<int>(rng() % 50)); break; // up to 1e15
        }
        if (rng() & 1) v = -v;
        const std::string fast = FormatFixed(d, v);
        const std::string written = Written(d, v);
        if (fast != SlowFixed(d, v) || written != fast) {
            ++failures;
            ADD_FAILURE() << "d=" << d << " v=" << v << ": " << fast << " / " << written << " / " << SlowFixed(d, v);
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST_F(Utils, WriteFixedNearHalvesOfEveryLengthAgreesWithTheSlowWay)
{
    // Halves of the last decimal with 1 to 15 digits, a few units in the last
    // place either side, and the halves moved by half a unit of the 15th
    // digit (the 15-digit step's own ties) and by a little more or less.
    std::mt19937_64 rng(20261210u);
    int failures = 0;
    int checked = 0;
    for (int d = 0; d <= 6; ++d) {
        const double scale = std::pow(10.0, d);
        for (int digits = 1; digits <= 15; ++digits) {
            for (int k = 0; k < 40 && failures < 10; ++k) {
                const double low = digits == 1 ? 0 : std::pow(10.0, digits - 1);
                const double m = std::floor(low + static_cast<double>(rng() % 1000000007ULL) /
                                                      1000000007.0 * (9 * std::max(low, 1.0)));
                const double u = std::pow(10.0, digits - 15);
                for (double shift : {0.0, 0.5 * u, -0.5 * u, 0.4999 * u, -0.5001 * u, 0.7 * u, -0.3 * u}) {
                    double v = (m + 0.5 + shift) / scale;
                    for (int step = -3; step <= 3; ++step) {
                        double w = v;
                        for (int n = 0; n < std::abs(step); ++n) w = std::nextafter(w, step > 0 ? 1e300 : -1e300);
                        for (double x : {w, -w}) {
                            const std::string written = Written(d, x);
                            ++checked;
                            if (written != SlowFixed(d, x) && ++failures <= 10)
                                ADD_FAILURE() << "d=" << d << " v=" << std::setprecision(17) << x << ": "
                                              << written << " / " << SlowFixed(d, x);
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GT(checked, 50000);
}
