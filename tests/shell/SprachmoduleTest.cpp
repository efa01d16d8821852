#include "shell/Sprachmodule.h"

#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace vsk {
namespace {

namespace fs = std::filesystem;

TEST(Sprachmodule, AbbreviationsOfTheOperatingSystem) {
    EXPECT_EQ(SprachKuerzel(2057), "ENG");
    EXPECT_EQ(SprachKuerzel(2055), "DES");
    EXPECT_EQ(SprachKuerzel(1034), "ESP");
    EXPECT_EQ(SprachKuerzel(3082), "ESN");
    EXPECT_EQ(SprachKuerzel(1043), "NLD");
    EXPECT_EQ(SprachKuerzel(0), "");
    EXPECT_EQ(SprachKuerzel(1049), "");
}

TEST(Sprachmodule, ModuleBesideTheProgramInAnyCaseWithTwoLetterFallback) {
    test::TempDir dir;
    const fs::path programm = dir / "start";
    EXPECT_FALSE(SprachmodulDatei(programm, 2055));
    std::ofstream(dir / "start.de") << "x";
    EXPECT_EQ(SprachmodulDatei(programm, 2055), dir / "start.de");
    EXPECT_EQ(AnzahlSprachmodule(programm), 0); // two-letter modules are not counted
    std::ofstream(dir / "START.DES") << "x";
    EXPECT_EQ(SprachmodulDatei(programm, 2055), dir / "START.DES");
    EXPECT_EQ(AnzahlSprachmodule(programm), 1);

    // 3082 looks for its own abbreviation, then for "es".
    std::ofstream(dir / "start.esp") << "x";
    EXPECT_FALSE(SprachmodulDatei(programm, 3082));
    std::ofstream(dir / "start.Es") << "x";
    EXPECT_EQ(SprachmodulDatei(programm, 3082), dir / "start.Es");
    EXPECT_EQ(SprachmodulDatei(programm, 1034), dir / "start.esp");
    EXPECT_EQ(AnzahlSprachmodule(programm), 2);
    EXPECT_FALSE(SprachmodulDatei(programm, 1049));
}

TEST(Sprachmodule, WindowsProgramNameAndDirectoriesNamedLikeModules) {
    test::TempDir dir;
    std::ofstream(dir / "VSK.fra") << "x";
    fs::create_directory(dir / "VSK.ita");
    EXPECT_EQ(SprachmodulDatei(dir / "VSK.EXE", 1036), dir / "VSK.fra");
    EXPECT_EQ(SprachmodulDatei(dir / "vsk", 1036), dir / "VSK.fra");
    EXPECT_FALSE(SprachmodulDatei(dir / "vsk", 1040));
    EXPECT_EQ(AnzahlSprachmodule(dir / "vsk"), 1);
    EXPECT_FALSE(SprachmodulDatei(dir / "other", 1036));
}

TEST(Sprachmodule, MarkerOfAnIdentifier) {
    EXPECT_EQ(MarkerFuer(3082), Markersprache::Spanisch);
    EXPECT_EQ(MarkerFuer(1034), Markersprache::Spanisch);
    EXPECT_EQ(MarkerFuer(2055), Markersprache::Deutsch);
    EXPECT_EQ(MarkerFuer(2057), Markersprache::Englisch);
    EXPECT_EQ(MarkerFuer(1031), Markersprache::Keine);
}

} // namespace
} // namespace vsk
