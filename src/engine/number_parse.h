#pragma once
#include <cstdint>
#include <string>

namespace rca {

// Parses like the C library's atol: leading blanks, one optional sign, digits
// up to the first other character; no digits gives 0. Only the first 79
// characters count, and the value saturates at the int32 range instead of
// overflowing.
int32_t parseNumber(const std::string& text);

} // namespace rca
