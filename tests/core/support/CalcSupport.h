// Helpers shared by the calculation tests: a default element and one run of a case.
#pragma once

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

#include "core/ZunCalc.h"

namespace orvtest {

// A zeroed input record with the element defaults (wall 25 x 100 x 300 cm,
// ceramic group 1, f_b 10, M5); the case number is left as the defaults set it.
inline std::unique_ptr<orv::TCalcInput> DefaultInput()
{
    auto in = std::make_unique<orv::TCalcInput>();
    std::memset(in.get(), 0, sizeof *in);
    orv::InitElementRecord(*in);
    return in;
}

// The same with the given case.
inline std::unique_ptr<orv::TCalcInput> DefaultInput(int caseNo)
{
    auto in = DefaultInput();
    in->Case = static_cast<orv::u8>(caseNo);
    return in;
}

// The default wall loaded with N_0d 150 kN and N_sl,d 30 kN (case 0).
inline std::unique_ptr<orv::TCalcInput> LoadedDefaultWall()
{
    auto in = DefaultInput();
    in->Nod = 150;
    in->Nsld = 30;
    return in;
}

// Puts the openings into the record in order and returns how many there are
// (LiczbaOkien and ScianaZOtworami are left to the caller).
inline int PutOpenings(orv::TCalcInput& in, std::initializer_list<orv::TOpening> openings)
{
    int k = 0;
    for (const orv::TOpening& o : openings) in.Okna[k++] = o;
    return k;
}

// Trace, results and error number of one calculation.
struct CaseRun {
    orv::TTraceLines lines;
    orv::TCalcResults r;
    orv::u8 error = 255;

    bool has(const std::string& line) const
    {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    bool mentions(const std::string& part) const
    {
        for (const std::string& s : lines)
            if (s.find(part) != std::string::npos) return true;
        return false;
    }
};

// Runs `calc` on `in`, the results starting from `start`.
inline CaseRun RunCase(orv::TCaseFunction calc, const orv::TCalcInput& in,
                       const orv::TCalcResults& start = {})
{
    CaseRun run;
    run.r = start;
    run.error = calc(run.lines, in, run.r);
    return run;
}

// `Calc(in)` or `Calc(in, start)` for one case function.
template <orv::TCaseFunction F>
struct CaseCalc {
    CaseRun operator()(const orv::TCalcInput& in, const orv::TCalcResults& start = {}) const
    {
        return RunCase(F, in, start);
    }
};

} // namespace orvtest
