#include "dialogs/nomlib/NomTables.h"

#include <charconv>
#include <cmath>

#include "core/Cp1250.h"

namespace orv::nom {
namespace {

constexpr std::size_t kMaxRows = 50;
constexpr double kMaxMagnitude = 1e6;

std::string Number(double v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

bool ReadNumber(const std::string& s, double& v)
{
    const char* end = s.data() + s.size();
    const auto r = std::from_chars(s.data(), end, v);
    return r.ec == std::errc() && r.ptr == end && std::isfinite(v) && std::fabs(v) <= kMaxMagnitude;
}

std::string CleanDescription(std::string s)
{
    for (char& c : s)
        if (c == '|' || c == '\n' || c == '\r') c = ' ';
    return s;
}

std::vector<std::string> Split(const std::string& s, char sep)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = s.find(sep, from);
        parts.push_back(s.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos) return parts;
        from = at + 1;
    }
}

} // namespace

std::string RowsToText(const std::vector<TLoadRow>& rows, std::size_t maxBytes)
{
    std::string text;
    std::size_t bytes = 0;
    for (const TLoadRow& r : rows) {
        const std::string line = CleanDescription(r.description) + '|' + Number(r.quantity) + '|' +
                                 Number(r.value) + '|' + Number(r.gammaF);
        const std::size_t size = Utf8ToCp1250(line).size() + (text.empty() ? 0 : 1);
        if (bytes + size > maxBytes) break;
        if (!text.empty()) text += '\n';
        text += line;
        bytes += size;
    }
    return text;
}

std::vector<TLoadRow> TextToRows(const std::string& text)
{
    std::vector<TLoadRow> rows;
    for (const std::string& line : Split(text, '\n')) {
        if (rows.size() == kMaxRows) break;
        const std::vector<std::string> f = Split(line, '|');
        TLoadRow r;
        if (f.size() != 4 || !ReadNumber(f[1], r.quantity) || !ReadNumber(f[2], r.value) ||
            !ReadNumber(f[3], r.gammaF) || r.gammaF < 0)
            continue;
        r.description = f[0];
        rows.push_back(r);
    }
    return rows;
}

double CharacteristicSum(const std::vector<TLoadRow>& rows)
{
    double s = 0;
    for (const TLoadRow& r : rows) s += r.quantity * r.value;
    return s;
}

double DesignSum(const std::vector<TLoadRow>& rows)
{
    double s = 0;
    for (const TLoadRow& r : rows) s += r.quantity * r.value * r.gammaF;
    return s;
}

double DesignSumOfSign(const std::vector<TLoadRow>& rows, bool positive)
{
    double s = 0;
    for (const TLoadRow& r : rows) {
        const double v = r.quantity * r.value * r.gammaF;
        if ((v > 0) == positive && v != 0) s += v;
    }
    return s;
}

double MeanValue(const std::vector<TLoadRow>& rows)
{
    double q = 0;
    for (const TLoadRow& r : rows) q += r.quantity;
    return q > 0 ? CharacteristicSum(rows) / q : 0.0;
}

std::string BandWidthText(double width) { return "b=" + Number(width); }

double BandWidthFromText(const std::string& text, double fallback)
{
    double v = 0;
    if (text.rfind("b=", 0) != 0 || !ReadNumber(text.substr(2), v) || v < 0) return fallback;
    return v;
}

TLoadRow PresetToRow(const TPresetRow& p, double quantity)
{
    return TLoadRow{p.name, quantity, p.value, p.gammaF};
}

} // namespace orv::nom
