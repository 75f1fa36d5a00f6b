#pragma once
#include <cstdint>

namespace rca {

// One draw of the shared linear congruential generator: a value in 0..32767.
inline int32_t drawRandom(uint32_t& state) {
    state = state * 22695477u + 1u;
    return static_cast<int32_t>((state >> 16) & 0x7FFF);
}

// A random position on a line of `length` cells; -1 when there is no cell.
inline int32_t drawPosition(uint32_t& state, int32_t length) {
    int32_t r = drawRandom(state);
    return length > 0 ? r % length : -1;
}

// Seed from the local date and time in whole seconds.
uint32_t timeOfDaySeed();

// Nanoseconds of the wall clock since the epoch.
int64_t wallClockNanos();

} // namespace rca
