#include "printing/ReportWrap.h"

#include <algorithm>
#include <array>
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
constexpr std::size_t npos = std::string::npos;

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
    std::string slice(std::size_t from, std::size_t to) const { return s_.substr(from, to - from); }
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
        return n == 0 ? npos : s_.rfind(' ', n - 1);
    }

private:
    const std::string& text_;
    std::size_t pos_;
    std::size_t taken_ = 0;
    std::string s_;
};

// The prefixes of the rest the measure steps through: the ends of its
// characters, walked as far as they are asked for.
class PrefixEnds {
public:
    explicit PrefixEnds(WrapRest& rest) : rest_(rest) {}

    // True when the rest has a k-th end.
    bool has(std::size_t k)
    {
        while (ends_.size() <= k) {
            if (!rest_.has(walked_)) return false;
            walked_ += rest_.charBytes(walked_);
            ends_.push_back(walked_);
        }
        return true;
    }
    std::size_t operator[](std::size_t k) const { return ends_[k]; }

private:
    WrapRest& rest_;
    std::size_t walked_ = 0;
    std::vector<std::size_t> ends_;
};

// What a stretch of codes does to the measure: the style it leaves (bold,
// underline, Symbol, shifted by a sub- or superscript code; "%N" ends them)
// and whether a sub- or superscript code is among them, which takes the
// text before them to its glyphs' edge.
struct CodeEffect {
    bool cleared = false;  // a "%N": the style before the stretch counts no more
    bool bold = false, underline = false, symbol = false, shifted = false;
    bool shift = false;

    void add(char code)
    {
        switch (code) {
        case 'B': bold = true; break;
        case 'U': underline = true; break;
        case 'S': symbol = true; break;
        case 'N':
            cleared = true;
            bold = underline = symbol = shifted = false;
            break;
        default: shifted = shift = true; break;  // 'D', 'G', 'I'
        }
    }
    // This stretch followed by another.
    CodeEffect then(const CodeEffect& next) const
    {
        CodeEffect e = next.cleared ? next : *this;
        if (!next.cleared) {
            e.bold |= next.bold;
            e.underline |= next.underline;
            e.symbol |= next.symbol;
            e.shifted |= next.shifted;
        }
        e.cleared |= cleared;
        e.shift = shift || next.shift;
        return e;
    }
    // A few codes of the same effect; without `keepShift` a sub- or
    // superscript code that a "%N" ended is left out.
    std::string codes(bool keepShift) const
    {
        std::string s;
        if (keepShift && shift && !shifted) s += "%D";
        if (cleared) s += "%N";
        if (bold) s += "%B";
        if (underline) s += "%U";
        if (symbol) s += "%S";
        if (shifted) s += "%D";
        return s;
    }
    std::size_t style() const
    {
        return (cleared ? 1u : 0u) | (bold ? 2u : 0u) | (underline ? 4u : 0u) | (symbol ? 8u : 0u) |
               (shifted ? 16u : 0u);
    }
};

// A piece of the rest: text (no code in it) from `from` to `codes`, then a
// run of codes up to `to`, the next text or the end.
struct Piece {
    std::size_t from = 0, codes = 0, to = 0;
    CodeEffect style;   // the measure's style at `from`, from the start of the rest
    CodeEffect effect;  // of its codes
    int glued = -1;     // the text with the first code's "%", -1 until measured
    std::array<int, 2> beforeCodes{-1, -1};  // the text before codes, without and with a shift
};

// The first line of the rest, found among the prefixes MarkupLineLength
// steps through without measuring each. The measure is additive over the
// runs of the mark-up: a prefix is as wide as the rest up to the end of a
// run of codes plus what follows measured alone after codes of the style
// they left. So the rest is taken in pieces, a text and the codes after it:
// short texts in blocks of a doubling number of pieces, each block
// measured whole and halved only where it may hold a prefix wider than
// avail, and a long text at doubling lengths, then bisected. Prefixes that
// do not end inside a code grow with their length; one that ends after a
// code's "%" is compared on its own, bounded by its block with that "%".
class FirstLine {
public:
    // A lone "%" by the style it is measured in, kept over the lines.
    using PercentWidths = std::array<int, 32>;

    FirstLine(WrapRest& rest, int avail, const Width& width, PercentWidths& percent)
        : rest_(rest), ends_(rest), avail_(avail), width_(width), percent_(percent)
    {
    }

