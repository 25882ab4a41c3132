// The settings of the export to the report editor: section "Word" of the
// maker's key. The program only reads them; the editor library's settings
// dialog writes them.
#pragma once

#include <string>

namespace orv {

extern const char* const WordSection; // "Word"

struct TWordSettings {
    std::string FontName = "Arial";
    int FontSize = 20;              // RTF half-points (20 = 10 pt)
    bool ColorPrinting = true;
    bool MonochromePicutre = false; // black-and-white figures in a coloured report
    int ActionTyp = 0;              // read and written back, not used by the program
    bool WordDDE = false;           // likewise
};

// The largest font size the report takes, in half-points (RTF's limit).
constexpr int MaxWordFontSize = 3276;

// Every value with its default when absent. A size outside 1..3276 and a
// font name that is empty or would break the RTF font table (a ';', a brace,
// a backslash or a control character) also give the defaults.
void ReadWordSettings(TWordSettings& settings);
void WriteWordSettings(const TWordSettings& settings);

} // namespace orv
