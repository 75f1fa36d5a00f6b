#pragma once
// Parts of the set-up subsystem that registerSetup wires in.
namespace rca {

class Bench;

void registerSquareGenerators(Bench& wb); // legacy square-field generators
void registerSetupFields(Bench& wb);      // NB=, hidden counts, pens, Edit5

} // namespace rca
