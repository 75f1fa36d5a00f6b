#include "cli/batch_command.h"
#include "cli/batch_output.h"
#include "headless/batch_options.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace rca {
namespace {

using Args = std::vector<std::string>;

// The exit code and standard error of a malformed command line.
std::pair<int, std::string> refused(const Args& args) {
    std::ostringstream out, err;
    const int code = runBatchCommand(args, out, err);
    EXPECT_EQ(out.str(), "");
    return {code, err.str()};
}

TEST(BatchOptions, MalformedCommandLinesExitWithTwoAndSayWhy) {
    const std::vector<std::pair<Args, std::string>> cases = {
        {{"--trials", "0"}, "--trials: 0 is outside 1..2147483646"},
        {{"--trials", "ten"}, "--trials: 'ten' is not a whole number"},
        {{"--trials", "12x"}, "--trials: '12x' is not a whole number"},
        {{"--trials"}, "--trials needs a value"},
        {{"--length", "30..30"}, "--length: 30..30 is an empty range"},
        {{"--length", "40..20"}, "--length: 40..20 is an empty range"},
        {{"--length", "20-40"}, "--length: '20-40' is not MIN..MAX"},
        {{"--length", "4..40"}, "--length MIN: 4 is outside 6..100"},
        {{"--length", "20..102"}, "--length MAX: 102 is outside 0..101"},
        {{"--mask", "L1,X2"}, "--mask: 'X2' is not L<distance> or R<distance>"},
        {{"--mask", "L12"}, "--mask distance in 'L12': 12 is outside 1..11"},
        {{"--mask", "L1,,R1"}, "--mask: '' is not L<distance>"},
        {{"--mask", "3:32"}, "--mask right number: 32 is outside 0..31"},
        {{"--border", "square"}, "--border: 'square' is not circle or frozen"},
        {{"--step-limit", "-1"}, "--step-limit: -1 is outside 0..2147483646"},
        {{"--seed", "4294967296"}, "--seed: 4294967296 is outside 0..4294967295"},
        {{"--border", "frozen", "--mask", "L1,L7,R1,R2"},
         "--mask L1,L7,R1,R2 with --border frozen: a frozen border looks at distances 1..6 "
         "only, so L7 would be ignored"},
        {{"--mask", "R11", "--border", "frozen"}, "--mask R11 with --border frozen"},
        {{"--frob"}, "unknown option '--frob'"},
        {{"20"}, "unknown option '20'"},
        // Given twice or together, one would silently lose.
        {{"--json", "--csv"}, "--json and --csv exclude each other"},
        {{"--trials", "5", "--seed", "1", "--trials", "6"}, "--trials is given twice"},
        {{"--output", "a", "--output", "b"}, "--output is given twice"},
        {{"--output", ""}, "--output needs a file name"},
    };
    for (const auto& [args, message] : cases) {
        const auto [code, err] = refused(args);
        EXPECT_EQ(code, 2) << args[0];
        EXPECT_NE(err.find("rcalab-cli batch: " + message), std::string::npos) << err;
        EXPECT_NE(err.find("usage: rcalab-cli batch"), std::string::npos);
    }
}

TEST(BatchOptions, DefaultsAreTheWorkbenchsBatchSettings) {
    const BatchOptions o = parseBatchOptions({});
    EXPECT_FALSE(o.settings.mask); // the start-up mask, read from the workbench
    EXPECT_EQ(o.settings.borderMode, 1);
    EXPECT_EQ(o.settings.lengthMin, 20);
    EXPECT_EQ(o.settings.lengthMax, 40);
    EXPECT_EQ(o.settings.trials, 1000);
    EXPECT_EQ(o.settings.stepLimit, 1000000);
    EXPECT_FALSE(o.seed);
    EXPECT_EQ(o.format, OutputFormat::Text);
}

TEST(BatchOptions, MasksAsListsOrFiveBitNumbers) {
    const NeighbourMask list = parseMask("L1,r1,R2");
    EXPECT_EQ(maskText(list), "L1,R1,R2");
    EXPECT_EQ(maskBits(list.left), 1);
    EXPECT_EQ(maskBits(list.right), 3);
    // 5 = distances 1 and 3, 18 = distances 2 and 5.
    EXPECT_EQ(maskText(parseMask("5:18")), "L1,L3,R2,R5");
    EXPECT_EQ(maskText(parseMask("none")), "none");
    EXPECT_EQ(maskText(parseMask("L11,R6")), "L11,R6");
    EXPECT_EQ(maskBits(parseMask("L11,R6").left), 0); // only distances 1..5 have bits
}

TEST(BatchOptions, SettingsAndFormats) {
    const BatchOptions o =
        parseBatchOptions({"--trials", "5", "--length", "6..101", "--border", "frozen", "--mask",
                           "L6,R6", "--step-limit", "0", "--seed", "7", "--csv"});
    EXPECT_EQ(o.settings.trials, 5);
    EXPECT_EQ(o.settings.lengthMin, 6);
    EXPECT_EQ(o.settings.lengthMax, 101);
    EXPECT_EQ(o.settings.borderMode, 0);
    EXPECT_EQ(o.settings.stepLimit, 0);
    EXPECT_EQ(o.seed, 7u);
    EXPECT_EQ(o.format, OutputFormat::Csv);
}

HeadlessBatchResult knownResult() {
    HeadlessBatchResult r;
    r.stats.trialCount = 4;
    r.stats.zeroDriftCount = 3;
    r.stats.keptCount = 2;
    r.stats.keptTimeSum = 7; // average 3, truncated
    r.stats.changedOddCount = 1;
    r.stats.changedOddTimeSum = -5; // a negative sum truncates toward zero: -5
    r.stats.drift1Count = 2;
    r.stats.drift1TimeSum = 5000000001; // past 32 bits
    r.failCount2 = 1;
    r.steps = 40;
    r.complete = true;
    return r;
}

std::string fieldOf(const Report& report, const std::string& name) {
    for (const ReportField& f : report)
        if (f.name == name) return f.value.value_or("(none)");
    return "(missing)";
}

TEST(BatchOutput, AveragesTruncateAndEmptyClassesHaveNone) {
    HeadlessBatchConfig c;
    c.seed = 9;
    const Report r = batchReport(c, knownResult());
    EXPECT_EQ(fieldOf(r, "keptAverage"), "3");
    EXPECT_EQ(fieldOf(r, "changedOddAverage"), "-5");
    EXPECT_EQ(fieldOf(r, "drift1TimeSum"), "5000000001");
    EXPECT_EQ(fieldOf(r, "drift1Average"), "2500000000");
    EXPECT_EQ(fieldOf(r, "drift5PlusAverage"), "(none)");
    EXPECT_EQ(fieldOf(r, "mask"), "L1,R1,R2");
    EXPECT_EQ(fieldOf(r, "leftMask"), "1");
    EXPECT_EQ(fieldOf(r, "rightMask"), "3");
    EXPECT_EQ(fieldOf(r, "seed"), "9");
    EXPECT_EQ(fieldOf(r, "failCount2"), "1");
    EXPECT_EQ(fieldOf(r, "complete"), "true");
}

TEST(BatchOutput, TextJsonAndCsvCarryTheSameFields) {
    const Report r = {
        {"mask", "L1,R2", true}, {"keptAverage", std::nullopt, false}, {"trialCount", "4", false}};
    std::ostringstream text, json, csv;
    writeReport(text, r, OutputFormat::Text);
    writeReport(json, r, OutputFormat::Json);
    writeReport(csv, r, OutputFormat::Csv);
    EXPECT_EQ(text.str(), "mask         L1,R2\nkeptAverage  -\ntrialCount   4\n");
    EXPECT_EQ(json.str(), "{\"mask\":\"L1,R2\",\"keptAverage\":null,\"trialCount\":4}\n");
    EXPECT_EQ(csv.str(), "mask,keptAverage,trialCount\n\"L1,R2\",,4\n");
}

TEST(BatchCommand, PrintsTheHeadlessBatchOfItsSettingsAndSeed) {
    std::ostringstream out, err;
    ASSERT_EQ(runBatchCommand({"--trials", "20", "--seed", "3", "--json"}, out, err), 0)
        << err.str();
    HeadlessBatchConfig c = batchConfig(BatchSettings{}, workbenchStartUpState());
    c.trials = 20;
    seedBatch(c, 3);
    std::ostringstream expected;
    writeJsonLine(expected, batchReport(c, runHeadlessBatch(c)));
    EXPECT_EQ(out.str(), expected.str());
    EXPECT_NE(out.str().find("\"trialCount\":21,"), std::string::npos);
    EXPECT_NE(out.str().find("\"mask\":\"L1,R1,R2\""), std::string::npos);
    EXPECT_EQ(err.str(), ""); // short runs show no progress
}

TEST(BatchCommand, StartUpStateIsTheWorkbenchsAfterItsFirstTrial) {
    const StartUpState s = workbenchStartUpState();
    // The first 'Random' draws 8 B positions (no C) from state 1:
    // x -> x * 22695477 + 1 mod 2^32, eight times.
    EXPECT_EQ(s.randomState, 420428313u);
    EXPECT_EQ(maskText(s.mask), "L1,R1,R2");
    EXPECT_NE(s.borderMode, 0);
}

} // namespace
} // namespace rca
