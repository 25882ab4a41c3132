// Case 2, arch models: a wall spanning horizontally or vertically between
// rigid supports carries the lateral load by arching.
#include "core/MyUtils.h"
#include "core/ZunCalcCase2.h"

namespace orv {

namespace {

u8 CalcArch(TTraceLines& lines, const TCalcInput& input, TCalcResults& results, bool horizontal)
{
    lines.clear();
    lines.push_back(horizontal ? "Ściana rozpięta łukowo między podporami poziomymi:"
                               : "Ściana rozpięta łukowo między podporami pionowymi:");
    lines.emplace_back();
    results.Arch = 1;
    const double t = input.t / 100;
    const double l = input.l / 100;
    const double h = input.h / 100;
    const double wd = input.wd_kNm2;
    if (!AllFinite({wd})) {
        AddErrorLine(lines, ceInvalidInput);
        return ceInvalidInput;
    }

    const u8 error = ElementStrengthSection(lines, input, t, l, h, results, true);
    if (error != 0) return error;

    // t, l and h are positive here (checked by the strength section).
    const double span = horizontal ? l : h;
    const double f_d = results.f_d;
    const double ratio = t / span;
    results.q_Rd = f_d * ratio * ratio / 1000;
    results.V_Sd = wd * span * span / (8 * 0.8 * t);
    results.V_Rd = 1.5 * f_d * (t / 10) / 1000;
    lines.add("wartość rozporu jednostkowgo V_Sd = ", Val(2, results.V_Sd), " kN/mb");
    lines.add("nośność obliczeniowa ściany  V_Rd = ", Val(2, results.V_Rd), " kN/mb");
    lines.add("jednostkowa nośność łuku na obciążenie poziome q_Rd = ", Val(2, results.q_Rd), " kN/m2");
    return 0;
}

} // namespace

u8 CalcArchHorizontalSupports(TTraceLines& lines, const TCalcInput& input, TCalcResults& results)
{
    return CalcArch(lines, input, results, true);
}

u8 CalcArchVerticalSupports(TTraceLines& lines, const TCalcInput& input, TCalcResults& results)
{
    return CalcArch(lines, input, results, false);
}

} // namespace orv
