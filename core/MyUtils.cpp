#include "core/MyUtils.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "core/MessageService.h"
#include "core/Version.h"

namespace orv {
namespace {
char g_decimalSeparator = ',';
}

namespace {

constexpr auto Pow10U = [] {
    std::array<std::uint64_t, 19> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();

// "00" to "99", two characters each
constexpr auto DigitPairs = [] {
    std::array<char, 200> t{};
    for (std::size_t i = 0; i < 100; ++i) {
        t[2 * i] = static_cast<char>('0' + i / 10);
        t[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

// The 15 significant digits of a > 0, correctly rounded (ties to even), and
// the decimal exponent of the first: a = dig[0].dig[1..14] 10^exp10.
void FifteenDigits(double a, char dig[15], int& exp10)
{
    char buf[40] = {};
    const auto conv = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 14);
    dig[0] = buf[0];
    std::memcpy(dig + 1, buf + 2, 14);
    const char* e = static_cast<const char*>(std::memchr(buf, 'e', static_cast<std::size_t>(conv.ptr - buf)));
    std::from_chars(e[1] == '+' ? e + 2 : e + 1, conv.ptr, exp10);
}

// The rounding rule of every number shown: |value| is taken to its 15
// significant digits, which are then rounded at the decimals with halves
// away from zero. The digits of the result, |value| 10^decimals as a whole
// number without leading zeros but with decimals + 1 digits at least, go to
// `out` (room for FixedMaxChars); returns their count. mag >= 0, finite.
std::size_t RoundedDigits(double mag, int decimals, char* out)
{
    char dig[15] = {};
    int exp10 = 0;
    FifteenDigits(mag, dig, exp10);
    // Digit j of the result has the weight 10^(whole - 1 - j), that of dig[exp10 - whole + 1 + j].
    const int whole = exp10 >= 0 ? exp10 + 1 : 1;
    const int len = whole + decimals;
    char* d = out + 1; // out[0] is room for a carry
    for (int j = 0; j < len; ++j) {
        const int k = exp10 - whole + 1 + j;
        d[j] = k >= 0 && k < 15 ? dig[k] : '0';
    }
    const int dropped = exp10 - whole + 1 + len; // the first digit left off
    int n = len;
    if (dropped >= 0 && dropped < 15 && dig[dropped] >= '5') {
        int j = len - 1;
        while (j >= 0 && d[j] == '9') d[j--] = '0';
        if (j >= 0) {
            ++d[j];
        } else {
            *--d = '1';
            ++n;
        }
    }
    int lead = 0;
    while (n - lead > decimals + 1 && d[lead] == '0') ++lead;
    n -= lead;
    std::memmove(out, d + lead, static_cast<std::size_t>(n));
    return static_cast<std::size_t>(n);
}

// Away from a half of the last decimal, the rule's result is the nearest
// whole number to the scaled double r = |value| 10^decimals: the 15-digit
// step and the product's own rounding move it by less than r 1e-13, which
// cannot carry it across a half. True with that number in q; false near a
// half or when r is 10^15 or more, where the rule itself decides. The one
// shortcut past the rule: a trace writes hundreds of numbers, and through
// the rule alone a continuous wall's check with its trace takes four times
// as long.
bool NearestScaled(double mag, int decimals, std::uint64_t& q)
{
    const double r = mag * static_cast<double>(Pow10U[static_cast<std::size_t>(decimals)]);
    if (!(r < 1e15)) return false;
    const auto whole = static_cast<std::uint64_t>(r); // r >= 0: truncation is the floor
    const double frac = r - static_cast<double>(whole);
    if (!(std::fabs(frac - 0.5) > r * 1e-13 + 1e-9)) return false;
    q = whole + (frac > 0.5 ? 1 : 0);
    return true;
}

// Sign, whole part, separator and decimals of the result from its digits
// (decimals + 1 at least) in [first, last).
std::to_chars_result WriteDigits(char* first, char* last, const char* digits, std::size_t count,
                                 int decimals, bool negative)
{
    const auto d = static_cast<std::size_t>(decimals);
    const std::size_t length = (negative ? 1 : 0) + count + (d > 0 ? 1 : 0);
    if (static_cast<std::size_t>(last - first) < length) return {last, std::errc::value_too_large};
    char* p = first;
    if (negative) *p++ = '-';
    std::memcpy(p, digits, count - d);
    p += count - d;
    if (d > 0) {
        *p++ = g_decimalSeparator;
        std::memcpy(p, digits + (count - d), d);
        p += d;
    }
    return {p, std::errc()};
}

} // namespace

char DecimalSeparator() { return g_decimalSeparator; }
void SetDecimalSeparator(char sep) { g_decimalSeparator = sep ? sep : '.'; }

double RoundHalfEven(double v) { return std::nearbyint(v); }

int RoundToInt(double v)
{
    if (std::isnan(v)) return 0;
    const double r = RoundHalfEven(v);
    if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(r);
}

std::to_chars_result WriteFixed(char* first, char* last, int decimals, double value)
{
    if (!std::isfinite(value)) return {first, std::errc::invalid_argument};
    decimals = std::clamp(decimals, 0, 18);
    const double mag = std::fabs(value);
    std::uint64_t q = 0;
    if (NearestScaled(mag, decimals, q)) {
        // q's digits, with zeros before them up to decimals + 1, written
        // from the last, the separator before the last `decimals`
        const auto d = static_cast<std::size_t>(decimals);
        std::size_t count = 1;
        while (count < Pow10U.size() && q >= Pow10U[count]) ++count;
        count = std::max(count, d + 1);
        const bool negative = value < 0 && q != 0;
        const std::size_t length = (negative ? 1 : 0) + count + (d > 0 ? 1 : 0);
        if (static_cast<std::size_t>(last - first) < length) return {last, std::errc::value_too_large};
        char* p = first + length;
        const auto putDigits = [&p, &q](std::size_t n) {
            for (; n >= 2; n -= 2, q /= 100) {
                const std::size_t pair = 2 * static_cast<std::size_t>(q % 100);
                *--p = DigitPairs[pair + 1];
                *--p = DigitPairs[pair];
            }
            if (n == 1) {
                *--p = static_cast<char>('0' + q % 10);
                q /= 10;
            }
        };
        putDigits(d);
        if (d > 0) *--p = g_decimalSeparator;
        putDigits(count - d);
        if (negative) *--p = '-';
        return {first + length, std::errc()};
    }
    char digits[FixedMaxChars] = {};
    const std::size_t count = RoundedDigits(mag, decimals, digits);
    const bool zero = std::all_of(digits, digits + count, [](char c) { return c == '0'; });
    return WriteDigits(first, last, digits, count, decimals, value < 0 && !zero);
}

void AppendFixed(std::string& out, int decimals, double value)
{
    if (std::isnan(value)) {
        out += "NAN";
        return;
    }
    if (std::isinf(value)) {
        out += value > 0 ? "INF" : "-INF";
        return;
    }
    char buf[FixedMaxChars] = {};
    const std::to_chars_result r = WriteFixed(buf, buf + sizeof buf, decimals, value);
    out.append(buf, r.ptr);
}

std::string FormatFixed(int decimals, double value)
{
    std::string s;
    AppendFixed(s, decimals, value);
    return s;
}

std::string ShortDecimal(double value)
{
    std::string s = FormatFixed(2, value);
    const std::size_t sep = s.find(g_decimalSeparator);
    if (sep == std::string::npos) return s;
    while (s.back() == '0') s.pop_back();
    if (s.size() == sep + 1) s.pop_back();
    return s;
}

std::string RoundTripDecimal(double value, int minDecimals)
{
    if (!std::isfinite(value)) return FormatFixed(minDecimals, value);
    if (value == 0) value = 0; // no "-0"
    const auto minimum = static_cast<std::ptrdiff_t>(std::clamp(minDecimals, 0, 18));
    // The shortest digits that read back alike, as std::to_chars gives them.
    // A fixed text below 1e15 has at most 15 whole digits and some 325
    // decimals; one that would not fit takes the exponent form.
    char buf[400] = {};
    char* const end = buf + sizeof buf;
    std::to_chars_result r{buf, std::errc::value_too_large};
    std::ptrdiff_t decimals = 0;
    if (std::fabs(value) < 1e15) {
        r = std::to_chars(buf, end, value, std::chars_format::fixed);
        const char* point = std::find(buf, r.ptr, '.');
        decimals = point == r.ptr ? 0 : r.ptr - point - 1;
    }
    const bool fixed = r.ec == std::errc() && decimals <= 18;
    if (!fixed) r = std::to_chars(buf, end, value, std::chars_format::scientific);
    std::string s(buf, r.ptr);
    const std::size_t point = s.find('.');
    if (point != std::string::npos) s[point] = g_decimalSeparator;
    if (fixed && decimals < minimum) {
        if (decimals == 0) s += g_decimalSeparator;
        s.append(static_cast<std::size_t>(minimum - decimals), '0');
    }
    return s;
}

std::string NormalizeDecimal(const std::string& text)
{
    std::string result = text;
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos) result[comma] = g_decimalSeparator;
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        result = text;
        result[point] = g_decimalSeparator;
    }
    return result;
}

bool TryTextToFloat(const std::string& text, double& value)
{
    std::string s = NormalizeDecimal(text);
    const std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return false;
    const std::size_t e = s.find_last_not_of(" \t");
    s = s.substr(b, e - b + 1);
    // Only the locale's separator counts as the decimal point from here on.
    for (char& c : s) {
        if (c == g_decimalSeparator) c = '.';
        else if (c == '.') c = '\x01'; // a point that is not the separator is no number
    }
    const char* first = s.data();
    const char* last = s.data() + s.size();
    if (*first == '+') ++first;
    double v = 0;
    auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ec != std::errc() || ptr != last || !std::isfinite(v)) return false;
    // from_chars accepts "inf" and "nan" spellings; refuse anything alphabetic but an exponent.
    for (const char* p = first; p != last; ++p) {
        if ((*p >= 'a' && *p <= 'z' && *p != 'e') || (*p >= 'A' && *p <= 'Z' && *p != 'E')) return false;
    }
    value = v;
    return true;
}

double TextToFloat(const std::string& text)
{
    double v = 0;
    return TryTextToFloat(text, v) ? v : 0.0;
}

std::string ExtractFileName(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string StripExtension(const std::string& fileName)
{
    std::string name = ExtractFileName(fileName);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

std::string StripMarkup(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size()) {
            switch (text[i + 1]) {
            case 'B': case 'D': case 'G': case 'I': case 'N': case 'S': case 'U':
                ++i;
                continue;
            default: break;
            }
        }
        out += text[i];
    }
    return out;
}

void SplitAtCrLf(const std::string& text, std::string& left, std::string& right)
{
    const std::size_t p = text.find("\r\n");
    if (p == std::string::npos) {
        left = text;
        right.clear();
    } else {
        left = text.substr(0, p);
        right = text.substr(p + 2);
    }
}

void SplitAtTab(const std::string& text, std::string& left, std::string& right)
{
    const std::size_t p = text.find('\t');
    if (p == std::string::npos) {
        left = text;
        right.clear();
    } else {
        left = text.substr(0, p);
        right = text.substr(p + 1);
    }
}

std::string ToRoman(int n)
{
    if (n < 1 || n >= 4000) return {};
    auto digit = [](int d, const char* nine, const char* five, const char* four, const char* ones) {
        const std::string o(ones);
        if (d == 9) return std::string(nine);
        if (d >= 5) return std::string(five) + o.substr(0, d - 5);
        if (d == 4) return std::string(four);
        return o.substr(0, d);
    };
    std::string out = std::string("MMM").substr(0, n / 1000);
    out += digit(n / 100 % 10, "CM", "D", "CD", "CCC");
    out += digit(n / 10 % 10, "XC", "L", "XL", "XXX");
    out += digit(n % 10, "IX", "V", "IV", "III");
    return out;
}

std::string UtilisationText(double value, double capacity)
{
    if (capacity == 0) return {};
    return "     (" + FormatFixed(1, value * 100 / capacity) + "%)";
}

bool PointInRect(const TPoint& p, const TRect& r)
{
    return r.Left <= p.X && p.X <= r.Right && r.Top <= p.Y && p.Y <= r.Bottom;
}

void LineIntersection(const TRealPoint& p1, const TRealPoint& p2, const TRealPoint& p3,
                      const TRealPoint& p4, TRealPoint& q, bool& parallel)
{
    parallel = false;
    const bool v1 = p1.X == p2.X;
    const bool v2 = p3.X == p4.X;
    if (v1 && v2) {
        parallel = true;
        return;
    }
    double a1 = 0, b1 = 0, a2 = 0, b2 = 0;
    if (!v1) {
        a1 = (p2.Y - p1.Y) / (p1.X - p2.X);
        b1 = -(a1 * p1.X + p1.Y);
    }
    if (!v2) {
        a2 = (p4.Y - p3.Y) / (p3.X - p4.X);
        b2 = -(a2 * p3.X + p3.Y);
    }
    if (!v1 && !v2) {
        if (a1 - a2 == 0) {
            parallel = true;
            return;
        }
        q.X = (b2 - b1) / (a1 - a2);
        q.Y = -(a1 * q.X + b1);
    } else if (v1) {
        q.X = p1.X;
        q.Y = -(a2 * p1.X + b2);
    } else {
        q.X = p3.X;
        q.Y = -(a1 * p3.X + b1);
    }
}

bool IsBitSet(int mask, int bit)
{
    if (bit < 0 || bit > 31) return false;
    return (static_cast<unsigned>(mask) & (1u << bit)) != 0;
}

void GetTempDir(std::string& dir)
{
    std::error_code ec;
    std::filesystem::path p = std::filesystem::temp_directory_path(ec);
    dir = ec ? std::string("/tmp") : p.string();
    if (dir.empty() || dir.back() != '/') dir += '/';
}

int AskSaveProject(const std::string& name)
{
    const std::string shown = name.empty() ? "Nowy Projekt" : name;
    if (IsWindowsVistaOrLater()) {
        return ShowMessageDialog("Zapisać zmiany w projekcie?",
                                 "Dane w projekcie - " + shown + " - zostały zmienione.",
                                 mdConfirmation, mbYes | mbNo | mbCancel, 0);
    }
    return MessageDlg3("Dane w projekcie - " + shown + "\n\r" + "zostały zmienione. Zapisać ?",
                       mdConfirmation, mbYes | mbNo | mbCancel, 0);
}

int PlatformCode() { return 65; }

void GetFileVersionNumbers(std::uint16_t& major, std::uint16_t& minor, std::uint16_t& release,
                           std::uint16_t& build)
{
    major = OrvVersionMajor;
    minor = OrvVersionMinor;
    release = OrvVersionRelease;
    build = OrvVersionBuild;
}

std::string GetVersionText(bool shortForm)
{
    std::uint16_t a = 0, b = 0, c = 0, d = 0;
    GetFileVersionNumbers(a, b, c, d);
    std::string s = std::to_string(a) + "." + std::to_string(b);
    if (!shortForm) s += "." + std::to_string(c) + "." + std::to_string(d);
    return s;
}

bool IsWinXPOrLater() { return true; }
// No visual theme is switched on: composite controls show their classic
// parts, which Qt draws in the style of the desktop.
bool IsXPThemeActive() { return false; }

} // namespace orv
