#include "cli/verdicts_runner.h"

#include "engine/headless_batch.h"
#include "engine/random.h"
#include "setup/random_line.h"
#include "view/verdict_lanes.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace rca {

namespace {

constexpr int64_t blockLines = 4096;

// One block of one length: lines first .. first + count - 1.
struct Task {
    int32_t length = 0;
    int64_t first = 0, count = 0;
    bool lastOfLength = false;
};

struct BlockResult {
    LengthTally tally;
    std::vector<VerdictCase> cases;
};

int64_t linesOfLength(const VerdictsOptions& o, int32_t length) {
    return o.all ? int64_t{1} << length : o.trials;
}

// This shard's blocks, lengths in order; a block's shard is its index modulo N.
std::vector<Task> tasksOf(const VerdictsOptions& o) {
    std::vector<Task> tasks;
    for (int32_t L = o.lengthMin; L < o.lengthMax; ++L) {
        const int64_t lines = linesOfLength(o, L);
        const size_t before = tasks.size();
        for (int64_t b = o.shardIndex; b * blockLines < lines; b += o.shardCount)
            tasks.push_back(Task{L, b * blockLines, std::min(blockLines, lines - b * blockLines)});
        if (tasks.size() > before) tasks.back().lastOfLength = true;
    }
    return tasks;
}

// The generator state after `draws` more draws: the affine step x -> a x + c
// composed with itself by squaring.
uint32_t advanceRandom(uint32_t state, uint64_t draws) {
    uint32_t a = 22695477u, c = 1u, mulAll = 1u, addAll = 0u;
    for (; draws != 0; draws >>= 1) {
        if (draws & 1) {
            mulAll *= a;
            addAll = addAll * a + c;
        }
        c = c * a + c;
        a *= a;
    }
    return state * mulAll + addAll;
}

class Worker {
  public:
    explicit Worker(const VerdictsOptions& o) : o_(o) {}

    BlockResult run(const Task& t, bool wantCases) {
        lines_.resize(static_cast<size_t>(t.count));
        ends_.resize(lines_.size());
        fillLines(t);
        if (!batch_ || length_ != t.length) {
            batch_.emplace(t.length, o_.rule, lanePathInUse());
            length_ = t.length;
        }
        batch_->run(lines_.data(), lines_.size(), ends_.data());
        BlockResult r;
        r.tally.length = t.length;
        r.tally.lines = t.count;
        for (size_t k = 0; k < lines_.size(); ++k) {
            const VerdictEnd& e = ends_[k];
            (e.verdict == Verdict::Ok    ? r.tally.ok
             : e.verdict == Verdict::Not ? r.tally.notOk
                                         : r.tally.timeout)++;
            r.tally.steps += e.verdict == Verdict::Timeout ? o_.rule.stepLimit : e.endStep;
            if (wantCases && e.verdict != Verdict::Ok) r.cases.push_back(caseOf(t.length, k, e));
        }
        return r;
    }

  private:
    void fillLines(const Task& t) {
        if (o_.all) {
            for (size_t k = 0; k < lines_.size(); ++k)
                lines_[k] = static_cast<CellBits>(t.first + static_cast<int64_t>(k));
        } else {
            drawTrialLines(trialSeedState(o_, t.length), t.length, o_.bCount, t.first,
                           lines_.size(), lines_.data());
        }
    }

    // Where the model and marks part, from the whole single-line verdict.
    VerdictCase caseOf(int32_t length, size_t k, const VerdictEnd& e) const {
        const LineVerdict v = lineVerdict(lines_[k], length, o_.rule);
        return VerdictCase{length, lines_[k], e.verdict, o_.rule, v.endStep, v.row, v.column};
    }

