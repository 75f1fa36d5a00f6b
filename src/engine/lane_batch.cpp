#include "engine/lane_batch.h"

#include "engine/batch_trials.h"
#include "engine/fast_step.h"
#include "engine/lane_formats.h"
#include "engine/trial_outcome.h"
#include "state/saturating.h"

#include <algorithm>
#include <deque>
#include <optional>

namespace rca {

namespace {

// What the trial check reads of a trial that is over.
struct TrialRecord {
    int32_t length = 0, stepTime = 0;
    uint8_t done[2] = {0, 0};
    int32_t doneTime[2] = {0, 0};
    int32_t drift[2] = {0, 0}; // cellDriftI[0], cellDriftII[0]
    Line startLineI{}, endLine[2]{};
};

// The set-ups in trial order, with the reseeds at the trial counts at which
// the trial check makes them: they depend on the count alone.
class TrialSource {
  public:
    explicit TrialSource(const HeadlessBatchConfig& c)
        : model_(batchModel(c)), reseed_(batchReseed(c)),
          total_(int64_t{std::max(c.trials, 0)} + 1) {}

    bool more() const { return drawn_ < total_; }
    // Sets up the next trial in model().
    void next() {
        Model& m = *model_;
        setUpTrial(m);
        ++drawn_;
        m.trialCount = static_cast<int32_t>(static_cast<uint32_t>(m.trialCount) + 1);
        if (m.trialCount % 128 == 0) m.randomState = reseed_(m.trialCount);
    }
    Model& model() { return *model_; }

  private:
    std::unique_ptr<Model> model_;
    std::function<uint32_t(int32_t)> reseed_;
    int64_t total_, drawn_ = 0;
};

// The trial checks, made in trial order whatever order the trials end in.
class TrialFold {
  public:
    TrialFold(const HeadlessBatchConfig& c, const HeadlessBatchControl& control)
        : model_(batchModel(c)), control_(control) {}

    // A place for the next trial's record, filled by put().
    int64_t reserve() {
        pending_.emplace_back();
        return next_ + static_cast<int64_t>(pending_.size()) - 1;
    }
    void put(int64_t trial, TrialRecord r) {
        pending_[static_cast<size_t>(trial - next_)] = std::move(r);
        // A stop request ends the batch between two checks, as between two trials.
        while (!result_.complete && !stopped() && !pending_.empty() && pending_.front()) {
            check(*pending_.front());
            pending_.pop_front();
            ++next_;
        }
    }
    bool complete() const { return result_.complete; }
    bool stopped() const { return control_.stop && control_.stop->load(std::memory_order_relaxed); }
    HeadlessBatchResult result() const {
        HeadlessBatchResult r = result_;
        r.failCount1 = model_->failCount1;
        r.failCount2 = model_->failCount2;
        r.failCount3 = model_->failCount3;
        return r;
    }

  private:
    void check(const TrialRecord& r) {
        Model& m = *model_;
        m.lineLength = r.length;
        m.stepTime = r.stepTime;
        m.lineIDone = r.done[0];
        m.lineIIDone = r.done[1];
        m.doneTimeI = r.doneTime[0];
        m.doneTimeII = r.doneTime[1];
        m.cellDriftI[0] = r.drift[0];
        m.cellDriftII[0] = r.drift[1];
        m.startLineI = r.startLineI;
        m.endLineI = r.endLine[0];
        m.endLineII = r.endLine[1];
        result_.steps += r.stepTime;
        const BatchStats before = m;
        // The source has made the reseeds already.
        const BatchCheck outcome = batchTrialCheck(m, {});
        addCheckTo(result_.stats, before, m);
        if (control_.progress) control_.progress(m.trialCount);
        result_.complete = outcome == BatchCheck::BatchComplete;
    }

