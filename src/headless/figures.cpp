#include "headless/figures.h"

#include "headless/batch_options.h"
#include "state/version.h"

namespace rca {

namespace {

void number(Figures& r, const std::string& name, int64_t v) {
    r.push_back({name, v});
}

void text(Figures& r, const std::string& name, const std::string& v) {
    r.push_back({name, v});
}

// A class: its count, its time sum and their average, truncated toward zero
// and missing while the count is 0.
void timedClass(Figures& r, const std::string& name, int64_t count, int64_t sum) {
    number(r, name + "Count", count);
    number(r, name + "TimeSum", sum);
    r.push_back({name + "Average", count != 0 ? FigureValue(sum / count) : FigureValue()});
}

} // namespace

Figures batchFigures(const HeadlessBatchConfig& c, const HeadlessBatchResult& res) {
    const WideBatchStats& s = res.stats;
    Figures r;
    // A figure can be traced to the program that made it.
    text(r, "version", programVersion);
    text(r, "mask", maskText(c.mask));
    number(r, "leftMask", maskBits(c.mask.left));
    number(r, "rightMask", maskBits(c.mask.right));
    text(r, "border", c.borderMode == 0 ? "frozen" : "circle");
    number(r, "batchLengthMin", c.lengthMin);
    number(r, "batchLengthMax", c.lengthMax);
    number(r, "trialsPerBatch", c.trials);
    number(r, "stepLimit", c.stepLimit);
    number(r, "randomState", c.randomState);
    r.push_back({"seed", c.seed ? FigureValue(int64_t{*c.seed}) : FigureValue()});
    number(r, "trialCount", s.trialCount);
    number(r, "timeoutCount", s.timeoutCount);
    number(r, "zeroDriftCount", s.zeroDriftCount);
    number(r, "nonZeroDriftCount", s.nonZeroDriftCount);
    timedClass(r, "kept", s.keptCount, s.keptTimeSum);
    timedClass(r, "keptEven", s.keptEvenCount, s.keptEvenTimeSum);
    timedClass(r, "keptOdd", s.keptOddCount, s.keptOddTimeSum);
    number(r, "bothThreeCount", s.bothThreeCount);
    timedClass(r, "changedEven", s.changedEvenCount, s.changedEvenTimeSum);
    timedClass(r, "changedOdd", s.changedOddCount, s.changedOddTimeSum);
    timedClass(r, "drift1", s.drift1Count, s.drift1TimeSum);
    timedClass(r, "drift2to4", s.drift2to4Count, s.drift2to4TimeSum);
    timedClass(r, "drift5Plus", s.drift5PlusCount, s.drift5PlusTimeSum);
    number(r, "failCount1", res.failCount1);
    number(r, "failCount2", res.failCount2);
    number(r, "failCount3", res.failCount3);
    number(r, "steps", res.steps);
    r.push_back({"complete", res.complete});
    return r;
}

Figures sweepFigures(const SweepItem& item, const HeadlessBatchResult& result) {
    Figures r = batchFigures(item.config, result);
    r.insert(r.begin(), Figure{"index", static_cast<int64_t>(item.index)});
    return r;
}

} // namespace rca
