#pragma once
// The four output files of the 'Write Qhist' batch commands, each open or
// not: stream 1 is "LOG/isc.log"; stream 2 is "8r50/L4.dat" or "LOG/f3.log".
#include <array>
#include <fstream>

namespace rca {

struct BatchOutputs {
    std::array<std::ofstream, 4> streams; // streams 1 .. 4 at 0 .. 3

    void close(int stream) {
        auto& s = streams.at(static_cast<size_t>(stream - 1));
        if (s.is_open()) s.close();
    }
};

} // namespace rca
