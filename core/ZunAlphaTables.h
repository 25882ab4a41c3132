// Bending-moment coefficients alpha of laterally loaded masonry panels and
// the choice between a table plate and a beam model.
#pragma once

#include <cstdint>

namespace orv {

// Row 0: h/l headings in columns 1..8; column 0: mu headings in rows 1..14.
using TAlphaTable = double[15][9];
constexpr int AlphaTableCount = 12;
extern const TAlphaTable AlphaTables[AlphaTableCount];

// Edge codes (left, right, top, bottom) of the twelve support cases.
struct TSupportEdges { std::uint8_t Left, Right, Top, Bottom; };
extern const TSupportEdges SupportCaseEdges[AlphaTableCount];

// Beam codes: -1 none, 0 simply supported, 1 fixed at both ends, 2 cantilever.
double InterpolateAlphaTable(const TAlphaTable& table, double mu, double hl);

// Returns false when a table plate is asked for with a support case outside
// 0..11 (nothing usable can be selected); true otherwise.
bool SelectAlphaTable(int model, int supportCase, std::uint8_t& isTablePlate, double h, double l,
                      double mu, double fxd1, double fxd2, int& verticalBeam, int& horizontalBeam,
                      double& alpha, std::uint8_t& edgeLeft, std::uint8_t& edgeRight,
                      std::uint8_t& edgeTop, std::uint8_t& edgeBottom);

} // namespace orv
