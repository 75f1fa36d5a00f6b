// What a cases file costs: `rcalab-cli verdicts --length L..L+1 --all` on one
// thread without cases, with every NOT and timeout line as NumPy records,
// with only the OK lines as JSON lines, and with every NOT and timeout line
// as JSON lines. Process CPU time, since the writes are the kernel's work.
#include "cli/verdicts_command.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

namespace {

const char* const modes[] = {"none", "npy", "jsonl-ok", "jsonl"};

std::vector<std::string> argsOf(int length, int mode, const std::string& file) {
    std::vector<std::string> args = {
        "--length", std::to_string(length) + ".." + std::to_string(length + 1),
        "--all",    "--threads",
        "1",        "--json"};
    if (mode == 1) args.insert(args.end(), {"--cases", file + ".npy"});
    if (mode == 2) args.insert(args.end(), {"--cases", file + ".jsonl", "--cases-of", "ok"});
    if (mode == 3) args.insert(args.end(), {"--cases", file + ".jsonl"});
    return args;
}

void verdictsWithCases(benchmark::State& state) {
    const int length = static_cast<int>(state.range(0)), mode = static_cast<int>(state.range(1));
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("rcalab-cases-bench-" + std::to_string(mode));
    const std::vector<std::string> args = argsOf(length, mode, file.string());
    for (auto _ : state) {
        std::ostringstream out, err;
        if (rca::runVerdictsCommand(args, out, err) != 0) state.SkipWithError(err.str().c_str());
    }
    state.SetLabel(modes[mode]);
    for (const char* ending : {".npy", ".jsonl"}) {
        std::error_code ignored;
        const std::filesystem::path written = file.string() + ending;
        if (std::filesystem::exists(written))
            state.counters["MB"] = static_cast<double>(std::filesystem::file_size(written)) / 1e6;
        std::filesystem::remove(written, ignored);
    }
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(int64_t{1} << length) *
                                                       static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(verdictsWithCases)
    ->ArgsProduct({{20, 22}, {0, 1, 2, 3}})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(verdictsWithCases)
    ->ArgsProduct({{24}, {0, 1, 2}})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
