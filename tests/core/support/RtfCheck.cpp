#include "tests/core/support/RtfCheck.h"

#include <cctype>

#include "core/Cp1250.h"

namespace orvtest {
namespace {

std::string Utf8Of(char32_t u)
{
    std::string s;
    if (u < 0x80) {
        s += static_cast<char>(u);
    } else if (u < 0x800) {
        s += static_cast<char>(0xC0 | (u >> 6));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (u >> 12));
        s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    }
    return s;
}

} // namespace

RtfDocument ParseRtf(const std::string& rtf)
{
    RtfDocument doc;
    int depth = 0;
    // Depth at which a destination group (fonttbl, colortbl, pict) began; its text is skipped.
    int skipDepth = -1;
    std::string cp;   // body text in code page 1250 since the last Unicode escape
    std::string text; // body text before it, in UTF-8
    auto fail = [&](const std::string& why) {
        doc.ok = false;
        doc.error = why;
        return doc;
    };
    if (rtf.rfind("{\\rtf1", 0) != 0) return fail("no {\\rtf1 head");
    std::size_t i = 0;
    while (i < rtf.size()) {
        const unsigned char c = static_cast<unsigned char>(rtf[i]);
        if (c >= 0x80) return fail("8-bit byte in the RTF at " + std::to_string(i));
        if (c == '{') {
            ++depth;
            if (depth > doc.maxDepth) doc.maxDepth = depth;
            ++i;
        } else if (c == '}') {
            if (depth == skipDepth) skipDepth = -1;
            --depth;
            if (depth < 0) return fail("unbalanced } at " + std::to_string(i));
            ++i;
            if (depth == 0 && rtf.find_first_not_of("\r\n", i) != std::string::npos)
                return fail("text after the document's end");
        } else if (c == '\\') {
            if (i + 1 >= rtf.size()) return fail("backslash at the end");
            const char n = rtf[i + 1];
            if (n == '\\' || n == '{' || n == '}') {
                if (skipDepth < 0) cp += n;
                i += 2;
            } else if (n == '~') {
                if (skipDepth < 0) cp += '\xA0';  // the no-break space
                i += 2;
            } else if (n == '\'') {
                if (i + 3 >= rtf.size() || !std::isxdigit(static_cast<unsigned char>(rtf[i + 2])) ||
                    !std::isxdigit(static_cast<unsigned char>(rtf[i + 3])))
                    return fail("bad \\' escape at " + std::to_string(i));
                if (skipDepth < 0) cp += static_cast<char>(std::stoi(rtf.substr(i + 2, 2), nullptr, 16));
                i += 4;
            } else if (std::isalpha(static_cast<unsigned char>(n))) {
                std::size_t j = i + 1;
                while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
                std::string word = rtf.substr(i + 1, j - i - 1);
                if (j < rtf.size() && (rtf[j] == '-' || std::isdigit(static_cast<unsigned char>(rtf[j])))) {
                    std::size_t k = j + 1;
                    while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k]))) ++k;
                    word += rtf.substr(j, k - j);
                    j = k;
                }
                if (j < rtf.size() && rtf[j] == ' ') ++j; // the delimiting blank belongs to the word
                doc.controls.push_back(word);
                if (word.size() > 1 && word[0] == 'u' && (word[1] == '-' || std::isdigit(static_cast<unsigned char>(word[1])))) {
                    // \uN: a signed 16-bit character, then one fallback character to skip
                    long n = std::stol(word.substr(1));
                    if (n < 0) n += 0x10000;
                    if (skipDepth < 0) {
                        text += orv::Cp1250ToUtf8(cp) + Utf8Of(static_cast<char32_t>(n));
                        cp.clear();
                    }
                    if (j < rtf.size() && rtf[j] == '\\' && j + 1 < rtf.size() && rtf[j + 1] == '\'') j += 4;
                    else if (j < rtf.size()) ++j;
                    i = j;
                    continue;
                }
                if (skipDepth < 0 && (word == "fonttbl" || word == "colortbl" || word.rfind("pict", 0) == 0))
                    skipDepth = depth;
                if (skipDepth < 0 && (word == "par" || word == "tab")) cp += word == "par" ? '\n' : '\t';
                i = j;
            } else {
                return fail(std::string("unknown control symbol \\") + n);
            }
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else {
            if (skipDepth < 0 && depth > 0) cp += static_cast<char>(c);
            ++i;
        }
    }
    if (depth != 0) return fail("unbalanced groups, depth " + std::to_string(depth));
    doc.ok = true;
    doc.text = text + orv::Cp1250ToUtf8(cp);
    return doc;
}

} // namespace orvtest
