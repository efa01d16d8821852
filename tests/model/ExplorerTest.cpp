// Listing the positions of a file and importing one of them.

#include "model/Explorer.h"
#include "model/Modell.h"
#include "model/Projektdatei.h"

#include "support/PlattformDouble.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

using test::PlattformDouble;

const std::filesystem::path kDaten = std::filesystem::path(VSK_TEST_DATA) / "projekt";

TEST(TKExplorer, ListsOneRowPerPositionAndAppendsOnEachCall) {
    PlattformDouble p;
    TKExplorer explorer;
    const auto& zeilen = explorer.ReadProjektFile(kDaten / "referenz_mehrere.VSK", p);
    ASSERT_EQ(zeilen.size(), 3u);
    using Z = TKExplorer::Zeile;
    EXPECT_EQ(zeilen[0], (Z{"VSK_2.0", "multi01", "multi01-1", "Connector row, slab to slab",
                            "260.0 cm", "09.12.2025"}));
    EXPECT_EQ(zeilen[1][3], "Single shear connector");
    EXPECT_EQ(zeilen[1][4], "200.0 cm");
    EXPECT_EQ(zeilen[2][3], "Connector row, slab to wall");
    EXPECT_EQ(zeilen[2][4], "460.0 cm");
    EXPECT_TRUE(p.meldungen.empty());

    p.trenner = ',';
    explorer.ReadProjektFile(kDaten / "referenz_einzeln.VSK", p);
    ASSERT_EQ(explorer.Zeilen().size(), 4u);
    EXPECT_EQ(explorer.Zeilen()[3][4], "1120,0 cm");
}

TEST(TKExplorer, InvalidAndOldFilesShowTheirMessageOnEveryListing) {
    PlattformDouble p;
    TKExplorer explorer;
    explorer.ReadProjektFile(kDaten / "alte_version.VSK", p);
    explorer.ReadProjektFile(kDaten / "alte_version.VSK", p);
    EXPECT_EQ(explorer.Zeilen().size(), 6u);
    EXPECT_EQ(p.meldungen.size(), 2u);

    PlattformDouble q;
    TKExplorer fremd;
    EXPECT_TRUE(fremd.ReadProjektFile(kDaten / "fremder_kopf.VSK", q).empty());
    EXPECT_EQ(q.meldungen, std::vector<std::string>{"The file is not a valid Tervo - VSK File"});
}

TEST(TKExplorer, ErrorsEndTheListingSilently) {
    PlattformDouble p;
    TKExplorer explorer;
    explorer.ReadProjektFile(kDaten / "referenz_einzeln.VSK", p);
    explorer.ReadProjektFile(kDaten / "kein_xml.VSK", p);
    explorer.ReadProjektFile(kDaten / "projektwert_keine_zahl.VSK", p); // TEingabeDorn only
    EXPECT_EQ(explorer.Zeilen().size(), 4u);
    EXPECT_TRUE(p.meldungen.empty());
}

TEST(TKExplorer, MissingPositionsArePlaceholdersAndAbsurdCountsAreCut) {
    PlattformDouble p;
    TKExplorer explorer;
    explorer.ReadProjektFile(kDaten / "anzahl_60000.VSK", p);
    // The file has eleven project elements and no position: at most eleven rows.
    ASSERT_LE(explorer.Zeilen().size(), 11u);
    ASSERT_FALSE(explorer.Zeilen().empty());
    EXPECT_EQ(explorer.Zeilen()[0][2], "#NV");
    EXPECT_EQ(explorer.Zeilen()[0][3], "Single shear connector");
    EXPECT_EQ(explorer.Zeilen()[0][4], "0.0 cm");
}

TEST(ImportAnwendung, AppendsTheChosenPositionUnderItsOwnName) {
    PlattformDouble p;
    TKModell m;
    m.FileName = "offen.VSK";
    ASSERT_TRUE(ImportAnwendung(m, kDaten / "referenz_mehrere.VSK", 2, p));
    ASSERT_EQ(m.TAnzAnwendung(), 2);
    EXPECT_EQ(m.Anwendung(2).TPosition, "multi01-3");
    EXPECT_EQ(m.Anwendung(2).cGeometrie.TFugenlaenge, 4600);
    EXPECT_EQ(m.Anwendung(1).TPosition, "1");
    EXPECT_EQ(m.FileName, "offen.VSK");
    EXPECT_EQ(m.TAktAnwendung, 1); // the main window selects the new position
    EXPECT_TRUE(p.meldungen.empty());
}

TEST(ImportAnwendung, OldVersionWarnsAndInvalidFilesAddNothing) {
    PlattformDouble p;
    TKModell m;
    EXPECT_TRUE(ImportAnwendung(m, kDaten / "alte_version.VSK", 0, p));
    EXPECT_EQ(p.meldungen.size(), 1u);
    EXPECT_EQ(m.TAnzAnwendung(), 2);

    PlattformDouble q;
    EXPECT_FALSE(ImportAnwendung(m, kDaten / "fremder_kopf.VSK", 0, q));
    EXPECT_FALSE(ImportAnwendung(m, kDaten / "kein_xml.VSK", 0, q));
    const std::string leseFehler =
        "Error during opening the data file - unable to read project data";
    EXPECT_EQ(q.meldungen,
              (std::vector<std::string>{
                  "The file is not a valid Tervo - VSK File",
                  leseFehler + "\nElement \"Program\" in line 4 does not name this program.",
                  leseFehler + "\nThe file is not well-formed XML (line 1)."}));
    EXPECT_EQ(m.TAnzAnwendung(), 2);
}

TEST(ImportAnwendung, PositionThatCannotBeReadLeavesTheProjectAsItWas) {
    PlattformDouble p;
    TKModell m;
    EXPECT_FALSE(ImportAnwendung(m, kDaten / "ohne_wanddicke.VSK", 0, p));
    EXPECT_FALSE(ImportAnwendung(m, kDaten / "referenz_mehrere.VSK", 3, p)); // no Position_4
    EXPECT_FALSE(ImportAnwendung(m, kDaten / "referenz_mehrere.VSK", -1, p));
    EXPECT_EQ(m.TAnzAnwendung(), 1);
    EXPECT_EQ(m.Anwendung(1).TPosition, "1");
    EXPECT_EQ(p.meldungen.size(), 3u);
}

} // namespace
} // namespace vsk
