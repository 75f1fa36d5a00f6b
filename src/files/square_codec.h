#pragma once
// Square files: 104 bytes, the line length as a little-endian int32, then the
// 100 cells of lineI, one byte each. Files are read and written byte for byte
// from offset 0; a file is never created here.
#include "io/regular_file.h"
#include "state/cell.h"

#include <array>
#include <cstddef>
#include <filesystem>

namespace rca {

constexpr size_t squareFileBytes = 4 + maxLineCells;
using SquareBytes = std::array<uint8_t, squareFileBytes>;

SquareBytes encodeSquare(int32_t length, const Line& cells);

// Takes the first `count` bytes (at most 104) in file order: a short record
// replaces only the bytes it holds, so a partial length replaces only its
// low-order bytes and missing cells keep their values.
void decodeSquare(const uint8_t* bytes, size_t count, int32_t& length, Line& cells);

// Opens an existing plain file for reading and writing (never waiting on a
// pipe) and reads up to 104 bytes into length and cells, whatever its size.
FrontRead readSquareFile(const std::filesystem::path& file, int32_t& length, Line& cells);

// Cells no command can produce (bytes other than C, B and A from a file)
// become A; returns how many did.
int keepCellStates(Line& cells);

// Overwrites the first 104 bytes of an existing plain file; a longer file
// keeps its tail. False when the file cannot be opened or written.
bool writeSquareFile(const std::filesystem::path& file, int32_t length, const Line& cells);

} // namespace rca
