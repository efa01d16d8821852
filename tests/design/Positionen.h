#pragma once
// Positions built in code for the design tests.

#include "model/Objektmodell.h"

namespace vsk::test {

// A connector row between two slabs with a constant design line load q (kN/m) over the
// joint length L.
inline TKAnwendung Reihe(double h, double L, double q, std::uint8_t maxAbstand = 0) {
    TKAnwendung a;
    a.TAnwendungsfall = Anwendungsfall::ReihePlatte;
    a.TMaxDornabstand = maxAbstand;
    a.cGeometrie.TPlatteDicke = h;
    a.cGeometrie.TNutzhoehe = h - 40;
    a.cGeometrie.TFugenlaenge = L;
    a.cBelastungDesign.TBelastungsfall = Belastungsfall::Konstant;
    a.cBelastungDesign.cLinienLastLinks.SetFdDirekt(q);
    a.cBelastungDesign.cLinienLastRechts.SetFdDirekt(q);
    a.cBelastungDesign.SetLastLaenge(L);
    return a;
}

// A single connector with a design point load F (kN) between two member edges.
inline TKAnwendung Einzel(double h, double F, double randLinks = 500, double randRechts = 500) {
    TKAnwendung a;
    a.TAnwendungsfall = Anwendungsfall::Einzeldorn;
    a.cGeometrie.TPlatteDicke = h;
    a.cGeometrie.TNutzhoehe = h - 40;
    a.cGeometrie.TRandLinks = 1;
    a.cGeometrie.TRandRechts = 1;
    a.cGeometrie.TBauteilRandLinks = randLinks;
    a.cGeometrie.TBauteilRandRechts = randRechts;
    a.cBelastungDesign.TBelastungsfall = Belastungsfall::Punktlast;
    a.cBelastungDesign.cPunktlast.SetFdDirekt(F);
    return a;
}

// A row with an arbitrary load through the given points (x mm, q kN/m).
inline TKAnwendung Beliebig(double h, double L, std::initializer_list<TPunkt> punkte,
                            std::uint8_t maxAbstand = 1) {
    TKAnwendung a = Reihe(h, L, 0, maxAbstand);
    a.cBelastungDesign.TBelastungsfall = Belastungsfall::Beliebig;
    a.cBelastungDesign.ClearPunkte();
    for (const TPunkt& p : punkte) {
        a.cBelastungDesign.AddPunkt(p.x, p.y);
    }
    return a;
}

} // namespace vsk::test
