#include "design/Bemessung.h"

#include "Positionen.h"
#include "support/PlattformDouble.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

using Codes = std::vector<std::uint16_t>;

struct Lauf {
    test::PlattformDouble plattform;
    void operator()(TKAnwendung& a) { RunDesign(a, plattform); }
};

TEST(Bemessung, ASlabBelowTheMinimumIsOnePassAndNotAThinSlabWarning) {
    Lauf lauf;
    TKAnwendung a = test::Reihe(200, 5000, 10);
    lauf(a);
    const TKDornErgebnis& vsk5 = a.cErgebnisse.DornErgebnis(4); // h_min 240
    EXPECT_EQ(vsk5.TStatus, Status::DickeZuKlein);
    EXPECT_EQ(vsk5.TZulMinAchs, 300); // designed at 200 mm only
    EXPECT_EQ(vsk5.TStatusd, 1);
    EXPECT_FALSE(vsk5.Warnungen.Enthaelt(Warnung::DuennstePlatte));
    EXPECT_EQ(a.cErgebnisse.TBerechnet, 1);
}

TEST(Bemessung, AnOkFirstPassAboveTheMinimumWarnsOfTheThinnestSlab) {
    Lauf lauf;
    TKAnwendung a = test::Reihe(250, 5000, 10);
    lauf(a);
    const TKDornErgebnis& vsk1 = a.cErgebnisse.DornErgebnis(0); // h_min 180
    EXPECT_EQ(vsk1.TStatus, Status::OK);
    EXPECT_EQ(vsk1.TZulMinAchs, 375);
    EXPECT_EQ(vsk1.TStatusd, 0);
    EXPECT_EQ(vsk1.Warnungen.Codes().back(), Warnung::DuennstePlatte);
}

TEST(Bemessung, ASpacingViolationIsRedesignedOnThinnerSlabs) {
    Lauf lauf;
    TKAnwendung a = test::Reihe(250, 5000, 110);
    lauf(a);
    const TKDornErgebnis& vsk1 = a.cErgebnisse.DornErgebnis(0);
    // Passes at 250, 240 and 230 mm; the results are those at 230 mm.
    EXPECT_EQ(vsk1.TStatus, Status::OK);
    EXPECT_EQ(vsk1.TZulMinAchs, 345);
    EXPECT_EQ(vsk1.TZulMinRand, 172.5);
    EXPECT_EQ(a.cErgebnisse.cGeometrie.TPlatteDicke, 250);
    EXPECT_EQ(a.cGeometrie.TPlatteDicke, 250);
    // The last pass: the thinnest slab that still has its spacing problem.
    TKAnwendung b = test::Reihe(250, 5000, 400);
    lauf(b);
    EXPECT_EQ(b.cErgebnisse.DornErgebnis(0).TZulMinAchs, 270); // 180 mm
    EXPECT_EQ(b.cErgebnisse.DornErgebnis(0).TStatus, Status::RandUnterMin);
}

TEST(Bemessung, ARowInAThinWallFailsOnTheWall) {
    Lauf lauf;
    TKAnwendung a = test::Reihe(450, 5000, 30);
    a.TAnwendungsfall = Anwendungsfall::ReiheWand;
    a.cGeometrie.TWandDicke = 150;
    lauf(a);
    for (int i = 0; i < AnzDornTypen; ++i) {
        const TKDornErgebnis& e = a.cErgebnisse.DornErgebnis(i);
        EXPECT_TRUE(e.Fehler.Enthaelt(Status::WandZuDuenn)) << i;
        EXPECT_EQ(e.Fehler.Code(0), Status::WandZuDuenn) << i;
    }
    EXPECT_EQ(a.cErgebnisse.DornErgebnis(5).TStatus, Status::WandZuDuenn);
}

