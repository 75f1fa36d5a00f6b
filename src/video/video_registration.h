#pragma once
// Parts of the video subsystem that registerVideo wires in, in menu order.
#include <string>

namespace rca {

class Bench;
class MenuItem;
class TForm12;

TForm12& registerPictureSize(Bench& wb);         // '(F) Show video' and its window
void registerVideoPanels(Bench& wb);             // 'Make video', 'Unmake video'
void registerFrameRecorder(Bench& wb, TForm12&); // 'Record video', Timer3, replay
void registerStripRecorder(Bench& wb);           // 'Record video (3) -', Timer8
void registerVideoPresets(Bench& wb);            // 'Read 70+ (1)', 'Read 70+ (2)'

// stepsPerPress := 1, with 1 in 'Edit2' and the spinner at 1.
void setStepsToOne(Bench& wb);

// A check item of another menu that this subsystem reads: the one already
// on the main window, or a new one that only flips its mark.
MenuItem& sharedMark(Bench& wb, const std::string& name, const std::string& caption,
                     const std::string& menu);

} // namespace rca
