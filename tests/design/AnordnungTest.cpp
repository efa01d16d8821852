#include "design/Anordnung.h"

#include "design/DornAufteilung.h"
#include "design/Laufspeicher.h"

#include "Positionen.h"
#include "support/PlattformDouble.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

constexpr int Typ = 6;

// Arranges type 6 against the provisional connector load F0, as step 8 of a pass does.
TKDornErgebnis& Anordnen(TKAnwendung& a, double F0, test::PlattformDouble& plattform,
                         bool* brauchbar = nullptr) {
    a.cErgebnisse.cGeometrie = a.cGeometrie;
    TKDornErgebnis& erg = a.cErgebnisse.DornErgebnis(Typ);
    erg.TZulMinRand = 0.75 * a.cGeometrie.TPlatteDicke;
    erg.ClearAbstaende();
    erg.TFSdIst = F0;
    Meldeweg meldeweg{plattform};
    Laufspeicher laeufe;
    const bool ok = DornAnordnung(a, Typ, meldeweg, laeufe);
    if (brauchbar != nullptr) {
        *brauchbar = ok;
    }
    return erg;
}

void ErwarteAbstaende(const TKDornErgebnis& erg, const std::vector<double>& soll, double tol) {
    ASSERT_EQ(erg.Abstaende().size(), soll.size());
    for (std::size_t i = 0; i < soll.size(); ++i) {
        EXPECT_NEAR(erg.Abstaende()[i], soll[i], tol) << i;
    }
}

TEST(Anordnung, AConstantLoadGetsFourConnectors) {
    test::PlattformDouble p;
    TKAnwendung a = test::Reihe(450, 5000, 20);
    const TKDornErgebnis& erg = Anordnen(a, 30, p);
    ErwarteAbstaende(erg, {625.0025, 1249.985, 1250.005, 1250.005, 625.0025}, 1e-9);
    EXPECT_EQ(a.cErgebnisse.TAnzDorn(Typ), 4);
    EXPECT_DOUBLE_EQ(erg.TFSdIst, 25.0001);
    EXPECT_NEAR(erg.TIstMinAchs, 1249.985, 1e-9);
    EXPECT_NEAR(erg.TAbstandLinks, 625.0025, 1e-9);
    EXPECT_NEAR(erg.TAbstandRechts, 625.0025, 1e-9);
    EXPECT_NEAR(erg.Tby, 1249.985, 1e-9);
}

TEST(Anordnung, TheCountRoundsTheShareUp) {
    test::PlattformDouble p;
    TKAnwendung a = test::Reihe(450, 5000, 20);
    Anordnen(a, 50, p);
    EXPECT_EQ(a.cErgebnisse.TAnzDorn(Typ), 2);
    const TKDornErgebnis& erg = Anordnen(a, 100, p);
    EXPECT_EQ(a.cErgebnisse.TAnzDorn(Typ), 1);
    ErwarteAbstaende(erg, {2500, 2500}, 0.01);
    EXPECT_EQ(erg.TIstMinAchs, 5000);
}

TEST(Anordnung, RisingLoadCrowdsConnectorsToTheHighEnd) {
    test::PlattformDouble p;
    TKAnwendung a = test::Reihe(450, 5000, 0);
    a.cBelastungDesign.TBelastungsfall = Belastungsfall::Linear;
    a.cBelastungDesign.cLinienLastRechts.SetFdDirekt(20);
    const TKDornErgebnis& erg = Anordnen(a, 15, p);
    EXPECT_EQ(a.cErgebnisse.TAnzDorn(Typ), 4);
    EXPECT_DOUBLE_EQ(erg.TFSdIst, 12.5001);
    ErwarteAbstaende(erg, {1666.67, 1380.68, 898.84, 726.88, 326.92}, 0.01);
}

TEST(Anordnung, TheSpacingLimitGrowsTheCount) {
    test::PlattformDouble p;
    TKAnwendung a = test::Reihe(200, 5000, 20, 1);
    const TKDornErgebnis& erg = Anordnen(a, 100, p);
    EXPECT_EQ(a.cErgebnisse.TAnzDorn(Typ), 6);
    ErwarteAbstaende(erg, {416.67, 833.31, 833.34, 833.34, 833.34, 833.34, 416.67}, 0.01);

    TKAnwendung unbegrenzt = test::Reihe(200, 5000, 20, 0);
    Anordnen(unbegrenzt, 100, p);
    EXPECT_EQ(unbegrenzt.cErgebnisse.TAnzDorn(Typ), 1);
}

TEST(Anordnung, GrowthStopsAtTheBound) {
    // A nearly unloaded middle of 3000 mm (limit 1000 mm): no count up to the bound helps.
    test::PlattformDouble p;
    TKAnwendung a = test::Beliebig(
        200, 5000, {{0, 20}, {1000, 20}, {1000, 1e-9}, {4000, 1e-9}, {4000, 20}, {5000, 20}});
    const double R = a.cBelastungDesign.Resultierende();
    const TKDornErgebnis& erg = Anordnen(a, 100, p);
    EXPECT_DOUBLE_EQ(erg.TFSdIst, double(R / MaxDornAnzahl + 0.0001L));
    EXPECT_GT(erg.MaxAbstand(), 1000);
    EXPECT_EQ(erg.Abstaende().size(), a.cErgebnisse.TAnzDorn(Typ) + 1u);
}

