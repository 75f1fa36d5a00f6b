#include "headless/verdicts_runner.h"

#include "engine/headless_batch.h"
#include "engine/on_threads.h"
#include "engine/random.h"
#include "engine/random_line.h"
#include "headless/done_time_tables.h"
#include "theory/first_difference.h"
#include "theory/ring_rotation.h"
#include "theory/verdict_lanes.h"

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
    // Judged with the next task, whose lines are this block's mirrors.
    bool mirrorFirst = false, mirrorSecond = false;
    // The block's least turns stand for their classes: every line of those
    // classes is judged with it, and the block's other lines with theirs.
    bool classes = false;
};

struct BlockResult {
    LengthTally tally;
    std::vector<VerdictCase> cases;
};

int64_t linesOfLength(const VerdictsOptions& o, int32_t length) {
    return o.all ? int64_t{1} << length : o.trials;
}

// This shard's blocks, lengths in order, numbered from 0 without listing
// them: a run of 2^62 lines has more blocks than memory holds.
class TaskList {
  public:
    // `outOfOrder`: with --all and one shard, the lines need not be judged
    // in line order, since the counts do not depend on it. On the Circle a
    // block then judges the classes of turned lines its least turns stand
    // for; otherwise the blocks go in mirror pairs (block b, then the block
    // of its lines' mirrors), which one worker judges together.
    explicit TaskList(const VerdictsOptions& o, bool outOfOrder = false)
        : o_(o), mirrored_(outOfOrder && o.all && o.shardCount == 1),
          classes_(mirrored_ && o.rule.borderMode != 0) {
        int64_t total = 0;
        for (int32_t L = o.lengthMin; L < o.lengthMax; ++L) {
            firsts_.push_back(total);
            total += shardBlocks(L);
        }
        size_ = total;
    }

    int64_t size() const { return size_; }

    // Lines in all blocks.
    int64_t lines() const {
        int64_t total = 0;
        for (int32_t L = o_.lengthMin; L < o_.lengthMax; ++L)
            total += shardLines(L);
        return total;
    }

    // Lines in the blocks of one length; only its last block may be short.
    int64_t shardLines(int32_t L) const {
        const int64_t lines = linesOfLength(o_, L), blocks = shardBlocks(L);
        int64_t total = blocks * blockLines;
        const int64_t last = (lines + blockLines - 1) / blockLines - 1;
        if (blocks > 0 && last % o_.shardCount == o_.shardIndex)
            total -= (last + 1) * blockLines - lines;
        return total;
    }

    // The k-th block: shard block j of its length is block I + j N.
    Task at(int64_t k) const {
        const auto after = std::upper_bound(firsts_.begin(), firsts_.end(), k);
        const auto index = static_cast<int32_t>(after - firsts_.begin()) - 1;
        const int32_t L = o_.lengthMin + index;
        const int64_t j = k - firsts_[static_cast<size_t>(index)];
        const int64_t blocks = shardBlocks(L);
        const int64_t lines = linesOfLength(o_, L);
        // An even number of whole blocks (L >= 13): block b pairs with
        // block blocks-1-b, which holds the mirrors of its lines.
        const bool pairs = mirrored_ && !classes_ && lines % (2 * blockLines) == 0;
        const int64_t b = !pairs       ? o_.shardIndex + j * o_.shardCount
                          : j % 2 == 0 ? j / 2
                                       : blocks - 1 - j / 2;
        const int64_t first = b * blockLines;
        Task t{L, first, std::min(blockLines, lines - first), j + 1 == blocks};
        t.mirrorFirst = pairs && j % 2 == 0;
        t.mirrorSecond = pairs && j % 2 == 1;
        t.classes = classes_;
        return t;
    }

  private:
    int64_t shardBlocks(int32_t L) const {
        const int64_t blocks = (linesOfLength(o_, L) + blockLines - 1) / blockLines;
        return blocks > o_.shardIndex ? (blocks - o_.shardIndex - 1) / o_.shardCount + 1 : 0;
    }

    const VerdictsOptions& o_;
    bool mirrored_, classes_;
    std::vector<int64_t> firsts_;
    int64_t size_ = 0;
};

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

void countAt(std::vector<int64_t>& counts, size_t k) {
    if (counts.size() <= k) counts.resize(k + 1);
    ++counts[k];
}

int bCount(CellBits line) {
    return __builtin_popcountll(static_cast<uint64_t>(line)) +
           __builtin_popcountll(static_cast<uint64_t>(line >> 64));
}

