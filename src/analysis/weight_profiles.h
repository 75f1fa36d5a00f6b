#pragma once
// The rule view's two weight profiles and their file.
#include "analysis/rule_view_state.h"
#include "files/weight_profile_file.h"

namespace rca {

static_assert(profileValues == ruleColumns + ruleRows);

struct ProfileRead {
    bool opened = false;
    int values = 0;  // whole values the file held
    int clamped = 0; // values that were not numbers or lay outside 0 .. 1
};

// Replaces only the weights the file holds in full, each clamped into 0 .. 1.
ProfileRead readProfiles(const std::string& path, std::array<double, ruleColumns>& columns,
                         std::array<double, ruleRows>& rows);
// Writes over the existing file; false when it is missing or the write failed.
bool writeProfiles(const std::string& path, const std::array<double, ruleColumns>& columns,
                   const std::array<double, ruleRows>& rows);

} // namespace rca
