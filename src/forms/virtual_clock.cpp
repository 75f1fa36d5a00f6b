#include "forms/virtual_clock.h"

#include <algorithm>
#include <limits>

namespace rca {

namespace {

// The largest time; a tick that would fall later is parked here, never due.
constexpr int64_t never = std::numeric_limits<int64_t>::max();

int64_t later(int64_t t, int interval) {
    return t > never - interval ? never : t + interval;
}

} // namespace

VirtualClock::VirtualClock(std::vector<Timer*> timers) {
    slots_.reserve(timers.size());
    for (Timer* t : timers)
        slots_.push_back(Slot{t, 0});
    for (size_t i = 0; i < slots_.size(); ++i) {
        slots_[i].observer = slots_[i].timer->observe([this, i] { refresh(slots_[i]); });
        refresh(slots_[i]);
    }
}

VirtualClock::~VirtualClock() {
    for (auto& s : slots_)
        s.timer->unobserve(s.observer);
}

void VirtualClock::refresh(Slot& s) {
    if (!s.timer->ticks()) {
        s.scheduled = false;
        return;
    }
    // Enabling a timer or changing its interval starts a fresh period.
    if (!s.scheduled || s.interval != s.timer->interval()) {
        s.scheduled = true;
        s.interval = s.timer->interval();
        s.due = later(now_, s.interval);
    }
}

void VirtualClock::advance(int64_t ms) {
    // Saturates one short of `never`, so a parked tick stays undelivered.
    const int64_t room = never - 1 - now_;
    const int64_t target = now_ + std::clamp<int64_t>(ms, 0, room);
    for (;;) {
        if (stopped()) return;
        Slot* next = nullptr;
        for (auto& s : slots_)
            if (s.scheduled && s.due <= target && (!next || s.due < next->due)) next = &s;
        if (!next) break;
        now_ = next->due;
        next->due = later(next->due, next->interval);
        next->timer->fire();
    }
    now_ = target;
}

int VirtualClock::tick(Timer& timer, int count) {
    int delivered = 0;
    while (delivered < count && timer.ticks() && !stopped()) {
        timer.fire();
        ++delivered;
    }
    return delivered;
}

} // namespace rca