    const VerdictsOptions& o_;
    std::vector<CellBits> lines_;
    std::vector<VerdictEnd> ends_;
    std::optional<VerdictBatch> batch_;
    int32_t length_ = -1;
};

void addTally(LengthTally& to, const LengthTally& from) {
    to.length = from.length;
    to.lines += from.lines;
    to.ok += from.ok;
    to.notOk += from.notOk;
    to.timeout += from.timeout;
    to.steps += from.steps;
}

// Hands block results over in task order, one call at a time.
class OrderedEmitter {
  public:
    OrderedEmitter(const std::vector<Task>& tasks, const VerdictsSink& sink)
        : tasks_(tasks), sink_(sink), results_(tasks.size()) {}

    void put(size_t index, BlockResult r) {
        std::lock_guard lock(mutex_);
        ++finished_;
        results_[index] = std::move(r);
        while (next_ < tasks_.size() && results_[next_])
            emit(next_++);
    }

    bool allFinished() {
        std::lock_guard lock(mutex_);
        return finished_ == tasks_.size();
    }

    // After a stop: what finished beyond a gap, then the open lengths.
    void finish() {
        std::lock_guard lock(mutex_);
        for (; next_ < tasks_.size(); ++next_)
            if (results_[next_]) emit(next_);
        for (auto& [length, tally] : open_)
            if (sink_.length) sink_.length(tally);
        open_.clear();
    }

  private:
    void emit(size_t i) {
        BlockResult& r = *results_[i];
        if (sink_.onCase)
            for (const VerdictCase& c : r.cases)
                sink_.onCase(c);
        LengthTally& tally = open_[tasks_[i].length];
        addTally(tally, r.tally);
        done_ += r.tally.lines;
        results_[i].reset();
        if (sink_.progress) sink_.progress(done_);
        if (!tasks_[i].lastOfLength) return;
        if (sink_.length) sink_.length(tally);
        open_.erase(tasks_[i].length);
    }

    const std::vector<Task>& tasks_;
    const VerdictsSink& sink_;
    std::vector<std::optional<BlockResult>> results_;
    std::map<int32_t, LengthTally> open_;
    size_t next_ = 0, finished_ = 0;
    int64_t done_ = 0;
    std::mutex mutex_;
};

int threadCount(const VerdictsOptions& o) {
    if (o.threads > 0) return o.threads;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
}

} // namespace

int64_t verdictLineCount(const VerdictsOptions& o) {
    int64_t total = 0;
    for (const Task& t : tasksOf(o))
        total += t.count;
    return total;
}

uint32_t trialSeedState(const VerdictsOptions& o, int32_t length) {
    // Per length, so one length's lines do not depend on the range around it.
    static const int64_t runClock = wallClockNanos();
    return o.seed ? derivedSeed(*o.seed, static_cast<uint64_t>(length))
                  : clockSeed(runClock, length);
}

void drawTrialLines(uint32_t seedState, int32_t length, int32_t bCount, int64_t first, size_t count,
                    CellBits* out) {
    const int32_t draws = boundedPointCount(bCount);
    uint32_t state = advanceRandom(seedState, static_cast<uint64_t>(first) * draws);
    for (size_t k = 0; k < count; ++k) {
        CellBits line = 0;
        for (int32_t j = 0; j < draws; ++j) {
            const int32_t cell = drawPosition(state, length);
            if (cell >= 0) line |= CellBits{1} << cell;
        }
        out[k] = line;
    }
}

bool runVerdicts(const VerdictsOptions& o, const std::atomic<bool>* stop,
                 const VerdictsSink& sink) {
    const std::vector<Task> tasks = tasksOf(o);
    OrderedEmitter emitter(tasks, sink);
    std::atomic<size_t> next{0};
    auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };
    auto work = [&] {
        Worker worker(o);
        for (size_t k; !stopped() && (k = next.fetch_add(1)) < tasks.size();)
            emitter.put(k, worker.run(tasks[k], static_cast<bool>(sink.onCase)));
    };
    const size_t count = std::min(tasks.size(), static_cast<size_t>(threadCount(o)));
    std::vector<std::thread> pool;
    for (size_t t = 1; t < count; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& t : pool)
        t.join();
    const bool complete = emitter.allFinished();
    emitter.finish();
    return complete;
}

} // namespace rca
