#include "sketches/ZoomAbbildung.h"

#include <cmath>

#include <gtest/gtest.h>

namespace vsk {
namespace {

// A 440 x 340 paint box showing a 1000 x 500 world box with margins 20.
ZoomAbbildung Eingepasst() {
    ZoomAbbildung z;
    z.SetzeGroesse(440, 340);
    z.Fit(20, 20, 1000, 0, 500, 0);
    return z;
}

TEST(ZoomAbbildung, FitNimmtKleinereSeiteUndGleicheMassstaebe) {
    ZoomAbbildung z = Eingepasst();
    ASSERT_TRUE(z.Bereit());
    // d = min(400, 300) = 300; 300/1000 and 300/500, the smaller.
    EXPECT_DOUBLE_EQ(z.Aktuell().sx, 0.3);
    EXPECT_DOUBLE_EQ(z.Aktuell().sy, 0.3);
    EXPECT_DOUBLE_EQ(z.Aktuell().cx, 500);
    EXPECT_DOUBLE_EQ(z.Aktuell().cy, 250);
    EXPECT_DOUBLE_EQ(z.Aktuell().xmin, 500 - 220 / 0.3);
    EXPECT_DOUBLE_EQ(z.Aktuell().ymax, 250 + 170 / 0.3);
    EXPECT_EQ(z.BildX(500), 220);
    EXPECT_EQ(z.BildY(250), 170);
    EXPECT_EQ(z.Massstab('.'), "1 : 1");
}

TEST(ZoomAbbildung, AbbildungHinUndZurueck) {
    ZoomAbbildung z = Eingepasst();
    z.Zoom(1 / 1.25);
    z.HScroll(500, 510);
    for (double x : {-200.0, 0.0, 123.456, 999.0}) {
        EXPECT_NEAR(z.WeltX(z.BildX(x)), x, 0.5 / z.Aktuell().sx);
    }
    for (int by : {0, 17, 170, 339}) {
        EXPECT_EQ(z.BildY(z.WeltY(by)), by);
        EXPECT_EQ(z.BildX(z.WeltX(by)), by);
    }
    // World y grows upward.
    EXPECT_LT(z.BildY(400), z.BildY(100));
}

TEST(ZoomAbbildung, EinzelnerPunktUndLeererBereichGebenMassstabEins) {
    ZoomAbbildung z;
    z.SetzeGroesse(300, 200);
    z.Fit(20, 20, 7, 7, -3, -3);
    EXPECT_DOUBLE_EQ(z.Aktuell().sx, 1);
    EXPECT_DOUBLE_EQ(z.Aktuell().sy, 1);
    EXPECT_EQ(z.BildX(7), 150);
    EXPECT_EQ(z.BildY(-3), 100);

    // A paint box smaller than its margins still maps without dividing by zero.
    ZoomAbbildung klein;
    klein.SetzeGroesse(10, 10);
    klein.Fit(20, 20, 100, 0, 100, 0);
    EXPECT_GT(klein.Aktuell().sx, 0);
}

TEST(ZoomAbbildung, MassstabFolgtDemZoomen) {
    ZoomAbbildung z = Eingepasst();
    z.Zoom(1 / 1.25);
    EXPECT_EQ(z.Massstab('.'), "1.25 : 1");
    z.Zoom(1 / 1.25);
    EXPECT_EQ(z.Massstab('.'), "1.56 : 1");
    EXPECT_EQ(z.Massstab(','), "1,56 : 1");
    z.Reset();
    EXPECT_EQ(z.Massstab('.'), "1 : 1");
    z.Zoom(1.25);
    EXPECT_EQ(z.Massstab('.'), "1 : 1.25");
    EXPECT_DOUBLE_EQ(z.Aktuell().cx, 500); // the centre stays
    EXPECT_DOUBLE_EQ(z.Aktuell().xmax - z.Aktuell().xmin, 2 * 220 / (0.3 / 1.25));
}

TEST(ZoomAbbildung, MassstabszahlenHabenDreiStellen) {
    EXPECT_EQ(DreiStellen(1, '.'), "1");
    EXPECT_EQ(DreiStellen(1.5625, '.'), "1.56");
    EXPECT_EQ(DreiStellen(12.3456, ','), "12,3");
    EXPECT_EQ(DreiStellen(9.9951, '.'), "10");
    EXPECT_EQ(DreiStellen(555.5, '.'), "556");
    EXPECT_EQ(DreiStellen(999.7, '.'), "1E3");
    EXPECT_EQ(DreiStellen(1250, '.'), "1.25E3");
}

TEST(ZoomAbbildung, ResetUndLetzteAnsichtKehrenZurueck) {
    ZoomAbbildung z = Eingepasst();
    const ZoomAnsicht eingepasst = z.Aktuell();
    z.Zoom(0.8);
    const ZoomAnsicht gezoomt = z.Aktuell();
    z.Zentriere(100, 100);
    EXPECT_DOUBLE_EQ(z.Aktuell().sx, gezoomt.sx); // centring keeps the scale
    z.Reset();
    EXPECT_EQ(z.Aktuell(), eingepasst); // scale and centre of the fit
    z.Letzte();                         // the view shown before the reset
    EXPECT_DOUBLE_EQ(z.Aktuell().cx, 100);
    EXPECT_DOUBLE_EQ(z.Aktuell().sx, gezoomt.sx);
}

TEST(ZoomAbbildung, GummibandZoomtNurAbDreiPixeln) {
    ZoomAbbildung z = Eingepasst();
    const ZoomAnsicht vorher = z.Aktuell();
    EXPECT_FALSE(z.ZoomRechteck(100, 100, 102, 150)); // 2 x 50
    EXPECT_FALSE(z.ZoomRechteck(100, 100, 150, 98));  // 50 x 2
    EXPECT_EQ(z.Aktuell(), vorher);

    // A band drawn from lower right to upper left, 100 x 50 pixels: the world box under
    // it fills the smaller paint-box side (340 pixels).
    ASSERT_TRUE(z.ZoomRechteck(320, 220, 220, 170));
    const double welt = 100 / 0.3;
    EXPECT_DOUBLE_EQ(z.Aktuell().sx, 340 / welt);
    EXPECT_DOUBLE_EQ(z.Aktuell().sy, z.Aktuell().sx);
    EXPECT_NEAR(z.Aktuell().cx, vorher.xmin + 270 / 0.3, 1e-9);
    EXPECT_NEAR(z.Aktuell().cy, vorher.ymax - 195 / 0.3, 1e-9);
    EXPECT_EQ(z.Vorige(), vorher);
}

TEST(ZoomAbbildung, MausradHaeltPunktUnterDemZeiger) {
    ZoomAbbildung z = Eingepasst();
    const double wx = z.WeltX(50);
    const double wy = z.WeltY(300);
    z.ZoomUm(50, 300, 1 / 1.25);
    EXPECT_NEAR(z.WeltX(50), wx, 1e-9);
    EXPECT_NEAR(z.WeltY(300), wy, 1e-9);
    EXPECT_EQ(z.Massstab('.'), "1.25 : 1");
}

TEST(ZoomAbbildung, RollbalkenFolgenDerAnsicht) {
    ZoomAbbildung z = Eingepasst();
    EXPECT_EQ(z.HPosition(), 500);
    EXPECT_EQ(z.VPosition(), 500);
    EXPECT_EQ(z.HSeite(), 1000);
    z.Zoom(2); // zoomed out: the page is twice the fitted window
    EXPECT_EQ(z.HSeite(), 2000);
    z.Reset();
    z.Zoom(0.5);
    EXPECT_EQ(z.HSeite(), 500);
    EXPECT_EQ(z.VSeite(), 500);

    // An arrow step or drag moves by the change in world units.
    const double cx = z.Aktuell().cx;
    EXPECT_FALSE(z.HScroll(500, 500));
    EXPECT_TRUE(z.HScroll(500, 510));
    EXPECT_DOUBLE_EQ(z.Aktuell().cx, cx + 10);
    EXPECT_DOUBLE_EQ(z.Aktuell().xmin + 2 * 220 / z.Aktuell().sx, z.Aktuell().xmax);

    // A page: e = 500 * fitted width / 1000, moved by e - e/12, rounded.
    const double breite = z.Eingepasst().xmax - z.Eingepasst().xmin;
    const double e = 500 * breite / 1000;
    EXPECT_TRUE(z.HScroll(510, 1010));
    EXPECT_DOUBLE_EQ(z.Aktuell().cx, cx + 10 + std::nearbyint(e - e / 12));

    // The vertical bar runs the other way: a positive change moves the centre down.
    const double cy = z.Aktuell().cy;
    const int v = z.VPosition();
    EXPECT_TRUE(z.VScroll(v, v + 3));
    EXPECT_DOUBLE_EQ(z.Aktuell().cy, cy - 3);
    EXPECT_GT(z.VPosition(), v);
}

TEST(ZoomAbbildung, GroessenaenderungPasstUnveraenderteAnsichtNeuEin) {
    ZoomAbbildung z = Eingepasst();
    z.SetzeGroesse(840, 640); // d = 600
    EXPECT_DOUBLE_EQ(z.Aktuell().sx, 0.6);
    z.Zoom(0.5);
    z.SetzeGroesse(440, 340); // a changed view keeps its scale and centre
    EXPECT_DOUBLE_EQ(z.Aktuell().sx, 1.2);
    EXPECT_DOUBLE_EQ(z.Aktuell().cx, 500);
    EXPECT_EQ(z.BildX(500), 220);
    EXPECT_EQ(z.Massstab('.'), "4 : 1"); // fitted scale of the new size is 0.3
}

TEST(ZoomAbbildung, VorDemErstenFitPassiertNichts) {
    ZoomAbbildung z;
    z.SetzeGroesse(100, 100);
    z.Zoom(0.8);
    z.Zentriere(5, 5);
    EXPECT_FALSE(z.ZoomRechteck(0, 0, 50, 50));
    EXPECT_FALSE(z.HScroll(500, 600));
    EXPECT_FALSE(z.Bereit());
    EXPECT_EQ(z.Aktuell(), ZoomAnsicht{});
}

TEST(ZoomAbbildung, KoordinatenZeigenDreiNachkommastellen) {
    EXPECT_EQ(ZoomKoordinaten(12.5, -3, '.'), "X= 12.500   Y= -3.000");
    EXPECT_EQ(ZoomKoordinaten(0.0004, 1234.5678, ','), "X= 0,000   Y= 1234,568");
}

} // namespace
} // namespace vsk
