// Reading project files: the failure table, damaged and hostile files, values out of
// range, encodings, and the details of the group readers.

#include "model/Modell.h"
#include "model/Projektdatei.h"

#include "ModellText.h"
#include "support/PlattformDouble.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vsk {
namespace {

using test::PlattformDouble;

const std::filesystem::path kDaten = std::filesystem::path(VSK_TEST_DATA) / "projekt";
const std::string kLeseFehler = "Error during opening the data file - unable to read project data";
const std::string kFremd = "The file is not a valid Tervo - VSK File";
const std::string kAlt = "The data file was created with an old version of the programm. The "
                         "import of this data can cause calculation problems, please check all "
                         "data!";

struct Gelesen {
    TKModell modell;
    PlattformDouble plattform;
    Leseergebnis ergebnis;
    bool ok = false;
};

std::unique_ptr<Gelesen> Lade(const std::string& name, char trenner = '.') {
    auto g = std::make_unique<Gelesen>();
    g->plattform.trenner = trenner;
    g->ergebnis = LoadProjekt(g->modell, kDaten / name, g->plattform);
    g->ok = static_cast<bool>(g->ergebnis);
    return g;
}

// The first line of each message shown.
std::vector<std::string> ErsteZeilen(const std::vector<std::string>& meldungen) {
    std::vector<std::string> zeilen;
    for (const std::string& m : meldungen) {
        zeilen.push_back(m.substr(0, m.find('\n')));
    }
    return zeilen;
}

// Line (from 1) of the n-th occurrence (from 0) of a text in a test file.
long ZeileVon(const std::string& name, const std::string& text, int n = 0) {
    std::ifstream datei(kDaten / name, std::ios::binary);
    const std::string inhalt((std::istreambuf_iterator<char>(datei)),
                             std::istreambuf_iterator<char>());
    std::size_t p = inhalt.find(text);
    for (; n > 0 && p != std::string::npos; --n) {
        p = inhalt.find(text, p + 1);
    }
    return p == std::string::npos ? -1 : 1 + std::count(inhalt.begin(), inhalt.begin() + p, '\n');
}

TEST(ProjektLesen, UnreadableFilesReportTheReadError) {
    for (const char* name : {"kein_xml.VSK", "abgebrochen.VSK", "wurzel_ein_kind.VSK", "fehlt.VSK",
                             "entitaeten.VSK"}) {
        auto g = Lade(name);
        EXPECT_FALSE(g->ok) << name;
        EXPECT_EQ(ErsteZeilen(g->plattform.meldungen), std::vector<std::string>{kLeseFehler})
            << name;
        EXPECT_EQ(g->modell.FileName, (kDaten / name).string());
    }
}

TEST(ProjektLesen, ForeignHeaderReadsNothing) {
    for (const char* name : {"fremder_kopf.VSK", "kopf_ohne_name.VSK"}) {
        auto g = Lade(name);
        EXPECT_FALSE(g->ok) << name;
        EXPECT_EQ(ErsteZeilen(g->plattform.meldungen),
                  (std::vector<std::string>{kFremd, kLeseFehler}))
            << name;
        EXPECT_TRUE(test::GleicheFelder(g->modell, TKModell{})) << name;
    }
}

TEST(ProjektLesen, OldVersionWarnsOnceAndReadsOn) {
    auto g = Lade("alte_version.VSK");
    EXPECT_TRUE(g->ok);
    EXPECT_EQ(g->plattform.meldungen, std::vector<std::string>{kAlt});
    EXPECT_EQ(g->modell.TAnzAnwendung(), 3);
    EXPECT_EQ(g->modell.Anwendung(3).TPosition, "multi01-3");
}

TEST(ProjektLesen, ProjectValueNotANumberIsAReadError) {
    auto g = Lade("projektwert_keine_zahl.VSK");
    EXPECT_FALSE(g->ok);
    EXPECT_EQ(ErsteZeilen(g->plattform.meldungen), std::vector<std::string>{kLeseFehler});
}

TEST(ProjektLesen, MissingDescriptionStopsAfterTheProjectValues) {
    auto g = Lade("ohne_projektbeschreibung.VSK");
    EXPECT_FALSE(g->ok);
    EXPECT_EQ(ErsteZeilen(g->plattform.meldungen), std::vector<std::string>{kLeseFehler});
    const TKModell& m = g->modell;
    EXPECT_EQ(m.TAnzAnwendung(), 3);
    EXPECT_EQ(m.TAktAnwendung, 1);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(m.Anwendung(k).TPosition, "Unnamed");
        EXPECT_EQ(m.Anwendung(k).cGeometrie.TFugenlaenge, 2000);
    }
}

