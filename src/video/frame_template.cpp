#include "video/frame_template.h"

#include "files/frame_bmp.h"
#include "io/regular_file.h"

#include <algorithm>

namespace rca {

namespace {

std::string readTemplate(const std::filesystem::path& file, int width, int height,
                         std::vector<uint8_t>& buffer) {
    const FrontRead read = readFront(file, buffer.data(), buffer.size());
    if (!read.opened()) return read.problem;
    const size_t got = read.bytes;
    const auto info = parseBmpHeader(buffer.data(), got);
    if (!info) return "it is not a picture file";
    if (std::string problem = frameHeaderProblem(*info, width, height); !problem.empty())
        return problem;
    // Rows written past the buffer would leave a gap of unknown bytes.
    if (info->pixelOffset > got) return "its pixel offset lies beyond the header read";
    return "";
}

} // namespace

std::string loadTemplate(const std::filesystem::path& file, int width, int height,
                         std::vector<uint8_t>& buffer) {
    std::fill(buffer.begin(), buffer.end(), 0);
    std::string problem = readTemplate(file, width, height, buffer);
    if (problem.empty()) return "";
    std::fill(buffer.begin(), buffer.end(), 0);
    const auto header = bmpHeader(width, height);
    std::copy_n(header.begin(), std::min(header.size(), buffer.size()), buffer.begin());
    return problem;
}

} // namespace rca
