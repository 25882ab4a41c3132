#include "core/MyUtils.h"

#include <algorithm>
#include <array>
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
// integer of 15 digits without a decimal conversion. False (nothing
// written) outside that range and on an exact tie, which the conversion
// above decides.
bool FifteenDigitsExact(double a, char dig[15], int& exp10)
{
    if (!(a >= 1e-6 && a < 1e15)) return false;
    int e2 = 0;
    const double fr = std::frexp(a, &e2);
    const auto M = static_cast<std::uint64_t>(std::ldexp(fr, 53));
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
    int e10 = std::clamp(static_cast<int>(std::floor((e2 - 1) * 0.30102999566398120)), -6, 14);
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
        // two independent halves of 7 and 8 digits
        auto hi = static_cast<std::uint32_t>(n / 100000000);
        auto lo = static_cast<std::uint32_t>(n % 100000000);
        for (int j = 7; j >= 0; --j) {
            dig[7 + j] = static_cast<char>('0' + lo % 10);
            lo /= 10;
            if (j > 0) {
                dig[j - 1] = static_cast<char>('0' + hi % 10);
                hi /= 10;
            }
        }
        exp10 = e10;
        return true;
    }
    return false;
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
    if (decimals < 0) decimals = 0;
    if (decimals > 18) decimals = 18;
    if (std::isnan(value)) {
        out += "NAN";
        return;
    }
    if (std::isinf(value)) {
        out += value > 0 ? "INF" : "-INF";
        return;
    }

    // Fast path: far enough from a rounding half that the 15-digit step cannot matter.
    static constexpr double kPow10[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    const double mag = std::fabs(value);
    const double r = decimals <= 6 ? mag * kPow10[decimals] : 1e300;
    if (r < 4e15) { // whole numbers below 2^53 are exact
        const double f = static_cast<double>(static_cast<std::uint64_t>(r)); // floor: r >= 0
        const double frac = r - f;
        if (std::fabs(frac - 0.5) > r * 1e-13 + 1e-9) {
            std::uint64_t q = static_cast<std::uint64_t>(f) + (frac > 0.5 ? 1 : 0);
            const bool negative = value < 0 && q != 0; // never "-0"
            // digits from the last, two at a time
            static constexpr char Pairs[] = "00010203040506070809101112131415161718192021222324"
                                            "25262728293031323334353637383940414243444546474849"
                                            "50515253545556575859606162636465666768697071727374"
                                            "75767778798081828384858687888990919293949596979899";
            char tmp[32];
            int n = 0;
            while (q >= 100) {
                const auto r = static_cast<unsigned>(q % 100);
                q /= 100;
                tmp[n++] = Pairs[2 * r + 1];
                tmp[n++] = Pairs[2 * r];
            }
            if (q >= 10) {
                tmp[n++] = Pairs[2 * q + 1];
                tmp[n++] = Pairs[2 * q];
            } else {
                tmp[n++] = static_cast<char>('0' + q);
            }
            while (n <= decimals) tmp[n++] = '0';
            // Written in place at the end of `out`, digits from the last.
            const std::size_t start = out.size();
            out.resize(start + static_cast<std::size_t>(n + (negative ? 1 : 0) + (decimals > 0 ? 1 : 0)));
            char* p = out.data() + start;
            if (negative) *p++ = '-';
            for (int j = n - 1; j >= decimals; --j) *p++ = tmp[j];
            if (decimals > 0) {
                *p++ = g_decimalSeparator;
                for (int j = decimals - 1; j >= 0; --j) *p++ = tmp[j];
            }
            return;
        }
    }

    // Like the decimal conversion of the original: the value is first taken to
    // 15 significant digits, then rounded half away from zero at the decimals.
    char dig[15];
    int exp10 = 0;
    if (!FifteenDigitsExact(std::fabs(value), dig, exp10)) FifteenDigits(std::fabs(value), dig, exp10);
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
