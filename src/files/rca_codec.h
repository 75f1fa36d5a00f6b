#pragma once
// RCA table files: 2250 bytes, plane 0 then plane 1 of the table, one byte
// per entry in table order, no header. Bytes are taken and written as they
// are (entries are 0 or 1 by convention, not checked).
#include "state/rca_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace rca {

using RcaTable = std::array<uint8_t, rcaTableBytes>;

// Replaces the first `count` entries (at most 2250) with the bytes in file
// order; the rest keep their values, so a short file changes only what it holds.
void decodeRca(const uint8_t* bytes, size_t count, RcaTable& table);

// Opens an existing file for reading and writing and reads up to 2250 bytes
// into the table. Nothing when the file cannot be opened; otherwise the
// number of bytes read.
std::optional<size_t> readRcaFile(const std::filesystem::path& file, RcaTable& table);

// Replaces the file with the 2250 bytes of the table in one step: a temporary
// file in the same folder is written in full, then renamed over the target,
// so a failed write never leaves a half-written table. An existing file that
// cannot be opened for writing is left alone. The folder is never created.
// Returns "" on success, otherwise the reason.
std::string writeRcaFile(const std::filesystem::path& file, const RcaTable& table);

} // namespace rca
