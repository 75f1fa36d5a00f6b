#pragma once
// A form's drawing surface as a PNG file: the one way the menu item and the
// CLI's `save` write a picture.
#include "forms/canvas.h"

#include <filesystem>
#include <string>

namespace rca {

// "" when written, else the message for the user, which names `path` as
// given; a relative path lies in `folder`.
std::string savePicture(const Canvas& surface, const std::filesystem::path& folder,
                        const std::string& path);

} // namespace rca
