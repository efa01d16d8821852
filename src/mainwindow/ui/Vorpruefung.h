#pragma once
// What Calculation and Preview check before they design the current position.

namespace vsk {

class Programm;
class TfrmHauptMaske;

// Leaves the field being edited (its check runs); after a failed field check nothing more.
// Then the plausibility check of the current position: failed tests fill the hints box.
// True when the design may run (the hints box is then empty).
bool VorBemessungPruefen(TfrmHauptMaske& fenster, Programm& programm);

} // namespace vsk