class Worker {
  public:
    // `tables`: done times to look up, when the lines go in line order on the Circle.
    Worker(const VerdictsOptions& o, DoneTimeTables* tables) : o_(o), tables_(tables) {}

    BlockResult run(const Task& t, bool wantCases) {
        if (t.classes) {
            least_.clear();
            appendLeastTurns(static_cast<uint64_t>(t.first),
                             static_cast<uint64_t>(t.first + t.count), t.length, least_);
            batchFor(t.length).runClasses(least_.data(), least_.size(), lines_, ends_);
            return resultOf(t, false);
        }
        fillLines(t, lines_);
        ends_.resize(lines_.size());
        if (tables_ && DoneTimeTable::fits(t.length) && t.length != tableLength_)
            table_ = tables_->of(tableLength_ = t.length);
        if (table_ && tableLength_ == t.length) {
            batchFor(t.length).run(lines_.data(), lines_.size(), ends_.data(), *table_);
            return resultOf(t, wantCases);
        }
        batchFor(t.length).run(lines_.data(), lines_.size(), ends_.data());
        return resultOf(t, wantCases);
    }

    // Block `t` and block `mirror`, whose lines are t's mirrors in reverse
    // order, from the same done times.
    std::pair<BlockResult, BlockResult> runMirrored(const Task& t, const Task& mirror) {
        fillLines(t, lines_);
        ends_.resize(lines_.size());
        mirrorEnds_.resize(lines_.size());
        batchFor(t.length).run(lines_.data(), lines_.size(), ends_.data(), mirrorEnds_.data());
        BlockResult first = resultOf(t, false);
        fillLines(mirror, lines_);
        std::reverse_copy(mirrorEnds_.begin(), mirrorEnds_.end(), ends_.begin());
        return {std::move(first), resultOf(mirror, false)};
    }

  private:
    VerdictBatch& batchFor(int32_t length) {
        if (!batch_ || length_ != length) {
            batch_.emplace(length, o_.rule, lanePathInUse());
            fast_.emplace(length, o_.rule.borderMode != 0, o_.rule.mask);
            length_ = length;
        }
        return *batch_;
    }

    BlockResult resultOf(const Task& t, bool wantCases) const {
        BlockResult r;
        r.tally.length = t.length;
        r.tally.lines = static_cast<int64_t>(lines_.size());
        r.tally.okByB.assign(static_cast<size_t>(t.length) + 1, 0);
        if (wantCases) r.cases.reserve(lines_.size());
        for (size_t k = 0; k < lines_.size(); ++k)
            judged(k, t.length, wantCases, r);
        return r;
    }

    // Line k counted where its verdict says, and kept as a case when asked.
    void judged(size_t k, int32_t length, bool wantCases, BlockResult& r) const {
        const VerdictEnd& e = ends_[k];
        LengthTally& tally = r.tally;
        MarkDifference at;
        if (e.verdict == Verdict::Ok) {
            ++tally.ok;
            ++tally.okByB[static_cast<size_t>(bCount(lines_[k]))];
        } else if (e.verdict == Verdict::Not) {
            ++tally.notOk;
            at = firstDifference(lines_[k], length, *fast_, o_.rule.stepLimit,
                                 wantCases && (o_.casesOf & casesBit(Verdict::Not)));
            if (at.row >= 0) countAt(tally.notByRow, static_cast<size_t>(at.row));
        } else {
            ++tally.timeout;
        }
        if (e.verdict != Verdict::Timeout)
            countAt(tally.endStepsLog2, static_cast<size_t>(endStepBucket(e.endStep)));
        tally.steps += e.verdict == Verdict::Timeout ? o_.rule.stepLimit : e.endStep;
        if (wantCases && (o_.casesOf & casesBit(e.verdict)))
            r.cases.push_back(
                VerdictCase{length, lines_[k], e.verdict, o_.rule, e.endStep, at.row, at.column});
    }

    void fillLines(const Task& t, std::vector<CellBits>& lines) const {
        lines.resize(static_cast<size_t>(t.count));
        if (o_.all) {
            for (size_t k = 0; k < lines.size(); ++k)
                lines[k] = static_cast<CellBits>(t.first + static_cast<int64_t>(k));
        } else {
            drawTrialLines(trialSeedState(o_, t.length), t.length, o_.bCount, t.first, lines.size(),
                           lines.data());
        }
    }

    const VerdictsOptions& o_;
    std::vector<CellBits> lines_, least_;
    std::vector<VerdictEnd> ends_, mirrorEnds_;
    std::optional<VerdictBatch> batch_;
    std::optional<FastRule> fast_;
    int32_t length_ = -1;
    DoneTimeTables* tables_;
    std::shared_ptr<const DoneTimeTable> table_;
    int32_t tableLength_ = -1;
};

