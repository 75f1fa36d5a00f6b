#pragma once
// Which instruction set runs the headless batch's trials side by side.
#include <optional>
#include <string_view>

namespace rca {

enum class LanePath {
    Scalar, // one trial at a time, both lines in one 128-bit register
    Avx2,   // four lines (two trials) per 256-bit register
    Avx512  // eight lines (four trials) per 512-bit register
};

// Whether this processor (and its operating system) runs the path.
bool lanePathSupported(LanePath path);

// The widest supported path, unless the environment variable RCALAB_LANES
// names one (scalar, avx2 or avx512): then that one, or the widest supported
// below it when the processor lacks it. Read once per process.
LanePath lanePathInUse();

std::optional<LanePath> parseLanePath(std::string_view name);
const char* lanePathName(LanePath path);

} // namespace rca
