#include "cli/batch_output.h"

#include "state/version.h"

#include <algorithm>
#include <ostream>

namespace rca {

namespace {

void number(Report& r, const std::string& name, int64_t v) {
    r.push_back({name, std::to_string(v), false});
}

void text(Report& r, const std::string& name, const std::string& v) {
    r.push_back({name, v, true});
}

// A class: its count, its time sum and their average, truncated toward zero
// and missing while the count is 0.
void timedClass(Report& r, const std::string& name, int64_t count, int64_t sum) {
    number(r, name + "Count", count);
    number(r, name + "TimeSum", sum);
    std::optional<std::string> average;
    if (count != 0) average = std::to_string(sum / count);
    r.push_back({name + "Average", average, false});
}

} // namespace

Report batchReport(const HeadlessBatchConfig& c, const HeadlessBatchResult& res) {
    const WideBatchStats& s = res.stats;
    Report r;
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
    r.push_back({"seed", c.seed ? std::optional(std::to_string(*c.seed)) : std::nullopt, false});
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
    r.push_back({"complete", res.complete ? "true" : "false", false});
    return r;
}

void writeText(std::ostream& out, const Report& r) {
    size_t width = 0;
    for (const ReportField& f : r)
        width = std::max(width, f.name.size());
    for (const ReportField& f : r)
        out << f.name << std::string(width + 2 - f.name.size(), ' ') << f.value.value_or("-")
            << '\n';
}

void writeJsonLine(std::ostream& out, const Report& r) {
    out << '{';
    for (size_t i = 0; i < r.size(); ++i) {
        const ReportField& f = r[i];
        out << (i ? "," : "") << '"' << f.name << "\":";
        // Names and text values are ours: letters, digits and commas only.
        if (!f.value)
            out << "null";
        else if (f.isText)
            out << '"' << *f.value << '"';
        else
            out << *f.value;
    }
    out << "}\n";
}

void writeCsv(std::ostream& out, const Report& r) {
    for (size_t i = 0; i < r.size(); ++i)
        out << (i ? "," : "") << r[i].name;
    out << '\n';
    // The mask holds commas, so text values are quoted.
    for (size_t i = 0; i < r.size(); ++i) {
        const ReportField& f = r[i];
        out << (i ? "," : "");
        if (f.value) out << (f.isText ? "\"" + *f.value + "\"" : *f.value);
    }
    out << '\n';
}

void writeReport(std::ostream& out, const Report& r, OutputFormat format) {
    switch (format) {
    case OutputFormat::Text:
        writeText(out, r);
        break;
    case OutputFormat::Json:
        writeJsonLine(out, r);
        break;
    case OutputFormat::Csv:
        writeCsv(out, r);
        break;
    }
}

} // namespace rca
