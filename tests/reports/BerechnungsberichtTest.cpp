#include "reports/Berechnungsbericht.h"
#include "Berichtsumgebung.h"
#include "reports/Berichtsbilder.h"

#include <gtest/gtest.h>

namespace vsk::test {
namespace {

// Texts of formula lines carry the value and unit as " value unit".
TEST(Eingabeblock, EinzeldornMitRandabstaendenOhneFugenlaenge) {
    Berichtsumgebung u;
    u.Position().TAnwendungsfall = Anwendungsfall::Einzeldorn;
    u.Position().cGeometrie.TBauteilRandLinks = 350;
    u.Position().cGeometrie.TBauteilRandRechts = 420.5;
    const int y = Eingabeblock(u.canvas, u.k, 100, 1000, 500, 100);

    EXPECT_TRUE(HatText(u.canvas, "Given edge distance"));
    EXPECT_TRUE(HatText(u.canvas, " 350 mm"));
    EXPECT_TRUE(HatText(u.canvas, " 420 mm")); // whole numbers, halves to even
    EXPECT_FALSE(HatText(u.canvas, "Joint length"));
    EXPECT_FALSE(HatText(u.canvas, "Wall thickness"));
    const auto cR = *Text(u.canvas, " 420 mm");
    EXPECT_EQ(y, cR.k[1] + u.k.druck.L10);
}

TEST(Eingabeblock, ReiheInDerWandMitWandUndFugenlaenge) {
    Berichtsumgebung u;
    u.Position().TAnwendungsfall = Anwendungsfall::ReiheWand;
    u.Position().TBetonguete = 1;
    u.Position().TBewehrungCalc = 1;
    u.Position().cGeometrie.TFugenlaenge = 3250;
    u.Position().cGeometrie.TWandDicke = 300;
    u.Position().cGeometrie.TFugenbreite = 3;
    Eingabeblock(u.canvas, u.k, 100, 1000, 500, 100);

    EXPECT_TRUE(
        HatText(u.canvas, "Calculation with reinforcement according optimal connector use"));
    EXPECT_TRUE(HatText(u.canvas, "C20/25"));
    EXPECT_TRUE(HatText(u.canvas, " 20 N/mm\u00B2 "));
    EXPECT_TRUE(HatText(u.canvas, "Wall thickness"));
    EXPECT_TRUE(HatText(u.canvas, " 300 mm"));
    EXPECT_TRUE(HatText(u.canvas, " 3250 mm"));
    // The grade has no sign; the joint width has the Symbol less-or-equal sign.
    const auto zeichen = *Text(u.canvas, "\u00A3");
    EXPECT_EQ(zeichen.schrift.name, "Symbol");
    EXPECT_TRUE(HatText(u.canvas, " 30 mm"));
    // One empty line before the joint width.
    EXPECT_EQ(Text(u.canvas, "Max. joint width")->k[1] -
                  Text(u.canvas, "Concrete cover to front")->k[1],
              2 * u.k.druck.L10);
}

TEST(Lastblock, EinzellastMitSummenformel) {
    Berichtsumgebung u;
    TKBelastung& b = u.Position().cBelastungDesign;
    b.TBelastungsfall = Belastungsfall::Punktlast;
    b.cPunktlast.setTGk(10.04);
    b.cPunktlast.setTQk(20.25);
    b.cPunktlast.setTgg(1.125);
    b.cPunktlast.setTF1(0);
    Lastblock(u.canvas, u.k, 100, 1000, 400, false, 75);

    EXPECT_TRUE(HatText(u.canvas, "Single load to connector"));
    EXPECT_TRUE(HatText(u.canvas, " 10 kN"));
    EXPECT_TRUE(HatText(u.canvas, " 20.2 kN")); // 202.5 halves to even
    EXPECT_TRUE(HatText(u.canvas, " 1.12 "));   // 112.5 halves to even
    EXPECT_TRUE(HatText(u.canvas, " 1.5 "));
    // gamma in the Symbol font
    int gammas = 0;
    for (const auto& op : u.canvas.Nur(Operation::TextOut)) {
        if (op.text == "g" && op.schrift.name == "Symbol") {
            ++gammas;
        }
    }
    EXPECT_EQ(gammas, 2);
    const auto mal = *Text(u.canvas, " \u00B4 g");
    EXPECT_EQ(mal.schrift.name, "Symbol");
    EXPECT_TRUE(HatText(u.canvas, "Connector design load"));
}

TEST(Lastblock, BeliebigeLastAufDerLastseiteUndDerErgebnisseite) {
    Berichtsumgebung u;
    TKBelastung& b = u.Position().cBelastungDesign;
    b.TBelastungsfall = Belastungsfall::Beliebig;
    b.ClearPunkte();
    b.AddPunkt(0, 10);
    b.AddPunkt(2500, 12.34);
    b.AddPunkt(4000, 8);
    const int ende = Lastblock(u.canvas, u.k, 100, 1000, 400, true, 75);
    EXPECT_TRUE(HatText(u.canvas, " 2.5 m"));
    EXPECT_TRUE(HatText(u.canvas, " 4 m"));
    EXPECT_TRUE(HatText(u.canvas, " 12.3 kN/m"));
    int summen = 0;
    for (const auto& op : u.canvas.Nur(Operation::TextOut)) {
        summen += op.text == "Total design load";
    }
    EXPECT_EQ(summen, 1); // on the first line only
    const auto bild = u.canvas.Nur(Operation::StretchDraw);
    ASSERT_EQ(bild.size(), 1u);
    EXPECT_EQ(bild[0].text, BildBeliebigeLast);
    // Scaled from screen pixels to the device: 600 / 96.
    EXPECT_EQ(bild[0].k[2] - bild[0].k[0], EigeneGroesse(BildBeliebigeLast).breite * 600 / 96);
    EXPECT_EQ(ende, bild[0].k[3] + 2 * u.k.druck.L10);

    Aufzeichnung ergebnisseite(600);
    Lastblock(ergebnisseite, u.k, 100, 1000, 400, false, 75);
    EXPECT_TRUE(HatText(ergebnisseite, "see next page"));
    EXPECT_FALSE(HatText(ergebnisseite, " 2.5 m"));
    EXPECT_TRUE(HatText(ergebnisseite, " = no. of dowels"));
}

TEST(Lastblock, BeliebigeLastOhnePunkte) {
    Berichtsumgebung u;
    TKBelastung& b = u.Position().cBelastungDesign;
    b.TBelastungsfall = Belastungsfall::Beliebig;
    b.ClearPunkte();
    Lastblock(u.canvas, u.k, 100, 1000, 400, true, 75);
    EXPECT_TRUE(HatText(u.canvas, "Total design load"));
    EXPECT_FALSE(HatText(u.canvas, " kN/m"));
}

TEST(Lastblock, VeraenderlicheLinienlastLinksUndRechts) {
    Berichtsumgebung u;
    TKBelastung& b = u.Position().cBelastungDesign;
    b.TBelastungsfall = Belastungsfall::Linear;
    b.cLinienLastLinks.SetFdDirekt(30);
    b.cLinienLastRechts.SetFdDirekt(45.25);
    Lastblock(u.canvas, u.k, 100, 1000, 400, false, 75);
    EXPECT_TRUE(HatText(u.canvas, "Uniform distributed load"));
    EXPECT_TRUE(HatText(u.canvas, "d,R"));
    EXPECT_TRUE(HatText(u.canvas, "Ed,R"));
    EXPECT_TRUE(HatText(u.canvas, " 45.2 kN/m")); // 452.5 halves to even
    EXPECT_TRUE(HatText(u.canvas, "2"));
    // Right column: no labels, at x + 2.75 cm.
    int dead = 0;
    for (const auto& op : u.canvas.Nur(Operation::TextOut)) {
        dead += op.text == "Dead load";
    }
    EXPECT_EQ(dead, 1);
}

// The connector-load fraction of the line loads: its bar is as wide as "F" and "Sd,tot"
// written at full size, and the line below it starts under the denominator, not across it.
TEST(Lastblock, DornbruchBalkenUndFolgezeile) {
    for (std::uint8_t fall : {1, 2}) {
        SCOPED_TRACE(int(fall));
        Berichtsumgebung u;
        TKBelastung& b = u.Position().cBelastungDesign;
        b.TBelastungsfall = fall;
        b.cLinienLastLinks.SetFdDirekt(30);
        b.cLinienLastRechts.SetFdDirekt(40);
        Lastblock(u.canvas, u.k, 100, 1000, 400, false, 75);
        const auto linien = u.canvas.Nur(Operation::Linie);
        ASSERT_FALSE(linien.empty());
        u.canvas.schrift.groesse = 9;
        EXPECT_EQ(linien.front().k[2] - linien.front().k[0], u.canvas.TextWidth("FSd,tot"));

        int nennerUnten = 0; // the lowest "n" is the denominator's
        int folgezeile = -1; // top of the line below the fraction
        for (const Aufgezeichnet& op : u.canvas.ops) {
            if (op.op != Operation::TextOut) {
                continue;
            }
            if (op.text == "n") {
                u.canvas.schrift.groesse = op.schrift.groesse;
                nennerUnten = std::max(nennerUnten, op.k[1] + u.canvas.TextHeight(op.text));
            }
            // Load type 1: "with F_Sd,tot = ..."; type 2: the raised numerator q_Ed,L + q_Ed,R.
            if (op.text == "with F" || op.text == "q") {
                folgezeile = op.k[1];
            }
        }
        ASSERT_GT(nennerUnten, 0);
        EXPECT_GE(folgezeile, nennerUnten);
    }
}

TEST(Ergebnisblock, RundungEinheitenUndAusnutzungen) {
    Berichtsumgebung u;
    TKErgebnisse& e = u.Position().cErgebnisse;
    TKDornErgebnis& r = u.Ergebnis();
    e.setTAnzDorn(e.TAktDorn, 4);
    r.TEtaQ = 0.8734;
    r.TFSdIst = 25.0001;
    r.setTFRdStahl(80);
    r.setTFRdBeton(40);
    r.setTFRdBewehrung(0);
    r.Tby = 999;
    e.AktDornDaten().BreiteBuegel = 345;
    r.TAsyIst = 226.2;
    Ergebnisblock(u.canvas, u.k, 100, 1000, 500, 900, 100);

    EXPECT_TRUE(HatText(u.canvas, "Selected: 4 * VSK 7"));
    EXPECT_TRUE(HatText(u.canvas, " 87.3 %"));
    EXPECT_TRUE(HatText(u.canvas, " 25 kN"));
    EXPECT_TRUE(HatText(u.canvas, " 62.5 %")); // concrete 25.0001 / 40
    EXPECT_TRUE(HatText(u.canvas, " 31.3 %")); // steel 25.0001 / 80 = 31.25..
    EXPECT_TRUE(HatText(u.canvas, " 0 %"));    // no reinforcement resistance
    EXPECT_TRUE(HatText(u.canvas, " 345 mm")); // U-bar group width, not Tby
    EXPECT_FALSE(HatText(u.canvas, " 999 mm"));
    EXPECT_TRUE(HatText(u.canvas, " 226 mm\u00B2"));
    EXPECT_TRUE(HatText(u.canvas, "Actual area of main reinf\u00B4t"));
    const auto eta = *Text(u.canvas, "h");
    EXPECT_EQ(eta.schrift.name, "Symbol");
}

TEST(Ergebnisblock, UngeschuetzteWiderstaendeGebenNull) {
    Berichtsumgebung u;
    u.Ergebnis().TFSdIst = 12;
    Ergebnisblock(u.canvas, u.k, 100, 1000, 500, 900, 100);
    int nullen = 0;
    for (const auto& op : u.canvas.Nur(Operation::TextOut)) {
        nullen += op.text == " 0 %";
        EXPECT_EQ(op.text.find(" inf"), std::string::npos);
        EXPECT_EQ(op.text.find(" nan"), std::string::npos);
    }
    EXPECT_EQ(nullen, 4); // usage and the three partial usages
}

TEST(Ergebnisblock, AbstandsgruppeNurBeiReihenMitMehrerenDornen) {
    struct Fall {
        int anwendungsfall;
        int anzahl;
        bool abstaende;
    };
    for (const Fall f :
         {Fall{0, 3, false}, Fall{1, 1, false}, Fall{1, 2, true}, Fall{2, 5, true}}) {
        Berichtsumgebung u;
        u.Position().TAnwendungsfall = static_cast<std::uint8_t>(f.anwendungsfall);
        TKErgebnisse& e = u.Position().cErgebnisse;
        e.setTAnzDorn(e.TAktDorn, static_cast<std::uint16_t>(f.anzahl));
        const int ende = Ergebnisblock(u.canvas, u.k, 100, 1000, 500, 900, 100);
        EXPECT_EQ(HatText(u.canvas, "Actual connector spacing"), f.abstaende);
        EXPECT_EQ(HatText(u.canvas, "Minimum connector spacing"), f.abstaende);

        // Without spacings both columns end L14 below the right column's last line; the
        // spacing group makes the left column two lines longer.
        const Druckzustand& z = u.k.druck;
        const int letzte = Text(u.canvas, "Reinforcement capacity usage")->k[1];
        EXPECT_EQ(ende, letzte + (f.abstaende ? 2 * z.L10 : 0) + z.L14 + 2 * z.L10);
        const int y1 = 1000 + 2 * z.L12 + z.L10;
        EXPECT_EQ(Text(u.canvas, "Actual area of main reinf\u00B4t")->k[1], y1);
        EXPECT_EQ(Text(u.canvas, "Connector design load")->k[1], y1);
        // Groups are one L10 plus one L14 apart.
        EXPECT_EQ(Text(u.canvas, "Region of main reinf\u00B4t")->k[1],
                  y1 + 3 * z.L10 + z.L10 + z.L14);
    }
}

TEST(Ergebnisseite, UeberschriftUndWarnung) {
    Berichtsumgebung u;
    u.Position().TAnwendungsfall = Anwendungsfall::ReiheWand;
    u.Ergebnis().Warnungen.Add(1);
    Ergebnisseite(u.canvas, u.k);
    const auto kopf = *Text(u.canvas, "Row of shear connectors - connection slab to wall");
    const auto warnung = *Text(u.canvas, "Minimum spacing and edge distance are based on the "
                                         "thinnest slab for the actual connector load");
    EXPECT_EQ(warnung.k[1] - kopf.k[1], u.k.druck.L6 + u.k.druck.L10);
    EXPECT_EQ(kopf.schrift.stil, Fett);
    EXPECT_EQ(kopf.k[1], u.k.druck.CmY(u.k.druck.mt + u.k.druck.inhaltOben));
    EXPECT_TRUE(HatText(u.canvas, "Input"));
    EXPECT_TRUE(HatText(u.canvas, "Linear load"));
    EXPECT_TRUE(HatText(u.canvas, "Results"));
}

} // namespace
} // namespace vsk::test
