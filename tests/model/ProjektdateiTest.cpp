// Saving and loading whole projects: round trips, the written form, separators and the
// safety of saving.

#include "model/Projektdatei.h"
#include "model/Modell.h"
#include "model/ProjektSchreiben.h"
#include "model/XmlGrenzen.h"

#include "ModellText.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"
#include "support/VollesModell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vsk {
namespace {

using test::ModellText;
using test::PlattformDouble;
using test::TempDir;

std::string LeseAlles(const std::filesystem::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    std::stringstream inhalt;
    inhalt << datei.rdbuf();
    return inhalt.str();
}

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::istringstream ein(text);
    for (std::string z; std::getline(ein, z);) {
        zeilen.push_back(z);
    }
    return zeilen;
}

const std::filesystem::path kDaten = std::filesystem::path(VSK_TEST_DATA) / "projekt";

TEST(Projektdatei, FullModelComesBackInEveryField) {
    for (char trenner : {'.', ','}) {
        TempDir dir;
        PlattformDouble p;
        p.trenner = trenner;
        TKModell original = test::VollesModell(4);
        ASSERT_TRUE(SaveProjekt(original, dir / "voll.VSK", p));
        TKModell gelesen;
        ASSERT_TRUE(LoadProjekt(gelesen, dir / "voll.VSK", p));
        EXPECT_TRUE(test::GleicheFelder(gelesen, original)) << trenner;
        for (int k = 1; k <= 4; ++k) {
            double soll = original.Anwendung(k).cBelastungDesign.Resultierende();
            EXPECT_NEAR(gelesen.Anwendung(k).cBelastungDesign.Resultierende(), soll,
                        1e-12 * std::abs(soll));
        }
        EXPECT_EQ(gelesen.FileName, (dir / "voll.VSK").string());
        EXPECT_EQ(gelesen.AktDornDaten.Typ, 12);
        EXPECT_TRUE(p.meldungen.empty());
    }
}

TEST(Projektdatei, NewModelComesBackWithDefaultPointsAndSpacings) {
    TempDir dir;
    PlattformDouble p;
    TKModell neu;
    ASSERT_TRUE(SaveProjekt(neu, dir / "neu.VSK", p));
    TKModell gelesen;
    gelesen.SetAnzAnwendung(3); // reading replaces whatever positions there were
    ASSERT_TRUE(LoadProjekt(gelesen, dir / "neu.VSK", p));
    EXPECT_TRUE(test::GleicheFelder(gelesen, neu));
    EXPECT_EQ(gelesen.Anwendung(1).cBelastungDesign.PunktCount(), 2);
    EXPECT_EQ(gelesen.Anwendung(1).cErgebnisse.DornErgebnis(6).AbstandCount(), 1);
}

TEST(Projektdatei, ReferenceFilesReadAndWriteBackUnchanged) {
    // Files written by another implementation of the format: reading and writing them
    // again must reproduce them line for line (apart from the path in the header); the
    // designed reinforcement this program adds to each position's results comes after
    // everything such a reader knows.
    for (const char* name : {"referenz_mehrere.VSK", "referenz_beliebig.VSK"}) {
        TempDir dir;
        PlattformDouble p;
        TKModell m;
        ASSERT_TRUE(LoadProjekt(m, kDaten / name, p)) << name;
        ASSERT_TRUE(SaveProjekt(m, dir / name, p));
        auto original = Zeilen(LeseAlles(kDaten / name));
        std::vector<std::string> neu;
        bool hinzugefuegt = false;
        for (const std::string& z : Zeilen(LeseAlles(dir / name))) {
            hinzugefuegt = hinzugefuegt || z.find("<cDornDaten_") != std::string::npos;
            if (!hinzugefuegt) {
                neu.push_back(z);
            }
            hinzugefuegt = hinzugefuegt && z.find("</cDornDaten_") == std::string::npos;
        }
        ASSERT_EQ(neu.size(), original.size()) << name;
        for (std::size_t i = 0; i < neu.size(); ++i) {
            if (original[i].find("<Program ") != std::string::npos) {
                continue;
            }
            EXPECT_EQ(neu[i], original[i]) << name << " line " << i + 1;
        }
    }
}

