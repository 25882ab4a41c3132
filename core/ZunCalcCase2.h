// Case 2, wall loaded horizontally: the parts of the check that other
// modules and the tests reach besides CalcWallHorizontal (ZunCalc.h).
#pragma once

#include "core/ZunCalc.h"

namespace orv {

// Arch models: the same form as a case function; they return 0, or the
// error of the masonry strength section.
u8 CalcArchHorizontalSupports(TTraceLines& lines, const TCalcInput& input, TCalcResults& results);
u8 CalcArchVerticalSupports(TTraceLines& lines, const TCalcInput& input, TCalcResults& results);

// Characteristic flexural strengths f_xk1 and f_xk2 [MPa] of a unit kind
// with a mortar type; fm is the mortar strength [Pa], fb the unit strength
// [MPa]. A combination without values gives 0 for both.
void CharacteristicFlexuralStrengths(int kind, int mortarType, double fm, double fb,
                                     double& fxk1, double& fxk2);

} // namespace orv
