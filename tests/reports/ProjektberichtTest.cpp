#include "reports/Projektbericht.h"
#include "Seitenziele.h"
#include "design/Bemessung.h"
#include "design/Positionen.h"
#include "katalog/Katalog.h"
#include "model/StuecklisteAufnahme.h"
#include "model/Texttabellen.h"
#include "support/PlattformDouble.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vsk::test {
namespace {

int Zaehle(const std::vector<std::string>& texte, const std::string& t) {
    return static_cast<int>(std::count(texte.begin(), texte.end(), t));
}

std::string SeiteVon(int k, int n) {
    return "Page " + std::to_string(k) + " of " + std::to_string(n);
}

// Position 1 calculated, 2 not yet (arbitrary load), 3 too thin to be calculated; the
// schedule holds position 1.
TKModell DreiPositionen(PlattformDouble& p) {
    TKModell m(nullptr, "09.12.2026");
    m.SetAnzAnwendung(3);
    m.Anwendung(1) = Reihe(250, 3000, 40);
    m.Anwendung(1).TPosition = "Slab A";
    RunDesign(m.Anwendung(1), p);
    m.Anwendung(2) = Beliebig(250, 3000, {{0, 30}, {1500, 60}, {3000, 45}});
    m.Anwendung(2).TPosition = "Wall B";
    m.Anwendung(3) = Reihe(100, 3000, 40);
    m.Anwendung(3).TPosition = "Thin C";
    m.TAktAnwendung = 1;
    m.Stueckliste.AddEintrag(AktAnwendungEintrag(m, '.'));
    m.Stueckliste.TBemerkung = {"Deliver in two stages"};
    m.TAktAnwendung = 3;
    return m;
}

struct Lauf {
    PlattformDouble p;
    TKModell projekt = DreiPositionen(p);
    std::optional<Projektbericht> bericht;
    TKTexttabellen texte = ErzeugeTexttabellen();
    TestDrucker drucker;

    Berichtsende Drucke(bool bemessen = true, const Fortschritt& f = {}) {
        bericht = BereiteProjektberichtVor(projekt, p, bemessen);
        Berichtskontext k(bericht->modell, texte, "09.12.2026", '.');
        const Berichtsende ende = ProjektberichtDrucken(drucker, *bericht, k, f);
        EXPECT_EQ(k.rahmen.seiten, 0); // the single print keeps its frame
        return ende;
    }
};

TEST(Projektbericht, UebersichtJedePositionUndListeMitSeitenzahlen) {
    Lauf l;
    ASSERT_EQ(l.Drucke(), Berichtsende::Fertig);
    EXPECT_FALSE(l.drucker.offen);
    EXPECT_TRUE(l.p.meldungen.empty());

    // Summary, 2 pages of the row, 3 of the arbitrary load, 1 schedule page.
    constexpr int n = 1 + 2 + 3 + 1;
    ASSERT_EQ(l.drucker.Seiten(), n);
    for (int s = 0; s < n; ++s) {
        EXPECT_EQ(Zaehle(l.drucker.Texte(s), SeiteVon(s + 1, n)), 1) << "page " << s + 1;
    }
    const auto& z = l.bericht->zeilen;
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[0].ersteSeite, 2);
    EXPECT_EQ(z[1].ersteSeite, 4);
    EXPECT_EQ(z[2].ersteSeite, 0);
    for (int i : {0, 1}) {
        const TKAnwendung& a = l.bericht->modell.Anwendung(i + 1);
        EXPECT_EQ(z[i].typ, a.cErgebnisse.TAktDorn);
        EXPECT_EQ(z[i].anzahl, a.cErgebnisse.TAnzDorn(z[i].typ));
        EXPECT_EQ(z[i].status, DornBrauchbar(a.cErgebnisse.AktDornErgebnis())
                                   ? Positionsstatus::Brauchbar
                                   : Positionsstatus::NichtBrauchbar);
        EXPECT_EQ(
            Zaehle(l.drucker.Texte(z[i].ersteSeite - 1), "Calculation for " + DornName(z[i].typ)),
            1);
    }
    EXPECT_EQ(z[2].status, Positionsstatus::NichtBerechnet);
    ASSERT_FALSE(z[2].hinweise.empty());

