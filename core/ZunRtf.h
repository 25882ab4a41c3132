// The results of a check as an RTF document, and the verdict.
#pragma once

#include <ostream>
#include <string>

#include "core/ZunStrings.h"

namespace orv {

// Lines first..last of the sheet as RTF paragraphs, one stream line each
// (nothing when last < first). pos1..pos3 are the positions the sheet was
// built with: a line at pos2 gets one tab, at pos3 two.
void ReportLineToRtf(const TReportSheet& sheet, int first, int last, int pos1, int pos2, int pos3,
                     bool colored, bool markWarnings, std::ostream& stream);

// The results sheet as the results view shows it (positions 1, 2, 3), or
// the hint that nothing was calculated; returns the first line to show.
int BuildResultsSheet(bool recalculated, const TCalcInput& input, const TCalcResults& results,
                      TReportSheet& sheet);

// The whole RTF document of the results (or of the hint that nothing was calculated).
void FillResultsRtf(bool recalculated, const TCalcInput& input, const TCalcResults& results,
                    const std::string& fontName, int fontSize, bool colored, bool markWarnings,
                    std::ostream& stream);

// True when some line of the results sheet is red: a condition not met or an error.
bool IsCapacityExceeded(const TCalcInput& input, const TCalcResults& results);

} // namespace orv
