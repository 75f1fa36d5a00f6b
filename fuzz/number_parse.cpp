// The number parsing of every edit field.
#include "engine/number_parse.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    rca::parseNumber(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
