#pragma once
// The record the square window reads and the 'Write Qhist' batch position.
#include <cstdint>

namespace rca {

struct SquareWindowState {
    int32_t readingIndex = 0; // 'N Reading='
    int32_t batchIndex = 0;   // the next batch configuration
    int32_t batchCount = 50;
    bool batchRandom = false; // 'Random' set-ups instead of records
};

} // namespace rca
