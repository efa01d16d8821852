#include "model/Eingaben.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(e.meldung, MeldungZuKlein());
    e = GeometrieEingeben(a, Geometriefeld::Plattendicke, "1.35", ',');
    EXPECT_EQ(e.meldung, MeldungNurZahlen());
    EXPECT_FALSE(e.folgen.nutzhoehe);
    EXPECT_EQ(a.cGeometrie.TPlatteDicke, 200);
    EXPECT_EQ(a.cGeometrie.TNutzhoehe, 160);
}

TEST(GeometrieEingeben, JointLengthHasTwoBoundsAndAlwaysClipsTheArbitraryLoad) {
    TKAnwendung a;
    TKBelastung& b = a.cBelastungDesign;
    EXPECT_FALSE(GeometrieEingeben(a, Geometriefeld::Fugenlaenge, "30000", '.').meldung);
    EXPECT_EQ(GeometrieEingeben(a, Geometriefeld::Fugenlaenge, "30001", '.').meldung,
              MeldungZuGross());
    EXPECT_EQ(GeometrieEingeben(a, Geometriefeld::Fugenlaenge, "299", '.').meldung,
              MeldungZuKlein());
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
    EXPECT_EQ(e.meldung, MeldungZuKlein());
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

} // namespace
} // namespace vsk
