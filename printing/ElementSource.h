// Where the report writers (the page renderer and the RTF export) get the
// elements of the project from, one by one.
#pragma once

#include "core/ZunCalc.h"
#include "core/ZunTypes.h"

namespace orv {

class ProjectSession;

class IElementSource {
public:
    virtual ~IElementSource() = default;
    // Copies element i; false when there is no element i.
    virtual bool GetElementRecord(int i, TProjectElement& element) = 0;
    // Calculates element i into `results`; false when there is no element i.
    virtual bool CalculateElement(int i, TCalcResults& results) = 0;
};

// The open project as an element source (the session must outlive it).
class SessionElementSource : public IElementSource {
public:
    explicit SessionElementSource(ProjectSession& session) : session_(session) {}
    bool GetElementRecord(int i, TProjectElement& element) override;
    bool CalculateElement(int i, TCalcResults& results) override;

private:
    ProjectSession& session_;
};

} // namespace orv