TEST(Anordnung, AnUnloadedStretchInsideStopsGrowingAtOnce) {
    // 1000 mm unloaded inside, limit 1000 mm: the first count stays.
    test::PlattformDouble p;
    TKAnwendung a =
        test::Beliebig(200, 5000, {{0, 5}, {50, 5}, {50, 0}, {1050, 0}, {1050, 5}, {5000, 5}});
    const TKDornErgebnis& erg = Anordnen(a, 100, p);
    EXPECT_EQ(a.cErgebnisse.TAnzDorn(Typ), 1);
    EXPECT_DOUBLE_EQ(erg.TFSdIst, double(20.0L / 1 + 0.0001L));
}

TEST(Anordnung, AHopelessLoadLineStopsGrowingAtOnce) {
    // Unloaded last 2000 mm with a limit of 1000 mm.
    test::PlattformDouble p;
    TKAnwendung a = test::Beliebig(200, 5000, {{0, 20}, {3000, 20}, {3000, 0}, {5000, 0}});
    const TKDornErgebnis& erg = Anordnen(a, 100, p);
    EXPECT_EQ(a.cErgebnisse.TAnzDorn(Typ), 1);
    EXPECT_DOUBLE_EQ(erg.TFSdIst, 60.0001);
}

TEST(Anordnung, WithoutALoadLineOneConnectorSitsInTheMiddle) {
    test::PlattformDouble p;
    TKAnwendung a = test::Beliebig(450, 4000, {{0, 20}});
    bool brauchbar = true;
    const TKDornErgebnis& erg = Anordnen(a, 100, p, &brauchbar);
    EXPECT_FALSE(brauchbar);
    EXPECT_EQ(a.cErgebnisse.TAnzDorn(Typ), 1);
    ErwarteAbstaende(erg, {2000, 2000}, 0);
    EXPECT_EQ(erg.TIstMinAchs, 4000);
    EXPECT_EQ(erg.TFSdIst, 0);

    // A row with a point load carries the point load.
    TKAnwendung punkt = test::Reihe(450, 4000, 0);
    punkt.cBelastungDesign.TBelastungsfall = Belastungsfall::Punktlast;
    punkt.cBelastungDesign.cPunktlast.SetFdDirekt(33);
    EXPECT_EQ(Anordnen(punkt, 100, p, &brauchbar).TFSdIst, 33);
    EXPECT_FALSE(brauchbar);

    // No capacity to count with.
    TKAnwendung ohne = test::Reihe(450, 4000, 20);
    EXPECT_EQ(Anordnen(ohne, 0, p, &brauchbar).TFSdIst, 80);
    EXPECT_FALSE(brauchbar);
    // A load line with a negative resultant has no share to walk with.
    TKAnwendung negativ = test::Beliebig(450, 4000, {{0, -20}, {4000, -20}}, 0);
    EXPECT_EQ(Anordnen(negativ, 100, p, &brauchbar).TFSdIst, -80);
    EXPECT_FALSE(brauchbar);
    EXPECT_TRUE(p.meldungen.empty());
}

TEST(Anordnung, SingleConnectorBetweenTheMemberEdges) {
    test::PlattformDouble p;
    TKAnwendung a = test::Einzel(450, 77, 300, 500);
    a.cGeometrie.TRandRechts = 0;
    a.cErgebnisse.cGeometrie = a.cGeometrie;
    TKDornErgebnis& erg = a.cErgebnisse.DornErgebnis(Typ);
    erg.TZulMinRand = 150;
    erg.TIstMinAchs = 1234; // left over from an earlier run
    Meldeweg meldeweg{p};
    Laufspeicher laeufe;
    DornAnordnung(a, Typ, meldeweg, laeufe);
    EXPECT_EQ(erg.TAbstandLinks, 300);
    EXPECT_EQ(erg.TAbstandRechts, 150);
    ErwarteAbstaende(erg, {300, 500}, 0);
    EXPECT_EQ(erg.Tby, 600);
    EXPECT_EQ(a.cErgebnisse.TAnzDorn(Typ), 1);
    EXPECT_EQ(erg.TFSdIst, 77);
    EXPECT_EQ(erg.TIstMinAchs, 360); // the type's default spacing
}

TEST(Anordnung, ThePositionsLoadingIsUnchanged) {
    test::PlattformDouble p;
    for (std::uint8_t fall : {1, 2, 3}) {
        TKAnwendung a = test::Reihe(450, 5000, 12);
        a.cBelastungDesign.TBelastungsfall = fall;
        a.cBelastungDesign.ClearPunkte();
        a.cBelastungDesign.AddPunkt(0, 3);
        a.cBelastungDesign.AddPunkt(2500, 7);
        a.cBelastungDesign.AddPunkt(5000, 3);
        Anordnen(a, 30, p);
        const TKBelastung& b = a.cBelastungDesign;
        ASSERT_EQ(b.PunktCount(), 3);
        EXPECT_EQ(b.GetPunkt(1).x, 2500);
        EXPECT_EQ(b.GetPunkt(1).y, 7);
        EXPECT_EQ(b.TLastLaenge(), 5000);
        EXPECT_DOUBLE_EQ(b.Resultierende(), 25);
    }
}

TEST(Anordnung, TheRowReloadsTheCatalogueRecord) {
    test::PlattformDouble p;
    TKAnwendung a = test::Reihe(450, 5000, 20);
    a.cErgebnisse.DornDaten(Typ).AnzD = 40;
    Anordnen(a, 30, p);
    EXPECT_EQ(a.cErgebnisse.DornDaten(Typ).AnzD, TabelleB(Typ).nD);
}

} // namespace
} // namespace vsk