    std::unique_ptr<Model> model_;
    const HeadlessBatchControl& control_;
    HeadlessBatchResult result_;
    std::deque<std::optional<TrialRecord>> pending_;
    int64_t next_ = 0;
};

// A trial run to its end on the scalar path, in the model it was set up in.
TrialRecord runScalarTrial(Model& m) {
    while (!batchTrialOver(m)) {
        const int64_t toLimit = int64_t{m.stepLimit} + 1 - m.stepTime;
        runFastSteps(m, static_cast<int>(std::clamp<int64_t>(toLimit, 1, maxPlaneCount)));
    }
    TrialRecord r;
    r.length = m.lineLength;
    r.stepTime = m.stepTime;
    r.done[0] = m.lineIDone;
    r.done[1] = m.lineIIDone;
    r.doneTime[0] = m.doneTimeI;
    r.doneTime[1] = m.doneTimeII;
    r.drift[0] = m.cellDriftI[0];
    r.drift[1] = m.cellDriftII[0];
    r.startLineI = m.startLineI;
    r.endLine[0] = m.endLineI;
    r.endLine[1] = m.endLineII;
    return r;
}

// A trial in a pair of lanes: line I in lane 2s, line II in lane 2s + 1.
struct Slot {
    bool busy = false;
    int64_t trial = 0, start = 0; // its place in trial order; the step it began at
    TrialRecord record;
};

template <class Format> class LaneRunner {
  public:
    LaneRunner(LanePath path, const HeadlessBatchConfig& c, const HeadlessBatchControl& control)
        : format_(path), lanes_(path == LanePath::Avx512 ? laneCountAvx512() : laneCountAvx2()),
          slotCount_(laneBlockVectors * lanes_ / 2), circle_(c.borderMode != 0), mask_(c.mask),
          limit_(std::max<int64_t>(int64_t{c.stepLimit} + 1, 1)), source_(c), fold_(c, control) {
        const FastRule any(1, circle_, mask_);
        std::array<int, 2 * maxDistance> shifts{};
        rule_.shiftCount = any.wideShifts(shifts);
        std::copy_n(shifts.begin(), rule_.shiftCount, rule_.shifts);
    }

    HeadlessBatchResult run() {
        while (!stopped() && !fold_.complete()) {
            fill();
            if (stopped() || fold_.complete() || !compact()) break;
            const int vectorCount = vectors();
            const int64_t steps =
                format_.run(block_, rule_, longest_, vectorCount, stepsToNextLimit());
            now_ += steps;
            for (int s = 0; s < slotCount_; ++s)
                if (slots_[s].busy) settle(s);
        }
        return fold_.result();
    }

  private:
    bool stopped() const { return fold_.stopped(); }

    // Every free slot takes the next trial; one whose lines do not fit in
    // lanes (or hold a foreign value) runs on the scalar path at once.
    void fill() {
        for (int s = 0; s < slotCount_ && !fold_.complete(); ++s) {
            while (!slots_[s].busy && source_.more() && !stopped() && !fold_.complete()) {
                source_.next();
                Model& m = source_.model();
                const int64_t trial = fold_.reserve();
                LinePlanes one, two;
                if (!lanesHold(m, one, two)) {
                    fold_.put(trial, runScalarTrial(m));
                    continue;
                }
                Slot& slot = slots_[s];
                slot.busy = true;
                slot.trial = trial;
                slot.start = now_;
                slot.record = TrialRecord{};
                slot.record.length = m.lineLength;
                slot.record.startLineI = m.startLineI;
                Format::load(block_, 2 * s, one, m.lineLength);
                Format::load(block_, 2 * s + 1, two, m.lineLength);
            }
        }
    }

    // Packs both lines when they fit in the format's lanes with their margins.
    bool lanesHold(const Model& m, LinePlanes& one, LinePlanes& two) const {
        return m.lineLength > 0 && Format::holds(m.lineLength) &&
               packLine(m.lineI, m.lineLength, one) && packLine(m.lineII, m.lineLength, two);
    }

    // Once the trials left fit in the first register, moves them there so
    // the tail of the batch steps one register instead of two. False when
    // no trial is left.
    bool compact() {
        const int perVector = lanes_ / 2;
        const int busy = static_cast<int>(
            std::count_if(slots_, slots_ + slotCount_, [](const Slot& s) { return s.busy; }));
        if (busy == 0) return false;
        if (busy > perVector) return true;
        for (int from = perVector, to = 0; from < slotCount_; ++from) {
            if (!slots_[from].busy) continue;
            while (slots_[to].busy)
                ++to;
            slots_[to] = std::move(slots_[from]);
            slots_[from].busy = false;
            Format::move(block_, 2 * from, 2 * to);
            Format::move(block_, 2 * from + 1, 2 * to + 1);
        }
        return true;
    }

    int vectors() {
        const int perVector = lanes_ / 2;
        const bool second = std::any_of(slots_ + perVector, slots_ + slotCount_,
                                        [](const Slot& s) { return s.busy; });
        int shortest = maxLineCells;
        longest_ = 0;
        for (int s = 0; s < slotCount_; ++s)
            if (slots_[s].busy) {
                shortest = std::min(shortest, slots_[s].record.length);
                longest_ = std::max(longest_, slots_[s].record.length);
            }
        rule_.wrap = !circle_                 ? LaneWrap::Frozen
                     : shortest > maxDistance ? LaneWrap::Circle
                                              : LaneWrap::ShortCircle;
        return second ? 2 : 1;
    }

    int64_t stepsToNextLimit() const {
        int64_t steps = limit_;
        for (int s = 0; s < slotCount_; ++s)
            if (slots_[s].busy) steps = std::min(steps, slots_[s].start + limit_ - now_);
        return steps;
    }

    // Marks the lines that have just lost their last C, and ends the trial
    // once both are done or it reaches the step limit.
    void settle(int s) {
        Slot& slot = slots_[s];
        TrialRecord& r = slot.record;
        const int64_t t = now_ - slot.start;
        for (int line = 0; line < 2; ++line) {
            const int lane = 2 * s + line;
            // A line is done at the first step after stepTime 1 that leaves it without C.
            if (block_.watch[lane] == 0 || Format::hasC(block_, lane) || t <= 1) continue;
            block_.watch[lane] = 0;
            r.done[line] = 1;
            r.doneTime[line] = static_cast<int32_t>(t);
            r.drift[line] = drift(lane, t);
            unpackLine(Format::ends(block_, lane), r.length, r.endLine[line]);
        }
        const bool finished = r.done[0] != 0 && r.done[1] != 0;
        if (!finished && t < limit_) return;
        r.stepTime = static_cast<int32_t>(t);
        for (int line = 0; line < 2; ++line)
            if (r.done[line] == 0) r.drift[line] = drift(2 * s + line, t);
        slot.busy = false;
        Format::clear(block_, 2 * s);
        Format::clear(block_, 2 * s + 1);
        fold_.put(slot.trial, std::move(r));
    }

    // Cell 0's drift after `steps` accumulated steps: +2 for each A, -1 otherwise.
    int32_t drift(int lane, int64_t steps) const {
        const auto a = static_cast<int64_t>(block_.aAtZero[lane]);
        return clampToInt(3 * a - steps); // stops at the ends of int, as the scalar path
    }

    Format format_;
    int lanes_, slotCount_;
    bool circle_;
    NeighbourMask mask_;
    int64_t limit_; // the stepTime at which a trial times out
    TrialSource source_;
    TrialFold fold_;
    LaneRule rule_;
    typename Format::Block block_{};
    Slot slots_[maxBlockLanes / 2];
    int64_t now_ = 0;
    int longest_ = 0; // the longest line in a busy lane
};

// The longest line the batch can draw (lengths run from min to max - 1).
int64_t longestLength(const HeadlessBatchConfig& c) {
    return std::min<int64_t>(std::max<int64_t>(c.lengthMin, int64_t{c.lengthMax} - 1),
                             maxLineCells);
}

} // namespace

HeadlessBatchResult runLaneBatch(LanePath path, const HeadlessBatchConfig& config,
                                 const HeadlessBatchControl& control) {
    // A batch that may draw a line too long for 64-bit lanes runs all its
    // trials in 128-bit lanes: one kind of block keeps every lane busy.
    if (ShortLaneFormat::holds(static_cast<int>(longestLength(config))))
        return LaneRunner<ShortLaneFormat>(path, config, control).run();
    return LaneRunner<LongLaneFormat>(path, config, control).run();
}

} // namespace rca
