// The projects of the report benchmarks: the elements of the example
// projects (every design case) over and over, each repetition a centimetre
// wider than the one before, so that no two elements give the same report
// or the same figures.
#pragma once

#include <vector>

#include "core/ZunTypes.h"
#include "tools/ExampleProjects.h"

namespace orvbench {

inline orv::TElementList VariedExampleElements(int count)
{
    orv::TElementList examples;
    for (const orv::TExampleProject& p : orv::BuildExampleProjects())
        for (const orv::TProjectElement& e : p.Elements) examples.push_back(e);
    orv::TElementList out;
    out.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        out.push_back(examples[std::size_t(i) % examples.size()]);
        out.back().Input.l += int(std::size_t(i) / examples.size());
    }
    return out;
}

} // namespace orvbench
