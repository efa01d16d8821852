#include "dxf/DateiSchreiben.h"
#include "dxf/DXF_Writer.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace vsk {
namespace {

std::string Lies(const std::filesystem::path& p) {
    std::ifstream ein(p, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

std::size_t AnzahlDateien(const std::filesystem::path& ordner) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(ordner)) {
        ++n;
    }
    return n;
}

TEST(DateiSchreiben, ReplacesTheTargetOnlyWhenEverythingWasWritten) {
    test::TempDir dir;
    auto ziel = dir / "a.dxf";
    SchreibeDateiSicher(ziel, [](std::ostream& aus) { return static_cast<bool>(aus << "alt"); });
    EXPECT_EQ(Lies(ziel), "alt");

    EXPECT_THROW(SchreibeDateiSicher(ziel,
                                     [](std::ostream& aus) {
                                         aus << "halb";
                                         return false;
                                     }),
                 DateiFehler);
    EXPECT_EQ(Lies(ziel), "alt");
    EXPECT_EQ(AnzahlDateien(dir.pfad()), 1u) << "no temporary file left";
}

TEST(DateiSchreiben, UnwritableFolderGivesAMessageNamingTheFile) {
    test::TempDir dir;
    auto ordner = dir / "nur-lesen";
    std::filesystem::create_directory(ordner);
    std::filesystem::permissions(ordner, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_exec);
    DXF_Object objekt;
    try {
        SaveToFile(objekt, ordner / "b.dxf");
        if (::geteuid() != 0) {
            ADD_FAILURE() << "write into a read-only folder succeeded";
        }
    } catch (const DateiFehler& f) {
        EXPECT_NE(std::string(f.what()).find("b.dxf"), std::string::npos) << f.what();
        EXPECT_EQ(AnzahlDateien(ordner), 0u);
    }
    try {
        SaveToFile(objekt, dir / "fehlt" / "c.dxf");
        ADD_FAILURE() << "write into a missing folder succeeded";
    } catch (const DateiFehler& f) {
        EXPECT_NE(std::string(f.what()).find("could not be written"), std::string::npos);
    }
}

TEST(DateiSchreiben, CopiesBytesUnchanged) {
    test::TempDir dir;
    std::string bytes("a\r\nb\0c\n", 7);
    SchreibeDateiSicher(dir / "q",
                        [&](std::ostream& aus) { return static_cast<bool>(aus << bytes); });
    KopiereDateiSicher(dir / "q", dir / "z");
    EXPECT_EQ(Lies(dir / "z"), bytes);
    EXPECT_THROW(KopiereDateiSicher(dir / "fehlt", dir / "y"), DateiFehler);
    EXPECT_FALSE(std::filesystem::exists(dir / "y"));
    SchreibeDateiSicher(dir / "leer", [](std::ostream&) { return true; });
    KopiereDateiSicher(dir / "leer", dir / "x");
    EXPECT_EQ(Lies(dir / "x"), "");
}

} // namespace
} // namespace vsk