    // Bytes of the first line when the rest is wider than avail, 0 when it
    // fits whole. The line is what the shortest prefix wider than avail
    // leaves without its last character, back to its last blank (at least
    // one character, the codes before it whole).
    std::size_t length()
    {
        Step step = Step::Next;
        // blocks grow while they fit, so that a line costs a few measures of its length
        for (std::size_t pieces = 4; step == Step::Next; pieces = std::min<std::size_t>(2 * pieces, 1 << 12)) {
            std::vector<Piece> block;
            gather(block, pieces);
            if (!block.empty())
                step = blockStep(block, 0, block.size());
            else if (rest_.has(q_))
                step = longPiece();
            else
                step = Step::Fits;
        }
        if (step == Step::Fits) return 0;
        std::size_t len = firstWide_ == 0 ? 0 : ends_[firstWide_ - 1];
        // not even one character fits: it is taken anyway, the codes before it whole
        if (len == 0) {
            while (rest_.isCode(len, IsMeasuredCode)) len += 2;
            if (rest_.has(len)) len += rest_.charBytes(len);
        }
        const std::size_t blank = rest_.lastBlankBefore(len);
        return blank == npos ? len : blank + 1;
    }

private:
    // Next: the ends so far fit, go on; Fits: the whole rest fits; Wider:
    // the rest is wider than avail and firstWide_ is its first wide end.
    enum class Step { Next, Fits, Wider };
    static constexpr std::size_t kShortText = 128;

    bool wide(long long w) const { return w > avail_; }

    int measure(const std::string& s) { return width_(s); }
    int percent(const CodeEffect& style)
    {
        int& w = percent_[style.style()];
        if (w < 0) w = measure(style.codes(false) + "%");
        return w;
    }
    int glued(Piece& p)
    {
        if (p.glued < 0)
            p.glued = p.codes == p.from ? percent(p.style)
                                        : measure(p.style.codes(false) + rest_.slice(p.from, p.codes) + "%");
        return p.glued;
    }
    int beforeCodes(Piece& p, bool shift)
    {
        int& w = p.beforeCodes[shift ? 1 : 0];
        if (w < 0)
            w = p.codes == p.from ? 0
                                  : measure(p.style.codes(false) + rest_.slice(p.from, p.codes) + (shift ? "%D" : "%B"));
        return w;
    }

    // The piece from `from`, false when its text is longer than `cap`.
    bool scan(std::size_t from, std::size_t cap, Piece& p)
    {
        std::size_t i = from;
        while (rest_.has(i) && !rest_.isCode(i, IsMeasuredCode)) {
            if (i - from == cap) return false;
            ++i;
        }
        p.from = from;
        p.codes = i;
        for (; rest_.isCode(i, IsMeasuredCode); i += 2) p.effect.add(rest_.at(i + 1));
        p.to = i;
        return true;
    }

    // Up to `count` pieces of short texts from q_.
    void gather(std::vector<Piece>& block, std::size_t count)
    {
        std::size_t q = q_;
        CodeEffect style = style_;
        Piece p;
        while (block.size() < count && rest_.has(q) && scan(q, kShortText, p)) {
            p.style = style;
            style = style.then(p.effect);
            q = p.to;
            block.push_back(p);
            p = Piece{};
        }
    }

    // Moves on past a stretch that fits, to the piece after it.
    void passed(std::size_t to, long long base, const CodeEffect& style)
    {
        q_ = to;
        base_ = base;
        style_ = style;
        while (ends_.has(k_) && ends_[k_] <= q_) ++k_;
    }

    // Calls f(k, inside, done, effect) for each end k from k on that falls
    // among the piece's codes, in order: after the "%" of a code (inside)
    // or after a whole one, with the number and the effect of the whole
    // codes before it; stops where f gives false. Returns the index it
    // stopped at, or of the first end after the piece.
    template <class F>
    std::size_t eachCodeEnd(const Piece& p, std::size_t k, F f)
    {
        CodeEffect effect;
        std::size_t done = 0;
        for (; ends_.has(k) && ends_[k] <= p.to; ++k) {
            const std::size_t e = ends_[k];
            if (e <= p.codes) continue;
            for (; done < (e - p.codes) / 2; ++done) effect.add(rest_.at(p.codes + 2 * done + 1));
            if (!f(k, (e - p.codes) % 2 == 1, done, effect)) break;
        }
        return k;
    }

    // The pieces [a, b) of a block at once: their end bounds every prefix
    // in them but those that end after a code's "%", which are bounded by
    // it with that "%"; a block that may hold a wide end is halved, down to
    // single pieces, which are measured end by end.
    Step blockStep(std::vector<Piece>& block, std::size_t a, std::size_t b)
    {
        std::string s = block[a].style.codes(false);
        bool text = false;
        for (std::size_t i = a; i < b; ++i) {
            text = text || block[i].codes > block[i].from;
            s += rest_.slice(block[i].from, block[i].codes);
            s += block[i].effect.codes(true);
        }
        const long long end = base_ + (text ? measure(s) : 0);
        bool clear = !wide(end);
        if (!clear && firstWide_ != npos) return Step::Wider;
        for (std::size_t i = a, k = k_; clear && firstWide_ == npos && i < b; ++i) {
            k = eachCodeEnd(block[i], k, [&](std::size_t, bool inside, std::size_t done, const CodeEffect& effect) {
                if (inside)
                    clear = !wide(end + (done == 0 ? glued(block[i]) : percent(block[i].style.then(effect))));
                return clear;
            });
        }
        if (clear) {
            passed(block[b - 1].to, end, block[b - 1].style.then(block[b - 1].effect));
            return Step::Next;
        }
        if (b - a == 1) return piece(block[a]);
        const std::size_t m = a + (b - a) / 2;
        const Step first = blockStep(block, a, m);
        return first == Step::Next ? blockStep(block, m, b) : first;
    }

