#include "core/MyUtils.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/MessageService.h"
#include "core/Version.h"

namespace orv {
namespace {
char g_decimalSeparator = ',';
}

namespace {
// The 15 significant digits of a >= 0 (correctly rounded) and its decimal
// exponent. The shortest round-trip digits are cheap and, unless they are
// themselves a rounding midpoint, round to the same 15 digits as the exact
// value; otherwise the exact conversion decides.
void FifteenDigits(double a, char dig[15], int& exp10)
{
    char buf[40];
    auto conv = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific);
    char* e = static_cast<char*>(std::memchr(buf, 'e', static_cast<std::size_t>(conv.ptr - buf)));
    char sd[20];
    int n = 0;
    sd[n++] = buf[0];
    for (char* p = buf + 2; p < e; ++p) sd[n++] = *p;
    std::from_chars(e[1] == '+' ? e + 2 : e + 1, conv.ptr, exp10);
    if (n <= 15) {
        std::memcpy(dig, sd, static_cast<std::size_t>(n));
        std::memset(dig + n, '0', static_cast<std::size_t>(15 - n));
        return;
    }
    const bool midpoint = sd[15] == '5' && (n == 16 || (n == 17 && sd[16] == '0'));
    if (midpoint) {
        conv = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 14);
        dig[0] = buf[0];
        std::memcpy(dig + 1, buf + 2, 14);
        e = static_cast<char*>(std::memchr(buf, 'e', static_cast<std::size_t>(conv.ptr - buf)));
        std::from_chars(e[1] == '+' ? e + 2 : e + 1, conv.ptr, exp10);
        return;
    }
    std::memcpy(dig, sd, 15);
    if (sd[15] >= '5') {
        int j = 14;
        while (j >= 0 && dig[j] == '9') dig[j--] = '0';
        if (j >= 0) {
            ++dig[j];
        } else {
            dig[0] = '1';
            ++exp10;
        }
    }
}

// The same digits by integer arithmetic, for a value of 1e-6 up to 1e15:
// a = M 2^E exactly, so a 10^k = M 5^k 2^(E+k) is rounded to the nearest
// integer of 15 digits without a decimal conversion; a = D 10^(exp10 - 14).
// False (nothing written) outside that range and on an exact tie, which the
// conversion above decides.
bool FifteenDigitsExact(double a, std::uint64_t& D, int& exp10)
{
    if (!(a >= 1e-6 && a < 1e15)) return false;
    // a is normal here: its 53-bit significand and binary exponent from its bits
    const auto bits = std::bit_cast<std::uint64_t>(a);
    const std::uint64_t M = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int e2 = static_cast<int>(bits >> 52) - 1022; // a = M 2^(e2 - 53), M 2^-53 in [1/2, 1)
    const int E = e2 - 53;
    static constexpr std::uint64_t Low = 100000000000000ULL;  // 1e14
    static constexpr std::uint64_t High = 1000000000000000ULL; // 1e15
    static constexpr auto Pow5 = [] {
        std::array<std::uint64_t, 27> p{};
        p[0] = 1;
        for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 5;
        return p;
    }();
    // a lies within [2^(e2-1), 2^e2): its decimal exponent is that of 2^(e2-1), or one more.
    // floor((e2 - 1) log10(2)) by a fixed-point product, exact for |e2| < 1000
    int e10 = std::clamp(((e2 - 1) * 78913) >> 18, -6, 14);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int k = 14 - e10; // 0 .. 21 in the range above
        unsigned __int128 x = static_cast<unsigned __int128>(M) * Pow5[static_cast<std::size_t>(k)];
        const int shift = E + k;
        std::uint64_t n;
        if (shift >= 0) {
            if (shift > 20) return false;
            x <<= shift;
            if (x >= High) n = High + 1; // too big: the exponent was low
            else n = static_cast<std::uint64_t>(x);
        } else {
            if (-shift >= 120) return false;
            const unsigned __int128 one = 1;
            const unsigned __int128 rem = x & ((one << -shift) - 1);
            const unsigned __int128 half = one << (-shift - 1);
            x >>= -shift;
            if (rem == half) return false;
            if (rem > half) ++x;
            n = x > High ? High + 1 : static_cast<std::uint64_t>(x);
        }
        if (n > High || n < Low) {
            e10 += n > High ? 1 : -1;
            continue;
        }
        if (n == High) { // rounded up to the next power of ten
            n = Low;
            ++e10;
        }
        D = n;
        exp10 = e10;
        return true;
    }
    return false;
}

constexpr auto Pow10U = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();

// The number of decimal digits of n, 0 counted as one: about log10(2) times
// its bits, then one comparison.
[[gnu::always_inline]] inline std::size_t DecimalDigits(std::uint64_t n)
{
    const std::uint64_t odd = n | 1; // as many digits as n, and 0 has one
    const auto guess = static_cast<std::size_t>((std::bit_width(odd) * 1233) >> 12);
    return guess + (odd >= Pow10U[guess] ? 1 : 0);
}

