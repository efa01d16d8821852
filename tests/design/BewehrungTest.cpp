#include "design/Bewehrung.h"

#include "Positionen.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

TEST(Bewehrung, BarCountsJustCoverTheRequiredArea) {
    EXPECT_EQ(AnzahlStaebeB(150, 78.5), 2);
    EXPECT_EQ(AnzahlStaebeB(157.0, 78.5), 2); // exactly two bars suffice
    EXPECT_EQ(AnzahlStaebeB(157.9, 78.5), 3);
    EXPECT_EQ(AnzahlStaebeB(0, 78.5), 1);
    EXPECT_EQ(AnzahlBuegelD(500, 113.1), 6); // 5 made even
    EXPECT_EQ(AnzahlBuegelD(400, 113.1), 4);
    // An absurd area is bounded instead of building a huge list.
    EXPECT_EQ(AnzahlStaebeB(1e30, 78.5), 10000);
}

TEST(Bewehrung, UBarSpacingRoundsDownUnlessNearlyWhole) {
    EXPECT_EQ(BuegelAbstandGerundet(57.3L), 57);
    EXPECT_EQ(BuegelAbstandGerundet(57.95L), 58);
    EXPECT_EQ(BuegelAbstandGerundet(57.5L), 57);
    EXPECT_EQ(BuegelAbstandGerundet(56.9L), 56); // 56.5 rounds to even
}

TEST(Bewehrung, PositionBOfVSK9) {
    TKAnwendung a;
    TKErgebnisse& ergs = a.cErgebnisse;
    ergs.DornErgebnis(8).TAsxErf = 2.5 * 201.0; // three 16 mm bars
    BewehrungPositionB(a, 8);
    EXPECT_EQ(ergs.DornDaten(8).AnzB, 3);
    EXPECT_EQ(ergs.DornDaten(8).AbstandB, (std::vector<double>{60, 100, 100}));
    EXPECT_EQ(ergs.DornDaten(8).LaengeB, 260);
    EXPECT_EQ(ergs.DornErgebnis(8).Tbx, 387); // 335 + 52
}

TEST(Bewehrung, TwoUBarsHaveNoSpacing) {
    TKAnwendung a;
    TKErgebnisse& ergs = a.cErgebnisse;
    ergs.DornErgebnis(0).TAsyErf = 100; // one 10 mm bar, made two
    ergs.DornErgebnis(0).Tby = 300;
    BewehrungPositionD(a, 0);
    EXPECT_EQ(ergs.DornDaten(0).AnzD, 2);
    EXPECT_TRUE(ergs.DornDaten(0).AbstandD.empty());
    EXPECT_EQ(ergs.DornDaten(0).BreiteBuegel, 100);
}

TEST(Bewehrung, PositionDSpreadsWithinTheRegionAndTheConcreteCone) {
    // VSK 7 in a 258 mm slab, cover 30: the cone limit q = 103.5 / tan 34 governs.
    TKAnwendung a;
    TKErgebnisse& ergs = a.cErgebnisse;
    ergs.cGeometrie.TPlatteDicke = 258;
    ergs.DornErgebnis(6).TAsyErf = 930.8;
    ergs.DornErgebnis(6).Tby = 658.8;
    BewehrungPositionD(a, 6);
    EXPECT_EQ(ergs.DornDaten(6).AnzD, 6);
    EXPECT_EQ(ergs.DornDaten(6).AbstandD, (std::vector<double>{46, 46}));
    EXPECT_EQ(ergs.DornDaten(6).BreiteBuegel, 304);
    VorhandeneBewehrung(a, 6);
    EXPECT_DOUBLE_EQ(ergs.DornErgebnis(6).TAsyIst, 6 * 201.0);
}

TEST(Bewehrung, RequiredAreasFollowTheReinforcementBasis) {
    TKAnwendung a;
    TKErgebnisse& ergs = a.cErgebnisse;
    TKDornErgebnis& erg = ergs.DornErgebnis(6);
    erg.setTFRdStahl(200);
    erg.setTFRdBeton(150);
    erg.setTFRdBewehrung(150);
    erg.TFSdIst = 100;
    erg.TIstMinAchs = 360;
    ErforderlicheBewehrung(a, 6);
    const double aufMax = erg.TAsxErf;
    EXPECT_NEAR(aufMax, 150 / 2.0 * 1.2 / (500 / 1.15) * 1000, 1e-9);
    a.TBewehrungCalc = 1;
    ErforderlicheBewehrung(a, 6);
    EXPECT_NEAR(erg.TAsxErf, aufMax * 100 / 150, 1e-9);
}

TEST(Bewehrung, WidthsAfterAChangeOfTheBarsAreNotTruncated) {
    TKAnwendung a;
    TKErgebnisse& ergs = a.cErgebnisse;
    TKDornDaten& dd = ergs.DornDaten(6);
    ergs.cGeometrie.TPlatteDicke = 258;
    ergs.DornErgebnis(6).Tby = 658.8;
    dd.AnzB = 4;
    dd.AnzD = 8;
    BewehrungsbreitenNeu(a, 6);
    EXPECT_EQ(dd.AbstandB, (std::vector<double>{60, 70, 70, 70}));
    EXPECT_EQ(dd.LaengeB, 270);
    EXPECT_EQ(ergs.DornErgebnis(6).Tbx, 300); // 265 + 35
    // x = (2 * 153.45 - 120) / 6 = 31.15 -> 31
    EXPECT_EQ(dd.AbstandD, (std::vector<double>{31, 31, 31}));
    EXPECT_EQ(dd.BreiteBuegel, 120 + 6 * 31);
}

} // namespace
} // namespace vsk