TEST(Bemessung, AJointTooWideForTheTypeIsTheLastWord) {
    Lauf lauf;
    TKAnwendung a = test::Reihe(450, 5000, 30);
    a.cGeometrie.TFugenbreite = 6;
    lauf(a);
    for (int i : {0, 1, 2, 3, 10, 11, 12}) {
        EXPECT_EQ(a.cErgebnisse.DornErgebnis(i).TStatus, Status::FugeUnzulaessig) << i;
    }
    EXPECT_NE(a.cErgebnisse.DornErgebnis(4).TStatus, Status::FugeUnzulaessig);
}

TEST(Bemessung, AnOverloadedSingleConnectorIsTooWeak) {
    Lauf lauf;
    TKAnwendung a = test::Einzel(450, 5000);
    lauf(a);
    for (int i = 0; i < AnzDornTypen; ++i) {
        const bool dickGenug = TabelleA(i).hMin <= 450;
        EXPECT_EQ(a.cErgebnisse.DornErgebnis(i).TStatus,
                  dickGenug ? Status::LastZuGross : Status::DickeZuKlein)
            << i;
        EXPECT_TRUE(a.cErgebnisse.DornErgebnis(i).Fehler.Enthaelt(Status::LastZuGross)) << i;
        EXPECT_GT(a.cErgebnisse.DornErgebnis(i).TEtaQ, 1) << i;
    }
    EXPECT_EQ(a.cErgebnisse.TAktDorn, 0); // nothing qualifies
}

TEST(Bemessung, EdgeAndSpacingViolationsListTheApprovalCodesFirst) {
    Lauf lauf;
    TKAnwendung a = test::Reihe(250, 5000, 400);
    lauf(a);
    EXPECT_EQ(a.cErgebnisse.DornErgebnis(0).Fehler.Codes(), (Codes{8, 7, 3, 4}));
    a.TBewehrungCalc = 1;
    lauf(a);
    EXPECT_EQ(a.cErgebnisse.DornErgebnis(0).Fehler.Codes(), (Codes{3, 4}));
}

TEST(Bemessung, AMissingLoadLineMakesEveryTypeUnusableWithoutAMessage) {
    Lauf lauf;
    TKAnwendung a = test::Beliebig(450, 4000, {{0, 20}});
    lauf(a);
    for (int i = 0; i < AnzDornTypen; ++i) {
        const TKDornErgebnis& e = a.cErgebnisse.DornErgebnis(i);
        EXPECT_TRUE(e.Fehler.Enthaelt(Status::LastZuGross)) << i;
        EXPECT_NE(e.TStatus, Status::OK) << i;
        EXPECT_EQ(a.cErgebnisse.TAnzDorn(i), 1) << i;
        EXPECT_EQ(e.Abstaende(), (std::vector<double>{2000, 2000})) << i;
    }
    EXPECT_EQ(a.cErgebnisse.DornErgebnis(6).TStatus, Status::LastZuGross);
    EXPECT_TRUE(lauf.plattform.meldungen.empty());
}

TEST(Bemessung, ALoadPointBeyondTheJointIsReportedAndTheRunGoesOn) {
    Lauf lauf;
    // Read from a file that was not clipped to the joint length.
    TKAnwendung a = test::Beliebig(450, 4000, {{0, 20}, {4500, 20}}, 0);
    lauf(a);
    // Once per run, not once for each of the many arrangements of the run.
    ASSERT_EQ(lauf.plattform.meldungen.size(), 1u);
    EXPECT_EQ(lauf.plattform.meldungen[0].rfind("SetTmpLast: Fatal error in calculating", 0), 0u);
    EXPECT_EQ(a.cErgebnisse.TBerechnet, 1);
    lauf(a);
    EXPECT_EQ(lauf.plattform.meldungen.size(), 2u);
    EXPECT_GT(a.cErgebnisse.TAnzDorn(0), 1);
}

