#include "analysis/weight_profiles.h"

#include "analysis/rule_grid.h"

#include <algorithm>

namespace rca {

namespace {

ProfileValues joined(const std::array<double, ruleColumns>& columns,
                     const std::array<double, ruleRows>& rows) {
    ProfileValues v{};
    std::copy(columns.begin(), columns.end(), v.begin());
    std::copy(rows.begin(), rows.end(), v.begin() + ruleColumns);
    return v;
}

} // namespace

ProfileRead readProfiles(const std::string& path, std::array<double, ruleColumns>& columns,
                         std::array<double, ruleRows>& rows) {
    ProfileValues v = joined(columns, rows);
    const ProfileFileRead got = readProfileFile(path, v);
    ProfileRead r{got.opened, got.values, 0};
    for (int i = 0; i < got.values; ++i) {
        const double c = clampWeight(v[i]);
        // NaN compares unequal to everything, so it counts too.
        if (!(c == v[i])) ++r.clamped;
        v[i] = c;
    }
    std::copy(v.begin(), v.begin() + ruleColumns, columns.begin());
    std::copy(v.begin() + ruleColumns, v.end(), rows.begin());
    return r;
}

bool writeProfiles(const std::string& path, const std::array<double, ruleColumns>& columns,
                   const std::array<double, ruleRows>& rows) {
    return writeProfileFile(path, joined(columns, rows), false);
}

} // namespace rca
