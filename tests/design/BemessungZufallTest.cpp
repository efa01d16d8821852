// Designs of random, valid positions keep the invariants every reader of the results
// relies on.

#include "design/Bemessung.h"

#include "Positionen.h"
#include "support/PlattformDouble.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>

namespace vsk {
namespace {

TEST(BemessungZufall, ResultsAreCompleteAndConsistent) {
    std::mt19937 zufall(20261209);
    const auto U = [&](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(zufall);
    };
    const auto I = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(zufall); };
    test::PlattformDouble plattform;
    for (int k = 0; k < 60; ++k) {
        const double h = U(160, 700);
        const double L = U(300, 30000);
        TKAnwendung a = test::Reihe(h, L, U(0, 300), static_cast<std::uint8_t>(I(0, 1)));
        a.TAnwendungsfall = static_cast<std::uint8_t>(I(0, 2));
        a.TBewehrungCalc = static_cast<std::uint8_t>(I(0, 1));
        a.TBetonguete = static_cast<std::uint8_t>(I(0, 3));
        a.TStahlguete = static_cast<std::uint8_t>(I(0, 1));
        a.cGeometrie.TFugenbreite = static_cast<std::uint8_t>(I(0, 6));
        a.cGeometrie.TWandDicke = U(200, 600);
        TKBelastung& b = a.cBelastungDesign;
        if (a.TAnwendungsfall == Anwendungsfall::Einzeldorn) {
            a.cGeometrie.TRandLinks = a.cGeometrie.TRandRechts = 1;
            a.cGeometrie.TBauteilRandLinks = U(120, 2000);
            a.cGeometrie.TBauteilRandRechts = U(120, 2000);
            b.TBelastungsfall = Belastungsfall::Punktlast;
            b.cPunktlast.SetFdDirekt(U(0, 500));
        } else {
            b.TBelastungsfall = static_cast<std::uint8_t>(I(1, 3));
            b.cLinienLastRechts.SetFdDirekt(U(0, 300));
            b.ClearPunkte();
            for (int j = I(2, 20); j > 0; --j) {
                b.AddPunkt(U(0, L), I(0, 3) == 0 ? 0.0 : U(0, 300));
            }
        }
        const TKBelastung vorher = b;
        RunDesign(a, plattform);
        SCOPED_TRACE(k);

        const TKErgebnisse& ergs = a.cErgebnisse;
        EXPECT_EQ(ergs.cGeometrie.TPlatteDicke, h);
        EXPECT_EQ(b.Punkte().size(), vorher.Punkte().size());
        const int empfohlen = ergs.TAktDorn;
        for (int i = 0; i < AnzDornTypen; ++i) {
            const TKDornErgebnis& e = ergs.DornErgebnis(i);
            for (double v : {e.TFRd(), e.TFSdIst, e.TEtaQ, e.TAsxErf, e.TAsyErf, e.Tbx, e.Tby,
                             e.TIstMinAchs, e.TAbstandLinks, e.TAbstandRechts}) {
                EXPECT_TRUE(std::isfinite(v)) << i;
            }
            EXPECT_LE(e.TStatus, 9) << i;
            EXPECT_EQ(e.TStatus == 0, e.Fehler.Count() == 0) << i;
            if (e.TStatus != 0) {
                EXPECT_EQ(e.Fehler.Codes().back(), e.TStatus) << i;
            }
            EXPECT_EQ(e.TAbstandMeldung == 1, e.Warnungen.Enthaelt(Warnung::MaxAbstand)) << i;
            EXPECT_EQ(e.TFRd(), std::min({e.TFRdStahl(), e.TFRdBeton(), e.TFRdBewehrung()})) << i;
            if (a.TAnwendungsfall != Anwendungsfall::Einzeldorn) {
                ASSERT_EQ(e.AbstandCount(), ergs.TAnzDorn(i) + 1) << i;
                if (b.TBelastungsfall != Belastungsfall::Beliebig) {
                    const double summe =
                        std::accumulate(e.Abstaende().begin(), e.Abstaende().end(), 0.0);
                    EXPECT_NEAR(summe, L, 1e-6 * L) << i;
                }
            }
            if (e.TStatus == 0 && e.TEtaQ < 1) {
                EXPECT_LE(ergs.TAnzDorn(empfohlen), ergs.TAnzDorn(i)) << i;
            }
        }
    }
    EXPECT_TRUE(plattform.meldungen.empty());
}

} // namespace
} // namespace vsk
