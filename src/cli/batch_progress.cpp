#include "cli/batch_progress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace rca {

namespace {

constexpr double minute = 60, hour = 60 * minute, day = 24 * hour, year = 365 * day;

std::string printed(const char* format, double v) {
    char text[32];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

// Days from one to beyond any reckoning: 2.5, 310, 3.1e9.
std::string daysText(double days) {
    if (days < 10) return printed("%.1f", days);
    if (days < 1e4) return printed("%.0f", days);
    const int exponent = static_cast<int>(std::floor(std::log10(days)));
    std::string mantissa = printed("%.1f", days / std::pow(10.0, exponent));
    // 9.96e5 rounds to "10.0": carry into the exponent.
    if (mantissa == "10.0") return "1.0e" + std::to_string(exponent + 1);
    return mantissa + "e" + std::to_string(exponent);
}

} // namespace

std::string timeLeftText(double elapsedSeconds, int64_t done, int64_t total,
                         const std::string& advice) {
    if (done <= 0 || elapsedSeconds <= 0) return "";
    const double left = elapsedSeconds * static_cast<double>(std::max<int64_t>(total - done, 0)) /
                        static_cast<double>(done);
    if (left < minute) return printed("about %.0f s left", left);
    if (left < hour) return printed("about %.0f min left", left / minute);
    if (left < day) return printed("about %.1f h left", left / hour);
    const std::string text = "about " + daysText(left / day) + " days left: ";
    return text + (left < year ? "this run takes more than a day" : "this run will not finish") +
           "; " + advice;
}

Progress::Progress(std::ostream& err, std::string unit, int64_t total, std::string advice)
    : err_(err), unit_(std::move(unit)),
      advice_(advice.empty() ? "stop it and ask for fewer " + unit_ : std::move(advice)),
      total_(total), start_(Clock::now()), next_(start_ + std::chrono::seconds(1)) {}

void Progress::update(int64_t done) {
    const Clock::time_point now = Clock::now();
    std::lock_guard lock(mutex_);
    if (now < next_) return;
    next_ = now + std::chrono::seconds(1);
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    err_ << "rcalab-cli: " << done << " of " << total_ << ' ' << unit_ << ", "
         << printed("%.1f", elapsed) << " s";
    if (const std::string left = timeLeftText(elapsed, done, total_, advice_); !left.empty())
        err_ << ", " << left;
    err_ << '\n';
    err_.flush();
}

} // namespace rca
