#include "files/square_codec.h"

#include <algorithm>
#include <fstream>

namespace rca {

namespace {

constexpr std::ios::openmode readWrite = std::ios::in | std::ios::out | std::ios::binary;

} // namespace

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

std::optional<size_t> readSquareFile(const std::filesystem::path& file, int32_t& length,
                                     Line& cells) {
    std::fstream f(file, readWrite);
    if (!f.is_open()) return std::nullopt;
    SquareBytes bytes{};
    f.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
    const auto got = static_cast<size_t>(f.gcount());
    decodeSquare(bytes.data(), got, length, cells);
    return got;
}

bool writeSquareFile(const std::filesystem::path& file, int32_t length, const Line& cells) {
    std::fstream f(file, readWrite);
    if (!f.is_open()) return false;
    const SquareBytes bytes = encodeSquare(length, cells);
    f.seekp(0);
    f.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    f.flush();
    return f.good();
}

} // namespace rca
