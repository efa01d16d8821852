#include "sketches/Farbschema.h"

#include "shell/Einstellungen.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vsk {
namespace {

std::string Inhalt(const std::filesystem::path& p) {
    std::ifstream ein(p, std::ios::binary);
    std::stringstream s;
    s << ein.rdbuf();
    return s.str();
}

TEST(Farbschema, OhneDateiGeltenDieVorgabenUndSpeichernSchreibtAlleNeun) {
    test::TempDir dir;
    Einstellungen ini(dir / "VSK.INI", '.');
    const TKFarbe f(ini);
    EXPECT_EQ(f, TKFarbe::Standard());
    EXPECT_FALSE(std::filesystem::exists(dir / "VSK.INI")); // reading creates nothing

    f.Speichern(ini);
    const std::string text = Inhalt(dir / "VSK.INI");
    const char* erwartet[] = {"Hintergrund=16777215", "BetonPen=0",   "BetonBrush=12632256",
                              "PosB=32768",           "PosD=8388608", "DornPen=0",
                              "DornBrush=16776960",   "Bemassung=0",  "Brandschutz=65535"};
    std::size_t pos = text.find("[Farbeinstellung]");
    ASSERT_NE(pos, std::string::npos);
    for (const char* zeile : erwartet) {
        const std::size_t neu = text.find(zeile, pos);
        ASSERT_NE(neu, std::string::npos) << zeile;
        pos = neu; // in this order
    }
}

TEST(Farbschema, GelesenJeSchluesselMitVorgabeBeiUnsinn) {
    test::TempDir dir;
    {
        std::ofstream aus(dir / "VSK.INI");
        aus << "[Farbeinstellung]\nPosB=255\nPosD=blau\nDornBrush=-5\nHintergrund=0x00FF00\n"
               "Bemassung=16777216\n";
    }
    Einstellungen ini(dir / "VSK.INI", '.');
    const TKFarbe f(ini);
    EXPECT_EQ(f.PosB, 255); // red: the low byte
    EXPECT_EQ(f.PosD, 8388608);
    EXPECT_EQ(f.DornBrush, 16776960);
    EXPECT_EQ(f.Hintergrund, 0x00FF00);
    EXPECT_EQ(f.Bemassung, 0);
}

TEST(Farbschema, GraustufenUndZurueckgeschrieben) {
    test::TempDir dir;
    Einstellungen ini(dir / "VSK.INI", '.');
    const TKFarbe grau = TKFarbe::Graustufen();
    EXPECT_EQ(grau.PosB, 0);
    EXPECT_EQ(grau.PosD, 0);
    EXPECT_EQ(grau.DornBrush, 8421504);
    EXPECT_EQ(grau.Brandschutz, 8421504);
    EXPECT_EQ(grau.BetonBrush, 12632256);
    grau.Speichern(ini);
    EXPECT_EQ(TKFarbe(ini), grau);
}

} // namespace
} // namespace vsk