    // A piece measured end by end; its text fits whole when it does with
    // the first code's "%".
    Step piece(Piece& p)
    {
        const bool textFits = p.to > p.codes && !wide(base_ + glued(p));
        if (p.codes > p.from && !textFits) {
            const Step step = textEnds(p.style.codes(false), p.from, p.codes);
            if (step != Step::Next) return step;
        }
        return codeEnds(p);
    }

    // A text too long for a block: its ends at doubling lengths, then its codes.
    Step longPiece()
    {
        const Step step = textEnds(style_.codes(false), q_, npos);
        if (step != Step::Next) return step;
        // the ends of the text fit: it is no longer than the walk has gone
        Piece p;
        scan(q_, npos, p);
        p.style = style_;
        return codeEnds(p);
    }

    // The ends of a text from `from` up to the code at `codes` (npos: not
    // found yet), which grow with their length: at doubling steps from k_,
    // then bisected between the last that fits and the first that does not.
    Step textEnds(const std::string& ctx, std::size_t from, std::size_t codes)
    {
        std::size_t scanned = from;
        auto inText = [&](std::size_t e) {
            for (; codes == npos && scanned + 1 <= e; ++scanned)
                if (rest_.isCode(scanned, IsMeasuredCode)) codes = scanned;
            return e <= codes;
        };
        auto wideAt = [&](std::size_t k) { return wide(base_ + measure(ctx + rest_.slice(from, ends_[k]))); };
        std::size_t lo = k_;
        for (std::size_t step = 1;; step *= 2) {
            std::size_t t = lo;
            while (t < lo + step && ends_.has(t) && inText(ends_[t])) ++t;
            if (t == lo) break;
            if (wideAt(t - 1)) {
                if (firstWide_ != npos) return Step::Wider;
                std::size_t hi = t - 1;
                while (lo < hi) {
                    const std::size_t mid = lo + (hi - lo) / 2;
                    if (wideAt(mid))
                        hi = mid;
                    else
                        lo = mid + 1;
                }
                firstWide_ = lo;
                return Step::Wider;
            }
            const bool more = t == lo + step;
            lo = t;
            if (!more) break;
        }
        k_ = lo;
        return Step::Next;
    }

    // The ends among a piece's codes, its text known to fit: after a
    // whole code the text before the codes, after a "%" with that "%" too.
    Step codeEnds(Piece& p)
    {
        if (p.to == p.codes) return Step::Fits;  // the text ran to the end of the rest
        Step step = Step::Next;
        k_ = eachCodeEnd(p, k_, [&](std::size_t k, bool inside, std::size_t done, const CodeEffect& effect) {
            if (inside) {
                if (firstWide_ == npos &&
                    wide(base_ + (done == 0 ? glued(p)
                                            : beforeCodes(p, effect.shift) + percent(p.style.then(effect)))))
                    firstWide_ = k;
                return true;
            }
            if (!wide(base_ + beforeCodes(p, effect.shift))) return true;
            if (firstWide_ == npos) firstWide_ = k;
            step = Step::Wider;
            return false;
        });
        if (step != Step::Next) return step;
        passed(p.to, base_ + beforeCodes(p, p.effect.shift), p.style.then(p.effect));
        return Step::Next;
    }

    WrapRest& rest_;
    PrefixEnds ends_;
    const int avail_;
    const Width& width_;
    PercentWidths& percent_;

    std::size_t q_ = 0;          // the start of the next piece
    long long base_ = 0;         // the width of the rest up to q_
    CodeEffect style_;           // the measure's style at q_
    std::size_t k_ = 0;          // the first end not yet known to fit
    std::size_t firstWide_ = npos;  // the first end wider than avail, once found
};

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
        if (at != npos) {
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
    FirstLine::PercentWidths percent;
    percent.fill(-1);
    for (std::size_t pos = 0;;) {
        WrapRest rest(text, pos, carry);
        std::size_t len = FirstLine(rest, avail, width, percent).length();
        if (len == 0) {
            rest.has(text.size() - pos + carry.size());
            lines.push_back(rest.slice(0, text.size() - pos + carry.size()));
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
        lines.push_back(rest.slice(0, len));
        pos += len - carry.size();
        if (pos >= text.size()) return lines;
        carry = OpenCodes(lines.back());
    }
}

} // namespace orv