TEST(ProjektLesen, MissingWallThicknessStopsInsideTheGeometry) {
    auto g = Lade("ohne_wanddicke.VSK");
    EXPECT_FALSE(g->ok);
    EXPECT_EQ(ErsteZeilen(g->plattform.meldungen), std::vector<std::string>{kLeseFehler});
    const TKAnwendung& a = g->modell.Anwendung(1);
    EXPECT_EQ(a.TPosition, "multi01-1");
    EXPECT_EQ(a.TGammaMs, 1.1);
    EXPECT_EQ(a.cGeometrie.TFugenlaenge, 2600);  // read
    EXPECT_EQ(a.cGeometrie.TPlatteDicke, 208.5); // read, the last before the gap
    EXPECT_EQ(a.cGeometrie.TWandDicke, 400);     // default from here on
    EXPECT_EQ(a.cGeometrie.TBauteilRandLinks, 500);
    TKAnwendung neu;
    EXPECT_EQ(a.ctmpLast.Tgg(), neu.ctmpLast.Tgg());
    EXPECT_EQ(a.cBelastungDesign.TBelastungsfall, neu.cBelastungDesign.TBelastungsfall);
    EXPECT_EQ(a.cErgebnisse.TBerechnet, 0);
    EXPECT_EQ(g->modell.Anwendung(2).TPosition, "Unnamed");
    EXPECT_EQ(g->modell.Anwendung(3).TPosition, "Unnamed");
}

TEST(ProjektLesen, EveryFailureNamesItsPlaceInTheSecondLineOfTheMessage) {
    struct Fall {
        const char* datei;
        Lesegrund grund;
        std::string element;
        long zeile;
    };
    const Fall faelle[] = {
        {"ohne_wanddicke.VSK", Lesegrund::Fehlt, "Projekt/Position_1/cGeometrie/TWandDicke",
         ZeileVon("ohne_wanddicke.VSK", "<cGeometrie>")},
        {"projektwert_keine_zahl.VSK", Lesegrund::Ungueltig, "Projekt/TEingabeDorn",
         ZeileVon("projektwert_keine_zahl.VSK", "<TEingabeDorn>")},
        {"ohne_projektbeschreibung.VSK", Lesegrund::Fehlt, "Projekt/Projektbeschreibung",
         ZeileVon("ohne_projektbeschreibung.VSK", "<Projekt>")},
        {"fremder_kopf.VSK", Lesegrund::Kopf, "Program", ZeileVon("fremder_kopf.VSK", "<Program")},
        {"kein_xml.VSK", Lesegrund::Xml, "", 1},
        {"fehlt.VSK", Lesegrund::Datei, "", 0},
    };
    for (const Fall& f : faelle) {
        auto g = Lade(f.datei);
        ASSERT_TRUE(g->ergebnis.fehler) << f.datei;
        const Lesestelle& stelle = *g->ergebnis.fehler;
        EXPECT_EQ(stelle.grund, f.grund) << f.datei;
        EXPECT_EQ(stelle.element, f.element) << f.datei;
        if (f.grund != Lesegrund::Xml) {
            EXPECT_EQ(stelle.zeile, f.zeile) << f.datei;
        }
        EXPECT_EQ(g->plattform.meldungen.back(), kLeseFehler + "\n" + LesestelleText(stelle))
            << f.datei;
    }
    EXPECT_EQ(LesestelleText(
                  Lesestelle{Lesegrund::Fehlt, "Projekt/Position_1/cGeometrie/TWandDicke", 57}),
              "Element \"Projekt/Position_1/cGeometrie/TWandDicke\" is missing (line 57).");
}