// The 15 digits as characters.
void FifteenDigitChars(std::uint64_t D, char dig[15])
{
    for (int j = 14; j >= 0; --j) {
        dig[j] = static_cast<char>('0' + D % 10);
        D /= 10;
    }
}

// |value| 10^decimals rounded as the digits path below rounds it, for a
// value near a half of the last decimal: its 15 digits by integer
// arithmetic, then halves away from zero. False where the exact digits are
// not to be had.
bool ScaledNearHalf(double mag, int decimals, std::uint64_t& q)
{
    std::uint64_t D = 0;
    int exp10 = 0;
    if (!FifteenDigitsExact(mag, D, exp10)) return false;
    const int k = 14 - exp10 - decimals; // digits of D below the last decimal
    if (k <= 0) {
        if (k < -4) return false;
        q = D * Pow10U[static_cast<std::size_t>(-k)];
    } else if (k <= 19) {
        const std::uint64_t p = Pow10U[static_cast<std::size_t>(k)];
        q = D / p + (D % p >= p / 2 ? 1 : 0);
    } else {
        q = 0; // D < 10^15 is below half of 10^k
    }
    return true;
}

constexpr char DigitPairs[] = "00010203040506070809101112131415161718192021222324"
                              "25262728293031323334353637383940414243444546474849"
                              "50515253545556575859606162636465666768697071727374"
                              "75767778798081828384858687888990919293949596979899";

// A value of at most 6 decimals rounded to them: whole part, decimals as
// an integer, sign and the length of its text.
struct TScaled {
    std::uint64_t whole;
    std::uint32_t fraction;
    int decimals;
    bool negative;
    std::size_t wholeLen;
    std::size_t length;
};

// Rounds as the digits path below does, without its decimal conversion:
// far enough from a half of the last decimal the scaled double decides,
// near one the exact 15 digits. False when neither applies.
[[gnu::always_inline]] inline bool ScaleFixed(int decimals, double value, TScaled& s)
{
    static constexpr double kPow10[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    if (decimals > 6) return false;
    const double mag = std::fabs(value);
    const double r = mag * kPow10[decimals];
    if (!(r < 4e15)) return false; // whole numbers below 2^53 are exact
    const auto n = static_cast<std::uint64_t>(r); // floor: r >= 0
    const double frac = r - static_cast<double>(n);
    std::uint64_t q = 0;
    if (std::fabs(frac - 0.5) > r * 1e-13 + 1e-9) q = n + (frac > 0.5 ? 1 : 0);
    else if (!ScaledNearHalf(mag, decimals, q)) return false;

    // The whole part of |value| is at most one off that of q / 10^decimals,
    // which spares a division.
    std::uint64_t whole = q;
    std::uint32_t fraction = 0;
    if (decimals > 0) {
        const std::uint64_t p10 = Pow10U[static_cast<std::size_t>(decimals)];
        whole = static_cast<std::uint64_t>(mag);
        auto rest = static_cast<std::int64_t>(q - whole * p10);
        if (rest < 0) {
            --whole;
            rest += static_cast<std::int64_t>(p10);
        } else if (rest >= static_cast<std::int64_t>(p10)) {
            ++whole;
            rest -= static_cast<std::int64_t>(p10);
        }
        fraction = static_cast<std::uint32_t>(rest);
    }
    s.whole = whole;
    s.fraction = fraction;
    s.decimals = decimals;
    s.negative = value < 0 && q != 0; // never "-0"
    s.wholeLen = DecimalDigits(whole);
    s.length = (s.negative ? 1 : 0) + s.wholeLen + (decimals > 0 ? 1 + static_cast<std::size_t>(decimals) : 0);
    return true;
}

// The text of `s` at p[0 .. s.length), from the last digit, two at a time.
[[gnu::always_inline]] inline void WriteScaled(char* p, const TScaled& s)
{
    p += s.length;
    if (s.decimals > 0) {
        std::uint32_t f = s.fraction;
        int n = s.decimals;
        for (; n >= 2; n -= 2) {
            const std::uint32_t r = f % 100;
            f /= 100;
            p -= 2;
            std::memcpy(p, DigitPairs + 2 * r, 2);
        }
        if (n != 0) *--p = static_cast<char>('0' + f);
        *--p = g_decimalSeparator;
    }
    std::uint64_t w = s.whole;
    while (w >= 100) {
        const auto r = static_cast<std::uint32_t>(w % 100);
        w /= 100;
        p -= 2;
        std::memcpy(p, DigitPairs + 2 * r, 2);
    }
    if (w >= 10) {
        p -= 2;
        std::memcpy(p, DigitPairs + 2 * w, 2);
    } else {
        *--p = static_cast<char>('0' + w);
    }
    if (s.negative) *--p = '-';
}

// Like the decimal conversion of the original: the value is first taken to
// 15 significant digits, then rounded half away from zero at the decimals.
void AppendFixedDigits(std::string& out, int decimals, double value)
{
    const double mag = std::fabs(value);
    char dig[15];
    int exp10 = 0;
    std::uint64_t D = 0;
    if (FifteenDigitsExact(mag, D, exp10)) FifteenDigitChars(D, dig);
    else FifteenDigits(mag, dig, exp10);
    // Digit j of the output has weight 10^(intLen - 1 - j), i.e. dig[exp10 - intLen + 1 + j].
    const int intLen = exp10 >= 0 ? exp10 + 1 : 1;
    const int len = intLen + decimals;
    char digits[360];
    char* d = digits + 1; // room for a carry digit in front
    for (int j = 0; j < len; ++j) {
        const int k = exp10 - intLen + 1 + j;
        d[j] = (k >= 0 && k < 15) ? dig[k] : '0';
    }
    const int kr = exp10 - intLen + 1 + len; // first dropped digit
    if (kr >= 0 && kr < 15 && dig[kr] >= '5') {
        int j = len - 1;
        while (j >= 0 && d[j] == '9') d[j--] = '0';
        if (j >= 0) {
            ++d[j];
        } else {
            *--d = '1';
        }
    }
    int n = static_cast<int>(digits + 1 + len - d); // digits now in d[0..n)
    int ip = n - decimals;                       // integer digits
    int lead = 0;
    while (lead < ip - 1 && d[lead] == '0') ++lead;
    bool zero = true;
    for (int j = lead; j < n; ++j) {
        if (d[j] != '0') {
            zero = false;
            break;
        }
    }
    if (value < 0 && !zero) out += '-';
    out.append(d + lead, d + ip);
    if (decimals > 0) {
        out += g_decimalSeparator;
        out.append(d + ip, d + n);
    }
}

} // namespace

