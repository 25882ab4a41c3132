// General utilities: file names, number formatting and parsing, text
// splitting, bits, roman numerals, line intersection, version text.
#pragma once

#include <cstdint>
#include <string>

namespace orv {

struct TPoint { int X = 0; int Y = 0; };
struct TRect { int Left = 0; int Top = 0; int Right = 0; int Bottom = 0; };
struct TRealPoint { double X = 0; double Y = 0; };

// --- the locale's decimal separator (bound from the system locale at start-up)
char DecimalSeparator();
void SetDecimalSeparator(char sep);

// --- rounding
// Pascal's Round: to the nearest integer, halves to the even neighbour.
double PascalRound(double v);
// The same into an int, saturating at the int range; NaN gives 0.
int RoundToInt(double v);

// --- numbers
// Value with a fixed number of decimals, halves away from zero, the locale's
// separator, no group separator and never "-0".
std::string FormatFixed(int decimals, double value);
// The same appended to `out`.
void AppendFixed(std::string& out, int decimals, double value);
// The longest FormatFixed of a value below 1e15 in magnitude: sign, 15
// whole digits, separator and 18 decimals.
constexpr std::size_t FixedMaxCharsBelow1e15 = 35;
// The same written at `p`, which has room for it (the room past the text's
// end may be written over); returns its end. Inline, so that decimals known
// where it is called choose their writer there.
template <int Decimals>
char* WriteFixedDecimals(char* p, double value); // 0 to 6
char* WriteFixedRest(char* p, int decimals, double value); // any decimals; the general path
[[gnu::always_inline]] inline char* WriteFixed(char* p, int decimals, double value)
{
    switch (decimals) {
    case 0: return WriteFixedDecimals<0>(p, value);
    case 1: return WriteFixedDecimals<1>(p, value);
    case 2: return WriteFixedDecimals<2>(p, value);
    case 3: return WriteFixedDecimals<3>(p, value);
    case 4: return WriteFixedDecimals<4>(p, value);
    case 5: return WriteFixedDecimals<5>(p, value);
    case 6: return WriteFixedDecimals<6>(p, value);
    default: return WriteFixedRest(p, decimals, value);
    }
}
std::string NormalizeDecimal(const std::string& text);
// Parses with "," or "." as the separator; false for a text that is no finite number.
bool TryTextToFloat(const std::string& text, double& value);
// Empty text or no number gives 0.
double TextToFloat(const std::string& text);

// --- texts
std::string StripExtension(const std::string& fileName);
std::string StripMarkup(const std::string& text);
void SplitAtCrLf(const std::string& text, std::string& left, std::string& right);
void SplitAtTab(const std::string& text, std::string& left, std::string& right);
std::string ToRoman(int n);
std::string UtilisationText(double value, double capacity);
// File name without its folder.
std::string ExtractFileName(const std::string& path);

// --- geometry and bits
bool PointInRect(const TPoint& p, const TRect& r);
void LineIntersection(const TRealPoint& p1, const TRealPoint& p2, const TRealPoint& p3,
                      const TRealPoint& p4, TRealPoint& q, bool& parallel);
int TestBit(int value, int n);

// --- environment
void GetTempDir(std::string& dir);
int AskSaveProject(const std::string& name);
int PlatformCode();
void GetFileVersionNumbers(std::uint16_t& major, std::uint16_t& minor, std::uint16_t& release,
                           std::uint16_t& build);
std::string GetVersionText(bool shortForm);
bool IsWinXPOrLater();
bool IsXPThemeActive();

} // namespace orv