TEST(ProjektLesen, PointsAreSortedStatusdTwoIsKeptAndScheduleEntriesRead) {
    auto g = Lade("einzelheiten.VSK");
    EXPECT_TRUE(g->ok);
    const TKBelastung& b = g->modell.Anwendung(1).cBelastungDesign;
    ASSERT_EQ(b.PunktCount(), 3);
    EXPECT_EQ(b.GetPunkt(0).x, 1000);
    EXPECT_EQ(b.GetPunkt(1).x, 3000);
    EXPECT_EQ(b.GetPunkt(2).x, 20000); // beyond TLastLaenge 11200, not clipped
    EXPECT_EQ(b.TLastLaenge(), 11200);
    EXPECT_EQ(b.Resultierende(), (2000 * 40 / 2 + 17000 * 50 / 2) / 1000.0);
    EXPECT_EQ(g->modell.Anwendung(1).cErgebnisse.DornErgebnis(0).TStatusd, 1);
    const TKStueckliste& s = g->modell.Stueckliste;
    EXPECT_EQ(s.TBemerkung, (std::vector<std::string>{"Bemerkung A", "Bemerkung B"}));
    ASSERT_EQ(s.EintragCount(), 2);
    EXPECT_EQ(s.GetEintrag(1), (std::vector<std::string>{"Slab A", "1", "8", "VSK 7", "8", "Active",
                                                         "2", "", "63.2", "8"}));
    EXPECT_EQ(s.GetEintrag(2), (std::vector<std::string>{"Wall B", "2"}));
}

TEST(ProjektLesen, OutOfRangeIndexesFallBackToTheirDefaults) {
    auto g = Lade("indizes_ausserhalb.VSK");
    EXPECT_TRUE(g->ok);
    const TKModell& m = g->modell;
    EXPECT_EQ(m.TAnzAnwendung(), 3);
    EXPECT_EQ(m.TAktAnwendung, 3); // 99 clamped to the last position
    EXPECT_EQ(m.TEingabeDorn, 6);
    EXPECT_EQ(m.AktDornDaten.Typ, 6);
    EXPECT_EQ(m.TSkizzeAnzeige, SkizzenArt::Keine);
    EXPECT_EQ(m.TErgebnisAnzeige, SkizzenArt::Ansicht);
    const TKAnwendung& a = m.Anwendung(1);
    EXPECT_EQ(a.TMaxDornabstand, 1);
    EXPECT_EQ(a.TBewehrungCalc, 0); // 256 is no selection, not 0 by truncation
    EXPECT_EQ(a.TAnwendungsfall, Anwendungsfall::ReihePlatte);
    EXPECT_EQ(a.TBetonguete, 3);
    EXPECT_EQ(a.TStahlguete, 0);
    EXPECT_EQ(a.cBelastungDesign.TBelastungsfall, Belastungsfall::Konstant);
    EXPECT_EQ(a.cBelastungDesign.TLinienLast, Linienlastform::Gleich);
    EXPECT_EQ(a.cGeometrie.TFugenbreite, 2);
    EXPECT_EQ(a.cErgebnisse.TAktDorn, 6);
    // Reading went on behind the bad values.
    EXPECT_EQ(a.TGammaMs, 1.1);
    EXPECT_EQ(a.cGeometrie.TFugenlaenge, 2600);
    EXPECT_EQ(m.Anwendung(3).TPosition, "multi01-3");
}

TEST(ProjektLesen, PositionCountsOutsideTheFileAreBounded) {
    auto null = Lade("anzahl_null.VSK");
    EXPECT_TRUE(null->ok);
    EXPECT_EQ(null->modell.TAnzAnwendung(), 1);
    EXPECT_EQ(null->modell.Anwendung(1).TPosition, "multi01-1");
    EXPECT_EQ(null->modell.TAktAnwendung, 1);

    // 60000 positions claimed, none present: false, and no 60000 default positions.
    auto viele = Lade("anzahl_60000.VSK");
    EXPECT_FALSE(viele->ok);
    EXPECT_EQ(viele->modell.TAnzAnwendung(), 1);
    EXPECT_EQ(viele->modell.TAktAnwendung, 1);
}

