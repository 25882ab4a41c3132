#include "drawing/MarkupText.h"

#include <algorithm>
#include <cmath>

#include "core/Cp1250.h"
#include "drawing/DrawPrimitives.h"

namespace orv {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool IsCode(char c)
{
    switch (c) {
    case 'B': case 'U': case 'S': case 'N': case 'D': case 'G': case 'I': return true;
    default: return false;
    }
}

std::size_t Utf8Len(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// Byte length of the next character at i, never past the end.
std::size_t NextChar(const std::string& s, std::size_t i)
{
    const std::size_t n = Utf8Len(static_cast<unsigned char>(s[i]));
    return std::min(n, s.size() - i);
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// State of a scan while drawing or measuring.
struct RunState {
    bool symbol = false;
};

std::string RunText(const std::string& s, const RunState& st)
{
    return st.symbol ? SymbolTextToUnicode(s) : s;
}

bool IsShift(char code) { return code == 'D' || code == 'G' || code == 'I'; }

// How far the pen moves after each run token of a scan (0 for codes), the
// runs measured in the fonts the codes give them from the canvas's font as
// it comes; the canvas's font is left as it came. A run follows its
// advance, but where the base line changes (a run a sub- or superscript
// follows, a sub- or superscript run) the next run starts one pixel of the
// device past its glyphs (where the canvas counts them; else at the edge of
// their outline's box): the "l" of "l_eff" is not touched by the "e", nor
// is the "=" after it by the hanging "f". A run before a shift never comes
// closer than its advance. Each run's advance depends on the run and the
// codes about it alone, so a text measures as its pieces together. A canvas
// that cannot tell where its glyphs lie places them by their advances.
std::vector<int> RunAdvances(Canvas& canvas, const std::vector<TMarkupToken>& tokens)
{
    const TCanvasFont entry = canvas.font;
    std::vector<int> advances(tokens.size(), 0);
    bool symbol = false, shifted = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const TMarkupToken& t = tokens[i];
        if (t.kind == TMarkupToken::Code) {
            switch (t.code) {
            case 'B': canvas.font.style |= fsBold; break;
            case 'U': canvas.font.style |= fsUnderline; break;
            case 'S': symbol = true; break;
            case 'N':
                canvas.font.name = entry.name;
                canvas.font.style = 0;
                symbol = shifted = false;
                break;
            default: shifted = true; break;  // 'D', 'G', 'I'
            }
            continue;
        }
        const std::string text = symbol ? SymbolTextToUnicode(t.text) : t.text;
        const int width = canvas.textWidth(text);
        advances[i] = width;
        const bool afterShift = shifted && !t.last;
        if (text.empty() || !(afterShift || t.beforeShift)) continue;
        const std::optional<TTextInk> ink = canvas.textInk(text);
        // a blank keeps its width; a run without ink takes its advance
        if (!ink || ink->empty() || text.back() == ' ') continue;
        const int past = ink->counted ? ink->right + 1 : ink->right;
        advances[i] = afterShift ? past : std::max(width, past);
    }
    canvas.font = entry;
    return advances;
}

} // namespace

std::vector<TMarkupToken> ScanMarkup(const std::string& text)
{
    std::vector<TMarkupToken> out;
    std::size_t i = 0;
    for (;;) {
        const std::size_t p = text.find('%', i);
        if (p == std::string::npos) break;
        if (p + 1 < text.size() && IsCode(text[p + 1])) {
            out.push_back({TMarkupToken::Run, text.substr(i, p - i), 0, false});
            out.push_back({TMarkupToken::Code, {}, text[p + 1], false});
            i = p + 2;
        } else {
            out.push_back({TMarkupToken::Run, text.substr(i, p + 1 - i), 0, false});
            i = p + 1;
        }
    }
    out.push_back({TMarkupToken::Run, i < text.size() ? text.substr(i) : std::string(), 0, true});
    bool shiftAhead = false;
    for (auto t = out.rbegin(); t != out.rend(); ++t) {
        if (t->kind == TMarkupToken::Code) {
            shiftAhead = shiftAhead || IsShift(t->code);
        } else {
            t->beforeShift = shiftAhead;
            if (!t->text.empty()) shiftAhead = false;
        }
    }
    return out;
}

std::vector<TStyledRun> StyledRuns(const std::string& text)
{
    std::vector<TStyledRun> runs;
    TStyledRun style;
    bool symbol = false;
    for (const TMarkupToken& t : ScanMarkup(text)) {
        if (t.kind == TMarkupToken::Run) {
            if (t.text.empty()) continue;
            TStyledRun& run = runs.emplace_back(style);
            run.text = symbol ? SymbolTextToUnicode(t.text) : t.text;
            if (t.last) run.shift = TStyledRun::Base;
            continue;
        }
        switch (t.code) {
        case 'B': style.bold = true; break;
        case 'U': style.underline = true; break;
        case 'S': symbol = true; break;
        case 'D': style.shift = TStyledRun::Sub; break;
        case 'G': case 'I': style.shift = TStyledRun::Sup; break;
        default: style = {}; symbol = false; break; // 'N'
        }
    }
    return runs;
}

std::string SymbolTextToUnicode(const std::string& utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = NextChar(utf8, i);
        const std::string ch = utf8.substr(i, n);
        i += n;
        const std::string cp = Utf8ToCp1250(ch);
        const unsigned char b = cp.size() == 1 ? static_cast<unsigned char>(cp[0]) : 0;
        const char32_t u = (cp == "?" && ch != "?") ? 0 : SymbolCharToUnicode(b);
        if (u != 0)
            AppendUtf8(out, u);
        else
            out += ch;
    }
    return out;
}

