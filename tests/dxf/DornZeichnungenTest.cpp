#include "dxf/DornZeichnungen.h"

#include "katalog/Katalog.h"
#include "shell/Dateischreiber.h"

#include "support/Dateiinhalt.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vsk {
namespace {

namespace fs = std::filesystem;

using test::Lege;
using test::Lies;

TEST(DornZeichnungen, ExtensionIsAppendedUnlessPresentInAnyCase) {
    EXPECT_EQ(DornZielMitEndung("/x/Plan", 0), "/x/Plan.dxf");
    EXPECT_EQ(DornZielMitEndung("/x/Plan.DXF", 0), "/x/Plan.DXF");
    EXPECT_EQ(DornZielMitEndung("/x/Plan.dwg", 0), "/x/Plan.dwg.dxf");
    EXPECT_EQ(DornZielMitEndung("/x/Plan.DWG", 1), "/x/Plan.DWG");
    EXPECT_EQ(DornZielMitEndung("/x/Plan", 1), "/x/Plan.dwg");
}

TEST(DornZeichnungen, UpperCaseDwgTargetKeepsItsNameAndExtension) {
    test::TempDir dir;
    fs::path programm = dir / "bin";
    for (const char* teil : {" Plan View Block.", " Side View Block.", " End View Block."}) {
        Lege(programm / "CAD files" / (std::string("VSKQ 4") + teil + "DWG"),
             std::string("dwg\r\n") + teil);
    }
    fs::path ziel = dir / "out";
    fs::create_directory(ziel);
    test::PlattformDouble plattform;
    EXPECT_TRUE(KopiereDornZeichnungen(plattform, programm, 12, (ziel / "Plan.DWG").string()));
    EXPECT_TRUE(plattform.meldungen.empty());
    EXPECT_EQ(Lies(ziel / "Plan Plan View Block.DWG"), "dwg\r\n Plan View Block.");
    EXPECT_EQ(Lies(ziel / "Plan Side View Block.DWG"), "dwg\r\n Side View Block.");
    EXPECT_EQ(Lies(ziel / "Plan End View Block.DWG"), "dwg\r\n End View Block.");
}

TEST(DornZeichnungen, MissingPartsAreReportedOnceAndTheOthersCopied) {
    test::TempDir dir;
    fs::path programm = dir / "bin";
    Lege(programm / "CAD files" / "VSK 7 Side View Block.dxf", "side");
    test::PlattformDouble plattform;
    DornKopie kopie = KopiereDornZeichnungen(programm, 6, (dir / "a.dxf").string());
    EXPECT_EQ(kopie.kopiert.size(), 1u);
    EXPECT_EQ(kopie.fehlen.size(), 2u);
    EXPECT_EQ(Lies(dir / "a Side View Block.dxf"), "side");

    EXPECT_FALSE(KopiereDornZeichnungen(plattform, programm, 6, (dir / "b.dxf").string()));
    ASSERT_EQ(plattform.meldungen.size(), 1u);
    EXPECT_EQ(plattform.meldungen[0], "Cannot open file!");
    EXPECT_TRUE(plattform.fehler.empty());
}

TEST(DornZeichnungen, SourcesAreFoundWhateverTheCaseOfTheExtension) {
    test::TempDir dir;
    fs::path programm = dir / "bin";
    Lege(programm / "CAD files" / "VSK 1 Plan View Block.dxf", "p");
    DornKopie kopie = KopiereDornZeichnungen(programm, 0, (dir / "Z.DXF").string());
    ASSERT_EQ(kopie.kopiert.size(), 1u);
    EXPECT_EQ(Lies(dir / "Z Plan View Block.DXF"), "p");
}

TEST(DornZeichnungen, CopyErrorEndsTheCommandAndIsReported) {
    test::TempDir dir;
    fs::path programm = dir / "bin";
    for (const char* teil : {" Plan View Block.", " Side View Block.", " End View Block."}) {
        Lege(programm / "CAD files" / (std::string("VSK 7") + teil + "dxf"), "x");
    }
    test::PlattformDouble plattform;
    EXPECT_FALSE(
        KopiereDornZeichnungen(plattform, programm, 6, (dir / "fehlt" / "a.dxf").string()));
    EXPECT_TRUE(plattform.meldungen.empty());
    ASSERT_EQ(plattform.fehler.size(), 1u);
    EXPECT_NE(plattform.fehler[0].find("could not be written"), std::string::npos);
}

TEST(DornZeichnungen, GeneratorWritesThreeDrawingsPerType) {
    test::TempDir dir;
    SchreibeDornZeichnungen(dir / "CAD files");
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir / "CAD files")) {
        ++n;
    }
    EXPECT_EQ(n, 3u * AnzDornTypen);
    std::string plan = Lies(dir / "CAD files" / "VSKQ 10 Plan View Block.dxf");
    EXPECT_EQ(plan.rfind("999\r\n", 0), 0u);
    EXPECT_NE(plan.find("  0\r\nLINE\r\n"), std::string::npos);
    EXPECT_NE(plan.find("\r\n  0\r\nEOF\r\n"), std::string::npos);
}

TEST(DornZeichnungen, EndViewShowsRoundOrSlottedSleeves) {
    DXF_Object rund;
    ZeichneDornBlock(rund, TKDornDaten(6), DornAnsicht::Stirn);
    EXPECT_EQ(AnzahlEntities(rund, "Circle_"), 4u); // two dowels in two round sleeves
    DXF_Object schlitz;
    ZeichneDornBlock(schlitz, TKDornDaten(15), DornAnsicht::Stirn);
    EXPECT_EQ(AnzahlEntities(schlitz, "Circle_"), 2u);
    EXPECT_EQ(AnzahlEntities(schlitz, "Line_"), AnzahlEntities(rund, "Line_") + 8);
}

} // namespace
} // namespace vsk