TEST(Bemessung, TheMaximumSpacingWarningBelongsToTheRunThatFoundIt) {
    Lauf lauf;
    TKAnwendung a = test::Reihe(200, 5000, 20, 0); // unlimited: one connector, 2500 > 1000
    lauf(a);
    EXPECT_EQ(a.cErgebnisse.DornErgebnis(9).TAbstandMeldung, 1);
    EXPECT_TRUE(a.cErgebnisse.DornErgebnis(9).Warnungen.Enthaelt(Warnung::MaxAbstand));
    a.TMaxDornabstand = 1;
    lauf(a);
    for (int i = 0; i < AnzDornTypen; ++i) {
        const TKDornErgebnis& e = a.cErgebnisse.DornErgebnis(i);
        EXPECT_EQ(e.TAbstandMeldung == 1, e.Warnungen.Enthaelt(Warnung::MaxAbstand)) << i;
    }
    EXPECT_EQ(a.cErgebnisse.DornErgebnis(9).TAbstandMeldung, 0);
}

void ErwarteGleich(const TKErgebnisse& x, const TKErgebnisse& y) {
    EXPECT_EQ(x.TAktDorn, y.TAktDorn);
    for (int i = 0; i < AnzDornTypen; ++i) {
        const TKDornErgebnis& a = x.DornErgebnis(i);
        const TKDornErgebnis& b = y.DornErgebnis(i);
        EXPECT_EQ(x.TAnzDorn(i), y.TAnzDorn(i)) << i;
        EXPECT_EQ(a.Abstaende(), b.Abstaende()) << i;
        EXPECT_EQ(a.TIstMinAchs, b.TIstMinAchs) << i;
        EXPECT_EQ(a.TFRd(), b.TFRd()) << i;
        EXPECT_EQ(a.TFSdIst, b.TFSdIst) << i;
        EXPECT_EQ(a.TAsxErf, b.TAsxErf) << i;
        EXPECT_EQ(a.TAsyErf, b.TAsyErf) << i;
        EXPECT_EQ(a.TStatus, b.TStatus) << i;
        EXPECT_EQ(a.Fehler.Codes(), b.Fehler.Codes()) << i;
        EXPECT_EQ(a.Warnungen.Codes(), b.Warnungen.Codes()) << i;
        EXPECT_EQ(x.DornDaten(i).AbstandD, y.DornDaten(i).AbstandD) << i;
        EXPECT_EQ(x.DornDaten(i).AnzB, y.DornDaten(i).AnzB) << i;
    }
}

TEST(Bemessung, AResultNeverDependsOnEarlierCalculations) {
    Lauf lauf;
    TKAnwendung frisch = test::Einzel(300, 60, 400, 700);
    lauf(frisch);

    // The same position after a row design with other numbers.
    TKAnwendung vorher = test::Reihe(450, 9000, 80);
    lauf(vorher);
    vorher.TAnwendungsfall = Anwendungsfall::Einzeldorn;
    vorher.cGeometrie = frisch.cGeometrie;
    vorher.cBelastungDesign = frisch.cBelastungDesign;
    lauf(vorher);
    ErwarteGleich(vorher.cErgebnisse, frisch.cErgebnisse);

    lauf(frisch);
    ErwarteGleich(vorher.cErgebnisse, frisch.cErgebnisse);
}