void MarkupTextOut(Canvas& canvas, int x0, int y0, const std::string& text, TRect& bounds)
{
    x0 = LimitCoord(x0);
    y0 = LimitCoord(y0);
    const std::string n0 = canvas.font.name;
    canvas.font.style = 0;
    int x = x0, yc = y0;
    RunState st;
    bounds = {x0, y0, x0, y0 + canvas.unitHeight()};
    const std::vector<TMarkupToken> tokens = ScanMarkup(text);
    const std::vector<int> advances = RunAdvances(canvas, tokens);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const TMarkupToken& t = tokens[i];
        if (t.kind == TMarkupToken::Run) {
            // the text after the last code stands on the base line
            canvas.textOut(x, t.last ? y0 : yc, RunText(t.text, st));
            x += advances[i];
            continue;
        }
        switch (t.code) {
        case 'B': canvas.font.style |= fsBold; break;
        case 'U': canvas.font.style |= fsUnderline; break;
        case 'S': st.symbol = true; break;
        case 'N':
            canvas.font.name = n0;
            canvas.font.style = 0;
            st.symbol = false;
            yc = y0;
            break;
        case 'D': yc = y0 + canvas.unitHeight() / 6; break;
        default: yc = y0 - canvas.unitHeight() / 4; break;  // 'G', 'I'
        }
    }
    GrowRectByPoint(bounds, {x, y0});
    canvas.font.name = n0;
}

int MarkupTopAboveLine(Canvas& canvas, int y)
{
    return y - canvas.textHeight("0") - canvas.textHeight("A") / 6 - SizeUnit(canvas, 1);
}

int MarkupTextWidth(Canvas& canvas, const std::string& text)
{
    const std::string n0 = canvas.font.name;
    const std::vector<TMarkupToken> tokens = ScanMarkup(text);
    const std::vector<int> advances = RunAdvances(canvas, tokens);
    int w = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const TMarkupToken& t = tokens[i];
        if (t.kind == TMarkupToken::Run) {
            w += advances[i];
            continue;
        }
        switch (t.code) {
        case 'B': canvas.font.style |= fsBold; break;
        case 'U': canvas.font.style |= fsUnderline; break;
        case 'N':
            canvas.font.name = n0;
            canvas.font.style = 0;
            break;
        default: break;
        }
    }
    canvas.font.name = n0;
    return w;
}

void DrawRotatedRun(Canvas& canvas, int x, int y, TPoint& size, const std::string& text,
                    const std::string& fontName, double angle)
{
    std::string run = text;
    if (fontName == "Symbol")
        run = SymbolTextToUnicode(text);
    else if (!fontName.empty())
        canvas.font.name = fontName;
    TLogFont lf;
    MakeRotatedLogFont(canvas, lf, angle);
    const TCanvasFont previous = SelectLogFont(canvas, lf);
    size = canvas.textExtent(run);
    canvas.textOut(x, y, run);
    canvas.font = previous;
}

