#include "files/picture_export.h"

namespace rca {

std::string savePicture(const Canvas& surface, const std::filesystem::path& folder,
                        const std::string& path) {
    const std::string failure = surface.savePng((folder / path).string());
    return failure.empty() ? "" : "cannot write " + path + ": " + failure;
}

} // namespace rca