char DecimalSeparator() { return g_decimalSeparator; }
void SetDecimalSeparator(char sep) { g_decimalSeparator = sep ? sep : '.'; }

double PascalRound(double v) { return std::nearbyint(v); }

int RoundToInt(double v)
{
    if (std::isnan(v)) return 0;
    const double r = std::nearbyint(v);
    if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(r);
}

void AppendFixed(std::string& out, int decimals, double value)
{
    decimals = std::clamp(decimals, 0, 18);
    if (std::isnan(value)) {
        out += "NAN";
        return;
    }
    if (std::isinf(value)) {
        out += value > 0 ? "INF" : "-INF";
        return;
    }
    TScaled s;
    if (ScaleFixed(decimals, value, s)) {
        const std::size_t start = out.size();
        out.resize(start + s.length);
        WriteScaled(out.data() + start, s);
        return;
    }
    AppendFixedDigits(out, decimals, value);
}

namespace {

// The 8 decimal digits of n < 10^8, leading zeros included, at p[0 .. 8).
[[gnu::always_inline]] inline void EightDigits(char* p, std::uint32_t n)
{
    const std::uint32_t high = n / 10000, low = n % 10000;
    std::memcpy(p, DigitPairs + 2 * (high / 100), 2);
    std::memcpy(p + 2, DigitPairs + 2 * (high % 100), 2);
    std::memcpy(p + 4, DigitPairs + 2 * (low / 100), 2);
    std::memcpy(p + 6, DigitPairs + 2 * (low % 100), 2);
}

// q / 10^decimals (q < 10^16, decimals <= 6) written at p with its sign:
// the digits in fixed blocks, then copied in two pieces around the
// separator. Writes up to 26 characters past p; returns the text's end.
[[gnu::always_inline]] inline char* WriteScaledInteger(char* p, std::uint64_t q, int decimals,
                                                       bool negative)
{
    char buf[40];
    char* const end = buf + 16;
    if (q < 10000) { // leading zeros for up to 6 decimals
        std::memcpy(end - 8, "0000", 4);
        std::memcpy(end - 4, DigitPairs + 2 * (q / 100), 2);
        std::memcpy(end - 2, DigitPairs + 2 * (q % 100), 2);
    } else if (q < 100000000) {
        EightDigits(end - 8, static_cast<std::uint32_t>(q));
    } else {
        EightDigits(end - 16, static_cast<std::uint32_t>(q / 100000000));
        EightDigits(end - 8, static_cast<std::uint32_t>(q % 100000000));
    }
    const std::size_t digits = DecimalDigits(q);
    const auto d = static_cast<std::size_t>(decimals);
    const std::size_t length = std::max(digits, d + 1); // "0,05", not ",05"
    *p = '-';
    p += negative ? 1 : 0;
    const std::size_t wholeLen = length - d;
    std::memcpy(p, end - length, 16);
    p += wholeLen;
    if (d == 0) return p;
    *p = g_decimalSeparator;
    std::memcpy(p + 1, end - d, 8);
    return p + 1 + d;
}

} // namespace

