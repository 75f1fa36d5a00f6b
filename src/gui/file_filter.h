#pragma once
// File-dialog filters come in the original toolkit's form,
// "Description|pattern;pattern|Description|pattern"; Qt wants
// "Description (pattern pattern);;Description (pattern)".
#include <QString>
#include <string>

namespace rcagui {

QString toQtFilter(const std::string& filter);

} // namespace rcagui
