#include "files/mask_file.h"

#include "state/square_state.h"

#include <algorithm>
#include <fstream>

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
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) return std::nullopt;
    // Read into a copy first so a failing read leaves the buffer whole.
    auto bytes = s.maskTransferBuffer;
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(e.fileBytes()));
    MaskRead r;
    r.bytes = static_cast<size_t>(in.gcount());
    std::copy_n(bytes.begin(), r.bytes, s.maskTransferBuffer.begin());
    in.clear();
    r.longer = in.peek() != std::ifstream::traits_type::eof();
    return r;
}

std::string writeMaskFile(const fs::path& file, const MaskState& s, MaskExtents e) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return "the file is missing";
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    if (!out.is_open()) return "the file is not writable";
    out.write(reinterpret_cast<const char*>(s.maskTransferBuffer.data()),
              static_cast<std::streamsize>(e.fileBytes()));
    out.flush();
    if (out.fail()) return "the write failed (disk full?)";
    return "";
}

} // namespace rca
