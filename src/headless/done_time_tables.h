#pragma once
// The done-time tables of a run that judges its lines in line order: one
// per length, built by the first worker to reach the length while the
// others wait for it, and let go once the run has moved two lengths on.
#include "theory/done_time_table.h"

#include <future>
#include <map>
#include <memory>
#include <mutex>

namespace rca {

class DoneTimeTables {
  public:
    DoneTimeTables(const VerdictRule& rule, LanePath path, int threads)
        : rule_(rule), path_(path), threads_(threads) {}

    // Null when there was not the memory for it.
    std::shared_ptr<const DoneTimeTable> of(int32_t length);

  private:
    using Table = std::shared_ptr<const DoneTimeTable>;
    VerdictRule rule_;
    LanePath path_;
    int threads_;
    std::map<int32_t, std::shared_future<Table>> tables_;
    std::mutex mutex_;
};

} // namespace rca
