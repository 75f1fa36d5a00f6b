#pragma once
// The freeze mask and its file image. The copies between the mask and the
// transfer buffer address both at i + j for every pair of the square, so
// they touch indices 0 .. rows + cols - 2; the file holds rows x cols bytes
// of the buffer as a plain run, no header.
#include "state/engine_state.h"
#include "state/mask_state.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace rca {

// Extents are kept inside 0..131, so every index stays in the mask and the
// buffer.
struct MaskExtents {
    int rows, cols;
    MaskExtents(int32_t r, int32_t c);
    // The square's extents as the model holds them.
    static MaskExtents of(const EngineState& s) { return {s.squareRows, s.squareCols}; }
    // Indices reached by the pairs: rows + cols - 1, or 0 for an empty square.
    int reach() const;
    size_t fileBytes() const { return static_cast<size_t>(rows) * static_cast<size_t>(cols); }
};

void copyMaskToBuffer(MaskState& s, MaskExtents e);
void copyBufferToMask(MaskState& s, MaskExtents e);
// freezeMask[i + j] := 0 for every pair.
void clearFreezeMask(MaskState& s, MaskExtents e);

// Reads up to e.fileBytes() bytes from offset 0 into the buffer; a short file
// replaces only the leading bytes. Nothing when the file cannot be opened,
// else the bytes read; `longer` tells whether the file held more.
struct MaskRead {
    size_t bytes = 0;
    bool longer = false;
};
std::optional<MaskRead> readMaskFile(const std::filesystem::path& file, MaskState& s,
                                     MaskExtents e);

// Overwrites the leading e.fileBytes() bytes of an existing file with the
// buffer (a longer file keeps its tail); the file is never created. Returns
// "" on success, otherwise the reason.
std::string writeMaskFile(const std::filesystem::path& file, const MaskState& s, MaskExtents e);

} // namespace rca
