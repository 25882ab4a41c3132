// Division of a case-2 wall with openings into full-length horizontal and
// full-height vertical strips; each strip becomes a TWallPlate of the results.
#pragma once

#include "core/ZunAlphaTables.h"
#include "core/ZunCalc.h"

namespace orv {

// Edge codes (left, right, top, bottom) of the whole wall for a stored model
// (SchematScianyTyp) and support case (SchematPlytySciany). Unknown models and
// support cases give free edges.
TSupportEdges WallModelEdges(int model, int supportCase);

// Both divisions read the openings fitted to the wall (lengths in cm) and
// write Plates and PlateCount only: PlateCount 0 when the wall has no
// openings, -1 when no strip can be formed, else the number of strips.
void DivideHorizontalStrips(const TCalcInput& input, TCalcResults& results);
void DivideVerticalStrips(const TCalcInput& input, TCalcResults& results);

} // namespace orv
