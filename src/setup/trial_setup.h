#pragma once
// Pieces of the trial set-up 'Random' that other set-ups ('R', 'XXX', 'G',
// 'Gd') reuse.
namespace rca {

class Bench;

// 'Random' steps 2 to 8; the erased rectangle runs from x = eraseLeft to 704
// (500 while 'Timer10' is checked), y = 0 to 704.
void trialResetSteps2to8(Bench& wb, int eraseLeft);

// 'Random' steps 10 to 15 and 17 from the current point lists: place the
// cells, derive startLineI and lineII, reset the working tables, draw row 0,
// show stepTime, write square file 5, run the theory reset.
void finishTrialSetup(Bench& wb);

// Steps 10 to 15 alone ('Random' sets Label57 before the theory reset).
void finishTrialLines(Bench& wb);

// Steps 14 and 15: draw the row, show stepTime, write square file 5.
void showAndSaveSetUp(Bench& wb);

// With 'MAIN' on '3 x': one step per press in single-step mode.
void applyThreeXMode(Bench& wb);

// The controls part of 'Random' steps 3 to 7: 'V nacalo' and 'Est obr'
// unchecked, pictureLeft 0, '3 x' mode, the 'Manage' colour, and the picture
// erased from x = left to right, y = 0 to 704.
void resetSetUpControls(Bench& wb, int left, int right);

// The square field's frame at the current extents (the menu 'Clear' and the
// square-field generators).
void drawFieldFrame(Bench& wb);

} // namespace rca
