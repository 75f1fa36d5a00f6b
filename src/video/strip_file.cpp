#include "video/strip_file.h"

#include "files/frame_bmp.h"
#include "io/regular_file.h"
#include "video/frame_file.h"

#include <algorithm>

namespace rca {

uint64_t stripRowOffset(uint32_t offset, int strip, int row) {
    return offset + static_cast<uint64_t>(row) * stripRowBytes +
           static_cast<uint64_t>(stripCount - 1 - strip) * stripWidth * 3;
}

std::string StripFile::open(const std::filesystem::path& file) {
    file_.close();
    // Looked at first: a pipe at the name would take the strips and never seek.
    if (RegularFile look(file, RegularFile::Access::ReadWrite); !look.isOpen())
        return look.problem();
    file_.open(file, std::ios::in | std::ios::out | std::ios::binary);
    if (!file_.is_open()) return "the file is missing or not writable";
    uint8_t head[14] = {};
    file_.read(reinterpret_cast<char*>(head), sizeof head);
    if (file_.gcount() < static_cast<std::streamsize>(sizeof head) || head[0] != 'B' ||
        head[1] != 'M') {
        file_.close();
        return "it has no picture header";
    }
    offset_ = readLe32(head + 10);
    if (offset_ < bmpHeaderBytes) {
        file_.close();
        return "its pixel offset is inside the header";
    }
    return "";
}

bool StripFile::write(int strip, const QImage& image, int width, int height) {
    if (!file_.is_open() || strip < 0 || strip >= stripCount || height <= 0) return false;
    // A wider frame would spill into the neighbouring strip.
    const int columns = std::clamp(width, 0, stripWidth);
    const std::vector<uint8_t> rows = frameRows(image, columns, height);
    const size_t rowBytes = static_cast<size_t>(columns) * 3;
    const size_t stride = bmpRowBytes(columns);
    for (int k = 0; k < height && rowBytes > 0; ++k) {
        file_.seekp(static_cast<std::streamoff>(stripRowOffset(offset_, strip, k)));
        file_.write(reinterpret_cast<const char*>(rows.data() + k * stride),
                    static_cast<std::streamsize>(rowBytes));
    }
    file_.flush();
    return !file_.fail();
}

} // namespace rca