// WriteFixed of the values near a half, of more decimals or beyond 10^15.
[[gnu::noinline]] char* WriteFixedRest(char* p, int decimals, double value)
{
    decimals = std::clamp(decimals, 0, 18);
    TScaled s;
    if (std::isfinite(value) && ScaleFixed(decimals, value, s)) {
        WriteScaled(p, s);
        return p + s.length;
    }
    std::string text;
    AppendFixed(text, decimals, value);
    std::memcpy(p, text.data(), text.size());
    return p + text.size();
}

namespace {

// WriteFixed of a value whose scaled magnitude r = fl(mag 10^decimals), below
// 10^15, lies near a half: X = mag 10^decimals = r + t exactly, t from one
// fused multiply-add. The value's 15 significant digits are X rounded to a
// multiple u of 10^(digits - 15); a half of the last decimal is such a
// multiple. So X within u/2 of the half is the half itself, away from zero;
// farther, X's side of it decides. Too close to u/2 to tell, the exact digits
// decide.
[[gnu::noinline]] char* WriteFixedNearHalf(char* p, int decimals, double value, double mag, double r)
{
    static constexpr double Ulp15[] = {1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9, 1e-8,
                                       1e-7,  1e-6,  1e-5,  1e-4,  1e-3,  1e-2,  1e-1};
    const auto whole = static_cast<std::uint64_t>(r);
    const std::size_t digits = DecimalDigits(whole);
    std::uint64_t q = 0;
    bool decided = false;
    if (digits <= 14) {
        const double t = std::fma(mag, static_cast<double>(Pow10U[static_cast<std::size_t>(decimals)]), -r);
        const double delta = (r - static_cast<double>(whole) - 0.5) + t; // X - half, its sign exact
        const double halfUlp = 0.5 * Ulp15[digits - (whole == 0 ? 1 : 0)];
        const double far = std::fabs(delta) - halfUlp;
        if (std::fabs(far) > halfUlp * 1e-6) {
            q = whole + (far < 0 || delta > 0 ? 1 : 0);
            decided = true;
        }
    }
    if (decided || ScaledNearHalf(mag, decimals, q)) return WriteScaledInteger(p, q, decimals, value < 0 && q != 0);
    return WriteFixedRest(p, decimals, value);
}

} // namespace

// WriteFixed with a number of decimals known when compiled: most values,
// below 10^15 scaled, are written from their scaled integer; the rest by
// the general path.
template <int Decimals>
char* WriteFixedDecimals(char* p, double value)
{
    static constexpr double Scale = Pow10U[Decimals];
    const double mag = std::fabs(value);
    const double r = mag * Scale;
    if (r < 1e15) { // false for NaN and INF
        const auto whole = static_cast<std::int64_t>(r); // one instruction, unlike an unsigned one
        const double frac = r - static_cast<double>(whole);
        const auto q = static_cast<std::uint64_t>(whole + (frac > 0.5 ? 1 : 0));
        if (std::fabs(frac - 0.5) > r * 1e-13 + 1e-9)
            return WriteScaledInteger(p, q, Decimals, value < 0 && q != 0);
        return WriteFixedNearHalf(p, Decimals, value, mag, r);
    }
    return WriteFixedRest(p, Decimals, value);
}

template char* WriteFixedDecimals<0>(char*, double);
template char* WriteFixedDecimals<1>(char*, double);
template char* WriteFixedDecimals<2>(char*, double);
template char* WriteFixedDecimals<3>(char*, double);
template char* WriteFixedDecimals<4>(char*, double);
template char* WriteFixedDecimals<5>(char*, double);
template char* WriteFixedDecimals<6>(char*, double);

std::string FormatFixed(int decimals, double value)
{
    std::string s;
    AppendFixed(s, decimals, value);
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

int TestBit(int value, int n)
{
    if (n < 1 || n > 32) return 0;
    return static_cast<int>((static_cast<unsigned>(value) >> (n - 1)) & 1u);
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
    std::uint16_t a, b, c, d;
    GetFileVersionNumbers(a, b, c, d);
    std::string s = std::to_string(a) + "." + std::to_string(b);
    if (!shortForm) s += "." + std::to_string(c) + "." + std::to_string(d);
    return s;
}

bool IsWinXPOrLater() { return true; }
// No Windows visual styles here: composite controls show their classic
// parts, which Qt draws in the style of the desktop.
bool IsXPThemeActive() { return false; }

} // namespace orv
