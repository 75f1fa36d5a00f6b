#include "view/results_eval.h"

#include <algorithm>
#include <cstdlib>

namespace rca {

namespace {

std::string flag(bool b) {
    return b ? "1" : "0";
}

std::string num(int64_t v) {
    return std::to_string(v);
}

uint8_t gridsEqual(const MarkGrid& a, const MarkGrid& b, int rows, int cols) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if (a[r][c] != b[r][c]) return 0;
    return 1;
}

constexpr int sampleRows = 5, sampleCols = 3;

} // namespace

const std::vector<std::string>& resultLabelNames() {
    static const std::vector<std::string> names = {
        "Label3",  "Label4",  "Label6",  "Label17", "Label18", "Label23",  "Label26",
        "Label27", "Label25", "Label34", "Label29", "Label33", "Label112", "Label35",
        "Label37", "Label56", "Label24", "Label32", "Label38", "Label66"};
    return names;
}

LabelTexts resultLabels(const Model& m) {
    LabelTexts out;
    for (auto [label, k] : {std::pair{"Label3", 0}, {"Label4", 1}, {"Label6", 2}, {"Label17", 3}})
        out.emplace_back(label, num(m.cellDriftI[k] / 2));
    for (auto [label, k] :
         {std::pair{"Label18", 0}, {"Label23", 1}, {"Label26", 2}, {"Label27", 3}})
        out.emplace_back(label, num(m.cellDriftII[k] / 2));
    const int64_t t1 = m.doneTimeI, t2 = m.doneTimeII;
    const int64_t d1 = m.cellDriftI[0], d2 = m.cellDriftII[0];
    out.emplace_back("Label25", num(t1));
    out.emplace_back("Label34", num(t2));
    out.emplace_back("Label29", flag(std::llabs(d1) == std::llabs(d2)));
    out.emplace_back("Label33", flag(m.endsDisjoint != 0));
    out.emplace_back("Label112", flag(m.endFlipsStart != 0));
    out.emplace_back("Label35", flag(std::llabs(t1 - t2) == std::llabs(d1 / 2)));
    out.emplace_back("Label37", num(static_cast<int64_t>(m.lastCRowI) + 1));
    out.emplace_back("Label56", num((t1 + t2) / 3));
    return out;
}

void computeMarkMatches(Model& m) {
    // The grids hold 1024 rows, whatever lastCRowI says.
    const int rows = std::clamp<int32_t>(m.lastCRowI, 0, markRows);
    const int cols = boundedLength(m.lineLength);
    m.matchAIIvsCI = gridsEqual(m.markAII, m.markCI, rows, cols);
    m.matchCIIvsAI = gridsEqual(m.markCII, m.markAI, rows, cols);
    m.matchCIvsBI = gridsEqual(m.markCI, m.markBI, rows, cols);
    m.matchCIIvsBII = gridsEqual(m.markCII, m.markBII, rows, cols);
}

LabelTexts matchLabels(const Model& m) {
    return {{"Label24", flag(m.matchAIIvsCI != 0)},
            {"Label32", flag(m.matchCIIvsAI != 0)},
            {"Label38", flag(m.matchCIvsBI != 0)},
            {"Label66", flag(m.matchCIIvsBII != 0)}};
}

const std::vector<std::string>& markSampleLabelNames() {
    // The hidden labels of the range Label30 .. Label53 that no other value
    // uses: the range also holds result labels (Label32 .. Label38) and the
    // batch display's Label31, which the sample must not overwrite.
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (int k = 30; k <= 53 && static_cast<int>(out.size()) < sampleRows * sampleCols; ++k)
            if (k == 30 || k == 36 || k >= 39) out.push_back("Label" + std::to_string(k));
        return out;
    }();
    return names;
}

LabelTexts markSampleLabels(const MarkGrid& markCI) {
    LabelTexts out;
    const auto& names = markSampleLabelNames();
    for (int r = 0; r < sampleRows; ++r)
        for (int c = 0; c < sampleCols; ++c)
            out.emplace_back(names[r * sampleCols + c], flag(markCI[r][c] != 0));
    return out;
}

} // namespace rca
