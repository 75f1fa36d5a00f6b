#pragma once
// A form's drawing surface as a PNG file: the one way the menu item and the
// CLI's `save` write a picture.
#include "forms/canvas.h"

#include <string>

namespace rca {

// "" when written, else the message for the user.
std::string savePicture(const Canvas& surface, const std::string& path);

} // namespace rca
