#pragma once
// The frame and strip recorders, the picture-size window's values and the
// replay position. One instance per bench (Bench::state<VideoState>()).
#include <array>
#include <cstdint>
#include <vector>

namespace rca {

constexpr int framesPerTickEntries = 20000;
constexpr int templateBufferBytes = 256000;

struct VideoState {
    int32_t frameWidth = 352, frameHeight = 704;
    int32_t frameTick = 0;
    int32_t frameNumber = 0;
    std::array<int32_t, framesPerTickEntries> framesPerTick{};
    std::vector<uint8_t> templateBuffer = std::vector<uint8_t>(templateBufferBytes, 0);
    int32_t replayPosition = 597;
    // Values of the picture-size window: the six overlay parameters
    // (Edit6 .. Edit11) and the fields nothing reads (Edit2 .. Edit5, Edit12).
    std::array<int32_t, 6> overlay{55, 724, 443, 614, 2526, 3};
    int32_t leftMultiplier = 6, rightMultiplier = 100;
    int32_t markX = 0, markY = 0, spare = 0;
};

// The widest frame the window offers bounds both sides, so a size set by
// hand cannot ask for gigabytes.
constexpr int maxFrameSide = 8448;

inline bool frameSizeUsable(const VideoState& v) {
    return v.frameWidth > 0 && v.frameHeight > 0 && v.frameWidth <= maxFrameSide &&
           v.frameHeight <= maxFrameSide;
}

} // namespace rca
