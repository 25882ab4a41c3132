#include "printing/ReportWrap.h"

#include <algorithm>
#include <cstddef>

namespace orv {

bool IsPrintCode(char c)
{
    switch (c) {
    case 'N': case 'B': case 'D': case 'I': case 'S': case 'U': case 'n': return true;
    default: return false;
    }
}

namespace {

// The codes the mark-up measure knows (MarkupTextWidth); a prefix that ends
// after the "%" of one of them ends inside it.
bool IsMeasuredCode(char c)
{
    switch (c) {
    case 'B': case 'U': case 'S': case 'N': case 'D': case 'G': case 'I': return true;
    default: return false;
    }
}

// Bytes of a UTF-8 character by its first byte, as the mark-up measure steps.
std::size_t Utf8Length(char lead)
{
    const unsigned char c = static_cast<unsigned char>(lead);
    return c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
}

using Width = std::function<int(const std::string&)>;

// The rest of a text being wrapped: the codes carried over from the line
// before, then the text from a position on, copied only as far as it is
// looked at, so that a line costs what it looks at, not what follows it.
class WrapRest {
public:
    WrapRest(const std::string& text, std::size_t pos, const std::string& carry)
        : text_(text), pos_(pos), s_(carry)
    {
    }

    // True when the rest has byte i.
    bool has(std::size_t i)
    {
        while (i >= s_.size() && pos_ + taken_ < text_.size()) {
            const std::size_t n = std::min(text_.size() - pos_ - taken_, std::max<std::size_t>(256, taken_));
            s_.append(text_, pos_ + taken_, n);
            taken_ += n;
        }
        return i < s_.size();
    }
    char at(std::size_t i) const { return s_[i]; }
    std::string prefix(std::size_t n) const { return s_.substr(0, n); }
    // Bytes of the character at i, never past the end.
    std::size_t charBytes(std::size_t i)
    {
        const std::size_t n = Utf8Length(s_[i]);
        std::size_t m = 1;
        while (m < n && has(i + m)) ++m;
        return m;
    }
    bool isCode(std::size_t i, bool (*code)(char)) { return has(i + 1) && s_[i] == '%' && code(s_[i + 1]); }
    std::size_t lastBlankBefore(std::size_t n) const
    {
        return n == 0 ? std::string::npos : s_.rfind(' ', n - 1);
    }

private:
    const std::string& text_;
    std::size_t pos_;
    std::size_t taken_ = 0;
    std::string s_;
};

// The prefixes of the rest the measure steps through: the ends of its
// characters, and among them those that do not end inside a code.
class PrefixEnds {
public:
    explicit PrefixEnds(WrapRest& rest) : rest_(rest) {}

