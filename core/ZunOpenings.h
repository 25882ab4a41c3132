// Openings of a wall under horizontal load: removal, fitting to the wall and
// the collision test of a new or edited opening.
#pragma once

#include "core/ZunTypes.h"

namespace orv {

// Upper limit of an opening's position and size [cm], in the grid and the
// opening dialog alike; neither is below 0.
constexpr double OpeningValueMax = 200000;

// Number of openings in use, brought into 0..5.
int OpeningCount(const TCalcInput& in);

// out := in without opening `index` (1-based); the later ones move down and
// the freed last slot is cleared to zeros. An index outside 1..count leaves
// out equal to in. out may be in itself.
void DeleteOpening(const TCalcInput& in, int index, TCalcInput& out);
// out := in with the openings cut to the wall and the empty ones removed.
void PruneOpenings(const TCalcInput& in, TCalcInput& out);
// The openings PruneOpenings keeps, in its order, into `out`; their count.
int PrunedOpenings(const TCalcInput& in, TOpening (&out)[MaxOpenings]);
// Opening number `editedIndex` (or none for -1) left out of the test.
bool OpeningCollides(const TCalcInput& in, int editedIndex, double x, double y, double l, double h);
// True when the opening may be added; on a collision the user is told why.
bool CheckOpening(const TCalcInput& in, int editedIndex, double x, double y, double l, double h);

} // namespace orv
