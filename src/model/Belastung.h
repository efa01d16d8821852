#pragma once
// Design loading of a position: load type, the single load, the two end values of a
// distributed load and the points of an arbitrary distributed load.

#include "model/Last.h"

#include <cstdint>
#include <vector>

namespace vsk {

// One point of the arbitrary load: x in mm from the start of the joint, y in kN/m.
struct TPunkt {
    double x = 0;
    double y = 0;
    friend bool operator==(const TPunkt&, const TPunkt&) = default;
};

// Load cases (TBelastungsfall), in the order of the load-case buttons.
namespace Belastungsfall {
inline constexpr std::uint8_t Punktlast = 0; // single load (the single connector only)
inline constexpr std::uint8_t Konstant = 1;  // uniform distributed load
inline constexpr std::uint8_t Linear = 2;    // linearly varying distributed load
inline constexpr std::uint8_t Beliebig = 3;  // arbitrary distribution given by points
inline constexpr std::uint8_t Anzahl = 4;
} // namespace Belastungsfall

// Shapes of the line load (TLinienLast): its start value against its end value.
namespace Linienlastform {
inline constexpr std::uint8_t Fallend = 0;  // start > end
inline constexpr std::uint8_t Gleich = 1;   // start = end
inline constexpr std::uint8_t Steigend = 2; // start < end
inline constexpr std::uint8_t Anzahl = 3;
} // namespace Linienlastform

class TKBelastung {
public:
    // Points (0, start TFd) and (2000, end TFd), TLinienLast classified.
    TKBelastung();
    // A copy inserts the source's points one by one, so a list that SetPunkt left out of
    // order comes back sorted and with its resultant recomputed.
    TKBelastung(const TKBelastung& quelle);
    TKBelastung& operator=(const TKBelastung& quelle);
    TKBelastung(TKBelastung&&) noexcept = default;
    TKBelastung& operator=(TKBelastung&&) noexcept = default;
    ~TKBelastung() = default;

    std::uint8_t TBelastungsfall = Belastungsfall::Konstant;
    double TGammaf = 0; // kept with the project only
    std::uint8_t TLinienLast = Linienlastform::Gleich;

    TKLast cPunktlast;
    TKLast cLinienLastLinks;
    TKLast cLinienLastRechts;

    // TLinienLast from the TFd of the start (a) and end (b) value.
    void ClassifyLinienLast();

    double TLastLaenge() const { return tLastLaenge_; }
    // TLastLaenge := L; every point beyond L moves to x = L; recomputes the resultant.
    void SetLastLaenge(double laenge);
    // Stores the length only (no clipping, resultant kept): for restoring a stored loading,
    // whose points are inserted afterwards and must not be clipped.
    void setTLastLaenge(double laenge) { tLastLaenge_ = laenge; }

    // Empties the points; the resultant keeps its value until the next insertion or clipping.
    void ClearPunkte();
    // Inserts in ascending x, after any points with the same x; recomputes the resultant.
    void AddPunkt(double x, double y);
    int PunktCount() const { return static_cast<int>(punkte_.size()); }
    // The i-th point; (0, 0) when i is outside the list.
    TPunkt GetPunkt(int i) const;
    // Overwrites point i in place (ignored when i is outside the list); no re-sorting and
    // no new resultant.
    void SetPunkt(int i, double x, double y);
    const std::vector<TPunkt>& Punkte() const { return punkte_; }

    // Trapezoid area under the points in kN (mm * kN/m / 1000).
    double Resultierende() const;

    // Equal in every stored value; the resultant counts, whether summed yet or not.
    friend bool operator==(const TKBelastung& a, const TKBelastung& b);

private:
    // Insertion in ascending x, after any points with the same x.
    void FuegeEin(double x, double y);
    // The resultant is summed when it is next read, so that a list built point by point
    // (a copy, a file being read) costs one sum instead of one per point. Operations that
    // keep the old resultant take it first.
    void ResultierendeVeraltet() { resultierendeVeraltet_ = true; }

    double tLastLaenge_ = 2000;
    std::vector<TPunkt> punkte_;
    mutable double resultierende_ = 0;
    mutable bool resultierendeVeraltet_ = false;
};

} // namespace vsk