TEST(ProjektLesen, DeclaredSingleByteEncodingsKeepTheirUmlauts) {
    auto iso = Lade("iso8859.VSK");
    EXPECT_TRUE(iso->ok);
    EXPECT_EQ(iso->modell.Projektbeschreibung.TBauvorhaben, "Überbauung Süd, Straße");
    for (const char* name : {"cp1252.VSK", "cp1252_ohne_deklaration.VSK"}) {
        auto w = Lade(name);
        EXPECT_TRUE(w->ok) << name;
        EXPECT_EQ(w->modell.Projektbeschreibung.TBauvorhaben, "Überbauung Süd, Straße – 5 €")
            << name;
    }
}

TEST(ProjektLesen, DecimalCommaFileOpensUnderEitherSetting) {
    auto punkt = Lade("referenz_einzeln.VSK");
    for (char trenner : {'.', ','}) {
        auto komma = Lade("komma.VSK", trenner);
        EXPECT_TRUE(komma->ok);
        EXPECT_TRUE(test::GleicheFelder(komma->modell, punkt->modell)) << trenner;
        EXPECT_EQ(komma->modell.Anwendung(1).cBelastungDesign.cLinienLastLinks.TFd(), 205.9);
    }
}

TEST(ProjektLesen, EntitiesAreNeitherFetchedNorExpanded) {
    auto g = Lade("extern.VSK");
    EXPECT_TRUE(g->ok);
    EXPECT_EQ(g->modell.Projektbeschreibung.TBauvorhaben, "AB&ä");
}

} // namespace
} // namespace vsk

