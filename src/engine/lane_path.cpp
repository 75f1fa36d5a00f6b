#include "engine/lane_path.h"

#include <cstdlib>

namespace rca {

bool lanePathSupported(LanePath path) {
    __builtin_cpu_init(); // in case this runs before the static constructors
    switch (path) {
    case LanePath::Scalar:
        return true;
    case LanePath::Avx2:
        return __builtin_cpu_supports("avx2");
    case LanePath::Avx512:
        return __builtin_cpu_supports("avx512f");
    }
    return false;
}

std::optional<LanePath> parseLanePath(std::string_view name) {
    for (LanePath p : {LanePath::Scalar, LanePath::Avx2, LanePath::Avx512})
        if (name == lanePathName(p)) return p;
    return std::nullopt;
}

const char* lanePathName(LanePath path) {
    switch (path) {
    case LanePath::Scalar:
        return "scalar";
    case LanePath::Avx2:
        return "avx2";
    case LanePath::Avx512:
        return "avx512";
    }
    return "scalar";
}

LanePath lanePathInUse() {
    static const LanePath chosen = [] {
        const char* env = std::getenv("RCALAB_LANES");
        const std::optional<LanePath> asked = env ? parseLanePath(env) : std::nullopt;
        LanePath p = asked.value_or(LanePath::Avx512);
        while (!lanePathSupported(p))
            p = static_cast<LanePath>(static_cast<int>(p) - 1);
        return p;
    }();
    return chosen;
}

} // namespace rca
