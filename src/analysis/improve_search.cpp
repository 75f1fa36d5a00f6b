#include "analysis/improve_search.h"

#include "state/fixed_paths.h"

#include <cstdio>

namespace rca {

std::optional<int> nextFreeEntry(const RcaBytes& table, int32_t after) {
    for (int64_t e = int64_t{after} + 1; e <= lastEntry; ++e)
        if (e >= 0 && !isFixed(table, static_cast<int>(e))) return static_cast<int>(e);
    return std::nullopt;
}

void flipRule(RcaBytes& table, int entry) {
    const int e = ((entry % rcaPlane) + rcaPlane) % rcaPlane;
    toggleRule(table, e);
}

bool acceptTrial(bool endedByCheck, int32_t criticalValue, int32_t timeCrit) {
    return endedByCheck && criticalValue >= timeCrit;
}

std::string snapshotName(int32_t number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", static_cast<int>(number));
    return fixedPath(paths::improvePrefix) + digits + ".dat";
}

} // namespace rca