    // The k-th end not inside a code; false past the last.
    bool whole(std::size_t k)
    {
        while (whole_.size() <= k) {
            if (!rest_.has(walked_)) return false;
            walked_ += rest_.charBytes(walked_);
            all_.push_back(walked_);
            if (!insideCode(walked_)) whole_.push_back(walked_);
        }
        return true;
    }
    std::size_t wholeAt(std::size_t k) const { return whole_[k]; }
    std::size_t wholeCount() const { return whole_.size(); }
    // Every end walked so far, in order.
    const std::vector<std::size_t>& all() const { return all_; }
    bool insideCode(std::size_t end) { return end > 0 && rest_.isCode(end - 1, IsMeasuredCode); }

private:
    WrapRest& rest_;
    std::size_t walked_ = 0;
    std::vector<std::size_t> all_, whole_;
};

// The first prefix wider than avail among those that end inside a code,
// before `limit`: npos when none is. Such a prefix is as wide as the codes
// before its "%" leave it, with that "%" in the style then in force (a
// sub- or superscript code among them counts): after the first code of a run
// of codes, one prefix a style says what the others of the run in that
// style measure.
std::size_t FirstWideCodeEnd(WrapRest& rest, PrefixEnds& ends, std::size_t limit, int avail, const Width& width)
{
    bool bold = false, underline = false, symbol = false, shifted = false;
    unsigned measured = 0;  // styles measured in this run of codes
    bool inRun = false;
    std::size_t i = 0;
    for (const std::size_t end : ends.all()) {
        if (end >= limit) break;
        if (!ends.insideCode(end)) continue;
        // the styles of the codes before this one, and whether text parts them
        for (; i + 1 < end; ) {
            if (rest.isCode(i, IsMeasuredCode)) {
                switch (rest.at(i + 1)) {
                case 'B': bold = true; break;
                case 'U': underline = true; break;
                case 'S': symbol = true; break;
                case 'N': bold = underline = symbol = shifted = false; break;
                default: shifted = true; break;  // 'D', 'G', 'I'
                }
                inRun = true;
                i += 2;
            } else {
                inRun = false;
                measured = 0;
                ++i;
            }
        }
        const unsigned style =
            1u << ((inRun ? 1 : 0) | (bold ? 2 : 0) | (underline ? 4 : 0) | (symbol ? 8 : 0) | (shifted ? 16 : 0));
        if (inRun && (measured & style)) continue;
        measured |= style;
        if (width(rest.prefix(end)) > avail) return end;
    }
    return std::string::npos;
}

// Bytes of the first line of the rest when it is wider than avail, 0 when
// it fits whole. The line is what the shortest prefix wider than avail
// leaves without its last character, back to its last blank (at least one
// character, the codes before it whole), as MarkupLineLength steps through
// the prefixes; the prefixes are measured at doubling lengths, then
// bisected between the last that fits and the first that does not.
std::size_t FirstLineLength(WrapRest& rest, int avail, const Width& width)
{
    PrefixEnds ends(rest);
    auto wide = [&](std::size_t k) { return width(rest.prefix(ends.wholeAt(k))) > avail; };
    // known to fit up to `fits` (ends before it), wider from `wider` on
    std::size_t fits = 0, wider = 0;
    for (std::size_t step = 1;; step *= 2) {
        std::size_t k = fits + step - 1;
        if (!ends.whole(k)) {
            if (ends.wholeCount() == fits) return 0;  // the whole rest was measured and fits
            k = ends.wholeCount() - 1;
        }
        if (wide(k)) {
            wider = k;
            break;
        }
        fits = k + 1;
        if (!ends.whole(fits)) return 0;
    }
    while (fits < wider) {
        const std::size_t mid = fits + (wider - fits) / 2;
        if (wide(mid))
            wider = mid;
        else
            fits = mid + 1;
    }
    const std::size_t wholeWide = ends.wholeAt(wider);
    const std::size_t firstWide = std::min(wholeWide, FirstWideCodeEnd(rest, ends, wholeWide, avail, width));
    const std::vector<std::size_t>& all = ends.all();
    const auto at = std::lower_bound(all.begin(), all.end(), firstWide);
    std::size_t len = at == all.begin() ? 0 : *(at - 1);
    // not even one character fits: it is taken anyway, the codes before it whole
    if (len == 0) {
        while (rest.isCode(len, IsMeasuredCode)) len += 2;
        if (rest.has(len)) len += rest.charBytes(len);
    }
    const std::size_t blank = rest.lastBlankBefore(len);
    return blank == std::string::npos ? len : blank + 1;
}

// The codes still in force at the end of a line (those after its last
// "%N"), which the next line starts with again so that it is measured and
// drawn as it goes on: each once, a bold, underline or small size where it
// was first set, the last of "%S" and "%n" last.
std::string OpenCodes(const std::string& line)
{
    std::string codes;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        if (line[i] != '%' || !IsPrintCode(line[i + 1])) continue;
        const char c = line[++i];
        if (c == 'N') {
            codes.clear();
            continue;
        }
        const std::size_t at = codes.find(std::string{'%', c});
        if (at != std::string::npos) {
            if (c != 'S' && c != 'n') continue;
            codes.erase(at, 2);
        }
        codes += '%';
        codes += c;
    }
    return codes;
}

} // namespace

std::vector<std::string> WrapReportText(const std::string& text, int avail, const Width& width)
{
    // no room at all: the text stands on one line as it is
    if (avail < 1) return {text};
    std::vector<std::string> lines;
    std::string carry;
    for (std::size_t pos = 0;;) {
        WrapRest rest(text, pos, carry);
        std::size_t len = FirstLineLength(rest, avail, width);
        if (len == 0) {
            rest.has(text.size() - pos + carry.size());
            lines.push_back(rest.prefix(text.size() - pos + carry.size()));
            return lines;
        }
        // at least one character besides the codes a line, so that the text
        // gets shorter with every line, and a code is never cut
        std::size_t lead = 0;
        while (rest.isCode(lead, IsPrintCode)) lead += 2;
        if (len <= lead) len = lead + (rest.has(lead) ? rest.charBytes(lead) : 0);
        for (std::size_t i = 0; i < len;) {
            if (!rest.isCode(i, IsPrintCode)) {
                ++i;
            } else if (i + 1 == len) {
                ++len;
                break;
            } else {
                i += 2;
            }
        }
        lines.push_back(rest.prefix(len));
        pos += len - carry.size();
        if (pos >= text.size()) return lines;
        carry = OpenCodes(lines.back());
    }
}

} // namespace orv