void addCounts(std::vector<int64_t>& to, const std::vector<int64_t>& from) {
    if (to.size() < from.size()) to.resize(from.size());
    for (size_t k = 0; k < from.size(); ++k)
        to[k] += from[k];
}

void addTally(LengthTally& to, const LengthTally& from) {
    to.length = from.length;
    to.lines += from.lines;
    to.ok += from.ok;
    to.notOk += from.notOk;
    to.timeout += from.timeout;
    to.steps += from.steps;
    addCounts(to.notByRow, from.notByRow);
    addCounts(to.okByB, from.okByB);
    addCounts(to.endStepsLog2, from.endStepsLog2);
}

// Hands block results over in task order, one call at a time.
class OrderedEmitter {
  public:
    OrderedEmitter(const TaskList& tasks, const VerdictsSink& sink) : tasks_(tasks), sink_(sink) {}

    void put(int64_t index, BlockResult r) {
        std::lock_guard lock(mutex_);
        ++finished_;
        pending_.emplace(index, std::move(r));
        while (!pending_.empty() && pending_.begin()->first == next_) {
            emit(next_++, pending_.begin()->second);
            pending_.erase(pending_.begin());
        }
    }

    bool allFinished() {
        std::lock_guard lock(mutex_);
        return finished_ == tasks_.size();
    }

    // After a stop: what finished beyond a gap, then the open lengths.
    void finish() {
        std::lock_guard lock(mutex_);
        for (auto& [index, r] : pending_)
            emit(index, r);
        pending_.clear();
        for (auto& [length, tally] : open_)
            deliver(tally);
        open_.clear();
    }

  private:
    void emit(int64_t index, const BlockResult& r) {
        if (sink_.onCase)
            for (const VerdictCase& c : r.cases)
                sink_.onCase(c);
        const Task t = tasks_.at(index);
        LengthTally& tally = open_[t.length];
        addTally(tally, r.tally);
        done_ += r.tally.lines;
        if (sink_.progress) sink_.progress(done_);
        if (!t.lastOfLength) return;
        deliver(tally);
        open_.erase(t.length);
    }

    // After a stop, blocks beyond a gap still reach their length's last one.
    void deliver(LengthTally& tally) {
        tally.complete = tally.lines == tasks_.shardLines(tally.length);
        if (sink_.length) sink_.length(tally);
    }

    const TaskList& tasks_;
    const VerdictsSink& sink_;
    std::map<int64_t, BlockResult> pending_;
    std::map<int32_t, LengthTally> open_;
    int64_t next_ = 0, finished_ = 0, done_ = 0;
    std::mutex mutex_;
};

int threadCount(const VerdictsOptions& o) {
    if (o.threads > 0) return o.threads;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
}

} // namespace

int endStepBucket(int32_t endStep) {
    return endStep > 1 ? 31 - __builtin_clz(static_cast<uint32_t>(endStep)) : 0;
}

int64_t verdictLineCount(const VerdictsOptions& o) {
    return TaskList(o).lines();
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
    // Cases go in line order, which mirror pairs would break.
    const TaskList tasks(o, !sink.onCase);
    // In line order on the Circle, the done times of a length are stepped
    // once a class of turned lines before its lines are judged.
    std::optional<DoneTimeTables> tables;
    if (sink.onCase && o.all && o.shardCount == 1 && o.rule.borderMode != 0)
        tables.emplace(o.rule, lanePathInUse(), threadCount(o));
    OrderedEmitter emitter(tasks, sink);
    std::atomic<int64_t> next{0};
    auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };
    auto work = [&] {
        Worker worker(o, tables ? &*tables : nullptr);
        for (int64_t k; !stopped() && (k = next.fetch_add(1)) < tasks.size();) {
            const Task t = tasks.at(k);
            if (t.mirrorSecond) continue; // judged with the task before it
            if (!t.mirrorFirst) {
                emitter.put(k, worker.run(t, static_cast<bool>(sink.onCase)));
                continue;
            }
            auto [first, second] = worker.runMirrored(t, tasks.at(k + 1));
            emitter.put(k, std::move(first));
            emitter.put(k + 1, std::move(second));
        }
    };
    onThreads(static_cast<long>(std::min<int64_t>(tasks.size(), threadCount(o))), work);
    const bool complete = emitter.allFinished();
    emitter.finish();
    return complete;
}

} // namespace rca
