// The report's word wrap the plain way, to compare the report's own with:
// every prefix of the rest measured in turn (MarkupLineLength), so a line
// costs the square of its length.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "drawing/MarkupText.h"
#include "printing/ReportWrap.h"

namespace orvtest {

inline std::vector<std::string> ReferenceWrap(const std::string& text, int avail,
                                              const std::function<int(const std::string&)>& width)
{
    if (avail < 1) return {text};
    std::vector<std::string> lines;
    std::string carry;
    for (std::size_t pos = 0;;) {
        const std::string rest = carry + text.substr(pos);
        if (width(rest) <= avail) {
            lines.push_back(rest);
            return lines;
        }
        auto codeAt = [&rest](std::size_t i) { return i + 1 < rest.size() && rest[i] == '%' && orv::IsPrintCode(rest[i + 1]); };
        std::size_t len = orv::MarkupLineLength(rest, avail, width);
        // the codes it starts with and a character, the letter of a code it cuts
        std::size_t lead = 0;
        while (codeAt(lead)) lead += 2;
        if (len <= lead) {
            len = lead;
            // one character: a UTF-8 lead byte and what follows of its bytes
            const unsigned char c = static_cast<unsigned char>(rest[len]);
            const std::size_t bytes = c >= 0xF0 && c < 0xF8 ? 4 : c >= 0xE0 && c < 0xF0 ? 3 : c >= 0xC0 && c < 0xE0 ? 2 : 1;
            if (len < rest.size()) len = std::min(rest.size(), len + bytes);
        }
        if (codeAt(len - 1)) ++len;
        const std::string line = rest.substr(0, len);
        lines.push_back(line);
        pos += len - carry.size();
        if (pos >= text.size()) return lines;
        // the codes in force go on, each once: "%N" ends them, "%S" and "%n" set again go last
        std::vector<std::string> open;
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            if (line[i] != '%' || !orv::IsPrintCode(line[i + 1])) continue;
            const std::string code = line.substr(i++, 2);
            if (code == "%N") {
                open.clear();
                continue;
            }
            const auto at = std::find(open.begin(), open.end(), code);
            if (at != open.end() && code != "%S" && code != "%n") continue;
            if (at != open.end()) open.erase(at);
            open.push_back(code);
        }
        carry.clear();
        for (const std::string& code : open) carry += code;
    }
}

} // namespace orvtest
