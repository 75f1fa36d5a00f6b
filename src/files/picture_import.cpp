#include "files/picture_import.h"

#include "files/frame_bmp.h"
#include "io/file_problem.h"
#include "io/regular_file.h"

#include <algorithm>

namespace rca {

PictureImport importPicture(const std::filesystem::path& file, int width, int height,
                            const std::function<void(int x, int y)>& bright) {
    PictureImport r;
    RegularFile in(file, RegularFile::Access::Read);
    r.opened = in.isOpen();
    if (!r.opened || width <= 0 || height <= 0) return r;
    uint8_t head[bmpHeaderBytes] = {};
    const size_t got = in.read(head, sizeof head);
    if (got < 14) {
        r.badOffset = true;
        return r;
    }
    if (auto info = parseBmpHeader(head, got))
        r.headerProblem = frameHeaderProblem(*info, width, height);
    else
        r.headerProblem = "it has no complete picture header";
    const uint64_t fileSize = in.size();
    const uint32_t offset = readLe32(head + 10);
    // Any offset inside the file is read from, the header's own bytes too.
    if (offset > fileSize) {
        r.badOffset = true;
        return r;
    }
    uint64_t at = offset;
    // Rows are padded to 4 bytes as the frame recorder writes them (no
    // padding for the frame sizes); a last row may end without its padding.
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    std::vector<uint8_t> row(bmpRowBytes(width));
    for (int k = 0; k < height; ++k) {
        const size_t n = in.readAt(at, row.data(), row.size());
        at += n;
        const int pixels = static_cast<int>(std::min(n, rowBytes) / 3);
        const int y = height - 1 - k;
        for (int x = 0; x < pixels; ++x)
            if (row[static_cast<size_t>(x) * 3] > brightBlue) bright(x, y);
        if (n < rowBytes) {
            r.pixelsOfPartRow = pixels;
            break;
        }
        ++r.rowsRead;
    }
    return r;
}

std::vector<std::string> importNotices(const std::string& file, const std::filesystem::path& path,
                                       const PictureImport& r, int height) {
    if (!r.opened) return {"cannot read " + file + ": " + openFailure(path, false)};
    std::vector<std::string> out;
    if (!r.headerProblem.empty())
        out.push_back(file + " does not fit the frame size: " + r.headerProblem);
    if (r.badOffset)
        out.push_back(file + ": the pixel offset is missing or outside the file; nothing imported");
    else if (r.rowsRead < height)
        out.push_back(file + " is short: " + std::to_string(r.rowsRead) + " of " +
                      std::to_string(height) + " rows read");
    return out;
}

} // namespace rca
