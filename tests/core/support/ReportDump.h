// Plain-text dump of the reports of a project's elements (test support).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/ZunStrings.h"

namespace orvtest {

// One sheet line as "NNN colour H|B text", the mark-up stripped and the
// "@@" column split shown as " | ".
std::string PlainSheetLine(const orv::TReportSheet& sheet, int n, int headingX);

// Per element: name, case, error number, verdict, then the input and the
// results report lines.
void DumpProject(const orv::TElementList& elements, std::ostream& out);

} // namespace orvtest
