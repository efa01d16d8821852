#pragma once
// Scratch object of one connector arrangement: the two walks along the joint (row 0 from
// its start, row 1 from its end) and the mirrored load line for the second walk.

#include "design/Lastlinie.h"

#include <array>
#include <vector>

namespace vsk {

class Plattform;

// Where an arrangement reports a load point beyond the joint. A design run arranges the
// same loading for every type and thickness pass, so the points are shown once per run
// (one message per point), not once per arrangement.
struct Meldeweg {
    Plattform& plattform;
    bool gezeigt = false;
};

class TKTmpDornAufteilung {
public:
    void ReiheLeeren(int reihe);
    void ReiheAnfuegen(int reihe, double wert);
    const std::vector<double>& Reihe(int reihe) const;
    std::vector<double>& Reihe(int reihe);

    // The load line seen from the end of the joint of length laenge. A point beyond the
    // joint length gives a negative x, reported once per point unless the run has shown
    // them already; the walk goes on with it.
    void SetTmpLast(const Lastlinie& linie, double laenge, Meldeweg& meldeweg);
    const Lastlinie& GespiegelteLast() const { return gespiegelt_; }

    // Joins the rows into one spacing list (left edge, spacings, right edge) where they
    // leave the widest middle gap. When the rows do not describe the same number of
    // connectors, or no split leaves a gap, row 0 is returned unchanged.
    std::vector<double> Zusammenfuegen(double laenge) const;

private:
    std::array<std::vector<double>, 2> reihen_;
    Lastlinie gespiegelt_;
};

} // namespace vsk
