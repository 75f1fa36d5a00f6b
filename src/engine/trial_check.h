#pragma once
// The check the batch of steps makes after every step: is the trial over?
#include <functional>

namespace rca {

class Bench;

// Whether the trial has ended. The interactive check ('Timer10' unchecked)
// ends a trial with both lines done after stepTime 2 and evaluates it; the
// batch mode accounts the trial and hands over to Timer10.
bool trialEnded(Bench& wb);

// The check the batch of steps asks, kept with the engine so a test can run
// steps with no check at all (an empty function).
struct TrialCheck {
    std::function<bool(Bench&)> ended = trialEnded;
    // A driver that owns the trial under way (the T=6 sweep) lets go of it
    // here when the user stops the run or sets up a trial of their own.
    std::function<void(Bench&)> abandoned;
};

// 'Stop' and every trial set-up: the trial under way is no driver's any more.
void abandonTrial(Bench& wb);

// The status bar shows the step counter.
void showStepTime(Bench& wb);

// A driver's trial cap ends the run after a step the batch had no chance to
// show: the run stops and the status bar shows that step's counter.
void stopRunAtCap(Bench& wb);

} // namespace rca
