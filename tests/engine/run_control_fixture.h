#pragma once
// Workbench set-up for the run-control tests: the line written directly,
// no trial check, one step per batch.
#include "app/workbench.h"
#include "engine/trial_check.h"

#include <string>

namespace runtest {

// Circle, mask right 1 only, the given line I; line II as given.
inline void setUp(rca::Workbench& wb, const std::string& one, const std::string& two) {
    wb.state<rca::TrialCheck>().ended = nullptr;
    rca::Model& m = wb.model();
    m.lineLength = static_cast<int32_t>(one.size());
    m.borderMode = 1;
    m.neighbourMask = {};
    m.neighbourMask.right[1] = true;
    m.stepsPerPress = 1;
    wb.fields().set("lineI", one);
    wb.fields().set("lineII", two);
}

inline std::string lineI(rca::Workbench& wb) {
    return wb.fields().print("lineI");
}
inline std::string lineII(rca::Workbench& wb) {
    return wb.fields().print("lineII");
}

} // namespace runtest
