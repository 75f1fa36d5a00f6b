#include "cli/subcommands.h"

#include <iostream>

namespace rca {

int batchCommand(int, char**) {
    std::cerr << "rcalab-cli batch: not available yet\n";
    return 2;
}

int sweepCommand(int, char**) {
    std::cerr << "rcalab-cli sweep: not available yet\n";
    return 2;
}

} // namespace rca
