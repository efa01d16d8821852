#include "reports/Vorschauzoom.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

TEST(Vorschauzoom, StepsGoUpAndDownAndStopAtTheEnds) {
    Vorschauzoom z;
    EXPECT_EQ(z.Prozenttext(), "100 %");
    z.Hinein();
    EXPECT_EQ(z.Prozenttext(), "110 %");
    z.Seitenbreite(800, 1016, 8); // 125 %, a step itself
    z.Hinein();
    EXPECT_EQ(z.Prozenttext(), "150 %");
    z.Setze(1.3); // between two steps (a fitted zoom)
    z.Hinaus();
    EXPECT_EQ(z.Prozenttext(), "125 %");
    for (int i = 0; i < 20; ++i) {
        z.Hinein();
    }
    EXPECT_EQ(z.Faktor(), Vorschauzoom::Groesster);
    for (int i = 0; i < 20; ++i) {
        z.Hinaus();
    }
    EXPECT_EQ(z.Faktor(), Vorschauzoom::Kleinster);
}

// On a screen at 200 % the largest zoom gives a page the device pixels 400 % gives it at
// 100 %, no more: three pages of 212 MB each would not fit many machines.
TEST(Vorschauzoom, TheLargestZoomDependsOnTheScreensPixelRatio) {
    Vorschauzoom z(2);
    for (int i = 0; i < 20; ++i) {
        z.Hinein();
    }
    EXPECT_EQ(z.Prozenttext(), "200 %");
    z.SetzeVerhaeltnis(1);
    z.Setze(4);
    z.SetzeVerhaeltnis(2); // moved to the finer screen
    EXPECT_EQ(z.Faktor(), 2);
}

TEST(Vorschauzoom, FittedPagesStayInsideTheArea) {
    // An A4 page less its unprintable border: 762 x 1087 pixels at 96 dpi.
    const double breite = 762;
    const double hoehe = 1087;
    Vorschauzoom z;
    z.Seitenbreite(breite, 1200, 8);
    const int dpi = z.Dpi(96);
    EXPECT_LE(breite * dpi / 96, 1200 - 2 * 8);
    EXPECT_GT(breite * (dpi + 1) / 96, 1200 - 2 * 8);
    z.GanzeSeite(breite, hoehe, 1200, 700, 8); // the height decides
    EXPECT_LE(hoehe * z.Dpi(96) / 96, 700 - 2 * 8);
    z.GanzeSeite(breite, hoehe, 1, 1, 8); // no room: the smallest zoom
    EXPECT_EQ(z.Faktor(), Vorschauzoom::Kleinster);
}

TEST(Vorschauzoom, TheCurrentPageIsTheLastWhoseTopPassedTheMiddleOfTheView) {
    const std::vector<int> oben{8, 1100, 2192};
    EXPECT_EQ(AktuelleSeite(oben, 0, 600), 1);
    EXPECT_EQ(AktuelleSeite(oben, 799, 600), 1);
    EXPECT_EQ(AktuelleSeite(oben, 800, 600), 2);
    EXPECT_EQ(AktuelleSeite(oben, 5000, 600), 3);
    EXPECT_EQ(AktuelleSeite({}, 0, 600), 0);
}

} // namespace
} // namespace vsk