TEST(Bemessung, RecheckAfterChangingTheBarsKeepsTheArrangement) {
    Lauf lauf;
    TKAnwendung a = test::Reihe(300, 5000, 60);
    lauf(a);
    const int i = a.cErgebnisse.TAktDorn;
    const std::vector<double> abstaende = a.cErgebnisse.DornErgebnis(i).Abstaende();
    const double last = a.cErgebnisse.DornErgebnis(i).TFSdIst;
    TKDornDaten& dd = a.cErgebnisse.DornDaten(i);
    dd.AnzB = 1;
    dd.AnzD = 2;
    TKVSKBemessung bemessung(lauf.plattform);
    EXPECT_TRUE(bemessung.BewehrungsbreitenBerechnen(a, i));
    bemessung.NachweisDorn(a, i);
    const TKDornErgebnis& e = a.cErgebnisse.DornErgebnis(i);
    EXPECT_EQ(e.Abstaende(), abstaende);
    EXPECT_EQ(e.TFSdIst, last);
    EXPECT_DOUBLE_EQ(e.TAsyIst, 2 * Stabflaeche(dd.DurchmD));
    EXPECT_DOUBLE_EQ(e.TAsxIst, Stabflaeche(dd.DurchmB));
    EXPECT_LT(e.TFRdBewehrung(), e.TFSdIst); // two U-bars cannot hang up the load
    EXPECT_EQ(e.TStatus, Status::LastZuGross);
}

// A result that passes every check, to change one field at a time.
TKAnwendung Bestanden() {
    TKAnwendung a = test::Reihe(450, 5000, 0);
    TKErgebnisse& ergs = a.cErgebnisse;
    ergs.cGeometrie = a.cGeometrie;
    TKDornErgebnis& e = ergs.DornErgebnis(0);
    e.TAbstandLinks = e.TAbstandRechts = 500;
    e.TZulMinAchs = 675;
    e.TZulMinRand = 337.5;
    e.TIstMinAchs = 1000;
    e.Tby = 1000;
    e.ClearAbstaende();
    for (double d : {500, 1000, 1000, 1000, 500}) {
        e.AddAbstand(d);
    }
    ergs.setTAnzDorn(0, 4);
    e.setTFRdStahl(50);
    e.setTFRdBeton(50);
    e.setTFRdBewehrung(50);
    e.TFSdIst = 40;
    return a;
}

TEST(PruefeDorn, LoadAndResistanceCompareAtOneTenth) {
    TKAnwendung a = Bestanden();
    EXPECT_EQ(PruefeDorn(a, 0, false), Status::OK);
    a.cErgebnisse.DornErgebnis(0).TFSdIst = 50.04;
    EXPECT_EQ(PruefeDorn(a, 0, false), Status::OK);
    a.cErgebnisse.DornErgebnis(0).TFSdIst = 50.06;
    EXPECT_EQ(PruefeDorn(a, 0, false), Status::LastZuGross);
    EXPECT_NEAR(a.cErgebnisse.DornErgebnis(0).TEtaQ, 50.06 / 50, 1e-15);
    // 50.05 is 500.5 tenths: halves to even, so it still passes.
    a.cErgebnisse.DornErgebnis(0).TFSdIst = 50.05;
    EXPECT_EQ(PruefeDorn(a, 0, false), Status::OK);
    // An unusable type fails on the load whatever the numbers.
    a.cErgebnisse.DornErgebnis(0).TFSdIst = 1;
    EXPECT_EQ(PruefeDorn(a, 0, true), Status::LastZuGross);
}

