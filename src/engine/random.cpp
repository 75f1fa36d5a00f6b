#include "engine/random.h"

#include <chrono>
#include <ctime>

namespace rca {

uint32_t timeOfDaySeed() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // Whole seconds of local time: differs between runs, stable within a second.
    return static_cast<uint32_t>(now + local.tm_gmtoff);
}

int64_t wallClockNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace rca
