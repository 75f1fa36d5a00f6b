#pragma once
// Notices the recorders give once per recording, not at every tick.
#include "forms/bench.h"

#include <bitset>
#include <string>

namespace rca {

class RecorderNotices {
  public:
    enum Kind { NoSize, BuiltHeader, WriteFailed, MissingInput, kinds };
    void reset() { given_.reset(); }
    void once(Kind kind, Bench& wb, const std::string& text) {
        if (given_.test(kind)) return;
        given_.set(kind);
        wb.report(text);
    }

  private:
    std::bitset<kinds> given_;
};

} // namespace rca