TEST(PruefeDorn, EachCheckReportsItsCode) {
    {
        TKAnwendung a = Bestanden();
        a.cErgebnisse.cGeometrie.TPlatteDicke = 179.94; // 1799.4 tenths -> 1799 < 1800
        a.cErgebnisse.DornErgebnis(0).TZulMinAchs = 200;
        a.cErgebnisse.DornErgebnis(0).TZulMinRand = 100;
        EXPECT_EQ(PruefeDorn(a, 0, false), Status::DickeZuKlein);
    }
    {
        TKAnwendung a = Bestanden();
        a.cErgebnisse.DornErgebnis(0).Tby = 280.04; // 280.04 - 60 = 220.04 -> 2200 tenths
        EXPECT_EQ(PruefeDorn(a, 0, false), Status::OK);
        a.cErgebnisse.DornErgebnis(0).Tby = 279.9;
        EXPECT_EQ(PruefeDorn(a, 0, false), Status::AbstandBewehrung);
    }
    {
        TKAnwendung a = Bestanden();
        a.cErgebnisse.DornErgebnis(0).TIstMinAchs = 674.9;
        EXPECT_EQ(PruefeDorn(a, 0, false), Status::AbstandUnterMin);
        EXPECT_EQ(a.cErgebnisse.DornErgebnis(0).Fehler.Codes(), (Codes{7, 3}));
        a.cErgebnisse.setTAnzDorn(0, 1); // one connector has no spacing to check
        a.cErgebnisse.DornErgebnis(0).Fehler.Clear();
        EXPECT_EQ(PruefeDorn(a, 0, false), Status::OK);
    }
    {
        TKAnwendung a = Bestanden();
        a.cErgebnisse.DornErgebnis(0).TAbstandRechts = 337.4;
        EXPECT_EQ(PruefeDorn(a, 0, false), Status::RandUnterMin);
        EXPECT_EQ(a.cErgebnisse.DornErgebnis(0).Fehler.Codes(), (Codes{8, 4}));
    }
    {
        TKAnwendung a = Bestanden();
        a.cErgebnisse.DornErgebnis(0).AddAbstand(2250.04);
        EXPECT_EQ(PruefeDorn(a, 0, false), Status::OK);
        EXPECT_EQ(a.cErgebnisse.DornErgebnis(0).TAbstandMeldung, 0);
        a.cErgebnisse.DornErgebnis(0).AddAbstand(2250.06);
        EXPECT_EQ(PruefeDorn(a, 0, false), Status::OK); // a warning, not a status
        EXPECT_EQ(a.cErgebnisse.DornErgebnis(0).TAbstandMeldung, 1);
        EXPECT_EQ(a.cErgebnisse.DornErgebnis(0).Warnungen.Codes(), Codes{Warnung::MaxAbstand});
    }
    {
        TKAnwendung a = Bestanden();
        a.TAnwendungsfall = Anwendungsfall::ReiheWand;
        a.cErgebnisse.cGeometrie.TWandDicke = 170; // l_D 120 + 50 = 170 is enough
        EXPECT_EQ(PruefeDorn(a, 0, false), Status::OK);
        a.cErgebnisse.cGeometrie.TWandDicke = 169.99;
        EXPECT_EQ(PruefeDorn(a, 0, false), Status::WandZuDuenn);
    }
}

TEST(PruefeDorn, NoCapacityGivesNoUsage) {
    TKAnwendung a = Bestanden();
    TKDornErgebnis& e = a.cErgebnisse.DornErgebnis(0);
    e.setTFRdStahl(0);
    PruefeDorn(a, 0, false);
    EXPECT_EQ(e.TEtaQ, 0);
}

TEST(EmpfohlenerDorn, FewestConnectorsLowestIndexOnTies) {
    TKAnwendung a;
    TKErgebnisse& ergs = a.cErgebnisse;
    for (int i = 0; i < AnzDornTypen; ++i) {
        ergs.DornErgebnis(i).TStatus = Status::LastZuGross;
        ergs.DornErgebnis(i).TEtaQ = 0.5;
        ergs.setTAnzDorn(i, 2);
    }
    EXPECT_EQ(EmpfohlenerDorn(a), 0); // nothing qualifies
    for (int i : {3, 12}) {
        ergs.DornErgebnis(i).TStatus = Status::OK;
        ergs.setTAnzDorn(i, 4);
    }
    EXPECT_EQ(EmpfohlenerDorn(a), 3);
    // Fewer connectors, but fully used: does not qualify.
    ergs.DornErgebnis(15).TStatus = Status::OK;
    ergs.DornErgebnis(15).TEtaQ = 1.0;
    ergs.setTAnzDorn(15, 1);
    EXPECT_EQ(EmpfohlenerDorn(a), 3);
    ergs.DornErgebnis(15).TEtaQ = 0.99;
    EXPECT_EQ(EmpfohlenerDorn(a), 15);
}

} // namespace
} // namespace vsk
