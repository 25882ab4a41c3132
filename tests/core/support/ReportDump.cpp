#include "tests/core/support/ReportDump.h"

#include <cstdio>
#include <memory>

#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunEditor.h"
#include "core/ZunRtf.h"

namespace orvtest {

std::string PlainSheetLine(const orv::TReportSheet& sheet, int n, int headingX)
{
    const orv::TReportLine& line = sheet.Line(n);
    const char* colour = line.Color == orv::clRed ? "red " : line.Color == orv::clNavy ? "navy" : "-   ";
    std::string before, after;
    orv::SplitAtDoubleAt(line.text(), before, after);
    std::string text = orv::StripMarkup(before);
    if (!after.empty()) text += " | " + orv::StripMarkup(after);
    char head[32];
    std::snprintf(head, sizeof head, "%3d %s %c ", n, colour, line.X1 == headingX ? 'H' : 'B');
    return head + text;
}

void DumpProject(const orv::TElementList& elements, std::ostream& out)
{
    auto input = std::make_unique<orv::TCalcInput>();
    auto sheet = std::make_unique<orv::TReportSheet>();
    int index = 0;
    for (const orv::TProjectElement& element : elements) {
        ++index;
        *input = element.Input;
        orv::KeepSelfWeightsInStep(*input); // as an opened project has them
        orv::TTraceLines trace;
        orv::TCalcResults results;
        const orv::u8 error = orv::CalcElement(trace, *input, results);
        out << "element " << index << ": " << element.Name.str() << "\n";
        out << "case " << +input->Case << "\n";
        out << "error " << +error << "\n";
        out << "verdict " << (orv::IsCapacityExceeded(*input, results) ? "exceeded" : "satisfied") << "\n";
        out << "input\n";
        orv::BuildInputReport(1, 2, 3, *input, results, *sheet);
        for (int n = 1; n <= sheet->Count; ++n) out << PlainSheetLine(*sheet, n, 1) << "\n";
        out << "results\n";
        orv::BuildResultsReport(1, 2, 3, *input, results, *sheet);
        for (int n = 1; n <= sheet->Count; ++n) out << PlainSheetLine(*sheet, n, 1) << "\n";
    }
}

} // namespace orvtest
