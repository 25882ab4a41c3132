// A small RTF reader for the tests: checks group balance and control words
// and extracts the text, with \'xx decoded from code page 1250 to UTF-8
// and \~ as a no-break space.
#pragma once

#include <string>
#include <vector>

namespace orvtest {

struct RtfDocument {
    bool ok = false;
    std::string error;                  // why the document was refused
    std::vector<std::string> controls;  // control words in order, without the backslash
    std::string text;                   // text of the body (not the font or colour table)
    int maxDepth = 0;
};

RtfDocument ParseRtf(const std::string& rtf);

} // namespace orvtest
