#include "model/Modell.h"

#include "shell/Einstellungen.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vsk {
namespace {

namespace fs = std::filesystem;

void Schreibe(const fs::path& p, const std::string& text) {
    std::ofstream aus(p, std::ios::binary);
    aus << text;
}

std::string Inhalt(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    std::stringstream s;
    s << ein.rdbuf();
    return s.str();
}

TEST(TKAnwendung, WithoutSettingsItTakesTheBuiltInDefaults) {
    TKAnwendung a;
    EXPECT_EQ(a.TPosition, "Unnamed");
    EXPECT_EQ(a.TAktLand, 0);
    EXPECT_EQ(a.TAnwendungsfall, Anwendungsfall::ReihePlatte);
    EXPECT_EQ(a.TBewehrungCalc, 0);
    EXPECT_EQ(a.TMaxDornabstand, 1);
    EXPECT_EQ(a.TBetonguete, 3);
    EXPECT_EQ(a.TStahlguete, 0);
    EXPECT_EQ(a.TGammaMs, 1.05);
    EXPECT_EQ(a.cBelastungDesign.cPunktlast.Tgg(), 1.35);
    EXPECT_EQ(a.cBelastungDesign.cLinienLastRechts.Tgq(), 1.5);
    EXPECT_EQ(a.cErgebnisse.TAktDorn, 6);
}

TEST(TKAnwendung, MissingSettingsFileGivesTheBuiltInDefaults) {
    test::TempDir dir;
    Einstellungen ini(dir / "VSK.INI", '.');
    TKAnwendung a(ini);
    EXPECT_EQ(a.TAktLand, 0);
    EXPECT_EQ(a.TMaxDornabstand, 1);
    EXPECT_EQ(a.TStahlguete, 0);
    EXPECT_EQ(a.TGammaMs, 1.05);
    EXPECT_EQ(a.cBelastungDesign.cPunktlast.Tgg(), 1.35);
    EXPECT_EQ(a.cBelastungDesign.cLinienLastLinks.Tgq(), 1.5);
    EXPECT_FALSE(fs::exists(dir / "VSK.INI"));
}

TEST(TKAnwendung, ReadsItsDefaultsFromTheSettings) {
    test::TempDir dir;
    Schreibe(dir / "VSK.INI", "[Anwenderdaten]\nLand=3\nBemessung=0\nStahlguete=1\n"
                              "GammaMs=1,1\nPunktlast_Tgg=1,5\nPunktlast_Tgq=1,6\n"
                              "LinienlastLinks_Tgg=1,2\nLinienlastLinks_Tgq=1,3\n"
                              "LinienlastRechts_Tgg=1,4\nLinienlastRechts_Tgq=abc\n");
    Einstellungen ini(dir / "VSK.INI", ',');
    TKAnwendung a(ini);
    EXPECT_EQ(a.TAktLand, 3);
    EXPECT_EQ(a.TMaxDornabstand, 0);
    EXPECT_EQ(a.TStahlguete, 1);
    EXPECT_EQ(a.TGammaMs, 1.1);
    const TKBelastung& b = a.cBelastungDesign;
    EXPECT_EQ(b.cPunktlast.Tgg(), 1.5);
    EXPECT_EQ(b.cPunktlast.Tgq(), 1.6);
    EXPECT_EQ(b.cLinienLastLinks.Tgg(), 1.2);
    EXPECT_EQ(b.cLinienLastLinks.Tgq(), 1.3);
    EXPECT_EQ(b.cLinienLastRechts.Tgg(), 1.4);
    EXPECT_EQ(b.cLinienLastRechts.Tgq(), 1.5); // unreadable value
    EXPECT_EQ(b.cPunktlast.TFd(), 0);
}

TEST(TKAnwendung, SelectionsFromTheSettingsStayInTheirTables) {
    test::TempDir dir;
    Schreibe(dir / "VSK.INI", "[Anwenderdaten]\nLand=-4\nBemessung=7\nStahlguete=300\n");
    Einstellungen ini(dir / "VSK.INI", '.');
    TKAnwendung a(ini);
    EXPECT_EQ(a.TAktLand, 0);
    EXPECT_EQ(a.TMaxDornabstand, 1);
    EXPECT_EQ(a.TStahlguete, 1);
}

TEST(TKAnwendung, WritesItsSixFactors) {
    test::TempDir dir;
    Einstellungen ini(dir / "VSK.INI", ',');
    TKAnwendung a;
    a.cBelastungDesign.cPunktlast.setTgg(1.5);
    a.cBelastungDesign.cLinienLastRechts.setTgq(1.25);
    a.SchreibeLastfaktoren(ini);
    EXPECT_EQ(ini.ReadFloat("Anwenderdaten", "Punktlast_Tgg", 0), 1.5);
    EXPECT_EQ(ini.ReadFloat("Anwenderdaten", "Punktlast_Tgq", 0), 1.5);
    EXPECT_EQ(ini.ReadFloat("Anwenderdaten", "LinienlastLinks_Tgg", 0), 1.35);
    EXPECT_EQ(ini.ReadFloat("Anwenderdaten", "LinienlastLinks_Tgq", 0), 1.5);
    EXPECT_EQ(ini.ReadFloat("Anwenderdaten", "LinienlastRechts_Tgg", 0), 1.35);
    EXPECT_EQ(ini.ReadFloat("Anwenderdaten", "LinienlastRechts_Tgq", 0), 1.25);
    EXPECT_NE(Inhalt(dir / "VSK.INI").find("Punktlast_Tgg=1,5"), std::string::npos);
    // The next position starts from them.
    TKAnwendung b(ini);
    EXPECT_EQ(b.cBelastungDesign.cPunktlast.Tgg(), 1.5);
    EXPECT_EQ(b.cBelastungDesign.cLinienLastRechts.Tgq(), 1.25);
}

TEST(TKAnwendung, CopiesAreDeep) {
    TKAnwendung quelle;
    quelle.TPosition = "A";
    quelle.TBetonguete = 1;
    quelle.cBelastungDesign.AddPunkt(100, 5);
    quelle.cGeometrie.TPlatteDicke = 300;
    quelle.cErgebnisse.DornErgebnis(4).Fehler.Add(2);
    quelle.ctmpLast.setTGk(3);
    TKAnwendung kopie(quelle);
    EXPECT_EQ(kopie.TPosition, "A");
    EXPECT_EQ(kopie.TBetonguete, 1);
    EXPECT_EQ(kopie.cBelastungDesign.PunktCount(), 3);
    EXPECT_EQ(kopie.ctmpLast.TGk(), 3);
    kopie.cBelastungDesign.ClearPunkte();
    kopie.cGeometrie.TPlatteDicke = 200;
    kopie.cErgebnisse.DornErgebnis(4).Fehler.Clear();
    kopie.ctmpLast.setTGk(4);
    EXPECT_EQ(quelle.cBelastungDesign.PunktCount(), 3);
    EXPECT_EQ(quelle.cGeometrie.TPlatteDicke, 300);
    EXPECT_EQ(quelle.cErgebnisse.DornErgebnis(4).Fehler.Count(), 1);
    EXPECT_EQ(quelle.ctmpLast.TGk(), 3);
}

TEST(TKModell, ANewModelWithoutSettingsHasTheDefaultState) {
    TKModell m(nullptr, "09.12.2026");
    EXPECT_EQ(m.FileName, "");
    EXPECT_EQ(m.TTempFlag, 1);
    EXPECT_EQ(m.TCalcFlag, 0);
    EXPECT_EQ(m.TAnzAnwendung(), 1);
    EXPECT_EQ(m.TAktAnwendung, 1);
    EXPECT_EQ(m.TEingabeDorn, 6);
    EXPECT_EQ(m.TEingabeFugenbreite, 3);
    EXPECT_EQ(m.TSkizzeAnzeige, SkizzenArt::Keine);
    EXPECT_EQ(m.TErgebnisAnzeige, SkizzenArt::Ansicht);
    EXPECT_EQ(m.AktDornDaten.Typ, 6);
    EXPECT_EQ(m.Projektbeschreibung.TDatum, "09.12.2026");
    EXPECT_TRUE(m.Projektbeschreibung.TFirma.empty());
    EXPECT_EQ(m.Stueckliste.EintragCount(), 0);
    const TKAnwendung& a = m.Anwendung(1);
    EXPECT_EQ(a.TPosition, "1");
    EXPECT_EQ(a.TAktLand, 7); // as with a missing file: IDSprache 2055
    EXPECT_EQ(a.cBelastungDesign.PunktCount(), 2);
    EXPECT_EQ(a.cBelastungDesign.GetPunkt(1).x, 2000);
    EXPECT_EQ(a.cBelastungDesign.TLinienLast, Linienlastform::Gleich);
    EXPECT_EQ(a.cBelastungDesign.Resultierende(), 0);
    m.Verwerfen(); // nothing to write to
}

TEST(TKModell, ProjectDataAndLanguageFromTheSettings) {
    test::TempDir dir;
    Schreibe(dir / "VSK.INI", "[ProjektDaten]\nTBearbeiter=A. Muster\nTFirmaZeilen=2\n"
                              "TFirma1=Firma\nTFirma2=Strasse 1\nTFirma3=zu viel\n"
                              "[Anwenderdaten]\nIDSprache=1036\nLand=2\n");
    Einstellungen ini(dir / "VSK.INI", '.');
    TKModell m(&ini, "heute");
    EXPECT_EQ(m.Projektbeschreibung.TBearbeiter, "A. Muster");
    EXPECT_EQ(m.Projektbeschreibung.TFirma, std::vector<std::string>({"Firma", "Strasse 1"}));
    EXPECT_EQ(m.Anwendung(1).TAktLand, 5);
    // Positions added later take the settings' "Land".
    m.SetAnzAnwendung(2);
    EXPECT_EQ(m.Anwendung(2).TAktLand, 2);

    Schreibe(dir / "VSK.INI", "[ProjektDaten]\nTFirmaZeilen=0\nTFirma1=Firma\n");
    TKModell ohne(&ini, "heute");
    EXPECT_TRUE(ohne.Projektbeschreibung.TFirma.empty());
    EXPECT_EQ(ohne.Anwendung(1).TAktLand, 7);
}

TEST(TKModell, TheLanguageSetsTheCountryOfEveryPosition) {
    TKModell m;
    m.SetAnzAnwendung(3);
    m.SetLandFromSprache(3082);
    for (const TKAnwendung& a : m.Anwendungen()) {
        EXPECT_EQ(a.TAktLand, 1);
    }
    m.SetLandFromSprache(2057);
    EXPECT_EQ(m.Anwendung(3).TAktLand, 0);
    EXPECT_EQ(TKModell::LandVonSprache(1034), 1);
    EXPECT_EQ(TKModell::LandVonSprache(1043), 4);
    EXPECT_EQ(TKModell::LandVonSprache(1040), 6);
    EXPECT_EQ(TKModell::LandVonSprache(2055), 7);
    EXPECT_EQ(TKModell::LandVonSprache(-1), 0);
}

TEST(TKModell, PositionCountGrowsAndShrinksFromTheEnd) {
    TKModell m;
    m.Anwendung(1).TPosition = "Erste";
    m.SetAnzAnwendung(3);
    ASSERT_EQ(m.TAnzAnwendung(), 3);
    EXPECT_EQ(m.Anwendung(1).TPosition, "Erste");
    EXPECT_EQ(m.Anwendung(2).TPosition, "2");
    EXPECT_EQ(m.Anwendung(3).TPosition, "3");
    m.TAktAnwendung = 3;
    m.Anwendung(2).TBetonguete = 0;
    m.SetAnzAnwendung(2);
    EXPECT_EQ(m.TAnzAnwendung(), 2);
    EXPECT_EQ(m.Anwendung(2).TBetonguete, 0);
    EXPECT_EQ(m.TAktAnwendung, 3); // left to the caller
    m.SetAnzAnwendung(0);
    EXPECT_EQ(m.TAnzAnwendung(), 1);
    m.SetAnzAnwendung(-3);
    EXPECT_EQ(m.TAnzAnwendung(), 1);
    EXPECT_EQ(m.Anwendung(1).TPosition, "Erste");
}

TEST(TKModell, PositionNumbersOutsideTheListAreClamped) {
    TKModell m;
    m.SetAnzAnwendung(2);
    EXPECT_EQ(&m.Anwendung(0), &m.Anwendung(1));
    EXPECT_EQ(&m.Anwendung(9), &m.Anwendung(2));
    m.TAktAnwendung = 40;
    EXPECT_EQ(&m.AktuelleAnwendung(), &m.Anwendung(2));
}

TEST(TKModell, CopyPositionIsDeepAndNamedWithItsNumber) {
    TKModell m;
    m.SetAnzAnwendung(2);
    TKAnwendung& eins = m.Anwendung(1);
    eins.TBetonguete = 2;
    eins.cGeometrie.TPlatteDicke = 250;
    eins.cBelastungDesign.cPunktlast.setTGk(10);
    eins.cErgebnisse.setTAnzDorn(5, 3);
    ASSERT_TRUE(m.CopyAnwendung(1, 2));
    TKAnwendung& zwei = m.Anwendung(2);
    EXPECT_EQ(zwei.TPosition, "2");
    EXPECT_EQ(zwei.TBetonguete, 2);
    EXPECT_EQ(zwei.cGeometrie.TPlatteDicke, 250);
    EXPECT_EQ(zwei.cErgebnisse.TAnzDorn(5), 3);
    zwei.cGeometrie.TPlatteDicke = 300;
    zwei.cBelastungDesign.cPunktlast.setTGk(1);
    zwei.cErgebnisse.setTAnzDorn(5, 1);
    EXPECT_EQ(m.Anwendung(1).cGeometrie.TPlatteDicke, 250);
    EXPECT_EQ(m.Anwendung(1).cBelastungDesign.cPunktlast.TGk(), 10);
    EXPECT_EQ(m.Anwendung(1).cErgebnisse.TAnzDorn(5), 3);
    EXPECT_EQ(m.Anwendung(1).TPosition, "1");
    EXPECT_FALSE(m.CopyAnwendung(1, 3));
    EXPECT_FALSE(m.CopyAnwendung(0, 2));
    EXPECT_EQ(m.Anwendung(2).cGeometrie.TPlatteDicke, 300);
}

TEST(TKModell, ModelCopiesAreDeep) {
    TKModell m;
    m.Projektbeschreibung.TFirma = {"a"};
    m.Stueckliste.AddEintrag({"x"});
    TKModell kopie(m);
    kopie.Anwendung(1).cGeometrie.TWandDicke = 1;
    kopie.Projektbeschreibung.TFirma.push_back("b");
    kopie.Stueckliste.GetEintrag(1)[0] = "y";
    kopie.SetAnzAnwendung(2);
    EXPECT_EQ(m.Anwendung(1).cGeometrie.TWandDicke, 400);
    EXPECT_EQ(m.Projektbeschreibung.TFirma.size(), 1u);
    EXPECT_EQ(m.Stueckliste.GetEintrag(1)[0], "x");
    EXPECT_EQ(m.TAnzAnwendung(), 1);
}

TEST(TKModell, DiscardedPositionsWriteTheirFactorsLastFirst) {
    test::TempDir dir;
    Einstellungen ini(dir / "VSK.INI", '.');
    TKModell m(&ini, "");
    m.SetAnzAnwendung(3);
    m.Anwendung(1).cBelastungDesign.cPunktlast.setTgg(1.5);
    m.Anwendung(2).cBelastungDesign.cPunktlast.setTgg(1.2);
    m.Anwendung(3).cBelastungDesign.cPunktlast.setTgg(1.1);
    EXPECT_FALSE(fs::exists(dir / "VSK.INI")); // nothing written while working
    m.SetAnzAnwendung(2);
    EXPECT_EQ(ini.ReadFloat("Anwenderdaten", "Punktlast_Tgg", 0), 1.1);
    // A position added now starts from the factors last written.
    m.SetAnzAnwendung(3);
    EXPECT_EQ(m.Anwendung(3).cBelastungDesign.cPunktlast.Tgg(), 1.1);
    m.Verwerfen();
    EXPECT_EQ(ini.ReadFloat("Anwenderdaten", "Punktlast_Tgg", 0), 1.5);
    TKModell neu(&ini, "");
    EXPECT_EQ(neu.Anwendung(1).cBelastungDesign.cPunktlast.Tgg(), 1.5);
}

TEST(TKModell, ReadOnlySettingsFileLeavesThePositionsInPlace) {
    test::TempDir dir;
    fs::path datei = dir / "VSK.INI";
    Schreibe(datei, "[Anwenderdaten]\nPunktlast_Tgg=1.4\n");
    fs::permissions(datei, fs::perms::owner_read | fs::perms::group_read);
    Einstellungen ini(datei, '.');
    TKModell m(&ini, "");
    EXPECT_EQ(m.Anwendung(1).cBelastungDesign.cPunktlast.Tgg(), 1.4);
    m.SetAnzAnwendung(3); // reading only
    ASSERT_EQ(m.TAnzAnwendung(), 3);
    EXPECT_THROW(m.SetAnzAnwendung(1), SchreibFehler);
    EXPECT_EQ(m.TAnzAnwendung(), 3);
    EXPECT_THROW(m.Verwerfen(), SchreibFehler);
    EXPECT_EQ(Inhalt(datei), "[Anwenderdaten]\nPunktlast_Tgg=1.4\n");
    // Copying between positions never touches the file.
    EXPECT_TRUE(m.CopyAnwendung(1, 2));
}

TEST(TKModell, ReplacingThePositionsForReadingGivesFreshDefaults) {
    TKModell m;
    m.Anwendung(1).TBetonguete = 0;
    m.ErsetzeAnwendungen(3);
    ASSERT_EQ(m.TAnzAnwendung(), 3);
    for (const TKAnwendung& a : m.Anwendungen()) {
        EXPECT_EQ(a.TPosition, "Unnamed");
        EXPECT_EQ(a.TBetonguete, 3);
    }
    m.ErsetzeAnwendungen(0);
    EXPECT_EQ(m.TAnzAnwendung(), 1);
}

} // namespace
} // namespace vsk
