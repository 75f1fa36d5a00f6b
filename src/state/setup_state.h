#pragma once
#include <array>
#include <cstdint>

namespace rca {

constexpr int maxPoints = 4900;

// Point lists of the trial set-ups and the pen values of the 'Initial' group.
struct SetupState {
    std::array<int16_t, maxPoints> bPositions{};
    int32_t bPositionCount = 0;
    std::array<int16_t, maxPoints> cPositions{};
    int32_t cPositionCount = 0;
    // Second coordinates of the square-field generators' points (the first
    // ones are bPositions / cPositions); same counts.
    std::array<int16_t, maxPoints> bPositionsY{};
    std::array<int16_t, maxPoints> cPositionsY{};
    int32_t penC1 = 0, penC2 = 0;
    int32_t penAfr1 = 0, penAfr2 = 0;
};

} // namespace rca
