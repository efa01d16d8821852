#include "shell/Fensterlagen.h"

#include "shell/Einstellungen.h"

#include "support/Dateiinhalt.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

TEST(Fensterlagen, WhatIsWrittenIsReadBackAtTheNextStart) {
    test::TempDir dir;
    Fensterlagen lagen;
    lagen.hauptfenster = Fensterrechteck{-1800, 40, 1200, 800};
    lagen.maximiert = true;
    lagen.teilerNavigation = {170, 930};
    lagen.teilerUebersicht = {420, 260};
    lagen.zoomfenster = Fenstergroesse{640, 480};
    {
        Einstellungen ini(dir / "VSK.INI", '.');
        SchreibeFensterlagen(ini, lagen);
    }
    const Einstellungen neu(dir / "VSK.INI", '.');
    EXPECT_EQ(LeseFensterlagen(neu), lagen);
    EXPECT_EQ(neu.ReadString("Fenster", "TeilerNavigation", ""), "170,930");
}

TEST(Fensterlagen, NothingStoredOrDamagedValuesReadAsNotStored) {
    test::TempDir dir;
    EXPECT_EQ(LeseFensterlagen(Einstellungen(dir / "VSK.INI", '.')), Fensterlagen{});
    test::Lege(dir / "VSK.INI", "[Fenster]\nLinks=10\nOben=10\nBreite=-5\nHoehe=600\n"
                                "TeilerNavigation=170,abc\nTeilerUebersicht=1,2,3,4,5,6,7,8,9\n"
                                "ZoomBreite=999999\nZoomHoehe=400\nMaximiert=7\n");
    const Fensterlagen lagen = LeseFensterlagen(Einstellungen(dir / "VSK.INI", '.'));
    EXPECT_FALSE(lagen.hauptfenster);
    EXPECT_FALSE(lagen.maximiert);
    EXPECT_TRUE(lagen.teilerNavigation.empty());
    EXPECT_TRUE(lagen.teilerUebersicht.empty());
    EXPECT_FALSE(lagen.zoomfenster);
}

TEST(Fensterlagen, APlaceCountsOnlyWhereItsTitleBarCanBeGrabbed) {
    const std::vector<Fensterrechteck> schirme{{0, 0, 1920, 1040}, {1920, 0, 1280, 1000}};
    EXPECT_TRUE(LageErreichbar({100, 100, 800, 600}, schirme));
    EXPECT_TRUE(LageErreichbar({2500, 50, 800, 600}, schirme)); // the second screen
    EXPECT_TRUE(LageErreichbar({-700, 0, 800, 600}, schirme));  // 100 pixels still on it
    EXPECT_FALSE(LageErreichbar({-750, 0, 800, 600}, schirme));
    EXPECT_FALSE(LageErreichbar({3300, 100, 800, 600}, schirme)); // a screen unplugged
    EXPECT_FALSE(LageErreichbar({100, 1030, 800, 600}, schirme)); // the top below the screen
    EXPECT_FALSE(LageErreichbar({100, -15, 800, 600}, schirme));  // the top above it
}

} // namespace
} // namespace vsk
