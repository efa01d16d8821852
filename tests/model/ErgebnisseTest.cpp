#include "model/Ergebnisse.h"

#include <gtest/gtest.h>

#include <vector>

namespace vsk {
namespace {

TEST(TKMeldungen, CodesKeepFirstOrderWithoutDuplicates) {
    TKMeldungen m;
    m.Add(3);
    m.Add(5);
    m.Add(3);
    EXPECT_EQ(m.Codes(), std::vector<std::uint16_t>({3, 5}));
    EXPECT_EQ(m.Count(), 2);
    EXPECT_EQ(m.Code(1), 5);
    EXPECT_EQ(m.Code(2), 0);
    EXPECT_EQ(m.Code(-1), 0);
    m.Clear();
    EXPECT_EQ(m.Count(), 0);
    m.Add(5);
    EXPECT_EQ(m.Code(0), 5);
}

TEST(TKDornErgebnis, FreshResultCarriesTheTypeDefaults) {
    TKDornErgebnis e6(6);
    EXPECT_EQ(e6.Abstaende(), std::vector<double>({360}));
    EXPECT_EQ(e6.TAbstandLinks, 180);
    EXPECT_EQ(e6.TAbstandRechts, 180);
    EXPECT_EQ(e6.TIstMinAchs, 360);
    EXPECT_EQ(e6.TStatus, 0);
    EXPECT_EQ(e6.TStatusd, 1);
    EXPECT_EQ(e6.TAbstandMeldung, 0);
    EXPECT_EQ(e6.Fehler.Count(), 0);
    EXPECT_EQ(e6.Warnungen.Count(), 0);
    EXPECT_EQ(e6.TFRd(), 0);
    EXPECT_EQ(e6.TZulMinAchs, 0);
    TKDornErgebnis e10(10);
    EXPECT_EQ(e10.GetAbstand(0), 180);
    EXPECT_EQ(e10.TAbstandLinks, 90);
    EXPECT_EQ(TKDornErgebnis(0).GetAbstand(0), 160);
    EXPECT_EQ(TKDornErgebnis(9).TAbstandRechts, 325);
}

TEST(TKDornErgebnis, LeastResistanceAfterEachWrite) {
    TKDornErgebnis e(0);
    e.setTFRdStahl(50);
    EXPECT_EQ(e.TFRd(), 0);
    e.setTFRdBeton(40);
    EXPECT_EQ(e.TFRd(), 0);
    e.setTFRdBewehrung(60);
    EXPECT_EQ(e.TFRd(), 40);
    e.setTFRdBeton(70);
    EXPECT_EQ(e.TFRd(), 50);
    e.setTFRd(12.5); // a stored value is kept as it was
    EXPECT_EQ(e.TFRd(), 12.5);
    EXPECT_EQ(e.TFRdStahl(), 50);
}

TEST(TKDornErgebnis, SpacingsKnowTheirMaximum) {
    TKDornErgebnis e(0);
    e.ClearAbstaende();
    EXPECT_EQ(e.MaxAbstand(), 0);
    EXPECT_EQ(e.GetAbstand(0), 0);
    e.AddAbstand(200);
    e.AddAbstand(350);
    e.AddAbstand(300);
    EXPECT_EQ(e.AbstandCount(), 3);
    EXPECT_EQ(e.MaxAbstand(), 350);
    EXPECT_EQ(e.GetAbstand(3), 0);
    EXPECT_EQ(e.GetAbstand(-1), 0);
    EXPECT_EQ(e.GetAbstand(2), 300);
    e.ClearAbstaende();
    e.AddAbstand(-5);
    EXPECT_EQ(e.MaxAbstand(), 0);
}

TEST(TKDornErgebnis, CopiesAreDeep) {
    TKDornErgebnis quelle(6);
    quelle.Fehler.Add(2);
    quelle.setTFRdStahl(9);
    TKDornErgebnis kopie(quelle);
    kopie.AddAbstand(1);
    kopie.Fehler.Add(4);
    kopie.Warnungen.Add(0);
    EXPECT_EQ(quelle.AbstandCount(), 1);
    EXPECT_EQ(quelle.Fehler.Codes(), std::vector<std::uint16_t>({2}));
    EXPECT_EQ(quelle.Warnungen.Count(), 0);
    EXPECT_EQ(kopie.TFRdStahl(), 9);
}

TEST(TKErgebnisse, FreshResultsForEveryType) {
    TKErgebnisse r;
    EXPECT_EQ(r.TAktDorn, 6);
    EXPECT_EQ(DornKennung(r.TAktDorn), "VSK_007");
    EXPECT_EQ(r.TBerechnet, 0);
    for (int i = 0; i < AnzDornTypen; ++i) {
        EXPECT_EQ(r.TAnzDorn(i), 1);
        EXPECT_EQ(r.DornDaten(i).Typ, i);
        EXPECT_EQ(r.DornErgebnis(i).TIstMinAchs, TabelleB(i).es);
    }
    EXPECT_EQ(r.cGeometrie.TPlatteDicke, 450);
    EXPECT_EQ(&r.AktDornErgebnis(), &r.DornErgebnis(6));
}

TEST(TKErgebnisse, SelectDornReloadsOnlyThatEntry) {
    TKErgebnisse r;
    r.DornDaten(3).AnzB = 9;
    r.DornDaten(4).AnzB = 9;
    r.SelectDorn(3);
    EXPECT_EQ(r.TAktDorn, 3);
    EXPECT_EQ(r.DornDaten(3).AnzB, 1);
    EXPECT_EQ(r.DornDaten(4).AnzB, 9);
    r.SelectDorn(77);
    EXPECT_EQ(r.TAktDorn, 18);
}

TEST(TKErgebnisse, TypeIndexesAreClampedNotOverrun) {
    TKErgebnisse r;
    r.setTAnzDorn(25, 4);
    EXPECT_EQ(r.TAnzDorn(18), 4);
    EXPECT_EQ(r.TAnzDorn(-3), 1);
    r.TAktDorn = 200; // as a file could bring it
    EXPECT_EQ(&r.AktDornDaten(), &r.DornDaten(18));
}

TEST(TKErgebnisse, CopiesAreDeep) {
    TKErgebnisse quelle;
    quelle.setTAnzDorn(2, 5);
    quelle.DornErgebnis(2).AddAbstand(100);
    quelle.DornDaten(2).AbstandB.push_back(1);
    quelle.TBerechnet = 1;
    TKErgebnisse kopie(quelle);
    EXPECT_EQ(kopie.TAnzDorn(2), 5);
    EXPECT_EQ(kopie.TBerechnet, 1);
    kopie.setTAnzDorn(2, 6);
    kopie.DornErgebnis(2).ClearAbstaende();
    kopie.DornDaten(2).AbstandB.clear();
    kopie.cGeometrie.TPlatteDicke = 1;
    EXPECT_EQ(quelle.TAnzDorn(2), 5);
    EXPECT_EQ(quelle.DornErgebnis(2).AbstandCount(), 2);
    EXPECT_EQ(quelle.DornDaten(2).AbstandB.size(), 2u);
    EXPECT_EQ(quelle.cGeometrie.TPlatteDicke, 450);
}

} // namespace
} // namespace vsk
