#include "core/RtfUtils.h"

#include "core/Cp1250.h"
#include "core/MyUtils.h"

namespace orv {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

bool IsCodeLetter(char c)
{
    switch (c) {
    case 'B': case 'D': case 'G': case 'I': case 'N': case 'S': case 'U': return true;
    default: return false;
    }
}

const char* CodeControlWord(char c)
{
    switch (c) {
    case 'B': return "\\b";
    case 'U': return "\\ul";
    case 'S': return ""; // Symbol runs are written as Unicode characters
    case 'N': return "\\f2";
    case 'D': return "\\sub";
    default: return "\\super"; // G, I
    }
}

void AppendRtfChars(std::string& out, const char* first, const char* last)
{
    for (const char* p = first; p != last; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == 0xA0) {
            out += "\\~";  // the no-break space an editor keeps
        } else if (c >= 0x80) {
            out += "\\'";
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
}

// A run of the Symbol font's bytes as Unicode escapes ("\\uN?": the
// reader shows the character in the text font, an old one the "?"), so no
// Symbol font is needed to read it.
void AppendSymbolChars(std::string& out, const char* first, const char* last)
{
    for (const char* p = first; p != last; ++p) {
        const char32_t u = SymbolCharToUnicode(static_cast<unsigned char>(*p));
        if (u == 0) {
            AppendRtfChars(out, p, p + 1);
            continue;
        }
        // \\u takes a signed 16-bit number.
        const int n = u > 0x7FFF ? int(u) - 0x10000 : int(u);
        out += "\\u" + std::to_string(n) + '?';
    }
}

void WriteCrLf(std::ostream& f, const std::string& line)
{
    f.write(line.data(), static_cast<std::streamsize>(line.size()));
    f.write("\r\n", 2);
}

} // namespace

std::string Cp1250ToRtfChars(const std::string& cp)
{
    std::string out;
    out.reserve(cp.size() + 8);
    AppendRtfChars(out, cp.data(), cp.data() + cp.size());
    return out;
}

std::string Cp1250MarkupToRtf(const std::string& cp)
{
    std::string out;
    out.reserve(cp.size() * 2 + 16);
    out += "{\\f2";
    bool afterControl = true;
    bool symbol = false;
    const char* p = cp.data();
    const char* const end = p + cp.size();
    auto appendText = [&](const char* first, const char* last) {
        if (afterControl) out += ' ';
        if (symbol) AppendSymbolChars(out, first, last);
        else AppendRtfChars(out, first, last);
        afterControl = false;
    };
    // A percent sign that does not start a code is text like any other.
    const char* run = p;
    while (p + 1 < end) {
        if (*p == '%' && IsCodeLetter(p[1])) {
            bool opened = false;
            if (p != run) {
                appendText(run, p);
                out += "}{";
                opened = true;
            }
            if (p[1] == 'S') symbol = true;
            else if (p[1] == 'N') symbol = false;
            const char* word = CodeControlWord(p[1]);
            out += word;
            // A space ends a control word; right after "{" it would be text.
            if (*word) afterControl = true;
            else if (opened) afterControl = false;
            p += 2;
            run = p;
        } else {
            ++p;
        }
    }
    appendText(run, end);
    out += '}';
    return out;
}

std::string MarkupToRtf(const std::string& text) { return Cp1250MarkupToRtf(Utf8ToCp1250(text)); }

void WriteStreamLine(std::ostream& stream, const std::string& line)
{
    const std::size_t nul = line.find('\0');
    WriteCrLf(stream, nul == std::string::npos ? line : line.substr(0, nul));
}

namespace {
void HeaderLines(const std::string& fontName, int fontSize, std::ostream& f)
{
    WriteStreamLine(f, "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deftab720{\\fonttbl{\\f0\\fnil MS Sans Serif;}"
                       "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\froman\\fcharset238 " +
                           Cp1250ToRtfChars(Utf8ToCp1250(fontName)) + ";}}");
    WriteStreamLine(f, "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}");
    WriteStreamLine(f, "\\deflang1045\\pard\\plain\\f2\\fs" + std::to_string(fontSize) + "\\cf0 ");
}
} // namespace

void RtfHeader(const std::string& fontName, int fontSize, std::ostream& f)
{
    HeaderLines(fontName, fontSize, f);
}

void RtfHeaderToStream(const std::string& fontName, int fontSize, std::ostream& stream)
{
    HeaderLines(fontName, fontSize, stream);
}

std::string ByteToHex(std::uint8_t b)
{
    return std::string{kHexDigits[b >> 4], kHexDigits[b & 15]};
}

void MetafileToRtf(const std::string& bytes, TPictureKind kind, int widthHmm, int heightHmm,
                   std::ostream& f)
{
    // Goal sizes in twips: hundredths of a millimetre times 0.5669476993, the
    // export's fixed factor (a hair above 1440/2540 = 0.5669291339), which
    // the goal sizes of every picture group are written with.
    constexpr double kTwipsPerHmm = 0.5669476993;
    const int wGoal = RoundToInt(widthHmm * kTwipsPerHmm);
    const int hGoal = RoundToInt(heightHmm * kTwipsPerHmm);
    std::size_t first = 0;
    const char* blip = "\\pngblip";
    if (kind == TPictureKind::PlaceableWmf) {
        first = bytes.size() < 22 ? bytes.size() : 22;
        blip = "\\wmetafile8";
    }
    WriteCrLf(f, std::string("{\\pict") + blip + "\\picw" + std::to_string(widthHmm) + "\\pich" +
                     std::to_string(heightHmm) + "\\picwgoal" + std::to_string(wGoal) +
                     "\\pichgoal" + std::to_string(hGoal));
    // 39 bytes a line in hex, CR LF after each, "}" after the last: written
    // whole, as one block
    constexpr std::size_t kBytesPerLine = 39;
    const std::size_t n = bytes.size() - first;
    std::string block;
    block.resize(2 * n + 2 * (n / kBytesPerLine) + 3);
    char* out = block.data();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[first + i]);
        *out++ = kHexDigits[c >> 4];
        *out++ = kHexDigits[c & 15];
        if ((i + 1) % kBytesPerLine == 0) {
            *out++ = '\r';
            *out++ = '\n';
        }
    }
    *out++ = '}';
    *out++ = '\r';
    *out++ = '\n';
    f.write(block.data(), static_cast<std::streamsize>(out - block.data()));
}

} // namespace orv
