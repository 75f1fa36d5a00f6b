// The time left on a progress line, from the rate so far.
#include "cli/batch_progress.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeLeft, ScalesItsUnitAndWarnsPastADay) {
    const std::string advice = "use fewer --trials";
    struct Case {
        double elapsed;
        int64_t done, total;
        std::string text;
    };
    const Case cases[] = {
        {1.0, 0, 100, ""}, // nothing done yet: no rate to go by
        {1.0, 100, 100, "about 0 s left"},
        {1.0, 10, 100, "about 9 s left"},
        {2.0, 10, 1000, "about 3 min left"},
        {1.0, 1, 10000, "about 2.8 h left"},
        {1.0, 1, 86400 * 25 / 10 + 1,
         "about 2.5 days left: this run takes more than a day; " + advice},
        {1.0, 1, 86400 * 310 + 1, "about 310 days left: this run takes more than a day; " + advice},
        {1.0, 1, 86400LL * 365 + 1, "about 365 days left: this run will not finish; " + advice},
        // --all at L = 62: 2^62 lines at 4096 a second.
        {1.0, 4096, int64_t{1} << 62,
         "about 1.3e10 days left: this run will not finish; " + advice},
        {1.0, 1, 86400LL * 99960, "about 1.0e5 days left: this run will not finish; " + advice},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rca::timeLeftText(c.elapsed, c.done, c.total, advice), c.text)
            << c.done << " of " << c.total;
}

} // namespace
