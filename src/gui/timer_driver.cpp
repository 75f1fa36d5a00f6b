#include "gui/timer_driver.h"

#include "gui/error_report.h"
#include "gui/qt_text.h"

namespace rcagui {

namespace {

void follow(const rca::Timer& t, QTimer& q) {
    if (!t.ticks()) {
        q.stop();
        return;
    }
    // Restarting on every change would push the next tick back.
    if (!q.isActive() || q.interval() != t.interval()) q.start(t.interval());
}

} // namespace

TimerDriver::TimerDriver(const std::vector<rca::Timer*>& timers) {
    for (rca::Timer* t : timers) {
        auto q = std::make_unique<QTimer>();
        q->setObjectName(qs(t->name()));
        QTimer* raw = q.get();
        QObject::connect(raw, &QTimer::timeout, raw, [t] { guard([t] { t->fire(); }); });
        observations_.add(*t, [t, raw] { follow(*t, *raw); });
        follow(*t, *raw);
        timers_.push_back(std::move(q));
    }
}

const QTimer* TimerDriver::timer(const std::string& name) const {
    for (const auto& q : timers_)
        if (q->objectName() == qs(name)) return q.get();
    return nullptr;
}

} // namespace rcagui
