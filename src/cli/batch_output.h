#pragma once
// The figures of a headless batch as text, JSON or CSV.
#include "engine/headless_batch.h"
#include "headless/batch_options.h"
#include "headless/figures.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace rca {

// One reported value; text values are quoted in JSON, a missing value (the
// average of an empty class, no seed) is null.
struct ReportField {
    std::string name;
    std::optional<std::string> value;
    bool isText = false;
};
using Report = std::vector<ReportField>;

// The figures as the fields printed.
Report reportOf(const Figures& figures);
// reportOf(batchFigures(...)).
Report batchReport(const HeadlessBatchConfig& config, const HeadlessBatchResult& result);

void writeText(std::ostream& out, const Report& r);
// One line: {"name":value,...}.
void writeJsonLine(std::ostream& out, const Report& r);
void writeCsv(std::ostream& out, const Report& r);

void writeReport(std::ostream& out, const Report& r, OutputFormat format);

} // namespace rca
