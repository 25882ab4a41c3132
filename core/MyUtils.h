// General utilities: file names, number formatting and parsing, text
// splitting, bits, roman numerals, line intersection, version text.
#pragma once

#include <charconv>
#include <cstddef>
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
// To the nearest integer, halves to the even neighbour.
double RoundHalfEven(double v);
// The same into an int, saturating at the int range; NaN gives 0.
int RoundToInt(double v);

// --- numbers
// The text of every number shown with a fixed number of decimals (0 to 18,
// others clamped): the value is taken to its 15 significant digits, which
// are then rounded at the decimals with halves away from zero; the locale's
// separator, no group separator and never "-0". NaN reads "NAN", the
// infinities "INF" and "-INF".
std::string FormatFixed(int decimals, double value);
// FormatFixed with two decimals, its trailing zeros dropped and with them a
// separator left last: 20, 36,4, 37,25.
std::string ShortDecimal(double value);
// The text a file keeps of a number: the shortest that TryTextToFloat reads
// back as the same double, with at least `minDecimals` decimals (0 to 18),
// the locale's separator and never "-0" (18,0; 12,34; 0,0000001). A value
// that needs more than 18 decimals, or is 1e15 or more in magnitude, is
// written with an exponent (1e-300, 1,5e+20); NaN and the infinities as
// FormatFixed writes them.
std::string RoundTripDecimal(double value, int minDecimals);
// The same appended to `out`.
void AppendFixed(std::string& out, int decimals, double value);
// The longest FormatFixed of a value below 1e15 in magnitude: sign, 16 whole
// digits (it may round up to 10^15), separator and 18 decimals.
constexpr std::size_t FixedMaxCharsBelow1e15 = 36;
// The longest FormatFixed of any finite value: sign, 309 whole digits,
// separator and 18 decimals.
constexpr std::size_t FixedMaxChars = 329;
// FormatFixed of a finite value written in [first, last), as std::to_chars
// writes: the text's end and no error; {last, value_too_large} when the
// text does not fit and {first, invalid_argument} for NaN and the
// infinities, nothing written. Never writes outside the range.
std::to_chars_result WriteFixed(char* first, char* last, int decimals, double value);
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
// Bit `bit` (0 the lowest) of `mask`; false for a bit outside 0..31.
bool IsBitSet(int mask, int bit);

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