void MarkupTextOutRotated(Canvas& canvas, TPoint p, const std::string& text, TRect& bounds,
                          char anchor, double angle)
{
    const double a = angle * kPi / 180.0, c = std::cos(a), s = std::sin(a);
    const int w = MarkupTextWidth(canvas, text);
    p = LimitPoint(p);
    int x = p.X, y = p.Y;
    if (anchor == 'C') {
        x -= RoundToInt(c * w * 0.5);
        y += RoundToInt(s * w * 0.5);
    }
    const std::string n0 = canvas.font.name;
    canvas.font.style = 0;
    std::string face;
    const int ha = canvas.unitHeight();
    bounds = {x, y, x, y};
    GrowRectByPoint(bounds, {x + RoundToInt(s * ha), y + RoundToInt(c * ha)});
    TPoint size;
    bool shifted = false;
    const std::vector<TMarkupToken> tokens = ScanMarkup(text);
    const std::vector<int> advances = RunAdvances(canvas, tokens);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const TMarkupToken& t = tokens[i];
        if (t.kind == TMarkupToken::Run) {
            DrawRotatedRun(canvas, x, y, size, t.text, face, angle);
            // as wide as MarkupTextWidth counts it
            const int advance = (shifted && !t.last) || t.beforeShift ? advances[i] : size.X;
            x += RoundToInt(c * advance);
            y -= RoundToInt(s * advance);
            if (t.last) {
                GrowRectByPoint(bounds, {x, y});
                x += RoundToInt(s * size.Y);
                y += RoundToInt(c * size.Y);
                GrowRectByPoint(bounds, {x, y});
            }
            continue;
        }
        switch (t.code) {
        case 'B': canvas.font.style |= fsBold; break;
        case 'U': canvas.font.style |= fsUnderline; break;
        case 'S': face = "Symbol"; break;
        case 'N':
            canvas.font.name = n0;
            canvas.font.style = 0;
            face.clear();
            shifted = false;
            break;
        default: shifted = true; break;  // 'D', 'G', 'I'
        }
    }
    canvas.font.name = n0;
}

int LastBlankPos(const std::string& text)
{
    const std::size_t p = text.rfind(' ');
    return p == std::string::npos ? -1 : int(p) + 1;
}

std::string UnderscoresToBlanks(const std::string& text)
{
    std::string out = text;
    for (char& ch : out)
        if (ch == '_') ch = ' ';
    return out;
}

std::size_t MarkupLineLength(const std::string& rest, int avail,
                             const std::function<int(const std::string&)>& width)
{
    // the line is the shortest prefix wider than the space less its last character
    std::size_t end = 0, fit = 0;
    while (end < rest.size()) {
        end += NextChar(rest, end);
        if (width(rest.substr(0, end)) > avail) break;
        fit = end;
    }
    std::size_t len = fit;
    // not even one character fits: take it anyway, so that the text goes on,
    // with the codes before it whole
    if (len == 0) {
        while (len + 1 < rest.size() && rest[len] == '%' && IsCode(rest[len + 1])) len += 2;
        if (len < rest.size()) len += NextChar(rest, len);
    }
    const int blank = LastBlankPos(rest.substr(0, len));
    if (blank > 0) len = std::size_t(blank);
    return len;
}

void MarkupTextOutWrapped(Canvas& canvas, int left, int right, const std::string& text, int& y)
{
    std::string carry, rest = text;
    const int avail = right - left;
    if (avail < 1) return;
    auto width = [&canvas](const std::string& s) { return MarkupTextWidth(canvas, s); };
    TRect b;
    while (!rest.empty() && MarkupTextWidth(canvas, rest) > avail) {
        const std::size_t len = MarkupLineLength(rest, avail, width);
        const std::string line = rest.substr(0, len);
        rest.erase(0, len);
        MarkupTextOut(canvas, left, y, UnderscoresToBlanks(carry + line), b);
        carry = (canvas.font.style & fsBold) ? "%B" : "";
        y += canvas.textHeight(line);
    }
    MarkupTextOut(canvas, left, y, UnderscoresToBlanks(carry + rest), b);
}

int MarkupTextHeightWrapped(Canvas& canvas, int left, int right, const std::string& text)
{
    std::string rest = text;
    const int avail = right - left;
    auto width = [&canvas](const std::string& s) { return MarkupTextWidth(canvas, s); };
    int h = canvas.textHeight("ŹŹ");
    while (!rest.empty() && MarkupTextWidth(canvas, rest) > avail) {
        const std::size_t len = MarkupLineLength(rest, avail, width);
        h += canvas.textHeight(rest.substr(0, len));
        rest.erase(0, len);
    }
    return h;
}

} // namespace orv