namespace vsk {
namespace {

std::string Referenz() {
    std::ifstream datei(kDaten / "referenz_einzeln.VSK", std::ios::binary);
    std::stringstream inhalt;
    inhalt << datei.rdbuf();
    return inhalt.str();
}

std::string Ersetze(std::string text, const std::string& alt, const std::string& neu) {
    auto p = text.find(alt);
    EXPECT_NE(p, std::string::npos) << alt;
    return p == std::string::npos ? text : text.replace(p, alt.size(), neu);
}

TEST(ProjektLesen, ListsWhoseInsertionGrowsWithTheirLengthAreBounded) {
    const std::string punkte = "<TbeliebigeLast_0_x>0</TbeliebigeLast_0_x>";
    auto mitPunkten = [&](int n) {
        std::string viele;
        for (int j = 0; j < n; ++j) {
            const std::string s = std::to_string(j);
            viele += "<TbeliebigeLast_" + s + "_x>" + s + "</TbeliebigeLast_" + s + "_x>";
            viele += "<TbeliebigeLast_" + s + "_y>1</TbeliebigeLast_" + s + "_y>";
        }
        std::string t = Ersetze(Referenz(), "<TbeliebigeLast_1_x>2000</TbeliebigeLast_1_x>", "");
        t = Ersetze(t, "<TbeliebigeLast_1_y>0</TbeliebigeLast_1_y>", "");
        t = Ersetze(t, "<TbeliebigeLast_0_y>0</TbeliebigeLast_0_y>", "");
        return Ersetze(t, punkte, viele);
    };
    PlattformDouble p;
    TKModell grenze;
    EXPECT_TRUE(LoadProjektText(grenze, mitPunkten(2000), p));
    EXPECT_EQ(grenze.Anwendung(1).cBelastungDesign.PunktCount(), 2000);
    TKModell zuviel;
    EXPECT_FALSE(LoadProjektText(zuviel, mitPunkten(2001), p));

    std::string codes;
    for (int k = 1; k <= 1001; ++k) {
        codes += "<TMeldungen_" + std::to_string(k) + ">" + std::to_string(k % 7) +
                 "</TMeldungen_" + std::to_string(k) + ">";
    }
    TKModell meldungen;
    const Leseergebnis e = LoadProjektText(
        meldungen, Ersetze(Referenz(), "<Fehler/>", "<Fehler>" + codes + "</Fehler>"), p);
    ASSERT_TRUE(e.fehler);
    EXPECT_EQ(e.fehler->grund, Lesegrund::Grenze);
    EXPECT_EQ(e.fehler->element, "Projekt/Position_1/cErgebnisse/cDornErgebnis_VSK_001/Fehler");
}

TEST(ProjektLesen, HostileFilesAreRefusedAtTheFirstElementBeyondABound) {
    const auto mitGruppe = [](const std::string& inhalt) {
        return Ersetze(Referenz(), "<TDornAbstand>", "<TDornAbstand>" + inhalt);
    };
    std::string attribute = "<Program";
    for (int i = 0; i < 100000; ++i) {
        attribute += " a" + std::to_string(i) + "=\"1\"";
    }
    std::string namen;
    std::string abstaende;
    for (int i = 0; i < 1000000; ++i) {
        const std::string n = std::to_string(i);
        namen += "<n" + n + "/>";
        abstaende += "<A_" + n + ">1</A_" + n + ">";
    }
    std::string tief;
    for (int i = 0; i < 40; ++i) {
        tief += "<t>";
    }
    const std::string faelle[] = {
        Ersetze(Referenz(), "<Program", attribute),
        mitGruppe(namen),
        mitGruppe(abstaende),
        mitGruppe(tief),
        mitGruppe("<" + std::string(300, 'x') + "/>"),
    };
    for (const std::string& text : faelle) {
        PlattformDouble p;
        TKModell m;
        const Leseergebnis e = LoadProjektText(m, text, p);
        ASSERT_TRUE(e.fehler);
        EXPECT_EQ(e.fehler->grund, Lesegrund::Grenze) << e.fehler->element;
        EXPECT_GT(e.fehler->zeile, 1);
        // The place names its groups, the last ones of a file nested too deep.
        if (&text == &faelle[3]) {
            EXPECT_EQ(e.fehler->element, ".../t/t/t/t/t/t");
        } else if (&text != &faelle[0]) {
            EXPECT_NE(e.fehler->element.find("/TDornAbstand/"), std::string::npos)
                << e.fehler->element;
        }
    }
    // Spacings within the bound of the parser but beyond what a row can have.
    std::string zuviele;
    for (int i = 0; i <= 10000; ++i) {
        zuviele += "<A_" + std::to_string(i) + ">1</A_" + std::to_string(i) + ">";
    }
    PlattformDouble p;
    TKModell m;
    const Leseergebnis e = LoadProjektText(m, mitGruppe(zuviele), p);
    ASSERT_TRUE(e.fehler);
    EXPECT_EQ(e.fehler->grund, Lesegrund::Grenze);

    // A count beyond its field is no count this program wrote, not one to take modulo 65536.
    for (const char* anzahl : {"1000000", "-3"}) {
        TKModell n;
        const Leseergebnis f =
            LoadProjektText(n,
                            Ersetze(Referenz(), "<TAnzDorn_VSK_001>1<",
                                    std::string("<TAnzDorn_VSK_001>") + anzahl + "<"),
                            p);
        ASSERT_TRUE(f.fehler) << anzahl;
        EXPECT_EQ(f.fehler->grund, Lesegrund::Ungueltig);
        EXPECT_NE(f.fehler->element.find("TAnzDorn_VSK_001"), std::string::npos);
    }
}

TEST(ProjektLesen, MessageCodesKeepTheirOrderWithoutDuplicates) {
    PlattformDouble p;
    TKModell m;
    const std::string liste = "<Fehler><TMeldungen_2>5</TMeldungen_2><TMeldungen_1>3</TMeldungen_1>"
                              "<TMeldungen_3>3</TMeldungen_3></Fehler>";
    ASSERT_TRUE(LoadProjektText(m, Ersetze(Referenz(), "<Fehler/>", liste), p));
    EXPECT_EQ(m.Anwendung(1).cErgebnisse.DornErgebnis(0).Fehler.Codes(),
              (std::vector<std::uint16_t>{3, 5}));
    TKModell kaputt;
    EXPECT_FALSE(LoadProjektText(
        kaputt, Ersetze(Referenz(), "<Fehler/>", "<Fehler><TMeldungen_1>x</TMeldungen_1></Fehler>"),
        p));
}

} // namespace
} // namespace vsk
