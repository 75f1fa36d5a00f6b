#include "files/picture_export.h"

namespace rca {

std::string savePicture(const Canvas& surface, const std::string& path) {
    if (surface.savePng(path)) return "";
    return "cannot write " + path + ": the folder is missing or not writable";
}

} // namespace rca
