#include "drawing/MarkupText.h"

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
    return out;
}

char32_t SymbolCharToUnicode(unsigned char c)
{
    // Latin letters of the Symbol font are the Greek ones
    static const char32_t upper[26] = {
        0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1,
        0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4,
        0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
    static const char32_t lower[26] = {
        0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5,
        0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4,
        0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
    if (c >= 'A' && c <= 'Z') return upper[c - 'A'];
    if (c >= 'a' && c <= 'z') return lower[c - 'a'];
    switch (c) {
    case 0x22: return 0x2200; // for all
    case 0x24: return 0x2203; // exists
    case 0x27: return 0x220B;
    case 0x2A: return 0x2217;
    case 0x2D: return 0x2212; // minus
    case 0x40: return 0x2245;
    case 0x5C: return 0x2234;
    case 0x5E: return 0x22A5;
    case 0x7E: return 0x223C;
    case 0xA1: return 0x03D2;
    case 0xA2: return 0x2032; // prime
    case 0xA3: return 0x2264; // <=
    case 0xA4: return 0x2044;
    case 0xA5: return 0x221E; // infinity
    case 0xA6: return 0x0192;
    case 0xA7: return 0x2663;
    case 0xA8: return 0x2666;
    case 0xA9: return 0x2665;
    case 0xAA: return 0x2660;
    case 0xAB: return 0x2194;
    case 0xAC: return 0x2190; // arrows left, up, right, down
    case 0xAD: return 0x2191;
    case 0xAE: return 0x2192;
    case 0xAF: return 0x2193;
    case 0xB0: return 0x00B0; // degree
    case 0xB1: return 0x00B1;
    case 0xB2: return 0x2033;
    case 0xB3: return 0x2265; // >=
    case 0xB4: return 0x00D7; // times
    case 0xB5: return 0x221D;
    case 0xB6: return 0x2202;
    case 0xB7: return 0x2022;
    case 0xB8: return 0x00F7;
    case 0xB9: return 0x2260; // not equal
    case 0xBA: return 0x2261;
    case 0xBB: return 0x2248; // approximately
    case 0xBC: return 0x2026;
    case 0xC0: return 0x2135;
    case 0xC4: return 0x2297;
    case 0xC5: return 0x2295;
    case 0xC6: return 0x2205;
    case 0xC7: return 0x2229;
    case 0xC8: return 0x222A;
    case 0xC9: return 0x2283;
    case 0xCA: return 0x2287;
    case 0xCB: return 0x2284;
    case 0xCC: return 0x2282;
    case 0xCD: return 0x2286;
    case 0xCE: return 0x2208;
    case 0xCF: return 0x2209;
    case 0xD0: return 0x2220;
    case 0xD1: return 0x2207;
    case 0xD5: return 0x220F;
    case 0xD6: return 0x221A; // square root
    case 0xD7: return 0x22C5; // dot
    case 0xD8: return 0x00AC;
    case 0xD9: return 0x2227;
    case 0xDA: return 0x2228;
    case 0xDB: return 0x21D4;
    case 0xDC: return 0x21D0;
    case 0xDD: return 0x21D1;
    case 0xDE: return 0x21D2;
    case 0xDF: return 0x21D3;
    case 0xE0: return 0x25CA;
    case 0xE1: return 0x2329;
    case 0xE5: return 0x2211;
    case 0xF1: return 0x232A;
    case 0xF2: return 0x222B;
    default: return 0;
    }
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
    bounds = {x0, y0, x0, y0 + canvas.textHeight("A")};
    for (const TMarkupToken& t : ScanMarkup(text)) {
        if (t.kind == TMarkupToken::Run) {
            const std::string run = RunText(t.text, st);
            // the text after the last code stands on the base line
            const int y = t.last ? y0 : yc;
            canvas.textOut(x, y, run);
            x += canvas.textWidth(run);
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
        case 'D': yc = y0 + canvas.textHeight("A") / 6; break;
        default: yc = y0 - canvas.textHeight("A") / 4; break; // 'G', 'I'
        }
    }
    GrowRectByPoint(bounds, {x, y0});
    canvas.font.name = n0;
}

int MarkupTextWidth(Canvas& canvas, const std::string& text)
{
    const std::string n0 = canvas.font.name;
    RunState st;
    int w = 0;
    for (const TMarkupToken& t : ScanMarkup(text)) {
        if (t.kind == TMarkupToken::Run) {
            w += canvas.textWidth(RunText(t.text, st));
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
    const int ha = canvas.textHeight("A");
    bounds = {x, y, x, y};
    GrowRectByPoint(bounds, {x + RoundToInt(s * ha), y + RoundToInt(c * ha)});
    TPoint size;
    for (const TMarkupToken& t : ScanMarkup(text)) {
        if (t.kind == TMarkupToken::Run) {
            DrawRotatedRun(canvas, x, y, size, t.text, face, angle);
            x += RoundToInt(c * size.X);
            y -= RoundToInt(s * size.X);
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
            break;
        default: break;
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
