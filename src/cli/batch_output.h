#pragma once
// The figures of a headless batch as text, JSON or CSV.
#include "cli/batch_options.h"
#include "engine/headless_batch.h"

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

// The program's version and the settings first, then every counter, time sum
// and average of the batch mode, the three tallies, the steps stepped and
// whether the batch ran to its end.
Report batchReport(const HeadlessBatchConfig& config, const HeadlessBatchResult& result);

void writeText(std::ostream& out, const Report& r);
// One line: {"name":value,...}.
void writeJsonLine(std::ostream& out, const Report& r);
void writeCsv(std::ostream& out, const Report& r);

void writeReport(std::ostream& out, const Report& r, OutputFormat format);

} // namespace rca
