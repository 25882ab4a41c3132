// Case functions not calculated yet: each reports that the case is not calculated.
#include "ZunCalc.h"

namespace orv {

namespace {

u8 NotCalculated(TTraceLines& lines)
{
    lines.clear();
    AddErrorLine(lines, ceNotImplemented);
    return ceNotImplemented;
}

} // namespace

u8 CalcWallHorizontal(TTraceLines& lines, const TCalcInput&, TCalcResults&) { return NotCalculated(lines); }

} // namespace orv
