#include "cli/batch_output.h"

#include <algorithm>
#include <ostream>

namespace rca {

namespace {

struct FigureText {
    ReportField operator()(std::monostate) const { return {name, std::nullopt, false}; }
    ReportField operator()(int64_t v) const { return {name, std::to_string(v), false}; }
    ReportField operator()(bool v) const { return {name, v ? "true" : "false", false}; }
    ReportField operator()(const std::string& v) const { return {name, v, true}; }
    const std::string& name;
};

} // namespace

Report reportOf(const Figures& figures) {
    Report r;
    for (const Figure& f : figures)
        r.push_back(std::visit(FigureText{f.name}, f.value));
    return r;
}

Report batchReport(const HeadlessBatchConfig& c, const HeadlessBatchResult& res) {
    return reportOf(batchFigures(c, res));
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
