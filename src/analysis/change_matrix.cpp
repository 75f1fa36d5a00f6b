#include "analysis/change_matrix.h"

#include "view/colors.h"

#include <algorithm>
#include <numeric>

namespace rca {

namespace {

constexpr int32_t maxStart = -1000000, minStart = 1000000;
constexpr int erasedSide = 700;

} // namespace

int64_t changeSum(const ChangeMatrix& m) {
    return std::accumulate(m.begin(), m.end(), int64_t{0});
}

int32_t changeMax(const ChangeMatrix& m) {
    return std::max(maxStart, *std::max_element(m.begin(), m.end()));
}

int32_t changeMin(const ChangeMatrix& m) {
    return std::min(minStart, *std::min_element(m.begin(), m.end()));
}

double changeFraction(int32_t v, int32_t min, int32_t max) {
    return static_cast<double>(int64_t{v} - min) / static_cast<double>(int64_t{max} - min);
}

void paintChangeMatrix(Canvas& c, const ChangeMatrix& m) {
    c.fillRect(0, 0, erasedSide, erasedSide, clBtnFace);
    const int32_t max = changeMax(m), min = changeMin(m);
    if (max == min) return;
    constexpr int s = changeCellPixels;
    for (int i = 0; i < changeSide; ++i)
        for (int j = 0; j < changeSide; ++j)
            c.fillRect(s * j, s * i, s * j + s, s * i + s,
                       greyLevel(changeFraction(m[i * changeSide + j], min, max)));
}

int changeCellAt(int pixel) {
    // In 64 bits: the rounding offset must not overflow at the int limits.
    const int64_t cell = (int64_t{pixel} + changeCellPixels / 2) / changeCellPixels;
    return static_cast<int>(std::clamp<int64_t>(cell, 0, changeSide - 1));
}

int changeBarCount(int count) {
    return std::clamp(count, 0, changeSide);
}

void halveAndNegate(ChangeMatrix& m) {
    // In 64 bits: -INT32_MIN has no 32-bit value, its half has.
    for (int32_t& v : m)
        v = static_cast<int32_t>(-int64_t{v} / 2);
}

} // namespace rca
