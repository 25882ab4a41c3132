// The design load that the storeys above bring onto a wall: the sum over the
// roof, the storeys' walls, ring beams and floors, and in the basement
// variant the slab over the basement. Lengths of a compilation are held in
// their display units (0 m, 1 cm, 2 mm) and converted to metres here.
#pragma once

#include <optional>
#include <string>

#include "core/ZunTypes.h"

namespace orv {

// Number a length in unit `from` is multiplied by to express it in `to`.
double LengthUnitFactor(int from, int to);
// "m", "cm", "mm"; any other index reads "m".
const char* LengthUnitText(int unit);
// Decimals a length is shown with: 3 for m, 1 for cm, 0 for mm (others 3).
int LengthUnitDecimals(int unit);

// Copies everything of entry `from` into entry `to` (entries 1..10): the
// 22 values, the seven units, the carried block, the switches, the modes and
// the six load-table texts. Entries out of range are ignored.
void CopyStorey(TLoadCompilation& l, int to, int from);
// With repeated storeys on, entry 1 is copied to entries 2..10.
void PropagateRepeatedStorey(TLoadCompilation& l);

// Repeats entry 1 when asked to, stores every line load whose mode is
// computed and returns F [kN] (wall variant, over the band width b) or
// [kN/m] (basement variant, over 1 m). No F when UpperLoadFault names a
// fault: a bad term is never summed.
std::optional<double> RecalcUpperLoad(TLoadCompilation& l, bool basement);

// The first fault of the values the sum reads (the roof, the band, the
// storeys in use and, in the basement variant, the slab over it; only the
// parts that are switched on): a value that is no finite number, a negative
// one, a term or a sum that overflows, or a band of width 0 that an own wall
// width would be spread over. Names the storey as the dialog lists it and
// the field; empty when the compilation is sound.
std::string UpperLoadFault(const TLoadCompilation& l, bool basement);

// The result line in report mark-up, F with two decimals.
std::string UpperLoadLine(double f, bool basement);

} // namespace orv
