#include "core/ZunRtf.h"

#include "core/RtfUtils.h"

namespace orv {

void ReportLineToRtf(const TReportSheet& sheet, int first, int last, int pos1, int pos2, int pos3,
                     bool colored, bool markWarnings, std::ostream& stream)
{
    if (first < 1) first = 1;
    if (last > MaxReportLines) last = MaxReportLines;
    std::string c1, c2, out;
    for (int i = first; i <= last; ++i) {
        const TReportLine& line = sheet.Line(i);
        SplitAtDoubleAt(line.Text.raw(), c1, c2);
        out.clear();
        if (i != first) out += "\\par ";
        if (line.X1 == pos2) out += "\\tab ";
        else if (line.X1 == pos3) out += "\\tab \\tab ";
        if (colored) {
            if (line.Color == clRed) out += "\\cf2 ";
            else if (line.Color == clNavy) out += "\\cf1 ";
            else out += "\\cf0 ";
        }
        out += Cp1250MarkupToRtf(c1);
        if (!c2.empty()) {
            out += "\\tab ";
            out += Cp1250MarkupToRtf(c2);
        }
        if (markWarnings && line.Color == clRed) {
            out += "\\tab \\tab ";
            out += Cp1250MarkupToRtf("%B(!!!)%N");
        }
        WriteStreamLine(stream, out);
    }
}

int BuildResultsSheet(bool recalculated, const TCalcInput& input, const TCalcResults& results,
                      TReportSheet& sheet)
{
    if (recalculated) {
        BuildResultsReport(1, 2, 3, input, results, sheet);
        return 2;
    }
    ClearReportLines(1, 2, 3, sheet);
    sheet.Line(1).setText("Nie wykonano obliczeń!");
    sheet.Line(2).setText("W celu uzyskania obliczeń włącz ikonę \"%BPrzeliczanie%N\"");
    sheet.Count = 2;
    return 1;
}

void FillResultsRtf(bool recalculated, const TCalcInput& input, const TCalcResults& results,
                    const std::string& fontName, int fontSize, bool colored, bool markWarnings,
                    std::ostream& stream)
{
    RtfHeaderToStream(fontName, fontSize, stream);
    TReportSheet sheet;
    const int first = BuildResultsSheet(recalculated, input, results, sheet);
    ReportLineToRtf(sheet, first, sheet.Count, 1, 2, 3, colored, markWarnings, stream);
    WriteStreamLine(stream, "\\par }");
}

bool IsCapacityExceeded(const TCalcInput& input, const TCalcResults& results)
{
    TReportSheet sheet;
    BuildResultsReport(1, 2, 3, input, results, sheet);
    for (int i = 2; i <= sheet.Count; ++i)
        if (sheet.Line(i).Color == clRed) return true;
    return false;
}

} // namespace orv
