#pragma once
// The change matrix: a 70 x 70 table of integers that experimental analyses
// accumulate, and what the change explorer reads from it.
#include "forms/canvas.h"

#include <array>
#include <cstdint>

namespace rca {

constexpr int changeSide = 70;
constexpr int changeCellPixels = 6;

// Row y, column x at y * 70 + x.
using ChangeMatrix = std::array<int32_t, changeSide * changeSide>;

struct ChangeState {
    ChangeMatrix changeMatrix{};
    // Edited in the explorer; nothing reads them yet.
    int32_t changeEdit1 = 1000, changeEdit2 = -1000, changeEdit3 = 2;
};

// The true sum: 4,900 values of 32 bits can exceed 32 bits.
int64_t changeSum(const ChangeMatrix& m);

// Searched from -1,000,000 and 1,000,000, so the maximum is never below
// -1,000,000 and the minimum never above 1,000,000.
int32_t changeMax(const ChangeMatrix& m);
int32_t changeMin(const ChangeMatrix& m);

// (v - min) / (max - min) with the range in 64 bits: max - min can exceed
// the int32 range.
double changeFraction(int32_t v, int32_t min, int32_t max);

// Erases (0, 0) - (700, 700) and, unless every value is the same, paints
// each value as a 6 x 6 grey square, black at the minimum, white at the
// maximum.
void paintChangeMatrix(Canvas& c, const ChangeMatrix& m);

// The cell under a window point, kept inside 0 .. 69 both ways.
int changeCellAt(int pixel);

// Bars of one row: the first `count` values, at most 70 and at least none.
int changeBarCount(int count);

// '-TEMP/2': every value v becomes -v / 2, truncated toward zero.
void halveAndNegate(ChangeMatrix& m);

} // namespace rca
