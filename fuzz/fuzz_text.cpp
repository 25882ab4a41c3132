// The text routines on any bytes: number parsing and formatting, report
// mark-up to RTF and the code-page conversion both ways. The first byte
// picks the decimal separator (bit 0) and the decimals (bits 1..5, a few of
// them outside 0..18); the rest is the text, its first eight bytes also a
// double to format.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/Cp1250.h"
#include "core/MyUtils.h"
#include "core/RtfUtils.h"
#include "core/ZunTypes.h"
#include "fuzz/FuzzSupport.h"

using namespace orv;
using namespace orvfuzz;

namespace {

bool IsValidUtf8(const std::string& s)
{
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        const int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + len > s.size()) return false;
        for (int k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += len;
    }
    return true;
}

// FormatFixed: a finite value prints as a number, never as "-0", that reads
// back within half a unit of the last decimal and the 15 significant digits
// it keeps (near the end of the double range those digits may round past it).
void CheckFormatted(int decimals, double value)
{
    const std::string s = FormatFixed(decimals, value);
    if (!std::isfinite(value)) return;
    if (HasNonFiniteNumber(s)) Fail("FormatFixed printed a finite value as NaN or infinity", s);
    if (!s.empty() && s[0] == '-' && s.find_first_of("123456789") == std::string::npos)
        Fail("FormatFixed printed a negative zero", s);
    if (std::fabs(value) > 1e300) return;
    double back = 0;
    if (!TryTextToFloat(s, back)) Fail("FormatFixed output does not read back", s);
    const int d = decimals < 0 ? 0 : decimals > 18 ? 18 : decimals;
    const double tolerance = 0.5000001 * std::pow(10.0, -d) + 1e-14 * std::fabs(value);
    if (!(std::fabs(back - value) <= tolerance))
        Fail("FormatFixed output reads back as another value", s);
}

// RoundTripDecimal: a finite value reads back as the very same double.
void CheckRoundTrip(int decimals, double value)
{
    if (!std::isfinite(value)) return;
    const std::string s = RoundTripDecimal(value, decimals);
    double back = 0;
    if (!TryTextToFloat(s, back) || !(back == value)) Fail("RoundTripDecimal output reads back as another value", s);
}

void CheckNumbers(int decimals, const std::string& text)
{
    double v = 0;
    const bool ok = TryTextToFloat(text, v);
    if (ok && !std::isfinite(v)) Fail("TryTextToFloat accepted a non-finite number", text);
    const double t = TextToFloat(text);
    if (ok ? !(t == v) : t != 0) Fail("TextToFloat disagrees with TryTextToFloat", text);
    if (ok) {
        CheckFormatted(decimals, v);
        CheckRoundTrip(decimals, v);
    }
    (void)NormalizeDecimal(text);

    if (text.size() >= 8) {
        double raw;
        std::memcpy(&raw, text.data(), 8);
        CheckFormatted(decimals, raw);
        CheckRoundTrip(decimals, raw);
        (void)UtilisationText(raw, v);
        (void)RoundToInt(raw);
        if (std::isfinite(raw) && !(std::fabs(RoundHalfEven(raw) - raw) <= 0.5))
            Fail("RoundHalfEven moved a value by more than a half", FormatFixed(6, raw));
    }
    if (text.size() >= 4) {
        std::int32_t n;
        std::memcpy(&n, text.data(), 4);
        const std::string roman = ToRoman(n);
        if (roman.find_first_not_of("MDCLXVI") != std::string::npos) Fail("ToRoman wrote a non-numeral", roman);
    }
}

void CheckMarkup(const std::string& text)
{
    CheckRtf(MarkupToRtf(text), "MarkupToRtf");
    CheckRtf(Cp1250MarkupToRtf(text), "Cp1250MarkupToRtf");
    CheckRtf(Cp1250ToRtfChars(text), "Cp1250ToRtfChars");
    if (StripMarkup(text).size() > text.size()) Fail("StripMarkup made a text longer", text);
    std::string left, right;
    SplitAtCrLf(text, left, right);
    if (left.size() + right.size() + (left.size() < text.size() ? 2 : 0) != text.size())
        Fail("SplitAtCrLf lost or added characters", text);
    SplitAtTab(text, left, right);
    if (left.size() + right.size() + (left.size() < text.size() ? 1 : 0) != text.size())
        Fail("SplitAtTab lost or added characters", text);
}

void CheckCodePage(const std::string& text)
{
    // Bytes as code page 1250: through UTF-8 and back unchanged.
    const std::string utf8 = Cp1250ToUtf8(text);
    if (!IsValidUtf8(utf8)) Fail("Cp1250ToUtf8 wrote malformed UTF-8", utf8);
    if (Utf8ToCp1250(utf8) != text) Fail("code page 1250 text changed in a round trip", text);

    // Bytes as UTF-8 (maybe malformed): one byte per character at most.
    const std::string cp = Utf8ToCp1250(text);
    if (cp.size() > text.size()) Fail("Utf8ToCp1250 made a text longer", text);
    if (Utf8ToCp1250(Cp1250ToUtf8(cp)) != cp) Fail("converted text changed in a round trip", text);

    // The stored text fields cut at their capacity and keep what fits.
    TShortString<255> s{};
    s.set(text);
    if (s.length() > 255 || s.raw() != cp.substr(0, 255)) Fail("short string set wrongly", text);
    TFixedText f{};
    StrToFixedText(text, f);
    if (f.Length < 0 || f.Length > 512 || Utf8ToCp1250(FixedTextToStr(f)) != cp.substr(0, 512))
        Fail("fixed text set wrongly", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::uint8_t options = data[0];
    SetDecimalSeparator((options & 1) ? '.' : ',');
    const int decimals = ((options >> 1) & 31) - 4; // -4..27
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    CheckNumbers(decimals, text);
    CheckMarkup(text);
    CheckCodePage(text);
    return 0;
}
