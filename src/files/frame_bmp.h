#pragma once
// The layout of the 24-bit bottom-up BMP files the frame recorder writes and
// the picture import reads: the frame sizes with their templates, the
// 54-byte header and the numbered file names.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace rca {

constexpr int bmpHeaderBytes = 54;

struct FrameSize {
    const char* caption;
    int width, height;
    const char* templatePath;
};

// The twelve sizes of the picture-size window, in its order.
const std::array<FrameSize, 12>& frameSizes();

// The bytes of one pixel row of a 24-bit picture: width x 3, padded to a
// multiple of 4 (no padding for the twelve frame sizes).
uint32_t bmpRowBytes(int width);

// A complete header of an uncompressed 24-bit bottom-up picture whose pixel
// data follows at byte 54.
std::array<uint8_t, bmpHeaderBytes> bmpHeader(int width, int height);

struct BmpInfo {
    uint32_t pixelOffset = 0;
    int32_t width = 0, height = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
};

uint32_t readLe32(const uint8_t* p);

// The header fields, or nothing when fewer than 34 bytes or no "BM".
std::optional<BmpInfo> parseBmpHeader(const uint8_t* data, size_t size);

// Why the header cannot serve a width x height frame; empty when it can.
std::string frameHeaderProblem(const BmpInfo& info, int width, int height);

// `n` in decimal, at least four digits: 7 -> "0007", 12345 -> "12345".
std::string paddedNumber(int n);
// "video\file0007.bmp" for 7.
std::string frameFileName(int n);

} // namespace rca
