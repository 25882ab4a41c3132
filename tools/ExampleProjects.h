// The example projects installed beside the program ("Przykład 1.clcm",
// "Przykład 2.clcm"), built element by element from the record defaults and
// written with the project writer.
#pragma once

#include <string>
#include <vector>

#include "core/ZunTypes.h"

namespace orv {

struct TExampleProject {
    std::string FileName;                  // UTF-8, without a folder
    TElementList Elements;
    std::vector<std::string> Comments;     // the project comment, line by line
};

// Przykład 1: the walls of one storey of a detached house (hinged model,
// continuous model, a wall under a beam). Przykład 2: a wall with window
// openings under wind, a basement wall and a brick pier.
std::vector<TExampleProject> BuildExampleProjects();

// `count` elements of the example projects over and over, each round a
// centimetre lower than the one before (the first round as the examples
// are), so that no two elements of one case are alike.
TElementList VariedExampleElements(int count);

// Writes every example project into `folder`; false at the first file that
// could not be written, its path in `failedFile`.
bool WriteExampleProjects(const std::string& folder, std::string& failedFile);

} // namespace orv
