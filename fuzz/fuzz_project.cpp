// The project reader on any bytes. Every element read is then calculated
// and reported as after opening a project: the calculation trace, the input
// and results sheets, the design situation lines and the results RTF. A
// project read is written back and read again, and must come back the same.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/ZunCalc.h"
#include "core/ZunProject.h"
#include "core/ZunRtf.h"
#include "core/ZunStrings.h"
#include "fuzz/FuzzSupport.h"

using namespace orv;
using namespace orvfuzz;

namespace {

void CheckSheet(const TReportSheet& sheet, const char* name, bool checkNumbers)
{
    if (sheet.Count < 0 || sheet.Count > MaxReportLines)
        Fail(std::string(name) + ": line count " + std::to_string(sheet.Count) + " out of range", {});
    if (!checkNumbers) return;
    for (int n = 1; n <= sheet.Count; ++n) {
        const std::string text = sheet.Line(n).text();
        if (HasNonFiniteNumber(text))
            Fail(std::string(name) + ": line " + std::to_string(n) + " prints NaN or infinity", text);
    }
}

void CheckElement(const TCalcInput& input, bool checkNumbers, TReportSheet& sheet)
{
    TTraceLines trace;
    TCalcResults results;
    const u8 error = CalcElement(trace, input, results);
    if (error != results.Error) Fail("CalcElement returned another error than it stored", {});
    if (checkNumbers) {
        for (std::string_view view : trace) {
            const std::string line(view);
            if (HasNonFiniteNumber(line)) Fail("calculation trace prints NaN or infinity", line);
        }
    }

    BuildInputReport(1, 2, 3, input, results, sheet);
    CheckSheet(sheet, "input sheet", checkNumbers);
    BuildResultsReport(1, 2, 3, input, results, sheet);
    CheckSheet(sheet, "results sheet", checkNumbers);
    DesignSituationLines(1, 2, 3, input, results, sheet);
    CheckSheet(sheet, "design situation lines", checkNumbers);

    for (bool recalculated : {true, false}) {
        std::ostringstream rtf;
        FillResultsRtf(recalculated, input, results, "Times New Roman", 20, recalculated, true, rtf);
        const std::string text = rtf.str();
        CheckRtf(text, "results RTF");
        if (checkNumbers && HasNonFiniteNumber(text)) Fail("results RTF prints NaN or infinity", text);
    }
    (void)IsCapacityExceeded(input, results);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    BindSilentMessages();
    static const std::string file = ScratchFile("project.clcm");
    static const std::string copy = ScratchFile("copy.clcm");
    WriteBytes(file, data, size);

    std::vector<std::string> comments{"kept"};
    TElementList elements;
    if (!ReadProjectFile(comments, file, elements)) {
        if (!elements.empty() || comments.size() != 1 || comments[0] != "kept")
            Fail("a failed read changed the project", {});
        return 0;
    }
    if (elements.empty() || elements[0].Count != static_cast<i32>(elements.size()))
        Fail("element count differs from the elements read", {});
    if (elements[0].Current < 0 || elements[0].Current >= elements[0].Count)
        Fail("current element out of range", {});

    const bool checkNumbers = !MayHoldNonFiniteText(data, size);
    auto sheet = std::make_unique<TReportSheet>();
    for (const TProjectElement& e : elements) CheckElement(e.Input, checkNumbers, *sheet);

    // Write back and read again: the sanitised records are sound, so they
    // must survive byte for byte, and the comment line for line.
    if (!WriteProjectFile(comments, copy, elements, elements[0].Count, elements[0].Current))
        Fail("a project read could not be written back", {});
    std::vector<std::string> comments2;
    TElementList elements2;
    if (!ReadProjectFile(comments2, copy, elements2)) Fail("a project written could not be read", {});
    if (elements2.size() != elements.size())
        Fail("written project read with another element count", {});
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (std::memcmp(&elements[i], &elements2[i], sizeof(TProjectElement)) != 0) {
            const auto* a = reinterpret_cast<const unsigned char*>(&elements[i]);
            const auto* b = reinterpret_cast<const unsigned char*>(&elements2[i]);
            std::size_t at = 0;
            while (a[at] == b[at]) ++at;
            Fail("element " + std::to_string(i) + " changed in a write and read, first at byte " +
                     std::to_string(at),
                 {});
        }
    }
    if (comments2 != comments) Fail("comment changed in a write and read", {});
    return 0;
}
