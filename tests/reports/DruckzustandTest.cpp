#include "reports/Druckzustand.h"
#include "canvas/Aufzeichnung.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

Druckergeometrie Beispieldrucker() {
    Druckergeometrie g;
    g.dpiX = g.dpiY = 600;
    g.offX = 100;
    g.offY = 120;
    g.breite = 4760;
    g.hoehe = 6800;
    g.papierBreite = 4960;
    g.papierHoehe = 7016;
    return g;
}

TEST(Seitengeometrie, SeiteEinesDruckersMit600dpiWirdEingerichtet) {
    Druckzustand z;
    SeiteEinrichten(z, Beispieldrucker());
    EXPECT_NEAR(z.Wp, 20.151, 0.0005);
    EXPECT_NEAR(z.Hp, 28.787, 0.0005);
    EXPECT_NEAR(z.ml, 1.327, 0.0005);
    EXPECT_NEAR(z.mt, 0.492, 0.0005);
    EXPECT_NEAR(z.mr, 0.75 - 100 * 2.54 / 600, 1e-12);
    EXPECT_NEAR(z.mr, 0.327, 0.0005);
    EXPECT_NEAR(z.mb, 1 - 96 * 2.54 / 600, 1e-12);
    EXPECT_NEAR(z.mb, 0.594, 0.0005);
}

TEST(Seitengeometrie, RaenderNieUnterIhremMindestwert) {
    Druckergeometrie g = Beispieldrucker();
    // 2 cm unprintable at the right and at the bottom.
    g.breite = g.papierBreite - g.offX - 472;
    g.hoehe = g.papierHoehe - g.offY - 472;
    Druckzustand z;
    SeiteEinrichten(z, g);
    EXPECT_DOUBLE_EQ(z.mr, 0.25);
    EXPECT_DOUBLE_EQ(z.mb, 0.15);
}

TEST(Seitengeometrie, OhneAufloesungKeineDivisionDurchNull) {
    Druckergeometrie g = Beispieldrucker();
    g.dpiX = g.dpiY = 0;
    Druckzustand z;
    SeiteEinrichten(z, g);
    EXPECT_NEAR(z.Wp, 20.151, 0.0005);
}

TEST(Seitengeometrie, StandardgeraetIstA4) {
    const Druckergeometrie g = StandardDruckergeometrie();
    EXPECT_NEAR(g.papierBreite * 25.4 / g.dpiX, 210, 0.1);
    EXPECT_NEAR(g.papierHoehe * 25.4 / g.dpiY, 297, 0.1);
    Druckzustand z;
    SeiteEinrichten(z, g);
    EXPECT_NEAR(z.ml + g.offX * 2.54 / 600, 1.75, 1e-9);
    EXPECT_GT(z.Wp - z.ml - z.mr, 17.0); // room for the sketch page's 17 cm row sketch
}

TEST(Seitengeometrie, VorschaubildHatDieSeitengroesseAmBildschirm) {
    Druckzustand z;
    SeiteEinrichten(z, Beispieldrucker());
    const Bildgroesse b = BildGroesse(z, 96);
    EXPECT_EQ(b.breite, 762); // round(96 * 20.151 / 2.54) = round(761.6)
    EXPECT_EQ(b.hoehe, 1088); // round(96 * 28.787 / 2.54) = round(1088)
}

TEST(Zentimeter, ZentimeterRundenAufPixel) {
    Druckzustand z;
    z.resX = z.resY = 600;
    EXPECT_EQ(z.CmX(2.54f), 600);
    EXPECT_EQ(z.CmY(1.0f), 236);
    z.resX = 96;
    EXPECT_EQ(z.CmX(0.15f), 6); // round(5.669)
    EXPECT_EQ(z.CmX(0.0f), 0);
    EXPECT_EQ(z.CmX(-2.54f), -96);
}

TEST(Masse, MasseGeltenAufBildschirmUndDrucker) {
    Aufzeichnung drucker(600);
    drucker.schrift.groesse = 7;
    drucker.schrift.name = "Symbol";
    Druckzustand z;
    EXPECT_EQ(MasseEinrichten(z, drucker, false, 96), 2);
    EXPECT_EQ(z.resX, 600);
    EXPECT_EQ(z.bildschirmDpi, 96);
    // Recording metrics: pixel size p = round(pt * 600 / 72), height p + p / 5.
    EXPECT_EQ(z.L10, 83 + 16);
    EXPECT_EQ(z.L14, 117 + 23);
    EXPECT_EQ(z.L6, 50 + 10);
    EXPECT_EQ(drucker.schrift.groesse, 7); // font left as it was
    EXPECT_EQ(drucker.schrift.name, "Symbol");

    Aufzeichnung bild(96);
    EXPECT_EQ(MasseEinrichten(z, bild, true, 120), 1);
    EXPECT_EQ(z.resX, 120);
    EXPECT_EQ(z.resY, 120);
}

} // namespace
} // namespace vsk
