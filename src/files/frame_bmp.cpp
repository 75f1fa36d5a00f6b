#include "files/frame_bmp.h"

#include "state/fixed_paths.h"

#include <cstdio>

namespace rca {

const std::array<FrameSize, 12>& frameSizes() {
    const auto& t = paths::frameTemplates;
    static const std::array<FrameSize, 12> sizes = {{{"352 x 704", 352, 704, t[0]},
                                                     {"864 x 656", 864, 656, t[1]},
                                                     {"8448 x 704", 8448, 704, t[2]},
                                                     {"352 x 352", 352, 352, t[3]},
                                                     {"512 x 512", 512, 512, t[4]},
                                                     {"352 x 100", 352, 100, t[5]},
                                                     {"704 x 704", 704, 704, t[6]},
                                                     {"120 x 100", 120, 100, t[7]},
                                                     {"704 x 432", 704, 432, t[8]},
                                                     {"432 x 432", 432, 432, t[9]},
                                                     {"792 x 432", 792, 432, t[10]},
                                                     {"792 x 640", 792, 640, t[11]}}};
    return sizes;
}

namespace {

void putLe(uint8_t* p, uint32_t v, int bytes) {
    for (int k = 0; k < bytes; ++k)
        p[k] = static_cast<uint8_t>(v >> (8 * k));
}

} // namespace

uint32_t bmpRowBytes(int width) {
    return (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
}

std::array<uint8_t, bmpHeaderBytes> bmpHeader(int width, int height) {
    std::array<uint8_t, bmpHeaderBytes> h{};
    const uint32_t rowBytes = bmpRowBytes(width);
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    h[0] = 'B';
    h[1] = 'M';
    putLe(&h[2], bmpHeaderBytes + imageBytes, 4);
    putLe(&h[10], bmpHeaderBytes, 4);
    putLe(&h[14], 40, 4); // info header size
    putLe(&h[18], static_cast<uint32_t>(width), 4);
    putLe(&h[22], static_cast<uint32_t>(height), 4);
    putLe(&h[26], 1, 2);  // planes
    putLe(&h[28], 24, 2); // bits per pixel
    putLe(&h[34], imageBytes, 4);
    putLe(&h[38], 2835, 4); // 72 dots per inch
    putLe(&h[42], 2835, 4);
    return h;
}

uint32_t readLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

std::optional<BmpInfo> parseBmpHeader(const uint8_t* data, size_t size) {
    if (size < 34 || data[0] != 'B' || data[1] != 'M') return std::nullopt;
    BmpInfo info;
    info.pixelOffset = readLe32(data + 10);
    info.width = static_cast<int32_t>(readLe32(data + 18));
    info.height = static_cast<int32_t>(readLe32(data + 22));
    info.bitCount = static_cast<uint16_t>(data[28] | data[29] << 8);
    info.compression = readLe32(data + 30);
    return info;
}

std::string frameHeaderProblem(const BmpInfo& info, int width, int height) {
    if (info.width != width || info.height != height)
        return "it is " + std::to_string(info.width) + " x " + std::to_string(info.height) +
               ", not " + std::to_string(width) + " x " + std::to_string(height);
    if (info.bitCount != 24 || info.compression != 0)
        return "it is not an uncompressed 24-bit picture";
    if (info.pixelOffset < bmpHeaderBytes) return "its pixel offset is inside the header";
    return "";
}

std::string paddedNumber(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d", n);
    return buf;
}

std::string frameFileName(int n) {
    return std::string(paths::framePrefix) + paddedNumber(n) + ".bmp";
}

} // namespace rca
