#include "shell/Pfade.h"

#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace vsk {
namespace {

namespace fs = std::filesystem;

TEST(MitBackslash, AddsOneSeparatorUnlessPresent) {
    EXPECT_EQ(MitBackslash("/media/cdrom"), "/media/cdrom/");
    EXPECT_EQ(MitBackslash("/media/cdrom/"), "/media/cdrom/");
    EXPECT_EQ(MitBackslash("/"), "/");
    EXPECT_EQ(MitBackslash(""), "");
}

TEST(FindeOhneGrossKlein, ExactNameFirstThenAnyCase) {
    test::TempDir dir;
    std::ofstream(dir / "VSK SETUP.EXE") << "x";
    EXPECT_EQ(FindeOhneGrossKlein(dir.pfad(), "VSK Setup.exe"), dir / "VSK SETUP.EXE");
    EXPECT_EQ(FindeOhneGrossKlein(dir.pfad(), "VSK SETUP.EXE"), dir / "VSK SETUP.EXE");
    std::ofstream(dir / "vsk setup.exe") << "y";
    EXPECT_EQ(FindeOhneGrossKlein(dir.pfad(), "vsk setup.exe"), dir / "vsk setup.exe");
    EXPECT_EQ(FindeOhneGrossKlein(dir.pfad(), "Vsk Setup.exe"), dir / "VSK SETUP.EXE");
    EXPECT_FALSE(FindeOhneGrossKlein(dir.pfad(), "setup.exe"));
    EXPECT_FALSE(FindeOhneGrossKlein(dir / "missing", "VSK Setup.exe"));
    EXPECT_FALSE(FindeOhneGrossKlein(dir.pfad(), ""));
}

TEST(FindePfadOhneGrossKlein, MatchesEveryComponent) {
    test::TempDir dir;
    fs::create_directories(dir / "ACROBAT");
    std::ofstream(dir / "ACROBAT" / "AcroEnu.exe") << "x";
    EXPECT_EQ(FindePfadOhneGrossKlein(dir.pfad(), "Acrobat/acroenu.exe"),
              dir / "ACROBAT" / "AcroEnu.exe");
    EXPECT_FALSE(FindePfadOhneGrossKlein(dir.pfad(), "Acrobat/setup.exe"));
    EXPECT_FALSE(FindePfadOhneGrossKlein(dir.pfad(), "Reader/acroenu.exe"));
}

TEST(Einhaengepunkt, IsTheTopDirectoryOfTheSameFileSystem) {
    EXPECT_EQ(Einhaengepunkt("/"), fs::path("/"));
    // /proc is a file system of its own on every Linux system.
    EXPECT_EQ(Einhaengepunkt("/proc/self/status"), fs::path("/proc"));
    test::TempDir dir;
    const fs::path punkt = Einhaengepunkt(dir.pfad());
    ASSERT_FALSE(punkt.empty());
    const std::string voll = fs::canonical(dir.pfad()).string();
    EXPECT_EQ(voll.rfind(punkt.string(), 0), 0u) << voll << " " << punkt;
    EXPECT_TRUE(Einhaengepunkt(dir / "missing").empty());
}

} // namespace
} // namespace vsk
