// Report mark-up as HTML for the rich-text views: bold, underline, sub- and
// superscript runs, Symbol runs mapped to Unicode, and report sheets as
// tables whose value column follows the "@@" of each line.
#pragma once

#include <QString>

#include <string>

#include "core/ZunStrings.h"

namespace orv {

// One line of mark-up (UTF-8) as an HTML fragment; the text is escaped.
QString MarkupToHtml(const std::string& markup);

// Lines first..last of the sheet as one HTML table: the first column is
// indented by the line's position (pos1, pos2 or pos3), the second holds
// the part after "@@"; with `colored`, lines in red or navy keep their colour.
QString ReportSheetToHtml(const TReportSheet& sheet, int first, int last, int pos1, int pos2, int pos3,
                          bool colored);

} // namespace orv
