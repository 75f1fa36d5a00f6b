#pragma once
// Drives timers headlessly: virtual milliseconds, due ticks in time order,
// the same ticks every run.
#include "forms/controls.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <vector>

namespace rca {

class VirtualClock {
  public:
    explicit VirtualClock(std::vector<Timer*> timers);
    ~VirtualClock();
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;

    int64_t now() const { return now_; }
    // Moves time on by `ms`, delivering every tick that falls due on the way.
    // A stop request ends it after the current tick, at that tick's time.
    void advance(int64_t ms);
    // Delivers up to `count` ticks of one timer, one interval apart, while it
    // stays enabled and no stop is requested; returns how many were delivered.
    int tick(Timer& timer, int count);

    // Once `*stop` is true, advance() and tick() deliver no further tick
    // (an embedding program's interrupt). Nullptr: never.
    void setStop(const std::atomic<bool>* stop) { stop_ = stop; }

  private:
    struct Slot {
        Timer* timer;
        int observer;
        bool scheduled = false;
        int interval = 0;
        int64_t due = 0;
    };
    void refresh(Slot& s);
    bool stopped() const { return stop_ && stop_->load(); }
    std::vector<Slot> slots_;
    int64_t now_ = 0;
    const std::atomic<bool>* stop_ = nullptr;
};

} // namespace rca
