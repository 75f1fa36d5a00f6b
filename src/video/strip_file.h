#pragma once
// The strip picture: 24 strips of 352 pixels side by side in one picture
// 8448 pixels wide, strip 0 at the right. Its header is never written.
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace rca {

constexpr int stripCount = 24;
constexpr int stripWidth = 352;
constexpr uint64_t stripRowBytes = uint64_t{stripWidth} * 3 * stripCount; // 25,344

// Byte offset of row k of strip t in a file whose pixels start at `offset`.
uint64_t stripRowOffset(uint32_t offset, int strip, int row);

class StripFile {
  public:
    // Opens an existing file for reading and writing and reads its pixel
    // offset; returns why it cannot be used, empty on success.
    std::string open(const std::filesystem::path& file);
    bool isOpen() const { return file_.is_open(); }
    uint32_t pixelOffset() const { return offset_; }
    // Writes strip `strip` (0..23) from the top-left width x height of the
    // picture, at most its own 352 columns of each row. False when the
    // strip number is out of range, the file is closed or a write failed.
    bool write(int strip, const QImage& image, int width, int height);
    void close() { file_.close(); }

  private:
    std::fstream file_;
    uint32_t offset_ = 0;
};

} // namespace rca
