// `rcalab-cli verdicts`: its counts against the window line by line, the
// cases file opened in the window and run again, and the output's shape
// under threads, shards and seeds.
#include "cli/verdicts_command.h"
#include "headless/verdicts_runner.h"
#include "setup/case_setup.h"
#include "theory/case_file.h"
#include "view/window_verdict.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/stat.h>

namespace rca {
namespace {

using Args = std::vector<std::string>;

std::string verdicts(const Args& args, int expectedCode = 0) {
    std::ostringstream out, err;
    EXPECT_EQ(runVerdictsCommand(args, out, err), expectedCode) << err.str();
    return expectedCode == 0 ? out.str() : err.str();
}

std::vector<std::string> fileLines(const std::string& file) {
    std::vector<std::string> out;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::string scratch(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            (name + "-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())))
        .string();
}

TEST(VerdictsCommand, AllLinesOfLengthSixCountAsTheWindowJudgesThemOneByOne) {
    for (const char* border : {"circle", "frozen"}) {
        const std::string json =
            verdicts({"--length", "6..7", "--all", "--border", border, "--json"});
        Workbench wb;
        wb.startUp();
        int64_t ok = 0, notOk = 0;
        VerdictCase c;
        c.length = 6;
        c.rule.borderMode = std::string(border) == "circle" ? 1 : 0;
        for (uint64_t n = 0; n < 64; ++n) {
            c.bCells = n;
            setUpCase(wb, c);
            const WindowVerdict w = runWindowTrial(wb, 1000);
            ASSERT_NE(w.label, "X") << "line " << n;
            (w.label == "OK!!" ? ok : notOk)++;
        }
        EXPECT_EQ(json.substr(0, json.find(",\"steps\"")),
                  "{\"length\":6,\"lines\":64,\"ok\":" + std::to_string(ok) +
                      ",\"not\":" + std::to_string(notOk) + ",\"timeout\":0")
            << border;
        EXPECT_GT(ok, 0);
        EXPECT_GT(notOk, 0);
    }
}

TEST(VerdictsCommand, ACaseOpenedInTheWindowRunsToItsVerdict) {
    const std::string file = scratch("rcalab-cases"), npy = file + ".npy";
    const Args run = {"--length", "9..11", "--all", "--mask", "L1,R2", "--step-limit", "3000"};
    for (const std::string& cases : {file, npy}) {
        Args args = run;
        args.insert(args.end(), {"--cases", cases});
        verdicts(args);
    }
    const std::vector<std::string> lines = fileLines(file);
    ASSERT_GT(lines.size(), 40u);
    Workbench wb;
    wb.startUp();
    std::string error;
    for (size_t n = 1; n <= lines.size(); n += lines.size() / 12) {
        // The same case from the NumPy records.
        const std::optional<VerdictCase> record = readCase(npy, static_cast<int64_t>(n), error);
        ASSERT_TRUE(record) << error;
        EXPECT_EQ(caseLine(*record), lines[n - 1]);
        const std::optional<VerdictCase> c = readCase(file, static_cast<int64_t>(n), error);
        ASSERT_TRUE(c) << error;
        EXPECT_EQ(caseLine(*c), lines[n - 1]);
        setUpCase(wb, *c);
        EXPECT_EQ(wb.form1().Label57.caption(), "X");
        const WindowVerdict w = runWindowTrial(wb, c->rule.stepLimit);
        if (c->verdict == Verdict::Timeout) { // the window shows no verdict
            EXPECT_EQ(w.label, "X") << lines[n - 1];
            continue;
        }
        EXPECT_EQ(w.label, verdictText(c->verdict)) << lines[n - 1];
        EXPECT_EQ(w.steps, c->endStep);
        EXPECT_EQ(w.row, c->row);
        EXPECT_EQ(w.column, c->column);
    }
    for (const std::string& cases : {file, npy}) {
        EXPECT_FALSE(readCase(cases, static_cast<int64_t>(lines.size()) + 1, error));
        EXPECT_NE(error.find("has no case " + std::to_string(lines.size() + 1)), std::string::npos)
            << error;
        std::filesystem::remove(cases);
    }
}

TEST(VerdictsCommand, BadCaseLinesAndReferencesSayWhy) {
    const std::string good = "{\"length\": 3, \"line\": \"ABA\", \"verdict\": \"NOT\", \"mask\": "
                             "{\"left\": [1], \"right\": [1, 2]}, \"border\": \"frozen\", "
                             "\"stepLimit\": 50, \"endStep\": 9, \"row\": 0, \"column\": null}";
    std::string error;
    const std::optional<VerdictCase> c = parseCaseLine(good, error);
    ASSERT_TRUE(c) << error;
    EXPECT_EQ(caseLine(*c), good);
    const std::pair<std::string, std::string> bad[] = {
        {"[1, 2]", "not a JSON object"},
        {"{\"length\": 3, \"line\": \"ABC\"}", "other than A or B"},
        {"{\"length\": 4, \"line\": \"ABA\"}", "\"length\" cells"},
        {"{\"length\": 101, \"line\": \"A\"}", "1..100"},
    };
    for (const auto& [text, why] : bad) {
        EXPECT_FALSE(parseCaseLine(text, error)) << text;
        EXPECT_NE(error.find(why), std::string::npos) << error;
    }
    std::string file;
    int64_t number = 0;
    EXPECT_TRUE(splitCaseReference("C:/runs/cases.jsonl:12", file, number));
    EXPECT_EQ(file, "C:/runs/cases.jsonl");
    EXPECT_EQ(number, 12);
    for (const char* text : {"cases.jsonl", "cases.jsonl:", "cases.jsonl:0", "cases.jsonl:x1"})
        EXPECT_FALSE(splitCaseReference(text, file, number)) << text;
    EXPECT_FALSE(readCase("/nonexistent/cases.jsonl", 1, error));
    EXPECT_NE(error.find("cannot read"), std::string::npos);
    // A pipe at the name is refused at once rather than waited on.
    const std::string pipe = scratch("rcalab-cases-pipe");
    std::filesystem::remove(pipe);
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(readCase(pipe, 1, error));
    EXPECT_NE(error.find("pipe"), std::string::npos) << error;
    std::filesystem::remove(pipe);
}

TEST(VerdictsCommand, OutputDoesNotDependOnThreadsAndShardsAddUp) {
    const Args base = {"--length", "12..15", "--trials", "9000", "--seed", "5", "--json"};
    auto with = [&](Args more) {
        Args a = base;
        a.insert(a.end(), more.begin(), more.end());
        return a;
    };
    const std::string one = scratch("rcalab-cases-1"), two = scratch("rcalab-cases-2");
    const std::string single = verdicts(with({"--threads", "1", "--cases", one}));
    EXPECT_EQ(verdicts(with({"--threads", "2", "--cases", two})), single);
    EXPECT_EQ(fileLines(one), fileLines(two));
    std::filesystem::remove(one);
    std::filesystem::remove(two);

    // Each shard reports its part of every length; the parts add up.
    std::map<std::string, int64_t> sums;
    for (const char* shard : {"0/2", "1/2"}) {
        std::istringstream lines(verdicts(with({"--shard", shard})));
        for (std::string line; std::getline(lines, line);)
            for (const char* key : {"lines", "ok", "not", "timeout"}) {
                const std::string tag = std::string("\"") + key + "\":";
                const size_t at = line.find(tag) + tag.size();
                sums[line.substr(0, 13) + key] += std::stoll(line.substr(at));
            }
    }
    std::istringstream whole(single);
    for (std::string line; std::getline(whole, line);)
        for (const char* key : {"lines", "ok", "not", "timeout"}) {
            const std::string tag = std::string("\"") + key + "\":";
            EXPECT_EQ(sums[line.substr(0, 13) + key],
                      std::stoll(line.substr(line.find(tag) + tag.size())))
                << line << ' ' << key;
        }
    // The progress total of each shard: its own lines, a short last block included.
    int64_t shardLines = 0;
    for (const char* shard : {"0/2", "1/2"})
        shardLines += verdictLineCount(parseVerdictsOptions(with({"--shard", shard})));
    EXPECT_EQ(shardLines, 3 * 9000);
    // Another seed draws other lines.
    EXPECT_NE(verdicts({"--length", "12..15", "--trials", "9000", "--seed", "6", "--json"}),
              single);
}

// Without a cases file the lines need not go in line order: on the Circle
// each class of turned lines is judged with the done times of one member,
// elsewhere the blocks go in mirror pairs; with a cases file, line by line
// in line order. The counts must not differ.
TEST(VerdictsCommand, LinesJudgedOutOfLineOrderCountAsInLineOrder) {
    const std::string cases = scratch("rcalab-cases-order");
    for (const Args& rule : {Args{"--length", "6..16"},
                             Args{"--length", "13..15", "--border", "frozen", "--mask", "L1,L4,R2"},
                             Args{"--length", "6..15", "--mask", "L1,R1,R2", "--step-limit", "40"},
                             Args{"--length", "6..15", "--mask", "L1,R4,L6"}}) {
        Args args = {"--all", "--json"};
        args.insert(args.end(), rule.begin(), rule.end());
        const std::string outOfOrder = verdicts(args);
        args.insert(args.end(), {"--cases", cases, "--cases-of", "ok"});
        EXPECT_EQ(outOfOrder, verdicts(args)) << rule.back();
    }
    std::filesystem::remove(cases);
}

TEST(VerdictsCommand, TrialLinesAreDrawnAsRandomDoesFromAnyStartingTrial) {
    Workbench wb;
    wb.startUp();
    wb.form1().Edit1.setText("17");
    wb.form1().Edit7.setText("5");
    const uint32_t seed = 12345;
    wb.model().randomState = seed;
    std::vector<CellBits> drawn(40);
    drawTrialLines(seed, 17, 5, 0, drawn.size(), drawn.data());
    for (CellBits line : drawn) {
        wb.run("Button58Click");
        EXPECT_EQ(bCellsOf(wb.model().startLineI, 17), line);
    }
    std::vector<CellBits> tail(15);
    drawTrialLines(seed, 17, 5, 25, tail.size(), tail.data());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), drawn.begin() + 25));
}

TEST(VerdictsCommand, UsageErrorsNameTheOption) {
    const std::pair<Args, std::string> bad[] = {
        {{"--all"}, "--length MIN..MAX is required"},
        {{"--length", "6..8"}, "either --all or --trials"},
        {{"--length", "6..8", "--all", "--trials", "5"}, "either --all or --trials"},
        {{"--length", "6..8", "--all", "--seed", "1"}, "--all draws none"},
        {{"--length", "60..70", "--all"}, "lengths up to 62"},
        {{"--length", "6..8", "--trials", "0"}, "--trials"},
        {{"--length", "6..8", "--all", "--shard", "2/2"}, "--shard I"},
        {{"--length", "6..8", "--all", "--frobnicate"}, "unknown option"},
        {{"--length", "6..8", "--all", "--length", "9..10"}, "--length is given twice"},
        {{"--length", "6..8", "--all", "--cases", "a", "--cases", "b"}, "--cases is given twice"},
        {{"--length", "6..8", "--all", "--all"}, "--all is given twice"},
        {{"--length", "6..8", "--all", "--cases", ""}, "--cases needs a file name"},
        {{"--length", "6..8", "--all", "--cases-of", "ok"}, "give --cases"},
        {{"--length", "6..8", "--all", "--cases", "c", "--cases-of", "OK"}, "'OK' is not one of"},
        {{"--length", "6..8", "--all", "--cases", "c", "--cases-of", ""}, "'' is not one of"},
        {{"--length", "6..8", "--all", "--cases", "c", "--cases-of", "ok,"}, "'' is not one of"},
        {{"--length", "6..8", "--all", "--cases", "c", "--cases-of", "not,ok,not"},
         "'not' is given twice"},
        {{"--length", "6..8", "--all", "--border", "frozen", "--mask", "L9,R10,R11"},
         "--mask L9,R10,R11 with --border frozen: a frozen border looks at distances 1..6"},
    };
    for (const auto& [args, why] : bad)
        EXPECT_NE(verdicts(args, 2).find(why), std::string::npos) << why;
    // A cases file that cannot be made is a failure at run time.
    for (const std::string file : {"/nonexistent/dir/c", "/nonexistent/dir/c.npy"})
        EXPECT_NE(verdicts({"--length", "6..7", "--all", "--cases", file}, 1)
                      .find("writing " + file + " failed: No such file or directory"),
                  std::string::npos);
}

// A stop between blocks: the length it cut says so, for a merge of shards
// to see; a whole run says complete.
TEST(VerdictsCommand, ALengthCutShortByAStopIsMarkedIncomplete) {
    VerdictsOptions o = parseVerdictsOptions(
        {"--length", "6..8", "--trials", "10000", "--seed", "1", "--threads", "1"});
    std::atomic<bool> stop{false};
    std::vector<LengthTally> tallies;
    VerdictsSink sink;
    sink.length = [&](const LengthTally& t) { tallies.push_back(t); };
    sink.progress = [&](int64_t) { stop = true; }; // after the first block of 4096
    EXPECT_FALSE(runVerdicts(o, &stop, sink));
    ASSERT_EQ(tallies.size(), 1u);
    EXPECT_EQ(tallies[0].lines, 4096);
    EXPECT_FALSE(tallies[0].complete);

    const std::string whole = verdicts({"--length", "6..8", "--trials", "5000", "--json"});
    EXPECT_EQ(std::count(whole.begin(), whole.end(), '\n'), 2);
    EXPECT_EQ(whole.find("\"complete\":false"), std::string::npos);
    EXPECT_NE(whole.find("\"complete\":true,\"version\""), std::string::npos);
}

} // namespace
} // namespace rca
