// The headless batches with typed options: the values fill the same
// settings as `rcalab-cli batch` / `sweep`, run on the same code, and the
// figures come back as dicts of Python values. The typed keyword layer with
// defaults and progress bars is rcalab/__init__.py.
#include "bindings.h"
#include "headless/batch_configs.h"
#include "headless/figures.h"
#include "watched_call.h"

#include <pybind11/stl.h>

#include <limits>
#include <memory>

namespace py = pybind11;

namespace rcapy {

namespace {

using Range = std::pair<int64_t, int64_t>;

struct FigureObject {
    py::object operator()(std::monostate) const { return py::none(); }
    py::object operator()(int64_t v) const { return py::int_(v); }
    py::object operator()(bool v) const { return py::bool_(v); }
    py::object operator()(const std::string& v) const { return py::str(v); }
};

py::dict dictOf(const rca::Figures& figures) {
    py::dict out;
    for (const rca::Figure& f : figures)
        out[py::str(f.name)] = std::visit(FigureObject{}, f.value);
    return out;
}

// The option checks of the command line, in Python's words.
template <class F> auto checked(F make) {
    try {
        return make();
    } catch (const rca::UsageError& e) {
        throw py::value_error(pythonWording(e.what()));
    }
}

std::optional<uint32_t> seedOf(const std::optional<int64_t>& seed) {
    if (!seed) return std::nullopt;
    return static_cast<uint32_t>(
        rca::checkRange(*seed, 0, std::numeric_limits<uint32_t>::max(), "--seed"));
}

rca::BatchSettings settingsOf(int64_t trials, int64_t stepLimit) {
    rca::BatchSettings s;
    s.trials = static_cast<int32_t>(rca::checkRange(trials, 1, rca::largestCount, "--trials"));
    s.stepLimit =
        static_cast<int32_t>(rca::checkRange(stepLimit, 0, rca::largestCount, "--step-limit"));
    return s;
}

// The interrupted call's partial figures ride on the KeyboardInterrupt.
[[noreturn]] void raiseWith(py::error_already_set& raised, const py::object& partial) {
    py::setattr(raised.value(), "result", partial);
    throw raised;
}

// Calls progress(done, total) when given.
std::function<void()> reporter(const py::object& progress, const std::atomic<int64_t>& done,
                               int64_t total) {
    if (progress.is_none()) return {};
    // The batch mode plays one trial past its count; the bar stops at its end.
    return [&progress, &done, total] { progress(std::min(done.load(), total), total); };
}

// What a batch's worker touches, owned by the worker as much as by the call.
struct BatchJob {
    rca::BatchOptions options;
    rca::HeadlessBatchConfig config;
    rca::HeadlessBatchResult result;
    std::atomic<int64_t> done{0};
};

py::dict batch(int64_t trials, const Range& length, const std::optional<std::string>& mask,
               const std::string& border, int64_t stepLimit, const std::optional<int64_t>& seed,
               const py::object& progress) {
    auto job = std::make_shared<BatchJob>();
    job->options = checked([&] {
        rca::BatchOptions o;
        o.settings = settingsOf(trials, stepLimit);
        std::tie(o.settings.lengthMin, o.settings.lengthMax) =
            rca::checkLengthRange(length.first, length.second);
        if (mask) o.settings.mask = rca::parseMask(*mask);
        o.settings.borderMode = rca::parseBorder(border);
        o.seed = seedOf(seed);
        return o;
    });
    WatchedCall call;
    const std::atomic<bool>* stop = call.stopFlag();
    auto outcome = call.run(
        [job, stop] {
            rca::HeadlessBatchControl control;
            control.stop = stop;
            control.progress = [&done = job->done](int32_t count) { done = count; };
            job->config = rca::batchConfigFor(job->options);
            job->result = rca::runHeadlessBatch(job->config, control);
        },
        reporter(progress, job->done, job->options.settings.trials));
    // A worker still running may be writing its result: nothing is read.
    if (outcome.abandoned) raiseWith(*outcome.raised, py::none());
    py::dict out = dictOf(rca::batchFigures(job->config, job->result));
    if (outcome.raised) raiseWith(*outcome.raised, out);
    return out;
}

rca::SweepOptions sweepOptions(const std::vector<std::string>& masks,
                               const std::vector<Range>& lengths,
                               const std::vector<std::string>& borders,
                               const std::optional<std::string>& configs, int64_t trials,
                               int64_t stepLimit, const std::optional<int64_t>& seed,
                               const std::optional<int64_t>& threads, const Range& shard) {
    rca::SweepOptions o;
    rca::SweepLists lists;
    for (const std::string& item : masks)
        for (const rca::NeighbourMask& m : rca::parseMaskItem(item))
            lists.masks.push_back(m);
    for (const auto& [lo, hi] : lengths)
        lists.lengths.push_back(rca::checkLengthRange(lo, hi));
    for (const std::string& b : borders)
        lists.borders.push_back(rca::parseBorder(b));
    lists.configsFile = configs.value_or("");
    o.configs = rca::sweepSettings(lists, settingsOf(trials, stepLimit));
    o.seed = seedOf(seed);
    if (threads)
        o.threads = static_cast<int>(rca::checkRange(*threads, 1, rca::maxThreads, "--threads"));
    o.shardCount = static_cast<int>(rca::checkRange(shard.second, 1, rca::maxShards, "--shard N"));
    o.shardIndex = static_cast<int>(rca::checkRange(shard.first, 0, o.shardCount - 1, "--shard I"));
    return o;
}

struct SweepJob {
    std::vector<rca::SweepItem> items;
    int threads = 1;
    std::vector<rca::Figures> rows;
    std::atomic<int64_t> done{0};
};

py::object sweep(const std::vector<std::string>& masks, const std::vector<Range>& lengths,
                 const std::vector<std::string>& borders, const std::optional<std::string>& configs,
                 int64_t trials, int64_t stepLimit, const std::optional<int64_t>& seed,
                 const std::optional<int64_t>& threads, const Range& shard,
                 const py::object& progress, bool checkOnly) {
    const rca::SweepOptions options = checked([&] {
        return sweepOptions(masks, lengths, borders, configs, trials, stepLimit, seed, threads,
                            shard);
    });
    auto job = std::make_shared<SweepJob>();
    job->items = checked([&] {
        return rca::shardItems(rca::sweepConfigs(options), options.shardIndex, options.shardCount);
    });
    if (checkOnly) return py::none();
    job->threads = rca::sweepThreads(options);
    WatchedCall call;
    const std::atomic<bool>* stop = call.stopFlag();
    auto outcome = call.run(
        [job, stop] {
            rca::runSweep(job->items, job->threads, stop,
                          [&job](const rca::SweepItem& item, const rca::HeadlessBatchResult& r) {
                              job->rows.push_back(rca::sweepFigures(item, r));
                              ++job->done;
                          });
        },
        reporter(progress, job->done, static_cast<int64_t>(job->items.size())));
    if (outcome.abandoned) raiseWith(*outcome.raised, py::none());
    py::list out;
    for (const rca::Figures& r : job->rows)
        out.append(dictOf(r));
    if (outcome.raised) raiseWith(*outcome.raised, out);
    return out;
}

} // namespace

void bindBatch(py::module_& m) {
    m.def("batch", &batch, py::kw_only(), py::arg("trials"), py::arg("length"), py::arg("mask"),
          py::arg("border"), py::arg("step_limit"), py::arg("seed"), py::arg("progress"),
          "One headless batch with checked, typed options (see rcalab.batch).");
    m.def("sweep", &sweep, py::kw_only(), py::arg("masks"), py::arg("lengths"), py::arg("borders"),
          py::arg("configs"), py::arg("trials"), py::arg("step_limit"), py::arg("seed"),
          py::arg("threads"), py::arg("shard"), py::arg("progress"), py::arg("check_only") = false,
          "One headless batch per configuration (see rcalab.sweep).");
}

} // namespace rcapy
