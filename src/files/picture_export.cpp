#include "files/picture_export.h"

namespace rca {

std::string savePicture(const Canvas& surface, const std::string& path) {
    const std::string failure = surface.savePng(path);
    return failure.empty() ? "" : "cannot write " + path + ": " + failure;
}

} // namespace rca
