#include "video/frame_file.h"

#include "files/frame_bmp.h"
#include "io/regular_file.h"

#include <algorithm>

namespace rca {

std::vector<uint8_t> frameRows(const QImage& image, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    // Rows padded as the header declares them.
    const size_t rowBytes = bmpRowBytes(width);
    std::vector<uint8_t> out(rowBytes * static_cast<size_t>(height), 0);
    const QImage rgb =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    const int inWidth = std::min(width, rgb.width());
    const int inHeight = std::min(height, rgb.height());
    for (int y = 0; y < inHeight; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uint8_t* dst = out.data() + static_cast<size_t>(height - 1 - y) * rowBytes;
        for (int x = 0; x < inWidth; ++x) {
            dst[3 * x] = static_cast<uint8_t>(qBlue(src[x]));
            dst[3 * x + 1] = static_cast<uint8_t>(qGreen(src[x]));
            dst[3 * x + 2] = static_cast<uint8_t>(qRed(src[x]));
        }
    }
    return out;
}

std::vector<uint8_t> frameBytes(const std::vector<uint8_t>& templateBuffer,
                                const std::vector<uint8_t>& rows) {
    const size_t offset = templateBuffer.size() >= 14 ? readLe32(templateBuffer.data() + 10) : 0;
    std::vector<uint8_t> out(templateBuffer);
    out.resize(std::max(out.size(), offset + rows.size()), 0);
    std::copy(rows.begin(), rows.end(), out.begin() + static_cast<std::ptrdiff_t>(offset));
    return out;
}

bool writeWholeFile(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
    RegularFile out(file, RegularFile::Access::Create);
    return out.writeAt(0, bytes.data(), bytes.size()) && out.close();
}

} // namespace rca