TEST(Projektdatei, WrittenFormHasHeaderIndentationAndNumberForms) {
    TempDir dir;
    PlattformDouble p;
    TKModell m;
    m.EingabeGeometrie.TNutzhoehe = 0.1;
    m.EingabeGeometrie.TBetondeckungOben = 0.000001;
    m.EingabeGeometrie.TBetondeckungUnten = 0;
    ASSERT_TRUE(SaveProjekt(m, dir / "f.VSK", p));
    auto z = Zeilen(LeseAlles(dir / "f.VSK"));
    ASSERT_GT(z.size(), 30u);
    EXPECT_EQ(z[0], "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    EXPECT_EQ(z[1], "<VSK_2.0>");
    EXPECT_EQ(z[2], "  <Copyright>Copyright (c) Tervo</Copyright>");
    EXPECT_EQ(z[3], "  <Program Name=\"Tervo - VSK / VSKQ Shear Connector\" Version=\"VSK - 2.0\" "
                    "FileName=\"" +
                        (dir / "f.VSK").string() + "\"/>");
    EXPECT_EQ(z[4], "  <Projekt>");
    EXPECT_EQ(z[5], "    <TTempFlag>1</TTempFlag>");
    EXPECT_EQ(z.back(), "</VSK_2.0>");
    const std::string text = LeseAlles(dir / "f.VSK");
    EXPECT_NE(text.find("      <TFugenbreite>2</TFugenbreite>\n"
                        "      <TNutzhoehe>0.1</TNutzhoehe>\n"
                        "      <TFugenlaenge>2000</TFugenlaenge>\n"
                        "      <TBetondeckungUnten>0</TBetondeckungUnten>\n"
                        "      <TBetondeckungOben>1E-6</TBetondeckungOben>\n"),
              std::string::npos);
    EXPECT_NE(text.find("<TFirma/>"), std::string::npos);
}

TEST(Projektdatei, TextWrittenDirectlyEqualsTheWrittenTree) {
    // Saving writes the text without the tree; it must be the tree's text letter for
    // letter, escapes, replaced characters and empty elements included.
    TKModell voll = test::VollesModell(3);
    voll.Anwendung(1).TPosition = "\x01 Steuer\xFF & <\"Ende\"> \r\n\t\xF0\x9F\x98\x80 ]]>";
    voll.Stueckliste.AddEintrag({"", "ä", "\r"});
    TKModell leer;
    for (const TKModell* m : {&voll, &leer}) {
        for (char trenner : {'.', ','}) {
            const std::string name = "C:\\Büro\\\"Neu\" & <alt>\t\n.VSK";
            const std::optional<std::string> baum =
                xml::Schreibe(BaueProjektDokument(*m, name, trenner).get());
            ASSERT_TRUE(baum);
            EXPECT_EQ(ProjektText(*m, name, trenner), *baum);
        }
    }
}

TEST(Projektdatei, FileWrittenWithCommaOpensWithPointAndViceVersa) {
    TempDir dir;
    TKModell original = test::VollesModell(2);
    PlattformDouble komma;
    komma.trenner = ',';
    ASSERT_TRUE(SaveProjekt(original, dir / "komma.VSK", komma));
    EXPECT_NE(LeseAlles(dir / "komma.VSK").find("<TGammaMs>1,4142857142857"), std::string::npos);
    PlattformDouble punkt;
    TKModell gelesen;
    ASSERT_TRUE(LoadProjekt(gelesen, dir / "komma.VSK", punkt));
    EXPECT_TRUE(test::GleicheFelder(gelesen, original));

    ASSERT_TRUE(SaveProjekt(original, dir / "punkt.VSK", punkt));
    TKModell zurueck;
    ASSERT_TRUE(LoadProjekt(zurueck, dir / "punkt.VSK", komma));
    EXPECT_TRUE(test::GleicheFelder(zurueck, original));
}

TEST(Projektdatei, ValuesThatAreNotFiniteStillOpen) {
    TempDir dir;
    TKModell original = test::VollesModell(1);
    original.Anwendung(1).TGammaMs = std::numeric_limits<double>::infinity();
    original.Anwendung(1).cGeometrie.TWandDicke = -std::numeric_limits<double>::infinity();
    original.Anwendung(1).cGeometrie.TNutzhoehe = std::numeric_limits<double>::quiet_NaN();
    PlattformDouble p;
    ASSERT_TRUE(SaveProjekt(original, dir / "x.VSK", p));
    TKModell gelesen;
    ASSERT_TRUE(LoadProjekt(gelesen, dir / "x.VSK", p));
    EXPECT_EQ(gelesen.Anwendung(1).TGammaMs, std::numeric_limits<double>::infinity());
    EXPECT_EQ(gelesen.Anwendung(1).cGeometrie.TWandDicke, -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(gelesen.Anwendung(1).cGeometrie.TNutzhoehe));
}

TEST(Projektdatei, SavingChangesOnlyTheFileName) {
    TempDir dir;
    PlattformDouble p;
    TKModell m = test::VollesModell(2);
    auto vorher = ModellText::Von(m);
    ASSERT_TRUE(SaveProjekt(m, dir / "a.VSK", p));
    EXPECT_EQ(ModellText::Von(m), vorher);
    EXPECT_EQ(m.FileName, (dir / "a.VSK").string());
}

class SpeichernFehlschlag : public ::testing::Test {
protected:
    void SetUp() override {
        PlattformDouble p;
        TKModell alt;
        alt.Projektbeschreibung.TBauvorhaben = "alt";
        ASSERT_TRUE(SaveProjekt(alt, ziel, p));
        altInhalt = LeseAlles(ziel);
    }
    void PruefeFehlschlag(const std::filesystem::path& pfad) {
        PlattformDouble p;
        TKModell neu = test::VollesModell(2);
        EXPECT_FALSE(SaveProjekt(neu, pfad, p));
        ASSERT_EQ(p.meldungen.size(), 1u);
        // The message, then the file and why it could not be written.
        EXPECT_EQ(p.meldungen[0].substr(0, p.meldungen[0].find('\n')),
                  "Error during saving the data - unable to save the project");
        EXPECT_NE(p.meldungen[0].find("\n" + pfad.string() + ": "), std::string::npos);
        EXPECT_EQ(neu.FileName, pfad.string());
        EXPECT_EQ(LeseAlles(ziel), altInhalt);
        // No temporary file is left behind.
        auto eintraege = std::distance(std::filesystem::directory_iterator(dir.pfad()),
                                       std::filesystem::directory_iterator());
        EXPECT_EQ(eintraege, 1);
    }
    static bool IstRoot() { return ::geteuid() == 0; }

    TempDir dir;
    std::filesystem::path ziel = dir / "projekt.VSK";
    std::string altInhalt;
};

TEST_F(SpeichernFehlschlag, FullDiskKeepsOldFileByteForByte) {
    // A file size limit makes writing fail like a full disk, for root as well.
    rlimit alt{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &alt), 0);
    auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit klein = alt;
    klein.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &klein), 0);
    PruefeFehlschlag(ziel);
    ::setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, signal);
}

