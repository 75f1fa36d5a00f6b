#pragma once
// Pieces of the trial set-up 'Random' that other set-ups ('R', 'XXX', 'G',
// 'Gd') reuse.
namespace rca {

class Workbench;

// 'Random' steps 2 to 8; the erased rectangle runs from x = eraseLeft to 704
// (500 while 'Timer10' is checked), y = 0 to 704.
void trialResetSteps2to8(Workbench& wb, int eraseLeft);

// 'Random' steps 10 to 15 and 17 from the current point lists: place the
// cells, derive startLineI and lineII, reset the working tables, draw row 0,
// show stepTime, write square file 5, run the theory reset.
void finishTrialSetup(Workbench& wb);

} // namespace rca
