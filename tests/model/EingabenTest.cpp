#include "model/Eingaben.h"

#include "shell/Texte.h"

#include <gtest/gtest.h>

#include <map>

namespace vsk {
namespace {

TEST(GeometrieEingeben, SlabThicknessDerivesTheEffectiveDepthAndABadValueChangesNothing) {
    TKAnwendung a;
    Eingabeergebnis e = GeometrieEingeben(a, Geometriefeld::Plattendicke, "200", ',');
    EXPECT_FALSE(e.meldung);
    EXPECT_TRUE(e.folgen.nutzhoehe);
    EXPECT_EQ(a.cGeometrie.TPlatteDicke, 200);
    EXPECT_EQ(a.cGeometrie.TNutzhoehe, 160);

    e = GeometrieEingeben(a, Geometriefeld::Plattendicke, "150", ',');
    EXPECT_EQ(e.meldung, MeldungZuKlein() + "\nAllowed: at least 160 mm");
    e = GeometrieEingeben(a, Geometriefeld::Plattendicke, "1.35", ',');
    EXPECT_EQ(e.meldung, MeldungNurZahlen());
    EXPECT_FALSE(e.folgen.nutzhoehe);
    EXPECT_EQ(a.cGeometrie.TPlatteDicke, 200);
    EXPECT_EQ(a.cGeometrie.TNutzhoehe, 160);
}

TEST(GeometrieEingeben, TheEffectiveDepthStaysOutOfADeepCoverAndLeavingUnchangedKeepsResults) {
    TKAnwendung a;
    a.cGeometrie.TBetondeckungUnten = 55;
    Eingabeergebnis e = GeometrieEingeben(a, Geometriefeld::Plattendicke, "436", '.');
    EXPECT_EQ(a.cGeometrie.TNutzhoehe, 381);
    EXPECT_TRUE(e.folgen.eingabemodus);
    // Tabbing through the field: nothing changes, the results still hold.
    e = GeometrieEingeben(a, Geometriefeld::Plattendicke, "436", '.');
    EXPECT_FALSE(e.folgen.eingabemodus);
    // A stored effective depth that the slab would derive otherwise is a change.
    a.cGeometrie.TNutzhoehe = 390;
    e = GeometrieEingeben(a, Geometriefeld::Plattendicke, "436", '.');
    EXPECT_TRUE(e.folgen.eingabemodus);
}

TEST(GeometrieEingeben, JointLengthHasTwoBoundsAndAlwaysClipsTheArbitraryLoad) {
    TKAnwendung a;
    TKBelastung& b = a.cBelastungDesign;
    EXPECT_FALSE(GeometrieEingeben(a, Geometriefeld::Fugenlaenge, "30000", '.').meldung);
    EXPECT_EQ(GeometrieEingeben(a, Geometriefeld::Fugenlaenge, "30001", '.').meldung,
              MeldungZuGross() + "\nAllowed: 300 ... 30000 mm");
    EXPECT_EQ(GeometrieEingeben(a, Geometriefeld::Fugenlaenge, "299", '.').meldung,
              MeldungZuKlein() + "\nAllowed: 300 ... 30000 mm");
    EXPECT_EQ(a.cGeometrie.TFugenlaenge, 30000);

    // A point beyond the joint (added in the arbitrary-load window) moves back onto it even
    // when the new length fails its check.
    b.AddPunkt(40000, 5);
    GeometrieEingeben(a, Geometriefeld::Fugenlaenge, "x", '.');
    EXPECT_EQ(b.TLastLaenge(), 30000);
    EXPECT_EQ(b.GetPunkt(b.PunktCount() - 1).x, 30000);
}

TEST(GeometrieEingeben, AnEmptyFieldStoresItsEmptyValueEvenBelowItsOwnBound) {
    TKAnwendung a;
    EXPECT_FALSE(GeometrieEingeben(a, Geometriefeld::RandLinks, "  ", ',').meldung);
    EXPECT_EQ(a.cGeometrie.TBauteilRandLinks, 0.5);
    EXPECT_FALSE(GeometrieEingeben(a, Geometriefeld::Fugenlaenge, "", ',').meldung);
    EXPECT_EQ(a.cGeometrie.TFugenlaenge, 2);
    EXPECT_EQ(Vorgabe(Geometriefeld::Wanddicke).leerwert, 300);
}

TEST(LastEingeben, TotalsFollowAndAConstantLoadCopiesTheLeftEndToTheRight) {
    TKAnwendung a;
    TKBelastung& b = a.cBelastungDesign;
    b.TBelastungsfall = Belastungsfall::Punktlast;
    for (auto [wert, text] :
         {std::pair{Lastwert::Gk, "10"}, {Lastwert::Qk, "5"}, {Lastwert::F1, "2"}}) {
        EXPECT_TRUE(LastEingeben(a, Lastseite::Punkt, wert, text, '.').folgen.summen);
    }
    EXPECT_DOUBLE_EQ(b.cPunktlast.TFd(), 23);

    b.TBelastungsfall = Belastungsfall::Konstant;
    LastEingeben(a, Lastseite::Links, Lastwert::Gk, "4", '.');
    EXPECT_EQ(b.cLinienLastRechts.TGk(), 4);
    EXPECT_EQ(b.TLinienLast, Linienlastform::Gleich);

    b.TBelastungsfall = Belastungsfall::Linear;
    LastEingeben(a, Lastseite::Links, Lastwert::Gk, "6", '.');
    EXPECT_EQ(b.cLinienLastRechts.TGk(), 4);
    EXPECT_EQ(b.TLinienLast, Linienlastform::Fallend);

    const Eingabeergebnis e = LastEingeben(a, Lastseite::Rechts, Lastwert::Gq, "-1", '.');
    EXPECT_EQ(e.meldung, MeldungZuKlein() + "\nAllowed: at least 0"); // a factor has no unit
    EXPECT_FALSE(e.folgen.summen);
    EXPECT_EQ(b.cLinienLastRechts.Tgq(), 1.5);
}

TEST(WaehleAnwendungsfall, TheCaseSetsTheEdgesAndALoadCaseThatFitsIt) {
    TKAnwendung a;
    Eingabefolgen f = WaehleAnwendungsfall(a, Anwendungsfall::Einzeldorn);
    EXPECT_TRUE(f.eingabemodus && f.layout);
    EXPECT_EQ(a.cGeometrie.TRandLinks, 1);
    EXPECT_EQ(a.cGeometrie.TRandRechts, 1);
    EXPECT_EQ(a.cBelastungDesign.TBelastungsfall, Belastungsfall::Punktlast);

    // A row with the point load gets the linearly varying load, without reshaping it.
    a.cBelastungDesign.cLinienLastLinks.setTGk(3);
    WaehleAnwendungsfall(a, Anwendungsfall::ReiheWand);
    EXPECT_EQ(a.cGeometrie.TRandLinks, 0);
    EXPECT_EQ(a.cBelastungDesign.TBelastungsfall, Belastungsfall::Linear);
    EXPECT_EQ(a.cBelastungDesign.cLinienLastLinks.TGk(), 3);
    a.cBelastungDesign.TBelastungsfall = Belastungsfall::Beliebig;
    WaehleAnwendungsfall(a, Anwendungsfall::ReihePlatte);
    EXPECT_EQ(a.cBelastungDesign.TBelastungsfall, Belastungsfall::Beliebig);
}

TEST(WaehleLastfall, TheButtonsReshapeTheLineLoadIntoPureDesignValues) {
    TKAnwendung a;
    TKBelastung& b = a.cBelastungDesign;
    b.cLinienLastLinks.setTGk(10); // 13.5
    b.cLinienLastRechts.setTQk(2); // 3
    Eingabefolgen f = WaehleLastfall(a, Belastungsfall::Linear);
    EXPECT_TRUE(f.linienlasten && f.layout && f.eingabemodus);
    EXPECT_EQ(b.cLinienLastLinks.TGk(), 0);
    EXPECT_EQ(b.cLinienLastLinks.TF1(), 13.5);
    EXPECT_EQ(b.cLinienLastRechts.TFd(), 3);
    EXPECT_EQ(b.TLinienLast, Linienlastform::Fallend);

    WaehleLastfall(a, Belastungsfall::Konstant);
    EXPECT_EQ(b.cLinienLastRechts.TFd(), 13.5);
    EXPECT_EQ(b.TLinienLast, Linienlastform::Gleich);
    EXPECT_EQ(b.TBelastungsfall, Belastungsfall::Konstant);
    // The totals are taken as the fields show them, to 15 digits.
    EXPECT_EQ(WieAngezeigt(0.1 + 0.2), 0.3);
    EXPECT_EQ(WieAngezeigt(0.0000001), 0);
}

TEST(WaehleLastfall, TheArbitraryLoadStartsFromTheEndsAndGivesThemBack) {
    TKAnwendung a;
    TKBelastung& b = a.cBelastungDesign;
    a.cGeometrie.TFugenlaenge = 1500;
    b.cLinienLastLinks.SetFdDirekt(4);
    b.cLinienLastRechts.SetFdDirekt(6);
    WaehleLastfall(a, Belastungsfall::Beliebig);
    EXPECT_EQ(b.TBelastungsfall, Belastungsfall::Beliebig);
    EXPECT_EQ(b.GetPunkt(0).y, 4);
    EXPECT_EQ(b.GetPunkt(1).x, 1500);
    EXPECT_EQ(b.GetPunkt(1).y, 6);

    // The window's table: any order; the ends come back from the first and last point.
    SetzeLastpunkte(b, {{1000, 2}, {0, 1}, {1500, 3}});
    EXPECT_TRUE(BeliebigeLastUebernehmen(b).linienlasten);
    EXPECT_EQ(b.cLinienLastLinks.TFd(), 1);
    EXPECT_EQ(b.cLinienLastRechts.TFd(), 3);
    EXPECT_EQ(b.TLinienLast, Linienlastform::Steigend);

    // Without points the resultant is 0 and the ends stay.
    SetzeLastpunkte(b, {});
    EXPECT_EQ(b.Resultierende(), 0);
    EXPECT_FALSE(BeliebigeLastUebernehmen(b).linienlasten);
    EXPECT_EQ(b.cLinienLastRechts.TFd(), 3);
}

TEST(WaehleAuswahl, OnlyADifferentEntryReturnsToInputMode) {
    TKAnwendung a;
    EXPECT_FALSE(WaehleAuswahl(a, Auswahl::Betonguete, 3).eingabemodus);
    EXPECT_TRUE(WaehleAuswahl(a, Auswahl::Fugenbreite, 5).eingabemodus);
    EXPECT_EQ(a.cGeometrie.TFugenbreite, 5);
    EXPECT_FALSE(WaehleAuswahl(a, Auswahl::BewehrungCalc, -1).eingabemodus);
    EXPECT_EQ(a.TBewehrungCalc, 0);
}

TEST(SetzeBemessungseinstellungen,
     AGammaThatIsNoNumberIsTheDefaultAndOnlyTheDesignRulesInvalidate) {
    TKAnwendung a;
    EXPECT_FALSE(SetzeBemessungseinstellungen(a, 1, "1,1", 0, '.').eingabemodus);
    EXPECT_EQ(a.TGammaMs, VorgabeGammaMs);
    EXPECT_TRUE(SetzeBemessungseinstellungen(a, 0, "1.2", 0, '.').eingabemodus);
    EXPECT_TRUE(SetzeBemessungseinstellungen(a, 0, "1.2", 1, '.').eingabemodus);
    EXPECT_EQ(a.TGammaMs, 1.2);
    EXPECT_EQ(a.TStahlguete, 1);
}

// Every numeric input of the panel: the first line of its range message is the check's
// own, the second says the range and unit, in English and in another language.
TEST(Feldgrenzen, EveryInputsRangeMessageEndsWithItsRangeAndUnit) {
    struct Erwartung {
        Geometriefeld feld;
        const char* zuKlein; // the value below the range
        const char* englisch;
        const char* deutsch;
    };
    const std::vector<Erwartung> geometrie{
        {Geometriefeld::Wanddicke, "99", "at least 100 mm", "mindestens 100 mm"},
        {Geometriefeld::Plattendicke, "159", "at least 160 mm", "mindestens 160 mm"},
        {Geometriefeld::DeckungOben, "9", "at least 10 mm", "mindestens 10 mm"},
        {Geometriefeld::DeckungUnten, "9", "at least 10 mm", "mindestens 10 mm"},
        {Geometriefeld::Nutzhoehe, "9", "at least 10 mm", "mindestens 10 mm"},
        {Geometriefeld::RandRechts, "119", "at least 120 mm", "mindestens 120 mm"},
        {Geometriefeld::RandLinks, "119", "at least 120 mm", "mindestens 120 mm"},
        {Geometriefeld::DeckungVorn, "9", "at least 10 mm", "mindestens 10 mm"},
        {Geometriefeld::Fugenlaenge, "299", "300 ... 30000 mm", "300 ... 30000 mm"},
    };
    const std::map<std::string, std::string> deutsch{
        {"Input value is smaller than allowed!", "Eingabewert ist kleiner als erlaubt!"},
        {"Allowed: %s", "Zul\u00e4ssig: %s"},
        {"at least %s", "mindestens %s"},
    };
    for (bool uebersetzt : {false, true}) {
        if (uebersetzt) {
            SetzeUebersetzer([&deutsch](const char*, const char* quelle) {
                const auto t = deutsch.find(quelle);
                return t == deutsch.end() ? std::string(quelle) : t->second;
            });
        }
        const std::string zuKlein = MeldungZuKlein();
        const std::string erlaubt = uebersetzt ? "Zul\u00e4ssig: " : "Allowed: ";
        const std::string mindestens = uebersetzt ? "mindestens 0" : "at least 0";
        const char trenner = uebersetzt ? ',' : '.';
        for (const Erwartung& e : geometrie) {
            TKAnwendung a;
            EXPECT_EQ(GeometrieEingeben(a, e.feld, e.zuKlein, trenner).meldung,
                      zuKlein + "\n" + erlaubt + (uebersetzt ? e.deutsch : e.englisch));
        }
        for (Lastseite seite : {Lastseite::Punkt, Lastseite::Links, Lastseite::Rechts}) {
            const std::string einheit = seite == Lastseite::Punkt ? " kN" : " kN/m";
            for (Lastwert wert :
                 {Lastwert::Gk, Lastwert::Gg, Lastwert::Qk, Lastwert::Gq, Lastwert::F1}) {
                const bool faktor = wert == Lastwert::Gg || wert == Lastwert::Gq;
                TKAnwendung a;
                EXPECT_EQ(
                    LastEingeben(a, seite, wert, uebersetzt ? "-0,5" : "-0.5", trenner).meldung,
                    zuKlein + "\n" + erlaubt + mindestens + (faktor ? "" : einheit));
            }
        }
    }
    SetzeUebersetzer({});
}

} // namespace
} // namespace vsk
