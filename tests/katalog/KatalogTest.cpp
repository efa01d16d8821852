#include "katalog/Katalog.h"

#include <gtest/gtest.h>

#include <vector>

namespace vsk {
namespace {

TEST(Katalog, NamesAndIdentifiersFollowTheTypeOrder) {
    EXPECT_EQ(DornName(0), "VSK 1");
    EXPECT_EQ(DornName(9), "VSK 10");
    EXPECT_EQ(DornName(10), "VSKQ 2");
    EXPECT_EQ(DornName(18), "VSKQ 10");
    EXPECT_EQ(DornKennung(6), "VSK_007");
    EXPECT_EQ(DornKennung(10), "VSKQ_002");
    EXPECT_EQ(DornKennung(18), "VSKQ_010");
    for (int i = 0; i < AnzDornTypen; ++i) {
        EXPECT_EQ(DornTypVonKennung(DornKennung(i)), i);
        EXPECT_EQ(IstVSKQ(i), i >= 10);
    }
    EXPECT_EQ(DornTypVonKennung("VSK_011"), -1);
    EXPECT_EQ(DornTypVonKennung("vsk_001"), -1);
}

TEST(Katalog, IndexesOutsideTheTablesAreClamped) {
    EXPECT_EQ(DornName(-1), "VSK 1");
    EXPECT_EQ(DornName(19), "VSKQ 10");
    EXPECT_EQ(DornKennung(255), "VSKQ_010");
    EXPECT_EQ(TabelleA(100).lD, 390);
    EXPECT_EQ(TabelleB(-5).dD, 10);
    EXPECT_EQ(Beton(7).fc, 30);
    EXPECT_EQ(Beton(-1).fc, 15);
    EXPECT_EQ(Stahl(2).fyk, 450);
    EXPECT_EQ(FugenbreiteMm(9), 60);
    EXPECT_EQ(FugenbreiteMm(-1), 0);
    EXPECT_FALSE(FugenbreiteZulaessig(6, 7));
    EXPECT_FALSE(FugenbreiteZulaessig(6, -1));
    TKDornDaten d(42);
    EXPECT_EQ(d.Typ, 18);
}

TEST(Katalog, TablesHoldTheCatalogueValues) {
    // Spot checks across columns; a shifted column shows up here.
    const KatalogA& a0 = TabelleA(0);
    EXPECT_EQ(a0.hMin, 180);
    EXPECT_EQ(a0.h1, 145);
    EXPECT_EQ(a0.h2, 138); // below h1 on purpose
    EXPECT_EQ(a0.beta, 1.12);
    const KatalogA& a8 = TabelleA(8);
    EXPECT_EQ(a8.W, 13386);
    EXPECT_EQ(a8.fyk, 420);
    EXPECT_EQ(a8.ar, 330);
    EXPECT_EQ(a8.lD, 335);
    EXPECT_EQ(TabelleA(9).e0, 10);
    EXPECT_EQ(TabelleA(13).lD, 175);
    for (int i = 0; i < AnzDornTypen; ++i) {
        EXPECT_EQ(TabelleA(i).kappaMin, 0.87);
        EXPECT_EQ(TabelleB(i).es, 2 * TabelleB(i).c0);
        EXPECT_EQ(TabelleB(i).nL, 1);
        EXPECT_EQ(TabelleB(i).nD % 2, 0);
        EXPECT_EQ(TabelleC(i).HuelseBreite > 0, IstVSKQ(i)) << i;
    }
    EXPECT_EQ(TabelleB(3).bD, 400);
    EXPECT_EQ(TabelleB(11).bD, 220);
    EXPECT_EQ(TabelleB(9).lB, 460);
    EXPECT_EQ(TabelleC(3).HuelseHoehe, 25.4);
    EXPECT_EQ(TabelleC(16).HuelseHoehe, 54.5);
    EXPECT_EQ(TabelleC(18).HuelseBreite, 130);
    EXPECT_EQ(TabelleC(9).Anker2Laenge, 350);
    EXPECT_EQ(TabelleC(8).RippeLaenge, 185);
}

TEST(Katalog, PermittedJointWidthsRunFromZeroToFMax) {
    for (int typ : {0, 1, 10}) {
        EXPECT_TRUE(FugenbreiteZulaessig(typ, 4)) << typ;
        EXPECT_FALSE(FugenbreiteZulaessig(typ, 5)) << typ;
    }
    for (int typ : {2, 3, 11, 12}) {
        EXPECT_TRUE(FugenbreiteZulaessig(typ, 5)) << typ;
        EXPECT_FALSE(FugenbreiteZulaessig(typ, 6)) << typ;
    }
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        for (int stufe = 0; stufe < AnzFugenbreiten; ++stufe) {
            EXPECT_EQ(FugenbreiteZulaessig(typ, stufe), FugenbreiteMm(stufe) <= TabelleA(typ).fMax)
                << typ << " " << stufe;
        }
    }
}

TEST(Katalog, BarAreasAndMaterialsComeFromTheTables) {
    EXPECT_EQ(Stabflaeche(6), 28.3);
    EXPECT_EQ(Stabflaeche(12), 113.1);
    EXPECT_EQ(Stabflaeche(28), 616.0);
    EXPECT_EQ(Stabflaeche(22), 28.3);
    EXPECT_EQ(Stabflaeche(0), 28.3);
    EXPECT_EQ(Beton(0).fc, 15);
    EXPECT_EQ(Beton(0).tauRd, 0.22);
    EXPECT_EQ(Beton(3).fbd, 2.7);
    EXPECT_EQ(Stahl(0).fyk, 500);
    EXPECT_EQ(Stahl(1).gammaS, 1.15);
    EXPECT_EQ(FugenbreiteMm(3), 30);
}

TEST(TKDornDaten, LoadingBuildsTheSpacingLists) {
    TKDornDaten d0(0);
    EXPECT_EQ(d0.AbstandB, std::vector<double>({60}));
    EXPECT_EQ(d0.AbstandD, std::vector<double>({100}));
    TKDornDaten d8(8);
    EXPECT_EQ(d8.AbstandB, std::vector<double>({60, 100, 100}));
    EXPECT_EQ(d8.AbstandD, std::vector<double>({120, 100, 100, 100, 100, 100, 100}));
    // n_D = 10 gives four entries, n_D = 6 two.
    EXPECT_EQ(TKDornDaten(7).AbstandD, std::vector<double>({120, 70, 70, 70}));
    EXPECT_EQ(TKDornDaten(2).AbstandD, std::vector<double>({100, 70}));
    EXPECT_EQ(TKDornDaten(6).AbstandB, std::vector<double>({60, 70}));
}

TEST(TKDornDaten, DefaultIsType6WithEveryField) {
    TKDornDaten d;
    EXPECT_EQ(d.Typ, 6);
    EXPECT_EQ(d.MinDicke, 360);
    EXPECT_EQ(d.BreiteBuegel, 400);
    EXPECT_EQ(d.LaengeB, 360);
    EXPECT_EQ(d.AnzLagen, 1);
    EXPECT_EQ(d.DurchmB, 12);
    EXPECT_EQ(d.DurchmD, 16);
    EXPECT_EQ(d.AnzB, 2);
    EXPECT_EQ(d.AnzD, 8);
    EXPECT_EQ(d.PlatteBreite, 100);
    EXPECT_EQ(d.PlatteHoehe, 200);
    EXPECT_EQ(d.DornDurchm, 35);
    EXPECT_EQ(d.DornMittenAbstand, 105);
    EXPECT_EQ(d.DornLaenge, 265);
    EXPECT_EQ(d.HuelseBreite, 0);
    EXPECT_EQ(d.HuelseHoehe, 40);
    EXPECT_EQ(d.Anker1Laenge, 100);
    EXPECT_EQ(d.Anker2Laenge, 200);
    EXPECT_EQ(d.Anker1Durchm, 16);
    EXPECT_EQ(d.Anker2Durchm, 16);
    EXPECT_EQ(d.Anker1Abstand, 36);
    EXPECT_EQ(d.Anker2Abstand, 95);
    EXPECT_EQ(d.RippeLaenge, 114);
}

TEST(TKDornDaten, ReloadingRestoresWhatTheDesignChanged) {
    TKDornDaten d(8);
    d.BreiteBuegel = 999;
    d.LaengeB = 1;
    d.AnzB = 7;
    d.AnzD = 2;
    d.AbstandB = {1, 2, 3, 4, 5, 6, 7};
    d.AbstandD.clear();
    d.Laden(8);
    EXPECT_EQ(d.BreiteBuegel, 520);
    EXPECT_EQ(d.LaengeB, 560);
    EXPECT_EQ(d.AnzB, 3);
    EXPECT_EQ(d.AnzD, 16);
    EXPECT_EQ(d.AbstandB, std::vector<double>({60, 100, 100}));
    EXPECT_EQ(d.AbstandD.size(), 7u);
    // Loading another type replaces the lists rather than appending.
    d.Laden(0);
    EXPECT_EQ(d.Typ, 0);
    EXPECT_EQ(d.AbstandB.size(), 1u);
    EXPECT_EQ(d.AbstandD.size(), 1u);
}

TEST(TKDornDaten, CopiesAreDeep) {
    TKDornDaten quelle(8);
    TKDornDaten kopie(quelle);
    kopie.AbstandB[0] = 1;
    kopie.AbstandD.push_back(5);
    EXPECT_EQ(quelle.AbstandB[0], 60);
    EXPECT_EQ(quelle.AbstandD.size(), 7u);
}

} // namespace
} // namespace vsk