TEST_F(SpeichernFehlschlag, ReadOnlyDirectoryKeepsOldFile) {
    if (IstRoot()) {
        GTEST_SKIP() << "root may write anywhere";
    }
    ::chmod(dir.pfad().c_str(), 0555);
    PruefeFehlschlag(ziel);
    ::chmod(dir.pfad().c_str(), 0755);
}

TEST_F(SpeichernFehlschlag, ReadOnlyFileIsNotReplaced) {
    // Also for root: the file's own write bits count.
    ::chmod(ziel.c_str(), 0444);
    PruefeFehlschlag(ziel);
}

TEST_F(SpeichernFehlschlag, AProjectTheReaderWouldRefuseIsNotWritten) {
    // More schedule entries than an element of a project file may hold children: such a
    // file could never be opened again.
    PlattformDouble p;
    TKModell gross;
    for (std::size_t k = 0; k < xml::MaxKinderJeElement; ++k) {
        gross.Stueckliste.AddEintrag({});
    }
    EXPECT_FALSE(SaveProjekt(gross, ziel, p));
    EXPECT_EQ(p.meldungen,
              (std::vector<std::string>{TextSpeicherFehler() +
                                        "\nThe project is larger than a project file can hold."}));
    EXPECT_EQ(LeseAlles(ziel), altInhalt);
}

TEST_F(SpeichernFehlschlag, MissingDirectoryDirectoryOrDeviceTargetFail) {
    PruefeFehlschlag(dir / "fehlt" / "x.VSK");
    PruefeFehlschlag(dir.pfad());
    PruefeFehlschlag("/dev/null");
}

TEST(Projektdatei, SavingThroughALinkReplacesTheTargetAndKeepsItsMode) {
    TempDir dir;
    PlattformDouble p;
    TKModell m;
    ASSERT_TRUE(SaveProjekt(m, dir / "echt.VSK", p));
    ::chmod((dir / "echt.VSK").c_str(), 0640);
    std::filesystem::create_symlink(dir / "echt.VSK", dir / "link.VSK");
    m.Projektbeschreibung.TBauvorhaben = "über den Link";
    ASSERT_TRUE(SaveProjekt(m, dir / "link.VSK", p));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.VSK"));
    EXPECT_NE(LeseAlles(dir / "echt.VSK").find("über den Link"), std::string::npos);
    struct stat info {};
    ASSERT_EQ(::stat((dir / "echt.VSK").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

} // namespace
} // namespace vsk
