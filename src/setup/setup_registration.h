#pragma once
// Parts of the set-up subsystem that registerSetup wires in.
namespace rca {

class Workbench;

void registerSquareGenerators(Workbench& wb); // legacy square-field generators
void registerSetupFields(Workbench& wb);      // NB=, hidden counts, pens, Edit5

} // namespace rca
