#pragma once
// Observers registered on core controls, removed together. A view that
// captures widget pointers in its observers must drop them before the
// widgets go away.
#include "forms/controls.h"

#include <utility>
#include <vector>

namespace rcagui {

class Observations {
  public:
    Observations() = default;
    ~Observations() { clear(); }
    Observations(const Observations&) = delete;
    Observations& operator=(const Observations&) = delete;

    void add(rca::Control& c, rca::Handler fn) { list_.emplace_back(&c, c.observe(std::move(fn))); }
    void clear() {
        for (auto& [control, id] : list_)
            control->unobserve(id);
        list_.clear();
    }

  private:
    std::vector<std::pair<rca::Control*, int>> list_;
};

} // namespace rcagui
