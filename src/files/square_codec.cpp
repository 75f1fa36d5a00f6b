#include "files/square_codec.h"

#include <algorithm>

namespace rca {

SquareBytes encodeSquare(int32_t length, const Line& cells) {
    SquareBytes out{};
    const auto u = static_cast<uint32_t>(length);
    for (int k = 0; k < 4; ++k)
        out[k] = static_cast<uint8_t>(u >> (8 * k));
    std::copy(cells.begin(), cells.end(), out.begin() + 4);
    return out;
}

void decodeSquare(const uint8_t* bytes, size_t count, int32_t& length, Line& cells) {
    count = std::min(count, squareFileBytes);
    auto u = static_cast<uint32_t>(length);
    for (size_t k = 0; k < std::min<size_t>(count, 4); ++k) {
        u &= ~(uint32_t{0xFF} << (8 * k));
        u |= uint32_t{bytes[k]} << (8 * k);
    }
    length = static_cast<int32_t>(u);
    for (size_t k = 4; k < count; ++k)
        cells[k - 4] = bytes[k];
}

FrontRead readSquareFile(const std::filesystem::path& file, int32_t& length, Line& cells) {
    SquareBytes bytes{};
    const FrontRead got =
        readFront(file, bytes.data(), bytes.size(), RegularFile::Access::ReadWrite);
    if (got.opened()) decodeSquare(bytes.data(), got.bytes, length, cells);
    return got;
}

int keepCellStates(Line& cells) {
    int changed = 0;
    for (CellState& c : cells)
        if (c != C && c != B && c != A) {
            c = A;
            ++changed;
        }
    return changed;
}

bool writeSquareFile(const std::filesystem::path& file, int32_t length, const Line& cells) {
    RegularFile f(file, RegularFile::Access::ReadWrite);
    const SquareBytes bytes = encodeSquare(length, cells);
    return f.writeAt(0, bytes.data(), bytes.size()) && f.close();
}

} // namespace rca
