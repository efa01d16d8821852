#include "sketches/TrDaten.h"

#include "SkizzenFixture.h"

namespace vsk {
namespace {

using TrDatenTest = test::SkizzenFixture;

TEST_F(TrDatenTest, MassstabUndBezugspunktJeArt) {
    // View: C = min(705 / 450, 800 / 650) = 1.2308, y: 429 / 450 wins.
    TrDaten d = DatenBerechnen(c, {0, 0, 800, 600}, SkizzenArt::Ansicht, Kontext());
    ASSERT_TRUE(d.gueltig);
    EXPECT_EQ(d.TextHoehe, 19);
    EXPECT_DOUBLE_EQ(d.Massstab, 429.0 / 450.0);
    EXPECT_EQ(d.X0, 381);
    EXPECT_EQ(d.Y0, 309);
    EXPECT_EQ(d.Dicke, 429);
    EXPECT_EQ(d.Breite, 429); // m = max(Tby 0, h)
    EXPECT_EQ(c.schrift.name, "Arial");
    EXPECT_EQ(c.schrift.groesse, 10);

    // Plan view: 505 / 450 against 505 / 250; Y0 shifted by half the B bars (168 / 2).
    d = DatenBerechnen(c, {0, 0, 600, 600}, SkizzenArt::Draufsicht, Kontext());
    EXPECT_DOUBLE_EQ(d.Massstab, 505.0 / 450.0);
    EXPECT_EQ(d.X0, 281);
    EXPECT_EQ(d.Y0, 300 + 84);
    EXPECT_EQ(d.Tiefe, 281); // t = 220 + 30 = 250
    // Wider: 705 / 450 against 505 / 250. Half the B bars (235 / 2) would leave the back of
    // the member 9 px from the top; it keeps 3 H.
    d = DatenBerechnen(c, {0, 0, 800, 600}, SkizzenArt::Draufsicht, Kontext());
    EXPECT_DOUBLE_EQ(d.Massstab, 705.0 / 450.0);
    EXPECT_EQ(d.X0, 381);
    EXPECT_EQ(d.Tiefe, 392);
    EXPECT_EQ(d.Y0, 392 + 3 * 19);

    // Section: the view's scale, X0 one dowel length from the left.
    d = DatenBerechnen(c, {0, 0, 800, 600}, SkizzenArt::Schnitt, Kontext());
    EXPECT_DOUBLE_EQ(d.Massstab, 429.0 / 450.0);
    EXPECT_EQ(d.X0, 191 + 5);
    EXPECT_EQ(d.Y0, 309);

    // Row: 743 / 2000 against 486 / 450.
    d = DatenBerechnen(c, {0, 0, 800, 600}, SkizzenArt::Reihe, Kontext());
    EXPECT_DOUBLE_EQ(d.Massstab, 743.0 / 2000.0);
    EXPECT_EQ(d.X0, 38);
    EXPECT_EQ(d.Y0, 319);
    EXPECT_EQ(d.Fugenlaenge, 743);
    EXPECT_EQ(d.Dicke, 167); // 167.175

    // System sketch: 324 / 270 against 243 / 200 (the input type's minimum thickness).
    d = DatenBerechnen(c, {400, 0, 800, 300}, SkizzenArt::System, Kontext());
    EXPECT_DOUBLE_EQ(d.Massstab, 1.2);
    EXPECT_EQ(d.X0, 400 + 12 - 19);
    EXPECT_EQ(d.Y0, 159);
    EXPECT_EQ(d.Dicke, 240);
    EXPECT_EQ(d.Fugenbreite, 24);
    EXPECT_EQ(d.Breite, 480); // BreiteBuegel + AbstandD[0]
}

TEST_F(TrDatenTest, GespiegeltGleicherMassstabUndVLaengenNachLinks) {
    const TrDaten n = DatenBerechnen(c, {400, 0, 800, 300}, SkizzenArt::System, Kontext());
    const TrDaten m = DatenBerechnen(c, {400, 0, 0, 300}, SkizzenArt::System, Kontext());
    EXPECT_EQ(n.Richtung, 1);
    EXPECT_EQ(m.Richtung, -1);
    EXPECT_DOUBLE_EQ(m.Massstab, n.Massstab);
    EXPECT_EQ(m.X0, 400 - 12 - 19);
    EXPECT_NEAR(m.X0 + m.Fugenbreite, n.X0, 1); // the right member's joint face
    EXPECT_EQ(m.Tiefe, -n.Tiefe);
    EXPECT_EQ(m.Tiefe, -300);
    EXPECT_EQ(m.DornLaenge, -240);
    EXPECT_EQ(m.PlatteBreite, -n.PlatteBreite);
    EXPECT_EQ(m.Anker1Abstand, -72);
    EXPECT_EQ(m.Anker2Abstand, -n.Anker2Abstand);
    EXPECT_EQ(m.RippeLaenge, -48);
    EXPECT_EQ(m.DeckungVorn, -36);
    EXPECT_EQ(m.AbstandB, (std::vector<int>{-60, -120}));
    // Lengths without direction stay positive.
    EXPECT_EQ(m.Dicke, n.Dicke);
    EXPECT_EQ(m.DornDurchm, 24);
    EXPECT_EQ(m.DeckungOben, 36);
    EXPECT_EQ(m.AbstandD, (std::vector<int>{0, 120, 60, 60}));
}

TEST_F(TrDatenTest, FelderUndFelderlaengen) {
    Abstaende({250, 500, 500, 500, 250});
    Dorn().AnzLagen = 2;
    TrDaten d = DatenBerechnen(c, {0, 0, 800, 600}, SkizzenArt::Reihe, Kontext());
    EXPECT_EQ(d.Abstaende.size(), 5u);
    EXPECT_EQ(d.Abstaende[0], 93);  // 92.875
    EXPECT_EQ(d.Abstaende[1], 186); // 185.75
    EXPECT_EQ(d.LagenAbstand, 19);  // 18.575
    EXPECT_EQ(d.AbstandD.size(), 4u);
    EXPECT_EQ(d.AbstandD[0], 0);

    // A result shorter than the connector count reads 0 past its end.
    Anw().cErgebnisse.setTAnzDorn(Anw().cErgebnisse.TAktDorn, 7);
    d = DatenBerechnen(c, {0, 0, 800, 600}, SkizzenArt::Reihe, Kontext());
    ASSERT_EQ(d.Abstaende.size(), 8u);
    EXPECT_EQ(d.Abstaende[5], 0);
    EXPECT_EQ(d.Abstaende[7], 0);

    // One layer: no layer distance.
    Dorn().AnzLagen = 1;
    EXPECT_EQ(DatenBerechnen(c, {0, 0, 800, 600}, SkizzenArt::Ansicht, Kontext()).LagenAbstand, 0);

    // Point load: the drawn joint is the two member edges.
    Anw().cBelastungDesign.TBelastungsfall = Belastungsfall::Punktlast;
    Anw().cGeometrie.TBauteilRandLinks = 300;
    Anw().cGeometrie.TBauteilRandRechts = 600;
    d = DatenBerechnen(c, {0, 0, 800, 600}, SkizzenArt::Reihe, Kontext());
    EXPECT_EQ(d.Fugenlaenge, 334); // 900 * 0.3715
}

TEST_F(TrDatenTest, ZuKleineRechteckeSindUngueltig) {
    for (int art = 0; art <= 4; ++art) {
        EXPECT_FALSE(DatenBerechnen(c, {0, 0, 40, 600}, art, Kontext()).gueltig) << art;
        EXPECT_FALSE(DatenBerechnen(c, {0, 0, 800, 20}, art, Kontext()).gueltig) << art;
        EXPECT_TRUE(DatenBerechnen(c, {0, 0, 800, 600}, art, Kontext()).gueltig) << art;
    }
    Anw().cGeometrie.TPlatteDicke = 0;
    EXPECT_FALSE(DatenBerechnen(c, {0, 0, 800, 600}, SkizzenArt::Ansicht, Kontext()).gueltig);
    EXPECT_FALSE(DatenBerechnen(c, {0, 0, 800, 600}, 7, Kontext()).gueltig);
}

} // namespace
} // namespace vsk
