#include "files/mask_file.h"

#include "io/file_problem.h"
#include "io/regular_file.h"
#include "state/square_state.h"

#include <algorithm>

namespace rca {

namespace fs = std::filesystem;

MaskExtents::MaskExtents(int32_t r, int32_t c)
    : rows(std::clamp(r, 0, squareSide)), cols(std::clamp(c, 0, squareSide)) {}

int MaskExtents::reach() const {
    return rows > 0 && cols > 0 ? rows + cols - 1 : 0;
}

void copyMaskToBuffer(MaskState& s, MaskExtents e) {
    std::copy_n(s.freezeMask.begin(), e.reach(), s.maskTransferBuffer.begin());
}

void copyBufferToMask(MaskState& s, MaskExtents e) {
    std::copy_n(s.maskTransferBuffer.begin(), e.reach(), s.freezeMask.begin());
}

void clearFreezeMask(MaskState& s, MaskExtents e) {
    std::fill_n(s.freezeMask.begin(), e.reach(), uint8_t{0});
}

std::optional<MaskRead> readMaskFile(const fs::path& file, MaskState& s, MaskExtents e) {
    // Read into a copy first so a failing read leaves the buffer whole.
    auto bytes = s.maskTransferBuffer;
    const FrontRead got = readFront(file, bytes.data(), e.fileBytes());
    if (!got.opened()) return std::nullopt;
    MaskRead r;
    r.bytes = got.bytes;
    std::copy_n(bytes.begin(), r.bytes, s.maskTransferBuffer.begin());
    r.longer = got.size > got.bytes;
    return r;
}

std::string writeMaskFile(const fs::path& file, const MaskState& s, MaskExtents e) {
    RegularFile out(file, RegularFile::Access::ReadWrite);
    if (!out.isOpen()) return writeFailure(file, true);
    if (!out.writeAt(0, s.maskTransferBuffer.data(), e.fileBytes()) || !out.close())
        return "the write failed (disk full?)";
    return "";
}

} // namespace rca
