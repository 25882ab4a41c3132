// Report mark-up as HTML for the rich-text labels: bold, underline, sub- and
// superscript runs, Symbol runs mapped to Unicode.
#pragma once

#include <QString>

#include <string>

namespace orv {

// One line of mark-up (UTF-8) as an HTML fragment; the text is escaped.
QString MarkupToHtml(const std::string& markup);

} // namespace orv
