#pragma once
// A load line along the joint: points (x in mm, q in kN/m) in ascending x joined by
// straight segments, and the walk that places connectors at the centroids of equal
// shares of its force.

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

// Walks the load line with the share F per connector and appends to reihe: the distance
// of the first connector from the start (x = 0), the spacings, the distance of the last
// connector from the line's end. ok is carried in and cleared when a checked distance
// breaks the limit. With abbrechen the walk stops as soon as ok is false (the caller only
// needs the verdict then).
bool Ablaufen(const Lastlinie& linie, double F, double grenze, bool ok, bool abbrechen,
              std::vector<double>& reihe);

// True when no number of connectors can keep every checked distance below the limit:
// an unloaded stretch of at least the limit at the start (from x = 0) or at the end (up
// to x = laenge), or one of at least twice the limit inside (a connector may sit at the
// centroid of a share that spans the stretch, so shorter inner stretches can still pass).
bool GrenzeUnerreichbar(const Lastlinie& linie, double laenge, double grenze);

} // namespace vsk
