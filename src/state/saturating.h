#pragma once
// Counters without a bound of their own stop at the ends of their type
// instead of wrapping: a value set from a script may start them anywhere.
#include <algorithm>
#include <cstdint>
#include <limits>

namespace rca {

constexpr int32_t saturatingAdd(int32_t v, int64_t delta) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{v} + delta,
                                                    std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// A pixel coordinate worked out in 64 bits, brought back into int: one far
// off the surface stays far off it.
constexpr int32_t clampToInt(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

constexpr void countUp(int32_t& v) {
    v = saturatingAdd(v, 1);
}

} // namespace rca
