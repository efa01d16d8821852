// Each type's designed reinforcement survives Save and Open; files without it (older
// versions, other programs) are read as before and get the reinforcement of a fresh design.

#include "design/ProjektOeffnen.h"
#include "design/Bemessung.h"
#include "model/Modell.h"
#include "model/Projektdatei.h"

#include "Positionen.h"
#include "model/ModellText.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

namespace vsk {
namespace {

using test::PlattformDouble;
using test::TempDir;

// A designed project of three positions; in the second the user fitted the bars of the
// selected type by hand.
TKModell Entworfen(PlattformDouble& p) {
    TKModell m;
    m.SetAnzAnwendung(3);
    m.Anwendung(1) = test::Reihe(300, 3000, 120);
    m.Anwendung(2) = test::Einzel(250, 60);
    m.Anwendung(3) = test::Beliebig(350, 4000, {{0, 80}, {1500, 200}, {4000, 40}});
    for (int k = 1; k <= 3; ++k) {
        RunDesign(m.Anwendung(k), p);
    }
    TKErgebnisse& e = m.Anwendung(2).cErgebnisse;
    TKVSKBemessung bemessung(p);
    TKDornDaten& d = e.AktDornDaten();
    d.AnzB += 2;
    d.DurchmD = 20;
    bemessung.BewehrungsbreitenBerechnen(m.Anwendung(2), e.TAktDorn);
    bemessung.NachweisDorn(m.Anwendung(2), e.TAktDorn);
    return m;
}

std::string Inhalt(const std::filesystem::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

TEST(ProjektOeffnen, DesignedAndHandFittedReinforcementComesBackInEveryField) {
    PlattformDouble p;
    TempDir dir;
    TKModell original = Entworfen(p);
    ASSERT_TRUE(SaveProjekt(original, dir / "p.VSK", p));
    TKModell gelesen;
    const Leseergebnis e = OeffneProjektdatei(gelesen, dir / "p.VSK", p);
    ASSERT_TRUE(e);
    EXPECT_TRUE(e.ohneBewehrungsdaten.empty());
    EXPECT_TRUE(test::GleicheFelder(gelesen, original));
}

TEST(ProjektOeffnen, FilesWithoutReinforcementReadAsBeforeAndGetAFreshDesign) {
    PlattformDouble p;
    TempDir dir;
    TKModell original = Entworfen(p);
    ASSERT_TRUE(SaveProjekt(original, dir / "p.VSK", p));
    // The file as a reader of the plain format sees it: the added groups left out.
    const std::string ohne =
        std::regex_replace(Inhalt(dir / "p.VSK"),
                           std::regex(R"(\s*<cDornDaten_(VSK\w*)>[\s\S]*?</cDornDaten_\1>)"), "");
    ASSERT_EQ(ohne.find("cDornDaten_"), std::string::npos);

    TKModell schlicht;
    const Leseergebnis e = LoadProjektText(schlicht, ohne, p);
    ASSERT_TRUE(e);
    EXPECT_EQ(e.ohneBewehrungsdaten, (std::vector<std::uint16_t>{1, 2, 3}));
    // Every stored result is the same; only the records are the catalogue's.
    for (int k = 1; k <= 3; ++k) {
        for (int typ = 0; typ < AnzDornTypen; ++typ) {
            schlicht.Anwendung(k).cErgebnisse.DornDaten(typ) =
                original.Anwendung(k).cErgebnisse.DornDaten(typ);
        }
    }
    EXPECT_TRUE(test::GleicheFelder(schlicht, original));

    std::ofstream(dir / "ohne.VSK", std::ios::binary) << ohne;
    TKModell geoeffnet;
    ASSERT_TRUE(OeffneProjektdatei(geoeffnet, dir / "ohne.VSK", p));
    // The hand fit is not in such a file: that position shows the bars of a fresh design.
    TKModell frisch = original;
    TKAnwendung neu = original.Anwendung(2);
    RunDesign(neu, p);
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        frisch.Anwendung(2).cErgebnisse.DornDaten(typ) = neu.cErgebnisse.DornDaten(typ);
    }
    EXPECT_TRUE(test::GleicheFelder(geoeffnet, frisch));
}

TEST(ProjektOeffnen, ABrokenReinforcementRecordIsAReadErrorWithItsPlace) {
    PlattformDouble p;
    TempDir dir;
    TKModell original = Entworfen(p);
    ASSERT_TRUE(SaveProjekt(original, dir / "p.VSK", p));
    std::string text = Inhalt(dir / "p.VSK");
    const std::size_t stelle = text.find("<AnzB>", text.find("<cDornDaten_VSK_003>"));
    text.replace(stelle, text.find("</AnzB>", stelle) - stelle, "<AnzB>-4");
    TKModell m;
    const Leseergebnis e = LoadProjektText(m, text, p);
    ASSERT_TRUE(e.fehler);
    EXPECT_EQ(e.fehler->grund, Lesegrund::Ungueltig);
    EXPECT_EQ(e.fehler->element, "Projekt/Position_1/cErgebnisse/cDornDaten_VSK_003/AnzB");
}

} // namespace
} // namespace vsk
