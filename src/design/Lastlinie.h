#pragma once
// A load line along the joint: points (x in mm, q in kN/m) in ascending x joined by
// straight segments, and the walk that places connectors at the centroids of equal
// shares of its force.

#include <cstddef>
#include <vector>

namespace vsk {

struct LastPunkt {
    double x = 0;
    double q = 0;
};

using Lastlinie = std::vector<LastPunkt>;

// The point on the segment P1-P2 where the force from P1 reaches F (kN). When the
// segment holds less than F the point lies beyond it (x2 + 1).
LastPunkt Schnittpunkt(LastPunkt p1, LastPunkt p2, double F);

// Force (kN) under the segment.
double Flaeche(LastPunkt p1, LastPunkt p2);

// Centroid of the trapezoid under P1-P2 together with an earlier force c (kN) at a.
double Schwerpunkt(LastPunkt p1, LastPunkt p2, double a, double c);

// Whether a connector distance d is allowed under the spacing limit (0 = unlimited).
bool AbstandZulaessig(double grenze, double d);

// One walk along a load line, one connector at a time, with the share F per connector.
// It appends to reihe: the distance of the first connector from the start (x = 0), the
// spacings, the distance of the last connector from the line's end. ok starts as given and
// is cleared when a checked distance (every one but the end distance) breaks the limit.
class TKLauf {
public:
    TKLauf(const Lastlinie& linie, double F, double grenze, bool ok, std::vector<double>& reihe);

    // Places the next connector; false once the walk has ended.
    bool Weiter();
    bool Ok() const { return ok_; }

private:
    void Setze(double c);

    const Lastlinie& linie_;
    double F_;
    double grenze_;
    bool ok_;
    std::vector<double>& reihe_;
    std::size_t k_ = 1;      // segment linie_[k_ - 1] .. linie_[k_]
    bool imSegment_ = false; // S_, E_, C_ hold the current segment
    bool stockt_ = false;    // no further cut in this segment
    bool fertig_ = false;
    LastPunkt S_, E_, C_;
    double acc_ = 0;  // force collected since the last connector
    double g_ = 0;    // its centroid
    double prev_ = 0; // previous connector; the walk starts at 0
    std::size_t gesetzt_ = 0;
};

// Walks the load line with the share F per connector and appends to reihe: the distance
// of the first connector from the start (x = 0), the spacings, the distance of the last
// connector from the line's end. ok is carried in and cleared when a checked distance
// breaks the limit. With abbrechen the walk stops as soon as ok is false (the caller only
// needs the verdict then).
bool Ablaufen(const Lastlinie& linie, double F, double grenze, bool ok, bool abbrechen,
              std::vector<double>& reihe);

// Whether both walks (from the start on linie0, from the end on linie1) keep every
// checked distance below the limit. The walks run side by side and stop at the first
// distance that breaks it, so the verdict costs no more than the shorter way to it.
bool BeideZulaessig(const Lastlinie& linie0, const Lastlinie& linie1, double F, double grenze,
                    std::vector<double>& reihe0, std::vector<double>& reihe1);

// True when the load line has an unloaded stretch of at least the limit: at the start
// (from x = 0), inside, or at the end (up to x = laenge). Such a line counts as one that
// no number of connectors can satisfy, and the count stops growing at once.
bool GrenzeUnerreichbar(const Lastlinie& linie, double laenge, double grenze);

} // namespace vsk
