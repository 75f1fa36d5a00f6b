#pragma once
// The picture import: the bright pixels (blue byte above 60) of a 24-bit
// bottom-up picture of the frame size, handed to a callback one by one.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace rca {

struct PictureImport {
    bool opened = false;
    // The pixel offset could not be read or lies outside the file.
    bool badOffset = false;
    // Rows read in full; fewer than the frame height means a short file.
    int rowsRead = 0;
    // Pixels of the last, partly read row that were examined.
    int pixelsOfPartRow = 0;
    // A header whose size or depth differs from the frame (the rows are still read).
    std::string headerProblem;
};

constexpr int brightBlue = 60;

// Rows come bottom row first, so file row r is picture row height - 1 - r.
// Only bytes read from the file are examined.
PictureImport importPicture(const std::filesystem::path& file, int width, int height,
                            const std::function<void(int x, int y)>& bright);

// Reports of an import, empty when it read the whole picture as expected.
// `file` names the picture in notices; `path` is where it was opened from.
std::vector<std::string> importNotices(const std::string& file, const std::filesystem::path& path,
                                       const PictureImport& r, int height);

} // namespace rca
