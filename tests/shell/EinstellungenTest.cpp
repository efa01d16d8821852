#include "shell/Einstellungen.h"
#include "shell/Dateischreiber.h"

#include "support/Dateiinhalt.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace vsk {
namespace {

namespace fs = std::filesystem;

TEST(Einstellungen, MissingFileSectionOrKeyReadsDefault) {
    test::TempDir dir;
    Einstellungen ini(dir / "VSK.INI", '.');
    EXPECT_EQ(ini.ReadInteger("Anwenderdaten", "Bemessung", 1), 1);
    EXPECT_EQ(ini.ReadFloat("Anwenderdaten", "GammaMs", 1.05), 1.05);
    EXPECT_EQ(ini.ReadString("ProjektDaten", "TBearbeiter", ""), "");
    test::Lege(dir / "VSK.INI", "[Anwenderdaten]\nLand=3\n");
    EXPECT_EQ(ini.ReadInteger("Farbeinstellung", "Land", 9), 9);
    EXPECT_EQ(ini.ReadInteger("Anwenderdaten", "Bemessung", 1), 1);
}

TEST(Einstellungen, NamesCompareWithoutCaseAndValuesConvert) {
    test::TempDir dir;
    test::Lege(dir / "VSK.INI", "; comment\r\n[anwenderDATEN]\r\n  idsprache = 1036 \r\n"
                                "PosB=0x8000\r\nGammaMs=1,1\r\nKaputt=abc\r\n"
                                "TBearbeiter=  A. Muster  \r\n");
    Einstellungen komma(dir / "VSK.INI", ',');
    EXPECT_EQ(komma.ReadInteger("Anwenderdaten", "IDSprache", 0), 1036);
    EXPECT_EQ(komma.ReadInteger("Anwenderdaten", "posb", 0), 32768);
    EXPECT_EQ(komma.ReadFloat("Anwenderdaten", "GammaMs", 0), 1.1);
    EXPECT_EQ(komma.ReadInteger("Anwenderdaten", "Kaputt", 7), 7);
    EXPECT_EQ(komma.ReadFloat("Anwenderdaten", "Kaputt", 2.5), 2.5);
    EXPECT_EQ(komma.ReadString("ANWENDERDATEN", "tbearbeiter", ""), "A. Muster");
    // With a decimal point "1,1" is not a number.
    Einstellungen punkt(dir / "VSK.INI", '.');
    EXPECT_EQ(punkt.ReadFloat("Anwenderdaten", "GammaMs", 1.05), 1.05);
}

TEST(Einstellungen, WritesCreateAndReplaceKeepingTheRest) {
    test::TempDir dir;
    fs::path datei = dir / "VSK.INI";
    Einstellungen ini(datei, ',');
    ini.WriteFloat("Anwenderdaten", "Punktlast_Tgg", 1.35);
    ini.WriteInteger("Farbeinstellung", "PosB", 255);
    ini.WriteString("Anwenderdaten", "Version", "/home/a b");
    ini.WriteFloat("anwenderdaten", "PUNKTLAST_TGG", 1.5);
    EXPECT_EQ(test::Lies(datei), "[Anwenderdaten]\nPunktlast_Tgg=1,5\nVersion=/home/a b\n\n"
                                 "[Farbeinstellung]\nPosB=255\n");
    EXPECT_EQ(ini.ReadFloat("Anwenderdaten", "Punktlast_Tgg", 0), 1.5);
    EXPECT_EQ(ini.ReadInteger("FARBEINSTELLUNG", "posb", 0), 255);

    // CR LF files stay CR LF; comments and unknown keys survive.
    test::Lege(datei, "; keep\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    ini.WriteInteger("A", "z", 3);
    EXPECT_EQ(test::Lies(datei), "; keep\r\n[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
}

TEST(Einstellungen, ReadOnlyFileRaisesTheProgramsMessageAndStaysUnchanged) {
    test::TempDir dir;
    fs::path datei = dir / "VSK.INI";
    test::Lege(datei, "[Anwenderdaten]\nBemessung=0\n");
    fs::permissions(datei, fs::perms::owner_read | fs::perms::group_read);
    Einstellungen ini(datei, '.');
    try {
        ini.WriteInteger("Anwenderdaten", "Bemessung", 1);
        FAIL() << "no error raised";
    } catch (const SchreibFehler& f) {
        EXPECT_EQ(std::string(f.what()), "Not able to write to file " + datei.string());
    }
    EXPECT_EQ(test::Lies(datei), "[Anwenderdaten]\nBemessung=0\n");
    EXPECT_EQ(ini.ReadInteger("Anwenderdaten", "Bemessung", 1), 0);

    // A path whose directory is a file cannot be written either.
    Einstellungen unmoeglich(datei / "sub.INI", '.');
    EXPECT_THROW(unmoeglich.WriteInteger("A", "b", 1), SchreibFehler);
}

TEST(Einstellungen, FifoDeviceOrHugeFileReadsAsDefaultsWithTheMessage) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo.INI").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", dir / "null.INI");
    test::Lege(dir / "gross.INI", "[Anwenderdaten]\nBemessung=0\n" + std::string(2 << 20, ';'));
    for (const char* name : {"fifo.INI", "null.INI", "gross.INI"}) {
        // Reading a FIFO or /dev/zero as a file would block or never end.
        Einstellungen ini(dir / name, '.');
        EXPECT_EQ(ini.ReadInteger("Anwenderdaten", "Bemessung", 1), 1) << name;
        EXPECT_EQ(ini.LesefehlerMeldung(),
                  "The settings file " + (dir / name).string() +
                      " cannot be read. The program uses its default settings.");
        // What cannot be read is not replaced either: its content would be lost.
        EXPECT_THROW(ini.WriteInteger("Anwenderdaten", "Bemessung", 0), SchreibFehler) << name;
    }
    EXPECT_TRUE(fs::is_fifo(dir / "fifo.INI"));
    EXPECT_GT(fs::file_size(dir / "gross.INI"), 2u << 20);
    EXPECT_EQ(Einstellungen(dir / "fehlt.INI", '.').LesefehlerMeldung(), std::nullopt);
}

TEST(Einstellungen, WritesTogetherReachTheFileInOneWriteOrNotAtAll) {
    test::TempDir dir;
    const fs::path datei = dir / "VSK.INI";
    test::Lege(datei, "[Farbeinstellung]\nPosB=1\n");
    Einstellungen ini(datei, '.');
    int schreibvorgaenge = 0;
    SetzeSchreibeingriff([&](std::size_t bisher, std::size_t) {
        schreibvorgaenge += bisher == 0 ? 1 : 0;
        return 0;
    });
    ini.SchreibeZusammen([&] {
        for (int i = 0; i < 9; ++i) {
            ini.WriteInteger("Farbeinstellung", "PosB", i);
            ini.SchreibeZusammen([&] { ini.WriteFloat("Anwenderdaten", "GammaMs", 1.25); });
        }
        EXPECT_EQ(ini.ReadInteger("Farbeinstellung", "PosB", -1), 8);
        EXPECT_EQ(test::Lies(datei), "[Farbeinstellung]\nPosB=1\n");
    });
    SetzeSchreibeingriff({});
    EXPECT_EQ(schreibvorgaenge, 1);
    EXPECT_EQ(test::Lies(datei), "[Farbeinstellung]\nPosB=8\n\n[Anwenderdaten]\nGammaMs=1.25\n");

    // A failed write leaves the file and the values as they were.
    fs::permissions(datei, fs::perms::owner_read);
    EXPECT_THROW(ini.SchreibeZusammen([&] { ini.WriteInteger("Farbeinstellung", "PosB", 99); }),
                 SchreibFehler);
    EXPECT_EQ(ini.ReadInteger("Farbeinstellung", "PosB", -1), 8);
}

TEST(Einstellungen, LivesBesideTheProgramNamedLikeIt) {
    test::TempDir dir;
    EXPECT_EQ(EinstellungsdateiFuer(dir / "vsk", "/x", "/h"), dir / "vsk.INI");
    EXPECT_EQ(EinstellungsdateiFuer(dir / "VSK.EXE", "", "/h"), dir / "VSK.INI");
    EXPECT_EQ(EinstellungsdateiFuer("/nonexistent-dir/vsk", "/cfg", "/h"),
              fs::path("/cfg/VSK/vsk.INI"));
    EXPECT_EQ(EinstellungsdateiFuer("/nonexistent-dir/vsk", "", "/h"),
              fs::path("/h/.config/VSK/vsk.INI"));
}

} // namespace
} // namespace vsk
