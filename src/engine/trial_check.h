#pragma once
// The check the batch of steps makes after every step: is the trial over?
namespace rca {

class Workbench;

// Sets wb.trialCheck: the interactive check ('Timer10' unchecked) ends a
// trial with both lines done after stepTime 2 and evaluates it; the batch
// mode accounts the trial and hands over to Timer10.
void installTrialCheck(Workbench& wb);

} // namespace rca
