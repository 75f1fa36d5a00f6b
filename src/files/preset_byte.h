#pragma once
// One-byte preset files of the "CA" folder: one byte at offset 0 of an
// existing file, to or from the first byte of the square field.
#include "state/square_state.h"

#include <filesystem>
#include <optional>
#include <string>

namespace rca {

// True when a byte was read into squareField[0]; an empty or unreadable file
// leaves it unchanged.
bool readPresetByte(const std::filesystem::path& file, SquareState& q);
// Why readPresetByte failed, for the notice: the file is empty, or what
// stopped it being opened for reading and writing.
std::string presetByteFailure(const std::filesystem::path& file);

// Writes squareField[0] over the first byte of an existing file.
bool writePresetByte(const std::filesystem::path& file, const SquareState& q);

// The '70' preset chosen by its number field: 0..4 select "CA/ca70.dat",
// "CA/ca70_2.dat", "CA/ca70_5.dat", "CA/ca70_4.dat", "CA/ca70_3.dat"; any
// other number selects none.
std::optional<std::string> preset70File(int index);

} // namespace rca
