// The members of the joint of the continuous model: the second moments of
// area J_2..J_7, the slab moduli E_3, E_4, E_6, E_7 (a number in GPa or a
// concrete class) and the slab blocks and records behind them.
#pragma once

#include <string>

#include "core/ZunTypes.h"

namespace orv {

// Width of a slab record that gives none [cm]: a strip of 1 m.
constexpr double DefaultSlabWidth = 100;
// Second moment of area of a solid slab of width b and thickness d: b d^3 / 12.
double SolidSlabJ(double b, double d);
// The name of a solid reinforced-concrete slab d [cm] thick, "Płyta żelbetowa
// gr.20 cm" (a fractional thickness with one decimal).
std::string SolidSlabName(double d);

// Member 2..7 of the joint: its slab block (20 doubles), nullptr otherwise.
f64* JointSlabBlock(TCalcInput& in, int member);
// Slab 3, 4, 6 or 7: its slab record, nullptr otherwise.
TSlabRecord* JointSlabRecord(TCalcInput& in, int member);
// J of member 2..7 [cm4]; false (nothing stored) for another member or an
// unchanged value.
bool StoreJointJ(TCalcInput& in, int member, double J);

// A slab modulus as typed: a name beginning with "B" must be one of the
// concrete classes ("Nie ma takiej klasy betonu!"), anything else a number
// or empty ("Błąd w zapisie liczby!"); a refused text is told under "Popraw!".
bool CheckSlabModulusText(const std::string& text);
// The modulus of a text [GPa]: a class gives its E_cm, an empty text 0, a
// text that is no number is told and gives 0.
double SlabModulusValue(const std::string& text);
// E of slab 3, 4, 6 or 7 as the field shows it (one decimal); false for
// another member or an unchanged value.
bool StoreSlabModulus(TCalcInput& in, int member, double gpa);

} // namespace orv
