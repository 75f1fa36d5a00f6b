#include "headless/done_time_tables.h"

namespace rca {

std::shared_ptr<const DoneTimeTable> DoneTimeTables::of(int32_t length) {
    std::promise<Table> building;
    std::shared_future<Table> table;
    bool build = false;
    {
        std::lock_guard lock(mutex_);
        // Workers still holding an older table keep it until they let it go.
        tables_.erase(tables_.begin(), tables_.lower_bound(length - 1));
        auto [at, isNew] = tables_.try_emplace(length);
        if (isNew) at->second = building.get_future().share();
        table = at->second;
        build = isNew;
    }
    // Built, and waited for, outside the lock: workers on other lengths go on.
    // Without the memory for it, the length's lines are stepped one by one.
    if (build) {
        try {
            building.set_value(
                std::make_shared<const DoneTimeTable>(length, rule_, path_, threads_));
        } catch (const std::bad_alloc&) {
            building.set_value(nullptr);
        }
    }
    return table.get();
}

} // namespace rca
