// The design load that the storeys above bring onto a wall: the sum over the
// roof, the storeys' walls, ring beams and floors, and in the basement
// variant the slab over the basement. Lengths of a compilation are held in
// their display units (0 m, 1 cm, 2 mm) and converted to metres here.
#pragma once

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

// Line loads [kN/m] of entry e (0-based) from its dimensions, lengths in
// metres; the basement variant takes the permanent floor load alone. The
// wall with its own width is spread over the band width b; a band width
// that is not positive gives 0 rather than a division by zero.
double WallLineLoad(const TLoadCompilation& l, int e);
double RingBeamLineLoad(const TLoadCompilation& l, int e);
double LeftFloorLineLoad(const TLoadCompilation& l, int e, bool basement);
double RightFloorLineLoad(const TLoadCompilation& l, int e, bool basement);

// Repeats entry 1 when asked to, stores every line load whose mode is
// computed and returns F [kN] (wall variant, over the band width b) or
// [kN/m] (basement variant, over 1 m). A result that is not finite reads 0.
double RecalcUpperLoad(TLoadCompilation& l, bool basement);

// The result line in report mark-up, F with two decimals.
std::string UpperLoadLine(double f, bool basement);

// Checks the numbers of a compilation read from a file: every value finite,
// the lengths and the band width not negative. Empty when sound, else the
// message that names the first bad value.
std::string LoadCompilationValuesFault(const TLoadCompilation& l);

} // namespace orv
