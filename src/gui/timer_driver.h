#pragma once
// Drives the core's timers with QTimers. A QTimer runs exactly while its
// core timer is enabled with an interval above 0: Qt would fire an interval
// of 0 continuously, the core never does.
#include "forms/controls.h"
#include "gui/observations.h"

#include <QTimer>
#include <memory>
#include <string>
#include <vector>

namespace rcagui {

class TimerDriver {
  public:
    explicit TimerDriver(const std::vector<rca::Timer*>& timers);
    TimerDriver(const TimerDriver&) = delete;
    TimerDriver& operator=(const TimerDriver&) = delete;

    // The QTimer that drives a core timer, by the timer's name.
    const QTimer* timer(const std::string& name) const;

  private:
    std::vector<std::unique_ptr<QTimer>> timers_;
    Observations observations_; // before the timers they touch
};

} // namespace rcagui
