#include "cli/batch_command.h"
#include "cli/batch_interrupt.h"
#include "cli/sweep_command.h"
#include "headless/batch_options.h"
#include "headless/sweep_options.h"
#include "headless/sweep_runner.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace rca {
namespace {

using Args = std::vector<std::string>;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::string sweep(Args args, int expectedCode = 0) {
    std::ostringstream out, err;
    EXPECT_EQ(runSweepCommand(args, out, err), expectedCode) << err.str();
    return expectedCode == 0 ? out.str() : err.str();
}

// 8 masks, Frozen A and Circle; 140 trials cross the reseed at 128, and a
// step limit keeps the slow masks short.
const Args sweepBase = {"--masks", "0..1x2..5",    "--borders", "frozen,circle", "--trials",
                        "140",     "--step-limit", "3000",      "--seed",        "11"};

Args with(Args more) {
    Args a = sweepBase;
    a.insert(a.end(), more.begin(), more.end());
    return a;
}

TEST(BatchSweep, SeededNumbersDoNotDependOnThreadsOrShards) {
    const std::vector<std::string> one = lines(sweep(with({"--threads", "1"})));
    ASSERT_EQ(one.size(), 16u);
    for (size_t i = 0; i < one.size(); ++i)
        EXPECT_EQ(one[i].rfind("{\"index\":" + std::to_string(i) + ",", 0), 0u) << one[i];
    EXPECT_EQ(lines(sweep(with({"--threads", "3"}))), one);

    std::vector<std::string> merged;
    for (const char* shard : {"0/3", "1/3", "2/3"})
        for (const std::string& line : lines(sweep(with({"--threads", "2", "--shard", shard}))))
            merged.push_back(line);
    auto index = [](const std::string& l) { return std::stoi(l.substr(9)); };
    std::sort(merged.begin(), merged.end(),
              [&](const std::string& a, const std::string& b) { return index(a) < index(b); });
    EXPECT_EQ(merged, one);
}

// A seed fixes the start state too: two seeds differ before the first
// reseed at trial 128, and one seed gives the same numbers every time.
TEST(BatchSweep, ASeedFixesTheFirstTrialsToo) {
    auto counts = [](const std::string& json) {
        return std::regex_replace(json, std::regex(R"re("(index|seed|randomState)":[^,}]*,?)re"),
                                  "");
    };
    auto batch = [&](const std::string& seed) {
        std::ostringstream out, err;
        EXPECT_EQ(runBatchCommand({"--trials", "100", "--mask", "L1,R2", "--seed", seed, "--json"},
                                  out, err),
                  0)
            << err.str();
        return counts(out.str());
    };
    EXPECT_EQ(batch("1"), batch("1"));
    EXPECT_NE(batch("1"), batch("999"));
    // Two equal configurations of one sweep start from states of their own.
    const auto rows = lines(sweep({"--masks", "L1,R2;L1,R2", "--trials", "100", "--seed", "1"}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NE(counts(rows[0]), counts(rows[1]));
}

TEST(BatchSweep, ShardsTakeEveryNthConfiguration) {
    std::vector<HeadlessBatchConfig> all(7);
    std::vector<size_t> got;
    for (const SweepItem& item : shardItems(all, 2, 3))
        got.push_back(item.index);
    EXPECT_EQ(got, (std::vector<size_t>{2, 5}));
    EXPECT_TRUE(shardItems(all, 7, 9).empty());
}

TEST(BatchSweep, ResultsArriveInListOrderFromEveryThread) {
    std::vector<HeadlessBatchConfig> all(9);
    for (size_t i = 0; i < all.size(); ++i) {
        all[i].trials = 5 + static_cast<int>(i % 4) * 30; // uneven work
        all[i].seed = static_cast<uint32_t>(i);
    }
    std::vector<size_t> order;
    runSweep(shardItems(all, 0, 1), 4, nullptr,
             [&](const SweepItem& item, const HeadlessBatchResult& r) {
                 order.push_back(item.index);
                 EXPECT_EQ(r.stats.trialCount, item.config.trials + 1);
             });
    EXPECT_EQ(order, (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(BatchSweep, AStopRequestEndsTheSweepWithWhatHasStarted) {
    std::vector<HeadlessBatchConfig> all(20);
    std::atomic<bool> stop{true};
    int emitted = 0;
    runSweep(shardItems(all, 0, 1), 2, &stop,
             [&](const SweepItem&, const HeadlessBatchResult&) { ++emitted; });
    EXPECT_EQ(emitted, 0);
}

extern "C" void ignoreSignal(int) {}

// The command line's Ctrl-C handler catches one signal and then gives the
// program's previous handler back, not the system default.
TEST(BatchSweep, TheInterruptGuardRestoresThePreviousHandler) {
    struct sigaction mine = {}, before = {}, after = {};
    mine.sa_handler = ignoreSignal;
    sigemptyset(&mine.sa_mask);
    ASSERT_EQ(sigaction(SIGINT, &mine, &before), 0);
    {
        InterruptGuard guard;
        EXPECT_FALSE(guard.interrupted());
        std::raise(SIGINT);
        EXPECT_TRUE(guard.interrupted());
    }
    sigaction(SIGINT, &before, &after);
    EXPECT_EQ(after.sa_handler, ignoreSignal);
}

TEST(BatchSweep, ListsMakeAProductWithMasksInnermost) {
    const SweepOptions o = parseSweepOptions(
        {"--masks", "1x0..1;L3", "--lengths", "10..20,30..40", "--borders", "circle,frozen"});
    ASSERT_EQ(o.configs.size(), 12u);
    // Border outer, then length, then the three masks.
    EXPECT_EQ(o.configs[0].borderMode, 1);
    EXPECT_EQ(o.configs[0].lengthMin, 10);
    EXPECT_EQ(maskText(*o.configs[0].mask), "L1");
    EXPECT_EQ(maskText(*o.configs[1].mask), "L1,R1");
    EXPECT_EQ(maskText(*o.configs[2].mask), "L3");
    EXPECT_EQ(o.configs[3].lengthMin, 30);
    EXPECT_EQ(o.configs[6].borderMode, 0);
    EXPECT_EQ(o.configs[11].lengthMax, 40);
    // Without lists: one configuration, the batch defaults.
    const SweepOptions single = parseSweepOptions({"--trials", "7"});
    ASSERT_EQ(single.configs.size(), 1u);
    EXPECT_EQ(single.configs[0].trials, 7);
    EXPECT_FALSE(single.configs[0].mask);
}

TEST(BatchSweep, MaskProductsOfFiveBitNumbers) {
    EXPECT_EQ(parseMaskItem("0..31x0..31").size(), 1024u);
    EXPECT_EQ(parseMaskNumbers("1,4,16..18"), (std::vector<int>{1, 4, 16, 17, 18}));
    const std::vector<NeighbourMask> m = parseMaskItem("3x16");
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(maskText(m[0]), "L1,L2,R5");
}

TEST(BatchSweep, ConfigurationFileLinesOverTheCommandLine) {
    const std::vector<BatchSettings> c = parseConfigLines(
        {"# a comment", "", "--mask L1 --border frozen", "  --length 30..50 --trials 9"},
        BatchSettings{}, "list.txt");
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(maskText(*c[0].mask), "L1");
    EXPECT_EQ(c[0].borderMode, 0);
    EXPECT_EQ(c[0].trials, 1000);
    EXPECT_FALSE(c[1].mask);
    EXPECT_EQ(c[1].lengthMin, 30);
    EXPECT_EQ(c[1].trials, 9);
    try {
        parseConfigLines({"--mask L1", "--seed 3"}, BatchSettings{}, "list.txt");
        ADD_FAILURE() << "a per-batch seed was accepted";
    } catch (const UsageError& e) {
        EXPECT_EQ(std::string(e.what()), "list.txt line 2: '--seed' is not a setting of one batch");
    }
    EXPECT_THROW(parseConfigLines({"--mask R9 --border frozen"}, BatchSettings{}, "list.txt"),
                 UsageError);
    try {
        parseConfigLines({"--mask L1 --trials 5 --mask R1"}, BatchSettings{}, "list.txt");
        ADD_FAILURE() << "a line gave two masks";
    } catch (const UsageError& e) {
        EXPECT_EQ(std::string(e.what()), "list.txt line 1: --mask is given twice; give it once");
    }
}

TEST(BatchSweep, ConfigurationFileThroughTheCommand) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "rcalab-sweep-test-configs.txt";
    std::ofstream(file) << "--mask L1 --trials 3\n--mask R1 --trials 4 --border frozen\n";
    const std::vector<std::string> out =
        lines(sweep({"--configs", file.string(), "--seed", "1", "--threads", "2"}));
    std::filesystem::remove(file);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_NE(out[0].find("\"mask\":\"L1\""), std::string::npos);
    EXPECT_NE(out[1].find("\"border\":\"frozen\""), std::string::npos);
    EXPECT_NE(out[1].find("\"trialCount\":5,"), std::string::npos);
}

TEST(BatchSweep, MalformedCommandLinesExitWithTwo) {
    const std::vector<std::pair<Args, std::string>> cases = {
        {{"--masks", "0..32x0"}, "32 is outside 0..31"},
        {{"--masks", "5..2x0"}, "'5..2' is an empty range"},
        {{"--masks", ""}, "--mask: '' is not L<distance>"},
        {{"--lengths", "20..40,9..9"}, "9..9 is an empty range"},
        {{"--borders", "circle,round"}, "'round' is not circle or frozen"},
        {{"--threads", "0"}, "--threads: 0 is outside 1..1024"},
        {{"--shard", "3/3"}, "--shard I: 3 is outside 0..2"},
        {{"--shard", "1"}, "--shard: '1' is not I/N"},
        {{"--configs", "/nonexistent/list"}, "--configs: cannot read /nonexistent/list"},
        {{"--configs", "x", "--masks", "1x1"}, "--configs gives the whole list"},
        {{"--borders", "circle,frozen", "--masks", "L7"}, "so L7 would be ignored"},
        {{"--json"}, "unknown option '--json'"},
        {{"--masks", "1x1", "--mask", "L1"}, "--masks and --mask exclude each other"},
        {{"--border", "frozen", "--borders", "circle"}, "--border and --borders exclude"},
        {{"--configs", "a", "--configs", "b"}, "--configs is given twice"},
        {{"--shard", "0/2", "--shard", "1/2"}, "--shard is given twice"},
    };
    for (const auto& [args, message] : cases) {
        const std::string err = sweep(args, 2);
        EXPECT_NE(err.find("rcalab-cli sweep: "), std::string::npos) << err;
        EXPECT_NE(err.find(message), std::string::npos) << err;
    }
}

} // namespace
} // namespace rca
