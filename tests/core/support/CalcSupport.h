// Helpers shared by the calculation tests: a default element, one run of a
// case and the trace lines of the default masonry.
#pragma once

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "core/ZunCalc.h"

namespace orvtest {

// A report text as a reader sees it: each no-break space (which keeps a
// value with its unit) as a blank.
inline std::string Shown(std::string text)
{
    for (std::size_t p = text.find("\u00a0"); p != std::string::npos; p = text.find("\u00a0", p + 1))
        text.replace(p, 2, " ");
    return text;
}

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

// A basement wall within the bounds of Annex A, 500 cm between its cross
// walls: its lines "b_e = 500,0 cm" and "N_Sd = ... kN/m" are long ones.
inline std::unique_ptr<orv::TCalcInput> BasementWall()
{
    auto in = DefaultInput(orv::ccBasementWall);
    in->h = 250;
    in->be = 500;
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
        for (std::string_view s : lines)
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

// Trace lines of the default element's masonry (ceramic group 1, f_b 10,
// prescribed M5: K 0,45, f_k 3,66 MPa) and the empty line after them, with
// the decimal separator ','.
inline std::vector<std::string> DefaultMasonryLines()
{
    return {
        "Ściana z elementów ceramicznych grupy 1",
        "Znormalizowana wytrzymałość elementu murowego na ściskanie f_b = 10,00 MPa",
        "zaprawa: zwykła klasy M5, przepisana ->  fm = 5,00 MPa",
        "Współczynnik K = 0,45",
        "Wytrzymałość charakterystyczna muru na ściskanie  f_k = 3,66 MPa",
        "",
    };
}

// The strength section that the vertical-load cases write for the default
// masonry in a section t 25 x b x h 300 cm of area A below 0.3 m2 (gamma_m
// 2,2): the numbers as the trace shows them. The defaults are the default
// wall's, 25 x 100 cm: A 0,250 m2, eta_A 1,13, f_d 1,48 MPa.
inline std::vector<std::string> DefaultStrengthSection(const std::string& b = "100,0",
                                                       const std::string& area = "0,250",
                                                       const std::string& etaA = "1,13",
                                                       const std::string& f_d = "1,48")
{
    std::vector<std::string> lines = DefaultMasonryLines();
    for (const std::string& line : {
             std::string("Grubość ściany t = 25,0 cm"),
             "Szerokość ściany b = " + b + " cm",
             std::string("Wysokość ściany h = 300,0 cm"),
             "Pole przekroju poprzecznego ściany  A = " + area + " m2",
             std::string(),
             std::string("Przyjęto gamma_m = 2,2"),
             "Ponieważ A<0,3 m2 -> eta_A = " + etaA,
             "Wytrzymałość muru na ściskanie  f_d = f_k/(gamma_m*eta_A) = " + f_d + " MPa",
         })
        lines.push_back(line);
    return lines;
}

// The effective-height lines of the default wall (h 300, t 25 cm, braced,
// concrete slabs, no stiffening walls): h_eff 3 m, slenderness 12 of 25.
inline std::vector<std::string> DefaultEffectiveHeightLines()
{
    return {
        "Współczynnik zależny od przestrzennego usztywnienia budynku  ro_h = 1,0",
        "Współczynnik zależny od usztywnienia ściany ro_2 = 1,000",
        "Wysokość efektywna ściany h_eff = ro_h·ro_2·h = 3,000 m",
        "Smukłość h_eff/t = 12,000< 25",
    };
}

// The lines of the pieces one after another.
inline orv::TTraceLines JoinedLines(std::initializer_list<std::vector<std::string>> pieces)
{
    std::vector<std::string> all;
    for (const std::vector<std::string>& piece : pieces) all.insert(all.end(), piece.begin(), piece.end());
    return orv::TTraceLines(all.begin(), all.end());
}

} // namespace orvtest