    const auto uebersicht = l.drucker.Texte(0);
    EXPECT_EQ(Zaehle(uebersicht, "Wall B"), 1);
    EXPECT_EQ(Zaehle(uebersicht, "not calculated"), 1);
    EXPECT_EQ(Zaehle(uebersicht, z[2].hinweise.front()), 1);
    EXPECT_EQ(Zaehle(uebersicht, "Deliver in two stages"), 1);
    EXPECT_EQ(Zaehle(l.drucker.Texte(n - 1), "Connector Schedule"), 1);

    const std::vector<std::pair<std::string, int>> gliederung{
        {"Summary", 1}, {"1 Slab A", 2}, {"2 Wall B", 4}, {"Connector Schedule", 7}};
    EXPECT_EQ(l.drucker.gliederung, gliederung);

    // The project itself is untouched: position 2 stays not calculated.
    EXPECT_EQ(l.projekt.Anwendung(2).cErgebnisse.TBerechnet, 0);
    EXPECT_EQ(l.projekt.TAktAnwendung, 3);
}

TEST(Projektbericht, EineAbsurdeAuslastungBleibtInIhrerSpalte) {
    Lauf l;
    l.projekt.Anwendung(2) = Einzel(250, 1e7);
    ASSERT_EQ(l.Drucke(), Berichtsende::Fertig);
    ASSERT_GT(l.bericht->zeilen[1].eta, 1000.0); // a fraction: beyond 100000 %
    EXPECT_EQ(Zaehle(l.drucker.Texte(0), "> 99999.9 %"), 1);
}

TEST(Projektbericht, OhneBemessungUndLangeUebersichtUeberMehrereSeiten) {
    Lauf l;
    l.projekt.SetAnzAnwendung(140); // 137 fresh positions, named apart from their numbers
    for (int nummer = 4; nummer <= 140; ++nummer) {
        l.projekt.Anwendung(nummer).TPosition = "Joint";
    }
    l.projekt.Anwendung(1).cErgebnisse.TBerechnet = 0;
    l.projekt.Stueckliste.ClearEintraege();
    ASSERT_EQ(l.Drucke(false), Berichtsende::Fertig);

    // Nothing calculated and nothing designed: summary pages only, no hints.
    const int n = l.drucker.Seiten();
    ASSERT_GT(n, 2);
    for (const Projektzeile& z : l.bericht->zeilen) {
        EXPECT_EQ(z.status, Positionsstatus::NichtBerechnet);
        EXPECT_TRUE(z.hinweise.empty());
        EXPECT_EQ(z.ersteSeite, 0);
    }
    std::vector<std::string> alle;
    for (int s = 0; s < n; ++s) {
        const auto texte = l.drucker.Texte(s);
        EXPECT_EQ(Zaehle(texte, "Connectors"), 1) << "column heads on page " << s + 1;
        EXPECT_EQ(Zaehle(texte, SeiteVon(s + 1, n)), 1);
        alle.insert(alle.end(), texte.begin(), texte.end());
    }
    for (int nummer = 1; nummer <= 140; ++nummer) {
        EXPECT_EQ(Zaehle(alle, std::to_string(nummer)), 1) << "position " << nummer;
    }
}

TEST(Projektbericht, AbbrechenLaesstDasDokumentUnbeendet) {
    Lauf l;
    int aufrufe = 0;
    EXPECT_EQ(l.Drucke(true, [&](int, int) { return ++aufrufe < 1; }), Berichtsende::Abgebrochen);
    EXPECT_TRUE(l.drucker.offen);
    EXPECT_EQ(l.drucker.Seiten(), 3); // the summary and the first position

    PlattformDouble p;
    EXPECT_FALSE(BereiteProjektberichtVor(l.projekt, p, true, [](int, int) { return false; }));
}

} // namespace
} // namespace vsk::test
