#include "sketches/Skizzen.h"

#include "SkizzenFixture.h"

#include <algorithm>

namespace vsk {
namespace {

using K = std::vector<int>;

class SkizzenTest : public test::SkizzenFixture {
protected:
    const Rechteck r{0, 0, 800, 600};

    std::size_t UBuegel() const { return Mit(Operation::RoundRect, farben.PosD).size(); }
    std::size_t Texte(const std::string& t) const {
        const auto ops = c.Nur(Operation::TextOut);
        return static_cast<std::size_t>(std::count_if(
            ops.begin(), ops.end(), [&](const Aufgezeichnet& o) { return o.text == t; }));
    }
    // Vertical arrow shafts ending at y = unten: (x, start y) per arrow.
    std::vector<std::pair<int, int>> Pfeile(int unten) const {
        std::vector<std::pair<int, int>> r;
        const auto linien = c.Nur(Operation::Linie);
        for (std::size_t i = 0; i + 3 < linien.size(); ++i) {
            const K& s = linien[i].k;
            const K& kopf = linien[i + 1].k;
            if (s[0] == s[2] && s[3] == unten && kopf[0] == s[2] && kopf[1] == unten &&
                kopf[2] != kopf[0]) {
                r.emplace_back(s[0], s[1]);
                i += 3;
            }
        }
        return r;
    }
};

TEST_F(SkizzenTest, JedeSkizzeBeginntMitDemHintergrund) {
    farben.Hintergrund = RGB(10, 20, 30);
    for (int art = 0; art <= 4; ++art) {
        c.Leeren();
        ZeichneSkizze(c, r, Kontext(), art);
        ASSERT_FALSE(c.ops.empty()) << art;
        EXPECT_EQ(c.ops[0].op, Operation::FillRect) << art;
        EXPECT_EQ(c.ops[0].pinsel.farbe, RGB(10, 20, 30));
        EXPECT_GT(c.ops.size(), 20u) << art;
    }
    c.Leeren();
    ZeichneSkizze(c, r, Kontext(), 5);
    EXPECT_TRUE(c.ops.empty());
}

TEST_F(SkizzenTest, ZuKleinesRechteckZeichntNurDenHintergrund) {
    for (int art = 0; art <= 3; ++art) {
        c.Leeren();
        ZeichneSkizze(c, {0, 0, 50, 50}, Kontext(), art);
        ASSERT_EQ(c.ops.size(), 1u) << art;
        EXPECT_EQ(c.ops[0].op, Operation::FillRect);
    }
    c.Leeren();
    ZeichneSkizze(c, {0, 0, 50, 50}, Kontext(), SkizzenArt::System);
    EXPECT_EQ(c.ops.size(), 1u);
    c.Leeren();
    ZeichneReihenansicht(c, {0, 0, 800, 600}, Kontext(), true);
    Anw().cBelastungDesign.TBelastungsfall = Belastungsfall::Punktlast;
    Anw().cErgebnisse.cGeometrie.TBauteilRandLinks = 0;
    Anw().cErgebnisse.cGeometrie.TBauteilRandRechts = 0;
    ZeichneReihenansicht(c, {0, 0, 800, 600}, Kontext(), true); // no division by zero
}

TEST_F(SkizzenTest, DoppeltGrossGleicheGeometrieGleicheSchrift) {
    // 500 and 1000 square: every length scales, every font size stays.
    ZeichneSchnitt(c, {0, 0, 500, 500}, Kontext());
    const auto klein = c.ops;
    c.Leeren();
    ZeichneSchnitt(c, {0, 0, 1000, 1000}, Kontext());
    ASSERT_EQ(klein.size(), c.ops.size());
    for (std::size_t i = 0; i < klein.size(); ++i) {
        EXPECT_EQ(klein[i].op, c.ops[i].op) << i;
        EXPECT_EQ(klein[i].schrift.groesse, c.ops[i].schrift.groesse) << i;
    }
    const TrDaten a = DatenBerechnen(c, {0, 0, 500, 500}, SkizzenArt::Schnitt, Kontext());
    const TrDaten b = DatenBerechnen(c, {0, 0, 1000, 1000}, SkizzenArt::Schnitt, Kontext());
    EXPECT_GT(b.Massstab, 2.0 * a.Massstab); // the text margins do not grow
}

TEST_F(SkizzenTest, UBuegelInAnsichtUndDraufsicht) {
    ZeichneAnsicht(c, r, Kontext());
    EXPECT_EQ(UBuegel(), 8u);
    // Three spacing dimensions per side plus the group width.
    EXPECT_EQ(Texte("100"), 2u);
    EXPECT_EQ(Texte("50"), 4u);
    EXPECT_EQ(Texte("300"), 1u);
    EXPECT_EQ(Texte("Vertical Reinforcement: 8 - T"), 1u);
    EXPECT_EQ(Texte("12 U-bars"), 1u);
    c.Leeren();
    ZeichneDraufsicht(c, r, Kontext());
    EXPECT_EQ(UBuegel(), 8u);

    Dorn().AnzD = 4;
    Dorn().AbstandD = {100};
    c.Leeren();
    ZeichneAnsicht(c, r, Kontext());
    const auto ansicht = Mit(Operation::RoundRect, farben.PosD);
    ASSERT_EQ(ansicht.size(), 4u);
    // AnzD mod 4 = 0: the outer pair is shortened by the layer distance (0 for one layer),
    // the inner bar (odd i) starts one layer distance lower.
    EXPECT_EQ(ansicht[0].k[3], ansicht[2].k[3]);
    EXPECT_EQ(Texte("100"), 2u);
    c.Leeren();
    ZeichneDraufsicht(c, r, Kontext());
    EXPECT_EQ(UBuegel(), 4u);
}

TEST_F(SkizzenTest, DraufsichtLagenUeberDenBStaeben) {
    // One layer: pass 1 draws nothing, pass 2 every U-bar after (over) the B bars.
    ZeichneDraufsicht(c, r, Kontext());
    std::size_t letzterB = 0, ersterD = c.ops.size();
    for (std::size_t i = 0; i < c.ops.size(); ++i) {
        const auto& o = c.ops[i];
        if (o.op == Operation::Rectangle && o.pinsel.farbe == farben.PosB &&
            o.pinsel.art == Pinselart::Voll) {
            letzterB = i;
        }
        if (o.op == Operation::RoundRect && o.pinsel.farbe == farben.PosD) {
            ersterD = std::min(ersterD, i);
        }
    }
    EXPECT_GT(ersterD, letzterB);
    // Two layers: bars with (i + 2) mod 2 = 0 lie over the B bars.
    Dorn().AnzLagen = 2;
    c.Leeren();
    ZeichneDraufsicht(c, r, Kontext());
    std::size_t vorB = 0;
    for (const auto& o : c.ops) {
        if (o.op == Operation::Rectangle && o.pinsel.farbe == farben.PosB) {
            break;
        }
        vorB += o.op == Operation::RoundRect && o.pinsel.farbe == farben.PosD ? 1 : 0;
    }
    EXPECT_EQ(vorB, 4u);
}

TEST_F(SkizzenTest, OhneBStaebe) {
    Dorn().AnzB = 0;
    Dorn().AbstandB.clear();
    ZeichneDraufsicht(c, r, Kontext());
    EXPECT_TRUE(Mit(Operation::Rectangle, farben.PosB).empty());
    EXPECT_EQ(c.Anzahl(Operation::TextOut), 0u);

    c.Leeren();
    ZeichneSchnitt(c, r, Kontext());
    EXPECT_TRUE(Mit(Operation::Ellipse, farben.PosB).empty());
    // Thickness and the top dimension, which spans from the joint face to itself.
    EXPECT_EQ(Texte("450"), 1u);
    EXPECT_EQ(Texte("400"), 1u);
    const TrDaten d = DatenBerechnen(c, r, SkizzenArt::Schnitt, Kontext());
    const auto texte = c.Nur(Operation::TextOut);
    const auto oben = std::find_if(texte.begin(), texte.end(),
                                   [](const Aufgezeichnet& o) { return o.text == "400"; });
    EXPECT_EQ(oben->k[0], d.X0 - 8); // "400" at 8 pt is 16 wide
}

TEST_F(SkizzenTest, ReiheZeichntEinenDornWenigerAlsAbstaende) {
    Abstaende({250, 500, 500, 500, 250});
    ZeichneReihenansicht(c, r, Kontext(), true);
    // Two dowel ellipses per connector.
    EXPECT_EQ(Mit(Operation::Ellipse, farben.DornBrush).size(), 8u);
    EXPECT_EQ(Texte("500"), 3u);
    EXPECT_EQ(Texte("250"), 2u);
    EXPECT_EQ(Texte("2000"), 1u);
    // Connector centres at the chained spacings.
    const TrDaten d = DatenBerechnen(c, r, SkizzenArt::Reihe, Kontext());
    const auto dorne = Mit(Operation::Ellipse, farben.DornBrush);
    const int halb = d.DornDurchm / 2;
    EXPECT_EQ(dorne[0].k[0], d.X0 + 93 - halb);
    EXPECT_EQ(dorne[6].k[0], d.X0 + 93 + 3 * 186 - halb);

    // Spacing texts are rounded to whole millimetres, halves to even.
    Abstaende({312.5, 1375, 312.5});
    c.Leeren();
    ZeichneReihenansicht(c, r, Kontext(), true);
    EXPECT_EQ(Texte("312"), 2u);
    EXPECT_EQ(Texte("1375"), 1u);
    EXPECT_EQ(Mit(Operation::Ellipse, farben.DornBrush).size(), 4u);
}

TEST_F(SkizzenTest, LastbildKonstant) {
    TKBelastung& b = Anw().cBelastungDesign;
    b.TBelastungsfall = Belastungsfall::Konstant;
    b.cLinienLastLinks.SetFdDirekt(10);
    b.cLinienLastRechts.SetFdDirekt(10);
    const TrDaten d = DatenBerechnen(c, r, SkizzenArt::Reihe, Kontext());
    c.Leeren();
    ZeichneBelastung(c, {0, 0, 200, 76}, d, Kontext());
    const auto pfeile = Pfeile(76);
    ASSERT_EQ(pfeile.size(), 12u); // x = 0, 19, ... 190, then 200
    for (std::size_t i = 0; i < 11; ++i) {
        EXPECT_EQ(pfeile[i], (std::pair<int, int>(static_cast<int>(i) * 19, 0)));
    }
    EXPECT_EQ(pfeile[11], (std::pair<int, int>(200, 0)));
    EXPECT_EQ(c.ops.back().k, (K{0, 0, 200, 0}));
}

TEST_F(SkizzenTest, LastbildSteigendUndNull) {
    TKBelastung& b = Anw().cBelastungDesign;
    b.TBelastungsfall = Belastungsfall::Linear;
    b.cLinienLastLinks.SetFdDirekt(0);
    b.cLinienLastRechts.SetFdDirekt(20);
    const TrDaten d = DatenBerechnen(c, r, SkizzenArt::Reihe, Kontext());
    c.Leeren();
    ZeichneBelastung(c, {0, 0, 200, 76}, d, Kontext());
    auto pfeile = Pfeile(76);
    ASSERT_EQ(pfeile.size(), 12u);
    EXPECT_EQ(pfeile[0].second, 76);
    EXPECT_EQ(pfeile[1].second, 76 - 76 * 19 / 200);
    EXPECT_EQ(pfeile[11].second, 0);
    EXPECT_EQ(c.ops.back().k, (K{0, 76, 200, 0}));

    // Both values 0: zero-length arrows with flat heads on the bottom, the line along it.
    b.cLinienLastRechts.SetFdDirekt(0);
    c.Leeren();
    ZeichneBelastung(c, {0, 0, 200, 76}, d, Kontext());
    pfeile = Pfeile(76);
    ASSERT_EQ(pfeile.size(), 12u);
    for (const auto& p : pfeile) {
        EXPECT_EQ(p.second, 76);
    }
    EXPECT_EQ(c.Nur(Operation::Linie)[1].k, (K{0, 76, 3, 76}));
    EXPECT_EQ(c.ops.back().k, (K{0, 76, 200, 76}));
}

TEST_F(SkizzenTest, LastbildBeliebig) {
    TKBelastung& b = Anw().cBelastungDesign;
    b.TBelastungsfall = Belastungsfall::Beliebig;
    b.ClearPunkte();
    b.AddPunkt(0, 0);
    b.AddPunkt(1000, 20);
    b.AddPunkt(2000, 10);
    const TrDaten d = DatenBerechnen(c, r, SkizzenArt::Reihe, Kontext());
    c.Leeren();
    ZeichneBelastung(c, {0, 0, 200, 80}, d, Kontext());
    const auto linien = c.Nur(Operation::Linie);
    ASSERT_FALSE(linien.empty());
    EXPECT_EQ(linien[0].k, (K{0, 80, 100, 0}));
    const auto pfeile = Pfeile(80);
    // 0, 19 .. 95, final 100; then 100, 119 .. 195, final 200.
    ASSERT_EQ(pfeile.size(), 14u);
    EXPECT_EQ(pfeile[1], (std::pair<int, int>(19, 80 - 80 * 19 / 100)));
    EXPECT_EQ(pfeile[6], (std::pair<int, int>(100, 0)));
    EXPECT_EQ(pfeile[13], (std::pair<int, int>(200, 40)));

    // One point draws nothing.
    b.ClearPunkte();
    b.AddPunkt(0, 5);
    c.Leeren();
    ZeichneBelastung(c, {0, 0, 200, 80}, d, Kontext());
    EXPECT_TRUE(c.ops.empty());
}

TEST_F(SkizzenTest, EinzellastPfeilDickUndLinienbreiteDanachEins) {
    TKBelastung& b = Anw().cBelastungDesign;
    b.TBelastungsfall = Belastungsfall::Punktlast;
    TKGeometrie& g = Anw().cErgebnisse.cGeometrie;
    g.TBauteilRandLinks = 500;
    g.TBauteilRandRechts = 1500;
    linienbreite = 2;
    const TrDaten d = DatenBerechnen(c, r, SkizzenArt::Reihe, Kontext());
    c.Leeren();
    ZeichneBelastung(c, {0, 0, 400, 76}, d, Kontext());
    const auto linien = c.Nur(Operation::Linie);
    ASSERT_EQ(linien.size(), 4u);
    EXPECT_EQ(linien[0].k, (K{100, 0, 100, 74})); // to the bottom less the entry width
    EXPECT_EQ(linien[0].stift.breite, 3);
    EXPECT_EQ(linienbreite, 1);
}

TEST_F(SkizzenTest, SystemskizzeStelltLinienbreiteWiederHer) {
    linienbreite = 2;
    for (int fall = 0; fall <= 3; ++fall) {
        Anw().cBelastungDesign.TBelastungsfall = static_cast<std::uint8_t>(fall);
        for (int a = 0; a <= 2; ++a) {
            c.Leeren();
            ZeichneSystemskizze(c, r, Kontext(), a, fall);
            EXPECT_EQ(linienbreite, 2) << fall << " " << a;
            // The joint width above; below, the joint length for every distributed load.
            EXPECT_EQ(Texte("f"), fall == 0 ? 1u : 2u) << fall << " " << a;
        }
    }
    // Slab to wall: the wall runs from half a text height below the top.
    c.Leeren();
    ZeichneSystemSchnitt(c, {0, 0, 800, 300}, Kontext(), 2, 1);
    const auto beton = Mit(Operation::Rectangle, farben.BetonBrush);
    ASSERT_EQ(beton.size(), 2u);
    EXPECT_EQ(beton[1].k[1], 9);
    EXPECT_EQ(Texte("d"), 2u);
}

TEST_F(SkizzenTest, SystemAnsichtEinzellastBemassungTrifftSichInDerMitte) {
    c.Leeren();
    ZeichneSystemAnsicht(c, {0, 300, 800, 600}, Kontext(), 1, 0);
    // The c_L and c_R dimensions both start at the middle, whatever the edge distances.
    const auto texte = c.Nur(Operation::TextOut);
    EXPECT_EQ(Texte("c"), 2u);
    EXPECT_EQ(Texte("L"), 1u);
    EXPECT_EQ(Texte("R"), 1u);
    EXPECT_EQ(Texte("     V"), 1u);
    // Three connectors in a row.
    EXPECT_EQ(Mit(Operation::Ellipse, farben.DornBrush).size(), 6u);
}

} // namespace
} // namespace vsk
