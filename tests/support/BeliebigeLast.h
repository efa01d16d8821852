#pragma once
// The current position of a model as a slab-to-slab row of joint length laengeMm under an
// arbitrary load with the given points: what the arbitrary-load window's tests start from.

#include "model/Modell.h"

#include <vector>

namespace vsk::test {

inline void SetzeBeliebigeLast(TKModell& modell, double laengeMm,
                               const std::vector<TPunkt>& punkte) {
    TKAnwendung& a = modell.AktuelleAnwendung();
    a.cGeometrie.TFugenlaenge = laengeMm;
    a.cBelastungDesign.TBelastungsfall = Belastungsfall::Beliebig;
    a.cBelastungDesign.SetLastLaenge(laengeMm);
    a.cBelastungDesign.ClearPunkte();
    for (const TPunkt& p : punkte) {
        a.cBelastungDesign.AddPunkt(p.x, p.y);
    }
}

} // namespace vsk::test
