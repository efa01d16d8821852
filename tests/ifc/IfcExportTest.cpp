#include "ifc/IfcExport.h"

#include "design/Bemessung.h"
#include "design/Positionen.h"
#include "ifc/IfcGuid.h"
#include "ifc/StepSchreiber.h"
#include "model/Modell.h"
#include "shell/Dateischreiber.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace vsk {
namespace {

using ::testing::HasSubstr;

TEST(StepSchreiber, TextsAndRealsInTheFormStepDemands) {
    EXPECT_EQ(StepText("it's a\\b"), "'it''s a\\\\b'");
    // Runs outside printable ASCII share one bracket; a line end is no printable character.
    EXPECT_EQ(StepText("Müße\n"), "'M\\X2\\00FC00DF\\X0\\e\\X2\\000A\\X0\\'");
    EXPECT_EQ(StepText("a\xF0\x9F\x98\x80"
                       "b"),
              "'a\\X4\\0001F600\\X0\\b'");
    // A byte that is no UTF-8 stands for itself (an old code page's letter).
    EXPECT_EQ(StepText("\xFC"), "'\\X2\\00FC\\X0\\'");

    EXPECT_EQ(StepReal(2), "2.");
    EXPECT_EQ(StepReal(-0.5), "-0.5");
    EXPECT_EQ(StepReal(1e-6), "1.E-6");
    EXPECT_EQ(StepReal(1.5e20), "1.5E20");
}

TEST(IfcGuid, TwentyTwoCharactersOfIfcsAlphabetStableForTheSameElement) {
    EXPECT_EQ(IfcGuidText(Wert128{}), std::string(22, '0'));
    Wert128 eins{};
    eins[15] = 1;
    EXPECT_EQ(IfcGuidText(eins), std::string(21, '0') + "1");
    Wert128 voll;
    voll.fill(0xFF);
    EXPECT_EQ(IfcGuidText(voll), "3" + std::string(21, '$'));

    const std::string id = IfcGuid("row.VSK", 1, "connector/3");
    EXPECT_EQ(id, IfcGuid("row.VSK", 1, "connector/3"));
    EXPECT_NE(id, IfcGuid("row.VSK", 2, "connector/3"));
    EXPECT_NE(id, IfcGuid("row.VSK", 1, "connector/4"));
    EXPECT_NE(id, IfcGuid("other.VSK", 1, "connector/3"));
}

// A project of a designed row (position 1) and a designed single connector (position 2).
TKModell BemessenesProjekt() {
    test::PlattformDouble plattform;
    TKModell m;
    m.Projektbeschreibung.TBauvorhaben = "Halle 'Süd'";
    m.SetAnzAnwendung(2);
    m.Anwendung(1) = test::Reihe(250, 3000, 60);
    m.Anwendung(2) = test::Einzel(300, 40);
    for (int k = 1; k <= 2; ++k) {
        RunDesign(m.Anwendung(k), plattform);
    }
    return m;
}

std::string Export(const TKModell& m, const std::vector<int>& positionen) {
    std::ostringstream aus;
    EXPECT_TRUE(SchreibeIfc(aus, m, positionen, {"halle.VSK", "halle.ifc", "2026-12-09T10:00:00"}));
    return aus.str();
}

// The instances of a STEP file by number, checked for the syntax of the clear-text
// encoding on the way: numbered lines "#n=NAME(...);" with balanced parentheses outside
// strings, between the header and the end of the data section.
std::map<int, std::string> Instanzen(const std::string& datei) {
    std::istringstream ein(datei);
    std::string zeile;
    std::getline(ein, zeile);
    EXPECT_EQ(zeile, "ISO-10303-21;");
    while (std::getline(ein, zeile) && zeile != "DATA;") {
    }
    const std::regex form(R"(#(\d+)=([A-Z0-9]+)\((.*)\);)");
    std::map<int, std::string> instanzen;
    while (std::getline(ein, zeile) && zeile != "ENDSEC;") {
        std::smatch m;
        EXPECT_TRUE(std::regex_match(zeile, m, form)) << zeile;
        int tiefe = 0;
        bool inText = false;
        for (char c : m[3].str()) {
            if (c == '\'') {
                inText = !inText; // a doubled quote leaves and enters again
            } else if (!inText) {
                tiefe += c == '(' ? 1 : c == ')' ? -1 : 0;
                EXPECT_GE(tiefe, 0) << zeile;
            }
        }
        EXPECT_EQ(tiefe, 0) << zeile;
        EXPECT_FALSE(inText) << zeile;
        instanzen[std::stoi(m[1])] = m[2].str() + "(" + m[3].str() + ")";
    }
    std::getline(ein, zeile);
    EXPECT_EQ(zeile, "END-ISO-10303-21;");
    return instanzen;
}

TEST(IfcExport, WritesAWellFormedModelWithTheDesignedConnectorsAndBars) {
    const TKModell m = BemessenesProjekt();
    const std::string datei = Export(m, {1, 2});
    EXPECT_THAT(datei, HasSubstr("FILE_SCHEMA(('IFC4'));"));
    const std::map<int, std::string> instanzen = Instanzen(datei);

    // Numbered from 1 without gaps; every reference points at an instance.
    ASSERT_FALSE(instanzen.empty());
    EXPECT_EQ(instanzen.begin()->first, 1);
    EXPECT_EQ(instanzen.rbegin()->first, static_cast<int>(instanzen.size()));
    const std::regex verweis(R"(#(\d+))");
    std::map<std::string, int> anzahl;
    std::set<std::string> ids;
    int mitId = 0;
    for (const auto& [nummer, text] : instanzen) {
        for (std::sregex_iterator it(text.begin(), text.end(), verweis), ende; it != ende; ++it) {
            EXPECT_TRUE(instanzen.count(std::stoi((*it)[1]))) << text;
        }
        ++anzahl[text.substr(0, text.find('('))];
        std::smatch guid;
        if (std::regex_search(text, guid, std::regex(R"(^[A-Z]+\('([0-9A-Za-z_$]{22})',)"))) {
            ids.insert(guid[1]);
            ++mitId;
        }
    }
    EXPECT_EQ(static_cast<int>(ids.size()), mitId) << "a global id used twice";

    int verbinder = 0;
    int staebe = 0;
    for (int k = 1; k <= 2; ++k) {
        const TKErgebnisse& e = m.Anwendung(k).cErgebnisse;
        const TKDornDaten& d = e.DornDaten(e.TAktDorn);
        verbinder += e.TAnzDorn(e.TAktDorn);
        staebe += e.TAnzDorn(e.TAktDorn) * (2 * d.AnzLagen * d.AnzB + d.AnzD);
    }
    EXPECT_EQ(anzahl["IFCMECHANICALFASTENER"], verbinder);
    EXPECT_EQ(anzahl["IFCREINFORCINGBAR"], staebe);
    EXPECT_EQ(anzahl["IFCELEMENTASSEMBLY"], 2);
    EXPECT_EQ(anzahl["IFCPROPERTYSET"], 2);

    // The same project gives the same file; another position set keeps the ids it shares.
    EXPECT_EQ(Export(m, {1, 2}), datei);
    const std::string nurZwei = Export(m, {2});
    EXPECT_THAT(nurZwei, HasSubstr(IfcGuid("halle.VSK", 2, "connector/1")));
    EXPECT_THAT(datei, HasSubstr(IfcGuid("halle.VSK", 2, "connector/1")));
}

TEST(IfcExport, AFileThatCannotBeWrittenIsReportedAndLeavesNothingBehind) {
    const TKModell m = BemessenesProjekt();
    test::TempDir ordner;
    const auto ziel = ordner / "fehlt" / "modell.ifc";
    EXPECT_THROW(SchreibeIfcDatei(ziel, m, {1}, {}), DateiFehler);
    EXPECT_FALSE(std::filesystem::exists(ordner / "fehlt"));

    std::ostringstream kaputt;
    kaputt.setstate(std::ios::badbit);
    EXPECT_FALSE(SchreibeIfc(kaputt, m, {1}, {}));
}

} // namespace
} // namespace vsk
