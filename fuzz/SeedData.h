// Elements and load compilations the seed generators write: the element
// defaults with the loads a user would give each design case.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/ZunTypes.h"

namespace orvfuzz {

// A zeroed record with the element defaults, the case set and loaded.
void SeedInput(int caseNo, orv::TCalcInput& in);
// The default compilation of three storeys with slab and wall loads.
void SeedLoads(orv::TLoadCompilation& l);

// The texts of lines first..last (1-based, as many as there are) of the
// input sheet, or of the results sheet, of a calculated hinged wall.
std::vector<std::string> SeedReportLines(bool results, int first, int last);

// The output folder of a generator (its one argument), created; exits with a
// message when the argument is missing.
std::filesystem::path SeedDir(int argc, char** argv);
// Writes the bytes as one seed file; exits with a message on failure.
void WriteSeed(const std::filesystem::path& dir, const std::string& name, const std::string& bytes);

} // namespace orvfuzz
