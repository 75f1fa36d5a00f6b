#include "engine/batch_stats_display.h"

namespace rca {

namespace {

void countAndAverage(LabelTexts& out, const char* countLabel, const char* averageLabel,
                     int32_t count, int32_t sum) {
    out.emplace_back(countLabel, std::to_string(count));
    // 64-bit: INT32_MIN / -1 would overflow.
    if (count != 0)
        out.emplace_back(averageLabel, std::to_string(static_cast<int64_t>(sum) / count));
}

} // namespace

LabelTexts batchDisplay(const BatchStats& s, const BatchDisplayInputs& in) {
    LabelTexts out;
    out.emplace_back("Label107", std::to_string(in.leftMaskBits));
    out.emplace_back("Label108", std::to_string(in.rightMaskBits));
    out.emplace_back("Label109", std::to_string(in.lengthMin));
    out.emplace_back("Label110", std::to_string(in.lengthMax));
    out.emplace_back("Label10", s.trialCount >= 1000 ? "1000" : std::to_string(s.trialCount));
    out.emplace_back("Label31", std::to_string(s.timeoutCount));
    out.emplace_back("Label70", std::to_string(s.zeroDriftCount));
    out.emplace_back("Label71", std::to_string(s.nonZeroDriftCount));
    countAndAverage(out, "Label72", "Label73", s.keptCount, s.keptTimeSum);
    out.emplace_back("Label75", std::to_string(s.bothThreeCount));
    countAndAverage(out, "Label79", "Label82", s.changedEvenCount, s.changedEvenTimeSum);
    countAndAverage(out, "Label84", "Label85", s.changedOddCount, s.changedOddTimeSum);
    countAndAverage(out, "Label87", "Label88", s.drift1Count, s.drift1TimeSum);
    countAndAverage(out, "Label89", "Label93", s.drift2to4Count, s.drift2to4TimeSum);
    countAndAverage(out, "Label94", "Label95", s.drift5PlusCount, s.drift5PlusTimeSum);
    return out;
}

} // namespace rca
