// The results text of the main window as a table of two columns in a text
// document: the report sheet's lines, the part after "@@" of every line in
// the second column. The toolkit's own layout places and wraps the cells.
#pragma once

#include "core/ZunStrings.h"

class QTextDocument;

namespace orv {

// Lines first..last of the sheet into `doc`, a row a line: the first cell
// indented by the line's position (pos2 one step of two em, pos3 two) and
// kept an em from the second, `colored` lines in red or navy in their
// colour. Cells equal to those the document holds are left as they are;
// no lines leave the document empty.
void FillResultsDocument(QTextDocument& doc, const TReportSheet& sheet, int first, int last, int pos2, int pos3,
                         bool colored);

} // namespace orv
