#pragma once
// Each subsystem wires its commands, control handlers and model values into
// the workbench. Called once, in this order, by the workbench's constructor.
namespace rca {

class Workbench;

void registerEngine(Workbench& wb);     // length, steps, mask, border, the batch of steps
void registerRunControl(Workbench& wb); // GO/Stop, backward batches, Reverse, batch runner
void registerPicture(Workbench& wb);    // space-time picture and VIEW boxes
void registerTheory(Workbench& wb);     // particle-model check
void registerResults(Workbench& wb);    // trial check, evaluation, batch statistics, G/Gd
void registerSetup(Workbench& wb);      // trial set-ups and generators
void registerMouse(Workbench& wb);      // mouse editing
void registerFiles(Workbench& wb);      // square files and presets
void registerStartup(Workbench& wb);    // FormShow and the main-window number fields
void registerOwnMarks(Workbench& wb);   // check-mark-only items, the usage note, Prediction

} // namespace rca
