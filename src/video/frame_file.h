#pragma once
// A frame: the top-left rectangle of a picture as bottom-up rows of blue,
// green, red bytes, laid over the template buffer from its pixel offset on.
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace rca {

// Row k holds picture row height - 1 - k, padded to 4 bytes as a BMP row;
// pixels off the picture are black.
std::vector<uint8_t> frameRows(const QImage& image, int width, int height);

// The bytes of a frame file: the whole template buffer, with the rows written
// from the pixel offset stored at bytes 10..13 of the buffer.
std::vector<uint8_t> frameBytes(const std::vector<uint8_t>& templateBuffer,
                                const std::vector<uint8_t>& rows);

// Creates or truncates the file; false when it could not be written in full.
bool writeWholeFile(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);

} // namespace rca
