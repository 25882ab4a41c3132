// The rows of a load table and the text they travel in. A load is the sum
// of its rows, each quantity x value (a thickness [m] times a unit weight
// [kN/m3], a count times a load [kN/m2], a pressure coefficient times a
// peak pressure [kN/m2]); the design sum takes each row's partial factor.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace orv::nom {

struct TLoadRow {
    std::string description;
    double quantity = 1.0;
    double value = 0.0;
    double gammaF = 1.0;
};

struct TPresetRow {
    const char* name;
    double value;
    double gammaF;
};

#include "dialogs/nomlib/UnitWeights.inc"

// The load text: one row a line, "description|quantity|value|gammaF",
// numbers with a point. Rows that would not fit `maxBytes` bytes of the
// stored record (Windows-1250, one byte a character) are left off.
std::string RowsToText(const std::vector<TLoadRow>& rows, std::size_t maxBytes = 512);
// Reads a load text; lines that are not a well-formed row (missing fields,
// numbers that are not finite or out of range) are skipped, as is
// everything after the first 50 rows.
std::vector<TLoadRow> TextToRows(const std::string& text);

double CharacteristicSum(const std::vector<TLoadRow>& rows);
double DesignSum(const std::vector<TLoadRow>& rows);
// The design sum of the rows of one sign of value (positive: pressure,
// negative: suction).
double DesignSumOfSign(const std::vector<TLoadRow>& rows, bool positive);
// Sum of quantity x value over sum of quantity: the unit weight of a layered
// material; 0 when the quantities add up to nothing.
double MeanValue(const std::vector<TLoadRow>& rows);

// The band width line kept with a floor or wind table ("b=2.5"), and its
// reading (a non-finite or negative width gives `fallback`).
std::string BandWidthText(double width);
double BandWidthFromText(const std::string& text, double fallback);

// A row started from a preset.
TLoadRow PresetToRow(const TPresetRow& p, double quantity);

} // namespace orv::nom
